#include <gtest/gtest.h>

#include "ui/startupoptions.h"

namespace klettra::test {

namespace {

using ui::StartupOptions;

TEST(StartupOptionsTest, splashSwitchInEitherFormAndAnyCase)
{
    EXPECT_TRUE(StartupOptions::parse({}).showSplash);
    for (const char *arg : {"-ns", "/ns", "-NS", "/Ns"}) {
        const StartupOptions options = StartupOptions::parse({QLatin1String(arg)});
        EXPECT_FALSE(options.showSplash) << arg;
        EXPECT_TRUE(options.error.isEmpty()) << arg;
    }
}

TEST(StartupOptionsTest, dataDirectoryInBothSpellings)
{
    EXPECT_EQ(StartupOptions::parse({QStringLiteral("--data-dir"), QStringLiteral("/tmp/k")}).dataDir,
              std::filesystem::path("/tmp/k"));
    EXPECT_EQ(StartupOptions::parse({QStringLiteral("--data-dir=/tmp/слова"), QStringLiteral("-ns")}).dataDir,
              std::filesystem::path("/tmp/слова"));
}

TEST(StartupOptionsTest, badArgumentsAreErrorsNotIgnored)
{
    EXPECT_FALSE(StartupOptions::parse({QStringLiteral("--data-dir")}).error.isEmpty());
    EXPECT_FALSE(StartupOptions::parse({QStringLiteral("--data-dir=")}).error.isEmpty());
    EXPECT_FALSE(StartupOptions::parse({QStringLiteral("--colour")}).error.isEmpty());
    EXPECT_TRUE(StartupOptions::parse({QStringLiteral("--help")}).showUsage);
}

TEST(StartupOptionsTest, screenMustBeAtLeastSvga)
{
    EXPECT_TRUE(ui::isScreenLargeEnough(QSize(800, 600)));
    EXPECT_TRUE(ui::isScreenLargeEnough(QSize(1024, 768)));
    EXPECT_FALSE(ui::isScreenLargeEnough(QSize(799, 600)));
    EXPECT_FALSE(ui::isScreenLargeEnough(QSize(800, 599)));
    EXPECT_FALSE(ui::isScreenLargeEnough(QSize(640, 480)));
}

} // namespace
} // namespace klettra::test
