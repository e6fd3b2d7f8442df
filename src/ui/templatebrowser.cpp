#include "ui/templatebrowser.h"

#include "ui/commands.h"
#include "ui/mainform.h"
#include "ui/sidebar.h"
#include "ui/spinbutton.h"

namespace klettra::ui {

TemplateBrowser::TemplateBrowser(TMainForm &window)
    : QObject(&window)
    , m_window(window)
{
    SpinButton *spin = window.sideBar().SpinButton1;
    connect(spin, &SpinButton::downClicked, this, &TemplateBrowser::SpinButton1DownClick);
    connect(spin, &SpinButton::upClicked, this, &TemplateBrowser::SpinButton1UpClick);
}

void TemplateBrowser::SpinButton1DownClick()
{
    const int current = m_window.templates().CurReh;
    if (current > 1)
        showTemplate(current - 1);
}

void TemplateBrowser::SpinButton1UpClick()
{
    const int current = m_window.templates().CurReh;
    if (current < m_window.templates().RehCount)
        showTemplate(current + 1);
}

void TemplateBrowser::showTemplate(int number)
{
    model::TemplateSet &templates = m_window.templates();
    templates.CurReh = static_cast<std::uint8_t>(number);
    // A template that cannot be read leaves an empty grid, which is what is shown then.
    (void)templates.LoadReh(number, m_window.model().cells);
    m_window.model().ComputeExtent();
    m_window.ResetCrossword();
    m_window.setGridOutsideSet(false);
    m_window.commands().atTemplateBrowsed();
    m_window.ShowRehInfo();
    m_window.setStatus(QStringLiteral("Выбрана новая сетка."));
    m_window.MatrixRePaint(model::WholeBoard);
}

} // namespace klettra::ui
