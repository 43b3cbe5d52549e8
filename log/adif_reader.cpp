#include "log/adif_reader.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "log/band_table.h"
#include "log/qso_row.h"

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

enum Field {
    kCall,
    kQsoDate,
    kTimeOn,
    kBand,
    kFreq,
    kMode,
    kRstSent,
    kQslVia,
    kQslSent,
    kQslSentVia,
    kQslRcvd,
    kDxcc,
    kCountry,
    kPropMode,
    kSatName,
    kFieldCount
};

// The field a tag name stands for, or kFieldCount for any other name.
bool sameText(QByteArrayView text, const char* known, size_t length) {
    if (static_cast<size_t>(text.size()) != length || text[0] != known[0]) {
        return false;
    }
    for (size_t i = 1; i < length; ++i) {
        if (text[static_cast<qsizetype>(i)] != known[i]) {
            return false;
        }
    }
    return true;
}

// Position of the first `c` at or after `from`, or -1.
qsizetype find(QByteArrayView text, char c, qsizetype from) {
    if (from >= text.size()) {
        return -1;
    }
    const void* found = std::memchr(text.data() + from, c, static_cast<size_t>(text.size() - from));
    return found ? static_cast<const char*>(found) - text.data() : -1;
}

template <size_t N>
bool sameText(QByteArrayView text, const char (&known)[N]) {
    return sameText(text, known, N - 1);
}

Field fieldNamed(QByteArrayView name) {
    const auto is = [&](const auto& known) { return sameText(name, known); };
    switch (name.size()) {
        case 4:
            return is("CALL")   ? kCall
                   : is("BAND") ? kBand
                   : is("FREQ") ? kFreq
                   : is("MODE") ? kMode
                   : is("DXCC") ? kDxcc
                                : kFieldCount;
        case 7:
            return is("TIME_ON")   ? kTimeOn
                   : is("QSL_VIA") ? kQslVia
                   : is("COUNTRY") ? kCountry
                                   : kFieldCount;
        case 8:
            return is("QSO_DATE")   ? kQsoDate
                   : is("RST_SENT") ? kRstSent
                   : is("QSL_SENT") ? kQslSent
                   : is("QSL_RCVD") ? kQslRcvd
                   : is("SAT_NAME") ? kSatName
                                    : kFieldCount;
        case 9:
            return is("PROP_MODE") ? kPropMode : kFieldCount;
        case 12:
            return is("QSL_SENT_VIA") ? kQslSentVia : kFieldCount;
        default:
            return kFieldCount;
    }
}

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
        const qsizetype close = find(text_, '>', tag);
        if (close < 0) {
            return {};
        }
        qsizetype next = find(text_, '<', close + 1);
        if (next < 0) {
            next = text_.size();
        }
        return trimBlanks(text_.sliced(close + 1, next - close - 1));
    }

  private:
    void findTags() {
        tagAt_.fill(-1);
        for (qsizetype at = find(text_, '<', 0); at >= 0; at = find(text_, '<', at + 1)) {
            noteTag(at);
        }
    }

    void noteTag(qsizetype at) {
        qsizetype end = at + 1;
        while (end < text_.size() && text_[end] != ':' && text_[end] != '>' && text_[end] != '<') {
            ++end;
        }
        if (end >= text_.size() || text_[end] == '<' || end == at + 1) {
            return;
        }
        const QByteArrayView name = text_.sliced(at + 1, end - at - 1);
        if (!sameText(name, "EOR") && !sameText(name, "EOH")) {
            holdsAnyField_ = true;
        }
        const Field field = fieldNamed(name);
        if (field != kFieldCount && tagAt_[field] < 0) {
            tagAt_[field] = at;
        }
    }

    QByteArrayView text_;
    std::array<qsizetype, kFieldCount + 1> tagAt_{};
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
            values[QsoField::Date] = "01/01/2000";
        } else {
            values[QsoField::Date] = rewriteDate(rawDate);
        }

        const QByteArrayView rawTime = utf8Value(record, kTimeOn, timeStorage_);
        if (rawTime.isEmpty()) {
            sink_.message(AdifReader::missingTimeMessage());
            values[QsoField::Time] = "00:00";
        } else {
            values[QsoField::Time] = rewriteTime(rawTime);
        }

        const QByteArrayView call = utf8Value(record, kCall, callStorage_);
        if (call.isEmpty()) {
            sink_.message(AdifReader::missingCallsignMessage());
            values[QsoField::Callsign] = "FXXXX";
        } else {
            values[QsoField::Callsign] = utf8Left(call, kMaxCallsign);
        }

        values[QsoField::QslVia] = utf8Left(utf8Value(record, kQslVia, viaStorage_), kMaxVia);

        const QByteArrayView mode = utf8Value(record, kMode, modeStorage_);
        values[QsoField::Mode] = mode.isEmpty() ? QByteArrayView("XXX") : utf8Left(mode, kMaxMode);

        const QByteArrayView rst = utf8Value(record, kRstSent, rstStorage_);
        values[QsoField::RstSent] = rst.isEmpty() ? QByteArrayView("XX") : utf8Left(rst, kMaxRst);

        std::optional<QByteArray> band = bandText(record);
        if (!band) {
            sink_.message(AdifReader::missingBandMessage());
            band = QByteArray("1.8 Mhz");
        }
        values[QsoField::Band] = *band;

        keepExtraValues(record, values);
        values.frequencyMhz = frequencyMhz(record);

        sink_.record(values);
    }

  private:
    void keepExtraValues(const Record& record, QsoValues& values) {
        static constexpr std::array<std::pair<Field, QsoField>, 7> extras = {{
            {kQslSent, QsoField::QslSent},
            {kQslSentVia, QsoField::QslSentVia},
            {kQslRcvd, QsoField::QslRcvd},
            {kDxcc, QsoField::Dxcc},
            {kCountry, QsoField::Country},
            {kPropMode, QsoField::PropMode},
            {kSatName, QsoField::SatName},
        }};
        for (size_t i = 0; i < extras.size(); ++i) {
            values[extras[i].second] = utf8Value(record, extras[i].first, extraStorage_[i]);
        }
    }

    static double frequencyMhz(const Record& record) {
        if (!record.has(kFreq)) {
            return 0;
        }
        QByteArray text = record.value(kFreq).toByteArray();
        text.replace(',', '.');
        bool ok = false;
        const double mhz = text.toDouble(&ok);
        return ok && mhz > 0 ? mhz : 0;
    }

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
    std::array<QByteArray, 7> extraStorage_;
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
// Position of the first "<EOR>" at or after `from` in upper-cased text, or -1.
qsizetype findEor(QByteArrayView text, size_t from) {
    for (qsizetype at = find(text, '<', static_cast<qsizetype>(from)); at >= 0;
         at = find(text, '<', at + 1)) {
        if (text.size() - at >= 5 && text[at + 1] == 'E' && text[at + 2] == 'O' &&
            text[at + 3] == 'R' && text[at + 4] == '>') {
            return at;
        }
    }
    return -1;
}

class RecordFramer {
  public:
    explicit RecordFramer(AdifSink& sink) : converter_(sink) {}

    void feed(QByteArrayView bytes) {
        const char* data = bytes.data();
        const char* const end = data + bytes.size();
        while (data < end) {
            const void* newline = std::memchr(data, '\n', static_cast<size_t>(end - data));
            const char* lineEnd = newline ? static_cast<const char*>(newline) : end;
            appendLine(data, lineEnd);
            data = lineEnd + (newline ? 1 : 0);
        }
    }

    void finish() {
        if (length_ > 0) {
            converter_.convert(QByteArrayView(record_.get(), static_cast<qsizetype>(length_)));
            length_ = 0;
        }
    }

  private:
    struct Free {
        void operator()(char* memory) const { std::free(memory); }
    };

    // Room for `needed` bytes. realloc moves large blocks by remapping pages,
    // so a giant record (a file without <EOR>) does not need twice its size.
    void reserve(size_t needed) {
        if (needed <= capacity_) {
            return;
        }
        const size_t capacity = std::max(needed, capacity_ + capacity_ / 2 + 4096);
        char* grown = static_cast<char*>(std::realloc(record_.get(), capacity));
        if (grown == nullptr) {
            throw std::bad_alloc();
        }
        record_.release();
        record_.reset(grown);
        capacity_ = capacity;
    }

    // Appends a piece of a line, upper-cased and without carriage returns, and
    // hands on every record that an <EOR> in it completes.
    void appendLine(const char* begin, const char* end) {
        const size_t size = static_cast<size_t>(end - begin);
        if (size == 0) {
            return;
        }
        reserve(length_ + size);
        char* out = record_.get() + length_;
        std::transform(begin, end, out, upper);
        size_t appended = size;
        if (std::memchr(out, '\r', size) != nullptr) {
            appended = static_cast<size_t>(std::remove(out, out + size, '\r') - out);
        }
        const size_t searchFrom = length_ >= 4 ? length_ - 4 : 0;
        length_ += appended;

        const QByteArrayView text(record_.get(), static_cast<qsizetype>(length_));
        size_t recordStart = 0;
        for (qsizetype found = findEor(text, searchFrom); found >= 0;
             found = findEor(text, recordStart)) {
            const size_t recordEnd = static_cast<size_t>(found) + 5;
            converter_.convert(text.sliced(static_cast<qsizetype>(recordStart),
                                           static_cast<qsizetype>(recordEnd - recordStart)));
            recordStart = recordEnd;
        }
        if (recordStart > 0) {
            std::memmove(record_.get(), record_.get() + recordStart, length_ - recordStart);
            length_ -= recordStart;
        }
    }

    RecordConverter converter_;
    std::unique_ptr<char, Free> record_;
    size_t capacity_ = 0;
    size_t length_ = 0;
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
    // Only a regular file: a FIFO would be waited on, a device read forever.
    if (!QFileInfo(path).isFile()) {
        return fail();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail();
    }
    const auto failedReading = [&] {
        if (error != nullptr) {
            *error = QStringLiteral("Impossible de lire le fichier %1 : %2")
                         .arg(path, file.errorString());
        }
        return false;
    };
    const qint64 start = recordsStart(file);
    if (file.error() != QFileDevice::NoError) {
        return failedReading();
    }
    if (!file.seek(start)) {
        return fail();
    }
    RecordFramer framer(sink);
    std::vector<char> chunk(static_cast<size_t>(kChunkSize));
    while (true) {
        const qint64 read = file.read(chunk.data(), kChunkSize);
        if (read < 0) {
            // A read error is not the end of the file: what was read is not the log.
            return failedReading();
        }
        if (read == 0) {
            break;
        }
        framer.feed(QByteArrayView(chunk.data(), read));
    }
    framer.finish();
    return true;
}
