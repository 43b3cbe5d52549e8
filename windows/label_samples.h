#pragma once

#include <QFont>
#include <QGroupBox>
#include <map>

class QButtonGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;

// The left top of the label options window: the station's callsign, the
// choice between a QSO label and an activation label, and a sample of each,
// in the language chosen.
class LabelSamples : public QGroupBox {
  public:
    // `base`: the window's font, which the samples' fonts are sized from.
    explicit LabelSamples(const QFont& base, QWidget* parent = nullptr);

    // The label types, by LabelOptions' numbers.
    QButtonGroup* typeGroup() const { return type_; }
    QLabel* sample(const QString& name) const;
    void setCallsign(const QString& callsign);
    // The samples' texts in French, or in English.
    void showLanguage(bool french);

    static QFont sampleFont(const QFont& base, qreal points, bool bold,
                            const char* family = nullptr);
    // A radio button NAME(INDEX) of `group`, added to `layout`.
    static QRadioButton* addOption(QButtonGroup* group, int index, const QString& caption,
                                   const QString& name, QLayout* layout);

  private:
    QButtonGroup* type_ = nullptr;
    QLineEdit* callsign_ = nullptr;
    std::map<QString, QLabel*> samples_;
};
