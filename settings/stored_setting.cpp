#include "settings/stored_setting.h"

#include "settings/settings_store.h"

QString StoredSetting::section(const QString& owner) const {
    switch (scope) {
        case Scope::Program:
        case Scope::Window:
            return SettingsStore::globalSection();
        case Scope::Station:
            return SettingsStore::stationSection(owner);
        case Scope::Printer:
            return QStringLiteral("Calibration ");
    }
    return {};
}

QString StoredSetting::keyOf(const QString& owner) const {
    switch (scope) {
        case Scope::Printer:
            return owner;
        case Scope::Window:
            return QString::fromUtf8(key) + owner;
        case Scope::Program:
        case Scope::Station:
            break;
    }
    return QString::fromUtf8(key);
}
