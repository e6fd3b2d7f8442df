#pragma once

#include "ui/prompter.h"

class QWidget;

namespace klettra::ui {

/// Shows real message boxes and file dialogs over a parent window.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr)
        : m_parent(parent)
    {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer ask(const QString &text) override;
    void inform(const QString &text) override;
    void warn(const QString &text) override;
    void error(const QString &text) override;
    QString openFile(const FileRequest &request) override;
    QString saveFile(const FileRequest &request) override;

private:
    QWidget *m_parent;
};

} // namespace klettra::ui
