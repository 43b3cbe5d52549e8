// Loading the operator's sheets file: time of SheetTable::load for a file of
// N sheets, then for ten times as many (loading is linear when the second
// figure is about ten times the first, and limited by the file's largest size).
//   sheet_bench [SHEET_COUNT]      default 1000
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "labels/sheet_table.h"

namespace {

QString writeSheets(const QTemporaryDir& dir, int count) {
    const QString path = dir.filePath(QStringLiteral("planches-%1.txt").arg(count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    for (int i = 0; i < count; ++i) {
        file.write("Planche " + QByteArray::number(i) +
                   "\tA4\t3x7\t7.2 15.15 63.5 38.1 66.04 38.1\n");
    }
    return path;
}

// The best of five loads, in milliseconds.
double loadMilliseconds(const QString& path, size_t expected) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString problem;
        const SheetTable table = SheetTable::load(path, &problem);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        if (table.own().size() != expected || !problem.isEmpty()) {
            std::fprintf(stderr, "%zu sheets loaded, %zu expected: %s\n", table.own().size(),
                         expected, qPrintable(problem));
        }
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir dir;
    SheetTable::builtIn();  // read once, as the program does
    for (const int sheets : {count, count * 10}) {
        const QString path = writeSheets(dir, sheets);
        std::printf("%d own sheets (%lld bytes): %.2f ms\n", sheets,
                    static_cast<long long>(QFile(path).size()),
                    loadMilliseconds(path, static_cast<size_t>(sheets)));
    }
    return 0;
}
