#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "log/country_file.h"
#include "support/test_files.h"

namespace {

const QByteArray kCountries =
    "Canary Islands:           33:  36:  AF:   28.32:    15.85:     0.0:  EA8:\n"
    "    EA8,EB8;\n"
    "Spain:                    14:  37:  EU:   40.32:     3.43:    -1.0:  EA:\n"
    "    EA,EB,AM,=EA8XYZ;\n"
    "Belgium:                  14:  27:  EU:   50.70:    -4.85:    -1.0:  ON:\n"
    "    ON,OO;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DL;\n"
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    K,W,=W1AW/MM(7);\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,UA;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  *UA9:\n"
    "    UA9(17)[30];\n"
    "Bad\x1b[2J Prefix:           1:  1:  EU:   0:   0:    0:  X\x1b[2J\n:\n"
    "    XX;\n";

// The entity of a callsign: exact calls first, then the longest prefix of
// the call's main part.
TEST(CountryFile, CallsignsFindTheirEntity) {
    QTemporaryDir dir;
    CountryFile countries;
    QString error;
    ASSERT_TRUE(countries.load(writeFile(dir, QStringLiteral("cty.dat"), kCountries), &error))
        << error.toStdString();
    EXPECT_EQ(countries.entityCount(), 8);
    const struct {
        const char* call;
        const char* prefix;
    } cases[] =
        {
            {"ON4AAA/EA8", "EA8"},  // the prefix after the slash, when it is the shorter part
            {"EA8/ON4AAA", "EA8"},
            {"DL1ABC/EA8", "EA8"},
            {"K1ABC/4", "K"},  // a call area digit
            {"EA8XYZ", "EA"},  // an exact call before its prefix
            {"ea8xyz/p", "EA"},
            {"EA8XYZ/QRP", "EA"},
            {"EA8XY", "EA8"},
            {"W1AW/MM", "K"},   // an exact maritime mobile call keeps its entity
            {"DL1ABC/MM", ""},  // any other maritime mobile has none, whatever its parts
            {"EA8/DL1ABC/MM", ""},
            {"K1ABC/AM", ""},  // aeronautical mobile: AM is no Spanish prefix there
            {"UA9ABC", "UA9"},
            {"UA1ABC", "UA"},  // longest prefix
            {"DL1ABC/P", "DL"},
            {"DL1ABC/M/A", "DL"},
            {"ZZ9ZZ", ""},
            {"", ""},
            {"/", ""},
            {"XX1A", "X [2J"},  // control characters blanked
        };
    for (const auto& c : cases) {
        EXPECT_EQ(countries.primaryPrefix(QString::fromLatin1(c.call)),
                  QString::fromLatin1(c.prefix))
            << c.call;
    }
}

// A file of the settings folder that cannot be read is said and passed over,
// as a missing one is; a file too large is never read into memory.
TEST(CountryFile, AnUnreadableFileIsSaidAndTheNextOneRead) {
    QTemporaryDir dir;
    const QString good = writeFile(dir, QStringLiteral("good.dat"), kCountries);
    const QString large = dir.filePath(QStringLiteral("large.dat"));
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kCountries);
        ASSERT_TRUE(file.resize(CountryFile::kLargestFile + 1));  // sparse: no disk used
    }
    const QString folder = dir.filePath(QStringLiteral("folder.dat"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString empty = writeFile(dir, QStringLiteral("empty.dat"), "no entity here");
    const QString missing = dir.filePath(QStringLiteral("missing.dat"));

    const struct {
        QStringList paths;
        bool loaded;
        const char* said;  // in the message; empty: no message
    } cases[] = {
        {{missing, good}, true, ""},
        {{large, good}, true, "dépasse 8192 Kio) ; le fichier "},
        {{folder, good}, true, "n'est pas un fichier ordinaire"},
        {{empty, good}, true, "ne contient aucune entité ; le fichier "},
        {{large, missing}, false, "; le tri bureau suit le début des indicatifs."},
        {{missing}, false, "introuvable"},
    };
    for (const auto& c : cases) {
        CountryFile countries;
        QString error;
        EXPECT_EQ(countries.loadFirst(c.paths, &error), c.loaded) << c.said;
        EXPECT_EQ(countries.entityCount(), c.loaded ? 8 : 0) << c.said;
        if (*c.said == '\0') {
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        } else {
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.said))) << error.toStdString();
        }
    }
}

}  // namespace
