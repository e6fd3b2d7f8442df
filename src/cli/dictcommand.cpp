#include "cli/dictcommand.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>

#include "base/safefile.h"
#include "cli/clicontext.h"
#include "dictionaries/slovarfiles.h"
#include "dictionaries/slovartable.h"
#include "dictionaries/wordentry.h"
#include "text/cp1251.h"
#include "text/shortstring.h"

namespace klettra::cli {

using dictionaries::Field;
using dictionaries::SlovarTable;
using dictionaries::WordErrorCode;

const char *const DictSynopsis =
    "dict list                         dictionaries and their word counts\n"
    "  dict create NAME                  a new empty dictionary\n"
    "  dict add NAME WORD CLUE           add one word, checked and normalised\n"
    "  dict find NAME WORD               the word and its clue\n"
    "  dict count NAME                   the number of words\n"
    "  dict export NAME                  every word as a WORD<TAB>CLUE line\n"
    "  dict import-tsv NAME FILE...      add WORD<TAB>CLUE lines of UTF-8 files\n"
    "  dict rename NAME NEW-NAME         rename a dictionary\n"
    "  dict delete NAME                  delete a dictionary";

namespace {

namespace fs = std::filesystem;

constexpr std::string_view NotCp1251 = "is not valid UTF-8 or holds characters Windows-1251 lacks";

bool dictionaryExists(const CliContext &context, const std::string &name)
{
    std::error_code ec;
    return fs::exists(context.dataDir / (name + ".db"), ec);
}

// Opens dictionary `name` or explains on stderr why not.
bool openTable(const CliContext &context, SlovarTable &table)
{
    if (!dictionaries::isValidSlovarName(table.name())) {
        context.fail("not a dictionary name: " + table.name());
        return false;
    }
    if (!dictionaryExists(context, table.name())) {
        context.fail("no dictionary " + table.name() + " in " + context.dataDir.string());
        return false;
    }
    if (!table.open()) {
        context.fail(table.lastError());
        return false;
    }
    return true;
}

// Text for the output: the word and its clue, TAB between, each line ending kept off the line.
std::string entryLine(const std::string &word, const std::string &clue)
{
    std::string line = text::toUtf8(word) + '\t' + text::toUtf8(clue);
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    return line;
}

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The reason a word and clue (Windows-1251, word upper-cased) cannot be added, or nothing.
std::optional<std::string> refusal(const std::string &word, const std::string &clue, SlovarTable &table)
{
    if (word.size() > text::WordCapacity)
        return "the word is longer than 14 letters";
    if (clue.size() > text::ClueCapacity)
        return "the clue is longer than 255 characters";
    const WordErrorCode code = dictionaries::WordError(word, clue, table);
    if (code != WordErrorCode::Ok)
        return std::string(dictionaries::WordErrorMessage(code));
    return std::nullopt;
}

// Stores a checked word and clue as the entry rules shape it; the stored entry, or nothing with
// the reason in the table's last error.
std::optional<dictionaries::TPoolWord> store(const std::string &word, const std::string &clue,
                                             SlovarTable &table)
{
    const auto entry = dictionaries::NormalizeEntry(word, clue);
    table.insert();
    table.setField(Field::Slovo, entry.Word.view());
    table.setField(Field::Opisanie, entry.Clue.view());
    if (!table.post()) {
        table.cancel();
        return std::nullopt;
    }
    return entry;
}

int list(CliContext &context)
{
    if (!context.args.empty())
        return context.usage("usage: dict list");
    auto names = dictionaries::FindSlovars(context.dataDir);
    std::sort(names.begin(), names.end());
    for (const auto &name : names)
        context.out << name << '\t' << dictionaries::CountSlovarWords(context.dataDir, name) << '\n';
    return ExitOk;
}

int create(CliContext &context)
{
    if (context.args.size() != 1)
        return context.usage("usage: dict create NAME");
    const std::string &name = context.args[0];
    if (!dictionaries::isValidSlovarName(name))
        return context.fail("not a usable dictionary name: " + name);
    if (dictionaryExists(context, name))
        return context.fail("a dictionary " + name + " already exists");
    std::string error;
    if (!dictionaries::CreateSlovarTable(context.dataDir, name, &error))
        return context.fail(error);
    context.out << "created " << name << '\n';
    return ExitOk;
}

int add(CliContext &context)
{
    if (context.args.size() != 3)
        return context.usage("usage: dict add NAME WORD CLUE");
    const auto word = text::fromUtf8Strict(context.args[1]);
    if (!word)
        return context.fail("the word " + std::string(NotCp1251));
    const auto clue = text::fromUtf8Strict(context.args[2]);
    if (!clue)
        return context.fail("the clue " + std::string(NotCp1251));
    if (hasLineBreak(*clue))
        return context.fail("the clue must be one line");

    SlovarTable table(context.dataDir, context.args[0]);
    if (!openTable(context, table))
        return ExitFailure;
    // The word box of the program turns every letter into a capital as it is typed.
    const std::string upperWord = text::toUpper(*word);
    if (const auto why = refusal(upperWord, *clue, table))
        return context.fail(*why);
    const auto entry = store(upperWord, *clue, table);
    if (!entry || !table.flush())
        return context.fail(table.lastError());
    context.out << entryLine(entry->Word.str(), entry->Clue.str()) << '\n';
    return ExitOk;
}

int find(CliContext &context)
{
    if (context.args.size() != 2)
        return context.usage("usage: dict find NAME WORD");
    const auto word = text::fromUtf8Strict(context.args[1]);
    if (!word)
        return context.fail("the word " + std::string(NotCp1251));
    SlovarTable table(context.dataDir, context.args[0]);
    if (!openTable(context, table))
        return ExitFailure;
    if (!table.findExact(text::toUpper(*word)))
        return context.fail(text::toUtf8(text::toUpper(*word)) + " is not in " + context.args[0]);
    context.out << entryLine(table.field(Field::Slovo), table.field(Field::Opisanie)) << '\n';
    return ExitOk;
}

int count(CliContext &context)
{
    if (context.args.size() != 1)
        return context.usage("usage: dict count NAME");
    SlovarTable table(context.dataDir, context.args[0]);
    if (!openTable(context, table))
        return ExitFailure;
    context.out << table.count() << '\n';
    return ExitOk;
}

int exportTsv(CliContext &context)
{
    if (context.args.size() != 1)
        return context.usage("usage: dict export NAME");
    SlovarTable table(context.dataDir, context.args[0]);
    if (!openTable(context, table))
        return ExitFailure;
    for (table.first(); !table.atEnd(); table.next())
        context.out << entryLine(table.field(Field::Slovo), table.field(Field::Opisanie)) << '\n';
    if (!context.out)
        return context.fail("cannot write the output");
    return ExitOk;
}

// Splits text into lines ending at CR LF, a lone CR or a lone LF.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

struct ImportCounts
{
    long long added = 0;
    long long skipped = 0;
};

// Adds the lines of one file; false when the table refused to store an entry.
bool importFile(CliContext &context, const std::string &file, std::string_view content, SlovarTable &table,
                ImportCounts &counts)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (content.starts_with(ByteOrderMark))
        content.remove_prefix(ByteOrderMark.size());
    const auto lines = splitLines(content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        const auto skip = [&](std::string_view why) {
            context.out << "skipped " << file << ':' << i + 1 << ": " << why << '\n';
            ++counts.skipped;
        };
        const auto converted = text::fromUtf8Strict(line);
        if (!converted) {
            skip("the line " + std::string(NotCp1251));
            continue;
        }
        const std::size_t tab = converted->find('\t');
        const std::string word = text::toUpper(converted->substr(0, tab));
        const std::string clue = tab == std::string::npos ? std::string() : converted->substr(tab + 1);
        if (const auto why = refusal(word, clue, table)) {
            skip(text::toUtf8(word) + ": " + *why);
            continue;
        }
        if (!store(word, clue, table)) {
            context.fail(file + ':' + std::to_string(i + 1) + ": " + table.lastError());
            return false;
        }
        ++counts.added;
    }
    return true;
}

int importTsv(CliContext &context)
{
    if (context.args.size() < 2)
        return context.usage("usage: dict import-tsv NAME FILE...");
    std::vector<std::pair<std::string, std::string>> files;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        const auto bytes = base::readWholeFile(context.args[i]);
        if (!bytes)
            return context.fail("cannot read " + context.args[i]);
        files.emplace_back(context.args[i], std::string(bytes->begin(), bytes->end()));
    }
    SlovarTable table(context.dataDir, context.args[0]);
    if (!openTable(context, table))
        return ExitFailure;

    ImportCounts counts;
    bool stored = true;
    for (const auto &[file, content] : files) {
        stored = importFile(context, file, content, table, counts);
        if (!stored)
            break;
    }
    // The entries go to disk in one transaction, at the end. After a refused entry the ones
    // before it are kept, as the program's own import does.
    if (!table.flush())
        return context.fail("nothing was added: " + table.lastError());
    context.out << "added " << counts.added << "\nskipped " << counts.skipped << '\n';
    return stored ? ExitOk : ExitFailure;
}

int rename(CliContext &context)
{
    if (context.args.size() != 2)
        return context.usage("usage: dict rename NAME NEW-NAME");
    std::string error;
    if (!dictionaries::RenameSlovarFiles(context.dataDir, context.args[0], context.args[1], &error))
        return context.fail(error);
    context.out << "renamed " << context.args[0] << " to " << context.args[1] << '\n';
    return ExitOk;
}

int remove(CliContext &context)
{
    if (context.args.size() != 1)
        return context.usage("usage: dict delete NAME");
    const std::string &name = context.args[0];
    if (!dictionaries::isValidSlovarName(name) || !dictionaryExists(context, name))
        return context.fail("no dictionary " + name + " in " + context.dataDir.string());
    if (!dictionaries::DeleteSlovarFiles(context.dataDir, name))
        return context.fail("cannot delete every file of " + name);
    context.out << "deleted " << name << '\n';
    return ExitOk;
}

} // namespace

int runDictCommand(CliContext &context)
{
    static const std::map<std::string, std::function<int(CliContext &)>> subcommands = {
        {"list", list},
        {"create", create},
        {"add", add},
        {"find", find},
        {"count", count},
        {"export", exportTsv},
        {"import-tsv", importTsv},
        {"rename", rename},
        {"delete", remove},
    };
    if (context.args.empty())
        return context.usage(std::string("usage:\n  ") + DictSynopsis);
    if (context.args.front() == "--help") {
        context.out << "Usage:\n  " << DictSynopsis << '\n';
        return ExitOk;
    }
    const auto found = subcommands.find(context.args.front());
    if (found == subcommands.end())
        return context.usage("unknown dict command " + context.args.front() + "\nusage:\n  " + DictSynopsis);
    context.args.erase(context.args.begin());
    return found->second(context);
}

} // namespace klettra::cli
