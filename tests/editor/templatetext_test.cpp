#include <string>

#include <gtest/gtest.h>

#include "editor/templatefinishing.h"
#include "editor/templatetext.h"
#include "model/gridcells.h"
#include "model/gridletters.h"
#include "support/gridbuilder.h"

using namespace klettra::editor;
using klettra::model::Cell;
using klettra::model::GridCells;
using klettra::test::GridBuilder;
using Code = TemplateTextError::Code;

namespace {

std::string repeat(const std::string &piece, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

TemplateTextError errorOf(const std::string &text)
{
    const TemplateTextParse parse = parseTemplateText(text);
    EXPECT_TRUE(parse.templates.empty());
    return parse.error.value_or(TemplateTextError{.line = -1});
}

} // namespace

TEST(TemplateTextTest, readsSlotsWithTheirKindsAtTheTopLeft)
{
    const auto parse = parseTemplateText("; A cross\n"
                                         "....*...\n"
                                         "..*****.\n"
                                         "....*...\n"
                                         "........\n");
    ASSERT_FALSE(parse.error);
    ASSERT_EQ(parse.templates.size(), 1u);
    const TextTemplate &t = parse.templates[0];
    EXPECT_EQ(t.title, "A cross");
    EXPECT_EQ(t.line, 2);
    EXPECT_EQ(t.cells, GridBuilder().horizontal(1, 2, 5).vertical(3, 1, 3).cells());
    EXPECT_EQ(t.cells(1, 2), (Cell{'G', 5, 0, 0}));
    EXPECT_EQ(t.cells(3, 1), (Cell{'V', 0, 3, 0}));
    EXPECT_EQ(t.cells(3, 2).Kind, 'x');
}

TEST(TemplateTextTest, toleratesLineEndsSpacesCommentsAndBlankRuns)
{
    const auto parse = parseTemplateText("\xEF\xBB\xBF; first\r\n"
                                         "***  \r\n"
                                         "\r\n"
                                         "   \n"
                                         "\n"
                                         "; second\n"
                                         "; more about it\n"
                                         "*.*\n"
                                         "*#*\n"
                                         "; inside\n"
                                         "*.*");
    ASSERT_FALSE(parse.error);
    ASSERT_EQ(parse.templates.size(), 2u);
    EXPECT_EQ(parse.templates[0].title, "first");
    EXPECT_EQ(parse.templates[0].cells, GridBuilder().horizontal(1, 1, 3).cells());
    EXPECT_EQ(parse.templates[1].title, "second");
    EXPECT_EQ(parse.templates[1].line, 8);
    EXPECT_EQ(parse.templates[1].cells, GridBuilder().vertical(1, 1, 3).vertical(3, 1, 3).cells());

    EXPECT_TRUE(parseTemplateText("").templates.empty());
    EXPECT_FALSE(parseTemplateText("; only a comment\n\n").error);
}

TEST(TemplateTextTest, writesTheExtentAndReadsBackTheSameTemplate)
{
    GridCells ring =
        GridBuilder().horizontal(1, 1, 5).vertical(1, 1, 5).vertical(5, 1, 5).horizontal(1, 5, 5).cells();
    ASSERT_EQ(finishTemplate(ring, true).status, FinishStatus::Finished);
    EXPECT_EQ(writeTemplateText(ring), "*****\n*###*\n*###*\n*###*\n*****\n");

    const GridCells grids[] = {
        ring,
        GridBuilder().vertical(2, 1, 5).horizontal(1, 5, 3).vertical(3, 5, 4).horizontal(3, 8, 14).cells(),
        GridBuilder()
            .horizontal(1, 1, 14)
            .vertical(14, 1, 14)
            .horizontal(1, 14, 14)
            .vertical(1, 1, 14)
            .cells(),
    };
    for (GridCells original : grids) {
        ASSERT_EQ(finishTemplate(original, true).status, FinishStatus::Finished);
        const auto parse = parseTemplateText(writeTemplateText(original));
        ASSERT_FALSE(parse.error);
        ASSERT_EQ(parse.templates.size(), 1u);
        GridCells read = parse.templates[0].cells;
        ASSERT_EQ(finishTemplate(read, true).status, FinishStatus::Finished);
        EXPECT_EQ(read, original) << writeTemplateText(original);
    }
    EXPECT_EQ(writeTemplateText(GridCells{}), "");
}

TEST(TemplateTextTest, writesPlacedLettersAsUtf8)
{
    GridCells cells = GridBuilder().horizontal(3, 2, 3).vertical(5, 2, 3).cells();
    klettra::model::GridLetters letters;
    letters(3, 2) = '\xCA'; // К
    letters(4, 2) = '\xCE'; // О
    letters(5, 2) = '\xD2'; // Т
    letters(5, 3) = '\xCE';
    EXPECT_EQ(writeGridText(cells, letters), "КОТ\n..О\n..*\n");
}

TEST(TemplateTextTest, refusesFaultsNamingTheirLine)
{
    EXPECT_EQ(errorOf("***\n*x*\n"), (TemplateTextError{.code = Code::BadCharacter, .line = 2, .column = 2}));
    EXPECT_EQ(errorOf(" ***\n"), (TemplateTextError{.code = Code::BadCharacter, .line = 1, .column = 1}));
    EXPECT_EQ(errorOf("***\n\n*\xD0\x96*\n").line, 3);

    EXPECT_EQ(errorOf("...\n.**\n"),
              (TemplateTextError{.code = Code::RunOfTwo, .line = 2, .column = 2, .size = 2}));
    EXPECT_EQ(
        errorOf("; c\n\n.***\n.*..\n"),
        (TemplateTextError{
            .code = Code::RunOfTwo, .line = 3, .column = 2, .direction = Direction::Vertical, .size = 2}));
    EXPECT_EQ(errorOf(repeat("*", 15) + "\n"),
              (TemplateTextError{.code = Code::RunTooLong, .line = 1, .column = 1, .size = 15}));
    EXPECT_EQ(
        errorOf("...\n" + repeat(".*\n", 15)),
        (TemplateTextError{
            .code = Code::RunTooLong, .line = 2, .column = 2, .direction = Direction::Vertical, .size = 15}));
    EXPECT_EQ(errorOf("***\n...\n.*.\n"),
              (TemplateTextError{.code = Code::LoneLetter, .line = 3, .column = 2}));
    EXPECT_EQ(errorOf("...\n.#.\n"), (TemplateTextError{.code = Code::NoLetters, .line = 1}));

    // A fault in a later template refuses the whole text.
    EXPECT_EQ(errorOf("***\n\n***\n\n*.\n").code, Code::LoneLetter);
}

TEST(TemplateTextTest, boardSizeAndSlotCountAreLimits)
{
    const std::string row47 = repeat("*", 14) + "." + repeat("*", 14) + "." + repeat("*", 13) + ".***";
    const std::string row48 = repeat("*", 14) + "." + repeat("*", 14) + "." + repeat("*", 14) + ".***";
    EXPECT_FALSE(parseTemplateText("..." + row47 + "\n").error);
    EXPECT_EQ(errorOf("\n..." + row48 + "\n"),
              (TemplateTextError{.code = Code::TooWide, .line = 2, .column = 51, .size = 48}));

    const std::string column37 = repeat("*\n", 14) + ".\n" + repeat("*\n", 14) + ".\n" + repeat("*\n", 7);
    const std::string column38 = repeat("*\n", 14) + ".\n" + repeat("*\n", 14) + ".\n" + repeat("*\n", 8);
    EXPECT_FALSE(parseTemplateText(".\n.\n" + column37).error);
    EXPECT_EQ(errorOf(".\n" + column38),
              (TemplateTextError{.code = Code::TooTall, .line = 39, .column = 1, .size = 38}));

    // 3 x 3 blocks, six slots each, eleven to a row of blocks: the 256th slot starts in the
    // third line of the fourth row of blocks, at its third block.
    const std::string blocks = repeat(repeat("***.", 11) + "...\n", 3) + repeat(".", 47) + "\n";
    EXPECT_EQ(errorOf(repeat(blocks, 9)),
              (TemplateTextError{.code = Code::TooManySlots, .line = 15, .column = 9, .size = 594}));
}
