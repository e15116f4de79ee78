#pragma once

#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>

// What the program keeps for the user from one run to the next (where its windows were left),
// behind a small interface so that no test reads or writes the user's own settings.
namespace platform {

class Settings {
public:
    virtual ~Settings() = default;
    // An invalid value when nothing is kept under the key.
    virtual QVariant value(const QString& key) = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
};

// Kept for the run only. A run uses it until the user's settings are installed, so tests never
// reach them.
class MemorySettings : public Settings {
public:
    QVariant value(const QString& key) override { return m_values.value(key); }
    void setValue(const QString& key, const QVariant& value) override { m_values[key] = value; }

private:
    QHash<QString, QVariant> m_values;
};

// The user's settings file, where the system keeps it for the program's organisation and name.
class UserSettings : public Settings {
public:
    QVariant value(const QString& key) override { return m_settings.value(key); }
    void setValue(const QString& key, const QVariant& value) override {
        m_settings.setValue(key, value);
    }

private:
    QSettings m_settings;
};

Settings& settings();
// Installs the settings for the rest of the run (or until replaced); returns the previous ones.
// Without any installed, settings() answers from memory.
Settings* setSettings(Settings* settings);

} // namespace platform
