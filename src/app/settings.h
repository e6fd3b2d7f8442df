#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klettra::model {
class TemplateSet;
} // namespace klettra::model

namespace klettra::app {

/// Where the per-user settings live between runs: one key holding named values, each an integer or
/// a string. The desktop program stores them with QSettings; tests keep them in memory.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// Whether the settings were ever written.
    virtual bool exists() const = 0;

    /// The value called `name`; nothing when it is missing or not of the type asked for.
    virtual std::optional<std::int64_t> readInt(std::string_view name) const = 0;
    virtual std::optional<std::string> readString(std::string_view name) const = 0;

    /// Each write creates the key when needed; false when the value could not be stored.
    [[nodiscard]] virtual bool writeInt(std::string_view name, std::int64_t value) = 0;
    [[nodiscard]] virtual bool writeString(std::string_view name, std::string_view value) = 0;

    /// Makes the written values durable; false when that failed.
    [[nodiscard]] virtual bool flush() = 0;
};

/// Names of the stored values.
namespace SettingName {
constexpr std::string_view CurReh = "CurReh";
constexpr std::string_view UsedSlovars = "UsedSlovars";
constexpr std::string_view PrioritetSlov = "PrioritetSlov";
constexpr std::string_view CreateWithoutPovtors = "CreateWithoutPovtors";
constexpr std::string_view CenterResh = "CenterResh";
constexpr std::string_view NotUseWordsWithoutVopros = "NotUseWordsWithoutVopros";
} // namespace SettingName

/// The user's settings while the program runs. The sixth value, the current template `CurReh`,
/// lives in model::TemplateSet, whose operations keep it pointing at a template; reading and
/// writing the settings reads and writes it there.
struct Settings
{
    std::vector<std::string> UsedSlovars; ///< dictionaries ticked for composing, UTF-8 names
    std::uint8_t PrioritetSlov = 1;       ///< 1 longest slots first, 2 shortest first, other: random
    bool CreateWithoutPovtors = true;     ///< eliminate repeated words after composing
    bool CenterResh = true;               ///< centre the board view when a grid is shown
    bool NotUseWordsWithoutVopros = true; ///< leave words without a clue out of the word pool

    /// The first-run values: every dictionary in use.
    static Settings defaults(const std::vector<std::string> &AllSlovars);
};

/// Counts the templates (InitRehSet) and reads the settings from `store`. A value that is
/// missing or of the wrong type takes its default; a `CurReh` of 0 or past the last template
/// becomes 1 (0 for an empty set); a `PrioritetSlov` outside 0..255 becomes 1; any stored
/// boolean but 0 is true. Of the stored used dictionaries only those in `AllSlovars` are kept,
/// spelt as there.
Settings ReadSettings(const SettingsStore &store, const std::vector<std::string> &AllSlovars,
                      model::TemplateSet &templates);

/// Writes the settings and the current template; false when the store failed.
[[nodiscard]] bool WriteSettings(SettingsStore &store, const Settings &settings,
                                 const model::TemplateSet &templates);

} // namespace klettra::app
