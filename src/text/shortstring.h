#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace klettra::text {

/// A string of at most `Capacity` single-byte characters, stored as one length byte followed by
/// `Capacity` character bytes: the layout of words (capacity 14) and clues (capacity 255) in
/// crossword files. The bytes past the length are kept as they are and written back unchanged.
template <std::size_t Capacity>
class ShortString
{
    static_assert(Capacity >= 1 && Capacity <= 255, "the length must fit one byte");

public:
    static constexpr std::size_t capacity = Capacity;
    /// Bytes the string occupies in a record: the length byte and the characters.
    static constexpr std::size_t storedSize = Capacity + 1;

    ShortString() = default;
    explicit ShortString(std::string_view text) { assign(text); }

    /// Takes at most the first `Capacity` characters of `text`.
    void assign(std::string_view text)
    {
        m_length = static_cast<std::uint8_t>(std::min(text.size(), Capacity));
        std::copy_n(text.begin(), m_length, m_chars.begin());
    }

    void clear() { m_length = 0; }

    std::size_t size() const { return m_length; }
    bool empty() const { return m_length == 0; }
    std::string_view view() const { return {m_chars.data(), m_length}; }
    std::string str() const { return std::string(view()); }

    /// Character `i`, counted from 0; `i` must be below `size()`.
    char operator[](std::size_t i) const { return m_chars[i]; }

    /// Writes the `storedSize` bytes of the record layout.
    void writeTo(std::uint8_t *out) const
    {
        out[0] = m_length;
        std::copy_n(m_chars.begin(), Capacity, out + 1);
    }

    /// Reads the record layout; nothing when the length byte exceeds the capacity.
    static std::optional<ShortString> readFrom(const std::uint8_t *in)
    {
        if (in[0] > Capacity)
            return std::nullopt;
        ShortString s;
        s.m_length = in[0];
        std::copy_n(in + 1, Capacity, s.m_chars.begin());
        return s;
    }

    /// Strings are equal when their texts are; the bytes past the length do not count.
    friend bool operator==(const ShortString &a, const ShortString &b) { return a.view() == b.view(); }

private:
    std::uint8_t m_length = 0;
    std::array<char, Capacity> m_chars{};
};

constexpr std::size_t WordCapacity = 14;
constexpr std::size_t ClueCapacity = 255;

using WordString = ShortString<WordCapacity>;
using ClueString = ShortString<ClueCapacity>;

} // namespace klettra::text
