#pragma once

#include "text/shortstring.h"

namespace klettra::dictionaries {

/// One dictionary entry in memory: the word and its clue, Windows-1251.
struct TPoolWord
{
    text::WordString Word;
    text::ClueString Clue;

    friend bool operator==(const TPoolWord &, const TPoolWord &) = default;
};

} // namespace klettra::dictionaries
