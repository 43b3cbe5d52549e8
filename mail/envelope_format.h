#pragma once

#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

// An envelope size the program prints on, in landscape, and where its two
// address blocks sit by default. Millimetres from the envelope's top-left
// corner as it lies in landscape.
struct EnvelopeFormat {
    const char* name;     // as --envelope takes it: DL, C6, C65, C5, US10
    const char* caption;  // as the window shows it
    double width;
    double height;
    QPageSize::PageSizeId pageSizeId;

    QSizeF size() const { return {width, height}; }
    // Qt's page size of the envelope (portrait); print it in landscape.
    QPageSize pageSize() const { return QPageSize(pageSizeId); }

    // The recipient block: its left edge at 45 % of the width, its top at
    // 45 % of the height, 15 mm clear of the right and bottom edges.
    QRectF recipientBlock(QPointF shift = {}) const;
    // The sender's block: 10 mm from the top and left edges, a third of the
    // width wide and a third of the height high.
    QRectF senderBlock(QPointF shift = {}) const;

    static constexpr double kRecipientClearMillimetres = 15.0;
    static constexpr double kSenderMarginMillimetres = 10.0;
    static constexpr float kRecipientLargestSize = 12.0f;
    static constexpr float kSenderLargestSize = 9.0f;

    static const std::vector<EnvelopeFormat>& all();
    // By --envelope name or caption, whatever the case; null when unknown.
    static const EnvelopeFormat* find(const QString& name);
};
