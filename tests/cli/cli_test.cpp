#include <gtest/gtest.h>

#include "clirunner.h"

using klettra::test::runCli;
using klettra::test::TempDir;

TEST(CliTest, everyCommandExplainsItselfOnStandardOutput)
{
    TempDir dir;
    for (const char *command : {"templates", "dict", "compose", "show", "export-html"}) {
        const auto run = runCli(dir, {command, "--help"});
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
        EXPECT_NE(run.out.find(command), std::string::npos) << command << ": " << run.out;
        EXPECT_TRUE(run.err.empty()) << command << ": " << run.err;
    }
}

TEST(CliTest, wrongCommandLinesAreUsageErrors)
{
    TempDir dir;
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"--data-dir"},
                                               {"--bogus", "dict", "list"},
                                               {"templates", "show", "x"},
                                               {"templates", "show", "0"},
                                               {"dict", "add", "Основной"},
                                               {"compose", "--priority", "4"}}) {
        const auto run = runCli(dir, args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args) << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
    }
}
