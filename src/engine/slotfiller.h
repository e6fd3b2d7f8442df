#pragma once

#include <array>
#include <cstdint>

#include "engine/wordpool.h"
#include "model/board.h"

namespace klettra::model {
class Model;
}

namespace klettra::engine {

class ComposerObserver;

/// Puts words into the slots of a model and takes them out again, keeping the board's letters,
/// the count of filled slots and the listeners in step. It records which horizontal and which
/// vertical slot runs through every cell, so the slot crossing another at a cell is found at once.
class SlotFiller
{
public:
    /// Works on the slots `model` holds now (derived by `BuildSlots`); slots already filled count
    /// towards `PutCount`. `observer` may be null.
    explicit SlotFiller(model::Model &model, ComposerObserver *observer = nullptr);

    void setObserver(ComposerObserver *observer) { m_observer = observer; }

    model::Model &model() { return m_model; }
    const model::Model &model() const { return m_model; }

    /// The number of filled slots.
    int PutCount() const { return m_putCount; }

    /// Sets slot `s`'s `Pattern` to the letters the board shows along it, a space for an open cell.
    void BuildPattern(int s);

    /// Puts `word` with its clue into the empty slot `s` and writes its letters on the board.
    void PutWord(const TPoolWord &word, int s);

    /// Takes the word out of slot `s`; its letters vanish except where a filled crossing slot
    /// covers them. An empty slot stays as it is.
    void emptySlot(int s);

    /// Empties every filled slot that crosses slot `s` at a cell holding a letter, and returns how
    /// many it emptied. Slots crossing `s` at open cells, and slots not crossing it, stay.
    int FreeCrossings(int s);

    /// The slot of the other direction through letter `i` (from 1) of slot `s`, or 0 when none.
    int crossingSlot(int s, int i) const;

private:
    using SlotMap = std::array<std::uint16_t, std::size_t(model::BoardWidth) * model::BoardHeight>;

    void reportProgress();

    model::Model &m_model;
    ComposerObserver *m_observer;
    SlotMap m_horizontalAt{}; ///< the horizontal slot through each board cell, 0 for none
    SlotMap m_verticalAt{};   ///< the vertical slot through each board cell, 0 for none
    int m_putCount = 0;
};

} // namespace klettra::engine
