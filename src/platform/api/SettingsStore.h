#pragma once

#include <QString>

#include <optional>

namespace vellicor {

// The per-user settings store: text values by group and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> value(const QString& group, const QString& key) const = 0;
    virtual bool setValue(const QString& group, const QString& key, const QString& value) = 0;
    // True when the stored file could not be read as settings.
    virtual bool unreadable() const { return false; }
};

} // namespace vellicor
