#include "text/shortstring.h"

#include <gtest/gtest.h>

#include <array>

using namespace klettra::text;

TEST(ShortStringTest, keepsAtMostItsCapacity)
{
    const WordString word("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(word.size(), 14u);
    EXPECT_EQ(word.view(), "ABCDEFGHIJKLMN");
    const ClueString clue(std::string(300, 'x'));
    EXPECT_EQ(clue.size(), 255u);
}

TEST(ShortStringTest, storesLengthByteThenCharacters)
{
    std::array<std::uint8_t, WordString::storedSize> bytes{};
    WordString("КОТ").writeTo(bytes.data());
    EXPECT_EQ(bytes.size(), 15u);
    EXPECT_EQ(bytes[0], 6u); // UTF-8 source text: three two-byte letters
    const auto back = WordString::readFrom(bytes.data());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->view(), "КОТ");
}

TEST(ShortStringTest, keepsTheBytesPastTheLengthAndIgnoresThemInComparisons)
{
    std::array<std::uint8_t, WordString::storedSize> bytes{};
    bytes.fill('Z');
    bytes[0] = 2;
    const auto s = WordString::readFrom(bytes.data());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->view(), "ZZ");
    std::array<std::uint8_t, WordString::storedSize> again{};
    s->writeTo(again.data());
    EXPECT_EQ(again, bytes);
    EXPECT_EQ(*s, WordString("ZZ"));
}

TEST(ShortStringTest, refusesALengthBeyondItsCapacity)
{
    std::array<std::uint8_t, WordString::storedSize> bytes{};
    bytes[0] = 15;
    EXPECT_FALSE(WordString::readFrom(bytes.data()));
    std::array<std::uint8_t, ClueString::storedSize> clue{};
    clue[0] = 255;
    EXPECT_TRUE(ClueString::readFrom(clue.data()));
}
