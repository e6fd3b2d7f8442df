#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace klettra::text {

/// Converts Windows-1251 bytes to UTF-8. Every byte of the code page has a character, so the
/// conversion never fails; 0x98, which the code page leaves unassigned, maps to U+0098 so that
/// a round trip keeps every byte.
std::string toUtf8(std::string_view cp1251);

/// Converts UTF-8 to Windows-1251, or nothing when the text is not valid UTF-8 or holds a
/// character the code page cannot represent.
std::optional<std::string> fromUtf8Strict(std::string_view utf8);

/// Converts UTF-8 to Windows-1251, replacing every character the code page lacks (and every
/// malformed sequence) by `replacement`.
std::string fromUtf8(std::string_view utf8, char replacement = '?');

/// The Unicode code point of one Windows-1251 byte.
char32_t toUnicode(unsigned char byte);

/// The Windows-1251 byte of a code point, or nothing when the code page lacks it.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

/// Appends the UTF-8 encoding of a code point.
void appendUtf8(std::string &out, char32_t codePoint);

constexpr unsigned char CapitalYo = 0xA8; // Ё
constexpr unsigned char SmallYo = 0xB8;   // ё
constexpr unsigned char CapitalA = 0xC0;  // А
constexpr unsigned char CapitalYa = 0xDF; // Я
constexpr unsigned char SmallA = 0xE0;    // а
constexpr unsigned char SmallYa = 0xFF;   // я

/// True for the upper-case Russian letters А..Я and Ё, the only characters a stored word may hold.
constexpr bool isUpperRussian(unsigned char c)
{
    return c == CapitalYo || (c >= CapitalA && c <= CapitalYa);
}

constexpr bool isLowerRussian(unsigned char c)
{
    return c == SmallYo || c >= SmallA;
}

/// Upper case of one Windows-1251 byte: Russian а..я and ё, and Latin a..z; others unchanged.
constexpr unsigned char toUpper(unsigned char c)
{
    if (c == SmallYo)
        return CapitalYo;
    if (c >= SmallA)
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    return c;
}

/// Upper case of Windows-1251 text, byte by byte as `toUpper`.
std::string toUpper(std::string_view cp1251);

} // namespace klettra::text
