#include "engine/wordpool.h"

#include <algorithm>

#include "text/cp1251.h"

namespace klettra::engine {

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
}

bool WordPool::add(std::string_view word, std::string_view clue)
{
    if (!isPoolWord(word))
        return false;
    m_groups[word.size()].push_back(TPoolWord{text::WordString(word), text::ClueString(clue)});
    return true;
}

const std::vector<TPoolWord> &WordPool::group(int length) const
{
    static const std::vector<TPoolWord> none;
    if (length < MinWordLength || length > MaxWordLength)
        return none;
    return m_groups[static_cast<std::size_t>(length)];
}

std::size_t WordPool::size() const
{
    std::size_t total = 0;
    for (const auto &group : m_groups)
        total += group.size();
    return total;
}

} // namespace klettra::engine
