#include "windows/selection_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "log/qso_row.h"
#include "printing/font_faces.h"
#include "selection/qso_selection.h"
#include "selection/row_list.h"
#include "windows/row_list_view.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

namespace {

QPushButton* button(const QString& name, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    return b;
}

}  // namespace

SelectionWindow::SelectionWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace), lists_(workspace.selection()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Select_QSO"));
    setWindowTitle(tr("Sélection des QSO"));

    auto* frame1 = new QGroupBox;
    auto* titleLayout = new QVBoxLayout(frame1);
    auto* label2 = new QLabel(tr("Sélection des QSO"));
    QFont titleFont = label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    label2->setFont(titleFont);
    label2->setAlignment(Qt::AlignCenter);
    titleLayout->addWidget(label2);

    auto* frame2 = new QGroupBox;
    auto* lists = new QVBoxLayout(frame2);
    lists->addLayout(buildQueueChoice());
    lists->addLayout(buildSortButtons());
    qsoListTitles_ = new QLabel;
    lists->addWidget(qsoListTitles_);
    listeQsoView_ = makeRowView(qsoList());
    listeQsoView_->setObjectName(QStringLiteral("Liste_QSO"));
    listeQsoView_->setAccessibleName(tr("Liste des QSO"));
    lists->addWidget(listeQsoView_);
    auto* printListLine = new QHBoxLayout;
    printListLine->addWidget(
        new QLabel(tr("QSO sélectionné(s) . Cliquez sur un QSO pour le désélctionner.")));
    printListLine->addStretch();
    printOrder_ = new QLabel;
    printOrder_->setObjectName(QStringLiteral("Ordre_Impression"));
    printListLine->addWidget(printOrder_);
    lists->addLayout(printListLine);
    printListTitles_ = new QLabel;
    lists->addWidget(printListTitles_);
    listeImprimeView_ = makeRowView(printList());
    listeImprimeView_->setObjectName(QStringLiteral("Liste_Imprime"));
    listeImprimeView_->setAccessibleName(tr("QSO sélectionnés"));
    lists->addWidget(listeImprimeView_);

    auto* selectAll = button(QStringLiteral("Select_All"), tr("&Tout sélectionner"));
    auto* impression = button(QStringLiteral("Impression"), tr("&Imprimer étiquettes"));
    auto* quitter = button(QStringLiteral("Quitter"), tr("&Quitter"));
    auto* received = button(QStringLiteral("Cartes_Recues"), tr("Cartes &reçues…"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(selectAll);
    bottom->addWidget(received);
    bottom->addWidget(impression);
    bottom->addWidget(quitter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2, 1);
    layout->addLayout(bottom);

    connect(static_cast<RowListView*>(listeQsoView_), &RowListView::rowChosen, this,
            &SelectionWindow::pickQso);
    connect(static_cast<RowListView*>(listeImprimeView_), &RowListView::rowChosen, this,
            &SelectionWindow::unpickQso);
    connect(selectAll, &QPushButton::clicked, this, &SelectionWindow::selectAll);
    connect(impression, &QPushButton::clicked, this, &SelectionWindow::openLabelOptions);
    connect(quitter, &QPushButton::clicked, this, &SelectionWindow::closeWindow);
    connect(received, &QPushButton::clicked, this, &SelectionWindow::receivedCardsRequested);

    prepare();
}

SelectionWindow::~SelectionWindow() = default;

QLayout* SelectionWindow::buildSortButtons() {
    auto* reloadButton = button(QStringLiteral("Command3"), tr("Tri par &date"));
    auto* sortByCallButton = button(QStringLiteral("Command2"), tr("Tri par &call"));
    bureauOrder_ = button(QStringLiteral("Tri_Bureau"), tr("Tri &bureau"));
    // Pressed down while the print list is in bureau order; released, back to call order.
    bureauOrder_->setCheckable(true);
    auto* sortButtons = new QHBoxLayout;
    sortButtons->addWidget(new QLabel(tr("Cliquez sur un QSO pour le sélectionner ")));
    sortButtons->addStretch();
    sortButtons->addWidget(reloadButton);
    sortButtons->addWidget(sortByCallButton);
    sortButtons->addWidget(bureauOrder_);

    connect(sortByCallButton, &QPushButton::clicked, this, &SelectionWindow::sortByCall);
    connect(reloadButton, &QPushButton::clicked, this, &SelectionWindow::reloadLog);
    connect(bureauOrder_, &QPushButton::clicked, this, [this](bool bureau) {
        if (bureau) {
            sortForBureau();
        } else {
            sortPrintListByCall();
        }
    });
    return sortButtons;
}

namespace {

QComboBox* choiceBox(const QString& name, const QStringList& texts, int chosen) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(texts);
    box->setCurrentIndex(chosen);
    return box;
}

}  // namespace

QLayout* SelectionWindow::buildQueueChoice() {
    // The items follow the order of QslQueue::Owed and QslQueue::Route.
    owed_ = choiceBox(
        QStringLiteral("QSL_A_Envoyer"),
        {tr("Toutes"), tr("Non envoyées"), tr("Demandées ou en file"), tr("Reçues sans réponse")},
        static_cast<int>(lists_.filter().owed));
    route_ = choiceBox(QStringLiteral("Voie"), {tr("Toutes"), tr("Bureau"), tr("Directe")},
                       static_cast<int>(lists_.filter().route));
    auto* owedLabel = new QLabel(tr("QSL à &envoyer :"));
    owedLabel->setBuddy(owed_);
    auto* routeLabel = new QLabel(tr("&Voie :"));
    routeLabel->setBuddy(route_);
    unconfirmed_ = new QCheckBox(tr("Sans confirmation électronique"));
    unconfirmed_->setObjectName(QStringLiteral("Sans_Confirmation"));
    unconfirmed_->setChecked(lists_.filter().unconfirmed);
    auto* line = new QHBoxLayout;
    line->addWidget(owedLabel);
    line->addWidget(owed_);
    line->addWidget(unconfirmed_);
    line->addWidget(routeLabel);
    line->addWidget(route_);
    line->addStretch();
    connect(owed_, &QComboBox::currentIndexChanged, this, &SelectionWindow::showQueue);
    connect(route_, &QComboBox::currentIndexChanged, this, &SelectionWindow::showQueue);
    connect(unconfirmed_, &QCheckBox::toggled, this, &SelectionWindow::showQueue);
    return line;
}

RowList& SelectionWindow::qsoList() {
    return lists_.qsoList();
}

RowList& SelectionWindow::printList() {
    return lists_.printList();
}

RowList& SelectionWindow::sortList() {
    return lists_.sortList();
}

QListView* SelectionWindow::makeRowView(RowList& rows) {
    auto* view = new RowListView;
    view->setModel(&rows);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFont(FontFaces::screenFont(QStringLiteral("Lucida Console"), 9));
    view->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
    view->setMinimumSize(720, 180);
    return view;
}

void SelectionWindow::prepare() {
    resize(800, 620);
    centreOnScreen(*this);
    alignTitles(qsoListTitles_, listeQsoView_);
    alignTitles(printListTitles_, listeImprimeView_);
    showPrintOrder();
}

void SelectionWindow::alignTitles(QLabel* titles, const QListView* rows) {
    // Over the rows' own columns: the same face, starting where the row texts start.
    titles->setFont(rows->font());
    titles->setText(QsoRow::alignedColumnTitles());
    const int textStart = rows->frameWidth() +
                          rows->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, rows) +
                          1;
    titles->setContentsMargins(textStart, 0, 0, 0);
}

void SelectionWindow::pickQso(int index) {
    lists_.pick(index);
}

void SelectionWindow::unpickQso(int index) {
    lists_.unpick(index);
}

void SelectionWindow::sortByCall() {
    lists_.sortQsoListByCall();
}

void SelectionWindow::reloadLog() {
    emit reloadRequested();
}

void SelectionWindow::sortForBureau() {
    lists_.sortPrintListForBureau(workspace_.bureauOrder());
    showPrintOrder();
}

void SelectionWindow::sortPrintListByCall() {
    lists_.sortPrintListByCall();
    showPrintOrder();
}

void SelectionWindow::showPrintOrder() {
    const bool bureau = lists_.printListInBureauOrder();
    bureauOrder_->setChecked(bureau);
    printOrder_->setText(bureau ? tr("Ordre d'impression : bureau")
                                : tr("Ordre d'impression : par indicatif"));
}

void SelectionWindow::showQueue() {
    QslRound::Filter filter;
    filter.owed = static_cast<QslQueue::Owed>(owed_->currentIndex());
    filter.route = static_cast<QslQueue::Route>(route_->currentIndex());
    filter.unconfirmed = unconfirmed_->isChecked();
    workspace_.storeFilter(filter);
    lists_.setFilter(filter);
}

void SelectionWindow::selectAll() {
    lists_.pickAll();
}

void SelectionWindow::openLabelOptions() {
    emit labelOptionsRequested();
}

void SelectionWindow::closeWindow() {
    close();
}
