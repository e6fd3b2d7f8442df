#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dictionaries/slovartable.h"

namespace klettra::engine {

class WordPool;

/// Reads every word of the used dictionaries into a word pool, a batch of records per call, so a
/// window can load between its events and keep its Cancel button alive. Dictionaries are read in
/// the order given, each in its own word order. A dictionary that is missing or does not open is
/// passed over without a message. Records whose word is no pool word (other tools may write
/// anything) are passed over, and so are records without a clue when asked to.
class WordLoader
{
public:
    /// Empties `pool` and prepares to fill it; `pool` must outlive the loader.
    WordLoader(std::filesystem::path dataDir, std::vector<std::string> usedSlovars, bool skipUnclued,
               WordPool &pool);

    /// Reads up to `budget` records (at least one); returns true while records remain.
    bool step(std::size_t budget);

    /// Stops the load; the pool keeps the words read so far.
    void cancel();

    bool isFinished() const { return m_finished; }
    bool isCancelled() const { return m_cancelled; }

    /// Records read so far, including the ones passed over: the progress of the load.
    std::size_t recordsRead() const { return m_recordsRead; }

private:
    /// Moves on to the next record, through as many dictionaries as it takes; finishes the load
    /// when none is left.
    void advanceToRecord();
    /// Makes the next used dictionary that opens current; false when none is left.
    bool openNextTable();
    void finish();

    dictionaries::SlovarTable m_table;
    std::vector<std::string> m_usedSlovars;
    std::size_t m_nextSlovar = 0;
    bool m_skipUnclued;
    WordPool &m_pool;
    std::size_t m_recordsRead = 0;
    bool m_finished = false;
    bool m_cancelled = false;
};

/// `LoadWords`: runs a loader to the end. `progress`, when given, is called after each batch of
/// 512 records with the records read so far, and cancels the rest of the load by returning false.
/// Returns false when the load was cancelled before its end.
bool LoadWords(const std::filesystem::path &dataDir, const std::vector<std::string> &usedSlovars,
               bool skipUnclued, WordPool &pool,
               const std::function<bool(std::size_t recordsRead)> &progress = {});

} // namespace klettra::engine
