#pragma once
// Window messages by number, to windows known by a handle.
//
// Every CSkinWindow gets a WindowHandle (a number, never reused in the process) when it is
// created and loses it when it is destroyed. The functions below take a handle, may be
// called from any thread, and do nothing (returning false or 0) for a handle whose window
// is gone, so a worker holding a stale handle is harmless.
//
// - PostWindowMessage queues the message; the window's HandleMessage runs later on the UI
//   thread.
// - SendWindowMessage runs HandleMessage and returns its result. On the UI thread it calls
//   directly (no deadlock when a window sends to itself). From another thread it blocks
//   until the UI thread has handled the message. Give it the worker's stop event: when
//   that is set before the UI thread has begun handling, the message is withdrawn and the
//   call returns 0 at once, so a worker being stopped by a UI thread that waits for it
//   does not hang. A message whose window is destroyed before it is handled also returns 0.
// - RegisterWindowMessage gives a number in 0xC000..0xFFFF for a name: the same name
//   (compared without regard to case) gives the same number everywhere in the process;
//   0 when the 16384 numbers are used up or the name is empty.
#include <QString>
#include <cstdint>
#include "ui/ui_types.h"

class StopEvent;

using WindowHandle = std::uint32_t;  // 0: no window

bool PostWindowMessage(WindowHandle window, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT SendWindowMessage(WindowHandle window, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0,
                          const StopEvent* stop = nullptr);
bool IsWindowAlive(WindowHandle window);

unsigned RegisterWindowMessage(const QString& name);
