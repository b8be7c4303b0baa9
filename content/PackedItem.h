#pragma once
// Goods ids and the 32-bit (goods id, quality) value that every list of
// goods stores: value = id * 256 + (100 - quality).
#include <cstdint>

using PackedItem = int32_t;

namespace GoodsRange {
inline constexpr int32_t kConsumableFirst = 1;
inline constexpr int32_t kWeaponFirst = 500;
inline constexpr int32_t kAccessoryFirst = 750;
inline constexpr int32_t kMaterialFirst = 1000;
inline constexpr int32_t kRecipeFirst = 1250;  // recipe for item id - 1250
inline constexpr int32_t kMapFirst = 2500;     // map of area id - 2500
inline constexpr int32_t kCardFirst = 2550;    // business card of character id - 2550
inline constexpr int32_t kCertificateFirst = 2600;  // certificate of quest id - 2600
inline constexpr int32_t kEnd = 3000;          // 400 quests
}  // namespace GoodsRange

enum class GoodsKind : int32_t {
    kNone,  // goods id 0
    kConsumable,
    kWeapon,
    kAccessory,
    kMaterial,
    kRecipe,
    kMap,
    kCard,
    kCertificate,
    kInvalid,  // outside every range (a damaged save, for instance)
};

GoodsKind ClassifyGoods(int32_t goodsId);
// Index into the table the goods refer to: the item id, the recipe's
// product, the area, the character or the quest.
int32_t GoodsIndex(int32_t goodsId);
inline bool IsItem(int32_t goodsId) { return goodsId >= 0 && goodsId < GoodsRange::kRecipeFirst; }

// Quality is clamped to 0-100: a negative quality would spill into the id.
PackedItem PackItem(int32_t goodsId, int32_t quality);

inline int32_t PackedGoodsId(PackedItem value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) >> 8);
}
// A low byte above 100 (only a damaged value has one) reads as quality 0.
inline int32_t PackedQuality(PackedItem value) {
    const int32_t quality = 100 - (value & 255);
    return quality < 0 ? 0 : quality;
}
