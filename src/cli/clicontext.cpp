#include "cli/clicontext.h"

#include <charconv>

namespace klettra::cli {

int CliContext::fail(const std::string &message, int status) const
{
    err << "klettra-cli: " << message << '\n';
    return status;
}

bool parseInt(const std::string &text, long long min, long long max, long long &value)
{
    long long parsed = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (ec != std::errc() || ptr != end || text.empty() || parsed < min || parsed > max)
        return false;
    value = parsed;
    return true;
}

} // namespace klettra::cli
