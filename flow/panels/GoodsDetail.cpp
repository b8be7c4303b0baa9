// The detail of any goods in a list, by what the goods are.
#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "content/Items.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"
#include "rules/Expedition.h"

namespace {

constexpr int32_t kWidth = 260;
constexpr int32_t kGlyph = 14;
constexpr int32_t kPitch = 17;

// A title line and label-value rows under it.
struct SimpleRow {
    WString label, value;
};

PanelDrawing SimplePanel(Point origin, const WString& title, const std::vector<SimpleRow>& rows) {
    PanelDrawing d;
    const int32_t left = origin.x + 8, right = origin.x + kWidth - 8;
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 4 + 22 + int32_t(rows.size()) * kPitch + 4});
    int32_t y = origin.y + 4;
    d.Text({left, y}, title, palette::kWhite, 18, right - left);
    y += 22;
    for (const SimpleRow& r : rows) {
        const int32_t w = d.Text({right, y}, r.value, palette::kWhite, kGlyph, right - left, kAlignEnd);
        d.Text({left, y}, r.label, panelcolor::kMuted, kGlyph, right - left - w - 8);
        y += kPitch;
    }
    return d;
}

WString Ratio(int32_t owned, int32_t total) {
    WString text;
    text.Format("%3d/%3d", owned, total);
    return text;
}

PanelDrawing MapDetail(int32_t area, Point origin) {
    const AreaCollection found = CountAreaCollection(GameParty(), area);
    return SimplePanel(origin, AreaById(area).name,
                       {{WString("レシピ"), Ratio(found.recipes.owned, found.recipes.total)},
                        {WString("賞金首"), Ratio(found.notices.owned, found.notices.total)},
                        {WString("名刺"), Ratio(found.cards.owned, found.cards.total)}});
}

// Name, title and hiring fee beside a small portrait.
PanelDrawing CardDetail(int32_t character, Point origin) {
    const CharacterData& row = CharacterById(character);
    constexpr int32_t kFace = 64;
    PanelDrawing d;
    const int32_t left = origin.x + 8, right = origin.x + kWidth - 16 - kFace;
    const Rect face{right + 8, origin.y + 6, right + 8 + kFace, origin.y + 6 + kFace};
    d.Panel({origin.x, origin.y, origin.x + kWidth, face.bottom + 6});
    d.pictures.push_back({face, &row.face, palette::kWhite});
    d.Text({left, origin.y + 4}, row.name, palette::kWhite, 18, right - left);
    d.Text({left, origin.y + 26}, row.title, panelcolor::kMuted, kGlyph, right - left);
    const int32_t y = origin.y + 26 + kPitch + 6;
    const int32_t w = d.Text({right, y}, Number("%dG", row.hireFee), palette::kWhite, kGlyph,
                             right - left, kAlignEnd);
    d.Text({left, y}, WString("雇用費"), panelcolor::kMuted, kGlyph, right - left - w - 8);
    return d;
}

}  // namespace

PanelDrawing MakeGoodsDetail(PackedItem item, Point origin) {
    const int32_t id = PackedGoodsId(item);
    const int32_t quality = PackedQuality(item);
    const int32_t index = GoodsIndex(id);
    switch (ClassifyGoods(id)) {
        case GoodsKind::kWeapon:
        case GoodsKind::kAccessory: return MakeEquipmentDetail(item, origin);
        case GoodsKind::kConsumable:
            return MakeSkillDetail(MakeConsumable(id, quality), origin, GoodsPrice(item));
        case GoodsKind::kMaterial: {
            const MaterialLabel material = MakeMaterialLabel(id, quality);
            return SimplePanel(origin, material.label, {{WString("価格"), Number("%d G", material.price)}});
        }
        case GoodsKind::kRecipe: return MakeRecipeDetail(index, origin);
        case GoodsKind::kMap: return MapDetail(index, origin);
        case GoodsKind::kCard: return CardDetail(index, origin);
        case GoodsKind::kCertificate: return MakeQuestNoticeDetail(index, origin);
        default: return {};
    }
}

void DrawGoodsDetail(PackedItem item, Point origin) { DrawPanels(MakeGoodsDetail(item, origin)); }
