// The selection window with a large log loaded and shown (off screen): time to
// load, "Tout sélectionner", "Tri par call", and peak memory of the whole program.
//   window_bench [QSO_COUNT]     default 1000000
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/log_generator.h"
#include "labels/settings_store.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "selection/select_qso.h"
#include "startup/app_windows.h"
#include "startup/main.h"

namespace {

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Answers the file dialog with one log; shows nothing.
class FixedDialogs : public Dialogs {
  public:
    explicit FixedDialogs(QString log) : log_(std::move(log)) {}
    void message(const QString&) override { ++messages; }
    bool askYesNo(const QString&) override { return true; }
    QString openFileName(const QString&) override { return log_; }
    QString saveFileName(const QString&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    void showPrintPreview(QPrinter&, const std::function<void(QPrinter&)>&) override {}
    int messages = 0;

  private:
    QString log_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int qsos = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("bench.adi"));
    writeBenchmarkLog(log, qsos);

    FixedDialogs dialogs(log);
    SettingsStore store(folder.filePath(QStringLiteral("Etiquette.ini")));
    AppWindows windows(dialogs, store);
    Main& main = windows.showMain();

    QElapsedTimer timer;
    timer.start();
    main.Aff_QSO();
    QApplication::processEvents();
    const double loadSeconds = timer.nsecsElapsed() / 1e9;
    Select_QSO& selection = windows.selectQso();

    timer.restart();
    selection.Command2_Click();
    QApplication::processEvents();
    const double sortSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    selection.Select_All_Click();
    QApplication::processEvents();
    const double selectAllSeconds = timer.nsecsElapsed() / 1e9;

    std::printf(
        "%d QSOs shown: load %.3f s, Tri par call %.3f s, Tout sélectionner %.3f s, "
        "%d rows in the print list, peak RSS %.0f MB\n",
        qsos, loadSeconds, sortSeconds, selectAllSeconds, selection.Liste_Imprime().count(),
        peakMegabytes());
    return 0;
}
