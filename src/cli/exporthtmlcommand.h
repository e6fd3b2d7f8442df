#pragma once

namespace klettra::cli {

struct CliContext;

inline constexpr const char *ExportHtmlSynopsis =
    "export-html FILE.crs OUT.html [--cell-size S] [--font-size F] [--colors PB,LC,CB,TC,QC]\n"
    "              [--sections empty,full,questions,answers] [--empty-view]";

/// Writes a crossword file as an HTML page, with the export dialog's choices as options.
int runExportHtml(CliContext &context);

} // namespace klettra::cli
