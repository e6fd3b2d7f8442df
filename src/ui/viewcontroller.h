#pragma once

#include <QObject>

namespace klettra::ui {

class TMainForm;

/// The four views of a crossword: the empty grid, the full grid, the questions and the answers.
/// The view selector, the four checkable commands, the page shown and the full-grid flag always
/// change together here.
class ViewController : public QObject
{
    Q_OBJECT
public:
    enum View { EmptySetka = 0, FullSetka = 1, Vopros = 2, Otvets = 3 };

    explicit ViewController(TMainForm &window);

    void ActionViewEmptySetkaExecute();
    void ActionViewFullSetkaExecute();
    void ActionViewVoprosExecute();
    void ActionViewOtvetsExecute();
    /// The user picked an item of the selector.
    void CBox_ViewChange(int index);

private:
    void select(View view);

    TMainForm &m_window;
};

} // namespace klettra::ui
