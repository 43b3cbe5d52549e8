#include "log/qso_row.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Writes a value and the `blanks` that fill its slot; returns the end.
char* writePadded(char* out, QByteArrayView value, int blanks) {
    out = std::copy(value.begin(), value.end(), out);
    if (blanks > 0) {
        out = std::fill_n(out, blanks, ' ');
    }
    return out;
}

}  // namespace

// Lengths count what QString counts: a character outside the Basic
// Multilingual Plane (a four-byte sequence) takes two places.
namespace {

int characterWidth(char leadByte) {
    return static_cast<unsigned char>(leadByte) >= 0xF0 ? 2 : 1;
}

}  // namespace

int utf8Length(QByteArrayView text) {
    const char* const data = text.data();
    const qsizetype size = text.size();
    qsizetype i = 0;
    // Eight ASCII bytes at a time while they last.
    for (quint64 word = 0; i + 8 <= size; i += 8) {
        std::memcpy(&word, data + i, 8);
        if ((word & 0x8080808080808080ULL) != 0) {
            break;
        }
    }
    int length = static_cast<int>(i);
    bool ascii = true;
    for (qsizetype k = i; k < size; ++k) {
        ascii &= static_cast<unsigned char>(data[k]) < 0x80;
    }
    if (ascii) {
        return static_cast<int>(size);
    }
    for (; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        length += int((byte & 0xC0) != 0x80) + int(byte >= 0xF0);
    }
    return length;
}

namespace {

// Byte offset after the whole characters that fit in `places`, or the size
// when the text is shorter.
qsizetype utf8Offset(QByteArrayView text, int places) {
    if (text.size() <= places) {
        return text.size();  // no character takes fewer bytes than places
    }
    int seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isContinuationByte(text[i])) {
            const int width = characterWidth(text[i]);
            if (seen + width > places) {
                return i;
            }
            seen += width;
        }
    }
    return text.size();
}

}  // namespace

QByteArrayView utf8Mid(QByteArrayView text, int firstCharacter, int characters) {
    const qsizetype begin = utf8Offset(text, firstCharacter);
    const QByteArrayView rest = text.sliced(begin);
    return rest.first(utf8Offset(rest, characters));
}

QByteArrayView utf8Right(QByteArrayView text, int characters) {
    const int length = utf8Length(text);
    return length <= characters ? text : utf8Mid(text, length - characters, characters);
}

namespace {

using Listed = std::array<QByteArrayView, kListedFieldCount>;

constexpr std::array<int, kListedFieldCount> slotWidths = {
    QsoRow::kCallsignWidth + 2, QsoRow::kDateWidth + 2, QsoRow::kTimeWidth + 2,
    QsoRow::kBandWidth + 2,     QsoRow::kModeWidth + 2, QsoRow::kRstWidth + 2,
    QsoRow::kViaWidth};

// The callsign and the QSL via, kept whole with the QSO, are cut to their columns.
void appendListed(QByteArray& row, Listed values) {
    values[static_cast<size_t>(QsoField::Callsign)] =
        utf8Left(values[static_cast<size_t>(QsoField::Callsign)], QsoRow::kCallsignWidth);
    values[static_cast<size_t>(QsoField::QslVia)] =
        utf8Left(values[static_cast<size_t>(QsoField::QslVia)], QsoRow::kViaWidth);
    std::array<int, kListedFieldCount> blanks{};
    qsizetype size = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        blanks[i] = std::max(0, slotWidths[i] - utf8Length(values[i]));
        size += values[i].size() + blanks[i];
    }
    const qsizetype start = row.size();
    row.resize(start + size);
    char* out = row.data() + start;
    for (size_t i = 0; i < values.size(); ++i) {
        out = writePadded(out, values[i], blanks[i]);
    }
}

QByteArray composeListed(const Listed& values) {
    QByteArray row;
    appendListed(row, values);
    return row;
}

}  // namespace

int QsoRow::slotWidth(QsoField field) {
    return slotWidths[static_cast<size_t>(field)];
}

QByteArray QsoRow::compose(const QsoValues& values) {
    Listed listed;
    std::copy_n(values.values.begin(), kListedFieldCount, listed.begin());
    return composeListed(listed);
}

void QsoRow::appendTo(QByteArray& out, const QsoValues& values) {
    Listed listed;
    std::copy_n(values.values.begin(), kListedFieldCount, listed.begin());
    appendListed(out, listed);
}

QByteArray QsoRow::compose(const QsoRecord& record) {
    Listed listed;
    for (int i = 0; i < kListedFieldCount; ++i) {
        listed[static_cast<size_t>(i)] = record.value(static_cast<QsoField>(i));
    }
    return composeListed(listed);
}

QString QsoRow::cell(const QsoRecord& record, QsoField field, int width) {
    return record.text(field).left(width).leftJustified(width);
}

QString QsoRow::trimmedCell(const QsoRecord& record, QsoField field, int width) {
    return record.text(field).left(width).trimmed();
}

QString QsoRow::alignedColumnTitles() {
    const std::pair<int, const char*> titles[] = {
        {kCallsignColumn, "Indicatif"}, {kDateColumn, "Date"}, {kTimeColumn, "Debut"},
        {kBandColumn, "Bande"},         {kModeColumn, "Mode"}, {kRstColumn, "Rst E"},
        {kViaColumn, "QSL Via"},
    };
    QString line;
    for (const auto& [column, title] : titles) {
        line = line.leftJustified(column - 1, QLatin1Char(' ')) + QLatin1String(title);
    }
    return line;
}
