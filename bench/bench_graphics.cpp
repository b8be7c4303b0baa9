// Drawing speed on the headless OpenGL renderer (offscreen video, Mesa):
// a full screen of text and sprites per frame, and the cost of filling the
// glyph cache with kanji.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/font/FontFace.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/graphics/Texture.h"

namespace {

FontSpec GameFont() {
    FontSpec fontSpec;
    fontSpec.height = 128;
    fontSpec.width = 64;
    fontSpec.weight = 2400;
    return fontSpec;
}

// 300 characters drawn with their shadows: 600 glyph quads, plus 40
// sprites of 64 x 64, presented every frame.
void BM_FrameOfTextAndSprites(benchmark::State& state) {
    GraphicsDevice& device = Graphics();
    TextRenderer& text = device.Text();
    std::vector<Texture> sprites(4);
    for (size_t i = 0; i < sprites.size(); ++i) {
        sprites[i].CreateSolid({uint8_t(60 * i), 128, 200, 220});
    }
    const WString line("冒険者ギルドで依頼を受けて、ハルモアの森へ向かう。");  // 25 units
    WString lines[12];
    for (WString& l : lines) l = line;
    text.SetShadow(1);
    text.SetTextStyle(24, 24, 0, 0);
    text.SetTextAlign(0, 0);
    for (auto _ : state) {
        device.BeginScene();
        device.Clear({0, 0, 0, 255});
        device.SetColor({255, 255, 255, 255});
        for (int i = 0; i < 40; ++i) {
            const int x = (i % 10) * 64, y = (i / 10) * 120;
            device.DrawRect({x, y, x + 64, y + 64}, sprites[size_t(i) % sprites.size()], 0);
        }
        for (int i = 0; i < 12; ++i) text.DrawText({4, 8 + i * 38}, lines[i]);
        device.EndScene();
    }
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["quads"] = 40 + 12 * 25 * 2;
}
BENCHMARK(BM_FrameOfTextAndSprites)->Unit(benchmark::kMillisecond)->UseRealTime();

// 500 distinct kanji rasterised at 128 pixels and uploaded, from an empty cache.
void BM_RasteriseKanji(benchmark::State& state) {
    TextRenderer& text = Graphics().Text();
    std::vector<char16_t> kanji;
    font::GlyphBitmap bitmap;
    for (char16_t c = 0x4E00; kanji.size() < 500 && c < 0x9FFF; ++c) {
        if (text.Face().Rasterise(c, bitmap)) kanji.push_back(c);
    }
    for (auto _ : state) {
        state.PauseTiming();
        text.ClearGlyphs();
        state.ResumeTiming();
        for (char16_t c : kanji) benchmark::DoNotOptimize(text.GlyphFor(c));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kanji.size()));
}
BENCHMARK(BM_RasteriseKanji)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    int result = 1;
    {
        platform::Window window;
        if (Graphics().Create(window, WString("DLG0"), {100, 100, 740, 580}, WString(), 0, 0, {}) &&
            Graphics().Text().CreateFont(GameFont())) {
            SDL_RendererInfo info{};
            SDL_GetRendererInfo(Graphics().Renderer(), &info);
            std::printf("renderer: %s\n", info.name);
            benchmark::Initialize(&argc, argv);
            benchmark::RunSpecifiedBenchmarks();
            benchmark::Shutdown();
            result = 0;
        } else {
            std::fprintf(stderr, "no device or no font\n");
        }
        Graphics().Release();
    }
    SDL_Quit();
    return result;
}
