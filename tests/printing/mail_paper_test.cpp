#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "labels/label_sheet.h"
#include "labels/sheet_table.h"
#include "mail/address_label_run.h"
#include "mail/envelope_run.h"
#include "printing/printer_surface.h"
#include "support/pdf_text.h"

namespace {

// Addresses of every shape: short, long names, many lines, accented text.
std::vector<MailPiece> samplePieces(int count) {
    const QStringList shapes[] = {
        {QStringLiteral("ON4AAA"), QStringLiteral("Jean Dupont"), QStringLiteral("Rue Neuve 1"),
         QStringLiteral("1000 Bruxelles"), QStringLiteral("Belgium")},
        {QStringLiteral("EA8XYZ"), QStringLiteral("José María Fernández de la Peña y Lóriga"),
         QStringLiteral("Calle de los Almendros 123, 4º izquierda"),
         QStringLiteral("38001 Santa Cruz de Tenerife"), QStringLiteral("Spain")},
        {QStringLiteral("W1AW"), QStringLiteral("ARRL HQ"), QStringLiteral("225 Main St"),
         QStringLiteral("Newington CT 06111"), QStringLiteral("USA")},
        {QStringLiteral("JA1XYZ"), QStringLiteral("Taro Yamada"), QStringLiteral("Tokyo")},
    };
    std::vector<MailPiece> pieces;
    for (int i = 0; i < count; ++i) {
        const QStringList& lines = shapes[i % 4];
        pieces.push_back({lines.first(), lines});
    }
    return pieces;
}

bool inside(const PdfWord& word, const QRectF& box) {
    constexpr double kSlack = 0.3;  // pdftotext's box is the glyphs' advance
    return word.left >= box.left() - kSlack && word.right <= box.right() + kSlack &&
           word.top >= box.top() - kSlack && word.bottom <= box.bottom() + kSlack;
}

TEST(MailPaper, EveryWordOfAnAddressStaysInsideItsLabelOnEverySheet) {
    if (!pdftotextAvailable()) {
        GTEST_SKIP() << "pdftotext missing";
    }
    QTemporaryDir dir;
    for (const LabelSheet& sheet : SheetTable::builtIn()) {
        const QString pdf = dir.filePath(QStringLiteral("addresses.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(sheet.pageSize());
        PrinterSurface surface(printer, QPointF());
        surface.measureFromPaperEdge();
        AddressLabelRun run(sheet, surface);
        run.setReturnAddress({QStringLiteral("F9XQA"), QStringLiteral("1 rue de la Paix")}, 3);
        const std::vector<MailPiece> pieces = samplePieces(sheet.labelsPerSheet() + 2);
        ASSERT_EQ(run.run(pieces), AddressLabelRun::Outcome::Completed)
            << run.error().toStdString();
        ASSERT_TRUE(surface.finish());
        const std::vector<QRectF> labels = sheet.labels();
        int pages = 0;
        int calls = 0;
        for (const PdfWord& word : pdfWords(pdf, &pages)) {
            const bool placed = std::any_of(labels.begin(), labels.end(), [&](const QRectF& label) {
                const double clear = 1.0;  // of the 1.5 mm kept, less the glyphs' side bearings
                return inside(word, label.adjusted(clear, clear, -clear, -clear));
            });
            EXPECT_TRUE(placed) << sheet.name.toStdString() << ": " << word.text.toStdString()
                                << " at " << word.left << ", " << word.top;
            // Within the printer's reach too: 4 mm from the paper's edge when it does not say.
            const double reach = 4.0 - 0.5;  // less the glyphs' side bearings
            EXPECT_TRUE(inside(
                word, QRectF(QPointF(), sheet.paperSize()).adjusted(reach, reach, -reach, -reach)))
                << sheet.name.toStdString() << ": " << word.text.toStdString() << " at "
                << word.left << ", " << word.top;
            calls += word.text == u"ON4AAA" || word.text == u"EA8XYZ" || word.text == u"W1AW" ||
                     word.text == u"JA1XYZ" || word.text == u"F9XQA";
        }
        const int fitted = static_cast<int>(pieces.size()) - static_cast<int>(run.unfit().size());
        EXPECT_EQ(calls, fitted + 3) << sheet.name.toStdString();
        EXPECT_EQ(pages, (fitted + 3 + sheet.labelsPerSheet() - 1) / sheet.labelsPerSheet())
            << sheet.name.toStdString();
        for (const QString& call : run.unfit()) {
            EXPECT_EQ(call, QStringLiteral("EA8XYZ")) << sheet.name.toStdString();
        }
    }
}

TEST(MailPaper, EnvelopesPutTheRecipientLowerRightAndTheSenderTopLeft) {
    if (!pdftotextAvailable()) {
        GTEST_SKIP() << "pdftotext missing";
    }
    QTemporaryDir dir;
    for (const EnvelopeFormat& format : EnvelopeFormat::all()) {
        const QString pdf = dir.filePath(QStringLiteral("envelopes.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(format.pageSize());
        printer.setPageOrientation(QPageLayout::Landscape);
        PrinterSurface surface(printer, QPointF());
        surface.measureFromPaperEdge();
        EnvelopeRun run(format, surface);
        run.setSender({QStringLiteral("F9XQA"), QStringLiteral("Paul Martin"),
                       QStringLiteral("1 rue de la Paix"), QStringLiteral("75002 Paris")});
        std::vector<MailPiece> pieces = samplePieces(4);
        pieces.push_back(
            {QStringLiteral("LONG"), {QStringLiteral("LONG"), QString(120, QLatin1Char('x'))}});
        ASSERT_EQ(run.run(pieces), EnvelopeRun::Outcome::Completed) << run.error().toStdString();
        ASSERT_TRUE(surface.finish());
        EXPECT_EQ(run.unfit(), QStringList{QStringLiteral("LONG")}) << format.name;
        int pages = 0;
        const std::vector<PdfWord> words = pdfWords(pdf, &pages);
        EXPECT_EQ(pages, 4) << format.name;
        const QRectF recipient = format.recipientBlock();
        const QRectF sender = format.senderBlock();
        for (const PdfWord& word : words) {
            EXPECT_TRUE(inside(word, recipient) || inside(word, sender))
                << format.name << ": " << word.text.toStdString() << " at " << word.left << ", "
                << word.top;
            EXPECT_LE(word.right, format.width - 15) << format.name;
            EXPECT_LE(word.bottom, format.height - 15) << format.name;
        }
    }
}

}  // namespace
