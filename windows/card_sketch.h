#pragma once

#include <QWidget>
#include <optional>

#include "cards/card_layout.h"
#include "cards/card_picture.h"
#include "cards/qsl_template.h"
#include "log/qso_record.h"

// What the layout preview draws under the lines of a card: the picture, the
// card's edge at its size, the bureaus' strip, the thanks and the QSO table
// filled with the first station's QSOs, at the preview's 52 twips per millimetre.
class CardSketch : public QWidget {
    Q_OBJECT

  public:
    CardSketch(const QslTemplate& model, const QsoRecords& qsos, const QString& templateFolder,
               QWidget* parent = nullptr);

    // The texts of the table and thanks as drawn, for the screen reader and tests.
    QStringList drawnTexts() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double pixelsPerMillimetre() const;

    QslTemplate model_;
    QsoRecords qsos_;
    std::optional<CardLayout> layout_;
    CardPicture picture_;
};
