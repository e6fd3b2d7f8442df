#pragma once

#include "model/model.h"

namespace klettra::test {

/// Four slots on a 3 x 3 square, filled with words that agree at every crossing, numbered, with
/// the enclosed centre cell marked blank:
///
///     К О Т      1 . 2      slot 1: 1 across  КОТ   slot 3: 2 down   ТОК
///     И # О      . # .      slot 2: 1 down    КИТ   slot 4: 3 across ТИК
///     Т И К      3 . .
model::Model smallCrossword();

/// A filled crossword of `slotCount` (0..255) horizontal slots of lengths 3..14, with synthetic Windows-1251
/// words and clues of every length up to 255; letters rebuilt.
model::Model filledCrossword(int slotCount);

} // namespace klettra::test
