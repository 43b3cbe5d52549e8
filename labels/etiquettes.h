#pragma once

#include <QColor>
#include <QWidget>
#include <map>

#include "printing/printer_job.h"

class AppWindows;
class KeyPressLineEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
struct LabelOptions;

// The label options window: what goes on the labels, and the print button.
class Etiquettes : public QWidget {
    Q_OBJECT

  public:
    static QColor restColour() { return {255, 255, 192}; }
    static QColor nextColour() { return {192, 255, 192}; }

    explicit Etiquettes(AppWindows& app, QWidget* parent = nullptr);

    QRadioButton* Langue(int index) const;
    QRadioButton* F_Etiquette(int index) const;
    QRadioButton* Type_Etiquette(int index) const;
    QRadioButton* QSL(int index) const;
    QComboBox* Ct_V() const { return ctV_; }
    QCheckBox* Arret_Imp() const { return arretImp_; }
    KeyPressLineEdit* box(const QString& name) const;
    QLabel* sample(const QString& name) const;
    QPushButton* Imprime() const { return imprime_; }
    QPushButton* Effacer() const { return effacer_; }
    QPushButton* Selection() const { return selection_; }

    // The options as the controls show them.
    LabelOptions options() const;

    void Langue_Click(int index);
    void Effacer_Click();
    void Selection_Click();
    void Imprime_Click();
    // A preview of exactly what "Imprimer les étiquettes" would print; stores nothing.
    void Apercu_Click();
    QPushButton* Apercu() const { return apercu_; }

  private:
    struct Validation {
        bool upperCase;
        int maximum;
        QString tooLong;
        QString missing;  // empty: the box may stay empty
        QString next;     // the next box; "Imprime" for the print button; empty for none
    };

    void Form_Load();
    void buildControls();
    QWidget* buildSamples();
    QWidget* buildOptionGroups();
    QWidget* buildActivation();
    QWidget* buildStation();
    KeyPressLineEdit* addBox(const QString& name, const Validation& rule);
    void restore(const LabelOptions& options);
    void keyPress(const QString& name, int& keyCode);
    void Texte_QSL_LostFocus();
    void printLabels(const LabelOptions& options);
    PrinterJob::Result runLabels(const LabelOptions& options, QPrinter& printer, bool preview,
                                 QString* error);
    static void colour(QWidget* widget, const QColor& colour);

    AppWindows& app_;
    std::map<QString, KeyPressLineEdit*> boxes_;
    std::map<QString, Validation> rules_;
    std::map<QString, QLabel*> samples_;
    QButtonGroup* langue_ = nullptr;
    QButtonGroup* format_ = nullptr;
    QButtonGroup* type_ = nullptr;
    QButtonGroup* qsl_ = nullptr;
    QComboBox* ctV_ = nullptr;
    QCheckBox* arretImp_ = nullptr;
    class QLineEdit* indica_ = nullptr;
    QPushButton* imprime_ = nullptr;
    QPushButton* apercu_ = nullptr;
    QPushButton* effacer_ = nullptr;
    QPushButton* selection_ = nullptr;
};
