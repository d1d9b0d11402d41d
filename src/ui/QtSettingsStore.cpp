#include "ui/QtSettingsStore.h"

#include "base/NumberReading.h"

namespace z5 {
namespace {
QString keyPath(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Quenmar Software", "Z5")) {}

QtSettingsStore::QtSettingsStore(const std::string& file)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat)) {}

std::optional<int> QtSettingsStore::readInt(std::string_view section, std::string_view key) const {
  const QVariant value = settings_->value(keyPath(section, key));
  if (!value.isValid()) return std::nullopt;
  return integerOnly<int>(value.toString().trimmed().toStdString(), Sign::Either);
}

std::optional<std::string> QtSettingsStore::readText(std::string_view section, std::string_view key) const {
  const QVariant value = settings_->value(keyPath(section, key));
  if (!value.isValid()) return std::nullopt;
  // A value typed into the file by hand with a comma and no quotes reads as
  // a list of its comma-separated parts: put the text back together.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ").toStdString();
  return value.toString().toStdString();
}

bool QtSettingsStore::write(std::string_view section, std::string_view key, const QVariant& value) {
  if (!settings_->isWritable()) return false;
  settings_->setValue(keyPath(section, key), value);
  return settings_->status() == QSettings::NoError;
}

bool QtSettingsStore::writeInt(std::string_view section, std::string_view key, int value) {
  return write(section, key, value);
}

bool QtSettingsStore::writeText(std::string_view section, std::string_view key, std::string_view value) {
  return write(section, key, QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace z5
