#include <gtest/gtest.h>

#include "clirunner.h"
#include "document/crosfile.h"
#include "support/samplecrosswords.h"
#include "support/testdata.h"

using klettra::test::runCli;
using klettra::test::TempDir;

namespace {

class ShowCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(klettra::document::SaveCrosFile(klettra::test::smallCrossword(), file));
    }

    TempDir dir;
    const std::string file = (dir / "small.crs").string();
};

} // namespace

TEST_F(ShowCommandTest, printsEveryPartUnderItsHeadingByDefault)
{
    const auto run = runCli(dir, {"show", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Полная сетка:\n"
                       "КОТ\n"
                       "И#О\n"
                       "ТИК\n"
                       "\n"
                       "Пустая сетка:\n"
                       " 1 * 2\n"
                       " * # *\n"
                       " 3 * *\n"
                       "\n"
                       "Вопросы:\n"
                       "По горизонтали:\n"
                       "1.Домашний зверь  3.Звук часов  \n"
                       " \n"
                       "По вертикали:\n"
                       "1.Морской великан  2.Бежит по проводам  \n"
                       "\n"
                       "Ответы:\n"
                       "По горизонтали:\n"
                       "1.КОТ   3.ТИК   \n"
                       " \n"
                       "По вертикали:\n"
                       "1.КИТ   2.ТОК   \n");
    EXPECT_TRUE(run.err.empty());
}

TEST_F(ShowCommandTest, printsOnlyThePartsAskedFor)
{
    auto run = runCli(dir, {"show", "--grid", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "КОТ\nИ#О\nТИК\n");

    run = runCli(dir, {"show", file, "--answers", "--empty"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Пустая сетка:\n 1 * 2\n * # *\n 3 * *\n\n"
                       "Ответы:\nПо горизонтали:\n1.КОТ   3.ТИК   \n \nПо вертикали:\n1.КИТ   2.ТОК   \n");
}

TEST_F(ShowCommandTest, marksOpenCellsAndWidensFieldsForLargeNumbers)
{
    auto crossword = klettra::test::filledCrossword(120);
    crossword.slot(1).Used = 0;
    crossword.slot(1).Word.clear();
    crossword.RefreshLetters(klettra::model::WholeBoard);
    ASSERT_TRUE(klettra::document::SaveCrosFile(crossword, dir / "big.crs"));
    const auto run = runCli(dir, {"show", (dir / "big.crs").string(), "--grid", "--empty"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The first slot (three letters at the top left) is open; numbers up to 120 take four columns.
    EXPECT_TRUE(run.out.starts_with("Полная сетка:\n***.")) << run.out;
    EXPECT_NE(run.out.find("Пустая сетка:\n   1   *   *   .   2"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" 120"), std::string::npos);
}

TEST_F(ShowCommandTest, refusesBadFilesAndBadArguments)
{
    klettra::test::writeBytes(dir / "junk.crs", std::vector<std::uint8_t>(100, 0xFF));
    auto run = runCli(dir, {"show", (dir / "junk.crs").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Файл не является файлом кроссворда!"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    run = runCli(dir, {"show", (dir / "missing.crs").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Файл не является файлом кроссворда!"), std::string::npos) << run.err;

    EXPECT_EQ(runCli(dir, {"show"}).status, 2);
    EXPECT_EQ(runCli(dir, {"show", file, file}).status, 2);
    run = runCli(dir, {"show", file, "--everything"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--everything"), std::string::npos);

    run = runCli(dir, {"show", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--empty"), std::string::npos);
}
