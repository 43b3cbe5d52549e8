#include "log/adif_values.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cstring>

#include "log/adif_text.h"
#include "log/band_table.h"
#include "log/printable_text.h"
#include "log/qso_row.h"

using namespace adif;

namespace {

constexpr int kMaxMode = 9;
constexpr int kMaxRst = 10;

QByteArrayView trimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

bool isValidUtf8(QByteArrayView text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        int continuation = 0;
        unsigned int codePoint = 0;
        if (c < 0x80) {
            ++p;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            continuation = 1;
            codePoint = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            continuation = 2;
            codePoint = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            continuation = 3;
            codePoint = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= continuation) {
            return false;
        }
        for (int k = 1; k <= continuation; ++k) {
            if ((p[k] & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6) | (p[k] & 0x3F);
        }
        const bool overlong =
            (continuation == 2 && codePoint < 0x800) || (continuation == 3 && codePoint < 0x10000);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF) {
            return false;
        }
        p += continuation + 1;
    }
    return true;
}

// A value as the QSO list shows it: control characters (C0, DEL, C1) as spaces, blanks
// trimmed, byte order marks removed, decoded (UTF-8 where valid, else
// Latin-1) and upper-cased, as UTF-8. `storage` keeps a changed copy alive.
QByteArrayView cleanValue(QByteArrayView raw, QByteArray& storage) {
    enum : quint8 { kPlain = 0, kLower = 1, kOther = 2 };
    static const std::array<quint8, 256> kinds = [] {
        std::array<quint8, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            table[byte] = byte < 0x20 || byte >= 0x7F  ? kOther
                          : byte >= 'a' && byte <= 'z' ? kLower
                                                       : kPlain;
        }
        return table;
    }();
    quint8 seen = kPlain;
    for (const char c : raw) {
        seen |= kinds[static_cast<unsigned char>(c)];
    }
    const bool plain = (seen & kOther) == 0;
    const bool lowerCase = (seen & kLower) != 0;
    if (plain) {
        const QByteArrayView trimmed = trimBlanks(raw);
        if (!lowerCase) {
            return trimmed;
        }
        storage.resize(trimmed.size());
        std::transform(trimmed.begin(), trimmed.end(), storage.begin(), upper);
        return storage;
    }
    QByteArray bytes = raw.toByteArray();
    for (char& c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    storage = AdifValues::keptText(isValidUtf8(bytes) ? QString::fromUtf8(bytes)
                                                      : QString::fromLatin1(bytes))
                  .toUtf8();
    return storage;
}

// The value of "[+]DIGITS[.DIGITS]" ("," for ".") of at most 15 digits,
// which one division rounds exactly as a full decimal conversion would.
inline std::optional<double> plainDecimal(QByteArrayView value) {
    const char* p = value.begin();
    const char* const end = value.end();
    if (p != end && *p == '+') {
        ++p;
    }
    quint64 digits = 0;
    int count = 0;
    int decimals = -1;
    for (; p != end; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits = digits * 10 + static_cast<quint64>(*p - '0');
            ++count;
            decimals += decimals >= 0 ? 1 : 0;
        } else if ((*p == '.' || *p == ',') && decimals < 0 && count > 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count > 15 || decimals == 0) {
        return std::nullopt;
    }
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
    return static_cast<double>(digits) / kPowers[std::max(decimals, 0)];
}

// A FREQ value in MHz, "," read as "."; 0 when it is no positive number.
inline double megahertz(QByteArrayView value) {
    const std::optional<double> plain = plainDecimal(value);
    if (plain) {
        return *plain > 0 ? *plain : 0;
    }
    char text[64];
    if (value.isEmpty() || value.size() >= qsizetype(sizeof text)) {
        return 0;
    }
    std::replace_copy(value.begin(), value.end(), text, ',', '.');
    const char* begin = text[0] == '+' ? text + 1 : text;
    const char* const end = text + value.size();
    double mhz = 0;
    const auto [stop, problem] = std::from_chars(begin, end, mhz);
    return problem == std::errc() && stop == end && mhz > 0 ? mhz : 0;
}

inline bool isAscii(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// YYYYMMDD, a day of the calendar.
inline bool isDate(QByteArrayView value) {
    if (value.size() != 8 ||
        !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const auto number = [&](int from, int digits) {
        int result = 0;
        for (int i = from; i < from + digits; ++i) {
            result = result * 10 + (value[i] - '0');
        }
        return result;
    };
    return QDate::isValid(number(0, 4), number(4, 2), number(6, 2));
}

inline char* append(char* out, QByteArrayView part) {
    return std::copy(part.begin(), part.end(), out);
}

}  // namespace

QString AdifValues::keptText(QString text) {
    text.remove(QChar(0xFEFF));
    PrintableText::blankControls(text);  // C1 characters, from either decoding
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ') {
        ++begin;
    }
    while (end > begin && text.at(end - 1) == u' ') {
        --end;
    }
    return text.mid(begin, end - begin).toUpper();
}

// fill runs for every QSO of a log: the helpers below it are inline so that
// it makes no call for each value.

void AdifValues::fill(const FieldSpans& qso, ParsedQso& parsed, ByteBuffer& text) {
    Values values;
    const QByteArrayView date = clean(qso, kQsoDate);
    if (date.isEmpty() || !isDate(date)) {
        parsed.messages |= date.isEmpty() ? ParsedQso::kMissingDate : ParsedQso::kUnreadableDate;
        values[int(QsoField::Date)] = "01/01/2000";
    } else {
        values[int(QsoField::Date)] = rewriteDate(date);
    }
    const QByteArrayView time = clean(qso, kTimeOn);
    // Some loggers write only when the QSO ended.
    const QByteArrayView end = time.isEmpty() ? clean(qso, kTimeOff) : QByteArrayView();
    if (!end.isEmpty()) {
        parsed.messages |= ParsedQso::kTimeFromEnd;
        values[int(QsoField::Time)] = rewriteTime(end);
    } else if (time.isEmpty()) {
        parsed.messages |= ParsedQso::kMissingTime;
        values[int(QsoField::Time)] = "00:00";
    } else {
        values[int(QsoField::Time)] = rewriteTime(time);
    }
    const QByteArrayView call = clean(qso, kCall);
    if (call.isEmpty()) {
        parsed.messages |= ParsedQso::kMissingCallsign;
        values[int(QsoField::Callsign)] = "FXXXX";
    } else {
        values[int(QsoField::Callsign)] = call;
    }
    // Whole: the QSO list's row cuts them to their columns, mail and bundles do not.
    values[int(QsoField::QslVia)] = clean(qso, kQslVia);
    const QByteArrayView mode = clean(qso, kMode);
    values[int(QsoField::Mode)] = mode.isEmpty() ? QByteArrayView("XXX") : utf8Left(mode, kMaxMode);
    const QByteArrayView rst = clean(qso, kRstSent);
    values[int(QsoField::RstSent)] = rst.isEmpty() ? QByteArrayView("XX") : utf8Left(rst, kMaxRst);

    const QByteArrayView frequency = qso.has(kFreq) ? clean(qso, kFreq) : QByteArrayView();
    const std::optional<QByteArrayView> band = bandText(qso, frequency);
    if (!band) {
        parsed.messages |= ParsedQso::kMissingBand;
    }
    values[int(QsoField::Band)] = band ? *band : QByteArrayView("1.8 Mhz");

    values[int(QsoField::QsoDate)] = date;
    static constexpr std::array<std::pair<Field, QsoField>, 13> extras = {{
        {kQslSent, QsoField::QslSent},
        {kQslSentVia, QsoField::QslSentVia},
        {kQslRcvd, QsoField::QslRcvd},
        {kDxcc, QsoField::Dxcc},
        {kCountry, QsoField::Country},
        {kPropMode, QsoField::PropMode},
        {kSatName, QsoField::SatName},
        {kQslRcvdVia, QsoField::QslRcvdVia},
        {kSubmode, QsoField::Submode},
        {kBandRx, QsoField::BandRx},
        {kQslMsg, QsoField::QslMsg},
        {kLotwQslRcvd, QsoField::LotwQslRcvd},
        {kEqslQslRcvd, QsoField::EqslQslRcvd},
    }};
    for (const auto& [field, qsoField] : extras) {
        values[static_cast<size_t>(qsoField)] = clean(qso, field);
    }
    parsed.frequencyMhz = qso.has(kFreq) ? megahertz(frequency) : 0;
    store(values, parsed, text);
}

inline void AdifValues::store(const Values& values, ParsedQso& parsed, ByteBuffer& text) {
    size_t total = 0;
    for (const QByteArrayView value : values) {
        total += static_cast<size_t>(value.size());
    }
    quint32 end = static_cast<quint32>(text.size());
    char* out = text.extend(total);
    parsed.bounds[0] = end;
    for (size_t i = 0; i < values.size(); ++i) {
        out = std::copy(values[i].begin(), values[i].end(), out);
        end += static_cast<quint32>(values[i].size());
        parsed.bounds[i + 1] = end;
    }
}

// The band table's text from BAND, else from FREQ; none when neither gives one.
inline std::optional<QByteArrayView> AdifValues::bandText(const FieldSpans& qso,
                                                          QByteArrayView frequency) {
    if (qso.has(kBand)) {
        const std::optional<QByteArray>& text = bandForKey(clean(qso, kBand));
        return text ? std::optional<QByteArrayView>(*text) : std::nullopt;
    }
    if (!qso.has(kFreq)) {
        return std::nullopt;
    }
    // Plain digits convert exactly as the full conversion would, without a copy.
    const std::optional<double> plain =
        frequency.startsWith('+') ? std::nullopt : plainDecimal(frequency);
    if (plain) {
        return BandTable::viewForFrequency(*plain);
    }
    frequencyBand_ = BandTable::textForFrequency(frequency.toByteArray());
    return frequencyBand_ ? std::optional<QByteArrayView>(*frequencyBand_) : std::nullopt;
}

// The band table's text for a BAND value; the few keys of a log are kept.
inline const std::optional<QByteArray>& AdifValues::bandForKey(QByteArrayView key) {
    for (const auto& [known, text] : bandKeys_) {
        if (known.size() == key.size() &&
            (key.isEmpty() ||
             std::memcmp(known.constData(), key.data(), static_cast<size_t>(key.size())) == 0)) {
            return text;
        }
    }
    if (bandKeys_.size() >= kKeptBandKeys) {
        bandKeys_.erase(bandKeys_.begin());
    }
    const QByteArray copy = key.toByteArray();
    bandKeys_.emplace_back(copy, BandTable::textForKey(copy));
    return bandKeys_.back().second;
}

inline QByteArrayView AdifValues::clean(const FieldSpans& qso, Field field) {
    if (!qso.has(field)) {
        return {};
    }
    return cleanValue(qso.value(field), storage_[field]);
}

// YYYYMMDD (checked by isDate) becomes DD/MM/YY.
inline QByteArrayView AdifValues::rewriteDate(QByteArrayView raw) {
    const char* date = raw.data();
    const char text[8] = {date[6], date[7], '/', date[4], date[5], '/', date[2], date[3]};
    std::copy(text, text + 8, dateText_);
    return QByteArrayView(dateText_, 8);
}

// HHMM or HHMMSS becomes HH:MM.
inline QByteArrayView AdifValues::rewriteTime(QByteArrayView raw) {
    if (raw.size() >= 4 && isAscii(raw.first(4))) {
        const char* time = raw.data();
        const char text[5] = {time[0], time[1], ':', time[2], time[3]};
        std::copy(text, text + 5, timeText_);
        return QByteArrayView(timeText_, 5);
    }
    char* out = timeText_;
    out = append(out, utf8Left(raw, 2));
    *out++ = ':';
    out = append(out, utf8Mid(raw, 2, 2));
    return QByteArrayView(timeText_, out - timeText_);
}
