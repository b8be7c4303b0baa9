// What the panels say for known content: labels, values and the colours of
// the equipment preview.
#include <gtest/gtest.h>

#include "PanelScenes.h"
#include "content/Abilities.h"
#include "content/Labels.h"
#include "flow/Palette.h"
#include "flow/panels/StatusRows.h"
#include "rules/Quests.h"

namespace paneltest {
namespace {

constexpr Point kAt{100, 100};

TEST(EquipmentDetail, ShowsNameKindAndEveryBonusOfAKnownSword) {
    StateGuard guard;
    // ホーリーソード: Atk700+150 Mag200 Hit20 Cri5 光攻UP20 闇耐性20, skills 92@20 111@70.
    PanelDrawing d = MakeEquipmentDetail(Item(586, 100), kAt);
    EXPECT_TRUE(HasText(d, "ホーリーソード[100]"));
    EXPECT_TRUE(HasText(d, "<剣>"));
    for (const char* title : {"～パラメータ～", "～アビリティ～", "～スキル～"}) EXPECT_TRUE(HasText(d, title));
    EXPECT_EQ(ValueOf(d, "Atk"), "850");
    EXPECT_EQ(ValueOf(d, "Mag"), "200");
    EXPECT_EQ(ValueOf(d, "Hit"), "20");
    EXPECT_EQ(ValueOf(d, "Cri"), "5");
    EXPECT_FALSE(HasText(d, "Hp"));  // bonuses of 0 are not listed
    EXPECT_EQ(ValueOf(d, "闇耐性"), "20%");
    EXPECT_EQ(ValueOf(d, "光攻UP"), "20%");
    EXPECT_TRUE(HasText(d, "聖光斬り"));
    EXPECT_TRUE(HasText(d, "聖剣技"));

    // At quality 50 the values scale and the quality-70 skill is not granted.
    d = MakeEquipmentDetail(Item(586, 50), kAt);
    EXPECT_TRUE(HasText(d, "ホーリーソード[50]"));
    EXPECT_EQ(ValueOf(d, "Atk"), "500");
    EXPECT_TRUE(HasText(d, "聖光斬り"));
    EXPECT_FALSE(HasText(d, "聖剣技"));

    // Accessories have no kind line.
    d = MakeEquipmentDetail(Item(752, 100), kAt);
    EXPECT_FALSE(HasText(d, "<->"));
    EXPECT_EQ(ValueOf(d, "Hp"), "1100");
}

TEST(SkillDetail, ShowsCostsTargetElementTypeAndStrength) {
    StateGuard guard;
    // 百裂拳: 60 EP, one target, 12 hits, neutral, Pow 100 Hit 80 Cri 10, speed 90.
    PanelDrawing d = MakeSkillDetail(SkillById(26), kAt);
    EXPECT_TRUE(HasText(d, "百裂拳"));
    EXPECT_EQ(ValueOf(d, " 60/  0"), "Sp  90");
    EXPECT_EQ(ValueOf(d, "一体"), "無 × 12");
    EXPECT_TRUE(HasText(d, "物理ダメージを与える"));
    EXPECT_EQ(ValueOf(d, "Type 拳, 無, 射程×"), "反射×");
    EXPECT_TRUE(HasText(d, "Pow 100  Hit  80  Cri  10"));
    EXPECT_FALSE(HasText(d, "効果  "));

    // 影縫い: one hit is a bare element; paralysis is listed under 効果.
    d = MakeSkillDetail(SkillById(78), kAt);
    EXPECT_EQ(ValueOf(d, "一体"), "無");
    EXPECT_TRUE(HasText(d, "効果  マヒ "));

    // A carried item's action shows its uses, and goods add their price.
    const SkillData shell = MakeConsumable(116, 100);
    d = MakeSkillDetail(shell, kAt, 20000);
    WString uses;
    uses.Format("%2d 回", shell.itemUses);
    EXPECT_TRUE(HasText(d, uses.ToUtf8()));
    EXPECT_TRUE(HasText(d, "補助効果を付加する"));
    EXPECT_EQ(ValueOf(d, "価格"), "20000 G");

    SkillData cure = SkillById(26);
    cure.type = SkillType::kCure;
    cure.subtype = 3;
    d = MakeSkillDetail(cure, kAt);
    EXPECT_TRUE(HasText(d, "異常を治療する ( 3個 )"));
    EXPECT_FALSE(HasText(d, "Pow 100  Hit  80  Cri  10"));  // strength only for damage and recovery
}

TEST(SkillDetail, WrapsManyStatusesAfterFiveSpacesAndStaysShort) {
    StateGuard guard;
    SkillData skill = SkillById(26);
    for (int32_t& chance : skill.statusChance) chance = 50;
    const PanelDrawing d = MakeSkillDetail(skill, kAt);
    int32_t effectLines = 0;
    for (const PanelText& t : d.texts) {
        const std::string s = t.text.ToUtf8();
        if (s.rfind("効果  ", 0) == 0 || s.rfind("     ", 0) == 0) ++effectLines;
    }
    EXPECT_EQ(effectLines, 3);  // cut, not run past the panel
    EXPECT_LE(d.Bounds().Height(), 165);
}

TEST(StatusSheet, PreviewColoursRaisedLoweredAndEqualValues) {
    StateGuard guard;
    SetUpParty();
    // Leon holds ホーリーソード[70]; 忍者刀[100] has less Atk and Mag, more Cri
    // and Sp, the same Hp, and trades the sword's skills for its own.
    Wear(0, 0, Item(586, 70));
    const StatusCursor slot{StatusGroup::kEquipment, 0};
    const PanelDrawing d = MakeStatusSheet(0, &slot, 0, Item(584, 100));
    const BattleParams then = ComputeBattleParams(0, 0, Item(584, 100));
    EXPECT_EQ(FindText(d, "Atk")->color, panelcolor::kLowered);
    EXPECT_EQ(ValueOf(d, "Atk"), std::to_string(then.params.Base(BaseParam::kAtk)));
    EXPECT_EQ(FindText(d, "Cri")->color, panelcolor::kRaised);
    EXPECT_EQ(FindText(d, "Hp")->color, panelcolor::kEqual);
    // An ability the candidate takes away stays listed at 0 %.
    EXPECT_EQ(FindText(d, "光攻UP")->color, panelcolor::kLowered);
    EXPECT_EQ(ValueOf(d, "光攻UP"), "0%");
    // Skills: lost ones dimmed, new ones in the raised colour after the rest.
    EXPECT_EQ(FindText(d, "聖光斬り")->color, panelcolor::kLost);
    EXPECT_EQ(FindText(d, "攻撃")->color, panelcolor::kEqual);
    EXPECT_EQ(FindText(d, "手裏剣")->color, panelcolor::kRaised);
    // The slot being changed is the highlighted one.
    EXPECT_EQ(FindText(d, "ホーリーソード")->color, panelcolor::kCursor);
    EXPECT_EQ(ValueOf(d, "ホーリーソード"), "[70]");

    // Without a preview nothing is coloured.
    const PanelDrawing plain = MakeStatusSheet(0, nullptr, -1, 0);
    for (const PanelText& t : plain.texts) {
        EXPECT_NE(t.color, panelcolor::kRaised) << t.text.ToUtf8();
        EXPECT_NE(t.color, panelcolor::kLowered) << t.text.ToUtf8();
        EXPECT_NE(t.color, panelcolor::kCursor) << t.text.ToUtf8();
    }
}

TEST(StatusSheet, ShowsProfileLevelsAndNext) {
    StateGuard guard;
    SetUpParty();
    PanelDrawing d = MakeStatusSheet(2, nullptr, -1, 0);
    EXPECT_TRUE(HasText(d, CharacterById(2).name.ToUtf8()));
    EXPECT_TRUE(HasText(d, CharacterById(2).title.ToUtf8()));
    EXPECT_EQ(ValueOf(d, "Lv"), "60");
    EXPECT_EQ(ValueOf(d, "Next"), std::to_string(ExpToNext(60) - 1234));
    for (const char* title : {"～ パラメータ ～", "～ 装備 ～", "～ アビリティ ～", "～ スキル ～"})
        EXPECT_TRUE(HasText(d, title)) << title;
    EXPECT_EQ(ValueOf(d, "Mag"),
              std::to_string(ComputeBattleParams(2).params.Base(BaseParam::kMag)));
    EXPECT_EQ(ValueOf(d, "ヒール"), "  0/ 20");

    SetPartyLevel(GameParty(), kMaxLevel);
    d = MakeStatusSheet(2, nullptr, -1, 0);
    EXPECT_EQ(ValueOf(d, "Next"), "-");
}

int32_t AbilityGlyphs(int32_t character) {
    const PanelDrawing d = MakeStatusSheet(character, nullptr, -1, 0);
    const PanelText* row = FindText(d, AbilityCatalogue()[0].name.ToUtf8());
    return row != nullptr ? row->cellHeight : -1;
}

TEST(StatusSheet, RowHeightsSwitchAt16And32Rows) {
    StateGuard guard;
    SetUpParty();
    EXPECT_EQ(StatusRowHeight(1), 16);
    EXPECT_EQ(StatusRowHeight(16), 16);
    EXPECT_EQ(StatusRowHeight(17), 10);
    EXPECT_EQ(StatusRowHeight(32), 10);
    EXPECT_EQ(StatusRowHeight(33), 8);

    // The sheet sets its ability rows in that height.
    CharacterData& row = CharacterTable()[5];
    row.equipment = {};
    auto setAbilities = [&](int32_t count) {
        for (int32_t k = 0; k < AbilityParam::kCount; ++k) row.params.Ability(k) = k < count ? 10 : 0;
    };
    for (const auto& [count, height] : {std::pair{16, 16}, std::pair{17, 10}, std::pair{32, 10},
                                        std::pair{33, 8}}) {
        setAbilities(count);
        EXPECT_EQ(AbilityGlyphs(5), height) << count << " rows";
    }
}

TEST(StatusSheet, GroupSizesAreTheRowsTheCursorCanHighlight) {
    StateGuard guard;
    SetUpParty();
    for (int32_t character : {0, 2, 5}) {
        const std::array<int32_t, 3> sizes = StatusGroupSizes(character);
        EXPECT_EQ(sizes[0], 5);
        const BattleParams params = ComputeBattleParams(character);
        EXPECT_EQ(sizes[1], CountAbilities(params.params));
        EXPECT_EQ(sizes[2], int32_t(params.skills.size()));
        for (int32_t group = 0; group < 3; ++group) {
            for (int32_t r = 0; r <= sizes[size_t(group)]; ++r) {
                const StatusCursor cursor{group, r};
                const PanelDrawing d = MakeStatusSheet(character, &cursor, -1, 0);
                const auto lit = std::count_if(d.texts.begin(), d.texts.end(), [](const PanelText& t) {
                    return t.color == panelcolor::kCursor;
                });
                if (r == sizes[size_t(group)]) {
                    EXPECT_EQ(lit, 0) << "group " << group << " has no row " << r;
                } else {
                    EXPECT_GE(lit, 1) << "group " << group << " row " << r;
                    // The detail of that row exists unless it is an empty slot.
                    const bool emptySlot =
                        group == 0 && CharacterById(character).equipment[size_t(r)] == 0;
                    EXPECT_EQ(MakeStatusRowDetail(character, cursor, {200, 300}).texts.empty(), emptySlot);
                }
            }
        }
    }
}

TEST(StatusRowDetail, ShowsTheAbilityDescriptionAndTheSkillDetail) {
    StateGuard guard;
    SetUpParty();
    const StatusRows rows = MakeStatusRows(2, -1, 0);
    ASSERT_FALSE(rows.abilities.empty());
    const AbilityInfo& info = AbilityCatalogue()[size_t(rows.abilities[0].id)];
    PanelDrawing d = MakeStatusRowDetail(2, {StatusGroup::kAbilities, 0}, {200, 300});
    EXPECT_TRUE(HasText(d, info.name.ToUtf8()));
    std::string described;
    for (const PanelText& t : d.texts)
        if (t.at.y > 320) described += t.text.ToUtf8();
    EXPECT_EQ(described, info.description.ToUtf8());

    d = MakeStatusRowDetail(2, {StatusGroup::kSkills, 1}, {200, 300});
    EXPECT_TRUE(HasText(d, SkillById(rows.skills[1].id).name.ToUtf8()));
    EXPECT_TRUE(HasText(d, "HPを回復する"));

    d = MakeStatusRowDetail(2, {StatusGroup::kEquipment, 0}, {200, 300});
    EXPECT_TRUE(HasText(d, GoodsDisplayName(CharacterById(2).equipment[0]).ToUtf8()));
}

TEST(PartyPanels, CardSummaryAndRecordsShowTheirValues) {
    StateGuard guard;
    SetUpParty();
    PanelDrawing d = MakePartyCard(0, {5, 5}, false);
    EXPECT_EQ(ValueOf(d, "Lv"), "    60");
    WString hp;
    hp.Format("%6d", ComputeBattleParams(0).params.Base(BaseParam::kHp));
    EXPECT_EQ(ValueOf(d, "HP"), hp.ToUtf8());
    EXPECT_TRUE(HasText(d, "ホーリーソード[70]"));
    EXPECT_TRUE(HasText(d, "ヘビーバンクル[100]"));
    EXPECT_EQ(std::count_if(d.texts.begin(), d.texts.end(),
                            [](const PanelText& t) { return t.text.ToUtf8() == " -"; }),
              2);
    // The chosen card is framed: more rectangles than the plain one.
    EXPECT_GT(MakePartyCard(0, {5, 5}, true).panels.size(), d.panels.size());

    d = MakePartySummary({445, 125});
    EXPECT_EQ(ValueOf(d, "所持金"), "123456 G");
    EXPECT_EQ(ValueOf(d, "Next"), std::to_string(ExpToNext(60) - 1234));
    EXPECT_EQ(ValueOf(d, "撃破数"), "     7");

    d = MakeBattleRecords(kAt);
    EXPECT_EQ(ValueOf(d, "戦闘数"), "    57");
    EXPECT_EQ(ValueOf(d, "勝利数"), "    55");
    EXPECT_EQ(ValueOf(d, "敗北数"), "     2");
    EXPECT_EQ(ValueOf(d, "撃破数"), "     7");
}

TEST(GoodsDetail, ChoosesThePanelByWhatTheGoodsAre) {
    StateGuard guard;
    SetUpParty();
    EXPECT_TRUE(MakeGoodsDetail(0, kAt).texts.empty());
    EXPECT_TRUE(HasText(MakeGoodsDetail(Item(586, 100), kAt), "<剣>"));

    PanelDrawing d = MakeGoodsDetail(Item(47, 0), kAt);
    EXPECT_TRUE(HasText(d, "エリクサーA[0]"));
    EXPECT_EQ(ValueOf(d, "価格"), std::to_string(GoodsPrice(Item(47, 0))) + " G");

    d = MakeGoodsDetail(Item(1000, 55), kAt);
    EXPECT_TRUE(HasText(d, "無の欠片[55]"));
    EXPECT_EQ(ValueOf(d, "価格"), std::to_string(GoodsPrice(Item(1000, 55))) + " G");

    // Recipe 1028: 虹の欠片 from the seven element shards.
    d = MakeGoodsDetail(Item(GoodsRange::kRecipeFirst + 1028, 0), kAt);
    EXPECT_TRUE(HasText(d, "虹の欠片"));
    EXPECT_TRUE(HasText(d, "料金 5000G"));
    EXPECT_TRUE(HasText(d, "材料"));
    EXPECT_TRUE(HasText(d, "無の欠片(10)"));
    EXPECT_TRUE(HasText(d, "闇の欠片(15)"));

    d = MakeGoodsDetail(Item(GoodsRange::kCardFirst + 3, 0), kAt);
    EXPECT_TRUE(HasText(d, CharacterById(3).name.ToUtf8()));
    EXPECT_TRUE(HasText(d, CharacterById(3).title.ToUtf8()));
    EXPECT_EQ(ValueOf(d, "雇用費"), std::to_string(CharacterById(3).hireFee) + "G");

    d = MakeGoodsDetail(Item(GoodsRange::kMapFirst + 1, 0), kAt);
    EXPECT_TRUE(HasText(d, AreaById(1).name.ToUtf8()));
    const AreaCollection found = CountAreaCollection(GameParty(), 1);
    WString cards;
    cards.Format("%3d/%3d", found.cards.owned, found.cards.total);
    EXPECT_EQ(ValueOf(d, "名刺"), cards.ToUtf8());
}

TEST(QuestNoticeDetail, UsesTheRulesTextsAndListsTheRewards) {
    StateGuard guard;
    GameExpedition().clearLevel[0] = 12;
    const QuestDetail detail = MakeQuestDetail(GameExpedition(), 0);
    const PanelDrawing d = MakeGoodsDetail(Item(GoodsRange::kCertificateFirst, 0), kAt);
    EXPECT_TRUE(HasText(d, QuestById(0).title.ToUtf8()));
    EXPECT_TRUE(HasText(d, "撃破Lv 12"));
    for (const WString* text : {&detail.recommended, &detail.area, &detail.window, &detail.reward})
        EXPECT_TRUE(HasText(d, text->ToUtf8())) << text->ToUtf8();
    WString reward;
    reward.Format("報酬   %dG", QuestById(0).rewardGold);
    EXPECT_TRUE(HasText(d, reward.ToUtf8()));
    for (PackedItem item : QuestById(0).rewards) EXPECT_TRUE(HasText(d, GoodsListLabel(item).ToUtf8()));
}

TEST(ShopComparison, CountsHeldGoodsAndComparesForEachMember) {
    StateGuard guard;
    SetUpParty();
    PanelDrawing d = MakeShopComparison(Item(586, 100), kAt);
    EXPECT_TRUE(HasText(d, "所持 1   倉庫 1   装備中 1"));
    // Leon wears the same sword at 70: quality 100 raises Atk.
    const BattleParams now = ComputeBattleParams(0), then = ComputeBattleParams(0, 0, Item(586, 100));
    WString atk;
    atk.Format("Atk+%d", then.params.Base(BaseParam::kAtk) - now.params.Base(BaseParam::kAtk));
    ASSERT_TRUE(HasText(d, atk.ToUtf8()));
    EXPECT_EQ(FindText(d, atk.ToUtf8())->color, panelcolor::kRaised);
    // Members who cannot hold a sword say so.
    for (int32_t member : GameParty().members) {
        if (CanEquip(member, Item(586, 100))) continue;
        EXPECT_EQ(ValueOf(d, CharacterById(member).name.ToUtf8()), "装備不可");
    }
    d = MakeShopComparison(Item(1, 10), kAt);
    EXPECT_TRUE(HasText(d, "所持 2   倉庫 0   持参 0"));
    EXPECT_TRUE(MakeShopComparison(Item(GoodsRange::kMapFirst, 0), kAt).texts.empty());
}

BattleState WonBattle() {
    BattleState battle;
    battle.rewardGold = 12345;
    battle.rewardExp = 678;
    battle.levelBefore = battle.levelAfter = 60;
    return battle;
}

TEST(VictoryResult, ShowsGoldExperienceLevelsAndDrops) {
    StateGuard guard;
    BattleState battle = WonBattle();
    PanelDrawing d = MakeVictoryResult(battle, GameExpedition(), GameParty());
    WString gold, exp;
    gold.Format("G       %7d", 12345);
    exp.Format("Exp     %7d", 678);
    EXPECT_TRUE(HasText(d, gold.ToUtf8()));
    EXPECT_TRUE(HasText(d, exp.ToUtf8()));
    EXPECT_EQ(gold.ToUtf8(), "G         12345");
    EXPECT_TRUE(HasText(d, "～ アイテム ～"));
    EXPECT_TRUE(HasText(d, "なし"));
    for (const PanelText& t : d.texts) EXPECT_EQ(t.text.ToUtf8().rfind("LvUp", 0), std::string::npos);

    battle.levelAfter = 62;
    battle.obtained = {Item(1000, 40), Item(GoodsRange::kRecipeFirst + 1028, 0)};
    d = MakeVictoryResult(battle, GameExpedition(), GameParty());
    EXPECT_TRUE(HasText(d, "LvUp      60 → 62"));
    EXPECT_TRUE(HasText(d, "無の欠片[40]"));
    EXPECT_TRUE(HasText(d, "レ:虹の欠片"));
    EXPECT_FALSE(HasText(d, "なし"));
    EXPECT_EQ(d.Bounds(), kVictoryPanel);
}

TEST(VictoryResult, FirstClearOfABountyShowsItsRewardOnlyOnce) {
    StateGuard guard;
    BattleState battle = WonBattle();
    battle.quest = 0;
    const QuestData& quest = QuestById(0);
    ASSERT_FALSE(quest.rewards.empty());
    WString title, gold;
    title.Format("～ %S 撃破!! ～", quest.title);
    gold.Format("G       %7d", quest.rewardGold);
    PanelDrawing d = MakeVictoryResult(battle, GameExpedition(), GameParty());
    EXPECT_TRUE(HasText(d, title.ToUtf8()));
    EXPECT_TRUE(HasText(d, gold.ToUtf8()));
    for (PackedItem item : quest.rewards) EXPECT_TRUE(HasText(d, GoodsListLabel(item).ToUtf8()));

    // A one-of-a-kind reward already held would not be given: not listed.
    PackedItem thing = 0;
    for (PackedItem item : quest.rewards)
        if (!IsItem(PackedGoodsId(item))) thing = item;
    if (thing != 0) {
        *HoldingFlag(GameParty(), PackedGoodsId(thing)) = Holding::kStored;
        d = MakeVictoryResult(battle, GameExpedition(), GameParty());
        EXPECT_FALSE(HasText(d, GoodsListLabel(thing).ToUtf8()));
    }

    // Cleared before: no bounty lines.
    GameExpedition().clearLevel[0] = 30;
    d = MakeVictoryResult(battle, GameExpedition(), GameParty());
    EXPECT_FALSE(HasText(d, title.ToUtf8()));
}

TEST(VictoryResult, ManyDropsStayInThePanelWithACountOfTheRest) {
    StateGuard guard;
    BattleState battle = WonBattle();
    for (int32_t i = 0; i < 40; ++i) battle.obtained.push_back(Item(1000 + i % 28, i));
    const PanelDrawing d = MakeVictoryResult(battle, GameExpedition(), GameParty());
    int32_t shown = 0;
    bool counted = false;
    for (const PanelText& t : d.texts) {
        EXPECT_LE(t.at.y + t.cellHeight, kVictoryPanel.bottom) << t.text.ToUtf8();
        const std::string s = t.text.ToUtf8();
        if (s.find('[') != std::string::npos) ++shown;
        if (s.rfind("ほか ", 0) == 0) {
            counted = true;
            EXPECT_EQ(s, "ほか " + std::to_string(40 - shown) + "個");
        }
    }
    EXPECT_TRUE(counted);
    EXPECT_GT(shown, 10);
}

TEST(PanelText, LongTextsAreSqueezedThenCut) {
    const WString name("とても長い名前のついた伝説の武器の中の武器");
    const FittedText fit = FitText(name, 16, 120);
    EXPECT_LE(TextWidth(fit.text, fit.cellWidth, 0), 120);
    EXPECT_GE(fit.cellWidth, 10);
    EXPECT_EQ(fit.text.View().back(), u'…');
    const FittedText roomy = FitText(WString("剣"), 16, 120);
    EXPECT_EQ(roomy.text, WString("剣"));
    EXPECT_EQ(roomy.cellWidth, 16);

    const std::vector<WString> lines = WrapText(name, 14, 100);
    WString joined;
    for (const WString& line : lines) {
        EXPECT_LE(TextWidth(line, 14, 0), 100);
        joined.Append(line);
    }
    EXPECT_EQ(joined, name);
    EXPECT_GT(lines.size(), 1u);
}

}  // namespace
}  // namespace paneltest
