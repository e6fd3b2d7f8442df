#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "dictionarytestutil.h"
#include "document/crosfile.h"
#include "model/model.h"
#include "model/templateset.h"
#include "support/gridbuilder.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using klettra::test::GridBuilder;
using klettra::test::linesOf;
using klettra::test::makeDictionary;
using klettra::test::TempDir;

namespace {

struct Result
{
    int status;
    std::string out;
    std::string err;
};

/// A data directory with three templates and a few small dictionaries:
///   1: two three-letter slots sharing their first cell;
///   2: a nine-letter slot crossed by a three-letter one;
///   3: two three-letter slots apart.
class ComposeCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        klettra::model::TemplateSet templates(dir.path());
        templates.InitRehSet();
        ASSERT_TRUE(
            templates.writeRecord(0, GridBuilder().horizontal(1, 1, 3).vertical(1, 1, 3).number().cells()));
        ASSERT_TRUE(
            templates.writeRecord(1, GridBuilder().horizontal(1, 2, 9).vertical(2, 1, 3).number().cells()));
        ASSERT_TRUE(
            templates.writeRecord(2, GridBuilder().horizontal(1, 1, 3).horizontal(1, 3, 3).number().cells()));
        makeDictionary(dir.path(), "Слова", {{"КОТ", "Зверь."}, {"КИТ", "Морской зверь."}});
        makeDictionary(dir.path(), "Один", {{"КОТ", "Зверь."}});
        makeDictionary(dir.path(), "Пустой", {});
        makeDictionary(dir.path(), "Безвопросов", {{"КОТ", ""}, {"КИТ", "Морской зверь."}});
    }

    Result compose(std::vector<std::string> args, bool terminal = false)
    {
        args.insert(args.begin(), {"--no-seed", "--data-dir", dir.path().string(), "compose"});
        std::ostringstream out;
        std::ostringstream err;
        const int status = klettra::cli::run(args, out, err, terminal);
        return {status, out.str(), err.str()};
    }

    TempDir dir;
};

} // namespace

TEST_F(ComposeCommandTest, printsTheFilledGridTheQuestionsAndTheAnswers)
{
    const Result r = compose({"--dict", "Слова", "--seed", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "ГОТОВО !!!\n");
    const auto lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 3u + 1 + 5 + 1 + 5) << r.out;
    // The horizontal word runs along row 1, the vertical one down column 1; both are КОТ and
    // КИТ in some order, since a repeat is not allowed.
    const std::string across = lines[0];
    // Each Cyrillic letter takes two bytes of UTF-8.
    const std::string down = lines[0].substr(0, 2) + lines[1].substr(0, 2) + lines[2].substr(0, 2);
    EXPECT_EQ(lines[1].substr(2), "..");
    EXPECT_EQ(lines[2].substr(2), "..");
    EXPECT_TRUE((across == "КОТ" && down == "КИТ") || (across == "КИТ" && down == "КОТ")) << r.out;
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "По горизонтали:");
    EXPECT_EQ(lines[5], across == "КОТ" ? "1.Зверь.  " : "1.Морской зверь.  ");
    EXPECT_EQ(lines[6], " ");
    EXPECT_EQ(lines[7], "По вертикали:");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "По горизонтали:");
    EXPECT_EQ(lines[11], "1." + across + "   ");
    EXPECT_EQ(lines[14], "1." + std::string(across == "КОТ" ? "КИТ" : "КОТ") + "   ");

    // The same seed gives the same crossword.
    EXPECT_EQ(compose({"--dict", "Слова", "--seed", "7"}).out, r.out);
}

TEST_F(ComposeCommandTest, showsProgressOnlyOnATerminalAndNotWhenQuiet)
{
    const Result shown = compose({"--template", "3", "--repeats"}, true);
    ASSERT_EQ(shown.status, 0);
    EXPECT_NE(shown.err.find("\r"), std::string::npos);
    EXPECT_TRUE(shown.err.ends_with("ГОТОВО !!!\n"));
    EXPECT_EQ(compose({"--template", "3", "--repeats", "--quiet"}, true).err, "ГОТОВО !!!\n");
    EXPECT_EQ(compose({"--template", "3", "--repeats"}, false).err, "ГОТОВО !!!\n");
}

TEST_F(ComposeCommandTest, stopsWithTheEndingsStatusAndExitStatusOne)
{
    const Result noNine = compose({"--template", "2"});
    EXPECT_EQ(noNine.status, 1);
    EXPECT_EQ(noNine.out, "");
    EXPECT_EQ(noNine.err, "Не найдено слово длиной 9 буквы. Процесс остановлен.\n");

    // One word for two slots: without repeats the fill never completes.
    const Result limited = compose({"--template", "3", "--dict", "Один", "--max-steps", "50"});
    EXPECT_EQ(limited.status, 1);
    EXPECT_EQ(limited.err, "Превышено допустимое число шагов. Процесс остановлен.\n");
    const Result timed =
        compose({"--template", "3", "--dict", "Один", "--no-repeats", "--time-limit", "0.05"});
    EXPECT_EQ(timed.status, 1);
    EXPECT_EQ(timed.err, "Превышено допустимое время. Процесс остановлен.\n");
    EXPECT_EQ(compose({"--template", "3", "--dict", "Один", "--repeats"}).status, 0);

    const Result empty = compose({"--dict", "Пустой"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "В используемых словарях нет слов. Добавте слова или используйте большее количество "
                         "словарей.\n");

    // Without its clue КОТ stays out, and КИТ alone cannot fill two slots without a repeat.
    EXPECT_EQ(compose({"--dict", "Безвопросов", "--max-steps", "100"}).status, 1);
    EXPECT_EQ(compose({"--dict", "Безвопросов", "--skip-unclued", "--max-steps", "100"}).status, 1);
    EXPECT_EQ(compose({"--dict", "Безвопросов", "--keep-unclued"}).status, 0);

    const Result unknown = compose({"--dict", "Нет"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Нет"), std::string::npos);
    EXPECT_EQ(compose({"--template", "4"}).status, 1);
}

TEST_F(ComposeCommandTest, refusesWrongArgumentsWithStatusTwo)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"--priority", "4"},
        {"--priority", "x"},
        {"--priority"},
        {"--template", "0"},
        {"--template", "256"},
        {"--template", "1", "--template-file", "t.txt"},
        {"--repeats", "--no-repeats"},
        {"--keep-unclued", "--skip-unclued"},
        {"--seed", "-1"},
        {"--max-steps", "0"},
        {"--time-limit", "soon"},
        {"--time-limit", "-1"},
        {"--quiet=yes"},
        {"--bogus"},
        {"extra"},
    };
    for (const auto &args : wrong) {
        const Result r = compose(args);
        EXPECT_EQ(r.status, 2) << args.front();
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with("klettra-cli: ")) << r.err;
    }
    EXPECT_EQ(compose({"--priority=2", "--seed=3", "--dict=Слова"}).status, 0);
    const Result help = compose({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: klettra-cli compose"));
}

TEST_F(ComposeCommandTest, savesTheCrosswordAndItsPageWhenAsked)
{
    const auto crs = dir / "out.crs";
    const auto html = dir / "out.html";
    const Result r = compose({"--dict", "Слова", "--out", crs.string(), "--html", html.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    klettra::model::Model loaded;
    ASSERT_TRUE(klettra::document::LoadCrosFile(crs, loaded));
    ASSERT_EQ(loaded.slotCount(), 2);
    EXPECT_NE(r.out.find(klettra::test::utf8(loaded.slot(1).Word.view())), std::string::npos);
    EXPECT_NE(klettra::test::readText(html).find(loaded.slot(2).Word.str()), std::string::npos);

    const auto nowhere = dir / "missing" / "out.crs";
    const Result failed = compose({"--dict", "Слова", "--out", nowhere.string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("cannot save"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(ComposeCommandTest, composesATemplateGivenAsText)
{
    const auto file = dir / "ring.txt";
    klettra::test::writeText(file, "; a corner\n***\n*..\n*..\n");
    const Result r = compose({"--template-file", file.string(), "--dict", "Слова"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(linesOf(r.out).size(), 3u + 1 + 5 + 1 + 5);

    klettra::test::writeText(file, "***\n\n***\n");
    EXPECT_EQ(compose({"--template-file", file.string()}).status, 1);
    klettra::test::writeText(file, "**\n");
    const Result bad = compose({"--template-file", file.string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("1"), std::string::npos);
    EXPECT_EQ(compose({"--template-file", (dir / "none.txt").string()}).status, 1);
}
