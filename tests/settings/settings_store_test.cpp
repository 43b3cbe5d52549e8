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
