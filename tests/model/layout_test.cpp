#include "model/gridcells.h"
#include "model/wordbukv.h"

#include <gtest/gtest.h>

using namespace klettra::model;

TEST(GridCellsLayoutTest, cellXYStartsAtXTimes39PlusYTimesFour)
{
    GridCells cells;
    cells(1, 1) = Cell{CellKind::BothStart, 5, 4, 1};
    cells(47, 37) = Cell{CellKind::HCell, 0, 0, 0};
    cells(2, 38) = Cell{'W', 7, 8, 9};
    const auto image = cells.image();
    ASSERT_EQ(image.size(), 7644u);
    const auto at = [&](int x, int y) { return std::size_t(x * 39 + y) * 4; };
    EXPECT_EQ(image[at(1, 1)], 'X');
    EXPECT_EQ(image[at(1, 1) + 1], 5);
    EXPECT_EQ(image[at(1, 1) + 2], 4);
    EXPECT_EQ(image[at(1, 1) + 3], 1);
    EXPECT_EQ(image[at(47, 37)], 'g');
    EXPECT_EQ(image[at(2, 38) + 3], 9);
    EXPECT_EQ(image[0], 'W');
    EXPECT_EQ(GridCells::fromImage(image), cells);
}

TEST(WordBukvLayoutTest, everyFieldSitsAtItsOffset)
{
    TWordBukv slot;
    slot.Used = 1;
    slot.Dir = Dir::Horizontal;
    slot.X = 23;
    slot.Y = 19;
    slot.Len = 3;
    slot.Pattern.assign("K T");
    slot.Word.assign("KOT");
    slot.Clue.assign("Pet.");
    std::array<std::uint8_t, TWordBukv::RecordSize> bytes{};
    slot.writeTo(bytes.data());
    EXPECT_EQ(bytes.size(), 291u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[2], 23);
    EXPECT_EQ(bytes[3], 19);
    EXPECT_EQ(bytes[4], 3);
    EXPECT_EQ(bytes[5], 3);
    EXPECT_EQ(bytes[6], 'K');
    EXPECT_EQ(bytes[20], 3);
    EXPECT_EQ(bytes[21], 'K');
    EXPECT_EQ(bytes[35], 4);
    EXPECT_EQ(bytes[36], 'P');
    EXPECT_EQ(bytes[39], '.');
    const auto back = TWordBukv::readFrom(bytes.data());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, slot);
}

TEST(WordBukvLayoutTest, refusesStringLengthsBeyondCapacity)
{
    std::array<std::uint8_t, TWordBukv::RecordSize> bytes{};
    bytes[20] = 15;
    EXPECT_FALSE(TWordBukv::readFrom(bytes.data()));
    bytes[20] = 14;
    bytes[5] = 200;
    EXPECT_FALSE(TWordBukv::readFrom(bytes.data()));
}
