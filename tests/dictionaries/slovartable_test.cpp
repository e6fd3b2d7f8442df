#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

#include "dictionaries/slovartable.h"
#include "dictionarytestutil.h"
#include "support/filesizelimit.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using namespace klettra::dictionaries;
using namespace klettra::test;

namespace {

// The table used by most cases: words given out of order, Ё among them.
const Entries Sample = {{"ЯМА", "Углубление."}, {"ДОМ", "Жилище."}, {"ЁЛКА", "Дерево."}, {"АРБУЗ", "Ягода."}};
const Entries SampleInOrder = {
    {"ЁЛКА", "Дерево."}, {"АРБУЗ", "Ягода."}, {"ДОМ", "Жилище."}, {"ЯМА", "Углубление."}};

class SlovarTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        makeDictionary(dir.path(), "Тест", Sample);
        ASSERT_TRUE(table.open()) << table.lastError();
    }

    std::string current() const { return utf8(table.field(Field::Slovo)); }

    TempDir dir;
    SlovarTable table{dir.path(), "Тест"};
};

} // namespace

TEST_F(SlovarTableTest, walksInWordOrderWithYoFirst)
{
    EXPECT_EQ(table.count(), 4);
    EXPECT_EQ(current(), "ЁЛКА"); // open puts the table on its first entry
    EXPECT_EQ(readRest(table), SampleInOrder);
    EXPECT_EQ(table.field(Field::Slovo), ""); // at the end
    table.first();
    EXPECT_EQ(readRest(table), SampleInOrder);
}

TEST_F(SlovarTableTest, findExactAndNearestPosition)
{
    ASSERT_TRUE(table.findExact(cp("ДОМ")));
    EXPECT_EQ(readRest(table), (Entries{{"ДОМ", "Жилище."}, {"ЯМА", "Углубление."}}));

    table.first();
    EXPECT_FALSE(table.findExact(cp("ДО")));
    EXPECT_FALSE(table.findExact(cp("дом"))); // exact means exact
    EXPECT_EQ(current(), "ЁЛКА");

    EXPECT_TRUE(table.findNearest(cp("Б")));
    EXPECT_EQ(current(), "ДОМ");
    table.next();
    EXPECT_EQ(current(), "ЯМА");
    EXPECT_TRUE(table.findNearest(cp("ЯМА")));
    EXPECT_EQ(current(), "ЯМА");
    EXPECT_TRUE(table.findNearest(cp("ЯЯЯ"))); // past every word: the last entry
    EXPECT_EQ(current(), "ЯМА");
    EXPECT_FALSE(table.atEnd());
}

TEST(SlovarTableEmptyTest, emptyTableHasNoCurrentEntry)
{
    TempDir dir;
    SlovarTable table(dir.path(), "Пусто");
    ASSERT_TRUE(table.create());
    ASSERT_TRUE(table.open());
    EXPECT_TRUE(table.atEnd());
    EXPECT_EQ(table.count(), 0);
    EXPECT_FALSE(table.findNearest(cp("А")));
    EXPECT_TRUE(table.atEnd());
    EXPECT_FALSE(table.remove());
    table.edit();
    table.setField(Field::Slovo, cp("КОТ"));
    EXPECT_FALSE(table.post()); // nothing was being changed
}

TEST_F(SlovarTableTest, removeMakesTheFollowingEntryCurrent)
{
    ASSERT_TRUE(table.findExact(cp("АРБУЗ")));
    ASSERT_TRUE(table.remove());
    EXPECT_EQ(current(), "ДОМ");
    ASSERT_TRUE(table.findExact(cp("ЯМА")));
    ASSERT_TRUE(table.remove());
    EXPECT_EQ(current(), "ДОМ"); // after the last entry, the new last one
    ASSERT_TRUE(table.remove());
    ASSERT_TRUE(table.remove());
    EXPECT_TRUE(table.atEnd());
    EXPECT_EQ(table.count(), 0);
}

TEST_F(SlovarTableTest, walkSurvivesWritesOnTheWay)
{
    // Removing every other entry and adding one ahead of the walk while walking.
    Entries seen;
    for (table.first(); !table.atEnd();) {
        seen.emplace_back(current(), "");
        if (current() == "АРБУЗ") {
            table.insert();
            table.setField(Field::Slovo, cp("ЖУК"));
            ASSERT_TRUE(table.post());
            EXPECT_EQ(current(), "ЖУК");
            ASSERT_TRUE(table.findExact(cp("АРБУЗ")));
            ASSERT_TRUE(table.remove());
            continue;
        }
        table.next();
    }
    EXPECT_EQ(seen, (Entries{{"ЁЛКА", ""}, {"АРБУЗ", ""}, {"ДОМ", ""}, {"ЖУК", ""}, {"ЯМА", ""}}));
    table.first();
    EXPECT_EQ(readRest(table).size(), 4u);
}

TEST_F(SlovarTableTest, marksFindTheirEntryAfterOtherDeletes)
{
    ASSERT_TRUE(table.findExact(cp("ДОМ")));
    const TableMark dom = table.mark();
    ASSERT_TRUE(table.findExact(cp("ЯМА")));
    const TableMark yama = table.mark();
    ASSERT_TRUE(table.findExact(cp("АРБУЗ")));
    ASSERT_TRUE(table.remove());
    ASSERT_TRUE(table.gotoMark(yama));
    ASSERT_TRUE(table.remove());
    ASSERT_TRUE(table.gotoMark(dom));
    EXPECT_EQ(current(), "ДОМ");
    EXPECT_FALSE(table.gotoMark(yama)); // that entry itself is gone
    EXPECT_EQ(current(), "ДОМ");
}

TEST_F(SlovarTableTest, duplicateIsRefusedAndTheTableStaysUsable)
{
    table.insert();
    table.setField(Field::Slovo, cp("КОТ"));
    ASSERT_TRUE(table.post());
    table.insert();
    table.setField(Field::Slovo, cp("ДОМ"));
    table.setField(Field::Opisanie, cp("Другое."));
    EXPECT_FALSE(table.post());
    EXPECT_NE(table.lastError(), "");
    table.cancel();
    table.insert();
    table.setField(Field::Slovo, cp("ЛЕС"));
    ASSERT_TRUE(table.post());
    ASSERT_TRUE(table.flush());

    SlovarTable other(dir.path(), "Тест");
    ASSERT_TRUE(other.open());
    EXPECT_EQ(other.count(), 6);
    ASSERT_TRUE(other.findExact(cp("ДОМ")));
    EXPECT_EQ(utf8(other.field(Field::Opisanie)), "Жилище.");
    ASSERT_TRUE(other.findExact(cp("КОТ")));
    EXPECT_EQ(other.field(Field::Opisanie), ""); // a clue never set
}

TEST_F(SlovarTableTest, editChangesClueAndKey)
{
    ASSERT_TRUE(table.findExact(cp("ДОМ")));
    table.edit();
    table.setField(Field::Opisanie, cp("Здание."));
    ASSERT_TRUE(table.post());
    EXPECT_EQ(utf8(table.field(Field::Opisanie)), "Здание.");

    table.edit();
    table.setField(Field::Slovo, cp("ЯМА")); // taken
    EXPECT_FALSE(table.post());
    table.cancel();

    ASSERT_TRUE(table.findExact(cp("ДОМ")));
    table.edit();
    table.setField(Field::Slovo, cp("ЮЛА"));
    ASSERT_TRUE(table.post());
    EXPECT_EQ(current(), "ЮЛА");
    EXPECT_EQ(utf8(table.field(Field::Opisanie)), "Здание.");
    table.first();
    EXPECT_EQ(
        readRest(table),
        (Entries{{"ЁЛКА", "Дерево."}, {"АРБУЗ", "Ягода."}, {"ЮЛА", "Здание."}, {"ЯМА", "Углубление."}}));
}

TEST_F(SlovarTableTest, refusesEntriesTheFieldsCannotHold)
{
    table.insert();
    EXPECT_FALSE(table.post()); // empty word
    table.setField(Field::Slovo, std::string(15, cp("А")[0]));
    EXPECT_FALSE(table.post());
    table.setField(Field::Slovo, cp("КОТ"));
    table.setField(Field::Opisanie, std::string(256, 'x'));
    EXPECT_FALSE(table.post());
    table.setField(Field::Opisanie, std::string(255, 'x'));
    EXPECT_TRUE(table.post());
    EXPECT_EQ(table.count(), 5);
}

TEST_F(SlovarTableTest, changesBecomeVisibleToOthersOnFlushAndClose)
{
    SlovarTable reader(dir.path(), "Тест");
    table.insert();
    table.setField(Field::Slovo, cp("КОТ"));
    ASSERT_TRUE(table.post());
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(reader.count(), 4); // still in the writer's transaction
    reader.close();

    ASSERT_TRUE(table.flush());
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(reader.count(), 5);
    reader.close();

    table.insert();
    table.setField(Field::Slovo, cp("ЛЕС"));
    ASSERT_TRUE(table.post());
    table.close();
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(reader.count(), 6);
}

TEST_F(SlovarTableTest, createReplacesTheTableWithAnEmptyOne)
{
    table.close();
    writeText(dir / "Тест.db-journal", "a journal of the old table");
    ASSERT_TRUE(table.create());
    EXPECT_FALSE(std::filesystem::exists(dir / "Тест.db-journal"));
    ASSERT_TRUE(table.open());
    EXPECT_EQ(table.count(), 0);
}

TEST_F(SlovarTableTest, fullDiskLosesOnlyUnsavedEntriesAndSaysSo)
{
    // With no room even for the journal the posts fail, and SQLite drops the whole transaction
    // on its own; with room for the journal but not for the grown table the commit fails. Either
    // way the saved entries stay and the loss is told.
    const auto size = std::filesystem::file_size(dir / "Тест.db");
    for (const bool postsFail : {true, false}) {
        const auto limit = postsFail ? size : size + 8192;
        int posted = 0;
        {
            FileSizeLimit disk(limit);
            for (; posted < 2000; ++posted) {
                table.insert();
                table.setField(Field::Slovo, cp("СЛОВО") + std::to_string(posted));
                table.setField(Field::Opisanie, std::string(200, 'x'));
                if (!table.post())
                    break;
            }
            EXPECT_FALSE(table.flush());
            EXPECT_NE(table.lastError(), "");
            table.close();
        }
        EXPECT_EQ(posted < 2000, postsFail) << "the case does not take the path it is meant for";
        ASSERT_TRUE(table.open());
        EXPECT_EQ(readRest(table), SampleInOrder);
    }
}

TEST_F(SlovarTableTest, readOnlyFileCanBeReadButNotWritten)
{
    table.close();
    std::filesystem::permissions(dir / "Тест.db", std::filesystem::perms::owner_read);
    if (::access((dir / "Тест.db").c_str(), W_OK) == 0)
        GTEST_SKIP() << "permissions do not bind this user";
    ASSERT_TRUE(table.open());
    EXPECT_EQ(readRest(table), SampleInOrder);
    table.insert();
    table.setField(Field::Slovo, cp("КОТ"));
    EXPECT_FALSE(table.post());
    EXPECT_EQ(table.count(), 4);
}

TEST(SlovarTableOpenTest, opensOnlyOurTablesAndNeverCreatesFiles)
{
    TempDir dir;
    SlovarTable table(dir.path(), "нет");
    EXPECT_FALSE(table.open());
    EXPECT_FALSE(std::filesystem::exists(dir / "нет.db"));

    writeText(dir / "text.db", "just some text, not a database at all\n");
    writeText(dir / "empty.db", "");
    std::filesystem::create_directory(dir / "folder.db");
    runSql(dir / "foreign.db", "CREATE TABLE words (w TEXT)");
    runSql(dir / "view.db",
           "CREATE TABLE t (a, b); CREATE VIEW slovar AS SELECT a AS \"Слово\", b AS \"Описание\" FROM t");
    runSql(dir / "extra.db", "CREATE TABLE slovar (\"Слово\" TEXT PRIMARY KEY, \"Описание\" TEXT, x INT)");
    for (const char *name : {"text", "empty", "folder", "foreign", "view", "extra"}) {
        table.setName(name);
        EXPECT_FALSE(table.open()) << name;
        EXPECT_NE(table.lastError(), "") << name;
    }
    for (const char *name : {"", "../x", ".hidden", "a/b"}) {
        table.setName(name);
        EXPECT_FALSE(table.open()) << name;
        EXPECT_FALSE(table.create()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "x.db"));
}

TEST(SlovarTableOpenTest, readsTablesOtherToolsMade)
{
    // Same layout without our application id, rowid table, text outside Windows-1251 and a NULL.
    TempDir dir;
    runSql(dir / "a.b.db",
           "CREATE TABLE slovar (\"Слово\" TEXT PRIMARY KEY, \"Описание\" TEXT);"
           "INSERT INTO slovar VALUES ('КОТ', NULL), ('日本', 'Страна ☺'), ('ДОМ', 'Жилище.')");
    SlovarTable table(dir.path(), "a.b");
    ASSERT_TRUE(table.open()) << table.lastError();
    EXPECT_EQ(readRest(table), (Entries{{"ДОМ", "Жилище."}, {"КОТ", ""}, {"??", "Страна ?"}}));
    ASSERT_TRUE(table.findExact(cp("КОТ")));
    ASSERT_TRUE(table.remove());
    EXPECT_EQ(table.field(Field::Slovo), "??"); // the real key was used, not its replacement
    table.insert();
    table.setField(Field::Slovo, cp("ЛЕС"));
    ASSERT_TRUE(table.post());
    EXPECT_EQ(table.count(), 3);
}
