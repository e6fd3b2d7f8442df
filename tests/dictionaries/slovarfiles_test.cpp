#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "dictionaries/slovarfiles.h"
#include "dictionaries/slovartable.h"
#include "dictionarytestutil.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using namespace klettra::dictionaries;
using namespace klettra::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> filesIn(const fs::path &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return sorted(names);
}

} // namespace

TEST(SlovarFilesTest, findsOnlyOurDictionaries)
{
    TempDir dir;
    EXPECT_TRUE(FindSlovars(dir.path()).empty());
    EXPECT_TRUE(FindSlovars(dir / "missing").empty());

    makeDictionary(dir.path(), "Основной", {{"ДОМ", "Жилище."}, {"КОТ", "Зверь."}});
    makeDictionary(dir.path(), "a.b", {{"ЛЕС", "Деревья."}});
    makeDictionary(dir.path(), "Пустой", {});
    writeText(dir / "text.db", "not a table\n");
    writeText(dir / "notes.txt", "");
    writeText(dir / ".db", "");
    fs::create_directory(dir / "folder.db");
    runSql(dir / "foreign.db", "CREATE TABLE words (w TEXT)");
    fs::copy_file(dir / "Пустой.db", dir / ".hidden.db");

    const auto names = FindSlovars(dir.path());
    EXPECT_EQ(sorted(names), (std::vector<std::string>{"a.b", "Основной", "Пустой"}));
    EXPECT_EQ(CountSlovarWords(dir.path(), "Основной"), 2);
    EXPECT_EQ(CountSlovarWords(dir.path(), "foreign"), 0);
    EXPECT_EQ(CountSlovarWords(dir.path(), "missing"), 0);
    EXPECT_EQ(CountAllWords(dir.path(), names), 3);
    EXPECT_EQ(CountUsedWords(dir.path(), {"a.b", "missing", "a.b"}), 2);
}

TEST(SlovarFilesTest, createRefusesUnusableNamesAndWritesNothing)
{
    TempDir dir;
    fs::create_directory(dir / "sub");
    for (const std::string &name : std::vector<std::string>{"", ".x", "../x", "a/b", "a*b", "a?b",
                                                            "tab\there", std::string(201, 'x')}) {
        std::string error;
        EXPECT_FALSE(CreateSlovarTable(dir / "sub", name, &error)) << name;
        EXPECT_NE(error, "") << name;
    }
    EXPECT_TRUE(filesIn(dir.path()) == std::vector<std::string>{"sub"});
    EXPECT_TRUE(filesIn(dir / "sub").empty());

    std::string error;
    EXPECT_FALSE(CreateSlovarTable(dir / "missing", "Словарь", &error));
    EXPECT_NE(error, "");
    EXPECT_TRUE(CreateSlovarTable(dir / "sub", "Имя с пробелом [1]"));
    EXPECT_EQ(FindSlovars(dir / "sub"), std::vector<std::string>{"Имя с пробелом [1]"});
}

TEST(SlovarFilesTest, masksMatchLikeTheFileSystemShell)
{
    EXPECT_TRUE(matchesMask("Основной.db", "*.db"));
    EXPECT_TRUE(matchesMask("Основной.db", "Основной.db"));
    EXPECT_TRUE(matchesMask("Дом.db", "Д?м.db")); // '?' is one letter, not one byte
    EXPECT_TRUE(matchesMask("a.b.db", "*.*.db"));
    EXPECT_TRUE(matchesMask("x", "*"));
    EXPECT_TRUE(matchesMask("[1].db", "[1].db")); // brackets are plain characters
    EXPECT_FALSE(matchesMask("1.db", "[1].db"));
    EXPECT_FALSE(matchesMask("Основной.dbx", "*.db"));
    EXPECT_FALSE(matchesMask("Дм.db", "Д?м.db"));
    EXPECT_FALSE(matchesMask("", "?"));
}

TEST(SlovarFilesTest, deleteByMaskSkipsDirectoriesAndHiddenFiles)
{
    TempDir dir;
    EXPECT_FALSE(DeleteFilesByMask(dir / "*.tmp"));
    writeText(dir / "a.tmp", "");
    writeText(dir / "b.tmp", "");
    writeText(dir / ".c.tmp", "");
    writeText(dir / "keep.txt", "");
    fs::create_directory(dir / "d.tmp");
    EXPECT_TRUE(DeleteFilesByMask(dir / "*.tmp"));
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{".c.tmp", "d.tmp", "keep.txt"}));
    EXPECT_FALSE(DeleteFilesByMask(dir / "missing" / "*"));
}

TEST(SlovarFilesTest, deletesEveryFileOfADictionaryThatExists)
{
    TempDir dir;
    makeDictionary(dir.path(), "Старый", {{"ДОМ", "Жилище."}});
    makeDictionary(dir.path(), "Сосед", {});
    writeText(dir / "Старый.val", "");
    writeText(dir / "Старый.db-journal", "");
    EXPECT_TRUE(DeleteSlovarFiles(dir.path(), "Старый"));
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"Сосед.db"});
    EXPECT_TRUE(DeleteSlovarFiles(dir.path(), "Старый")); // nothing left to delete
    EXPECT_FALSE(DeleteSlovarFiles(dir.path(), "../Сосед"));
}

TEST(SlovarFilesTest, renameMovesTheFilesThatExistAndNeverOverwrites)
{
    TempDir dir;
    makeDictionary(dir.path(), "Старый", {{"ДОМ", "Жилище."}});
    makeDictionary(dir.path(), "Другой", {{"КОТ", "Зверь."}});
    writeText(dir / "Старый.px", "index");
    writeText(dir / "Новый.db-journal", "left by a dictionary deleted long ago");

    std::string error;
    EXPECT_FALSE(RenameSlovarFiles(dir.path(), "Старый", "Другой", &error));
    EXPECT_NE(error, "");
    EXPECT_FALSE(RenameSlovarFiles(dir.path(), "Нет", "Новый"));
    EXPECT_FALSE(RenameSlovarFiles(dir.path(), "Старый", "a/b"));
    EXPECT_EQ(CountSlovarWords(dir.path(), "Другой"), 1);

    EXPECT_TRUE(RenameSlovarFiles(dir.path(), "Старый", "Новый", &error)) << error;
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"Другой.db", "Новый.db", "Новый.px"}));
    EXPECT_EQ(readText(dir / "Новый.px"), "index");
    SlovarTable table(dir.path(), "Новый");
    ASSERT_TRUE(table.open());
    EXPECT_EQ(readRest(table), (Entries{{"ДОМ", "Жилище."}}));
}
