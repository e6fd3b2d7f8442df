#include <map>
#include <variant>

#include <gtest/gtest.h>

#include "app/settings.h"
#include "model/gridcells.h"
#include "model/templateset.h"
#include "support/tempdir.h"
#include "support/testdata.h"

using namespace klettra;
using namespace klettra::app;
using klettra::test::TempDir;
using Names = std::vector<std::string>;

namespace {

// Settings kept in memory; records the order of writes and can be told to fail.
class MemoryStore : public SettingsStore
{
public:
    using Value = std::variant<std::int64_t, std::string>;

    std::map<std::string, Value, std::less<>> values;
    Names writeOrder;
    bool failWrites = false;
    bool failFlush = false;

    bool exists() const override { return !values.empty(); }

    std::optional<std::int64_t> readInt(std::string_view name) const override
    {
        const auto it = values.find(name);
        if (it == values.end() || !std::holds_alternative<std::int64_t>(it->second))
            return std::nullopt;
        return std::get<std::int64_t>(it->second);
    }

    std::optional<std::string> readString(std::string_view name) const override
    {
        const auto it = values.find(name);
        if (it == values.end() || !std::holds_alternative<std::string>(it->second))
            return std::nullopt;
        return std::get<std::string>(it->second);
    }

    bool writeInt(std::string_view name, std::int64_t value) override { return write(name, value); }
    bool writeString(std::string_view name, std::string_view value) override
    {
        return write(name, std::string(value));
    }
    bool flush() override { return !failFlush; }

private:
    bool write(std::string_view name, Value value)
    {
        if (failWrites)
            return false;
        values[std::string(name)] = std::move(value);
        writeOrder.emplace_back(name);
        return true;
    }
};

// A data directory whose template set holds `count` templates.
struct Templates
{
    TempDir dir;
    model::TemplateSet set{dir.path()};

    explicit Templates(int count)
    {
        if (count > 0)
            test::writeBytes(dir / model::TemplateSet::FileName,
                             std::vector<std::uint8_t>(model::GridCells::ImageSize * std::size_t(count), 0));
    }
};

const Names All = {"Основной", "Города", "Extra"};

} // namespace

TEST(SettingsTest, firstRunUsesEveryDictionaryAndTheFirstTemplate)
{
    Templates templates(5);
    templates.set.CurReh = 4;
    const Settings s = ReadSettings(MemoryStore{}, All, templates.set);
    EXPECT_EQ(templates.set.RehCount, 5);
    EXPECT_EQ(templates.set.CurReh, 1);
    EXPECT_EQ(s.UsedSlovars, All);
    EXPECT_EQ(s.PrioritetSlov, 1);
    EXPECT_TRUE(s.CreateWithoutPovtors);
    EXPECT_TRUE(s.CenterResh);
    EXPECT_TRUE(s.NotUseWordsWithoutVopros);

    // Without a template file the set is created empty and no template is current.
    Templates none(0);
    ReadSettings(MemoryStore{}, All, none.set);
    EXPECT_EQ(none.set.CurReh, 0);
    EXPECT_TRUE(std::filesystem::exists(none.set.filePath()));
}

TEST(SettingsTest, usedDictionariesReadBackwardsAndWriteInListOrder)
{
    Templates templates(2);
    MemoryStore store;
    store.values["UsedSlovars"] = std::string("*Основной*Города");
    Settings s = ReadSettings(store, All, templates.set);
    EXPECT_EQ(s.UsedSlovars, (Names{"Города", "Основной"}));

    ASSERT_TRUE(WriteSettings(store, s, templates.set));
    EXPECT_EQ(store.readString("UsedSlovars"), "*Города*Основной");
    EXPECT_EQ(store.writeOrder, (Names{"CurReh", "UsedSlovars", "CreateWithoutPovtors", "PrioritetSlov",
                                       "CenterResh", "NotUseWordsWithoutVopros"}));

    // An empty list is stored as the empty string and comes back empty, not as every dictionary.
    s.UsedSlovars.clear();
    ASSERT_TRUE(WriteSettings(store, s, templates.set));
    EXPECT_EQ(store.readString("UsedSlovars"), "");
    EXPECT_EQ(ReadSettings(store, All, templates.set).UsedSlovars, Names{});
}

TEST(SettingsTest, storedNamesAreMatchedToExistingDictionariesIgnoringCase)
{
    Templates templates(1);
    MemoryStore store;
    const auto read = [&](const std::string &stored) {
        store.values["UsedSlovars"] = stored;
        return ReadSettings(store, All, templates.set).UsedSlovars;
    };
    // A deleted dictionary drops out; other spellings take the name the dictionary has now.
    EXPECT_EQ(read("*Удалённый*основной*EXTRA"), (Names{"Extra", "Основной"}));
    EXPECT_EQ(read("*ГОРОДА*города*Города"), Names{"Города"});
    // Text before the first star is no name, and a star at the very end belongs to the last name.
    EXPECT_EQ(read("Extra*Города"), Names{"Города"});
    EXPECT_EQ(read("*Extra*"), Names{});
    EXPECT_EQ(read("**Extra"), Names{"Extra"});

    // Two dictionaries differing only in case keep their own names.
    const Names cased = {"abc", "ABC", "Ёлки"};
    store.values["UsedSlovars"] = std::string("*ABC*ёЛКИ*abc");
    EXPECT_EQ(ReadSettings(store, cased, templates.set).UsedSlovars, (Names{"abc", "Ёлки", "ABC"}));
}

TEST(SettingsTest, currentTemplateOutsideTheSetFallsBackToTheFirst)
{
    Templates five(5);
    MemoryStore store;
    const auto curReh = [&](MemoryStore::Value stored, model::TemplateSet &set) {
        store.values["CurReh"] = std::move(stored);
        ReadSettings(store, All, set);
        return int(set.CurReh);
    };
    EXPECT_EQ(curReh(std::int64_t{3}, five.set), 3);
    EXPECT_EQ(curReh(std::int64_t{5}, five.set), 5);
    EXPECT_EQ(curReh(std::int64_t{7}, five.set), 1);
    EXPECT_EQ(curReh(std::int64_t{0}, five.set), 1);
    EXPECT_EQ(curReh(std::int64_t{-2}, five.set), 1);
    EXPECT_EQ(curReh(std::int64_t{256 + 3}, five.set), 1);
    EXPECT_EQ(curReh(std::string("3"), five.set), 1);

    Templates empty(0);
    EXPECT_EQ(curReh(std::int64_t{1}, empty.set), 0);
}

TEST(SettingsTest, missingOrWrongTypedValuesTakeTheirDefaults)
{
    Templates templates(1);
    MemoryStore store;
    store.values["CurReh"] = std::int64_t{1}; // the key exists, the other values do not
    Settings s = ReadSettings(store, All, templates.set);
    EXPECT_EQ(s.UsedSlovars, All);
    EXPECT_EQ(s.PrioritetSlov, 1);
    EXPECT_TRUE(s.CreateWithoutPovtors && s.CenterResh && s.NotUseWordsWithoutVopros);

    store.values["UsedSlovars"] = std::int64_t{5};
    store.values["PrioritetSlov"] = std::int64_t{300};
    store.values["CreateWithoutPovtors"] = std::string("0");
    store.values["CenterResh"] = std::int64_t{0};
    store.values["NotUseWordsWithoutVopros"] = std::int64_t{2};
    s = ReadSettings(store, All, templates.set);
    EXPECT_EQ(s.UsedSlovars, All);
    EXPECT_EQ(s.PrioritetSlov, 1);
    EXPECT_TRUE(s.CreateWithoutPovtors);
    EXPECT_FALSE(s.CenterResh);
    EXPECT_TRUE(s.NotUseWordsWithoutVopros);

    // Any priority of one byte is kept: values past 3 mean no priority.
    for (const std::int64_t p : {0, 2, 3, 200, 255}) {
        store.values["PrioritetSlov"] = p;
        EXPECT_EQ(ReadSettings(store, All, templates.set).PrioritetSlov, p);
    }
    store.values["PrioritetSlov"] = std::int64_t{-1};
    EXPECT_EQ(ReadSettings(store, All, templates.set).PrioritetSlov, 1);
}

TEST(SettingsTest, writtenSettingsReadBackAndFailuresAreReported)
{
    Templates templates(4);
    ReadSettings(MemoryStore{}, All, templates.set);
    templates.set.CurReh = 3;
    const Settings written{.UsedSlovars = {"Extra", "Основной"},
                           .PrioritetSlov = 2,
                           .CreateWithoutPovtors = false,
                           .CenterResh = true,
                           .NotUseWordsWithoutVopros = false};
    MemoryStore store;
    ASSERT_TRUE(WriteSettings(store, written, templates.set));
    EXPECT_EQ(store.readInt("CreateWithoutPovtors"), 0);
    EXPECT_EQ(store.readInt("CenterResh"), 1);

    const Settings read = ReadSettings(store, All, templates.set);
    EXPECT_EQ(templates.set.CurReh, 3);
    EXPECT_EQ(read.UsedSlovars, (Names{"Основной", "Extra"})); // reversed on every read, as stored
    EXPECT_EQ(read.PrioritetSlov, 2);
    EXPECT_FALSE(read.CreateWithoutPovtors);
    EXPECT_TRUE(read.CenterResh);
    EXPECT_FALSE(read.NotUseWordsWithoutVopros);

    store.failFlush = true;
    EXPECT_FALSE(WriteSettings(store, written, templates.set));
    MemoryStore refusing;
    refusing.failWrites = true;
    EXPECT_FALSE(WriteSettings(refusing, written, templates.set));
}
