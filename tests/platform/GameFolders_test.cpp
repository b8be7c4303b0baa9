#include "platform/GameFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

// A temporary prefix holding either layout of the game.
class GameFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("game_folders_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "share" / platform::kGameName / "image");
        fs::create_directories(root_ / "home");
        fs::create_directories(root_ / "game" / "image");
        env_ = {{"HOME", (root_ / "home").string()}};
    }
    void TearDown() override { fs::remove_all(root_); }

    platform::EnvLookup Env() const {
        return [this](const char* name) -> const char* {
            const auto it = env_.find(name);
            return it == env_.end() ? nullptr : it->second.c_str();
        };
    }
    std::string Bin() const { return (root_ / "bin").string(); }

    fs::path root_;
    std::map<std::string, std::string> env_;
};

TEST_F(GameFoldersTest, InstalledProgramFindsShareAndTheXdgDefaults) {
    const platform::GameFolders f = platform::FoldersFor(Bin(), Env());
    ASSERT_TRUE(f.installed);
    EXPECT_EQ(fs::path(f.data), fs::canonical(root_ / "share" / "harmoa2"));
    EXPECT_EQ(f.userData, (root_ / "home" / ".local/share/harmoa2").string());
    EXPECT_EQ(f.config, (root_ / "home" / ".config/harmoa2").string());

    env_["XDG_DATA_HOME"] = "/xdg/data";
    env_["XDG_CONFIG_HOME"] = "/xdg/config";
    const platform::GameFolders x = platform::FoldersFor(Bin(), Env());
    EXPECT_EQ(x.userData, "/xdg/data/harmoa2");
    EXPECT_EQ(x.config, "/xdg/config/harmoa2");

    // Empty or relative values are not to be used.
    env_["XDG_DATA_HOME"] = "";
    env_["XDG_CONFIG_HOME"] = "relative/config";
    const platform::GameFolders y = platform::FoldersFor(Bin(), Env());
    EXPECT_EQ(y.userData, f.userData);
    EXPECT_EQ(y.config, f.config);
}

TEST_F(GameFoldersTest, GameFolderAndStrayProgramsStayWhereTheyRun) {
    // Pictures beside the program: the build's game folder, as today.
    EXPECT_FALSE(platform::FoldersFor((root_ / "game").string(), Env()).installed);
    // A program with neither its pictures beside it nor a share folder.
    fs::remove_all(root_ / "share");
    EXPECT_FALSE(platform::FoldersFor(Bin(), Env()).installed);
    EXPECT_FALSE(platform::FoldersFor("", Env()).installed);
}

TEST(GamePaths, MappedOntoDataAndUserFoldersWhenInstalled) {
    platform::GameFolders f{true, "/usr/share/harmoa2", "/home/p/.local/share/harmoa2",
                            "/home/p/.config/harmoa2"};
    EXPECT_EQ(platform::ResolveGamePath(f, "save/3"), "/home/p/.local/share/harmoa2/save/3");
    EXPECT_EQ(platform::ResolveGamePath(f, "save/3.tmp"), "/home/p/.local/share/harmoa2/save/3.tmp");
    EXPECT_EQ(platform::ResolveGamePath(f, "save"), "/home/p/.local/share/harmoa2/save");
    EXPECT_EQ(platform::ResolveGamePath(f, "screenshot/20240101-000000.png"),
              "/home/p/.local/share/harmoa2/screenshot/20240101-000000.png");
    EXPECT_EQ(platform::ResolveGamePath(f, "Config/Data.dat"), "/home/p/.config/harmoa2/Data.dat");
    EXPECT_EQ(platform::ResolveGamePath(f, "Config"), "/home/p/.config/harmoa2");
    EXPECT_EQ(platform::ResolveGamePath(f, "image/back/0.bmp"), "/usr/share/harmoa2/image/back/0.bmp");
    EXPECT_EQ(platform::ResolveGamePath(f, "music/town3.mid"), "/usr/share/harmoa2/music/town3.mid");
    // Only whole first names count; absolute paths are left alone.
    EXPECT_EQ(platform::ResolveGamePath(f, "saves/1"), "/usr/share/harmoa2/saves/1");
    EXPECT_EQ(platform::ResolveGamePath(f, "/tmp/x/save/1"), "/tmp/x/save/1");

    EXPECT_EQ(platform::UserFilePath(f, "logs/game.txt"), "/home/p/.local/share/harmoa2/logs/game.txt");
    EXPECT_EQ(platform::UserFilePath(f, "/var/tmp/game.txt"), "/var/tmp/game.txt");
    EXPECT_EQ(platform::UserFilePath(f, ""), "");
    EXPECT_EQ(platform::DefaultConfigPath(f, "Config/Data.dat"), "/usr/share/harmoa2/Config/Data.dat");
    EXPECT_EQ(platform::DefaultConfigPath(f, "save/1"), "");

    const platform::GameFolders here;  // the build folder's run
    EXPECT_EQ(platform::ResolveGamePath(here, "save/3"), "save/3");
    EXPECT_EQ(platform::ResolveGamePath(here, "Config/Data.dat"), "Config/Data.dat");
    EXPECT_EQ(platform::UserFilePath(here, "logs/game.txt"), "logs/game.txt");
    EXPECT_EQ(platform::DefaultConfigPath(here, "Config/Data.dat"), "");
}

TEST(GamePaths, MakeFoldersCreatesParentsPrivately) {
    const fs::path root = fs::temp_directory_path() / ("make_folders_" + std::to_string(::getpid()));
    fs::remove_all(root);
    EXPECT_TRUE(platform::MakeFolders((root / "a" / "b" / "harmoa2").string()));
    EXPECT_TRUE(fs::is_directory(root / "a" / "b" / "harmoa2"));
    EXPECT_EQ(fs::status(root / "a" / "b").permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(platform::MakeFolders((root / "a").string()));  // existing is fine
    std::ofstream((root / "file").string()) << "x";
    EXPECT_FALSE(platform::MakeFolders((root / "file" / "sub").string()));
    EXPECT_FALSE(platform::MakeFolders(""));
    fs::remove_all(root);
}

}  // namespace
