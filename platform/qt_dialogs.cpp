#include "platform/qt_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)
};

}  // namespace

namespace {

// Gives the keyboard back to the control that had it once a dialog closes,
// whichever window the desktop would bring forward instead.
// `returnedTo` keeps the window given back, which the desktop may not have
// made active yet when the next dialog opens.
class FocusReturn {
  public:
    explicit FocusReturn(QPointer<QWidget>& returnedTo)
        : control_(QApplication::focusWidget()), returnedTo_(returnedTo) {}
    ~FocusReturn() {
        if (control_ != nullptr && control_->isVisible()) {
            returnedTo_ = control_->window();
            control_->window()->activateWindow();
            control_->setFocus(Qt::OtherFocusReason);
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

  private:
    QPointer<QWidget> control_;
    QPointer<QWidget>& returnedTo_;
};

// The progress of a run in a window of its own, shown once the run has
// lasted a second.
class ProgressDialog : public Progress {
  public:
    ProgressDialog(const QString& label, int total, QWidget* parent, QPointer<QWidget>& returnedTo)
        : focus_(returnedTo), dialog_(label, Text::tr("Arrêter"), 0, total, parent) {
        // A stray Enter must not end a long run: "Arrêter" is pressed on purpose
        // (a click, Space, Escape), never as the window's default button.
        auto* stop = new QPushButton(Text::tr("Arrêter"));
        stop->setObjectName(QStringLiteral("Arreter"));
        stop->setAutoDefault(false);
        stop->setDefault(false);
        dialog_.setCancelButton(stop);
        auto* bar = new QProgressBar;
        bar->setFormat(Text::tr("%v sur %m"));
        dialog_.setBar(bar);
        dialog_.setRange(0, total);
        dialog_.setWindowTitle(Dialogs::title());
        // Nothing else may change the print list while it prints.
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(1000);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool advance(int done) override {
        dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

  private:
    FocusReturn focus_;
    QProgressDialog dialog_;
};

}  // namespace

QWidget* QtDialogs::askingWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    if (returnedTo_ != nullptr && returnedTo_->isVisible()) {
        return returnedTo_;
    }
    return parentWindow();
}

void QtDialogs::message(const QString& text) {
    FocusReturn focus(returnedTo_);
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, askingWindow());
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
    return ask(text, QMessageBox::Yes);
}

int QtDialogs::askChoice(const QString& text, const QStringList& answers) {
    FocusReturn focus(returnedTo_);
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, askingWindow());
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers) {
        buttons.append(box.addButton(answer, QMessageBox::ActionRole));
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? static_cast<int>(answers.size()) - 1 : static_cast<int>(chosen);
}

bool QtDialogs::askToReplace(const QString& text) {
    return ask(text, QMessageBox::No);
}

bool QtDialogs::ask(const QString& text, QMessageBox::StandardButton byDefault) {
    FocusReturn focus(returnedTo_);
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                    askingWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(byDefault);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openFileName(const QString& filter) {
    FocusReturn focus(returnedTo_);
    return QFileDialog::getOpenFileName(askingWindow(), QString(), QString(), filter);
}

QString QtDialogs::openFileName(const QString& filter, const QString& folder) {
    FocusReturn focus(returnedTo_);
    return QFileDialog::getOpenFileName(askingWindow(), QString(), folder, filter);
}

bool QtDialogs::askText(const QString& text, QString& answer) {
    FocusReturn focus(returnedTo_);
    bool ok = false;
    const QString typed =
        QInputDialog::getText(askingWindow(), title(), text, QLineEdit::Normal, answer, &ok);
    if (ok) {
        answer = typed;
    }
    return ok;
}

QString QtDialogs::saveFileName(const QString& filter) {
    FocusReturn focus(returnedTo_);
    return QFileDialog::getSaveFileName(askingWindow(), QString(), QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtDialogs::saveFileName(const QString& filter, const QString& proposed) {
    FocusReturn focus(returnedTo_);
    return QFileDialog::getSaveFileName(askingWindow(), QString(), proposed, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
    FocusReturn focus(returnedTo_);
    QPrintDialog dialog(&printer, askingWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::showPrintPreview(QPrinter& printer, const QString& caption,
                                 const std::function<void(QPrinter&)>& render,
                                 const std::function<void()>& print) {
    FocusReturn focus(returnedTo_);
    QPrintPreviewDialog dialog(&printer, askingWindow());
    dialog.setWindowTitle(caption);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&render](QPrinter* target) { render(*target); });
    bool printAsked = false;
    // Qt's own print button would print the preview's pages, outlines included.
    // Qt's catalogue gives its text (named through a variable, out of ours).
    const char* const qtPrint = "Print";
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", qtPrint);
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() == printText) {
            QObject::disconnect(action, &QAction::triggered, &dialog, nullptr);
            QObject::connect(action, &QAction::triggered, &dialog, [&dialog, &printAsked] {
                printAsked = true;
                dialog.accept();
            });
        }
    }
    dialog.exec();
    if (printAsked && print) {
        print();
    }
}

std::unique_ptr<Progress> QtDialogs::showProgress(const QString& label, int total) {
    return std::make_unique<ProgressDialog>(label, total, askingWindow(), returnedTo_);
}
