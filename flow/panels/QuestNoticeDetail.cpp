// A quest notice: the rules' own notice texts, and the reward goods.
#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "flow/Palette.h"
#include "flow/panels/Panels.h"
#include "rules/Quests.h"

namespace {

constexpr int32_t kWidth = 340;
constexpr int32_t kGlyph = 14;
constexpr int32_t kPitch = 17;
constexpr int32_t kMaxRewardRows = 3;

}  // namespace

PanelDrawing MakeQuestNoticeDetail(int32_t quest, Point origin) {
    PanelDrawing d;
    const QuestDetail detail = MakeQuestDetail(GameExpedition(), quest);
    const QuestData& row = QuestById(quest);
    const int32_t left = origin.x + 8, inner = kWidth - 16;
    // Rewards two to a row, the last row cut short with "…" past three.
    const int32_t rewardRows = std::min(kMaxRewardRows, (int32_t(row.rewards.size()) + 1) / 2);
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 4 + 22 + (4 + rewardRows) * kPitch + 6});

    int32_t y = origin.y + 4;
    d.Text({left, y}, row.title, palette::kWhite, 18, inner);
    y += 22;
    // Levels side by side, then place, depth window and reward.
    d.Text({left, y}, detail.clearLevel, palette::kWhite, kGlyph, inner / 2 - 4);
    d.Text({left + inner / 2, y}, detail.recommended, palette::kWhite, kGlyph, inner / 2);
    y += kPitch;
    for (const WString* line : {&detail.area, &detail.window, &detail.reward}) {
        d.Text({left, y}, *line, palette::kWhite, kGlyph, inner);
        y += kPitch;
    }
    const int32_t shown = std::min(int32_t(row.rewards.size()), 2 * kMaxRewardRows);
    for (int32_t i = 0; i < shown; ++i) {
        WString label = GoodsListLabel(row.rewards[size_t(i)]);
        if (i == shown - 1 && shown < int32_t(row.rewards.size())) label.Append(WString(" …"));
        d.Text({left + 16 + (i % 2) * (inner / 2), y + (i / 2) * kPitch}, label, palette::kWhite,
               kGlyph, inner / 2 - 20);
    }
    return d;
}

void DrawQuestNoticeDetail(int32_t quest, Point origin) {
    DrawPanels(MakeQuestNoticeDetail(quest, origin));
}
