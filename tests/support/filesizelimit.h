#pragma once

#include <sys/resource.h>

namespace klettra::test {

/// Limits the size of files this process may write, as a full disk would: a write past the limit
/// fails with EFBIG instead of killing the process. Works for root too, unlike permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace klettra::test
