#include "sxplay/core/SeqOutput.h"

namespace sx {

namespace {

void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

struct SeqCloser {
    void operator()(snd_seq_t* seq) const { snd_seq_close(seq); }
};

snd_seq_t* OpenSequencer() {
    SilenceAlsa();
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) return nullptr;
    return seq;
}

std::vector<SeqPort> ListPorts(snd_seq_t* seq) {
    std::vector<SeqPort> ports;
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(client, -1);
    const int self = snd_seq_client_id(seq);
    while (snd_seq_query_next_client(seq, client) >= 0) {
        const int id = snd_seq_client_info_get_client(client);
        if (id == SND_SEQ_CLIENT_SYSTEM || id == self) continue;
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(seq, port) >= 0) {
            const unsigned caps = snd_seq_port_info_get_capability(port);
            const unsigned want = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
            if ((caps & want) != want || (caps & SND_SEQ_PORT_CAP_NO_EXPORT) != 0) continue;
            ports.push_back({id, snd_seq_port_info_get_port(port),
                             snd_seq_port_info_get_name(port)});
        }
    }
    return ports;
}

}  // namespace

void SilenceAlsa() { snd_lib_error_set_handler(QuietAlsa); }

std::vector<SeqPort> ListSeqPorts() {
    std::unique_ptr<snd_seq_t, SeqCloser> seq(OpenSequencer());
    if (!seq) return {};
    return ListPorts(seq.get());
}

std::unique_ptr<SeqOutput> SeqOutput::Open(int32_t index) {
    std::unique_ptr<SeqOutput> output(new SeqOutput());
    output->seq_ = OpenSequencer();
    if (output->seq_ == nullptr) return nullptr;
    const std::vector<SeqPort> ports = ListPorts(output->seq_);
    if (index < 0 || static_cast<size_t>(index) >= ports.size()) return nullptr;
    snd_seq_set_client_name(output->seq_, "sxplay");
    output->port_ = snd_seq_create_simple_port(output->seq_, "sxplay out",
                                               SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                               SND_SEQ_PORT_TYPE_MIDI_GENERIC |
                                                   SND_SEQ_PORT_TYPE_APPLICATION);
    if (output->port_ < 0) return nullptr;
    const SeqPort& target = ports[static_cast<size_t>(index)];
    if (snd_seq_connect_to(output->seq_, output->port_, target.client, target.port) < 0)
        return nullptr;
    if (snd_midi_event_new(4096, &output->encoder_) < 0) return nullptr;
    snd_midi_event_no_status(output->encoder_, 1);
    return output;
}

SeqOutput::~SeqOutput() {
    if (encoder_ != nullptr) snd_midi_event_free(encoder_);
    if (seq_ != nullptr) snd_seq_close(seq_);
}

bool SeqOutput::Send(const uint8_t* bytes, size_t size) {
    snd_midi_event_reset_encode(encoder_);
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    const long used = snd_midi_event_encode(encoder_, bytes, static_cast<long>(size), &event);
    if (used <= 0 || event.type == SND_SEQ_EVENT_NONE) return false;
    snd_seq_ev_set_source(&event, port_);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    return snd_seq_event_output_direct(seq_, &event) >= 0;
}

void SeqOutput::ShortMessage(uint32_t message, double) {
    const uint8_t kind = message & 0xF0;
    const uint8_t bytes[3] = {static_cast<uint8_t>(message), static_cast<uint8_t>(message >> 8),
                              static_cast<uint8_t>(message >> 16)};
    std::lock_guard lock(mutex_);
    Send(bytes, kind == 0xC0 || kind == 0xD0 ? 2 : 3);
}

bool SeqOutput::LongMessage(const uint8_t* data, size_t size, double) {
    std::lock_guard lock(mutex_);
    return Send(data, size);
}

void SeqOutput::Reset(double) {
    std::lock_guard lock(mutex_);
    for (uint8_t ch = 0; ch < 16; ++ch) {
        const uint8_t sustainOff[3] = {static_cast<uint8_t>(0xB0 | ch), 64, 0};
        const uint8_t notesOff[3] = {static_cast<uint8_t>(0xB0 | ch), 123, 0};
        Send(sustainOff, 3);
        Send(notesOff, 3);
    }
}

}  // namespace sx
