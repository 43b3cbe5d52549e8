#include "startup/app_windows.h"

#include <QPrinter>

#include "labels/settings_store.h"
#include "platform/dialogs.h"

#include "labels/etiquettes.h"
#include "qslcard/apercu.h"
#include "qslcard/parametres_qsl1.h"
#include "qslcard/print_bas_qsl.h"
#include "selection/select_qso.h"
#include "startup/main.h"

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

AppWindows::AppWindows(Dialogs& dialogs, SettingsStore& store) : dialogs_(dialogs), store_(store) {}

AppWindows::~AppWindows() {
    delete preview_.data();
    delete layoutEditor_.data();
    delete cardPrinting_.data();
    delete etiquettes_.data();
    delete selectQso_.data();
    delete main_.data();
}

void AppWindows::reportStoreProblem() {
    const QString problem = store_.problemToReport();
    if (!problem.isEmpty()) {
        dialogs_.message(problem);
    }
}

Main& AppWindows::showMain() {
    if (main_ == nullptr) {
        main_ = new Main(*this);
    }
    main_->show();
    return *main_;
}

Main* AppWindows::main() const {
    return main_;
}

Select_QSO* AppWindows::existingSelectQso() const {
    return selectQso_;
}

Select_QSO& AppWindows::selectQso() {
    if (selectQso_ == nullptr) {
        selectQso_ = new Select_QSO(*this);
    }
    return *selectQso_;
}

const RowList* AppWindows::printList() const {
    return selectQso_ ? &selectQso_->Liste_Imprime() : nullptr;
}

Etiquettes& AppWindows::showEtiquettes() {
    return bringForward(etiquettes_, [this] { return new Etiquettes(*this); });
}

Etiquettes* AppWindows::existingEtiquettes() const {
    return etiquettes_;
}

Print_Bas_QSL& AppWindows::showCardPrinting() {
    return bringForward(cardPrinting_, [this] { return new Print_Bas_QSL(*this); });
}

Print_Bas_QSL* AppWindows::existingCardPrinting() const {
    return cardPrinting_;
}

Parametres_QSL1& AppWindows::showLayoutEditor() {
    return bringForward(layoutEditor_, [this] { return new Parametres_QSL1(*this); });
}

Parametres_QSL1* AppWindows::existingLayoutEditor() const {
    return layoutEditor_;
}

Apercu& AppWindows::showPreview(const Parametres_QSL1& editor) {
    return bringForward(preview_,
                        [&] { return new Apercu(editor.model(), editor.samples(), dialogs_); });
}

Apercu* AppWindows::existingPreview() const {
    return preview_;
}

QPrinter& AppWindows::printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}
