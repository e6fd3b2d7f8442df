#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/templatetext.h"

namespace klettra::cli {

struct CliContext;

/// One line of the tool's usage for the command below.
extern const char *const TemplatesSynopsis;

/// `templates list | show N | add FILE | export N|all`: lists, shows, adds and exports the
/// templates of the set in the data directory.
int runTemplatesCommand(CliContext &context);

/// The templates of the text file `fileName`, finished as saving finishes a template (numbered,
/// centred, enclosed blanks marked). Nothing when the file cannot be read, holds a fault or holds
/// no template; `error` then says why, naming the file and, for a fault, its line.
std::optional<std::vector<editor::TextTemplate>> readTemplateFile(const std::string &fileName,
                                                                  std::string &error);

} // namespace klettra::cli
