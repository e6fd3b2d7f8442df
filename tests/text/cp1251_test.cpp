#include "text/cp1251.h"

#include <gtest/gtest.h>

using namespace klettra::text;

TEST(Cp1251Test, everyByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = fromUtf8Strict(toUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Cp1251Test, mapsTheLettersAndSignsRussianTextNeeds)
{
    EXPECT_EQ(toUtf8("\xA8\xB8"), "Ёё");
    EXPECT_EQ(toUtf8("\xAB\xBB\x97\xB9"), "«»—№");
    EXPECT_EQ(toUtf8("\xC0\xDF\xE0\xFF"), "АЯая");
    EXPECT_EQ(toUtf8("\x85\x96\x88"), "…–€");
    EXPECT_EQ(fromUtf8Strict("ДОМ Ёлка «Жилище» №5"), "\xC4\xCE\xCC \xA8\xEB\xEA\xE0 \xAB\xC6\xE8\xEB\xE8\xF9\xE5\xBB \xB9"
                                                      "5");
}

TEST(Cp1251Test, refusesTextTheCodePageCannotHold)
{
    EXPECT_FALSE(fromUtf8Strict("Ñ"));        // Latin letter with tilde
    EXPECT_FALSE(fromUtf8Strict("漢"));       // outside the code page
    EXPECT_FALSE(fromUtf8Strict("\xD0"));     // truncated sequence
    EXPECT_FALSE(fromUtf8Strict("\xC0\x80")); // overlong NUL
    EXPECT_FALSE(fromUtf8Strict("\xED\xA0\x80")); // surrogate half
    EXPECT_FALSE(fromUtf8Strict("\xFF"));
    EXPECT_EQ(fromUtf8("aÑb\xD0"), "a?b?");
}

TEST(Cp1251Test, upperCaseCoversRussianYoAndLatin)
{
    EXPECT_EQ(toUpper(*fromUtf8Strict("ёжик zebra Ёж")), *fromUtf8Strict("ЁЖИК ZEBRA ЁЖ"));
    EXPECT_TRUE(isUpperRussian(CapitalYo));
    EXPECT_FALSE(isUpperRussian(SmallYo));
    EXPECT_FALSE(isUpperRussian('A'));
    EXPECT_TRUE(isLowerRussian(SmallA));
}
