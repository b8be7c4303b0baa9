#pragma once
// The status and detail panels that the screens draw: party cards and the
// party summary, the status sheet with its equipment preview, the detail
// panels of goods, skills, recipes and quest notices, the battle records
// and the victory result. Each Draw function draws at once (between
// BeginScene and EndScene); each Make function gives the same panel as a
// layout without drawing it. Panels read the game state and change none.
#include <array>
#include <cstdint>

#include "content/PackedItem.h"
#include "engine/graphics/Geometry.h"
#include "flow/panels/PanelKit.h"

struct BattleState;
struct ExpeditionState;
struct PartyState;
struct SkillData;

// ---- Party cards and summary (camp) ---------------------------------------

inline constexpr Size kPartyCardSize{410, 110};
inline constexpr int32_t kPartyCardStep = 120;  // cards from (5, 5) downwards

// Portrait, name, "Lv" with the party level, "HP" with the maximum hp and
// the five equipped items; the chosen member is framed.
PanelDrawing MakePartyCard(int32_t character, Point origin, bool chosen);
void DrawPartyCard(int32_t character, Point origin, bool chosen);

// Gold, party level, "Next", and the battle records with the quests
// defeated: what the camp shows beside the cards.
PanelDrawing MakePartySummary(Point origin);
void DrawPartySummary(Point origin);

// ---- Status sheet -----------------------------------------------------------

namespace StatusGroup {
inline constexpr int32_t kEquipment = 0;  // the five slots
inline constexpr int32_t kAbilities = 1;
inline constexpr int32_t kSkills = 2;
}  // namespace StatusGroup

struct StatusCursor {
    int32_t group = StatusGroup::kEquipment;
    int32_t row = 0;
};

// Rows in each cursor group as the sheet shows them without a preview:
// 5 slots, the abilities other than 0, the skills of the skill list.
std::array<int32_t, 3> StatusGroupSizes(int32_t character);

// Row height of the ability and skill lists: 16 up to 16 rows, 10 up to
// 32, 8 beyond.
int32_t StatusRowHeight(int32_t rows);

// The whole-screen sheet of a character. With `previewSlot` 0-4 the values
// are those with `previewItem` in that slot, coloured against the current
// ones (panelcolor::kRaised / kLowered / kEqual); skills the candidate
// takes away are dimmed and those it adds follow in kRaised. A null cursor
// highlights nothing. Leaves (200, 300)-(640, 480) free for the screens'
// detail panels and lists and (370, 5)-(640, 60) for the tavern's header,
// and shows name, title and levels in (200, 5)-(365, 155), where the
// equipping list goes.
PanelDrawing MakeStatusSheet(int32_t character, const StatusCursor* cursor, int32_t previewSlot,
                             PackedItem previewItem);
void DrawStatusSheet(int32_t character, const StatusCursor* cursor = nullptr,
                     int32_t previewSlot = -1, PackedItem previewItem = 0);

// The detail of the sheet's highlighted row: the equipment detail of a
// slot (nothing for an empty one), the name, value and description of an
// ability, the skill detail of a skill.
PanelDrawing MakeStatusRowDetail(int32_t character, StatusCursor cursor, Point origin);
void DrawStatusRowDetail(int32_t character, StatusCursor cursor, Point origin);

// ---- Detail panels ----------------------------------------------------------

// A weapon or accessory: name and quality, "<kind>" for weapons, the
// parameter, ability and skill bonuses. 360 x at most 156 pixels.
PanelDrawing MakeEquipmentDetail(PackedItem item, Point origin);
void DrawEquipmentDetail(PackedItem item, Point origin);

// A skill or an item action (uses instead of costs): costs, speed,
// target, element, reflection, what it does, type and strength, and the
// statuses it can apply. 215 x at most 160 pixels; `price` above 0 adds
// a price line (goods).
PanelDrawing MakeSkillDetail(const SkillData& skill, Point origin, int32_t price = 0);
void DrawSkillDetail(const SkillData& skill, Point origin, int32_t price = 0);
void DrawSkillDetail(int32_t skillId, Point origin);

// The recipe of a product item id: product, fee and ingredients.
PanelDrawing MakeRecipeDetail(int32_t product, Point origin);
void DrawRecipeDetail(int32_t product, Point origin);

// A quest notice, with the texts the rules build for it.
PanelDrawing MakeQuestNoticeDetail(int32_t quest, Point origin);
void DrawQuestNoticeDetail(int32_t quest, Point origin);

// "戦闘数", "勝利数", "敗北数", "撃破数".
PanelDrawing MakeBattleRecords(Point origin);
void DrawBattleRecords(Point origin);

// Any goods of a list: equipment, usable items (their action and price),
// materials, recipes, maps, business cards and quest notices. Nothing for
// the empty value.
PanelDrawing MakeGoodsDetail(PackedItem item, Point origin);
void DrawGoodsDetail(PackedItem item, Point origin);

// The shop's second panel for ordinary items: how many the party holds,
// and for equipment what it would change for each party member.
PanelDrawing MakeShopComparison(PackedItem item, Point origin);
void DrawShopComparison(PackedItem item, Point origin);

// ---- Victory result ---------------------------------------------------------

inline constexpr Rect kVictoryPanel{120, 10, 520, 290};  // 400 x 280, centred at the top

// The result of the battle just won: levels, gold, experience and drops;
// for a quest battle won for the first time, its name, reward gold and
// reward items (paid when the result is confirmed).
PanelDrawing MakeVictoryResult(const BattleState& battle, const ExpeditionState& expedition,
                               const PartyState& party);
void DrawVictoryResult(const BattleState& battle, const ExpeditionState& expedition,
                       const PartyState& party);
// The game's own battle, expedition and party.
void DrawVictoryResult();
