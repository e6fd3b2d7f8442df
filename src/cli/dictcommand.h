#pragma once

namespace klettra::cli {

struct CliContext;

/// One line per subcommand of "dict", for the usage text.
extern const char *const DictSynopsis;

/// "dict": lists, creates, fills, searches and exports the dictionaries of the data directory.
int runDictCommand(CliContext &context);

} // namespace klettra::cli
