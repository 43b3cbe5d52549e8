#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "log/adif_fields.h"
#include "log/adif_parsed_piece.h"
#include "log/qso_record.h"

// Turns the raw values of one QSO into the values kept: cleaned as the QSO
// list shows them, the date and time rewritten, the band found, a stand-in
// (and a message) for each missing value the list needs.
class AdifValues {
  public:
    // Adds the values of `qso` to the end of `text` and notes in `parsed`
    // where each lies, its frequency and its messages.
    void fill(const adif::FieldSpans& qso, adif::ParsedQso& parsed, ByteBuffer& text);
    // A decoded value as it is kept: byte order marks left out, control
    // characters as blanks, outer spaces trimmed (a no-break space stays),
    // upper case.
    static QString keptText(QString text);

  private:
    using Values = std::array<QByteArrayView, kQsoFieldCount>;

    static void store(const Values& values, adif::ParsedQso& parsed, ByteBuffer& text);
    std::optional<QByteArrayView> bandText(const adif::FieldSpans& qso, QByteArrayView frequency);
    const std::optional<QByteArray>& bandForKey(QByteArrayView key);
    QByteArrayView clean(const adif::FieldSpans& qso, adif::Field field);
    QByteArrayView rewriteDate(QByteArrayView raw);
    QByteArrayView rewriteTime(QByteArrayView raw);

    static constexpr size_t kKeptBandKeys = 64;

    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> bandKeys_;
    std::optional<QByteArray> frequencyBand_;
    std::array<QByteArray, adif::kFieldCount> storage_;
    // Two characters of at most four UTF-8 bytes per part.
    char dateText_[32];
    char timeText_[32];
};
