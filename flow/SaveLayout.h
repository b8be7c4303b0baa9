#pragma once
// The bytes of a save file and back: a flat little-endian record with no
// header of its own (the first 16 bytes double as the slot summary). Pure:
// no game state, no files, so the tool and the fuzzer use it as it is.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace SaveLayout {
inline constexpr int32_t kCounters = 10;  // battles, wins, losses, 7 unused
inline constexpr int32_t kMaxParty = 4;
inline constexpr int32_t kCharacters = 50;
inline constexpr int32_t kRecipes = 1250;
inline constexpr int32_t kAreas = 50;
inline constexpr int32_t kQuests = 400;
inline constexpr int32_t kCarried = 12;
inline constexpr int32_t kEquipment = 5;
// A save with every list empty.
inline constexpr size_t kFixedBytes = 10'570;
// Far beyond any game's lists; keeps a stray huge file out of memory.
inline constexpr size_t kMaxFileBytes = 64u << 20;
}  // namespace SaveLayout

struct SaveStockRow {
    int32_t item = 0;
    int32_t price = 0;
    bool operator==(const SaveStockRow&) const = default;
};

struct SaveCharacter {
    std::array<int32_t, SaveLayout::kEquipment> equipment{};  // slot 0: the weapon
    int32_t ranged = 0;
    bool operator==(const SaveCharacter&) const = default;
};

// Every value a save holds, in file order, exactly as stored.
struct SaveRecord {
    int32_t gold = 0;
    int32_t expPool = 0;
    int32_t level = 1;
    int32_t bountiesCleared = 0;
    std::array<uint32_t, SaveLayout::kCounters> counters{};
    std::vector<uint32_t> party;
    std::vector<SaveStockRow> shopStock;
    std::vector<int32_t> inventory;
    std::vector<int32_t> storage;
    std::array<int32_t, SaveLayout::kRecipes> recipes{};
    std::array<int32_t, SaveLayout::kAreas> maps{};
    std::array<int32_t, SaveLayout::kAreas> checkpoints{};
    std::array<int32_t, SaveLayout::kCharacters> cards{};
    std::array<uint8_t, SaveLayout::kCharacters> hired{};
    std::array<int32_t, SaveLayout::kQuests> notices{};
    std::array<uint8_t, SaveLayout::kQuests> hunt{};
    std::array<int32_t, SaveLayout::kQuests> clearLevel{};
    std::array<int32_t, SaveLayout::kCarried> carried{};
    std::array<SaveCharacter, SaveLayout::kCharacters> characters{};
    bool operator==(const SaveRecord&) const = default;
};

// Why a file would not load. Values inside the lists are never a reason:
// only what would make the file unreadable or the party impossible.
enum class SaveFault : int32_t {
    kNone,
    kMissing,        // no file, or it cannot be opened
    kTooLarge,       // beyond kMaxFileBytes
    kEndsEarly,      // the file stops inside a value
    kListTooLong,    // a list length needs more bytes than the file has
    kPartyTooLarge,  // more than 4 members
    kBadCharacter,   // a member number of 50 or more
    kExtraBytes,     // bytes after the last character
};

struct SaveCheck {
    SaveFault fault = SaveFault::kNone;
    size_t offset = 0;   // where reading stopped
    uint64_t value = 0;  // the offending length or number; the file size when it ends early
    bool Ok() const { return fault == SaveFault::kNone; }
};

// 10,570 + 4 per member, 8 per offer, 4 per item in either list.
size_t EncodedSaveSize(const SaveRecord& record);
std::vector<uint8_t> EncodeSave(const SaveRecord& record);

// Reads the whole buffer; `record` is written only when the check passes.
SaveCheck DecodeSave(std::span<const uint8_t> bytes, SaveRecord& record);

// One line in English for tools and logs of tests.
std::string DescribeSaveCheck(const SaveCheck& check);
