#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace klettra::model {

class GridCells;

/// The user's grid templates, kept in "grating.dat" in the data directory: a headerless run of
/// 7,644-byte cell-map images, template N being record N - 1. Every change rewrites the file
/// through a temporary file renamed over it, so a failure never loses the set.
class TemplateSet
{
public:
    static constexpr const char *FileName = "grating.dat";
    static constexpr int MaxTemplates = 255;

    explicit TemplateSet(std::filesystem::path dataDir);

    std::filesystem::path filePath() const;

    /// Counts the templates (at most 255, whatever the file's length) and makes template 1
    /// current, or none for an empty set. A missing file is created empty; a file that exists
    /// but cannot be read counts as an empty set and is left alone.
    void InitRehSet();

    /// Reads template `n` into `cells`. A number outside 1..RehCount clears the grid and
    /// succeeds; a record that cannot be read or breaks the grid invariants clears the grid and
    /// fails.
    [[nodiscard]] bool LoadReh(int n, GridCells &cells) const;

    /// Writes `cells` as record `r` (0-based): r < RehCount replaces that template, r == RehCount
    /// appends one and makes it current. Fails, changing nothing, for any other r, for a full set,
    /// or when the file cannot be written.
    [[nodiscard]] bool writeRecord(int r, const GridCells &cells);

    /// Appends `templates` in order in one write, so that either all of them are added or none.
    /// Fails, changing nothing, when the set would grow beyond 255 or the file cannot be written.
    /// On success the last one added is current.
    [[nodiscard]] bool appendTemplates(std::span<const GridCells> templates);

    /// Removes template `n` (1..RehCount); later templates move down by one. The current number
    /// follows the template it named, or the one before a deleted current template (never below 1).
    [[nodiscard]] bool deleteTemplate(int n);

    std::uint8_t RehCount = 0;
    std::uint8_t CurReh = 0;

private:
    std::filesystem::path m_dataDir;
};

} // namespace klettra::model
