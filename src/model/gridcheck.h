#pragma once

namespace klettra::model {

class GridCells;

/// True when a cell map read from a file can drive the model safely: the border is background,
/// every kind is known, every start cell carries exactly the lengths its kind calls for (3..14),
/// every slot stays on the board, and the grid has at most 255 slots. Templates and crossword
/// files that break this are refused rather than trusted.
bool isWellFormedGrid(const GridCells &cells);

} // namespace klettra::model
