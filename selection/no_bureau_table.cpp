#include "selection/no_bureau_table.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QStringList>

#include "files/run_files.h"
#include "settings/bounded_file.h"

namespace {

const QString kShippedList = QStringLiteral(":/selection/no_bureau_countries.txt");
constexpr qint64 kLargestOwnFile = 1024 * 1024;

bool isPrefix(const QString& text) {
    if (text.isEmpty() || text.size() > 6) {
        return false;
    }
    for (const QChar c : text) {
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))) {
            return false;
        }
    }
    return true;
}

bool isCheckDate(const QString& text) {
    return text.isEmpty() || QDate::fromString(text, Qt::ISODate).isValid();
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(NoBureauTable)
};

}  // namespace

QString NoBureauTable::ownFilePath(const QString& settingsFile) {
    return RunFiles::noBureauFile(settingsFile);
}

int NoBureauTable::apply(const QString& text, bool ownFile, int* firstBadLine) {
    int bad = 0;
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
            if (bad++ == 0) {
                *firstBadLine = i + 1;
            }
            continue;
        }
        if (removed) {
            prefixes_.remove(prefix.toLatin1());
        } else {
            prefixes_.insert(prefix.toLatin1());
        }
    }
    return bad;
}

NoBureauTable NoBureauTable::load(const QString& ownFile, QString* problem) {
    NoBureauTable table;
    QFile shipped(kShippedList);
    int ignored = 0;
    if (shipped.open(QIODevice::ReadOnly)) {
        table.apply(QString::fromUtf8(shipped.readAll()), false, &ignored);
    }
    QByteArray bytes;
    QString reason;
    const BoundedFile::Outcome outcome =
        BoundedFile::read(ownFile, kLargestOwnFile, &bytes, &reason);
    QString said;
    if (outcome == BoundedFile::Outcome::Read) {
        int firstBad = 0;
        const int bad = table.apply(QString::fromUtf8(bytes), true, &firstBad);
        if (bad > 0) {
            said = Text::tr(
                       "Le fichier des pays sans bureau %1 : %n lignes ignorées, la première "
                       "est la ligne %2 (attendu : PRÉFIXE, tabulation, AAAA-MM-JJ, tabulation, "
                       "source).",
                       nullptr, bad)
                       .arg(ownFile)
                       .arg(firstBad);
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
