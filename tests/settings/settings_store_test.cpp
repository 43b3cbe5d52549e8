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

TEST(SettingsStore, EncodedNamesDecodeToThemselves) {
    for (const QString& name :
         {QStringLiteral("Setup "), QStringLiteral("F9XQC/P"), QStringLiteral("%2F"),
          QStringLiteral("\\/%"), QStringLiteral("N° Activite"), QString()}) {
        const QString encoded = SettingsStore::encodeName(name);
        EXPECT_FALSE(encoded.contains(QLatin1Char('/')));
        EXPECT_FALSE(encoded.contains(QLatin1Char('\\')));
        EXPECT_EQ(SettingsStore::decodeName(encoded), name);
    }
}

}  // namespace
