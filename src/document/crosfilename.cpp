#include "document/crosfilename.h"

#include <filesystem>

namespace klettra::document {

namespace {

std::string fileNameOf(std::string_view path)
{
    return std::filesystem::path(path).filename().string();
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

} // namespace

std::string CrosFileTitle(std::string_view crosFileName)
{
    if (crosFileName.empty())
        return {};
    std::string name = fileNameOf(crosFileName);
    for (int dropped = 0; dropped < 4 && !name.empty(); ++dropped) {
        // Drop one whole UTF-8 character: its continuation bytes, then its lead byte.
        while (name.size() > 1 && isContinuationByte(name.back()))
            name.pop_back();
        name.pop_back();
    }
    return " - " + name;
}

std::string untitledName(std::uint16_t untitledCount)
{
    return "Untitled" + std::to_string(untitledCount);
}

std::uint16_t untitledCountAfterSaveAs(std::uint16_t untitledCount, std::string_view chosenPath)
{
    if (fileNameOf(chosenPath) == untitledName(untitledCount) + ".crs")
        return static_cast<std::uint16_t>(untitledCount + 1);
    return untitledCount;
}

} // namespace klettra::document
