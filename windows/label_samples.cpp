#include "windows/label_samples.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "labels/label_options.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelSamples)
};

}  // namespace

namespace {

// Closer lines than the style's default, as in the rest of the window.
constexpr int kTightSpacing = 2;

struct SampleText {
    const char* label;
    const char* initial;
    const char* french;
    const char* english;
};

// The two sample labels, top to bottom; null texts never change.
const SampleText kQsoSample[] = {
    {"Label10", "Pour F9XQA  Via F9XQB", "Pour F9XQA  Via F9XQB", "To F9XQA  Via F9XQB"},
    {"Label11", "Date  14/01/06   Time 08:35 UTC", nullptr, nullptr},
    {"Label12", "Bande  7 Mhz   Mode SSB   RST 59", "Bande  7 Mhz   Mode SSB  RST 59",
     "Bande  7 Mhz   Mode SSB  RST 59"},
    {"Label13", "TX :  FT 847 100 W      Ant : Dipole 2x10m", nullptr, nullptr},
    {"Label30", "Coupe du REF SSB", nullptr, nullptr},
    {"Label14", " Merci  pour le QSO Pse QSL", "Merci pour le QSO   Pse QSL",
     "Tnx for the QSO  Pse QSL"},
};

const SampleText kActivationSample[] = {
    {"Label21", "De F9XQC/P  pour  F9XQA", "De F9XQC/P  pour F9XQA", "From F9XQC/P  To F9XQA"},
    {"Label23", "DFCF 59101 Chateau de Branleux", nullptr, nullptr},
    {"Label24", "CP 59680   QTH Colleret", "CP 59680  QTH Colleret", "CP 59680  QTH Colleret"},
    {"Label9", "N° Canton  5945", "N° Canton 5945", "N° Canton 5945"},
    {"Label20", "Le 05/08/07  07:51 UTC  7 Mhz   SSB  RST 59",
     "Le 05/08/07  07:51 UTC  7 Mhz  SSB  RST 59", "Le 05/08/07  07:51 UTC  7 Mhz  SSB  RST 59"},
    {"Label7", "TX :  FT 847 100 W    Ant : Dipole 2x10m ", nullptr, nullptr},
    {"Label1", "Merci pour le QSO pas de QSL ", "Merci pour le QSO pas de QSL ",
     "Tnx for the QSO no QSL "},
};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

QFont LabelSamples::sampleFont(const QFont& base, qreal points, bool bold, const char* family) {
    QFont font = base;
    if (family != nullptr) {
        font.setFamily(text(family));
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRadioButton* LabelSamples::addOption(QButtonGroup* group, int index, const QString& caption,
                                      const QString& name, QLayout* layout) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(QStringLiteral("%1(%2)").arg(name, QString::number(index)));
    group->addButton(option, index);
    layout->addWidget(option);
    return option;
}

LabelSamples::LabelSamples(const QFont& base, QWidget* parent) : QGroupBox(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(kTightSpacing);
    auto* indicatif = new QHBoxLayout;
    indicatif->addWidget(new QLabel(Text::tr("Indicatif")));
    callsign_ = new QLineEdit;
    callsign_->setObjectName(QStringLiteral("Indica"));
    callsign_->setReadOnly(true);
    callsign_->setFocusPolicy(Qt::NoFocus);
    callsign_->setAlignment(Qt::AlignCenter);
    callsign_->setFont(sampleFont(base, 12, true));
    indicatif->addWidget(callsign_);
    layout->addLayout(indicatif);

    type_ = new QButtonGroup(this);
    const auto addSample = [&](int index, const QString& caption, const auto& lines) {
        addOption(type_, index, caption, QStringLiteral("Type_Etiquette"), layout);
        auto* sampleFrame = new QGroupBox;
        auto* sampleLayout = new QVBoxLayout(sampleFrame);
        sampleLayout->setSpacing(0);
        for (const SampleText& line : lines) {
            auto* label = new QLabel(text(line.initial));
            label->setObjectName(text(line.label));
            label->setAlignment(Qt::AlignCenter);
            label->setTextFormat(Qt::PlainText);
            samples_[label->objectName()] = label;
            sampleLayout->addWidget(label);
        }
        layout->addWidget(sampleFrame);
    };
    addSample(LabelOptions::kQsoLabel, Text::tr("Exemple d'étiquette confirmant un QSO "),
              kQsoSample);
    addSample(LabelOptions::kActivationLabel,
              Text::tr("Exemple d'étiquette confirmant une activation"), kActivationSample);
    type_->button(LabelOptions::kQsoLabel)->setChecked(true);

    samples_.at(QStringLiteral("Label10"))->setFont(sampleFont(base, 12, true));
    samples_.at(QStringLiteral("Label21"))->setFont(sampleFont(base, 9.75, true));
    samples_.at(QStringLiteral("Label14"))->setFont(sampleFont(base, 8.25, true));
    samples_.at(QStringLiteral("Label23"))->setFont(sampleFont(base, 8.25, true));
    samples_.at(QStringLiteral("Label7"))->setFont(sampleFont(base, 8.25, false, "Arial"));
}

QLabel* LabelSamples::sample(const QString& name) const {
    const auto found = samples_.find(name);
    return found == samples_.end() ? nullptr : found->second;
}

void LabelSamples::setCallsign(const QString& callsign) {
    callsign_->setText(callsign);
}

void LabelSamples::showLanguage(bool french) {
    const auto apply = [&](const auto& lines) {
        for (const SampleText& line : lines) {
            if (line.french != nullptr) {
                samples_.at(text(line.label))->setText(text(french ? line.french : line.english));
            }
        }
    };
    apply(kQsoSample);
    apply(kActivationSample);
}
