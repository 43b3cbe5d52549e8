#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "windows/workspace.h"

class Dialogs;
class SettingsStore;
class StartWindow;
class SelectionWindow;
class LabelOptionsWindow;
class CardPrintWindow;
class LayoutEditor;
class LayoutPreview;
class SheetsWindow;
class AddressBookWindow;
class ReceivedCardsWindow;
class QPrinter;

// The running program: owns what the windows share (the workspace, with the
// QSO lists) and the windows themselves, and shows a window when another asks
// for it. Windows never include each other's headers nor this one.
class Application : public QObject {
    Q_OBJECT

  public:
    Application(Dialogs& dialogs, SettingsStore& store);
    ~Application() override;

    Workspace& workspace() { return workspace_; }
    Dialogs& dialogs() { return workspace_.dialogs(); }
    SettingsStore& store() { return workspace_.store(); }
    const QString& stationCallsign() const { return workspace_.stationCallsign(); }
    void setStationCallsign(const QString& callsign) { workspace_.setStationCallsign(callsign); }
    const RowList& printList() const { return workspace_.printList(); }
    QPrinter& printer() { return workspace_.printer(); }

    const QString& logFileName() const { return workspace_.logFileName(); }

    // The start-up window, created and shown at program start.
    StartWindow& showStartWindow();
    StartWindow* startWindow() const;

    // The selection window, created hidden when first needed.
    SelectionWindow& selectionWindow();
    SelectionWindow* existingSelectionWindow() const;

    // The label options window, opened (or brought forward) from the selection window.
    LabelOptionsWindow& showLabelOptions();
    LabelOptionsWindow* existingLabelOptions() const;

    // The card print window, opened for direct printing on QSL cards.
    CardPrintWindow& showCardPrinting();
    CardPrintWindow* existingCardPrinting() const;

    // The label sheets window ("Planches…"), opened from the label options window.
    SheetsWindow& showSheets();

    // "Cartes reçues…": the bundle of cards received, marked in a copy of the log.
    ReceivedCardsWindow& showReceivedCards();

    // The address book ("Adresses…"); with calls, those to complete first.
    AddressBookWindow& showAddressBook(const QStringList& toComplete = {});

    // The layout editor of QSL cards: opened, or brought forward when open.
    LayoutEditor& showLayoutEditor();
    LayoutEditor* existingLayoutEditor() const;

    // The preview of the editor's layout: built when it opens, only brought
    // forward while it stays open.
    LayoutPreview& showPreview(const LayoutEditor& editor);
    LayoutPreview* existingPreview() const;

    // Reads a log into the QSO list and shows the selection window; a log that
    // cannot be read is reported and leaves the lists as they are.
    void readLog(const QString& fileName);
    // "Tri par date": the log asked for again, from the start-up window when it
    // is open, else straight away with the station callsign already known.
    void reloadLog();

  private:
    Workspace workspace_;
    QPointer<StartWindow> startWindow_;
    QPointer<SelectionWindow> selectionWindow_;
    QPointer<LabelOptionsWindow> labelOptions_;
    QPointer<CardPrintWindow> cardPrinting_;
    QPointer<LayoutEditor> layoutEditor_;
    QPointer<LayoutPreview> preview_;
    QPointer<SheetsWindow> sheets_;
    QPointer<AddressBookWindow> addressBook_;
    QPointer<ReceivedCardsWindow> receivedCards_;
};
