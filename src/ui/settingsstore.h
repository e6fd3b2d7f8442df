#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

class QSettings;

namespace klettra::ui {

/// The per-user settings key as QSettings keeps it: the registry key "Software\Klettra 1.X" on
/// Windows, "~/.config/Klettra 1.X.conf" here. Values are read by name and may be missing or of
/// another type than expected; writes become durable with `flush`.
class QtSettingsStore
{
public:
    /// The user's own settings.
    static std::unique_ptr<QtSettingsStore> forUser();
    /// Settings kept in the given file instead (tests, portable use).
    static std::unique_ptr<QtSettingsStore> inFile(const QString &path);

    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);
    ~QtSettingsStore();

    /// True when any value has been stored before.
    bool exists() const;

    /// An integer value; nothing when missing or not a whole number.
    std::optional<std::int64_t> readInt(std::string_view name) const;
    /// A text value (UTF-8); nothing when missing or not a single text.
    std::optional<std::string> readString(std::string_view name) const;

    [[nodiscard]] bool writeInt(std::string_view name, std::int64_t value);
    [[nodiscard]] bool writeString(std::string_view name, std::string_view value);

    /// Writes everything to its place; false when that failed.
    [[nodiscard]] bool flush();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace klettra::ui
