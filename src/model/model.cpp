#include "model/model.h"

#include "model/modelobserver.h"

#include <algorithm>

namespace klettra::model {

void Model::ClearGrid()
{
    cells.clear();
}

Extent letterExtent(const GridCells &cells)
{
    Extent extent;
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            if (!isLetterKind(cells(x, y).Kind))
                continue;
            extent.MinX = std::min<std::uint8_t>(extent.MinX, static_cast<std::uint8_t>(x));
            extent.MaxX = std::max<std::uint8_t>(extent.MaxX, static_cast<std::uint8_t>(x));
            extent.MinY = std::min<std::uint8_t>(extent.MinY, static_cast<std::uint8_t>(y));
            extent.MaxY = std::max<std::uint8_t>(extent.MaxY, static_cast<std::uint8_t>(y));
        }
    }
    return extent;
}

void Model::ComputeExtent()
{
    extent = letterExtent(cells);
}

int Model::CountSlots() const
{
    int count = 0;
    for (int x = extent.MinX; x <= extent.MaxX; ++x) {
        for (int y = extent.MinY; y <= extent.MaxY; ++y) {
            const char kind = cells(x, y).Kind;
            if (kind == CellKind::HStart || kind == CellKind::VStart)
                count += 1;
            else if (kind == CellKind::BothStart)
                count += 2;
        }
    }
    return count;
}

void Model::BuildSlots()
{
    // The records must exist for every start cell; callers normally sized them by ResetCrossword.
    const auto needed = static_cast<std::size_t>(CountSlots() + 1);
    if (slots.size() < needed)
        slots.resize(needed);

    std::size_t i = 1;
    const auto setSlot = [&](std::size_t index, int x, int y, std::uint8_t dir, std::uint8_t len) {
        TWordBukv &s = slots[index];
        s.X = static_cast<std::uint8_t>(x);
        s.Y = static_cast<std::uint8_t>(y);
        s.Dir = dir;
        s.Len = len;
        s.Used = 0;
    };
    for (int y = extent.MinY; y <= extent.MaxY; ++y) {
        for (int x = extent.MinX; x <= extent.MaxX; ++x) {
            const Cell &c = cells(x, y);
            if (!isStartKind(c.Kind))
                continue;
            if (c.HLen != 0 && c.VLen != 0) {
                setSlot(i, x, y, Dir::Horizontal, c.HLen);
                setSlot(i + 1, x, y, Dir::Vertical, c.VLen);
                i += 2;
            } else {
                setSlot(i, x, y, c.HLen != 0 ? Dir::Horizontal : Dir::Vertical, c.HLen != 0 ? c.HLen : c.VLen);
                i += 1;
            }
        }
    }
}

std::optional<int> Model::FindMatrix(int x, int y, std::uint8_t dir) const
{
    for (int i = 1; i <= slotCount(); ++i) {
        const TWordBukv &s = slot(i);
        if (s.X == x && s.Y == y && s.Dir == dir)
            return i;
    }
    return std::nullopt;
}

void Model::RefreshLetters(const CellRect &rect)
{
    const auto writeSlot = [this](const TWordBukv &s, bool withWord) {
        for (int i = 1; i <= s.Len; ++i) {
            const auto [x, y] = s.cell(i);
            if (isOnBoard(x, y))
                letters(x, y) = withWord ? s.letter(i) : ' ';
        }
    };
    for (int i = 1; i <= slotCount(); ++i) {
        if (slot(i).Used == 0)
            writeSlot(slot(i), false);
    }
    for (int i = 1; i <= slotCount(); ++i) {
        if (slot(i).Used == 1)
            writeSlot(slot(i), true);
    }
    notifyChanged(rect);
}

void Model::ResetCrossword()
{
    letters.clear();
    slots.resize(static_cast<std::size_t>(CountSlots() + 1));
    for (std::size_t i = 1; i < slots.size(); ++i) {
        TWordBukv &s = slots[i];
        s.Used = 0;
        s.Word.clear();
        s.Clue.clear();
        s.Len = 0;
    }
}

CellRect Model::slotRect(int i) const
{
    const TWordBukv &s = slot(i);
    const auto [x2, y2] = s.cell(s.Len);
    return CellRect{s.X, s.Y, x2, y2};
}

void Model::showSlot(int i)
{
    const TWordBukv &s = slot(i);
    for (int k = 1; k <= s.Len; ++k) {
        const auto [x, y] = s.cell(k);
        if (isOnBoard(x, y))
            letters(x, y) = s.letter(k);
    }
    notifyChanged(slotRect(i));
}

void Model::clearSlotWord(int i)
{
    TWordBukv &s = slot(i);
    s.Word.clear();
    s.Clue.clear();
    s.Used = 0;
}

void Model::notifyChanged(const CellRect &rect) const
{
    if (m_observer)
        m_observer->cellsChanged(rect);
}

} // namespace klettra::model
