#include "flow/RowFormats.h"

#include <array>

#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/GameFlow.h"
#include "flow/Palette.h"
#include "flow/SaveSlots.h"
#include "flow/SharedPictures.h"
#include "rules/BattleState.h"
#include "rules/CommandInput.h"
#include "rules/Costs.h"
#include "rules/Expedition.h"
#include "rules/PawnShop.h"
#include "rules/Quests.h"

namespace {

constexpr std::array<const char*, 2> kTitleMenuTexts{"はじめから", "つづきから"};
constexpr std::array<const char*, 8> kTownMenuTexts{"外へ出る", "キャンプ", "ショップ", "質屋",
                                                    "合成",     "ギルド",   "酒場",     "セーブ"};
constexpr std::array<const char*, 7> kCampMenuTexts{"アイテム", "倉庫", "アイテム装備", "装備",
                                                    "加える",   "待機", "隊列"};

Color RowColor(bool highlighted, bool greyed) {
    if (greyed) return highlighted ? palette::kDarkRed : palette::kGrey;
    return highlighted ? palette::kRed : palette::kWhite;
}

// Writes one row's texts: the first at the cell's top left plus the
// format's offset, the others at distances from that first position.
// Leaves the text white and centred, as the screens expect it.
class RowPen {
public:
    RowPen(const Rect& cell, Point offset, Color color)
        : x_(cell.left + offset.x), y_(cell.top + offset.y) {
        Graphics().SetColor(color);
    }
    ~RowPen() {
        Graphics().SetColor(palette::kWhite);
        Graphics().Text().SetTextAlign(kAlignCentre, kAlignCentre);
    }
    RowPen(const RowPen&) = delete;
    RowPen& operator=(const RowPen&) = delete;

    void SetColor(Color color) { Graphics().SetColor(color); }
    void Left(int32_t distance, const WString& text) { Put(distance, text, kAlignStart); }
    // Right-aligned: the text ends at the distance.
    void Right(int32_t distance, const WString& text) { Put(distance, text, kAlignEnd); }

private:
    void Put(int32_t distance, const WString& text, int32_t horizontal) {
        TextRenderer& renderer = Graphics().Text();
        renderer.SetTextAlign(horizontal, kAlignStart);
        renderer.DrawText({x_ + distance, y_}, text);
    }

    int32_t x_;
    int32_t y_;
};

WString Gold(int32_t amount) {
    WString text;
    text.Format("%dG", amount);
    return text;
}

void AreaRow(const Rect& cell, int32_t area, bool highlighted) {
    RowPen pen(cell, {5, 0}, RowColor(highlighted, false));
    pen.Left(0, AreaById(area).name);
}

void CommandRow(const Rect& cell, int32_t command, bool highlighted) {
    const BattleState& battle = GameBattle();
    const SkillData& skill = SkillById(command);
    WString cost;
    bool greyed = false;
    if (command >= kItemCommandBase) {
        const int32_t slot = command - kItemCommandBase;
        const int32_t uses = slot < kCarriedSlots ? battle.itemUses[static_cast<size_t>(slot)] : 0;
        greyed = uses < 1;
        cost.Format("    ×%2d", uses);
    } else {
        int32_t epCost = skill.epCost;
        const int32_t unit = CommandingUnit(battle);
        if (unit >= 0 && unit < static_cast<int32_t>(battle.units.size())) {
            const BattleUnit& actor = battle.units[static_cast<size_t>(unit)];
            greyed = !CanPayCosts(actor, skill);
            epCost = EpCostFor(actor, skill);
        }
        cost.Format("%3d/%3d", epCost, skill.mpCost);
    }
    RowPen pen(cell, {10, 5}, RowColor(highlighted, greyed));
    pen.Left(0, skill.name);
    pen.Left(120, cost);
}

void ItemRow(const Rect& cell, int32_t entry, PackedItem item, bool highlighted) {
    RowPen pen(cell, {5, 0}, RowColor(highlighted, false));
    // The first row of the equipment and carried-item choices takes nothing.
    pen.Left(0, entry == -1 && item == 0 ? WString("なし") : GoodsListLabel(item));
}

void PawnRow(const Rect& cell, PackedItem item, bool highlighted) {
    RowPen pen(cell, {5, 0}, RowColor(highlighted, false));
    pen.Left(0, GoodsListLabel(item));
    pen.Right(225, Gold(PawnPrice(item)));
}

void StockRow(const Rect& cell, int32_t row, bool highlighted) {
    const PartyState& party = GameParty();
    if (row < 0 || row >= static_cast<int32_t>(party.shopStock.size())) return;
    const ShopOffer& offer = party.shopStock[static_cast<size_t>(row)];
    RowPen pen(cell, {10, 0}, RowColor(highlighted, offer.price > party.gold));
    pen.Left(0, GoodsListLabel(offer.item));
    pen.Right(225, Gold(offer.price));
}

void BountyRow(const Rect& cell, PackedItem record, bool highlighted) {
    const int32_t id = PackedGoodsId(record);
    if (ClassifyGoods(id) != GoodsKind::kCertificate) return;
    const QuestListRow row = MakeQuestListRow(GameExpedition(), GoodsIndex(id));
    // Only the hunt switch greys: an ignored bounty is still listed in full.
    RowPen pen(cell, {5, 0}, RowColor(highlighted, !row.hunting));
    pen.Left(0, row.hunt);
    pen.SetColor(RowColor(highlighted, false));
    pen.Left(50, row.cleared);
    pen.Left(100, row.label);
    pen.Left(270, row.recommended);
    pen.Left(370, row.area);
    pen.Left(500, row.window);
}

void TavernRow(const Rect& cell, int32_t character, bool highlighted) {
    const CharacterData& data = CharacterById(character);
    RowPen pen(cell, {5, 0}, RowColor(highlighted, data.hireFee > GameParty().gold));
    pen.Left(0, data.name);
    pen.Right(195, Gold(data.hireFee));
}

void CharacterRow(const Rect& cell, int32_t character, bool highlighted) {
    RowPen pen(cell, {5, 0}, RowColor(highlighted, false));
    pen.Left(0, CharacterById(character).name);
}

void RecipeRow(const Rect& cell, PackedItem record, bool highlighted) {
    const int32_t id = PackedGoodsId(record);
    if (ClassifyGoods(id) != GoodsKind::kRecipe) return;
    const int32_t fee = RecipeTable()[static_cast<size_t>(GoodsIndex(id))].fee;
    RowPen pen(cell, {5, 0}, RowColor(highlighted, fee > GameParty().gold));
    pen.Left(0, GoodsDisplayName(record));
    pen.Right(225, Gold(fee));
}

void SynthesisSlotRow(const Rect& cell, int32_t slot, bool highlighted) {
    const SynthesisSelection& synthesis = Flow().synthesis;
    if (synthesis.product < 0 || synthesis.product >= kItemCapacity) return;
    const std::vector<WeightedId>& ingredients =
        RecipeTable()[static_cast<size_t>(synthesis.product)].ingredients;
    if (slot < 0 || slot >= static_cast<int32_t>(ingredients.size())) return;
    const WeightedId& ingredient = ingredients[static_cast<size_t>(slot)];
    WString required;
    required.Format("%S(%d)", ItemName(ingredient.id), ingredient.weight);
    WString placed("-");
    if (slot < static_cast<int32_t>(synthesis.slots.size())) {
        const SynthesisSlot& held = synthesis.slots[static_cast<size_t>(slot)];
        if (held.filled != 0) placed = GoodsListLabel(held.item);
    }
    RowPen pen(cell, {5, 0}, RowColor(highlighted, false));
    pen.Left(0, required);
    pen.Left(180, placed);
}

void DepthRow(const Rect& cell, int32_t depth, bool highlighted) {
    WString text;
    text.Format("Lv %d", depth);
    RowPen pen(cell, {5, 0}, RowColor(highlighted, false));
    pen.Left(0, text);
}

void SaveSlotRow(const Rect& cell, int32_t slot, bool highlighted) {
    if (slot < 0 || slot >= kSlotCount) return;
    const SlotSummary& summary = SlotSummaries()[static_cast<size_t>(slot)];
    RowPen pen(cell, {15, 0}, RowColor(highlighted, false));
    if (summary.inUse == 0) {
        pen.Left(0, WString(summary.damaged != 0 ? "破損" : "-"));
        return;
    }
    WString number;
    pen.Left(0, WString("Lv"));
    number.Format("%3d", summary.level);
    pen.Right(60, number);
    pen.Left(120, WString("撃破数"));
    number.Format("%3d", summary.bountiesCleared);
    pen.Left(220, number);
    pen.Left(260, WString("Gold"));
    number.Format("%12d", summary.gold);
    pen.Left(400, number);
}

void CentredText(const Rect& cell, const WString& text, Color color) {
    GraphicsDevice& device = Graphics();
    TextRenderer& renderer = device.Text();
    device.SetColor(color);
    renderer.SetTextAlign(kAlignCentre, kAlignCentre);
    renderer.DrawText(AnchorOf(cell, kAlignCentre, kAlignCentre), text);
    device.SetColor(palette::kWhite);
}

}  // namespace

int32_t MenuTextCount(uint32_t menuFormat) {
    switch (menuFormat) {
        case RowFormat::kTitleMenu: return static_cast<int32_t>(kTitleMenuTexts.size());
        case RowFormat::kTownMenu: return static_cast<int32_t>(kTownMenuTexts.size());
        case RowFormat::kCampMenu: return static_cast<int32_t>(kCampMenuTexts.size());
        default: return 0;
    }
}

WString MenuText(uint32_t menuFormat, int32_t entry) {
    if (entry < 0 || entry >= MenuTextCount(menuFormat)) return WString();
    const size_t i = static_cast<size_t>(entry);
    switch (menuFormat) {
        case RowFormat::kTitleMenu: return WString(kTitleMenuTexts[i]);
        case RowFormat::kTownMenu: return WString(kTownMenuTexts[i]);
        default: return WString(kCampMenuTexts[i]);
    }
}

void PanelFrame(uint32_t, const Rect& rect) {
    GraphicsDevice& device = Graphics();
    device.SetColor(palette::kPanelBlue);
    device.DrawRect(rect, Pictures().panel, 0);
    device.SetColor(palette::kWhite);
}

void ScrollMarks(uint32_t, const Rect& rect, bool moreAbove, bool moreBelow, double topFraction,
                 double bottomFraction) {
    GraphicsDevice& device = Graphics();
    TextRenderer& renderer = device.Text();
    device.SetColor(palette::kWhite);
    renderer.SetTextAlign(kAlignCentre, kAlignCentre);
    const int32_t x = (rect.left + rect.right) / 2;
    if (moreAbove) renderer.DrawText({x, rect.top}, WString("▲"));
    if (moreBelow) renderer.DrawText({x, rect.bottom}, WString("▼"));
    if (!moreAbove && !moreBelow) return;
    const int32_t height = rect.Height();
    Rect bar;
    bar.left = rect.right;
    bar.right = rect.right + 10;
    bar.top = rect.top + static_cast<int32_t>(height * topFraction);
    bar.bottom = rect.top + static_cast<int32_t>(height * bottomFraction);
    device.DrawRect(bar, Pictures().panel, 0);
}

void MenuRow(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t, bool highlighted) {
    CentredText(cell, MenuText(rowFormat, entry), RowColor(highlighted, false));
}

void CampMenuRow(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t, bool highlighted) {
    const auto& enabled = Flow().menuEnabled;
    const bool disabled = entry >= 0 && entry < static_cast<int32_t>(enabled.size()) &&
                          enabled[static_cast<size_t>(entry)] == 0;
    CentredText(cell, MenuText(rowFormat, entry), RowColor(highlighted, disabled));
}

void StandardRow(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t second,
                 bool highlighted) {
    switch (rowFormat) {
        case RowFormat::kArea: AreaRow(cell, second, highlighted); break;
        case RowFormat::kCommand: CommandRow(cell, second, highlighted); break;
        case RowFormat::kItem: ItemRow(cell, entry, second, highlighted); break;
        case RowFormat::kPawn: PawnRow(cell, second, highlighted); break;
        case RowFormat::kShop: StockRow(cell, second, highlighted); break;
        case RowFormat::kBounty: BountyRow(cell, second, highlighted); break;
        case RowFormat::kTavern: TavernRow(cell, second, highlighted); break;
        case RowFormat::kCharacter: CharacterRow(cell, second, highlighted); break;
        case RowFormat::kRecipe: RecipeRow(cell, second, highlighted); break;
        case RowFormat::kSynthesisSlot: SynthesisSlotRow(cell, entry, highlighted); break;
        case RowFormat::kDepth: DepthRow(cell, second, highlighted); break;
        case RowFormat::kSaveSlot: SaveSlotRow(cell, second, highlighted); break;
        default: break;
    }
}
