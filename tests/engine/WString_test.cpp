#include "engine/text/WString.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

WString FromUnits(std::u16string units) { return WString(std::u16string_view(units)); }

TEST(WStringLineBreaks, AssignRewritesBreaksAndRemembersStyle) {
    WString s;
    s.Assign(FromUnits(u"a\r\nb\rc"));
    EXPECT_EQ(s.View(), u"a\nb\nc");
    EXPECT_EQ(s.Style(), WString::kCrLf);

    s.Assign(FromUnits(u"a\rb"));
    EXPECT_EQ(s.View(), u"a\nb");
    EXPECT_EQ(s.Style(), WString::kCr);

    s.Assign(FromUnits(u"a\nb"));
    EXPECT_EQ(s.Style(), WString::kLf);
}

TEST(WStringLineBreaks, TextWithoutBreaksKeepsTheSourceStyle) {
    WString cr;
    cr.Assign(FromUnits(u"a\rb"));
    ASSERT_EQ(cr.Style(), WString::kCr);
    cr.RemoveAll(WString("\n"), false, WString());  // "ab", style still CR
    WString copy;
    copy.Assign(cr);
    EXPECT_EQ(copy.View(), u"ab");
    EXPECT_EQ(copy.Style(), WString::kCr);
}

TEST(WStringLineBreaks, ConstructionKeepsCrLfButCopyingRewrites) {
    WString raw("a\r\nb");
    EXPECT_EQ(raw.Length(), 4u);
    WString copy(raw);
    EXPECT_EQ(copy.View(), u"a\nb");
    WString moved(std::move(raw));
    EXPECT_EQ(moved.View(), u"a\nb");
}

TEST(WStringBasics, BuffersAreExactAndTerminated) {
    WString s("ハルモア");
    EXPECT_EQ(s.Length(), 4u);
    EXPECT_EQ(s.CStr()[4], 0);
    s.Append(WString("2"));
    EXPECT_EQ(s.View(), u"ハルモア2");
    EXPECT_EQ(*s.At(4), u'2');
    EXPECT_EQ(s.CStr()[5], 0);
    EXPECT_EQ(s.ToUtf8(), "ハルモア2");
}

TEST(WStringBasics, ComparesByCodeUnitsShorterPrefixFirst) {
    EXPECT_TRUE(WString("ab") < WString("abc"));
    EXPECT_TRUE(WString("abc") > WString("ab"));
    EXPECT_TRUE(WString("B") < WString("a"));
    EXPECT_TRUE(WString("あ") == WString(u"あ"));
    EXPECT_TRUE(WString("a") != WString("b"));
}

TEST(WStringFormat, WideArgumentsAndNumbers) {
    WString name("ポーション");
    WString s;
    s.Format("%S[%d]", name, 50);
    EXPECT_EQ(s.ToUtf8(), "ポーション[50]");
    s.AppendFormat(" %5.1f|%-3s|%x|%u", 2.25, "ab", 255, -1);
    EXPECT_EQ(s.ToUtf8(), "ポーション[50]   2.2|ab |ff|4294967295");
    s.Format("%03d %%", 7);
    EXPECT_EQ(s.ToUtf8(), "007 %");
}

TEST(WStringFormat, LongResultsGrowInsteadOfOverflowing) {
    std::string big(5000, 'x');
    WString s;
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.Length(), 5002u);
    WString wide(std::string(3000, 'y').c_str());
    s.AppendFormat("%S", wide);
    EXPECT_EQ(s.Length(), 8002u);
}

TEST(WStringFormat, MissingOrWrongArgumentsAreHarmless) {
    WString s;
    s.Format("%d %s %S", 5);
    EXPECT_EQ(s.ToUtf8(), "5 (null) (null)");
    s.Format("100%");
    EXPECT_EQ(s.ToUtf8(), "100%");
}

TEST(WStringToInt, DecimalHexAndRejections) {
    int32_t v = 99;
    EXPECT_TRUE(WString("-12").ToInt(&v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(WString("0x1F").ToInt(&v));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(WString("0xffffffff").ToInt(&v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(WString("4294967297").ToInt(&v));  // wraps at 32 bits
    EXPECT_EQ(v, 1);
    EXPECT_TRUE(WString("12").ToInt());
    v = 7;
    for (const char* bad : {"0X1F", "-0x1", "", "-", "0x", "+5", "1 ", "1a", "--1"}) {
        EXPECT_FALSE(WString(bad).ToInt(&v)) << bad;
    }
    EXPECT_EQ(v, 7);
}

TEST(WStringSearch, LiteralMatchesDoNotOverlap) {
    MatchList found;
    ASSERT_TRUE(WString("aaaa").FindAll(found, WString("aa"), false, WString()));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], std::make_pair(0u, 1u));
    EXPECT_EQ(found[1], std::make_pair(2u, 3u));
    EXPECT_FALSE(WString("abc").FindAll(found, WString(""), false, WString()));
    EXPECT_FALSE(WString("ab").FindAll(found, WString("abc"), false, WString()));
}

TEST(WStringSearch, QuotedStretchesAreSkipped) {
    MatchList found;
    ASSERT_TRUE(WString("a\"b,c\",d").FindAll(found, WString(","), false, WString("\"")));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].first, 6u);
    ASSERT_TRUE(WString("a,\"b,c\",d").FindAll(found, WString(","), false, WString("\"")));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].first, 1u);
    EXPECT_EQ(found[1].first, 7u);
}

TEST(WStringSearch, PatternModeFindsSuccessiveMatches) {
    MatchList found;
    ASSERT_TRUE(WString("a1b22c333").FindAll(found, WString("[1|2|3]+"), true, WString()));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1], std::make_pair(3u, 4u));
    EXPECT_EQ(found[2], std::make_pair(6u, 8u));
    // A pattern that can match empty text must not stall the scan.
    EXPECT_TRUE(WString("xay").FindAll(found, WString("a*"), true, WString()));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], std::make_pair(1u, 1u));
}

TEST(WStringReplace, ReplaceAndRemove) {
    WString s("a-b-c");
    EXPECT_TRUE(s.ReplaceAll(WString("-"), WString("--"), false, WString()));
    EXPECT_EQ(s.ToUtf8(), "a--b--c");
    EXPECT_FALSE(s.ReplaceAll(WString("+"), WString("x"), false, WString()));
    EXPECT_EQ(s.ToUtf8(), "a--b--c");

    WString t("a b\tc\nd");
    EXPECT_TRUE(t.RemoveAll(WString(" "), false, WString()));
    EXPECT_TRUE(t.RemoveAll(WString("z"), false, WString()));  // fast path is always true
    EXPECT_EQ(t.ToUtf8(), "ab\tc\nd");
    EXPECT_TRUE(t.RemoveAll(WString("c\n"), false, WString()));
    EXPECT_EQ(t.ToUtf8(), "ab\td");
    EXPECT_FALSE(t.RemoveAll(WString("qq"), false, WString()));

    WString u("x12y345");
    EXPECT_TRUE(u.ReplaceAll(WString("[1|2|3|4|5]+"), WString("#"), true, WString()));
    EXPECT_EQ(u.ToUtf8(), "x#y#");
}

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("wstring_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::filesystem::path dir_;
};

TEST_F(TextFileTest, ReadsUtf8WithBomAndCrLf) {
    WString s;
    ASSERT_TRUE(s.ReadTextFile(WString(Write("a.txt", "\xEF\xBB\xBFログ\r\nです").c_str())));
    EXPECT_EQ(s.ToUtf8(), "ログ\nです");
    EXPECT_EQ(s.Style(), WString::kCrLf);
}

TEST_F(TextFileTest, FallsBackToCp932) {
    // "日本" in CP932, including an NEC extension character (①, 0x87 0x40).
    WString s;
    ASSERT_TRUE(s.ReadTextFile(WString(Write("b.txt", "\x93\xFA\x96\x7B\x87\x40").c_str())));
    EXPECT_EQ(s.ToUtf8(), "日本①");
}

TEST_F(TextFileTest, MissingFileOrFolderLeavesTheStringAlone) {
    WString s("keep");
    EXPECT_FALSE(s.ReadTextFile(WString((dir_ / "none.txt").string().c_str())));
    EXPECT_FALSE(s.ReadTextFile(WString(dir_.string().c_str())));
    EXPECT_EQ(s.ToUtf8(), "keep");
}

}  // namespace
