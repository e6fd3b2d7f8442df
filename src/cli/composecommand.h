#pragma once

namespace klettra::cli {

struct CliContext;

/// The usage line of "compose".
extern const char *const ComposeSynopsis;

/// "compose": fills a template with words of the dictionaries and prints the crossword.
int runComposeCommand(CliContext &context);

} // namespace klettra::cli
