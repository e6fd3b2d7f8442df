#include <filesystem>

#include <gtest/gtest.h>

#include "clirunner.h"
#include "document/crosfile.h"
#include "model/model.h"
#include "output/htmlpage.h"
#include "support/samplecrosswords.h"
#include "support/testdata.h"

using klettra::test::readText;
using klettra::test::runCli;
using klettra::test::TempDir;
namespace output = klettra::output;

namespace {

class ExportHtmlCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(klettra::document::SaveCrosFile(klettra::test::smallCrossword(), crs));
    }

    /// The page the export dialog would write for the small crossword with `options`.
    std::string expectedPage(const output::HtmlOptions &options) const
    {
        return output::buildHtmlPage(klettra::test::smallCrossword(), options).value_or("no page");
    }

    TempDir dir;
    const std::string crs = (dir / "small.crs").string();
    const std::string html = (dir / "small.html").string();
};

} // namespace

TEST_F(ExportHtmlCommandTest, writesTheDialogsDefaultPage)
{
    const auto run = runCli(dir, {"export-html", crs, html});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readText(html), expectedPage({}));
}

TEST_F(ExportHtmlCommandTest, passesEveryOptionOn)
{
    auto run = runCli(dir, {"export-html", crs, html, "--cell-size", "11", "--font-size", "30", "--colors",
                            "white,Navy,,red,teal", "--sections", "full,answers"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readText(html), expectedPage({.pageBackground = output::PaletteColor::White,
                                            .gridLines = output::PaletteColor::Navy,
                                            .gridText = output::PaletteColor::Red,
                                            .clueText = output::PaletteColor::Teal,
                                            .cellSize = 11,
                                            .fontSize = 30,
                                            .emptyGrid = false,
                                            .questions = false}));

    run = runCli(dir, {"export-html", "--empty-view", crs, html});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readText(html), expectedPage({.FullSetkaShown = false}));
}

TEST_F(ExportHtmlCommandTest, outOfRangeValuesGetTheDialogsMessages)
{
    struct Case
    {
        std::vector<std::string> options;
        const char *message;
    };
    const Case cases[] = {
        {{"--cell-size", "9"}, "Неверное значение размера клетки. Допустимые значения от 10 до 40 точек."},
        {{"--cell-size", "41"}, "Неверное значение размера клетки. Допустимые значения от 10 до 40 точек."},
        {{"--font-size", "1"}, "Неверное значение размера шрифта. Допустимые значения от 2 до 72 точек."},
        {{"--font-size", "73"}, "Неверное значение размера шрифта. Допустимые значения от 2 до 72 точек."},
        {{"--sections", ""}, "Укажите что будем помещать на страницу."},
        // From the empty-grid view only the empty grid can be placed.
        {{"--empty-view", "--sections", "full,questions"}, "Укажите что будем помещать на страницу."},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args{"export-html", crs, html};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto run = runCli(dir, args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(html));
    }
}

TEST_F(ExportHtmlCommandTest, refusesBadArgumentsAndBadFiles)
{
    for (const std::vector<std::string> &options :
         std::vector<std::vector<std::string>>{{"--cell-size", "big"},
                                               {"--cell-size"},
                                               {"--colors", "black,black,black,black"},
                                               {"--colors", "black,black,black,black,pink"},
                                               {"--sections", "empty,cover"},
                                               {"--frame"},
                                               {"extra.html"}}) {
        std::vector<std::string> args{"export-html", crs, html};
        args.insert(args.end(), options.begin(), options.end());
        const auto run = runCli(dir, args);
        EXPECT_EQ(run.status, 2) << options.front();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(html));

    const auto notCrossword = runCli(dir, {"export-html", html, crs});
    EXPECT_EQ(notCrossword.status, 1);
    EXPECT_NE(notCrossword.err.find("Файл не является файлом кроссворда!"), std::string::npos);

    const auto unwritable = runCli(dir, {"export-html", crs, (dir / "no-dir" / "x.html").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_FALSE(unwritable.err.empty());
}
