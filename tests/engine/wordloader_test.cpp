#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/wordloader.h"
#include "engine/wordpool.h"
#include "enginetesthelpers.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using namespace klettra::engine;
using klettra::test::cp;
using klettra::test::makeDictionary;
using klettra::test::runSql;
using klettra::test::TempDir;

namespace {

std::vector<std::string> entriesOf(const WordPool &pool, int length)
{
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < pool.PoolCount(length); ++i)
        entries.push_back(klettra::test::utf8(pool.word(length, i)) + "/" +
                          klettra::test::utf8(pool.clue(length, i)));
    return entries;
}

class WordLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        makeDictionary(dir.path(), "Б", {{"КОТ", "Зверь."}, {"ДОМ", "Жилище."}, {"ЛЕС", ""}});
        makeDictionary(dir.path(), "А", {{"ЛУНА", "Спутник."}, {"КОТ", "Другой зверь."}});
        makeDictionary(dir.path(), "пустой", {});
        klettra::test::writeText(dir / "broken.db", "not a database");
    }

    TempDir dir;
};

} // namespace

TEST_F(WordLoaderTest, readsTheUsedDictionariesInOrderKeepingDuplicatesAndPassingOverWhatDoesNotOpen)
{
    WordPool pool;
    pool.add(cp("СТАРОЕ"), "left from the last load");
    const std::vector<std::string> used{"Б", "нет такого", "broken", "пустой", "А"};
    ASSERT_TRUE(LoadWords(dir.path(), used, true, pool));
    // Each dictionary in its word order; the word without a clue is left out but still read.
    EXPECT_EQ(entriesOf(pool, 3),
              (std::vector<std::string>{"ДОМ/Жилище.", "КОТ/Зверь.", "КОТ/Другой зверь."}));
    EXPECT_EQ(entriesOf(pool, 4), (std::vector<std::string>{"ЛУНА/Спутник."}));
    EXPECT_EQ(pool.size(), 4u);

    std::size_t lastProgress = 0;
    ASSERT_TRUE(LoadWords(dir.path(), used, false, pool, [&](std::size_t read) {
        lastProgress = read;
        return true;
    }));
    EXPECT_EQ(lastProgress, 5u);
    EXPECT_EQ(entriesOf(pool, 3).back(), "КОТ/Другой зверь.");
    EXPECT_EQ(entriesOf(pool, 3)[2], "ЛЕС/");

    EXPECT_TRUE(LoadWords(dir.path(), {}, true, pool));
    EXPECT_TRUE(pool.empty());
}

TEST_F(WordLoaderTest, leavesOutWordsAnotherToolWroteThatNoSlotCanHold)
{
    runSql(dir / "Б.db",
           "INSERT INTO slovar VALUES ('ДА', 'Два.'), ('ПРЕВЫСОКОМНОГОРАССМОТРИТЕЛЬСТВУЮЩИЙ', 'Длинно.'),"
           " ('кот', 'Строчные.'), ('ВОЛНА-2', 'Цифра.'), ('CAT', 'Latin.'), ('Ё Ж', 'Пробел.'),"
           " ('日本語', 'Чужие буквы.'), ('ЁЖИК', 'Колючий.')");
    WordPool pool;
    WordLoader loader(dir.path(), {"Б"}, false, pool);
    while (loader.step(3)) {
    }
    EXPECT_TRUE(loader.isFinished());
    EXPECT_FALSE(loader.isCancelled());
    EXPECT_EQ(loader.recordsRead(), 11u);
    EXPECT_EQ(entriesOf(pool, 3), (std::vector<std::string>{"ДОМ/Жилище.", "КОТ/Зверь.", "ЛЕС/"}));
    EXPECT_EQ(entriesOf(pool, 4), (std::vector<std::string>{"ЁЖИК/Колючий."}));
    EXPECT_EQ(pool.size(), 4u);
}

TEST_F(WordLoaderTest, loadsInBatchesAndStopsOnCancel)
{
    WordPool pool;
    WordLoader loader(dir.path(), {"Б", "А"}, false, pool);
    EXPECT_TRUE(loader.step(2));
    EXPECT_EQ(loader.recordsRead(), 2u);
    EXPECT_TRUE(loader.step(0)); // a batch reads at least one record
    EXPECT_EQ(loader.recordsRead(), 3u);
    EXPECT_TRUE(loader.step(1)); // across the end of the first dictionary
    EXPECT_EQ(pool.size(), 4u);
    loader.cancel();
    EXPECT_TRUE(loader.isFinished());
    EXPECT_TRUE(loader.isCancelled());
    EXPECT_FALSE(loader.step(10));
    EXPECT_EQ(loader.recordsRead(), 4u);

    // The progress callback cancels between two batches of 512 records.
    klettra::test::Entries many;
    for (int n = 0; n < 1100; ++n)
        many.emplace_back(klettra::test::utf8(std::string{char(0xC0 + n % 32), char(0xC0 + n / 32 % 32),
                                                          char(0xC0 + n / 1024)}),
                          "");
    makeDictionary(dir.path(), "много", many);
    std::vector<std::size_t> reports;
    EXPECT_FALSE(LoadWords(dir.path(), {"много"}, false, pool, [&](std::size_t read) {
        reports.push_back(read);
        return false;
    }));
    EXPECT_EQ(reports, (std::vector<std::size_t>{512}));
    EXPECT_EQ(pool.size(), 512u);
}
