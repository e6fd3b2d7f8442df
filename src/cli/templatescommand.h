#pragma once

namespace klettra::cli {

struct CliContext;

/// One line of the tool's usage for the command below.
extern const char *const TemplatesSynopsis;

/// `templates list | show N | add FILE | export N|all`: lists, shows, adds and exports the
/// templates of the set in the data directory.
int runTemplatesCommand(CliContext &context);

} // namespace klettra::cli
