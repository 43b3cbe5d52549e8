#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "log/qso_record.h"

class QsoRow {
  public:
    // First column (1-based) and nominal width of each field.
    static constexpr int kCallsignColumn = 1;
    static constexpr int kDateColumn = 15;
    static constexpr int kTimeColumn = 25;
    static constexpr int kBandColumn = 32;
    static constexpr int kModeColumn = 42;
    static constexpr int kRstColumn = 51;
    static constexpr int kViaColumn = 61;

    static constexpr int kCallsignWidth = 12;
    static constexpr int kDateWidth = 8;
    static constexpr int kTimeWidth = 5;
    static constexpr int kBandWidth = 8;
    static constexpr int kModeWidth = 7;
    static constexpr int kRstWidth = 8;
    static constexpr int kViaWidth = 12;

    // The columns a listed value fills with the blanks after it (the last has none).
    static int slotWidth(QsoField field);

    // The QSO list row of a QSO (UTF-8); widths count characters, not bytes.
    static QByteArray compose(const QsoValues& values);
    // Adds the row of `values` at the end of `out`.
    static void appendTo(QByteArray& out, const QsoValues& values);
    static QByteArray compose(const QsoRecord& record);

    // A listed value as the row's columns hold it: its first `width` characters,
    // padded with blanks to `width`; `trimmedCell` without the blanks around it.
    static QString cell(const QsoRecord& record, QsoField field, int width);
    static QString trimmedCell(const QsoRecord& record, QsoField field, int width);

    // The column titles over the rows, each at the first column of its field,
    // for a fixed-pitch face.
    static QString alignedColumnTitles();
};

// Character helpers for UTF-8 text.
int utf8Length(QByteArrayView text);
QByteArrayView utf8Mid(QByteArrayView text, int firstCharacter, int characters);
inline QByteArrayView utf8Left(QByteArrayView text, int characters) {
    // No character takes less than a byte: a short text is whole.
    return text.size() <= characters ? text : utf8Mid(text, 0, characters);
}
QByteArrayView utf8Right(QByteArrayView text, int characters);
