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
