#pragma once
// What the game had to do without: a sound device, a MIDI output, a font
// for Japanese, a picture, a sound or a tune that would not load. The game
// goes on without each; the first time a kind of thing is missing it says
// so on standard error, and the kinds a player would wonder about get a
// short line that the title screen shows.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text/WString.h"

enum class MissingKind : int32_t {
    kSoundDevice,   // no effects at all
    kMusicOutput,   // no sound device, SoundFont or MIDI port for the music
    kJapaneseFont,  // another font stands in; Japanese text may show as blanks
    kFont,          // no font at all: no text is drawn
    kPicture,
    kSound,
    kTune,
};

// Reports one missing piece. The first report of each kind is written to
// standard error with `detail` (a file name, a reason); later ones of the
// same kind are only counted.
void ReportMissing(MissingKind kind, const std::string& detail);

// How often a kind was reported since start (or since the last reset).
int32_t MissingCount(MissingKind kind);

// The lines for the player, one per kind reported that matters to them,
// in the order first reported.
std::vector<WString> MissingNotices();

// Forgets every report (tests).
void ResetMissingReports();
