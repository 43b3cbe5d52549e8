#include "windows/address_book_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "settings/settings_store.h"
#include "windows/workspace.h"

namespace {

constexpr int kCallRole = Qt::UserRole;

bool matchesFilter(const AddressEntry& entry, const QString& filter) {
    return filter.isEmpty() || entry.call.contains(filter, Qt::CaseInsensitive) ||
           entry.lines.join(QLatin1Char(' ')).contains(filter, Qt::CaseInsensitive);
}

}  // namespace

AddressBookWindow::AddressBookWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workspace_(workspace),
      path_(AddressBook::pathBeside(workspace.store().fileName())) {
    setObjectName(QStringLiteral("Adresses"));
    setWindowTitle(tr("Adresses"));
    buildControls();
    QString error;
    if (!book_.load(path_, &error)) {
        readWhole_ = false;
        workspace_.dialogs().message(error);
    } else if (!book_.problems().isEmpty()) {
        workspace_.dialogs().messageList(tr("Le carnet d'adresses %1 est lu, sauf :").arg(path_),
                                         book_.problems());
    }
    fillList();
}

QPushButton* AddressBookWindow::addButton(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void AddressBookWindow::buildControls() {
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("filterBox"));
    filter_->setPlaceholderText(tr("Filtrer"));
    filter_->setAccessibleName(tr("Filtrer les stations"));
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("stationList"));
    list_->setAccessibleName(tr("Stations du carnet"));
    call_ = new QLineEdit;
    call_->setObjectName(QStringLiteral("callBox"));
    call_->setAccessibleName(tr("Indicatif"));
    address_ = new QPlainTextEdit;
    address_->setObjectName(QStringLiteral("addressBox"));
    address_->setAccessibleName(tr("Adresse, une ligne par ligne de l'enveloppe"));
    address_->setTabChangesFocus(true);

    auto* newButton = addButton("newButton", tr("&Nouvelle"));
    auto* saveButton = addButton("saveButton", tr("&Enregistrer"));
    auto* deleteButton = addButton("deleteButton", tr("&Supprimer"));
    auto* importButton = addButton("importButton", tr("&Importer…"));
    auto* closeButton = addButton("closeButton", tr("&Fermer"));

    auto* form = new QVBoxLayout;
    form->addWidget(new QLabel(tr("Indicatif :")));
    form->addWidget(call_);
    form->addWidget(new QLabel(tr("Adresse (nom, rue, ville, pays) :")));
    form->addWidget(address_);
    auto* formButtons = new QHBoxLayout;
    for (QPushButton* button : {newButton, saveButton, deleteButton}) {
        formButtons->addWidget(button);
    }
    form->addLayout(formButtons);
    auto* left = new QVBoxLayout;
    left->addWidget(filter_);
    left->addWidget(list_);
    left->addWidget(importButton);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(form, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(closeButton, 0, Qt::AlignRight);

    connect(filter_, &QLineEdit::textChanged, this, &AddressBookWindow::fillList);
    connect(list_, &QListWidget::currentRowChanged, this, &AddressBookWindow::showStation);
    connect(newButton, &QPushButton::clicked, this, &AddressBookWindow::newStation);
    connect(saveButton, &QPushButton::clicked, this, &AddressBookWindow::saveStation);
    connect(deleteButton, &QPushButton::clicked, this, &AddressBookWindow::deleteStation);
    connect(importButton, &QPushButton::clicked, this, &AddressBookWindow::importFile);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 420);
}

void AddressBookWindow::fillList() {
    const QString current = call_->text();
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const QString& call : toComplete_) {
        auto* item = new QListWidgetItem(tr("%1 — à compléter").arg(call), list_);
        item->setData(kCallRole, call);
    }
    for (const AddressEntry& entry : book_.entries()) {
        if (matchesFilter(entry, filter_->text())) {
            const QString shown = entry.lines.isEmpty()
                                      ? entry.call
                                      : entry.call + QStringLiteral(" — ") + entry.lines.first();
            auto* item = new QListWidgetItem(shown, list_);
            item->setData(kCallRole, entry.call);
        }
    }
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(kCallRole).toString() == current) {
            list_->setCurrentRow(row);
        }
    }
}

void AddressBookWindow::showStation() {
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr) {
        return;
    }
    const QString call = item->data(kCallRole).toString();
    call_->setText(call);
    const AddressEntry* entry = book_.find(call);
    address_->setPlainText(entry == nullptr ? QString() : entry->lines.join(QLatin1Char('\n')));
}

void AddressBookWindow::newStation() {
    list_->setCurrentRow(-1);
    call_->clear();
    address_->clear();
    call_->setFocus();
}

void AddressBookWindow::saveStation() {
    AddressEntry entry;
    entry.call = AddressBook::normalCall(call_->text());
    for (const QString& line : address_->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            entry.lines.append(line.trimmed());
        }
    }
    if (entry.call.isEmpty() || entry.call.contains(QLatin1Char(' '))) {
        workspace_.dialogs().message(tr("Indicatif : tapez l'indicatif de la station."));
        return;
    }
    if (entry.lines.isEmpty()) {
        workspace_.dialogs().message(tr("Adresse : tapez au moins une ligne."));
        return;
    }
    if (!change([&entry](AddressBook& book) { book.put(entry); })) {
        return;
    }
    toComplete_.removeAll(entry.call);
    call_->setText(entry.call);
    fillList();
}

void AddressBookWindow::deleteStation() {
    const QString call = AddressBook::normalCall(call_->text());
    if (book_.find(call) == nullptr ||
        !workspace_.dialogs().askToReplace(tr("Supprimer l'adresse de %1 du carnet ?").arg(call))) {
        return;
    }
    if (change([&call](AddressBook& book) { book.remove(call); })) {
        newStation();
        fillList();
    }
}

void AddressBookWindow::importFile() {
    const QString name = workspace_.dialogs().openFileName(
        tr("Carnet d'adresses (*.csv *.CSV);;Tous les fichiers (*)"));
    if (name.isEmpty()) {
        return;
    }
    AddressBook other;
    QString error;
    if (!other.load(name, &error)) {
        workspace_.dialogs().message(error);
        return;
    }
    QStringList replaced;
    for (const AddressEntry& entry : other.entries()) {
        const AddressEntry* existing = book_.find(entry.call);
        if (existing != nullptr && existing->lines != entry.lines) {
            replaced.append(entry.call);
        }
    }
    if (!replaced.isEmpty() && !workspace_.dialogs().askToReplace(
                                   tr("L'import remplace l'adresse de %n stations du carnet : %1.\n"
                                      "Continuer ?",
                                      nullptr, static_cast<int>(replaced.size()))
                                       .arg(replaced.join(QStringLiteral(", "))))) {
        return;
    }
    int count = 0;
    if (change([&](AddressBook& book) { count = book.import(other.entries()); })) {
        fillList();
        showStation();  // the pane shows the station as imported, not as it was
        workspace_.dialogs().message(tr("%n adresses importées de %1.", nullptr, count).arg(name));
    }
}

bool AddressBookWindow::change(const std::function<void(AddressBook&)>& change) {
    if (!readWhole_) {
        workspace_.dialogs().message(
            tr("Le carnet d'adresses %1 n'a pas pu être lu en entier : il n'est pas "
               "remplacé. Fermez la fenêtre, réparez le fichier et rouvrez-la.")
                .arg(path_));
        return false;
    }
    if (book_.changedSinceRead(path_)) {
        // Another window or program wrote it: its entries are kept, this change applies on top.
        AddressBook onDisk;
        QString error;
        if (!onDisk.load(path_, &error)) {
            workspace_.dialogs().message(error);
            return false;
        }
        book_ = onDisk;
    }
    change(book_);
    return write();
}

bool AddressBookWindow::write() {
    QString error;
    if (book_.save(path_, &error)) {
        return true;
    }
    workspace_.dialogs().message(error);
    // What is on disk is what the book holds.
    book_.load(path_, &error);
    fillList();
    return false;
}

void AddressBookWindow::completeAddressesOf(const QStringList& calls) {
    for (const QString& call : calls) {
        const QString normal = AddressBook::normalCall(call);
        if (!toComplete_.contains(normal)) {
            toComplete_.append(normal);
        }
    }
    filter_->clear();
    fillList();
    list_->setCurrentRow(0);
    address_->setFocus();
}
