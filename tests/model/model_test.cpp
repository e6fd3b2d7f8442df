#include "model/model.h"
#include "model/modelobserver.h"
#include "support/gridbuilder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace klettra::model;
using klettra::test::GridBuilder;

namespace {

struct RecordingObserver : ModelObserver
{
    std::vector<CellRect> rects;
    void cellsChanged(const CellRect &rect) override { rects.push_back(rect); }
};

void place(Model &m, int slot, std::string_view word)
{
    m.slot(slot).Word.assign(word);
    m.slot(slot).Used = 1;
}

} // namespace

TEST(ModelTest, gridWithoutSlotsHasAnEmptyExtentAndNoSlots)
{
    Model m;
    m.ClearGrid();
    m.cells(10, 10).Kind = CellKind::Blank;
    m.ComputeExtent();
    EXPECT_EQ(m.extent, (Extent{47, 1, 37, 1}));
    EXPECT_EQ(m.CountSlots(), 0);
    m.ResetCrossword();
    EXPECT_EQ(m.slots.size(), 1u);
}

TEST(ModelTest, loneCrossingCellGivesHorizontalThenVerticalSlot)
{
    Model m = GridBuilder().horizontal(5, 7, 5).vertical(5, 7, 4).number().model();
    EXPECT_EQ(m.extent, (Extent{5, 9, 7, 10}));
    ASSERT_EQ(m.CountSlots(), 2);
    EXPECT_EQ(m.slot(1).Dir, Dir::Horizontal);
    EXPECT_EQ(m.slot(1).Len, 5);
    EXPECT_EQ(m.slot(2).Dir, Dir::Vertical);
    EXPECT_EQ(m.slot(2).Len, 4);
    EXPECT_EQ(m.slot(2).X, 5);
    EXPECT_EQ(m.slot(2).Y, 7);
    EXPECT_EQ(m.cells(5, 7).Number, 1);
}

TEST(ModelTest, slotsComeInReadingOrderOfTheirFirstCells)
{
    // A vertical slot starting low at the left comes after a horizontal one higher up on the right.
    Model m = GridBuilder().vertical(2, 5, 3).horizontal(10, 2, 4).horizontal(4, 5, 3).model();
    ASSERT_EQ(m.slotCount(), 3);
    EXPECT_EQ(std::pair(int(m.slot(1).X), int(m.slot(1).Y)), std::pair(10, 2));
    EXPECT_EQ(std::pair(int(m.slot(2).X), int(m.slot(2).Y)), std::pair(2, 5));
    EXPECT_EQ(std::pair(int(m.slot(3).X), int(m.slot(3).Y)), std::pair(4, 5));
    EXPECT_EQ(m.FindMatrix(4, 5, Dir::Horizontal), 3);
    EXPECT_EQ(m.FindMatrix(4, 5, Dir::Vertical), std::nullopt);
    EXPECT_EQ(m.FindMatrix(47, 37, Dir::Horizontal), std::nullopt);
}

TEST(ModelTest, blankCellsCountNeitherForExtentNorSlots)
{
    GridBuilder b;
    b.horizontal(3, 3, 3);
    Model m = b.model();
    m.cells(30, 30).Kind = CellKind::Blank;
    m.ComputeExtent();
    EXPECT_EQ(m.extent, (Extent{3, 5, 3, 3}));
    EXPECT_EQ(m.CountSlots(), 1);
}

TEST(ModelTest, refreshLettersLetsAFilledSlotWinAtACrossing)
{
    Model m = GridBuilder().horizontal(1, 2, 3).vertical(2, 1, 3).model();
    RecordingObserver observer;
    m.setObserver(&observer);
    // Slot 1 is the vertical one (row 1 comes first), slot 2 the horizontal one.
    place(m, 2, "ABC");
    m.RefreshLetters(WholeBoard);
    EXPECT_EQ(m.letters(2, 2), 'B');
    EXPECT_EQ(m.letters(2, 1), ' ');
    EXPECT_EQ(m.letters(2, 3), ' ');
    m.clearSlotWord(2);
    m.RefreshLetters(CellRect{1, 2, 3, 2});
    EXPECT_EQ(m.letters(2, 2), ' ');
    ASSERT_EQ(observer.rects.size(), 2u);
    EXPECT_EQ(observer.rects[1], (CellRect{1, 2, 3, 2}));
}

TEST(ModelTest, refreshLettersPadsAShortWordWithSpaces)
{
    Model m = GridBuilder().horizontal(1, 1, 5).model();
    place(m, 1, "AB");
    m.RefreshLetters(WholeBoard);
    EXPECT_EQ(m.letters(2, 1), 'B');
    EXPECT_EQ(m.letters(3, 1), ' ');
}

TEST(ModelTest, resetCrosswordEmptiesWordsAndLettersButKeepsTheTemplate)
{
    Model m = GridBuilder().horizontal(1, 1, 3).number().model();
    place(m, 1, "ABC");
    m.slot(1).Clue.assign("Clue.");
    m.RefreshLetters(WholeBoard);
    const GridCells before = m.cells;
    m.ResetCrossword();
    EXPECT_EQ(m.cells, before);
    EXPECT_EQ(m.letters(1, 1), ' ');
    EXPECT_EQ(m.slot(1).Used, 0);
    EXPECT_TRUE(m.slot(1).Word.empty());
    EXPECT_TRUE(m.slot(1).Clue.empty());
    EXPECT_EQ(m.slot(1).Len, 0);
    EXPECT_EQ(m.slot(1).X, 1); // position survives until the next BuildSlots
}

TEST(ModelTest, showSlotWritesTheWordAndReportsItsRectangle)
{
    Model m = GridBuilder().vertical(4, 2, 3).model();
    RecordingObserver observer;
    m.setObserver(&observer);
    place(m, 1, "XYZ");
    m.showSlot(1);
    EXPECT_EQ(m.letters(4, 4), 'Z');
    ASSERT_EQ(observer.rects.size(), 1u);
    EXPECT_EQ(observer.rects[0], (CellRect{4, 2, 4, 4}));
}
