#include "clirunner.h"

#include <sstream>

#include "cli/cli.h"

namespace klettra::test {

CliRun runCli(const TempDir &dataDir, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--no-seed", "--data-dir", dataDir.path().string()});
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = cli::run(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace klettra::test
