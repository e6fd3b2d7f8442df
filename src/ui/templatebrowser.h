#pragma once

#include <QObject>

namespace klettra::ui {

class TMainForm;

/// Steps through the template set with the side bar's up/down button: the template before or
/// after the current one becomes current and is shown, emptying any crossword on the board.
class TemplateBrowser : public QObject
{
    Q_OBJECT
public:
    explicit TemplateBrowser(TMainForm &window);

    void SpinButton1DownClick();
    void SpinButton1UpClick();

private:
    void showTemplate(int number);

    TMainForm &m_window;
};

} // namespace klettra::ui
