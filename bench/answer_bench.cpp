// The answering round at scale: switching the queue and the route of the QSO
// list, matching a bundle of cards, and the received copy against the sent copy.
//   answer_bench [QSO_COUNT [BUNDLE_LINES]]     default: 100000 500
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/log_generator.h"
#include "log/adif_reader.h"
#include "log/qso_log.h"
#include "log/sent_marker.h"
#include "selection/card_bundle.h"
#include "selection/qso_selection.h"

namespace {

struct LogOnly : AdifSink {
    std::shared_ptr<QsoLog> log = std::make_shared<QsoLog>();
    void record(const QsoValues& values) override { log->add(values); }
    void message(const AdifMessage&) override {}
};

double seconds(QElapsedTimer& timer) {
    const double elapsed = timer.nsecsElapsed() / 1e9;
    timer.restart();
    return elapsed;
}

void switchQueues(const std::shared_ptr<QsoLog>& log) {
    QsoSelection selection;
    selection.showLog(log);
    QElapsedTimer timer;
    using QslQueue::Owed;
    using QslQueue::Route;
    const QslRound::Filter filters[] = {
        {Owed::Unsent, Route::All},    {Owed::Requested, Route::All}, {Owed::Received, Route::All},
        {Owed::Unsent, Route::Bureau}, {Owed::Unsent, Route::Direct}, {Owed::All, Route::All}};
    double slowest = 0;
    timer.start();
    for (const QslRound::Filter& filter : filters) {
        selection.setFilter(filter);
        slowest = std::max(slowest, seconds(timer));
    }
    std::printf("queue or route switched, %d QSOs: slowest of 6 switches %.3f s\n", log->count(),
                slowest);
}

void matchBundle(const std::shared_ptr<QsoLog>& log, int lines) {
    QString bundle;
    // Call, date and band, as a scanned card gives them: most lines find one QSO.
    const QRegularExpression fields(
        QStringLiteral("<CALL:\\d+>(\\S+) .*<QSO_DATE:8>(\\d+) .*<BAND:\\d+>(\\S+) "));
    for (int i = 0; i < lines; ++i) {
        const QRegularExpressionMatch found =
            fields.match(QString::fromLatin1(benchmarkRecord(i * 97 % log->count())));
        bundle += QStringLiteral("%1 %2 %3\n")
                      .arg(found.captured(1), found.captured(2), found.captured(3));
    }
    QElapsedTimer timer;
    timer.start();
    const CardBundle cards(QslRound::recordsOf(*log, {}));
    const double indexing = seconds(timer);
    const std::vector<CardBundle::Line> matched = cards.match(bundle);
    const double matching = seconds(timer);
    int several = 0;
    for (const CardBundle::Line& line : matched) {
        several += line.outcome == CardBundle::Outcome::Several ? 1 : 0;
    }
    std::printf(
        "bundle of %d lines: index %.3f s, match %.3f s, together %.3f s (%zu found, %d several)\n",
        lines, indexing, matching, indexing + matching, CardBundle::found(matched).size(), several);
}

void copies(const QString& path, const std::shared_ptr<QsoLog>& log, const QString& folder) {
    QsoRecords all = QslRound::recordsOf(*log, {});
    QElapsedTimer timer;
    timer.start();
    QString error;
    SentMarker::writeCopy(path, log->fingerprint(), folder + QStringLiteral("/sent.adi"), all,
                          QStringLiteral("B"), QDate(2026, 12, 7), &error);
    const double sent = seconds(timer);
    SentMarker::writeCopy(path, log->fingerprint(), folder + QStringLiteral("/received.adi"), all,
                          QStringLiteral("B"), QDate(2026, 12, 7), &error,
                          MarkedFields::received());
    const double received = seconds(timer);
    std::printf("every QSO marked: sent copy %.3f s, received copy %.3f s\n", sent, received);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const int count = arguments.size() > 0 ? arguments[0].toInt() : 100000;
    const int lines = arguments.size() > 1 ? arguments[1].toInt() : 500;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("answer.adi"));
    if (!writeBenchmarkLog(path, count)) {
        return 1;
    }
    LogOnly sink;
    QString error;
    LogFingerprint fingerprint;
    AdifReader::readFile(path, sink, &error, &fingerprint);
    sink.log->setFingerprint(fingerprint);
    switchQueues(sink.log);
    matchBundle(sink.log, lines);
    copies(path, sink.log, folder.path());
    return 0;
}
