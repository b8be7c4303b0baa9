#include "platform/VirtualKeys.h"

#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace platform {
namespace {

std::vector<VirtualKey> BuildTable() {
    std::vector<VirtualKey> t = {
        {vk::kBack, "Backspace", SDL_SCANCODE_BACKSPACE},
        {vk::kTab, "Tab", SDL_SCANCODE_TAB},
        {vk::kReturn, "Return", SDL_SCANCODE_RETURN},
        {vk::kShift, "Shift", SDL_SCANCODE_LSHIFT},
        {vk::kControl, "Ctrl", SDL_SCANCODE_LCTRL},
        {vk::kMenu, "Alt", SDL_SCANCODE_LALT},
        {0x13, "Pause", SDL_SCANCODE_PAUSE},
        {vk::kEscape, "Escape", SDL_SCANCODE_ESCAPE},
        {vk::kSpace, "Space", SDL_SCANCODE_SPACE},
        {vk::kPrior, "PageUp", SDL_SCANCODE_PAGEUP},
        {vk::kNext, "PageDown", SDL_SCANCODE_PAGEDOWN},
        {vk::kEnd, "End", SDL_SCANCODE_END},
        {vk::kHome, "Home", SDL_SCANCODE_HOME},
        {vk::kLeft, "Left", SDL_SCANCODE_LEFT},
        {vk::kUp, "Up", SDL_SCANCODE_UP},
        {vk::kRight, "Right", SDL_SCANCODE_RIGHT},
        {vk::kDown, "Down", SDL_SCANCODE_DOWN},
        {vk::kInsert, "Insert", SDL_SCANCODE_INSERT},
        {vk::kDelete, "Delete", SDL_SCANCODE_DELETE},
        {vk::kLShift, "LShift", SDL_SCANCODE_LSHIFT},
        {vk::kRShift, "RShift", SDL_SCANCODE_RSHIFT},
        {vk::kLControl, "LCtrl", SDL_SCANCODE_LCTRL},
        {vk::kRControl, "RCtrl", SDL_SCANCODE_RCTRL},
        {vk::kLMenu, "LAlt", SDL_SCANCODE_LALT},
        {vk::kRMenu, "RAlt", SDL_SCANCODE_RALT},
        {0xBA, ";", SDL_SCANCODE_SEMICOLON},
        {0xBB, "=", SDL_SCANCODE_EQUALS},
        {0xBC, ",", SDL_SCANCODE_COMMA},
        {0xBD, "-", SDL_SCANCODE_MINUS},
        {0xBE, ".", SDL_SCANCODE_PERIOD},
        {0xBF, "/", SDL_SCANCODE_SLASH},
        {0xC0, "`", SDL_SCANCODE_GRAVE},
        {0xDB, "[", SDL_SCANCODE_LEFTBRACKET},
        {0xDC, "\\", SDL_SCANCODE_BACKSLASH},
        {0xDD, "]", SDL_SCANCODE_RIGHTBRACKET},
        {0xDE, "'", SDL_SCANCODE_APOSTROPHE},
    };
    static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const SDL_Scancode kDigitCodes[] = {
        SDL_SCANCODE_0, SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4,
        SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8, SDL_SCANCODE_9};
    for (uint32_t i = 0; i < 10; ++i) t.push_back({vk::k0 + i, kDigits[i], kDigitCodes[i]});
    static const char* const kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                           "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                           "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (uint32_t i = 0; i < 26; ++i) {
        t.push_back({vk::kA + i, kLetters[i], static_cast<SDL_Scancode>(SDL_SCANCODE_A + i)});
    }
    static const char* const kPad[] = {"Num0", "Num1", "Num2", "Num3", "Num4",
                                       "Num5", "Num6", "Num7", "Num8", "Num9"};
    static const SDL_Scancode kPadCodes[] = {
        SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3,
        SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7,
        SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9};
    for (uint32_t i = 0; i < 10; ++i) t.push_back({vk::kNumpad0 + i, kPad[i], kPadCodes[i]});
    static const char* const kF[] = {"F1", "F2", "F3", "F4", "F5", "F6",
                                     "F7", "F8", "F9", "F10", "F11", "F12"};
    for (uint32_t i = 0; i < 12; ++i) {
        t.push_back({vk::kF1 + i, kF[i], static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + i)});
    }
    return t;
}

const std::vector<VirtualKey>& Table() {
    static const std::vector<VirtualKey> table = BuildTable();
    return table;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

const VirtualKey* VirtualKeyTable(size_t& count) {
    count = Table().size();
    return Table().data();
}

SDL_Scancode ScancodeForVirtualKey(uint32_t code) {
    for (const VirtualKey& k : Table()) {
        if (k.code == code) return k.scancode;
    }
    return SDL_SCANCODE_UNKNOWN;
}

uint32_t VirtualKeyByName(std::string_view name) {
    for (const VirtualKey& k : Table()) {
        if (SameName(k.name, name)) return k.code;
    }
    return 0;
}

const char* VirtualKeyName(uint32_t code) {
    for (const VirtualKey& k : Table()) {
        if (k.code == code) return k.name;
    }
    return "";
}

}  // namespace platform
