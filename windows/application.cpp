#include "windows/application.h"

#include <QPrinter>

#include "platform/dialogs.h"
#include "settings/settings_store.h"

#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/layout_editor.h"
#include "windows/layout_preview.h"
#include "windows/selection_window.h"
#include "windows/sheets_window.h"
#include "windows/start_window.h"

namespace {

// Shows a window, created by `create` when it is not open, and brings it forward.
template <typename Window, typename Create>
Window& bringForward(QPointer<Window>& window, Create create) {
    if (window == nullptr) {
        window = create();
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace

Application::Application(Dialogs& dialogs, SettingsStore& store)
    : dialogs_(dialogs), store_(store) {}

Application::~Application() {
    delete preview_.data();
    delete layoutEditor_.data();
    delete cardPrinting_.data();
    delete labelOptions_.data();
    delete selectionWindow_.data();
    delete main_.data();
}

void Application::reportStoreProblem() {
    const QString problem = store_.problemToReport();
    if (!problem.isEmpty()) {
        dialogs_.message(problem);
    }
}

StartWindow& Application::showStartWindow() {
    if (main_ == nullptr) {
        main_ = new StartWindow(*this);
    }
    main_->show();
    return *main_;
}

StartWindow* Application::main() const {
    return main_;
}

SelectionWindow* Application::existingSelectionWindow() const {
    return selectionWindow_;
}

SelectionWindow& Application::selectionWindow() {
    if (selectionWindow_ == nullptr) {
        selectionWindow_ = new SelectionWindow(*this);
    }
    return *selectionWindow_;
}

const RowList* Application::printList() const {
    return selectionWindow_ ? &selectionWindow_->printList() : nullptr;
}

LabelOptionsWindow& Application::showLabelOptions() {
    return bringForward(labelOptions_, [this] { return new LabelOptionsWindow(*this); });
}

LabelOptionsWindow* Application::existingLabelOptions() const {
    return labelOptions_;
}

CardPrintWindow& Application::showCardPrinting() {
    return bringForward(cardPrinting_, [this] { return new CardPrintWindow(*this); });
}

CardPrintWindow* Application::existingCardPrinting() const {
    return cardPrinting_;
}

SheetsWindow& Application::showSheets() {
    return bringForward(sheets_, [this] {
        auto* window = new SheetsWindow(*this);
        QObject::connect(window, &SheetsWindow::sheetsChanged, window, [this] {
            if (labelOptions_) {
                labelOptions_->reloadSheets();
            }
        });
        return window;
    });
}

LayoutEditor& Application::showLayoutEditor() {
    return bringForward(layoutEditor_, [this] { return new LayoutEditor(*this); });
}

LayoutEditor* Application::existingLayoutEditor() const {
    return layoutEditor_;
}

LayoutPreview& Application::showPreview(const LayoutEditor& editor) {
    return bringForward(
        preview_, [&] { return new LayoutPreview(editor.model(), editor.samples(), dialogs_); });
}

LayoutPreview* Application::existingPreview() const {
    return preview_;
}

QPrinter& Application::printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}
