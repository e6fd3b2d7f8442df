#include "engine/composer.h"

#include <algorithm>

#include "engine/composerobserver.h"
#include "engine/patternindex.h"
#include "engine/repeats.h"
#include "engine/statustexts.h"
#include "model/model.h"

namespace klettra::engine {

Composer::Composer(model::Model &model, const PatternIndex &index)
    : m_model(model)
    , m_index(index)
{}

void Composer::setObserver(ComposerObserver *observer)
{
    m_observer = observer;
    if (m_filler)
        m_filler->setObserver(observer);
}

void Composer::start(const CompositionParams &params)
{
    m_params = params;
    m_seed = params.seed.value_or(Random::seedFromClock());
    m_random = Random(m_seed);
    m_steps = 0;
    m_startTime = std::chrono::steady_clock::now();
    m_retryPending = false;
    m_retrySlot = 0;
    m_ending.reset();

    m_model.ComputeExtent();
    m_model.ResetCrossword();
    m_model.BuildSlots();
    m_filler.emplace(m_model, m_observer);
    m_model.notifyChanged(model::WholeBoard);
    m_running = true;
    if (m_observer)
        m_observer->progressChanged(0, m_model.slotCount());
    if (m_model.slotCount() == 0)
        end(Ending{Outcome::Completed});
}

StepResult Composer::step()
{
    if (!m_running)
        return {};
    ++m_steps;
    const StepResult result = makeStep();
    if (!m_running)
        return result;
    if (m_params.maxSteps && m_steps >= *m_params.maxSteps) {
        end(Ending{Outcome::StepLimit});
        return {StepAction::Ended, result.slot};
    }
    if (m_params.timeLimit && std::chrono::steady_clock::now() - m_startTime >= *m_params.timeLimit) {
        end(Ending{Outcome::TimeLimit});
        return {StepAction::Ended, result.slot};
    }
    return result;
}

void Composer::cancel()
{
    if (m_running)
        end(Ending{Outcome::Cancelled});
}

StepResult Composer::makeStep()
{
    const int s = chooseSlot();
    if (s == 0) {
        // Only reached if the board is full without the completion having been noticed.
        end(Ending{Outcome::Completed});
        return {StepAction::Ended, 0};
    }
    m_filler->BuildPattern(s);
    const model::TWordBukv &slot = m_model.slot(s);
    const std::string_view pattern = slot.Pattern.view();
    const std::size_t k = m_index.FindWords(pattern, m_found);

    if (k == 0) {
        if (pattern.find_first_not_of(' ') == std::string_view::npos) {
            end(Ending{Outcome::NoWordOfLength, slot.Len});
            return {StepAction::Ended, s};
        }
        setStatus(patternNotFoundText(pattern));
        m_filler->FreeCrossings(s);
        m_retryPending = true;
        m_retrySlot = s;
        return {StepAction::CrossingsFreed, s};
    }

    const auto pick = m_found[m_random.below(static_cast<std::uint32_t>(k))];
    m_filler->PutWord(m_index.pool().entry(slot.Len, pick), s);
    if (m_filler->PutCount() < m_model.slotCount())
        return {StepAction::WordPlaced, s};
    if (m_params.removeRepeats) {
        setStatus(searchingRepeatsText());
        if (RemovePovtors(*m_filler) != 0)
            return {StepAction::RepeatsRemoved, s};
    }
    end(Ending{Outcome::Completed});
    return {StepAction::Ended, s};
}

int Composer::chooseSlot()
{
    if (m_retryPending) {
        m_retryPending = false;
        return m_retrySlot;
    }
    m_emptySlots.clear();
    for (int s = 1; s <= m_model.slotCount(); ++s) {
        if (m_model.slot(s).Used == 0)
            m_emptySlots.push_back(s);
    }
    if (m_emptySlots.empty())
        return 0;

    const auto lengthOf = [this](int s) {
        return m_model.slot(s).Len;
    };
    std::uint8_t target = 0;
    switch (m_params.priority) {
    case Priority::Longest:
        target = lengthOf(std::ranges::max(m_emptySlots, {}, lengthOf));
        break;
    case Priority::Shortest:
        target = lengthOf(std::ranges::min(m_emptySlots, {}, lengthOf));
        break;
    default:
        // The length of a random empty slot: lengths are weighted by how many empty slots have them.
        target = lengthOf(m_emptySlots[m_random.below(static_cast<std::uint32_t>(m_emptySlots.size()))]);
        break;
    }
    std::erase_if(m_emptySlots, [&](int s) { return lengthOf(s) != target; });
    return m_emptySlots[m_random.below(static_cast<std::uint32_t>(m_emptySlots.size()))];
}

void Composer::setStatus(const std::string &text)
{
    if (m_observer)
        m_observer->statusChanged(text);
}

void Composer::end(const Ending &ending)
{
    m_running = false;
    m_retryPending = false;
    m_ending = ending;
    if (!ending.isCompleted()) {
        m_model.ResetCrossword();
        m_filler.reset();
    }
    m_model.notifyChanged(model::WholeBoard);
    if (m_observer) {
        m_observer->statusChanged(statusText(ending));
        m_observer->finished(ending);
    }
}

} // namespace klettra::engine
