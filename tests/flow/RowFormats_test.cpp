#include "flow/RowFormats.h"

#include <gtest/gtest.h>

#include <functional>

#include "../engine/GraphicsFixture.h"
#include "FlowFixture.h"
#include "common/GameFont.h"
#include "content/Items.h"
#include "engine/font/TextRenderer.h"
#include "flow/Palette.h"
#include "flow/SaveSlots.h"
#include "flow/SharedPictures.h"
#include "flow/WidgetSetUp.h"
#include "rules/CommandInput.h"

namespace {

using namespace flowtest;

WString Text(const char* utf8) { return WString(utf8); }

template <typename... Args>
WString Formatted(const char* format, const Args&... args) {
    WString text;
    text.Format(format, args...);
    return text;
}

// One text as a row should place it.
struct Placed {
    Point at;
    WString text;
    Color color;
    int32_t horizontal = kAlignStart;
    int32_t vertical = kAlignStart;
};

// Widgets are drawn headless, captured, and compared with the same texts
// drawn directly where the row formats say they go.
class RowDrawTest : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        guard_.emplace();
        TextRenderer& text = Graphics().Text();
        ASSERT_TRUE(text.CreateFont(GameFont())) << "no Japanese font installed";
        text.SetShadow(1);
        text.SetShadowOffset({2, 2});
        ASSERT_TRUE(Pictures().panel.CreateSolid(palette::kWhite));
        StartFrame();
    }
    void TearDown() override {
        Pictures().panel.Release();
        guard_.reset();
        GraphicsTest::TearDown();
    }

    // As a screen starts drawing: black, white, the glyph size, centred.
    void StartFrame() {
        Graphics().Clear({0, 0, 0, 255});
        Graphics().SetColor(palette::kWhite);
        Graphics().Text().SetTextStyle(glyphs_.w, glyphs_.h, spacing_, 0);
        Graphics().Text().SetTextAlign(kAlignCentre, kAlignCentre);
    }
    void UseGlyphs(int32_t size, int32_t spacing) {
        glyphs_ = {size, size};
        spacing_ = spacing;
        StartFrame();
    }

    static void Put(const Placed& placed) {
        Graphics().SetColor(placed.color);
        Graphics().Text().SetTextAlign(placed.horizontal, placed.vertical);
        Graphics().Text().DrawText(placed.at, placed.text);
    }
    static void Panel(const Rect& rect) {
        Graphics().SetColor(palette::kPanelBlue);
        Graphics().DrawRect(rect, Pictures().panel, 0);
    }

    // Draws the widget, then `expected` on a fresh frame, and compares.
    void ExpectDrawnAs(const ListWidget& widget, const Rect& rect,
                       const std::function<void()>& expected) {
        widget.Draw(rect);
        // The rows leave the text as they found it for the screen.
        EXPECT_EQ(Graphics().CornerColors()[0], palette::kWhite);
        Capture();
        const std::vector<uint32_t> drawn = frame_;
        StartFrame();
        expected();
        Capture();
        size_t lit = 0, differing = 0;
        size_t firstDifference = 0;
        for (size_t i = 0; i < drawn.size(); ++i) {
            if ((frame_[i] & 0xFFFFFF) != 0) ++lit;
            if (drawn[i] != frame_[i] && differing++ == 0) firstDifference = i;
        }
        EXPECT_GT(lit, 200u) << "nothing was drawn";
        EXPECT_EQ(differing, 0u) << "first at (" << firstDifference % 640 << ", "
                                 << firstDifference / 640 << ")";
    }
    void ExpectRows(const ListWidget& widget, const Rect& rect, const std::vector<Placed>& texts) {
        ExpectDrawnAs(widget, rect, [&texts] {
            for (const Placed& placed : texts) Put(placed);
        });
    }

    // A widget drawing rows only, in the given format and layout.
    static ListWidget& RowsOnly(int32_t number, uint32_t format, int32_t columns, int32_t rows) {
        ListWidget& widget = Widget(number);
        widget.SetCallbacks(nullptr, StandardRow, nullptr, -1, -1);
        widget.SetRowFormat(format);
        widget.SetLayout(columns, rows);
        widget.SetState(WidgetState::kActive);
        return widget;
    }

    static constexpr Color kWhite = palette::kWhite;
    static constexpr Color kRed = palette::kRed;
    static constexpr Color kGrey = palette::kGrey;
    static constexpr Color kDarkRed = palette::kDarkRed;
    std::optional<FlowStateGuard> guard_;
    Size glyphs_{18, 18};
    int32_t spacing_ = 0;
};

TEST_F(RowDrawTest, AreasItemsCharactersAndDepthsSitAtTheirOffsets) {
    // Format 0: area names at (5, 0), the cursor's row in red.
    ListWidget& areas = RowsOnly(10, 0, 1, 12);
    areas.Add(0, 0);
    areas.Add(4, 4);
    ExpectRows(areas, {20, 20, 300, 260},
               {{{25, 20}, AreaById(0).name, kRed}, {{25, 40}, AreaById(4).name, kWhite}});

    // Format 2: "なし", item labels and record labels.
    StartFrame();
    ListWidget& items = RowsOnly(12, 2, 1, 6);
    items.Add(-1, 0);
    items.Add(3, PackItem(3, 40));
    items.Add(209, PackItem(1459, 0));
    items.Select(1);
    ExpectRows(items, {200, 25, 360, 145},
               {{{205, 25}, Text("なし"), kWhite},
                {{205, 45}, ItemName(3) + Formatted("[%d]", 40), kRed},
                {{205, 65}, Text("レ:") + ItemName(209), kWhite}});

    // Format 7: character names; format 10: "Lv %d" with the depth.
    StartFrame();
    ListWidget& people = RowsOnly(18, 7, 1, 7);
    people.Add(0, 0);
    people.Add(1, 1);
    people.SetState(WidgetState::kNoHighlight);
    ExpectRows(
        people, {460, 320, 600, 460},
        {{{465, 320}, CharacterById(0).name, kWhite}, {{465, 340}, CharacterById(1).name, kWhite}});
    StartFrame();
    ListWidget& depths = RowsOnly(22, 10, 1, 12);
    depths.Add(0, 0);
    depths.Add(1, 10);
    depths.Select(1);
    ExpectRows(depths, {330, 20, 610, 260},
               {{{335, 20}, Text("Lv 0"), kWhite}, {{335, 40}, Text("Lv 10"), kRed}});
}

TEST_F(RowDrawTest, PricesAreRightAlignedAndUnaffordableRowsGreyed) {
    PartyState& party = GameParty();
    party.gold = 500;
    party.shopStock = {{PackItem(1, 40), 120}, {PackItem(561, 20), 900}, {PackItem(793, 10), 501}};
    // Format 4: label at (10, 0), price right at 225; the cursor on a row
    // the purse cannot pay turns it dark red.
    ListWidget& shop = RowsOnly(14, 4, 1, 18);
    for (int32_t row = 0; row < 3; ++row) shop.Add(row, row);
    shop.Select(2);
    const Rect rect{10, 100, 250, 460};
    ExpectRows(shop, rect,
               {{{20, 100}, ItemName(1) + Text("[40]"), kWhite},
                {{245, 100}, Text("120G"), kWhite, kAlignEnd},
                {{20, 120}, ItemName(561) + Text("[20]"), kGrey},
                {{245, 120}, Text("900G"), kGrey, kAlignEnd},
                {{20, 140}, ItemName(793) + Text("[10]"), kDarkRed},
                {{245, 140}, Text("501G"), kDarkRed, kAlignEnd}});

    // Format 3: the pawn shop pays a quarter of the price.
    StartFrame();
    ListWidget& pawn = RowsOnly(15, 3, 1, 18);
    const PackedItem sword = PackItem(561, 50);
    pawn.Add(0, sword);
    ASSERT_GT(GoodsPrice(sword), 0);
    ExpectRows(pawn, rect,
               {{{15, 100}, ItemName(561) + Text("[50]"), kRed},
                {{240, 100}, Formatted("%dG", GoodsPrice(sword) / 4), kRed, kAlignEnd}});

    // Format 6: the hire price right at 195 from the name.
    StartFrame();
    int32_t cheap = 0, dear = 0;
    for (int32_t c = 0; c < kCharacterCapacity; ++c) {
        if (CharacterById(c).name.Empty()) continue;
        if (CharacterById(c).hireFee < CharacterById(cheap).hireFee) cheap = c;
        if (CharacterById(c).hireFee > CharacterById(dear).hireFee) dear = c;
    }
    ASSERT_LT(CharacterById(cheap).hireFee, CharacterById(dear).hireFee);
    party.gold = CharacterById(cheap).hireFee;
    ListWidget& tavern = RowsOnly(17, 6, 1, 7);
    tavern.Add(cheap, cheap);
    tavern.Add(dear, dear);
    ExpectRows(tavern, {410, 320, 620, 460},
               {{{415, 320}, CharacterById(cheap).name, kRed},
                {{610, 320}, Formatted("%dG", CharacterById(cheap).hireFee), kRed, kAlignEnd},
                {{415, 340}, CharacterById(dear).name, kGrey},
                {{610, 340}, Formatted("%dG", CharacterById(dear).hireFee), kGrey, kAlignEnd}});

    // Format 8: the product's name and the fee right at 225.
    StartFrame();
    // Two recipes whose fees differ; the purse pays only the cheaper.
    int32_t productA = 209, productB = -1;
    for (int32_t id = 1; id < kItemCapacity && productB < 0; ++id)
        if (RecipeTable()[id].fee > 0 && RecipeTable()[id].fee != RecipeTable()[productA].fee)
            productB = id;
    ASSERT_GE(productB, 0);
    const int32_t feeA = RecipeTable()[productA].fee, feeB = RecipeTable()[productB].fee;
    party.gold = std::min(feeA, feeB);
    ListWidget& recipes = RowsOnly(19, 8, 1, 18);
    recipes.Add(productA, PackItem(1250 + productA, 0));
    recipes.Add(productB, PackItem(1250 + productB, 0));
    ExpectRows(
        recipes, rect,
        {{{15, 100}, ItemName(productA), feeA > party.gold ? kDarkRed : kRed},
         {{240, 100}, Formatted("%dG", feeA), feeA > party.gold ? kDarkRed : kRed, kAlignEnd},
         {{15, 120}, ItemName(productB), feeB > party.gold ? kGrey : kWhite},
         {{240, 120}, Formatted("%dG", feeB), feeB > party.gold ? kGrey : kWhite, kAlignEnd}});
}

TEST_F(RowDrawTest, BountyRowsSpreadOverTheGuildList) {
    UseGlyphs(16, 0);
    ExpeditionState& expedition = GameExpedition();
    expedition.hunt[0] = 1;
    expedition.clearLevel[0] = 12;
    ListWidget& guild = RowsOnly(16, 5, 1, 14);
    guild.Add(0, PackItem(2600, 0));
    guild.Add(1, PackItem(2601, 0));
    guild.Select(1);
    std::vector<Placed> texts;
    for (int32_t quest = 0; quest < 2; ++quest) {
        const QuestData& data = QuestById(quest);
        const int32_t y = 10 + quest * 19;  // 270 / 14
        const Color color = quest == 1 ? kRed : kWhite;
        // Only the hunt switch greys when the bounty is ignored.
        texts.push_back(
            {{15, y}, Text(quest == 0 ? "討伐" : "無視"), quest == 1 ? kDarkRed : kWhite});
        texts.push_back({{65, y}, Text(quest == 0 ? "撃破" : " 未"), color});
        texts.push_back({{115, y}, Text("賞:") + data.title, color});
        texts.push_back({{285, y},
                         data.recommendedLevel >= 500
                             ? Text("推奨Lv ???")
                             : Formatted("推奨Lv %d", data.recommendedLevel),
                         color});
        texts.push_back({{385, y}, AreaById(data.area).name, color});
        texts.push_back({{515, y}, Formatted("( %d ～ %d )", data.minLevel, data.maxLevel), color});
    }
    ExpectRows(guild, {10, 10, 620, 280}, texts);
}

TEST_F(RowDrawTest, SynthesisSlotsShowTheRequirementAndThePlacedMaterial) {
    const RecipeData& recipe = RecipeTable()[561];
    ASSERT_GE(recipe.ingredients.size(), 2u);
    SynthesisSelection& synthesis = Flow().synthesis;
    synthesis.product = 561;
    synthesis.slots.assign(recipe.ingredients.size(), SynthesisSlot{});
    const int32_t material = recipe.ingredients[0].id;
    synthesis.slots[0] = {1, PackItem(material, 70)};
    ListWidget& slots = RowsOnly(20, 9, 1, 10);
    std::vector<Placed> texts;
    for (int32_t row = 0; row < static_cast<int32_t>(recipe.ingredients.size()); ++row) {
        const WeightedId& ingredient = recipe.ingredients[static_cast<size_t>(row)];
        slots.Add(row, ingredient.id);
        const Color color = row == 0 ? kRed : kWhite;
        const int32_t y = 100 + row * 20;
        texts.push_back(
            {{15, y}, Formatted("%S(%d)", ItemName(ingredient.id), ingredient.weight), color});
        texts.push_back(
            {{195, y}, row == 0 ? ItemName(material) + Text("[70]") : Text("-"), color});
    }
    ExpectRows(slots, {10, 100, 370, 300}, texts);
}

TEST_F(RowDrawTest, SaveSlotsShowTheirSummaryFifteenPixelsIn) {
    SlotSummaries()[0] = {12, 3, 45678, 1, 0};
    SlotSummaries()[1] = {};
    SlotSummaries()[2] = {0, 0, 0, 0, 1};
    ListWidget& slots = RowsOnly(23, 11, 1, 15);
    for (int32_t slot = 0; slot < 3; ++slot) slots.Add(slot, slot);
    slots.Select(1);
    // Cells of 610 x 30.
    ExpectRows(slots, {10, 10, 620, 460},
               {{{25, 10}, Text("Lv"), kWhite},
                {{85, 10}, Text(" 12"), kWhite, kAlignEnd},
                {{145, 10}, Text("撃破数"), kWhite},
                {{245, 10}, Text("  3"), kWhite},
                {{285, 10}, Text("Gold"), kWhite},
                {{425, 10}, Text("       45678"), kWhite},
                {{25, 40}, Text("-"), kRed},
                {{25, 70}, Text("破損"), kWhite}});
    SlotSummaries() = {};
}

TEST_F(RowDrawTest, BattleCommandsShowCostsOrUsesAndGreyWhatCannotBeDone) {
    UseGlyphs(14, 0);
    // A skill without costs and one whose magic cost the member cannot pay.
    int32_t free = -1, costly = -1;
    for (int32_t id = 1; id < kSkillCapacity && (free < 0 || costly < 0); ++id) {
        const SkillData& skill = SkillById(id);
        if (skill.name.Empty()) continue;
        if (free < 0 && skill.epCost == 0 && skill.mpCost == 0) free = id;
        if (costly < 0 && skill.mpCost > 0) costly = id;
    }
    ASSERT_GE(free, 0);
    ASSERT_GE(costly, 0);
    CarriedItemSkillTable()[0] = MakeConsumable(1, 30);
    CarriedItemSkillTable()[1] = MakeConsumable(1, 60);
    BattleState& battle = GameBattle();
    BattleUnit member;
    member.ep = 50;
    member.mp = SkillById(costly).mpCost - 1;
    battle.units = {member};
    battle.ready = {0};
    battle.subState = BattleSubState::kCommand;
    battle.itemUses[0] = 2;
    battle.itemUses[1] = 0;
    ASSERT_EQ(CommandingUnit(battle), 0);

    ListWidget& commands = RowsOnly(11, 1, 2, 9);
    commands.Add(0, free);
    commands.Add(1, costly);
    commands.Add(0, 700);
    commands.Add(1, 701);
    // Cells of 190 x 17; text at (10, 5), the costs 120 further.
    const SkillData& a = SkillById(free);
    const SkillData& b = SkillById(costly);
    ExpectRows(commands, {10, 10, 390, 170},
               {{{20, 15}, a.name, kRed},
                {{140, 15}, Formatted("%3d/%3d", a.epCost, a.mpCost), kRed},
                {{210, 15}, b.name, kGrey},
                {{330, 15}, Formatted("%3d/%3d", b.epCost, b.mpCost), kGrey},
                {{20, 32}, SkillById(700).name, kWhite},
                {{140, 32}, Text("    × 2"), kWhite},
                {{210, 32}, SkillById(701).name, kGrey},
                {{330, 32}, Text("    × 0"), kGrey}});
}

TEST_F(RowDrawTest, MenusCentreTheirTextsAndTheCampGreysClosedEntries) {
    SetUpWidgets();
    UseGlyphs(32, 4);
    ListWidget& town = Widget(1);
    town.SetState(WidgetState::kActive);
    town.Select(5);
    const Rect townRect{20, 210, 620, 460};
    ExpectDrawnAs(town, townRect, [&] {
        Panel(townRect);
        for (int32_t i = 0; i < 8; ++i)
            Put({{170 + (i % 2) * 300, 241 + (i / 2) * 62},
                 MenuText(RowFormat::kTownMenu, i),
                 i == 5 ? kRed : kWhite,
                 kAlignCentre,
                 kAlignCentre});
    });
    // The panel: white tinted (0, 0, 255, 200) over black.
    EXPECT_TRUE(Near(At(22, 212), {0, 0, 200}, 1));

    UseGlyphs(20, 4);
    Flow().menuEnabled = {1, 1, 1, 1, 0, 0, 1};
    ListWidget& camp = Widget(2);
    camp.SetState(WidgetState::kActive);
    camp.Select(4);
    const Rect campRect{420, 245, 620, 405};
    ExpectDrawnAs(camp, campRect, [&] {
        Panel(campRect);
        for (int32_t i = 0; i < 7; ++i) {
            const Color color = i == 4 ? kDarkRed : i == 5 ? kGrey : kWhite;
            Put({{520, 256 + i * 22},
                 MenuText(RowFormat::kCampMenu, i),
                 color,
                 kAlignCentre,
                 kAlignCentre});
        }
    });

    // The title menu has no panel behind it.
    UseGlyphs(48, 4);
    const Rect titleRect{220, 300, 420, 420};
    ExpectDrawnAs(Widget(0), titleRect, [&] {
        Put({{320, 330}, Text("はじめから"), kRed, kAlignCentre, kAlignCentre});
        Put({{320, 390}, Text("つづきから"), kWhite, kAlignCentre, kAlignCentre});
    });
    EXPECT_TRUE(Near(At(221, 301), {0, 0, 0}, 0));
}

TEST_F(RowDrawTest, ScrollMarksAndTheBarFollowTheView) {
    ListWidget& list = Widget(10);
    list.SetCallbacks(nullptr, nullptr, ScrollMarks, 3, 4);
    list.SetLayout(1, 12);
    for (int32_t i = 0; i < 30; ++i) list.Add(i, i);
    list.SetState(WidgetState::kActive);
    list.Select(15);  // rows 4 to 15 of 30
    const Rect rect{20, 20, 300, 260};
    ExpectDrawnAs(list, rect, [&] {
        Put({{160, 20}, Text("▲"), kWhite, kAlignCentre, kAlignCentre});
        Put({{160, 260}, Text("▼"), kWhite, kAlignCentre, kAlignCentre});
        Graphics().SetColor(kWhite);
        Graphics().DrawRect({300, 20 + 240 * 4 / 30, 310, 20 + 240 * 16 / 30}, Pictures().panel, 0);
    });
    EXPECT_TRUE(Near(At(305, 60), {255, 255, 255}, 0));
    EXPECT_TRUE(Near(At(305, 40), {0, 0, 0}, 0));
    EXPECT_TRUE(Near(At(311, 60), {0, 0, 0}, 0));

    // Everything in view: neither marks nor bar.
    StartFrame();
    list.Clear();
    list.Add(0, 0);
    list.Draw(rect);
    Capture();
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x)
            ASSERT_TRUE(Near(At(x, y), {0, 0, 0}, 0)) << x << "," << y;
}

}  // namespace
