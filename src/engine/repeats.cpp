#include "engine/repeats.h"

#include "engine/slotfiller.h"
#include "model/model.h"

namespace klettra::engine {

int RemovePovtors(SlotFiller &filler)
{
    const model::Model &m = filler.model();
    const int n = m.slotCount();
    int removed = 0;
    for (int i = 1; i <= n; ++i) {
        for (int c = i + 1; c <= n; ++c) {
            // Tested afresh for each pair: a slot emptied earlier in this pass no longer counts.
            const model::TWordBukv &first = m.slot(i);
            const model::TWordBukv &later = m.slot(c);
            if (first.Used != 1 || later.Used != 1 || first.Len != later.Len || first.Word != later.Word)
                continue;
            filler.emptySlot(c);
            filler.FreeCrossings(c);
            ++removed;
        }
    }
    return removed;
}

} // namespace klettra::engine
