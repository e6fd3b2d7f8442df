#include "ui/viewcontroller.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

#include "output/cluelists.h"
#include "ui/commands.h"
#include "ui/mainform.h"
#include "ui/qtext.h"
#include "ui/sidebar.h"

namespace klettra::ui {

namespace {

QString joinLines(const std::vector<std::string> &lines)
{
    QStringList text;
    for (const std::string &line : lines)
        text << fromCp1251(line);
    return text.join(QLatin1Char('\n'));
}

} // namespace

ViewController::ViewController(TMainForm &window)
    : QObject(&window)
    , m_window(window)
{
    Commands &c = window.commands();
    connect(c.ViewEmptySetka, &QAction::triggered, this, &ViewController::ActionViewEmptySetkaExecute);
    connect(c.ViewFullSetka, &QAction::triggered, this, &ViewController::ActionViewFullSetkaExecute);
    connect(c.ViewVopros, &QAction::triggered, this, &ViewController::ActionViewVoprosExecute);
    connect(c.ViewOtvets, &QAction::triggered, this, &ViewController::ActionViewOtvetsExecute);
    connect(window.sideBar().CBox_View, &QComboBox::activated, this, &ViewController::CBox_ViewChange);
}

void ViewController::ActionViewEmptySetkaExecute()
{
    m_window.setFullSetkaShown(false);
    select(EmptySetka);
    m_window.showBoardPage();
    m_window.MatrixRePaint(model::WholeBoard);
}

void ViewController::ActionViewFullSetkaExecute()
{
    m_window.setFullSetkaShown(true);
    select(FullSetka);
    m_window.showBoardPage();
    m_window.MatrixRePaint(model::WholeBoard);
}

void ViewController::ActionViewVoprosExecute()
{
    select(Vopros);
    m_window.showTextPage(joinLines(output::questionLines(m_window.model())));
}

void ViewController::ActionViewOtvetsExecute()
{
    select(Otvets);
    m_window.showTextPage(joinLines(output::answerLines(m_window.model())));
}

void ViewController::CBox_ViewChange(int index)
{
    switch (index) {
    case EmptySetka:
        ActionViewEmptySetkaExecute();
        break;
    case FullSetka:
        ActionViewFullSetkaExecute();
        break;
    case Vopros:
        ActionViewVoprosExecute();
        break;
    case Otvets:
        ActionViewOtvetsExecute();
        break;
    default:
        break;
    }
}

void ViewController::select(View view)
{
    QComboBox *selector = m_window.sideBar().CBox_View;
    const QSignalBlocker quiet(selector);
    selector->setCurrentIndex(view);
    Commands &c = m_window.commands();
    QAction *const actions[] = {c.ViewEmptySetka, c.ViewFullSetka, c.ViewVopros, c.ViewOtvets};
    actions[view]->setChecked(true);
}

} // namespace klettra::ui
