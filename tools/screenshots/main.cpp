// Opens the main window on a data directory and saves pictures of it in its states and of its
// dialogs: klettra-screenshots OUTPUT_DIR DATA_DIR
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTimer>

#include "app/datadir.h"
#include "ui/appearance.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/mainform.h"
#include "ui/qtext.h"
#include "ui/settingsstore.h"

using namespace klettra;

namespace {

QString g_outputDir;

void save(QWidget &widget, const char *name)
{
    QApplication::processEvents();
    const QString path = QDir(g_outputDir).filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!widget.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
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
        .settings = ui::QtSettingsStore::inFile(QDir(g_outputDir).filePath(QStringLiteral("settings.ini"))),
    });
    window.show();
    save(window, "01-startup");

    auto *options = window.findChild<ui::TFormOptions *>(QStringLiteral("FormOptions"));
    options->show();
    save(*options, "02-options");
    options->hide();
    return 0;
}
