#pragma once
// Devices 0 and up: the ALSA sequencer ports that accept events (hardware
// synthesisers, MIDI interfaces, software synthesisers running as clients).
// Messages go out at once; these ports keep their own time.
#include <alsa/asoundlib.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sxplay/core/Output.h"

namespace sx {

struct SeqPort {
    int client;
    int port;
    std::string name;
};

// Ports in client order, as `aconnect -o` lists them; empty without a
// sequencer (no /dev/snd/seq).
std::vector<SeqPort> ListSeqPorts();

class SeqOutput : public Output {
public:
    static std::unique_ptr<SeqOutput> Open(int32_t index);
    ~SeqOutput() override;

    void ShortMessage(uint32_t message, double timeMs) override;
    bool LongMessage(const uint8_t* data, size_t size, double timeMs) override;
    void Reset(double timeMs) override;

private:
    SeqOutput() = default;
    bool Send(const uint8_t* bytes, size_t size);

    std::mutex mutex_;
    snd_seq_t* seq_ = nullptr;
    snd_midi_event_t* encoder_ = nullptr;
    int port_ = -1;
};

void SilenceAlsa();

}  // namespace sx
