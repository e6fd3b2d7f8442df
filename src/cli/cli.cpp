#include "cli/cli.h"

#include <functional>
#include <map>
#include <ostream>

#include "app/datadir.h"
#include "cli/clicontext.h"
#include "cli/composecommand.h"
#include "cli/dictcommand.h"
#include "cli/exporthtmlcommand.h"
#include "cli/showcommand.h"
#include "cli/templatescommand.h"

namespace klettra::cli {

namespace {

using CommandFunction = std::function<int(CliContext &)>;

struct Command
{
    const char *synopsis;
    CommandFunction run;
};

const std::map<std::string, Command> &commands()
{
    static const std::map<std::string, Command> table = {
        {"compose", {ComposeSynopsis, runComposeCommand}},
        {"dict", {DictSynopsis, runDictCommand}},
        {"export-html", {ExportHtmlSynopsis, runExportHtml}},
        {"show", {ShowSynopsis, runShow}},
        {"templates", {TemplatesSynopsis, runTemplatesCommand}},
    };
    return table;
}

void printUsage(std::ostream &out)
{
    out << "Usage: klettra-cli [--data-dir DIR] [--no-seed] COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const auto &[name, command] : commands())
        out << "  " << command.synopsis << '\n';
    out << "\nThe data directory holds the templates (grating.dat) and the dictionaries (*.db).\n"
           "Default: the program's directory, or KLETTRA_DATA_DIR when set.\n"
           "An empty data directory receives the bundled dictionaries and templates, unless\n"
           "--no-seed is given.\n";
}

} // namespace

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, bool errIsTerminal)
{
    std::optional<std::filesystem::path> dataDirArg;
    bool seed = true;
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        if (args[i] == "--help") {
            printUsage(out);
            return ExitOk;
        }
        if (args[i] == "--no-seed") {
            seed = false;
            continue;
        }
        if (args[i] == "--data-dir" && i + 1 < args.size()) {
            dataDirArg = args[++i];
            continue;
        }
        err << "klettra-cli: unknown option " << args[i] << "\n";
        printUsage(err);
        return ExitUsage;
    }
    if (i == args.size()) {
        printUsage(err);
        return ExitUsage;
    }
    const auto found = commands().find(args[i]);
    if (found == commands().end()) {
        err << "klettra-cli: unknown command " << args[i] << "\n";
        printUsage(err);
        return ExitUsage;
    }

    const auto exeDir = app::executableDir();
    const auto dataDir = app::resolveDataDir(app::dataDirSourcesFromEnvironment(dataDirArg));
    CliContext context{
        .dataDir = dataDir,
        .args = std::vector<std::string>(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end()),
        .out = out,
        .err = err,
        .errIsTerminal = errIsTerminal,
    };
    std::string error;
    // Without a bundled directory to copy from, preparing only makes sure the directory exists.
    const auto bundledDir = seed ? app::bundledDataDir(exeDir) : std::filesystem::path();
    if (!app::prepareDataDir(dataDir, bundledDir, error))
        return context.fail(error);
    return found->second.run(context);
}

} // namespace klettra::cli
