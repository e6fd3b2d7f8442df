#include "engine/wordloader.h"

#include <algorithm>

#include "engine/wordpool.h"

namespace klettra::engine {

using dictionaries::Field;

WordLoader::WordLoader(std::filesystem::path dataDir, std::vector<std::string> usedSlovars, bool skipUnclued,
                       WordPool &pool)
    : m_table(std::move(dataDir))
    , m_usedSlovars(std::move(usedSlovars))
    , m_skipUnclued(skipUnclued)
    , m_pool(pool)
{
    m_pool.clear();
    advanceToRecord();
}

bool WordLoader::step(std::size_t budget)
{
    for (std::size_t n = std::max<std::size_t>(budget, 1); n > 0 && !m_finished; --n) {
        ++m_recordsRead;
        const std::string clue = m_table.field(Field::Opisanie);
        if (!m_skipUnclued || !clue.empty())
            m_pool.add(m_table.field(Field::Slovo), clue);
        m_table.next();
        advanceToRecord();
    }
    return !m_finished;
}

void WordLoader::cancel()
{
    if (m_finished)
        return;
    m_cancelled = true;
    finish();
}

void WordLoader::advanceToRecord()
{
    while (!m_finished && (!m_table.isOpen() || m_table.atEnd())) {
        if (!openNextTable())
            finish();
    }
}

bool WordLoader::openNextTable()
{
    while (m_nextSlovar < m_usedSlovars.size()) {
        m_table.setName(m_usedSlovars[m_nextSlovar++]);
        if (m_table.open()) {
            m_table.first();
            return true;
        }
    }
    return false;
}

void WordLoader::finish()
{
    m_table.close();
    m_finished = true;
}

bool LoadWords(const std::filesystem::path &dataDir, const std::vector<std::string> &usedSlovars,
               bool skipUnclued, WordPool &pool, const std::function<bool(std::size_t)> &progress)
{
    // Batches small enough for a progress display to move smoothly.
    constexpr std::size_t BatchSize = 512;
    WordLoader loader(dataDir, usedSlovars, skipUnclued, pool);
    while (!loader.isFinished()) {
        loader.step(BatchSize);
        if (progress && !progress(loader.recordsRead()))
            loader.cancel();
    }
    return !loader.isCancelled();
}

} // namespace klettra::engine
