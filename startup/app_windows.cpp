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
    if (etiquettes_ == nullptr) {
        etiquettes_ = new Etiquettes(*this);
    }
    etiquettes_->show();
    etiquettes_->raise();
    etiquettes_->activateWindow();
    return *etiquettes_;
}

Etiquettes* AppWindows::existingEtiquettes() const {
    return etiquettes_;
}

Print_Bas_QSL& AppWindows::showCardPrinting() {
    if (cardPrinting_ == nullptr) {
        cardPrinting_ = new Print_Bas_QSL(*this);
    }
    cardPrinting_->show();
    cardPrinting_->raise();
    cardPrinting_->activateWindow();
    return *cardPrinting_;
}

Print_Bas_QSL* AppWindows::existingCardPrinting() const {
    return cardPrinting_;
}

Parametres_QSL1& AppWindows::showLayoutEditor() {
    if (layoutEditor_ == nullptr) {
        layoutEditor_ = new Parametres_QSL1(*this);
    }
    layoutEditor_->show();
    layoutEditor_->raise();
    layoutEditor_->activateWindow();
    return *layoutEditor_;
}

Parametres_QSL1* AppWindows::existingLayoutEditor() const {
    return layoutEditor_;
}

Apercu& AppWindows::showPreview(const Parametres_QSL1& editor) {
    if (preview_ == nullptr) {
        preview_ = new Apercu(editor.model(), editor.samples(), dialogs_);
    }
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
    return *preview_;
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
