#include "content/ContentDatabase.h"

#include <cstdint>
#include <utility>

#include "content/Areas.h"
#include "content/Characters.h"
#include "content/ContentPictures.h"
#include "content/Effects.h"
#include "content/Enemies.h"
#include "content/ItemNames.h"
#include "content/Items.h"
#include "content/Quests.h"
#include "content/Recipes.h"
#include "content/ShopStock.h"
#include "content/Skills.h"

namespace {

template <class T, size_t N>
const T& Row(std::array<T, N>& table, int32_t id) {
    static const T empty{};
    if (id < 0 || static_cast<size_t>(id) >= N) return empty;
    return table[id];
}

}  // namespace

std::array<WString, kItemCapacity>& ItemNameTable() {
    static std::array<WString, kItemCapacity> table;
    return table;
}

std::array<RecipeData, kItemCapacity>& RecipeTable() {
    static std::array<RecipeData, kItemCapacity> table;
    return table;
}

std::vector<ShopRow>& ShopStockTable() {
    static std::vector<ShopRow> table;
    return table;
}

std::array<EnemyData, kEnemyCapacity>& EnemyTable() {
    static std::array<EnemyData, kEnemyCapacity> table;
    return table;
}

std::array<SkillData, kSkillCapacity>& SkillTable() {
    static std::array<SkillData, kSkillCapacity> table;
    return table;
}

std::array<SkillData, kCarriedSkillCapacity>& CarriedItemSkillTable() {
    static std::array<SkillData, kCarriedSkillCapacity> table;
    return table;
}

std::array<CharacterData, kCharacterCapacity>& CharacterTable() {
    static std::array<CharacterData, kCharacterCapacity> table;
    return table;
}

std::array<AreaData, kAreaCapacity>& AreaTable() {
    static std::array<AreaData, kAreaCapacity> table;
    return table;
}

std::array<QuestData, kQuestCapacity>& QuestTable() {
    static std::array<QuestData, kQuestCapacity> table;
    return table;
}

std::array<EffectData, kEffectCapacity>& EffectTable() {
    static std::array<EffectData, kEffectCapacity> table;
    return table;
}

const WString& ItemName(int32_t itemId) { return Row(ItemNameTable(), itemId); }

const SkillData& SkillById(int32_t skillId) {
    if (skillId >= kSkillCapacity) return Row(CarriedItemSkillTable(), skillId - kSkillCapacity);
    return Row(SkillTable(), skillId);
}

const EffectData& EffectById(int32_t effectId) { return Row(EffectTable(), effectId); }
const EnemyData& EnemyById(int32_t enemyId) { return Row(EnemyTable(), enemyId); }
const AreaData& AreaById(int32_t areaId) { return Row(AreaTable(), areaId); }
const QuestData& QuestById(int32_t questId) { return Row(QuestTable(), questId); }
const CharacterData& CharacterById(int32_t characterId) {
    return Row(CharacterTable(), characterId);
}

void BuildContentTables() {
    ContentProblems().clear();
    BuildItemNames();
    BuildItemDefinitions();
    // The ability catalogue and the label tables are constant and need no
    // step. The order is fixed: later builders may read earlier tables.
    BuildCharacters();
    BuildEnemies();
    BuildShopStock();
    BuildAreas();
    BuildSkills();
    BuildEffects();
}

void BuildLateContentTables() {
    BuildRecipes();
    BuildQuests();
}

namespace {

// Queued rows: enemies first, then effects; positions past the end mean
// nothing is waiting.
size_t g_nextQueued = SIZE_MAX;

}  // namespace

void QueueContentPictures() {
    for (CharacterData& row : CharacterTable()) LoadCharacterFace(row);
    g_nextQueued = 0;
}

bool LoadQueuedContentPicture() {
    auto& enemies = EnemyTable();
    auto& effects = EffectTable();
    if (g_nextQueued >= enemies.size() + effects.size()) return false;
    const size_t n = g_nextQueued++;
    if (n < enemies.size()) {
        LoadEnemyPicture(enemies[n]);
    } else {
        LoadEffectPicture(effects[n - enemies.size()]);
    }
    return true;
}

void LoadQueuedContentPictures() {
    while (LoadQueuedContentPicture()) {
    }
}

void LoadContentPictures() {
    QueueContentPictures();
    LoadQueuedContentPictures();
}

void ReleaseContentPictures() {
    g_nextQueued = SIZE_MAX;
    for (EffectData& row : EffectTable()) row.sprite.Release();
    for (EnemyData& row : EnemyTable()) row.sprite.Release();
    for (CharacterData& row : CharacterTable()) row.face.Release();
}

std::vector<std::string>& ContentProblems() {
    static std::vector<std::string> problems;
    return problems;
}

void ReportContentProblem(std::string message) { ContentProblems().push_back(std::move(message)); }
