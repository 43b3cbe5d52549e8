#include "platform/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parentWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
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
