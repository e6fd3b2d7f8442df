#include "model/templateset.h"

#include "base/safefile.h"
#include "model/gridcells.h"
#include "model/gridcheck.h"

#include <algorithm>
#include <fstream>

namespace klettra::model {

namespace {

constexpr auto RecordSize = static_cast<std::uintmax_t>(GridCells::ImageSize);

std::uint8_t countRecords(std::uintmax_t fileSize)
{
    return static_cast<std::uint8_t>(std::min<std::uintmax_t>(fileSize / RecordSize, TemplateSet::MaxTemplates));
}

} // namespace

TemplateSet::TemplateSet(std::filesystem::path dataDir)
    : m_dataDir(std::move(dataDir))
{
}

std::filesystem::path TemplateSet::filePath() const
{
    return m_dataDir / FileName;
}

void TemplateSet::InitRehSet()
{
    RehCount = 0;
    CurReh = 0;
    std::error_code ec;
    const auto path = filePath();
    if (!std::filesystem::exists(path, ec)) {
        std::ofstream created(path, std::ios::binary);
        return;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec))
        return;
    RehCount = countRecords(size);
    CurReh = RehCount > 0 ? 1 : 0;
}

bool TemplateSet::LoadReh(int n, GridCells &cells) const
{
    if (n < 1 || n > RehCount) {
        cells.clear();
        return true;
    }
    GridCells::Image image;
    std::ifstream file(filePath(), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(RecordSize) * (n - 1));
    file.read(reinterpret_cast<char *>(image.data()), static_cast<std::streamsize>(image.size()));
    if (!file) {
        cells.clear();
        return false;
    }
    GridCells loaded = GridCells::fromImage(image);
    if (!isWellFormedGrid(loaded)) {
        cells.clear();
        return false;
    }
    cells = loaded;
    return true;
}

bool TemplateSet::writeRecord(int r, const GridCells &cells)
{
    if (r < 0 || r > RehCount || r >= MaxTemplates)
        return false;
    std::vector<std::uint8_t> bytes;
    if (r > 0 || RehCount > 0) {
        auto existing = base::readWholeFile(filePath());
        if (!existing)
            return false;
        bytes = std::move(*existing);
    }
    const auto offset = static_cast<std::size_t>(r) * GridCells::ImageSize;
    // Appending overwrites whatever partial record trails the last whole one.
    if (bytes.size() < offset + GridCells::ImageSize)
        bytes.resize(offset + GridCells::ImageSize);
    cells.writeImage(bytes.data() + offset);
    if (!base::writeFileAtomically(filePath(), bytes))
        return false;
    if (r == RehCount) {
        RehCount = countRecords(bytes.size());
        CurReh = static_cast<std::uint8_t>(r + 1);
    }
    return true;
}

bool TemplateSet::appendTemplates(std::span<const GridCells> templates)
{
    std::error_code ec;
    std::vector<std::uint8_t> bytes;
    if (std::filesystem::exists(filePath(), ec)) {
        auto existing = base::readWholeFile(filePath());
        if (!existing)
            return false;
        bytes = std::move(*existing);
    }
    // The file decides, not the count read at start: records added since are kept.
    const std::size_t records = bytes.size() / GridCells::ImageSize;
    if (records + templates.size() > std::size_t(MaxTemplates))
        return false;
    if (templates.empty())
        return true;
    // Whatever partial record trails the last whole one is overwritten.
    bytes.resize(records * GridCells::ImageSize);
    for (const GridCells &cells : templates) {
        bytes.resize(bytes.size() + GridCells::ImageSize);
        cells.writeImage(bytes.data() + bytes.size() - GridCells::ImageSize);
    }
    if (!base::writeFileAtomically(filePath(), bytes))
        return false;
    RehCount = countRecords(bytes.size());
    CurReh = RehCount;
    return true;
}

bool TemplateSet::deleteTemplate(int n)
{
    if (n < 1 || n > RehCount)
        return false;
    auto bytes = base::readWholeFile(filePath());
    if (!bytes)
        return false;
    const auto begin = bytes->begin() + static_cast<std::ptrdiff_t>(GridCells::ImageSize) * (n - 1);
    bytes->erase(begin, begin + static_cast<std::ptrdiff_t>(GridCells::ImageSize));
    if (!base::writeFileAtomically(filePath(), *bytes))
        return false;
    RehCount = countRecords(bytes->size());
    if (CurReh > n || (CurReh == n && CurReh > 1))
        --CurReh;
    CurReh = std::min(CurReh, RehCount);
    return true;
}

} // namespace klettra::model
