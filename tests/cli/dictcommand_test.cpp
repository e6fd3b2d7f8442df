#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using klettra::test::TempDir;
using klettra::test::writeText;

namespace {

struct Result
{
    int status;
    std::string out;
    std::string err;
};

class DictCommandTest : public ::testing::Test
{
protected:
    Result dict(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--no-seed", "--data-dir", dir.path().string(), "dict"});
        std::ostringstream out;
        std::ostringstream err;
        const int status = klettra::cli::run(args, out, err);
        return {status, out.str(), err.str()};
    }

    void createSample()
    {
        ASSERT_EQ(dict({"create", "Тест"}).status, 0);
        ASSERT_EQ(dict({"add", "Тест", "дом", "  жилище  "}).status, 0);
        ASSERT_EQ(dict({"add", "Тест", "ЁЛКА", "дерево"}).status, 0);
    }

    TempDir dir;
};

} // namespace

TEST_F(DictCommandTest, createAddFindCountListExport)
{
    createSample();
    EXPECT_EQ(dict({"add", "Тест", "кот", "zebra"}).out, "КОТ\tzebra.\n");
    EXPECT_EQ(dict({"find", "Тест", "дом"}).out, "ДОМ\tЖилище.\n");
    EXPECT_EQ(dict({"count", "Тест"}).out, "3\n");
    ASSERT_EQ(dict({"create", "Второй"}).status, 0);
    EXPECT_EQ(dict({"list"}).out, "Второй\t0\nТест\t3\n");
    EXPECT_EQ(dict({"export", "Тест"}).out, "ЁЛКА\tДерево.\nДОМ\tЖилище.\nКОТ\tzebra.\n");
    EXPECT_EQ(dict({"export", "Второй"}).out, "");
}

TEST_F(DictCommandTest, addRefusesWhatTheRulesRefuse)
{
    createSample();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"add", "Тест", "дом", "Здание."}, "Данное слово уже имеется в словаре."},
        {{"add", "Тест", "ДО", "Нота."}, "Слово очень короткое и не может быть использовано в кроссворд."},
        {{"add", "Тест", "волна-2", "x"}, "В слове присутствуют недопустимые символы."},
        {{"add", "Тест", "dog", "x"}, "В слове присутствуют недопустимые символы."},
        {{"add", "Тест", "СОН", "   "}, "Необходимо обязательно указать слово и вопрос."},
        {{"add", "Тест", "ВЫСОКОГОРНЫЙЛЕС", "x"}, "longer than 14"},
        {{"add", "Тест", "СОН", std::string(256, 'x')}, "longer than 255"},
        {{"add", "Тест", "СОН", "две\nстроки"}, "one line"},
        {{"add", "Тест", "СОН", "☺"}, "Windows-1251"},
        {{"add", "Тест", "\xD0", "x"}, "UTF-8"},
        {{"add", "Нет", "СОН", "x"}, "no dictionary"},
        {{"find", "Тест", "кит"}, "КИТ is not in Тест"},
        {{"count", "../Тест"}, "not a dictionary name"},
        {{"create", "Тест"}, "already exists"},
        {{"create", "../вне"}, "not a usable dictionary name"},
    };
    for (const auto &[args, message] : cases) {
        const Result result = dict(args);
        EXPECT_EQ(result.status, 1) << args[2];
        EXPECT_EQ(result.out, "") << args[2];
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
    EXPECT_EQ(dict({"count", "Тест"}).out, "2\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "вне.db"));
}

TEST_F(DictCommandTest, wrongCommandLinesAreUsageErrors)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"list", "x"}, {"create"}, {"add", "Тест", "ДОМ"}, {"import-tsv", "Тест"}}) {
        const Result result = dict(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("usage"), std::string::npos) << result.err;
    }
}

TEST_F(DictCommandTest, importSkipsBadLinesAndSaysWhy)
{
    createSample();
    writeText(dir / "words.tsv", "\xEF\xBB\xBF"
                                 "кот\tзверь\r\n"
                                 "ЁЖ\tколючий\n"
                                 "ВОЛНА-2\tморская\n"
                                 "дом\tздание\n"
                                 "\xFF\xFE\tплохо\n"
                                 "СЛОН\n"
                                 "\n"
                                 "КОТ\tвторой раз\r"
                                 "ЛЕС\tдеревья\tи кусты");
    const Result result = dict({"import-tsv", "Тест", (dir / "words.tsv").string()});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string file = (dir / "words.tsv").string();
    EXPECT_EQ(result.out,
              "skipped " + file + ":2: ЁЖ: Слово очень короткое и не может быть использовано в кроссворд.\n" +
                  "skipped " + file + ":3: ВОЛНА-2: В слове присутствуют недопустимые символы.\n" +
                  "skipped " + file + ":4: ДОМ: Данное слово уже имеется в словаре.\n" + "skipped " + file +
                  ":5: the line is not valid UTF-8 or holds characters Windows-1251 lacks\n" + "skipped " +
                  file + ":6: СЛОН: Необходимо обязательно указать слово и вопрос.\n" + "skipped " + file +
                  ":8: КОТ: Данное слово уже имеется в словаре.\n" + "added 2\nskipped 6\n");
    EXPECT_EQ(dict({"export", "Тест"}).out,
              "ЁЛКА\tДерево.\nДОМ\tЖилище.\nКОТ\tЗверь.\nЛЕС\tДеревья\tи кусты.\n");

    // Exported lines import unchanged; a second import adds nothing.
    writeText(dir / "export.tsv", dict({"export", "Тест"}).out);
    ASSERT_EQ(dict({"create", "Копия"}).status, 0);
    EXPECT_EQ(dict({"import-tsv", "Копия", (dir / "export.tsv").string()}).out, "added 4\nskipped 0\n");
    EXPECT_EQ(dict({"export", "Копия"}).out, dict({"export", "Тест"}).out);
    EXPECT_NE(dict({"import-tsv", "Копия", (dir / "export.tsv").string()}).out.find("added 0\nskipped 4\n"),
              std::string::npos);
}

TEST_F(DictCommandTest, importOfAMissingFileOrDictionaryChangesNothing)
{
    createSample();
    writeText(dir / "words.tsv", "КОТ\tЗверь.\n");
    Result result =
        dict({"import-tsv", "Тест", (dir / "words.tsv").string(), (dir / "missing.tsv").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("cannot read"), std::string::npos);
    result = dict({"import-tsv", "Нет", (dir / "words.tsv").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(dict({"count", "Тест"}).out, "2\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Нет.db"));
}

TEST_F(DictCommandTest, renameAndDelete)
{
    createSample();
    ASSERT_EQ(dict({"create", "Другой"}).status, 0);
    EXPECT_EQ(dict({"rename", "Тест", "Другой"}).status, 1);
    EXPECT_EQ(dict({"rename", "Тест", "Новый"}).status, 0);
    EXPECT_EQ(dict({"count", "Новый"}).out, "2\n");
    EXPECT_EQ(dict({"delete", "Новый"}).status, 0);
    EXPECT_EQ(dict({"delete", "Новый"}).status, 1);
    EXPECT_EQ(dict({"list"}).out, "Другой\t0\n");
}
