#include <random>

#include <gtest/gtest.h>

#include "editor/slotediting.h"
#include "editor/templatefinishing.h"
#include "editor/templatetext.h"
#include "model/gridcells.h"
#include "model/model.h"
#include "support/gridbuilder.h"

using namespace klettra::editor;
using klettra::model::Cell;
using klettra::model::CellRect;
using klettra::model::GridCells;
using klettra::test::GridBuilder;

namespace {

// Vertical slot A ending at (6, 9), horizontal slot H from (5, 9) through (6, 9), vertical slot B
// starting at (5, 9): H's first two cells are letters of A and B, side by side.
GridCells staircase()
{
    GridCells cells;
    EXPECT_TRUE(VertNew(cells, 6, 5, 5).isDone());
    EXPECT_TRUE(GorNew(cells, 5, 9, 3).isDone());
    EXPECT_TRUE(VertNew(cells, 5, 9, 4).isDone());
    return cells;
}

// A grid grown at random by the editing functions, as a user clicking around would.
GridCells randomGrid(std::mt19937 &random, int steps)
{
    GridCells cells;
    for (int step = 0; step < steps; ++step) {
        const int x = std::uniform_int_distribution(1, 47)(random);
        const int y = std::uniform_int_distribution(1, 37)(random);
        const auto direction = step % 2 ? Direction::Horizontal : Direction::Vertical;
        if (step % 7 == 6)
            (void)deleteSlot(cells, direction, x, y);
        else
            (void)addSlot(cells, direction, x, y, std::uniform_int_distribution(3, 14)(random));
    }
    return cells;
}

// The refusal of deleting the horizontal slot at (x, y) as the four pairs of neighbouring kinds
// that can meet along a slot of a grid built under the neighbour rules.
bool refusedByTheFourPairs(const GridCells &cells, int x, int y)
{
    const auto kind = [&](int cx, int cy) {
        return cells(cx, cy).Kind;
    };
    for (int d = 0; d < cells(x, y).HLen; ++d) {
        const char c = kind(x + d, y);
        const char r = kind(x + d + 1, y);
        if ((c == 'V' && r == 'x') || (c == 'x' && r == 'V') ||
            (c == 'G' && r == 'V' && kind(x + d, y - 1) == 'v') || (c == 'X' && r == 'x'))
            return true;
    }
    return false;
}

} // namespace

TEST(SlotEditingTest, addingMarksTheCellsAndReportsThem)
{
    GridCells cells;
    const SlotEdit h = GorNew(cells, 3, 5, 5);
    ASSERT_TRUE(h.isDone());
    EXPECT_EQ(h.changed, (CellRect{3, 5, 7, 5}));
    EXPECT_EQ(cells(3, 5), (Cell{'G', 5, 0, 0}));
    EXPECT_EQ(cells(7, 5).Kind, 'g');

    const SlotEdit v = VertNew(cells, 5, 4, 4);
    ASSERT_TRUE(v.isDone());
    EXPECT_EQ(v.changed, (CellRect{5, 4, 5, 7}));
    EXPECT_EQ(cells(5, 4), (Cell{'V', 0, 4, 0}));
    EXPECT_EQ(cells(5, 5).Kind, 'x');
    EXPECT_EQ(cells(5, 6).Kind, 'v');

    // Lengths the menu does not show change nothing.
    const GridCells before = cells;
    EXPECT_EQ(GorNew(cells, 3, 6, 3).status, EditStatus::NotOffered);   // under the first cell
    EXPECT_EQ(GorNew(cells, 45, 10, 4).status, EditStatus::NotOffered); // off the board's edge
    EXPECT_EQ(VertNew(cells, 10, 2, 2).status, EditStatus::NotOffered);
    EXPECT_EQ(GorNew(cells, 48, 2, 3).status, EditStatus::NotOffered);
    EXPECT_EQ(cells, before);
}

TEST(SlotEditingTest, horizontalSlotOnAVerticalStartMakesACrossingAndBack)
{
    GridCells cells;
    ASSERT_TRUE(VertNew(cells, 8, 8, 6).isDone());
    ASSERT_TRUE(GorNew(cells, 8, 8, 4).isDone());
    EXPECT_EQ(cells(8, 8), (Cell{'X', 4, 6, 0}));

    const SlotEdit deleted = deleteSlot(cells, Direction::Horizontal, 8, 8);
    ASSERT_TRUE(deleted.isDone());
    EXPECT_EQ(deleted.changed, (CellRect{8, 8, 11, 8}));
    EXPECT_EQ(cells(8, 8), (Cell{'V', 0, 6, 0}));
    EXPECT_EQ(cells(9, 8), Cell{});
    EXPECT_EQ(cells, GridBuilder().vertical(8, 8, 6).cells());
}

TEST(SlotEditingTest, deletingLeavesCrossingSlotsWhole)
{
    // A horizontal slot starting inside a vertical one and crossing a second vertical one.
    GridCells cells;
    ASSERT_TRUE(VertNew(cells, 4, 2, 6).isDone());
    ASSERT_TRUE(VertNew(cells, 8, 3, 5).isDone());
    ASSERT_TRUE(GorNew(cells, 4, 5, 6).isDone());
    ASSERT_EQ(cells(4, 5).Kind, 'G');
    ASSERT_EQ(cells(8, 5).Kind, 'x');

    ASSERT_TRUE(deleteSlot(cells, Direction::Horizontal, 4, 5).isDone());
    EXPECT_EQ(cells, GridBuilder().vertical(4, 2, 6).vertical(8, 3, 5).cells());

    ASSERT_TRUE(GorNew(cells, 4, 5, 6).isDone());
    ASSERT_TRUE(deleteSlot(cells, Direction::Vertical, 8, 3).isDone());
    ASSERT_TRUE(deleteSlot(cells, Direction::Vertical, 4, 2).isDone());
    EXPECT_EQ(cells, GridBuilder().horizontal(4, 5, 6).cells());
}

TEST(SlotEditingTest, staircaseIsDeletedOnlyAfterItsCrossingSlot)
{
    GridCells cells = staircase();
    ASSERT_EQ(cells(5, 9).Kind, 'X');
    ASSERT_EQ(cells(6, 9).Kind, 'x');
    const GridCells before = cells;
    EXPECT_EQ(deleteSlot(cells, Direction::Horizontal, 5, 9).status, EditStatus::CrossingsFirst);
    EXPECT_EQ(cells, before);

    ASSERT_TRUE(deleteSlot(cells, Direction::Vertical, 6, 5).isDone());
    ASSERT_TRUE(deleteSlot(cells, Direction::Horizontal, 5, 9).isDone());
    EXPECT_EQ(cells(5, 9), (Cell{'V', 0, 4, 0}));
    EXPECT_EQ(cells, GridBuilder().vertical(5, 9, 4).cells());

    // The same staircase turned on its side is refused the same way.
    GridCells side;
    ASSERT_TRUE(GorNew(side, 5, 6, 5).isDone());
    ASSERT_TRUE(VertNew(side, 9, 5, 3).isDone());
    ASSERT_TRUE(GorNew(side, 9, 5, 4).isDone());
    ASSERT_EQ(side(9, 5).Kind, 'X');
    EXPECT_EQ(deleteSlot(side, Direction::Vertical, 9, 5).status, EditStatus::CrossingsFirst);
}

TEST(SlotEditingTest, deletingNeverLeavesLettersOfCrossingSlotsSideBySide)
{
    // A 3 x 3 block read from text, its last row running on into a slot with a vertical tail.
    // Taking out any row or column of the block would leave letters of the slots across side by
    // side with no word joining them; the tail strands nothing.
    const auto parse = parseTemplateText("***....\n"
                                         "***....\n"
                                         "*******\n"
                                         ".....*.\n"
                                         ".....*.\n");
    ASSERT_EQ(parse.templates.size(), 1u);
    GridCells cells = parse.templates[0].cells;
    const GridCells before = cells;
    for (int y = 1; y <= 3; ++y)
        EXPECT_EQ(deleteSlot(cells, Direction::Horizontal, 1, y).status, EditStatus::CrossingsFirst) << y;
    for (int x = 1; x <= 3; ++x)
        EXPECT_EQ(deleteSlot(cells, Direction::Vertical, x, 1).status, EditStatus::CrossingsFirst) << x;
    EXPECT_EQ(cells, before);

    ASSERT_TRUE(deleteSlot(cells, Direction::Vertical, 6, 3).isDone());
    EXPECT_EQ(cells(6, 3), (Cell{'g', 0, 0, 0}));
    EXPECT_EQ(cells(6, 4), Cell{});
}

TEST(SlotEditingTest, deletingWhereNoSlotStartsChangesNothing)
{
    GridCells cells = GridBuilder().horizontal(3, 3, 4).cells();
    EXPECT_EQ(deleteSlot(cells, Direction::Horizontal, 4, 3).status, EditStatus::NoSlot);
    EXPECT_EQ(deleteSlot(cells, Direction::Vertical, 3, 3).status, EditStatus::NoSlot);
    EXPECT_EQ(deleteSlot(cells, Direction::Horizontal, 48, 3).status, EditStatus::NoSlot);
    // A damaged length that would run off the board.
    cells(46, 20) = Cell{'G', 9, 0, 0};
    const GridCells damaged = cells;
    EXPECT_EQ(deleteSlot(cells, Direction::Horizontal, 46, 20).status, EditStatus::NoSlot);
    EXPECT_EQ(cells, damaged);
}

TEST(SlotEditingTest, slotsTouchOnlyWhereTheyCross)
{
    // Whatever the rules let a user add and delete, every run of letters in a row or column is
    // exactly one slot: the text of the grid reads back as the same grid.
    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        const GridCells cells = randomGrid(random, 400);
        const auto extent = klettra::model::letterExtent(cells);
        if (extent.isEmpty())
            continue;
        GridCells expected = cells;
        ASSERT_TRUE(shiftGrid(expected, {1 - extent.MinX, 1 - extent.MinY}));
        const auto parse = parseTemplateText(writeTemplateText(cells));
        ASSERT_FALSE(parse.error) << writeTemplateText(cells);
        ASSERT_EQ(parse.templates.size(), 1u);
        ASSERT_EQ(parse.templates[0].cells, expected) << writeTemplateText(cells);
    }
}

TEST(SlotEditingTest, deletionIsRefusedExactlyAtTheStaircasesOfRuleBuiltGrids)
{
    std::mt19937 random(11);
    int refusals = 0;
    for (int round = 0; round < 60; ++round) {
        const GridCells cells = randomGrid(random, 400);
        for (int y = 1; y <= 37; ++y) {
            for (int x = 1; x <= 47; ++x) {
                if (cells(x, y).Kind != 'G' && cells(x, y).Kind != 'X')
                    continue;
                GridCells copy = cells;
                const bool refused =
                    deleteSlot(copy, Direction::Horizontal, x, y).status == EditStatus::CrossingsFirst;
                ASSERT_EQ(refused, refusedByTheFourPairs(cells, x, y)) << x << "," << y << "\n"
                                                                       << writeTemplateText(cells);
                refusals += refused ? 1 : 0;
            }
        }
    }
    EXPECT_GT(refusals, 0);
}
