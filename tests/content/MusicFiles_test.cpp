#include "content/MusicFiles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(MusicFiles, OneListOfMidiFilesEachNamedOnce) {
    std::set<std::string> names;
    for (const char* name : MusicFileNames()) {
        EXPECT_TRUE(std::string(name).ends_with(".mid")) << name;
        EXPECT_TRUE(names.insert(name).second) << name;
    }
    for (const char* fixed : {kTitleMusic, kTownMusic, kDefeatMusic}) EXPECT_TRUE(IsMusicFile(fixed)) << fixed;
    EXPECT_STREQ(kTitleMusic, "airship1.mid");
    EXPECT_STREQ(kTownMusic, "town3.mid");
    EXPECT_FALSE(IsMusicFile("town3"));
    EXPECT_FALSE(IsMusicFile(""));
}
