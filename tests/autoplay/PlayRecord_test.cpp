// What the automatic player writes down for the balance report: when goods
// were first held and at what quality, the party of each departure, and
// characters held from the start counting as their cards.
#include "tools/autoplay/PlayRecord.h"

#include <gtest/gtest.h>

#include "content/ContentFixture.h"
#include "rules/Belongings.h"

namespace {

class PlayRecordTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureContentBuilt(); }
};

TEST_F(PlayRecordTest, GoodsKeepTheExpeditionTheyWereFirstHeldInAndTheirBestQuality) {
    PlayRecord record;
    PartyState party;
    record.expeditions = 3;
    party.inventory = {PackItem(1, 30)};
    NoteHoldings(record, party);
    record.expeditions = 7;
    party.inventory = {PackItem(1, 80), PackItem(2, 10)};
    NoteHoldings(record, party);
    party.inventory = {PackItem(1, 50)};
    NoteHoldings(record, party);

    EXPECT_EQ(record.obtained[1], 4);  // first held before the fourth departure
    EXPECT_EQ(record.obtained[2], 8);
    EXPECT_EQ(record.obtained[3], 0);
    EXPECT_EQ(record.bestQuality[1], 80);  // the best held, not the last
    EXPECT_EQ(record.bestQuality[3], -1);
}

TEST_F(PlayRecordTest, HiredCharactersCountAsTheirCardsAndDeparturesKeepTheParty) {
    PlayRecord record;
    PartyState party;
    party.hired[0] = 1;
    party.members = {0};
    party.carried[2] = PackItem(1, 40);
    NoteHoldings(record, party);
    EXPECT_NE(record.obtained[GoodsRange::kCardFirst + 0], 0);
    EXPECT_EQ(record.obtained[GoodsRange::kCardFirst + 1], 0);

    record.expeditions = 5;
    record.battles = 12;
    const Departure d = TakeDeparture(party, record, 2);
    EXPECT_EQ(d.expedition, 5);
    EXPECT_EQ(d.area, 2);
    EXPECT_EQ(d.battles, 12);
    ASSERT_EQ(d.members.size(), 1u);
    EXPECT_EQ(d.members[0].character, 0);
    EXPECT_TRUE(d.members[0].equip);
    EXPECT_EQ(d.members[0].equipment, CharacterById(0).equipment);
    EXPECT_EQ(d.carried[2], PackItem(1, 40));
}

}  // namespace
