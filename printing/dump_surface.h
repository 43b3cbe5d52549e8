#pragma once

#include <QByteArray>
#include <cstdio>

#include "printing/print_surface.h"

// Writes what would be printed as text, one line per operation:
//   line SIZE BOLD |TEXT|          a printed line of a label run
//   text X Y SIZE BOLD |TEXT|      a text placed at X, Y millimetres
//   mark X1 Y1 X2 Y2               a thin line (crop marks)
//   picture X Y WIDTH HEIGHT |NAME| a picture over that area
//   end / discard                  an ended or a discarded job
class DumpSurface : public PrintSurface {
  public:
    explicit DumpSurface(std::FILE* out) : out_(out) {}

    bool printLine(const QString& text) override;
    bool drawLine(QPointF from, QPointF to) override;
    bool drawPicture(const QRectF& area, const QString& name, const Painting& paint) override;
    bool endJob() override;
    void discardJob() override;

    static QString number(double value);

  private:
    void write(const QString& line);

    std::FILE* out_;
};
