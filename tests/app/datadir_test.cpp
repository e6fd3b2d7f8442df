#include "app/datadir.h"
#include "support/tempdir.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace klettra::app;
using klettra::test::readText;
using klettra::test::TempDir;
using klettra::test::writeText;

TEST(DataDirTest, commandLineThenEnvironmentThenWritableExecutableDir)
{
    TempDir exe;
    DataDirSources sources{.commandLine = "/cmd", .environment = "/env", .executableDir = exe.path()};
    EXPECT_EQ(resolveDataDir(sources), "/cmd");
    sources.commandLine.reset();
    EXPECT_EQ(resolveDataDir(sources), "/env");
    sources.environment.reset();
    EXPECT_EQ(resolveDataDir(sources), exe.path());
}

TEST(DataDirTest, unwritableExecutableDirFallsBackToTheUserDataDir)
{
    DataDirSources sources{.executableDir = "/nonexistent/bin", .xdgDataHome = "/xdg", .home = "/home/u"};
    EXPECT_EQ(resolveDataDir(sources), "/xdg/klettra");
    sources.xdgDataHome.reset();
    EXPECT_EQ(resolveDataDir(sources), "/home/u/.local/share/klettra");
}

TEST(DataDirTest, bundledDataSitsInShareBesideBin)
{
    EXPECT_EQ(bundledDataDir("/usr/bin"), "/usr/share/klettra");
}

TEST(DataDirTest, firstStartCopiesTheBundledFilesOnce)
{
    TempDir bundled;
    TempDir data;
    writeText(bundled / "grating.dat", "templates");
    writeText(bundled / "Основной.db", "dictionary");
    writeText(bundled / "README", "not copied");
    std::string error;
    ASSERT_TRUE(prepareDataDir(data / "sub", bundled.path(), error)) << error;
    EXPECT_EQ(readText(data / "sub" / "grating.dat"), "templates");
    EXPECT_EQ(readText(data / "sub" / "Основной.db"), "dictionary");
    EXPECT_FALSE(std::filesystem::exists(data / "sub" / "README"));

    // A user who deleted the templates but kept a dictionary is not seeded again.
    std::filesystem::remove(data / "sub" / "grating.dat");
    ASSERT_TRUE(prepareDataDir(data / "sub", bundled.path(), error));
    EXPECT_FALSE(std::filesystem::exists(data / "sub" / "grating.dat"));
}

TEST(DataDirTest, neverSeedsTheBundledDirectoryItself)
{
    TempDir bundled;
    std::string error;
    ASSERT_TRUE(prepareDataDir(bundled.path(), bundled.path(), error));
    EXPECT_TRUE(isUnseeded(bundled.path()));
}
