#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "log/qso_record.h"

class AddressBook;
class CountryFile;

// Where the address of a card's recipient comes from: the operator's address
// book first, else the most recent address the log gives for that station
// (never for a QSL manager: the log's address is the station's own).
class AddressSource {
  public:
    struct Recipient {
        QString call;
        bool manager = false;
    };
    // The station a card goes to, its whole call: the QSL manager when QSL_VIA
    // names one (QslVia::managerOf), else the home call of the callsign
    // (homeCallOf, with `countries` when a country file is loaded). None for a
    // QSO whose log gives no CALL.
    static Recipient recipientOf(const QString& callsign, const QString& qslVia,
                                 const CountryFile* countries = nullptr);
    static Recipient recipientOf(const QsoRecord& qso, const CountryFile* countries = nullptr);
    // The same with the country file this source was given.
    Recipient recipientFor(const QsoRecord& qso) const { return recipientOf(qso, countries_); }
    QString stationOf(const QString& callsign) const {
        return recipientOf(callsign, {}, countries_).call;
    }

    // An ADIF address value as lines: CR LF, LF or CR each end a line; blank
    // lines and blanks around each line are dropped.
    static QStringList addressLines(const QString& value);

    explicit AddressSource(const AddressBook& book, const CountryFile* countries = nullptr)
        : book_(book), countries_(countries) {}

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
    const CountryFile* countries_;
    QHash<QString, Found> fromLog_;
};
