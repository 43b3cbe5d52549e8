#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "settings/settings_store.h"
#include "support/test_files.h"

namespace {

TEST(SettingsStore, NamesAndValuesRoundTripThroughTheFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Etiquette.ini"));
    {
        SettingsStore store(ini);
        store.write(QStringLiteral("Setup "), QStringLiteral("Indicatif"),
                    QStringLiteral("F9XQC/P"));
        store.write(SettingsStore::stationSection(QStringLiteral("F9XQC/P")),
                    QStringLiteral("N° Activite"), QStringLiteral("DFCF 59-101"));
        store.write(SettingsStore::stationSection(QStringLiteral("EA8/F9XQA")),
                    QStringLiteral("a/b\\c%2F"), QStringLiteral("  blanks, comma ; @at  "));
        store.write(SettingsStore::stationSection(QStringLiteral("F9XQA")),
                    QStringLiteral("Commune"), QString());
        ASSERT_TRUE(store.sync());
    }
    SettingsStore store(ini);
    EXPECT_EQ(
        store.read(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("Fxxxx")),
        QStringLiteral("F9XQC/P"));
    // The trailing blank of "Setup " is part of the name.
    EXPECT_EQ(
        store.read(QStringLiteral("Setup"), QStringLiteral("Indicatif"), QStringLiteral("none")),
        QStringLiteral("none"));
    EXPECT_EQ(store.read(QStringLiteral("F9XQC/PSetup "), QStringLiteral("N° Activite"), QString()),
              QStringLiteral("DFCF 59-101"));
    // "F9XQC/P" must not become a group "F9XQC" with a sub-group "PSetup ".
    EXPECT_EQ(store.read(QStringLiteral("F9XQC"), QStringLiteral("PSetup /N° Activite"),
                         QStringLiteral("none")),
              QStringLiteral("none"));
    EXPECT_EQ(store.read(QStringLiteral("EA8/F9XQASetup "), QStringLiteral("a/b\\c%2F"), QString()),
              QStringLiteral("  blanks, comma ; @at  "));
    // An empty stored value stays empty; an absent key gives the default.
    EXPECT_EQ(
        store.read(QStringLiteral("F9XQASetup "), QStringLiteral("Commune"), QStringLiteral("x")),
        QString());
    EXPECT_EQ(
        store.read(QStringLiteral("F9XQASetup "), QStringLiteral("Antenne"), QStringLiteral("x")),
        QStringLiteral("x"));
    EXPECT_TRUE(readFile(ini).contains("[F9XQC%252FPSetup%20]"));
}

// Any section or key name comes back from the file as it was written, and
// names that differ never share an entry (no group separator gets through).
TEST(SettingsStore, EveryNameComesBackFromTheFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Etiquette.ini"));
    const QStringList names = {QStringLiteral("Setup "),     QStringLiteral("F9XQC/P"),
                               QStringLiteral("%2F"),        QStringLiteral("\\/%"),
                               QStringLiteral("/"),          QStringLiteral("%252F"),
                               QStringLiteral("N° Activite")};
    {
        SettingsStore store(ini);
        for (qsizetype i = 0; i < names.size(); ++i) {
            store.write(names[i], names[i], QString::number(i));
            EXPECT_FALSE(SettingsStore::encodeName(names[i]).contains(QLatin1Char('/')));
        }
        ASSERT_TRUE(store.sync());
    }
    SettingsStore reread(ini);
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(reread.read(names[i], names[i], QString()), QString::number(i)) << i;
    }
}

}  // namespace

#include <cmath>
#include <map>

#include "labels/label_options_store.h"
#include "printing/printer_calibration.h"

namespace {

// The settings file as text: each section's header with its lines.
std::map<QByteArray, QList<QByteArray>> iniSections(const QByteArray& text) {
    std::map<QByteArray, QList<QByteArray>> sections;
    QByteArray current;
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith('[')) {
            current = line;
        } else if (!line.isEmpty()) {
            sections[current].append(line);
        }
    }
    return sections;
}

// Every key the program writes, as it stands in the file: files written by
// older versions must still be read, so a renamed or misspelt key is a fault.
TEST(SettingsStore, EveryStoredKeyKeepsItsNameInTheFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Etiquette.ini"));
    {
        SettingsStore store(ini);
        store.write(StoredSettings::kCallsign, QStringLiteral("F9XQA"));
        store.write(StoredSettings::kProgramFolder, QStringLiteral("/usr/bin"));
        store.write(StoredSettings::kRevision, QStringLiteral("1.0.8"));
        store.write(StoredSettings::kOwedOnly, QStringLiteral("True"), QStringLiteral("F9XQA"));
        LabelOptions options;
        options.station = QStringLiteral("F9XQA");
        options.transceiver = QStringLiteral("tx");
        options.antenna = QStringLiteral("ant");
        options.activationNumber = QStringLiteral("an");
        options.activationName = QStringLiteral("am");
        options.canton = QStringLiteral("ca");
        options.postcode = QStringLiteral("cp");
        options.municipality = QStringLiteral("co");
        options.comment = QStringLiteral("te");
        options.french = false;
        options.type = LabelOptions::kActivationLabel;
        options.format = 4;
        options.qsl = 3;
        options.offset = QStringLiteral("+1");
        options.group = true;
        options.sheet = QStringLiteral("L7160");
        LabelOptionsStore(store).save(options);
        PrinterCalibration(store).setOffset(QStringLiteral("QSL-PDF"), QPointF(1.5, -2));
        ASSERT_TRUE(store.sync());
    }
    const auto sections = iniSections(readFile(ini));
    const struct {
        const char* section;
        const char* line;
    } expected[] = {
        {"[Setup%20]", "Indicatif=F9XQA"},
        {"[Setup%20]", "Chemin%20Repertoire=/usr/bin"},
        {"[Setup%20]", "Revision=1.0.8"},
        {"[F9XQASetup%20]", "QSL%20non%20envoyees%20seulement=True"},
        {"[F9XQASetup%20]", "Transceiver=tx"},
        {"[F9XQASetup%20]", "Antenne=ant"},
        {"[F9XQASetup%20]", "N%B0%20Activite=an"},
        {"[F9XQASetup%20]", "Nom%20Activite=am"},
        {"[F9XQASetup%20]", "N%B0%20Canton=ca"},
        {"[F9XQASetup%20]", "N%B0%20CP=cp"},
        {"[F9XQASetup%20]", "Commune=co"},
        {"[F9XQASetup%20]", "Texte_QSL=te"},
        {"[F9XQASetup%20]", "Language=False"},
        {"[F9XQASetup%20]", "Type%20etiquette=3"},
        {"[F9XQASetup%20]", "Format%20etiquette=4"},
        {"[F9XQASetup%20]", "Format%20QSL=3"},
        {"[F9XQASetup%20]", "Centrage%20V=4"},
        {"[F9XQASetup%20]", "Regrouper=True"},
        {"[F9XQASetup%20]", "Planche%20etiquette=L7160"},
        {"[Calibration%20]", "QSL-PDF=1.5 -2"},
    };
    int lines = 0;
    for (const auto& entry : expected) {
        const auto section = sections.find(entry.section);
        ASSERT_NE(section, sections.end()) << entry.section;
        EXPECT_TRUE(section->second.contains(entry.line)) << entry.section << " " << entry.line;
    }
    for (const auto& [header, sectionLines] : sections) {
        lines += static_cast<int>(sectionLines.size());
    }
    // Nothing else is written.
    EXPECT_EQ(lines, static_cast<int>(std::size(expected)));
}

}  // namespace

namespace {

// Two instances of the program over one settings file: the first started
// reads the file before the second stores a calibration, station options and
// the language, then saves on closing its windows (which write back every
// value they show). Neither may undo what the other stored.
TEST(SettingsStore, TwoInstancesKeepWhatEachOtherStored) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Etiquette.ini"));
    const QString station = QStringLiteral("F9XQA");
    {
        SettingsStore first(ini);
        first.write(StoredSettings::kCallsign, station);
        first.write(StoredSettings::kPrinterOffset, QStringLiteral("0 0"), QStringLiteral("QSL"));
        first.write(StoredSettings::kAntenna, QStringLiteral("dipole"), station);
        ASSERT_TRUE(first.sync());
    }
    SettingsStore earlier(ini);
    SettingsStore later(ini);
    later.write(StoredSettings::kPrinterOffset, QStringLiteral("1.5 -2"), QStringLiteral("QSL"));
    later.write(StoredSettings::kAntenna, QStringLiteral("yagi"), station);
    later.write(StoredSettings::kWindowLanguage, QStringLiteral("de"));
    ASSERT_TRUE(later.sync());

    // The earlier instance writes back what it shows, and changes one value of its own.
    earlier.write(StoredSettings::kPrinterOffset, QStringLiteral("0 0"), QStringLiteral("QSL"));
    earlier.write(StoredSettings::kAntenna, QStringLiteral("dipole"), station);
    earlier.write(StoredSettings::kTransceiver, QStringLiteral("IC-7300"), station);
    ASSERT_TRUE(earlier.sync());
    const auto expectBoth = [&](const char* when) {
        SCOPED_TRACE(when);
        const SettingsStore next(ini);
        EXPECT_EQ(next.read(StoredSettings::kPrinterOffset, QStringLiteral("QSL")),
                  QStringLiteral("1.5 -2"));
        EXPECT_EQ(next.read(StoredSettings::kAntenna, station), QStringLiteral("yagi"));
        EXPECT_EQ(next.written(StoredSettings::kWindowLanguage), QStringLiteral("de"));
        EXPECT_EQ(next.read(StoredSettings::kTransceiver, station), QStringLiteral("IC-7300"));
        EXPECT_EQ(next.read(StoredSettings::kCallsign), station);
        return next.read(StoredSettings::kComment, station);
    };
    EXPECT_EQ(expectBoth("after the earlier instance's save"), QString());
    // The later one changes one more value after that save, and keeps the earlier one's.
    later.write(StoredSettings::kComment, QStringLiteral("73"), station);
    ASSERT_TRUE(later.sync());
    EXPECT_EQ(expectBoth("after the later instance's second save"), QStringLiteral("73"));
    // Each instance keeps its own view of the values until it is started again.
    EXPECT_EQ(earlier.read(StoredSettings::kAntenna, station), QStringLiteral("dipole"));
    EXPECT_EQ(later.read(StoredSettings::kTransceiver, station), QString());
}

// Settings files edited by hand: every good line is read, each odd line is
// named by its number, and a save changes only the lines of the keys it
// stores, keeping the odd lines and the comments where they stand.
TEST(SettingsStore, AFileWithOddLinesIsReadAroundThemAndKeepsThem) {
    const struct {
        const char* name;
        QByteArray text;
        QList<int> oddLines;
        const char* callsign;  // "Indicatif" as read
        const char* language;  // "Langue" as read
    } cases[] = {
        {"comment with #",
         "[Setup%20]\n# my settings\nIndicatif=F9XQA\nLangue=de\n",
         {2},
         "F9XQA",
         "de"},
        {"line without =",
         "[Setup%20]\nIndicatif=F9XQA\nLangue=it\nsomething odd\n",
         {4},
         "F9XQA",
         "it"},
        {"unclosed section", "[Setup%20\nIndicatif=F9XQA\nLangue=es\n", {1}, "F9XQA", "es"},
        {"several, CRLF, a comment after a value",
         "; kept\r\n[Setup%20]\r\nIndicatif=F9XQA ; mine\r\n#\r\n\r\n[Other\r\nLangue=en\r\n"
         "[Setup%20]\r\nLangue=en\r\n",
         {4, 6},
         "F9XQA",
         "en"},
        {"a quoted value over two lines",
         "[Setup%20]\nIndicatif=\"F9\nXQA\"\nLangue=fr\nodd\n",
         {5},
         "F9\nXQA",
         "fr"},
        {"no odd line", "[Setup%20]\nIndicatif=F9XQA\nLangue=de\n", {}, "F9XQA", "de"},
    };
    for (const auto& given : cases) {
        SCOPED_TRACE(given.name);
        QTemporaryDir dir;
        const QString ini = writeFile(dir, QStringLiteral("Etiquette.ini"), given.text);
        {
            SettingsStore store(ini);
            EXPECT_EQ(store.read(StoredSettings::kCallsign), QString::fromUtf8(given.callsign));
            EXPECT_EQ(store.written(StoredSettings::kWindowLanguage),
                      QString::fromUtf8(given.language));
            const QStringList messages = store.oddLineMessages();
            ASSERT_EQ(messages.size(), given.oddLines.size());
            for (qsizetype i = 0; i < messages.size(); ++i) {
                EXPECT_TRUE(
                    messages[i].contains(QStringLiteral("ligne %1 ").arg(given.oddLines[i])))
                    << qPrintable(messages[i]);
                EXPECT_TRUE(messages[i].contains(ini));
            }
            // The odd lines are said once, then the store has nothing more to say.
            EXPECT_EQ(store.problemToReport(), messages.join(QLatin1Char('\n')));
            EXPECT_EQ(store.problemToReport(), QString());

            store.write(StoredSettings::kCallsign, QStringLiteral("F9XQB"));
            store.write(StoredSettings::kAntenna, QStringLiteral("yagi"), QStringLiteral("F9XQB"));
            ASSERT_TRUE(store.sync());
        }
        const QByteArray saved = readFile(ini);
        const SettingsStore reread(ini);
        EXPECT_EQ(reread.read(StoredSettings::kCallsign), QStringLiteral("F9XQB"));
        EXPECT_EQ(reread.read(StoredSettings::kAntenna, QStringLiteral("F9XQB")),
                  QStringLiteral("yagi"));
        EXPECT_EQ(reread.written(StoredSettings::kWindowLanguage),
                  QString::fromUtf8(given.language));
        EXPECT_EQ(reread.oddLineMessages().size(), given.oddLines.size()) << saved.constData();
        // Every line but the changed key's is kept as it was, in its order.
        QList<QByteArray> kept = given.text.split('\n');
        QList<QByteArray> now = saved.split('\n');
        kept.removeIf([](const QByteArray& line) { return line.startsWith("Indicatif="); });
        now.removeIf([](const QByteArray& line) {
            return line.startsWith("Indicatif=") || line.startsWith("Antenne=") ||
                   line == "[F9XQBSetup%20]" || line.isEmpty();
        });
        kept.removeIf([](const QByteArray& line) { return line.isEmpty() || line == "XQA\""; });
        EXPECT_EQ(now, kept) << saved.constData();
    }
}

// Calibration offsets that read as numbers but are none (nan, inf, past the
// largest double) are refused when typed and read as no shift when stored.
TEST(SettingsStore, CalibrationOffsetsAreFiniteMillimetres) {
    const struct {
        const char* typed;
        bool accepted;
    } typed[] = {{"1.5", true},    {"-10", true},  {"2,25", true},  {"nan", false},
                 {"NaN", false},   {"inf", false}, {"-inf", false}, {"1e999", false},
                 {"10.01", false}, {"", false},    {"abc", false}};
    for (const auto& given : typed) {
        double millimetres = 99;
        const QString problem =
            PrinterCalibration::checkOffset(QString::fromLatin1(given.typed), &millimetres);
        EXPECT_EQ(problem.isEmpty(), given.accepted) << given.typed;
        if (given.accepted) {
            EXPECT_TRUE(std::isfinite(millimetres) && std::fabs(millimetres) <= 10) << given.typed;
        }
    }
    const struct {
        const char* stored;
        QPointF offset;
    } stored[] = {{"1.5 -2", {1.5, -2}}, {"nan 1", {0, 1}},   {"2 inf", {2, 0}},
                  {"-inf nan", {0, 0}},  {"1e999 3", {0, 3}}, {"25 -25", {10, -10}}};
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    for (const auto& given : stored) {
        store.write(StoredSettings::kPrinterOffset, QString::fromLatin1(given.stored),
                    QStringLiteral("QSL"));
        const QPointF offset = PrinterCalibration(store).offset(QStringLiteral("QSL"));
        EXPECT_EQ(offset, given.offset) << given.stored;
        PrinterCalibration(store).setOffset(QStringLiteral("QSL"), offset);
        EXPECT_EQ(PrinterCalibration(store).offset(QStringLiteral("QSL")), given.offset)
            << given.stored;
    }
}

}  // namespace
