#pragma once
// Fifteen save slots, one file each ("save\<n>"), and the new-game state,
// which resets exactly what a save holds.
#include <array>
#include <cstdint>

#include "engine/text/WString.h"

inline constexpr int32_t kSlotCount = 15;

// The save screen's line after a save that failed.
inline constexpr const char* kSaveFailedMessage = "セーブできませんでした";

// What the slot list shows of a slot, read from the head of its file.
struct SlotSummary {
    int32_t level = 0;
    int32_t bountiesCleared = 0;
    int32_t gold = 0;
    uint8_t inUse = 0;    // the file exists and would load
    uint8_t damaged = 0;  // a file is there but the game would refuse it
};

std::array<SlotSummary, kSlotCount>& SlotSummaries();
// Set by every save (also one that failed, so the list stays on the slot
// tried) and every load that succeeded; the save list opens on it.
int32_t& LastUsedSlot();

// "save\<slot>".
WString SlotPath(int32_t slot);

void NewGame();
// False when the slot could not be written; the previous save stays whole.
bool SaveGame(int32_t slot);
// False (nothing changed) when the file is missing or would not load whole.
// After a load the characters still stand at the level they had; call
// ReapplyLoadedLevel.
bool LoadGame(int32_t slot);
// True when the slot holds a save the game accepts; the summary is filled.
// Otherwise the summary is empty, and marked damaged when a file is there.
bool ReadSlotSummary(int32_t slot, SlotSummary& summary);
// ReadSlotSummary for every slot into SlotSummaries().
void RefreshSlotSummaries();

// After LoadGame: the loaded party level is applied to every character
// from level 1 (kept within 1-999). The characters must stand at level 1,
// as they do from start-up until the first load.
void ReapplyLoadedLevel();
