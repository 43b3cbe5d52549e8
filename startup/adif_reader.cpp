#include "startup/adif_reader.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <string>

#include "startup/band_table.h"
#include "startup/qso_row.h"

namespace {

constexpr int kMaxCallsign = 12;
constexpr int kMaxVia = 12;
constexpr int kMaxMode = 9;
constexpr int kMaxRst = 10;

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool matchesUpper(const char* text, const char* upperWord, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (upper(text[i]) != upperWord[i]) {
            return false;
        }
    }
    return true;
}

// Offset just past the first <EOH> (any case), or 0 when the log has no header.
qsizetype recordsStart(QByteArrayView bytes) {
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i + 5 <= size; ++i) {
        const void* found = std::memchr(data + i, '<', static_cast<size_t>(size - i));
        if (found == nullptr) {
            break;
        }
        i = static_cast<const char*>(found) - data;
        if (i + 5 <= size && matchesUpper(data + i, "<EOH>", 5)) {
            return i + 5;
        }
    }
    return 0;
}

enum Field { kCall, kQsoDate, kTimeOn, kBand, kFreq, kMode, kRstSent, kQslVia, kFieldCount };

struct FieldName {
    Field field;
    QByteArrayView name;
};

const std::array<FieldName, kFieldCount> kFieldNames{{
    {kCall, "CALL"},
    {kQsoDate, "QSO_DATE"},
    {kTimeOn, "TIME_ON"},
    {kBand, "BAND"},
    {kFreq, "FREQ"},
    {kMode, "MODE"},
    {kRstSent, "RST_SENT"},
    {kQslVia, "QSL_VIA"},
}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

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

bool isAscii(QByteArrayView text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
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
        const bool overlong = (continuation == 2 && codePoint < 0x800) ||
                              (continuation == 3 && codePoint < 0x10000);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF) {
            return false;
        }
        p += continuation + 1;
    }
    return true;
}

// A value from the log as UTF-8: kept where it is UTF-8 already, read as
// Latin-1 otherwise. `storage` keeps a converted copy alive.
QByteArrayView asUtf8(QByteArrayView value, QByteArray& storage) {
    if (isAscii(value) || isValidUtf8(value)) {
        return value;
    }
    storage = QString::fromLatin1(value).toUtf8();
    return storage;
}

// The record text of one QSO: tag positions found in one pass.
class Record {
public:
    explicit Record(QByteArrayView text) : text_(text) { findTags(); }

    bool holdsAnyField() const { return holdsAnyField_; }
    bool has(Field field) const { return tagAt_[field] >= 0; }

    // The text between the tag's ">" and the next "<", blanks trimmed;
    // empty when the tag is missing or never closed.
    QByteArrayView value(Field field) const {
        const qsizetype tag = tagAt_[field];
        if (tag < 0) {
            return {};
        }
        const qsizetype close = text_.indexOf('>', tag);
        if (close < 0) {
            return {};
        }
        qsizetype next = text_.indexOf('<', close + 1);
        if (next < 0) {
            next = text_.size();
        }
        return trimBlanks(text_.sliced(close + 1, next - close - 1));
    }

private:
    void findTags() {
        tagAt_.fill(-1);
        for (qsizetype at = text_.indexOf('<'); at >= 0; at = text_.indexOf('<', at + 1)) {
            noteTag(at);
        }
    }

    void noteTag(qsizetype at) {
        qsizetype end = at + 1;
        while (end < text_.size() && text_[end] != ':' && text_[end] != '>' &&
               text_[end] != '<') {
            ++end;
        }
        if (end >= text_.size() || text_[end] == '<' || end == at + 1) {
            return;
        }
        const QByteArrayView name = text_.sliced(at + 1, end - at - 1);
        if (name != QByteArrayView("EOR") && name != QByteArrayView("EOH")) {
            holdsAnyField_ = true;
        }
        for (const FieldName& known : kFieldNames) {
            if (tagAt_[known.field] < 0 && name == known.name) {
                tagAt_[known.field] = at;
            }
        }
    }

    QByteArrayView text_;
    std::array<qsizetype, kFieldCount> tagAt_{};
    bool holdsAnyField_ = false;
};

class RecordConverter {
public:
    explicit RecordConverter(AdifSink& sink) : sink_(sink) {}

    void convert(QByteArrayView recordText) {
        const Record record(recordText);
        if (!record.holdsAnyField()) {
            return;
        }
        QsoValues values;

        const QByteArrayView rawDate = utf8Value(record, kQsoDate, dateStorage_);
        if (rawDate.isEmpty()) {
            sink_.message(AdifReader::missingDateMessage());
            values.date = "01/01/2000";
        } else {
            values.date = rewriteDate(rawDate);
        }

        const QByteArrayView rawTime = utf8Value(record, kTimeOn, timeStorage_);
        if (rawTime.isEmpty()) {
            sink_.message(AdifReader::missingTimeMessage());
            values.timeOn = "00:00";
        } else {
            values.timeOn = rewriteTime(rawTime);
        }

        const QByteArrayView call = utf8Value(record, kCall, callStorage_);
        if (call.isEmpty()) {
            sink_.message(AdifReader::missingCallsignMessage());
            values.callsign = "FXXXX";
        } else {
            values.callsign = utf8Left(call, kMaxCallsign);
        }

        values.qslVia = utf8Left(utf8Value(record, kQslVia, viaStorage_), kMaxVia);

        const QByteArrayView mode = utf8Value(record, kMode, modeStorage_);
        values.mode = mode.isEmpty() ? QByteArrayView("XXX") : utf8Left(mode, kMaxMode);

        const QByteArrayView rst = utf8Value(record, kRstSent, rstStorage_);
        values.rstSent = rst.isEmpty() ? QByteArrayView("XX") : utf8Left(rst, kMaxRst);

        std::optional<QByteArray> band = bandText(record);
        if (!band) {
            sink_.message(AdifReader::missingBandMessage());
            band = QByteArray("1.8 Mhz");
        }
        values.band = *band;

        sink_.row(QsoRow::compose(values));
    }

private:
    static QByteArrayView utf8Value(const Record& record, Field field, QByteArray& storage) {
        return asUtf8(record.value(field), storage);
    }

    // YYYYMMDD becomes DD/MM/YY: day from the last two characters, month
    // from characters 5-6, year from characters 3-4.
    QByteArrayView rewriteDate(QByteArrayView raw) {
        char* out = dateText_;
        out = append(out, utf8Right(raw, 2));
        *out++ = '/';
        out = append(out, utf8Mid(raw, 4, 2));
        *out++ = '/';
        out = append(out, utf8Mid(raw, 2, 2));
        return QByteArrayView(dateText_, out - dateText_);
    }

    // HHMM or HHMMSS becomes HH:MM.
    QByteArrayView rewriteTime(QByteArrayView raw) {
        char* out = timeText_;
        out = append(out, utf8Left(raw, 2));
        *out++ = ':';
        out = append(out, utf8Mid(raw, 2, 2));
        return QByteArrayView(timeText_, out - timeText_);
    }

    static char* append(char* out, QByteArrayView part) {
        return std::copy(part.begin(), part.end(), out);
    }

    static std::optional<QByteArray> bandText(const Record& record) {
        if (record.has(kBand)) {
            return BandTable::textForKey(record.value(kBand).toByteArray());
        }
        if (record.has(kFreq)) {
            return BandTable::textForFrequency(record.value(kFreq).toByteArray());
        }
        return std::nullopt;
    }

    AdifSink& sink_;
    QByteArray dateStorage_, timeStorage_, callStorage_, viaStorage_, modeStorage_, rstStorage_;
    // Two characters of at most four UTF-8 bytes per part.
    char dateText_[32];
    char timeText_[32];
};

}  // namespace

QString AdifReader::missingCallsignMessage() {
    return QStringLiteral("Indicatif absent, remplacé par FXXXX");
}

QString AdifReader::missingDateMessage() {
    return QStringLiteral("Date absente, remplacée par 01/01/2000");
}

QString AdifReader::missingTimeMessage() {
    return QStringLiteral("Heure absente, remplacée par 00:00");
}

QString AdifReader::missingBandMessage() {
    return QStringLiteral("Bande absente, remplacée par 1.8 Mhz");
}

namespace {

// Splits the bytes after the header into record texts: line breaks dropped,
// a-z upper-cased, each record ending with its <EOR>.
class RecordFramer {
public:
    explicit RecordFramer(AdifSink& sink) : converter_(sink) { record_.reserve(4096); }

    void feed(QByteArrayView bytes) {
        for (const char c : bytes) {
            if (c == '\n' || c == '\r') {
                continue;
            }
            record_.push_back(upper(c));
            if (c == '>' && endsWithEor()) {
                flush();
            }
        }
    }

    void finish() { flush(); }

private:
    bool endsWithEor() const {
        return record_.size() >= 5 &&
               std::memcmp(record_.data() + record_.size() - 5, "<EOR>", 5) == 0;
    }

    void flush() {
        if (!record_.empty()) {
            converter_.convert(QByteArrayView(record_.data(), record_.size()));
            record_.clear();
        }
    }

    RecordConverter converter_;
    std::string record_;
};

constexpr qint64 kChunkSize = 1 << 20;

// Offset just past the first <EOH> of a file, 0 when it has none.
qint64 recordsStart(QIODevice& device) {
    QByteArray window;
    qint64 windowOffset = 0;
    while (true) {
        const QByteArray chunk = device.read(kChunkSize);
        if (chunk.isEmpty()) {
            return 0;
        }
        window += chunk;
        const qsizetype found = recordsStart(QByteArrayView(window));
        if (found > 0) {
            return windowOffset + found;
        }
        const qsizetype keep = std::min<qsizetype>(4, window.size());
        windowOffset += window.size() - keep;
        window = window.right(keep);
    }
}

}  // namespace

void AdifReader::parse(QByteArrayView bytes, AdifSink& sink) {
    RecordFramer framer(sink);
    framer.feed(bytes.sliced(recordsStart(bytes)));
    framer.finish();
}

bool AdifReader::readFile(const QString& path, AdifSink& sink, QString* error) {
    const auto fail = [&] {
        if (error != nullptr) {
            *error = QStringLiteral("Impossible de lire le fichier %1").arg(path);
        }
        return false;
    };
    if (QFileInfo(path).isDir()) {
        return fail();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail();
    }
    const qint64 start = recordsStart(file);
    if (!file.seek(start)) {
        return fail();
    }
    RecordFramer framer(sink);
    while (true) {
        const QByteArray chunk = file.read(kChunkSize);
        if (chunk.isEmpty()) {
            break;
        }
        framer.feed(chunk);
    }
    framer.finish();
    return true;
}
