// Feeds arbitrary bytes to the save loader: the check must refuse or accept
// without harm, an accepted file must be exactly the layout (the same bytes
// come back out), and putting it into the game state must keep every value.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "content/ContentDatabase.h"
#include "flow/SaveLayout.h"
#include "flow/SaveState.h"
#include "rules/Camp.h"
#include "rules/Equipment.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    BuildContentTables();
    BuildLateContentTables();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    SaveRecord record;
    record.gold = 12345;
    const SaveRecord untouched = record;
    const SaveCheck check = DecodeSave(bytes, record);
    if (!check.Ok()) {
        Require(check.fault != SaveFault::kMissing);
        Require(record == untouched);
        return 0;
    }
    Require(EncodedSaveSize(record) == size);
    Require(std::ranges::equal(EncodeSave(record), bytes));

    PartyState party;
    ExpeditionState expedition;
    ApplySave(record, party, expedition, CharacterTable());
    const SaveRecord back = CaptureSave(party, expedition, CharacterTable());
    Require(back.gold == record.gold && back.level == record.level && back.party == record.party);
    Require(back.shopStock == record.shopStock && back.carried == record.carried);
    Require(back.inventory.size() == record.inventory.size() && std::ranges::is_sorted(back.inventory));
    Require(back.storage.size() == record.storage.size() && std::ranges::is_sorted(back.storage));
    Require(back.hired == record.hired && back.clearLevel == record.clearLevel);
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        if (record.hired[id] != 0) Require(back.characters[id] == record.characters[id]);
    }
    // What the town does first with a loaded party.
    for (int32_t member : party.members) ComputeBattleParams(member);
    CampMenuEnabled(party);
    return 0;
}
