#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "support/testdata.h"
#include "ui/settingsstore.h"

namespace klettra::test {

namespace {

QString pathOf(const std::filesystem::path &p)
{
    return QString::fromStdString(p.string());
}

TEST(QtSettingsStoreTest, roundTripsNumbersAndTextIncludingStarsAndCommas)
{
    TempDir dir;
    const QString file = pathOf(dir / "k.conf");
    {
        auto store = ui::QtSettingsStore::inFile(file);
        EXPECT_FALSE(store->exists());
        EXPECT_TRUE(store->writeInt("CurReh", 3));
        EXPECT_TRUE(store->writeString("UsedSlovars", "*Основной*a, b"));
        EXPECT_TRUE(store->flush());
    }
    auto store = ui::QtSettingsStore::inFile(file);
    EXPECT_TRUE(store->exists());
    EXPECT_EQ(store->readInt("CurReh"), 3);
    EXPECT_EQ(store->readString("UsedSlovars"), std::string("*Основной*a, b"));
    EXPECT_EQ(store->readInt("PrioritetSlov"), std::nullopt);
    EXPECT_EQ(store->readString("Missing"), std::nullopt);
}

TEST(QtSettingsStoreTest, valuesOfTheWrongTypeReadAsMissing)
{
    TempDir dir;
    writeText(dir / "k.conf", "[General]\nCurReh=abc\nPrioritetSlov=\nCenterResh=1, 2\nUsedSlovars=x, y\n"
                              "CreateWithoutPovtors=0\n");
    auto store = ui::QtSettingsStore::inFile(pathOf(dir / "k.conf"));
    EXPECT_EQ(store->readInt("CurReh"), std::nullopt);
    EXPECT_EQ(store->readInt("PrioritetSlov"), std::nullopt);
    EXPECT_EQ(store->readInt("CenterResh"), std::nullopt);
    EXPECT_EQ(store->readString("UsedSlovars"), std::nullopt);
    EXPECT_EQ(store->readInt("CreateWithoutPovtors"), 0);
}

TEST(QtSettingsStoreTest, reportsAFileItCannotWrite)
{
    TempDir dir;
    // A directory where the file should be cannot be written, not even by root.
    std::filesystem::create_directory(dir / "k.conf");
    auto store = ui::QtSettingsStore::inFile(pathOf(dir / "k.conf"));
    (void)store->writeInt("CurReh", 1);
    EXPECT_FALSE(store->flush());
}

} // namespace
} // namespace klettra::test
