#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "log/qso_record.h"

// The QSO values a card's table column or free line can show, by the key
// the template names them with.
class CardValues {
  public:
    enum class Value {
        Call,
        Via,
        Date,
        Time,
        Band,
        Mode,
        Rst,
        Qsl,
        SatName,
        PropMode,
        Submode,
        BandRx,
        Freq,
        QslMsg
    };
    // What the QSL value and the card's thanks say.
    enum class Thanks { Pse, Tnx, None, ByCard };

    static std::optional<Value> named(const QString& key);
    static QStringList keys();

    // The value of a QSO, trimmed; the QSL value follows `thanks`.
    static QString of(Value value, const QsoRecord& record, Thanks thanks);
    // "PSE", "TNX" or nothing for one QSO.
    static QString qsl(const QsoRecord& record, Thanks thanks);
    // Whether a card thanks for a QSL (TNX) rather than asks for one (PSE):
    // with ByCard, when a paper card came for one of its QSOs.
    static bool thanksForCard(const QsoRecords& qsos, Thanks thanks);
};
