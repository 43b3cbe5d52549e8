#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

#include "labels/sheet_table.h"
#include "support/test_files.h"

namespace {

// The published geometry of every built-in sheet, in millimetres, from the
// makers' sheets: a change of a tenth of a millimetre is a fault.
TEST(SheetTable, BuiltInSheetsKeepTheirPublishedGeometry) {
    const struct {
        const char* name;
        const char* paper;
        int columns, rows;
        double left, top, width, height, across, down;
        bool tuned;
    } published[] = {
        {"1", "A4", 2, 8, 4.67, 13.02, 99.06, 33.87, 101.6, 33.87, true},
        {"2", "A4", 2, 8, 4.65, 12.5, 99.1, 34, 101.6, 34, true},
        {"3", "A4", 2, 8, 0, 0.5, 105, 37, 105, 37, true},
        {"4", "A4", 2, 7, 4.67, 15.15, 99.06, 38.1, 101.6, 38.1, true},
        {"6", "A4", 2, 8, 0, 8.5, 105, 35, 105, 35, true},
        {"L7160", "A4", 3, 7, 7.2, 15.15, 63.5, 38.1, 66.04, 38.1, false},
        {"L7159", "A4", 3, 8, 6.46, 13.06, 64, 33.86, 66.54, 33.86, false},
        {"3474", "A4", 3, 8, 0, 0, 70, 37, 70, 37, false},
        {"3422", "A4", 3, 8, 0, 8.5, 70, 35, 70, 35, false},
        {"5160", "Letter", 3, 10, 4.78, 12.7, 66.68, 25.4, 69.85, 25.4, false},
        {"5163", "Letter", 2, 5, 3.96, 12.7, 101.6, 50.8, 106.36, 50.8, false},
    };
    const std::vector<LabelSheet>& sheets = SheetTable::builtIn();
    ASSERT_EQ(sheets.size(), std::size(published));
    for (size_t i = 0; i < sheets.size(); ++i) {
        const LabelSheet& sheet = sheets[i];
        const auto& expected = published[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(sheet.name, QString::fromLatin1(expected.name));
        EXPECT_EQ(sheet.paper, QString::fromLatin1(expected.paper));
        EXPECT_EQ(sheet.columns, expected.columns);
        EXPECT_EQ(sheet.rows, expected.rows);
        const double tenth = 0.05;
        EXPECT_NEAR(sheet.left, expected.left, tenth);
        EXPECT_NEAR(sheet.top, expected.top, tenth);
        EXPECT_NEAR(sheet.width, expected.width, tenth);
        EXPECT_NEAR(sheet.height, expected.height, tenth);
        EXPECT_NEAR(sheet.across, expected.across, tenth);
        EXPECT_NEAR(sheet.down, expected.down, tenth);
        EXPECT_EQ(sheet.isTuned(), expected.tuned);
        EXPECT_EQ(sheet.number, expected.tuned ? sheet.name.toInt() : 0);
        EXPECT_TRUE(sheet.builtIn);
        EXPECT_EQ(sheet.problem(), QString());
    }
    EXPECT_EQ(SheetTable::tuned(6)->caption,
              QStringLiteral("DECADRY DLW 1799       105 x 35      16Etiquettes"));
    EXPECT_EQ(SheetTable::builtIn().at(5).caption,
              QStringLiteral("L7160  63.5 x 38.1  21 étiquettes"));
}

// Every number of a sheet is finite and within the stated limits; the
// refusal names the field. Checked on the lines of an operator's file, which
// keeps the good sheets and leaves the others out with one message.
TEST(SheetTable, SheetsOutsideTheLimitsAreLeftOutNamingTheField) {
    const struct {
        const char* line;
        const char* field;  // empty: the sheet is kept
    } cases[] = {
        {"Bon\tA4\t3x7\t7.2 15.15 63.5 38.1 66.04 38.1", ""},
        {"Infini\tA4\t1x1\t0 0 50 50 inf inf", "Pas horizontal"},
        {"Rien\tA4\t1x1\tnan 0 50 50 50 50", "Marge gauche"},
        {"Grille\tA4\t46341x46341\t0 0 5 5 5 5", "Colonnes"},
        {"Minuscules\t1000x1000\t50x40\t0 0 5 5 5 5", "Rangées"},
        {"Quatre cents\t1000x1000\t20x20\t0 0 5 5 5 5", ""},
        {"Quatre cent un\t1000x1000\t20x21\t0 0 5 5 5 5", "Rangées"},
        {"Immense\t2000000000x297\t1x1\t0 0 50 50 50 50", "Largeur du papier"},
        {"Haute\t210x1000.5\t1x1\t0 0 50 50 50 50", "Hauteur du papier"},
        {"Petit papier\t9x297\t1x1\t0 0 5 5 5 5", "Largeur du papier"},
        {"Poussière\tA4\t1x1\t0 0 1e-300 50 50 50", "Largeur d'étiquette"},
        {"Basse\tA4\t1x1\t0 0 50 4.9 50 50", "Hauteur d'étiquette"},
        {"Négative\tA4\t1x1\t0 -1 50 50 50 50", "Marge haute"},
        {"Serrée\tA4\t2x1\t0 0 50 50 49 50", "Pas horizontal"},
        {"Tassée\tA4\t1x2\t0 0 50 50 50 49", "Pas vertical"},
        {"Dehors\tA4\t1x1\t200 0 50 50 50 50", "Pas horizontal"},
        {"Zéro\tA4\t0x8\t0 0 50 50 50 50", "Colonnes"},
        {"Papier\tA5\t1x1\t0 0 50 50 50 50", "Papier"},
    };
    QTemporaryDir dir;
    QByteArray file;
    int kept = 0;
    for (const auto& c : cases) {
        file += QByteArray(c.line) + "\r\n";
        kept += *c.field == '\0' ? 1 : 0;
        const std::optional<LabelSheet> sheet = LabelSheet::fromListLine(QString::fromUtf8(c.line));
        ASSERT_TRUE(sheet.has_value()) << c.line;
        const QString problem = SheetTable().put(*sheet);
        EXPECT_TRUE(*c.field == '\0'
                        ? problem.isEmpty()
                        : problem.startsWith(QString::fromUtf8(c.field) + QStringLiteral(" :")))
            << c.line << " -> " << problem.toStdString();
    }
    QString problem;
    const SheetTable table =
        SheetTable::load(writeFile(dir, QStringLiteral("planches.txt"), file), &problem);
    ASSERT_EQ(static_cast<int>(table.own().size()), kept);
    EXPECT_EQ(table.own().front().name, QStringLiteral("Bon"));
    EXPECT_TRUE(problem.startsWith(
        QStringLiteral("%1 planches illisibles ignorées").arg(std::size(cases) - kept)))
        << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral("ligne 2, Pas horizontal :")))
        << problem.toStdString();
    for (const LabelSheet& sheet : table.all()) {
        EXPECT_LE(sheet.labelsPerSheet(), LabelSheet::kMostLabels);
        for (const QRectF& label : sheet.labels()) {
            EXPECT_TRUE(std::isfinite(label.right()) && std::isfinite(label.bottom()));
        }
    }
}

// Names: unique whatever their case, numbers allowed unless a built-in sheet
// has that name, control characters blanked as in every printed value.
TEST(SheetTable, NamesAreUniqueWhateverTheirCase) {
    LabelSheet sheet = SheetTable::builtIn().at(5);
    const auto named = [&sheet](const char* name) {
        LabelSheet copy = sheet;
        copy.name = QString::fromUtf8(name);
        return copy;
    };
    SheetTable table;
    const struct {
        const char* name;
        const char* refusal;  // the start of the message; empty when the name is taken
    } cases[] = {
        {"Maison", ""},
        {"MAISON", "Nom : une planche Maison existe déjà."},
        {"l7160", "Nom : L7160 est une planche fournie"},
        {"1", "Nom : 1 est une planche fournie"},
        {"12", ""},
        {" \t ", "Nom : donnez un nom"},
        {"Bip\x07\x1b[31m", ""},
    };
    for (const auto& c : cases) {
        const QString problem = table.put(named(c.name));
        EXPECT_TRUE(*c.refusal == '\0' ? problem.isEmpty()
                                       : problem.startsWith(QString::fromUtf8(c.refusal)))
            << c.name << " -> " << problem.toStdString();
    }
    ASSERT_EQ(table.own().size(), 3U);
    EXPECT_EQ(table.own().at(2).name, QStringLiteral("Bip  [31m"));
    EXPECT_EQ(table.own().at(1).caption, QStringLiteral("12  63.5 x 38.1  21 étiquettes"));
    EXPECT_NE(table.find(QStringLiteral("12")), nullptr);
    EXPECT_EQ(table.find(QStringLiteral("maison")), nullptr);  // found by its own name only
    // Renaming a sheet to another case of its own name is no clash.
    EXPECT_EQ(table.put(named("MAISON"), QStringLiteral("Maison")), QString());
    EXPECT_EQ(table.own().front().name, QStringLiteral("MAISON"));
    EXPECT_EQ(table.put(named("Maison 2")), QString());
    table.remove(QStringLiteral("MAISON"));
    EXPECT_EQ(table.put(named("maison")), QString());
    EXPECT_NE(table.find(QStringLiteral("Maison 2")), nullptr);
}

// Two writers of planches.txt (two windows, two instances, an editor): each
// save applies only its own changes (a sheet added, changed, removed) over
// the file as it is then; a comment, a refused sheet, a sheet written in its
// own way stay as they were; the file before each save is kept as .bak.
TEST(SheetTable, TwoWritersKeepEachOthersSheetsAndWhatNeitherRead) {
    QTemporaryDir dir;
    const QByteArray start =
        "# Mes planches, \xC3\xA0 garder\r\n"
        "Bon\tA4\t3x7\t7.2 15.15 63.5 38.1 66.04 38.1\r\n"
        "Dehors\tA4\t1x1\t200 0 50 50 50 50\r\n"
        "\r\n"
        "Vieille\tA4\t2x2\t10.0 10 90 60 95 65\r\n"
        "Garde\tA4\t2x2\t10.00 10 90 60 95 65\r\n";
    const QString path = writeFile(dir, QStringLiteral("planches.txt"), start);
    SheetTable first = SheetTable::load(path);
    SheetTable second = SheetTable::load(path);
    ASSERT_EQ(first.own().size(), 3u);
    ASSERT_NE(first.refusal(QStringLiteral("Dehors")), QString());

    LabelSheet changed = *first.find(QStringLiteral("Bon"));
    changed.rows = 6;
    ASSERT_EQ(first.put(changed, QStringLiteral("Bon")), QString());
    LabelSheet added = changed;
    added.name = QStringLiteral("Ajoutée par la première");
    ASSERT_EQ(first.put(added), QString());
    ASSERT_EQ(first.save(path), QString());
    const QByteArray afterFirst = readFile(path);

    added.name = QStringLiteral("Ajoutée par la seconde");
    ASSERT_EQ(second.put(added), QString());
    second.remove(QStringLiteral("Vieille"));
    ASSERT_EQ(second.save(path), QString());

    const QByteArray expected = "# Mes planches, \xC3\xA0 garder\r\n" +
                                changed.listLine().toUtf8() +
                                "\r\n"
                                "Dehors\tA4\t1x1\t200 0 50 50 50 50\r\n"
                                "\r\n"
                                "Garde\tA4\t2x2\t10.00 10 90 60 95 65\r\n"
                                "Ajoutée par la première\tA4\t3x6\t7.2 15.15 63.5 38.1 66.04 38.1\n"
                                "Ajoutée par la seconde\tA4\t3x6\t7.2 15.15 63.5 38.1 66.04 38.1\n";
    EXPECT_EQ(readFile(path), expected);
    EXPECT_EQ(readFile(SheetTable::backupPath(path)), afterFirst);
    // The second writer now holds the file as written: the first one's sheets too.
    EXPECT_EQ(second.own().size(), 4u);
    EXPECT_EQ(second.find(QStringLiteral("Bon"))->rows, 6);
    EXPECT_NE(second.find(QStringLiteral("Ajoutée par la première")), nullptr);
    EXPECT_NE(second.refusal(QStringLiteral("Dehors")), QString());

    // A file that cannot be read again is not written over.
    const QString folder = dir.filePath(QStringLiteral("dossier"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_NE(second.save(folder), QString());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
