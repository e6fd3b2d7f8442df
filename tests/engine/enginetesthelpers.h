#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "engine/wordpool.h"
#include "text/cp1251.h"

namespace klettra::test {

/// Windows-1251 bytes of a UTF-8 literal, as the core holds every word and text.
inline std::string cp(std::string_view utf8)
{
    return text::fromUtf8(utf8);
}

/// A pool of (word, clue) pairs given in UTF-8.
inline engine::WordPool poolOf(std::initializer_list<std::pair<std::string_view, std::string_view>> entries)
{
    engine::WordPool pool;
    for (const auto &[word, clue] : entries)
        pool.add(cp(word), cp(clue));
    return pool;
}

} // namespace klettra::test
