#pragma once

#include <QString>

namespace klettra::ui {

/// Names the program shows and stores under.
namespace AppInfo {
inline QString version()
{
    return QStringLiteral("1.21");
}
/// The application title; also the caption of a window without a crossword file.
inline QString title()
{
    return QStringLiteral("Klettra ") + version();
}
/// The name the per-user settings are stored under.
inline QString settingsName()
{
    return QStringLiteral("Klettra 1.X");
}
} // namespace AppInfo

} // namespace klettra::ui
