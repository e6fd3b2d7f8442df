#pragma once

#include <string>
#include <vector>

#include "support/tempdir.h"

namespace klettra::test {

/// One run of the command-line tool through cli::run, with its own empty data directory.
struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

CliRun runCli(const TempDir &dataDir, std::vector<std::string> args);

} // namespace klettra::test
