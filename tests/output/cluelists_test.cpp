#include <gtest/gtest.h>

#include "output/cluelists.h"
#include "ringcrossword.h"
#include "support/gridbuilder.h"
#include "text/cp1251.h"

using namespace klettra;
using namespace klettra::output;
using klettra::test::GridBuilder;
using klettra::test::placeWord;
using klettra::test::ringCrossword;
using Lines = std::vector<std::string>;

namespace {

Lines utf8(const Lines &cp1251)
{
    Lines out;
    for (const std::string &line : cp1251)
        out.push_back(text::toUtf8(line));
    return out;
}

} // namespace

TEST(ClueListsTest, listsEverySlotInFiveLinesWithACrossingStartInBothBlocks)
{
    const model::Model m = ringCrossword();
    // Cell (2, 2) starts slot 1 across and slot 2 down: number 1 opens both blocks.
    EXPECT_EQ(utf8(questionLines(m)), (Lines{
                                          "По горизонтали:",
                                          "1.Домашний зверь  3.Нервное подёргивание  ",
                                          " ",
                                          "По вертикали:",
                                          "1.Морской великан  2.Сила \"I\" в цепи < 5 & > 0  ",
                                      }));
    EXPECT_EQ(utf8(answerLines(m)),
              (Lines{"По горизонтали:", "1.КОТ   3.ТИК   ", " ", "По вертикали:", "1.КИТ   2.ТОК   "}));
}

TEST(ClueListsTest, slotWithoutClueOrWordKeepsNumberDotAndSeparator)
{
    model::Model m = GridBuilder().horizontal(3, 3, 4).horizontal(3, 5, 4).model();
    m.cells(3, 3).Number = 6;
    m.cells(3, 5).Number = 7;
    placeWord(m, 1, "ЛИСА", "Рыжая");
    EXPECT_EQ(utf8(questionLines(m))[1], "6.Рыжая  7.  ");
    EXPECT_EQ(utf8(answerLines(m))[1], "6.ЛИСА   7.   ");
}

TEST(ClueListsTest, entriesFollowTheSlotOrderNotTheNumbers)
{
    model::Model m = GridBuilder().horizontal(3, 3, 4).horizontal(3, 5, 4).model();
    m.cells(3, 3).Number = 9;
    m.cells(3, 5).Number = 2;
    EXPECT_EQ(answerLines(m)[1], "9.   2.   ");
}

TEST(ClueListsTest, missingDirectionGivesAnEmptyLineUnderItsHeading)
{
    const model::Model down = GridBuilder().vertical(4, 4, 5).number().model();
    EXPECT_EQ(utf8(questionLines(down)), (Lines{"По горизонтали:", "", " ", "По вертикали:", "1.  "}));

    model::Model none;
    none.ComputeExtent();
    none.ResetCrossword();
    EXPECT_EQ(utf8(answerLines(none)), (Lines{"По горизонтали:", "", " ", "По вертикали:", ""}));
}

TEST(ClueListsTest, staleSlotRecordsAreNeverReadPastTheirEnd)
{
    // Cells edited after the slots were derived: the grid now counts more slots than exist.
    model::Model m = GridBuilder().horizontal(2, 2, 3).number().model();
    m.cells(2, 6).Kind = model::CellKind::VStart;
    m.cells(2, 6).VLen = 3;
    m.ComputeExtent();
    ASSERT_EQ(m.CountSlots(), 2);
    ASSERT_EQ(m.slotCount(), 1);
    EXPECT_EQ(listedSlotCount(m), 1);
    EXPECT_EQ(answerLines(m)[4], "");

    // A record pointing off the board has no number rather than reading outside the map.
    m.slot(1).X = 200;
    EXPECT_EQ(answerLines(m)[1], "0.   ");
}
