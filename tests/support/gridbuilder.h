#pragma once

#include "model/gridcells.h"
#include "model/model.h"

namespace klettra::test {

/// Builds cell maps for tests slot by slot, marking kinds as the template editor does, and numbers
/// the start cells in reading order when asked.
class GridBuilder
{
public:
    GridBuilder &horizontal(int x, int y, int len);
    GridBuilder &vertical(int x, int y, int len);
    GridBuilder &number();

    const model::GridCells &cells() const { return m_cells; }

    /// A model holding the grid with its extent computed and its slots derived.
    model::Model model() const;

private:
    model::GridCells m_cells;
};

} // namespace klettra::test
