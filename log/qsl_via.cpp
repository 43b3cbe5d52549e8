#include "log/qsl_via.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool isPlainPart(QStringView part) {
    if (part.isEmpty()) {
        return false;
    }
    for (const QChar c : part) {
        if (!(c.isDigit() || (c >= u'A' && c <= u'Z'))) {
            return false;
        }
    }
    return true;
}

bool isCallPart(QStringView part) {
    if (part.size() < 3 || !isPlainPart(part) || !part.back().isLetter()) {
        return false;
    }
    for (const QChar c : part) {
        if (c.isDigit()) {
            return true;
        }
    }
    return false;
}

// Upper-case words, split at blanks and at the punctuation loggers put between
// routes; a word's trailing dots go ("LOTW." is LOTW), inner ones stay (EQSL.NET).
QStringList wordsOf(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;:()\\[\\]]+"));
    QStringList words;
    for (QString word : text.toUpper().split(separators, Qt::SkipEmptyParts)) {
        while (word.endsWith(QLatin1Char('.'))) {
            word.chop(1);
        }
        if (!word.isEmpty()) {
            words.append(word);
        }
    }
    return words;
}

bool isManagerKeyword(const QString& word) {
    return word == u"VIA" || word == u"MGR" || word == u"MANAGER";
}

bool containsPair(const QStringList& words, QStringView first, QStringView second) {
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == first && words[i + 1] == second) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool QslVia::isCallsign(QStringView word) {
    bool sawCall = false;
    for (const QStringView part : word.split(u'/')) {
        if (isCallPart(part)) {
            sawCall = true;
        } else if (!isPlainPart(part)) {
            return false;
        }
    }
    return sawCall;
}

QString QslVia::managerOf(const QString& qslVia) {
    const QStringList words = wordsOf(qslVia);
    if (words.size() == 1) {
        return isCallsign(words.first()) ? words.first() : QString();
    }
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (!isManagerKeyword(words[i])) {
            continue;
        }
        qsizetype next = i + 1;
        if (words[next] == u"IS" && next + 1 < words.size()) {
            ++next;
        }
        if (isCallsign(words[next])) {
            return words[next];
        }
    }
    return {};
}

QslVia::Wish QslVia::wishOf(const QString& qslVia) {
    const QStringList words = wordsOf(qslVia);
    if (containsPair(words, u"NO", u"QSL") || containsPair(words, u"NO", u"CARD") ||
        containsPair(words, u"NO", u"CARDS")) {
        return Wish::NoCard;
    }
    for (const QStringView service : {QStringView(u"LOTW"), QStringView(u"EQSL")}) {
        if (containsPair(words, service, u"ONLY") || containsPair(words, u"ONLY", service)) {
            return Wish::ElectronicOnly;
        }
    }
    const bool bureau = words.contains(QStringLiteral("BUREAU")) ||
                        words.contains(QStringLiteral("BURO")) ||
                        words.contains(QStringLiteral("BURAU"));
    if (words.contains(QStringLiteral("DIRECT")) && !bureau) {
        return Wish::DirectOnly;
    }
    return Wish::None;
}
