// save-tool, run as a program: its new game is the game's to the byte, and
// what it shows is every value of the file.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "MiniJson.h"
#include "SaveFixture.h"

namespace {

using namespace savetest;

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string output;
};

// The tool is built beside the test programs ("bin" next to the game folder).
fs::path ToolPath() {
    const char* game = std::getenv("GAME_DIR");
    return fs::path(game != nullptr ? game : "").parent_path() / "bin" / "save-tool";
}

ToolRun RunTool(const std::string& arguments) {
    ToolRun run;
    const std::string command = ToolPath().string() + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class SaveToolTest : public SaveTest {
protected:
    void SetUp() override {
        SaveTest::SetUp();
        if (!fs::exists(ToolPath())) FAIL() << "build the save-tool target first: " << ToolPath();
    }
};

template <typename List>
void ExpectNumbers(const JsonValue& json, const List& values, const char* name) {
    ASSERT_EQ(json.kind, JsonValue::Kind::kArray) << name;
    ASSERT_EQ(json.items.size(), values.size()) << name;
    size_t i = 0;
    for (auto v : values) EXPECT_EQ(json[i++].number, static_cast<long long>(v)) << name << " " << i - 1;
}

template <typename List>
void ExpectItems(const JsonValue& json, const List& values, const char* name) {
    ASSERT_EQ(json.items.size(), values.size()) << name;
    size_t i = 0;
    for (int32_t v : values) {
        const JsonValue& item = json[i++];
        EXPECT_EQ(item["packed"].number, v) << name;
        EXPECT_EQ(item["id"].number, PackedGoodsId(v)) << name;
        EXPECT_EQ(item["quality"].number, PackedQuality(v)) << name;
    }
}

TEST_F(SaveToolTest, NewGameIsTheGamesOwnToTheByte) {
    NewGame();
    ASSERT_TRUE(SaveGame(0));
    const ToolRun run = RunTool("new tool-new");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(ReadBytes("tool-new"), ReadBytes(Slot(0)));
    EXPECT_EQ(RunTool("check tool-new").status, 0);
}

TEST_F(SaveToolTest, ShowPrintsEveryValue) {
    SaveRecord r;
    r.gold = -1;
    r.expPool = 2;
    r.level = 999;
    r.bountiesCleared = 40;
    for (int32_t i = 0; i < 10; ++i) r.counters[i] = 0xFFFFFFF0u + i;
    r.party = {7, 0, 49};
    r.shopStock = {{PackItem(500, 30), 1200}, {PackItem(2550, 0), -3}};
    r.inventory = {PackItem(1, 100), PackItem(1249, 0), 255};
    r.storage = {PackItem(1000, 55)};
    for (int32_t i = 0; i < 1250; ++i) r.recipes[i] = i * 7 % 5;
    for (int32_t i = 0; i < 50; ++i) {
        r.maps[i] = i;
        r.checkpoints[i] = -i;
        r.cards[i] = i * 3;
        r.hired[i] = static_cast<uint8_t>(i * 5);
        r.characters[i].equipment = {PackItem(500 + i, i), 0, PackItem(750 + i, 100 - i), 1, -7};
        r.characters[i].ranged = i % 3;
    }
    for (int32_t q = 0; q < 400; ++q) {
        r.notices[q] = q;
        r.hunt[q] = static_cast<uint8_t>(q);
        r.clearLevel[q] = 1000 - q;
    }
    for (int32_t s = 0; s < 12; ++s) r.carried[s] = PackItem(s, s);
    WriteBytes("rich", EncodeSave(r));

    const ToolRun run = RunTool("show rich");
    ASSERT_EQ(run.status, 0);
    JsonValue json;
    ASSERT_TRUE(JsonReader(run.output).Parse(json)) << run.output.substr(0, 200);
    EXPECT_EQ(json["size"].number, static_cast<long long>(EncodeSave(r).size()));
    EXPECT_EQ(json["gold"].number, -1);
    EXPECT_EQ(json["expPool"].number, 2);
    EXPECT_EQ(json["level"].number, 999);
    EXPECT_EQ(json["bountiesCleared"].number, 40);
    ExpectNumbers(json["counters"], r.counters, "counters");
    ExpectNumbers(json["party"], r.party, "party");
    ASSERT_EQ(json["shopStock"].items.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(json["shopStock"][i]["item"]["packed"].number, r.shopStock[i].item);
        EXPECT_EQ(json["shopStock"][i]["price"].number, r.shopStock[i].price);
    }
    ExpectItems(json["inventory"], r.inventory, "inventory");
    ExpectItems(json["storage"], r.storage, "storage");
    ExpectNumbers(json["recipes"], r.recipes, "recipes");
    ExpectNumbers(json["maps"], r.maps, "maps");
    ExpectNumbers(json["checkpoints"], r.checkpoints, "checkpoints");
    ExpectNumbers(json["cards"], r.cards, "cards");
    ExpectNumbers(json["hired"], r.hired, "hired");
    ExpectNumbers(json["notices"], r.notices, "notices");
    ExpectNumbers(json["hunt"], r.hunt, "hunt");
    ExpectNumbers(json["clearLevel"], r.clearLevel, "clearLevel");
    ExpectItems(json["carried"], r.carried, "carried");
    ASSERT_EQ(json["characters"].items.size(), 50u);
    for (size_t c = 0; c < 50; ++c) {
        ExpectItems(json["characters"][c]["equipment"], r.characters[c].equipment, "equipment");
        EXPECT_EQ(json["characters"][c]["ranged"].number, r.characters[c].ranged);
    }
}

TEST_F(SaveToolTest, CheckSaysWhyAFileIsRefused) {
    NewGame();
    ASSERT_TRUE(SaveGame(0));
    Bytes bytes = ReadBytes(Slot(0));
    const ToolRun good = RunTool("check save/0");
    EXPECT_EQ(good.status, 0);
    EXPECT_NE(good.output.find("accepted: 10578 bytes"), std::string::npos) << good.output;

    bytes.resize(100);
    WriteBytes("cut", bytes);
    const ToolRun cut = RunTool("check cut");
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(cut.output.find("refused: the file ends early: 100 bytes, a value at byte 100 runs past the end"), std::string::npos) << cut.output;

    const ToolRun missing = RunTool("check nothing-here");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("cannot be opened"), std::string::npos) << missing.output;
    EXPECT_EQ(RunTool("show cut").status, 1);
    EXPECT_EQ(RunTool("frobnicate cut").status, 2);
}

}  // namespace
