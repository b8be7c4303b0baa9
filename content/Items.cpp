#include "content/Items.h"

#include "content/ItemDefinitions.h"

void BuildItemDefinitions() {
    BuildConsumableDefinitions();
    BuildEquipmentDefinitions();
}

int32_t GoodsPrice(PackedItem goods) {
    if (goods == 0) return 0;
    const int32_t id = PackedGoodsId(goods);
    const int32_t quality = PackedQuality(goods);
    switch (ClassifyGoods(id)) {
        case GoodsKind::kConsumable: return MakeConsumable(id, quality).price;
        case GoodsKind::kWeapon:
        case GoodsKind::kAccessory: return MakeItemData(id, quality).price;
        case GoodsKind::kMaterial: return MakeMaterialLabel(id, quality).price;
        default: return 0;
    }
}
