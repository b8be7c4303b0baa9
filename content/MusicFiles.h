#pragma once
// Every MIDI file the game plays, by the name it has in the "music" folder.
// Areas and quests name theirs in their rows; the fixed tunes of the
// screens are here. The asset generator reads this list to write the files.
#include <span>

inline constexpr const char* kTitleMusic = "airship1.mid";
inline constexpr const char* kTownMusic = "town3.mid";
inline constexpr const char* kDefeatMusic = "defeat.mid";

// The whole list, each name once.
std::span<const char* const> MusicFileNames();
// True when `name` is in the list.
bool IsMusicFile(const char* name);
