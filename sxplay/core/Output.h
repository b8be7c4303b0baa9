#pragma once
// Where the sequencer's messages go. Times are milliseconds on the player's
// clock at which a message should sound; a backend that can place events
// inside its audio stream uses them, others send at once.
#include <cstddef>
#include <cstdint>

namespace sx {

class Output {
public:
    virtual ~Output() = default;
    virtual void ShortMessage(uint32_t message, double timeMs) = 0;
    // A system-exclusive buffer, F0 first. False if it could not be sent.
    virtual bool LongMessage(const uint8_t* data, size_t size, double timeMs) = 0;
    // Silences the device: every note off, sustain released.
    virtual void Reset(double timeMs) = 0;
};

}  // namespace sx
