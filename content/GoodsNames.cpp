#include "content/GoodsNames.h"

#include "content/ContentDatabase.h"

namespace {

const WString kNoGoods(" -");

// The name a goods id refers to and, for things that are not items, the
// prefix of compact lists. Null when the id refers to nothing.
const WString* ReferredName(int32_t goodsId, const char** prefix) {
    const int32_t index = GoodsIndex(goodsId);
    switch (ClassifyGoods(goodsId)) {
        case GoodsKind::kRecipe: *prefix = "レ:%S"; return &ItemName(index);
        case GoodsKind::kMap: *prefix = "地:%S"; return &AreaById(index).name;
        case GoodsKind::kCard: *prefix = "名:%S"; return &CharacterById(index).name;
        case GoodsKind::kCertificate: *prefix = "賞:%S"; return &QuestById(index).title;
        default: return nullptr;
    }
}

WString Name(PackedItem goods, bool compact) {
    const int32_t id = PackedGoodsId(goods);
    const GoodsKind kind = ClassifyGoods(id);
    if (kind == GoodsKind::kNone || kind == GoodsKind::kInvalid) return kNoGoods;
    WString text;
    if (IsItem(id)) {
        text.Format("%S[%d]", ItemName(id), PackedQuality(goods));
        return text;
    }
    const char* prefix = "%S";
    const WString* name = ReferredName(id, &prefix);
    text.Format(compact ? prefix : "%S", *name);
    return text;
}

}  // namespace

WString GoodsDisplayName(PackedItem goods) { return Name(goods, false); }

WString GoodsListLabel(PackedItem goods) { return Name(goods, true); }
