#include "ui/qtext.h"

#include "text/cp1251.h"

namespace klettra::ui {

QString fromCp1251(std::string_view text)
{
    return QString::fromStdString(text::toUtf8(text));
}

std::string toCp1251(const QString &text)
{
    return text::fromUtf8(text.toStdString());
}

QString fromPath(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

std::filesystem::path toPath(const QString &path)
{
    return std::filesystem::path(path.toStdString());
}

} // namespace klettra::ui
