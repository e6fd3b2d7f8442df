#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "engine/composer.h"
#include "engine/composerobserver.h"
#include "engine/compositionparams.h"
#include "engine/wordpool.h"

class QTimer;

namespace klettra::engine {
class PatternIndex;
class WordLoader;
} // namespace klettra::engine

namespace klettra::model {
class Model;
}

namespace klettra::ui {

/// Runs a composition in short slices from a zero-interval timer, so that the window repaints
/// and its Cancel button works between steps however long composing takes: first the word load,
/// a batch of records per slice, then the composer's steps. Owned by the window, whose end stops
/// the work.
class ComposerRunner : public QObject, private engine::ComposerObserver
{
    Q_OBJECT
public:
    /// How long one slice may run before the event loop gets its turn.
    static constexpr int SliceMilliseconds = 10;

    struct Request
    {
        std::filesystem::path dataDir;
        std::vector<std::string> usedSlovars;
        engine::CompositionParams params;
    };

    ComposerRunner(model::Model &model, QObject *parent = nullptr);
    ~ComposerRunner() override;

    /// Starts loading the words; composing follows by itself.
    void start(const Request &request);
    /// Stops the load or the composition; `ended` reports the cancellation.
    void cancel();

    bool isLoading() const { return m_phase == Phase::Loading; }
    bool isComposing() const { return m_phase == Phase::Composing; }
    bool isRunning() const { return m_phase != Phase::Idle; }

    /// The composer of the current or last composition (its seed, steps, counters).
    const engine::Composer *composer() const { return m_composer.get(); }

Q_SIGNALS:
    /// Records read so far during the word load.
    void loadProgress(qint64 records);
    /// The load is done and the composer starts on `slots` slots.
    void composingStarted(int slots);
    /// `position` of `maximum` slots are filled.
    void progress(int position, int maximum);
    /// A status text of the composer, Windows-1251.
    void status(const QString &text);
    /// The composition ended; the model is as the ending left it.
    void ended(const klettra::engine::Ending &ending);

private:
    enum class Phase { Idle, Loading, Composing };

    void runSlice();
    void loadSlice();
    void composeSlice();
    void startComposing();
    void finish(const engine::Ending &ending);

    void statusChanged(std::string_view text) override;
    void progressChanged(int position, int maximum) override;
    void finished(const engine::Ending &ending) override;

    model::Model &m_model;
    QTimer *m_timer;
    Phase m_phase = Phase::Idle;
    engine::CompositionParams m_params;
    engine::WordPool m_pool;
    std::unique_ptr<engine::WordLoader> m_loader;
    std::unique_ptr<engine::PatternIndex> m_index;
    std::unique_ptr<engine::Composer> m_composer;
};

} // namespace klettra::ui
