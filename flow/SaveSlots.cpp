#include "flow/SaveSlots.h"

#include "flow/SaveFiles.h"
#include "flow/SaveState.h"
#include "rules/Levels.h"

namespace {

bool ValidSlot(int32_t slot) { return slot >= 0 && slot < kSlotCount; }

}  // namespace

std::array<SlotSummary, kSlotCount>& SlotSummaries() {
    static std::array<SlotSummary, kSlotCount> summaries{};
    return summaries;
}

int32_t& LastUsedSlot() {
    static int32_t slot = 0;
    return slot;
}

WString SlotPath(int32_t slot) {
    WString path;
    path.Format("save\\%d", slot);
    return path;
}

void NewGame() { ResetForNewGame(GameParty(), GameExpedition()); }

bool SaveGame(int32_t slot) {
    if (!ValidSlot(slot)) return false;
    LastUsedSlot() = slot;
    return WriteSaveFile(SlotPath(slot), CaptureSave(GameParty(), GameExpedition(), CharacterTable()));
}

bool LoadGame(int32_t slot) {
    if (!ValidSlot(slot)) return false;
    SaveRecord record;
    if (!ReadSaveFile(SlotPath(slot), record).Ok()) return false;
    ApplySave(record, GameParty(), GameExpedition(), CharacterTable());
    LastUsedSlot() = slot;
    return true;
}

bool ReadSlotSummary(int32_t slot, SlotSummary& summary) {
    summary = SlotSummary{};
    if (!ValidSlot(slot)) return false;
    SaveRecord record;
    const SaveCheck check = ReadSaveFile(SlotPath(slot), record);
    if (!check.Ok()) {
        summary.damaged = check.fault != SaveFault::kMissing;
        return false;
    }
    summary.level = record.level;
    summary.bountiesCleared = record.bountiesCleared;
    summary.gold = record.gold;
    summary.inUse = 1;
    return true;
}

void RefreshSlotSummaries() {
    for (int32_t slot = 0; slot < kSlotCount; ++slot) ReadSlotSummary(slot, SlotSummaries()[slot]);
}

void ReapplyLoadedLevel() {
    PartyState& party = GameParty();
    const int32_t loaded = party.level;
    party.level = 1;
    SetPartyLevel(party, loaded);
    party.pendingLevel = party.level;
}
