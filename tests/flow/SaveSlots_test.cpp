// Saving and loading through the slots: the bytes on disk, what a load puts
// back, the summaries and the slot the list opens on.
#include "SaveFixture.h"
#include "content/Items.h"
#include "rules/Levels.h"

namespace {

using namespace savetest;

constexpr PackedItem kSword = (561 << 8) + 100 - 80;  // ブロンズソード, quality 80
constexpr PackedItem kBow = (651 << 8) + 100 - 45;    // a bow, quality 45
constexpr PackedItem kCharm = (750 << 8) + 100 - 100;
constexpr int32_t kSwordAttack = 3;  // sword kind 2 + 1
constexpr int32_t kBowAttack = 6;    // bow kind 5 + 1
constexpr int32_t kUnarmed = 1;

TEST_F(SaveTest, NewGameStartsTheTwoFirstCharactersWithTheirGoods) {
    GameParty().gold = 500;
    GameParty().inventory = {kSword};
    GameExpedition().questsDefeated = 3;
    GameExpedition().hunt[7] = 1;
    NewGame();

    const PartyState& p = GameParty();
    EXPECT_EQ(p.members, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(p.hired[0] + p.hired[1], 2);
    EXPECT_EQ(p.gold, 0);
    EXPECT_EQ(p.level, 1);
    EXPECT_TRUE(p.inventory.empty());
    EXPECT_EQ(GameExpedition().questsDefeated, 0);
    EXPECT_EQ(GameExpedition().hunt[7], 0);
    EXPECT_EQ(p.notices[0] + p.notices[1], 2);
    EXPECT_EQ(p.maps[0], 1);
    for (int32_t product : {209, 561, 651, 793}) EXPECT_EQ(p.recipes[product], 1) << product;
    EXPECT_EQ(p.carried[0], PackItem(1, 30));

    ASSERT_TRUE(SaveGame(0));
    EXPECT_EQ(ReadBytes(Slot(0)).size(), 10'578u);  // two members, every list empty
}

// The state of the smallest edge case, with a value in every table so a
// table out of place shows.
void SetSmallState() {
    PartyState& p = GameParty();
    ExpeditionState& e = GameExpedition();
    p.gold = 123'456;
    p.expPool = 789;
    p.level = 12;
    e.questsDefeated = 5;
    p.records = {7, 6, 1};
    p.members = {0, 1};
    p.shopStock.clear();
    p.inventory = {PackItem(1, 30), PackItem(2, 100), kSword};
    p.storage.clear();
    p.recipes.fill(0);
    p.recipes[561] = 1;
    p.recipes[1249] = 2;
    p.maps.fill(0);
    p.maps[0] = 1;
    e.checkpoints.fill(0);
    e.checkpoints[3] = 4;
    p.cards.fill(0);
    p.cards[49] = 2;
    p.hired.fill(0);
    p.hired[0] = p.hired[1] = 1;
    p.notices.fill(0);
    p.notices[399] = 1;
    e.hunt.fill(0);
    e.hunt[2] = 1;
    e.clearLevel.fill(0);
    e.clearLevel[1] = 33;
    p.carried.fill(0);
    p.carried[11] = PackItem(3, 50);
    CharacterTable()[0].equipment = {kSword, kCharm, 0, 0, 0};
    CharacterTable()[49].ranged = 1;
}

TEST_F(SaveTest, FileHoldsTheLayoutByteForByte) {
    SetSmallState();
    ASSERT_TRUE(SaveGame(2));
    const Bytes written = ReadBytes(Slot(2));
    ASSERT_EQ(written.size(), 10'590u);  // 10,570 + 8 (party) + 12 (inventory)

    ByteBuilder b;
    b.I32(123'456).I32(789).I32(12).I32(5);  // the summary head
    b.U32(7).U32(6).U32(1).Repeat32(7, 0);
    b.U32(2).U32(0).U32(1);
    b.U32(0);
    b.U32(3).I32(PackItem(1, 30)).I32(PackItem(2, 100)).I32(kSword);
    b.U32(0);
    for (int32_t id = 0; id < 1250; ++id) b.I32(id == 561 ? 1 : id == 1249 ? 2 : 0);
    for (int32_t a = 0; a < 50; ++a) b.I32(a == 0 ? 1 : 0);
    for (int32_t a = 0; a < 50; ++a) b.I32(a == 3 ? 4 : 0);
    for (int32_t c = 0; c < 50; ++c) b.I32(c == 49 ? 2 : 0);
    for (int32_t c = 0; c < 50; ++c) b.U8(c < 2 ? 1 : 0);
    for (int32_t q = 0; q < 400; ++q) b.I32(q == 399 ? 1 : 0);
    for (int32_t q = 0; q < 400; ++q) b.U8(q == 2 ? 1 : 0);
    for (int32_t q = 0; q < 400; ++q) b.I32(q == 1 ? 33 : 0);
    for (int32_t s = 0; s < 12; ++s) b.I32(s == 11 ? PackItem(3, 50) : 0);
    for (int32_t c = 0; c < 50; ++c) {
        for (PackedItem item : CharacterTable()[c].equipment) b.I32(item);  // hired or not
        b.I32(CharacterTable()[c].ranged);
    }
    EXPECT_EQ(written, b.Get());
}

TEST_F(SaveTest, RichStateComesBackFieldByField) {
    PartyState& p = GameParty();
    ExpeditionState& e = GameExpedition();
    p.gold = 999'999'999;
    p.expPool = 4321;
    p.level = 250;
    e.questsDefeated = 77;
    p.records = {1000, 990, 10};
    p.members = {5, 0, 17, 1};
    p.hired.fill(0);
    for (int32_t c : {0, 1, 5, 17, 30}) p.hired[c] = 1;
    p.shopStock.clear();
    for (int32_t i = 0; i < 20; ++i) p.shopStock.push_back({PackItem(500 + i, i * 5), 100 * i + 1});
    p.inventory.clear();
    for (int32_t i = 0; i < 300; ++i) p.inventory.push_back(PackItem(1 + i % 1249, i % 101));
    std::sort(p.inventory.begin(), p.inventory.end());
    p.storage.clear();
    for (int32_t i = 0; i < 50; ++i) p.storage.push_back(PackItem(1000 + i, 100 - i));
    std::sort(p.storage.begin(), p.storage.end());
    for (int32_t i = 0; i < 1250; ++i) p.recipes[i] = i % 3;
    for (int32_t i = 0; i < 50; ++i) {
        p.maps[i] = (i + 1) % 3;
        e.checkpoints[i] = i % 5;
        p.cards[i] = (i + 2) % 3;
    }
    for (int32_t q = 0; q < 400; ++q) {
        p.notices[q] = q % 3;
        e.hunt[q] = q % 2;
        e.clearLevel[q] = q * 2;
    }
    for (int32_t s = 0; s < 12; ++s) p.carried[s] = PackItem(1 + s, 10 * s);
    CharacterTable()[0].equipment = {kSword, kCharm, 0, kCharm, 0};
    CharacterTable()[5].equipment = {kBow, 0, 0, 0, kCharm};
    CharacterTable()[17].equipment = {0, 0, kCharm, 0, 0};
    CharacterTable()[5].ranged = 1;
    CharacterTable()[0].ranged = 0;
    const PartyState savedParty = p;
    const ExpeditionState savedExpedition = e;
    ASSERT_TRUE(SaveGame(7));

    // Everything different before the load.
    NewGame();
    p.records = {};
    e.checkpoints.fill(9);
    for (int32_t c : {0, 5, 17}) {
        CharacterTable()[c].equipment.fill(0);
        CharacterTable()[c].ranged = 1 - CharacterTable()[c].ranged;
        CharacterTable()[c].skills[0] = 99;
    }
    ASSERT_TRUE(LoadGame(7));

    EXPECT_EQ(p.gold, savedParty.gold);
    EXPECT_EQ(p.expPool, savedParty.expPool);
    EXPECT_EQ(p.level, savedParty.level);
    EXPECT_EQ(e.questsDefeated, savedExpedition.questsDefeated);
    EXPECT_EQ(p.records, savedParty.records);
    EXPECT_EQ(p.members, savedParty.members);
    EXPECT_EQ(p.hired, savedParty.hired);
    EXPECT_EQ(p.shopStock, savedParty.shopStock);
    EXPECT_EQ(p.inventory, savedParty.inventory);
    EXPECT_EQ(p.storage, savedParty.storage);
    EXPECT_EQ(p.recipes, savedParty.recipes);
    EXPECT_EQ(p.maps, savedParty.maps);
    EXPECT_EQ(p.cards, savedParty.cards);
    EXPECT_EQ(p.notices, savedParty.notices);
    EXPECT_EQ(p.carried, savedParty.carried);
    EXPECT_EQ(e.checkpoints, savedExpedition.checkpoints);
    EXPECT_EQ(e.hunt, savedExpedition.hunt);
    EXPECT_EQ(e.clearLevel, savedExpedition.clearLevel);

    const CharacterData& c0 = CharacterTable()[0];
    const CharacterData& c5 = CharacterTable()[5];
    const CharacterData& c17 = CharacterTable()[17];
    EXPECT_EQ(c0.equipment, (std::array<PackedItem, 5>{kSword, kCharm, 0, kCharm, 0}));
    EXPECT_EQ(c5.equipment, (std::array<PackedItem, 5>{kBow, 0, 0, 0, kCharm}));
    EXPECT_EQ(c17.equipment, (std::array<PackedItem, 5>{0, 0, kCharm, 0, 0}));
    EXPECT_EQ(c0.ranged, 0);
    EXPECT_EQ(c5.ranged, 1);
    // The basic attack follows the weapon that came back.
    EXPECT_EQ(c0.skills[0], kSwordAttack);
    EXPECT_EQ(c5.skills[0], kBowAttack);
    EXPECT_EQ(c17.skills[0], kUnarmed);
}

TEST_F(SaveTest, LoadRestoresTheEquipmentOfHiredCharactersOnly) {
    NewGame();
    CharacterTable()[0].equipment = {kSword, 0, 0, 0, 0};
    CharacterTable()[2].equipment = {kBow, kCharm, 0, 0, 0};  // not hired
    CharacterTable()[2].ranged = 1;
    ASSERT_TRUE(SaveGame(1));
    const Bytes file = ReadBytes(Slot(1));

    CharacterTable()[0].equipment = {0, 0, 0, 0, 0};
    CharacterTable()[2].equipment = {0, 0, 0, 0, kCharm};
    CharacterTable()[2].ranged = 0;
    CharacterTable()[2].skills[0] = 42;
    ASSERT_TRUE(LoadGame(1));
    EXPECT_EQ(CharacterTable()[0].equipment[0], kSword);
    EXPECT_EQ(CharacterTable()[2].equipment, (std::array<PackedItem, 5>{0, 0, 0, 0, kCharm}));
    EXPECT_EQ(CharacterTable()[2].ranged, 0);
    EXPECT_EQ(CharacterTable()[2].skills[0], 42);
    // The unhired character's bytes were still written from memory.
    const size_t character2 = file.size() - 48 * 24;
    EXPECT_EQ(file[character2], kBow & 0xFF);
}

TEST_F(SaveTest, SummaryShowsLevelBountiesAndGoldOfSoundFilesOnly) {
    NewGame();
    GameParty().gold = 111;
    GameParty().expPool = 222;
    GameParty().level = 333;
    GameExpedition().questsDefeated = 444;
    ASSERT_TRUE(SaveGame(4));
    Bytes cut = ReadBytes(Slot(4));
    cut.pop_back();
    WriteBytes(Slot(5), cut);

    SlotSummary s;
    ASSERT_TRUE(ReadSlotSummary(4, s));
    EXPECT_EQ(s.level, 333);
    EXPECT_EQ(s.bountiesCleared, 444);
    EXPECT_EQ(s.gold, 111);
    EXPECT_EQ(s.inUse, 1);
    EXPECT_EQ(s.damaged, 0);

    s.level = 9;
    EXPECT_FALSE(ReadSlotSummary(5, s));  // same head, one byte short
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.inUse, 0);
    EXPECT_EQ(s.damaged, 1);

    EXPECT_FALSE(ReadSlotSummary(6, s));  // no file
    EXPECT_EQ(s.inUse, 0);
    EXPECT_EQ(s.damaged, 0);
    EXPECT_FALSE(ReadSlotSummary(15, s));

    RefreshSlotSummaries();
    for (int32_t slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(SlotSummaries()[slot].inUse, slot == 4) << slot;
        EXPECT_EQ(SlotSummaries()[slot].damaged, slot == 5) << slot;
    }
    EXPECT_EQ(SlotSummaries()[4].gold, 111);
}

TEST_F(SaveTest, LastUsedSlotFollowsSavesAndSuccessfulLoads) {
    NewGame();
    ASSERT_TRUE(SaveGame(14));
    EXPECT_EQ(LastUsedSlot(), 14);
    ASSERT_TRUE(SaveGame(3));
    ASSERT_TRUE(LoadGame(14));
    EXPECT_EQ(LastUsedSlot(), 14);
    EXPECT_FALSE(LoadGame(9));  // empty
    EXPECT_EQ(LastUsedSlot(), 14);
    EXPECT_FALSE(SaveGame(15));
    EXPECT_FALSE(SaveGame(-1));
    EXPECT_FALSE(LoadGame(15));
    EXPECT_EQ(LastUsedSlot(), 14);
    EXPECT_FALSE(std::filesystem::exists(Slot(15)));
}

TEST_F(SaveTest, LoadedLevelIsAppliedFromLevelOne) {
    // What level 30 gives when reached in play from the table's level 1.
    NewGame();
    SetPartyLevel(GameParty(), 30);
    const ParamBlock expected = CharacterTable()[0].params;
    const WString title = CharacterTable()[0].title;
    TearDown();
    SetUp();

    NewGame();
    GameParty().level = 30;
    ASSERT_TRUE(SaveGame(0));
    GameParty().level = 1;
    ASSERT_TRUE(LoadGame(0));
    EXPECT_EQ(GameParty().level, 30);  // as stored; the characters still at 1
    ReapplyLoadedLevel();
    EXPECT_EQ(GameParty().level, 30);
    EXPECT_EQ(GameParty().pendingLevel, 30);
    EXPECT_EQ(CharacterTable()[0].params.values, expected.values);
    EXPECT_EQ(CharacterTable()[0].title, title);

    // A level no game reaches is kept within the levels there are.
    TearDown();
    SetUp();
    NewGame();
    GameParty().level = 5000;
    ASSERT_TRUE(SaveGame(0));
    ASSERT_TRUE(LoadGame(0));
    ReapplyLoadedLevel();
    EXPECT_EQ(GameParty().level, 999);
    EXPECT_EQ(GameParty().pendingLevel, 999);
}

}  // namespace
