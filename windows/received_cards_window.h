#pragma once

#include <QWidget>
#include <vector>

#include "selection/card_bundle.h"

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QsoLog;
class Workspace;

// "Cartes reçues…": the calls of a bundle of cards, typed or scanned one per
// line, matched against the log read as they are typed; the QSOs found (and
// those ticked among lines matching several) are marked received in a copy of
// the log, which the window then offers to read.
class ReceivedCardsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ReceivedCardsWindow(Workspace& workspace, QWidget* parent = nullptr);
    ~ReceivedCardsWindow() override;

    QPlainTextEdit* bundleBox() const { return bundle_; }
    QListWidget* foundList() const { return found_; }
    QListWidget* unmatchedList() const { return unmatched_; }
    // One checkable row per QSO of a line that matches several.
    QListWidget* severalList() const { return several_; }
    QComboBox* routeBox() const { return route_; }

    // The lines matched again against the log read last.
    void showMatches();
    // "Marquer comme reçues".
    void markReceived();

  signals:
    // The marked copy, to be read as a log.
    void readRequested(const QString& fileName);

  private:
    QsoRecords chosenQsos() const;
    QString writeCopy(const QsoRecords& qsos);

    Workspace& workspace_;
    QPlainTextEdit* bundle_ = nullptr;
    QListWidget* found_ = nullptr;
    QListWidget* unmatched_ = nullptr;
    QListWidget* several_ = nullptr;
    QComboBox* route_ = nullptr;
    const QsoLog* indexed_ = nullptr;
    std::unique_ptr<CardBundle> cards_;
    std::vector<CardBundle::Line> lines_;
    QsoRecords severalQsos_;  // the QSO of each row of several_
};
