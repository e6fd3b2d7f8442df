#include <cstdio>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

#include "app/datadir.h"
#include "ui/appearance.h"
#include "ui/appinfo.h"
#include "ui/mainform.h"
#include "ui/qtext.h"
#include "ui/settingsstore.h"
#include "ui/singleinstance.h"
#include "ui/splash.h"
#include "ui/startupoptions.h"

using namespace klettra;

namespace {

bool screenIsLargeEnough()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && ui::isScreenLargeEnough(screen->size());
}

void showStartupError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    ui::applyAppearance();

    const ui::StartupOptions options = ui::StartupOptions::parse(QApplication::arguments().mid(1));
    if (!options.error.isEmpty() || options.showUsage) {
        const QString text = options.error.isEmpty() ? ui::StartupOptions::usage()
                                                     : QStringLiteral("klettra: ") + options.error +
                                                           QLatin1Char('\n') + ui::StartupOptions::usage();
        std::fputs(text.toLocal8Bit().constData(), options.error.isEmpty() ? stdout : stderr);
        return options.error.isEmpty() ? 0 : 2;
    }

    if (!screenIsLargeEnough()) {
        showStartupError(QStringLiteral("Требуется разрешение экрана не менее 800х600 точек."));
        return 0;
    }

    QApplication::setApplicationName(ui::AppInfo::title());
    QApplication::setApplicationDisplayName(ui::AppInfo::title());

    ui::SingleInstance instance(ui::SingleInstance::serverNameFor(ui::AppInfo::title()));
    if (instance.notifyRunningInstance())
        return 0;

    std::unique_ptr<QSplashScreen> splash;
    if (options.showSplash) {
        splash = std::make_unique<QSplashScreen>(ui::splashPixmap());
        splash->show();
        QApplication::processEvents();
    }

    const auto dataDir = app::resolveDataDir(app::dataDirSourcesFromEnvironment(options.dataDir));
    std::string error;
    if (!app::prepareDataDir(dataDir, app::bundledDataDir(app::executableDir()), error)) {
        splash.reset();
        showStartupError(QStringLiteral("Не удалось подготовить каталог данных ") + ui::fromPath(dataDir) +
                         QStringLiteral(":\n") + QString::fromStdString(error));
        return 1;
    }

    ui::TMainForm window(ui::MainFormSetup{.dataDir = dataDir});
    window.placeOnScreen(QGuiApplication::primaryScreen()->availableGeometry());
    QObject::connect(&instance, &ui::SingleInstance::activationRequested, &window, [&window] {
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });

    if (splash) {
        QTimer::singleShot(ui::SplashMilliseconds, &window, [&window, &splash] {
            window.show();
            splash->finish(&window);
        });
    } else {
        window.show();
    }
    return QApplication::exec();
}
