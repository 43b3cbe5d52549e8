#include "selection/no_bureau_table.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "files/bounded_file.h"
#include "files/run_files.h"

namespace {

const QString kShippedList = QStringLiteral(":/selection/no_bureau_countries.txt");
constexpr qint64 kLargestOwnFile = 1024 * 1024;

// A cty.dat primary prefix: letters and digits, and for the entities that
// share one ("3D2/C" Conway Reef, "FO/M" Marquesas) a slash and its letters.
bool isPrefix(const QString& text) {
    static const QRegularExpression prefix(QStringLiteral("^[A-Z0-9]{1,6}(/[A-Z0-9]{1,3})?$"));
    return prefix.match(text).hasMatch();
}

bool isCheckDate(const QString& text) {
    return text.isEmpty() || QDate::fromString(text, Qt::ISODate).isValid();
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(NoBureauTable)
};

QString namedLines(const QStringList& numbers) {
    QString named = numbers.mid(0, NoBureauTable::kMostNamedLines).join(QStringLiteral(", "));
    if (numbers.size() > NoBureauTable::kMostNamedLines) {
        named += QStringLiteral(", …");
    }
    return named;
}

}  // namespace

QString NoBureauTable::ownFilePath(const QString& settingsFile) {
    return RunFiles::noBureauFile(settingsFile);
}

QStringList NoBureauTable::apply(const QString& text, bool ownFile) {
    QStringList badLines;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        QString prefix = fields[0].trimmed().toUpper();
        const bool removed = ownFile && prefix.startsWith(QLatin1Char('-'));
        if (removed) {
            prefix.remove(0, 1);
        }
        if (!isPrefix(prefix) || !isCheckDate(fields.value(1).trimmed())) {
            badLines.append(QString::number(i + 1));
            continue;
        }
        if (removed) {
            prefixes_.remove(prefix.toLatin1());
        } else {
            prefixes_.insert(prefix.toLatin1());
        }
    }
    return badLines;
}

NoBureauTable NoBureauTable::load(const QString& ownFile, QString* problem) {
    NoBureauTable table;
    QFile shipped(kShippedList);
    if (shipped.open(QIODevice::ReadOnly)) {
        table.apply(QString::fromUtf8(shipped.readAll()), false);
    }
    QByteArray bytes;
    QString reason;
    const BoundedFile::Outcome outcome =
        BoundedFile::read(ownFile, kLargestOwnFile, &bytes, &reason);
    QString said;
    if (outcome == BoundedFile::Outcome::Read) {
        const QStringList bad = table.apply(QString::fromUtf8(bytes), true);
        if (!bad.isEmpty()) {
            said = Text::tr(
                       "Le fichier des pays sans bureau %1 : %n lignes ignorées : %2 (attendu : "
                       "PRÉFIXE ou -PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, source).",
                       nullptr, static_cast<int>(bad.size()))
                       .arg(ownFile, namedLines(bad));
        }
    } else if (outcome != BoundedFile::Outcome::Missing) {
        said = Text::tr(
                   "Le fichier des pays sans bureau %1 ne peut pas être lu (%2) : seule la liste "
                   "fournie est utilisée.")
                   .arg(ownFile, reason);
    }
    if (problem != nullptr) {
        *problem = said;
    }
    return table;
}
