#pragma once

#include <QString>
#include <memory>

#include "selection/qso_selection.h"

class BureauOrder;
class Dialogs;
class QPrinter;
class SettingsStore;

// What the windows of one running program share: the desktop's dialogs, the
// settings store, the QSO lists, the station callsign and the current printer.
// The application owns it; windows are handed it and never reach each other.
class Workspace {
  public:
    Workspace(Dialogs& dialogs, SettingsStore& store);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Dialogs& dialogs() { return dialogs_; }
    SettingsStore& store() { return store_; }
    // Tells the operator, once, when the options cannot be kept.
    void reportStoreProblem();

    QsoSelection& selection() { return selection_; }
    const RowList& printList() const { return selection_.printList(); }

    const QString& stationCallsign() const { return stationCallsign_; }
    void setStationCallsign(const QString& callsign) { stationCallsign_ = callsign; }

    // The log last read, next to which printed PDF files are proposed.
    const QString& logFileName() const { return logFileName_; }
    void setLogFileName(const QString& fileName) { logFileName_ = fileName; }

    // The bureau order, from the country file read when first asked for; a
    // missing file is reported once and the order falls back to the callsigns.
    std::shared_ptr<const BureauOrder> bureauOrder();

    // "QSL non envoyées seulement", kept for each station.
    bool storedOwedOnly() const;
    void storeOwedOnly(bool owedOnly);

    // The printer the operator last chose in a printer dialog.
    QPrinter& printer();

  private:
    Dialogs& dialogs_;
    SettingsStore& store_;
    QsoSelection selection_;
    QString stationCallsign_;
    QString logFileName_;
    std::unique_ptr<QPrinter> printer_;
    std::shared_ptr<const BureauOrder> bureauOrder_;
};
