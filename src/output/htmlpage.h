#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/palette.h"

namespace klettra::model {
class Model;
} // namespace klettra::model

namespace klettra::output {

constexpr int MinCellSize = 10;
constexpr int MaxCellSize = 40;
constexpr int MinFontSize = 2;
constexpr int MaxFontSize = 72;

/// What goes on an exported page and how it looks; the defaults are the export dialog's initial
/// values.
struct HtmlOptions
{
    PaletteColor pageBackground = PaletteColor::Silver;
    PaletteColor gridLines = PaletteColor::Black;
    PaletteColor cellBackground = PaletteColor::White;
    PaletteColor gridText = PaletteColor::Blue;
    PaletteColor clueText = PaletteColor::Black; ///< headings, questions and answers

    int cellSize = 18; ///< pixels, MinCellSize..MaxCellSize
    int fontSize = 12; ///< pixels of the question and answer text, MinFontSize..MaxFontSize

    bool emptyGrid = true;
    bool fullGrid = true;
    bool questions = true;
    bool answers = true;

    /// Whether the full-grid view is shown. Without it the page holds at most the empty grid: the
    /// other three sections are left out whatever is asked, and so are the rules only they use.
    bool FullSetkaShown = true;
};

/// Sizes of the style sheet derived from the cell size S, each rounded half to even.
struct HtmlSizes
{
    int N55 = 0; ///< S * 0.55: the font of numbers and the empty cells
    int N70 = 0; ///< S * 0.7: the font of letters
    int H = 0;   ///< S / 2
    int H2 = 0;  ///< H when S is even, else H + 1
};

HtmlSizes htmlSizes(int cellSize);

enum class HtmlExportError {
    None,
    NothingToPlace,
    BadCellSize,
    BadFontSize,
    WriteFailed,
};

/// The first problem of `options` in the order the export dialog checks them, or None.
HtmlExportError validateHtmlOptions(const HtmlOptions &options);

/// The message shown for an options problem (UTF-8); empty for None and WriteFailed, whose
/// reason comes from the file system.
std::string_view htmlExportMessage(HtmlExportError error);

/// Appends `text` with <, >, & and " written as entities.
void appendHtmlEscaped(std::string &out, std::string_view text);

/// Builders of the page's parts; each appends lines (Windows-1251, without line ends).
void WriteHtmlGrid(std::vector<std::string> &page, const model::Model &model, int cellSize, bool full);
void WriteHtmlQuestions(std::vector<std::string> &page, const model::Model &model);
void WriteHtmlAnswers(std::vector<std::string> &page, const model::Model &model);

/// The whole page in Windows-1251, every line ended by CR LF; nothing when the options do not pass
/// `validateHtmlOptions`.
std::optional<std::string> buildHtmlPage(const model::Model &model, const HtmlOptions &options);

/// Builds the page and writes it to `file` through a temporary file, so a failure leaves any old
/// file as it was. On WriteFailed `error` (when given) receives the reason.
[[nodiscard]] HtmlExportError writeHtmlPage(const std::filesystem::path &file, const model::Model &model,
                                            const HtmlOptions &options, std::string *error = nullptr);

} // namespace klettra::output
