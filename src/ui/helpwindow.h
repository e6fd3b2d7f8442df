#pragma once

#include <QWidget>

class QTextBrowser;

namespace klettra::ui {

/// The program's manual in a window of its own, beside the main window (not modal).
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    /// Shows the contents page and brings the window forward.
    void showContents();

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

} // namespace klettra::ui
