#include "cards/card_design_file.h"

namespace {

const QString kColumnSeparator = QStringLiteral(" | ");

QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString trimmedBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == QLatin1Char(' ') || text[begin] == QLatin1Char('\t'))) {
        ++begin;
    }
    while (end > begin &&
           (text[end - 1] == QLatin1Char(' ') || text[end - 1] == QLatin1Char('\t'))) {
        --end;
    }
    return text.mid(begin, end - begin);
}

// The text fields of a design by key, in the order they are written.
struct TextKey {
    const char* key;
    QString CardDesign::*field;
};
const TextKey kTextKeys[] = {
    {"card.size", &CardDesign::cardSize},     {"table.x", &CardDesign::tableX},
    {"table.y", &CardDesign::tableY},         {"table.rows", &CardDesign::tableRows},
    {"table.pitch", &CardDesign::tablePitch}, {"table.size", &CardDesign::tableSize},
    {"thanks.x", &CardDesign::thanksX},       {"thanks.y", &CardDesign::thanksY},
    {"thanks.size", &CardDesign::thanksSize}, {"thanks.pse", &CardDesign::thanksPse},
    {"thanks.tnx", &CardDesign::thanksTnx},   {"picture.file", &CardDesign::picture},
    {"picture.fit", &CardDesign::pictureFit},
};

struct FlagKey {
    const char* key;
    bool CardDesign::*field;
};
const FlagKey kFlagKeys[] = {{"card.strip", &CardDesign::keepStrip},
                             {"picture.frame", &CardDesign::pictureFrame},
                             {"picture.print", &CardDesign::printPicture}};

QString freeValueKey(int index) {
    return QStringLiteral("line%1.value").arg(index + 8);
}

QString columnText(const CardDesign::Column& column) {
    QString text = column.x + kColumnSeparator + column.value;
    if (!column.heading.isEmpty()) {
        text += kColumnSeparator + column.heading;
    }
    return text;
}

CardDesign::Column columnFrom(const QString& value) {
    const QStringList parts = value.split(QLatin1Char('|'));
    CardDesign::Column column;
    column.x = trimmedBlanks(parts.value(0));
    column.value = trimmedBlanks(parts.value(1));
    column.heading = trimmedBlanks(parts.mid(2).join(QLatin1Char('|')));
    return column;
}

// Applies a line of a key this version knows; false for any other line.
bool readKnown(const QString& line, CardDesign& design) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return false;
    }
    const QString key = trimmedBlanks(line.left(equals)).toLower();
    const QString value = trimmedBlanks(line.mid(equals + 1));
    if (key == u"table.column") {
        if (design.columns.size() < static_cast<size_t>(CardDesign::kLargestColumns)) {
            design.columns.push_back(columnFrom(value));
        }
        return true;
    }
    for (const TextKey& known : kTextKeys) {
        if (key == QLatin1String(known.key)) {
            design.*known.field = value;
            return true;
        }
    }
    for (const FlagKey& known : kFlagKeys) {
        if (key == QLatin1String(known.key)) {
            design.*known.field = value == u"1";
            return true;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (key == freeValueKey(i)) {
            design.freeValue[i] = value;
            return true;
        }
    }
    return false;
}

}  // namespace

QList<QPair<QString, QString>> CardDesignFile::namedValues(const CardDesign& design) {
    QList<QPair<QString, QString>> values;
    for (const TextKey& key : kTextKeys) {
        values.append({QString::fromLatin1(key.key), design.*key.field});
    }
    for (int i = 0; i < 3; ++i) {
        values.append({freeValueKey(i), design.freeValue[i]});
    }
    for (const CardDesign::Column& column : design.columns) {
        values.append({QStringLiteral("table.column"), columnText(column)});
    }
    return values;
}

QStringList CardDesignFile::lines(const CardDesign& design) {
    QStringList lines;
    if (design.isEmpty()) {
        return lines;
    }
    for (const auto& [key, value] : namedValues(design)) {
        if (!value.isEmpty()) {
            lines.append(key + QStringLiteral(" = ") + oneLine(value));
        }
    }
    for (const FlagKey& key : kFlagKeys) {
        if (design.*key.field) {
            lines.append(QString::fromLatin1(key.key) + QStringLiteral(" = 1"));
        }
    }
    for (const QString& line : design.otherLines) {
        lines.append(oneLine(line));
    }
    return lines;
}

void CardDesignFile::read(const QString& line, CardDesign& design) {
    if (!readKnown(line, design) && !trimmedBlanks(line).isEmpty()) {
        design.otherLines.push_back(line);
    }
}
