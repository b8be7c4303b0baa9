#include "sxplay/core/RecordingOutput.h"

#include <utility>

namespace sx {

void RecordingOutput::ShortMessage(uint32_t message, double timeMs) {
    std::lock_guard lock(mutex_);
    records_.push_back({Recorded::kShort, message, {}, timeMs});
}

bool RecordingOutput::LongMessage(const uint8_t* data, size_t size, double timeMs) {
    std::lock_guard lock(mutex_);
    if (failLong_) return false;
    records_.push_back({Recorded::kLong, 0, std::vector<uint8_t>(data, data + size), timeMs});
    return true;
}

void RecordingOutput::Reset(double timeMs) {
    std::lock_guard lock(mutex_);
    records_.push_back({Recorded::kReset, 0, {}, timeMs});
}

std::vector<Recorded> RecordingOutput::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(records_, {});
}

std::vector<Recorded> RecordingOutput::Copy() const {
    std::lock_guard lock(mutex_);
    return records_;
}

}  // namespace sx
