#pragma once

#include <QMessageBox>

#include "platform/dialogs.h"

// The desktop's own dialogs, each in front of the window that asks for it;
// the keyboard goes back to where it was when the dialog closes.
class QtDialogs : public Dialogs {
  public:
    void message(const QString& text) override;
    void messageList(const QString& heading, const QStringList& items) override;
    bool askYesNo(const QString& text) override;
    int askChoice(const QString& text, const QStringList& answers) override;
    QString openFileName(const QString& filter) override;
    QString openFileName(const QString& filter, const QString& folder) override;
    bool askText(const QString& text, QString& answer) override;
    bool askToReplace(const QString& text) override;
    QString saveFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, const QString& proposed) override;
    bool choosePrinter(QPrinter& printer) override;
    void showPrintPreview(QPrinter& printer, const QString& caption,
                          const std::function<void(QPrinter&)>& render,
                          const std::function<void()>& print) override;
    std::unique_ptr<Progress> showProgress(const QString& label, int total) override;

  private:
    QWidget* askingWindow() const;
    bool ask(const QString& text, QMessageBox::StandardButton byDefault);

    // The window that last had the keyboard back from a dialog.
    QPointer<QWidget> returnedTo_;
};
