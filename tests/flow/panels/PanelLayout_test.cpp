// Every panel as the screens compose them, drawn with the real font: texts
// stay inside their panels, never overlap each other, and leave the places
// the screens keep for their lists alone. With PANEL_PICTURES set to a
// folder, each screen is also saved there as a PNG to look at.
#include <SDL_image.h>

#include <algorithm>
#include <cstdlib>

#include "PanelScenes.h"
#include "content/Labels.h"
#include "flow/Palette.h"

namespace paneltest {
namespace {

constexpr Rect kProfileBox{200, 5, 365, 155};  // under the equipping list by design

std::vector<Scene> Scenes() {
    std::vector<Scene> scenes;
    const PartyState& party = GameParty();

    Scene camp{"camp", {}, {Box(420, 245, 200, 160)}};
    for (size_t i = 0; i < party.members.size(); ++i) {
        camp.panels.push_back(MakePartyCard(party.members[i], {5, 5 + int32_t(i) * kPartyCardStep}, i == 1));
    }
    camp.panels.push_back(MakePartySummary({445, 125}));
    scenes.push_back(camp);

    for (const StatusCursor cursor : {StatusCursor{0, 0}, StatusCursor{1, 0}, StatusCursor{2, 1}}) {
        Scene status{"status" + std::to_string(cursor.group), {}, {}};
        status.panels.push_back(MakeStatusSheet(2, &cursor, -1, 0));
        status.panels.push_back(MakeStatusRowDetail(2, cursor, {200, 300}));
        scenes.push_back(status);
    }

    Scene equip{"equip", {}, {Box(200, 25, 160, 130)}};
    const StatusCursor slot{0, 0};
    equip.panels.push_back(MakeStatusSheet(0, &slot, 0, Item(584, 100)));
    equip.panels.push_back(MakeEquipmentDetail(Item(584, 100), {200, 320}));
    scenes.push_back(equip);

    Scene tavern{"tavern", {}, {Box(410, 320, 210, 140), Box(410, 10, 200, 50)}};
    tavern.panels.push_back(MakeStatusSheet(13, nullptr, -1, 0));
    scenes.push_back(tavern);
    // A sheet crowded past 16 and 32 rows.
    CharacterData& crowded = CharacterTable()[5];
    for (int32_t k = 0; k < 24; ++k) crowded.params.Ability(k) = 10 + k;
    for (int32_t slot = 1; slot < CharacterData::kSkillSlots; ++slot) crowded.skills[size_t(slot)] = 259 + slot;
    Scene busy{"crowded", {}, {Box(410, 320, 210, 140), Box(410, 10, 200, 50)}};
    busy.panels.push_back(MakeStatusSheet(5, nullptr, -1, 0));
    scenes.push_back(busy);

    Scene add{"addmember", {}, {Box(460, 320, 140, 140)}};
    add.panels.push_back(MakeStatusSheet(22, nullptr, -1, 0));
    scenes.push_back(add);

    Scene shop{"shop", {}, {Box(10, 100, 240, 360), Box(430, 10, 200, 50)}};
    shop.panels.push_back(MakeGoodsDetail(Item(730, 100), {270, 100}));
    shop.panels.push_back(MakeShopComparison(Item(730, 100), {270, 290}));
    scenes.push_back(shop);
    Scene shopItem{"shop-item", {}, {Box(10, 100, 240, 360), Box(430, 10, 200, 50)}};
    shopItem.panels.push_back(MakeGoodsDetail(Item(100, 100), {270, 100}));
    shopItem.panels.push_back(MakeShopComparison(Item(1, 50), {270, 290}));
    scenes.push_back(shopItem);

    // The camp's item slots put two details side by side.
    Scene slots{"itemslots", {}, {Box(80, 15, 210, 280), Box(350, 15, 210, 280)}};
    slots.panels.push_back(MakeGoodsDetail(Item(116, 100), {80, 310}));
    slots.panels.push_back(MakeGoodsDetail(Item(47, 0), {350, 310}));
    scenes.push_back(slots);

    Scene synthesis{"synthesis", {}, {Box(10, 100, 360, 200), Box(390, 100, 230, 360)}};
    synthesis.panels.push_back(MakeGoodsDetail(Item(1000, 55), {10, 310}));
    scenes.push_back(synthesis);
    Scene recipe{"recipe", {}, {Box(10, 100, 240, 360)}};
    recipe.panels.push_back(MakeGoodsDetail(Item(GoodsRange::kRecipeFirst + 1028, 0), {270, 100}));
    recipe.panels.push_back(MakeGoodsDetail(Item(GoodsRange::kCardFirst + 3, 0), {270, 300}));
    scenes.push_back(recipe);
    Scene bag{"bag", {}, {Box(10, 60, 240, 400)}};
    bag.panels.push_back(MakeGoodsDetail(Item(GoodsRange::kMapFirst + 1, 0), {270, 60}));
    bag.panels.push_back(MakeGoodsDetail(Item(GoodsRange::kCertificateFirst + 0, 0), {270, 200}));
    bag.panels.push_back(MakeBattleRecords({270, 380}));
    scenes.push_back(bag);
    Scene guild{"guild", {}, {Box(10, 10, 610, 270)}};
    guild.panels.push_back(MakeQuestNoticeDetail(0, {10, 290}));
    scenes.push_back(guild);
    Scene battle{"battle-command", {}, {Box(10, 10, 380, 160)}};
    battle.panels.push_back(MakeSkillDetail(SkillById(266), {420, 10}));
    scenes.push_back(battle);

    BattleState won;
    won.rewardGold = 12345;
    won.rewardExp = 6789;
    won.levelBefore = 60;
    won.levelAfter = 62;
    won.quest = 0;
    for (int32_t i = 0; i < 9; ++i) won.obtained.push_back(Item(1000 + i * 3, 40 + i));
    ExpeditionState expedition;
    Scene victory{"victory", {}, {}};
    victory.panels.push_back(MakeVictoryResult(won, expedition, party));
    scenes.push_back(victory);
    return scenes;
}

class PanelLayout : public PanelPictureTest {};

TEST_F(PanelLayout, TextsFitTheirPanelsAndLeaveTheListsFree) {
    StateGuard guard;
    SetUpParty();
    const char* folder = std::getenv("PANEL_PICTURES");
    for (const Scene& scene : Scenes()) {
        SCOPED_TRACE(scene.name);
        std::vector<TextBox> all;
        for (const PanelDrawing& d : scene.panels) {
            for (const TextBox& t : TextBoxes(d)) {
                const bool inPanel = std::any_of(d.panels.begin(), d.panels.end(),
                                                 [&](const auto& p) { return Inside(t.box, p.first); });
                EXPECT_TRUE(inPanel) << t.text << " runs out of its panel";
                EXPECT_TRUE(Inside(t.box, kScreenRect)) << t.text;
                for (const Rect& list : scene.lists) {
                    if (Inside(t.box, kProfileBox)) continue;
                    EXPECT_FALSE(Overlap(t.box, list)) << t.text << " lies under a list";
                }
                all.push_back(t);
            }
            for (const auto& [rect, color] : d.panels) {
                for (const Rect& list : scene.lists) {
                    if (rect == kProfileBox) continue;
                    EXPECT_FALSE(Overlap(rect, list)) << "a panel lies under a list";
                }
            }
        }
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j)
                EXPECT_FALSE(Overlap(all[i].box, all[j].box)) << all[i].text << " / " << all[j].text;

        if (folder == nullptr) continue;
        BeginFrame();
        Graphics().DrawRect(kScreenRect, Pictures().backgrounds[3], 0);
        for (const PanelDrawing& d : scene.panels) DrawPanels(d);
        for (const Rect& list : scene.lists) {
            Graphics().SetColor({128, 128, 128, 160});
            Graphics().DrawRect(list, Pictures().panel, 0);
        }
        Graphics().SetColor(palette::kWhite);
        Graphics().EndScene();
        const std::string path = std::string(folder) + "/" + scene.name + ".png";
        EXPECT_TRUE(Graphics().SaveFrame(WString(path.c_str())));
    }
}

}  // namespace
}  // namespace paneltest
