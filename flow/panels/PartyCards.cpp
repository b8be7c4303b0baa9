// The camp's party cards and the summary beside them.
#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"
#include "rules/Equipment.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

namespace {

constexpr int32_t kPortrait = 100;
constexpr int32_t kFrame = 3;

// A label at the left of a column and its value ending at the right.
void LabelValue(PanelDrawing& d, Point at, int32_t width, const WString& label,
                const WString& value, int32_t glyph) {
    const int32_t used = d.Text(at, label, panelcolor::kMuted, glyph, width);
    d.Text({at.x + width, at.y}, value, palette::kWhite, glyph, width - used - glyph / 2,
           kAlignEnd);
}

}  // namespace

PanelDrawing MakePartyCard(int32_t character, Point origin, bool chosen) {
    PanelDrawing d;
    const Rect card{origin.x, origin.y, origin.x + kPartyCardSize.w, origin.y + kPartyCardSize.h};
    d.Panel(card);
    if (chosen) d.Frame(card, palette::kYellow, kFrame);
    const CharacterData& row = CharacterById(character);
    const int32_t top = origin.y + 5;
    d.pictures.push_back({{origin.x + 5, top, origin.x + 5 + kPortrait, top + kPortrait},
                          &row.face, palette::kWhite});

    // Name, level and hit points between the portrait and the items.
    const int32_t middle = origin.x + 114;
    const int32_t middleWidth = 104;
    d.Text({middle, top + 4}, row.name, chosen ? palette::kYellow : palette::kWhite, 18,
           middleWidth);
    d.Text({middle, top + 26}, row.title, panelcolor::kMuted, 14, middleWidth);
    const BattleParams params = ComputeBattleParams(character);
    LabelValue(d, {middle, top + 56}, middleWidth, WString("Lv"), Number("%6d", GameParty().level),
               16);
    LabelValue(d, {middle, top + 78}, middleWidth, WString("HP"),
               Number("%6d", params.params.Base(BaseParam::kHp)), 16);

    // The five equipped items, the weapon first.
    const int32_t items = origin.x + 226;
    const int32_t itemsWidth = card.right - 8 - items;
    for (int32_t slot = 0; slot < CharacterData::kEquipmentSlots; ++slot) {
        const PackedItem item = row.equipment[size_t(slot)];
        d.Text({items, top + 2 + slot * 20}, GoodsDisplayName(item),
               item == 0 ? panelcolor::kMuted : palette::kWhite, 16, itemsWidth);
    }
    return d;
}

void DrawPartyCard(int32_t character, Point origin, bool chosen) {
    DrawPanels(MakePartyCard(character, origin, chosen));
}

PanelDrawing MakePartySummary(Point origin) {
    PanelDrawing d;
    constexpr int32_t kWidth = 190;
    constexpr int32_t kPitch = 15;
    constexpr int32_t kGlyph = 14;
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 8 + 7 * kPitch});
    const PartyState& party = GameParty();
    const BattleRecords& records = party.records;
    const struct {
        const char* label;
        WString value;
    } rows[] = {
        {"所持金", Number("%d G", party.gold)},
        {"Lv", Number("%d", party.level)},
        {"Next", NextLevelText(party)},
        {"戦闘数", Number("%6d", records.battles)},
        {"勝利数", Number("%6d", records.wins)},
        {"敗北数", Number("%6d", records.losses)},
        {"撃破数", Number("%6d", GameExpedition().questsDefeated)},
    };
    int32_t y = origin.y + 4;
    for (const auto& r : rows) {
        LabelValue(d, {origin.x + 8, y}, kWidth - 16, WString(r.label), r.value, kGlyph);
        y += kPitch;
    }
    return d;
}

void DrawPartySummary(Point origin) { DrawPanels(MakePartySummary(origin)); }

PanelDrawing MakeBattleRecords(Point origin) {
    PanelDrawing d;
    constexpr int32_t kWidth = 150;
    constexpr int32_t kPitch = 18;
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 8 + 4 * kPitch});
    const BattleRecords& records = GameParty().records;
    const struct {
        const char* label;
        int32_t value;
    } rows[] = {{"戦闘数", records.battles},
                {"勝利数", records.wins},
                {"敗北数", records.losses},
                {"撃破数", GameExpedition().questsDefeated}};
    int32_t y = origin.y + 5;
    for (const auto& r : rows) {
        LabelValue(d, {origin.x + 10, y}, kWidth - 20, WString(r.label), Number("%6d", r.value), 16);
        y += kPitch;
    }
    return d;
}

void DrawBattleRecords(Point origin) { DrawPanels(MakeBattleRecords(origin)); }
