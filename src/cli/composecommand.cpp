#include "cli/composecommand.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "cli/clicontext.h"
#include "cli/templatescommand.h"
#include "dictionaries/slovarfiles.h"
#include "document/crosfile.h"
#include "editor/templatetext.h"
#include "engine/composer.h"
#include "engine/patternindex.h"
#include "engine/statustexts.h"
#include "engine/wordloader.h"
#include "engine/wordpool.h"
#include "model/model.h"
#include "model/templateset.h"
#include "output/cluelists.h"
#include "output/htmlpage.h"
#include "text/cp1251.h"

namespace klettra::cli {

const char *const ComposeSynopsis =
    "compose [--template N | --template-file FILE] [--dict NAME]... [--priority 1|2|3]\n"
    "          [--repeats | --no-repeats] [--skip-unclued | --keep-unclued] [--seed S]\n"
    "          [--max-steps K] [--time-limit SECONDS] [--quiet] [--out FILE.crs] [--html FILE.html]\n"
    "      fill a template with dictionary words; prints the grid, the questions and the answers";

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char *Help =
    "Usage: klettra-cli compose [OPTIONS]\n"
    "\n"
    "Fills a template with words of the dictionaries so that every crossing agrees, and prints\n"
    "the filled grid (letters, '.' for background, '#' for enclosed blanks), an empty line, the\n"
    "questions, an empty line and the answers, in UTF-8. Progress (on a terminal) and the final\n"
    "status line go to the error stream. Options not given take the settings' defaults.\n"
    "\n"
    "  --template N          template N of the set (default: 1)\n"
    "  --template-file FILE  the one template of a text file ('*' letter cell, '.' background)\n"
    "  --dict NAME           compose from this dictionary; repeat for several (default: all)\n"
    "  --priority 1|2|3      fill the longest (1, default) or shortest (2) empty slots first, or\n"
    "                        slots of a random length (3)\n"
    "  --repeats             allow a word in two slots\n"
    "  --no-repeats          replace repeated words until there are none (default)\n"
    "  --skip-unclued        leave words without a clue out (default)\n"
    "  --keep-unclued        use words without a clue too\n"
    "  --seed S              the random seed; the same seed, template and dictionaries give the\n"
    "                        same crossword (default: from the clock)\n"
    "  --max-steps K         stop after K steps without a complete crossword\n"
    "  --time-limit SECONDS  stop after this many seconds without a complete crossword\n"
    "  --quiet               no progress line\n"
    "  --out FILE.crs        also save the crossword file\n"
    "  --html FILE.html      also export the crossword as an HTML page\n"
    "\n"
    "Without a limit an impossible grid is composed until the program is interrupted.\n"
    "Exit status: 0 complete, 1 stopped or failed, 2 wrong command line.\n";

/// The command line of "compose"; what is not given takes the settings' defaults.
struct ComposeOptions
{
    std::optional<int> templateNumber;
    std::optional<std::filesystem::path> templateFile;
    std::vector<std::string> dictionaries;
    std::optional<std::uint8_t> priority;
    std::optional<bool> removeRepeats;
    std::optional<bool> skipUnclued;
    std::optional<std::uint64_t> seed;
    std::optional<std::uint64_t> maxSteps;
    std::optional<std::chrono::milliseconds> timeLimit;
    std::optional<std::filesystem::path> outFile;
    std::optional<std::filesystem::path> htmlFile;
    bool quiet = false;
    bool help = false;
};

std::optional<std::chrono::milliseconds> parseSeconds(const std::string &text)
{
    double seconds = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, seconds);
    if (ec != std::errc() || ptr != end || text.empty() || !std::isfinite(seconds) || seconds < 0 ||
        seconds > 1e9)
        return std::nullopt;
    return std::chrono::milliseconds(static_cast<long long>(std::llround(seconds * 1000)));
}

/// Sets `flag` once; a second, contradicting switch is an error.
bool setSwitch(std::optional<bool> &flag, bool value)
{
    if (flag && *flag != value)
        return false;
    flag = value;
    return true;
}

/// Reads the arguments into `o`; the message of the first problem, or nothing.
std::optional<std::string> parseOptions(const std::vector<std::string> &args, ComposeOptions &o)
{
    constexpr long long MaxCount = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        const auto takesNoValue = [&] {
            return !inlineValue;
        };
        long long number = 0;

        if (name == "--template" || name == "--template-file" || name == "--dict" || name == "--priority" ||
            name == "--seed" || name == "--max-steps" || name == "--time-limit" || name == "--out" ||
            name == "--html") {
            const auto v = value();
            if (!v)
                return name + " needs a value";
            if (name == "--template") {
                if (!parseInt(*v, 1, 255, number))
                    return "--template takes a template number 1..255, not " + *v;
                o.templateNumber = static_cast<int>(number);
            } else if (name == "--template-file") {
                o.templateFile = *v;
            } else if (name == "--dict") {
                o.dictionaries.push_back(*v);
            } else if (name == "--priority") {
                if (!parseInt(*v, 1, 3, number))
                    return "--priority takes 1 (longest first), 2 (shortest first) or 3 (none), not " + *v;
                o.priority = static_cast<std::uint8_t>(number);
            } else if (name == "--seed") {
                if (!parseInt(*v, 0, MaxCount, number))
                    return "--seed takes a whole number 0 or more, not " + *v;
                o.seed = static_cast<std::uint64_t>(number);
            } else if (name == "--max-steps") {
                if (!parseInt(*v, 1, MaxCount, number))
                    return "--max-steps takes a whole number 1 or more, not " + *v;
                o.maxSteps = static_cast<std::uint64_t>(number);
            } else if (name == "--time-limit") {
                o.timeLimit = parseSeconds(*v);
                if (!o.timeLimit)
                    return "--time-limit takes a number of seconds, not " + *v;
            } else if (name == "--out") {
                o.outFile = *v;
            } else {
                o.htmlFile = *v;
            }
        } else if (name == "--repeats" || name == "--no-repeats") {
            if (!takesNoValue() || !setSwitch(o.removeRepeats, name == "--no-repeats"))
                return "--repeats and --no-repeats exclude each other and take no value";
        } else if (name == "--skip-unclued" || name == "--keep-unclued") {
            if (!takesNoValue() || !setSwitch(o.skipUnclued, name == "--skip-unclued"))
                return "--skip-unclued and --keep-unclued exclude each other and take no value";
        } else if (name == "--help" && takesNoValue()) {
            o.help = true;
        } else if (name == "--quiet" && takesNoValue()) {
            o.quiet = true;
        } else {
            return "compose: unknown argument " + args[i];
        }
    }
    if (o.templateNumber && o.templateFile)
        return "--template and --template-file exclude each other";
    return std::nullopt;
}

/// Puts the template to compose into `model`'s cells, or says why it cannot.
std::optional<std::string> loadTemplate(const CliContext &context, const ComposeOptions &o,
                                        model::Model &model)
{
    if (o.templateFile) {
        std::string error;
        const auto templates = readTemplateFile(o.templateFile->string(), error);
        if (!templates)
            return error;
        if (templates->size() != 1)
            return o.templateFile->string() + " holds " + std::to_string(templates->size()) +
                   " templates; compose takes a file with one";
        model.cells = templates->front().cells;
        return std::nullopt;
    }

    model::TemplateSet templates(context.dataDir);
    if (!std::filesystem::exists(templates.filePath()))
        return "the data directory has no templates (" + templates.filePath().string() + ")";
    templates.InitRehSet();
    const int number = o.templateNumber.value_or(templates.CurReh);
    if (number < 1 || number > templates.RehCount)
        return "there is no template " + std::to_string(number) + "; the set holds " +
               std::to_string(templates.RehCount);
    if (!templates.LoadReh(number, model.cells))
        return "template " + std::to_string(number) + " is damaged";
    return std::nullopt;
}

/// The single updating line of progress on a terminal.
class ProgressLine
{
public:
    ProgressLine(std::ostream &err, bool enabled)
        : m_err(err)
        , m_enabled(enabled)
    {}

    /// Shows `utf8` unless a line was shown less than a tenth of a second ago.
    void show(const std::string &utf8)
    {
        if (!m_enabled)
            return;
        const auto now = Clock::now();
        if (m_shown && now - m_lastShown < std::chrono::milliseconds(100))
            return;
        m_err << '\r' << utf8 << "\x1b[K" << std::flush;
        m_lastShown = now;
        m_shown = true;
    }

    void clear()
    {
        if (m_shown)
            m_err << "\r\x1b[K" << std::flush;
        m_shown = false;
    }

private:
    std::ostream &m_err;
    bool m_enabled;
    bool m_shown = false;
    Clock::time_point m_lastShown;
};

void printLines(std::ostream &out, const std::vector<std::string> &lines)
{
    for (const auto &line : lines)
        out << text::toUtf8(line) << '\n';
}

} // namespace

int runComposeCommand(CliContext &context)
{
    ComposeOptions o;
    if (const auto problem = parseOptions(context.args, o))
        return context.usage(*problem);
    if (o.help) {
        context.out << Help;
        return ExitOk;
    }

    model::Model model;
    if (const auto problem = loadTemplate(context, o, model))
        return context.fail(*problem);

    const auto allSlovars = dictionaries::FindSlovars(context.dataDir);
    const app::Settings defaults = app::Settings::defaults(allSlovars);
    for (const auto &name : o.dictionaries) {
        if (std::ranges::find(allSlovars, name) == allSlovars.end())
            return context.fail("there is no dictionary " + name);
    }
    const auto &used = o.dictionaries.empty() ? defaults.UsedSlovars : o.dictionaries;
    const engine::CompositionParams params{
        .priority = o.priority.value_or(defaults.PrioritetSlov),
        .removeRepeats = o.removeRepeats.value_or(defaults.CreateWithoutPovtors),
        .skipUnclued = o.skipUnclued.value_or(defaults.NotUseWordsWithoutVopros),
        .seed = o.seed,
        .maxSteps = o.maxSteps,
        .timeLimit = o.timeLimit,
    };

    ProgressLine progress(context.err, context.errIsTerminal && !o.quiet);
    const auto total = std::to_string(dictionaries::CountUsedWords(context.dataDir, used));
    engine::WordPool pool;
    std::size_t recordsRead = 0;
    engine::LoadWords(context.dataDir, used, params.skipUnclued, pool, [&](std::size_t read) {
        recordsRead = read;
        progress.show("Загрузка слов из словарей ... " + std::to_string(read) + " из " + total);
        return true;
    });
    if (recordsRead == 0) {
        progress.clear();
        context.err << text::toUtf8(engine::noWordsText()) << '\n';
        return ExitFailure;
    }

    const engine::PatternIndex index(pool);
    engine::Composer composer(model, index);
    composer.start(params);
    const auto slots = std::to_string(model.slotCount());
    while (composer.isRunning()) {
        composer.step();
        if (composer.steps() % 256 == 0) {
            progress.show("Составление кроссворда ... " + std::to_string(composer.PutCount()) + " из " +
                          slots + " слов, шаг " + std::to_string(composer.steps()));
        }
    }
    progress.clear();
    const engine::Ending ending = composer.ending().value_or(engine::Ending{engine::Outcome::Cancelled});
    context.err << text::toUtf8(engine::statusText(ending)) << '\n';
    if (!ending.isCompleted())
        return ExitFailure;

    context.out << editor::writeGridText(model.cells, model.letters) << '\n';
    printLines(context.out, output::questionLines(model));
    context.out << '\n';
    printLines(context.out, output::answerLines(model));

    std::string error;
    if (o.outFile && !document::SaveCrosFile(model, *o.outFile, &error))
        return context.fail("cannot save " + o.outFile->string() + ": " + error);
    if (o.htmlFile && output::writeHtmlPage(*o.htmlFile, model, output::HtmlOptions{}, &error) !=
                          output::HtmlExportError::None)
        return context.fail("cannot write " + o.htmlFile->string() + ": " + error);
    return ExitOk;
}

} // namespace klettra::cli
