#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

// The values of one QSO that the program uses. The first seven are the values
// of the QSO list (as it shows them, except the callsign and the QSL via, kept
// whole: the list cuts them to their 12 columns); the others are kept as the
// log gives them.
enum class QsoField : int {
    Callsign,
    Date,
    Time,
    Band,
    Mode,
    RstSent,
    QslVia,
    QslSent,
    QslSentVia,
    QslRcvd,
    Dxcc,
    Country,
    PropMode,
    SatName,
    QslRcvdVia,
    Submode,
    BandRx,
    QslMsg,
    QsoDate,      // QSO_DATE as the log gives it (YYYYMMDD), the year whole
    LotwQslRcvd,  // LOTW_QSL_RCVD
    EqslQslRcvd,  // EQSL_QSL_RCVD
};
constexpr int kQsoFieldCount = 21;
constexpr int kListedFieldCount = 7;

// One QSO as the reader finds it: views into the reader's memory, valid while
// the sink handles it. Values are UTF-8.
struct QsoValues {
    std::array<QByteArrayView, kQsoFieldCount> values;
    double frequencyMhz = 0;   // 0 when the record gives no readable FREQ
    qint64 fileOffset = 0;     // where the record's text starts in the file
    qint64 fileLength = 0;     // its bytes up to and including its <EOR>
    quint8 replaced = 0;       // QsoRecord::Replaced flags
    bool readAsPlain = false;  // read in one pass: every "<" in it opens a whole tag

    QByteArrayView& operator[](QsoField field) { return values[static_cast<size_t>(field)]; }
    QByteArrayView operator[](QsoField field) const { return values[static_cast<size_t>(field)]; }
};

// One QSO of a loaded log, parsed once. Its text lives in the QsoLog that made it.
class QsoRecord {
  public:
    // The values the log lacked and the reader put in their place.
    enum Replaced : quint8 { kCallsign = 1, kDate = 2, kBand = 4 };

    QByteArrayView value(QsoField field) const {
        const auto index = static_cast<size_t>(field);
        const quint32 begin = index == 0 ? 0 : ends_[index - 1];
        return QByteArrayView(text_ + begin, ends_[index] - begin);
    }
    QString text(QsoField field) const { return QString::fromUtf8(value(field)); }
    double frequencyMhz() const { return frequencyMhz_; }
    qint64 fileOffset() const { return fileOffset_; }
    qint64 fileLength() const { return fileLength_; }
    quint32 logSerial() const { return logSerial_; }
    quint8 replaced() const { return replaced_; }
    // The reader read the record's text in one pass (AdifPlainReader): every
    // "<" in it opens a whole tag, and its <EOR> ends it.
    bool readAsPlain() const { return readAsPlain_; }

  private:
    friend class QsoLog;

    const char* text_ = nullptr;
    std::array<quint32, kQsoFieldCount> ends_{};
    double frequencyMhz_ = 0;
    qint64 fileOffset_ = 0;
    qint64 fileLength_ = 0;
    quint32 logSerial_ = 0;
    quint8 replaced_ = 0;
    bool readAsPlain_ = false;
};

// QSOs in the order a list holds them (print list order for a print run).
using QsoRecords = std::vector<const QsoRecord*>;
