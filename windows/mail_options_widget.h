#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "windows/mail_printing.h"

class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class Workspace;
struct LabelOptions;

// The label options window's direct mail, one line beside its buttons: what
// a run prints (QSO labels, address labels on the chosen sheet, or envelopes
// of one size), "Expéditeur…" (a small window of the station's own address,
// its return-address labels and the shift of each envelope block) and the way
// to the address book. The window's print and preview hand a mail run over.
class MailOptionsWidget : public QWidget {
    Q_OBJECT

  public:
    enum Kind { kQsoLabels = 0, kAddressLabels = 1, kEnvelopes = 2 };

    explicit MailOptionsWidget(Workspace& workspace, QWidget* parent = nullptr);

    Kind kind() const;
    void choose(Kind kind);
    QComboBox* kindBox() const { return kinds_; }
    QComboBox* envelopeBox() const { return envelope_; }
    QPlainTextEdit* senderBox() const { return sender_; }
    QSpinBox* returnLabelsBox() const { return returnLabels_; }
    QPushButton* addressBookButton() const { return book_; }
    QPushButton* senderButton() const { return senderButton_; }
    // The small window of the sender's address, return labels and shifts.
    QWidget* senderWindow() const { return senderWindow_; }
    // The controls in reading order, for the window's tab order.
    QList<QWidget*> tabOrder() const;

    // The station's stored values into the controls, and back.
    void restore();
    void save();
    SenderSettings sender() const;

    // A mail kind is chosen: the window's print and preview are a mail run's.
    bool takesRun() const { return kind() != kQsoLabels; }
    // A run of the chosen kind: address labels on the sheet of `options`, or envelopes.
    void print(const LabelOptions& options);
    void preview(const LabelOptions& options, const std::function<void()>& print);

  signals:
    // The address book, with the calls to complete first.
    void addressBookRequested(const QStringList& calls);

  private:
    void buildKinds();
    void buildSender();
    QDoubleSpinBox* shiftBox(const QString& name, const QString& accessible);
    // The run's target; none (told) when address labels have no sheet.
    std::optional<MailPrinting::Target> target(const LabelOptions& options);
    MailPrinting printing();

    Workspace& workspace_;
    QComboBox* kinds_ = nullptr;
    QPushButton* senderButton_ = nullptr;
    QWidget* senderWindow_ = nullptr;
    QComboBox* envelope_ = nullptr;
    QPushButton* book_ = nullptr;
    QPlainTextEdit* sender_ = nullptr;
    QSpinBox* returnLabels_ = nullptr;
    QDoubleSpinBox* recipientX_ = nullptr;
    QDoubleSpinBox* recipientY_ = nullptr;
    QDoubleSpinBox* senderX_ = nullptr;
    QDoubleSpinBox* senderY_ = nullptr;
};
