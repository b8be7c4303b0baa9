// The detail of a weapon or accessory: its bonuses in three columns, so
// that even a full set fits under the status sheet.
#include <algorithm>

#include "content/Abilities.h"
#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "content/Labels.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"

namespace {

constexpr int32_t kWidth = 360;
constexpr int32_t kGlyph = 14;
constexpr int32_t kMaxHeight = 156;

struct Column {
    int32_t left, width;
    const char* title;
};
constexpr Column kParams{8, 96, "～パラメータ～"};
constexpr Column kAbilities{110, 134, "～アビリティ～"};
constexpr Column kSkills{250, 104, "～スキル～"};

struct Line {
    WString label, value;
};

}  // namespace

PanelDrawing MakeEquipmentDetail(PackedItem item, Point origin) {
    PanelDrawing d;
    const int32_t id = PackedGoodsId(item);
    const ItemData data = MakeItemData(id, PackedQuality(item));

    std::vector<Line> params, abilities, skills;
    for (int32_t i = 0; i < BaseParam::kCount; ++i) {
        const int32_t v = data.params.Base(i);
        if (v != 0) params.push_back({BaseParamLabels()[size_t(i)], Number("%d", v)});
    }
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) {
        const int32_t v = data.params.Ability(k);
        if (v != 0) abilities.push_back({AbilityCatalogue()[size_t(k)].name, Number("%d%%", v)});
    }
    for (int32_t skill : data.grantedSkills) {
        if (skill != 0) skills.push_back({SkillById(skill).name, WString()});
    }

    // The columns share the rows left under the name and the titles; a long
    // column closes its rows up rather than run out of the panel.
    const size_t longest = std::max({params.size(), abilities.size(), skills.size(), size_t{1}});
    const int32_t listTop = 44;
    const int32_t pitch = std::clamp(int32_t((kMaxHeight - listTop - 6) / int32_t(longest)), 10, 16);
    const int32_t glyph = std::min(kGlyph, pitch);
    const int32_t height = listTop + pitch * int32_t(longest) + 6;
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + height});

    // "%S%S": name and quality; the weapon kind at the right.
    WString kind;
    if (data.kind != WeaponKind::kNone) kind.Format("<%S>", WeaponKindLabels()[size_t(data.kind)]);
    const int32_t kindWidth =
        d.Text({origin.x + kWidth - 8, origin.y + 6}, kind, panelcolor::kMuted, kGlyph, 80, kAlignEnd);
    WString name;
    name.Format("%S%S", ItemName(id), Number("[%d]", PackedQuality(item)));
    d.Text({origin.x + 8, origin.y + 4}, name, palette::kWhite, 18, kWidth - 24 - kindWidth);

    for (const auto& [column, lines] : {std::pair{kParams, &params}, std::pair{kAbilities, &abilities},
                                        std::pair{kSkills, &skills}}) {
        const int32_t left = origin.x + column.left;
        d.Text({left, origin.y + 26}, WString(column.title), panelcolor::kHeading, 13, column.width);
        int32_t y = origin.y + listTop;
        for (const Line& line : *lines) {
            const int32_t right = left + column.width - 6;
            const int32_t valueWidth = d.Text({right, y}, line.value, palette::kWhite, glyph,
                                              column.width, kAlignEnd);
            d.Text({left, y}, line.label, line.value.Empty() ? palette::kWhite : panelcolor::kMuted,
                   glyph, column.width - 6 - valueWidth - (valueWidth > 0 ? 4 : 0));
            y += pitch;
        }
    }
    return d;
}

void DrawEquipmentDetail(PackedItem item, Point origin) {
    DrawPanels(MakeEquipmentDetail(item, origin));
}
