#include "app/Options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/RunApplication.h"
#include "engine/text/Log.h"

namespace {

// Runs the parser with both streams captured.
struct Parsed {
    int result = 0;
    std::string out, err;
    OptionValues values;
    PositionalArgs positional;
};

std::string ReadAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    return text;
}

Parsed Parse(const OptionDef& def, std::initializer_list<const char*> args) {
    std::vector<WString> list;
    for (const char* a : args) list.emplace_back(a);
    Parsed p;
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    p.result = ParseOptions(def, list, p.values, p.positional, out, err);
    p.out = ReadAll(out);
    p.err = ReadAll(err);
    std::fclose(out);
    std::fclose(err);
    return p;
}

std::string Usage(const OptionDef& def) {
    std::FILE* f = std::tmpfile();
    PrintUsage(def, f);
    std::string text = ReadAll(f);
    std::fclose(f);
    return text;
}

class OptionFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("options_" + std::string(::testing::UnitTest::GetInstance()
                                             ->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
};

TEST(Options, EmptyCommandLineKeepsTheDefaults) {
    const Parsed p = Parse(GameOptions(), {});
    EXPECT_EQ(p.result, 0);
    EXPECT_TRUE(p.out.empty());
    EXPECT_TRUE(p.err.empty());
    ASSERT_EQ(p.values.size(), 1u);
    EXPECT_TRUE(p.values.at(WString("log")).Empty());
}

TEST(Options, UnknownOptionPrintsTheMessageThenTheUsage) {
    const OptionDef def = GameOptions();
    const Parsed p = Parse(def, {"-verbose:1"});
    EXPECT_EQ(p.result, -1);
    EXPECT_EQ(p.err, "verbose のオプションは存在しません。\n\n" + Usage(def));
}

TEST(Options, UsageTextIsExact) {
    EXPECT_EQ(Usage(GameOptions()),
              "○○を○○する\n\n実行コマンド:\n*.exe [引数1] [引数2] [-*:*](オプション)\n"
              "\n----------- オプション設定 -----------\n設定方法 -[オプション名]:[設定値]\n"
              "     例) -log:log.txt\n--------------------------------------\n"
              "-log:\n   ログをファイルに出力する\n   Type    = [出力ファイル]\n"
              "   Default = []\n");
    OptionDef numbers;
    numbers.names = {WString("n"), WString("m")};
    numbers.types = {{OptionType::kNumber, 1, 16}, {OptionType::kNumber, 0, 0}};
    numbers.defaults = {WString("4"), WString("0")};
    numbers.descriptions = {WString("d"), WString("e")};
    const std::string usage = Usage(numbers);
    EXPECT_NE(usage.find("   Type    = [数字 1(0x1) ～ 16(0x10)]\n"), std::string::npos);
    EXPECT_NE(usage.find("   Type    = [数字]\n"), std::string::npos);
}

TEST(Options, ArgumentsWithoutAColonArePositional) {
    const Parsed p = Parse(GameOptions(), {"-log", "plain", "-log:C:\\a.txt"});
    EXPECT_EQ(p.result, 0);
    ASSERT_EQ(p.positional.size(), 2u);
    EXPECT_EQ(p.positional[0].ToUtf8(), "-log");
    EXPECT_EQ(p.positional[1].ToUtf8(), "plain");
    EXPECT_EQ(p.values.at(WString("log")).ToUtf8(), "C:\\a.txt");
}

TEST(Options, NumbersAreValidatedAndEveryFailureReported) {
    OptionDef def;
    def.names = {WString("n"), WString("m"), WString("dir")};
    def.types = {{OptionType::kNumber, 1, 16},
                 {OptionType::kNumber, 0, 0},
                 {OptionType::kDirectory, 0, 0}};
    def.defaults = {WString("4"), WString("0"), WString(".")};
    def.descriptions = {WString("a"), WString("b"), WString("c")};
    const Parsed p = Parse(def, {"-n:17", "-m:x1", "-dir:/nonexistent/dir"});
    EXPECT_EQ(p.result, -1);
    const std::string expected =
        "-n: 17 は 1 ～ 16 の範囲ではありません。\n"
        "-m: x1 は数値ではありません。\n"
        "-dir: /nonexistent/dir は存在しない、もしくはディレクトリではありません。\n\n";
    EXPECT_EQ(p.err.substr(0, expected.size()), expected);
    EXPECT_EQ(Parse(def, {"-n:0x10", "-m:-5"}).result, 0);
}

TEST(Options, MismatchedDefinitionListsAreRefused) {
    OptionDef def = GameOptions();
    def.descriptions.clear();
    const Parsed p = Parse(def, {});
    EXPECT_EQ(p.result, -1);
    EXPECT_EQ(p.err, "オプション定義がNGです。\nSetOptionを確認してください。\n");
}

TEST_F(OptionFiles, ValuesReadFromFiles) {
    std::ofstream("v.txt") << "a b\n c\t";
    Parsed p = Parse(GameOptions(), {"-@log:v.txt"});
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(p.values.at(WString("log")).ToUtf8(), "abc");
    p = Parse(GameOptions(), {"-$log:v.txt"});
    EXPECT_EQ(p.values.at(WString("log")).ToUtf8(), "a b\n c\t");
    p = Parse(GameOptions(), {"-@log:missing.txt"});
    EXPECT_EQ(p.result, -1);
    EXPECT_EQ(p.out, "missing.txt は存在しません。\n");
}

TEST_F(OptionFiles, LogFolderIsCreatedBeforeTheGameStarts) {
    bool sawFolder = false, sawLog = false;
    const int result = RunApplication({WString("-log:out\\x.txt")},
                                      [&](const PositionalArgs&, const OptionValues& values) {
                                          sawFolder = std::filesystem::is_directory("out");
                                          sawLog = IsLogOpen();
                                          EXPECT_EQ(values.at(WString("log")).ToUtf8(),
                                                    "out\\x.txt");
                                          return 7;
                                      });
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(sawFolder);
    EXPECT_TRUE(sawLog);
    EXPECT_FALSE(IsLogOpen());
    EXPECT_TRUE(std::filesystem::exists("out/x.txt"));
}

TEST_F(OptionFiles, OptionErrorNeverStartsTheGame) {
    bool started = false;
    const int result = RunApplication({WString("-verbose:1")}, [&](auto&, auto&) {
        started = true;
        return 0;
    });
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(started);
}

}  // namespace
