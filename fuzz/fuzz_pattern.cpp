// Compiles arbitrary pattern text and matches it against arbitrary subjects
// through every way the game uses patterns: Match with captures, Search
// from a position, and the pattern modes of FindAll, ReplaceAll and
// RemoveAll. A zero byte separates the pattern from the subject.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text/Pattern.h"
#include "engine/text/WString.h"
#include "platform/Utf.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

WString Text(std::string_view bytes) {
    // Any bytes: the ones that are not UTF-8 are read as the old code page.
    const std::u16string wide = platform::IsValidUtf8(bytes) ? platform::Utf8ToUtf16(bytes)
                                                             : platform::Cp932ToUtf16(bytes);
    // Game text has passed through Assign: its line breaks are single LFs.
    WString text;
    text.Assign(WString(std::u16string_view(wide)));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const size_t split = all.find('\0');
    const std::string_view patternText = all.substr(0, split);
    const std::string_view subjectText =
        split == std::string_view::npos ? std::string_view() : all.substr(split + 1);
    if (patternText.size() > 256 || subjectText.size() > 2048) return 0;

    const WString patternWide = Text(patternText);
    const WString subject = Text(subjectText);
    const Pattern pattern(patternWide);
    Require(pattern.CaptureCount() >= 0);

    WString matched;
    std::vector<WString> captures;
    if (pattern.Match(&matched, &captures, subject)) {
        Require(matched.Length() <= subject.Length());
        Require(subject.View().find(matched.View()) != std::u16string_view::npos);
        for (const WString& c : captures) Require(c.Length() <= subject.Length());
    }
    for (uint32_t from : {0u, subject.Length() / 2, subject.Length()}) {
        uint32_t first = 0, end = 0;
        if (pattern.Search(subject, from, first, end)) Require(from <= first && first <= end && end <= subject.Length());
    }

    MatchList found;
    if (subject.FindAll(found, patternWide, true, WString())) {
        uint32_t next = 0;
        for (const auto& [first, last] : found) {
            Require(first >= next && first <= last && last < subject.Length());
            next = last + 1;
        }
    }
    WString replaced = subject;
    replaced.ReplaceAll(patternWide, WString("<>"), true, WString());
    WString removed = subject;
    if (removed.RemoveAll(patternWide, true, WString())) Require(removed.Length() < subject.Length() || subject.Empty());
    return 0;
}
