#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

#include "output/htmlpage.h"
#include "ringcrossword.h"
#include "support/filesizelimit.h"
#include "support/gridbuilder.h"
#include "support/tempdir.h"
#include "support/testdata.h"
#include "text/cp1251.h"

using namespace klettra;
using namespace klettra::output;
using klettra::test::ringCrossword;
using klettra::test::TempDir;
using Lines = std::vector<std::string>;

namespace {

Lines splitCrLf(const std::string &bytes)
{
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    lines.push_back(bytes.substr(start));
    return lines;
}

// Compares a page with an expected file line by line and, on a difference, shows the differing
// lines (in UTF-8) rather than two walls of bytes.
::testing::AssertionResult matchesGolden(const std::string &page, const std::string &goldenName)
{
    const Lines expected = splitCrLf(test::readText(test::testDataPath("output") / goldenName));
    const Lines actual = splitCrLf(page);
    std::ostringstream diff;
    int shown = 0;
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()) && shown < 8; ++i) {
        const std::string e = i < expected.size() ? text::toUtf8(expected[i]) : "<no line>";
        const std::string a = i < actual.size() ? text::toUtf8(actual[i]) : "<no line>";
        if (e == a)
            continue;
        diff << "line " << i + 1 << "\n  expected: " << e << "\n  actual:   " << a << "\n";
        ++shown;
    }
    if (shown == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << goldenName << " differs (last line empty = ends in CR LF):\n"
                                         << diff.str();
}

std::string page(const model::Model &m, const HtmlOptions &options = {})
{
    const auto bytes = buildHtmlPage(m, options);
    EXPECT_TRUE(bytes);
    return bytes.value_or("");
}

// The first line of the page that starts with `prefix`, or "".
std::string lineStarting(const std::string &bytes, std::string_view prefix)
{
    for (const std::string &line : splitCrLf(bytes)) {
        if (line.starts_with(prefix))
            return line;
    }
    return {};
}

} // namespace

TEST(HtmlPageTest, fullViewPageWithDefaultOptionsMatchesTheExpectedPage)
{
    // Both grids, questions and answers; the crossing start cell shows its "1" once per grid and
    // the clue with <, >, & and " comes out escaped.
    EXPECT_TRUE(matchesGolden(page(ringCrossword()), "ring-full.html"));
}

TEST(HtmlPageTest, emptyViewPageHoldsOnlyTheEmptyGridAndItsRules)
{
    HtmlOptions options;
    options.FullSetkaShown = false; // full grid, questions and answers stay asked for, yet are left out
    options.cellSize = 11;
    options.fontSize = 30;
    options.pageBackground = PaletteColor::White;
    options.gridLines = PaletteColor::Navy;
    options.cellBackground = PaletteColor::Yellow;
    options.gridText = PaletteColor::Maroon;
    options.clueText = PaletteColor::Teal;
    const std::string html = page(ringCrossword(), options);
    EXPECT_TRUE(matchesGolden(html, "ring-empty-view.html"));
    EXPECT_EQ(html.find("TBRT"), std::string::npos);
    EXPECT_EQ(html.find("CrosText"), std::string::npos);
}

TEST(HtmlPageTest, derivedSizesRoundHalvesToTheEvenNeighbour)
{
    struct Case
    {
        int s, n55, n70, h, h2;
    };
    for (const Case c :
         {Case{18, 10, 13, 9, 9}, Case{30, 16, 21, 15, 15}, Case{11, 6, 8, 6, 7}, Case{10, 6, 7, 5, 5},
          Case{15, 8, 10, 8, 9}, Case{25, 14, 18, 12, 13}, Case{13, 7, 9, 6, 7}, Case{40, 22, 28, 20, 20}}) {
        const HtmlSizes sizes = htmlSizes(c.s);
        EXPECT_EQ(sizes.N55, c.n55) << "S = " << c.s;
        EXPECT_EQ(sizes.N70, c.n70) << "S = " << c.s;
        EXPECT_EQ(sizes.H, c.h) << "S = " << c.s;
        EXPECT_EQ(sizes.H2, c.h2) << "S = " << c.s;
    }
}

TEST(HtmlPageTest, styleRulesFollowTheCellSize)
{
    // The expected pages hold every rule for S = 18 (TBlack 11 and 10 px) and S = 11 (8 and 8 px).
    const std::string html = page(ringCrossword(), {.cellSize = 30});
    EXPECT_EQ(lineStarting(html, "  .TW "),
              "  .TW {width:30px;height:30px;padding-left:1px;padding-right:1px;padding-bottom:1px;"
              "padding-top:1px;font:16px Arial, sans-serif;}");
    EXPECT_EQ(lineStarting(html, "  .TBlack "),
              "  .TBlack {border-right:17px solid #000000;border-left:16px solid #000000;font:16px Arial, "
              "sans-serif;}");
    EXPECT_NE(lineStarting(html, "  .TBRT ").find(";font:21px Arial, sans-serif;text-align:center;"),
              std::string::npos);
    EXPECT_EQ(lineStarting(html, "  .ZagText "),
              "  .ZagText {text-align:center;font:30px bold Arial, sans-serif;color:#000000;}");
    EXPECT_NE(lineStarting(html, "<TABLE ").find("width=\"165\" height=\"132\""), std::string::npos);
}

TEST(HtmlPageTest, gridWithoutSlotsGivesNegativeTableSizeAndNoRows)
{
    model::Model m;
    m.cells(20, 20).Kind = model::CellKind::Blank; // no letter cell: the extent stays 47, 1, 37, 1
    m.ComputeExtent();
    m.ResetCrossword();
    HtmlOptions options;
    options.fullGrid = options.questions = options.answers = false;
    const Lines lines = splitCrLf(page(m, options));
    const auto table =
        std::find_if(lines.begin(), lines.end(), [](auto &l) { return l.starts_with("<TABLE "); });
    ASSERT_NE(table, lines.end());
    EXPECT_NE(table->find("width=\"-903\" height=\"-714\""), std::string::npos) << *table;
    EXPECT_EQ(*(table + 1), "</TABLE>");
}

TEST(HtmlPageTest, backgroundCellsCarryTheBordersOfTheirNeighbours)
{
    // An L of two slots from (2, 2): the open corner (3..4, 3..4) is background inside the table.
    const model::Model m = test::GridBuilder().horizontal(2, 2, 3).vertical(2, 2, 3).number().model();
    const Lines lines = splitCrLf(page(m));
    const auto first =
        std::find_if(lines.begin(), lines.end(), [](auto &l) { return l.starts_with("<TR>"); });
    ASSERT_LE(first + 4, lines.end());
    const auto row = [](std::initializer_list<std::string_view> cells) {
        std::string r = "<TR>";
        for (const std::string_view c : cells)
            r += std::string(c);
        return r;
    };
    const std::string tw = "<TD class=\"TW\"><BR></TD>";
    const std::string twb = "<TD class=\"TWB\"><BR></TD>";
    const std::string twr = "<TD class=\"TWR\"><BR></TD>";
    const std::string twbr = "<TD class=\"TWBR\"><BR></TD>";
    const std::string letter = "<TD class=\"TBRN\"><BR></TD>";
    EXPECT_EQ(first[0], row({tw, twb, twb, twb, "<TD class=\"TW\" rowspan=\"3\"><BR></TD>"}));
    EXPECT_EQ(first[1], row({twr, "<TD class=\"TBRN\">1</TD>", letter, letter}));
    EXPECT_EQ(first[2], row({twr, letter, tw, tw}));
    EXPECT_EQ(first[3], row({twr, letter, tw, tw}));

    // The hole of a ring left as background closes the cells right of and below it.
    model::Model ring = ringCrossword();
    ring.cells(3, 3).Kind = model::CellKind::Background;
    EXPECT_NE(page(ring).find("<TD class=\"TBRN\"><BR></TD>" + twbr), std::string::npos);
}

TEST(HtmlPageTest, wordsAndCluesAreEscapedInTheGridAndTheLists)
{
    model::Model m = ringCrossword();
    test::placeWord(m, 1, "<&\"", "Кот & пёс");
    const std::string html = page(m);
    EXPECT_NE(
        html.find("<TD class=\"TBRT\">&lt;</TD><TD class=\"TBRT\">&amp;</TD><TD class=\"TBRT\">&quot;</TD>"),
        std::string::npos);
    EXPECT_NE(html.find("\r\n1.&lt;&amp;&quot; 3."), std::string::npos);
    EXPECT_NE(html.find(text::fromUtf8("\r\n1.Кот &amp; пёс 3.")), std::string::npos);
}

TEST(HtmlPageTest, optionsAreCheckedInTheDialogsOrder)
{
    HtmlOptions options;
    EXPECT_EQ(validateHtmlOptions(options), HtmlExportError::None);

    options.cellSize = 9;
    options.fontSize = 73;
    EXPECT_EQ(validateHtmlOptions(options), HtmlExportError::BadCellSize);
    options.emptyGrid = options.fullGrid = options.questions = options.answers = false;
    EXPECT_EQ(validateHtmlOptions(options), HtmlExportError::NothingToPlace);
    EXPECT_EQ(buildHtmlPage(ringCrossword(), options), std::nullopt);

    // Without the full view only the empty grid can be placed.
    options.fullGrid = options.questions = options.answers = true;
    options.FullSetkaShown = false;
    EXPECT_EQ(validateHtmlOptions(options), HtmlExportError::NothingToPlace);
    options.emptyGrid = true;
    EXPECT_EQ(validateHtmlOptions(options), HtmlExportError::BadCellSize);

    for (const int s : {9, 41})
        EXPECT_EQ(validateHtmlOptions({.cellSize = s}), HtmlExportError::BadCellSize) << s;
    for (const int f : {1, 73})
        EXPECT_EQ(validateHtmlOptions({.fontSize = f}), HtmlExportError::BadFontSize) << f;
    for (const auto &[s, f] : {std::pair{10, 2}, std::pair{40, 72}})
        EXPECT_EQ(validateHtmlOptions({.cellSize = s, .fontSize = f}), HtmlExportError::None);

    EXPECT_EQ(htmlExportMessage(HtmlExportError::BadCellSize),
              "Неверное значение размера клетки. Допустимые значения от 10 до 40 точек.");
    EXPECT_EQ(htmlExportMessage(HtmlExportError::BadFontSize),
              "Неверное значение размера шрифта. Допустимые значения от 2 до 72 точек.");
    EXPECT_EQ(htmlExportMessage(HtmlExportError::NothingToPlace), "Укажите что будем помещать на страницу.");
}

TEST(HtmlPageTest, writingReportsFailureAndNeverLeavesHalfAFile)
{
    TempDir dir;
    const model::Model m = ringCrossword();
    const auto target = dir / "page.html";
    std::string error;
    ASSERT_EQ(writeHtmlPage(target, m, {}, &error), HtmlExportError::None) << error;
    const std::string written = test::readText(target);
    EXPECT_EQ(written, page(m));

    // Bad options are refused before the file is touched.
    EXPECT_EQ(writeHtmlPage(target, m, {.cellSize = 50}), HtmlExportError::BadCellSize);
    EXPECT_EQ(test::readText(target), written);

    // A disk too full for the new page keeps the old one whole.
    {
        test::FileSizeLimit limit(written.size() / 2);
        EXPECT_EQ(writeHtmlPage(target, m, {.fontSize = 14}, &error), HtmlExportError::WriteFailed);
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::readText(target), written);

    EXPECT_EQ(writeHtmlPage(dir / "missing" / "page.html", m, {}), HtmlExportError::WriteFailed);
}
