#include "log/home_call.h"

#include <QStringList>
#include <algorithm>

#include "log/country_file.h"
#include "log/qsl_via.h"

namespace {

bool isLocation(const QString& part, const CountryFile* countries) {
    if (countries != nullptr && countries->isPrefix(part)) {
        return true;
    }
    return part.size() <= 4 && part.back().isDigit();
}

bool holdsDigit(const QString& part) {
    return std::any_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
}

QString longestOf(const QStringList& parts) {
    QString longest;
    for (const QString& part : parts) {
        if (part.size() > longest.size()) {
            longest = part;
        }
    }
    return longest;
}

}  // namespace

bool isOperatingSuffix(const QString& part) {
    return part == u"P" || part == u"M" || part == u"QRP" || part == u"A" || part == u"MM" ||
           part == u"AM";
}

QString homeCallOf(const QString& call, const CountryFile* countries) {
    QStringList parts = call.trimmed().toUpper().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    while (parts.size() > 1 && isOperatingSuffix(parts.last())) {
        parts.removeLast();
    }
    // Every call holds a digit: "/P" alone is no station's.
    if (std::none_of(parts.begin(), parts.end(), holdsDigit)) {
        return {};
    }
    if (parts.size() <= 1) {
        return parts.value(0);
    }
    QStringList homes;
    for (const QString& part : parts) {
        if (QslVia::isCallsign(part) && !isLocation(part, countries)) {
            homes.append(part);
        }
    }
    return longestOf(homes.isEmpty() ? parts : homes);
}
