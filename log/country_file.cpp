#include "log/country_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include "files/bounded_file.h"
#include "files/run_files.h"
#include "log/printable_text.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CountryFile)
};

}  // namespace

namespace {

// An alias without its overrides: (CQ zone) [ITU zone] <lat/lon> {continent} ~offset~.
QString bareAlias(QString alias) {
    static const QString openers = QStringLiteral("([<{~");
    for (qsizetype i = 0; i < alias.size(); ++i) {
        if (openers.contains(alias[i])) {
            alias.truncate(i);
            break;
        }
    }
    return alias.trimmed().toUpper();
}

bool isPortableSuffix(const QString& part) {
    return part == u"P" || part == u"M" || part == u"QRP" || part == u"A";
}

}  // namespace

QStringList CountryFile::searchPaths(const QString& settingsFolder) {
    return RunFiles::countryFiles(settingsFolder);
}

bool CountryFile::loadFirst(const QStringList& paths, QString* error) {
    QStringList problems;
    for (const QString& path : paths) {
        QString problem;
        if (load(path, &problem)) {
            if (error != nullptr && !problems.isEmpty()) {
                *error = Text::tr("%1 ; le fichier %2 est utilisé.")
                             .arg(problems.join(QStringLiteral(" ; ")), path);
            }
            return true;
        }
        if (!problem.isEmpty()) {
            problems.append(problem);
        }
    }
    if (problems.isEmpty()) {
        problems.append(Text::tr("Fichier des pays (cty.dat) introuvable : %1")
                            .arg(paths.join(QStringLiteral(", "))));
    }
    if (error != nullptr) {
        *error = problems.join(QStringLiteral(" ; ")) +
                 Text::tr(" ; le tri bureau suit le début des indicatifs.");
    }
    return false;
}

bool CountryFile::load(const QString& path, QString* error) {
    QByteArray bytes;
    QString reason;
    const BoundedFile::Outcome outcome = BoundedFile::read(path, kLargestFile, &bytes, &reason);
    if (outcome != BoundedFile::Outcome::Read) {
        if (outcome != BoundedFile::Outcome::Missing && error != nullptr) {
            *error = Text::tr("Impossible de lire le fichier des pays %1 (%2)").arg(path, reason);
        }
        return false;
    }
    readEntities(QString::fromLatin1(bytes));
    if (entityCount_ == 0 && error != nullptr) {
        *error = Text::tr("Le fichier des pays %1 ne contient aucune entité").arg(path);
    }
    return entityCount_ > 0;
}

void CountryFile::readEntities(const QString& text) {
    exactCalls_.clear();
    prefixes_.clear();
    longestPrefix_ = 0;
    entityCount_ = 0;
    // Each entity: a header of eight fields ending in ":", then aliases up to ";".
    for (const QString& entity : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList fields = entity.split(QLatin1Char(':'));
        if (fields.size() < 9) {
            continue;
        }
        QString primary = fields[7].trimmed();
        if (primary.startsWith(QLatin1Char('*'))) {
            primary.remove(0, 1);
        }
        if (primary.isEmpty()) {
            continue;
        }
        // The prefix is written out as any value is: no control character.
        PrintableText::blankControls(primary);
        ++entityCount_;
        for (const QString& raw : fields[8].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString alias = bareAlias(raw);
            if (alias.startsWith(QLatin1Char('='))) {
                exactCalls_.insert(alias.mid(1), primary);
            } else if (!alias.isEmpty()) {
                prefixes_.insert(alias, primary);
                longestPrefix_ = std::max(longestPrefix_, static_cast<int>(alias.size()));
            }
        }
    }
}

QString CountryFile::lookUp(const QString& call) const {
    for (int length = std::min(longestPrefix_, static_cast<int>(call.size())); length > 0;
         --length) {
        const auto found = prefixes_.constFind(call.left(length));
        if (found != prefixes_.constEnd()) {
            return *found;
        }
    }
    return {};
}

QString CountryFile::primaryPrefix(const QString& callsign) const {
    const QString call = callsign.trimmed().toUpper();
    const auto exact = exactCalls_.constFind(call);
    if (exact != exactCalls_.constEnd()) {
        return *exact;
    }
    QStringList parts = call.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    while (parts.size() > 1 && isPortableSuffix(parts.last())) {
        parts.removeLast();
    }
    // Maritime and aeronautical mobile: no place of operation.
    if (parts.isEmpty() || (parts.size() > 1 && (parts.last() == u"MM" || parts.last() == u"AM"))) {
        return {};
    }
    const QString base = parts.join(QLatin1Char('/'));
    const auto exactBase = exactCalls_.constFind(base);
    if (exactBase != exactCalls_.constEnd()) {
        return *exactBase;
    }
    if (parts.size() == 1) {
        return lookUp(parts.first());
    }
    // PREFIX/CALL takes the prefix; a call area digit (K1ABC/4) keeps the call.
    const QString& first = parts.first();
    const QString& second = parts.at(1);
    if (second.size() == 1 && second.at(0).isDigit()) {
        return lookUp(first);
    }
    return lookUp(first.size() <= second.size() ? first : second);
}
