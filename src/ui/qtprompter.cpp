#include "ui/qtprompter.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace klettra::ui {

namespace {

// The box's kind gives both its icon and its title.
QString kindTitle(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical:
        return QStringLiteral("Ошибка");
    case QMessageBox::Warning:
        return QStringLiteral("Предупреждение");
    case QMessageBox::Question:
        return QStringLiteral("Подтверждение");
    default:
        return QStringLiteral("Информация");
    }
}

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, kindTitle(icon), text, QMessageBox::Ok, parent);
    box.exec();
}

QFileDialog::Options fileOptions()
{
    // No read-only box is ever offered; an existing file is replaced without asking, as the
    // crossword commands expect.
    return QFileDialog::DontConfirmOverwrite;
}

} // namespace

Prompter::Answer QtPrompter::ask(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, kindTitle(QMessageBox::Warning), text,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtPrompter::inform(const QString &text)
{
    showBox(m_parent, QMessageBox::Information, text);
}

void QtPrompter::warn(const QString &text)
{
    showBox(m_parent, QMessageBox::Warning, text);
}

void QtPrompter::error(const QString &text)
{
    showBox(m_parent, QMessageBox::Critical, text);
}

QString QtPrompter::openFile(const FileRequest &request)
{
    QFileDialog dialog(m_parent, request.title, request.directory, request.filter);
    dialog.setOptions(fileOptions());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPrompter::saveFile(const FileRequest &request)
{
    QFileDialog dialog(m_parent, request.title, request.directory, request.filter);
    dialog.setOptions(fileOptions());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(QDir(request.directory).filePath(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace klettra::ui
