// An installed game keeps the player's files in the XDG folders and reads
// its data from the installed folder without writing there; run from a game
// folder it keeps everything in the working folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/ExtraSettings.h"
#include "app/GameConfig.h"
#include "app/RunApplication.h"
#include "content/ContentDatabase.h"
#include "engine/graphics/Screenshot.h"
#include "flow/SaveSlots.h"
#include "platform/GameFolders.h"
#include "platform/NativePath.h"

namespace {

namespace fs = std::filesystem;

void WriteConfig(const fs::path& path, uint32_t normalPeriod) {
    GameConfig config = GameConfig::Defaults();
    config.framePeriod[0] = normalPeriod;
    const std::vector<uint8_t> bytes = config.ToBytes();
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::set<std::string> Tree(const fs::path& root) {
    std::set<std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        entries.insert(e.path().string() + ":" +
                       (e.is_regular_file() ? std::to_string(fs::file_size(e.path())) : "dir"));
    }
    return entries;
}

class UserFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool built = [] {
            BuildContentTables();
            BuildLateContentTables();
            return true;
        }();
        (void)built;
        root_ = fs::temp_directory_path() / ("user_folders_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "cwd");
        previous_ = fs::current_path();
        fs::current_path(root_ / "cwd");
    }
    void TearDown() override {
        platform::UseGameFolders(platform::GameFolders{});
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    fs::path root_, previous_;
};

TEST_F(UserFoldersTest, InstalledGameWritesOnlyToTheXdgFolders) {
    const fs::path data = root_ / "share" / "harmoa2";
    fs::create_directories(data / "image");
    WriteConfig(data / "Config" / "Data.dat", 20);
    const platform::GameFolders folders{true, data.string(), (root_ / "xdg-data/harmoa2").string(),
                                        (root_ / "xdg-config/harmoa2").string()};
    const std::set<std::string> before = Tree(data);
    platform::UseGameFolders(folders);
    EXPECT_TRUE(fs::is_directory(folders.userData));
    EXPECT_TRUE(fs::is_directory(folders.config));

    // No file of the player's own yet: the installed defaults.
    EXPECT_TRUE(LoadGameConfig());
    EXPECT_EQ(Config().framePeriod[0], 20u);
    WriteConfig(fs::path(folders.config) / "Data.dat", 33);
    EXPECT_TRUE(LoadGameConfig());
    EXPECT_EQ(Config().framePeriod[0], 33u);
    std::ofstream(fs::path(folders.config) / "Settings.txt") << "scaling=whole\nmidi-out=2\n";
    LoadExtraSettings();
    EXPECT_EQ(Extras().scaling, ScaleMode::kWholeNumber);
    EXPECT_EQ(Extras().midiOut, 2);

    NewGame();
    ASSERT_TRUE(SaveGame(4));
    EXPECT_TRUE(fs::is_regular_file(fs::path(folders.userData) / "save" / "4"));
    EXPECT_TRUE(LoadGame(4));
    std::tm noon{};
    noon.tm_year = 124;
    noon.tm_mday = 1;
    noon.tm_hour = 12;
    EXPECT_EQ(platform::NativePath(ScreenshotPath(noon, 1).View()),
              folders.userData + "/screenshot/20240101-120000.png");

    // A relative log file goes among the player's files too.
    const int result = RunApplication({WString("-log:logs/game.txt")},
                                      [](const PositionalArgs&, const OptionValues& values) {
                                          EXPECT_EQ(values.at(WString("log")).ToUtf8().front(), '/');
                                          return 7;
                                      });
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(fs::is_regular_file(fs::path(folders.userData) / "logs" / "game.txt"));

    EXPECT_EQ(Tree(data), before);
    EXPECT_TRUE(fs::is_empty(root_ / "cwd"));
}

TEST_F(UserFoldersTest, GameFolderRunKeepsEverythingInTheWorkingFolder) {
    platform::UseGameFolders(platform::FoldersFor((root_ / "cwd").string(), [](const char*) {
        return static_cast<const char*>(nullptr);
    }));
    ASSERT_FALSE(platform::CurrentGameFolders().installed);
    WriteConfig(root_ / "cwd" / "Config" / "Data.dat", 25);
    EXPECT_TRUE(LoadGameConfig());
    EXPECT_EQ(Config().framePeriod[0], 25u);
    NewGame();
    ASSERT_TRUE(SaveGame(2));
    EXPECT_TRUE(fs::is_regular_file(root_ / "cwd" / "save" / "2"));
    EXPECT_EQ(RunApplication({WString("-log:logs/game.txt")},
                             [](const PositionalArgs&, const OptionValues&) { return 0; }),
              0);
    EXPECT_TRUE(fs::is_regular_file(root_ / "cwd" / "logs" / "game.txt"));
}

}  // namespace
