#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/composerobserver.h"
#include "engine/repeats.h"
#include "engine/slotfiller.h"
#include "enginetesthelpers.h"
#include "model/model.h"
#include "support/gridbuilder.h"

using namespace klettra::engine;
using klettra::model::Model;
using klettra::test::cp;
using klettra::test::GridBuilder;

namespace {

struct RecordingObserver : ComposerObserver
{
    std::vector<int> placed;
    std::vector<int> emptied;
    std::vector<std::pair<int, int>> progress;
    void wordPlaced(int slot) override { placed.push_back(slot); }
    void slotEmptied(int slot) override { emptied.push_back(slot); }
    void progressChanged(int position, int maximum) override { progress.emplace_back(position, maximum); }
};

TPoolWord entry(std::string_view word, std::string_view clue = "")
{
    return TPoolWord{klettra::text::WordString(cp(word)), klettra::text::ClueString(cp(clue))};
}

std::string lettersOf(const Model &m, int x, int y, int dx, int dy, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += m.letters(x + i * dx, y + i * dy);
    return s;
}

std::vector<int> filledSlots(const Model &m)
{
    std::vector<int> filled;
    for (int s = 1; s <= m.slotCount(); ++s) {
        if (m.slot(s).Used == 1)
            filled.push_back(s);
    }
    return filled;
}

} // namespace

TEST(SlotFillerTest, putWordWritesTheLettersAndTheClueOfThatVeryEntry)
{
    Model m = GridBuilder().horizontal(2, 2, 4).vertical(4, 1, 3).model();
    RecordingObserver observer;
    SlotFiller filler(m, &observer);
    // Slot 1 is the vertical one (its first cell is in row 1).
    filler.PutWord(entry("КРОТ", "Первый."), 2);
    filler.PutWord(entry("КРОТ", "Второй."), 2); // a filled slot is left alone
    EXPECT_EQ(lettersOf(m, 2, 2, 1, 0, 4), cp("КРОТ"));
    EXPECT_EQ(m.slot(2).Clue.str(), cp("Первый."));
    EXPECT_EQ(filler.PutCount(), 1);

    filler.BuildPattern(1);
    EXPECT_EQ(m.slot(1).Pattern.str(), cp(" О "));
    filler.PutWord(entry("ДОМ", "Жилище."), 1);
    EXPECT_EQ(lettersOf(m, 4, 1, 0, 1, 3), cp("ДОМ"));
    EXPECT_EQ(filler.PutCount(), 2);
    EXPECT_EQ(observer.placed, (std::vector{2, 1}));
    EXPECT_EQ(observer.progress.back(), std::pair(2, 2));
}

TEST(SlotFillerTest, freeCrossingsOfAHorizontalSlotEmptiesExactlyTheFilledVerticalsThroughItsLetters)
{
    // Slots in reading order: 1 D(10,1)v5, 2 E(1,3)h3, 3 A(2,3)v4, 4 C(6,4)v3, 5 S(2,5)h6, 6 B(4,5)v3.
    Model m = GridBuilder()
                  .horizontal(2, 5, 6)
                  .vertical(2, 3, 4)
                  .vertical(4, 5, 3)
                  .vertical(6, 4, 3)
                  .vertical(10, 1, 5)
                  .horizontal(1, 3, 3)
                  .model();
    ASSERT_EQ(m.slotCount(), 6);
    RecordingObserver observer;
    SlotFiller filler(m, &observer);
    filler.PutWord(entry("СЛОВО"), 1);
    filler.PutWord(entry("ОКО"), 2);
    filler.PutWord(entry("КРОТ"), 3);
    filler.PutWord(entry("ОСА"), 6);
    filler.BuildPattern(5);
    EXPECT_EQ(m.slot(5).Pattern.str(), cp("О О   "));
    observer = {};

    // C crosses S at an open cell and D does not cross it at all: both stay as they are.
    EXPECT_EQ(filler.FreeCrossings(5), 2);
    EXPECT_EQ(filledSlots(m), (std::vector{1, 2}));
    EXPECT_EQ(observer.emptied, (std::vector{3, 6}));
    EXPECT_EQ(filler.PutCount(), 2);
    EXPECT_EQ(observer.progress.back(), std::pair(2, 6));
    // A's letters vanish except where E still covers them.
    EXPECT_EQ(lettersOf(m, 2, 3, 0, 1, 4), cp("К   "));
    EXPECT_EQ(lettersOf(m, 4, 5, 0, 1, 3), "   ");
    EXPECT_EQ(lettersOf(m, 10, 1, 0, 1, 5), cp("СЛОВО"));
    EXPECT_TRUE(m.slot(3).Word.empty());
    EXPECT_TRUE(m.slot(3).Clue.empty());
    // Nothing left to free.
    EXPECT_EQ(filler.FreeCrossings(5), 0);
}

TEST(SlotFillerTest, freeCrossingsOfAVerticalSlotFindsTheHorizontalsEvenWhenTheyStartOnIt)
{
    // Slots: 1 V(3,1)v5, 2 H1(1,2)h4, 3 H2(3,4)h3 starting on V, 4 H3(2,5)h3.
    Model m =
        GridBuilder().vertical(3, 1, 5).horizontal(1, 2, 4).horizontal(3, 4, 3).horizontal(2, 5, 3).model();
    ASSERT_EQ(m.slotCount(), 4);
    SlotFiller filler(m);
    filler.PutWord(entry("ЛУНА"), 2);
    filler.PutWord(entry("ТОК"), 3);
    EXPECT_EQ(filler.FreeCrossings(1), 2);
    EXPECT_TRUE(filledSlots(m).empty());
    EXPECT_EQ(lettersOf(m, 1, 2, 1, 0, 4), "    ");
    EXPECT_EQ(filler.crossingSlot(1, 5), 4);
    EXPECT_EQ(filler.crossingSlot(1, 3), 0);
}

TEST(RemovePovtorsTest, emptiesTheLaterOfTwoEqualWordsWithItsCrossingsWhateverTheClues)
{
    // Slots: 1 H1(1,1)h3, 2 (8,1)h4 unrelated, 3 V(2,4)v3, 4 H2(1,5)h3.
    Model m =
        GridBuilder().horizontal(1, 1, 3).vertical(2, 4, 3).horizontal(1, 5, 3).horizontal(8, 1, 4).model();
    SlotFiller filler(m);
    filler.PutWord(entry("КОТ", "Зверь."), 1);
    filler.PutWord(entry("ЛУНА"), 2);
    filler.PutWord(entry("ЛОБ"), 3);
    filler.PutWord(entry("КОТ", "Другой зверь."), 4);
    EXPECT_EQ(RemovePovtors(filler), 1);
    EXPECT_EQ(filledSlots(m), (std::vector{1, 2}));
    EXPECT_EQ(m.slot(1).Clue.str(), cp("Зверь."));
    EXPECT_EQ(filler.PutCount(), 2);
    EXPECT_EQ(lettersOf(m, 1, 5, 1, 0, 3), "   ");
    EXPECT_EQ(lettersOf(m, 2, 4, 0, 1, 3), "   ");
}

TEST(RemovePovtorsTest, countsEveryLaterCopyAndLeavesDifferentWordsAlone)
{
    Model m =
        GridBuilder().horizontal(1, 1, 4).horizontal(1, 3, 4).horizontal(1, 5, 4).horizontal(1, 7, 4).model();
    SlotFiller filler(m);
    filler.PutWord(entry("ЕЛКА"), 1);
    filler.PutWord(entry("ЁЛКА"), 2);
    filler.PutWord(entry("ЕЛКА"), 3);
    filler.PutWord(entry("ЕЛКА"), 4);
    EXPECT_EQ(RemovePovtors(filler), 2);
    EXPECT_EQ(filledSlots(m), (std::vector{1, 2}));

    // A board without repeats is left exactly as it was.
    const Model before = m;
    EXPECT_EQ(RemovePovtors(filler), 0);
    EXPECT_EQ(m.slots, before.slots);
    EXPECT_EQ(lettersOf(m, 1, 3, 1, 0, 4), cp("ЁЛКА"));
    EXPECT_EQ(filler.PutCount(), 2);
}

TEST(RemovePovtorsTest, aRepeatThatCrossesItsTwinEmptiesBothAndSkipsTheirLaterPairs)
{
    // Slots: 1 H(1,1)h3 and 2 V(1,1)v3 share their first cell; 3 H(5,5)h3 holds the same word.
    Model m = GridBuilder().horizontal(1, 1, 3).vertical(1, 1, 3).horizontal(5, 5, 3).model();
    SlotFiller filler(m);
    filler.PutWord(entry("ТОТ"), 1);
    filler.PutWord(entry("ТОТ"), 2);
    filler.PutWord(entry("ТОТ"), 3);
    EXPECT_EQ(RemovePovtors(filler), 1);
    EXPECT_EQ(filledSlots(m), (std::vector{3}));
    EXPECT_EQ(m.letters(1, 1), ' ');
}
