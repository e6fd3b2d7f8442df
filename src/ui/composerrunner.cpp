#include "ui/composerrunner.h"

#include <QElapsedTimer>
#include <QTimer>

#include "engine/patternindex.h"
#include "engine/wordloader.h"
#include "model/model.h"
#include "ui/qtext.h"

namespace klettra::ui {

namespace {

// Records read between two looks at the clock during the word load.
constexpr std::size_t LoadBatch = 256;

} // namespace

ComposerRunner::ComposerRunner(model::Model &model, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &ComposerRunner::runSlice);
}

ComposerRunner::~ComposerRunner()
{
    // The composer reports to this object; it must not outlive it.
    if (m_composer)
        m_composer->setObserver(nullptr);
}

void ComposerRunner::start(const Request &request)
{
    m_params = request.params;
    m_composer.reset();
    m_index.reset();
    m_loader = std::make_unique<engine::WordLoader>(request.dataDir, request.usedSlovars,
                                                    m_params.skipUnclued, m_pool);
    m_phase = Phase::Loading;
    m_timer->start();
}

void ComposerRunner::cancel()
{
    if (m_phase == Phase::Loading) {
        m_loader->cancel();
        finish(engine::Ending{engine::Outcome::Cancelled});
    } else if (m_phase == Phase::Composing) {
        // The composer resets the crossword and reports its ending to `finished` below.
        m_composer->cancel();
    }
}

void ComposerRunner::runSlice()
{
    if (m_phase == Phase::Loading)
        loadSlice();
    else if (m_phase == Phase::Composing)
        composeSlice();
    else
        m_timer->stop();
}

void ComposerRunner::loadSlice()
{
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && clock.elapsed() < SliceMilliseconds)
        more = m_loader->step(LoadBatch);
    Q_EMIT loadProgress(qint64(m_loader->recordsRead()));
    if (!more)
        startComposing();
}

void ComposerRunner::startComposing()
{
    m_loader.reset();
    m_index = std::make_unique<engine::PatternIndex>(m_pool);
    m_composer = std::make_unique<engine::Composer>(m_model, *m_index);
    m_composer->setObserver(this);
    m_phase = Phase::Composing;
    m_model.ComputeExtent();
    Q_EMIT composingStarted(m_model.CountSlots());
    m_composer->start(m_params);
}

void ComposerRunner::composeSlice()
{
    QElapsedTimer clock;
    clock.start();
    while (m_phase == Phase::Composing && clock.elapsed() < SliceMilliseconds)
        m_composer->step();
}

void ComposerRunner::finish(const engine::Ending &ending)
{
    m_phase = Phase::Idle;
    m_timer->stop();
    m_loader.reset();
    Q_EMIT ended(ending);
}

void ComposerRunner::statusChanged(std::string_view text)
{
    Q_EMIT status(fromCp1251(text));
}

void ComposerRunner::progressChanged(int position, int maximum)
{
    Q_EMIT progress(position, maximum);
}

void ComposerRunner::finished(const engine::Ending &ending)
{
    finish(ending);
}

} // namespace klettra::ui
