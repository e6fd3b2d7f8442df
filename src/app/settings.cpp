#include "app/settings.h"

#include <algorithm>

#include "model/templateset.h"

namespace klettra::app {

namespace {

// Upper case of the Latin and Cyrillic letters of UTF-8 text: ASCII a..z and the two-byte
// sequences of U+0430..U+045F and U+0491 map to their capitals, which take as many bytes; every
// other byte stays. Lead bytes D0..D2 never occur inside another sequence, so a byte scan is safe.
std::string upperCased(std::string_view utf8)
{
    std::string out(utf8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 0x20);
            continue;
        }
        if (i + 1 == out.size())
            break;
        const auto next = static_cast<unsigned char>(out[i + 1]);
        if (c == 0xD0 && next >= 0xB0 && next <= 0xBF) { // а..п
            out[i + 1] = static_cast<char>(next - 0x20);
        } else if (c == 0xD1 && next >= 0x80 && next <= 0x8F) { // р..я
            out[i] = static_cast<char>(0xD0);
            out[i + 1] = static_cast<char>(next + 0x20);
        } else if (c == 0xD1 && next >= 0x90 && next <= 0x9F) { // ѐ..џ, ё among them
            out[i] = static_cast<char>(0xD0);
            out[i + 1] = static_cast<char>(next - 0x10);
        } else if (c == 0xD2 && next == 0x91) { // ґ
            out[i + 1] = static_cast<char>(0x90);
        }
    }
    return out;
}

// The spelling of `name` in `all`: the same name if present, else one that differs only in letter
// case. Keeping that spelling lets the dictionary be opened on a case-sensitive file system.
const std::string *findSlovar(std::string_view name, const std::vector<std::string> &all)
{
    const auto exact = std::find(all.begin(), all.end(), name);
    if (exact != all.end())
        return &*exact;
    const std::string wanted = upperCased(name);
    const auto folded =
        std::find_if(all.begin(), all.end(), [&](const std::string &n) { return upperCased(n) == wanted; });
    return folded != all.end() ? &*folded : nullptr;
}

// Splits the stored "*name*name" form from its end, so the names come out in reverse order.
// A star in the last position does not split, and any text before the first star is ignored.
// Names of dictionaries that no longer exist are dropped, and so is a name seen before.
std::vector<std::string> parseUsedSlovars(std::string_view stored, const std::vector<std::string> &all)
{
    std::vector<std::string> used;
    for (auto p = static_cast<std::ptrdiff_t>(stored.size()) - 2; p >= 0; --p) {
        const auto at = static_cast<std::size_t>(p);
        if (stored[at] != '*')
            continue;
        const std::string_view name = stored.substr(at + 1);
        stored = stored.substr(0, at);
        const std::string *known = name.empty() ? nullptr : findSlovar(name, all);
        if (known && std::find(used.begin(), used.end(), *known) == used.end())
            used.push_back(*known);
    }
    return used;
}

std::string usedSlovarsValue(const std::vector<std::string> &used)
{
    std::string value;
    for (const std::string &name : used) {
        value += '*';
        value += name;
    }
    return value;
}

void readBool(const SettingsStore &store, std::string_view name, bool &value)
{
    if (const auto stored = store.readInt(name))
        value = *stored != 0;
}

} // namespace

Settings Settings::defaults(const std::vector<std::string> &AllSlovars)
{
    Settings settings;
    settings.UsedSlovars = AllSlovars;
    return settings;
}

Settings ReadSettings(const SettingsStore &store, const std::vector<std::string> &AllSlovars,
                      model::TemplateSet &templates)
{
    // Counting the templates also makes the first one current, which stands for a missing or
    // unusable stored number.
    templates.InitRehSet();
    Settings settings = Settings::defaults(AllSlovars);
    if (!store.exists())
        return settings;

    const auto curReh = store.readInt(SettingName::CurReh);
    if (curReh && *curReh >= 1 && *curReh <= templates.RehCount)
        templates.CurReh = static_cast<std::uint8_t>(*curReh);
    if (const auto used = store.readString(SettingName::UsedSlovars))
        settings.UsedSlovars = parseUsedSlovars(*used, AllSlovars);
    const auto prioritet = store.readInt(SettingName::PrioritetSlov);
    if (prioritet && *prioritet >= 0 && *prioritet <= 255)
        settings.PrioritetSlov = static_cast<std::uint8_t>(*prioritet);
    readBool(store, SettingName::CreateWithoutPovtors, settings.CreateWithoutPovtors);
    readBool(store, SettingName::CenterResh, settings.CenterResh);
    readBool(store, SettingName::NotUseWordsWithoutVopros, settings.NotUseWordsWithoutVopros);
    return settings;
}

bool WriteSettings(SettingsStore &store, const Settings &settings, const model::TemplateSet &templates)
{
    return store.writeInt(SettingName::CurReh, templates.CurReh) &&
           store.writeString(SettingName::UsedSlovars, usedSlovarsValue(settings.UsedSlovars)) &&
           store.writeInt(SettingName::CreateWithoutPovtors, settings.CreateWithoutPovtors ? 1 : 0) &&
           store.writeInt(SettingName::PrioritetSlov, settings.PrioritetSlov) &&
           store.writeInt(SettingName::CenterResh, settings.CenterResh ? 1 : 0) &&
           store.writeInt(SettingName::NotUseWordsWithoutVopros, settings.NotUseWordsWithoutVopros ? 1 : 0) &&
           store.flush();
}

} // namespace klettra::app
