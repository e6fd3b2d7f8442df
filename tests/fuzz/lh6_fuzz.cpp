// Our -lh6- encoder against liblhasa on any data, with the block size and the match search taken
// from the first two bytes: what liblhasa unpacks must be exactly what went in.

#include <algorithm>
#include <cstdlib>

#include "document/lhareader.h"
#include "document/lhawriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace klettra::document;
    if (size < 2)
        return 0;
    const Lh6Options options{.maxChain = data[0] % 4 == 0 ? 0 : 1 << (data[0] % 9),
                             .blockCodes = data[1] < 128 ? std::size_t(data[1]) + 1 : 65535};
    const std::span input(data + 2, size - 2);
    const auto archive = packLh6Member("data", input, 0, Level0::ArchiveAttribute, options);
    const LhaMember member = extractLhaMember(archive, "data", input.size());
    if (!member.ok() || !std::equal(member.data.begin(), member.data.end(), input.begin(), input.end()))
        std::abort();
    return 0;
}
