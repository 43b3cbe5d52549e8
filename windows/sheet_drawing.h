#pragma once

#include <QWidget>

#include "labels/label_sheet.h"

// A drawing of a label sheet: the paper and its labels, to scale.
class SheetDrawing : public QWidget {
    Q_OBJECT

  public:
    explicit SheetDrawing(QWidget* parent = nullptr);

    void setSheet(const LabelSheet& sheet);
    QSize sizeHint() const override { return {220, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LabelSheet sheet_;
};
