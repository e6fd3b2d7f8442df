// Any bytes as the member "crw" of a well-made crossword file: this reaches the checks of the grid
// and the slot records, which the header checksum and the CRC-16 keep raw file fuzzing away from.
// What loads must save again to the same payload, and the file must never look damaged: that
// would be our encoder failing on these bytes.

#include <algorithm>
#include <cstdlib>

#include "document/crosfile.h"
#include "document/crospayload.h"
#include "document/lhawriter.h"
#include "model/model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace klettra;
    std::vector<std::uint8_t> payload(data, data + size);
    // Nearly every mutation changes the length, and only 7648 + 291 * N bytes pass the size
    // check (which the unit tests cover): give the input the size its own N (one byte) asks for.
    if (!payload.empty()) {
        payload.resize(std::max<std::size_t>(payload.size(), 4));
        std::fill_n(payload.begin() + 1, 3, 0);
        payload.resize(document::Payload::FixedSize + payload[0] * model::TWordBukv::RecordSize);
    }
    std::vector<std::uint8_t> file = document::packLh6Member("crw", payload, 0);
    std::fill_n(file.begin() + 3, 3, 0xFF);
    model::Model m;
    document::CrosFileError reason{};
    if (document::loadCrosBytes(file, m, &reason)) {
        if (document::buildPayload(m.cells, m.slots) != payload)
            std::abort();
    } else if (reason == document::CrosFileError::CorruptData) {
        std::abort();
    }
    return 0;
}
