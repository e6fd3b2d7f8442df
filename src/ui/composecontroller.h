#pragma once

#include <QObject>

#include "engine/ending.h"

namespace klettra::ui {

class BusyDialog;
class ComposerRunner;
class TMainForm;

/// "Создать кроссворд": refuses without words, holds back the commands that could interfere,
/// shows the busy dialog while the words load and the slots fill, and ends every composition
/// (completed, cancelled, or a length without words) with its status line and the window state
/// that belongs to it.
class ComposeController : public QObject
{
    Q_OBJECT
public:
    explicit ComposeController(TMainForm &window);

    void ActionCreateCrosExecute();
    /// Ends the composition with `ending`; the window returns to its state without a crossword
    /// unless it completed.
    void EndCreateCros(const engine::Ending &ending);
    /// Stops a running composition as the busy dialog's Cancel does.
    void abcBusy1Cancel();

    bool isRunning() const;
    BusyDialog &busyDialog() { return *m_busy; }
    ComposerRunner &runner() { return *m_runner; }

private:
    void composingStarted(int slots);
    void showProgress(int position, int maximum);

    TMainForm &m_window;
    BusyDialog *m_busy;
    ComposerRunner *m_runner;
};

} // namespace klettra::ui
