#pragma once

#include <QByteArray>
#include <QHash>
#include <memory>

#include "log/country_file.h"

class QsoRecord;

// The order in which QSL bureaus sort cards: by the DXCC entity of each QSO's
// route (its QSL via when present, else its callsign), entities in plain
// character order of their primary prefix and QSOs without entity last; then
// by the route.
class BureauOrder {
  public:
    // Without a country file the route's leading letters and digits stand for the entity.
    explicit BureauOrder(std::shared_ptr<const CountryFile> countries = nullptr);

    struct Key {
        QByteArray prefix;  // empty: no entity
        QByteArray route;
    };
    Key keyOf(const QsoRecord& record) const;

    // The route of a QSO and the prefix its entity is sorted by.
    static QByteArray routeOf(const QsoRecord& record);
    QByteArray prefixOf(const QByteArray& route) const;

    // Orders two keys: -1, 0 or 1.
    static int compare(const Key& a, const Key& b);

  private:
    std::shared_ptr<const CountryFile> countries_;
    mutable QHash<QByteArray, QByteArray> prefixes_;
};
