#include "engine/sound/WavFile.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

struct Chunk {
    size_t data;   // offset of the chunk's data
    size_t size;   // as declared
};

// Finds the chunk with this id among the chunks from `from` to `end`; chunks
// are padded to even sizes.
bool Descend(const uint8_t* bytes, size_t from, size_t end, const char* id, Chunk& out) {
    size_t at = from;
    while (end >= 8 && at <= end - 8) {
        const uint32_t size = Le32(bytes + at + 4);
        if (std::memcmp(bytes + at, id, 4) == 0) {
            out = {at + 8, size};
            return true;
        }
        const size_t next = at + 8 + size + (size & 1);
        if (next <= at) return false;
        at = next;
    }
    return false;
}

}  // namespace

bool ParseWav(const uint8_t* bytes, size_t size, WavSound& out) {
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return false;
    // The form may claim more than the file holds; the file's end bounds it.
    const size_t end = std::min<size_t>(size, size_t(8) + Le32(bytes + 4));
    Chunk fmt{};
    if (!Descend(bytes, 12, end, "fmt ", fmt) || fmt.size < 16 || fmt.data + fmt.size > end)
        return false;
    const uint8_t* f = bytes + fmt.data;
    WaveFormat& w = out.format;
    w.formatTag = Le16(f);
    w.channels = Le16(f + 2);
    w.samplesPerSec = Le32(f + 4);
    w.avgBytesPerSec = Le32(f + 8);
    w.blockAlign = Le16(f + 12);
    w.bitsPerSample = Le16(f + 14);
    w.extraSize = 0;
    w.extra.clear();
    if (w.formatTag != 1) {
        if (fmt.size < 18) return false;
        w.extraSize = Le16(f + 16);
        if (fmt.size < 18u + w.extraSize) return false;
        w.extra.assign(f + 18, f + 18 + w.extraSize);
    }
    // The data chunk is looked for again from just after the form type.
    Chunk data{};
    if (!Descend(bytes, 12, end, "data", data)) return false;
    // A data chunk cut short by the end of the file keeps what is there.
    const size_t available = std::min(data.size, end - data.data);
    out.data.assign(bytes + data.data, bytes + data.data + available);
    return true;
}

bool ReadWavFile(const std::string& nativePath, WavSound& out) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(nativePath.c_str(), "rb"), std::fclose);
    if (!file) return false;
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > (size_t(1) << 30)) return false;  // not a sound effect
    }
    return ParseWav(bytes.data(), bytes.size(), out);
}
