#include "document/crosfile.h"

#include <algorithm>
#include <ctime>

#include "base/safefile.h"
#include "document/crospayload.h"
#include "document/lhareader.h"
#include "document/lhawriter.h"
#include "model/model.h"

namespace klettra::document {

namespace {

constexpr std::string_view MemberName = "crw";
constexpr std::size_t MethodLetters = Level0::MethodOffset + 1; ///< "lh6" inside "-lh6-"
constexpr std::size_t HeaderSize = Level0::FixedSize + MemberName.size();
/// Far above any crossword file; bigger files are refused unread.
constexpr std::uintmax_t MaxFileSize = std::uintmax_t(16) << 20;

void setError(std::string *error, std::string_view text)
{
    if (error)
        *error = text;
}

CrosFileError fromLha(LhaReadError error)
{
    switch (error) {
    case LhaReadError::None:
        return CrosFileError::None;
    case LhaReadError::NotArchive:
        return CrosFileError::NotArchive;
    case LhaReadError::NoMember:
        return CrosFileError::NoMember;
    case LhaReadError::TooLarge:
        return CrosFileError::BadSize;
    case LhaReadError::Corrupt:
        return CrosFileError::CorruptData;
    }
    return CrosFileError::CorruptData;
}

/// Unmasks the method letters, unpacks "crw" and reads the crossword out of it.
CrosFileError readCrosFile(std::span<const std::uint8_t> bytes, model::GridCells &cells,
                           model::WordBukvArray &slots)
{
    if (bytes.size() < HeaderSize)
        return CrosFileError::TooShort;
    const auto masked = bytes.subspan(MethodLetters, 3);
    if (!std::all_of(masked.begin(), masked.end(), [](std::uint8_t b) { return b == 0xFF; }))
        return CrosFileError::NotMasked;
    std::vector<std::uint8_t> archive(bytes.begin(), bytes.end());
    std::copy_n("lh6", 3, archive.begin() + MethodLetters);
    const LhaMember member = extractLhaMember(archive, MemberName, Payload::MaxSize);
    if (!member.ok())
        return fromLha(member.error);
    return parsePayload(member.data, cells, slots);
}

} // namespace

std::string_view describe(CrosFileError error)
{
    switch (error) {
    case CrosFileError::None:
        return "no error";
    case CrosFileError::Unreadable:
        return "the file cannot be read";
    case CrosFileError::TooShort:
        return "the file is shorter than an archive header";
    case CrosFileError::NotMasked:
        return "the archive method is not masked as a crossword file's is";
    case CrosFileError::NotArchive:
        return "not an LHA archive";
    case CrosFileError::NoMember:
        return "the archive holds no member \"crw\"";
    case CrosFileError::CorruptData:
        return "the compressed data is damaged";
    case CrosFileError::BadSize:
        return "the crossword data has the wrong size for its slot count";
    case CrosFileError::BadGrid:
        return "the grid is damaged";
    case CrosFileError::SlotCountMismatch:
        return "the slot count does not match the grid";
    case CrosFileError::BadSlotRecord:
        return "a slot record does not match the grid";
    }
    return "unknown error";
}

std::optional<std::vector<std::uint8_t>> buildCrosFile(const model::Model &model, std::uint32_t dosTime,
                                                       std::string *error)
{
    if (const CrosFileError check = checkCrossword(model.cells, model.slots); check != CrosFileError::None) {
        setError(error, "the crossword cannot be saved: " + std::string(describe(check)));
        return std::nullopt;
    }
    const std::vector<std::uint8_t> payload = buildPayload(model.cells, model.slots);
    std::vector<std::uint8_t> file = packLh6Member(MemberName, payload, dosTime);
    std::fill_n(file.begin() + MethodLetters, 3, 0xFF);

    model::GridCells cells;
    model::WordBukvArray slots;
    if (readCrosFile(file, cells, slots) != CrosFileError::None || buildPayload(cells, slots) != payload) {
        setError(error, "the packed crossword did not unpack to the same data");
        return std::nullopt;
    }
    return file;
}

bool SaveCrosFile(const model::Model &model, const std::filesystem::path &path, std::string *error)
{
    const auto file = buildCrosFile(model, dosDateTime(std::time(nullptr)), error);
    return file && base::writeFileAtomically(path, *file, error);
}

bool LoadCrosFile(const std::filesystem::path &path, model::Model &model, CrosFileError *reason)
{
    const auto bytes = base::readWholeFile(path, MaxFileSize);
    if (!bytes) {
        if (reason)
            *reason = CrosFileError::Unreadable;
        return false;
    }
    return loadCrosBytes(*bytes, model, reason);
}

bool loadCrosBytes(std::span<const std::uint8_t> bytes, model::Model &model, CrosFileError *reason)
{
    model::GridCells cells;
    model::WordBukvArray slots;
    const CrosFileError error = readCrosFile(bytes, cells, slots);
    if (reason)
        *reason = error;
    if (error != CrosFileError::None)
        return false;
    model.cells = cells;
    model.slots = std::move(slots);
    model.ComputeExtent();
    model.letters.clear();
    model.RefreshLetters(model::WholeBoard);
    return true;
}

} // namespace klettra::document
