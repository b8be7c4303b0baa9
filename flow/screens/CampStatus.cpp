// The camp's status screen: the member's sheet, the row cursor over its
// three groups, and the choice of an item for an equipment slot.
#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/ListSources.h"
#include "flow/Palette.h"
#include "flow/SharedPictures.h"
#include "flow/panels/Panels.h"
#include "flow/screens/Camp.h"
#include "flow/screens/ScreenKit.h"
#include "rules/Equipment.h"

namespace {

constexpr int32_t kEquipmentGroup = 0;
constexpr Color kOpaqueBacking{0, 0, 110, 255};

// Left and right on the status screen walk over the party with wrap.
void StepMember(int32_t step) {
    const int32_t size = static_cast<int32_t>(GameParty().members.size());
    if (size == 0) return;
    GameFlow& flow = Flow();
    flow.menuState = ((flow.menuState + step) % size + size) % size;
}

// The cursor walks the rows the sheet draws.
std::array<int32_t, 3> GroupSizes() {
    const int32_t member = ChosenMember();
    if (member < 0) return {CharacterData::kEquipmentSlots, 0, 0};
    return StatusGroupSizes(member);
}

// The equipping list stands where the sheet shows name, title and levels;
// a translucent list over that text would leave both unreadable, so the
// box is covered first and only the name is written again above the list.
void CoverProfileBox(int32_t member) {
    constexpr Rect kProfileBox{200, 5, 365, 155};
    Graphics().SetColor(kOpaqueBacking);
    Graphics().DrawRect(kProfileBox, Pictures().panel, 0);
    DrawPanel(kProfileBox);
    SetGlyphs(16, 0);
    DrawTextAt({206, 6}, CharacterById(member).name, palette::kWhite);
}

}  // namespace

void StepStatusRow(const std::array<int32_t, 3>& sizes, int32_t direction, int32_t& group,
                   int32_t& row) {
    if (group < 0 || group > 2 || sizes[kEquipmentGroup] <= 0) {
        group = kEquipmentGroup;
        row = 0;
        return;
    }
    // A row left beyond a group that has since shrunk counts as its end.
    row = std::clamp(row, 0, sizes[static_cast<size_t>(group)]);
    row += direction;
    // Group 0 always has its five slots, so both walks end there at the latest.
    while (row < 0) {
        group = (group + 2) % 3;
        row = sizes[static_cast<size_t>(group)] - 1;
    }
    while (row >= sizes[static_cast<size_t>(group)]) {
        group = (group + 1) % 3;
        row = 0;
    }
}

void UpdateCampStatus() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        flow.subState = CampState::kStatusRows;
        flow.selection = kEquipmentGroup;
        flow.selection2 = 0;
    } else if (Pressed(kCancel)) {
        SoundCancel();
        flow.subState = CampState::kMemberChoice;
    } else if (Pressed(kLeft)) {
        SoundCursor();
        StepMember(-1);
    } else if (Pressed(kRight)) {
        SoundCursor();
        StepMember(+1);
    }
}

void UpdateStatusRows() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        if (flow.selection != kEquipmentGroup) return;
        ListWidget& choice = Widget(kCampGoodsWidget);
        choice.SetLayout(1, 6);
        const int32_t source = flow.selection2 == 0 ? ListSource::kEquipFirst + 1
                                                    : ListSource::kEquipFirst + 2;
        FillList(kCampGoodsWidget, source, false);
        SetWidgetState(kCampGoodsWidget, WidgetState::kActive);
        flow.subState = CampState::kEquip;
    } else if (Pressed(kCancel)) {
        SoundCancel();
        flow.subState = CampState::kStatus;
    } else if (Pressed(kUp) || Pressed(kDown)) {
        SoundCursor();
        StepStatusRow(GroupSizes(), Pressed(kUp) ? -1 : +1, flow.selection,
                      flow.selection2);
    }
}

void UpdateEquipChoice() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        int32_t position = 0, item = 0;
        // The first row, "なし", has position -1 and empties the slot.
        if (RowAtCursor(kCampGoodsWidget, position, item))
            Equip(GameParty(), ChosenMember(), flow.selection2, position);
        SetWidgetState(kCampGoodsWidget, WidgetState::kHidden);
        flow.subState = CampState::kStatusRows;
    } else if (Pressed(kCancel)) {
        SoundCancel();
        SetWidgetState(kCampGoodsWidget, WidgetState::kHidden);
        flow.subState = CampState::kStatusRows;
    }
}

void DrawCampStatus() {
    const GameFlow& flow = Flow();
    const int32_t member = ChosenMember();
    if (member < 0) return;
    const StatusCursor cursor{flow.selection, flow.selection2};
    switch (flow.subState) {
        case CampState::kStatus: DrawStatusSheet(member); break;
        case CampState::kStatusRows:
            DrawStatusSheet(member, &cursor);
            // Equipment details run taller than those of abilities and skills.
            DrawStatusRowDetail(member, cursor,
                                cursor.group == kEquipmentGroup ? Point{200, 320} : Point{200, 300});
            break;
        case CampState::kEquip: {
            int32_t position = 0, candidate = 0;
            if (!RowAtCursor(kCampGoodsWidget, position, candidate)) candidate = 0;
            DrawStatusSheet(member, &cursor, flow.selection2, candidate);
            CoverProfileBox(member);
            DrawWidget(kCampGoodsWidget, Box(200, 25, 160, 130), 14);
            if (candidate != 0) DrawEquipmentDetail(candidate, {200, 320});
            break;
        }
        default: break;
    }
}
