#include <ctime>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "document/crc16.h"
#include "document/crosfile.h"
#include "document/crospayload.h"
#include "document/lhawriter.h"
#include "lhatool.h"
#include "model/model.h"
#include "support/filesizelimit.h"
#include "support/gridbuilder.h"
#include "support/samplecrosswords.h"
#include "support/tempdir.h"
#include "support/testdata.h"
#include "text/cp1251.h"

using namespace klettra::document;
using namespace klettra::model;
using klettra::test::filledCrossword;
using klettra::test::readBytes;
using klettra::test::smallCrossword;
using klettra::test::TempDir;
using klettra::test::testDataPath;
using klettra::test::writeBytes;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t SomeTime = (44u << 9 | 3u << 5 | 14u) << 16 | (15u << 11 | 9u << 5 | 13u);

Bytes payloadOf(const Model &m)
{
    return buildPayload(m.cells, m.slots);
}

/// A crossword file around `payload`, packed as member `name`, method letters masked.
Bytes maskedArchive(const Bytes &payload, std::string_view name = "crw")
{
    Bytes file = packLh6Member(name, payload, SomeTime);
    std::fill_n(file.begin() + 3, 3, 0xFF);
    return file;
}

Bytes crosFileOf(const Model &m)
{
    auto file = buildCrosFile(m, SomeTime);
    EXPECT_TRUE(file.has_value());
    return file.value_or(Bytes{});
}

/// Rewrites the header checksum of a masked file after a header field was changed on purpose.
void fixChecksum(Bytes &file)
{
    Bytes header(file.begin() + 2, file.begin() + 27);
    std::copy_n("lh6", 3, header.begin() + 1);
    file[1] = headerChecksum(header);
}

/// Loads `file` into a model that already holds a crossword; returns the reason of a refusal and
/// checks that a refused file left the model exactly as it was.
CrosFileError loadInto(const Bytes &file)
{
    Model m = smallCrossword();
    const Model before = m;
    CrosFileError reason = CrosFileError::None;
    if (!loadCrosBytes(file, m, &reason)) {
        EXPECT_NE(reason, CrosFileError::None);
        EXPECT_EQ(m.cells, before.cells);
        EXPECT_EQ(m.slots, before.slots);
        EXPECT_EQ(m.extent, before.extent);
    }
    return reason;
}

/// The payload of the small crossword with `change` applied to its bytes.
Bytes smallPayloadWith(const std::function<void(Bytes &)> &change)
{
    Bytes payload = payloadOf(smallCrossword());
    change(payload);
    return payload;
}

std::size_t cellAt(int x, int y)
{
    return Payload::CountSize + std::size_t(x * GridRows + y) * GridCells::CellSize;
}

std::size_t slotAt(int i)
{
    return Payload::FixedSize + std::size_t(i - 1) * TWordBukv::RecordSize;
}

std::uint32_t u32At(const Bytes &b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

} // namespace

TEST(CrosFileTest, roundTripKeepsCellsAndSlotsByteForByte)
{
    TempDir dir;
    std::vector<Model> crosswords{filledCrossword(0), filledCrossword(1), filledCrossword(2),
                                  filledCrossword(255), smallCrossword()};
    // Bytes past a string's length are kept as they were, like everything else.
    crosswords.back().slot(1).Word.assign("ABCDEFGHIJKLMN");
    crosswords.back().slot(1).Word.assign(klettra::text::fromUtf8("КОТ"));
    for (const Model &original : crosswords) {
        SCOPED_TRACE(std::to_string(original.slotCount()) + " slots");
        std::string error;
        ASSERT_TRUE(SaveCrosFile(original, dir / "a.crs", &error)) << error;
        Model loaded;
        CrosFileError reason{};
        ASSERT_TRUE(LoadCrosFile(dir / "a.crs", loaded, &reason)) << describe(reason);
        EXPECT_EQ(payloadOf(loaded), payloadOf(original));
        EXPECT_EQ(loaded.slots, original.slots);
        EXPECT_EQ(loaded.cells, original.cells);
        EXPECT_EQ(loaded.extent, original.extent);
        for (int x = 1; x <= BoardWidth; ++x) {
            for (int y = 1; y <= BoardHeight; ++y)
                ASSERT_EQ(loaded.letters(x, y), original.letters(x, y)) << x << "," << y;
        }
    }
    ASSERT_EQ(crosswords[3].slotCount(), 255);
}

TEST(CrosFileTest, loadingRebuildsTheLettersAndTheExtent)
{
    TempDir dir;
    ASSERT_TRUE(SaveCrosFile(smallCrossword(), dir / "small.crs"));
    Model m = filledCrossword(30); // a different crossword on the board before
    ASSERT_TRUE(LoadCrosFile(dir / "small.crs", m));
    EXPECT_EQ(m.extent, (Extent{1, 3, 1, 3}));
    const std::string letters = klettra::text::fromUtf8("КОТИ ОТИК");
    for (int y = 1; y <= 3; ++y) {
        for (int x = 1; x <= 3; ++x)
            EXPECT_EQ(m.letters(x, y), letters[std::size_t((y - 1) * 3 + x - 1)]) << x << "," << y;
    }
    EXPECT_EQ(m.letters(4, 1), ' ');
    EXPECT_EQ(m.letters(20, 10), ' ');
}

TEST(CrosFileTest, fileLayoutIsAMaskedLevel0Archive)
{
    const Model m = filledCrossword(7);
    const Bytes payload = payloadOf(m);
    ASSERT_EQ(payload.size(), 7648u + 291u * 7u);
    const Bytes file = crosFileOf(m);
    ASSERT_GT(file.size(), 27u);
    EXPECT_EQ(file[0], 25);
    Bytes unmasked(file.begin() + 2, file.begin() + 27);
    std::copy_n("lh6", 3, unmasked.begin() + 1);
    EXPECT_EQ(file[1], headerChecksum(unmasked));
    EXPECT_EQ(std::string(file.begin() + 2, file.begin() + 7), "-\xFF\xFF\xFF-");
    EXPECT_EQ(u32At(file, 7), file.size() - 27);
    EXPECT_EQ(u32At(file, 11), payload.size());
    EXPECT_EQ(u32At(file, 15), SomeTime);
    EXPECT_EQ(file[19], 0x20);
    EXPECT_EQ(file[20], 0);
    EXPECT_EQ(file[21], 3);
    EXPECT_EQ(std::string(file.begin() + 22, file.begin() + 25), "crw");
    EXPECT_EQ(file[25] | file[26] << 8, crc16(payload));
    EXPECT_EQ(u32At(payload, 0), 7u);
}

TEST(CrosFileTest, savingTwiceDiffersOnlyInStampAttributeAndChecksum)
{
    const Model m = filledCrossword(12);
    const Bytes first = crosFileOf(m);
    auto second = buildCrosFile(m, SomeTime + 0x10203);
    ASSERT_TRUE(second);
    ASSERT_EQ(first.size(), second->size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        const bool mayDiffer = i == 1 || (i >= 15 && i <= 19);
        if (!mayDiffer) {
            EXPECT_EQ(first[i], (*second)[i]) << "byte " << i;
        }
    }
    EXPECT_NE(first[15], (*second)[15]);

    // A real save is stamped with the moment of saving, in local time.
    TempDir dir;
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(SaveCrosFile(m, dir / "now.crs"));
    const std::time_t after = std::time(nullptr);
    const std::uint32_t stamp = u32At(readBytes(dir / "now.crs"), 15);
    EXPECT_TRUE(stamp == dosDateTime(before) || stamp == dosDateTime(after) ||
                stamp == dosDateTime(before + 2));
}

TEST(CrosFileTest, lhasaToolReadsOurFilesOnceUnmasked)
{
    const auto lhasa = klettra::test::findLhasaTool();
    if (!lhasa)
        GTEST_SKIP() << "the lhasa tool is not installed (Debian package lhasa)";
    TempDir dir;
    for (const Model &m : {smallCrossword(), filledCrossword(255)}) {
        SCOPED_TRACE(std::to_string(m.slotCount()) + " slots");
        Bytes file = crosFileOf(m);
        std::copy_n("lh6", 3, file.begin() + 3);
        writeBytes(dir / "unmasked.lzh", file);
        const auto tested = klettra::test::runTool(*lhasa, "t unmasked.lzh", dir.path());
        EXPECT_EQ(tested.status, 0) << tested.output;
        std::filesystem::remove(dir / "crw");
        const auto extracted = klettra::test::runTool(*lhasa, "xf unmasked.lzh", dir.path());
        ASSERT_EQ(extracted.status, 0) << extracted.output;
        EXPECT_EQ(readBytes(dir / "crw"), payloadOf(m));
    }
}

TEST(CrosFileTest, readsArchivesOfAnotherLhaImplementationOnceMasked)
{
    const auto maskedFixture = [](const char *name) {
        Bytes file = readBytes(testDataPath(std::string("document/") + name));
        EXPECT_EQ(std::string(file.begin() + 2, file.begin() + 7), "-lh6-");
        std::fill_n(file.begin() + 3, 3, 0xFF);
        return file;
    };
    struct Case
    {
        const char *archive;
        const char *payload;
    };
    for (const Case c :
         {Case{"jlha-crossword.lzh", "crossword40.payload"}, Case{"jlha-two-members.lzh", "small.payload"}}) {
        SCOPED_TRACE(c.archive);
        Model m;
        CrosFileError reason{};
        ASSERT_TRUE(loadCrosBytes(maskedFixture(c.archive), m, &reason)) << describe(reason);
        EXPECT_EQ(payloadOf(m), readBytes(testDataPath(std::string("document/") + c.payload)));
    }
    EXPECT_EQ(loadInto(maskedFixture("jlha-other-name.lzh")), CrosFileError::NoMember);
    // Unmasked, the same archive is an ordinary LHA archive and no crossword file.
    EXPECT_EQ(loadInto(readBytes(testDataPath("document/jlha-crossword.lzh"))), CrosFileError::NotMasked);
}

TEST(CrosFileTest, refusesFilesThatAreNoCrosswordFiles)
{
    TempDir dir;
    Model m;
    CrosFileError reason{};
    EXPECT_FALSE(LoadCrosFile(dir / "missing.crs", m, &reason));
    EXPECT_EQ(reason, CrosFileError::Unreadable);
    EXPECT_FALSE(LoadCrosFile(dir.path(), m, &reason));
    EXPECT_EQ(reason, CrosFileError::Unreadable);

    const Bytes good = crosFileOf(smallCrossword());
    EXPECT_EQ(loadInto({}), CrosFileError::TooShort);
    EXPECT_EQ(loadInto(Bytes(good.begin(), good.begin() + 5)), CrosFileError::TooShort);
    EXPECT_EQ(loadInto(Bytes(good.begin(), good.begin() + 26)), CrosFileError::TooShort);

    Bytes plain = good;
    std::copy_n("lh6", 3, plain.begin() + 3);
    EXPECT_EQ(loadInto(plain), CrosFileError::NotMasked);
    Bytes partlyMasked = good;
    partlyMasked[5] = 0xFE;
    EXPECT_EQ(loadInto(partlyMasked), CrosFileError::NotMasked);

    Bytes badChecksum = good;
    ++badChecksum[1];
    EXPECT_EQ(loadInto(badChecksum), CrosFileError::NotArchive);
    Bytes badLevel = good;
    badLevel[20] = 7;
    fixChecksum(badLevel);
    EXPECT_EQ(loadInto(badLevel), CrosFileError::NotArchive);

    EXPECT_EQ(loadInto(maskedArchive(payloadOf(smallCrossword()), "crx")), CrosFileError::NoMember);

    Bytes damaged = good;
    damaged[good.size() - 10] ^= 0x55;
    EXPECT_EQ(loadInto(damaged), CrosFileError::CorruptData);
    Bytes wrongCrc = good;
    wrongCrc[25] ^= 1;
    fixChecksum(wrongCrc);
    EXPECT_EQ(loadInto(wrongCrc), CrosFileError::CorruptData);
    Bytes shortData = good;
    shortData.resize(good.size() - 20);
    EXPECT_EQ(loadInto(shortData), CrosFileError::CorruptData);
}

TEST(CrosFileTest, refusesPayloadsOfTheWrongSize)
{
    const Bytes payload = payloadOf(smallCrossword());
    Bytes longer = payload;
    longer.push_back(0);
    EXPECT_EQ(loadInto(maskedArchive(longer)), CrosFileError::BadSize);
    const Bytes shorter(payload.begin(), payload.end() - 1);
    EXPECT_EQ(loadInto(maskedArchive(shorter)), CrosFileError::BadSize);
    EXPECT_EQ(loadInto(maskedArchive(Bytes(payload.begin(), payload.begin() + 100))), CrosFileError::BadSize);

    EXPECT_EQ(loadInto(maskedArchive(smallPayloadWith([](Bytes &p) { std::fill_n(p.begin(), 4, 0xFF); }))),
              CrosFileError::BadSize); // N = -1

    // 256 records: one more than a grid can have; the payload is refused unread.
    const Model full = filledCrossword(255);
    Bytes tooMany = payloadOf(full);
    tooMany[0] = 0;
    tooMany[1] = 1;
    tooMany.insert(tooMany.end(), TWordBukv::RecordSize, 0);
    EXPECT_EQ(loadInto(maskedArchive(tooMany)), CrosFileError::BadSize);

    // A header claiming a 4 GiB payload must not make the reader allocate it.
    Bytes huge = crosFileOf(smallCrossword());
    std::fill_n(huge.begin() + 11, 4, 0xFF);
    fixChecksum(huge);
    EXPECT_EQ(loadInto(huge), CrosFileError::BadSize);
}

TEST(CrosFileTest, refusesGridsThatBreakTheInvariants)
{
    const auto cellChange = [](int x, int y, std::size_t field, std::uint8_t value) {
        return maskedArchive(smallPayloadWith([=](Bytes &p) { p[cellAt(x, y) + field] = value; }));
    };
    EXPECT_EQ(loadInto(cellChange(5, 5, 0, 'Q')), CrosFileError::BadGrid); // unknown kind
    EXPECT_EQ(loadInto(cellChange(0, 5, 0, 'g')), CrosFileError::BadGrid); // border not background
    EXPECT_EQ(loadInto(cellChange(1, 3, 1, 2)), CrosFileError::BadGrid);   // slot of two letters
    EXPECT_EQ(loadInto(cellChange(1, 3, 1, 15)), CrosFileError::BadGrid);  // slot of fifteen letters
    EXPECT_EQ(loadInto(cellChange(1, 3, 2, 4)), CrosFileError::BadGrid);   // 'G' with a vertical length

    // A slot that runs off the board, with everything else consistent around it.
    klettra::test::GridBuilder builder;
    builder.horizontal(40, 2, 5).number();
    Model offBoard = builder.model();
    offBoard.cells(40, 2).HLen = 9;
    offBoard.slot(1).Len = 9;
    EXPECT_EQ(loadInto(maskedArchive(payloadOf(offBoard))), CrosFileError::BadGrid);
}

TEST(CrosFileTest, refusesSlotRecordsThatDisagreeWithTheGrid)
{
    const Model small = smallCrossword();
    // One record fewer or more than the grid's four slots.
    Model fewer = small;
    fewer.slots.pop_back();
    EXPECT_EQ(loadInto(maskedArchive(payloadOf(fewer))), CrosFileError::SlotCountMismatch);
    Model more = small;
    more.slots.push_back(more.slots.back());
    EXPECT_EQ(loadInto(maskedArchive(payloadOf(more))), CrosFileError::SlotCountMismatch);

    const auto recordChange = [](int slot, std::size_t field, std::uint8_t value) {
        return maskedArchive(smallPayloadWith([=](Bytes &p) { p[slotAt(slot) + field] = value; }));
    };
    EXPECT_EQ(loadInto(recordChange(1, 0, 2)), CrosFileError::BadSlotRecord);   // Used
    EXPECT_EQ(loadInto(recordChange(1, 1, 0)), CrosFileError::BadSlotRecord);   // Dir
    EXPECT_EQ(loadInto(recordChange(3, 2, 4)), CrosFileError::BadSlotRecord);   // X
    EXPECT_EQ(loadInto(recordChange(4, 3, 37)), CrosFileError::BadSlotRecord);  // Y
    EXPECT_EQ(loadInto(recordChange(2, 4, 14)), CrosFileError::BadSlotRecord);  // Len
    EXPECT_EQ(loadInto(recordChange(2, 5, 15)), CrosFileError::BadSlotRecord);  // Pattern length
    EXPECT_EQ(loadInto(recordChange(2, 20, 15)), CrosFileError::BadSlotRecord); // Word length
    // Slots 1 and 2 start at the same cell; swapped they are in the wrong order.
    Model swapped = small;
    std::swap(swapped.slot(1), swapped.slot(2));
    EXPECT_EQ(loadInto(maskedArchive(payloadOf(swapped))), CrosFileError::BadSlotRecord);
    // An empty slot (Used 0) is fine.
    EXPECT_EQ(loadInto(recordChange(1, 0, 0)), CrosFileError::None);
}

TEST(CrosFileTest, survivesEveryTruncationAndRandomDamage)
{
    const Bytes good = crosFileOf(smallCrossword());
    for (std::size_t size = 0; size < good.size(); ++size)
        ASSERT_NE(loadInto(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size))),
                  CrosFileError::None)
            << "cut at " << size;

    std::mt19937 random(1234);
    for (int trial = 0; trial < 3000; ++trial) {
        Bytes file;
        if (trial % 3 == 0) {
            file.resize(random() % 400);
            for (auto &b : file)
                b = static_cast<std::uint8_t>(random());
            if (file.size() >= 6)
                std::fill_n(file.begin() + 3, 3, 0xFF);
        } else {
            // A few bytes of a good file changed: a header that still adds up now and then.
            file = good;
            for (int k = 0, n = 1 + int(random() % 4); k < n; ++k)
                file[random() % file.size()] = static_cast<std::uint8_t>(random());
            if (trial % 3 == 1)
                fixChecksum(file);
        }
        Model m;
        CrosFileError reason{};
        if (loadCrosBytes(file, m, &reason)) {
            ASSERT_EQ(checkCrossword(m.cells, m.slots), CrosFileError::None) << "trial " << trial;
        }
    }
}

TEST(CrosFileTest, failedSaveLeavesTheOldFileAndSaysWhy)
{
    TempDir dir;
    const auto path = dir / "keep.crs";
    ASSERT_TRUE(SaveCrosFile(smallCrossword(), path));
    const Bytes old = readBytes(path);

    const Model big = filledCrossword(255);
    std::string error;
    {
        const klettra::test::FileSizeLimit limit(old.size() + 100);
        EXPECT_FALSE(SaveCrosFile(big, path, &error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    EXPECT_FALSE(SaveCrosFile(big, dir / "no-such-dir" / "x.crs", &error));
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-dir"));
}

TEST(CrosFileTest, refusesToSaveACrosswordItCouldNotLoadBack)
{
    TempDir dir;
    Model reset = smallCrossword();
    reset.ResetCrossword(); // records of length 0 until slots are derived again
    std::string error;
    EXPECT_FALSE(SaveCrosFile(reset, dir / "x.crs", &error));
    EXPECT_NE(error.find("slot record"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.crs"));
    reset.BuildSlots();
    EXPECT_TRUE(SaveCrosFile(reset, dir / "x.crs", &error)) << error;
}
