#pragma once

#include <filesystem>
#include <optional>

#include <QSize>
#include <QString>
#include <QStringList>

namespace klettra::ui {

/// What the command line of the desktop program asks for:
/// klettra [-ns | /ns] [--data-dir DIR]
struct StartupOptions
{
    bool showSplash = true;
    std::optional<std::filesystem::path> dataDir;
    bool showUsage = false;
    QString error; ///< not empty when the command line could not be understood

    /// Reads the arguments after the program name (Qt's own options already removed).
    static StartupOptions parse(const QStringList &args);
    static QString usage();
};

/// The program needs a screen of at least 800 x 600 pixels.
constexpr bool isScreenLargeEnough(QSize screen)
{
    return screen.width() >= 800 && screen.height() >= 600;
}

} // namespace klettra::ui
