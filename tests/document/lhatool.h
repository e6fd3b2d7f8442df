#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace klettra::test {

/// The command-line tool of Debian's lhasa package, an LHA reader independent of our encoder, when
/// it is installed.
std::optional<std::filesystem::path> findLhasaTool();

struct ToolRun
{
    int status = -1;
    std::string output; ///< standard output and standard error together
};

/// Runs `tool` with `arguments` (already quoted for the shell) in `directory`.
ToolRun runTool(const std::filesystem::path &tool, const std::string &arguments,
                const std::filesystem::path &directory);

} // namespace klettra::test
