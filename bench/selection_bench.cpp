// Log import and selection at scale: read-to-rows throughput, "Tout sélectionner"
// and "Tri par call" on large lists, and peak memory.
//   selection_bench [QSO_COUNT ...]         default: 100000 1000000
//   selection_bench --generate N LOG.adi    write a benchmark log and stop
//   selection_bench --mark LOG.adi          the marked copy against a plain copy, 3 of each
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/log_generator.h"
#include "log/adif_reader.h"
#include "log/country_file.h"
#include "log/qso_log.h"
#include "log/sent_marker.h"
#include "selection/bureau_order.h"
#include "selection/qso_selection.h"

namespace {

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Keeps the QSOs of the log, as the window does.
struct LogOnly : AdifSink {
    std::shared_ptr<QsoLog> log = std::make_shared<QsoLog>();
    long messages = 0;
    void record(const QsoValues& values) override { log->add(values); }
    void message(const AdifMessage&) override { ++messages; }
};

void measure(const QString& folder, int qsoCount) {
    const QString path = folder + QStringLiteral("/bench_%1.adi").arg(qsoCount);
    if (!writeBenchmarkLog(path, qsoCount)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    const double megabytes = QFileInfo(path).size() / 1e6;

    QsoSelection selection;
    QElapsedTimer timer;
    timer.start();
    LogOnly sink;
    QString error;
    LogFingerprint fingerprint;
    AdifReader::readFile(path, sink, &error, &fingerprint);
    const double readSeconds = timer.nsecsElapsed() / 1e9;
    sink.log->setFingerprint(fingerprint);
    // The fingerprint's hash alone, on bytes already in memory.
    QFile whole(path);
    whole.open(QIODevice::ReadOnly);
    const QByteArray bytes = whole.readAll();
    timer.restart();
    StreamHash hash;
    hash.add(bytes);
    const double hashSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("                          fingerprint hash %.3f s (%.1f GB/s)%s\n", hashSeconds,
                static_cast<double>(bytes.size()) / hashSeconds / 1e9,
                hash.value() == fingerprint.hash ? "" : " DIFFERS FROM THE READER'S");
    const int rows = sink.log->count();
    selection.showLog(sink.log);

    timer.restart();
    selection.sortQsoListByCall();
    const double sortSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    selection.pickAll();
    const double selectAllSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("%9d QSOs  %7.1f MB  read %.3f s (%.0f MB/s, %.0f QSOs/s, %d QSOs, %ld messages)\n",
                qsoCount, megabytes, readSeconds, megabytes / readSeconds, rows / readSeconds, rows,
                sink.messages);
    // The QSL round: bureau order of the whole print list (the country file
    // Debian installs), then the marked copy of the log against a plain copy.
    auto countries = std::make_shared<CountryFile>();
    countries->loadFirst(CountryFile::searchPaths(folder), nullptr);
    timer.restart();
    selection.sortPrintListForBureau(std::make_shared<BureauOrder>(countries));
    const double bureauSeconds = timer.nsecsElapsed() / 1e9;

    const QString copy = path + QStringLiteral(".copy");
    timer.restart();
    QFile::copy(path, copy);
    const double copySeconds = timer.nsecsElapsed() / 1e9;
    QFile::remove(copy);
    timer.restart();
    SentMarker::writeCopy(path, fingerprint, copy, selection.printList().records(),
                          QStringLiteral("B"), QDate(2026, 12, 7), nullptr);
    const double markSeconds = timer.nsecsElapsed() / 1e9;
    QFile::remove(copy);

    // "Tri par date" with every QSO of the log in the print list: the log read
    // again is shown without the QSOs the print list holds (timed without the
    // reading). The window's reading keeps the log's fingerprint: an unchanged
    // file is matched by place; a changed one (here: no fingerprint) by content.
    LogOnly changed;
    AdifReader::readFile(path, changed, &error);
    timer.restart();
    selection.showLog(changed.log);
    const double contentSeconds = timer.nsecsElapsed() / 1e9;
    LogOnly again;
    LogFingerprint againPrint;
    AdifReader::readFile(path, again, &error, &againPrint);
    again.log->setFingerprint(againPrint);
    timer.restart();
    selection.showLog(again.log);
    const double rereadSeconds = timer.nsecsElapsed() / 1e9;
    std::printf(
        "                          Tri par date, all %d QSOs in the print list: %.3f s "
        "(%d offered again; matched by content, the file changed: %.3f s)\n",
        selection.printList().count(), rereadSeconds, selection.qsoList().count(), contentSeconds);

    std::printf(
        "                          Tri par call %.3f s   Tout sélectionner %.3f s   "
        "Tri bureau %.3f s (%d entities)\n"
        "                          marked copy %.3f s (plain copy %.3f s)   peak RSS %.0f MB\n",
        sortSeconds, selectAllSeconds, bureauSeconds, countries->entityCount(), markSeconds,
        copySeconds, peakMegabytes());
    QFile::remove(path);
}

double median(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

// Every QSO of the log marked, the copy written beside it; then a plain copy.
int compareMarkedCopy(const QString& path) {
    LogOnly sink;
    QString error;
    LogFingerprint fingerprint;
    if (!AdifReader::readFile(path, sink, &error, &fingerprint)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QsoSelection selection;
    selection.showLog(sink.log);
    // Printed in call order, as after a sort: the log's records all over the list.
    selection.sortQsoListByCall();
    selection.pickAll();
    const QString copy = path + QStringLiteral(".copy");
    std::vector<double> marked;
    std::vector<double> plain;
    std::vector<double> synced;
    QElapsedTimer timer;
    for (int run = 0; run < 3; ++run) {
        timer.start();
        const auto result =
            SentMarker::writeCopy(path, fingerprint, copy, selection.printList().records(),
                                  QStringLiteral("B"), QDate(2026, 12, 7), &error);
        marked.push_back(timer.nsecsElapsed() / 1e9);
        if (result != SentMarker::Result::Written) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        QFile::remove(copy);
        timer.start();
        QFile::copy(path, copy);
        plain.push_back(timer.nsecsElapsed() / 1e9);
        QFile::remove(copy);
        // The same copy waited for until it is on the device, as the marked one is.
        timer.start();
        QFile::copy(path, copy);
        QFile written(copy);
        written.open(QIODevice::ReadOnly);
        ::fsync(written.handle());
        synced.push_back(timer.nsecsElapsed() / 1e9);
        QFile::remove(copy);
    }
    std::printf(
        "%d QSOs marked: marked copy %.3f s, plain copy %.3f s (median of 3): %.2f times;"
        " plain copy synced %.3f s: %.2f times\n",
        selection.printList().count(), median(marked), median(plain),
        median(marked) / median(plain), median(synced), median(marked) / median(synced));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == u"--generate") {
        return writeBenchmarkLog(arguments[2], arguments[1].toInt()) ? 0 : 1;
    }
    if (arguments.size() == 2 && arguments[0] == u"--mark") {
        return compareMarkedCopy(arguments[1]);
    }
    if (arguments.isEmpty()) {
        arguments = {QStringLiteral("100000"), QStringLiteral("1000000")};
    }
    QTemporaryDir folder;
    for (const QString& count : arguments) {
        measure(folder.path(), count.toInt());
    }
    return 0;
}
