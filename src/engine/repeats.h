#pragma once

namespace klettra::engine {

class SlotFiller;

/// Takes repeated words off a full board: for every pair of filled slots holding the same word
/// (clues do not matter, Е and Ё differ), the later slot in reading order is emptied together with
/// the filled slots crossing it, and the earlier one keeps its word. Returns how many repeated
/// slots were emptied; 0 means the board had no repeat and nothing changed.
int RemovePovtors(SlotFiller &filler);

} // namespace klettra::engine
