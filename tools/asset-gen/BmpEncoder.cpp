#include "tools/asset-gen/BmpEncoder.h"

#include "tools/asset-gen/ByteWriter.h"

namespace assetgen {

namespace {

uint8_t Channel(float v) { return uint8_t(Clamp01(v) * 255.0f + 0.5f); }

void FileHeader(ByteWriter& out, uint32_t fileSize, uint32_t dataOffset) {
    out.Text("BM");
    out.U32(fileSize);
    out.U32(0);
    out.U32(dataOffset);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& picture) {
    const int w = picture.Width(), h = picture.Height();
    const uint32_t stride = (uint32_t(w) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(h);
    ByteWriter out;
    FileHeader(out, 54 + dataSize, 54);
    out.U32(40);  // BITMAPINFOHEADER
    out.U32(uint32_t(w));
    out.U32(uint32_t(h));
    out.U16(1);
    out.U16(24);
    out.U32(0);  // BI_RGB
    out.U32(dataSize);
    out.U32(2835);  // 72 dpi
    out.U32(2835);
    out.U32(0);
    out.U32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgba& p = picture.At(x, y);
            out.U8(Channel(p.b * p.a));
            out.U8(Channel(p.g * p.a));
            out.U8(Channel(p.r * p.a));
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < stride; ++pad) out.U8(0);
    }
    return out.Take();
}

std::vector<uint8_t> EncodeBmp32(const Canvas& picture) {
    const int w = picture.Width(), h = picture.Height();
    const uint32_t headerSize = 108;  // BITMAPV4HEADER
    const uint32_t dataOffset = 14 + headerSize;
    const uint32_t dataSize = uint32_t(w) * uint32_t(h) * 4;
    ByteWriter out;
    FileHeader(out, dataOffset + dataSize, dataOffset);
    out.U32(headerSize);
    out.U32(uint32_t(w));
    out.U32(uint32_t(h));
    out.U16(1);
    out.U16(32);
    out.U32(3);  // BI_BITFIELDS
    out.U32(dataSize);
    out.U32(2835);
    out.U32(2835);
    out.U32(0);
    out.U32(0);
    out.U32(0x00FF0000);  // red mask
    out.U32(0x0000FF00);
    out.U32(0x000000FF);
    out.U32(0xFF000000);  // alpha mask
    out.Text("BGRs");     // LCS_sRGB, stored little-endian
    for (int i = 0; i < 9; ++i) out.U32(0);  // end points
    for (int i = 0; i < 3; ++i) out.U32(0);  // gamma
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgba& p = picture.At(x, y);
            const uint8_t a = Channel(p.a);
            if (a == 0) {
                out.U32(0);
                continue;
            }
            out.U8(Channel(p.b));
            out.U8(Channel(p.g));
            out.U8(Channel(p.r));
            out.U8(a);
        }
    }
    return out.Take();
}

}  // namespace assetgen
