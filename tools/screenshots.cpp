// Opens each window with sample data and saves a picture of it, to look at
// what the operator sees. Run it through scripts/screenshots.sh.
//   screenshots OUTPUT_FOLDER
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "platform/dialogs.h"
#include "platform/key_press_line_edit.h"
#include "settings/program_language.h"
#include "settings/settings_store.h"
#include "windows/address_book_window.h"
#include "windows/application.h"
#include "windows/card_design_panel.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/layout_editor.h"
#include "windows/layout_preview.h"
#include "windows/mail_options_widget.h"
#include "windows/received_cards_window.h"
#include "windows/selection_window.h"
#include "windows/sheets_window.h"
#include "windows/start_window.h"

namespace {

class SampleDialogs : public Dialogs {
  public:
    explicit SampleDialogs(QString log) : log_(std::move(log)) {}
    void message(const QString&) override {}
    void messageList(const QString&, const QStringList&) override {}
    bool askYesNo(const QString&) override { return false; }
    QString openFileName(const QString&) override { return log_; }
    QString saveFileName(const QString&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    // Saves a picture of the preview instead of waiting on it.
    void showPrintPreview(QPrinter& printer, const QString& caption,
                          const std::function<void(QPrinter&)>& render,
                          const std::function<void()>&) override {
        QPrintPreviewDialog dialog(&printer);
        dialog.setWindowTitle(caption);
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

// A text narrower than it needs is cut: said, to look at its picture.
void reportCutTexts(QWidget& window, const QString& name) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        const bool textWidget = (label != nullptr && !label->wordWrap()) ||
                                qobject_cast<QAbstractButton*>(widget) != nullptr ||
                                qobject_cast<QComboBox*>(widget) != nullptr;
        if (textWidget && widget->isVisible() && widget->width() < widget->sizeHint().width()) {
            std::printf("%s: cut %s (%d < %d)\n", qPrintable(name),
                        qPrintable(widget->objectName() + QLatin1Char(' ') +
                                   widget->accessibleName() + (label ? label->text() : QString())),
                        widget->width(), widget->sizeHint().width());
        }
    }
}

void save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    window.raise();
    QApplication::processEvents();
    reportCutTexts(window, name);
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    // The whole screen too, to see the window as the desktop places and frames it.
    QThread::msleep(300);
    QApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(folder).filePath(name + QStringLiteral("_screen.png")));
    const QRect frame = window.frameGeometry();
    std::printf("%s: frame %d,%d %dx%d\n", qPrintable(name), frame.x(), frame.y(), frame.width(),
                frame.height());
}

// A card with its seven first lines, a QSO table and the thanks.
QslTemplate sampleTemplate() {
    QslTemplate model = QslTemplate::editorDefaults();
    const char* const texts[] = {"To", "via", "Date", "UTC", "Band", "Mode", "RST"};
    for (int i = 0; i < 7; ++i) {
        model.left[static_cast<size_t>(i)] = QString::number(10 + 40 * (i % 2));
        model.top[static_cast<size_t>(i)] = QString::number(15 + 12 * (i / 2));
        model.size[static_cast<size_t>(i)] = i == 0 ? QStringLiteral("14") : QStringLiteral("10");
        model.text[static_cast<size_t>(i)] = QString::fromLatin1(texts[i]);
    }
    model.left[7] = QStringLiteral("10");
    model.top[7] = QStringLiteral("75");
    model.text[7] = QStringLiteral("Tnx for the QSO, 73 de F9XQA");
    model.marginLeft = QStringLiteral("3");
    model.marginTop = QStringLiteral("4");
    model.design.tableX = QStringLiteral("10");
    model.design.tableY = QStringLiteral("50");
    model.design.tableRows = QStringLiteral("3");
    const char* const columns[][2] = {{"date", "Date"}, {"time", "UTC"}, {"band", "Band"},
                                      {"mode", "Mode"}, {"rst", "RST"},  {"qsl", "QSL"}};
    for (int i = 0; i < 6; ++i) {
        model.design.columns.push_back({QString::number(10 + 20 * i),
                                        QString::fromLatin1(columns[i][0]),
                                        QString::fromLatin1(columns[i][1])});
    }
    model.design.thanksX = QStringLiteral("100");
    model.design.thanksY = QStringLiteral("80");
    model.design.thanksPse = QStringLiteral("PSE QSL");
    model.design.thanksTnx = QStringLiteral("TNX QSL");
    model.design.freeValue[0] = QStringLiteral("date");
    return model;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ProgramLanguage::install(application, ProgramLanguage::fromEnvironment());
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    QTemporaryDir work;
    SettingsStore store(work.filePath(QStringLiteral("Etiquette.ini")));
    SampleDialogs dialogs(QStringLiteral(QE_SAMPLE_LOG));
    Application windows(dialogs, store);

    StartWindow& main = windows.showStartWindow();
    main.callsignBox()->setText(QStringLiteral("F9XQA"));
    save(main, folder, QStringLiteral("main"));

    main.loadLog();
    SelectionWindow& selection = windows.selectionWindow();
    selection.pickQso(0);
    save(selection, folder, QStringLiteral("select_qso"));
    selection.selectAll();
    selection.findChild<QPushButton*>(QStringLiteral("Tri_Bureau"))->click();
    save(selection, folder, QStringLiteral("select_qso_bureau"));
    selection.findChild<QPushButton*>(QStringLiteral("Tri_Bureau"))->click();
    selection.unpickQso(2);
    selection.unpickQso(1);

    LabelOptionsWindow& labels = windows.showLabelOptions();
    save(labels, folder, QStringLiteral("etiquettes_fr"));
    labels.mailOptions()->choose(MailOptionsWidget::kEnvelopes);
    save(labels, folder, QStringLiteral("etiquettes_enveloppes"));
    save(*labels.mailOptions()->senderWindow(), folder, QStringLiteral("expediteur"));
    labels.mailOptions()->senderWindow()->hide();
    labels.mailOptions()->choose(MailOptionsWidget::kQsoLabels);
    labels.languageButton(2)->setChecked(true);
    save(labels, folder, QStringLiteral("etiquettes_en"));
    selection.selectAll();
    labels.sheetButton(1)->setChecked(true);
    dialogs.previewPicture = QDir(folder).filePath(QStringLiteral("etiquettes_apercu.png"));
    labels.showPrintPreview();
    // A sheet whose labels go to the paper's edge: the printer's reach framed.
    labels.sheetButton(LabelOptionsWindow::kOtherSheet)->setChecked(true);
    labels.otherSheetBox()->setCurrentIndex(
        labels.otherSheetBox()->findText(QStringLiteral("3474"), Qt::MatchStartsWith));
    dialogs.previewPicture = QDir(folder).filePath(QStringLiteral("etiquettes_apercu_3474.png"));
    labels.showPrintPreview();
    labels.sheetButton(1)->setChecked(true);

    SheetsWindow& sheets = windows.showSheets();
    sheets.showSheet(QStringLiteral("L7160"));
    sheets.field(QStringLiteral("offsetXBox"))->setText(QStringLiteral("-1.25"));
    sheets.field(QStringLiteral("offsetYBox"))->setText(QStringLiteral("10.75"));
    save(sheets, folder, QStringLiteral("planches"));
    sheets.copySheet();
    sheets.field(QStringLiteral("acrossBox"))->setText(QStringLiteral("60"));
    sheets.field(QStringLiteral("acrossBox"))->textEdited(QStringLiteral("60"));
    save(sheets, folder, QStringLiteral("planches_chevauchement"));
    sheets.close();
    save(labels, folder, QStringLiteral("etiquettes_planches"));

    save(windows.showCardPrinting(), folder, QStringLiteral("print_bas_qsl"));
    LayoutEditor& editor = windows.showLayoutEditor();
    editor.setModel(sampleTemplate());
    save(editor, folder, QStringLiteral("parametres_qsl1"));
    editor.showDesignPanel();
    save(*editor.designPanel(), folder, QStringLiteral("carte_qsl"));
    editor.designPanel()->hide();
    save(windows.showPreview(editor), folder, QStringLiteral("apercu"));
    save(windows.showReceivedCards(), folder, QStringLiteral("cartes_recues"));
    save(windows.showAddressBook({QStringLiteral("F9XQB")}), folder, QStringLiteral("adresses"));
    return 0;
}
