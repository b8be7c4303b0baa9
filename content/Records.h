#pragma once
// The content record types. Fields come in the order the game defines them;
// the asset fields that follow (file names and load parameters of pictures)
// are kept so that the pictures can be loaded, and generated, from the rows.
#include <array>
#include <cstdint>
#include <vector>

#include "content/PackedItem.h"
#include "content/ParamBlock.h"
#include "engine/graphics/Texture.h"
#include "engine/text/WString.h"

// (skill id, weight), (skill id, chance %), (goods id, share %) or
// (enemy id, period in ticks), depending on the list that holds it.
struct WeightedId {
    int32_t id = 0;
    int32_t weight = 0;
    bool operator==(const WeightedId&) const = default;
};

struct DropEntry {
    int32_t itemId = 0;
    int32_t baseQuality = 0;
    int32_t qualitySpread = 0;
    int32_t chance = 0;  // out of 10000
    bool operator==(const DropEntry&) const = default;
};

// Built on demand from (item id, quality); never stored in a table.
struct ItemData {
    static constexpr int32_t kGrantedSkills = 5;
    ParamBlock params;  // bonuses
    int32_t price = 0;
    int32_t kind = 0;   // WeaponKind for weapons, kNone for accessories
    std::array<int32_t, kGrantedSkills> grantedSkills{};  // from the front, 0 = none
};

struct MaterialLabel {
    WString label;  // "name[quality]"
    int32_t price = 0;
};

struct RecipeData {
    int32_t product = 0;  // the row's own index
    int32_t fee = 0;
    std::vector<WeightedId> ingredients;  // (goods id, share %), in display order
};

struct ShopRow {
    int32_t goodsId = 0;
    int32_t baseQuality = 0;
    int32_t qualitySpread = 0;
    int32_t minProgress = 0;  // quests defeated before the row is offered
    int32_t maxProgress = 0;  // progress at which the quality ramp tops out
    int32_t chance = 0;       // out of 10000 per draw
    int32_t price = 0;        // fixed price, or -1 for the goods' own price
    bool operator==(const ShopRow&) const = default;
};

struct EnemyData {
    ParamBlock params;
    WString name;
    Texture sprite;
    std::vector<WeightedId> actions;   // (skill id, weight)
    std::vector<DropEntry> drops;
    std::vector<WeightedId> counters;  // (skill id, chance %)
    int32_t exp = 0;
    int32_t gold = 0;
    int32_t frontChance = 0;  // % chance of standing in the front row
    // Picture: "image\enemy\<picture>", hue shifted, size scaled.
    WString picture;
    int32_t hue = 0;
    double scale = 0.9;
};

struct SkillData {
    WString name;
    int32_t epCost = 0;
    int32_t mpCost = 0;
    int32_t type = 0;       // SkillType
    int32_t subtype = 0;
    int32_t targetKind = 0;  // TargetKind
    int32_t hits = 0;
    int32_t element = 0;
    int32_t power = 0;
    int32_t hitBonus = 0;
    int32_t critBonus = 0;
    int32_t speed = 0;       // % of gauge speed while pending
    std::array<int32_t, StatusKind::kCount> statusChance{};
    int32_t effect = 0;      // EffectData row
    int32_t price = 0;       // consumables only
    int32_t itemUses = 0;    // carried items only
    int32_t weaponKind = 0;
    int32_t ranged = 0;
    int32_t reflectable = 0;
};

struct EffectData {
    Texture sprite;
    WString sound;  // file name in "sound", extension included
    // Picture: "image\effect\<picture>", cut into columns x rows frames.
    WString picture;
    int32_t columns = 1;
    int32_t rows = 1;
    int32_t hue = 0;
};

struct CharacterData {
    static constexpr int32_t kSkillSlots = 30;
    static constexpr int32_t kEquipmentSlots = 5;
    ParamBlock params;
    WString name;
    WString title;
    Texture face;
    std::vector<int32_t> weaponKinds;
    int32_t hireFee = 0;
    std::array<int32_t, kSkillSlots> skills{};  // slot 0: the basic attack
    std::array<PackedItem, kEquipmentSlots> equipment{};  // slot 0: the weapon
    std::array<int32_t, BaseParam::kCount> growth{};           // hundredths per level
    std::array<int32_t, BaseParam::kCount> growthRemainder{};  // hundredths not yet added
    int32_t ranged = 0;
    // Picture: "image\face\<faceNumber>.bmp".
    int32_t faceNumber = 0;
};

struct EncounterRow {
    int32_t enemyId = 0;
    int32_t cost = 0;
    int32_t minLevel = 0;
    int32_t maxLevel = 0;
    int32_t chance = 0;  // out of 10000
    bool operator==(const EncounterRow&) const = default;
};

struct FindRow {
    int32_t goodsId = 0;
    int32_t baseQuality = 0;
    int32_t qualitySpread = 0;
    int32_t minLevel = 0;
    int32_t maxLevel = 0;
    int32_t chance = 0;  // out of 10000
    bool operator==(const FindRow&) const = default;
};

struct AreaData {
    int32_t background = 0;  // "image\back\%d.bmp"
    std::vector<EncounterRow> encounters;
    std::vector<FindRow> finds;
    WString name;
    WString fieldMusic;
    WString battleMusic;
    int32_t budgetBase = 0;
    int32_t budgetStep = 0;
};

struct QuestData {
    WString title;
    std::vector<int32_t> enemies;
    std::vector<int32_t> rows;  // parallel to enemies: 0 front, 1 back
    int32_t area = 0;
    int32_t minLevel = 0;
    int32_t maxLevel = 0;
    int32_t chance = 0;  // out of 10000 per step
    WString music;
    int32_t recommendedLevel = 0;  // 500 and above shows as unknown
    int32_t rewardGold = 0;
    std::vector<PackedItem> rewards;
    std::vector<WeightedId> reinforcements;  // (enemy id, period in ticks)
};
