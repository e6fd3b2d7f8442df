#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "dictionarytestutil.h"
#include "engine/wordpool.h"

namespace klettra::test {

/// A pool of (word, clue) pairs given in UTF-8.
inline engine::WordPool poolOf(std::initializer_list<std::pair<std::string_view, std::string_view>> entries)
{
    engine::WordPool pool;
    for (const auto &[word, clue] : entries)
        pool.add(cp(word), cp(clue));
    return pool;
}

} // namespace klettra::test
