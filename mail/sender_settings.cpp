#include "mail/sender_settings.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "mail/address_source.h"
#include "settings/settings_store.h"
#include "settings/stored_setting.h"

SenderSettings SenderSettings::load(const SettingsStore& store, const QString& station) {
    SenderSettings settings;
    settings.address =
        AddressSource::addressLines(store.read(StoredSettings::kSenderAddress, station));
    bool number = false;
    const int copies = store.read(StoredSettings::kReturnLabels, station).toInt(&number);
    settings.returnLabels = number ? std::clamp(copies, 0, kMostReturnLabels) : 0;
    settings.recipientShift = shiftFrom(store.read(StoredSettings::kRecipientShift, station));
    settings.senderShift = shiftFrom(store.read(StoredSettings::kSenderShift, station));
    return settings;
}

void SenderSettings::save(SettingsStore& store, const QString& station) const {
    store.write(StoredSettings::kSenderAddress, address.join(QLatin1Char('\n')), station);
    store.write(StoredSettings::kReturnLabels, QString::number(returnLabels), station);
    store.write(StoredSettings::kRecipientShift, shiftText(recipientShift), station);
    store.write(StoredSettings::kSenderShift, shiftText(senderShift), station);
}

QPointF SenderSettings::shiftFrom(const QString& text) {
    const QStringList parts = text.simplified().split(QLatin1Char(' '));
    if (parts.size() != 2) {
        return {};
    }
    bool xRead = false;
    bool yRead = false;
    const double x = QLocale::c().toDouble(parts[0], &xRead);
    const double y = QLocale::c().toDouble(parts[1], &yRead);
    if (!xRead || !yRead || !(std::fabs(x) <= kLargestShift) || !(std::fabs(y) <= kLargestShift)) {
        return {};
    }
    return {x, y};
}

QString SenderSettings::shiftText(QPointF shift) {
    return QStringLiteral("%1 %2").arg(QLocale::c().toString(shift.x(), 'g', 6),
                                       QLocale::c().toString(shift.y(), 'g', 6));
}
