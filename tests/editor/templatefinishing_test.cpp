#include <gtest/gtest.h>

#include "editor/templatefinishing.h"
#include "model/gridcells.h"
#include "model/gridcheck.h"
#include "model/model.h"
#include "support/gridbuilder.h"

using namespace klettra::editor;
using klettra::model::Cell;
using klettra::model::GridCells;
using klettra::model::letterExtent;
using klettra::test::GridBuilder;

namespace {

// A square frame of four slots with corners at (3, 3) and (7, 7).
GridBuilder ring()
{
    return GridBuilder().horizontal(3, 3, 5).vertical(3, 3, 5).vertical(7, 3, 5).horizontal(3, 7, 5);
}

// A vertical slot of four letters in column 24 starting at `top`.
GridCells columnFrom(int top)
{
    return GridBuilder().vertical(24, top, 4).cells();
}

} // namespace

TEST(TemplateFinishingTest, numbersStartCellsInReadingOrder)
{
    GridCells cells =
        GridBuilder().vertical(2, 5, 3).horizontal(10, 2, 4).horizontal(4, 5, 3).vertical(4, 5, 3).cells();
    ASSERT_TRUE(numberStartCells(cells));
    EXPECT_EQ(cells(10, 2).Number, 1);
    EXPECT_EQ(cells(2, 5).Number, 2);
    EXPECT_EQ(cells(4, 5).Number, 3); // one number for the crossing start
    EXPECT_EQ(cells(5, 5).Number, 0);
    EXPECT_EQ(countStartCells(cells), 3);

    GridCells empty;
    empty(5, 5).Kind = 'B';
    const GridCells before = empty;
    EXPECT_FALSE(numberStartCells(empty));
    EXPECT_EQ(finishTemplate(empty, true).status, FinishStatus::NoStartCell);
    EXPECT_EQ(empty, before);
}

TEST(TemplateFinishingTest, moreStartCellsThanNumbersIsRefused)
{
    GridCells cells;
    for (int i = 0; i < 256; ++i)
        cells(1 + i % 47, 1 + i / 47).Kind = 'G';
    const GridCells before = cells;
    EXPECT_FALSE(numberStartCells(cells));
    EXPECT_EQ(finishTemplate(cells, true).status, FinishStatus::TooManyStartCells);
    EXPECT_EQ(cells, before);
}

TEST(TemplateFinishingTest, centringMovesTheGridIntoTheMiddle)
{
    GridCells cells = GridBuilder().horizontal(1, 1, 3).cells();
    EXPECT_EQ(centringShift(cells), (CentringShift{22, 18}));
    const FinishResult result = finishTemplate(cells, true);
    EXPECT_EQ(result.status, FinishStatus::Finished);
    EXPECT_EQ(result.shift, (CentringShift{22, 18}));
    EXPECT_EQ(cells(23, 19), (Cell{'G', 3, 0, 1}));
    EXPECT_EQ(cells(25, 19).Kind, 'g');
    EXPECT_EQ(cells(1, 1), Cell{});
    EXPECT_EQ(letterExtent(cells), (klettra::model::Extent{23, 25, 19, 19}));

    GridCells kept = GridBuilder().horizontal(1, 1, 3).cells();
    EXPECT_TRUE(finishTemplate(kept, false).shift.isZero());
    EXPECT_EQ(kept(1, 1), (Cell{'G', 3, 0, 1}));
}

TEST(TemplateFinishingTest, halfRowsRoundToTheEvenNeighbour)
{
    // Free rows above / below: 16/17, 15/18, 14/19, then the same mirrored.
    EXPECT_EQ(centringShift(columnFrom(17)).dy, 0);
    EXPECT_EQ(centringShift(columnFrom(16)).dy, 2);
    EXPECT_EQ(centringShift(columnFrom(15)).dy, 2);
    EXPECT_EQ(centringShift(columnFrom(18)).dy, 0);
    EXPECT_EQ(centringShift(columnFrom(19)).dy, -2);
    EXPECT_EQ(centringShift(columnFrom(20)).dy, -2);
    EXPECT_EQ(centringShift(columnFrom(17)).dx, 0); // column 24 is the middle of 47
    EXPECT_EQ(centringShift(GridBuilder().horizontal(22, 19, 4).cells()).dx, 0);
    EXPECT_EQ(centringShift(GridBuilder().horizontal(20, 19, 4).cells()).dx, 2);

    GridCells cells = columnFrom(16);
    ASSERT_TRUE(finishTemplate(cells, true).status == FinishStatus::Finished);
    EXPECT_EQ(cells(24, 18).Kind, 'V');
    EXPECT_TRUE(centringShift(cells).isZero());
}

TEST(TemplateFinishingTest, shiftNeverPushesLettersOffTheBoard)
{
    GridCells cells = GridBuilder().horizontal(40, 2, 5).cells();
    const GridCells before = cells;
    EXPECT_FALSE(shiftGrid(cells, {4, 0}));
    EXPECT_FALSE(shiftGrid(cells, {0, -2}));
    EXPECT_EQ(cells, before);
    ASSERT_TRUE(shiftGrid(cells, {3, 35}));
    EXPECT_EQ(cells(43, 37), (Cell{'G', 5, 0, 0}));
    EXPECT_EQ(cells(47, 37).Kind, 'g');
}

TEST(TemplateFinishingTest, enclosedBlanksAreWhatTheOutsideCannotReach)
{
    GridCells closed = ring().cells();
    markEnclosedBlanks(closed);
    for (int x = 4; x <= 6; ++x) {
        for (int y = 4; y <= 6; ++y)
            EXPECT_EQ(closed(x, y).Kind, 'B') << x << "," << y;
    }
    EXPECT_EQ(closed(2, 5).Kind, 'W');
    EXPECT_EQ(closed(8, 8).Kind, 'W');
    EXPECT_EQ(closed(3, 5).Kind, 'v');

    // Open to one side: the inside is reached from outside.
    GridCells open = GridBuilder().vertical(3, 3, 5).vertical(7, 3, 5).horizontal(3, 7, 5).cells();
    markEnclosedBlanks(open);
    EXPECT_EQ(open(5, 5).Kind, 'W');

    // A gap at a corner only touches the inside diagonally, which does not let it in.
    GridCells corner =
        GridBuilder().horizontal(3, 3, 4).vertical(3, 3, 5).vertical(7, 4, 4).horizontal(3, 7, 5).cells();
    markEnclosedBlanks(corner);
    EXPECT_EQ(corner(6, 4).Kind, 'B');
    EXPECT_EQ(corner(7, 3).Kind, 'W');

    // A stale blank outside any frame becomes background again; a second, larger ring gets its
    // own blanks.
    GridCells stale =
        ring().horizontal(1, 10, 14).vertical(1, 10, 14).vertical(14, 10, 14).horizontal(1, 23, 14).cells();
    stale(20, 20).Kind = 'B';
    markEnclosedBlanks(stale);
    EXPECT_EQ(stale(20, 20).Kind, 'W');
    EXPECT_EQ(stale(2, 22).Kind, 'B');
    EXPECT_EQ(stale(13, 11).Kind, 'B');
}

TEST(TemplateFinishingTest, finishedTemplateCarriesBytesOnlyOnStartCells)
{
    GridCells cells = ring().cells();
    // What editing may leave behind: lengths on letter cells, numbers everywhere, a stale border.
    cells(4, 3).HLen = 5;
    cells(3, 4).VLen = 5;
    cells(5, 5) = Cell{'W', 1, 2, 3};
    cells(0, 0) = Cell{'W', 9, 9, 9};
    cells(20, 20) = Cell{'B', 0, 0, 7};
    cells(7, 3).Number = 42;
    ASSERT_EQ(finishTemplate(cells, false).status, FinishStatus::Finished);
    for (int x = 0; x <= 48; ++x) {
        for (int y = 0; y <= 38; ++y) {
            const Cell &c = cells(x, y);
            const bool h = c.Kind == 'G' || c.Kind == 'X';
            const bool v = c.Kind == 'V' || c.Kind == 'X';
            EXPECT_EQ(c.HLen != 0, h) << x << "," << y;
            EXPECT_EQ(c.VLen != 0, v) << x << "," << y;
            EXPECT_EQ(c.Number != 0, h || v) << x << "," << y;
        }
    }
    EXPECT_EQ(cells(7, 3).Number, 2);
    EXPECT_EQ(cells(5, 5).Kind, 'B');
    EXPECT_TRUE(klettra::model::isWellFormedGrid(cells));
}

TEST(TemplateFinishingTest, editingShowsBlanksAsBackgroundWithoutNumbers)
{
    GridCells cells = ring().cells();
    ASSERT_EQ(finishTemplate(cells, true).status, FinishStatus::Finished);
    prepareForEditing(cells);
    GridCells expected = ring().cells();
    ASSERT_TRUE(shiftGrid(expected, centringShift(expected)));
    EXPECT_EQ(cells, expected);
}
