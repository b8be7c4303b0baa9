#include "app/GameConfig.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/ConfigRanges.h"
#include "engine/text/BinaryFile.h"
#include "platform/GameFolders.h"
#include "platform/NativePath.h"
#include "platform/VirtualKeys.h"

namespace {

uint32_t ReadU32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void WriteU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

GameConfig GameConfig::Defaults() {
    using namespace platform::vk;
    GameConfig c;
    c.framePeriod = {16, 8};
    c.fullScreen = 0;
    c.musicEnabled = 1;
    c.soundEnabled = 1;
    c.windowWidth = 640;
    c.windowHeight = 480;
    // decide, cancel, speed, page up, page down, sell all, then five spare buttons
    c.keys = {kZ, kX, kC, kA, kS, kD, kQ, kW, kE, kR, kT};
    c.joystickButtons = {1, 2, 4, 5, 6, 3, 0, 0, 0, 0, 0};
    return c;
}

GameConfig GameConfig::FromBytes(const uint8_t* bytes, size_t size) {
    uint8_t raw[kFileSize] = {};
    for (size_t i = 0; i < size && i < kFileSize; ++i) raw[i] = bytes[i];
    GameConfig c;
    c.framePeriod = {ReadU32(raw + 0), ReadU32(raw + 4)};
    c.fullScreen = raw[8];
    c.musicEnabled = raw[9];
    c.soundEnabled = raw[10];
    c.padding = raw[11];
    c.windowWidth = ReadU32(raw + 12);
    c.windowHeight = ReadU32(raw + 16);
    for (size_t i = 0; i < 11; ++i) {
        c.keys[i] = ReadU32(raw + 20 + 4 * i);
        c.joystickButtons[i] = ReadU32(raw + 64 + 4 * i);
    }
    return c;
}

std::vector<uint8_t> GameConfig::ToBytes() const {
    std::vector<uint8_t> raw(kFileSize, 0);
    WriteU32(&raw[0], framePeriod[0]);
    WriteU32(&raw[4], framePeriod[1]);
    raw[8] = fullScreen;
    raw[9] = musicEnabled;
    raw[10] = soundEnabled;
    raw[11] = padding;
    WriteU32(&raw[12], windowWidth);
    WriteU32(&raw[16], windowHeight);
    for (size_t i = 0; i < 11; ++i) {
        WriteU32(&raw[20 + 4 * i], keys[i]);
        WriteU32(&raw[64 + 4 * i], joystickButtons[i]);
    }
    return raw;
}

GameConfig& Config() {
    static GameConfig config = GameConfig::Defaults();
    return config;
}

namespace {

// Bytes read from the file at a game path: 0 when it cannot be opened.
size_t ReadConfigFile(const WString& path, uint8_t (&raw)[GameConfig::kFileSize]) {
    BinaryFile file;
    return file.Open(path, true) ? file.Read(raw, sizeof raw) : 0;
}

}  // namespace

bool LoadGameConfig(const char* path) {
    uint8_t raw[GameConfig::kFileSize];
    size_t got = ReadConfigFile(WString(path), raw);
    if (got == 0) {
        // Installed, a player without a file of their own gets the defaults
        // that came with the game.
        std::string slashed(path);
        for (char& c : slashed) c = c == '\\' ? '/' : c;
        const std::string fallback =
            platform::DefaultConfigPath(platform::CurrentGameFolders(), slashed);
        if (!fallback.empty()) got = ReadConfigFile(WString(fallback.c_str()), raw);
    }
    if (got < GameConfig::kFileSize) {
        std::fprintf(stderr,
                     got == 0 ? "%s is missing; starting with the built-in settings.\n"
                              : "%s is too short; starting with the built-in settings.\n",
                     platform::NativePath(WString(path).View()).c_str());
        Config() = GameConfig::Defaults();
        return false;
    }
    GameConfig config = GameConfig::FromBytes(raw, got);
    // Values that would stall or hide the game fall back, each said once.
    std::vector<std::string> notes;
    if (!KeepConfigInRange(config, notes)) {
        for (const std::string& note : notes)
            std::fprintf(stderr, "%s: %s\n", platform::NativePath(WString(path).View()).c_str(),
                         note.c_str());
    }
    Config() = config;
    return true;
}
