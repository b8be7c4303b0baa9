#pragma once
// A battle with everything on screen at once: five enemies in both rows,
// one of them falling, a four-member party at level 30 with statuses, a
// pending action, an action just taken, floating numbers and hit effects.
#include <array>
#include <vector>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleEffects.h"
#include "rules/BattleState.h"
#include "rules/Layout.h"
#include "rules/Simulation.h"

namespace scenetest {

inline constexpr int32_t kEnemyCount = 5;

// Preparing a party levels up the live character rows; this puts them back
// for the tests that run later in the same program. Faces stay loaded.
class CharacterRowsGuard {
public:
    CharacterRowsGuard() {
        for (size_t i = 0; i < saved_.size(); ++i) Copy(CharacterTable()[i], saved_[i]);
    }
    ~CharacterRowsGuard() {
        for (size_t i = 0; i < saved_.size(); ++i) Copy(saved_[i], CharacterTable()[i]);
    }
    CharacterRowsGuard(const CharacterRowsGuard&) = delete;
    CharacterRowsGuard& operator=(const CharacterRowsGuard&) = delete;

private:
    static void Copy(const CharacterData& from, CharacterData& to) {
        to.params = from.params;
        to.name = from.name;
        to.title = from.title;
        to.weaponKinds = from.weaponKinds;
        to.hireFee = from.hireFee;
        to.skills = from.skills;
        to.equipment = from.equipment;
        to.growth = from.growth;
        to.growthRemainder = from.growthRemainder;
        to.ranged = from.ranged;
        to.faceNumber = from.faceNumber;
    }
    std::array<CharacterData, kCharacterCapacity> saved_;
};

inline BattleState MakeBusyBattle() {
    SeedRandom(7);
    BattleSimSetup setup;
    for (int32_t character : {0, 1, 2, 3}) setup.members.push_back(MemberSetup{character});
    setup.level = 30;
    const PartyState party = PrepareSimParty(setup);
    Encounter encounter;
    encounter.enemies = {4, 3, 24, 0, 18};
    encounter.rows = {0, 1, 0, 1, 1};
    encounter.area = 0;
    BattleState battle;
    StartBattle(battle, party, encounter);

    BattleUnit& leader = battle.units[0];
    const std::vector<WeightedId>& leaderActions = EnemyById(leader.sourceIndex).actions;
    leader.pendingAction = leaderActions.empty() ? 0 : leaderActions.back().id;
    leader.gauge = 4000;
    leader.statusMark[StatusKind::kAtk] = StatusMark::kRaised;
    leader.statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
    leader.statusTime[StatusKind::kAtk] = leader.statusTime[StatusKind::kPoison] = 300;
    AddFloatingNumber(leader, TextColor::kWhite, 128);
    leader.texts.back().age = 12;
    StartHitEffect(leader, 40);
    leader.effects.back().frame = 6;

    battle.units[1].gauge = 9000;
    battle.units[1].actFrame = 5;
    const std::vector<WeightedId>& mageActions = EnemyById(battle.units[1].sourceIndex).actions;
    battle.units[1].lastPendingAction = mageActions.empty() ? 0 : mageActions.back().id;
    for (int32_t kind : {0, 2, 6, 17, 18, 19}) battle.units[1].statusMark[size_t(kind)] = 1;

    // The ogre has just fallen and fades.
    FallUnit(battle, battle.units[2]);
    battle.units[2].fallFrame = 12;
    AddFloatingNumber(battle.units[2], TextColor::kRed, 2417);
    battle.units[2].texts.back().age = 20;
    LayoutUnits(battle);

    battle.units[3].gauge = 2500;
    battle.units[4].gauge = 7000;
    AddFloatingText(battle.units[4], TextColor::kWhite, WString("ミス"));
    battle.units[4].texts.back().age = 30;

    BattleUnit& hero = battle.units[kEnemyCount];
    hero.hp = hero.maxHp / 2 - 1;
    hero.awaitingCommand = true;
    hero.gauge = kFullGauge;
    AddFloatingNumber(hero, TextColor::kCyan, 95);
    hero.texts.back().age = 8;

    BattleUnit& archer = battle.units[kEnemyCount + 1];
    archer.pendingAction = archer.skills.empty() ? 0 : archer.skills.front();
    archer.gauge = 6000;
    for (int32_t kind = 0; kind < 10; ++kind)
        archer.statusMark[size_t(kind)] =
            kind % 3 == 0 ? StatusMark::kAfflicted : StatusMark::kRaised;
    StartHitEffect(archer, 190);
    archer.effects.back().frame = 9;

    BattleUnit& sage = battle.units[kEnemyCount + 2];
    sage.actFrame = 10;
    sage.lastPendingAction = sage.skills.size() > 1 ? sage.skills[1] : 0;
    sage.gauge = 1500;
    sage.ep = 100;
    sage.mp = 35;

    BattleUnit& fighter = battle.units[kEnemyCount + 3];
    FallUnit(battle, fighter);
    ClearBattleStatus(fighter);
    return battle;
}

// One of the tallest bosses in the back row between two small enemies, the
// boss under the target cursor with statuses.
inline constexpr int32_t kTallBoss = 298;

inline BattleState MakeBossBattle() {
    SeedRandom(11);
    BattleSimSetup setup;
    for (int32_t character : {4, 5, 6}) setup.members.push_back(MemberSetup{character});
    setup.level = 900;
    const PartyState party = PrepareSimParty(setup);
    Encounter encounter;
    encounter.enemies = {0, kTallBoss, 6};
    encounter.rows = {0, 1, 0};
    BattleState battle;
    StartBattle(battle, party, encounter);
    BattleUnit& boss = battle.units[1];
    for (int32_t kind : {1, 4, 8, 11, 20, 24, 29}) {
        boss.statusMark[size_t(kind)] = kind < 10 ? StatusMark::kRaised : StatusMark::kAfflicted;
        boss.statusTime[size_t(kind)] = 100;
    }
    AddFloatingNumber(boss, TextColor::kWhite, 99999);
    boss.texts.back().age = 16;
    return battle;
}

}  // namespace scenetest
