#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace klettra::model {
class Model;
struct TWordBukv;
} // namespace klettra::model

namespace klettra::output {

/// What a list entry shows of its slot.
enum class EntryText {
    Clue, ///< the questions
    Word, ///< the answers
};

/// Appends `text` to `out`, transformed as the target format needs (HTML escaping, for one).
using TextAppender = void (*)(std::string &out, std::string_view text);

/// Number of slots the lists cover: the grid's slot count, never more than the records that exist.
int listedSlotCount(const model::Model &model);

/// Clue number of a slot: the `Number` of its first cell, 0 when that cell is off the board.
int startNumber(const model::Model &model, const model::TWordBukv &slot);

/// One line of entries for the slots of direction `dir` in slot order: the clue number, ".", the
/// slot's clue or word, then `separator`, for every slot whether or not it holds a word. Empty
/// when the grid has no slot of that direction. Windows-1251 in and out; `append` (when given)
/// writes the slot text instead of copying it as it is.
std::string entryLine(const model::Model &model, std::uint8_t dir, EntryText text, std::string_view separator,
                      TextAppender append = nullptr);

/// The question list as the text page shows it, five lines in Windows-1251: "По горизонтали:",
/// the horizontal entries, " ", "По вертикали:", the vertical entries; entries end in two spaces.
std::vector<std::string> questionLines(const model::Model &model);

/// The answer list, laid out as `questionLines` with the words and three spaces after each entry.
std::vector<std::string> answerLines(const model::Model &model);

} // namespace klettra::output
