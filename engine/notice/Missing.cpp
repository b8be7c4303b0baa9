#include "engine/notice/Missing.h"

#include <array>
#include <cstdio>

namespace {

constexpr size_t kKinds = 7;

struct KindText {
    const char* log;     // standard error, after the detail
    const char* player;  // the title screen's line; null: not shown
};

// The font line is plain ASCII: without a Japanese font it is the only kind
// of line that can be drawn.
constexpr std::array<KindText, kKinds> kTexts = {{
    {"no sound device; the game plays without sound effects", "サウンドデバイスがないため効果音は鳴りません"},
    {"no music output (no sound device, SoundFont or MIDI port); the game plays without music",
     "音楽を再生できません（音源がありません）"},
    {"no Japanese font found; using this one instead, Japanese text may not show",
     "No Japanese font: install one (e.g. IPA Gothic)"},
    {"no font found; the game shows no text", nullptr},
    {"picture could not be loaded; it is left out (further ones are not listed)",
     "画像ファイルが足りません"},
    {"sound effect could not be loaded; it stays silent (further ones are not listed)", nullptr},
    {"tune could not be loaded; no music plays for it (further ones are not listed)",
     "音楽ファイルが足りません"},
}};

struct Reports {
    std::array<int32_t, kKinds> counts{};
    std::vector<MissingKind> order;
};

Reports& State() {
    static Reports reports;
    return reports;
}

}  // namespace

void ReportMissing(MissingKind kind, const std::string& detail) {
    const size_t k = static_cast<size_t>(kind);
    if (k >= kKinds) return;
    Reports& reports = State();
    if (reports.counts[k]++ > 0) return;
    reports.order.push_back(kind);
    if (detail.empty()) {
        std::fprintf(stderr, "harmoa2: %s\n", kTexts[k].log);
    } else {
        std::fprintf(stderr, "harmoa2: %s: %s\n", detail.c_str(), kTexts[k].log);
    }
}

int32_t MissingCount(MissingKind kind) {
    const size_t k = static_cast<size_t>(kind);
    return k < kKinds ? State().counts[k] : 0;
}

std::vector<WString> MissingNotices() {
    std::vector<WString> lines;
    for (MissingKind kind : State().order) {
        const char* text = kTexts[static_cast<size_t>(kind)].player;
        if (text != nullptr) lines.emplace_back(text);
    }
    return lines;
}

void ResetMissingReports() { State() = Reports{}; }
