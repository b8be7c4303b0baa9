#include "tools/asset-gen/MidiEncoder.h"

#include <algorithm>
#include <cmath>

#include "tools/asset-gen/ByteWriter.h"

namespace assetgen {

namespace {

void VarLength(ByteWriter& out, uint32_t v) {
    uint8_t buffer[5];
    int n = 0;
    buffer[n++] = uint8_t(v & 0x7F);
    while ((v >>= 7) != 0) buffer[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n > 0) out.U8(buffer[--n]);
}

uint8_t Data(int v) { return uint8_t(std::clamp(v, 0, 127)); }

}  // namespace

MidiTrack::MidiTrack(std::string name) {
    if (!name.empty()) Text(0, 3, name);
}

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
    events_.push_back({tick, order, uint32_t(events_.size()), std::move(bytes)});
}

void MidiTrack::Tempo(uint32_t tick, double bpm) {
    const uint32_t us = uint32_t(std::lround(60000000.0 / bpm));
    Add(tick, 0, {0xFF, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
}

void MidiTrack::TimeSignature(uint32_t tick, int beats, int beatUnit) {
    uint8_t power = 0;
    while ((1 << power) < beatUnit) ++power;
    Add(tick, 0, {0xFF, 0x58, 0x04, uint8_t(beats), power, 24, 8});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
    Add(tick, 0, {uint8_t(0xC0 | channel), Data(program)});
}

void MidiTrack::Control(uint32_t tick, int channel, int control, int value) {
    Add(tick, 0, {uint8_t(0xB0 | channel), Data(control), Data(value)});
}

void MidiTrack::Note(uint32_t tick, int channel, int key, int velocity, uint32_t length) {
    if (key < 0 || key > 127 || length == 0) return;
    const int slot = channel * 128 + key;
    if (auto it = lastNote_.find(slot); it != lastNote_.end()) {
        Event& off = events_[it->second.second];
        if (it->second.first < tick && off.tick > tick) off.tick = tick;
        if (it->second.first == tick) return;  // the same key struck twice at once
    }
    Add(tick, 2, {uint8_t(0x90 | channel), Data(key), Data(std::max(velocity, 1))});
    Add(tick + length, 1, {uint8_t(0x80 | channel), Data(key), 64});
    lastNote_[slot] = {tick, events_.size() - 1};
    ++notes_;
}

void MidiTrack::Text(uint32_t tick, int type, const std::string& text) {
    std::vector<uint8_t> bytes = {0xFF, uint8_t(type)};
    ByteWriter length;
    VarLength(length, uint32_t(text.size()));
    const std::vector<uint8_t> l = length.Take();
    bytes.insert(bytes.end(), l.begin(), l.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    Add(tick, 0, std::move(bytes));
}

std::vector<uint8_t> MidiTrack::Encode() const {
    std::vector<Event> clipped;
    clipped.reserve(events_.size());
    // Notes are added as on/off pairs, so a dropped note-on drops its off.
    for (size_t i = 0; i < events_.size(); ++i) {
        Event e = events_[i];
        if (end_ > 0 && e.order == 2 && e.tick >= end_) {
            ++i;  // its note-off follows it
            continue;
        }
        if (end_ > 0 && e.tick > end_) e.tick = end_;
        clipped.push_back(std::move(e));
    }
    std::vector<const Event*> sorted;
    sorted.reserve(clipped.size());
    for (const Event& e : clipped) sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->order != b->order) return a->order < b->order;
        return a->sequence < b->sequence;
    });
    ByteWriter body;
    uint32_t now = 0;
    for (const Event* e : sorted) {
        VarLength(body, e->tick - now);
        now = e->tick;
        body.Bytes(e->bytes);
    }
    VarLength(body, std::max(end_, now) - now);
    body.U8(0xFF);
    body.U8(0x2F);
    body.U8(0x00);
    const std::vector<uint8_t> data = body.Take();
    ByteWriter out;
    out.Text("MTrk");
    out.U32Big(uint32_t(data.size()));
    out.Bytes(data);
    return out.Take();
}

std::vector<uint8_t> EncodeMidi(uint16_t division, const std::vector<MidiTrack>& tracks) {
    ByteWriter out;
    out.Text("MThd");
    out.U32Big(6);
    out.U16Big(1);
    out.U16Big(uint16_t(tracks.size()));
    out.U16Big(division);
    for (const MidiTrack& t : tracks) out.Bytes(t.Encode());
    return out.Take();
}

}  // namespace assetgen
