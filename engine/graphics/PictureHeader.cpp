#include "engine/graphics/PictureHeader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

int64_t Le32(const uint8_t* p) {
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}
int64_t Be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

bool SideAcceptable(int64_t side) { return side > 0 && side <= kLargestPictureSide; }

// Walks a PNG's chunks from the end of its signature: true when they lie
// whole inside the file up to the closing IEND. The system's decoder reads
// on past the end of a file cut short and never comes back.
bool PngChunksWhole(FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(file);
    long at = 8;
    while (at + 12 <= size) {
        uint8_t chunk[8];
        if (std::fseek(file, at, SEEK_SET) != 0 || std::fread(chunk, 1, 8, file) != 8) return false;
        const int64_t length = Be32(chunk);
        if (length > 0x7FFFFFFF) return false;
        at += 12 + static_cast<long>(length);
        if (at > size) return false;
        if (std::memcmp(chunk + 4, "IEND", 4) == 0) return true;
    }
    return false;
}

}  // namespace

bool PictureSizeAcceptable(const std::string& nativePath) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(nativePath.c_str(), "rb"), std::fclose);
    if (!file) return true;  // the decoder says it is missing
    uint8_t head[26] = {};
    const size_t got = std::fread(head, 1, sizeof head, file.get());
    if (got >= 2 && std::memcmp(head, "BM", 2) == 0) {
        if (got < 26) return false;
        const int64_t headerSize = Le32(head + 14);
        if (headerSize == 12) {  // the old OS/2 head: 16-bit sides
            return SideAcceptable(head[18] | head[19] << 8) && SideAcceptable(head[20] | head[21] << 8);
        }
        // Rows may run upwards: the height's sign only says which way.
        return SideAcceptable(Le32(head + 18)) && SideAcceptable(std::llabs(Le32(head + 22)));
    }
    static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (got >= 8 && std::memcmp(head, kPng, 8) == 0) {
        if (got < 24) return false;
        return SideAcceptable(Be32(head + 16)) && SideAcceptable(Be32(head + 20)) &&
               PngChunksWhole(file.get());
    }
    return true;
}
