#include "windows/received_cards_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <set>

#include "log/confirmation_download.h"
#include "log/qso_log.h"
#include "log/qso_row.h"
#include "log/sent_marker.h"
#include "platform/dialogs.h"
#include "selection/qsl_round.h"
#include "settings/settings_store.h"
#include "windows/sent_marking.h"
#include "windows/workspace.h"

namespace {

QListWidget* resultList(const QString& name, const QString& accessible) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    return list;
}

QString lineText(const CardBundle::Line& line) {
    return QStringLiteral("%1 : %2").arg(line.number).arg(line.text);
}

QString qsoText(const QsoRecord* qso) {
    return QString::fromUtf8(QsoRow::compose(*qso)).trimmed();
}

}  // namespace

ReceivedCardsWindow::ReceivedCardsWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Cartes_Recues"));
    setWindowTitle(tr("Cartes reçues"));
    bundle_ = new QPlainTextEdit;
    bundle_->setObjectName(QStringLiteral("Liste_Cartes"));
    bundle_->setAccessibleName(tr("Indicatifs des cartes reçues"));
    found_ = resultList(QStringLiteral("Trouves"), tr("QSO trouvés"));
    unmatched_ = resultList(QStringLiteral("Sans_QSO"), tr("Lignes sans QSO"));
    several_ = resultList(QStringLiteral("Plusieurs"), tr("Lignes à plusieurs QSO"));
    route_ = new QComboBox;
    route_->setObjectName(QStringLiteral("Voie_Reception"));
    route_->addItems({tr("B (bureau)"), tr("D (directe)"), tr("M (manager)")});
    auto* mark = new QPushButton(tr("&Marquer comme reçues"));
    mark->setObjectName(QStringLiteral("Marquer_Recues"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Une carte par ligne : indicatif [date] [bande]")), 0, 0);
    grid->addWidget(bundle_, 1, 0, 5, 1);
    grid->addWidget(new QLabel(tr("QSO trouvés")), 0, 1);
    grid->addWidget(found_, 1, 1);
    grid->addWidget(new QLabel(tr("Lignes sans QSO")), 2, 1);
    grid->addWidget(unmatched_, 3, 1);
    grid->addWidget(new QLabel(tr("Plusieurs QSO : cochez les bons")), 4, 1);
    grid->addWidget(several_, 5, 1);
    auto* bottom = new QHBoxLayout;
    auto* routeLabel = new QLabel(tr("&Voie de réception :"));
    routeLabel->setBuddy(route_);
    bottom->addWidget(routeLabel);
    bottom->addWidget(route_);
    bottom->addStretch();
    bottom->addWidget(mark);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);

    connect(bundle_, &QPlainTextEdit::textChanged, this, &ReceivedCardsWindow::showMatches);
    connect(mark, &QPushButton::clicked, this, &ReceivedCardsWindow::markReceived);
    resize(760, 520);
}

ReceivedCardsWindow::~ReceivedCardsWindow() = default;

void ReceivedCardsWindow::showMatches() {
    const QsoLog* shown = workspace_.selection().shownLog();
    // The QSOs ticked stay ticked while their lines stay (a keystroke, a scan).
    std::set<const QsoRecord*> ticked;
    if (shown == indexed_) {
        for (int row = 0; row < several_->count(); ++row) {
            if (several_->item(row)->checkState() == Qt::Checked) {
                ticked.insert(severalQsos_[static_cast<size_t>(row)]);
            }
        }
    }
    if (shown != indexed_ || cards_ == nullptr) {
        indexed_ = shown;
        cards_ = std::make_unique<CardBundle>(shown == nullptr ? QsoRecords()
                                                               : QslRound::recordsOf(*shown, {}));
    }
    lines_ = cards_->match(bundle_->toPlainText());
    found_->clear();
    unmatched_->clear();
    several_->clear();
    severalQsos_.clear();
    for (const CardBundle::Line& line : lines_) {
        switch (line.outcome) {
            case CardBundle::Outcome::Found:
                found_->addItem(lineText(line) + QStringLiteral("  →  ") +
                                qsoText(line.qsos.front()) +
                                (line.alreadyReceived > 0 ? tr("  (déjà reçue)") : QString()));
                break;
            case CardBundle::Outcome::Several:
                for (const QsoRecord* qso : line.qsos) {
                    auto* item = new QListWidgetItem(lineText(line) + QStringLiteral("  →  ") +
                                                     qsoText(qso));
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                    item->setCheckState(ticked.count(qso) > 0 ? Qt::Checked : Qt::Unchecked);
                    several_->addItem(item);
                    severalQsos_.push_back(qso);
                }
                break;
            case CardBundle::Outcome::Unreadable:
                unmatched_->addItem(lineText(line) + QStringLiteral("  ") +
                                    tr("(« %1 » n'est ni une date ni une bande)").arg(line.unread));
                break;
            case CardBundle::Outcome::NotFound:
                unmatched_->addItem(lineText(line));
                break;
        }
    }
}

QsoRecords ReceivedCardsWindow::chosenQsos() const {
    QsoRecords qsos = CardBundle::found(lines_);
    for (int row = 0; row < several_->count(); ++row) {
        const QsoRecord* qso = severalQsos_[static_cast<size_t>(row)];
        if (several_->item(row)->checkState() == Qt::Checked &&
            std::find(qsos.begin(), qsos.end(), qso) == qsos.end()) {
            qsos.push_back(qso);
        }
    }
    return qsos;
}

void ReceivedCardsWindow::markReceived() {
    Dialogs& dialogs = workspace_.dialogs();
    // The QSOs matched must be those of the log read now (ticks would otherwise be lost).
    if (workspace_.selection().shownLog() != indexed_) {
        showMatches();
        dialogs.message(tr("Un autre journal a été lu : vérifiez les cartes."));
        return;
    }
    const QsoRecords qsos = chosenQsos();
    if (workspace_.logFileName().isEmpty() || indexed_ == nullptr || qsos.empty()) {
        dialogs.message(tr("Aucun QSO du journal lu à marquer comme reçu."));
        return;
    }
    if (!dialogs.askYesNo(
            tr("Marquer les %n QSO comme reçus ?", nullptr, static_cast<int>(qsos.size())))) {
        return;
    }
    const QString copy = writeCopy(qsos);
    if (!copy.isEmpty() &&
        dialogs.askYesNo(tr("Lire la copie marquée %1, pour imprimer les réponses ?")
                             .arg(QFileInfo(copy).fileName()))) {
        emit readRequested(copy);
    }
}

QString ReceivedCardsWindow::writeCopy(const QsoRecords& qsos) {
    Dialogs& dialogs = workspace_.dialogs();
    const QString log = workspace_.logFileName();
    if (const ConfirmationDownload::Kind kind = ConfirmationDownload::kindOfFile(log);
        kind != ConfirmationDownload::Kind::Log) {
        dialogs.message(ConfirmationDownload::notTheLogMessage(kind, log));
        return {};
    }
    const QFileInfo logInfo(log);
    const QString copy = dialogs.saveFileName(
        QStringLiteral(".adi  (*.adi)"),
        logInfo.dir().filePath(logInfo.completeBaseName() + QStringLiteral("-recues.adi")));
    if (copy.isEmpty()) {
        return {};
    }
    const QString problem = workspace_.runFiles().copyProblem(copy, log);
    if (!problem.isEmpty()) {
        dialogs.message(problem);
        return {};
    }
    // As the sent marking: a file replaced only when confirmed, the log kept beside it.
    if (!SentMarking::mayWrite(dialogs, log, copy)) {
        return {};
    }
    QString error;
    if (SentMarking::isTheLog(log, copy) &&
        !SentMarking::keepBackup(log, indexed_->fingerprint(), &error)) {
        dialogs.message(error);
        return {};
    }
    const QString via = route_->currentText().left(1);
    if (SentMarker::writeCopy(log, indexed_->fingerprint(), copy, qsos, via,
                              QDateTime::currentDateTimeUtc().date(), &error,
                              MarkedFields::received()) != SentMarker::Result::Written) {
        dialogs.message(error);
        return {};
    }
    return copy;
}
