#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "files/run_files.h"
#include "selection/qso_selection.h"
#include "settings/stored_setting.h"

class BureauOrder;
class Dialogs;
class QPrinter;
class SettingsStore;
class SheetTable;

// What the windows of one running program share: the desktop's dialogs, the
// settings store, the QSO lists, the station callsign and the current printer.
// The application owns it; windows are handed it and never reach each other.
class Workspace : public QObject {
    Q_OBJECT

  public:
    Workspace(Dialogs& dialogs, SettingsStore& store);
    ~Workspace() override;
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Dialogs& dialogs() { return dialogs_; }
    SettingsStore& store() { return store_; }
    // Tells the operator, once, when the options cannot be kept.
    void reportStoreProblem();

    QsoSelection& selection() { return selection_; }
    const RowList& printList() const { return selection_.printList(); }
    // The print list's QSOs for a print run: where some lack their callsign,
    // date or band, or belong to a station that wants no paper card, asks
    // once, naming them, whether to print them too or leave them out.
    QsoRecords recordsToPrint();

    const QString& stationCallsign() const { return stationCallsign_; }
    void setStationCallsign(const QString& callsign) { stationCallsign_ = callsign; }
    // The callsign a first start proposes, stored as it is until the operator changes it.
    static QString placeholderCallsign() { return StoredSettings::kCallsign.absentText(); }
    // Before printing: while the station callsign is still the placeholder, asks
    // for the real one and keeps it. False when the operator gives none.
    bool confirmStationCallsign();

    // The log last read, next to which printed PDF files are proposed.
    const QString& logFileName() const { return logFileName_; }
    // True, after saying so, when the print list holds no QSO: nothing to print,
    // asked before the print dialog opens.
    bool saysPrintListEmpty();

    // The label sheets, read once from planches.txt (its problem said once)
    // until the sheets window changes them.
    const SheetTable& sheets();
    void reloadSheets();

    // The files of a print from the windows: the settings file and those kept
    // beside it, the log read, and `read`.
    RunFiles runFiles(const QStringList& read = {}) const;
    void setLogFileName(const QString& fileName) { logFileName_ = fileName; }
    // The file dialog's filter for logs, in either case.
    static QString logFilter();
    // The folders the station's log and QSL templates were last taken from,
    // kept between runs (empty: never).
    QString logFolder() const;
    void rememberLog(const QString& fileName);
    QString templateFolder() const;
    QString lastTemplate() const;
    void rememberTemplate(const QString& fileName);

    // The bureau order, from the country file read when first asked for; a
    // missing file is reported once and the order falls back to the callsigns.
    std::shared_ptr<const BureauOrder> bureauOrder();

    // "QSL à envoyer :" and "Voie :", kept for each station.
    QslRound::Filter storedFilter() const;
    void storeFilter(const QslRound::Filter& filter);

    // The printer the operator last chose in a printer dialog.
    QPrinter& printer();

  signals:
    // The operator gave the station's callsign when asked before printing.
    void stationCallsignChanged(const QString& callsign);

  private:
    QString stationValue(const StoredSetting& setting) const;
    void storeStationValue(const StoredSetting& setting, const QString& value);

    Dialogs& dialogs_;
    SettingsStore& store_;
    QsoSelection selection_;
    QString stationCallsign_;
    QString logFileName_;
    std::unique_ptr<SheetTable> sheets_;
    std::unique_ptr<QPrinter> printer_;
    std::shared_ptr<const BureauOrder> bureauOrder_;
};
