#include "mail/address_block.h"

#include "labels/label_fitting.h"

namespace {

// East Asian wide and full-width characters, and the emoji drawn as pictures.
bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F680 && c <= 0x1F6FF) || (c >= 0x1F900 && c <= 0x1F9FF) ||
           (c >= 0x1FA70 && c <= 0x1FAFF) || (c >= 0x1F1E6 && c <= 0x1F1FF) ||
           (c >= 0x2600 && c <= 0x27BF) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool fitsWidth(const QStringList& lines, double width, float size) {
    for (const QString& line : lines) {
        if (AddressBlock::widthMillimetres(line, size) > width) {
            return false;
        }
    }
    return true;
}

bool fitsHeight(const QStringList& lines, double height, float size) {
    return static_cast<double>(lines.size()) * LabelFitting::lineAdvanceMillimetres(size) <= height;
}

}  // namespace

double AddressBlock::widthMillimetres(const QString& line, float size) {
    qsizetype columns = 0;
    for (const char32_t c : line.toUcs4()) {
        columns += isWide(c) ? 2 : 1;
    }
    return static_cast<double>(columns) * LabelFitting::widthMillimetres(QStringLiteral("M"), size);
}

QStringList AddressBlock::brokenToWidth(const QStringList& address, double width, float size) {
    QStringList result;
    for (const QString& line : address) {
        if (AddressBlock::widthMillimetres(line, size) <= width) {
            result.append(line);
            continue;
        }
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && AddressBlock::widthMillimetres(longer, size) > width) {
                result.append(current);
                current = word;
            } else {
                current = longer;
            }
        }
        result.append(current);
    }
    return result;
}

AddressBlock::Fitted AddressBlock::fit(const QStringList& address, QSizeF box, float largest,
                                       Breaking breaking, float smallest) {
    for (float size = largest; size >= smallest; size -= 0.5f) {
        const QStringList lines =
            breaking == Breaking::AtSpaces ? brokenToWidth(address, box.width(), size) : address;
        if (fitsWidth(lines, box.width(), size) && fitsHeight(lines, box.height(), size)) {
            return {lines, size, true};
        }
    }
    return {address, smallest, false};
}
