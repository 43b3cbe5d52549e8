#include "selection/qsl_queue.h"

namespace QslQueue {
namespace {

char letterOf(QByteArrayView value) {
    if (value.size() != 1) {
        return value.isEmpty() ? '\0' : '?';
    }
    const char letter = value.front();
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

bool isOneOf(QByteArrayView value, const char* letters) {
    const char letter = letterOf(value);
    for (const char* at = letters; *at != '\0'; ++at) {
        if (letter == *at) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool cardReceived(const QslFields& fields) {
    return isOneOf(fields.received, "YV") && letterOf(fields.receivedVia) != 'E';
}

bool isOwed(Owed owed, const QslFields& fields) {
    switch (owed) {
        case Owed::All:
            return true;
        case Owed::Unsent:
            return fields.sent.isEmpty() || isOneOf(fields.sent, "NRQ");
        case Owed::Requested:
            return isOneOf(fields.sent, "RQ");
        case Owed::Received:
            return cardReceived(fields) && !isOneOf(fields.sent, "YI");
    }
    return false;
}

char routeLetter(const QslFields& fields) {
    if (!fields.sentVia.isEmpty()) {
        return letterOf(fields.sentVia);
    }
    if (!fields.receivedVia.isEmpty()) {
        return letterOf(fields.receivedVia);
    }
    return 'B';
}

bool takesRoute(Route route, const QslFields& fields) {
    switch (route) {
        case Route::All:
            return true;
        case Route::Bureau: {
            const char letter = routeLetter(fields);
            return letter == 'B' || letter == 'M';
        }
        case Route::Direct:
            return routeLetter(fields) == 'D';
    }
    return false;
}

QString sendingMethod(Route route, const QString& otherwise) {
    switch (route) {
        case Route::Bureau:
            return QStringLiteral("B");
        case Route::Direct:
            return QStringLiteral("D");
        case Route::All:
            break;
    }
    return otherwise;
}

std::optional<Owed> owedNamed(const QString& name) {
    if (name == u"unsent") {
        return Owed::Unsent;
    }
    if (name == u"requested") {
        return Owed::Requested;
    }
    if (name == u"received") {
        return Owed::Received;
    }
    return std::nullopt;
}

std::optional<Route> routeNamed(const QString& name) {
    if (name == u"all") {
        return Route::All;
    }
    if (name == u"bureau") {
        return Route::Bureau;
    }
    if (name == u"direct") {
        return Route::Direct;
    }
    return std::nullopt;
}

QString owedName(Owed owed) {
    switch (owed) {
        case Owed::Unsent:
            return QStringLiteral("unsent");
        case Owed::Requested:
            return QStringLiteral("requested");
        case Owed::Received:
            return QStringLiteral("received");
        case Owed::All:
            break;
    }
    return QStringLiteral("all");
}

QString routeName(Route route) {
    switch (route) {
        case Route::Bureau:
            return QStringLiteral("bureau");
        case Route::Direct:
            return QStringLiteral("direct");
        case Route::All:
            break;
    }
    return QStringLiteral("all");
}

}  // namespace QslQueue
