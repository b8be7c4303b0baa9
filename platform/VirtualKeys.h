#pragma once
// The configuration names keys by their classic virtual-key codes. This
// table ties each code to an SDL scancode (the physical key) and a name that
// the configuration tool and the README use.
#include <SDL_scancode.h>

#include <cstdint>
#include <string_view>

namespace platform {

namespace vk {
enum : uint32_t {
    kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11, kMenu = 0x12,
    kEscape = 0x1B, kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24,
    kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E,
    k0 = 0x30, kA = 0x41, kC = 0x43, kD = 0x44, kE = 0x45, kQ = 0x51, kR = 0x52, kS = 0x53,
    kT = 0x54, kW = 0x57, kX = 0x58, kZ = 0x5A, kNumpad0 = 0x60, kF1 = 0x70,
    kLShift = 0xA0, kRShift = 0xA1, kLControl = 0xA2, kRControl = 0xA3, kLMenu = 0xA4, kRMenu = 0xA5,
};
}  // namespace vk

struct VirtualKey {
    uint32_t code;
    const char* name;
    SDL_Scancode scancode;
};

// Every virtual-key code that has a key on a PC keyboard.
const VirtualKey* VirtualKeyTable(size_t& count);
// SDL_SCANCODE_UNKNOWN when the code names no key.
SDL_Scancode ScancodeForVirtualKey(uint32_t code);
// 0 when the name is unknown (names are case-insensitive: "z", "Return", "F1").
uint32_t VirtualKeyByName(std::string_view name);
const char* VirtualKeyName(uint32_t code);

}  // namespace platform
