#include "output/htmlpage.h"

#include <algorithm>

#include "base/safefile.h"
#include "model/model.h"
#include "output/cluelists.h"
#include "text/cp1251.h"

namespace klettra::output {

namespace {

// Rounds numerator / denominator (both positive) to the nearest integer, a half to the even one.
// Integer arithmetic keeps S * 0.55 at S = 30 an exact 16.5, which must give 16.
int roundHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

std::string px(int value)
{
    return std::to_string(value) + "px";
}

// The part every cell class shares: the box of S x S pixels with its one-pixel padding.
std::string cellBox(int s)
{
    return "width:" + px(s) + ";height:" + px(s) +
           ";padding-left:1px;padding-right:1px;padding-bottom:1px;padding-top:1px;";
}

std::string font(int size)
{
    return "font:" + px(size) + " Arial, sans-serif;";
}

std::string border(std::string_view side, const std::string &color)
{
    return std::string(side) + ":1px solid " + color + ";";
}

std::vector<std::string> styleSheet(const HtmlOptions &options)
{
    const int s = options.cellSize;
    const int f = options.fontSize;
    const HtmlSizes sizes = htmlSizes(s);
    const std::string lc = HtmlColor(options.gridLines);
    const std::string cb = HtmlColor(options.cellBackground);
    const std::string tc = HtmlColor(options.gridText);
    const std::string qc = HtmlColor(options.clueText);
    const std::string letterCell = cellBox(s) + border("border-bottom", lc) + "color:" + tc + ";" +
                                   border("border-right", lc) + "background:" + cb + ";";

    std::vector<std::string> rules;
    rules.push_back("<style>");
    rules.push_back("  .TBRN {" + letterCell + font(sizes.N55) + "text-align:left;vertical-align:top;}");
    if (options.FullSetkaShown)
        rules.push_back("  .TBRT {" + letterCell + font(sizes.N70) +
                        "text-align:center;vertical-align:center;}");
    rules.push_back("  .TW {" + cellBox(s) + font(sizes.N55) + "}");
    rules.push_back("  .TWB {" + cellBox(s) + border("border-bottom", lc) + font(sizes.N55) + "}");
    rules.push_back("  .TWR {" + cellBox(s) + border("border-right", lc) + font(sizes.N55) + "}");
    rules.push_back("  .TWBR {" + cellBox(s) + border("border-right", lc) + border("border-bottom", lc) +
                    font(sizes.N55) + "}");
    rules.push_back("  .TBlack {border-right:" + px(sizes.H + 2) + " solid " + lc +
                    ";border-left:" + px(sizes.H2 + 1) + " solid " + lc + ";" + font(sizes.N55) + "}");
    rules.push_back("  .ZagText {text-align:center;font:" + px(s) + " bold Arial, sans-serif;color:" + qc +
                    ";}");
    if (options.FullSetkaShown)
        rules.push_back("  .CrosText {font:" + px(f) + " Arial, sans-serif;color:" + qc +
                        ";text-align:justify;LETTER-SPACING:1pt;padding-right:" + px(f) +
                        ";padding-left:" + px(f) + ";}");
    rules.push_back("</style>");
    return rules;
}

// Class of a background cell: it draws the bottom or right border that closes a letter cell or
// an enclosed blank below or to the right of it.
std::string_view backgroundClass(const model::GridCells &cells, int x, int y)
{
    const bool rightOpen = cells(x + 1, y).Kind == model::CellKind::Background;
    const bool belowOpen = cells(x, y + 1).Kind == model::CellKind::Background;
    if (rightOpen && belowOpen)
        return "TW";
    if (rightOpen)
        return "TWB";
    if (belowOpen)
        return "TWR";
    return "TWBR";
}

std::string_view cellClass(const model::GridCells &cells, int x, int y, bool full)
{
    const char kind = cells(x, y).Kind;
    if (kind == model::CellKind::Blank)
        return "TBlack";
    if (kind == model::CellKind::Background)
        return backgroundClass(cells, x, y);
    return full ? "TBRT" : "TBRN";
}

std::string cellContent(const model::Model &model, int x, int y, bool full)
{
    const model::Cell &cell = model.cells(x, y);
    if (cell.Kind == model::CellKind::Blank || cell.Kind == model::CellKind::Background)
        return "<BR>";
    if (full) {
        const char letter = model::isOnBoard(x, y) ? model.letters(x, y) : ' ';
        std::string content;
        appendHtmlEscaped(content, std::string_view(&letter, 1));
        return content;
    }
    return cell.Number != 0 ? std::to_string(cell.Number) : "<BR>";
}

void writeClueList(std::vector<std::string> &page, const model::Model &model, std::string_view heading,
                   EntryText text)
{
    page.push_back("<br><div class=\"ZagText\">" + text::fromUtf8(heading) + "</div>");
    page.push_back("<div class=\"CrosText\"><b>" + text::fromUtf8("По горизонтали:") + "</b><br>");
    page.push_back(entryLine(model, model::Dir::Horizontal, text, " ", appendHtmlEscaped));
    page.push_back("<br><br><b>" + text::fromUtf8("По вертикали:") + "</b><br>");
    page.push_back(entryLine(model, model::Dir::Vertical, text, " ", appendHtmlEscaped) + "</div>");
}

std::vector<std::string> pageLines(const model::Model &model, const HtmlOptions &options)
{
    std::vector<std::string> page = {
        "<HTML>",
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>",
    };
    const std::vector<std::string> rules = styleSheet(options);
    page.insert(page.end(), rules.begin(), rules.end());
    page.push_back("<BODY TOPMARGIN=\"0\" LEFTMARGIN=\"0\" BGCOLOR=\"" + HtmlColor(options.pageBackground) +
                   "\" TEXT=\"#000000\" LINK=\"#000000\" VLINK=\"#000000\" ALINK=\"#000000\">");
    if (options.emptyGrid)
        WriteHtmlGrid(page, model, options.cellSize, false);
    if (options.FullSetkaShown) {
        if (options.fullGrid)
            WriteHtmlGrid(page, model, options.cellSize, true);
        if (options.questions)
            WriteHtmlQuestions(page, model);
        if (options.answers)
            WriteHtmlAnswers(page, model);
    }
    page.push_back("</BODY>");
    page.push_back("</HTML>");
    return page;
}

} // namespace

HtmlSizes htmlSizes(int cellSize)
{
    HtmlSizes sizes;
    sizes.N55 = roundHalfEven(cellSize * 55, 100);
    sizes.N70 = roundHalfEven(cellSize * 70, 100);
    sizes.H = roundHalfEven(cellSize, 2);
    sizes.H2 = 2 * sizes.H == cellSize ? sizes.H : sizes.H + 1;
    return sizes;
}

HtmlExportError validateHtmlOptions(const HtmlOptions &options)
{
    const bool anything = options.emptyGrid || (options.FullSetkaShown &&
                                                (options.fullGrid || options.questions || options.answers));
    if (!anything)
        return HtmlExportError::NothingToPlace;
    if (options.cellSize < MinCellSize || options.cellSize > MaxCellSize)
        return HtmlExportError::BadCellSize;
    if (options.fontSize < MinFontSize || options.fontSize > MaxFontSize)
        return HtmlExportError::BadFontSize;
    return HtmlExportError::None;
}

std::string_view htmlExportMessage(HtmlExportError error)
{
    switch (error) {
    case HtmlExportError::NothingToPlace:
        return "Укажите что будем помещать на страницу.";
    case HtmlExportError::BadCellSize:
        return "Неверное значение размера клетки. Допустимые значения от 10 до 40 точек.";
    case HtmlExportError::BadFontSize:
        return "Неверное значение размера шрифта. Допустимые значения от 2 до 72 точек.";
    case HtmlExportError::None:
    case HtmlExportError::WriteFailed:
        break;
    }
    return {};
}

void appendHtmlEscaped(std::string &out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

void WriteHtmlGrid(std::vector<std::string> &page, const model::Model &model, int cellSize, bool full)
{
    const model::Extent &e = model.extent;
    const int pitch = cellSize + 3;
    page.push_back("<div class=\"ZagText\">" + text::fromUtf8(full ? "Заполненная сетка" : "Пустая сетка") +
                   "</div>");
    page.push_back(text::fromUtf8("<!-- Начало -->"));
    page.push_back("<TABLE border=\"0\" cellspacing=\"0\" cellpadding=\"0\" align=\"center\" width=\"" +
                   std::to_string((e.MaxX - e.MinX + 3) * pitch) + "\" height=\"" +
                   std::to_string((e.MaxY - e.MinY + 2) * pitch) + "\">");
    // The table adds one background row above and one column left of the extent; the bounds
    // also keep every neighbour looked at inside the bordered cell map.
    const int firstX = std::max<int>(e.MinX, 1) - 1;
    const int lastX = std::min<int>(e.MaxX, model::BoardWidth);
    const int firstY = std::max<int>(e.MinY, 1) - 1;
    const int lastY = std::min<int>(e.MaxY, model::BoardHeight);
    for (int y = firstY; y <= lastY; ++y) {
        std::string row = "<TR>";
        for (int x = firstX; x <= lastX; ++x) {
            row += "<TD class=\"";
            row += cellClass(model.cells, x, y, full);
            row += "\">" + cellContent(model, x, y, full) + "</TD>";
        }
        if (y == firstY)
            row += "<TD class=\"TW\" rowspan=\"" + std::to_string(e.MaxY - e.MinY + 1) + "\"><BR></TD>";
        page.push_back(std::move(row));
    }
    page.push_back("</TABLE>");
    page.push_back("<BR><BR>");
    page.push_back(text::fromUtf8("<!-- Конец -->"));
}

void WriteHtmlQuestions(std::vector<std::string> &page, const model::Model &model)
{
    writeClueList(page, model, "Вопросы", EntryText::Clue);
}

void WriteHtmlAnswers(std::vector<std::string> &page, const model::Model &model)
{
    writeClueList(page, model, "Ответы", EntryText::Word);
}

std::optional<std::string> buildHtmlPage(const model::Model &model, const HtmlOptions &options)
{
    if (validateHtmlOptions(options) != HtmlExportError::None)
        return std::nullopt;
    std::string bytes;
    for (const std::string &line : pageLines(model, options)) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

HtmlExportError writeHtmlPage(const std::filesystem::path &file, const model::Model &model,
                              const HtmlOptions &options, std::string *error)
{
    const std::optional<std::string> page = buildHtmlPage(model, options);
    if (!page)
        return validateHtmlOptions(options);
    if (!base::writeFileAtomically(file, *page, error))
        return HtmlExportError::WriteFailed;
    return HtmlExportError::None;
}

} // namespace klettra::output
