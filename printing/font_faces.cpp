#include "printing/font_faces.h"

bool FontFaces::isFixedPitchName(const QString& name) {
    return name.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0 ||
           name.compare(QStringLiteral("Lucida Console"), Qt::CaseInsensitive) == 0;
}

QFont FontFaces::font(const QString& name, qreal pointSize, bool bold) {
    QFont font(name);
    if (isFixedPitchName(name)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
