#include <numeric>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "document/crc16.h"
#include "document/lh6encoder.h"
#include "document/lhareader.h"
#include "document/lhawriter.h"
#include "lhatool.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using namespace klettra::document;
using klettra::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t SomeTime = (45u << 9 | 3u << 5 | 14u) << 16 | (15u << 11 | 9u << 5 | 13u);

Bytes randomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes data(size);
    for (auto &b : data)
        b = static_cast<std::uint8_t>(random());
    return data;
}

/// Words from a small vocabulary: many short and middling repeats at every distance.
Bytes textLike(std::size_t size, std::uint32_t seed)
{
    static const char *const words[] = {"кроссворд ",     "слово ", "вопрос, ", "ответ ", "по горизонтали ",
                                        "по вертикали. ", "сетка ", "клетка ",  "буква ", "словарь "};
    std::mt19937 random(seed);
    Bytes data;
    while (data.size() < size) {
        const std::string_view w = words[random() % std::size(words)];
        data.insert(data.end(), w.begin(), w.end());
    }
    data.resize(size);
    return data;
}

/// Byte values with Fibonacci frequencies in random order: an unrestricted Huffman code for them
/// would be deeper than the 16 bits LHA allows.
Bytes fibonacciSkewed()
{
    std::vector<std::size_t> counts{1, 1};
    while (counts.size() < 23)
        counts.push_back(counts[counts.size() - 1] + counts[counts.size() - 2]);
    Bytes data;
    for (std::size_t v = 0; v < counts.size(); ++v)
        data.insert(data.end(), counts[v], static_cast<std::uint8_t>('A' + v));
    std::shuffle(data.begin(), data.end(), std::mt19937(3));
    return data;
}

/// A random chunk repeated: copies at exactly `distance` bytes.
Bytes repeatedChunk(std::size_t distance, std::size_t total)
{
    const Bytes chunk = randomBytes(distance, 11);
    Bytes data;
    while (data.size() < total)
        data.insert(data.end(), chunk.begin(), chunk.end());
    data.resize(total);
    return data;
}

struct Sample
{
    const char *name;
    Bytes data;
};

/// Every sample, cut to `limit` bytes: blocks of a few codes are slow to make and to read.
std::vector<Sample> samples(std::size_t limit = SIZE_MAX)
{
    Bytes allValues(256 * 3);
    std::iota(allValues.begin(), allValues.end(), 0);
    std::vector<Sample> all{
        {"empty", {}},
        {"oneByte", {0x42}},
        {"threeBytes", {1, 2, 3}},
        {"zeros", Bytes(100000, 0)},
        {"allByteValues", allValues},
        {"random", randomBytes(70000, 5)},
        {"textLike", textLike(150000, 9)},
        {"fibonacciSkewed", fibonacciSkewed()},
        {"distanceAtWindowEdge", repeatedChunk(16384, 40000)},
        {"distanceBeyondWindow", repeatedChunk(16385, 40000)},
    };
    for (Sample &sample : all)
        sample.data.resize(std::min(sample.data.size(), limit));
    return all;
}

/// Sample sizes for blocks of `blockCodes` codes.
std::size_t limitFor(std::size_t blockCodes)
{
    return blockCodes < 100 ? 3000 : SIZE_MAX;
}

/// Packs `data` as member "data.bin" and unpacks it again with liblhasa.
Bytes roundTrip(const Bytes &data, const Lh6Options &options)
{
    const Bytes archive = packLh6Member("data.bin", data, SomeTime, Level0::ArchiveAttribute, options);
    const LhaMember member = extractLhaMember(archive, "data.bin", data.size());
    EXPECT_TRUE(member.ok()) << "error " << static_cast<int>(member.error);
    return member.data;
}

} // namespace

TEST(Lh6EncoderTest, liblhasaReadsBackEverySampleAtEveryBlockSize)
{
    // Blocks of one, two or three codes have single-symbol trees throughout; 65,535 is the
    // largest block the format allows.
    for (const std::size_t blockCodes :
         {std::size_t(65535), std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(1000)}) {
        for (const Sample &sample : samples(limitFor(blockCodes))) {
            SCOPED_TRACE(std::string(sample.name) + ", blocks of " + std::to_string(blockCodes));
            EXPECT_EQ(roundTrip(sample.data, {.blockCodes = blockCodes}), sample.data);
        }
    }
}

TEST(Lh6EncoderTest, literalOnlyStreamsAndSkewedCodesDecode)
{
    for (const Sample &sample : samples()) {
        SCOPED_TRACE(sample.name);
        EXPECT_EQ(roundTrip(sample.data, {.maxChain = 0}), sample.data);
    }
}

TEST(Lh6EncoderTest, compressesRepetitiveDataAndStaysCloseOnRandomData)
{
    EXPECT_LT(encodeLh6(Bytes(100000, 0)).size(), 300u);
    EXPECT_LT(encodeLh6(textLike(150000, 9)).size(), 150000u / 3);
    const Bytes random = randomBytes(70000, 5);
    EXPECT_LT(encodeLh6(random).size(), random.size() + random.size() / 50);
    EXPECT_TRUE(encodeLh6({}).empty());
}

TEST(Lh6EncoderTest, memberHeaderFollowsTheLevel0Layout)
{
    const Bytes data = textLike(5000, 1);
    const Bytes archive = packLh6Member("crw", data, SomeTime, 0x20);
    const Bytes packed = encodeLh6(data);
    ASSERT_EQ(archive.size(), 27 + packed.size());
    EXPECT_EQ(archive[0], 25);
    EXPECT_EQ(archive[1], headerChecksum(std::span(archive).subspan(2, 25)));
    EXPECT_EQ(std::string(archive.begin() + 2, archive.begin() + 7), "-lh6-");
    const auto u32 = [&](std::size_t at) {
        return std::uint32_t(archive[at]) | std::uint32_t(archive[at + 1]) << 8 |
               std::uint32_t(archive[at + 2]) << 16 | std::uint32_t(archive[at + 3]) << 24;
    };
    EXPECT_EQ(u32(7), packed.size());
    EXPECT_EQ(u32(11), data.size());
    EXPECT_EQ(u32(15), SomeTime);
    EXPECT_EQ(archive[19], 0x20);
    EXPECT_EQ(archive[20], 0);
    EXPECT_EQ(archive[21], 3);
    EXPECT_EQ(std::string(archive.begin() + 22, archive.begin() + 25), "crw");
    EXPECT_EQ(archive[25] | archive[26] << 8, crc16(data));
    EXPECT_TRUE(std::equal(packed.begin(), packed.end(), archive.begin() + 27));
}

TEST(Lh6EncoderTest, crcAndDosTimeAreTheLhaOnes)
{
    const std::string check = "123456789";
    EXPECT_EQ(crc16(std::span(reinterpret_cast<const std::uint8_t *>(check.data()), check.size())), 0xBB3D);
    // A sum can be continued piecewise.
    const Bytes data = randomBytes(1000, 2);
    EXPECT_EQ(crc16(std::span(data).subspan(300), crc16(std::span(data).first(300))), crc16(data));

    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 14;
    local.tm_hour = 15;
    local.tm_min = 9;
    local.tm_sec = 27;
    local.tm_isdst = -1;
    EXPECT_EQ(dosDateTime(std::mktime(&local)),
              (44u << 9 | 3u << 5 | 14u) << 16 | (15u << 11 | 9u << 5 | 13u));
    EXPECT_EQ(dosDateTime(0) >> 16, 1u << 5 | 1u); // before 1980: the first day of 1980
}

TEST(Lh6EncoderTest, readerRefusesOversizedAndDamagedMembers)
{
    const Bytes data = textLike(20000, 4);
    Bytes archive = packLh6Member("data.bin", data, SomeTime);
    EXPECT_EQ(extractLhaMember(archive, "data.bin", data.size() - 1).error, LhaReadError::TooLarge);
    EXPECT_EQ(extractLhaMember(archive, "other", data.size()).error, LhaReadError::NoMember);
    EXPECT_EQ(extractLhaMember(std::span(archive).first(20), "data.bin", data.size()).error,
              LhaReadError::NotArchive);
    EXPECT_EQ(extractLhaMember(std::span(archive).first(archive.size() / 2), "data.bin", data.size()).error,
              LhaReadError::Corrupt);
    archive[archive.size() / 2] ^= 0x10;
    EXPECT_EQ(extractLhaMember(archive, "data.bin", data.size()).error, LhaReadError::Corrupt);
}

// The lhasa tool tests the CRC of every member and extracts it; these archives come from our
// encoder alone, with no crossword around them.
TEST(Lh6EncoderTest, lhasaToolTestsAndExtractsOurArchives)
{
    const auto lhasa = klettra::test::findLhasaTool();
    if (!lhasa)
        GTEST_SKIP() << "the lhasa tool is not installed (Debian package lhasa)";
    TempDir dir;
    for (const std::size_t blockCodes : {std::size_t(65535), std::size_t(1), std::size_t(777)}) {
        for (const Sample &sample : samples(limitFor(blockCodes))) {
            SCOPED_TRACE(std::string(sample.name) + ", blocks of " + std::to_string(blockCodes));
            const Bytes archive =
                packLh6Member("member.bin", sample.data, SomeTime, 0x20, {.blockCodes = blockCodes});
            klettra::test::writeBytes(dir / "sample.lzh", archive);
            const auto tested = klettra::test::runTool(*lhasa, "t sample.lzh", dir.path());
            EXPECT_EQ(tested.status, 0) << tested.output;
            std::filesystem::remove(dir / "member.bin");
            const auto extracted = klettra::test::runTool(*lhasa, "xf sample.lzh", dir.path());
            ASSERT_EQ(extracted.status, 0) << extracted.output;
            EXPECT_EQ(klettra::test::readBytes(dir / "member.bin"), sample.data);
        }
    }
}
