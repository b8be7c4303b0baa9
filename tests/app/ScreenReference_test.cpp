// Frames of the real game compared with stored pictures, so that a broken
// layout fails: a small per-pixel tolerance and a small share of differing
// pixels allow for anti-aliasing. UPDATE_REFERENCES=1 stores new pictures.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/GameMain.h"
#include "app/GameScript.h"
#include "engine/random/Random.h"
#include "platform/SdlHandles.h"

namespace {

namespace fs = std::filesystem;

constexpr int kChannelTolerance = 24;
constexpr double kDifferingShare = 0.005;

struct Comparison {
    bool loaded = false;
    int64_t differing = 0;
    int64_t total = 0;
};

Comparison Compare(const fs::path& actual, const fs::path& expected) {
    Comparison result;
    platform::SurfaceHandle a(IMG_Load(actual.c_str()));
    platform::SurfaceHandle b(IMG_Load(expected.c_str()));
    if (!a || !b) return result;
    platform::SurfaceHandle ca(SDL_ConvertSurfaceFormat(a.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    platform::SurfaceHandle cb(SDL_ConvertSurfaceFormat(b.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!ca || !cb || ca->w != cb->w || ca->h != cb->h) return result;
    result.loaded = true;
    for (int y = 0; y < ca->h; ++y) {
        const auto* ra = reinterpret_cast<const uint8_t*>(ca->pixels) + y * ca->pitch;
        const auto* rb = reinterpret_cast<const uint8_t*>(cb->pixels) + y * cb->pitch;
        for (int x = 0; x < ca->w * 4; x += 4) {
            ++result.total;
            for (int c = 0; c < 3; ++c) {
                if (std::abs(int(ra[x + c]) - int(rb[x + c])) > kChannelTolerance) {
                    ++result.differing;
                    break;
                }
            }
        }
    }
    return result;
}

TEST(ScreenReference, TitleTownShopStatusAndBattleLookAsStored) {
    const fs::path game = std::getenv("GAME_DIR");
    const fs::path references = fs::path(std::getenv("SOURCE_DIR")) / "tests/app/reference";
    char pattern[] = "/tmp/screens-test-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    for (const char* entry : {"image", "sound", "music", "Config"})
        fs::create_directory_symlink(game / entry, folder / entry);
    const auto previous = fs::current_path();
    fs::current_path(folder);

    SeedRandom(7);
    ASSERT_TRUE(StartGame());
    std::ifstream script(references / "screens.script");
    ASSERT_TRUE(script.good());
    std::ostringstream log;
    ScriptRun run;
    run.shotFolder = folder.string();
    const int result = RunGameScript(script, log, run);
    ShutdownGame();
    fs::current_path(previous);
    ASSERT_EQ(result, 0) << log.str();

    const bool update = std::getenv("UPDATE_REFERENCES") != nullptr;
    for (const char* name : {"title", "town", "shop", "status", "battle"}) {
        SCOPED_TRACE(name);
        const fs::path actual = folder / (std::string(name) + ".png");
        const fs::path expected = references / (std::string(name) + ".png");
        if (update) fs::copy_file(actual, expected, fs::copy_options::overwrite_existing);
        const Comparison c = Compare(actual, expected);
        ASSERT_TRUE(c.loaded) << "cannot compare " << actual << " with " << expected;
        EXPECT_LE(double(c.differing) / double(c.total), kDifferingShare)
            << c.differing << " of " << c.total << " pixels differ; the frame is kept in "
            << actual;
    }
    if (!::testing::Test::HasFailure()) fs::remove_all(folder);
}

}  // namespace
