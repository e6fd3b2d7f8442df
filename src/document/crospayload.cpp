#include "document/crospayload.h"

#include "model/gridcheck.h"
#include "model/model.h"

namespace klettra::document {

using model::TWordBukv;

std::vector<std::uint8_t> buildPayload(const model::GridCells &cells, const model::WordBukvArray &slots)
{
    const std::size_t count = slots.empty() ? 0 : slots.size() - 1;
    std::vector<std::uint8_t> payload(Payload::FixedSize + count * TWordBukv::RecordSize);
    const auto n = static_cast<std::uint32_t>(count);
    for (std::size_t i = 0; i < Payload::CountSize; ++i)
        payload[i] = static_cast<std::uint8_t>(n >> (8 * i));
    cells.writeImage(payload.data() + Payload::CountSize);
    std::uint8_t *out = payload.data() + Payload::FixedSize;
    for (std::size_t i = 1; i <= count; ++i, out += TWordBukv::RecordSize)
        slots[i].writeTo(out);
    return payload;
}

CrosFileError parsePayload(std::span<const std::uint8_t> payload, model::GridCells &cells,
                           model::WordBukvArray &slots)
{
    if (payload.size() < Payload::FixedSize)
        return CrosFileError::BadSize;
    std::uint32_t raw = 0;
    for (std::size_t i = 0; i < Payload::CountSize; ++i)
        raw |= std::uint32_t(payload[i]) << (8 * i);
    const auto n = static_cast<std::int32_t>(raw);
    if (n < 0 || n > model::MaxSlots ||
        payload.size() != Payload::FixedSize + static_cast<std::size_t>(n) * TWordBukv::RecordSize)
        return CrosFileError::BadSize;

    const auto image = payload.subspan<Payload::CountSize, model::GridCells::ImageSize>();
    model::GridCells readCells = model::GridCells::fromImage(image);
    model::WordBukvArray readSlots(static_cast<std::size_t>(n) + 1);
    const std::uint8_t *in = payload.data() + Payload::FixedSize;
    for (std::size_t i = 1; i < readSlots.size(); ++i, in += TWordBukv::RecordSize) {
        auto slot = TWordBukv::readFrom(in);
        if (!slot)
            return CrosFileError::BadSlotRecord;
        readSlots[i] = *slot;
    }
    if (const CrosFileError error = checkCrossword(readCells, readSlots); error != CrosFileError::None)
        return error;
    cells = readCells;
    slots = std::move(readSlots);
    return CrosFileError::None;
}

CrosFileError checkCrossword(const model::GridCells &cells, const model::WordBukvArray &slots)
{
    if (slots.empty() || slots.size() - 1 > std::size_t(model::MaxSlots))
        return CrosFileError::BadSize;
    if (!model::isWellFormedGrid(cells))
        return CrosFileError::BadGrid;

    // The slots the cells give, derived the way composing derives them.
    model::Model derived;
    derived.cells = cells;
    derived.ComputeExtent();
    if (static_cast<std::size_t>(derived.CountSlots()) != slots.size() - 1)
        return CrosFileError::SlotCountMismatch;
    derived.ResetCrossword();
    derived.BuildSlots();
    for (int i = 1; i <= derived.slotCount(); ++i) {
        const TWordBukv &want = derived.slot(i);
        const TWordBukv &got = slots[static_cast<std::size_t>(i)];
        if (got.X != want.X || got.Y != want.Y || got.Dir != want.Dir || got.Len != want.Len || got.Used > 1)
            return CrosFileError::BadSlotRecord;
    }
    return CrosFileError::None;
}

} // namespace klettra::document
