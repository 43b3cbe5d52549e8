#pragma once

#include <QByteArray>
#include <QHash>
#include <memory>

#include "log/country_file.h"
#include "selection/no_bureau_table.h"

class QsoRecord;

// The order in which QSL bureaus sort cards: by the DXCC entity of each QSO's
// recipient, entities in plain character order of their primary prefix and QSOs
// without entity last; then by the recipient. The recipient is the manager the
// QSL via names, else the home call of the station (EA8/ON4AAA goes to ON4AAA's
// bureau, K1ABC/MM to K1ABC's).
class BureauOrder {
  public:
    // Without a country file the recipient's leading letters and digits stand for
    // the entity; without a table every entity has a bureau.
    explicit BureauOrder(std::shared_ptr<const CountryFile> countries = nullptr,
                         std::shared_ptr<const NoBureauTable> noBureau = nullptr);

    // Why a QSO's card cannot go through the bureau.
    enum class Refusal {
        None,
        NoBureau,    // its entity has no incoming bureau
        DirectOnly,  // the station asks for direct cards
        NoCallsign,  // the QSO has no CALL (listed as FXXXX): no station, no entity
    };

    struct Key {
        QByteArray prefix;  // empty: no entity
        QByteArray route;   // the recipient
        Refusal refusal = Refusal::None;
    };
    Key keyOf(const QsoRecord& record) const;

    // The recipient of a QSO's card and the prefix its entity is sorted by.
    QByteArray routeOf(const QsoRecord& record) const;
    QByteArray prefixOf(const QByteArray& route) const;

    // Orders two keys: -1, 0 or 1.
    static int compare(const Key& a, const Key& b);

  private:
    Key makeKey(QByteArrayView via, QByteArrayView call) const;
    bool hasNoBureau(const Key& key) const;

    std::shared_ptr<const CountryFile> countries_;
    std::shared_ptr<const NoBureauTable> noBureau_;
    // By QSL via and callsign: a log holds far fewer stations than QSOs.
    mutable QHash<QByteArray, Key> keys_;
};
