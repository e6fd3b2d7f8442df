#pragma once

#include <initializer_list>

#include <QObject>

class QAction;
class QActionGroup;
class QWidget;

namespace klettra::ui {

/// Every command of the main window as a QAction named after it, with its caption, hint and
/// shortcut, and the rules that enable and disable them as the window changes state. Commands
/// whose windows are not part of the program yet exist with their captions and are never
/// enabled.
class Commands : public QObject
{
    Q_OBJECT
public:
    /// Creates the actions as children of `window`, so their shortcuts work there.
    explicit Commands(QWidget *window);

    QAction *CreateCros;
    QAction *LoadFile;
    QAction *SaveFile;
    QAction *SaveAsFile;
    QAction *Print;
    QAction *PrinterSetup;
    QAction *ExportHTML;
    QAction *Options;
    QAction *Exit;
    QAction *ViewEmptySetka;
    QAction *ViewFullSetka;
    QAction *ViewVopros;
    QAction *ViewOtvets;
    QAction *SlovarManager;
    QAction *Statistica;
    QAction *ImportWizard;
    QAction *MakeSetka;
    QAction *EditSetka;
    QAction *DeleteSetka;
    QAction *AddSetkaInNabor;
    QAction *Help;
    QAction *ShowAuthors;
    QAction *About;

    /// The four views; exactly one is checked.
    QActionGroup *views() const { return m_views; }

    /// False for a command whose window the program does not have yet.
    static bool isBuilt(const QAction *action);

    /// Enables or disables commands; a command that is not built stays disabled.
    static void setEnabled(std::initializer_list<QAction *> actions, bool enabled);

    /// Start-up: nothing to save, print or view but the empty grid; the grid is from the set.
    void atStartup();
    /// The window half of emptying the crossword: no saving or printing, only the empty view.
    void atReset();
    /// A composition runs: nothing that could change the grid, the set or the dictionaries.
    void atComposingStarted();
    /// A composition ended; a completed one can be saved, printed and viewed in full.
    void atComposingEnded(bool completed);
    /// A crossword file was loaded: its grid is not a template of the set.
    void atCrosLoaded();
    /// Another template of the set was made current.
    void atTemplateBrowsed();

private:
    /// The commands a composition (and template editing) holds back.
    void setMainCommandsEnabled(bool enabled);

    QActionGroup *m_views;
};

} // namespace klettra::ui
