#pragma once

#include "cueing/Cues.h"

#include <vector>

// One moment of what the rider perceives, per channel, in the vehicle and on the platform (the
// vestibular models' outputs: m/s² for surge, sway and heave, rad/s for roll, pitch and yaw).
struct PerceivedSample {
    double seconds = 0.0; // time of the judged record, from the first record the scorer took
    cueing::Cue vehicle{}, platform{};
};

// The last moments of the perceived signals, oldest first, in a ring of fixed capacity made once:
// push() never allocates. A sample older than the newest one means the scores started over, so
// it starts the history over too.
class PerceivedHistory {
public:
    explicit PerceivedHistory(int capacity);

    void push(const PerceivedSample& sample);
    void clear();

    int size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // 0 is the oldest sample kept, size() - 1 the newest.
    const PerceivedSample& at(int index) const;
    const PerceivedSample& newest() const { return at(m_count - 1); }

private:
    std::vector<PerceivedSample> m_ring;
    int m_first = 0, m_count = 0;
};
