// Opens each window with sample data and saves a picture of it, to look at
// what the operator sees. Run it through scripts/screenshots.sh.
//   screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "labels/etiquettes.h"
#include "labels/settings_store.h"
#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"
#include "qslcard/apercu.h"
#include "qslcard/parametres_qsl1.h"
#include "qslcard/print_bas_qsl.h"
#include "selection/select_qso.h"
#include "startup/app_windows.h"
#include "startup/main.h"

namespace {

class SampleDialogs : public Dialogs {
  public:
    explicit SampleDialogs(QString log) : log_(std::move(log)) {}
    void message(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    QString openFileName(const QString&) override { return log_; }
    QString saveFileName(const QString&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    // Saves a picture of the preview instead of waiting on it.
    void showPrintPreview(QPrinter& printer,
                          const std::function<void(QPrinter&)>& render) override {
        QPrintPreviewDialog dialog(&printer);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&render](QPrinter* target) { render(*target); });
        dialog.resize(900, 700);
        dialog.show();
        QApplication::processEvents();
        dialog.grab().save(previewPicture);
    }
    QString previewPicture;

  private:
    QString log_;
};

void save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    window.raise();
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    QTemporaryDir work;
    SettingsStore store(work.filePath(QStringLiteral("Etiquette.ini")));
    SampleDialogs dialogs(QStringLiteral(QE_SAMPLE_LOG));
    AppWindows windows(dialogs, store);

    Main& main = windows.showMain();
    main.Ind_A()->setText(QStringLiteral("F9XQA"));
    save(main, folder, QStringLiteral("main"));

    main.Aff_QSO();
    Select_QSO& selection = windows.selectQso();
    selection.Liste_QSO_Click(0);
    save(selection, folder, QStringLiteral("select_qso"));

    Etiquettes& labels = windows.showEtiquettes();
    save(labels, folder, QStringLiteral("etiquettes_fr"));
    labels.Langue(2)->setChecked(true);
    save(labels, folder, QStringLiteral("etiquettes_en"));
    selection.Select_All_Click();
    labels.F_Etiquette(1)->setChecked(true);
    dialogs.previewPicture = QDir(folder).filePath(QStringLiteral("etiquettes_apercu.png"));
    labels.Apercu_Click();

    save(windows.showCardPrinting(), folder, QStringLiteral("print_bas_qsl"));
    Parametres_QSL1& editor = windows.showLayoutEditor();
    Modele_QSL model = Modele_QSL::editorDefaults();
    const char* const texts[] = {"To", "via", "Date", "UTC", "Band", "Mode", "RST"};
    for (int i = 0; i < 7; ++i) {
        model.G[static_cast<size_t>(i)] = QString::number(10 + 40 * (i % 2));
        model.H[static_cast<size_t>(i)] = QString::number(15 + 12 * (i / 2));
        model.P[static_cast<size_t>(i)] = i == 0 ? QStringLiteral("14") : QStringLiteral("10");
        model.T[static_cast<size_t>(i)] = QString::fromLatin1(texts[i]);
    }
    model.G[7] = QStringLiteral("10");
    model.H[7] = QStringLiteral("75");
    model.T[7] = QStringLiteral("Tnx for the QSO, 73 de F9XQA");
    model.MG = QStringLiteral("3");
    model.MH = QStringLiteral("4");
    editor.setModel(model);
    save(editor, folder, QStringLiteral("parametres_qsl1"));
    save(windows.showPreview(editor), folder, QStringLiteral("apercu"));
    return 0;
}
