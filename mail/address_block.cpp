#include "mail/address_block.h"

#include "labels/label_fitting.h"

namespace {

bool fitsWidth(const QStringList& lines, double width, float size) {
    for (const QString& line : lines) {
        if (LabelFitting::widthMillimetres(line, size) > width) {
            return false;
        }
    }
    return true;
}

bool fitsHeight(const QStringList& lines, double height, float size) {
    return static_cast<double>(lines.size()) * LabelFitting::lineAdvanceMillimetres(size) <= height;
}

}  // namespace

QStringList AddressBlock::brokenToWidth(const QStringList& address, double width, float size) {
    QStringList result;
    for (const QString& line : address) {
        if (LabelFitting::widthMillimetres(line, size) <= width) {
            result.append(line);
            continue;
        }
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && LabelFitting::widthMillimetres(longer, size) > width) {
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
