#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPrinter;

// What the windows ask of the desktop. The running program answers with the
// real Qt dialogs; tests answer with a script.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    static QString title() { return QStringLiteral("Quenor_Etiquettes"); }

    // A modal message with the text alone (shown as plain text) and OK.
    virtual void message(const QString& text) = 0;
    // Several messages in one modal window: a heading above the list of
    // items (plain text, one per line) and OK.
    virtual void messageList(const QString& heading, const QStringList& items) = 0;
    // The one question of the program, answered Yes (true) or No.
    virtual bool askYesNo(const QString& text) = 0;
    // A file name, or an empty text when the operator cancels.
    // `filter` is in Qt's form, such as ".adi (*.adi)".
    virtual QString openFileName(const QString& filter) = 0;
    virtual QString saveFileName(const QString& filter) = 0;
    // Lets the operator choose the printer; true when confirmed.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Shows the pages that `render` draws on the printer it is given, page by
    // page, before anything is printed.
    virtual void showPrintPreview(QPrinter& printer,
                                  const std::function<void(QPrinter&)>& render) = 0;

    void setParentWindow(QWidget* parent) { parent_ = parent; }

  protected:
    QWidget* parentWindow() const { return parent_; }

  private:
    QPointer<QWidget> parent_;
};
