#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/slotediting.h"
#include "editor/templatefinishing.h"
#include "editor/templatetext.h"
#include "model/gridcells.h"
#include "model/gridcheck.h"
#include "model/model.h"
#include "support/testdata.h"

using namespace klettra::editor;
using klettra::model::GridCells;
namespace fs = std::filesystem;

using klettra::test::linesOf;

namespace {

struct Bundled
{
    std::string file;
    std::vector<std::string> lines;
    TextTemplate parsed;
};

struct Slot
{
    Direction direction;
    int x;
    int y;
    int length;
};

std::vector<Bundled> bundledTemplates()
{
    std::vector<fs::path> files;
    for (const auto &entry : fs::directory_iterator(KLETTRA_TEMPLATES_DIR)) {
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Bundled> all;
    for (const fs::path &file : files) {
        const std::string text = klettra::test::readText(file);
        const TemplateTextParse parse = parseTemplateText(text);
        EXPECT_FALSE(parse.error) << file << ":" << parse.error->line;
        for (const TextTemplate &t : parse.templates)
            all.push_back({file.filename().string(), linesOf(text), t});
    }
    return all;
}

std::vector<Slot> slotsInReadingOrder(const GridCells &cells)
{
    std::vector<Slot> slots;
    for (int y = 1; y <= klettra::model::BoardHeight; ++y) {
        for (int x = 1; x <= klettra::model::BoardWidth; ++x) {
            const auto &c = cells(x, y);
            if (c.HLen != 0)
                slots.push_back({Direction::Horizontal, x, y, c.HLen});
            if (c.VLen != 0)
                slots.push_back({Direction::Vertical, x, y, c.VLen});
        }
    }
    return slots;
}

// Adds the slots as a user would, each only when the board menu offers it: pass after pass in
// reading order until all are placed. Returns the slots no pass could place.
std::vector<Slot> rebuild(const std::vector<Slot> &slots, GridCells &built)
{
    std::vector<Slot> pending = slots;
    while (!pending.empty()) {
        std::vector<Slot> left;
        for (const Slot &s : pending) {
            if (!addSlot(built, s.direction, s.x, s.y, s.length).isDone())
                left.push_back(s);
        }
        if (left.size() == pending.size())
            return left;
        pending = std::move(left);
    }
    return {};
}

// True when every letter cell can be reached from every other through edge-adjacent letter cells:
// a crossword in one piece.
bool isOnePiece(const GridCells &cells)
{
    std::vector<std::pair<int, int>> letters;
    for (int x = 1; x <= klettra::model::BoardWidth; ++x) {
        for (int y = 1; y <= klettra::model::BoardHeight; ++y) {
            if (klettra::model::isLetterKind(cells(x, y).Kind))
                letters.emplace_back(x, y);
        }
    }
    if (letters.empty())
        return false;
    std::vector<std::pair<int, int>> reached{letters.front()};
    for (std::size_t i = 0; i < reached.size(); ++i) {
        const auto [x, y] = reached[i];
        for (const auto &next :
             {std::pair{x - 1, y}, std::pair{x + 1, y}, std::pair{x, y - 1}, std::pair{x, y + 1}}) {
            if (klettra::model::isLetterKind(cells(next.first, next.second).Kind) &&
                std::find(reached.begin(), reached.end(), next) == reached.end())
                reached.push_back(next);
        }
    }
    return reached.size() == letters.size();
}

} // namespace

TEST(BundledTemplatesTest, filesHoldTwentyNamedTemplatesFromWarmUpToFullBoard)
{
    const std::vector<Bundled> all = bundledTemplates();
    EXPECT_GE(all.size(), 20u);
    const std::regex name("[0-9][0-9]-[a-z0-9-]+\\.txt");
    int smallest = 47 * 37;
    bool fullBoard = false;
    for (const Bundled &b : all) {
        EXPECT_TRUE(std::regex_match(b.file, name)) << b.file;
        EXPECT_FALSE(b.parsed.title.empty()) << b.file << ":" << b.parsed.line;
        const auto extent = klettra::model::letterExtent(b.parsed.cells);
        const int width = extent.MaxX - extent.MinX + 1;
        const int height = extent.MaxY - extent.MinY + 1;
        smallest = std::min(smallest, width * height);
        fullBoard = fullBoard || (width == 47 && height == 37);
    }
    EXPECT_EQ(smallest, 7 * 7);
    EXPECT_TRUE(fullBoard);
}

TEST(BundledTemplatesTest, everyTemplateCanBeBuiltSlotBySlotUnderTheNeighbourRules)
{
    for (const Bundled &b : bundledTemplates()) {
        GridCells built;
        const std::vector<Slot> stuck = rebuild(slotsInReadingOrder(b.parsed.cells), built);
        EXPECT_TRUE(stuck.empty()) << b.file << ":" << b.parsed.line << ": " << stuck.size()
                                   << " slots are never offered, the first at column " << stuck.front().x
                                   << ", row " << stuck.front().y;
        EXPECT_EQ(built, b.parsed.cells) << b.file << ":" << b.parsed.line;
    }
}

TEST(BundledTemplatesTest, everyTemplateFinishesWellFormedInOnePieceAndReadsAsItsFile)
{
    for (const Bundled &b : bundledTemplates()) {
        GridCells cells = b.parsed.cells;
        ASSERT_EQ(finishTemplate(cells, true).status, FinishStatus::Finished) << b.file;
        EXPECT_TRUE(klettra::model::isWellFormedGrid(cells)) << b.file << ":" << b.parsed.line;
        EXPECT_TRUE(isOnePiece(cells)) << b.file << ":" << b.parsed.line;
        // The file shows the template as it is exported, enclosed blanks as '#'.
        std::string inFile;
        for (auto i = std::size_t(b.parsed.line - 1); i < b.lines.size() && !b.lines[i].empty(); ++i)
            inFile += b.lines[i] + "\n";
        EXPECT_EQ(writeTemplateText(cells), inFile) << b.file << ":" << b.parsed.line;
    }
}
