#include "engine/text/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/text/BinaryFile.h"

namespace {

std::vector<std::string> Along(const char* path) {
    std::vector<WString> folders;
    EXPECT_TRUE(DirectoriesAlong(WString(path), folders));
    std::vector<std::string> out;
    for (const WString& f : folders) out.push_back(f.ToUtf8());
    return out;
}

TEST(Directories, FoldersAlongAPathInCreationOrder) {
    EXPECT_EQ(Along("C:\\x\\y\\file.txt"), (std::vector<std::string>{"C:\\x", "C:\\x\\y"}));
    EXPECT_EQ(Along("x\\y\\"), (std::vector<std::string>{"x", "x\\y"}));
    EXPECT_EQ(Along("file.txt"), std::vector<std::string>{});
    EXPECT_EQ(Along("out/logs/x.txt"), (std::vector<std::string>{"out", "out\\logs"}));
    EXPECT_EQ(Along("/tmp/a/b.txt"), (std::vector<std::string>{"\\tmp", "\\tmp\\a"}));
}

TEST(Directories, CreatesFoldersAndChecksFiles) {
    const auto root = std::filesystem::temp_directory_path() / "files_test";
    std::filesystem::remove_all(root);
    const std::string file = (root / "a" / "b" / "c.bin").string();
    ASSERT_TRUE(CreateDirectories(WString(file.c_str())));
    EXPECT_TRUE(DirectoryExists(WString((root / "a" / "b").string().c_str())));
    EXPECT_FALSE(FileExists(WString(file.c_str())));

    BinaryFile out;
    ASSERT_TRUE(out.Open(WString(file.c_str()), false));
    uint32_t value = 0x12345678;
    EXPECT_EQ(out.Transfer(&value, 4), 4u);
    out.Close();

    uint32_t size = 0;
    EXPECT_TRUE(FileExists(WString(file.c_str()), &size));
    EXPECT_EQ(size, 4u);
    EXPECT_FALSE(FileExists(WString((root / "a").string().c_str())));  // a folder

    BinaryFile in;
    ASSERT_TRUE(in.Open(WString(file.c_str()), true));
    uint32_t back = 0;
    EXPECT_EQ(in.Transfer(&back, 4), 4u);
    EXPECT_EQ(back, value);
    EXPECT_EQ(in.Read(&back, 4), 0u);
    EXPECT_FALSE(in.Open(WString((root / "none").string().c_str()), true));
    EXPECT_FALSE(in.IsOpen());
    std::filesystem::remove_all(root);
}

}  // namespace
