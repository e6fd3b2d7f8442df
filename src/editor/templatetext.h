#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/direction.h"
#include "model/gridcells.h"

namespace klettra::model {
class GridLetters;
}

namespace klettra::editor {

/// Why a template text was refused. Lines and columns count from 1 in the text as given.
struct TemplateTextError
{
    enum class Code {
        BadCharacter, ///< a grid line holds something other than '.', '*' and '#'
        RunOfTwo,     ///< two letters side by side that make no slot
        RunTooLong,   ///< a run of more than 14 letters
        LoneLetter,   ///< a letter that lies in no slot
        TooWide,      ///< more than 47 columns from the leftmost to the rightmost letter
        TooTall,      ///< more than 37 rows from the top to the bottom letter
        TooManySlots, ///< more than 255 slots
        NoLetters,    ///< a template without a single letter
    };

    Code code = Code::BadCharacter;
    int line = 0;
    int column = 0;
    Direction direction = Direction::Horizontal; ///< of the run, for the two run codes
    int size = 0; ///< the run's length, the width or height found, or the slot count reached

    friend bool operator==(const TemplateTextError &, const TemplateTextError &) = default;
};

/// One template read from text: its slots marked on a cell map whose top left letter sits at
/// column 1, row 1 of the board. Numbers, centring and blanks come with finishing.
struct TextTemplate
{
    model::GridCells cells;
    int line = 0;      ///< the line of its first row
    std::string title; ///< the first comment line before it, without the ';' and leading spaces
};

struct TemplateTextParse
{
    std::vector<TextTemplate> templates; ///< empty when `error` is set
    std::optional<TemplateTextError> error;
};

/// Reads the templates of a text: lines of '*' (letter cell), '.' (background) and '#' (enclosed
/// blank, read as background), one template after another, separated by empty lines. Lines
/// starting with ';' are comments. Trailing spaces and CR LF line ends are accepted. Every
/// maximal run of two or more letters in a row or a column is a slot. The first fault found
/// refuses the whole text.
TemplateTextParse parseTemplateText(std::string_view text);

/// The template as text over its extent: '*' letter cell, '.' background, '#' enclosed blank,
/// every line ended by '\n'. A grid without slots gives an empty text.
std::string writeTemplateText(const model::GridCells &cells);

/// The same with the letters placed on the board in letter cells (UTF-8), '*' where a letter
/// cell is still empty.
std::string writeGridText(const model::GridCells &cells, const model::GridLetters &letters);

} // namespace klettra::editor
