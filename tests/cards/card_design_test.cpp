#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QSet>

#include "cards/card_design_layout.h"
#include "cards/card_sheet.h"
#include "cards/qsl_template_file.h"
#include "support/command_run.h"
#include "support/pdf_text.h"
#include "support/test_files.h"

namespace {

const QString kGolden = QStringLiteral(QE_TEST_DATA_DIR "/../golden/");

// The grouped log and the table template, copied into a temporary folder,
// with the template's lines changed as a case asks.
class CardDesignTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
        log_ = writeFile(dir_, QStringLiteral("grouped.adi"),
                         readFile(testDataPath(QStringLiteral("cards/grouped.adi"))));
    }
    QString tableTemplate(const QByteArray& extraLines = {}) {
        QByteArray bytes = readFile(kGolden + QStringLiteral("table.qsl"));
        bytes += extraLines;
        return writeFile(dir_, QStringLiteral("table.qsl"), bytes);
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    QString log_;
};

// Faults caught: cards on a sheet placed from the printable area rather than
// the paper's edge (or the template's margins counted twice), a size that
// does not reach the page, and text let into the bureaus' strip.
TEST_F(CardDesignTest, EveryWordLandsInsideItsCardAndAboveTheBureauStrip) {
    if (!pdftotextAvailable()) {
        GTEST_SKIP() << "pdftotext is missing";
    }
    struct Case {
        const char* size;
        int perPage;
        const char* paper;
        int firstCard;
        double offsetX;  // the printer's shift for the run
    };
    const Case cases[] = {{"140x90", 1, "A4", 1, 0},
                          {"148x105", 1, "A4", 1, 0},
                          {"140x90", 4, "A4", 2, 0},
                          {"139.7x88.9", 4, "A4", 1, 1.5},
                          {"152.4x101.6", 2, "Letter", 2, -2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size + std::string(" ") + std::to_string(c.perPage));
        const QString model = tableTemplate(QByteArray("card.size = ") + c.size + "\r\n");
        const QString pdf = path("cards.pdf");
        const Outcome outcome = run(
            {QStringLiteral("cards"), log_, model, QStringLiteral("--group"),
             QStringLiteral("--per-page"), QString::number(c.perPage), QStringLiteral("--paper"),
             QString::fromLatin1(c.paper), QStringLiteral("--first-card"),
             QString::number(c.firstCard), QStringLiteral("--offset-x"), QString::number(c.offsetX),
             QStringLiteral("--offset-y"), QStringLiteral("0"), QStringLiteral("--pdf"), pdf});
        ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
        const CardSize& size = *CardSize::find(QString::fromLatin1(c.size));
        std::vector<QRectF> cards;
        if (c.perPage == 1) {
            cards.emplace_back(0, 0, size.width, size.height);
        } else {
            QString problem;
            const std::optional<CardSheet> sheet =
                CardSheet::make(size, c.perPage, QString::fromLatin1(c.paper), &problem);
            ASSERT_TRUE(sheet.has_value());
            const QRectF reach = QRectF(QPointF(0, 0), sheet->paper())
                                     .adjusted(CardSheet::kReach, CardSheet::kReach,
                                               -CardSheet::kReach, -CardSheet::kReach);
            for (int slot = 0; slot < c.perPage; ++slot) {
                const QRectF card(sheet->origin(slot), QSizeF(size.width, size.height));
                EXPECT_TRUE(reach.contains(card))
                    << "card " << slot << " out of the printer's reach";
                for (const QRectF& other : cards) {
                    EXPECT_LT(card.intersected(other).width() * card.intersected(other).height(),
                              0.01)
                        << "cards overlap";
                }
                cards.push_back(card);
            }
        }
        const std::vector<PdfWord> words = pdfWords(pdf);
        ASSERT_GT(words.size(), 20u);
        QSet<int> used;
        for (const PdfWord& word : words) {
            const QRectF box(QPointF(word.left, word.top), QPointF(word.right, word.bottom));
            const auto home = std::find_if(cards.begin(), cards.end(),
                                           [&](const QRectF& card) { return card.contains(box); });
            ASSERT_NE(home, cards.end()) << word.text.toStdString() << " off every card";
            EXPECT_LT(word.bottom, home->bottom() - CardSize::kBureauStripMillimetres)
                << word.text.toStdString() << " in the bureau strip";
            if (word.page == 0) {
                used.insert(static_cast<int>(home - cards.begin()));
            }
        }
        // The table's first heading lands at its X from the card's edge, moved by the shift.
        const auto heading = std::find_if(words.begin(), words.end(),
                                          [](const PdfWord& word) { return word.text == u"Date"; });
        ASSERT_NE(heading, words.end());
        const QRectF& first = cards[static_cast<size_t>(c.firstCard - 1)];
        EXPECT_NEAR(heading->left, first.left() + 10 + c.offsetX, 0.05);
        // A used first page: the places before the first card stay blank.
        EXPECT_FALSE(used.contains(0) && c.firstCard > 1);
    }
}

// Faults caught: an old template saved with design lines (or read with a
// changed design) would no longer be today's file; a design key lost on the
// way through the file; a heading the code page cannot hold written as "?".
TEST_F(CardDesignTest, TheFileKeepsOldTemplatesAndCarriesTheDesign) {
    QslTemplate old;
    ASSERT_TRUE(QslTemplateFile::load(kGolden + QStringLiteral("sample.qsl"), old, nullptr));
    EXPECT_TRUE(old.design.isEmpty());
    ASSERT_EQ(QslTemplateFile::save(old, path("old.qsl")), QString());
    const QByteArray saved = readFile(path("old.qsl"));
    EXPECT_EQ(saved.count("\r\n"), QslTemplateFile::kLineCount);
    QslTemplate reread;
    ASSERT_TRUE(QslTemplateFile::load(path("old.qsl"), reread, nullptr));
    ASSERT_EQ(QslTemplateFile::save(reread, path("old2.qsl")), QString());
    EXPECT_EQ(readFile(path("old2.qsl")), saved);

    QslTemplate table;
    ASSERT_TRUE(QslTemplateFile::load(tableTemplate("picture.file = fond.png\r\npicture.fit = "
                                                    "contain\r\npicture.print = 1\r\n"),
                                      table, nullptr));
    EXPECT_EQ(table.design.columns.size(), 6u);
    EXPECT_EQ(table.design.columns[3].value, QStringLiteral("submode"));
    EXPECT_TRUE(table.design.keepStrip);
    EXPECT_TRUE(table.design.printPicture);
    ASSERT_EQ(QslTemplateFile::save(table, path("again.qsl")), QString());
    QslTemplate again = QslTemplate::editorDefaults();
    ASSERT_TRUE(QslTemplateFile::load(path("again.qsl"), again, nullptr));
    EXPECT_EQ(again, table);
    // The old reader's 24 lines come first, unchanged.
    EXPECT_TRUE(readFile(path("again.qsl"))
                    .startsWith(readFile(kGolden + QStringLiteral("table.qsl")).left(200)));

    table.design.columns[0].heading = QStringLiteral("Date →");
    const QString refused = QslTemplateFile::save(table, path("refused.qsl"));
    EXPECT_TRUE(refused.contains(QStringLiteral("table.column"))) << refused.toStdString();
    EXPECT_FALSE(QFile::exists(path("refused.qsl")));
}

// Fault caught: table rows closer than their text (table.pitch = 0) printed
// over each other. The refusal names the key, as for every other bad value.
TEST_F(CardDesignTest, RowsCloserThanTheirTextAreRefusedNamingThePitch) {
    const struct {
        const char* line;  // after the table's "table.size = 9"
        bool accepted;
    } cases[] = {
        {"table.pitch = 0\r\n", false},
        {"table.pitch = 3.1\r\n", false},  // 9 points are 3.175 mm
        {"table.pitch = 3.2\r\n", true},
        {"table.pitch = 6\r\n", true},
    };
    for (const auto& c : cases) {
        QslTemplate model;
        ASSERT_TRUE(QslTemplateFile::load(tableTemplate(c.line), model, nullptr));
        QString problem;
        EXPECT_EQ(CardDesignLayout::from(model.design, &problem).has_value(), c.accepted) << c.line;
        EXPECT_EQ(problem.contains(QStringLiteral("table.pitch")), !c.accepted)
            << c.line << problem.toStdString();
    }
}

// Faults caught: a picture scaled down before it reaches the PDF (blurred
// cards), a picture stored once per card (a PDF hundreds of megabytes), a
// missing picture that stops the run or is told once per card.
TEST_F(CardDesignTest, APictureKeepsItsPixelsOnceAndAMissingOneIsToldOnce) {
    QImage picture(1800, 1200, QImage::Format_RGB32);
    picture.fill(QColor(200, 220, 240));
    ASSERT_TRUE(picture.save(path("fond.png")));
    const QString model =
        tableTemplate("picture.file = fond.png\r\npicture.frame = 1\r\npicture.print = 1\r\n");
    const Outcome outcome = run({QStringLiteral("cards"), log_, model, QStringLiteral("--group"),
                                 QStringLiteral("--per-page"), QStringLiteral("4"),
                                 QStringLiteral("--pdf"), path("picture.pdf")});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path("picture.pdf")});
    if (!images.waitForFinished(60000) || images.exitCode() != 0) {
        GTEST_SKIP() << "pdfimages is missing";
    }
    const QStringList rows =
        QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n')).mid(2);
    QSet<QString> objects;
    for (const QString& row : rows) {
        const QStringList columns = row.simplified().split(QLatin1Char(' '));
        if (columns.size() > 11 && columns[2] == u"image") {
            EXPECT_EQ(columns[3], QStringLiteral("1800"));
            EXPECT_EQ(columns[4], QStringLiteral("1200"));
            objects.insert(columns[10]);
        }
    }
    EXPECT_EQ(objects.size(), 1);

    QFile::remove(path("fond.png"));
    const Outcome missing = run({QStringLiteral("cards"), log_, model, QStringLiteral("--group"),
                                 QStringLiteral("--dump")});
    EXPECT_EQ(missing.code, 0);
    EXPECT_EQ(missing.err.count("fond.png"), 1) << missing.err.toStdString();
    EXPECT_EQ(missing.out.count("picture "), 0);
    EXPECT_EQ(missing.out.count("end\n"), 4);
}

}  // namespace
