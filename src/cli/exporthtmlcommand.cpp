#include "cli/exporthtmlcommand.h"

#include <array>
#include <ostream>
#include <sstream>
#include <vector>

#include "cli/clicontext.h"
#include "cli/crosswordinput.h"
#include "model/model.h"
#include "output/htmlpage.h"

namespace klettra::cli {

namespace {

constexpr const char *Help =
    "Usage: klettra-cli export-html FILE.crs OUT.html [OPTIONS]\n"
    "\n"
    "Writes the crossword of FILE.crs as an HTML page in Windows-1251. The defaults are those of\n"
    "the export dialog.\n"
    "\n"
    "  --cell-size S        cell size in pixels, 10..40 (18)\n"
    "  --font-size F        size of the question and answer text in pixels, 2..72 (12)\n"
    "  --colors PB,LC,CB,TC,QC\n"
    "                       page background, grid lines, cell background, text in the grid, text\n"
    "                       of the questions and answers (silver,black,white,blue,black); an empty\n"
    "                       name keeps that colour's default\n"
    "  --sections LIST      what to put on the page, comma-separated: empty, full, questions,\n"
    "                       answers (all four)\n"
    "  --empty-view         export as from the empty-grid view: only the empty grid can be placed\n"
    "\n"
    "Colours: black, maroon, green, olive, navy, purple, teal, gray, silver, red, lime, yellow,\n"
    "blue, fuchsia, aqua, white.\n";

std::vector<std::string> splitCommas(const std::string &text)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, ','))
        parts.push_back(part);
    if (!text.empty() && text.back() == ',')
        parts.emplace_back();
    return parts;
}

bool parseColors(const std::string &text, output::HtmlOptions &options)
{
    const std::array<output::PaletteColor *, 5> targets{&options.pageBackground, &options.gridLines,
                                                        &options.cellBackground, &options.gridText,
                                                        &options.clueText};
    const auto names = splitCommas(text);
    if (names.size() != targets.size())
        return false;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (names[i].empty())
            continue;
        const auto color = output::paletteColorFromName(names[i]);
        if (!color)
            return false;
        *targets[i] = *color;
    }
    return true;
}

bool parseSections(const std::string &text, output::HtmlOptions &options)
{
    options.emptyGrid = options.fullGrid = options.questions = options.answers = false;
    for (const std::string &name : splitCommas(text)) {
        if (name == "empty")
            options.emptyGrid = true;
        else if (name == "full")
            options.fullGrid = true;
        else if (name == "questions")
            options.questions = true;
        else if (name == "answers")
            options.answers = true;
        else if (!name.empty())
            return false;
    }
    return true;
}

/// A size option: any whole number is taken here, so that one out of range gets the dialog's
/// message rather than a usage line.
bool parseSize(const std::string &text, int &size)
{
    long long value = 0;
    if (!parseInt(text, -1'000'000'000, 1'000'000'000, value))
        return false;
    size = static_cast<int>(value);
    return true;
}

} // namespace

int runExportHtml(CliContext &context)
{
    output::HtmlOptions options;
    std::vector<std::string> files;
    const auto &args = context.args;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help") {
            context.out << Help;
            return ExitOk;
        }
        if (arg == "--empty-view") {
            options.FullSetkaShown = false;
            continue;
        }
        if (!arg.starts_with("--")) {
            files.push_back(arg);
            continue;
        }
        if (i + 1 == args.size())
            return context.usage("export-html: " + arg + " needs a value");
        const std::string &value = args[++i];
        if (arg == "--cell-size" || arg == "--font-size") {
            if (!parseSize(value, arg == "--cell-size" ? options.cellSize : options.fontSize))
                return context.usage("export-html: " + arg + " needs a whole number, not " + value);
        } else if (arg == "--colors") {
            if (!parseColors(value, options))
                return context.usage(
                    "export-html: --colors needs five colour names separated by commas, not " + value);
        } else if (arg == "--sections") {
            if (!parseSections(value, options))
                return context.usage("export-html: unknown section in " + value +
                                     " (empty, full, questions, answers)");
        } else {
            return context.usage("export-html: unknown option " + arg);
        }
    }
    if (files.size() != 2)
        return context.usage(std::string("usage: ") + ExportHtmlSynopsis);

    // Checked before the file is read, in the order the export dialog checks them.
    if (const auto problem = output::validateHtmlOptions(options); problem != output::HtmlExportError::None)
        return context.usage(std::string(output::htmlExportMessage(problem)));

    model::Model crossword;
    if (!loadCrossword(context, files[0], crossword))
        return ExitFailure;
    std::string error;
    if (output::writeHtmlPage(files[1], crossword, options, &error) != output::HtmlExportError::None)
        return context.fail(error);
    return ExitOk;
}

} // namespace klettra::cli
