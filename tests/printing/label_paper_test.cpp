#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>

#include "labels/label_print_run.h"
#include "labels/sheet_table.h"
#include "log/qso_row.h"
#include "printing/print_geometry.h"
#include "printing/printer_surface.h"
#include "support/pdf_text.h"
#include "support/qso_rows.h"
#include "support/sample_options.h"

namespace {

// Published sheet geometry, millimetres from the paper edge.
struct Sheet {
    int format;
    double left, top, width, height, across, down;
    int rows;
};

const Sheet kSheets[] = {
    {1, 4.67, 13.02, 99.06, 33.87, 101.6, 33.87, 8},
    {2, 4.65, 12.5, 99.1, 34, 101.6, 34, 8},
    {3, 0, 0.5, 105, 37, 105, 37, 8},
    {4, 4.67, 15.15, 99.06, 38.1, 101.6, 38.1, 7},
    {6, 0, 8.5, 105, 35, 105, 35, 8},
};

void fillOrdinaryQsos(TestPrintList& list, int count) {
    const char* const calls[] = {"F5ABC",  "EA8XYZ", "DL1AA",  "G4ABC", "JA1XYZ", "K1ZZ",
                                 "ON4AB",  "PA3XYZ", "VK2ABC", "F9XQB", "I2ABC",  "OH2BH",
                                 "SP5ABC", "HB9XYZ", "LA1AB",  "W1AW"};
    const char* const modes[] = {"SSB", "CW", "FT8", "RTTY"};
    for (int i = 0; i < count; ++i) {
        list.add(qsoValues(calls[i % 16], i % 3 == 0 ? "F9XQC" : "", i % 2 ? "14 Mhz" : "144 Mhz",
                           modes[i % 4], i % 2 ? "599" : "59"));
    }
}

LabelOptions optionsFor(int format, int type) {
    LabelOptions options = sampleLabelOptions();
    options.station = QStringLiteral("F9XQA");
    options.format = format;
    options.type = type;
    options.offset = QStringLiteral("0");
    return options;
}

// Stations with 7, 3 and 1 QSOs, one of them through a QSL manager, mixed
// with ordinary QSOs.
void fillStations(TestPrintList& list) {
    const char* const modes[] = {"SSB", "CW", "FT8", "RTTY"};
    for (int i = 0; i < 7; ++i) {
        list.add(qsoValues("EA8XYZ", "", i % 2 ? "144 Mhz" : "14 Mhz", modes[i % 4], "599",
                           i % 2 ? "30/12/24" : "01/01/25"));
        if (i < 3) {
            list.add(qsoValues("DL1AA", "F9XQC", "7 Mhz", "CW", "599"));
        }
        list.add(qsoValues(i % 2 ? "G4ABC" : "JA1XYZ", "", "28 Mhz", "SSB", "59"));
    }
}

QString printToPdf(const QTemporaryDir& dir, const LabelOptions& options, int qsos) {
    const QString pdf =
        dir.filePath(QStringLiteral("labels_%1_%2.pdf").arg(options.format).arg(options.type));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const double origin = PrintGeometry::kPdfLabelOriginMillimetres;
    PrinterSurface surface(printer, QPointF(origin, origin));
    TestPrintList list;
    if (options.group) {
        fillStations(list);
    } else {
        fillOrdinaryQsos(list, qsos);
    }
    LabelPrintRun run(options, surface, nullptr);
    EXPECT_EQ(run.run(list), LabelPrintRun::Outcome::Completed) << run.error().toStdString();
    EXPECT_TRUE(surface.finish());
    return pdf;
}

// Prints `qsos` QSOs on a sheet whose labels are fitted one by one.
QString printFittedPdf(const QTemporaryDir& dir, const LabelSheet& sheet,
                       const LabelOptions& options, int qsos) {
    const QString pdf = dir.filePath(QStringLiteral("fitted.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(sheet.pageSize());
    PrinterSurface surface(printer, QPointF());
    surface.measureFromPaperEdge();
    TestPrintList list;
    if (options.group) {
        fillStations(list);
    } else {
        fillOrdinaryQsos(list, qsos);
    }
    LabelPrintRun run(options, surface, nullptr);
    run.useSheet(sheet);
    EXPECT_EQ(run.run(list), LabelPrintRun::Outcome::Completed) << run.error().toStdString();
    EXPECT_TRUE(surface.finish());
    return pdf;
}

// Every word lies inside its label: vertically exactly, horizontally within
// 1 mm (some right-label lines start in the gap). Gives the words of each row.
std::vector<int> expectWordsInsideLabels(const Sheet& sheet, const std::vector<PdfWord>& words) {
    constexpr double kExact = 0.01;
    std::vector<int> wordsPerRow(static_cast<size_t>(sheet.rows), 0);
    for (const PdfWord& word : words) {
        const int row = static_cast<int>(std::floor((word.top - sheet.top) / sheet.down));
        EXPECT_GE(row, 0) << word.text.toStdString() << " at " << word.top << " mm";
        EXPECT_LT(row, sheet.rows) << word.text.toStdString() << " at " << word.top << " mm";
        if (row < 0 || row >= sheet.rows) {
            continue;
        }
        const double labelTop = sheet.top + row * sheet.down;
        EXPECT_LE(word.bottom, labelTop + sheet.height + kExact)
            << "format " << sheet.format << " row " << row << " '" << word.text.toStdString()
            << "'";
        const double middle = (word.left + word.right) / 2;
        const int column =
            middle < sheet.left + sheet.width + (sheet.across - sheet.width) / 2 ? 0 : 1;
        const double labelLeft = sheet.left + column * sheet.across;
        EXPECT_GE(word.left, labelLeft - 1.0) << word.text.toStdString();
        EXPECT_LE(word.right, labelLeft + sheet.width + 1.0) << word.text.toStdString();
        ++wordsPerRow[static_cast<size_t>(row)];
    }
    return wordsPerRow;
}

void expectInsideLabels(const Sheet& sheet, int type) {
    QTemporaryDir dir;
    int pages = 0;
    const std::vector<PdfWord> words =
        pdfWords(printToPdf(dir, optionsFor(sheet.format, type), 16), &pages);
    EXPECT_EQ(pages, (8 + sheet.rows - 1) / sheet.rows);
    ASSERT_GT(words.size(), 100u);
    for (int count : expectWordsInsideLabels(sheet, words)) {
        EXPECT_GT(count, 10);
    }
}

class LabelPaper : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!pdftotextAvailable()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
    }
};

TEST_F(LabelPaper, QsoLabelsLandOnEverySheet) {
    for (const Sheet& sheet : kSheets) {
        SCOPED_TRACE(sheet.format);
        expectInsideLabels(sheet, LabelOptions::kQsoLabel);
    }
}

TEST_F(LabelPaper, ActivationLabelsLandOnFormatsOneToFour) {
    for (const Sheet& sheet : kSheets) {
        if (sheet.format == 6) {
            continue;  // 96 points of lines for a 35 mm pitch: cannot fit that sheet
        }
        SCOPED_TRACE(sheet.format);
        expectInsideLabels(sheet, LabelOptions::kActivationLabel);
    }
}

// Grouped labels keep every word inside its label, in both languages; the
// station with 7 QSOs fills whole labels (at least 3 QSOs each on the
// 33.87 mm sheet) and goes on to the next under the same address.
TEST_F(LabelPaper, GroupedLabelsLandOnEverySheet) {
    for (const Sheet& sheet : kSheets) {
        for (const int type : {LabelOptions::kQsoLabel, LabelOptions::kActivationLabel}) {
            if (type == LabelOptions::kActivationLabel && sheet.format == 6) {
                continue;  // as ungrouped: activation labels cannot fit that sheet
            }
            for (const bool french : {true, false}) {
                SCOPED_TRACE(std::to_string(sheet.format) + (french ? " fr " : " en ") +
                             std::to_string(type));
                LabelOptions options = optionsFor(sheet.format, type);
                options.french = french;
                options.group = true;
                QTemporaryDir dir;
                int pages = 0;
                const std::vector<PdfWord> words = pdfWords(printToPdf(dir, options, 0), &pages);
                EXPECT_EQ(pages, 1);
                expectWordsInsideLabels(sheet, words);
                int dates = 0;
                int addresses = 0;
                for (const PdfWord& word : words) {
                    dates += word.text == u"01/01/25" || word.text == u"30/12/24" ? 1 : 0;
                    addresses += word.text == u"EA8XYZ" ? 1 : 0;
                }
                EXPECT_EQ(dates, 7);
                EXPECT_LE(addresses, 3);
                EXPECT_GE(addresses, 2);
            }
        }
    }
}

TEST_F(LabelPaper, SheetsArePagesOfOnePdf) {
    QTemporaryDir dir;
    int pages = 0;
    const std::vector<PdfWord> words = pdfWords(printToPdf(dir, optionsFor(1, 2), 17), &pages);
    EXPECT_EQ(pages, 2);
    // The printed text is the composed text, blanks aside.
    bool found = false;
    for (const PdfWord& word : words) {
        found = found || word.text == u"Branleux" || word.text == u"Dipole";
    }
    EXPECT_TRUE(found);
}

// Label `index` of a sheet, counted across each row then down, as the
// published geometry places it.
int labelAt(const Sheet& sheet, const PdfWord& word) {
    const int row = static_cast<int>(std::floor((word.top - sheet.top) / sheet.down));
    const double middle = (word.left + word.right) / 2;
    const int column = middle < sheet.left + sheet.width + (sheet.across - sheet.width) / 2 ? 0 : 1;
    return row * 2 + column;
}

// A used first sheet: nothing at all is printed on the labels before the
// first one asked for, on a tuned sheet and on a fitted one.
TEST_F(LabelPaper, LabelsBeforeTheFirstOneStayBlank) {
    QTemporaryDir dir;
    LabelOptions options = optionsFor(1, LabelOptions::kQsoLabel);
    options.firstLabel = 6;
    int pages = 0;
    std::vector<int> perLabel(16, 0);
    for (const PdfWord& word : pdfWords(printToPdf(dir, options, 4), &pages)) {
        ++perLabel[static_cast<size_t>(labelAt(kSheets[0], word))];
    }
    EXPECT_EQ(pages, 1);
    // Label 9, right of the last QSO, has the fixed words of a label without QSO.
    for (int index = 0; index < 16; ++index) {
        EXPECT_EQ(perLabel[static_cast<size_t>(index)] > 0, index >= 5 && index < 10) << index;
    }

    for (const LabelSheet& sheet : SheetTable::builtIn()) {
        if (sheet.isTuned()) {
            continue;
        }
        SCOPED_TRACE(sheet.name.toStdString());
        options.firstLabel = sheet.labelsPerSheet();
        const std::vector<PdfWord> words = pdfWords(printFittedPdf(dir, sheet, options, 2), &pages);
        EXPECT_EQ(pages, 2);
        ASSERT_FALSE(words.empty());
        for (const PdfWord& word : words) {
            const QPointF centre((word.left + word.right) / 2, (word.top + word.bottom) / 2);
            // Page one holds only its last label, page two its first.
            EXPECT_TRUE(sheet.labels().back().contains(centre) ||
                        sheet.labels().front().contains(centre))
                << word.text.toStdString();
        }
        break;
    }
}

// A PDF does not say what a printer reaches: words keep 4 mm from the paper's
// edges (pdftotext's box bottoms take the face's whole height, a little more
// than a line's advance).
void expectWithinReach(const LabelSheet& sheet, const QRectF& box, const QString& text) {
    const double edge = PrintGeometry::kUnknownUnprintableMillimetres;
    const QSizeF paper = sheet.paperSize();
    EXPECT_GE(box.left(), edge - 0.01) << text.toStdString();
    EXPECT_GE(box.top(), edge - 0.01) << text.toStdString();
    EXPECT_LE(box.right(), paper.width() - edge + 0.01) << text.toStdString();
    EXPECT_LE(box.bottom(), paper.height() - edge + 0.25) << text.toStdString();
}

// Every sheet without a tuned profile: each label holds its words, each word
// lies inside its label on the published geometry (pdftotext's boxes take
// the face's whole height, so the 1.5 mm clear border is not checked), and
// within the printer's reach, 3474 and 3422 whose labels go to the paper's edge included.
TEST_F(LabelPaper, FittedLabelsStayInsideTheirLabelsOnEveryPreset) {
    for (const LabelSheet& sheet : SheetTable::builtIn()) {
        if (sheet.isTuned()) {
            continue;
        }
        for (const int type : {LabelOptions::kQsoLabel, LabelOptions::kActivationLabel}) {
            for (const int language : {0, 1, 2, 3}) {
                const bool french = language % 2 == 0;
                const bool group = language >= 2;
                SCOPED_TRACE(sheet.name.toStdString() + (french ? " fr " : " en ") +
                             (group ? "grouped " : "") + std::to_string(type));
                LabelOptions options = optionsFor(1, type);
                options.french = french;
                options.group = group;
                QTemporaryDir dir;
                int pages = 0;
                const std::vector<PdfWord> words =
                    pdfWords(printFittedPdf(dir, sheet, options, sheet.labelsPerSheet()), &pages);
                EXPECT_EQ(pages, group ? pages : 1);
                std::vector<int> perLabel(static_cast<size_t>(sheet.labelsPerSheet()), 0);
                for (const PdfWord& word : words) {
                    const QRectF box(QPointF(word.left, word.top),
                                     QPointF(word.right, word.bottom));
                    int inside = -1;
                    for (int index = 0; index < sheet.labelsPerSheet(); ++index) {
                        if (sheet.label(index).adjusted(-0.01, -0.01, 0.01, 0.01).contains(box)) {
                            inside = index;
                        }
                    }
                    ASSERT_GE(inside, 0) << word.text.toStdString() << " at " << word.left << ", "
                                         << word.top << " mm";
                    ++perLabel[static_cast<size_t>(inside)];
                    expectWithinReach(sheet, box, word.text);
                }
                for (const int count : perLabel) {
                    EXPECT_GE(count, group ? 0 : 12);
                }
            }
        }
    }
}

}  // namespace
