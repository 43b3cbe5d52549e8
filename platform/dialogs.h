#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QPrinter;

// How far a long run has gone; `advance` answers false once the operator
// has asked to stop.
class Progress {
  public:
    virtual ~Progress() = default;
    virtual bool advance(int done) = 0;
};

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
    // A question with several answers, one button each in the order given: the
    // index of the answer chosen. Closing the window gives the last answer.
    virtual int askChoice(const QString& text, const QStringList& answers) {
        (void)text;
        return static_cast<int>(answers.size()) - 1;
    }
    // A question whose Yes replaces or deletes something: No is the answer Enter gives.
    virtual bool askToReplace(const QString& text) { return askYesNo(text); }
    // A file name, or an empty text when the operator cancels.
    // `filter` is in Qt's form, such as ".adi (*.adi)".
    virtual QString openFileName(const QString& filter) = 0;
    // The same, the dialog opening in `folder` (ignored when empty).
    virtual QString openFileName(const QString& filter, const QString& folder) {
        (void)folder;
        return openFileName(filter);
    }
    // A file name to write. The dialog does not ask about an existing file:
    // the caller does, once, with askToReplace.
    virtual QString saveFileName(const QString& filter) = 0;
    // The same, proposing `proposed` (a full path) as the answer.
    virtual QString saveFileName(const QString& filter, const QString& proposed) {
        (void)proposed;
        return saveFileName(filter);
    }
    // A line of text typed by the operator into `answer`; false when cancelled.
    virtual bool askText(const QString& text, QString& answer) {
        (void)text;
        (void)answer;
        return false;
    }
    // Lets the operator choose the printer; true when confirmed. An existing
    // output file chosen there has been agreed to be replaced (the desktop's
    // printer dialog asks, No by default).
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Shows the pages that `render` draws on the printer it is given, page by
    // page, before anything is printed, in a window titled `caption`. The
    // preview's own print button closes it and calls `print`, so that a print
    // from the preview is the program's print, not a copy of the preview.
    virtual void showPrintPreview(QPrinter& printer, const QString& caption,
                                  const std::function<void(QPrinter&)>& render,
                                  const std::function<void()>& print) = 0;
    // Shows how far a run of `total` steps has gone, with a button to stop it,
    // for as long as the answer lives. Runs that never stop by default.
    virtual std::unique_ptr<Progress> showProgress(const QString& label, int total) {
        (void)label;
        (void)total;
        return std::make_unique<Unstopped>();
    }

    void setParentWindow(QWidget* parent) { parent_ = parent; }

  protected:
    QWidget* parentWindow() const { return parent_; }

  private:
    class Unstopped : public Progress {
      public:
        bool advance(int) override { return true; }
    };

    QPointer<QWidget> parent_;
};
