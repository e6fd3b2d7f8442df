#include "cli/templatescommand.h"

#include <filesystem>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <vector>

#include "base/safefile.h"
#include "cli/clicontext.h"
#include "editor/templatefinishing.h"
#include "editor/templatetext.h"
#include "model/model.h"
#include "model/templateset.h"
#include "text/cp1251.h"

namespace klettra::cli {

const char *const TemplatesSynopsis = "templates list | show N | add FILE | export N|all";

const char *const TemplatesHelp =
    "Usage: klettra-cli templates list | show N | add FILE | export N|all\n"
    "\n"
    "  list       number, slot count, size and position of every template\n"
    "  show N     template N as text: '*' letter cell, '.' background, '#' enclosed blank\n"
    "  add FILE   appends every template of a text file, numbered and centred; adds nothing when\n"
    "             any of them is refused\n"
    "  export N   template N (or all of them) in the text form 'add' reads\n";

namespace {

using editor::TemplateTextError;

constexpr std::uintmax_t MaxTemplateFileSize = 16u << 20;

// What the listing says about one template.
struct TemplateSummary
{
    int slots = 0;
    model::Extent extent;

    int width() const { return extent.MaxX - extent.MinX + 1; }
    int height() const { return extent.MaxY - extent.MinY + 1; }
};

TemplateSummary summarise(const model::GridCells &cells)
{
    model::Model m;
    m.cells = cells;
    m.ComputeExtent();
    return {m.CountSlots(), m.extent};
}

std::string describe(const TemplateSummary &s)
{
    std::ostringstream text;
    text << s.slots << " slots, " << s.width() << " x " << s.height();
    return text.str();
}

std::string describe(const TemplateTextError &e)
{
    using Code = TemplateTextError::Code;
    const std::string direction = e.direction == editor::Direction::Horizontal ? "horizontal" : "vertical";
    const std::string column = " at column " + std::to_string(e.column);
    switch (e.code) {
    case Code::BadCharacter:
        return "unexpected character" + column + "; a template line holds only '.', '*' and '#'";
    case Code::RunOfTwo:
        return direction + " run of 2 letters" + column + "; a slot has 3 to 14 letters";
    case Code::RunTooLong:
        return direction + " run of " + std::to_string(e.size) + " letters" + column +
               "; a slot has at most 14 letters";
    case Code::LoneLetter:
        return "the letter" + column + " lies in no slot";
    case Code::TooWide:
        return "the template is " + std::to_string(e.size) + " columns wide; the board has 47";
    case Code::TooTall:
        return "the template is " + std::to_string(e.size) + " rows tall; the board has 37";
    case Code::TooManySlots:
        return "the template has " + std::to_string(e.size) +
               " slots; a grid holds at most 255 (the 256th starts" + column + ")";
    case Code::NoLetters:
        return "the template has no letter cell ('*')";
    }
    return "unreadable template";
}

// The template set of the data directory, counted.
model::TemplateSet openSet(const CliContext &c)
{
    model::TemplateSet set(c.dataDir);
    set.InitRehSet();
    return set;
}

// Reads template `n`; on failure reports it and returns nothing.
std::optional<model::GridCells> loadTemplate(const CliContext &c, const model::TemplateSet &set, int n)
{
    if (n > set.RehCount) {
        c.fail("there is no template " + std::to_string(n) + "; the set holds " +
               std::to_string(set.RehCount));
        return std::nullopt;
    }
    model::GridCells cells;
    if (!set.LoadReh(n, cells)) {
        c.fail("template " + std::to_string(n) + " of " + set.filePath().string() + " is damaged");
        return std::nullopt;
    }
    return cells;
}

std::optional<int> templateNumber(const std::string &arg)
{
    long long n = 0;
    if (!parseInt(arg, 1, model::TemplateSet::MaxTemplates, n))
        return std::nullopt;
    return static_cast<int>(n);
}

int listTemplates(CliContext &c)
{
    const model::TemplateSet set = openSet(c);
    if (set.RehCount == 0) {
        c.out << "The set holds no templates.\n";
        return ExitOk;
    }
    c.out << "  No.  Slots  Size     Columns  Rows\n";
    int status = ExitOk;
    for (int n = 1; n <= set.RehCount; ++n) {
        c.out << std::setw(5) << n;
        model::GridCells cells;
        if (!set.LoadReh(n, cells)) {
            c.out << "  damaged\n";
            status = ExitFailure;
            continue;
        }
        const TemplateSummary s = summarise(cells);
        std::ostringstream size;
        size << s.width() << " x " << s.height();
        std::ostringstream columns;
        columns << int(s.extent.MinX) << ".." << int(s.extent.MaxX);
        c.out << std::setw(7) << s.slots << "  " << std::left << std::setw(9) << size.str() << std::setw(9)
              << columns.str() << int(s.extent.MinY) << ".." << int(s.extent.MaxY) << std::right << '\n';
    }
    if (status != ExitOk)
        c.fail("some templates of " + set.filePath().string() + " are damaged");
    return status;
}

int showTemplate(CliContext &c, int n)
{
    const model::TemplateSet set = openSet(c);
    const auto cells = loadTemplate(c, set, n);
    if (!cells)
        return ExitFailure;
    c.out << editor::writeTemplateText(*cells);
    return ExitOk;
}

int exportTemplates(CliContext &c, const std::string &which)
{
    const model::TemplateSet set = openSet(c);
    const auto number = templateNumber(which);
    if (which != "all" && !number)
        return c.usage("templates export: give a template number (1..255) or 'all'");
    const int first = number.value_or(1);
    const int last = number.value_or(set.RehCount);
    // Everything is read before anything is printed, so a damaged record gives no half export.
    std::ostringstream text;
    for (int n = first; n <= last; ++n) {
        const auto cells = loadTemplate(c, set, n);
        if (!cells)
            return ExitFailure;
        text << (n > first ? "\n" : "") << "; Template " << n << ": " << describe(summarise(*cells)) << '\n'
             << editor::writeTemplateText(*cells);
    }
    c.out << text.str();
    return ExitOk;
}

int addTemplates(CliContext &c, const std::string &fileName)
{
    std::string error;
    const auto templates = readTemplateFile(fileName, error);
    if (!templates)
        return c.fail(error + "; nothing added");
    std::vector<model::GridCells> finished;
    for (const auto &t : *templates)
        finished.push_back(t.cells);
    model::TemplateSet set = openSet(c);
    const int first = set.RehCount + 1;
    if (finished.size() > std::size_t(model::TemplateSet::MaxTemplates - set.RehCount))
        return c.fail("Уже создано максимальное количество сеток! The set holds " +
                      std::to_string(set.RehCount) + " of 255 templates and " + fileName + " has " +
                      std::to_string(finished.size()) + "; nothing added");
    if (!set.appendTemplates(finished))
        return c.fail("cannot write " + set.filePath().string() + "; nothing added");
    for (std::size_t i = 0; i < finished.size(); ++i) {
        // The title is shown only when it is text the terminal can take as it stands.
        const std::string &title = (*templates)[i].title;
        const bool showTitle = !title.empty() && text::fromUtf8Strict(title);
        c.out << "Added template " << first + int(i) << ": " << describe(summarise(finished[i]))
              << (showTitle ? " (" + title + ")" : "") << '\n';
    }
    return ExitOk;
}

} // namespace

std::optional<std::vector<editor::TextTemplate>> readTemplateFile(const std::string &fileName,
                                                                  std::string &error)
{
    std::error_code ec;
    if (std::filesystem::file_size(fileName, ec) > MaxTemplateFileSize && !ec) {
        error = fileName + " is larger than 16 MiB, too large for a template file";
        return std::nullopt;
    }
    const auto bytes = base::readWholeFile(fileName, MaxTemplateFileSize);
    if (!bytes) {
        error = "cannot read " + fileName;
        return std::nullopt;
    }
    auto parse = editor::parseTemplateText(
        std::string_view(reinterpret_cast<const char *>(bytes->data()), bytes->size()));
    if (parse.error) {
        error = fileName + ":" + std::to_string(parse.error->line) + ": " + describe(*parse.error);
        return std::nullopt;
    }
    if (parse.templates.empty()) {
        error = fileName + " holds no template";
        return std::nullopt;
    }
    for (auto &t : parse.templates) {
        // The text has passed every check that finishing could refuse.
        (void)editor::finishTemplate(t.cells, true);
    }
    return std::move(parse.templates);
}

int runTemplatesCommand(CliContext &c)
{
    const std::vector<std::string> &args = c.args;
    const std::string sub = args.empty() ? "" : args[0];
    if (sub == "--help") {
        c.out << TemplatesHelp;
        return ExitOk;
    }
    if (sub == "list" && args.size() == 1)
        return listTemplates(c);
    if (sub == "add" && args.size() == 2)
        return addTemplates(c, args[1]);
    if (sub == "export" && args.size() == 2)
        return exportTemplates(c, args[1]);
    if (sub == "show" && args.size() == 2) {
        const auto n = templateNumber(args[1]);
        return n ? showTemplate(c, *n) : c.usage("templates show: give a template number (1..255)");
    }
    return c.usage(std::string("usage: ") + TemplatesSynopsis);
}

} // namespace klettra::cli
