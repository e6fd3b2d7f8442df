#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/patternindex.h"
#include "enginetesthelpers.h"

using namespace klettra::engine;
using klettra::test::cp;
using klettra::test::poolOf;

namespace {

std::vector<std::string> wordsAt(const WordPool &pool, int length, const std::vector<std::uint32_t> &found)
{
    std::vector<std::string> words;
    for (const auto i : found)
        words.emplace_back(pool.word(length, i));
    return words;
}

} // namespace

TEST(WordPoolTest, takesOnlyUpperCaseRussianWordsOfThreeToFourteenLetters)
{
    WordPool pool;
    EXPECT_TRUE(pool.add(cp("ЁЖИК"), cp("Колючий.")));
    EXPECT_TRUE(pool.add(cp("ЧЕЛОВЕКОЛЮБИЕЦ"), ""));
    EXPECT_FALSE(pool.add(cp("ДА"), "short"));
    EXPECT_FALSE(pool.add(cp("ЧЕЛОВЕКОЛЮБИЕЦЫ"), "long"));
    EXPECT_FALSE(pool.add(cp("кот"), "lower case"));
    EXPECT_FALSE(pool.add("CAT", "Latin"));
    EXPECT_FALSE(pool.add(cp("ВОЛНА-2"), "punctuation"));
    EXPECT_FALSE(pool.add(cp("КО Т"), "space"));
    EXPECT_FALSE(pool.add(std::string("\xC0\x00\xC0", 3), "zero byte"));
    EXPECT_EQ(pool.size(), 2u);
    EXPECT_EQ(pool.PoolCount(4), 1u);
    EXPECT_EQ(pool.PoolCount(14), 1u);
    EXPECT_EQ(pool.PoolCount(2), 0u);
    EXPECT_EQ(pool.PoolCount(15), 0u);
}

TEST(WordPoolTest, keepsTheOrderAndEveryDuplicateAndCutsLongClues)
{
    const std::string longClue(300, 'x');
    WordPool pool;
    ASSERT_TRUE(pool.add(cp("КОТ"), "first"));
    ASSERT_TRUE(pool.add(cp("ДОМ"), longClue));
    ASSERT_TRUE(pool.add(cp("КОТ"), "second"));
    ASSERT_EQ(pool.PoolCount(3), 3u);
    EXPECT_EQ(pool.clue(3, 0), "first");
    EXPECT_EQ(pool.clue(3, 1), longClue.substr(0, 255));
    EXPECT_EQ(pool.clue(3, 2), "second");
    EXPECT_EQ(pool.entry(3, 2),
              (TPoolWord{klettra::text::WordString(cp("КОТ")), klettra::text::ClueString("second")}));
}

TEST(PatternIndexTest, answersTheBasicPatterns)
{
    const WordPool pool = poolOf({{"КРОТ", "a"},
                                  {"КИТ", "b"},
                                  {"КАРТ", "c"},
                                  {"СОРТ", "d"},
                                  {"КОРМ", "e"},
                                  {"КЛАД", "f"},
                                  {"КРОТ", "g"},
                                  {"ЁЛКА", "h"},
                                  {"ЕЛКА", "i"},
                                  {"КОШКА", "j"}});
    const PatternIndex index(pool);
    std::vector<std::uint32_t> found;

    // Four open cells fit the whole group; other lengths are never looked at.
    EXPECT_EQ(index.FindWords("    ", found), pool.PoolCount(4));
    EXPECT_EQ(index.FindWords(cp("К  Т"), found), 3u);
    EXPECT_EQ(wordsAt(pool, 4, found), (std::vector{cp("КРОТ"), cp("КАРТ"), cp("КРОТ")}));
    // A fully lettered pattern fits each occurrence of its word.
    EXPECT_EQ(index.FindWords(cp("КРОТ"), found), 2u);
    EXPECT_EQ(found, (std::vector<std::uint32_t>{0, 5}));
    // Е and Ё are different letters; lower case never fits.
    EXPECT_EQ(index.FindWords(cp("Ё   "), found), 1u);
    EXPECT_EQ(index.FindWords(cp("Е   "), found), 1u);
    EXPECT_EQ(index.FindWords(cp("к  т"), found), 0u);
    EXPECT_EQ(index.FindWords(cp("ЖЖЖЖ"), found), 0u);
    // Lengths without a group.
    EXPECT_EQ(index.FindWords("  ", found), 0u);
    EXPECT_EQ(index.FindWords(std::string(15, ' '), found), 0u);
    EXPECT_EQ(index.FindWords(std::string(9, ' '), found), 0u);
    EXPECT_TRUE(found.empty());
}

TEST(PatternIndexTest, matchesThePlainScanOnRandomPoolsAndPatterns)
{
    std::mt19937 random(20240611);
    // A few letters make many words share letters, so patterns fit many words; the full alphabet
    // and Ё keep the rare letters covered too.
    const std::string narrow = cp("АБЕЁ");
    const std::string alphabet = cp("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    // Pattern bytes beyond the pool's letters: lower case, Latin, punctuation, control, high bytes.
    const std::string strange = cp("аеёя") + "aZ?-*\x01\x7F\xA0\xFF" + std::string(1, '\0');

    for (const std::size_t poolSize : {0, 1, 63, 64, 65, 700, 5000}) {
        for (const std::string *letters : {&narrow, &alphabet}) {
            WordPool pool;
            std::vector<std::string> added;
            for (std::size_t w = 0; w < poolSize; ++w) {
                std::string word;
                if (!added.empty() && random() % 10 == 0) {
                    word = added[random() % added.size()]; // duplicates
                } else {
                    const std::size_t length = 3 + random() % 12;
                    for (std::size_t i = 0; i < length; ++i)
                        word += (*letters)[random() % letters->size()];
                }
                ASSERT_TRUE(pool.add(word, "clue"));
                added.push_back(word);
            }
            const PatternIndex index(pool);
            std::vector<std::uint32_t> byIndex;
            std::vector<std::uint32_t> byScan;
            for (int p = 0; p < 400; ++p) {
                std::string pattern;
                const std::size_t length = 2 + random() % 14;
                const unsigned openShare = random() % 4;
                for (std::size_t i = 0; i < length; ++i) {
                    const unsigned roll = random() % 16;
                    if (roll < openShare * 4)
                        pattern += ' ';
                    else if (roll == 15)
                        pattern += strange[random() % strange.size()];
                    else
                        pattern += (*letters)[random() % letters->size()];
                }
                if (random() % 5 == 0 && !added.empty()) {
                    // A pattern cut from a real word, so that fully lettered patterns hit too.
                    pattern = added[random() % added.size()];
                    for (char &c : pattern)
                        c = random() % 3 == 0 ? ' ' : c;
                }
                const std::size_t k = index.FindWords(pattern, byIndex);
                const std::size_t expected = findWordsByScan(pool, pattern, byScan);
                ASSERT_EQ(k, expected) << "pool " << poolSize << ", pattern length " << pattern.size();
                ASSERT_EQ(byIndex, byScan);
            }
        }
    }
}

TEST(PatternIndexTest, holdsMoreThan65536WordsOfOneLength)
{
    // Distinct five-letter words counting up in a 32-letter alphabet.
    WordPool pool;
    constexpr std::uint32_t count = 70'000;
    std::string last;
    for (std::uint32_t n = 0; n < count; ++n) {
        std::string word;
        for (std::uint32_t v = n, i = 0; i < 5; ++i, v /= 32)
            word += static_cast<char>(0xC0 + v % 32);
        ASSERT_TRUE(pool.add(word, ""));
        last = word;
    }
    const PatternIndex index(pool);
    std::vector<std::uint32_t> found;
    ASSERT_EQ(index.FindWords(last, found), 1u);
    EXPECT_EQ(found.front(), count - 1);
    EXPECT_EQ(index.FindWords("     ", found), count);
}
