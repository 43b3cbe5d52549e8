#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "labels/label_options_store.h"
#include "settings/settings_store.h"

namespace {

class LabelOptionsStoreTest : public ::testing::Test {
  protected:
    void put(const QString& station, const char* key, const QString& value) {
        store.write(SettingsStore::stationSection(station), QString::fromUtf8(key), value);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("Etiquette.ini"))};
    LabelOptionsStore options{store};
};

TEST_F(LabelOptionsStoreTest, FirstRunGivesTheDefaults) {
    const LabelOptions loaded = options.load(QStringLiteral("F9XQA"));
    EXPECT_EQ(loaded.station, QStringLiteral("F9XQA"));
    EXPECT_EQ(loaded.format, 2);
    EXPECT_EQ(loaded.type, LabelOptions::kQsoLabel);
    EXPECT_TRUE(loaded.french);
    EXPECT_EQ(loaded.qsl, 1);
    EXPECT_EQ(loaded.offset, QStringLiteral("0"));
    EXPECT_TRUE(loaded.transceiver.isEmpty());
    EXPECT_TRUE(loaded.comment.isEmpty());
}

TEST_F(LabelOptionsStoreTest, EachStationKeepsItsOwnOptions) {
    LabelOptions first;
    first.station = QStringLiteral("F9XQA");
    first.format = 6;
    first.type = LabelOptions::kActivationLabel;
    first.french = false;
    first.qsl = 3;
    first.offset = QStringLiteral("+1");
    first.transceiver = QStringLiteral(" FT 847 ");
    first.activationNumber = QStringLiteral("DFCF 59101");
    options.save(first);

    LabelOptions portable;
    portable.station = QStringLiteral("F9XQC/P");
    portable.offset = QStringLiteral("2");  // typed, in no line of the list
    portable.comment = QStringLiteral("Coupe du REF");
    options.save(portable);

    const LabelOptions a = options.load(QStringLiteral("F9XQA"));
    EXPECT_EQ(a.format, 6);
    EXPECT_EQ(a.type, LabelOptions::kActivationLabel);
    EXPECT_FALSE(a.french);
    EXPECT_EQ(a.qsl, 3);
    EXPECT_EQ(a.offset, QStringLiteral("+1"));
    EXPECT_EQ(a.transceiver, QStringLiteral(" FT 847 "));
    EXPECT_EQ(a.activationNumber, QStringLiteral("DFCF 59101"));
    EXPECT_TRUE(a.comment.isEmpty());

    const LabelOptions p = options.load(QStringLiteral("F9XQC/P"));
    EXPECT_EQ(p.offset, QString());  // stored as -1: nothing selected
    EXPECT_EQ(store.read(QStringLiteral("F9XQC/PSetup "), QStringLiteral("Centrage V"), QString()),
              QStringLiteral("-1"));
    EXPECT_EQ(store.read(QStringLiteral("F9XQASetup "), QStringLiteral("Language"), QString()),
              QStringLiteral("False"));
    EXPECT_EQ(p.comment, QStringLiteral("Coupe du REF"));
    EXPECT_TRUE(p.french);
}

TEST_F(LabelOptionsStoreTest, UnknownStoredTextsKeepTheWindowsFirstChoices) {
    const QString station = QStringLiteral("F9XQB");
    put(station, "Format etiquette", QStringLiteral("7"));
    put(station, "Type etiquette", QStringLiteral("1"));
    put(station, "Format QSL", QStringLiteral("x"));
    put(station, "Language", QStringLiteral("Peut-être"));
    put(station, "Centrage V", QStringLiteral("9"));
    const LabelOptions loaded = options.load(station);
    EXPECT_EQ(loaded.format, 1);
    EXPECT_EQ(loaded.type, LabelOptions::kQsoLabel);
    EXPECT_EQ(loaded.qsl, 1);
    EXPECT_TRUE(loaded.french);
    EXPECT_EQ(loaded.offset, QStringLiteral("0"));

    put(station, "Centrage V", QStringLiteral("4"));
    EXPECT_EQ(options.load(station).offset, QStringLiteral("+1"));
    put(station, "Centrage V", QStringLiteral("0"));
    EXPECT_EQ(options.load(station).offset, QStringLiteral("-1"));
    put(station, "Centrage V", QStringLiteral("3.4abc"));
    EXPECT_EQ(options.load(station).offset, QStringLiteral("+0,5"));
    put(station, "Centrage V", QStringLiteral("abc"));
    EXPECT_EQ(options.load(station).offset, QStringLiteral("-1"));
    put(station, "Language", QStringLiteral("0"));
    EXPECT_FALSE(options.load(station).french);
    put(station, "Commune", QString());
    EXPECT_EQ(options.load(station).municipality, QString());
}

}  // namespace

TEST_F(LabelOptionsStoreTest, CardsKeepFormatFiveAndOtherSheetsTheirName) {
    const QString station = QStringLiteral("F9XQA");
    const auto stored = [&](const char* key) {
        return store.read(SettingsStore::stationSection(station), QString::fromUtf8(key),
                          QStringLiteral("(none)"));
    };
    put(station, "Format etiquette", QStringLiteral("5"));
    LabelOptions loaded = options.load(station);
    EXPECT_TRUE(loaded.onCards);
    options.save(loaded);
    EXPECT_EQ(stored("Format etiquette"), QStringLiteral("5"));
    EXPECT_EQ(stored("Planche etiquette"), QStringLiteral("(none)"));  // files stay as they were

    loaded.onCards = false;
    loaded.format = 3;
    loaded.sheet = QStringLiteral("L7160");
    options.save(loaded);
    loaded = options.load(station);
    EXPECT_FALSE(loaded.onCards);
    EXPECT_EQ(loaded.format, 3);
    EXPECT_EQ(loaded.sheet, QStringLiteral("L7160"));
    loaded.sheet.clear();
    options.save(loaded);
    EXPECT_EQ(options.load(station).sheet, QString());
}
