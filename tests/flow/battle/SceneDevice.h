#pragma once
// A headless device for the battle scene tests: SDL's offscreen driver on
// Mesa, the real Japanese font, and, when the build made the game folder,
// the shared and content pictures loaded from it as the game loads them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "content/ContentDatabase.h"
#include "engine/GraphicsFixture.h"  // Near
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/SharedPictures.h"
#include "platform/Window.h"

namespace scenetest {

inline void EnsureTablesBuilt() {
    static const bool built = [] {
        BuildContentTables();
        BuildLateContentTables();
        return true;
    }();
    (void)built;
}

class SceneDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureTablesBuilt();
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
        video_ = true;
        if (!Graphics().Create(window_, WString("DLG0"), {100, 100, 740, 580}, WString(), 0, 0,
                               PresentParams{}))
            return;
        FontSpec font;
        font.height = 128;
        font.width = 64;
        font.weight = 2400;
        hasFont_ = Graphics().Text().CreateFont(font);
        Graphics().Text().SetShadow(1);
        Graphics().Text().SetShadowOffset({2, 2});
        // Pictures are named relative to the game folder.
        const char* game = std::getenv("GAME_DIR");
        if (game != nullptr &&
            std::filesystem::is_directory(std::filesystem::path(game) / "image")) {
            previous_ = std::filesystem::current_path();
            std::filesystem::current_path(game);
            LoadSharedPictures();
            LoadContentPictures();
            hasAssets_ = true;
        } else {
            Pictures().panel.CreateSolid({255, 255, 255, 255});
        }
    }
    static void TearDownTestSuite() {
        ReleaseContentPictures();
        ReleaseSharedPictures();
        Graphics().Release();
        window_.Destroy();
        if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
        video_ = false;
        if (!previous_.empty()) std::filesystem::current_path(previous_);
        previous_.clear();
        hasFont_ = hasAssets_ = false;
    }
    void SetUp() override {
        if (!Graphics().IsCreated()) GTEST_SKIP() << "no graphics device";
        Graphics().BeginScene();
        Graphics().Clear({0, 0, 0, 255});
        Graphics().SetColor({255, 255, 255, 255});
    }

    void Capture() { ASSERT_TRUE(Graphics().CaptureFrame(frame_)); }
    Color At(int32_t x, int32_t y) const {
        return Color::FromArgb(frame_.at(size_t(y) * GraphicsDevice::kWidth + size_t(x)));
    }
    // Pixels of the captured frame inside `r` that satisfy `test`.
    template <class Test>
    int32_t CountIn(Rect r, Test test) const {
        int32_t n = 0;
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x) n += test(At(x, y)) ? 1 : 0;
        return n;
    }

    static inline platform::Window window_;
    static inline bool video_ = false;
    static inline bool hasFont_ = false;
    static inline bool hasAssets_ = false;
    static inline std::filesystem::path previous_;
    std::vector<uint32_t> frame_;
};

}  // namespace scenetest
