#include "output/palette.h"

#include <array>

namespace klettra::output {

namespace {

struct Entry
{
    std::string_view name;
    Rgb rgb;
};

constexpr std::array<Entry, PaletteSize> Palette = {{
    {"black", {0x00, 0x00, 0x00}},
    {"maroon", {0x80, 0x00, 0x00}},
    {"green", {0x00, 0x80, 0x00}},
    {"olive", {0x80, 0x80, 0x00}},
    {"navy", {0x00, 0x00, 0x80}},
    {"purple", {0x80, 0x00, 0x80}},
    {"teal", {0x00, 0x80, 0x80}},
    {"gray", {0x80, 0x80, 0x80}},
    {"silver", {0xC0, 0xC0, 0xC0}},
    {"red", {0xFF, 0x00, 0x00}},
    {"lime", {0x00, 0xFF, 0x00}},
    {"yellow", {0xFF, 0xFF, 0x00}},
    {"blue", {0x00, 0x00, 0xFF}},
    {"fuchsia", {0xFF, 0x00, 0xFF}},
    {"aqua", {0x00, 0xFF, 0xFF}},
    {"white", {0xFF, 0xFF, 0xFF}},
}};

const Entry &entry(PaletteColor color)
{
    return Palette[static_cast<std::size_t>(color) % Palette.size()];
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

void appendHexByte(std::string &out, std::uint8_t byte)
{
    constexpr std::string_view Digits = "0123456789ABCDEF";
    out += Digits[byte >> 4];
    out += Digits[byte & 0x0F];
}

} // namespace

Rgb paletteRgb(PaletteColor color)
{
    return entry(color).rgb;
}

std::string_view paletteName(PaletteColor color)
{
    return entry(color).name;
}

std::optional<PaletteColor> paletteColorFromIndex(int index)
{
    if (index < 0 || index >= PaletteSize)
        return std::nullopt;
    return static_cast<PaletteColor>(index);
}

std::optional<PaletteColor> paletteColorFromName(std::string_view name)
{
    for (std::size_t i = 0; i < Palette.size(); ++i) {
        if (equalIgnoringAsciiCase(Palette[i].name, name))
            return static_cast<PaletteColor>(i);
    }
    return std::nullopt;
}

std::string HtmlColor(Rgb color)
{
    std::string out = "#";
    appendHexByte(out, color.red);
    appendHexByte(out, color.green);
    appendHexByte(out, color.blue);
    return out;
}

std::string HtmlColor(PaletteColor color)
{
    return HtmlColor(paletteRgb(color));
}

} // namespace klettra::output
