// The log reader against TrustedQSL's ADIF reader (its C library, counting
// records) on the same log in the same run: wall time of
// `quenor-etiquettes list LOG` (rows written to /dev/null) and its peak memory.
//   reader_bench LOG.adi PROGRAM [LIBTQSLLIB.so] [RUNS]
// Write a log first with `selection_bench --generate 1000000 LOG.adi`. The
// TrustedQSL library is loaded at run time (Debian package trustedqsl, in
// /usr/lib/trustedqsl/libtqsllib.so); without it only the program is timed.
#include <dlfcn.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The few declarations of TrustedQSL's public ADIF interface (adif.h) used here.
struct TqslFieldDefinition {
    char name[65];
    char type[2];
    int rangeType;
    unsigned int maxLength;
    long minValue;
    long maxValue;
    const char** enumStrings;
    void* userPointer;
};

struct TqslFieldResult {
    char name[65];
    char size[11];
    char type[2];
    unsigned char* data;
    unsigned int nameIndex;
    void* userPointer;
    int lineNumber;
};

constexpr int kTqslEndOfFile = 11;

using BeginAdif = int (*)(void**, const char*);
using GetAdifField = int (*)(void*, TqslFieldResult*, int*, const TqslFieldDefinition*,
                             const char* const*, unsigned char* (*)(size_t));
using EndAdif = int (*)(void**);

unsigned char* allocate(size_t size) {
    return static_cast<unsigned char*>(std::malloc(size));
}

// Counts the <EOR> fields TrustedQSL reads from the log; -1 when it cannot.
long countWithTqsl(void* library, const QByteArray& log) {
    const auto begin = reinterpret_cast<BeginAdif>(dlsym(library, "tqsl_beginADIF"));
    const auto next = reinterpret_cast<GetAdifField>(dlsym(library, "tqsl_getADIFField"));
    const auto end = reinterpret_cast<EndAdif>(dlsym(library, "tqsl_endADIF"));
    void* adif = nullptr;
    if (begin == nullptr || next == nullptr || end == nullptr ||
        begin(&adif, log.constData()) != 0) {
        return -1;
    }
    static const TqslFieldDefinition noFields[1] = {};
    static const char* const types[] = {"D", "T", "M", "S", "N", "C", "B", "E", "L", "I", ""};
    long records = 0;
    while (true) {
        TqslFieldResult field{};
        int status = 0;
        if (next(adif, &field, &status, noFields, types, allocate) != 0 ||
            status == kTqslEndOfFile) {
            break;
        }
        std::free(field.data);
        if (strcasecmp(field.name, "EOR") == 0) {
            ++records;
        }
    }
    end(&adif);
    return records;
}

// Wall time of `PROGRAM list LOG`, its standard output thrown away.
double timeList(const QString& program, const QString& log) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, {QStringLiteral("list"), log});
    process.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: reader_bench LOG.adi PROGRAM [LIBTQSLLIB.so] [RUNS]\n");
        return 2;
    }
    const QString log = arguments[0];
    const QString program = arguments[1];
    void* tqsl = nullptr;
    if (arguments.size() > 2 && !arguments[2].isEmpty()) {
        tqsl = dlopen(arguments[2].toLocal8Bit().constData(), RTLD_NOW);
        if (tqsl == nullptr) {
            std::fprintf(stderr, "cannot load %s: %s\n", qPrintable(arguments[2]), dlerror());
        }
    }
    const int runs = arguments.size() > 3 ? arguments[3].toInt() : 3;
    const double megabytes = QFileInfo(log).size() / 1e6;

    std::vector<double> listSeconds;
    std::vector<double> tqslSeconds;
    long records = -1;
    for (int run = 0; run < runs; ++run) {
        listSeconds.push_back(timeList(program, log));
        if (tqsl != nullptr) {
            QElapsedTimer timer;
            timer.start();
            records = countWithTqsl(tqsl, QFile::encodeName(log));
            tqslSeconds.push_back(timer.nsecsElapsed() / 1e9);
        }
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    const double list = median(listSeconds);
    std::printf("%.1f MB, median of %d runs\n", megabytes, runs);
    std::printf("quenor-etiquettes list: %.3f s  %.0f MB/s  peak RSS %.1f MB\n", list,
                megabytes / list, children.ru_maxrss / 1024.0);
    if (!tqslSeconds.empty()) {
        const double other = median(tqslSeconds);
        std::printf("TrustedQSL ADIF reader: %.3f s  %.0f MB/s  %ld records\n", other,
                    megabytes / other, records);
        std::printf("list: %.0f QSOs/s, %.1f times as fast as TrustedQSL\n", records / list,
                    other / list);
    }
    return 0;
}
