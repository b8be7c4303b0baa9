// Pictures that would make the decoder ask for more memory than any picture
// of the game needs are refused before decoding; the inputs the fuzzer
// found are kept in fuzz-findings and loaded here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "GraphicsFixture.h"
#include "engine/graphics/PictureHeader.h"

namespace {

using PictureFaultTest = GraphicsTest;

std::string Finding(const char* name) {
    return std::string(std::getenv("SOURCE_DIR")) + "/tests/engine/fuzz-findings/" + name;
}

void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x, bool big) {
    for (int i = 0; i < 4; ++i) v[at + size_t(i)] = uint8_t(big ? x >> (24 - 8 * i) : x >> (8 * i));
}

TEST_F(PictureFaultTest, AHeadThatClaimsAHugePictureIsRefusedBeforeDecoding) {
    // Found by the fuzzer: its head makes the BMP decoder ask for petabytes.
    Texture t;
    EXPECT_FALSE(t.Load(WString(Finding("bmp-petabyte-rows.bmp").c_str())));
    EXPECT_TRUE(t.Empty());

    // A real picture that says it is 30000 pixels wide and tall.
    const WString png = WritePicture("big.png", 2, 2, {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000});
    std::vector<uint8_t> bytes;
    {
        std::ifstream in(png.ToUtf8(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(bytes.size(), 24u);
    Put32(bytes, 16, 30000, true);
    Put32(bytes, 20, 30000, true);
    const std::string claimed = (folder_ / "claimed.png").string();
    std::ofstream(claimed, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    EXPECT_FALSE(PictureSizeAcceptable(claimed));
    EXPECT_FALSE(t.Load(WString(claimed.c_str())));
}

TEST_F(PictureFaultTest, APngCutShortIsRefusedBeforeTheDecoderReadsPastItsEnd) {
    // Found by the fuzzer: cut inside a chunk, it kept the decoder reading
    // the same bytes for ever (its four first bytes are the fuzzer's own).
    std::vector<uint8_t> found;
    {
        std::ifstream in(Finding("png-cut-in-trns.png"), std::ios::binary);
        found.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(found.size(), 4u);
    const std::string cut = (folder_ / "cut-in-trns.png").string();
    std::ofstream(cut, std::ios::binary).write(reinterpret_cast<const char*>(found.data() + 4), long(found.size() - 4));
    Texture t;
    EXPECT_FALSE(t.Load(WString(cut.c_str())));

    // Every shorter cut of a whole picture is refused; the whole one loads.
    const WString png = WritePicture("whole.png", 3, 2, std::vector<uint32_t>(6, 0xFF405060));
    std::vector<uint8_t> bytes;
    {
        std::ifstream in(png.ToUtf8(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string part = (folder_ / "part.png").string();
    for (size_t length = 8; length < bytes.size(); ++length) {
        std::ofstream(part, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bytes.data()), long(length));
        EXPECT_FALSE(PictureSizeAcceptable(part)) << length << " of " << bytes.size() << " bytes";
    }
    EXPECT_TRUE(PictureSizeAcceptable(png.ToUtf8()));
    Texture whole;
    EXPECT_TRUE(whole.Load(png));
}

TEST_F(PictureFaultTest, PicturesOfEveryOrdinarySizeAndDirectionStillLoad) {
    const WString bmp = WritePicture("wide.bmp", 640, 2, std::vector<uint32_t>(1280, 0xFF102030));
    EXPECT_TRUE(PictureSizeAcceptable(bmp.ToUtf8()));
    Texture wide;
    EXPECT_TRUE(wide.Load(bmp));

    // Rows stored top-down carry a negative height.
    std::vector<uint8_t> bytes;
    {
        std::ifstream in(bmp.ToUtf8(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    Put32(bytes, 22, uint32_t(-2), false);
    const std::string downward = (folder_ / "downward.bmp").string();
    std::ofstream(downward, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    EXPECT_TRUE(PictureSizeAcceptable(downward));
    Texture down;
    EXPECT_TRUE(down.Load(WString(downward.c_str())));
    EXPECT_EQ(down.ImageSize(), (Size{640, 2}));

    // A head cut short is a broken picture; a missing file is the
    // decoder's to report.
    std::ofstream((folder_ / "cut.bmp").string(), std::ios::binary) << "BM\x10\0";
    EXPECT_FALSE(PictureSizeAcceptable((folder_ / "cut.bmp").string()));
    EXPECT_TRUE(PictureSizeAcceptable((folder_ / "none.bmp").string()));
}

}  // namespace
