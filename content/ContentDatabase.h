#pragma once
// The process-wide content tables. Each is a fixed-capacity array indexed by
// id, built once at start-up (in a fixed order: later builders read earlier
// tables) and read-only afterwards, except the character rows, which are the
// live records of the hireable characters.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "content/Records.h"

inline constexpr int32_t kItemCapacity = 1250;
inline constexpr int32_t kEnemyCapacity = 400;
inline constexpr int32_t kSkillCapacity = 700;
inline constexpr int32_t kCarriedSkillCapacity = 12;  // addressed as skill ids 700-711
inline constexpr int32_t kCharacterCapacity = 50;
inline constexpr int32_t kAreaCapacity = 50;
inline constexpr int32_t kQuestCapacity = 400;
inline constexpr int32_t kEffectCapacity = 300;

std::array<WString, kItemCapacity>& ItemNameTable();
std::array<RecipeData, kItemCapacity>& RecipeTable();
std::vector<ShopRow>& ShopStockTable();
std::array<EnemyData, kEnemyCapacity>& EnemyTable();
std::array<SkillData, kSkillCapacity>& SkillTable();
std::array<SkillData, kCarriedSkillCapacity>& CarriedItemSkillTable();
std::array<CharacterData, kCharacterCapacity>& CharacterTable();
std::array<AreaData, kAreaCapacity>& AreaTable();
std::array<QuestData, kQuestCapacity>& QuestTable();
std::array<EffectData, kEffectCapacity>& EffectTable();

// Readers that tolerate any id: an id outside the table gives an empty row.
const WString& ItemName(int32_t itemId);
// Ids 700-711 address the carried-item skills.
const SkillData& SkillById(int32_t skillId);
const EffectData& EffectById(int32_t effectId);
const EnemyData& EnemyById(int32_t enemyId);
const AreaData& AreaById(int32_t areaId);
const QuestData& QuestById(int32_t questId);
const CharacterData& CharacterById(int32_t characterId);

// Start-up, first step: item names, abilities and labels, characters,
// enemies, shop stock, areas, skills, effects. Builds no picture.
void BuildContentTables();
// Start-up, after the battle's status durations: recipes, then quests.
void BuildLateContentTables();

// Loads the pictures of every effect, enemy and character row. Needs the
// graphics device; a picture that cannot be loaded leaves its row without
// one. ReleaseContentPictures gives them back before the device goes.
void LoadContentPictures();
void ReleaseContentPictures();

// The game's start: faces load at once; enemies and hit effects, first
// needed in a battle, wait in a queue that the time between frames works
// off one picture at a time. A battle finishes the queue before it starts.
void QueueContentPictures();
// Loads the next queued picture; false when the queue was already empty.
bool LoadQueuedContentPicture();
void LoadQueuedContentPictures();

// Faults found while building the tables from their rows (an unknown label
// in a row text, for instance): empty when every row is sound.
std::vector<std::string>& ContentProblems();
void ReportContentProblem(std::string message);
