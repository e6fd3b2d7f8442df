#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klettra::model {
class Model;
}

namespace klettra::document {

/// Why a file was not taken as a crossword file. The window and the command-line tool show the one
/// message `NotCrosFileMessage` for all of them; the reason is for tests and diagnostics.
enum class CrosFileError {
    None,
    Unreadable,        ///< the file cannot be read (missing, a directory, no permission, huge)
    TooShort,          ///< shorter than the archive header
    NotMasked,         ///< the method letters are not hidden as FF FF FF
    NotArchive,        ///< not an LHA archive once the method is restored
    NoMember,          ///< the archive has no member "crw"
    CorruptData,       ///< the member does not unpack to its size and CRC-16
    BadSize,           ///< the payload is not 7648 + 291 * N bytes with 0 <= N <= 255
    BadGrid,           ///< the cell map breaks the grid invariants
    SlotCountMismatch, ///< N is not the number of slots the cell map gives
    BadSlotRecord,     ///< a slot record disagrees with the cell map or holds impossible values
};

/// A short English description of `error`, for diagnostics.
std::string_view describe(CrosFileError error);

/// What the user is told about any file that is not a crossword file.
inline constexpr std::string_view NotCrosFileMessage = "Файл не является файлом кроссворда!";

/// The crossword file of `model` as bytes, stamped with `dosTime` (see dosDateTime). Nothing, with
/// a reason in `error`, when the model is not a crossword that could be loaded back (its slots
/// do not match its grid). Before it is returned the file is unpacked again and compared with
/// what was packed, so a file we write is always one we can read.
std::optional<std::vector<std::uint8_t>> buildCrosFile(const model::Model &model, std::uint32_t dosTime,
                                                       std::string *error = nullptr);

/// Writes the crossword of `model` to `path`, stamped with the current local time. The file is
/// written beside the target and renamed over it, so a failure leaves the old file as it was.
[[nodiscard]] bool SaveCrosFile(const model::Model &model, const std::filesystem::path &path,
                                std::string *error = nullptr);

/// Replaces the cells and slots of `model` with those of the crossword file at `path`, then
/// recomputes the extent and rebuilds the letters over the whole board. Anything that is not a
/// sound crossword file is refused with the model untouched and the reason in `reason`.
[[nodiscard]] bool LoadCrosFile(const std::filesystem::path &path, model::Model &model,
                                CrosFileError *reason = nullptr);

/// The same from bytes already in memory.
[[nodiscard]] bool loadCrosBytes(std::span<const std::uint8_t> bytes, model::Model &model,
                                 CrosFileError *reason = nullptr);

} // namespace klettra::document
