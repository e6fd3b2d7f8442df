#include "support/gridbuilder.h"

namespace klettra::test {

using namespace klettra::model;

GridBuilder &GridBuilder::horizontal(int x, int y, int len)
{
    Cell &start = m_cells(x, y);
    start.HLen = static_cast<std::uint8_t>(len);
    start.Kind = start.Kind == CellKind::VStart ? CellKind::BothStart : CellKind::HStart;
    for (int k = 1; k < len; ++k) {
        char &kind = m_cells(x + k, y).Kind;
        if (kind == CellKind::Background)
            kind = CellKind::HCell;
        else if (kind == CellKind::VCell)
            kind = CellKind::BothCell;
    }
    return *this;
}

GridBuilder &GridBuilder::vertical(int x, int y, int len)
{
    Cell &start = m_cells(x, y);
    start.VLen = static_cast<std::uint8_t>(len);
    start.Kind = start.Kind == CellKind::HStart ? CellKind::BothStart : CellKind::VStart;
    for (int k = 1; k < len; ++k) {
        char &kind = m_cells(x, y + k).Kind;
        if (kind == CellKind::Background)
            kind = CellKind::VCell;
        else if (kind == CellKind::HCell)
            kind = CellKind::BothCell;
    }
    return *this;
}

GridBuilder &GridBuilder::number()
{
    std::uint8_t next = 1;
    for (int y = 1; y <= BoardHeight; ++y) {
        for (int x = 1; x <= BoardWidth; ++x) {
            if (isStartKind(m_cells(x, y).Kind))
                m_cells(x, y).Number = next++;
        }
    }
    return *this;
}

Model GridBuilder::model() const
{
    Model m;
    m.cells = m_cells;
    m.ComputeExtent();
    m.ResetCrossword();
    m.BuildSlots();
    return m;
}

} // namespace klettra::test
