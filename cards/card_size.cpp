#include "cards/card_size.h"

#include <QCoreApplication>

const std::vector<CardSize>& CardSize::all() {
    static const std::vector<CardSize> sizes = {
        {QStringLiteral("140x90"), 140, 90,
         QCoreApplication::translate("CardSize", "140 × 90 mm (carte QSL)")},
        {QStringLiteral("139.7x88.9"), 139.7, 88.9,
         QCoreApplication::translate("CardSize", "139,7 × 88,9 mm (5,5 × 3,5 pouces)")},
        {QStringLiteral("148x105"), 148, 105,
         QCoreApplication::translate("CardSize", "148 × 105 mm (A6)")},
        {QStringLiteral("152.4x101.6"), 152.4, 101.6,
         QCoreApplication::translate("CardSize", "152,4 × 101,6 mm (6 × 4 pouces)")},
    };
    return sizes;
}

const CardSize* CardSize::find(const QString& key) {
    const QString wanted = key.trimmed().isEmpty() ? all().front().key : key.trimmed();
    for (const CardSize& size : all()) {
        if (size.key.compare(wanted, Qt::CaseInsensitive) == 0) {
            return &size;
        }
    }
    return nullptr;
}
