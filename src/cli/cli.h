#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace klettra::cli {

/// Runs the command-line tool on `args` (without the program name) and returns its exit status.
/// `errIsTerminal` says whether `err` is a terminal, where progress may be shown.
int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
        bool errIsTerminal = false);

} // namespace klettra::cli
