#include "model/gridcheck.h"
#include "model/gridcells.h"
#include "support/gridbuilder.h"

#include <gtest/gtest.h>

using namespace klettra::model;
using klettra::test::GridBuilder;

TEST(GridCheckTest, acceptsGridsTheEditorBuilds)
{
    EXPECT_TRUE(isWellFormedGrid(GridCells{}));
    EXPECT_TRUE(isWellFormedGrid(GridBuilder().horizontal(1, 1, 14).vertical(1, 1, 14).number().cells()));
    EXPECT_TRUE(isWellFormedGrid(GridBuilder().horizontal(34, 37, 14).vertical(47, 24, 14).cells()));
}

TEST(GridCheckTest, refusesCellMapsThatWouldDriveIndexesOffTheBoard)
{
    const GridCells good = GridBuilder().horizontal(3, 3, 5).vertical(3, 3, 4).horizontal(10, 10, 3).cells();
    const auto broken = [&](auto change) {
        GridCells c = good;
        change(c);
        return !isWellFormedGrid(c);
    };
    EXPECT_TRUE(broken([](GridCells &c) { c(10, 10).Kind = 'Q'; }));
    EXPECT_TRUE(broken([](GridCells &c) { c(0, 5).Kind = CellKind::HCell; }));
    EXPECT_TRUE(broken([](GridCells &c) { c(3, 3).HLen = 2; }));
    EXPECT_TRUE(broken([](GridCells &c) { c(3, 3).VLen = 15; }));
    EXPECT_TRUE(broken([](GridCells &c) { c(3, 3).HLen = 0; }));   // an 'X' without its horizontal length
    EXPECT_TRUE(broken([](GridCells &c) { c(10, 10).VLen = 4; })); // a 'G' with a vertical length
    EXPECT_TRUE(broken([](GridCells &c) { c(10, 10).HLen = 0; })); // a 'G' without any length
    EXPECT_TRUE(broken([](GridCells &c) { c(45, 3) = Cell{CellKind::HStart, 4, 0, 0}; }));
    EXPECT_TRUE(broken([](GridCells &c) { c(3, 35) = Cell{CellKind::VStart, 0, 4, 0}; }));
}

TEST(GridCheckTest, allowsAtMost255Slots)
{
    const auto gridWithSlots = [](int count) {
        GridCells cells;
        for (int y = 1, placed = 0; y <= 37; ++y) {
            for (int x = 1; x + 2 <= 47 && placed < count; x += 4, ++placed)
                cells(x, y) = Cell{CellKind::HStart, 3, 0, 0};
        }
        return cells;
    };
    EXPECT_TRUE(isWellFormedGrid(gridWithSlots(255)));
    EXPECT_FALSE(isWellFormedGrid(gridWithSlots(256)));
}
