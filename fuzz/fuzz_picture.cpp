// Feeds arbitrary bytes to the picture loader as the game's files reach it
// (a BMP or PNG path through the texture loader), then does to whatever
// size comes out what the content tables do: colour key, hue shift, copy,
// and drawing cells of the row's grid. The device is the software renderer
// on SDL's offscreen driver, so no display is needed.
//
// The first four bytes choose the grid, the cell and the shifts; the rest
// is the file.
#include <SDL.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/graphics/GraphicsDevice.h"
#include "engine/graphics/Texture.h"
#include "platform/Window.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

platform::Window g_window;
std::string g_path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) std::abort();
    PresentParams present;
    present.allowGpu = false;
    if (!Graphics().Create(g_window, WString("DLG0"), {100, 100, 740, 580}, WString(), 0, 0,
                           present))
        std::abort();
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    g_path = std::string(folder) + "/fuzz-picture-" + std::to_string(getpid()) + ".bmp";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    // Content rows can hold any grid, even 0 or a negative one.
    const int32_t columns = static_cast<int8_t>(data[0]) % 9;
    const int32_t rows = static_cast<int8_t>(data[1]) % 9;
    const int32_t hue = (static_cast<int8_t>(data[2]) * 3) % 400;
    const int32_t cell = static_cast<int8_t>(data[3]);
    std::FILE* file = std::fopen(g_path.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data + 4, 1, size - 4, file);
    std::fclose(file);

    Texture picture;
    if (!picture.Load(WString(g_path.c_str()), {columns, rows})) {
        Require(picture.Empty());
        return 0;
    }
    const Size image = picture.ImageSize();
    Require(image.w > 0 && image.h > 0);
    Require(picture.ApplyColorKey());
    Require(picture.ShiftHSV(hue, hue / 4, -hue / 8));
    Texture copy;
    Require(copy.CopyFrom(picture));
    Require(copy.ImageSize() == image);

    GraphicsDevice& device = Graphics();
    device.BeginScene();
    device.SetFlip(cell & 3);
    device.DrawCell({10, 10}, picture, cell);
    device.DrawCell({-5, 300}, copy, cell * 7);
    device.DrawRect({0, 0, image.w, image.h}, picture, 0);
    device.SetFlip(0);
    device.EndScene();
    return 0;
}
