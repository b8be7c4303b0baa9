#pragma once
// Checks over the whole tables for content that can never matter in play:
// skills nobody can perform, materials that cannot be had or are good for
// nothing, enemy actions that cannot do anything, and names that read as
// the same thing. Reachability follows ObtainableGoods: a character counts
// once its business card can be had, an item once it can be had, an enemy
// once it is met in an area or a quest.
#include <cstdint>
#include <string>
#include <vector>

// Named skill rows that no reachable character learns or starts with, no
// reachable item grants and no reachable enemy uses or counters with. A
// character's or weapon's skill counts only where its weapon kind fits.
std::vector<int32_t> UnusedSkills();

// Enemies met in some area encounter, quest or reinforcement whose map and
// certificate can be had.
std::vector<bool> MetEnemies();

// Named materials that no find, drop, reward, shop row or recipe gives.
std::vector<int32_t> MaterialsWithoutSource();
// Named materials that are an ingredient of no recipe the player can hold.
std::vector<int32_t> MaterialsWithoutUse();

// An enemy action or counter that cannot do anything, and why.
struct DeadAction {
    int32_t enemyId = 0;
    int32_t skillId = 0;
    std::string why;
};
std::vector<DeadAction> DeadEnemyActions();

// Why the skill, used by this enemy, cannot do anything; empty when it can.
std::string WhyActionIsDead(int32_t enemyId, int32_t skillId);

// Pairs of names in one table that are equal, or that read alike but are
// written differently: one word in kanji and in kana ("百足", "ムカデ"),
// three spellings of one title, the same characters in another order
// ("神竜", "竜神"). A name and its "大" form ("天狗", "大天狗") are a series
// and do not clash.
struct NameClash {
    std::string table;
    int32_t first = 0;
    int32_t second = 0;
    std::string firstName, secondName;
};
std::vector<NameClash> NameClashes();
// The form two names are compared in: readings unified, a leading 大 and
// the order of the characters set aside.
std::u16string NameKey(std::u16string_view name);

// Names, titles included, that write a word the way the game does not
// ("魔導士" where every other name has "魔道士").
std::vector<std::string> OffSpellings();
