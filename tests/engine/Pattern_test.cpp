#include "engine/text/Pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Captures(const char* pattern, const char* subject, bool* ok = nullptr,
                                  std::string* matched = nullptr) {
    std::vector<WString> caps;
    WString whole;
    const bool found = Pattern(pattern).Match(&whole, &caps, WString(subject));
    if (ok) *ok = found;
    if (matched) *matched = whole.ToUtf8();
    std::vector<std::string> out;
    for (const WString& c : caps) out.push_back(c.ToUtf8());
    return out;
}

TEST(Pattern, RepeatedCaptureGroupYieldsOneEntryPerRepetition) {
    bool ok = false;
    std::string whole;
    auto caps = Captures("^({.+?}\\\\)*.*", "a\\b\\c.txt", &ok, &whole);
    ASSERT_TRUE(ok);
    EXPECT_EQ(caps, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(whole, "a\\b\\c.txt");
}

TEST(Pattern, LazyNameStopsAtTheFirstColon) {
    bool ok = false;
    auto caps = Captures("^-{.+?}:{.*}", "-log:C:\\a.txt", &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(caps, (std::vector<std::string>{"log", "C:\\a.txt"}));
    caps = Captures("^-{.+}:{.*}", "-log:C:\\a.txt", &ok);  // greedy takes the last colon
    ASSERT_TRUE(ok);
    EXPECT_EQ(caps, (std::vector<std::string>{"log:C", "\\a.txt"}));
}

TEST(Pattern, DollarAndAtAreLiteralInsideThePattern) {
    bool ok = false;
    auto caps = Captures("^-${.+?}:{.*}", "-$log:f.txt", &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(caps, (std::vector<std::string>{"log", "f.txt"}));
    Captures("^-${.+?}:{.*}", "-log:f.txt", &ok);
    EXPECT_FALSE(ok);
    caps = Captures("^-@{.+?}:{.*}", "-@log:f.txt", &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(caps[0], "log");
}

TEST(Pattern, AnchorsAndLeftmostSearch) {
    bool ok = false;
    std::string whole;
    Captures("b+", "aabbbc", &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "bbb");
    Captures("^b+", "aabbbc", &ok);
    EXPECT_FALSE(ok);
    Captures("b+$", "aabbbc", &ok);
    EXPECT_FALSE(ok);
    Captures("c$", "aabbbc", &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "c");
    Captures("\\$", "a$b", &ok, &whole);  // an escaped dollar stays literal at the end
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "$");
}

TEST(Pattern, EndAnchorCutsAStartPositionShortOnItsFirstPath) {
    // The lazy repeat first reaches the end of the pattern early, which ends
    // the attempt at that start; only the empty match at the end remains.
    bool ok = false;
    std::string whole;
    Captures("a*?$", "aa", &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "");
    Captures("a*$", "baa", &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "aa");
}

TEST(Pattern, SetsEscapesAndGroups) {
    bool ok = false;
    std::string whole;
    Captures("[x|\\||y]+", "ab|xy|c", &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "|xy|");
    auto caps = Captures("({a|b}c)+", "zacbcac", &ok, &whole);  // braces capture, not sets
    EXPECT_FALSE(ok);
    caps = Captures("({[a|b]}c)+", "zacbcac", &ok, &whole);
    ASSERT_TRUE(ok);
    EXPECT_EQ(whole, "acbcac");
    EXPECT_EQ(caps, (std::vector<std::string>{"a", "b", "a"}));
    Captures(".", "", &ok);
    EXPECT_FALSE(ok);
}

TEST(Pattern, NestedEmptyLoopsTerminate) {
    bool ok = false;
    std::string whole;
    Captures("(a*)*b", "aaac", &ok);
    EXPECT_FALSE(ok);
    Captures("((a*)*)*c", "aaac", &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole, "aaac");
}

TEST(Pattern, LongSubjectsDoNotExhaustTheStack) {
    std::string subject(200000, 'a');
    subject += "b";
    bool ok = false;
    std::string whole;
    Captures("^{.*?}b$", subject.c_str(), &ok, &whole);
    EXPECT_TRUE(ok);
    EXPECT_EQ(whole.size(), subject.size());
}

}  // namespace
