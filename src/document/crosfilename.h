#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace klettra::document {

/// The window title's file part: " - " and the file name of `crosFileName` without its directory
/// and without its last four characters (meant to be ".crs", dropped whatever they are); empty
/// when there is no file. Paths are UTF-8; characters, not bytes, are counted.
std::string CrosFileTitle(std::string_view crosFileName);

/// The name Save As proposes: "Untitled" and the counter in decimal, without an extension.
std::string untitledName(std::uint16_t untitledCount);

/// The counter after Save As chose `chosenPath`: one more (wrapping at 65535) when the chosen file
/// name is exactly the proposal plus ".crs", letter case included; unchanged otherwise.
std::uint16_t untitledCountAfterSaveAs(std::uint16_t untitledCount, std::string_view chosenPath);

} // namespace klettra::document
