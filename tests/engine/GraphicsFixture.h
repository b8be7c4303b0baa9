#pragma once
// A headless device for picture tests: SDL's offscreen video driver with the
// OpenGL renderer on Mesa, read back through the frame capture.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/graphics/GraphicsDevice.h"
#include "engine/graphics/Texture.h"

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        PresentParams present;
        present.allowGpu = allowGpu_;
        ASSERT_TRUE(Graphics().Create(window_, WString("DLG0"), {100, 100, 740, 580}, WString(), 0,
                                      0, present));
        folder_ = std::filesystem::temp_directory_path() /
                  ("graphics_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        Graphics().BeginScene();
    }
    void TearDown() override {
        Graphics().Release();
        window_.Destroy();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        std::filesystem::remove_all(folder_);
    }

    // Reads the back buffer back; At then looks at that capture.
    void Capture() { ASSERT_TRUE(Graphics().CaptureFrame(frame_)); }
    Color At(int x, int y) const {
        return Color::FromArgb(frame_.at(size_t(y) * GraphicsDevice::kWidth + x));
    }

    // Writes a picture of w x h ARGB pixels as BMP (24-bit, alpha dropped)
    // or PNG (with alpha), and returns its path.
    WString WritePicture(const std::string& name, int w, int h, const std::vector<uint32_t>& argb) {
        const std::string path = (folder_ / name).string();
        SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(argb.data()), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
        EXPECT_NE(source, nullptr);
        if (name.ends_with(".png")) {
            EXPECT_EQ(IMG_SavePNG(source, path.c_str()), 0);
        } else {
            SDL_Surface* rgb = SDL_ConvertSurfaceFormat(source, SDL_PIXELFORMAT_BGR24, 0);
            EXPECT_EQ(SDL_SaveBMP(rgb, path.c_str()), 0);
            SDL_FreeSurface(rgb);
        }
        SDL_FreeSurface(source);
        return WString(path.c_str());
    }

    bool allowGpu_ = true;
    platform::Window window_;
    std::filesystem::path folder_;
    std::vector<uint32_t> frame_;
};

// Channels within `tolerance` of each other (alpha not compared: the
// captured frame is opaque).
inline ::testing::AssertionResult Near(Color actual, Color expected, int tolerance = 1) {
    const int d[3] = {actual.r - expected.r, actual.g - expected.g, actual.b - expected.b};
    for (int v : d) {
        if (v > tolerance || v < -tolerance) {
            return ::testing::AssertionFailure()
                   << "got (" << int(actual.r) << "," << int(actual.g) << "," << int(actual.b)
                   << ") want (" << int(expected.r) << "," << int(expected.g) << ","
                   << int(expected.b) << ")";
        }
    }
    return ::testing::AssertionSuccess();
}
