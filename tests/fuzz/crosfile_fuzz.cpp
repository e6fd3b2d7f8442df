// Any bytes as a crossword file: refused or loaded, never a crash, and whatever loads is sound.

#include <cstdlib>

#include "document/crosfile.h"
#include "document/crospayload.h"
#include "model/model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace klettra;
    model::Model m;
    if (document::loadCrosBytes(std::span(data, size), m) &&
        document::checkCrossword(m.cells, m.slots) != document::CrosFileError::None)
        std::abort();
    return 0;
}
