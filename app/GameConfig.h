#pragma once
// The 108-byte configuration record of "Config\Data.dat" (little-endian).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct GameConfig {
    std::array<uint32_t, 2> framePeriod{};  // ms per frame, by speed setting
    uint8_t fullScreen = 0;
    uint8_t musicEnabled = 0;
    uint8_t soundEnabled = 0;
    uint8_t padding = 0;
    uint32_t windowWidth = 0;
    uint32_t windowHeight = 0;
    std::array<uint32_t, 11> keys{};            // virtual-key codes, buttons 0 to 10
    std::array<uint32_t, 11> joystickButtons{};  // 1 to 10, 0 = none

    static constexpr size_t kFileSize = 108;
    static constexpr const char* kPath = "Config\\Data.dat";

    // What the game uses when the file is missing or short.
    static GameConfig Defaults();
    // Bytes beyond `size` read as zero, as a short read leaves them.
    static GameConfig FromBytes(const uint8_t* bytes, size_t size);
    std::vector<uint8_t> ToBytes() const;
};

// The process-wide configuration.
GameConfig& Config();

// Reads the file into Config(). Returns false (and keeps the defaults,
// telling standard error why) when it is missing or shorter than 108 bytes.
bool LoadGameConfig(const char* path = GameConfig::kPath);
