#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

// Where the print runs draw: a current job, a current face, size and weight,
// and a current position measured from the top-left corner of the printable
// area. The label run only prints lines, one under the other; the card run
// places each text at a position in millimetres.
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    QString fontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    float fontSize() const { return fontSize_; }
    void setFontSize(float points) { fontSize_ = points; }
    bool bold() const { return bold_; }
    void setBold(bool on) { bold_ = on; }

    // The position of the next line, in millimetres (cards only).
    void setPosition(double xMillimetres, double yMillimetres);

    // Draws the text with its top-left corner at the current position, then
    // moves down by one line of the current font. False when the printer failed.
    virtual bool printLine(const QString& text) = 0;
    // Draws a thin line between two points, in millimetres like positions.
    virtual bool drawLine(QPointF from, QPointF to) = 0;
    // Paints a picture over `area` (millimetres like positions), nothing drawn
    // outside it: `paint` is given the area in the painter's device pixels.
    // `name` is what a dump shows of it.
    using Painting = std::function<void(QPainter&, const QRectF& pixels)>;
    virtual bool drawPicture(const QRectF& area, const QString& name, const Painting& paint) = 0;
    // Sends all drawn since the job began as one job; the next drawing starts
    // a fresh page. False when the job could not be sent.
    virtual bool endJob() = 0;
    // Throws away what was drawn since the job began.
    virtual void discardJob() = 0;

    // What went wrong, in French, after a false result.
    QString error() const { return error_; }

  protected:
    bool hasPosition() const { return hasPosition_; }
    double positionX() const { return x_; }
    double positionY() const { return y_; }
    void clearPosition() { hasPosition_ = false; }
    void setError(const QString& text) { error_ = text; }

  private:
    QString fontName_ = QStringLiteral("Arial");
    float fontSize_ = 10.0f;
    bool bold_ = false;
    bool hasPosition_ = false;
    double x_ = 0;
    double y_ = 0;
    QString error_;
};
