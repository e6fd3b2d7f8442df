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

} // namespace
} // namespace klettra::test
