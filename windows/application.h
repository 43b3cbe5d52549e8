#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class Dialogs;
class SettingsStore;
class StartWindow;
class SelectionWindow;
class RowList;
class LabelOptionsWindow;
class CardPrintWindow;
class LayoutEditor;
class LayoutPreview;
class QPrinter;

// Owns the windows of one running program and what they share: the station
// callsign, the dialogs and the settings store. Windows reach each other
// through it, so none of them keeps a copy of another's data.
class Application {
  public:
    Application(Dialogs& dialogs, SettingsStore& store);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Dialogs& dialogs() { return dialogs_; }
    SettingsStore& store() { return store_; }
    // Tells the operator, once, when the options cannot be kept.
    void reportStoreProblem();

    const QString& stationCallsign() const { return stationCallsign_; }

    // The log last read into the QSO list (empty when none): a PDF may not replace it.
    const QString& logFileName() const { return logFileName_; }
    void setLogFileName(const QString& fileName) { logFileName_ = fileName; }
    void setStationCallsign(const QString& callsign) { stationCallsign_ = callsign; }

    // The start-up window, created and shown at program start.
    StartWindow& showStartWindow();
    StartWindow* main() const;

    // The selection window, created hidden when first needed.
    SelectionWindow& selectionWindow();
    SelectionWindow* existingSelectionWindow() const;

    // The print list that the print runs read; null when the selection window is closed.
    const RowList* printList() const;

    // The label options window, opened (or brought forward) from the selection window.
    LabelOptionsWindow& showLabelOptions();
    LabelOptionsWindow* existingLabelOptions() const;

    // The card print window, opened for direct printing on QSL cards.
    CardPrintWindow& showCardPrinting();
    CardPrintWindow* existingCardPrinting() const;

    // The layout editor of QSL cards: opened, or brought forward when open.
    LayoutEditor& showLayoutEditor();
    LayoutEditor* existingLayoutEditor() const;

    // The preview of the editor's layout: built when it opens, only brought
    // forward while it stays open.
    LayoutPreview& showPreview(const LayoutEditor& editor);
    LayoutPreview* existingPreview() const;

    // The current printer: the one the operator last chose in a printer dialog.
    QPrinter& printer();

  private:
    Dialogs& dialogs_;
    SettingsStore& store_;
    QString stationCallsign_;
    QString logFileName_;
    QPointer<StartWindow> main_;
    QPointer<SelectionWindow> selectionWindow_;
    QPointer<LabelOptionsWindow> labelOptions_;
    QPointer<CardPrintWindow> cardPrinting_;
    QPointer<LayoutEditor> layoutEditor_;
    QPointer<LayoutPreview> preview_;
    std::unique_ptr<QPrinter> printer_;
};
