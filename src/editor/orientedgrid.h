#pragma once

#include <cstdint>
#include <string_view>

#include "editor/direction.h"
#include "model/board.h"
#include "model/gridcells.h"

namespace klettra::editor {

/// The cell map seen along one direction. Coordinates are (along, across): for horizontal slots
/// that is (x, y); for vertical slots rows and columns swap, and so do the letters of the two
/// directions ('G' <-> 'V', 'g' <-> 'v'). Every neighbour rule is symmetric under that exchange,
/// so the editor writes each rule once, for horizontal slots, and reads the map through this view.
template <typename Cells>
class OrientedGrid
{
public:
    OrientedGrid(Cells &cells, Direction direction)
        : m_cells(cells)
        , m_vertical(direction == Direction::Vertical)
    {}

    /// Number of board cells along the direction (47 or 37).
    int alongSize() const { return m_vertical ? model::BoardHeight : model::BoardWidth; }

    /// The kind of cell (along, across), as a horizontal slot would see it.
    char kind(int along, int across) const { return swapped(cell(along, across).Kind); }

    /// True when the kind of (along, across) is one of `kinds`.
    bool is(int along, int across, std::string_view kinds) const
    {
        return kinds.find(kind(along, across)) != std::string_view::npos;
    }

    void setKind(int along, int across, char kind) const { cell(along, across).Kind = swapped(kind); }

    /// The length of the slot in this direction that starts at (along, across).
    auto &ownLength(int along, int across) const
    {
        auto &c = cell(along, across);
        return m_vertical ? c.VLen : c.HLen;
    }

    auto &cell(int along, int across) const
    {
        return m_vertical ? m_cells(across, along) : m_cells(along, across);
    }

    /// The rectangle of board cells from `first` to `last` along row or column `across`.
    model::CellRect rect(int first, int last, int across) const
    {
        return m_vertical ? model::CellRect{across, first, across, last}
                          : model::CellRect{first, across, last, across};
    }

private:
    char swapped(char kind) const
    {
        if (!m_vertical)
            return kind;
        switch (kind) {
        case model::CellKind::HStart:
            return model::CellKind::VStart;
        case model::CellKind::VStart:
            return model::CellKind::HStart;
        case model::CellKind::HCell:
            return model::CellKind::VCell;
        case model::CellKind::VCell:
            return model::CellKind::HCell;
        default:
            return kind;
        }
    }

    Cells &m_cells;
    bool m_vertical;
};

/// Position of a board cell in the oriented coordinates of `direction`.
struct OrientedPoint
{
    int along;
    int across;

    static OrientedPoint of(Direction direction, int x, int y)
    {
        return direction == Direction::Vertical ? OrientedPoint{y, x} : OrientedPoint{x, y};
    }
};

} // namespace klettra::editor
