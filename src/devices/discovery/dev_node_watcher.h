#pragma once
// Hears hidraw nodes appear, vanish or change their rights in /dev through inotify, so
// discovery can wait without a timer where no udev daemon runs (containers, CI): the
// kernel still creates and removes the nodes there.
#include <string>

class CDevNodeWatcher {
public:
    // folder: where the nodes live; prefix: the start of the node names that count.
    explicit CDevNodeWatcher(std::string folder = "/dev", std::string prefix = "hidraw");
    ~CDevNodeWatcher();
    CDevNodeWatcher(const CDevNodeWatcher&) = delete;
    CDevNodeWatcher& operator=(const CDevNodeWatcher&) = delete;

    // False when inotify or the watch of the folder cannot be set up.
    bool Open();
    bool IsOpen() const { return fd_ >= 0; }
    // Readable when an event is waiting; -1 while closed.
    int Fd() const { return fd_; }
    // Takes every waiting event; true when a node of the prefix was created, deleted or
    // had its attributes changed (rights granted later make a node usable), or when
    // events were lost and anything may have changed.
    bool TakeChanges();

private:
    std::string folder_;
    std::string prefix_;
    int fd_ = -1;
};
