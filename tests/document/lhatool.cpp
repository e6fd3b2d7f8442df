#include "lhatool.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace klettra::test {

std::optional<std::filesystem::path> findLhasaTool()
{
    const char *path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin";
    while (!dirs.empty()) {
        const auto colon = dirs.find(':');
        const std::filesystem::path candidate = std::filesystem::path(dirs.substr(0, colon)) / "lhasa";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    }
    return std::nullopt;
}

ToolRun runTool(const std::filesystem::path &tool, const std::string &arguments,
                const std::filesystem::path &directory)
{
    const std::string command =
        "cd '" + directory.string() + "' && '" + tool.string() + "' " + arguments + " 2>&1 </dev/null";
    ToolRun run;
    std::FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace klettra::test
