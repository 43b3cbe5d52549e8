#include <gtest/gtest.h>

#include <QFontInfo>

#include "printing/font_faces.h"

namespace {

TEST(FontFaces, PrintingFacesResolveToFixedPitchStandIns) {
    const QFontInfo courier(FontFaces::font(QStringLiteral("Courier New"), 10));
    EXPECT_EQ(courier.family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(courier.fixedPitch());

    const QFontInfo lucida(FontFaces::font(QStringLiteral("Lucida Console"), 10));
    EXPECT_EQ(lucida.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(lucida.fixedPitch());

    const QFontInfo bold(FontFaces::font(QStringLiteral("Courier New"), 15, true));
    EXPECT_TRUE(bold.bold());
    EXPECT_DOUBLE_EQ(bold.pointSizeF(), 15.0);
}

}  // namespace
