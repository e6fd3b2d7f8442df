#pragma once

#include <QString>

namespace klettra::ui {

/// The one way the program asks the user something or tells them something in a box, so that
/// tests can answer from a script instead of a human.
class Prompter
{
public:
    enum class Answer { Yes, No, Ok, Cancel };

    /// A file dialog's set-up. An empty result means the user cancelled.
    struct FileRequest
    {
        QString title;         ///< empty: the platform's default title
        QString filter;        ///< e.g. "Кроссворды (*.crs)"
        QString defaultSuffix; ///< added when the typed name has none
        QString directory;     ///< initial directory
        QString proposedName;  ///< initial file name (save only)
    };

    virtual ~Prompter() = default;

    /// A warning with Yes and No.
    virtual Answer ask(const QString &text) = 0;
    virtual void inform(const QString &text) = 0;
    virtual void warn(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    virtual QString openFile(const FileRequest &request) = 0;
    virtual QString saveFile(const FileRequest &request) = 0;
};

} // namespace klettra::ui
