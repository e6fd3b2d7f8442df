#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace klettra::cli {

/// Exit statuses of the command-line tool.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFailure = 1, ///< the command ran and failed, or stopped without a result
    ExitUsage = 2,   ///< wrong command line
};

/// What every command receives: the data directory, its own arguments and the two streams.
/// Everything written to `out` and `err` is UTF-8.
struct CliContext
{
    std::filesystem::path dataDir;
    std::vector<std::string> args; ///< the words after the command's own name(s)
    std::ostream &out;
    std::ostream &err;
    bool errIsTerminal = false; ///< progress lines go to `err` only on a terminal

    /// Prints "klettra-cli: <message>" on `err` and returns `status`.
    int fail(const std::string &message, int status = ExitFailure) const;
    int usage(const std::string &message) const { return fail(message, ExitUsage); }
};

/// Parses a whole decimal number in [min, max]; nothing for anything else.
bool parseInt(const std::string &text, long long min, long long max, long long &value);

} // namespace klettra::cli
