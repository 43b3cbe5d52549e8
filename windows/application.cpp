#include "windows/application.h"

#include <QFileInfo>

#include <memory>
#include <vector>

#include "log/adif_reader.h"
#include "log/qso_log.h"
#include "platform/dialogs.h"
#include "windows/address_book_window.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/layout_editor.h"
#include "windows/layout_preview.h"
#include "windows/mail_options_widget.h"
#include "windows/received_cards_window.h"
#include "windows/selection_window.h"
#include "windows/sheets_window.h"
#include "windows/start_window.h"
#include "windows/window_manners.h"

namespace {

// Shows a dialog-like window, created by `create` when it is not open, and brings it forward.
template <typename Window, typename Create>
Window& bringForward(QPointer<Window>& window, SettingsStore& store, Create create) {
    if (window == nullptr) {
        window = create();
        WindowManners::apply(*window, WindowManners::Kind::DialogLike, store);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

// Keeps the QSOs of a log and the reader's messages, to be shown together
// once the reading is over.
class WindowSink : public AdifSink {
  public:
    explicit WindowSink(QsoLog& log) : log_(log) {}
    void record(const QsoValues& values) override { log_.add(values); }
    void message(const AdifMessage& message) override { messages_.push_back(message); }

    // One message alone in a plain box; more in one list with the number and
    // callsign of the QSO each is about.
    void showMessages(Dialogs& dialogs) const {
        if (messages_.size() == 1) {
            dialogs.message(messages_.front().text);
            return;
        }
        if (messages_.empty()) {
            return;
        }
        QStringList items;
        items.reserve(static_cast<qsizetype>(messages_.size()));
        for (const AdifMessage& message : messages_) {
            items.append(
                Application::tr("QSO %1 (%2) : %3")
                    .arg(QString::number(message.qsoNumber), message.callsign, message.text));
        }
        dialogs.messageList(Application::tr("%n messages à la lecture du journal", nullptr,
                                            static_cast<int>(messages_.size())),
                            items);
    }

  private:
    QsoLog& log_;
    std::vector<AdifMessage> messages_;
};

}  // namespace

Application::Application(Dialogs& dialogs, SettingsStore& store) : workspace_(dialogs, store) {}

Application::~Application() {
    delete addressBook_.data();
    delete sheets_.data();
    delete preview_.data();
    delete layoutEditor_.data();
    delete cardPrinting_.data();
    delete labelOptions_.data();
    delete selectionWindow_.data();
    delete startWindow_.data();
}

StartWindow& Application::showStartWindow() {
    if (startWindow_ == nullptr) {
        startWindow_ = new StartWindow(workspace_);
        WindowManners::apply(*startWindow_, WindowManners::Kind::Main, store());
        connect(startWindow_, &StartWindow::logChosen, this, &Application::readLog);
    }
    startWindow_->show();
    return *startWindow_;
}

StartWindow* Application::startWindow() const {
    return startWindow_;
}

SelectionWindow* Application::existingSelectionWindow() const {
    return selectionWindow_;
}

SelectionWindow& Application::selectionWindow() {
    if (selectionWindow_ == nullptr) {
        selectionWindow_ = new SelectionWindow(workspace_);
        WindowManners::apply(*selectionWindow_, WindowManners::Kind::Main, store());
        connect(selectionWindow_, &SelectionWindow::reloadRequested, this, &Application::reloadLog);
        connect(selectionWindow_, &QObject::destroyed, this,
                [this] { workspace_.selection().discardAll(); });
        connect(selectionWindow_, &SelectionWindow::labelOptionsRequested, this,
                [this] { showLabelOptions(); });
        connect(selectionWindow_, &SelectionWindow::receivedCardsRequested, this,
                [this] { showReceivedCards(); });
    }
    return *selectionWindow_;
}

LabelOptionsWindow& Application::showLabelOptions() {
    return bringForward(labelOptions_, store(), [this] {
        auto* window = new LabelOptionsWindow(workspace_);
        connect(window, &LabelOptionsWindow::cardPrintingRequested, this,
                [this] { showCardPrinting(); });
        connect(window, &LabelOptionsWindow::sheetsRequested, this, [this] { showSheets(); });
        connect(window, &LabelOptionsWindow::addressBookRequested, this,
                [this](const QStringList& calls) { showAddressBook(calls); });
        return window;
    });
}

LabelOptionsWindow* Application::existingLabelOptions() const {
    return labelOptions_;
}

CardPrintWindow& Application::showCardPrinting() {
    return bringForward(cardPrinting_, store(), [this] {
        auto* window = new CardPrintWindow(workspace_);
        connect(window, &CardPrintWindow::layoutEditorRequested, this,
                [this] { showLayoutEditor(); });
        connect(window, &CardPrintWindow::labelOptionsRequested, this,
                [this] { showLabelOptions(); });
        connect(window, &CardPrintWindow::envelopesRequested, this, [this] {
            showLabelOptions().mailOptions()->choose(MailOptionsWidget::kEnvelopes);
        });
        return window;
    });
}

CardPrintWindow* Application::existingCardPrinting() const {
    return cardPrinting_;
}

SheetsWindow& Application::showSheets() {
    return bringForward(sheets_, store(), [this] {
        auto* window = new SheetsWindow(workspace_);
        connect(window, &SheetsWindow::sheetsChanged, this, [this] {
            workspace_.reloadSheets();
            if (labelOptions_) {
                labelOptions_->reloadSheets();
            }
        });
        return window;
    });
}

ReceivedCardsWindow& Application::showReceivedCards() {
    return bringForward(receivedCards_, store(), [this] {
        auto* window = new ReceivedCardsWindow(workspace_);
        connect(window, &ReceivedCardsWindow::readRequested, this, &Application::readLog);
        return window;
    });
}

AddressBookWindow& Application::showAddressBook(const QStringList& toComplete) {
    AddressBookWindow& window =
        bringForward(addressBook_, store(), [this] { return new AddressBookWindow(workspace_); });
    if (!toComplete.isEmpty()) {
        window.completeAddressesOf(toComplete);
    }
    return window;
}

LayoutEditor& Application::showLayoutEditor() {
    return bringForward(layoutEditor_, store(), [this] {
        auto* window = new LayoutEditor(workspace_);
        connect(window, &LayoutEditor::cardPrintingRequested, this, [this] { showCardPrinting(); });
        connect(window, &LayoutEditor::previewRequested, this, [this, window] {
            connect(&showPreview(*window), &QObject::destroyed, window,
                    &LayoutEditor::takeKeyboardBack, Qt::UniqueConnection);
        });
        return window;
    });
}

LayoutEditor* Application::existingLayoutEditor() const {
    return layoutEditor_;
}

LayoutPreview& Application::showPreview(const LayoutEditor& editor) {
    return bringForward(preview_, store(), [&] {
        return new LayoutPreview(editor.model(), editor.samples(), workspace_.dialogs(),
                                 editor.sampleQsos(),
                                 QFileInfo(workspace_.lastTemplate()).absolutePath());
    });
}

LayoutPreview* Application::existingPreview() const {
    return preview_;
}

void Application::readLog(const QString& fileName) {
    workspace_.setLogFileName(QString());
    auto log = std::make_shared<QsoLog>();
    WindowSink sink(*log);
    QString error;
    LogFingerprint fingerprint;
    const bool read = AdifReader::readFile(fileName, sink, &error, &fingerprint);
    log->setFingerprint(fingerprint);
    sink.showMessages(workspace_.dialogs());
    if (!read) {
        workspace_.dialogs().message(error);
        return;
    }
    workspace_.setLogFileName(fileName);
    workspace_.rememberLog(fileName);
    workspace_.selection().setFilter(workspace_.storedFilter());
    workspace_.selection().showLog(std::move(log));
    SelectionWindow& window = selectionWindow();
    window.show();
    window.raise();
}

void Application::reloadLog() {
    if (startWindow_ != nullptr) {
        startWindow_->loadLog();
        return;
    }
    Dialogs& dialogs = workspace_.dialogs();
    workspace_.selection().clearQsoList();
    const QString fileName = dialogs.openFileName(Workspace::logFilter(), workspace_.logFolder());
    if (fileName.isEmpty()) {
        dialogs.message(tr("selectionnez un fichier ou quitter"));
        return;
    }
    readLog(fileName);
}
