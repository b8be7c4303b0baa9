#include "content/PackedItem.h"

GoodsKind ClassifyGoods(int32_t goodsId) {
    using namespace GoodsRange;
    if (goodsId == 0) return GoodsKind::kNone;
    if (goodsId < 0 || goodsId >= kEnd) return GoodsKind::kInvalid;
    if (goodsId < kWeaponFirst) return GoodsKind::kConsumable;
    if (goodsId < kAccessoryFirst) return GoodsKind::kWeapon;
    if (goodsId < kMaterialFirst) return GoodsKind::kAccessory;
    if (goodsId < kRecipeFirst) return GoodsKind::kMaterial;
    if (goodsId < kMapFirst) return GoodsKind::kRecipe;
    if (goodsId < kCardFirst) return GoodsKind::kMap;
    if (goodsId < kCertificateFirst) return GoodsKind::kCard;
    return GoodsKind::kCertificate;
}

int32_t GoodsIndex(int32_t goodsId) {
    using namespace GoodsRange;
    switch (ClassifyGoods(goodsId)) {
        case GoodsKind::kRecipe: return goodsId - kRecipeFirst;
        case GoodsKind::kMap: return goodsId - kMapFirst;
        case GoodsKind::kCard: return goodsId - kCardFirst;
        case GoodsKind::kCertificate: return goodsId - kCertificateFirst;
        case GoodsKind::kInvalid: return -1;
        default: return goodsId;
    }
}

PackedItem PackItem(int32_t goodsId, int32_t quality) {
    if (quality > 100) quality = 100;
    if (quality < 0) quality = 0;
    return static_cast<PackedItem>(static_cast<uint32_t>(goodsId) << 8) + (100 - quality);
}
