#include "ui/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

#include "dictionaries/slovarfiles.h"
#include "document/crosfilename.h"
#include "ui/appinfo.h"
#include "ui/boardpage.h"
#include "ui/boardwidget.h"
#include "ui/commands.h"
#include "ui/composecontroller.h"
#include "ui/counterlabel.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/creditsdialog.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dictionarypanel.h"
#include "ui/filecontroller.h"
#include "ui/helpwindow.h"
#include "ui/prompter.h"
#include "ui/qtprompter.h"
#include "ui/settingsstore.h"
#include "ui/sidebar.h"
#include "ui/templatebrowser.h"
#include "ui/viewcontroller.h"

namespace klettra::ui {

TMainForm::TMainForm(MainFormSetup setup, QWidget *parent)
    : QMainWindow(parent)
    , m_dataDir(std::move(setup.dataDir))
    , m_prompter(std::move(setup.prompter))
    , m_settingsStore(std::move(setup.settings))
    , m_templates(m_dataDir)
{
    setObjectName(QStringLiteral("MainForm"));
    if (!m_prompter)
        m_prompter = std::make_shared<QtPrompter>(this);
    if (!m_settingsStore)
        m_settingsStore = QtSettingsStore::forUser();

    m_commands = new Commands(this);
    buildMenus();
    buildToolBar();
    setCentralWidget(buildPages());

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    // The program's own line sits in a label, so that a command's hint shown while the pointer
    // is over a menu item covers it only for that moment instead of erasing it.
    m_statusText = new QLabel(status);
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    status->addWidget(m_statusText, 1);
    setStatusBar(status);

    m_options = new TFormOptions(this);
    m_help = new HelpWindow(this);
    m_browser = new TemplateBrowser(*this);
    m_views = new ViewController(*this);
    m_dictionaries = new DictionaryPanel(*this);
    m_files = new FileController(*this);
    m_compose = new ComposeController(*this);
    connectCommands();

    // The window has one size and cannot be maximised.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(sizeHint());

    FormCreate();
}

TMainForm::~TMainForm()
{
    m_model.setObserver(nullptr);
}

BoardWidget &TMainForm::board()
{
    return *m_boardPage->board();
}

void TMainForm::buildMenus()
{
    Commands &c = *m_commands;
    QMenuBar *bar = menuBar();

    QMenu *cros = bar->addMenu(QStringLiteral("Кроссворд"));
    cros->addAction(c.CreateCros);
    cros->addSeparator();
    cros->addActions({c.LoadFile, c.SaveFile, c.SaveAsFile});
    cros->addSeparator();
    cros->addAction(c.Options);
    cros->addSeparator();
    QMenu *exportMenu = cros->addMenu(QStringLiteral("Экспорт"));
    exportMenu->setObjectName(QStringLiteral("ExportMenu"));
    exportMenu->addAction(c.ExportHTML);
    cros->addSeparator();
    cros->addActions({c.PrinterSetup, c.Print});
    cros->addSeparator();
    cros->addAction(c.Exit);

    QMenu *view = bar->addMenu(QStringLiteral("Вид"));
    view->addActions({c.ViewEmptySetka, c.ViewFullSetka, c.ViewVopros, c.ViewOtvets});

    QMenu *slovars = bar->addMenu(QStringLiteral("Словари"));
    slovars->addAction(c.SlovarManager);
    slovars->addSeparator();
    slovars->addActions({c.Statistica, c.ImportWizard});

    QMenu *setki = bar->addMenu(QStringLiteral("Сетки"));
    setki->addActions({c.MakeSetka, c.EditSetka});
    setki->addSeparator();
    setki->addAction(c.DeleteSetka);

    QMenu *help = bar->addMenu(QStringLiteral("Справка"));
    help->addActions({c.Help, c.ShowAuthors, c.About});
}

void TMainForm::buildToolBar()
{
    Commands &c = *m_commands;
    QToolBar *tools = addToolBar(QStringLiteral("Панель инструментов"));
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setIconSize(QSize(20, 20));
    tools->addActions({c.LoadFile, c.SaveFile, c.Print, c.Options});
    tools->addSeparator();
    tools->addAction(c.CreateCros);
    tools->addSeparator();
    tools->addActions({c.SlovarManager, c.ImportWizard, c.Statistica});
    tools->addSeparator();
    tools->addActions({c.MakeSetka, c.EditSetka, c.DeleteSetka});
    tools->addSeparator();
    tools->addAction(c.About);
    // Without this the bar could be hidden from its context menu, with no way back.
    tools->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

QWidget *TMainForm::buildPages()
{
    auto *central = new QWidget(this);

    m_pageControl = new QStackedWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_boardPage = new BoardPage(m_model, m_pageControl);
    m_model.setObserver(m_boardPage->board());

    auto *textPage = new QWidget(m_pageControl);
    textPage->setObjectName(QStringLiteral("TabSheet2"));
    m_memo = new QPlainTextEdit(textPage);
    m_memo->setObjectName(QStringLiteral("Memo2"));
    m_memo->setGeometry(4, 4, 584, 468);
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_pageControl->addWidget(m_boardPage);
    m_pageControl->addWidget(textPage);
    m_pageControl->setFixedSize(m_boardPage->size());

    m_sideBar = new SideBar(*m_commands, central);
    m_sideBar->setFixedWidth(193);

    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 2, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(m_pageControl);
    layout->addWidget(m_sideBar);
    return central;
}

void TMainForm::connectCommands()
{
    Commands &c = *m_commands;
    connect(c.Exit, &QAction::triggered, this, &TMainForm::ActionExitExecute);
    connect(c.Options, &QAction::triggered, this, &TMainForm::ActionOptionsExecute);
    connect(c.Help, &QAction::triggered, this, &TMainForm::ActionHelpExecute);
    connect(c.About, &QAction::triggered, this, &TMainForm::ActionAboutExecute);
    connect(c.ShowAuthors, &QAction::triggered, this, &TMainForm::ActionShowAuthorsExecute);
}

void TMainForm::FormCreate()
{
    m_commands->atStartup();

    m_allSlovars = dictionaries::FindSlovars(m_dataDir);
    m_settings = app::ReadSettings(*m_settingsStore, m_allSlovars, m_templates);
    m_dictionaries->showSlovars();

    m_sideBar->showPage(SideBar::SlovarPage);
    m_pageControl->setCurrentWidget(m_boardPage);

    m_composing = false;
    m_crosFileName.clear();

    m_rehLoaded = m_templates.LoadReh(m_templates.CurReh, m_model.cells);
    if (m_rehLoaded && m_settings.CenterResh)
        m_boardPage->CenterReshView();
    ShowColReh();
    ShowCurReh();
    m_model.ComputeExtent();
    ResetCrossword();

    m_sideBar->CBox_View->setEnabled(false);
    m_sideBar->CBox_View->setCurrentIndex(0);

    // The first paint of a window whose template was read shows the template's counters, the
    // centred view and the whole board.
    if (m_rehLoaded) {
        ShowRehInfo();
        MatrixRePaint(model::WholeBoard);
    } else {
        m_sideBar->RxLabel5->setNumber(m_model.CountSlots());
    }
}

void TMainForm::setStatus(const QString &text)
{
    m_statusText->setText(text);
}

QString TMainForm::statusText() const
{
    return m_statusText->text();
}

void TMainForm::ShowRehInfo()
{
    m_model.ComputeExtent();
    m_sideBar->RxLabel5->setNumber(m_model.CountSlots());
    ShowColReh();
    ShowCurReh();
    m_boardPage->CenterReshView();
}

void TMainForm::ShowColReh()
{
    m_sideBar->RxLabel4->setNumber(m_templates.RehCount);
}

void TMainForm::ShowCurReh()
{
    // A loaded crossword's grid that is not in the set has no number.
    if (m_gridOutsideSet)
        m_sideBar->RxLabel1->setText(QStringLiteral("???"));
    else
        m_sideBar->RxLabel1->setNumber(m_templates.CurReh);
}

void TMainForm::MatrixRePaint(const model::CellRect &rect)
{
    board().MatrixRePaint(rect);
}

void TMainForm::ResetCrossword()
{
    m_model.ResetCrossword();
    setFullSetkaShown(false);
    setCrossReady(false);
    showBoardPage();
    setCrosFileName({});
    m_commands->atReset();
    m_sideBar->CBox_View->setEnabled(false);
    m_sideBar->CBox_View->setCurrentIndex(0);
}

void TMainForm::showBoardPage()
{
    m_pageControl->setCurrentWidget(m_boardPage);
}

void TMainForm::showTextPage(const QString &text)
{
    m_memo->setPlainText(text);
    m_pageControl->setCurrentWidget(m_memo->parentWidget());
}

QString TMainForm::textPage() const
{
    return m_pageControl->currentWidget() == m_boardPage ? QString() : m_memo->toPlainText();
}

void TMainForm::setFullSetkaShown(bool shown)
{
    m_fullSetkaShown = shown;
    board().setLettersShown(m_composing || m_fullSetkaShown);
}

void TMainForm::setComposing(bool composing)
{
    m_composing = composing;
    board().setLettersShown(m_composing || m_fullSetkaShown);
}

void TMainForm::setCrossReady(bool ready)
{
    m_crossReady = ready;
    board().setCrossReady(ready);
}

void TMainForm::setCrosFileName(const QString &path)
{
    m_crosFileName = path;
    updateTitle();
}

void TMainForm::updateTitle()
{
    setWindowTitle(AppInfo::title() +
                   QString::fromStdString(document::CrosFileTitle(m_crosFileName.toStdString())));
}

void TMainForm::placeOnScreen(const QRect &available)
{
    const QRect frame = frameGeometry();
    if (available.width() > 800 && available.height() > 600)
        move(available.center() - QPoint(frame.width() / 2, frame.height() / 2));
    else
        move(available.topLeft());
}

void TMainForm::ActionExitExecute()
{
    // Only a composed crossword that would be lost is worth a question.
    if (m_crossReady) {
        if (m_prompter->ask(QStringLiteral("Вы уверены что хотите выйти из программы ?")) !=
            Prompter::Answer::Yes)
            return;
        m_compose->EndCreateCros(engine::Ending{engine::Outcome::Cancelled});
    }
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainForm::FormClose()
{
    // A composition must not go on stepping behind a closed window.
    if (m_compose->isRunning())
        m_compose->abcBusy1Cancel();
    // Closing twice (the exit command, then the application's own close) stores once.
    if (m_closed)
        return;
    m_closed = true;
    if (!app::WriteSettings(*m_settingsStore, m_settings, m_templates))
        m_prompter->error(QStringLiteral("Невозможно сохранить конфигурацию !"));
    m_help->close();
}

void TMainForm::ActionOptionsExecute()
{
    m_options->setCenterResh(m_settings.CenterResh);
    m_options->setCreateWithoutPovtors(m_settings.CreateWithoutPovtors);
    m_options->setNotUseWordsWithoutVopros(m_settings.NotUseWordsWithoutVopros);
    m_options->setPrioritetSlov(m_settings.PrioritetSlov);
    if (m_options->exec() != QDialog::Accepted)
        return;
    m_settings.PrioritetSlov = static_cast<std::uint8_t>(m_options->prioritetSlov(m_settings.PrioritetSlov));
    m_settings.CreateWithoutPovtors = m_options->createWithoutPovtors();
    m_settings.CenterResh = m_options->centerResh();
    m_settings.NotUseWordsWithoutVopros = m_options->notUseWordsWithoutVopros();
}

void TMainForm::ActionHelpExecute()
{
    m_help->showContents();
}

void TMainForm::ActionAboutExecute()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void TMainForm::ActionShowAuthorsExecute()
{
    CreditsDialog dialog(this);
    dialog.exec();
}

} // namespace klettra::ui
