#pragma once

#include <QString>
#include <QStringView>

// What a QSL_VIA value says. Loggers fill it with words as often as with a
// manager's call: "BUREAU, LOTW", "VIA BUREAU OR DIRECT", "NO QSL CARD, SORRY",
// "EA5GL", "QSL VIA LY5CA EQSL", "QSL MANAGER IS ON7SS".
namespace QslVia {

// How the station asks to be confirmed, when the text says so.
enum class Wish {
    None,
    NoCard,          // NO QSL, NO CARD
    ElectronicOnly,  // LOTW ONLY, ONLY LOTW, EQSL ONLY
    DirectOnly,      // DIRECT, without the bureau as a choice
};

// Letters and digits with at least one digit, ending in a letter, at least three
// characters, optionally with "/" parts: "EA5GL", "3D2AG", "VP2V/K5PI". "BURO",
// "LOTW", "EQSL.NET" and "73" are words.
bool isCallsign(QStringView word);

// The manager's whole callsign, upper case, that the text names: the value alone,
// or the callsign after VIA, QSL VIA, MGR, MANAGER or QSL MANAGER IS. Empty when
// the text names none: the station itself is then the recipient.
QString managerOf(const QString& qslVia);

Wish wishOf(const QString& qslVia);

}  // namespace QslVia
