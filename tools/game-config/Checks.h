#pragma once
// What the configuration tool lists and checks on this machine: MIDI
// outputs, SoundFonts, pads, sound output devices and a Japanese font.
#include <string>
#include <vector>

namespace gameconfig {

// "-1  built-in synthesiser", then the ALSA sequencer ports by number.
std::vector<std::string> MidiOutputLines();
// SoundFont files (.sf2, .sf3) in the usual folders.
std::vector<std::string> SoundFontFiles();
// One line per pad SDL sees, saying whether it has a game controller mapping.
std::vector<std::string> PadLines(const std::string& mappingFile);
// SDL's sound output devices.
std::vector<std::string> AudioOutputLines();
// The font files fontconfig offers for Japanese.
std::vector<std::string> JapaneseFonts();

}  // namespace gameconfig
