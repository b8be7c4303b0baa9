#pragma once
// Battles built by hand: skill and enemy rows written into the process-wide
// tables for one test and put back after it, units made directly, and a
// seeded generator whose draws a test can replay to compute its expectation.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <utility>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleState.h"

// Ids whose rows the tests may overwrite (the content leaves them empty).
inline constexpr int32_t kTestSkill = 690;    // 690-699
inline constexpr int32_t kTestEnemy = 390;    // 390-399
inline constexpr int32_t kTestCharacter = 40; // 40-49

// The real tables, built once per test program, for tests that need items.
inline void EnsureContentBuilt() {
    static const bool built = [] {
        BuildContentTables();
        return true;
    }();
    (void)built;
}

class BattleTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureContentBuilt();
        SeedRandom(20240607);
        savedSkills_ = SkillTable();
        savedCarried_ = CarriedItemSkillTable();
        for (int32_t i = 0; i < 10; ++i) {
            std::swap(savedEnemies_[i], EnemyTable()[kTestEnemy + i]);
            std::swap(savedCharacters_[i], CharacterTable()[kTestCharacter + i]);
        }
    }
    void TearDown() override {
        SkillTable() = savedSkills_;
        CarriedItemSkillTable() = savedCarried_;
        for (int32_t i = 0; i < 10; ++i) {
            std::swap(savedEnemies_[i], EnemyTable()[kTestEnemy + i]);
            std::swap(savedCharacters_[i], CharacterTable()[kTestCharacter + i]);
        }
    }

    // A skill row that hits once, always lands (unless asked) and never
    // criticals, aimed at one unit.
    SkillData& Skill(int32_t n, int32_t type, int32_t power) {
        SkillData& s = SkillTable()[kTestSkill + n];
        s = SkillData{};
        s.name = WString("テスト技");
        s.type = type;
        s.power = power;
        s.hits = 1;
        s.hitBonus = 1000;
        s.critBonus = -1000;
        s.speed = 100;
        s.weaponKind = 8;
        s.ranged = 1;
        return s;
    }
    static int32_t SkillId(int32_t n) { return kTestSkill + n; }

    // Base parameters in order Hp, Atk, Mag, Hit, Cri, Avo, Luck, Sp.
    int32_t AddUnit(int32_t side, std::initializer_list<int32_t> base, int32_t row = 0) {
        BattleUnit unit;
        int32_t i = 0;
        for (int32_t v : base) unit.params.Base(i++) = v;
        unit.maxHp = unit.params.Base(BaseParam::kHp);
        unit.hp = unit.maxHp;
        unit.side = side;
        unit.row = row;
        unit.size = Size{100, 100};
        battle.units.push_back(unit);
        return static_cast<int32_t>(battle.units.size()) - 1;
    }
    BattleUnit& U(int32_t index) { return battle.units[index]; }

    // Replays the draws that `action` makes: returns them in order, leaving
    // the generator where the action left it.
    template <class Action>
    std::vector<int32_t> ReplayDraws(Action action, std::initializer_list<std::pair<int32_t, int32_t>> ranges) {
        const Mt19937 before = RandomGenerator();
        action();
        const Mt19937 after = RandomGenerator();
        RandomGenerator() = before;
        std::vector<int32_t> draws;
        for (const auto& range : ranges) draws.push_back(RandomInt(range.first, range.second));
        RandomGenerator() = after;
        return draws;
    }

    static std::string LastText(const BattleUnit& unit) {
        for (auto it = unit.texts.rbegin(); it != unit.texts.rend(); ++it)
            if (it->running) return it->text.ToUtf8();
        return "";
    }

    BattleState battle;

private:
    std::array<SkillData, kSkillCapacity> savedSkills_;
    std::array<SkillData, kCarriedSkillCapacity> savedCarried_;
    std::array<EnemyData, 10> savedEnemies_;
    std::array<CharacterData, 10> savedCharacters_;
};
