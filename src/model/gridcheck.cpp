#include "model/gridcheck.h"

#include "model/gridcells.h"

namespace klettra::model {

namespace {

bool isSlotLength(int len)
{
    return len >= MinSlotLength && len <= MaxSlotLength;
}

bool isBorder(int x, int y)
{
    return x == 0 || y == 0 || x == GridColumns - 1 || y == GridRows - 1;
}

bool isWellFormedStart(const Cell &c, int x, int y)
{
    const bool wantsH = c.Kind == CellKind::HStart || c.Kind == CellKind::BothStart;
    const bool wantsV = c.Kind == CellKind::VStart || c.Kind == CellKind::BothStart;
    if (wantsH != (c.HLen != 0) || wantsV != (c.VLen != 0))
        return false;
    if (wantsH && (!isSlotLength(c.HLen) || x + c.HLen - 1 > BoardWidth))
        return false;
    if (wantsV && (!isSlotLength(c.VLen) || y + c.VLen - 1 > BoardHeight))
        return false;
    return true;
}

} // namespace

bool isWellFormedGrid(const GridCells &cells)
{
    int slots = 0;
    for (int x = 0; x < GridColumns; ++x) {
        for (int y = 0; y < GridRows; ++y) {
            const Cell &c = cells(x, y);
            if (isBorder(x, y)) {
                if (c.Kind != CellKind::Background)
                    return false;
                continue;
            }
            if (!isKnownKind(c.Kind))
                return false;
            if (!isStartKind(c.Kind))
                continue;
            if (!isWellFormedStart(c, x, y))
                return false;
            slots += c.Kind == CellKind::BothStart ? 2 : 1;
        }
    }
    return slots <= MaxSlots;
}

} // namespace klettra::model
