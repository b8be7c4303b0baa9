#include "sxplay/core/Song.h"

#include <new>
#include <queue>
#include <stdexcept>

#include "sxplay/core/Errors.h"
#include "sxplay/core/Text.h"

namespace sx {

namespace {

uint32_t Big16(const uint8_t* p) { return (uint32_t(p[0]) << 8) | p[1]; }
uint32_t Big32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

bool ReadVarLength(const uint8_t* p, size_t end, size_t& i, uint32_t& value) {
    value = 0;
    for (int n = 0; n < 4; ++n) {
        if (i >= end) return false;
        const uint8_t b = p[i++];
        value = (value << 7) | (b & 0x7F);
        if ((b & 0x80) == 0) return true;
    }
    return false;
}

struct TrackEvent {
    uint64_t time;
    Event event;
};

struct Timing {
    uint32_t division;
    bool timeCode;
    double tickMs;  // time-code: fixed length of a tick
};

// One pass over a track. Without `out` it only checks the syntax (the first
// pass); with it, it also checks meta lengths and builds the events.
int32_t ScanTrack(const uint8_t* p, size_t size, const Timing& timing, Song& song,
                  std::vector<TrackEvent>* out, size_t* count) {
    size_t i = 0;
    size_t events = 0;
    uint64_t time = 0;
    uint8_t running = 0;
    while (i < size) {
        uint32_t delta;
        if (!ReadVarLength(p, size, i, delta)) return kBadFormat;
        time += delta;
        if (i >= size) return kBadFormat;
        uint8_t status = p[i];
        if (status < 0x80) {
            if (running == 0) return kBadFormat;  // running status needs a channel status
            status = running;
        } else {
            ++i;
        }
        Event event;
        if (status == 0xFF || status == 0xF0) {
            running = 0;
            uint8_t type = 0;
            if (status == 0xFF) {
                if (i >= size) return kBadFormat;
                type = p[i++];
            }
            uint32_t length;
            if (!ReadVarLength(p, size, i, length)) return kBadFormat;
            if (length > size - i) return kBadFormat;
            const uint8_t* data = p + i;
            i += length;
            if (out == nullptr) {
                ++events;
                continue;
            }
            if (status == 0xF0) {
                event.word = kSysEx;
                event.block = static_cast<uint32_t>(song.sysex.size());
                std::vector<uint8_t> block(length + 1);
                block[0] = 0xF0;
                std::copy(data, data + length, block.begin() + 1);
                song.sysex.push_back(std::move(block));
            } else if (type == 0x2F) {
                if (length != 0) return kBadFormat;
                event.word = kEndOfTrack;
            } else if (type == 0x51) {
                if (length != 3) return kBadFormat;
                event.word = kTempo;
                const uint32_t micros = (uint32_t(data[0]) << 16) | (uint32_t(data[1]) << 8) | data[2];
                event.tempo = timing.timeCode
                                  ? static_cast<float>(timing.tickMs)
                                  : static_cast<float>(double(micros) / timing.division * 0.001);
            } else if (type >= 1 && type <= 7 && length > 0) {
                event.word = uint32_t(type) << 24;
                event.block = static_cast<uint32_t>(song.texts.size());
                TextBlock text;
                text.narrow.assign(reinterpret_cast<const char*>(data), length);
                text.wide = Utf8ToUtf16(text.narrow);
                text.narrow = Utf16ToUtf8(text.wide);  // what callers get is valid UTF-8
                song.texts.push_back(std::move(text));
            } else {
                event.word = kIgnoredMeta;
            }
        } else if (status >= 0xF1) {
            return kUnsupported;  // F7 escapes and system messages
        } else {
            running = status;
            const uint32_t kind = status & 0xF0;
            const size_t need = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (size - i < need) return kBadFormat;
            const uint32_t data1 = p[i];
            const uint32_t data2 = need == 2 ? p[i + 1] : 0;
            i += need;
            event.word = status | (data1 << 8) | (data2 << 16);
        }
        ++events;
        if (out != nullptr) out->push_back({time, event});
    }
    if (count != nullptr) *count = events;
    return kOk;
}

struct ChannelRecord {
    std::array<uint8_t, 16> volume{}, program{}, pan{}, expression{};
};

void Merge(std::vector<std::vector<TrackEvent>>& tracks, Song& song) {
    // Steps in time order; within a step, tracks in file order, each track's
    // events in its own order.
    using Head = std::pair<uint64_t, size_t>;  // (time of next event, track)
    std::priority_queue<Head, std::vector<Head>, std::greater<Head>> heads;
    std::vector<size_t> cursor(tracks.size(), 0);
    for (size_t t = 0; t < tracks.size(); ++t) {
        if (!tracks[t].empty()) heads.push({tracks[t][0].time, t});
    }
    size_t total = 0;
    for (const auto& track : tracks) total += track.size();
    song.events.reserve(total);

    double tempo = song.initialTempo;
    ChannelRecord record, snapshot;
    bool marker = false;
    uint64_t lastTime = 0;
    while (!heads.empty()) {
        const uint64_t time = heads.top().first;
        const uint32_t step = static_cast<uint32_t>(song.stepDelay.size());
        const uint32_t first = static_cast<uint32_t>(song.events.size());
        song.stepDelay.push_back(static_cast<double>(time - lastTime));
        song.stepFirst.push_back(first);
        lastTime = time;
        while (!heads.empty() && heads.top().first == time) {
            const size_t t = heads.top().second;
            heads.pop();
            std::vector<TrackEvent>& track = tracks[t];
            size_t& c = cursor[t];
            while (c < track.size() && track[c].time == time) {
                const Event& e = track[c++].event;
                song.events.push_back(e);
                if (e.word == kTempo) {
                    tempo = e.tempo;
                } else if (e.word < kChannelLimit) {
                    const uint32_t kind = e.word & 0xF0, ch = e.word & 0x0F;
                    const uint8_t d1 = (e.word >> 8) & 0xFF, d2 = (e.word >> 16) & 0xFF;
                    if (kind == 0xC0) record.program[ch] = d1;
                    if (kind == 0xB0) {
                        if (d1 == 7) record.volume[ch] = d2;
                        if (d1 == 10) record.pan[ch] = d2;
                        if (d1 == 11) record.expression[ch] = d2;
                        if (d1 == 111) {
                            marker = true;
                            song.loopStep = step;
                            song.loopEvent = first;
                            song.loopTempo = tempo;
                            snapshot = record;
                        }
                    }
                }
            }
            if (c < track.size()) heads.push({track[c].time, t});
        }
        song.stepSize.push_back(static_cast<uint32_t>(song.events.size()) - first);
    }
    // Without a marker the song loops to its start at the tempo it starts with.
    if (!marker) song.loopTempo = song.initialTempo;
    if (song.loopStep == 0) return;
    for (uint32_t ch = 0; ch < 16; ++ch) {
        if (record.volume[ch] != snapshot.volume[ch])
            song.restore.push_back(0xB0 | ch | (7u << 8) | (uint32_t(snapshot.volume[ch]) << 16));
        if (record.program[ch] != snapshot.program[ch])
            song.restore.push_back(0xC0 | ch | (uint32_t(snapshot.program[ch]) << 8));
        if (record.pan[ch] != snapshot.pan[ch])
            song.restore.push_back(0xB0 | ch | (10u << 8) | (uint32_t(snapshot.pan[ch]) << 16));
        if (record.expression[ch] != snapshot.expression[ch])
            song.restore.push_back(0xB0 | ch | (11u << 8) |
                                   (uint32_t(snapshot.expression[ch]) << 16));
    }
}

int32_t Parse(const uint8_t* data, size_t size, Song& song) {
    if (data == nullptr || size < 14) return kBadFormat;
    if (data[0] != 'M' || data[1] != 'T' || data[2] != 'h' || data[3] != 'd') return kBadFormat;
    if (Big32(data + 4) != 6) return kBadFormat;
    const uint32_t format = Big16(data + 8);
    const uint32_t trackCount = Big16(data + 10);
    const uint32_t division = Big16(data + 12);
    if (division == 0) return kBadFormat;
    if (format == 0) {
        if (trackCount != 1) return kBadFormat;
    } else if (format != 1) {
        return kUnsupported;
    }
    Timing timing{division, false, 0};
    if (division & 0x8000) {
        // Time-code division: frames per second (negative) and ticks per frame.
        const int fps = -static_cast<int8_t>(division >> 8);
        const uint32_t ticksPerFrame = division & 0xFF;
        if (ticksPerFrame == 0 || fps <= 0) return kBadFormat;
        const double frames = fps == 29 ? 30000.0 / 1001.0 : fps;
        timing.timeCode = true;
        timing.tickMs = 1000.0 / (frames * ticksPerFrame);
        song.timeCode = true;
        song.initialTempo = static_cast<float>(timing.tickMs);
    } else {
        // Until a tempo event the file plays at 120 beats per minute.
        song.initialTempo = static_cast<float>(500000.0 / division * 0.001);
    }

    std::vector<std::vector<TrackEvent>> tracks(trackCount);
    size_t at = 14;
    for (uint32_t t = 0; t < trackCount; ++t) {
        if (size - at < 8) return kBadFormat;
        const uint8_t* chunk = data + at;
        if (chunk[0] != 'M' || chunk[1] != 'T' || chunk[2] != 'r' || chunk[3] != 'k')
            return kBadFormat;
        const uint32_t length = Big32(chunk + 4);
        if (length > size - at - 8) return kBadFormat;
        size_t count = 0;
        int32_t result = ScanTrack(chunk + 8, length, timing, song, nullptr, &count);
        if (result == kOk) {
            tracks[t].reserve(count);
            result = ScanTrack(chunk + 8, length, timing, song, &tracks[t], nullptr);
        }
        if (result != kOk) return result;
        at += 8 + length;
    }
    Merge(tracks, song);
    return kOk;
}

}  // namespace

int32_t ParseSong(const uint8_t* data, size_t size, Song& song) {
    song = Song();
    int32_t result;
    try {
        result = Parse(data, size, song);
    } catch (const std::bad_alloc&) {
        result = kNoMemory;
    } catch (const std::length_error&) {
        result = kNoMemory;
    }
    if (result != kOk) song = Song();
    return result;
}

}  // namespace sx
