#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <QString>

namespace klettra::ui {

/// Windows-1251 text of the core shown by Qt.
QString fromCp1251(std::string_view text);

/// Text typed into Qt for the core; characters the code page lacks become '?'.
std::string toCp1251(const QString &text);

/// File system paths between Qt and the standard library, without going through a locale.
QString fromPath(const std::filesystem::path &path);
std::filesystem::path toPath(const QString &path);

} // namespace klettra::ui
