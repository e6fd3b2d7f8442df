#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace klettra::base {

/// Writes `bytes` to `target` through a temporary file in the same directory, flushed to disk and
/// then renamed over the target, so that the target holds either its old content or the whole
/// new one, never half of it. On failure the temporary file is removed and `error` (when given)
/// receives the reason.
[[nodiscard]] bool writeFileAtomically(const std::filesystem::path &target, std::span<const std::uint8_t> bytes,
                                       std::string *error = nullptr);

/// The same for text.
[[nodiscard]] bool writeFileAtomically(const std::filesystem::path &target, std::string_view text,
                                       std::string *error = nullptr);

/// The whole content of a regular file, or nothing when it cannot be read (missing, a directory,
/// no permission, larger than `maxSize`).
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path &path,
                                                       std::uintmax_t maxSize = std::uintmax_t(1) << 30);

} // namespace klettra::base
