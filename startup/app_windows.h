#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class Dialogs;
class SettingsStore;
class Main;
class Select_QSO;
class RowList;
class Etiquettes;
class Print_Bas_QSL;
class Parametres_QSL1;
class Apercu;
class QPrinter;

// Owns the windows of one running program and what they share: the station
// callsign, the dialogs and the settings store. Windows reach each other
// through it, so none of them keeps a copy of another's data.
class AppWindows {
  public:
    AppWindows(Dialogs& dialogs, SettingsStore& store);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    Dialogs& dialogs() { return dialogs_; }
    SettingsStore& store() { return store_; }
    // Tells the operator, once, when the options cannot be kept.
    void reportStoreProblem();

    const QString& indicatifStation() const { return indicatifStation_; }
    void setIndicatifStation(const QString& callsign) { indicatifStation_ = callsign; }

    // The start-up window, created and shown at program start.
    Main& showMain();
    Main* main() const;

    // The selection window, created hidden when first needed.
    Select_QSO& selectQso();
    Select_QSO* existingSelectQso() const;

    // The print list that the print runs read; null when the selection window is closed.
    const RowList* printList() const;

    // The label options window, opened (or brought forward) from the selection window.
    Etiquettes& showEtiquettes();
    Etiquettes* existingEtiquettes() const;

    // The card print window, opened for direct printing on QSL cards.
    Print_Bas_QSL& showCardPrinting();
    Print_Bas_QSL* existingCardPrinting() const;

    // The layout editor of QSL cards: opened, or brought forward when open.
    Parametres_QSL1& showLayoutEditor();
    Parametres_QSL1* existingLayoutEditor() const;

    // The preview of the editor's layout: built when it opens, only brought
    // forward while it stays open.
    Apercu& showPreview(const Parametres_QSL1& editor);
    Apercu* existingPreview() const;

    // The current printer: the one the operator last chose in a printer dialog.
    QPrinter& printer();

  private:
    Dialogs& dialogs_;
    SettingsStore& store_;
    QString indicatifStation_;
    QPointer<Main> main_;
    QPointer<Select_QSO> selectQso_;
    QPointer<Etiquettes> etiquettes_;
    QPointer<Print_Bas_QSL> cardPrinting_;
    QPointer<Parametres_QSL1> layoutEditor_;
    QPointer<Apercu> preview_;
    std::unique_ptr<QPrinter> printer_;
};
