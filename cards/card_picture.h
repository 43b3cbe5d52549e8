#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;
class QSvgRenderer;

// The picture a card for blank stock is printed on: a PNG or JPEG file kept
// at its own resolution (a PDF holds it once, however many cards show it), or
// an SVG drawing drawn as lines and shapes.
class CardPicture {
  public:
    CardPicture();
    ~CardPicture();
    CardPicture(const CardPicture&) = delete;
    CardPicture& operator=(const CardPicture&) = delete;

    // Where `file` is: a name without a folder is looked for in `folder`.
    // Empty when no picture is named.
    static QString fileOf(const QString& file, const QString& folder);

    // Reads `file` (a name without a folder is looked for in `folder`); false
    // with a French message when it is missing or cannot be read.
    bool load(const QString& file, const QString& folder, QString* problem);
    bool isLoaded() const { return !image_.isNull() || svg_ != nullptr; }
    // The picture's size in its own units (pixels for PNG and JPEG).
    QSizeF naturalSize() const;

    // Where the picture goes over `card`: filling it and cut at its edges
    // (`cover`), or whole inside it.
    QRectF placed(const QRectF& card, bool cover) const;
    // Draws the picture over `card` (device pixels); with `frame`, a thin line
    // `frameInset` pixels inside the card's edge.
    void paint(QPainter& painter, const QRectF& card, bool cover, bool frame,
               double frameInset) const;

  private:
    QImage image_;
    std::unique_ptr<QSvgRenderer> svg_;
};
