// Label composition on arbitrary options and rows: no crash, and where the
// values are within their limits every left label has the width that keeps
// the right label in its column.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>

#include "labels/label_composer.h"
#include "labels/sheet_table.h"
#include "log/qso_log.h"
#include "log/qso_row.h"

namespace {

QString text(FuzzedDataProvider& input, size_t longest) {
    return QString::fromUtf8(QByteArray::fromStdString(input.ConsumeRandomLengthString(longest)));
}

// The listed values of a QSO, cut to their columns as the reader cuts them, or
// left as long as they come.
QsoValues qso(FuzzedDataProvider& input, std::array<QByteArray, 7>& bytes, bool cut) {
    static constexpr int longest[7] = {12, 10, 5, 8, 9, 10, 12};
    QsoValues v;
    for (int i = 0; i < 7; ++i) {
        const std::string value = input.ConsumeRandomLengthString(cut ? longest[i] : 40);
        bytes[static_cast<size_t>(i)] =
            QString::fromUtf8(QByteArray::fromStdString(value)).toUtf8();
        const QByteArrayView whole = bytes[static_cast<size_t>(i)];
        v.values[static_cast<size_t>(i)] = cut ? utf8Left(whole, longest[i]) : whole;
    }
    return v;
}

bool fits(const QString& value, int longest) {
    return value.trimmed().size() <= longest;
}

struct Expectation {
    LabelLine line;
    int width;  // 0: no fixed width promised
};

void check(const LabelComposer& composer, LineFamily family, const LabelFields& fields,
           const Expectation& expected) {
    const QString left = composer.side(expected.line, family, fields, LabelComposer::Side::Left);
    composer.side(expected.line, family, fields, LabelComposer::Side::Right);
    if (expected.width > 0 && left.size() != expected.width) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    LabelOptions options;
    const int formats[] = {1, 2, 3, 4, 6};
    options.format = formats[input.ConsumeIntegralInRange(0, 4)];
    options.french = input.ConsumeBool();
    options.qsl = input.ConsumeIntegralInRange(0, 4);
    options.station = text(input, 16);
    options.comment = text(input, 40);
    options.transceiver = text(input, 20);
    options.antenna = text(input, 20);
    options.activationNumber = text(input, 16);
    options.activationName = text(input, 36);
    options.canton = text(input, 6);
    options.postcode = text(input, 7);
    options.municipality = text(input, 30);
    const bool rowInLayout = input.ConsumeBool();
    std::array<QByteArray, 7> bytes;
    QsoLog log;
    const LabelFields fields = LabelFields::fromRecord(&log.add(qso(input, bytes, rowInLayout)));
    const LabelComposer composer(options,
                                 SheetTable::tuned(options.format)->profile->addressSpacing);

    const bool qsoInRange = rowInLayout && fits(options.comment, 32) &&
                            options.transceiver.size() <= 15 && fits(options.antenna, 15);
    const bool wide = options.format == 6;
    const int addressWidth =
        wide ? 34 : (options.french && (options.format == 3 || options.format == 4) ? 32 : 31);
    const int qsoWidth = qsoInRange ? (wide ? 44 : 43) : 0;
    const LineFamily qsoFamily = wide ? LineFamily::Qso44 : LineFamily::Qso42;
    check(composer, qsoFamily, fields, {LabelLine::Address, qsoInRange ? addressWidth : 0});
    check(composer, qsoFamily, fields,
          {LabelLine::Date, qsoInRange ? qsoWidth + (wide ? 1 : 0) : 0});
    check(composer, qsoFamily, fields,
          {LabelLine::Band, qsoInRange ? qsoWidth + (wide && options.french ? 1 : 0) : 0});
    check(composer, qsoFamily, fields, {LabelLine::Station, qsoWidth});
    check(composer, qsoFamily, fields, {LabelLine::Comment, wide ? 0 : qsoWidth});
    check(composer, qsoFamily, fields,
          {LabelLine::Thanks, qsoInRange ? qsoWidth + (wide ? 1 : 0) : 0});

    const bool activationInRange = rowInLayout && options.station.size() <= 11 &&
                                   fits(options.activationNumber, 12) &&
                                   fits(options.activationName, 30) && fits(options.canton, 4) &&
                                   fits(options.postcode, 5) && fits(options.municipality, 26) &&
                                   fits(options.transceiver, 15) && fits(options.antenna, 15);
    const int activationWidth = activationInRange ? 47 : 0;
    const LineFamily activationFamily =
        options.format == 3 || wide ? LineFamily::ActivationDdcf : LineFamily::ActivationCanton;
    // The from line centres both callsigns in 23 columns: with 23 characters of
    // callsigns its count of blanks goes below zero and it comes out wider.
    const bool callsignsFit = options.station.size() + fields.callsign.size() <= 22;
    check(composer, activationFamily, fields,
          {LabelLine::From, activationInRange && callsignsFit ? 31 : 0});
    check(composer, activationFamily, fields, {LabelLine::Activation, activationWidth});
    check(composer, activationFamily, fields, {LabelLine::Place, activationWidth});
    check(composer, activationFamily, fields,
          {LabelLine::Canton,
           activationInRange ? 43 + static_cast<int>(options.canton.trimmed().size()) : 0});
    check(composer, activationFamily, fields, {LabelLine::DdcfPlace, 0});
    check(composer, activationFamily, fields, {LabelLine::Contact, 0});
    check(composer, activationFamily, fields, {LabelLine::Station, activationWidth});
    check(composer, activationFamily, fields, {LabelLine::Thanks, activationWidth});
    return 0;
}
