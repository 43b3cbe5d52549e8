// The selection window with a large log loaded and shown (off screen): time to
// load, "Tout sélectionner", "Tri par call", and peak memory of the whole program.
//   window_bench [QSO_COUNT [LOG.adi]]     default 1000000; an existing LOG.adi is read as it is
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/log_generator.h"
#include "platform/dialogs.h"
#include "selection/row_list.h"
#include "settings/settings_store.h"
#include "windows/application.h"
#include "windows/selection_window.h"
#include "windows/start_window.h"

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
    void messageList(const QString&, const QStringList& items) override {
        messages += static_cast<int>(items.size());
    }
    bool askYesNo(const QString&) override { return true; }
    QString openFileName(const QString&) override { return log_; }
    QString saveFileName(const QString&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    void showPrintPreview(QPrinter&, const QString&, const std::function<void(QPrinter&)>&,
                          const std::function<void()>&) override {}
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
    const QString log =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : folder.filePath(QStringLiteral("bench.adi"));
    if (!QFileInfo::exists(log)) {
        writeBenchmarkLog(log, qsos);
    }

    FixedDialogs dialogs(log);
    SettingsStore store(folder.filePath(QStringLiteral("Etiquette.ini")));
    Application windows(dialogs, store);
    StartWindow& main = windows.showStartWindow();

    QElapsedTimer timer;
    timer.start();
    main.loadLog();
    QApplication::processEvents();
    const double loadSeconds = timer.nsecsElapsed() / 1e9;
    SelectionWindow& selection = windows.selectionWindow();

    timer.restart();
    selection.sortByCall();
    QApplication::processEvents();
    const double sortSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    selection.selectAll();
    QApplication::processEvents();
    const double selectAllSeconds = timer.nsecsElapsed() / 1e9;

    std::printf(
        "%d QSOs shown: load %.3f s, Tri par call %.3f s, Tout sélectionner %.3f s, "
        "%d rows in the print list, peak RSS %.0f MB\n",
        qsos, loadSeconds, sortSeconds, selectAllSeconds, selection.printList().count(),
        peakMegabytes());
    return 0;
}
