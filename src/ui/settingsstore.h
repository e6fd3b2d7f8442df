#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "app/settings.h"

class QSettings;

namespace klettra::ui {

/// The per-user settings key as QSettings keeps it: the registry key "Software\Klettra 1.X" on
/// Windows, "~/.config/Klettra 1.X.conf" here. Values are read by name and may be missing or of
/// another type than expected; writes become durable with `flush`.
class QtSettingsStore : public app::SettingsStore
{
public:
    /// The user's own settings.
    static std::unique_ptr<QtSettingsStore> forUser();
    /// Settings kept in the given file instead (tests, portable use).
    static std::unique_ptr<QtSettingsStore> inFile(const QString &path);

    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);
    ~QtSettingsStore() override;

    /// True when any value has been stored before.
    bool exists() const override;

    /// An integer value; nothing when missing or not a whole number.
    std::optional<std::int64_t> readInt(std::string_view name) const override;
    /// A text value (UTF-8); nothing when missing or not a single text.
    std::optional<std::string> readString(std::string_view name) const override;

    [[nodiscard]] bool writeInt(std::string_view name, std::int64_t value) override;
    [[nodiscard]] bool writeString(std::string_view name, std::string_view value) override;

    /// Writes everything to its place; false when that failed.
    [[nodiscard]] bool flush() override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace klettra::ui
