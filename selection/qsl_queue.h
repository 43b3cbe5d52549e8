#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Which QSOs a QSL round answers and by which route, from the QSL fields of
// each QSO as ADIF defines them. Values are compared whatever their case.
namespace QslQueue {

enum class Owed {
    All,        // no filter
    Unsent,     // QSL_SENT absent, empty, N, R or Q
    Requested,  // QSL_SENT R or Q: requested by the other station, or queued
    Received,   // a paper card came (QSL_RCVD Y or V, QSL_RCVD_VIA not E), none went back
};

enum class Route { All, Bureau, Direct };

struct QslFields {
    QByteArrayView sent;
    QByteArrayView sentVia;
    QByteArrayView received;
    QByteArrayView receivedVia;
};

bool isOwed(Owed owed, const QslFields& fields);
// A paper card came: QSL_RCVD Y or V, QSL_RCVD_VIA absent or other than E
// (an electronic confirmation is no card to thank for).
bool cardReceived(const QslFields& fields);
// QSL_SENT_VIA, else QSL_RCVD_VIA, else the bureau: 'B', 'D', 'E', 'M' or
// another letter as the log gives it.
char routeLetter(const QslFields& fields);
// M (via a manager) goes by the bureau; E (electronic) by neither.
bool takesRoute(Route route, const QslFields& fields);

// The sending method a marked copy records for a run on that route: B for
// the bureau, D for direct, and `otherwise` for every route.
QString sendingMethod(Route route, const QString& otherwise);

// The command line's words: unsent, requested, received; all, bureau, direct.
std::optional<Owed> owedNamed(const QString& name);
std::optional<Route> routeNamed(const QString& name);
// The words back ("all" for Owed::All, as the stored choice keeps it).
QString owedName(Owed owed);
QString routeName(Route route);

}  // namespace QslQueue
