#include "sxplay/core/TimedMessages.h"

#include <algorithm>

namespace sx {

void TimedMessages::Push(TimedMessage message) {
    message.frame = std::max(message.frame, last_);
    last_ = message.frame;
    queue_.push_back(std::move(message));
}

void TimedMessages::TakeDue(uint64_t end, std::vector<TimedMessage>& out) {
    while (!queue_.empty() && queue_.front().frame < end) {
        out.push_back(std::move(queue_.front()));
        queue_.pop_front();
    }
}

void RenderBlock(Synth& synth, float* stereo, int frames, uint64_t start,
                 const std::vector<TimedMessage>& due) {
    int done = 0;
    for (const TimedMessage& m : due) {
        const int at = static_cast<int>(
            std::clamp<int64_t>(static_cast<int64_t>(m.frame - std::min(m.frame, start)), done, frames));
        if (at > done) {
            synth.Render(stereo + 2 * done, at - done);
            done = at;
        }
        switch (m.kind) {
            case TimedMessage::kShort: synth.ShortMessage(m.message); break;
            case TimedMessage::kLong: synth.SysEx(m.data.data(), m.data.size()); break;
            case TimedMessage::kReset: synth.Reset(); break;
        }
    }
    if (frames > done) synth.Render(stereo + 2 * done, frames - done);
}

}  // namespace sx
