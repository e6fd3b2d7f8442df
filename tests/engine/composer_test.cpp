#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/composer.h"
#include "engine/composerobserver.h"
#include "engine/patternindex.h"
#include "engine/statustexts.h"
#include "enginetesthelpers.h"
#include "model/model.h"
#include "support/gridbuilder.h"

using namespace klettra::engine;
using klettra::model::Model;
using klettra::test::cp;
using klettra::test::GridBuilder;
using klettra::test::poolOf;

namespace {

struct RecordingObserver : ComposerObserver
{
    std::vector<std::string> statuses;
    std::vector<Ending> endings;
    void statusChanged(std::string_view text) override { statuses.emplace_back(text); }
    void finished(const Ending &ending) override { endings.push_back(ending); }
};

/// Every word of the given lengths over the letters А and Б, each twice with its own clue: any
/// pattern of those letters fits several words.
WordPool everyWordOfAB(int minLength, int maxLength)
{
    WordPool pool;
    const std::string letters = cp("АБ");
    for (int length = minLength; length <= maxLength; ++length) {
        for (unsigned bits = 0; bits < (1u << length); ++bits) {
            std::string word;
            for (int i = 0; i < length; ++i)
                word += letters[(bits >> i) & 1u];
            pool.add(word, "first " + word);
            pool.add(word, "second " + word);
        }
    }
    return pool;
}

/// Horizontal slots in the odd rows and vertical ones in the odd columns: words cross at every
/// second letter.
Model lattice(int size)
{
    GridBuilder b;
    for (int i = 1; i <= size; i += 2)
        b.horizontal(1, i, size).vertical(i, 1, size);
    return b.model();
}

/// A random half of the five-letter words over three letters: the composer has to back off often.
WordPool randomHalfOfFiveLetterWords()
{
    WordPool pool;
    std::mt19937 random(7);
    const std::string letters = cp("АБВ");
    for (unsigned n = 0; n < 243; ++n) {
        std::string word;
        for (unsigned v = n, i = 0; i < 5; ++i, v /= 3)
            word += letters[v % 3];
        if (random() % 2 == 0)
            pool.add(word, "clue " + word);
    }
    return pool;
}

std::vector<std::string> wordsOf(const Model &m)
{
    std::vector<std::string> words;
    for (int s = 1; s <= m.slotCount(); ++s)
        words.push_back(m.slot(s).Word.str());
    return words;
}

/// A finished crossword: every slot filled with a pool entry (word and its own clue), the board
/// spelling every word, so every crossing agrees.
void expectSoundCrossword(const Model &m, const WordPool &pool)
{
    for (int s = 1; s <= m.slotCount(); ++s) {
        const auto &slot = m.slot(s);
        ASSERT_EQ(slot.Used, 1) << "slot " << s;
        ASSERT_EQ(slot.Word.size(), slot.Len) << "slot " << s;
        bool fromPool = false;
        for (std::size_t i = 0; i < pool.PoolCount(slot.Len) && !fromPool; ++i)
            fromPool =
                pool.word(slot.Len, i) == slot.Word.view() && pool.clue(slot.Len, i) == slot.Clue.view();
        EXPECT_TRUE(fromPool) << "slot " << s << " holds no pool entry";
        for (int i = 1; i <= slot.Len; ++i) {
            const auto [x, y] = slot.cell(i);
            EXPECT_EQ(m.letters(x, y), slot.letter(i)) << "slot " << s << " letter " << i;
        }
    }
}

bool boardIsBlank(const Model &m)
{
    for (int x = 1; x <= klettra::model::BoardWidth; ++x) {
        for (int y = 1; y <= klettra::model::BoardHeight; ++y) {
            if (m.letters(x, y) != ' ')
                return false;
        }
    }
    return std::ranges::all_of(m.slots, [](const auto &s) { return s.Used == 0 && s.Len == 0; });
}

Ending runToEnd(Composer &composer, std::uint64_t maxSteps = 1'000'000)
{
    for (std::uint64_t i = 0; i < maxSteps && composer.isRunning(); ++i)
        composer.step();
    EXPECT_FALSE(composer.isRunning());
    return composer.ending().value_or(Ending{Outcome::Cancelled});
}

} // namespace

TEST(ComposerTest, completedCrosswordsAgreeAtEveryCrossingWithPoolWordsAndTheirOwnClues)
{
    const WordPool full = everyWordOfAB(3, 7);
    const WordPool sparse = randomHalfOfFiveLetterWords();
    for (const WordPool *pool : {&full, &sparse}) {
        const PatternIndex index(*pool);
        for (const std::uint8_t priority : {1, 2, 3}) {
            for (const std::uint64_t seed : {1u, 2u, 3u}) {
                Model m = lattice(pool == &full ? 7 : 5);
                Composer composer(m, index);
                composer.start({.priority = priority, .removeRepeats = true, .seed = seed});
                ASSERT_EQ(runToEnd(composer), Ending{Outcome::Completed});
                EXPECT_EQ(composer.PutCount(), m.slotCount());
                expectSoundCrossword(m, *pool);
                const auto words = wordsOf(m);
                EXPECT_EQ(std::set(words.begin(), words.end()).size(), words.size()) << "repeated word";
            }
        }
    }
}

TEST(ComposerTest, priorityDecidesWhichLengthIsFilledFirst)
{
    const WordPool pool = everyWordOfAB(3, 7);
    const PatternIndex index(pool);
    const auto fillOrder = [&](std::uint8_t priority, std::uint64_t seed) {
        Model m = GridBuilder()
                      .horizontal(1, 1, 3)
                      .horizontal(1, 3, 7)
                      .horizontal(1, 5, 5)
                      .horizontal(1, 7, 7)
                      .model();
        Composer composer(m, index);
        composer.start({.priority = priority, .seed = seed});
        std::vector<int> lengths;
        std::vector<int> slots;
        while (composer.isRunning()) {
            const StepResult r = composer.step();
            lengths.push_back(m.slot(r.slot).Len);
            slots.push_back(r.slot);
        }
        return std::pair(lengths, slots);
    };
    std::set<int> firstLongest;
    std::set<int> firstRandom;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const auto [longest, slots] = fillOrder(1, seed);
        EXPECT_EQ(longest, (std::vector{7, 7, 5, 3}));
        firstLongest.insert(slots.front());
        EXPECT_EQ(fillOrder(2, seed).first, (std::vector{3, 5, 7, 7}));
        firstRandom.insert(fillOrder(3, seed).first.front());
        firstRandom.insert(fillOrder(200, seed).first.front());
    }
    // Equal lengths are chosen at random, and without priority any length may come first.
    EXPECT_EQ(firstLongest, (std::set{2, 4}));
    EXPECT_EQ(firstRandom, (std::set{3, 5, 7}));
}

TEST(ComposerTest, aSlotNoWordFitsFreesItsCrossingsAndIsRetriedUntilTheStepLimit)
{
    // Slot 1 (four letters) and slot 2 (three letters) share their first cell, and no word of
    // one length begins like a word of the other.
    Model m = GridBuilder().horizontal(1, 1, 4).vertical(1, 1, 3).model();
    const WordPool pool = poolOf({{"ДОМА", "Не в гостях."}, {"КОТ", "Зверь."}});
    const PatternIndex index(pool);
    Composer composer(m, index);
    RecordingObserver observer;
    composer.setObserver(&observer);
    composer.start({.priority = Priority::Longest, .seed = 5, .maxSteps = 5});

    EXPECT_EQ(composer.step().slot, 1);
    const StepResult failed = composer.step();
    EXPECT_EQ(failed.action, StepAction::CrossingsFreed);
    EXPECT_EQ(failed.slot, 2);
    EXPECT_EQ(observer.statuses.back(), patternNotFoundText(cp("Д  ")));
    EXPECT_EQ(observer.statuses.back(), cp("Не найдено слово по шаблону :  Д  -  - "));
    EXPECT_TRUE(composer.RetryPending());
    EXPECT_EQ(composer.RetrySlot(), 2);
    EXPECT_EQ(composer.PutCount(), 0);
    EXPECT_EQ(m.slot(1).Used, 0);

    // The retried slot now has no letter and takes its word; then the other slot fails in turn.
    EXPECT_EQ(composer.step().action, StepAction::WordPlaced);
    EXPECT_EQ(m.slot(2).Word.str(), cp("КОТ"));
    EXPECT_EQ(composer.step().action, StepAction::CrossingsFreed);
    EXPECT_EQ(composer.RetrySlot(), 1);
    const StepResult last = composer.step();
    EXPECT_EQ(last.action, StepAction::Ended);
    EXPECT_EQ(last.slot, 1);
    EXPECT_EQ(composer.ending(), Ending{Outcome::StepLimit});
    EXPECT_EQ(observer.statuses.back(), cp("Превышено допустимое число шагов. Процесс остановлен."));
    EXPECT_TRUE(boardIsBlank(m));
    EXPECT_EQ(composer.step().action, StepAction::None);
}

TEST(ComposerTest, aLengthWithoutWordsStopsAndResetsTheCrossword)
{
    // A nine-letter slot crossed by a three-letter one; the pool has no nine-letter word.
    const WordPool pool = poolOf({{"КОТ", "Зверь."}, {"ТОК", "Ток."}});
    const PatternIndex index(pool);
    for (const std::uint8_t priority : {Priority::Longest, Priority::Shortest}) {
        Model m = GridBuilder().horizontal(1, 2, 9).vertical(2, 1, 3).model();
        Composer composer(m, index);
        RecordingObserver observer;
        composer.setObserver(&observer);
        composer.start({.priority = priority, .seed = 1});
        std::vector<StepAction> actions;
        while (composer.isRunning())
            actions.push_back(composer.step().action);
        // Shortest first lets the crossing word letter the long slot; its retry then has no letter.
        if (priority == Priority::Shortest)
            EXPECT_EQ(actions,
                      (std::vector{StepAction::WordPlaced, StepAction::CrossingsFreed, StepAction::Ended}));
        else
            EXPECT_EQ(actions, (std::vector{StepAction::Ended}));
        EXPECT_EQ(composer.ending(), (Ending{Outcome::NoWordOfLength, 9}));
        EXPECT_EQ(observer.statuses.back(), cp("Не найдено слово длиной 9 буквы. Процесс остановлен."));
        ASSERT_EQ(observer.endings.size(), 1u);
        EXPECT_TRUE(boardIsBlank(m));
    }
}

TEST(ComposerTest, endsAtOnceOnAGridWithoutSlotsAndOnCancelOrTimeLimit)
{
    const WordPool pool = everyWordOfAB(3, 7);
    const PatternIndex index(pool);
    RecordingObserver observer;

    Model empty;
    empty.ClearGrid();
    Composer nothing(empty, index);
    nothing.setObserver(&observer);
    nothing.start({.seed = 1});
    EXPECT_FALSE(nothing.isRunning());
    EXPECT_EQ(nothing.ending(), Ending{Outcome::Completed});
    EXPECT_EQ(observer.statuses.back(), cp("ГОТОВО !!!"));
    EXPECT_EQ(nothing.step().action, StepAction::None);

    Model m = lattice(7);
    Composer composer(m, index);
    composer.setObserver(&observer);
    composer.start({.seed = 1});
    composer.step();
    composer.step();
    EXPECT_EQ(composer.PutCount(), 2);
    composer.cancel();
    EXPECT_FALSE(composer.isRunning());
    EXPECT_EQ(composer.ending(), Ending{Outcome::Cancelled});
    EXPECT_EQ(observer.statuses.back(), cp("Процесс прерван пользователем."));
    EXPECT_TRUE(boardIsBlank(m));
    EXPECT_EQ(composer.PutCount(), 0);
    composer.cancel(); // nothing to cancel any more
    EXPECT_EQ(observer.endings.size(), 2u);

    composer.start({.seed = 1, .timeLimit = std::chrono::milliseconds(0)});
    EXPECT_EQ(composer.step().action, StepAction::Ended);
    EXPECT_EQ(composer.ending(), Ending{Outcome::TimeLimit});
    EXPECT_EQ(observer.statuses.back(), cp("Превышено допустимое время. Процесс остановлен."));
    EXPECT_TRUE(boardIsBlank(m));

    // An empty pool stops at the first slot tried.
    const WordPool none;
    const PatternIndex noIndex(none);
    Composer starving(m, noIndex);
    starving.start({.seed = 1});
    EXPECT_EQ(runToEnd(starving), (Ending{Outcome::NoWordOfLength, 7}));
}

TEST(ComposerTest, theSameSeedGivesTheSameCrossword)
{
    const WordPool pool = everyWordOfAB(3, 7);
    const PatternIndex index(pool);
    const auto compose = [&](std::uint64_t seed, std::uint8_t priority) {
        Model m = lattice(7);
        Composer composer(m, index);
        composer.start({.priority = priority, .seed = seed});
        EXPECT_EQ(runToEnd(composer), Ending{Outcome::Completed});
        EXPECT_EQ(composer.seed(), seed);
        return wordsOf(m);
    };
    std::set<std::vector<std::string>> different;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        EXPECT_EQ(compose(seed, 3), compose(seed, 3));
        different.insert(compose(seed, 1));
    }
    EXPECT_GT(different.size(), 1u);
}

TEST(ComposerTest, repeatsAreRemovedAndRefilledOnlyWhenAskedFor)
{
    // Two separate three-letter slots and a single three-letter word.
    const WordPool single = poolOf({{"КОТ", "Зверь."}});
    const PatternIndex singleIndex(single);
    Model m = GridBuilder().horizontal(1, 1, 3).horizontal(1, 3, 3).model();
    Composer composer(m, singleIndex);
    RecordingObserver observer;
    composer.setObserver(&observer);

    composer.start({.removeRepeats = false, .seed = 1});
    EXPECT_EQ(runToEnd(composer), Ending{Outcome::Completed});
    EXPECT_EQ(wordsOf(m), (std::vector{cp("КОТ"), cp("КОТ")}));

    // Without repeats the fill never completes; it keeps emptying the later slot.
    composer.start({.removeRepeats = true, .seed = 1, .maxSteps = 40});
    EXPECT_EQ(composer.step().action, StepAction::WordPlaced);
    EXPECT_EQ(composer.step().action, StepAction::RepeatsRemoved);
    EXPECT_EQ(observer.statuses.back(), cp("Поиск повторов."));
    EXPECT_EQ(composer.PutCount(), 1);
    EXPECT_EQ(m.slot(1).Used, 1);
    EXPECT_EQ(runToEnd(composer), Ending{Outcome::StepLimit});

    const WordPool two = poolOf({{"КОТ", "Зверь."}, {"ДОМ", "Жилище."}});
    const PatternIndex twoIndex(two);
    Composer distinct(m, twoIndex);
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        distinct.start({.removeRepeats = true, .seed = seed});
        EXPECT_EQ(runToEnd(distinct), Ending{Outcome::Completed});
        EXPECT_NE(m.slot(1).Word, m.slot(2).Word);
    }
}
