#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "clirunner.h"
#include "editor/templatefinishing.h"
#include "editor/templatetext.h"
#include "model/gridcells.h"
#include "model/templateset.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using klettra::test::CliRun;
using klettra::test::readBytes;
using klettra::test::runCli;
using klettra::test::TempDir;
using klettra::test::writeBytes;
using klettra::test::writeText;

namespace {

constexpr std::size_t Record = klettra::model::GridCells::ImageSize;

const std::string Ring = "; Ring\n"
                         "*****\n"
                         "*...*\n"
                         "*...*\n"
                         "*...*\n"
                         "*****\n";
const std::string Cross = "; Cross\n"
                          "..*..\n"
                          "*****\n"
                          "..*..\n";

// A data directory of its own, empty, so that nothing bundled is in the way.
class TemplatesCommandTest : public ::testing::Test
{
protected:
    CliRun run(std::vector<std::string> args, const TempDir *dir = nullptr)
    {
        args.insert(args.begin(), "templates");
        return runCli(dir ? *dir : m_dir, std::move(args));
    }

    std::string file(const std::string &name, const std::string &text)
    {
        writeText(m_dir / name, text);
        return (m_dir / name).string();
    }

    std::vector<std::uint8_t> set() const { return readBytes(m_dir / "grating.dat"); }

    TempDir m_dir;
};

} // namespace

TEST_F(TemplatesCommandTest, addedTemplatesAreCentredListedAndShown)
{
    EXPECT_EQ(run({"list"}).out, "The set holds no templates.\n");

    const CliRun added = run({"add", file("two.txt", Ring + "\n" + Cross)});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "Added template 1: 4 slots, 5 x 5 (Ring)\n"
                         "Added template 2: 2 slots, 5 x 3 (Cross)\n");
    EXPECT_EQ(set().size(), 2 * Record);

    const CliRun list = run({"list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "  No.  Slots  Size     Columns  Rows\n"
                        "    1      4  5 x 5    22..26   17..21\n"
                        "    2      2  5 x 3    22..26   18..20\n");

    const CliRun shown = run({"show", "1"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "*****\n*###*\n*###*\n*###*\n*****\n");
}

TEST_F(TemplatesCommandTest, exportedSetAddsUpToTheSameFile)
{
    ASSERT_EQ(run({"add", file("two.txt", Ring + "\n" + Cross)}).status, 0);
    const CliRun one = run({"export", "2"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "; Template 2: 2 slots, 5 x 3\n..*..\n*****\n..*..\n");

    const CliRun all = run({"export", "all"});
    ASSERT_EQ(all.status, 0);
    TempDir other;
    ASSERT_EQ(run({"add", file("all.txt", all.out)}, &other).status, 0);
    EXPECT_EQ(readBytes(other / "grating.dat"), set());
}

TEST_F(TemplatesCommandTest, faultyFileAddsNothingAndNamesTheLine)
{
    ASSERT_EQ(run({"add", file("one.txt", Cross)}).status, 0);
    const auto before = set();

    const std::string path = file("bad.txt", Ring + "\n; Two letters\n..*..\n.**..\n..*..\n");
    const CliRun bad = run({"add", path});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "klettra-cli: " + path +
                           ":10: horizontal run of 2 letters at column 2; a slot has 3 to 14 "
                           "letters; nothing added\n");

    EXPECT_EQ(run({"add", file("empty.txt", "; nothing here\n")}).status, 1);
    EXPECT_EQ(run({"add", (m_dir / "missing.txt").string()}).status, 1);
    EXPECT_EQ(run({"add", m_dir.path().string()}).status, 1);
    const std::string huge = file("huge.txt", Ring);
    std::filesystem::resize_file(huge, 17u << 20);
    EXPECT_NE(run({"add", huge}).err.find("larger than 16 MiB"), std::string::npos);
    EXPECT_EQ(set(), before);
}

TEST_F(TemplatesCommandTest, fullSetRefusesWholeFiles)
{
    std::vector<std::uint8_t> bytes;
    klettra::model::GridCells cells = klettra::editor::parseTemplateText(Cross).templates.at(0).cells;
    ASSERT_EQ(klettra::editor::finishTemplate(cells, true).status, klettra::editor::FinishStatus::Finished);
    for (int i = 0; i < 254; ++i) {
        const auto image = cells.image();
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    writeBytes(m_dir / "grating.dat", bytes);

    const CliRun two = run({"add", file("two.txt", Ring + "\n" + Cross)});
    EXPECT_EQ(two.status, 1);
    EXPECT_NE(two.err.find("Уже создано максимальное количество сеток!"), std::string::npos);
    EXPECT_EQ(set(), bytes);

    const CliRun one = run({"add", file("one.txt", Ring)});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "Added template 255: 4 slots, 5 x 5 (Ring)\n");
    EXPECT_EQ(run({"add", file("more.txt", Cross)}).status, 1);
    EXPECT_EQ(set().size(), 255 * Record);
}

TEST_F(TemplatesCommandTest, wrongArgumentsAndMissingOrDamagedTemplates)
{
    for (const auto &args : std::vector<std::vector<std::string>>{{},
                                                                  {"frob"},
                                                                  {"list", "1"},
                                                                  {"show"},
                                                                  {"show", "x"},
                                                                  {"show", "0"},
                                                                  {"show", "256"},
                                                                  {"export", "-1"},
                                                                  {"add"},
                                                                  {"add", "a", "b"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
        EXPECT_NE(r.err.find("klettra-cli: "), std::string::npos);
    }

    ASSERT_EQ(run({"add", file("one.txt", Ring)}).status, 0);
    EXPECT_EQ(run({"show", "2"}).status, 1);
    EXPECT_EQ(run({"export", "2"}).status, 1);

    // A second record whose cells are not a grid: reported, never shown half.
    auto bytes = set();
    bytes.resize(2 * Record, 'Z');
    writeBytes(m_dir / "grating.dat", bytes);
    const CliRun list = run({"list"});
    EXPECT_EQ(list.status, 1);
    EXPECT_NE(list.out.find("    2  damaged\n"), std::string::npos);
    EXPECT_EQ(run({"show", "2"}).status, 1);
    const CliRun all = run({"export", "all"});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, "");
}
