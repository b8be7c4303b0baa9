#pragma once
// Settings the 108-byte configuration file has no room for, kept beside it
// in "Config\Settings.txt" as "name=value" lines ('#' starts a comment):
//   scaling=smooth|whole   how the picture fills a larger window or screen
//   soundfont=PATH         the music synthesiser's SoundFont (empty: system's)
//   midi-out=N             music output: -1 the built-in synthesiser, 0 and
//                          up the ALSA sequencer ports in `--list` order
// The game only reads it; the configuration tool writes it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/graphics/Scaling.h"

struct ExtraSettings {
    ScaleMode scaling = ScaleMode::kSmooth;
    std::string soundFont;
    int32_t midiOut = -1;

    static constexpr const char* kPath = "Config\\Settings.txt";

    bool operator==(const ExtraSettings&) const = default;
};

// Applies one "name=value"; on failure returns false and says why.
bool ApplyExtraSetting(ExtraSettings& settings, std::string_view assignment, std::string& error);
bool IsExtraSettingName(std::string_view name);

// Reads the text; lines that do not apply are skipped and described in
// `problems`, so one bad line never costs the others.
ExtraSettings ParseExtraSettings(std::string_view text, std::vector<std::string>& problems);
std::string FormatExtraSettings(const ExtraSettings& settings);

// The process-wide settings, read at start-up.
ExtraSettings& Extras();
// Reads the file at a game path into Extras(); a missing file means the
// defaults, quietly; a bad line is reported on standard error and skipped.
void LoadExtraSettings(const char* path = ExtraSettings::kPath);
