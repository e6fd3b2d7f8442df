#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/compositionparams.h"
#include "engine/ending.h"
#include "engine/random.h"
#include "engine/slotfiller.h"

namespace klettra::model {
class Model;
}

namespace klettra::engine {

class ComposerObserver;
class PatternIndex;

/// What one composition step did.
enum class StepAction {
    None,           ///< nothing: no composition is running
    WordPlaced,     ///< a word went into `StepResult::slot`
    CrossingsFreed, ///< no word fitted the slot; the filled slots crossing it were emptied
    RepeatsRemoved, ///< the board was full, but repeated words were taken off again
    Ended,          ///< the composition ended; see `Composer::ending()`
};

struct StepResult
{
    StepAction action = StepAction::None;
    int slot = 0; ///< the slot the step worked on, 0 when none
};

/// Fills the slots of a grid with pool words so that every crossing agrees. It runs as a stepper:
/// `start` prepares a composition, each `step` picks one empty slot and either places a random
/// fitting word or, when none fits, empties the slots crossing it and works on the same slot
/// next time; the caller keeps calling `step` until `isRunning` turns false, and may `cancel` in
/// between. Every call is short, so a window can run steps from its event loop and stay responsive.
///
/// The model and the index belong to the caller and must outlive the composer. A window drives a
/// whole composition from a zero-interval timer in short slices:
///
///     WordLoader loader(dataDir, usedSlovars, params.skipUnclued, pool);   // then, per tick:
///     loader.step(500);                        // ... until it returns false (or loader.cancel())
///     PatternIndex index(pool);
///     Composer composer(model, index);
///     composer.setObserver(&boardListener);
///     composer.start(params);                  // then, per tick, a few hundred of:
///     composer.step();                         // ... while composer.isRunning() (or cancel())
class Composer
{
public:
    Composer(model::Model &model, const PatternIndex &index);

    /// Who hears of every placed and emptied word, status text, progress and ending; may be null.
    void setObserver(ComposerObserver *observer);

    /// Starts composing the model's current grid: recomputes the extent, resets the crossword and
    /// derives the slots. A grid without slots is complete at once.
    void start(const CompositionParams &params);

    /// One step; after the composition has ended it does nothing.
    StepResult step();

    /// Ends a running composition as cancelled, resetting the crossword.
    void cancel();

    /// True from `start` until the composition ends (`Composing`).
    bool isRunning() const { return m_running; }

    /// How the last composition ended; nothing before the first ending.
    const std::optional<Ending> &ending() const { return m_ending; }

    /// The number of filled slots.
    int PutCount() const { return m_filler ? m_filler->PutCount() : 0; }
    /// Whether the next step works on `RetrySlot` instead of choosing a slot.
    bool RetryPending() const { return m_retryPending; }
    int RetrySlot() const { return m_retrySlot; }

    /// The seed of the current or last composition, to reproduce it.
    std::uint64_t seed() const { return m_seed; }
    /// Steps taken by the current or last composition.
    std::uint64_t steps() const { return m_steps; }

private:
    StepResult makeStep();
    int chooseSlot();
    void setStatus(const std::string &text);
    void end(const Ending &ending);

    model::Model &m_model;
    const PatternIndex &m_index;
    ComposerObserver *m_observer = nullptr;
    std::optional<SlotFiller> m_filler;
    CompositionParams m_params;
    Random m_random;
    std::uint64_t m_seed = 0;
    std::uint64_t m_steps = 0;
    std::chrono::steady_clock::time_point m_startTime;
    bool m_running = false;
    bool m_retryPending = false;
    int m_retrySlot = 0;
    std::optional<Ending> m_ending;
    std::vector<int> m_emptySlots;
    std::vector<std::uint32_t> m_found; ///< `FoundWords`: positions in the length group
};

} // namespace klettra::engine
