#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cards/qsl_template_file.h"
#include "cards/windows1252.h"
#include "support/test_files.h"

namespace {

QslTemplate filledTemplate() {
    QslTemplate model = QslTemplate::editorDefaults();
    model.marginLeft = QStringLiteral("3");
    model.marginTop = QStringLiteral("4,5");
    for (int i = 0; i < 10; ++i) {
        model.left[static_cast<size_t>(i)] = QString::number(10 + i) + QStringLiteral(".5");
        model.top[static_cast<size_t>(i)] = QString::number(20 + 3 * i);
        model.size[static_cast<size_t>(i)] = QStringLiteral("10.5");
    }
    model.text[0] = QStringLiteral("Indicatif");
    model.text[2] = QStringLiteral("Date :");
    model.text[7] = QStringLiteral("Météo « clémente », 73 de F9XQA");
    model.text[9] = QStringLiteral("Tnx QSO");
    return model;
}

TEST(QslTemplateFile, SavesTwentyFourLinesInFourteenColumnZones) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carte.qsl"));
    QslTemplate model = filledTemplate();
    model.joinLine4 = true;
    ASSERT_EQ(QslTemplateFile::save(model, path), QString());
    const QByteArray bytes = readFile(path);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 25);  // 24 lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 24; ++i) {
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    }
    EXPECT_EQ(lines[0], "3             4,5\r");
    EXPECT_EQ(lines[1], "10.5          20            10.5\r");
    // T9 is empty: its line holds the substitute numbers whatever G9, H9, P9 hold.
    EXPECT_EQ(lines[9], " 0             0             10 \r");
    EXPECT_EQ(lines[8], "17.5          41            10.5\r");
    EXPECT_EQ(lines[11], "Indicatif\r");
    EXPECT_EQ(lines[12], "\r");
    EXPECT_EQ(lines[18], Windows1252::encode(model.text[7]) + "\r");
    EXPECT_TRUE(lines[18].contains('\xe9'));  // é as one Windows-1252 byte
    EXPECT_EQ(lines[21], " 0 \r");
    EXPECT_EQ(lines[22], " 1 \r");
    EXPECT_EQ(lines[23], " 0 \r");
}

TEST(QslTemplateFile, WhatIsSavedLoadsBackExactly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carte.qsl"));
    const QslTemplate saved = filledTemplate();
    ASSERT_EQ(QslTemplateFile::save(saved, path), QString());
    QslTemplate loaded = QslTemplate::editorDefaults();
    QString error;
    int lines = 0;
    ASSERT_TRUE(QslTemplateFile::load(path, loaded, &error, &lines));
    EXPECT_EQ(lines, 24);
    QslTemplate expected = saved;
    expected.left[8] = expected.top[8] = QStringLiteral("0");  // T9 was empty
    expected.size[8] = QStringLiteral("10");
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(loaded.left[0], QStringLiteral("10.5"));  // the whole zone, not three characters
    EXPECT_EQ(loaded.text[7], saved.text[7]);

    // Spaces only: written, and the text comes back empty.
    QslTemplate blank = saved;
    blank.text[8] = QStringLiteral("   ");
    blank.left[8] = QStringLiteral("44");
    ASSERT_EQ(QslTemplateFile::save(blank, path), QString());
    ASSERT_TRUE(QslTemplateFile::load(path, loaded, &error));
    EXPECT_EQ(loaded.text[8], QString());
    EXPECT_EQ(loaded.left[8], QStringLiteral("44"));
}

TEST(QslTemplateFile, RefusesValuesTooLongForTheirZone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carte.qsl"));
    ASSERT_TRUE(
        writeFile(dir, QStringLiteral("carte.qsl"), "old").endsWith(QStringLiteral("carte.qsl")));
    QslTemplate model = filledTemplate();
    model.top[2] = QStringLiteral("12345678901234");
    const QString error = QslTemplateFile::save(model, path);
    EXPECT_TRUE(error.contains(QStringLiteral("H3"))) << error.toStdString();
    EXPECT_EQ(readFile(path), "old");
    model.top[2] = QStringLiteral("1234567890123");  // thirteen characters fit
    EXPECT_EQ(QslTemplateFile::save(model, path), QString());
    // An unused free line's values are not written, so they cannot be too long.
    model.left[9] = QStringLiteral("12345678901234567");
    model.text[9].clear();
    EXPECT_EQ(QslTemplateFile::save(model, path), QString());
}

TEST(QslTemplateFile, ReadsFilesFromElsewhere) {
    QTemporaryDir dir;
    // Short values, LF line ends, a short file: missing lines keep their values.
    const QString path = writeFile(dir, QStringLiteral("court.qsl"),
                                   "2             3\n15            20            12\n");
    QslTemplate model = QslTemplate::editorDefaults();
    model.text[0] = QStringLiteral("kept");
    QString error;
    int lines = 0;
    ASSERT_TRUE(QslTemplateFile::load(path, model, &error, &lines));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(model.marginLeft, QStringLiteral("2"));
    EXPECT_EQ(model.marginTop, QStringLiteral("3"));
    EXPECT_EQ(model.size[0], QStringLiteral("12"));
    EXPECT_EQ(model.left[1], QStringLiteral("0"));
    EXPECT_EQ(model.text[0], QStringLiteral("kept"));

    // Join flags act as ticks and zero the absorbed positions; lines past 24 are ignored;
    // a flag line that is not 0 or 1 leaves its box alone.
    QByteArray full;
    for (int i = 0; i < 11; ++i) {
        full += "11            22            9\r\n";
    }
    for (int i = 0; i < 10; ++i) {
        full += "  texte " + QByteArray::number(i) + "  \r\n";
    }
    full += " 0 \r\n yes \r\n 1 \r\nextra line\r\n 1 \r\n";
    const QString fullPath = writeFile(dir, QStringLiteral("plein.qsl"), full);
    QslTemplate loaded = QslTemplate::editorDefaults();
    loaded.joinLine4 = true;
    ASSERT_TRUE(QslTemplateFile::load(fullPath, loaded, &error));
    EXPECT_FALSE(loaded.joinLine2);
    EXPECT_TRUE(loaded.joinLine4);
    EXPECT_TRUE(loaded.joinLines6And7);
    EXPECT_EQ(loaded.left[5], QStringLiteral("0"));
    EXPECT_EQ(loaded.top[6], QStringLiteral("0"));
    EXPECT_EQ(loaded.left[3], QStringLiteral("11"));  // joinLine4 was ticked before: nothing zeroed
    EXPECT_EQ(loaded.text[0], QStringLiteral("texte 0"));

    QslTemplate untouched = QslTemplate::editorDefaults();
    const QString missing = dir.filePath(QStringLiteral("absent.qsl"));
    EXPECT_FALSE(QslTemplateFile::load(missing, untouched, &error));
    EXPECT_TRUE(error.contains(missing));
    EXPECT_TRUE(untouched == QslTemplate::editorDefaults());
}

// Lines after the 24 that this version does not read (a later version's
// keys, a line added by hand) are kept through a load and a save, as they
// were and in their order, after the keys it knows.
TEST(QslTemplateFile, KeepsTheLinesItDoesNotKnowInTheirOrder) {
    QTemporaryDir dir;
    QByteArray bytes = readFile(QStringLiteral(QE_TEST_DATA_DIR "/../golden/table.qsl"));
    ASSERT_TRUE(bytes.contains("card.size = 140x90\r\n"));
    bytes.replace("card.size = 140x90\r\n", "card.size = 140x90\r\ncard.corner = round\r\n");
    bytes += "# ajout\xE9 \xE0 la main : fond bleu\r\nFuture.Key=\xE9\x80 \r\n";
    const QString path = writeFile(dir, QStringLiteral("nouveau.qsl"), bytes);
    QslTemplate model;
    QString error;
    ASSERT_TRUE(QslTemplateFile::load(path, model, &error)) << error.toStdString();
    const std::vector<QString> others{QStringLiteral("card.corner = round"),
                                      QStringLiteral("# ajouté à la main : fond bleu"),
                                      QStringLiteral("Future.Key=é€ ")};
    EXPECT_EQ(model.design.otherLines, others);
    EXPECT_EQ(model.design.cardSize, QStringLiteral("140x90"));
    EXPECT_EQ(model.design.columns.size(), 6u);

    const QString saved = dir.filePath(QStringLiteral("enregistre.qsl"));
    ASSERT_EQ(QslTemplateFile::save(model, saved), QString());
    EXPECT_TRUE(readFile(saved).endsWith(
        "table.column = 106 | qsl | QSL\r\ncard.strip = 1\r\ncard.corner = round\r\n"
        "# ajout\xE9 \xE0 la main : fond bleu\r\nFuture.Key=\xE9\x80 \r\n"))
        << readFile(saved).toStdString();
    QslTemplate again;
    ASSERT_TRUE(QslTemplateFile::load(saved, again, &error));
    EXPECT_EQ(again, model);
}

TEST(QslTemplateFile, AFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/carte.qsl"));
    EXPECT_TRUE(QslTemplateFile::save(filledTemplate(), nowhere).contains(nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));

    const QString folder = dir.filePath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString path = writeFile(dir, QStringLiteral("locked/carte.qsl"), "old template");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool canStillWrite = QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (canStillWrite) {
        QFile::remove(folder + QStringLiteral("/probe"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    }
    const QString error = QslTemplateFile::save(filledTemplate(), path);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(readFile(path), "old template");
}

TEST(Windows1252, RoundTripsWesternEuropeanText) {
    const QString text = QStringLiteral("Été à Saint-Étienne : 5 € « œuvre » Ÿ");
    EXPECT_EQ(Windows1252::decode(Windows1252::encode(text)), text);
    EXPECT_EQ(Windows1252::encode(QStringLiteral("€")), QByteArray("\x80"));
    EXPECT_EQ(Windows1252::encode(QStringLiteral("Ж")), QByteArray("?"));
}

}  // namespace
