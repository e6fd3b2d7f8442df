#include "ui/helpwindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/appinfo.h"

// Resources of a static library are registered by hand, outside any namespace.
static void registerHelpResources()
{
    Q_INIT_RESOURCE(klettra);
}

namespace klettra::ui {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    registerHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Справка — ") + AppInfo::title());
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(620, 560);
}

void HelpWindow::showContents()
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    show();
    raise();
    activateWindow();
}

} // namespace klettra::ui
