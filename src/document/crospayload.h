#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/crosfile.h"
#include "model/board.h"
#include "model/gridcells.h"
#include "model/wordbukv.h"

namespace klettra::document {

/// Layout of the member "crw": the slot count N (signed 32-bit), the cell-map image, then the N
/// slot records.
namespace Payload {
constexpr std::size_t CountSize = 4;
constexpr std::size_t FixedSize = CountSize + model::GridCells::ImageSize;
constexpr std::size_t MaxSize = FixedSize + model::TWordBukv::RecordSize * model::MaxSlots;
static_assert(FixedSize == 7648);
} // namespace Payload

/// The payload of `cells` and the slots 1..N of `slots` (element 0 is not stored).
std::vector<std::uint8_t> buildPayload(const model::GridCells &cells, const model::WordBukvArray &slots);

/// Reads a payload into `cells` and `slots` (N + 1 elements, element 0 empty) after checking its
/// size and everything `checkCrossword` checks; on failure both are left as they were.
CrosFileError parsePayload(std::span<const std::uint8_t> payload, model::GridCells &cells,
                           model::WordBukvArray &slots);

/// Whether `slots` (element 0 unused) are exactly the slots that `cells` give: a well-formed grid,
/// as many records as start cells, each record at the position, in the direction and of the
/// length of its slot in reading order, and a Used byte of 0 or 1.
CrosFileError checkCrossword(const model::GridCells &cells, const model::WordBukvArray &slots);

} // namespace klettra::document
