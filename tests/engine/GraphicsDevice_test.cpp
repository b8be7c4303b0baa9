#include "engine/graphics/GraphicsDevice.h"

#include <gtest/gtest.h>

#include "GraphicsFixture.h"
#include "engine/graphics/HsvShift.h"
#include "engine/graphics/Screenshot.h"
#include "platform/NativePath.h"

namespace {

using DeviceTest = GraphicsTest;

void Fill(const Rect& r, Color c) {
    Texture solid;
    ASSERT_TRUE(solid.CreateSolid(c));
    Graphics().SetColor({255, 255, 255, 255});
    ASSERT_TRUE(Graphics().DrawRect(r, solid, 0));
}

TEST_F(DeviceTest, RendersOnTheOpenGlRendererWithExactBlending) {
    SDL_RendererInfo info{};
    ASSERT_EQ(SDL_GetRendererInfo(Graphics().Renderer(), &info), 0);
    EXPECT_TRUE(std::string(info.name).starts_with("opengl")) << info.name;
    EXPECT_TRUE(Graphics().ExactBlending());
}

TEST_F(DeviceTest, OpaquePicturesDrawAloneAndStillBlendUnderAnAlphaColour) {
    Texture solid;
    ASSERT_TRUE(solid.CreateSolid({200, 100, 50, 255}));
    EXPECT_TRUE(solid.Opaque());
    Texture keyed;
    ASSERT_TRUE(keyed.CreateSolid({200, 100, 50, 255}));
    ASSERT_TRUE(keyed.ApplyColorKey());
    EXPECT_FALSE(keyed.Opaque());

    Graphics().Clear({0, 0, 200, 255});
    ASSERT_TRUE(Graphics().DrawRect({0, 0, 10, 10}, solid, 0));
    Graphics().SetColor({255, 255, 255, 128});
    ASSERT_TRUE(Graphics().DrawRect({10, 0, 20, 10}, solid, 0));
    Graphics().SetColor({255, 255, 255, 255});
    Capture();
    EXPECT_EQ(At(5, 5), (Color{200, 100, 50, 255}));
    const Color half = At(15, 5);
    EXPECT_NEAR(half.r, 100, 2);
    EXPECT_NEAR(half.b, 125, 2);
}

TEST_F(DeviceTest, CornerColoursModulateTheTexture) {
    Texture grey;
    ASSERT_TRUE(grey.CreateSolid({200, 200, 200, 255}));
    Graphics().Clear({0, 0, 0, 255});
    Graphics().SetCornerColors({Color{255, 0, 0, 255}, Color{0, 255, 0, 255}, Color{0, 0, 255, 255},
                                Color{255, 255, 255, 255}});
    ASSERT_TRUE(Graphics().DrawRect({100, 100, 300, 300}, grey, 0));
    Capture();
    EXPECT_TRUE(Near(At(100, 100), {200, 0, 0}, 4));
    EXPECT_TRUE(Near(At(299, 100), {0, 200, 0}, 4));
    EXPECT_TRUE(Near(At(299, 299), {0, 0, 200}, 4));
    EXPECT_TRUE(Near(At(100, 299), {200, 200, 200}, 4));
    // The two triangles share the top-left to bottom-right diagonal.
    EXPECT_TRUE(Near(At(200, 200), {100, 0, 100}, 3));
    EXPECT_TRUE(Near(At(99, 99), {0, 0, 0}, 0));
    EXPECT_TRUE(Near(At(300, 300), {0, 0, 0}, 0));
}

TEST_F(DeviceTest, EachBlendModeOverAKnownBackground) {
    Graphics().Clear({0, 0, 200, 255});
    Fill({0, 0, 10, 10}, {128, 0, 0, 128});  // mode 0 after BeginScene
    Graphics().SetBlendMode(kBlendPremultiplied);
    Fill({10, 0, 20, 10}, {128, 0, 0, 128});
    Graphics().SetBlendMode(7);  // not a mode: stays premultiplied
    Fill({20, 0, 30, 10}, {128, 0, 0, 128});
    Graphics().SetBlendMode(kBlendAdditive);
    Fill({30, 0, 40, 10}, {100, 50, 0, 128});
    Fill({30, 0, 40, 10}, {100, 50, 0, 128});  // adds up again
    Graphics().BeginScene();                   // back to normal
    Fill({40, 0, 50, 10}, {128, 0, 0, 128});
    Capture();
    EXPECT_TRUE(Near(At(5, 5), {64, 0, 100}));
    EXPECT_TRUE(Near(At(15, 5), {128, 0, 100}));
    EXPECT_TRUE(Near(At(25, 5), {128, 0, 100}));
    EXPECT_TRUE(Near(At(35, 5), {200, 100, 200}));
    EXPECT_TRUE(Near(At(45, 5), {64, 0, 100}));
}

TEST_F(DeviceTest, FlipFlagsMirrorAndRotate) {
    // 4 x 2 pixels, each its own colour.
    std::vector<uint32_t> pixels;
    for (uint32_t i = 0; i < 8; ++i) pixels.push_back(0xFF000000 | (i * 30) << 16 | (240 - i * 30));
    Texture picture;
    ASSERT_TRUE(picture.Load(WritePicture("flip.png", 4, 2, pixels)));
    Graphics().SetFlip(kFlipHorizontal | kFlipVertical);
    ASSERT_TRUE(Graphics().DrawCell({10, 10}, picture, 0));
    Graphics().SetFlip(kFlipHorizontal);
    ASSERT_TRUE(Graphics().DrawCell({20, 10}, picture, 0));
    Graphics().SetFlip(0);
    ASSERT_TRUE(Graphics().DrawCell({30, 10}, picture, 0));
    Capture();
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            const Color texel = Color::FromArgb(pixels[size_t(y) * 4 + x]);
            EXPECT_TRUE(Near(At(10 + 3 - x, 10 + 1 - y), texel, 0)) << x << "," << y;
            EXPECT_TRUE(Near(At(20 + 3 - x, 10 + y), texel, 0)) << x << "," << y;
            EXPECT_TRUE(Near(At(30 + x, 10 + y), texel, 0)) << x << "," << y;
        }
    }
}

TEST_F(DeviceTest, DrawCellShowsOneCellOfTheGrid) {
    // 100 x 60 cut 4 x 2: cells of 25 x 30, each filled with its own colour.
    std::vector<uint32_t> pixels(100 * 60);
    auto cellColor = [](int cell) {
        return 0xFF000000u | uint32_t(cell * 30) << 16 | 0x40u << 8 | uint32_t(200 - cell * 20);
    };
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x)
            pixels[size_t(y) * 100 + x] = cellColor((y / 30) * 4 + x / 25);
    }
    Texture sheet;
    ASSERT_TRUE(sheet.Load(WritePicture("sheet.bmp", 100, 60, pixels), {4, 2}));
    EXPECT_EQ(sheet.ImageSize(), (Size{100, 60}));
    Graphics().Clear({0, 0, 0, 255});
    ASSERT_TRUE(Graphics().DrawCell({300, 200}, sheet, 5));
    Capture();
    const Color five = Color::FromArgb(cellColor(5));
    for (Point p :
         {Point{300, 200}, Point{324, 200}, Point{300, 229}, Point{324, 229}, Point{312, 215}}) {
        EXPECT_TRUE(Near(At(p.x, p.y), five, 0)) << p.x << "," << p.y;
    }
    for (Point p : {Point{299, 200}, Point{325, 200}, Point{300, 199}, Point{300, 230}}) {
        EXPECT_TRUE(Near(At(p.x, p.y), {0, 0, 0}, 0)) << p.x << "," << p.y;
    }
}

TEST_F(DeviceTest, ColourKeyAndHueShiftShowInTheFrame) {
    const uint32_t key = 0xFFFF00FF, yellow = 0xFFFFFF00, red = 0xFFFF0000;
    std::vector<uint32_t> pixels(8 * 8, yellow);
    for (int i = 0; i < 8; ++i) pixels[size_t(i) * 8 + i] = key;  // the diagonal is keyed
    pixels[3] = red;
    Texture keyed;
    ASSERT_TRUE(keyed.Load(WritePicture("keyed.bmp", 8, 8, pixels)));
    ASSERT_TRUE(keyed.ApplyColorKey());
    Texture shifted;
    ASSERT_TRUE(shifted.CopyFrom(keyed));
    ASSERT_TRUE(shifted.ShiftHSV(120, 0, 0));

    Graphics().Clear({0, 0, 160, 255});
    ASSERT_TRUE(Graphics().DrawCell({0, 0}, keyed, 0));
    ASSERT_TRUE(Graphics().DrawCell({20, 0}, shifted, 0));
    Capture();
    EXPECT_TRUE(Near(At(5, 5), {0, 0, 160}, 0));
    EXPECT_TRUE(Near(At(6, 5), {255, 255, 0}, 0));
    EXPECT_TRUE(Near(At(3, 0), {255, 0, 0}, 0));
    // Keyed pixels are 0 and stay transparent through the shift.
    EXPECT_TRUE(Near(At(25, 5), {0, 0, 160}, 0));
    EXPECT_TRUE(Near(At(23, 0), {0, 255, 0}, 0));
    EXPECT_TRUE(Near(At(26, 5), Color::FromArgb(ShiftHsvPixel(yellow, 120, 0, 0)), 0));
}

TEST_F(DeviceTest, SavedFrameReadsBackAsPng) {
    Graphics().Clear({10, 20, 30, 255});
    Fill({0, 0, 5, 5}, {250, 128, 0, 255});
    const std::string path = (folder_ / "shots" / "frame.png").string();
    std::filesystem::create_directories(folder_ / "shots");
    ASSERT_TRUE(Graphics().SaveFrame(WString(path.c_str())));
    platform::SurfaceHandle loaded(IMG_Load(path.c_str()));
    ASSERT_TRUE(loaded);
    platform::SurfaceHandle argb(
        SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    ASSERT_EQ(argb->w, 640);
    ASSERT_EQ(argb->h, 480);
    const auto* p = static_cast<const uint32_t*>(argb->pixels);
    EXPECT_EQ(p[0], 0xFFFA8000u);
    EXPECT_EQ(p[size_t(479) * (argb->pitch / 4) + 639], 0xFF0A141Eu);
}

TEST_F(DeviceTest, ScreenshotsAreNamedByTimeAndNeverOverwritten) {
    std::tm t{};
    t.tm_year = 124, t.tm_mon = 0, t.tm_mday = 31, t.tm_hour = 23, t.tm_min = 59, t.tm_sec = 5;
    EXPECT_EQ(ScreenshotPath(t, 1).ToUtf8(), "screenshot\\20240131-235905.png");
    EXPECT_EQ(ScreenshotPath(t, 3).ToUtf8(), "screenshot\\20240131-235905-3.png");

    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    const std::time_t now = 1700000000;
    const WString first = SaveScreenshot(now);
    const WString second = SaveScreenshot(now);
    std::filesystem::current_path(previous);
    ASSERT_FALSE(first.Empty());
    ASSERT_FALSE(second.Empty());
    EXPECT_NE(first, second);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / platform::NativePath(second.View())));
}

// The fallback when no OpenGL exists: the software renderer with the
// nearest built-in blend modes, still drawing every mode.
class SoftwareDeviceTest : public GraphicsTest {
protected:
    void SetUp() override {
        allowGpu_ = false;
        GraphicsTest::SetUp();
    }
};

TEST_F(SoftwareDeviceTest, ApproximatesTheCustomBlendModes) {
    EXPECT_FALSE(Graphics().ExactBlending());
    Graphics().Clear({0, 0, 200, 255});
    Fill({0, 0, 10, 10}, {128, 0, 0, 128});
    Graphics().SetBlendMode(kBlendPremultiplied);
    Fill({10, 0, 20, 10}, {128, 0, 0, 128});
    Graphics().SetBlendMode(kBlendAdditive);
    Fill({20, 0, 30, 10}, {100, 50, 0, 128});
    Capture();
    EXPECT_TRUE(Near(At(5, 5), {64, 0, 100}, 2));
    EXPECT_TRUE(Near(At(15, 5), {64, 0, 100}, 2));
    EXPECT_TRUE(Near(At(25, 5), {50, 25, 200}, 2));
}

}  // namespace
