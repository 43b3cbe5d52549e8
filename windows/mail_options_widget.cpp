#include "windows/mail_options_widget.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "labels/label_options.h"
#include "labels/sheet_table.h"
#include "mail/address_source.h"
#include "mail/envelope_format.h"
#include "platform/dialogs.h"
#include "settings/settings_store.h"
#include "windows/workspace.h"

MailOptionsWidget::MailOptionsWidget(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("Courrier_Direct"));
    buildKinds();
    buildSender();
    restore();
}

void MailOptionsWidget::buildKinds() {
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    kinds_ = new QComboBox;
    kinds_->setObjectName(QStringLiteral("Kind_Run"));
    kinds_->setAccessibleName(tr("Impression"));
    kinds_->addItems({tr("Étiquettes QSO"), tr("Adresses (étiquettes)"), tr("Enveloppes")});
    envelope_ = new QComboBox;
    envelope_->setObjectName(QStringLiteral("Format_Enveloppe"));
    envelope_->setAccessibleName(tr("Format des enveloppes"));
    for (const EnvelopeFormat& format : EnvelopeFormat::all()) {
        envelope_->addItem(QString::fromUtf8(format.caption));
    }
    envelope_->setEnabled(false);
    connect(kinds_, &QComboBox::currentIndexChanged, this,
            [this](int index) { envelope_->setEnabled(index == kEnvelopes); });
    senderButton_ = new QPushButton(tr("E&xpéditeur…"));
    senderButton_->setObjectName(QStringLiteral("Expediteur_Button"));
    book_ = new QPushButton(tr("A&dresses…"));
    book_->setObjectName(QStringLiteral("Adresses_Button"));
    connect(book_, &QPushButton::clicked, this, [this] { emit addressBookRequested({}); });
    for (QWidget* control : tabOrder()) {
        line->addWidget(control);
    }
}

QList<QWidget*> MailOptionsWidget::tabOrder() const {
    return {kinds_, envelope_, senderButton_, book_};
}

QDoubleSpinBox* MailOptionsWidget::shiftBox(const QString& name, const QString& accessible) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setRange(-SenderSettings::kLargestShift, SenderSettings::kLargestShift);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

void MailOptionsWidget::buildSender() {
    senderWindow_ = new QWidget(this, Qt::Window);
    senderWindow_->setObjectName(QStringLiteral("Expediteur"));
    senderWindow_->setWindowTitle(tr("Adresse de l'expéditeur"));
    auto* grid = new QGridLayout(senderWindow_);
    auto* caption = new QLabel(tr("Adresse de l'expéditeur"));
    sender_ = new QPlainTextEdit;
    sender_->setObjectName(QStringLiteral("Adresse_Expediteur"));
    sender_->setAccessibleName(tr("Adresse de l'expéditeur"));
    sender_->setTabChangesFocus(true);
    caption->setBuddy(sender_);
    grid->addWidget(caption, 0, 0, 1, 3);
    grid->addWidget(sender_, 1, 0, 1, 3);
    returnLabels_ = new QSpinBox;
    returnLabels_->setObjectName(QStringLiteral("Etiquettes_Expediteur"));
    returnLabels_->setAccessibleName(tr("Étiquettes de l'expéditeur"));
    returnLabels_->setRange(0, SenderSettings::kMostReturnLabels);
    grid->addWidget(new QLabel(tr("Étiquettes de l'expéditeur")), 2, 0);
    grid->addWidget(returnLabels_, 2, 1);
    recipientX_ = shiftBox(QStringLiteral("Destinataire_X"), tr("Destinataire, droite"));
    recipientY_ = shiftBox(QStringLiteral("Destinataire_Y"), tr("Destinataire, bas"));
    senderX_ = shiftBox(QStringLiteral("Expediteur_X"), tr("Expéditeur, droite"));
    senderY_ = shiftBox(QStringLiteral("Expediteur_Y"), tr("Expéditeur, bas"));
    grid->addWidget(new QLabel(tr("Décalage destinataire (→, ↓)")), 3, 0);
    grid->addWidget(recipientX_, 3, 1);
    grid->addWidget(recipientY_, 3, 2);
    grid->addWidget(new QLabel(tr("Décalage expéditeur (→, ↓)")), 4, 0);
    grid->addWidget(senderX_, 4, 1);
    grid->addWidget(senderY_, 4, 2);
    auto* close = new QPushButton(tr("&Fermer"));
    close->setObjectName(QStringLiteral("Fermer_Expediteur"));
    connect(close, &QPushButton::clicked, this, [this] {
        save();
        senderWindow_->hide();
    });
    grid->addWidget(close, 5, 2);
    // Escape closes it as "Fermer" does, keeping what was typed.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), senderWindow_);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, close, &QPushButton::click);
    connect(senderButton_, &QPushButton::clicked, this, [this] {
        senderWindow_->show();
        senderWindow_->raise();
        sender_->setFocus();
    });
}

MailOptionsWidget::Kind MailOptionsWidget::kind() const {
    return static_cast<Kind>(kinds_->currentIndex());
}

void MailOptionsWidget::choose(Kind kind) {
    kinds_->setCurrentIndex(kind);
}

void MailOptionsWidget::restore() {
    const SenderSettings stored =
        SenderSettings::load(workspace_.store(), workspace_.stationCallsign());
    sender_->setPlainText(stored.address.join(QLatin1Char('\n')));
    returnLabels_->setValue(stored.returnLabels);
    recipientX_->setValue(stored.recipientShift.x());
    recipientY_->setValue(stored.recipientShift.y());
    senderX_->setValue(stored.senderShift.x());
    senderY_->setValue(stored.senderShift.y());
}

SenderSettings MailOptionsWidget::sender() const {
    SenderSettings settings;
    settings.address = AddressSource::addressLines(sender_->toPlainText());
    settings.returnLabels = returnLabels_->value();
    settings.recipientShift = {recipientX_->value(), recipientY_->value()};
    settings.senderShift = {senderX_->value(), senderY_->value()};
    return settings;
}

void MailOptionsWidget::save() {
    sender().save(workspace_.store(), workspace_.stationCallsign());
    workspace_.reportStoreProblem();
}

std::optional<MailPrinting::Target> MailOptionsWidget::target(const LabelOptions& options) {
    MailPrinting::Target chosen;
    chosen.sender = sender();
    if (kind() == kEnvelopes) {
        chosen.envelope = &EnvelopeFormat::all().at(static_cast<size_t>(envelope_->currentIndex()));
        return chosen;
    }
    const SheetTable& table = workspace_.sheets();
    const LabelSheet* sheet = options.onCards ? nullptr : table.sheetFor(options);
    if (sheet == nullptr) {
        workspace_.dialogs().message(tr("Choisissez la planche des étiquettes d'adresses."));
        return std::nullopt;
    }
    chosen.sheet = *sheet;
    return chosen;
}

MailPrinting MailOptionsWidget::printing() {
    return MailPrinting(workspace_,
                        [this](const QStringList& calls) { emit addressBookRequested(calls); });
}

void MailOptionsWidget::print(const LabelOptions& options) {
    save();
    if (const std::optional<MailPrinting::Target> chosen = target(options)) {
        printing().print(*chosen);
    }
}

void MailOptionsWidget::preview(const LabelOptions& options, const std::function<void()>& print) {
    if (const std::optional<MailPrinting::Target> chosen = target(options)) {
        printing().preview(*chosen, print);
    }
}
