#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include "windows/validated_boxes.h"

class Workspace;
class KeyPressLineEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct LabelOptions;

// The label options window: what goes on the labels, and the print button.
class MailOptionsWidget;

class LabelOptionsWindow : public QWidget {
    Q_OBJECT

  public:
    static QColor restColour() { return ValidatedBoxes::restColour(); }
    static QColor nextColour() { return ValidatedBoxes::nextColour(); }

    explicit LabelOptionsWindow(Workspace& workspace, QWidget* parent = nullptr);

    QRadioButton* languageButton(int index) const { return radio(langue_, index); }
    QRadioButton* sheetButton(int index) const { return radio(format_, index); }
    QRadioButton* labelTypeButton(int index) const { return radio(type_, index); }
    QRadioButton* qslButton(int index) const { return radio(qsl_, index); }
    QComboBox* verticalOffsetBox() const { return ctV_; }
    QCheckBox* stopBox() const { return arretImp_; }
    // "Première étiquette": where the run starts on a used first sheet.
    QSpinBox* firstLabelBox() const { return firstLabel_; }
    QCheckBox* groupBox() const { return regrouper_; }
    KeyPressLineEdit* box(const QString& name) const;
    QLabel* sample(const QString& name) const;
    QPushButton* printButton() const { return imprime_; }
    QPushButton* clearButton() const { return effacer_; }
    QPushButton* selectionButton() const { return selection_; }

    // The options as the controls show them.
    LabelOptions options() const;

    // The sheet choice for any sheet other than the tuned ones.
    static constexpr int kOtherSheet = 7;
    QComboBox* otherSheetBox() const { return otherSheet_; }
    QPushButton* sheetsButton() const { return sheets_; }
    // Lists the sheets again, after the operator changed their own.
    void reloadSheets();

    void showLanguageSamples(int index);
    void clearBoxes();
    void openSelection();
    void startPrint();
    // A preview of exactly what "Imprimer les étiquettes" would print; stores nothing.
    void showPrintPreview();
    QPushButton* previewButton() const { return apercu_; }
    // What a run prints: QSO labels, address labels or envelopes.
    MailOptionsWidget* mailOptions() const { return mail_; }

  signals:
    // "Format 5": the QSOs go straight onto QSL cards.
    void cardPrintingRequested();
    // "Planches…": the window of the label sheets.
    void sheetsRequested();
    // "Adresses…", or the recipients a mail run found no address for.
    void addressBookRequested(const QStringList& calls);

  private:
    static QRadioButton* radio(const QButtonGroup* group, int index);
    // The print button says what the chosen kind of run puts on paper.
    void namePrintButton();
    QWidget* buildPrintOptions();
    QWidget* buildTexts();
    void prepare();
    void buildControls();
    void setReadingTabOrder();
    QWidget* buildOptionGroups();
    QWidget* buildActivation();
    QWidget* buildStation();
    void restore(const LabelOptions& options);
    void commentLostFocus();
    void printLabels(const LabelOptions& options);
    // The first label can be any label of the chosen sheet.
    void limitFirstLabel();

    Workspace& workspace_;
    ValidatedBoxes boxes_;
    class LabelSamples* samples_ = nullptr;
    QButtonGroup* langue_ = nullptr;
    QButtonGroup* format_ = nullptr;
    QButtonGroup* type_ = nullptr;
    QButtonGroup* qsl_ = nullptr;
    QComboBox* ctV_ = nullptr;
    QCheckBox* arretImp_ = nullptr;
    QSpinBox* firstLabel_ = nullptr;
    QCheckBox* regrouper_ = nullptr;
    QPushButton* imprime_ = nullptr;
    QPushButton* apercu_ = nullptr;
    QPushButton* effacer_ = nullptr;
    QPushButton* selection_ = nullptr;
    QComboBox* otherSheet_ = nullptr;
    QStringList otherSheets_;  // the names of otherSheet_'s lines
    QPushButton* sheets_ = nullptr;
    MailOptionsWidget* mail_ = nullptr;
    int tunedFormat_ = 1;  // kept while another sheet is chosen
};
