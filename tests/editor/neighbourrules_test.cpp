#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "editor/neighbourrules.h"
#include "editor/slotediting.h"
#include "model/gridcells.h"
#include "support/gridbuilder.h"

using namespace klettra::editor;
using klettra::model::GridCells;
using klettra::model::CellKind::Background;
using klettra::test::GridBuilder;

namespace {

std::vector<int> lengthsOf(const LengthOffer &offer)
{
    std::vector<int> lengths;
    for (int n = 3; n <= 14; ++n) {
        if (offer.offers(n))
            lengths.push_back(n);
    }
    return lengths;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> r;
    for (int n = from; n <= to; ++n)
        r.push_back(n);
    return r;
}

const std::vector<int> AllLengths = range(3, 14);
const std::vector<int> None;

// The cell map mirrored on its main diagonal: rows become columns, and the kinds and lengths of
// the two directions trade places.
GridCells transposed(const GridCells &cells)
{
    GridCells t;
    for (int x = 0; x <= 38; ++x) {
        for (int y = 0; y <= 38; ++y) {
            klettra::model::Cell c = cells(x, y);
            std::swap(c.HLen, c.VLen);
            const std::string from = "GVgv";
            const std::string to = "VGvg";
            if (const auto i = from.find(c.Kind); i != std::string::npos)
                c.Kind = to[i];
            t(y, x) = c;
        }
    }
    return t;
}

} // namespace

TEST(NeighbourRulesTest, boardEdgesLimitTheLengths)
{
    const GridCells empty;
    EXPECT_EQ(lengthsOf(lengthOffer(empty, Direction::Horizontal, 45, 10)), std::vector<int>{3});
    EXPECT_EQ(lengthsOf(lengthOffer(empty, Direction::Horizontal, 34, 10)), AllLengths);
    EXPECT_EQ(lengthsOf(lengthOffer(empty, Direction::Horizontal, 35, 10)), range(3, 13));
    EXPECT_EQ(lengthsOf(lengthOffer(empty, Direction::Vertical, 1, 35)), std::vector<int>{3});

    const SlotMenu row36 = slotMenu(empty, 5, 36);
    EXPECT_FALSE(row36.vertical.enabled);
    EXPECT_EQ(lengthsOf(row36.vertical), None);
    EXPECT_TRUE(row36.horizontal.enabled);

    // Clicks beyond the board (the image's last pixel row or column) offer nothing at all.
    EXPECT_FALSE(slotMenu(empty, 48, 5).opens());
    EXPECT_FALSE(slotMenu(empty, 5, 38).opens());
    EXPECT_FALSE(slotMenu(empty, 0, 5).opens());
}

TEST(NeighbourRulesTest, cellsAroundAHorizontalSlot)
{
    const GridCells cells = GridBuilder().horizontal(3, 5, 5).cells();

    // Below its first cell, right after its end and right before its start nothing opens.
    EXPECT_FALSE(slotMenu(cells, 3, 6).opens());
    EXPECT_FALSE(slotMenu(cells, 8, 5).opens());
    EXPECT_FALSE(slotMenu(cells, 2, 5).opens());

    // Above a middle letter: a vertical slot crossing it, no horizontal one.
    const SlotMenu above = slotMenu(cells, 5, 4);
    EXPECT_EQ(lengthsOf(above.vertical), AllLengths);
    EXPECT_TRUE(above.vertical.enabled);
    EXPECT_FALSE(above.horizontal.enabled);

    // At the row's start a horizontal slot would run into the existing one.
    const SlotMenu rowStart = slotMenu(cells, 1, 5);
    EXPECT_EQ(rowStart.horizontal.limit, 1);
    EXPECT_FALSE(rowStart.horizontal.enabled);
    EXPECT_TRUE(rowStart.vertical.enabled);

    // On the start cell: delete it or cross it downwards.
    const SlotMenu start = slotMenu(cells, 3, 5);
    EXPECT_TRUE(start.deleteHorizontal);
    EXPECT_FALSE(start.deleteVertical);
    EXPECT_FALSE(start.horizontal.enabled);
    EXPECT_TRUE(start.vertical.enabled);
}

TEST(NeighbourRulesTest, cellsAroundAVerticalSlot)
{
    const GridCells cells = GridBuilder().vertical(10, 2, 5).cells();

    EXPECT_EQ(lengthsOf(slotMenu(cells, 8, 4).horizontal), AllLengths);
    // Three letters would end right before the vertical slot's letter.
    EXPECT_EQ(lengthsOf(slotMenu(cells, 7, 4).horizontal), range(4, 14));
    EXPECT_EQ(lengthsOf(slotMenu(cells, 11, 4).horizontal), None);

    const SlotMenu onLetter = slotMenu(cells, 10, 4);
    EXPECT_EQ(lengthsOf(onLetter.horizontal), AllLengths);
    EXPECT_FALSE(onLetter.vertical.enabled);
    EXPECT_FALSE(onLetter.deleteHorizontal);
    EXPECT_FALSE(onLetter.deleteVertical);
}

TEST(NeighbourRulesTest, kindOfTheCellDecidesTheTopItems)
{
    // A crossing at (5, 5): 'X'; its further cells 'g', 'v' and, with a second crossing, 'x'.
    const GridCells cells = GridBuilder().horizontal(5, 5, 6).vertical(5, 5, 6).vertical(8, 3, 6).cells();
    ASSERT_EQ(cells(8, 5).Kind, 'x');

    const SlotMenu both = slotMenu(cells, 5, 5);
    EXPECT_TRUE(both.deleteHorizontal && both.deleteVertical);
    EXPECT_FALSE(both.horizontal.enabled || both.vertical.enabled);

    EXPECT_FALSE(slotMenu(cells, 8, 5).opens()); // 'x': nothing to add, nothing starts here
    EXPECT_FALSE(slotMenu(cells, 6, 5).horizontal.enabled);
    EXPECT_FALSE(slotMenu(cells, 5, 7).vertical.enabled);
    EXPECT_FALSE(slotMenu(cells, 8, 3).vertical.enabled);
    EXPECT_TRUE(slotMenu(cells, 8, 3).deleteVertical);
}

TEST(NeighbourRulesTest, verticalRulesMirrorTheHorizontalOnes)
{
    // Grids grown at random under the rules, inside a square small enough that no scan reaches
    // the board's edge, so that mirroring them changes nothing but the direction.
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        GridCells cells;
        for (int attempt = 0; attempt < 200; ++attempt) {
            const int x = std::uniform_int_distribution(1, 20)(random);
            const int y = std::uniform_int_distribution(1, 20)(random);
            const int n = std::uniform_int_distribution(3, 8)(random);
            const auto direction = attempt % 2 ? Direction::Horizontal : Direction::Vertical;
            if (x + n <= 22 && y + n <= 22)
                (void)addSlot(cells, direction, x, y, n);
        }
        const GridCells mirror = transposed(cells);
        for (int x = 1; x <= 23; ++x) {
            for (int y = 1; y <= 23; ++y) {
                const SlotMenu a = slotMenu(cells, x, y);
                const SlotMenu b = slotMenu(mirror, y, x);
                ASSERT_EQ(a.horizontal.lengths, b.vertical.lengths) << x << "," << y;
                ASSERT_EQ(a.vertical.lengths, b.horizontal.lengths) << x << "," << y;
                ASSERT_EQ(a.deleteHorizontal, b.deleteVertical) << x << "," << y;
            }
        }
    }
}
