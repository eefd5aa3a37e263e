#pragma once
// At most one profile switch in flight for a device; requests made meanwhile collapse into
// the last one, which runs when the switch in flight is done. A storm of focus changes
// thus ends on the profile of the last change after at most two switches per quiet spell.
class CSwitchCoalescer {
public:
    // The profile the device has, without a switch (at start or after a switch made by hand).
    void SetApplied(int index) { applied_ = index; }
    int Applied() const { return applied_; }
    bool InFlight() const { return inFlight_; }
    // True when a switch to index is to be started now; false when it is not needed or is
    // left pending until the one in flight is done.
    bool Request(int index);
    // The switch in flight is done: the profile to switch to next, or -1 when nothing waits.
    int Done();

private:
    int applied_ = -1;
    int running_ = -1;
    int pending_ = -1;
    bool inFlight_ = false;
};
