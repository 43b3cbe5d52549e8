#include "platform/qt_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parentWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtDialogs::messageList(const QString& heading, const QStringList& items) {
    QDialog dialog(parentWindow());
    dialog.setObjectName(QStringLiteral("messageList"));
    dialog.setWindowTitle(title());
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(heading, &dialog);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    auto* list = new QPlainTextEdit(&dialog);
    list->setObjectName(QStringLiteral("messageItems"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setPlainText(items.join(u'\n'));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(560, 360);
    dialog.exec();
}

bool QtDialogs::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                    parentWindow());
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(parentWindow(), QString(), QString(), filter);
}

QString QtDialogs::saveFileName(const QString& filter) {
    return QFileDialog::getSaveFileName(parentWindow(), QString(), QString(), filter);
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parentWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::showPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& render) {
    QPrintPreviewDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&render](QPrinter* target) { render(*target); });
    dialog.exec();
}
