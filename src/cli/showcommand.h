#pragma once

namespace klettra::cli {

struct CliContext;

inline constexpr const char *ShowSynopsis = "show FILE.crs [--grid] [--empty] [--questions] [--answers]";

/// Prints a crossword file: the filled grid, the empty grid with clue numbers, the questions and
/// the answers, or the parts asked for.
int runShow(CliContext &context);

} // namespace klettra::cli
