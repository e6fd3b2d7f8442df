#include "model/gridcells.h"
#include "model/templateset.h"
#include "support/filesizelimit.h"
#include "support/gridbuilder.h"
#include "support/tempdir.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace klettra::model;
using klettra::test::FileSizeLimit;
using klettra::test::GridBuilder;
using klettra::test::readBytes;
using klettra::test::TempDir;
using klettra::test::writeBytes;

namespace {

constexpr std::size_t Record = GridCells::ImageSize;

// A distinct, well-formed template for every n: a horizontal slot in row n.
GridCells templateNumber(int n)
{
    return GridBuilder().horizontal(1, 1 + (n - 1) % 37, 3 + n % 12).number().cells();
}

std::vector<std::uint8_t> fileOf(std::initializer_list<int> numbers, std::size_t trailing = 0)
{
    std::vector<std::uint8_t> bytes;
    for (int n : numbers) {
        const auto image = templateNumber(n).image();
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    bytes.resize(bytes.size() + trailing, 0xEE);
    return bytes;
}

} // namespace

TEST(TemplateSetTest, missingFileIsCreatedEmpty)
{
    TempDir dir;
    TemplateSet set(dir.path());
    set.InitRehSet();
    EXPECT_EQ(set.RehCount, 0);
    EXPECT_EQ(set.CurReh, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "grating.dat"));
    GridCells cells = templateNumber(1);
    EXPECT_TRUE(set.LoadReh(1, cells));
    EXPECT_EQ(cells, GridCells{});
}

TEST(TemplateSetTest, countsWholeRecordsAndReadsTheRightOne)
{
    TempDir dir;
    writeBytes(dir / "grating.dat", fileOf({1, 2, 3}, 100));
    TemplateSet set(dir.path());
    set.InitRehSet();
    EXPECT_EQ(set.RehCount, 3);
    EXPECT_EQ(set.CurReh, 1);
    GridCells cells;
    ASSERT_TRUE(set.LoadReh(2, cells));
    EXPECT_EQ(cells, templateNumber(2));
    ASSERT_TRUE(set.LoadReh(4, cells)); // beyond the count: cleared, not an error
    EXPECT_EQ(cells, GridCells{});
}

TEST(TemplateSetTest, shortFileIsAnEmptySetAndIsNotRecreated)
{
    TempDir dir;
    writeBytes(dir / "grating.dat", std::vector<std::uint8_t>(Record - 1, 'W'));
    TemplateSet set(dir.path());
    set.InitRehSet();
    EXPECT_EQ(set.RehCount, 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "grating.dat"), Record - 1);
}

TEST(TemplateSetTest, moreThan255RecordsCount255)
{
    TempDir dir;
    std::vector<std::uint8_t> bytes;
    for (int n = 1; n <= 257; ++n) {
        const auto image = templateNumber(n).image();
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    writeBytes(dir / "grating.dat", bytes);
    TemplateSet set(dir.path());
    set.InitRehSet();
    EXPECT_EQ(set.RehCount, 255);
    EXPECT_FALSE(set.writeRecord(255, templateNumber(1))); // the set is full
    EXPECT_EQ(readBytes(dir / "grating.dat").size(), 257 * Record);
}

TEST(TemplateSetTest, damagedRecordGivesAClearedGridAndFalse)
{
    TempDir dir;
    auto bytes = fileOf({1, 2});
    bytes[Record + (5 * 39 + 5) * 4] = 'Q'; // unknown kind in template 2
    writeBytes(dir / "grating.dat", bytes);
    TemplateSet set(dir.path());
    set.InitRehSet();
    GridCells cells = templateNumber(7);
    EXPECT_FALSE(set.LoadReh(2, cells));
    EXPECT_EQ(cells, GridCells{});
    EXPECT_TRUE(set.LoadReh(1, cells));
}

TEST(TemplateSetTest, fileShrunkBehindOurBackFailsToLoad)
{
    TempDir dir;
    writeBytes(dir / "grating.dat", fileOf({1, 2}));
    TemplateSet set(dir.path());
    set.InitRehSet();
    writeBytes(dir / "grating.dat", fileOf({1}));
    GridCells cells;
    EXPECT_FALSE(set.LoadReh(2, cells));
}

TEST(TemplateSetTest, appendOverwriteAndDelete)
{
    TempDir dir;
    TemplateSet set(dir.path());
    set.InitRehSet();
    ASSERT_TRUE(set.writeRecord(0, templateNumber(1)));
    EXPECT_EQ(set.RehCount, 1);
    EXPECT_EQ(set.CurReh, 1);
    ASSERT_TRUE(set.writeRecord(1, templateNumber(2)));
    ASSERT_TRUE(set.writeRecord(2, templateNumber(3)));
    EXPECT_EQ(set.CurReh, 3);
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({1, 2, 3}));

    ASSERT_TRUE(set.writeRecord(1, templateNumber(9)));
    EXPECT_EQ(set.RehCount, 3);
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({1, 9, 3}));
    EXPECT_FALSE(set.writeRecord(4, templateNumber(1)));

    set.CurReh = 1;
    ASSERT_TRUE(set.deleteTemplate(1));
    EXPECT_EQ(set.RehCount, 2);
    EXPECT_EQ(set.CurReh, 1);
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({9, 3}));

    set.CurReh = 2;
    ASSERT_TRUE(set.deleteTemplate(2));
    EXPECT_EQ(set.CurReh, 1);
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({9}));
}

TEST(TemplateSetTest, deletingThirdOfThreeMakesTheSecondCurrent)
{
    TempDir dir;
    writeBytes(dir / "grating.dat", fileOf({1, 2, 3}));
    TemplateSet set(dir.path());
    set.InitRehSet();
    set.CurReh = 3;
    ASSERT_TRUE(set.deleteTemplate(3));
    EXPECT_EQ(set.CurReh, 2);
    EXPECT_EQ(set.RehCount, 2);
}

TEST(TemplateSetTest, fullDiskKeepsTheSet)
{
    TempDir dir;
    writeBytes(dir / "grating.dat", fileOf({1, 2}));
    TemplateSet set(dir.path());
    set.InitRehSet();
    {
        FileSizeLimit disk(Record - 1);
        EXPECT_FALSE(set.writeRecord(2, templateNumber(3)));
        EXPECT_FALSE(set.writeRecord(0, templateNumber(3)));
        EXPECT_FALSE(set.deleteTemplate(1));
    }
    EXPECT_EQ(set.RehCount, 2);
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({1, 2}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // no temporary left
}

TEST(TemplateSetTest, appendingSeveralAddsAllOrNothing)
{
    TempDir dir;
    writeBytes(dir / "grating.dat", fileOf({1}, 100));
    TemplateSet set(dir.path());
    set.InitRehSet();
    const std::vector<GridCells> three = {templateNumber(2), templateNumber(3), templateNumber(4)};
    {
        FileSizeLimit disk(Record * 3);
        EXPECT_FALSE(set.appendTemplates(three));
    }
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({1}, 100));
    EXPECT_EQ(set.RehCount, 1);

    ASSERT_TRUE(set.appendTemplates(three)); // the partial record at the end is overwritten
    EXPECT_EQ(readBytes(dir / "grating.dat"), fileOf({1, 2, 3, 4}));
    EXPECT_EQ(set.RehCount, 4);
    EXPECT_EQ(set.CurReh, 4);

    // 255 templates at most, counted from the file as it is now.
    writeBytes(dir / "grating.dat", std::vector<std::uint8_t>(Record * 253, 'W'));
    EXPECT_FALSE(set.appendTemplates(three));
    EXPECT_EQ(std::filesystem::file_size(dir / "grating.dat"), Record * 253);
    ASSERT_TRUE(set.appendTemplates(std::vector<GridCells>(2, templateNumber(5))));
    EXPECT_EQ(set.RehCount, 255);
    EXPECT_EQ(set.CurReh, 255);
}
