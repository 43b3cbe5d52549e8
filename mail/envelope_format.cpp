#include "mail/envelope_format.h"

const std::vector<EnvelopeFormat>& EnvelopeFormat::all() {
    // clang-format off
    static const std::vector<EnvelopeFormat> formats{
        {"DL", "DL (220 × 110 mm)", 220, 110, QPageSize::EnvelopeDL},
        {"C6", "C6 (162 × 114 mm)", 162, 114, QPageSize::EnvelopeC6},
        {"C65", "C6/5 (229 × 114 mm)", 229, 114, QPageSize::EnvelopeC65},
        {"C5", "C5 (229 × 162 mm)", 229, 162, QPageSize::EnvelopeC5},
        {"US10", "US #10 (241 × 105 mm)", 241.3, 104.8, QPageSize::Envelope10},
    };
    // clang-format on
    return formats;
}

const EnvelopeFormat* EnvelopeFormat::find(const QString& name) {
    for (const EnvelopeFormat& format : all()) {
        if (name.compare(QLatin1String(format.name), Qt::CaseInsensitive) == 0 ||
            name == QString::fromUtf8(format.caption)) {
            return &format;
        }
    }
    return nullptr;
}

QRectF EnvelopeFormat::recipientBlock(QPointF shift) const {
    const QPointF topLeft(width * 0.45, height * 0.45);
    const QPointF bottomRight(width - kRecipientClearMillimetres,
                              height - kRecipientClearMillimetres);
    return QRectF(topLeft, bottomRight).translated(shift);
}

QRectF EnvelopeFormat::senderBlock(QPointF shift) const {
    return QRectF(kSenderMarginMillimetres, kSenderMarginMillimetres, width / 3.0, height / 3.0)
        .translated(shift);
}
