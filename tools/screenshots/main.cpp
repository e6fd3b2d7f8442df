// Opens the main window on a data directory and saves pictures of it in its states and of its
// dialogs: klettra-screenshots OUTPUT_DIR DATA_DIR
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

#include "app/datadir.h"
#include "ui/appearance.h"
#include "ui/busydialog.h"
#include "ui/composecontroller.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/mainform.h"
#include "ui/prompter.h"
#include "ui/qtext.h"
#include "ui/settingsstore.h"
#include "ui/sidebar.h"
#include "ui/spinbutton.h"

using namespace klettra;

namespace {

QString g_outputDir;

/// Answers nothing and shows nothing: the pictures are taken without modal boxes in the way.
class PrintingPrompter : public ui::Prompter
{
public:
    Answer ask(const QString &text) override
    {
        std::printf("asked: %s\n", qPrintable(text));
        return Answer::No;
    }
    void inform(const QString &text) override { std::printf("told: %s\n", qPrintable(text)); }
    void warn(const QString &text) override { std::printf("warned: %s\n", qPrintable(text)); }
    void error(const QString &text) override { std::printf("error: %s\n", qPrintable(text)); }
    QString openFile(const FileRequest &) override { return {}; }
    QString saveFile(const FileRequest &) override { return {}; }
};

void savePixmap(const QPixmap &pixmap, const char *name)
{
    const QString path = QDir(g_outputDir).filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!pixmap.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void save(QWidget &widget, const char *name)
{
    QApplication::processEvents();
    savePixmap(widget.grab(), name);
}

/// The main window with the busy dialog drawn over it where it stands.
void saveWithBusyDialog(QWidget &window, QWidget &busy, const char *name)
{
    QApplication::processEvents();
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.drawPixmap(busy.pos() - window.pos(), busy.grab());
    painter.end();
    savePixmap(picture, name);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    ui::applyAppearance();
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: klettra-screenshots OUTPUT_DIR DATA_DIR\n", stderr);
        return 2;
    }
    g_outputDir = args.at(1);
    QDir().mkpath(g_outputDir);
    const auto dataDir = ui::toPath(args.at(2));
    std::string error;
    if (!app::prepareDataDir(dataDir, app::bundledDataDir(app::executableDir()), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    ui::TMainForm window(ui::MainFormSetup{
        .dataDir = dataDir,
        .prompter = std::make_shared<PrintingPrompter>(),
        .settings = ui::QtSettingsStore::inFile(QDir(g_outputDir).filePath(QStringLiteral("settings.ini"))),
    });
    window.placeOnScreen(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fputs("the window did not show\n", stderr);
    save(window, "01-startup");
    window.sideBar().showPage(ui::SideBar::RehPage);
    save(window, "01-startup-templates-page");
    window.sideBar().showPage(ui::SideBar::SlovarPage);

    // The settings dialog as the command opens it, filled from the settings, grabbed while it runs.
    auto *options = window.findChild<ui::TFormOptions *>(QStringLiteral("FormOptions"));
    QTimer::singleShot(200, options, [options] {
        save(*options, "02-options");
        options->reject();
    });
    window.findChild<QAction *>(QStringLiteral("ActionOptions"))->trigger();
    ui::AboutDialog about(&window);
    about.show();
    save(about, "02-about");
    about.hide();

    // The largest template keeps the composer busy long enough to be seen at work.
    for (int i = window.templates().CurReh; i < window.templates().RehCount; ++i)
        window.sideBar().SpinButton1->upClicked();
    ui::ComposeController &compose = window.composer();
    window.findChild<QAction *>(QStringLiteral("ActionCreateCros"))->trigger();
    if (QTest::qWaitFor([&] { return window.Composing(); }, 30000)) {
        QTest::qWait(300);
        if (compose.isRunning())
            saveWithBusyDialog(window, compose.busyDialog(), "03-composing");
    }
    if (!QTest::qWaitFor([&] { return !compose.isRunning(); }, 120000)) {
        std::fputs("composing took too long; cancelled\n", stderr);
        compose.abcBusy1Cancel();
    }

    const char *views[][2] = {{"ActionViewEmptySetka", "04-view-empty"},
                              {"ActionViewFullSetka", "05-view-full"},
                              {"ActionViewVopros", "06-view-questions"},
                              {"ActionViewOtvets", "07-view-answers"}};
    for (const auto &[command, name] : views) {
        window.findChild<QAction *>(QLatin1String(command))->trigger();
        save(window, name);
    }
    return 0;
}
