#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace klettra::output {

/// The sixteen colours offered for an exported page, in the order the colour boxes list them.
enum class PaletteColor : std::uint8_t {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Gray,
    Silver,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White,
};

constexpr int PaletteSize = 16;

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

Rgb paletteRgb(PaletteColor color);

/// The English name in lower case: "black" ... "white".
std::string_view paletteName(PaletteColor color);

/// The colour at `index` 0..15 of the palette order, or nothing.
std::optional<PaletteColor> paletteColorFromIndex(int index);

/// The colour of an English name, letter case ignored, or nothing for an unknown name.
std::optional<PaletteColor> paletteColorFromName(std::string_view name);

/// "#RRGGBB" with upper-case hexadecimal digits, as the page's style sheet writes colours.
std::string HtmlColor(Rgb color);
std::string HtmlColor(PaletteColor color);

} // namespace klettra::output
