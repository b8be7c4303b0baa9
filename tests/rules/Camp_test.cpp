#include "rules/Camp.h"

#include <gtest/gtest.h>

namespace {

TEST(Camp, AddAndStandByFollowThePartySize) {
    PartyState party;
    party.hired[0] = party.hired[1] = 1;
    party.members = {0};
    auto open = [&](int32_t entry) { return CampMenuEnabled(party)[entry] != 0; };
    EXPECT_TRUE(open(CampEntry::kAdd));
    EXPECT_FALSE(open(CampEntry::kStandBy));
    EXPECT_FALSE(StandBy(party, 0));  // the last member stays
    EXPECT_FALSE(AddMember(party, 2));  // not hired
    EXPECT_TRUE(AddMember(party, 1));
    EXPECT_FALSE(AddMember(party, 1));
    EXPECT_FALSE(open(CampEntry::kAdd));  // every hired character is in
    EXPECT_TRUE(open(CampEntry::kStandBy));
    for (int32_t id = 2; id < 6; ++id) party.hired[id] = 1;
    AddMember(party, 2);
    AddMember(party, 3);
    EXPECT_FALSE(AddMember(party, 4));
    EXPECT_FALSE(open(CampEntry::kAdd));  // four members
    EXPECT_TRUE(StandBy(party, 1));
    EXPECT_EQ(party.members, (std::vector<int32_t>{0, 2, 3}));
}

}  // namespace
