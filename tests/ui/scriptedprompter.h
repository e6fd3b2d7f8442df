#pragma once

#include <QList>
#include <QQueue>
#include <QString>

#include "ui/prompter.h"

namespace klettra::test {

/// Answers message boxes and file dialogs from queues filled by a test, and records every text
/// it was shown. An empty queue answers No and cancels file dialogs.
class ScriptedPrompter : public ui::Prompter
{
public:
    enum class Kind { Ask, Inform, Warn, Error, OpenFile, SaveFile };

    struct Shown
    {
        Kind kind;
        QString text;        ///< the message, or the file dialog's title
        FileRequest request; ///< file dialogs only
    };

    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QList<Shown> shown;

    /// Texts shown with the given kind, in order.
    QStringList texts(Kind kind) const;

    Answer ask(const QString &text) override;
    void inform(const QString &text) override;
    void warn(const QString &text) override;
    void error(const QString &text) override;
    QString openFile(const FileRequest &request) override;
    QString saveFile(const FileRequest &request) override;
};

} // namespace klettra::test
