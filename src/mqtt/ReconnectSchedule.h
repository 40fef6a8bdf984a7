#pragma once
// How long to wait before the next try to reach the broker: doubling from 1 s up to 30 s, so
// that a broker that is down is not hammered and one that is back is found soon.

class ReconnectSchedule {
public:
    static constexpr int kFirstMs = 1000;
    static constexpr int kLongestMs = 30000;

    // The wait before the next try; each call doubles the one after.
    int NextDelayMs();
    // A link made: the next failure starts from the shortest wait again.
    void Reset() { nextMs_ = kFirstMs; }

private:
    int nextMs_ = kFirstMs;
};
