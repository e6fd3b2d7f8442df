#pragma once

#include <string>
#include <string_view>

#include "engine/ending.h"

namespace klettra::engine {

// The status texts a composition produces, in Windows-1251, for the window's status line and
// the command-line tool alike.

/// "Не найдено слово по шаблону : " and the pattern, each open cell shown as " - " and each
/// letter framed by spaces.
std::string patternNotFoundText(std::string_view pattern);

/// "Поиск повторов.", shown while a full board is checked for repeated words.
std::string searchingRepeatsText();

/// The status line a composition ends with.
std::string statusText(const Ending &ending);

/// The refusal to compose from dictionaries without a single word.
std::string noWordsText();

} // namespace klettra::engine
