#pragma once
// Messages waiting for their sample frame, and the rendering that applies
// each one exactly there.
#include <cstdint>
#include <deque>
#include <vector>

#include "sxplay/core/Synth.h"

namespace sx {

struct TimedMessage {
    enum Kind { kShort, kLong, kReset } kind;
    uint64_t frame;
    uint32_t message;
    std::vector<uint8_t> data;
};

class TimedMessages {
public:
    // Keeps messages in the order they were sent even if a later one asks
    // for an earlier frame.
    void Push(TimedMessage message);
    // Moves every message due before `end` to `out`.
    void TakeDue(uint64_t end, std::vector<TimedMessage>& out);
    void Clear() { queue_.clear(); }

private:
    std::deque<TimedMessage> queue_;
    uint64_t last_ = 0;
};

// Renders frames [start, start + frames) applying `due` at their frames.
void RenderBlock(Synth& synth, float* stereo, int frames, uint64_t start,
                 const std::vector<TimedMessage>& due);

}  // namespace sx
