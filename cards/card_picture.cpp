#include "cards/card_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

CardPicture::CardPicture() = default;
CardPicture::~CardPicture() = default;

QString CardPicture::fileOf(const QString& file, const QString& folder) {
    return file.isEmpty() ? QString() : QFileInfo(QDir(folder), file).absoluteFilePath();
}

bool CardPicture::load(const QString& file, const QString& folder, QString* problem) {
    const QString path = fileOf(file, folder);
    const QFileInfo info(path);
    const auto fail = [&] {
        *problem = QCoreApplication::translate(
                       "CardPicture",
                       "L'image %1 est introuvable ou illisible : les cartes sont imprimées "
                       "sans elle.")
                       .arg(file);
        return false;
    };
    image_ = QImage();
    svg_.reset();
    if (!info.isFile()) {
        return fail();
    }
    if (info.suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        auto renderer = std::make_unique<QSvgRenderer>(path);
        if (!renderer->isValid()) {
            return fail();
        }
        svg_ = std::move(renderer);
        return true;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    image_ = reader.read();
    return image_.isNull() ? fail() : true;
}

QSizeF CardPicture::naturalSize() const {
    if (svg_ != nullptr) {
        return svg_->viewBoxF().size();
    }
    return image_.size();
}

QRectF CardPicture::placed(const QRectF& card, bool cover) const {
    const QSizeF natural = naturalSize();
    if (natural.isEmpty()) {
        return card;
    }
    const QSizeF fitted =
        natural.scaled(card.size(), cover ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    const QPointF corner = card.center() - QPointF(fitted.width() / 2, fitted.height() / 2);
    return QRectF(corner, fitted);
}

void CardPicture::paint(QPainter& painter, const QRectF& card, bool cover, bool frame,
                        double frameInset) const {
    const QRectF target = placed(card, cover);
    if (svg_ != nullptr) {
        svg_->render(&painter, target);
    } else if (!image_.isNull()) {
        // The whole image, scaled by the painter: a PDF keeps every pixel and
        // holds the image once for all the cards that show it.
        painter.drawImage(target, image_);
    }
    if (frame) {
        painter.save();
        painter.setPen(QPen(Qt::black, frameInset / 16));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(card.adjusted(frameInset, frameInset, -frameInset, -frameInset));
        painter.restore();
    }
}
