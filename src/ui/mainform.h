#pragma once

#include <filesystem>
#include <memory>

#include <QMainWindow>

#include "app/settings.h"
#include "model/model.h"
#include "model/templateset.h"

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace klettra::ui {

class BoardPage;
class BoardWidget;
class Commands;
class ComposeController;
class DictionaryPanel;
class FileController;
class HelpWindow;
class Prompter;
class QtSettingsStore;
class SideBar;
class TemplateBrowser;
class TFormOptions;
class ViewController;

/// What the main window is started with.
struct MainFormSetup
{
    std::filesystem::path dataDir;
    /// Message boxes and file dialogs; real ones when not given.
    std::shared_ptr<Prompter> prompter;
    /// Where the settings live; the user's own when not given.
    std::unique_ptr<QtSettingsStore> settings;
};

/// The main window: menu, tool bar, the board and text pages on the left, the side button bar
/// on the right and the status line at the bottom. It owns the one crossword model and the
/// template set, brings them up at start-up, and hands each group of commands to its own
/// controller.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(MainFormSetup setup, QWidget *parent = nullptr);
    ~TMainForm() override;

    model::Model &model() { return m_model; }
    model::TemplateSet &templates() { return m_templates; }
    const std::filesystem::path &dataDir() const { return m_dataDir; }
    Commands &commands() { return *m_commands; }
    SideBar &sideBar() { return *m_sideBar; }
    BoardPage &boardPage() { return *m_boardPage; }
    BoardWidget &board();
    Prompter &prompter() { return *m_prompter; }
    app::Settings &settings() { return m_settings; }
    /// Names of every dictionary of the data directory.
    const std::vector<std::string> &AllSlovars() const { return m_allSlovars; }
    ViewController &views() { return *m_views; }
    DictionaryPanel &dictionaryPanel() { return *m_dictionaries; }
    ComposeController &composer() { return *m_compose; }

    /// The one line of the status bar.
    void setStatus(const QString &text);
    QString statusText() const;

    /// Recomputes the extent and refreshes the three template counters, then recentres the view.
    void ShowRehInfo();
    void ShowColReh();
    void ShowCurReh();
    /// Redraws a rectangle of board cells.
    void MatrixRePaint(const model::CellRect &rect);

    /// Empties the crossword and returns the window to its state without one.
    void ResetCrossword();

    /// Shows the board page, or the text page with the given text.
    void showBoardPage();
    void showTextPage(const QString &text);
    QString textPage() const;

    /// Places the window for a screen of the given size: centred when the screen is larger
    /// than 800 x 600, at the top left corner otherwise.
    void placeOnScreen(const QRect &available);

    bool RehLoaded() const { return m_rehLoaded; }
    bool Composing() const { return m_composing; }
    bool CrossReady() const { return m_crossReady; }
    bool FullSetkaShown() const { return m_fullSetkaShown; }
    const QString &CrosFileName() const { return m_crosFileName; }
    void setFullSetkaShown(bool shown);
    void setComposing(bool composing);
    void setCrossReady(bool ready);
    void setCrosFileName(const QString &path);
    /// The grid on the board came from a crossword file and is not a template of the set.
    bool gridOutsideSet() const { return m_gridOutsideSet; }
    void setGridOutsideSet(bool outside) { m_gridOutsideSet = outside; }

    /// The window caption: the application title and the name of the crossword file.
    void updateTitle();

    HelpWindow *helpWindow() const { return m_help; }

    /// The exit command: asks first when a composed crossword would be lost.
    void ActionExitExecute();
    /// The settings dialog: the priority and the three switches of composing.
    void ActionOptionsExecute();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    QWidget *buildPages();
    void connectCommands();
    void FormCreate();
    void ActionHelpExecute();
    void ActionAboutExecute();
    void ActionShowAuthorsExecute();
    void FormClose();

    std::filesystem::path m_dataDir;
    std::shared_ptr<Prompter> m_prompter;
    std::unique_ptr<QtSettingsStore> m_settingsStore;
    model::Model m_model;
    model::TemplateSet m_templates;
    std::vector<std::string> m_allSlovars;
    app::Settings m_settings;

    Commands *m_commands = nullptr;
    SideBar *m_sideBar = nullptr;
    QStackedWidget *m_pageControl = nullptr;
    BoardPage *m_boardPage = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QLabel *m_statusText = nullptr;
    TFormOptions *m_options = nullptr;
    HelpWindow *m_help = nullptr;
    TemplateBrowser *m_browser = nullptr;
    ViewController *m_views = nullptr;
    DictionaryPanel *m_dictionaries = nullptr;
    FileController *m_files = nullptr;
    ComposeController *m_compose = nullptr;

    bool m_closed = false;
    bool m_rehLoaded = false;
    bool m_composing = false;
    bool m_crossReady = false;
    bool m_fullSetkaShown = false;
    bool m_gridOutsideSet = false;
    QString m_crosFileName;
};

} // namespace klettra::ui
