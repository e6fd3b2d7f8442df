#include <gtest/gtest.h>

#include "document/crosfilename.h"

using namespace klettra::document;

TEST(CrosFileTitleTest, dropsTheDirectoryAndTheLastFourCharacters)
{
    EXPECT_EQ(CrosFileTitle(""), "");
    EXPECT_EQ(CrosFileTitle("/home/user/Кроссворды/Зима.crs"), " - Зима");
    EXPECT_EQ(CrosFileTitle("puzzle.crs"), " - puzzle");
    // Whatever the last four characters are, they go; four in all leave nothing.
    EXPECT_EQ(CrosFileTitle("/tmp/abcd"), " - ");
    EXPECT_EQ(CrosFileTitle("/tmp/ab"), " - ");
    EXPECT_EQ(CrosFileTitle("/tmp/Кроссворд"), " - Кросс");
    EXPECT_EQ(CrosFileTitle("/tmp/x.CRS.bak"), " - x.CRS");
}

TEST(UntitledCountTest, onlyTheExactProposalMovesTheCounterOn)
{
    EXPECT_EQ(untitledName(0), "Untitled0");
    EXPECT_EQ(untitledName(65535), "Untitled65535");
    EXPECT_EQ(untitledCountAfterSaveAs(0, "/home/user/Untitled0.crs"), 1);
    EXPECT_EQ(untitledCountAfterSaveAs(1, "Untitled1.crs"), 2);
    EXPECT_EQ(untitledCountAfterSaveAs(1, "/home/user/Untitled0.crs"), 1);
    EXPECT_EQ(untitledCountAfterSaveAs(0, "/home/user/untitled0.crs"), 0);
    EXPECT_EQ(untitledCountAfterSaveAs(0, "/home/user/Untitled0.CRS"), 0);
    EXPECT_EQ(untitledCountAfterSaveAs(0, "/home/user/Untitled0"), 0);
    EXPECT_EQ(untitledCountAfterSaveAs(0, "/home/Untitled0.crs/other.crs"), 0);
    EXPECT_EQ(untitledCountAfterSaveAs(65535, "Untitled65535.crs"), 0);
}
