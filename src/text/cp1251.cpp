#include "text/cp1251.h"

#include <array>

namespace klettra::text {

namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are the contiguous Cyrillic А..я.
constexpr std::array<char16_t, 64> UpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

constexpr char32_t Cyrillic_A = 0x0410;
constexpr char32_t Cyrillic_ya = 0x044F;

// Decodes one UTF-8 sequence at `pos`, advancing it; nothing for a malformed sequence (then
// `pos` has moved past the offending byte).
std::optional<char32_t> decodeUtf8(std::string_view s, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(extra) > s.size())
        return std::nullopt;
    for (int i = 0; i < extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3Fu);
        ++pos;
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    static constexpr std::array<char32_t, 4> Smallest = {0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[static_cast<std::size_t>(extra)] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return cp;
}

} // namespace

char32_t toUnicode(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return Cyrillic_A + (byte - 0xC0u);
    return UpperHalf[byte - 0x80u];
}

std::optional<unsigned char> fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<unsigned char>(codePoint);
    if (codePoint >= Cyrillic_A && codePoint <= Cyrillic_ya)
        return static_cast<unsigned char>(0xC0u + (codePoint - Cyrillic_A));
    for (std::size_t i = 0; i < UpperHalf.size(); ++i) {
        if (UpperHalf[i] == codePoint)
            return static_cast<unsigned char>(0x80u + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0u | (cp >> 6));
        out += static_cast<char>(0x80u | (cp & 0x3Fu));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0u | (cp >> 12));
        out += static_cast<char>(0x80u | ((cp >> 6) & 0x3Fu));
        out += static_cast<char>(0x80u | (cp & 0x3Fu));
    } else {
        out += static_cast<char>(0xF0u | (cp >> 18));
        out += static_cast<char>(0x80u | ((cp >> 12) & 0x3Fu));
        out += static_cast<char>(0x80u | ((cp >> 6) & 0x3Fu));
        out += static_cast<char>(0x80u | (cp & 0x3Fu));
    }
}

std::string toUtf8(std::string_view cp1251)
{
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251)
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> fromUtf8Strict(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = decodeUtf8(utf8, pos);
        if (!cp)
            return std::nullopt;
        const auto byte = fromUnicode(*cp);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, char replacement)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = decodeUtf8(utf8, pos);
        const auto byte = cp ? fromUnicode(*cp) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : replacement;
    }
    return out;
}

std::string toUpper(std::string_view cp1251)
{
    std::string out(cp1251);
    for (char &c : out)
        c = static_cast<char>(toUpper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace klettra::text
