// The marked copy on arbitrary logs: for any bytes the reader reads, the copy
// of the log with every QSO but each third one marked is written, reads back
// with the same rows, messages and values (the printed QSOs sent), and keeps
// every byte outside the printed records.
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/support/marked_copy_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString logPath = dir.filePath(QStringLiteral("log.adi"));
    static const QString copyPath = dir.filePath(QStringLiteral("copy.adi"));
    QFile log(logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        log.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::abort();
    }
    log.close();
    const std::string problem =
        MarkedCopyCheck::problem(logPath, copyPath, [](int qso) { return qso % 3 != 2; });
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
