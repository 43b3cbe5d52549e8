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

bool isBureauWord(QStringView word) {
    return word == u"BUREAU" || word == u"BURO" || word == u"BURAU" || word == u"BUERO" ||
           word == u"BÜRO";
}

bool isDirectWord(QStringView word) {
    return word == u"DIRECT" || word == u"DIREKT";
}

bool isNegation(QStringView word) {
    return word == u"NO" || word == u"NOT";
}

// The words of a route that a slash may join: "DIRECT/EQSL" is two routes,
// "VP2V/K5PI" one call.
bool isRouteWord(QStringView word) {
    return isBureauWord(word) || isDirectWord(word) || word == u"LOTW" || word == u"EQSL" ||
           word == u"ONLY" || word == u"OR" || word == u"QSL";
}

bool isOneCall(QStringView word) {
    if (!QslVia::isCallsign(word)) {
        return false;
    }
    for (const QStringView part : word.split(u'/')) {
        if (isRouteWord(part)) {
            return false;
        }
    }
    return true;
}

// Upper-case words: every character that is no letter nor digit separates
// words ("QSL DIRECT!", "DIRECT-ONLY", "DIRECT.VIA ON4CHK", ".BUREAU"), and so
// does a slash except inside a call ("VP2V/K5PI" stays whole, "DIRECT/EQSL"
// is two words). "E-QSL" is EQSL.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}/]+"));
    QStringList words;
    for (const QString& word : text.toUpper().split(separators, Qt::SkipEmptyParts)) {
        if (isOneCall(word)) {
            words.append(word);
            continue;
        }
        for (const QString& part : word.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (part == u"QSL" && !words.isEmpty() && words.last() == u"E") {
                words.last() = QStringLiteral("EQSL");
            } else {
                words.append(part);
            }
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

// What the words say of each route.
struct Routes {
    bool bureau = false;         // named, and not refused
    bool bureauRefused = false;  // NO BURO, NO BUREAU, NO QSL VIA BURO
    bool bureauChoice = false;   // BUREAU OR DIRECT: a choice, never a refusal
    bool direct = false;         // named, and not refused (NO DIRECT)
    bool noCard = false;         // NO QSL, NO CARD, NO CARDS
    bool electronicOnly = false;
};

// The words a refusal may hold between NO and the route it refuses.
bool isRefusalFiller(QStringView word) {
    return word == u"QSL" || word == u"QSLS" || word == u"CARD" || word == u"CARDS" ||
           word == u"VIA" || word == u"THE" || word == u"BY" || word == u"THRU" ||
           word == u"THROUGH";
}

// The index of the word a NO at `at` refuses: past the filler words.
qsizetype refusedAt(const QStringList& words, qsizetype at) {
    qsizetype next = at + 1;
    while (next < words.size() && isRefusalFiller(words[next])) {
        ++next;
    }
    return next;
}

Routes routesOf(const QStringList& words) {
    Routes routes;
    std::vector<bool> refused(static_cast<size_t>(words.size()), false);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (!isNegation(words[i])) {
            continue;
        }
        const qsizetype target = refusedAt(words, i);
        if (target < words.size() && (isBureauWord(words[target]) || isDirectWord(words[target]))) {
            refused[static_cast<size_t>(target)] = true;
            routes.bureauRefused = routes.bureauRefused || isBureauWord(words[target]);
        } else if (i + 1 < words.size() && (words[i + 1] == u"QSL" || words[i + 1] == u"CARD" ||
                                            words[i + 1] == u"CARDS")) {
            routes.noCard = true;
        }
    }
    for (qsizetype i = 0; i < words.size(); ++i) {
        const bool named = !refused[static_cast<size_t>(i)];
        if (isBureauWord(words[i])) {
            routes.bureau = routes.bureau || named;
            routes.bureauChoice = routes.bureauChoice || (i > 0 && words[i - 1] == u"OR") ||
                                  (i + 1 < words.size() && words[i + 1] == u"OR");
        } else if (isDirectWord(words[i])) {
            routes.direct = routes.direct || named;
        }
    }
    for (const QStringView service : {QStringView(u"LOTW"), QStringView(u"EQSL")}) {
        routes.electronicOnly = routes.electronicOnly || containsPair(words, service, u"ONLY") ||
                                containsPair(words, u"ONLY", service);
    }
    return routes;
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

// A paper route named, or the bureau taken as a choice, outweighs an "ONLY"
// that stands next to an electronic service; a refused bureau with no route
// left to name is a wish for direct cards.
QslVia::Wish QslVia::wishOf(const QString& qslVia) {
    const Routes routes = routesOf(wordsOf(qslVia));
    if (routes.noCard) {
        return Wish::NoCard;
    }
    const bool bureauOk = routes.bureauChoice || (routes.bureau && !routes.bureauRefused);
    if (routes.electronicOnly && !routes.direct && !bureauOk) {
        return Wish::ElectronicOnly;
    }
    if (!bureauOk && (routes.direct || routes.bureauRefused)) {
        return Wish::DirectOnly;
    }
    return Wish::None;
}
