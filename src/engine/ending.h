#pragma once

namespace klettra::engine {

/// How a composition ended.
enum class Outcome {
    Completed,      ///< every slot holds a word
    Cancelled,      ///< the user stopped it
    NoWordOfLength, ///< a slot of `Ending::length` letters found no word at all
    StepLimit,      ///< the caller's step limit was reached
    TimeLimit,      ///< the caller's time limit ran out
};

struct Ending
{
    Outcome outcome = Outcome::Completed;
    int length = 0; ///< the slot length that had no word, for `NoWordOfLength`

    bool isCompleted() const { return outcome == Outcome::Completed; }
    friend bool operator==(const Ending &, const Ending &) = default;
};

} // namespace klettra::engine
