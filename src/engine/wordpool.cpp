#include "engine/wordpool.h"

#include <algorithm>
#include <limits>

#include "text/cp1251.h"

namespace klettra::engine {

namespace {

bool isValidLength(int length)
{
    return length >= MinWordLength && length <= MaxWordLength;
}

} // namespace

bool WordPool::isPoolWord(std::string_view word)
{
    return word.size() >= MinWordLength && word.size() <= MaxWordLength &&
           std::ranges::all_of(word,
                               [](char c) { return text::isUpperRussian(static_cast<unsigned char>(c)); });
}

void WordPool::clear()
{
    for (auto &group : m_groups)
        group.clear();
    m_clues.clear();
}

bool WordPool::add(std::string_view word, std::string_view clue)
{
    if (!isPoolWord(word))
        return false;
    clue = clue.substr(0, text::ClueCapacity);
    // The offsets are 32 bits wide; a pool never comes near 4 GiB of clues, but it must not wrap.
    if (m_clues.size() > std::numeric_limits<std::uint32_t>::max() - clue.size())
        return false;
    m_groups[word.size()].push_back(Entry{text::WordString(word), static_cast<std::uint8_t>(clue.size()),
                                          static_cast<std::uint32_t>(m_clues.size())});
    m_clues.append(clue);
    return true;
}

std::size_t WordPool::PoolCount(int length) const
{
    return isValidLength(length) ? m_groups[static_cast<std::size_t>(length)].size() : 0;
}

const WordPool::Entry &WordPool::at(int length, std::size_t i) const
{
    return m_groups[static_cast<std::size_t>(length)][i];
}

std::string_view WordPool::word(int length, std::size_t i) const
{
    return at(length, i).word.view();
}

std::string_view WordPool::clue(int length, std::size_t i) const
{
    const Entry &e = at(length, i);
    return std::string_view(m_clues).substr(e.clueOffset, e.clueLength);
}

TPoolWord WordPool::entry(int length, std::size_t i) const
{
    return TPoolWord{at(length, i).word, text::ClueString(clue(length, i))};
}

std::size_t WordPool::size() const
{
    std::size_t total = 0;
    for (const auto &group : m_groups)
        total += group.size();
    return total;
}

std::size_t WordPool::memoryUsage() const
{
    std::size_t bytes = m_clues.capacity();
    for (const auto &group : m_groups)
        bytes += group.capacity() * sizeof(Entry);
    return bytes;
}

} // namespace klettra::engine
