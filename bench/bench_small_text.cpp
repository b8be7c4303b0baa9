// Small text before and after the reduced glyph copies: the same lines at
// 14, 16 and 18 pixels drawn straight from the 128-pixel pictures (as
// before) and from the nearest reduced copy (as now), written as a picture
// enlarged three times, with each way's mean difference from an
// area-averaged reduction of the same glyphs at 14 pixels.
//   bench_small_text [picture.png]
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/font/FontSpec.h"
#include "engine/font/GlyphLevels.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "platform/SdlHandles.h"
#include "platform/Window.h"

namespace {

constexpr Color kPanel{32, 48, 96, 255};
const char16_t kLine[] = u"鋼の剣で魔導士を撃つ。";
const char16_t kDense[] = u"鋼撃魔導";

void DrawLines(TextRenderer& text, int32_t top) {
    int32_t y = top;
    for (int32_t size : {14, 16, 18}) {
        text.SetTextStyle(size, size, 0, 0);
        text.DrawText({8, y}, WString(kLine));
        y += size + 8;
    }
}

// Mean difference of the dense kanji drawn at 14 pixels (white on black,
// no shadow, cells apart) from their area-averaged reduction.
double ErrorAt14(TextRenderer& text) {
    GraphicsDevice& device = Graphics();
    device.BeginScene();
    device.Clear({0, 0, 0, 255});
    device.SetColor({255, 255, 255, 255});
    text.SetShadow(0);
    text.SetTextStyle(14, 14, 28, 0);
    text.DrawText({10, 10}, WString(kDense));
    std::vector<uint32_t> frame;
    device.CaptureFrame(frame);
    double sum = 0;
    int count = 0;
    for (const PlacedUnit& p : text.Layout({10, 10}, kDense, -1)) {
        font::CoverageImage full;
        if (!text.GlyphCoverage(p.unit, full)) continue;
        const font::CoverageImage want = font::AreaAverage(full, 14);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x) {
                const int got = int(frame[size_t(p.y + y) * 640 + size_t(p.x + x)] >> 16 & 0xFF);
                sum += std::abs(got - int(want.alpha[size_t(y * 14 + x)]));
                ++count;
            }
    }
    text.SetShadow(1);
    return count > 0 ? sum / count : -1;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    int result = 1;
    {
        platform::Window window;
        FontSpec font;
        font.height = 128;
        font.width = 64;
        font.weight = 2400;
        if (Graphics().Create(window, WString("DLG0"), {100, 100, 740, 580}, WString(), 0, 0, {}) &&
            Graphics().Text().CreateFont(font)) {
            TextRenderer& text = Graphics().Text();
            text.SetShadowOffset({2, 2});
            text.SetTextAlign(0, 0);
            text.SetReducedLevels(false);
            std::printf("small_text_error_before %.2f\n", ErrorAt14(text));
            text.SetReducedLevels(true);
            std::printf("small_text_error_after %.2f\n", ErrorAt14(text));

            GraphicsDevice& device = Graphics();
            device.BeginScene();
            device.Clear(kPanel);
            device.SetColor({255, 255, 255, 255});
            text.SetReducedLevels(false);
            DrawLines(text, 6);
            text.SetReducedLevels(true);
            DrawLines(text, 90);
            std::vector<uint32_t> frame;
            device.CaptureFrame(frame);
            // 320 x 174 of the frame, enlarged three times without smoothing.
            const int w = 320, h = 174, k = 3;
            std::vector<uint32_t> big(size_t(w * k) * (h * k));
            for (int y = 0; y < h * k; ++y)
                for (int x = 0; x < w * k; ++x)
                    big[size_t(y) * (w * k) + x] = frame[size_t(y / k) * 640 + size_t(x / k)];
            const std::string path = argc > 1 ? argv[1] : "small-text.png";
            platform::SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
                big.data(), w * k, h * k, 32, w * k * 4, SDL_PIXELFORMAT_ARGB8888));
            result = surface && IMG_SavePNG(surface.get(), path.c_str()) == 0 ? 0 : 1;
        }
        Graphics().Release();
    }
    SDL_Quit();
    return result;
}
