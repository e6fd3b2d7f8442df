#include "ui/settingsstore.h"

#include <QSettings>

#include "ui/appinfo.h"

namespace klettra::ui {

namespace {

QString key(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

std::unique_ptr<QtSettingsStore> QtSettingsStore::forUser()
{
    return std::make_unique<QtSettingsStore>(
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, AppInfo::settingsName()));
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::inFile(const QString &path)
{
    return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{}

QtSettingsStore::~QtSettingsStore() = default;

bool QtSettingsStore::exists() const
{
    return !m_settings->allKeys().isEmpty();
}

std::optional<std::int64_t> QtSettingsStore::readInt(std::string_view name) const
{
    const QVariant value = m_settings->value(key(name));
    // A text file holds every value as text, the registry as a number: accept either, as long
    // as it is one whole number.
    const int type = value.typeId();
    if (type != QMetaType::QString && type != QMetaType::Int && type != QMetaType::UInt &&
        type != QMetaType::LongLong && type != QMetaType::ULongLong)
        return std::nullopt;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<std::string> QtSettingsStore::readString(std::string_view name) const
{
    const QVariant value = m_settings->value(key(name));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString().toStdString();
}

bool QtSettingsStore::writeInt(std::string_view name, std::int64_t value)
{
    m_settings->setValue(key(name), qlonglong(value));
    return m_settings->isWritable();
}

bool QtSettingsStore::writeString(std::string_view name, std::string_view value)
{
    m_settings->setValue(key(name), QString::fromUtf8(value.data(), qsizetype(value.size())));
    return m_settings->isWritable();
}

bool QtSettingsStore::flush()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace klettra::ui
