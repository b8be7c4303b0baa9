#pragma once
// An output that keeps every message with its time, for tests and tools.
#include <mutex>
#include <vector>

#include "sxplay/core/Output.h"

namespace sx {

struct Recorded {
    enum Kind { kShort, kLong, kReset } kind;
    uint32_t message;
    std::vector<uint8_t> data;
    double timeMs;
};

class RecordingOutput : public Output {
public:
    void ShortMessage(uint32_t message, double timeMs) override;
    bool LongMessage(const uint8_t* data, size_t size, double timeMs) override;
    void Reset(double timeMs) override;

    std::vector<Recorded> Take();  // returns and forgets what was recorded
    std::vector<Recorded> Copy() const;
    void FailLongMessages(bool fail) { failLong_ = fail; }

private:
    mutable std::mutex mutex_;
    std::vector<Recorded> records_;
    bool failLong_ = false;
};

}  // namespace sx
