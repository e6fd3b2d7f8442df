#include "engine/slotfiller.h"

#include <algorithm>

#include "engine/composerobserver.h"
#include "model/model.h"

namespace klettra::engine {

using model::isOnBoard;
using model::TWordBukv;

namespace {

std::size_t cellIndex(int x, int y)
{
    return static_cast<std::size_t>((x - 1) * model::BoardHeight + (y - 1));
}

} // namespace

SlotFiller::SlotFiller(model::Model &model, ComposerObserver *observer)
    : m_model(model)
    , m_observer(observer)
{
    for (int s = 1; s <= m_model.slotCount(); ++s) {
        const TWordBukv &slot = m_model.slot(s);
        SlotMap &map = slot.isHorizontal() ? m_horizontalAt : m_verticalAt;
        for (int i = 1; i <= slot.Len; ++i) {
            const auto [x, y] = slot.cell(i);
            if (isOnBoard(x, y))
                map[cellIndex(x, y)] = static_cast<std::uint16_t>(s);
        }
        if (slot.Used == 1)
            ++m_putCount;
    }
}

void SlotFiller::BuildPattern(int s)
{
    TWordBukv &slot = m_model.slot(s);
    std::array<char, MaxWordLength> pattern{};
    const int length = std::min<int>(slot.Len, MaxWordLength);
    for (int i = 1; i <= length; ++i) {
        const auto [x, y] = slot.cell(i);
        pattern[static_cast<std::size_t>(i - 1)] = isOnBoard(x, y) ? m_model.letters(x, y) : ' ';
    }
    slot.Pattern.assign(std::string_view(pattern.data(), static_cast<std::size_t>(length)));
}

void SlotFiller::PutWord(const TPoolWord &word, int s)
{
    TWordBukv &slot = m_model.slot(s);
    if (slot.Used == 1)
        return;
    slot.Word = word.Word;
    slot.Clue = word.Clue;
    slot.Used = 1;
    ++m_putCount;
    m_model.showSlot(s);
    if (m_observer) {
        m_observer->wordPlaced(s);
        reportProgress();
    }
}

void SlotFiller::emptySlot(int s)
{
    TWordBukv &slot = m_model.slot(s);
    if (slot.Used != 1)
        return;
    m_model.clearSlotWord(s);
    --m_putCount;
    for (int i = 1; i <= slot.Len; ++i) {
        const auto [x, y] = slot.cell(i);
        if (!isOnBoard(x, y))
            continue;
        const int other = crossingSlot(s, i);
        char letter = ' ';
        if (other != 0 && m_model.slot(other).Used == 1) {
            const TWordBukv &crossing = m_model.slot(other);
            letter = crossing.letter(crossing.isHorizontal() ? x - crossing.X + 1 : y - crossing.Y + 1);
        }
        m_model.letters(x, y) = letter;
    }
    m_model.notifyChanged(m_model.slotRect(s));
    if (m_observer) {
        m_observer->slotEmptied(s);
        reportProgress();
    }
}

int SlotFiller::FreeCrossings(int s)
{
    const TWordBukv &slot = m_model.slot(s);
    int emptied = 0;
    for (int i = 1; i <= slot.Len; ++i) {
        const auto [x, y] = slot.cell(i);
        if (!isOnBoard(x, y) || m_model.letters(x, y) == ' ')
            continue;
        const int other = crossingSlot(s, i);
        if (other != 0 && m_model.slot(other).Used == 1) {
            emptySlot(other);
            ++emptied;
        }
    }
    return emptied;
}

int SlotFiller::crossingSlot(int s, int i) const
{
    const TWordBukv &slot = m_model.slot(s);
    const auto [x, y] = slot.cell(i);
    if (!isOnBoard(x, y))
        return 0;
    return (slot.isHorizontal() ? m_verticalAt : m_horizontalAt)[cellIndex(x, y)];
}

void SlotFiller::reportProgress()
{
    m_observer->progressChanged(m_putCount, m_model.slotCount());
}

} // namespace klettra::engine
