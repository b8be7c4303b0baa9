#pragma once
// Save tests run in a fresh temporary folder of their own (the game saves
// relative to the working directory) and put every piece of process-wide
// state they touch back afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/ContentDatabase.h"
#include "flow/SaveLayout.h"
#include "flow/SaveSlots.h"
#include "flow/SaveState.h"
#include "rules/CharacterSnapshot.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

namespace savetest {

using Bytes = std::vector<uint8_t>;

inline void EnsureContentBuilt() {
    static const bool built = [] {
        BuildContentTables();
        BuildLateContentTables();
        return true;
    }();
    (void)built;
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Little-endian bytes built by hand, independent of the game's writer.
class ByteBuilder {
public:
    ByteBuilder& U32(uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    ByteBuilder& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
    ByteBuilder& U8(uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    ByteBuilder& Repeat32(int32_t count, uint32_t v) {
        for (int32_t i = 0; i < count; ++i) U32(v);
        return *this;
    }
    Bytes& Get() { return bytes_; }

private:
    Bytes bytes_;
};

class SaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureContentBuilt();
        party_ = GameParty();
        expedition_ = GameExpedition();
        summaries_ = SlotSummaries();
        lastUsed_ = LastUsedSlot();
        characters_ = TakeCharacterSnapshot();
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() /
                  ("save_test_" + std::to_string(getpid()) + "_" + std::to_string(counter_++));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::permissions(folder_ / "save", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder_, ignored);
        GameParty() = party_;
        GameExpedition() = expedition_;
        SlotSummaries() = summaries_;
        LastUsedSlot() = lastUsed_;
        RestoreCharacters(characters_);
    }

    static std::filesystem::path Slot(int32_t n) { return std::filesystem::path("save") / std::to_string(n); }

    // The bytes the game would write for its current state.
    static Bytes CurrentBytes() {
        return EncodeSave(CaptureSave(GameParty(), GameExpedition(), CharacterTable()));
    }

    std::filesystem::path folder_;

private:
    static inline int counter_ = 0;
    PartyState party_;
    ExpeditionState expedition_;
    std::array<SlotSummary, kSlotCount> summaries_{};
    int32_t lastUsed_ = 0;
    CharacterSnapshots characters_{};
    std::filesystem::path previous_;
};

}  // namespace savetest
