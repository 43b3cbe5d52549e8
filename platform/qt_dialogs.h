#pragma once

#include "platform/dialogs.h"

// The desktop's own dialogs.
class QtDialogs : public Dialogs {
  public:
    void message(const QString& text) override;
    void messageList(const QString& heading, const QStringList& items) override;
    bool askYesNo(const QString& text) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter) override;
    bool choosePrinter(QPrinter& printer) override;
    void showPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& render) override;
};
