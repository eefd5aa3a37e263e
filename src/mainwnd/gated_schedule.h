#pragma once
// The scheduler the window hands its devices (DeviceOwner::schedule): a single-shot timer
// on the window's thread that holds back while the system sleeps.
#include <QObject>
#include <functional>

// Runs `task` once on `context`'s thread after delayMs. When it is due while gate() says
// no, it waits another delayMs and asks again. Nothing runs once `context` is destroyed.
void RunGatedLater(QObject* context, int delayMs, std::function<bool()> gate, std::function<void()> task);
