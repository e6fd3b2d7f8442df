#include "support/tempdir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace klettra::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "klettra-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

} // namespace klettra::test
