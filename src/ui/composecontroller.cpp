#include "ui/composecontroller.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>

#include "dictionaries/slovarfiles.h"
#include "engine/statustexts.h"
#include "ui/busydialog.h"
#include "ui/commands.h"
#include "ui/composerrunner.h"
#include "ui/dictionarypanel.h"
#include "ui/mainform.h"
#include "ui/prompter.h"
#include "ui/qtext.h"
#include "ui/sidebar.h"
#include "ui/viewcontroller.h"

namespace klettra::ui {

ComposeController::ComposeController(TMainForm &window)
    : QObject(&window)
    , m_window(window)
    , m_busy(new BusyDialog(&window))
    , m_runner(new ComposerRunner(window.model(), this))
{
    connect(window.commands().CreateCros, &QAction::triggered, this,
            &ComposeController::ActionCreateCrosExecute);
    connect(m_busy, &BusyDialog::cancelled, this, &ComposeController::abcBusy1Cancel);
    connect(m_runner, &ComposerRunner::loadProgress, m_busy, &BusyDialog::setPosition);
    connect(m_runner, &ComposerRunner::composingStarted, this, &ComposeController::composingStarted);
    connect(m_runner, &ComposerRunner::progress, this, &ComposeController::showProgress);
    connect(m_runner, &ComposerRunner::status, &window, &TMainForm::setStatus);
    connect(m_runner, &ComposerRunner::ended, this, &ComposeController::EndCreateCros);
}

bool ComposeController::isRunning() const
{
    return m_runner->isRunning();
}

void ComposeController::ActionCreateCrosExecute()
{
    if (m_runner->isRunning())
        return;
    const auto &settings = m_window.settings();
    const std::int64_t words = dictionaries::CountUsedWords(m_window.dataDir(), settings.UsedSlovars);
    if (words == 0) {
        m_window.prompter().error(fromCp1251(engine::noWordsText()));
        return;
    }

    m_window.commands().atComposingStarted();
    m_window.sideBar().showPage(SideBar::CrosPage);
    m_window.sideBar().setEnabled(false);

    m_busy->start(QStringLiteral("Загрузка слов из словарей ..."), words, &m_window);
    m_window.setStatus(QStringLiteral("Создание кроссворда."));

    m_window.ShowRehInfo();
    m_window.dictionaryPanel().ShowColUsedWords();
    m_window.ResetCrossword();
    const model::Extent &extent = m_window.model().extent;
    m_window.model().RefreshLetters(model::CellRect{extent.MinX, extent.MinY, extent.MaxX, extent.MaxY});

    m_runner->start(ComposerRunner::Request{
        .dataDir = m_window.dataDir(),
        .usedSlovars = settings.UsedSlovars,
        .params =
            engine::CompositionParams{
                .priority = settings.PrioritetSlov,
                .removeRepeats = settings.CreateWithoutPovtors,
                .skipUnclued = settings.NotUseWordsWithoutVopros,
            },
    });
}

void ComposeController::composingStarted(int slots)
{
    m_busy->setMaximum(slots);
    m_busy->setMessage(QStringLiteral("Составление кроссворда ..."));
    m_window.setComposing(true);
}

void ComposeController::showProgress(int position, int maximum)
{
    if (maximum != m_busy->maximum())
        m_busy->setMaximum(maximum);
    m_busy->setPosition(position);
}

void ComposeController::abcBusy1Cancel()
{
    m_runner->cancel();
}

void ComposeController::EndCreateCros(const engine::Ending &ending)
{
    m_window.setComposing(false);
    m_busy->hide();
    m_window.setStatus(fromCp1251(engine::statusText(ending)));

    Commands &commands = m_window.commands();
    if (ending.isCompleted()) {
        m_window.setCrossReady(true);
        commands.atComposingEnded(true);
        m_window.sideBar().CBox_View->setEnabled(true);
        m_window.views().ActionViewFullSetkaExecute();
    } else {
        m_window.ResetCrossword();
        commands.atComposingEnded(false);
    }
    m_window.MatrixRePaint(model::WholeBoard);
    m_window.sideBar().setEnabled(true);

    if (ending.isCompleted()) {
        QApplication::beep();
        m_window.prompter().inform(QStringLiteral("Кроссворд составлен !"));
    }
}

} // namespace klettra::ui
