#include "tools/autoplay/AutoPlayer.h"

#include <ostream>

#include "content/ContentDatabase.h"
#include "flow/GameFlow.h"
#include "rules/Expedition.h"

AutoPlayer::AutoPlayer(const AutoplayOptions& options, std::ostream& log)
    : options_(options), log_(log) {
    record_.seed = options.seed;
    driver_.SetBudget(options.maxFrames);
}

// Progress: quests cleared, checkpoints, maps, hires. Levels alone are not.
void AutoPlayer::NoteProgress() {
    const PartyState& party = GameParty();
    const ExpeditionState& expedition = GameExpedition();
    int64_t mark = expedition.questsDefeated;
    for (int32_t a = 0; a < kAreaCapacity; ++a)
        mark += 1000 * expedition.checkpoints[size_t(a)] + 100000 * (party.maps[size_t(a)] != 0);
    for (int32_t c = 0; c < kCharacterCapacity; ++c) mark += 10'000'000LL * party.hired[size_t(c)];
    if (mark != progressMark_) {
        progressMark_ = mark;
        sinceProgress_ = 0;
    } else {
        ++sinceProgress_;
    }
}

std::string AutoPlayer::DescribeStuck() const {
    const PartyState& party = GameParty();
    const ExpeditionState& expedition = GameExpedition();
    const ExpeditionChoice choice = ChooseExpedition(party, expedition, memory_, false);
    const int32_t area = choice.area;
    std::string text = "area " + std::to_string(area) + " " + AreaById(area).name.ToUtf8() +
                       ": deepest " + std::to_string(memory_[size_t(area)].deepest) + ", trusted start " +
                       std::to_string(memory_[size_t(area)].safeStart) + "; level " +
                       std::to_string(party.level) + ", gold " + std::to_string(party.gold);
    // The lowest uncleared rated quest of the area tells what blocks.
    int32_t blocking = -1;
    for (int32_t q : RatedQuests(area))
        if (expedition.clearLevel[size_t(q)] == 0 &&
            (blocking < 0 || QuestById(q).recommendedLevel < QuestById(blocking).recommendedLevel))
            blocking = q;
    if (blocking >= 0) {
        const QuestData& row = QuestById(blocking);
        text += "; next quest " + std::to_string(blocking) + " " + row.title.ToUtf8() + " (recommended " +
                std::to_string(row.recommendedLevel) + ", depth " + std::to_string(row.minLevel) + "-" +
                std::to_string(row.maxLevel) + ", notice " +
                (party.notices[size_t(blocking)] != Holding::kNone ? "held" : "not held") + ", lost " +
                std::to_string(record_.quests[size_t(blocking)].losses) + " times)";
    }
    return text;
}

bool AutoPlayer::AllMastered() const {
    for (int32_t a = 0; a < kAreaCapacity; ++a)
        if (!AreaById(a).name.Empty() && !record_.areas[size_t(a)].mastered.reached) return false;
    return true;
}

bool AutoPlayer::Run() {
    if (!StartNewGame()) return false;
    NoteProgress();
    while (!driver_.OutOfFrames() &&
           (options_.maxExpeditions <= 0 || record_.expeditions < options_.maxExpeditions)) {
        if (!TownRound() || !Expedition()) return false;
        NoteProgress();
        if (AllMastered()) {
            record_.complete = true;
            break;
        }
        if (sinceProgress_ >= options_.stuckLimit) {
            record_.stuck = "no progress in " + std::to_string(sinceProgress_) + " expeditions: " + DescribeStuck();
            break;
        }
    }
    record_.frames = driver_.Frames();
    return true;
}

void AutoPlayer::PrintSummary(std::ostream& out) const {
    const PartyState& party = GameParty();
    const ExpeditionState& expedition = GameExpedition();
    out << "autoplay seed " << record_.seed << ": " << record_.expeditions << " expeditions, level "
        << party.level << ", gold " << party.gold << ", battles " << record_.battles << " ("
        << record_.wins << " won, " << record_.losses << " lost), frames " << record_.frames << " ("
        << PlayTime(record_.frames, 16) << " at 16 ms), saves " << record_.saves << ", reloads "
        << record_.reloads << "\n";
    out << "  town: " << record_.purchases << " bought, " << record_.sales << " sold, " << record_.syntheses
        << " made, " << record_.hires << " hired, " << record_.equips << " equipped, "
        << record_.carriedChanges << " carried-slot changes\n";
    for (int32_t a = 0; a < kAreaCapacity; ++a) {
        if (AreaById(a).name.Empty()) continue;
        const AreaRecord& r = record_.areas[size_t(a)];
        const std::vector<int32_t> rated = RatedQuests(a);
        int32_t cleared = 0;
        for (int32_t q : rated) cleared += expedition.clearLevel[size_t(q)] != 0;
        out << "  area " << a << " " << AreaById(a).name.ToUtf8() << ": ";
        if (!r.entered.reached) {
            out << "not entered (map " << (party.maps[size_t(a)] != 0 ? "held" : "not held") << ")\n";
            continue;
        }
        out << "deepest " << r.deepest << ", quests " << cleared << "/" << rated.size() << ", battles "
            << r.battles << " (" << r.losses << " lost), entered L" << r.entered.level;
        if (r.survived.reached) out << ", survived L" << r.survived.level;
        if (r.mastered.reached) out << ", mastered L" << r.mastered.level;
        out << "\n";
    }
    if (record_.complete) out << "  complete: every area mastered\n";
    else if (!record_.stuck.empty()) out << "  stuck: " << record_.stuck << "\n";
    else out << "  now: " << DescribeStuck() << "\n";
    if (!fault_.empty()) out << "  fault: " << fault_ << "\n";
}
