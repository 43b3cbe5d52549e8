#include "settings/stored_setting.h"

#include "settings/settings_store.h"

QString StoredSetting::section(const QString& owner) const {
    switch (scope) {
        case Scope::Program:
            return SettingsStore::globalSection();
        case Scope::Station:
            return SettingsStore::stationSection(owner);
        case Scope::Printer:
            return QStringLiteral("Calibration ");
    }
    return {};
}

QString StoredSetting::keyOf(const QString& owner) const {
    return scope == Scope::Printer ? owner : QString::fromUtf8(key);
}
