// The result panel after a battle won.
#include <algorithm>
#include <set>

#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "flow/Palette.h"
#include "flow/panels/Panels.h"
#include "rules/BattleState.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

namespace {

constexpr int32_t kGlyph = 16;
constexpr int32_t kMargin = 10;
constexpr int32_t kValueColumn = 60;  // left of the value lines, from the panel's centre

// One line of text, or a list of goods laid out in one or two columns.
struct Entry {
    WString text;
    Color color = palette::kWhite;
    bool heading = false;                 // centred
    std::vector<WString> goods;
    bool list = false;
    int32_t hidden = 0;  // goods cut off the list for want of room
};

int32_t ListLength(const Entry& e) { return int32_t(e.goods.size()) + (e.hidden > 0 ? 1 : 0); }

int32_t ListRows(const Entry& e, int32_t columns) {
    return e.list ? (ListLength(e) + columns - 1) / columns : 1;
}

int32_t TotalRows(const std::vector<Entry>& entries, int32_t columns) {
    int32_t rows = 0;
    for (const Entry& e : entries) rows += ListRows(e, columns);
    return rows;
}

// The reward goods that DefeatQuest will give: a one-of-a-kind thing that
// is held already (or listed twice) is not taken, so it is not shown.
std::vector<WString> RewardLabels(const QuestData& quest, const PartyState& party) {
    std::vector<WString> labels;
    std::set<int32_t> taken;
    for (PackedItem reward : quest.rewards) {
        const int32_t id = PackedGoodsId(reward);
        const int32_t* flag = HoldingFlag(party, id);
        if (flag != nullptr && (*flag != Holding::kNone || !taken.insert(id).second)) continue;
        if (flag == nullptr && !IsItem(id)) continue;
        labels.push_back(GoodsListLabel(reward));
    }
    return labels;
}

Entry Value(const char* format, int32_t a) {
    Entry e;
    e.text.Format(format, a);
    return e;
}

Entry Heading(const WString& text, Color color) {
    Entry e;
    e.text = text;
    e.color = color;
    e.heading = true;
    return e;
}

Entry List(std::vector<WString> goods) {
    Entry e;
    e.list = true;
    e.goods = std::move(goods);
    return e;
}

}  // namespace

PanelDrawing MakeVictoryResult(const BattleState& battle, const ExpeditionState& expedition,
                               const PartyState& party) {
    std::vector<Entry> entries;
    if (battle.levelAfter != battle.levelBefore) {
        Entry e;
        e.text.Format("LvUp      %d → %d", battle.levelBefore, battle.levelAfter);
        e.color = palette::kYellow;
        entries.push_back(e);
    }
    entries.push_back(Value("G       %7d", battle.rewardGold));
    entries.push_back(Value("Exp     %7d", battle.rewardExp));
    entries.push_back(Heading(WString("～ アイテム ～"), panelcolor::kHeading));
    if (battle.obtained.empty()) {
        entries.push_back(Heading(WString("なし"), palette::kWhite));
    } else {
        std::vector<WString> drops;
        for (PackedItem item : battle.obtained) drops.push_back(GoodsListLabel(item));
        entries.push_back(List(std::move(drops)));
    }
    // A quest battle won for the first time pays its reward once the result
    // is confirmed; until then its clear level is still 0.
    const int32_t quest = battle.quest;
    if (quest >= 0 && quest < kQuestCapacity && expedition.clearLevel[size_t(quest)] == 0) {
        const QuestData& row = QuestById(quest);
        WString title;
        title.Format("～ %S 撃破!! ～", row.title);
        entries.push_back(Heading(title, palette::kYellow));
        entries.push_back(Value("G       %7d", row.rewardGold));
        std::vector<WString> rewards = RewardLabels(row, party);
        if (!rewards.empty()) entries.push_back(List(std::move(rewards)));
    }

    // Fit: closer lines first, then two columns of goods, then cut the
    // longest list with a count of what is left out.
    const Rect& panel = kVictoryPanel;
    const int32_t height = panel.Height() - 2 * kMargin;
    int32_t pitch = 20, columns = 1;
    for (const auto& [p, c] : {std::pair{20, 1}, std::pair{18, 1}, std::pair{20, 2}, std::pair{18, 2}}) {
        pitch = p;
        columns = c;
        if (TotalRows(entries, c) <= height / p) break;
    }
    while (TotalRows(entries, columns) > height / pitch) {
        Entry* longest = nullptr;
        for (Entry& e : entries)
            if (e.list && (longest == nullptr || e.goods.size() > longest->goods.size())) longest = &e;
        if (longest == nullptr || longest->goods.empty()) break;
        longest->goods.pop_back();
        ++longest->hidden;
    }
    for (Entry& e : entries) {
        if (e.hidden == 0) continue;
        WString more;
        more.Format("ほか %d個", e.hidden);
        e.goods.push_back(more);
        e.hidden = 0;  // now one of the goods lines
    }

    PanelDrawing d;
    d.Panel(panel);
    const int32_t centre = (panel.left + panel.right) / 2;
    const int32_t inner = panel.Width() - 2 * kMargin;
    int32_t y = panel.top + kMargin;
    for (const Entry& e : entries) {
        if (!e.list) {
            if (e.heading) {
                const FittedText fit = FitText(e.text, kGlyph, inner);
                const int32_t width = TextWidth(fit.text, fit.cellWidth, 0);
                d.Text({centre - width / 2, y}, e.text, e.color, kGlyph, inner);
            } else {
                d.Text({centre - kValueColumn, y}, e.text, e.color, kGlyph, inner / 2 + kValueColumn);
            }
            y += pitch;
            continue;
        }
        const int32_t columnWidth = inner / columns;
        for (size_t i = 0; i < e.goods.size(); ++i) {
            const int32_t row = int32_t(i) / columns, column = int32_t(i) % columns;
            const int32_t rowY = y + row * pitch;
            if (columns == 1) {
                const FittedText fit = FitText(e.goods[i], kGlyph, inner);
                const int32_t width = TextWidth(fit.text, fit.cellWidth, 0);
                d.Text({centre - width / 2, rowY}, e.goods[i], palette::kWhite, kGlyph, inner);
            } else {
                d.Text({panel.left + kMargin + column * columnWidth + 8, rowY}, e.goods[i],
                       palette::kWhite, kGlyph, columnWidth - 16);
            }
        }
        y += ListRows(e, columns) * pitch;
    }
    return d;
}

void DrawVictoryResult(const BattleState& battle, const ExpeditionState& expedition,
                       const PartyState& party) {
    DrawPanels(MakeVictoryResult(battle, expedition, party));
}

void DrawVictoryResult() { DrawVictoryResult(GameBattle(), GameExpedition(), GameParty()); }
