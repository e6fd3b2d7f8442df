#include "scriptedprompter.h"

namespace klettra::test {

QStringList ScriptedPrompter::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &s : shown) {
        if (s.kind == kind)
            result << s.text;
    }
    return result;
}

ui::Prompter::Answer ScriptedPrompter::ask(const QString &text)
{
    shown.append({Kind::Ask, text, {}});
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

void ScriptedPrompter::inform(const QString &text)
{
    shown.append({Kind::Inform, text, {}});
}

void ScriptedPrompter::warn(const QString &text)
{
    shown.append({Kind::Warn, text, {}});
}

void ScriptedPrompter::error(const QString &text)
{
    shown.append({Kind::Error, text, {}});
}

QString ScriptedPrompter::openFile(const FileRequest &request)
{
    shown.append({Kind::OpenFile, request.title, request});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedPrompter::saveFile(const FileRequest &request)
{
    shown.append({Kind::SaveFile, request.title, request});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

} // namespace klettra::test
