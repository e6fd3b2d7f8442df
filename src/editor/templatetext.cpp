#include "editor/templatetext.h"

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>
#include <variant>

#include "editor/slotediting.h"
#include "model/gridletters.h"
#include "model/model.h"
#include "text/cp1251.h"

namespace klettra::editor {

using model::BoardHeight;
using model::BoardWidth;
using Code = TemplateTextError::Code;

namespace {

constexpr char LetterMark = '*';
constexpr char BackgroundMark = '.';
constexpr char BlankMark = '#';

struct Line
{
    int number = 0;
    std::string_view text;
};

// One template's grid lines, in order, with the comment that names it.
struct Block
{
    std::vector<Line> rows;
    std::string title;
};

std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string_view trimLeft(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

std::optional<TemplateTextError> checkCharacters(const Line &line)
{
    for (std::size_t i = 0; i < line.text.size(); ++i) {
        const char c = line.text[i];
        if (c != LetterMark && c != BackgroundMark && c != BlankMark)
            return TemplateTextError{.code = Code::BadCharacter, .line = line.number, .column = int(i) + 1};
    }
    return std::nullopt;
}

// Splits the text into blocks of grid lines; the first bad character refuses it all.
std::optional<TemplateTextError> splitBlocks(std::string_view text, std::vector<Block> &blocks)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Block current;
    std::string pendingTitle;
    bool titleTaken = false;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const Line line{++number, trimRight(text.substr(0, end))};
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.text.starts_with(';')) {
            if (!titleTaken && current.rows.empty()) {
                pendingTitle = std::string(trimLeft(line.text.substr(1)));
                titleTaken = true;
            }
            continue;
        }
        if (line.text.empty()) {
            if (!current.rows.empty())
                blocks.push_back(std::move(current));
            current = Block{};
            continue;
        }
        if (auto error = checkCharacters(line))
            return error;
        if (current.rows.empty()) {
            current.title = std::move(pendingTitle);
            pendingTitle.clear();
            titleTaken = false;
        }
        current.rows.push_back(line);
    }
    if (!current.rows.empty())
        blocks.push_back(std::move(current));
    return std::nullopt;
}

// The letters of one block on a board-sized map, with the text position of every board cell.
class LetterMap
{
public:
    bool at(int x, int y) const { return model::isOnBoard(x, y) && m_letter[index(x, y)]; }
    int line(int y) const { return m_lines[static_cast<std::size_t>(y - 1)]; }
    int column(int x) const { return x - 1 + m_firstColumn; }

    static std::variant<LetterMap, TemplateTextError> read(const Block &block);

private:
    static std::size_t index(int x, int y)
    {
        return static_cast<std::size_t>((y - 1) * BoardWidth + (x - 1));
    }

    std::array<bool, std::size_t(BoardWidth) * BoardHeight> m_letter{};
    std::array<int, BoardHeight> m_lines{};
    int m_firstColumn = 1;
};

std::variant<LetterMap, TemplateTextError> LetterMap::read(const Block &block)
{
    // The extent of the letters decides the size; background around it does not count.
    std::size_t first = std::string_view::npos;
    std::size_t last = 0;
    std::size_t firstRow = block.rows.size();
    const Line *widest = nullptr;
    std::optional<TemplateTextError> tooTall;
    for (std::size_t r = 0; r < block.rows.size(); ++r) {
        const std::string_view text = block.rows[r].text;
        const auto left = text.find(LetterMark);
        if (left == std::string_view::npos)
            continue;
        firstRow = std::min(firstRow, r);
        first = std::min(first, left);
        const auto right = text.rfind(LetterMark);
        if (!widest || right > last) {
            last = right;
            widest = &block.rows[r];
        }
        if (!tooTall && r - firstRow >= std::size_t(BoardHeight))
            tooTall = TemplateTextError{
                .code = Code::TooTall, .line = block.rows[r].number, .column = int(left) + 1};
        if (tooTall)
            tooTall->size = int(r - firstRow) + 1;
    }
    if (!widest)
        return TemplateTextError{.code = Code::NoLetters, .line = block.rows.front().number};
    if (last - first >= std::size_t(BoardWidth) && (!tooTall || widest->number < tooTall->line))
        return TemplateTextError{.code = Code::TooWide,
                                 .line = widest->number,
                                 .column = int(last) + 1,
                                 .size = int(last - first) + 1};
    if (tooTall)
        return *tooTall;

    LetterMap map;
    map.m_firstColumn = int(first) + 1;
    for (std::size_t r = firstRow; r < block.rows.size() && r - firstRow < std::size_t(BoardHeight); ++r) {
        const int y = int(r - firstRow) + 1;
        const std::string_view text = block.rows[r].text;
        map.m_lines[static_cast<std::size_t>(y - 1)] = block.rows[r].number;
        for (std::size_t i = first; i < text.size() && i <= last; ++i)
            map.m_letter[index(int(i - first) + 1, y)] = text[i] == LetterMark;
    }
    return map;
}

struct Slot
{
    Direction direction;
    int x;
    int y;
    int length;
};

// Finds the runs of one direction, refusing runs of two and runs longer than a slot.
void collectRuns(const LetterMap &map, Direction direction, std::vector<Slot> &slots,
                 std::vector<TemplateTextError> &errors)
{
    const bool across = direction == Direction::Horizontal;
    const int lines = across ? BoardHeight : BoardWidth;
    const int cellsPerLine = across ? BoardWidth : BoardHeight;
    const auto letter = [&](int a, int b) {
        return across ? map.at(a, b) : map.at(b, a);
    };
    for (int b = 1; b <= lines; ++b) {
        for (int a = 1; a <= cellsPerLine; ++a) {
            if (!letter(a, b) || letter(a - 1, b))
                continue;
            int length = 1;
            while (letter(a + length, b))
                ++length;
            const int x = across ? a : b;
            const int y = across ? b : a;
            if (length == 2 || length > model::MaxSlotLength)
                errors.push_back({.code = length == 2 ? Code::RunOfTwo : Code::RunTooLong,
                                  .line = map.line(y),
                                  .column = map.column(x),
                                  .direction = direction,
                                  .size = length});
            else if (length > 2)
                slots.push_back({direction, x, y, length});
        }
    }
}

void collectLoneLetters(const LetterMap &map, std::vector<TemplateTextError> &errors)
{
    for (int y = 1; y <= BoardHeight; ++y) {
        for (int x = 1; x <= BoardWidth; ++x) {
            if (map.at(x, y) && !map.at(x - 1, y) && !map.at(x + 1, y) && !map.at(x, y - 1) &&
                !map.at(x, y + 1))
                errors.push_back({.code = Code::LoneLetter, .line = map.line(y), .column = map.column(x)});
        }
    }
}

std::variant<TextTemplate, TemplateTextError> readTemplate(const Block &block)
{
    auto read = LetterMap::read(block);
    if (auto *error = std::get_if<TemplateTextError>(&read))
        return *error;
    const LetterMap &map = std::get<LetterMap>(read);

    std::vector<Slot> slots;
    std::vector<TemplateTextError> errors;
    collectRuns(map, Direction::Horizontal, slots, errors);
    collectRuns(map, Direction::Vertical, slots, errors);
    collectLoneLetters(map, errors);
    if (!errors.empty())
        return *std::min_element(errors.begin(), errors.end(), [](const auto &a, const auto &b) {
            return std::pair(a.line, a.column) < std::pair(b.line, b.column);
        });

    // Reading order of the first cells, the horizontal slot first where both start.
    std::sort(slots.begin(), slots.end(), [](const Slot &a, const Slot &b) {
        return std::tuple(a.y, a.x, a.direction) < std::tuple(b.y, b.x, b.direction);
    });
    if (slots.size() > std::size_t(model::MaxSlots)) {
        const Slot &extra = slots[model::MaxSlots];
        return TemplateTextError{.code = Code::TooManySlots,
                                 .line = map.line(extra.y),
                                 .column = map.column(extra.x),
                                 .size = int(slots.size())};
    }
    TextTemplate result{.line = block.rows.front().number, .title = block.title};
    for (const Slot &slot : slots)
        markSlot(result.cells, slot.direction, slot.x, slot.y, slot.length);
    return result;
}

std::string writeText(const model::GridCells &cells,
                      const std::function<void(std::string &, int, int)> &letterCell)
{
    const model::Extent extent = model::letterExtent(cells);
    std::string text;
    for (int y = extent.MinY; y <= extent.MaxY; ++y) {
        for (int x = extent.MinX; x <= extent.MaxX; ++x) {
            const char kind = cells(x, y).Kind;
            if (model::isLetterKind(kind))
                letterCell(text, x, y);
            else
                text += kind == model::CellKind::Blank ? BlankMark : BackgroundMark;
        }
        text += '\n';
    }
    return text;
}

} // namespace

TemplateTextParse parseTemplateText(std::string_view text)
{
    TemplateTextParse parse;
    std::vector<Block> blocks;
    if (auto error = splitBlocks(text, blocks)) {
        parse.error = error;
        return parse;
    }
    for (const Block &block : blocks) {
        auto read = readTemplate(block);
        if (auto *error = std::get_if<TemplateTextError>(&read)) {
            parse.templates.clear();
            parse.error = *error;
            return parse;
        }
        parse.templates.push_back(std::move(std::get<TextTemplate>(read)));
    }
    return parse;
}

std::string writeTemplateText(const model::GridCells &cells)
{
    return writeText(cells, [](std::string &text, int, int) { text += LetterMark; });
}

std::string writeGridText(const model::GridCells &cells, const model::GridLetters &letters)
{
    return writeText(cells, [&](std::string &text, int x, int y) {
        const char letter = letters(x, y);
        if (letter == ' ')
            text += LetterMark;
        else
            text::appendUtf8(text, text::toUnicode(static_cast<unsigned char>(letter)));
    });
}

} // namespace klettra::editor
