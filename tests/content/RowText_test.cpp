#include "content/RowText.h"

#include <gtest/gtest.h>

TEST(RowText, StatusChancesBySingleLabelAndByRun) {
    StatusChances c{};
    std::string error;
    ASSERT_TRUE(ParseStatusChances("物防100  挑発50", c, &error)) << error;
    EXPECT_EQ(c[StatusKind::kPhysicalGuard], 100);
    EXPECT_EQ(c[StatusKind::kTaunt], 50);
    EXPECT_EQ(c[StatusKind::kAtk], 0);

    StatusChances run{};
    ASSERT_TRUE(ParseStatusChances("毒～封印50", run, &error)) << error;
    for (int32_t k = 0; k < StatusKind::kCount; ++k)
        EXPECT_EQ(run[k], k >= StatusKind::kPoison && k <= StatusKind::kSeal ? 50 : 0) << k;
    // Labels that share a beginning stay apart.
    StatusChances pair{};
    ASSERT_TRUE(ParseStatusChances("自動回復100 自動復活50", pair, &error));
    EXPECT_EQ(pair[StatusKind::kRegen], 100);
    EXPECT_EQ(pair[StatusKind::kAutoRevive], 50);
    EXPECT_TRUE(ParseStatusChances("", pair, &error));
}

TEST(RowText, RejectsWhatItCannotRead) {
    StatusChances c{};
    std::string error;
    EXPECT_FALSE(ParseStatusChances("毒", c, &error));
    EXPECT_FALSE(ParseStatusChances("猛毒100", c, &error));
    EXPECT_NE(error.find("猛毒100"), std::string::npos);
    EXPECT_FALSE(ParseStatusChances("封印～毒50", c, &error));  // a run runs forward
    EXPECT_FALSE(ParseStatusChances("毒1x", c, &error));
    int32_t v = 0;
    EXPECT_TRUE(ParseInteger("-25", &v));
    EXPECT_EQ(v, -25);
    EXPECT_FALSE(ParseInteger("99999999999", &v));
    EXPECT_FALSE(ParseInteger("+", &v));
}
