#pragma once

#include <string_view>

#include "model/model.h"

namespace klettra::test {

/// A small filled crossword: four slots of three letters round an enclosed blank at (3, 3).
///
///     1К О 2Т      slot 1: 1 across  КОТ  "Домашний зверь"
///      И # О       slot 2: 1 down    КИТ  "Морской великан"
///     3Т И К       slot 3: 2 down    ТОК  a clue full of <, >, & and "
///                  slot 4: 3 across  ТИК  "Нервное подёргивание"
model::Model ringCrossword();

/// Places `word` with `clue` (both UTF-8) in slot `i` and shows its letters.
void placeWord(model::Model &model, int i, std::string_view word, std::string_view clue);

} // namespace klettra::test
