#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class AddressBook;

// Where the address of a card's recipient comes from: the operator's address
// book first, else the most recent address the log gives for that station
// (never for a QSL manager: the log's address is the station's own).
class AddressSource {
  public:
    struct Recipient {
        QString call;
        bool manager = false;
    };
    // The station a card goes to: the QSL manager when there is one, else the
    // callsign without its portable suffixes (/P, /M, /QRP, /A) and, for a
    // call worked abroad (EA8/ON4AAA, ON4AAA/EA8), the station's own call.
    static Recipient recipientOf(const QString& callsign, const QString& qslVia);

    // An ADIF address value as lines: CR LF, LF or CR each end a line; blank
    // lines and blanks around each line are dropped.
    static QStringList addressLines(const QString& value);

    explicit AddressSource(const AddressBook& book) : book_(book) {}

    // Offers the address a QSO of the log gives for `station`; the QSO worked
    // last (by `when`, "YYYYMMDD HHMM" or any text that sorts the same way) wins.
    void offerLogAddress(const QString& station, const QString& when, const QString& value);

    // The lines to print: the recipient's call, then its address; nothing
    // when neither the book nor (for a station) the log has one.
    std::optional<QStringList> addressOf(const Recipient& recipient) const;

  private:
    struct Found {
        QString when;
        QStringList lines;
    };
    const AddressBook& book_;
    QHash<QString, Found> fromLog_;
};
