#include "cards/qsl_template_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "cards/card_design_file.h"
#include "cards/windows1252.h"
#include "files/replaced_file.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(QslTemplateFile)
};

}  // namespace

namespace {

const QString kZero = QStringLiteral(" 0 ");
const QString kOne = QStringLiteral(" 1 ");
const QString kTen = QStringLiteral(" 10 ");

QString fieldName(const char* letter, int line) {
    return QString::fromLatin1(letter) + QString::number(line);
}

// Values in zones of 14 columns; the last one ends the line.
QString zones(const QStringList& values) {
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        line += i + 1 < values.size() ? values[i].leftJustified(QslTemplateFile::kZoneWidth)
                                      : values[i];
    }
    return line;
}

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) {
        ++begin;
    }
    while (end > begin && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(begin, end - begin);
}

// The value of zone 1, 2 or 3 of a line; the last zone runs to the end of the line.
QString zone(const QString& line, int index, bool last) {
    const qsizetype start = (index - 1) * QslTemplateFile::kZoneWidth;
    return trimSpaces(last ? line.mid(start) : line.mid(start, QslTemplateFile::kZoneWidth));
}

QString withoutLineBreaks(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QStringList splitLines(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

}  // namespace

QStringList QslTemplateFile::lines(const QslTemplate& model, QString* error) {
    struct Checked {
        QString name;
        QString value;
    };
    std::vector<Checked> zoned{{QStringLiteral("MG"), model.marginLeft},
                               {QStringLiteral("MH"), model.marginTop}};
    for (int i = 0; i < QslTemplate::kLines; ++i) {
        const bool freeLineUnused = i >= 7 && model.text[static_cast<size_t>(i)].isEmpty();
        if (freeLineUnused) {
            continue;
        }
        zoned.push_back({fieldName("G", i + 1), model.left[static_cast<size_t>(i)]});
        zoned.push_back({fieldName("H", i + 1), model.top[static_cast<size_t>(i)]});
        zoned.push_back({fieldName("P", i + 1), model.size[static_cast<size_t>(i)]});
    }
    std::vector<Checked> all = zoned;
    for (int i = 0; i < QslTemplate::kLines; ++i) {
        all.push_back({fieldName("T", i + 1), model.text[static_cast<size_t>(i)]});
    }
    for (const auto& [name, value] : CardDesignFile::namedValues(model.design)) {
        all.push_back({name, value});
    }
    for (const Checked& value : all) {
        const QString missing = Windows1252::missing(value.value);
        if (!missing.isEmpty()) {
            if (error != nullptr) {
                *error = Text::tr(
                             "%1 contient des caractères qu'un fichier .qsl ne peut pas garder : "
                             "%2. Le modèle n'est pas enregistré.")
                             .arg(value.name, missing);
            }
            return {};
        }
    }
    for (const Checked& value : zoned) {
        if (value.value.size() >= kZoneWidth) {
            if (error != nullptr) {
                *error = Text::tr(
                             "La valeur de %1 (« %2 ») est trop longue : 13 caractères "
                             "au plus. Le modèle n'est pas enregistré.")
                             .arg(value.name, value.value);
            }
            return {};
        }
    }

    QStringList lines;
    lines.append(zones({withoutLineBreaks(model.marginLeft), withoutLineBreaks(model.marginTop)}));
    for (int i = 0; i < QslTemplate::kLines; ++i) {
        const auto at = static_cast<size_t>(i);
        if (i >= 7 && model.text[at].isEmpty()) {
            lines.append(zones({kZero, kZero, kTen}));
        } else {
            lines.append(zones({withoutLineBreaks(model.left[at]), withoutLineBreaks(model.top[at]),
                                withoutLineBreaks(model.size[at])}));
        }
    }
    for (const QString& text : model.text) {
        lines.append(withoutLineBreaks(text));
    }
    for (const bool flag : {model.joinLine2, model.joinLine4, model.joinLines6And7}) {
        lines.append(flag ? kOne : kZero);
    }
    lines.append(CardDesignFile::lines(model.design));
    return lines;
}

QString QslTemplateFile::save(const QslTemplate& model, const QString& path) {
    QString error;
    const QStringList content = lines(model, &error);
    if (content.isEmpty()) {
        return error;
    }
    QByteArray bytes;
    for (const QString& line : content) {
        bytes += Windows1252::encode(line) + "\r\n";
    }
    const QString problem = ReplacedFile::replace(path, bytes);
    return problem.isEmpty() ? QString()
                             : Text::tr("%1 ; le modèle n'est pas enregistré.").arg(problem);
}

bool QslTemplateFile::load(const QString& path, QslTemplate& model, QString* error,
                           int* linesRead) {
    QFile file(path);
    const auto fail = [&] {
        if (error != nullptr) {
            *error = Text::tr("Impossible d'ouvrir le fichier %1").arg(path);
        }
        return false;
    };
    // Only a regular file: a FIFO would be waited on, a device read forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return fail();
    }
    const QByteArray bytes = readLines(file);
    if (file.error() != QFileDevice::NoError) {
        return fail();
    }
    const int lines = read(bytes, model);
    if (linesRead != nullptr) {
        *linesRead = lines;
    }
    return true;
}

QByteArray QslTemplateFile::readLines(QIODevice& device) {
    QByteArray bytes;
    for (int line = 0; line < kLineCount + kLargestDesignLines; ++line) {
        const QByteArray text = device.readLine(kLargestLine + 1);
        bytes += text;
        // The end of the file, or a line too long for any template: what
        // follows is not read.
        if (!text.endsWith('\n')) {
            break;
        }
    }
    return bytes;
}

int QslTemplateFile::read(const QByteArray& bytes, QslTemplate& model) {
    const QStringList lines = splitLines(Windows1252::decode(bytes));
    model.design = CardDesign();
    for (qsizetype index = kLineCount; index < lines.size(); ++index) {
        CardDesignFile::read(lines[index], model.design);
    }
    for (qsizetype index = 0; index < lines.size() && index < kLineCount; ++index) {
        const QString& line = lines[index];
        const int n = static_cast<int>(index) + 1;
        if (n == 1) {
            model.marginLeft = zone(line, 1, false);
            model.marginTop = zone(line, 2, true);
        } else if (n <= 11) {
            const auto at = static_cast<size_t>(n - 2);
            model.left[at] = zone(line, 1, false);
            model.top[at] = zone(line, 2, false);
            model.size[at] = zone(line, 3, true);
        } else if (n <= 21) {
            model.text[static_cast<size_t>(n - 12)] = trimSpaces(line);
        } else {
            const QString flag = trimSpaces(line);
            if (flag == u"0" || flag == u"1") {
                model.setJoin(n - 21, flag == u"1");
            }
        }
    }
    return static_cast<int>(std::min<qsizetype>(lines.size(), kLineCount));
}
