#include "rules/Levels.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "content/ContentDatabase.h"

namespace {

TEST(Levels, ExperienceToTheNextLevel) {
    EXPECT_EQ(ExpToNext(1), 40);
    EXPECT_EQ(ExpToNext(2), 76);
    EXPECT_EQ(ExpToNext(10), 652);
}

TEST(Levels, ThreeSingleRaisesEqualOneRaiseByThree) {
    CharacterData one, three;
    for (CharacterData* c : {&one, &three}) {
        c->growth = {4200, 230, 120, 10, 10, 10, 10, 40};
        c->params.Base(BaseParam::kHp) = 230;
    }
    GrowCharacter(one, 1);
    GrowCharacter(one, 1);
    GrowCharacter(one, 1);
    GrowCharacter(three, 3);
    EXPECT_EQ(one.params, three.params);
    EXPECT_EQ(one.growthRemainder, three.growthRemainder);
    EXPECT_EQ(three.params.Base(BaseParam::kHp), 230 + 126);
    EXPECT_EQ(three.params.Base(BaseParam::kAtk), 6);
    EXPECT_EQ(three.growthRemainder[BaseParam::kAtk], 90);
    EXPECT_EQ(three.growthRemainder[BaseParam::kHit], 30);
}

TEST(Levels, PartyLevelRaisesInStepsOrAtOnceGiveTheSameCharacters) {
    std::array<CharacterData, kCharacterCapacity> saved;
    for (int32_t i = 0; i < kCharacterCapacity; ++i) std::swap(saved[i], CharacterTable()[i]);
    auto grown = [](std::initializer_list<int32_t> levels) {
        CharacterData& row = CharacterTable()[40];
        row = CharacterData{};
        row.growth = {4200, 230, 120, 10, 10, 10, 10, 40};
        PartyState party;
        for (int32_t level : levels) SetPartyLevel(party, level);
        EXPECT_EQ(party.level, std::min(*std::prev(levels.end()), kMaxLevel));
        return std::pair{row.params, row.growthRemainder};
    };
    EXPECT_EQ(grown({2, 3, 4}), grown({4}));
    EXPECT_EQ(grown({4, 4}), grown({4}));  // the current level changes nothing
    EXPECT_EQ(grown({1200}), grown({999}));
    for (int32_t i = 0; i < kCharacterCapacity; ++i) std::swap(saved[i], CharacterTable()[i]);
}

TEST(Levels, PoolPaysForSeveralLevelsAndStopsAtTheTop) {
    PartyState party;
    GainExperience(party, ExpToNext(1) + ExpToNext(2) + ExpToNext(3) - 1);
    EXPECT_EQ(party.pendingLevel, 3);
    EXPECT_EQ(party.expPool, ExpToNext(3) - 1);
    party.level = kMaxLevel;
    party.expPool = 0;
    GainExperience(party, 1000000);
    EXPECT_EQ(party.expPool, 0);
    EXPECT_EQ(party.pendingLevel, kMaxLevel);
}

}  // namespace
