// The status sheet: a character's parameters, equipment, abilities and
// skills, with the effect of an equipment candidate when previewing.
//
// The sheet keeps to an L shape so that every screen that shows it can
// place its own things beside it: the left column (5-195) runs the full
// height; the band to its right ends at y 295, above the detail panels
// and lists the screens put at (200, 300) and lower, and its right part
// starts at y 65, below the tavern's header. The box with name, title and
// levels is where the equipping list goes, so the list hides nothing the
// preview needs.
#include <algorithm>

#include "content/Abilities.h"
#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "content/Labels.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"
#include "flow/panels/StatusRows.h"
#include "rules/Equipment.h"

namespace {

constexpr Rect kLeftColumn{5, 5, 195, 475};
constexpr Rect kProfileBox{200, 5, 365, 155};
constexpr Rect kEquipmentBox{200, 160, 365, 295};
constexpr Rect kSkillBox{370, 65, 635, 295};
constexpr Rect kPortrait{10, 10, 138, 138};
constexpr int32_t kHeadingGlyph = 14;
constexpr int32_t kHeadingHeight = 18;

// A section title, centred over its box.
void Heading(PanelDrawing& d, const Rect& box, int32_t y, const char* title) {
    const WString text(title);
    const int32_t width = TextWidth(text, kHeadingGlyph, 0);
    d.Text({(box.left + box.right - width) / 2, y}, text, panelcolor::kHeading, kHeadingGlyph,
           box.Width() - 8);
}

// Label at the left, value ending at the right of [left, right).
void Row(PanelDrawing& d, int32_t left, int32_t right, int32_t y, const WString& label,
         const WString& value, Color color, int32_t glyph) {
    const int32_t valueWidth = d.Text({right, y}, value, color, glyph, right - left, kAlignEnd);
    d.Text({left, y}, label, color, glyph, std::max(0, right - left - valueWidth - glyph / 2));
}

// A list of rows in `box`, row height and glyphs by the row count, in as
// many side-by-side columns as the height needs.
void RowList(PanelDrawing& d, const Rect& box, const std::vector<StatusRow>& rows, int32_t cursor) {
    if (rows.empty()) return;
    const int32_t pitch = StatusRowHeight(static_cast<int32_t>(rows.size()));
    const int32_t perColumn = std::max(1, box.Height() / pitch);
    const int32_t columns = (static_cast<int32_t>(rows.size()) + perColumn - 1) / perColumn;
    const int32_t columnWidth = box.Width() / columns;
    for (int32_t i = 0; i < static_cast<int32_t>(rows.size()); ++i) {
        const int32_t left = box.left + (i / perColumn) * columnWidth;
        const int32_t y = box.top + (i % perColumn) * pitch;
        const StatusRow& r = rows[size_t(i)];
        const Color color = i == cursor ? panelcolor::kCursor : r.color;
        Row(d, left, left + columnWidth - 6, y, r.label, r.value, color, pitch);
    }
}

int32_t CursorIn(const StatusCursor* cursor, int32_t group) {
    return cursor != nullptr && cursor->group == group ? cursor->row : -1;
}

}  // namespace

int32_t StatusRowHeight(int32_t rows) {
    if (rows <= 16) return 16;
    if (rows <= 32) return 10;
    return 8;
}

std::array<int32_t, 3> StatusGroupSizes(int32_t character) {
    const StatusRows rows = MakeStatusRows(character, -1, 0);
    return {CharacterData::kEquipmentSlots, static_cast<int32_t>(rows.abilities.size()),
            static_cast<int32_t>(rows.skills.size())};
}

PanelDrawing MakeStatusSheet(int32_t character, const StatusCursor* cursor, int32_t previewSlot,
                             PackedItem previewItem) {
    PanelDrawing d;
    const CharacterData& row = CharacterById(character);
    const StatusRows rows = MakeStatusRows(character, previewSlot, previewItem);
    const PartyState& party = GameParty();

    d.Panel(kLeftColumn);
    d.Panel(kProfileBox);
    d.Panel(kEquipmentBox);
    d.Panel(kSkillBox);
    d.pictures.push_back({kPortrait, &row.face, palette::kWhite});

    // Name, title and levels.
    const int32_t left = kProfileBox.left + 8, right = kProfileBox.right - 8;
    d.Text({left, kProfileBox.top + 8}, row.name, palette::kWhite, 20, right - left);
    d.Text({left, kProfileBox.top + 34}, row.title, panelcolor::kMuted, 16, right - left);
    Row(d, left, right, kProfileBox.top + 70, WString("Lv"), Number("%d", party.level),
        palette::kWhite, 16);
    Row(d, left, right, kProfileBox.top + 94, WString("Next"), NextLevelText(party),
        palette::kWhite, 16);

    // Parameters in two columns of four under the portrait.
    Heading(d, kLeftColumn, 142, "～ パラメータ ～");
    for (int32_t i = 0; i < BaseParam::kCount; ++i) {
        const int32_t x = kLeftColumn.left + 7 + (i / 4) * 96;
        const StatusRow& r = rows.params[size_t(i)];
        Row(d, x, x + 78, 160 + (i % 4) * 17, r.label, r.value, r.color, 16);
    }

    Heading(d, kLeftColumn, 231, "～ アビリティ ～");
    RowList(d, {kLeftColumn.left + 7, 250, kLeftColumn.right - 1, kLeftColumn.bottom - 4},
            rows.abilities, CursorIn(cursor, StatusGroup::kAbilities));

    // Equipment: name, and the quality at the right.
    Heading(d, kEquipmentBox, kEquipmentBox.top + 5, "～ 装備 ～");
    const int32_t slotCursor = CursorIn(cursor, StatusGroup::kEquipment);
    for (int32_t slot = 0; slot < CharacterData::kEquipmentSlots; ++slot) {
        const StatusRow& r = rows.equipment[size_t(slot)];
        const Color color = slot == slotCursor ? panelcolor::kCursor : r.color;
        Row(d, kEquipmentBox.left + 8, kEquipmentBox.right - 6,
            kEquipmentBox.top + 8 + kHeadingHeight + slot * 20, r.label, r.value, color, 16);
    }

    Heading(d, kSkillBox, kSkillBox.top + 5, "～ スキル ～");
    RowList(d, {kSkillBox.left + 8, kSkillBox.top + 8 + kHeadingHeight, kSkillBox.right, kSkillBox.bottom - 4},
            rows.skills, CursorIn(cursor, StatusGroup::kSkills));
    return d;
}

void DrawStatusSheet(int32_t character, const StatusCursor* cursor, int32_t previewSlot,
                     PackedItem previewItem) {
    DrawPanels(MakeStatusSheet(character, cursor, previewSlot, previewItem));
}
