#include "cli/showcommand.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>

#include "cli/clicontext.h"
#include "cli/crosswordinput.h"
#include "editor/templatetext.h"
#include "model/model.h"
#include "output/cluelists.h"
#include "text/cp1251.h"

namespace klettra::cli {

namespace {

using model::CellKind::Blank;

constexpr const char *Help =
    "Usage: klettra-cli show FILE.crs [--grid] [--empty] [--questions] [--answers]\n"
    "\n"
    "Prints the crossword of FILE.crs in UTF-8. Without options all four parts are printed, each\n"
    "under its heading; with options only the parts asked for, and without a heading when only\n"
    "one is asked for.\n"
    "\n"
    "  --grid       the filled grid over the grid's extent, one character per cell: the letter,\n"
    "               '*' for a letter cell without a letter, '.' for background, '#' for an\n"
    "               enclosed blank (the form compose prints)\n"
    "  --empty      the empty grid, one field per cell, as wide as the largest clue number plus\n"
    "               one: the clue number in a start cell, '*' in another letter cell, '.' and '#'\n"
    "               as above\n"
    "  --questions  the questions: \"По горизонтали:\", the horizontal clues, a line holding one\n"
    "               space, \"По вертикали:\", the vertical clues (each entry: number, dot, clue)\n"
    "  --answers    the answers, laid out as the questions\n";

enum Part { FilledGrid, EmptyGrid, Questions, Answers, PartCount };

constexpr std::array<const char *, PartCount> PartOptions{"--grid", "--empty", "--questions", "--answers"};
constexpr std::array<const char *, PartCount> PartHeadings{
    "Полная сетка:", "Пустая сетка:", "Вопросы:", "Ответы:"};

/// The symbol of a non-letter cell, or 0 for a letter cell.
char backgroundSymbol(char kind)
{
    if (model::isLetterKind(kind))
        return 0;
    return kind == Blank ? '#' : '.';
}

std::string emptyGrid(const model::Model &m)
{
    int largest = 0;
    for (int y = m.extent.MinY; y <= m.extent.MaxY; ++y) {
        for (int x = m.extent.MinX; x <= m.extent.MaxX; ++x)
            largest = std::max<int>(largest, m.cells(x, y).Number);
    }
    const std::size_t width = std::to_string(largest).size() + 1;
    std::string text;
    for (int y = m.extent.MinY; y <= m.extent.MaxY; ++y) {
        std::string row;
        for (int x = m.extent.MinX; x <= m.extent.MaxX; ++x) {
            const model::Cell &cell = m.cells(x, y);
            const char symbol = backgroundSymbol(cell.Kind);
            std::string field = symbol != 0 ? std::string(1, symbol)
                                : model::isStartKind(cell.Kind) && cell.Number != 0
                                    ? std::to_string(cell.Number)
                                    : std::string("*");
            row += std::string(width - field.size(), ' ') + field;
        }
        text += row + '\n';
    }
    return text;
}

std::string listText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += text::toUtf8(line) + '\n';
    return text;
}

std::string partText(const model::Model &m, Part part)
{
    switch (part) {
    case FilledGrid:
        return editor::writeGridText(m.cells, m.letters);
    case EmptyGrid:
        return emptyGrid(m);
    case Questions:
        return listText(output::questionLines(m));
    case Answers:
    case PartCount:
        break;
    }
    return listText(output::answerLines(m));
}

} // namespace

int runShow(CliContext &context)
{
    std::array<bool, PartCount> asked{};
    std::vector<std::string> files;
    for (const std::string &arg : context.args) {
        if (arg == "--help") {
            context.out << Help;
            return ExitOk;
        }
        const auto option = std::find(PartOptions.begin(), PartOptions.end(), arg);
        if (option != PartOptions.end())
            asked[static_cast<std::size_t>(option - PartOptions.begin())] = true;
        else if (arg.starts_with("--"))
            return context.usage("show: unknown option " + arg);
        else
            files.push_back(arg);
    }
    if (files.size() != 1)
        return context.usage(std::string("usage: ") + ShowSynopsis);

    model::Model crossword;
    if (!loadCrossword(context, files.front(), crossword))
        return ExitFailure;

    const auto count = std::count(asked.begin(), asked.end(), true);
    if (count == 0)
        asked.fill(true);
    bool first = true;
    for (std::size_t part = 0; part < PartCount; ++part) {
        if (!asked[part])
            continue;
        if (count != 1)
            context.out << (first ? "" : "\n") << PartHeadings[part] << '\n';
        context.out << partText(crossword, static_cast<Part>(part));
        first = false;
    }
    return ExitOk;
}

} // namespace klettra::cli
