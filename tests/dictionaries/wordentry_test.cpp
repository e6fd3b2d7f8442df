#include <gtest/gtest.h>

#include "dictionaries/wordentry.h"
#include "dictionarytestutil.h"
#include "support/tempdir.h"

using namespace klettra::dictionaries;
using namespace klettra::test;

namespace {

std::string storedClue(std::string_view clueUtf8)
{
    return utf8(NormalizeEntry(cp("ДОМ"), cp(clueUtf8)).Clue.view());
}

WordErrorCode check(std::string_view word, std::string_view clue)
{
    return WordError(cp(word), cp(clue));
}

} // namespace

TEST(WordEntryTest, normalizesTheClue)
{
    const TPoolWord entry = NormalizeEntry(cp("ДОМ"), cp("  жилище  "));
    EXPECT_EQ(utf8(entry.Word.view()), "ДОМ");
    EXPECT_EQ(utf8(entry.Clue.view()), "Жилище.");

    EXPECT_EQ(storedClue("ёлка"), "Ёлка.");
    EXPECT_EQ(storedClue("zebra"), "zebra."); // Latin letters are not capitalised
    EXPECT_EQ(storedClue("Уже с точкой."), "Уже с точкой.");
    EXPECT_EQ(storedClue("\tтаб\t"), "\tтаб\t."); // only spaces are trimmed
    EXPECT_EQ(storedClue("   "), "");
    EXPECT_EQ(storedClue(""), "");

    const std::string clue254(254, 'x');
    EXPECT_EQ(NormalizeEntry(cp("ДОМ"), clue254).Clue.str(), clue254 + ".");
    const std::string clue255(255, 'x');
    EXPECT_EQ(NormalizeEntry(cp("ДОМ"), clue255).Clue.str(), clue255);
    EXPECT_EQ(NormalizeEntry(cp("ДОМ"), std::string(300, 'x')).Clue.size(), 255u);

    EXPECT_EQ(utf8(NormalizeEntry(cp("АБВГДЕЖЗИЙКЛМНОП"), cp("x")).Word.view()), "АБВГДЕЖЗИЙКЛМН");
}

TEST(WordEntryTest, capitalizesOnlyARussianFirstLetter)
{
    EXPECT_EQ(utf8(CapitalizeFirst(cp("ёж"))), "Ёж");
    EXPECT_EQ(utf8(CapitalizeFirst(cp("ящик"))), "Ящик");
    EXPECT_EQ(utf8(CapitalizeFirst(cp("а"))), "А");
    EXPECT_EQ(utf8(CapitalizeFirst(cp("1 а"))), "1 а");
    EXPECT_EQ(CapitalizeFirst("abc"), "abc");
    EXPECT_EQ(CapitalizeFirst(""), "");
}

TEST(WordEntryTest, checksInOrderAndStopsAtTheFirstFailure)
{
    EXPECT_EQ(check("ДОМ", "Жилище."), WordErrorCode::Ok);
    EXPECT_EQ(check("ЁЖИК", "Зверёк."), WordErrorCode::Ok);
    EXPECT_EQ(check("", "Жилище."), WordErrorCode::Missing);
    EXPECT_EQ(check("ДОМ", "   "), WordErrorCode::Missing);
    EXPECT_EQ(check("ДОМ", ""), WordErrorCode::Missing);
    EXPECT_EQ(check("ДО", "Нота."), WordErrorCode::TooShort);
    EXPECT_EQ(check("Д-", "x"), WordErrorCode::TooShort); // length comes before characters
    EXPECT_EQ(check("ВОЛНА-2", "x"), WordErrorCode::BadCharacter);
    EXPECT_EQ(check("А Б В", "x"), WordErrorCode::BadCharacter);
    EXPECT_EQ(check("DOG", "x"), WordErrorCode::BadCharacter);
    EXPECT_EQ(check("дом", "x"), WordErrorCode::BadCharacter);
    EXPECT_EQ(check("ДЕНЬГИ", "x"), WordErrorCode::Ok);
}

TEST(WordEntryTest, addingLooksTheWordUpInTheOpenTable)
{
    TempDir dir;
    makeDictionary(dir.path(), "Первый", {{"ДОМ", "Жилище."}});
    makeDictionary(dir.path(), "Второй", {});
    SlovarTable first(dir.path(), "Первый");
    SlovarTable second(dir.path(), "Второй");
    ASSERT_TRUE(first.open());
    ASSERT_TRUE(second.open());
    EXPECT_EQ(WordError(cp("ДОМ"), cp("Здание."), first), WordErrorCode::Exists);
    EXPECT_EQ(WordError(cp("ДОМ"), cp("Здание."), second), WordErrorCode::Ok);
    EXPECT_EQ(WordError(cp("ДОМ"), cp(" "), first), WordErrorCode::Missing); // the rules come first
}
