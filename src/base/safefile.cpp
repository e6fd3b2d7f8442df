#include "base/safefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace klettra::base {

namespace {

void setError(std::string *error, const std::string &what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
}

bool writeAll(int fd, const std::uint8_t *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path &target, std::span<const std::uint8_t> bytes,
                         std::string *error)
{
    std::filesystem::path dir = target.parent_path();
    if (dir.empty())
        dir = ".";
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string pattern = (dir / name).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        setError(error, "cannot create a temporary file in " + dir.string());
        return false;
    }
    const auto fail = [&](const std::string &what) {
        const int savedErrno = errno;
        ::unlink(pattern.c_str());
        errno = savedErrno;
        setError(error, what);
        return false;
    };
    if (!writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0) {
        const int savedErrno = errno;
        ::close(fd);
        errno = savedErrno;
        return fail("cannot write " + target.string());
    }
    // mkstemp creates the file readable by its owner only; give it the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0)
        return fail("cannot write " + target.string());
    if (std::rename(pattern.c_str(), target.c_str()) != 0)
        return fail("cannot replace " + target.string());
    return true;
}

bool writeFileAtomically(const std::filesystem::path &target, std::string_view text, std::string *error)
{
    return writeFileAtomically(
        target, std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()), error);
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path &path, std::uintmax_t maxSize)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + got > maxSize) {
            std::fclose(file);
            return std::nullopt;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

} // namespace klettra::base
