#include "startup/app_windows.h"

#include <QPrinter>

#include "labels/etiquettes.h"
#include "qslcard/print_bas_qsl.h"
#include "selection/select_qso.h"
#include "startup/main.h"

AppWindows::AppWindows(Dialogs& dialogs, SettingsStore& store) : dialogs_(dialogs), store_(store) {}

AppWindows::~AppWindows() {
    delete cardPrinting_.data();
    delete etiquettes_.data();
    delete selectQso_.data();
    delete main_.data();
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

void AppWindows::showLayoutEditor() {
    // The layout editor arrives with the QSL layout editing.
}

QPrinter& AppWindows::printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}
