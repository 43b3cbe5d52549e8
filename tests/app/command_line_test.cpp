#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <map>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include "app/command_line.h"

#include "cards/qsl_template_file.h"
#include "files/native_file_name.h"
#include "files/run_files.h"
#include "labels/label_options_store.h"
#include "labels/sheet_table.h"
#include "log/confirmation_download.h"
#include "printing/printer_calibration.h"
#include "settings/settings_store.h"
#include "support/command_run.h"
#include "support/pdf_text.h"
#include "support/test_files.h"

namespace {

TEST(CommandLine, ListWritesRowsAndMessages) {
    QTemporaryDir dir;
    const QString path = writeFile(
        dir, QStringLiteral("log.adi"),
        "<EOH>\n<CALL:5>F9XQA<BAND:3>20M<EOR>\n" +
            QByteArray("<CALL:5>F9XQB<QSO_DATE:8>20090131<TIME_ON:4>0751<FREQ:5>7.050<EOR>\n"));
    const Outcome result = run({QStringLiteral("list"), path});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out,
              "F9XQA         01/01/200000:00  14 Mhz    XXX      XX                    \n"
              "F9XQB         31/01/09  07:51  7.0 Mhz   XXX      XX                    \n");
    EXPECT_EQ(QString::fromUtf8(result.err),
              QStringLiteral(
                  "Date absente, remplacée par 01/01/2000\nHeure absente, remplacée par 00:00\n"));
}

TEST(CommandLine, ReportsBadArgumentsAndUnreadableFiles) {
    EXPECT_EQ(run({QStringLiteral("--version")}).out, "1.0.8\n");
    EXPECT_TRUE(run({QStringLiteral("--help")}).out.contains("list LOG.adi"));
    EXPECT_EQ(run({QStringLiteral("list")}).code, CommandLine::kUsage);
    EXPECT_EQ(run({QStringLiteral("frobnicate")}).code, CommandLine::kUsage);
    const Outcome missing = run({QStringLiteral("list"), QStringLiteral("/nonexistent/log.adi")});
    EXPECT_EQ(missing.code, CommandLine::kUnreadable);
    EXPECT_TRUE(missing.err.contains("/nonexistent/log.adi"));
    EXPECT_EQ(missing.err.count('\n'), 1);
    EXPECT_TRUE(CommandLine::isCommand({QStringLiteral("list")}));
    EXPECT_FALSE(CommandLine::isCommand({}));

    // A mistyped command is not a log to open in the windows.
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    EXPECT_FALSE(CommandLine::isCommand({log}));
    const QStringList typo{QStringLiteral("lables"), log, QStringLiteral("--dump")};
    EXPECT_TRUE(CommandLine::isCommand(typo));
    EXPECT_TRUE(CommandLine::isCommand({QStringLiteral("/nonexistent/log.adi")}));
    const Outcome unknown = run(typo);
    EXPECT_EQ(unknown.code, CommandLine::kUsage);
    EXPECT_TRUE(unknown.err.startsWith("Commande inconnue : lables\nUsage : quenor-etiquettes"));
    EXPECT_TRUE(unknown.out.isEmpty());
    for (const char* output : {"--pdf", "--printer"}) {
        const Outcome empty = run({QStringLiteral("labels"), log, QString::fromLatin1(output), {}});
        EXPECT_EQ(empty.code, CommandLine::kUsage) << output;
    }
}

// Faults: an option given twice with two values silently taking the last
// one; --paper without --per-page silently ignored (cards printed one a page).
// A value given twice alike, or a flag twice, changes nothing.
TEST(CommandLine, RefusesAnOptionGivenTwiceWithTwoValues) {
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    const QString card = QStringLiteral(QE_SOURCE_DIR "/tests/golden/table.qsl");
    const struct {
        QStringList arguments;
        int code;
        const char* said;  // the whole first line of standard error; "" for none
    } cases[] = {
        {{QStringLiteral("list"), log, QStringLiteral("--sort"), QStringLiteral("call"),
          QStringLiteral("--sort"), QStringLiteral("bureau")},
         CommandLine::kUsage,
         "--sort est donnée deux fois, avec « call » puis « bureau » : gardez-en une."},
        {{QStringLiteral("labels"), log, QStringLiteral("--first-label"), QStringLiteral("2"),
          QStringLiteral("--dump"), QStringLiteral("--first-label"), QStringLiteral("5")},
         CommandLine::kUsage,
         "--first-label est donnée deux fois, avec « 2 » puis « 5 » : gardez-en une."},
        {{QStringLiteral("cards"), log, card, QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
          QStringLiteral("--dump"), QStringLiteral("--pdf"), QStringLiteral("b.pdf")},
         CommandLine::kUsage,
         "--pdf est donnée deux fois, avec « a.pdf » puis « b.pdf » : gardez-en une."},
        {{QStringLiteral("cards"), log, card, QStringLiteral("--paper"), QStringLiteral("Letter"),
          QStringLiteral("--dump")},
         CommandLine::kUsage,
         "--paper : le papier des cartes par page, à donner avec --per-page 2 ou 4"},
        {{QStringLiteral("list"), log, QStringLiteral("--sort"), QStringLiteral("call"),
          QStringLiteral("--unsent"), QStringLiteral("--sort"), QStringLiteral("call"),
          QStringLiteral("--unsent")},
         CommandLine::kOk,
         ""},
        {{QStringLiteral("cards"), log, card, QStringLiteral("--per-page"), QStringLiteral("2"),
          QStringLiteral("--paper"), QStringLiteral("Letter"), QStringLiteral("--dump")},
         CommandLine::kOk,
         ""},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.code, c.code) << c.arguments.join(u' ').toStdString();
        if (c.code == CommandLine::kUsage) {
            EXPECT_EQ(outcome.err.split('\n').first(), QByteArray(c.said));
            EXPECT_TRUE(outcome.out.isEmpty());
        } else {
            EXPECT_FALSE(outcome.out.isEmpty());
        }
    }
}

TEST(CommandLine, FileNamesKeepTheirBytes) {
    for (const QByteArray& bytes :
         {QByteArray("l\xe9g.adi"), QByteArray("d\xff/\xc3"), QByteArray("\xf0\x90\x82\x80\xe9"),
          QByteArray("ok-\xef\xbf\xbd-\xed\xa0\x80"), QByteArray("plain/€")}) {
        EXPECT_EQ(NativeFileName::encode(NativeFileName::decode(bytes)), bytes)
            << bytes.toHex().constData();
    }
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QByteArray folder = QFile::encodeName(dir.path());
    const QString log = NativeFileName::decode(folder + "/l\xe9g.adi");
    QFile::copy(testDataPath(QStringLiteral("one_record_per_line.adi")),
                dir.filePath(QStringLiteral("plain.adi")));
    ASSERT_EQ(
        std::rename((folder + "/plain.adi").constData(), NativeFileName::encode(log).constData()),
        0);
    EXPECT_FALSE(CommandLine::isCommand({log}));
    const Outcome listed = run({QStringLiteral("list"), log});
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out.count('\n'), 3);
    const QString pdf = NativeFileName::decode(folder + "/out\xe9.pdf");
    EXPECT_EQ(run({QStringLiteral("labels"), log, QStringLiteral("--pdf"), pdf}).code, 0);
    struct stat state {};
    EXPECT_EQ(stat(NativeFileName::encode(pdf).constData(), &state), 0);
    EXPECT_GT(state.st_size, 1000);
    // The marked copy keeps its name's bytes too, and the log under its own bytes is refused.
    const QString marked = NativeFileName::decode(folder + "/out\xe9.adi");
    EXPECT_EQ(run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                   QStringLiteral("--mark-sent"), marked})
                  .code,
              0);
    EXPECT_EQ(stat((folder + "/out\xe9.adi").constData(), &state), 0);
    EXPECT_EQ(run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                   QStringLiteral("--mark-sent"), log})
                  .code,
              CommandLine::kUsage);
    const Outcome missing =
        run({QStringLiteral("list"), NativeFileName::decode(folder + "/n\xe9.adi")});
    EXPECT_EQ(missing.code, CommandLine::kUnreadable);
    EXPECT_TRUE(QString::fromUtf8(missing.err).contains(QStringLiteral("/n\uFFFD.adi")));
}

TEST(CommandLine, ALogWithoutQsoPrintsNothing) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString log = writeFile(dir, QStringLiteral("vide.adi"), "<ADIF_VER:5>3.1.0<EOH>\n");
    const QString layout = dir.filePath(QStringLiteral("carte.qsl"));
    ASSERT_EQ(QslTemplateFile::save(QslTemplate::editorDefaults(), layout), QString());
    const QString pdf = writeFile(dir, QStringLiteral("out.pdf"), "older");
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("labels"), log, QStringLiteral("--pdf"), pdf},
          QStringList{QStringLiteral("cards"), log, layout, QStringLiteral("--pdf"), pdf},
          QStringList{QStringLiteral("labels"), log, QStringLiteral("--dump")}}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.code, CommandLine::kUnreadable);
        EXPECT_EQ(QString::fromUtf8(result.err),
                  QStringLiteral("Aucun QSO dans le fichier %1\n").arg(log));
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(readFile(pdf), "older");
}

TEST(CommandLine, ControlCharactersCannotForgeDumpRecords) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    const QStringList base{QStringLiteral("labels"), log, QStringLiteral("--dump"),
                           QStringLiteral("--format"), QStringLiteral("1")};
    const Outcome plain =
        run(base + QStringList{QStringLiteral("--comment"), QStringLiteral("ab")});
    const Outcome forged =
        run(base + QStringList{QStringLiteral("--comment"), QStringLiteral("a\nend\x1b[2J")});
    EXPECT_EQ(forged.code, 0);
    EXPECT_EQ(forged.out.count('\n'), plain.out.count('\n'));
    EXPECT_EQ(forged.out.count("\nend\n"), plain.out.count("\nend\n"));
    EXPECT_FALSE(forged.out.contains('\x1b'));
    EXPECT_TRUE(forged.out.contains("a end [2J"));
    // C1 controls too (U+009B is a terminal's CSI, U+0085 a line end): a space each.
    const Outcome c1 = run(base + QStringList{QStringLiteral("--comment"),
                                              QStringLiteral("a\u009B2J\u0085end\u0080")});
    EXPECT_EQ(c1.code, 0);
    EXPECT_EQ(c1.out.count('\n'), plain.out.count('\n'));
    EXPECT_FALSE(c1.out.contains("\xC2")) << c1.out.constData();
    EXPECT_TRUE(c1.out.contains("a 2J end")) << c1.out.constData();
}

TEST(CommandLine, LabelsDumpsWhatWouldBePrinted) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    const Outcome result =
        run({QStringLiteral("labels"), log, QStringLiteral("--dump"), QStringLiteral("--station"),
             QStringLiteral("F9XQA"), QStringLiteral("--lang"), QStringLiteral("en"),
             QStringLiteral("--tx"), QStringLiteral("IC-7300"), QStringLiteral("--offset"),
             QStringLiteral("+1")});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    const QStringList lines =
        QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Stored defaults: format 2, QSO labels; "+1" gives four head lines.
    EXPECT_EQ(lines.mid(0, 4),
              QStringList({QStringLiteral("line 10 0 ||"), QStringLiteral("line 10 0 ||"),
                           QStringLiteral("line 10 0 ||"), QStringLiteral("line 8 0 ||")}));
    // Print-list order: DL1AA and EA8ABC on the first row of labels.
    EXPECT_TRUE(lines.at(4).startsWith(QStringLiteral("line 15 1 |")));
    EXPECT_TRUE(lines.at(4).contains(QStringLiteral("To DL1AA")));
    EXPECT_TRUE(lines.at(4).contains(QStringLiteral("To EA8ABC")));
    EXPECT_TRUE(lines.join(u'\n').contains(QStringLiteral("TX IC-7300  Ant ")));
    EXPECT_EQ(lines.last(), QStringLiteral("end"));

    const Outcome noOutput = run({QStringLiteral("labels"), log});
    EXPECT_EQ(noOutput.code, CommandLine::kUsage);
    const Outcome cards = run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                               QStringLiteral("--format"), QStringLiteral("5")});
    EXPECT_EQ(cards.code, CommandLine::kUsage);
    const Outcome tooLong =
        run({QStringLiteral("labels"), log, QStringLiteral("--dump"), QStringLiteral("--antenna"),
             QStringLiteral("Beam 5 elements 20m")});
    EXPECT_EQ(tooLong.code, CommandLine::kUsage);
    EXPECT_EQ(QString::fromUtf8(tooLong.err),
              QStringLiteral("15 caracteres maxi pour l'antenne\n"));
    EXPECT_TRUE(tooLong.out.isEmpty());
    const Outcome unknown = run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                                 QStringLiteral("--colour"), QStringLiteral("red")});
    EXPECT_EQ(unknown.code, CommandLine::kUsage);

    // --first-label 2: the first row's left label stays blank, DL1AA goes right.
    const Outcome second = run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                                QStringLiteral("--first-label"), QStringLiteral("2")});
    EXPECT_EQ(second.code, 0) << second.err.toStdString();
    EXPECT_TRUE(
        QString::fromUtf8(second.out)
            .contains(QRegularExpression(QStringLiteral("\\n[^\\n|]*\\| +Pour DL1AA[^\\n]*\\n"))));
    // --group: one label for the three QSOs with F5ABC, a line each.
    QByteArray three = "<EOH>\n";
    for (const char* band : {"20M", "40M", "80M"}) {
        three += QByteArray("<CALL:5>F5ABC<QSO_DATE:8>20090131<TIME_ON:4>0751<BAND:3>") + band +
                 "<MODE:2>CW<EOR>\n";
    }
    const Outcome grouped =
        run({QStringLiteral("labels"), writeFile(dir, QStringLiteral("three.adi"), three),
             QStringLiteral("--dump"), QStringLiteral("--group")});
    EXPECT_EQ(grouped.code, 0) << grouped.err.toStdString();
    EXPECT_EQ(grouped.out.count("Pour F5ABC"), 1);
    EXPECT_EQ(grouped.out.count("31/01/09 07:51"), 3);
    EXPECT_TRUE(grouped.out.contains("Bande"));
    for (const char* wrong : {"0", "17", "deux"}) {
        const Outcome refused = run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                                     QStringLiteral("--format"), QStringLiteral("1"),
                                     QStringLiteral("--first-label"), QString::fromLatin1(wrong)});
        EXPECT_EQ(refused.code, CommandLine::kUsage) << wrong;
        EXPECT_EQ(QString::fromUtf8(refused.err),
                  QStringLiteral("--first-label : Première étiquette : un nombre de 1 à 16 est "
                                 "attendu.\n"));
    }
}

// Without --station, labels print with the options of the station the
// settings name, or of the default station when they name none.
TEST(CommandLine, LabelsTakeTheStationsStoredOptions) {
    const struct {
        const char* callsign;  // the stored "Indicatif", none when null
        const char* station;   // whose options are stored
        const char* from;      // the sender the labels name
    } cases[] = {
        {"F9XQC/P", "F9XQC/P", "De F9XQC/P pour DL1AA"},
        {nullptr, "Fxxxx", "De Fxxxx pour DL1AA"},
    };
    for (const auto& given : cases) {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        {
            SettingsStore store;
            if (given.callsign != nullptr) {
                store.write(StoredSettings::kCallsign, QString::fromLatin1(given.callsign));
            }
            LabelOptions stored;
            stored.station = QString::fromLatin1(given.station);
            stored.format = 3;
            stored.type = LabelOptions::kActivationLabel;
            stored.activationNumber = QStringLiteral("DFCF 59101");
            LabelOptionsStore(store).save(stored);
            // Another station's options, which must not be taken.
            LabelOptions other;
            other.station = QStringLiteral("F9XQB");
            other.format = 1;
            LabelOptionsStore(store).save(other);
        }
        const Outcome result =
            run({QStringLiteral("labels"), testDataPath(QStringLiteral("one_record_per_line.adi")),
                 QStringLiteral("--dump")});
        EXPECT_EQ(result.code, 0) << given.station;
        const QString text = QString::fromUtf8(result.out);
        // Format 3: no head lines.
        EXPECT_TRUE(text.startsWith(QStringLiteral("line 15 1 |"))) << given.station;
        EXPECT_TRUE(text.contains(QString::fromLatin1(given.from))) << given.station;
        EXPECT_TRUE(text.contains(QStringLiteral("DDCF"))) << given.station;
        EXPECT_TRUE(text.contains(QStringLiteral("line 27 0 ||"))) << given.station;
    }
}

TEST(CommandLine, LabelsWriteOnePdfPagePerSheet) {
    QTemporaryDir dir;
    QByteArray log = "<EOH>\n";
    for (int i = 0; i < 17; ++i) {
        log += "<CALL:5>F" + QByteArray::number(i % 10) +
               "ABC<QSO_DATE:8>20090131<TIME_ON:4>0751"
               "<BAND:3>40M<EOR>\n";
    }
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    const Outcome result =
        run({QStringLiteral("labels"), writeFile(dir, QStringLiteral("17.adi"), log),
             QStringLiteral("--format"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    const QByteArray bytes = readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
    // Written under a private temporary name, it still gets a new file's mode.
    const QString plain = writeFile(dir, QStringLiteral("plain"), "x");
    EXPECT_EQ(QFileInfo(pdf).permissions(), QFileInfo(plain).permissions());
    // Through a link, the document it points at is replaced and the link stays.
    const QString real = writeFile(dir, QStringLiteral("real.pdf"), "older");
    const QString link = dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_EQ(run({QStringLiteral("labels"), writeFile(dir, QStringLiteral("2.adi"), log),
                   QStringLiteral("--pdf"), link})
                  .code,
              0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(readFile(real).startsWith("%PDF"));

    // A folder that is not there is found before anything is printed.
    const Outcome unwritable =
        run({QStringLiteral("labels"), writeFile(dir, QStringLiteral("1.adi"), log),
             QStringLiteral("--pdf"), QStringLiteral("/nonexistent/folder/x.pdf")});
    EXPECT_EQ(unwritable.code, CommandLine::kUsage);
    EXPECT_TRUE(unwritable.err.contains("/nonexistent/folder/x.pdf"));
}

TEST(CommandLine, CardsPrintOneCardPerQso) {
    QTemporaryDir dir;
    QslTemplate model = QslTemplate::editorDefaults();
    model.marginLeft = QStringLiteral("2");
    model.left[0] = QStringLiteral("12,5");
    model.top[0] = QStringLiteral("10");
    model.text[0] = QStringLiteral("To");
    model.joinLine2 = true;
    const QString layout = dir.filePath(QStringLiteral("carte.qsl"));
    ASSERT_EQ(QslTemplateFile::save(model, layout), QString());
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));

    const Outcome dump = run({QStringLiteral("cards"), log, layout, QStringLiteral("--dump")});
    EXPECT_EQ(dump.code, 0) << dump.err.toStdString();
    const QStringList lines =
        QString::fromUtf8(dump.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.count(QStringLiteral("end")), 3);
    EXPECT_EQ(lines.first(), QStringLiteral("text 10.5 10 10 1 |To DL1AA  |"));

    const QString pdf = dir.filePath(QStringLiteral("cartes.pdf"));
    const Outcome printed =
        run({QStringLiteral("cards"), log, layout, QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));

    const QString upper = dir.filePath(QStringLiteral("CARTE.QSL"));
    QFile::copy(layout, upper);
    const Outcome refused = run({QStringLiteral("cards"), log, upper, QStringLiteral("--dump")});
    EXPECT_EQ(refused.code, CommandLine::kUsage);
    EXPECT_EQ(QString::fromUtf8(refused.err).trimmed(),
              QStringLiteral("sélectionnez un fichier .qsl ou créez en un"));

    const Outcome unusable =
        run({QStringLiteral("cards"), log, writeFile(dir, QStringLiteral("x%1y.qsl"), "1 2\r\n"),
             QStringLiteral("--dump")});
    EXPECT_EQ(unusable.code, CommandLine::kUnreadable);
    EXPECT_TRUE(unusable.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(unusable.err)
                    .endsWith(QStringLiteral("x%1y.qsl n'a que 1 lignes sur 24.\n")));
}

TEST(CommandLine, CardsCheckTheTemplatesNumbersAndTheCardsEdge) {
    QTemporaryDir dir;
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    struct Case {
        const char* field;
        QString QslTemplate::*single;
        std::array<QString, QslTemplate::kLines> QslTemplate::*line;
        const char* value;
        int code;
    };
    const Case cases[] = {
        {"MG", &QslTemplate::marginLeft, nullptr, "1e20", CommandLine::kUnreadable},
        {"MH", &QslTemplate::marginTop, nullptr, "-1", CommandLine::kUnreadable},
        {"H1", nullptr, &QslTemplate::top, "1000,5", CommandLine::kUnreadable},
        {"P1", nullptr, &QslTemplate::size, "1e39", CommandLine::kUnreadable},
        {"P1", nullptr, &QslTemplate::size, "0,5", CommandLine::kUnreadable},
        {"G1", nullptr, &QslTemplate::left, "1000", CommandLine::kOk},
        {"P1", nullptr, &QslTemplate::size, "200", CommandLine::kOk},
    };
    for (const Case& c : cases) {
        QslTemplate model = QslTemplate::editorDefaults();
        (c.single ? model.*c.single : (model.*c.line)[0]) = QString::fromLatin1(c.value);
        const QString layout = dir.filePath(QStringLiteral("carte.qsl"));
        ASSERT_EQ(QslTemplateFile::save(model, layout), QString());
        const Outcome result =
            run({QStringLiteral("cards"), log, layout, QStringLiteral("--dump")});
        EXPECT_EQ(result.code, c.code) << c.field << " " << c.value;
        if (c.code != CommandLine::kOk) {
            EXPECT_EQ(QString::fromUtf8(result.err),
                      QStringLiteral("Modèle de QSL inutilisable : %1 (« %2 ») n'est pas un "
                                     "nombre.\n")
                          .arg(QString::fromLatin1(c.field), QString::fromLatin1(c.value)));
        } else {
            // Past the card, but printed: a warning first.
            EXPECT_TRUE(result.err.startsWith("La ligne 1 dépasse le bord de la carte\n"))
                << result.err.toStdString();
            EXPECT_TRUE(result.out.endsWith("end\n"));
        }
    }
}

}  // namespace

TEST(CommandLine, LabelsOnAnySheetByNameWithThePrintersOffset) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    {
        SettingsStore store;
        store.write(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("F9XQA"));
        store.sync();
        SheetTable table;
        LabelSheet own = SheetTable::builtIn().back();
        own.name = QStringLiteral("Maison");
        own.rows = 2;
        ASSERT_EQ(table.put(own), QString());
        ASSERT_EQ(table.save(SheetTable::ownSheetsPath(store.fileName())), QString());
        PrinterCalibration(store).setOffset(QStringLiteral("PDF"), QPointF(0, 1.5));
    }
    const Outcome list = run({QStringLiteral("labels"), QStringLiteral("--list-sheets")});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out.count('\n'), static_cast<qsizetype>(SheetTable::builtIn().size() + 1));
    EXPECT_TRUE(list.out.contains("L7160\tA4\t3x7\t7.2 15.15 63.5 38.1 66.04 38.1\n"));
    EXPECT_TRUE(list.out.endsWith("Maison\tLetter\t2x2\t3.96 12.7 101.6 50.8 106.36 50.8\n"));

    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    const Outcome own = run({QStringLiteral("labels"), log, QStringLiteral("--sheet"),
                             QStringLiteral("Maison"), QStringLiteral("--dump")});
    EXPECT_EQ(own.code, 0) << own.err.toStdString();
    EXPECT_TRUE(own.out.startsWith("text "));
    EXPECT_TRUE(own.out.contains("|Pour DL1AA|"));
    for (const char* bad : {"--sheet", "--offset-x", "--offset-y"}) {
        EXPECT_EQ(run({QStringLiteral("labels"), log, QString::fromLatin1(bad),
                       QStringLiteral("12"), QStringLiteral("--dump")})
                      .code,
                  CommandLine::kUsage)
            << bad;
    }
    // Values that read as numbers but are none.
    for (const char* notANumber : {"nan", "-NaN", "inf", "1e999"}) {
        for (const char* offset : {"--offset-x", "--offset-y"}) {
            const Outcome refused =
                run({QStringLiteral("labels"), log, QString::fromLatin1(offset),
                     QString::fromLatin1(notANumber), QStringLiteral("--dump")});
            EXPECT_EQ(refused.code, CommandLine::kUsage) << offset << " " << notANumber;
            EXPECT_TRUE(refused.out.isEmpty()) << offset << " " << notANumber;
        }
    }

    // The stored offset of "PDF" moves every word down; --offset-y replaces it.
    const auto firstWordTop = [&](const QStringList& extra) {
        const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
        const Outcome printed =
            run(QStringList{QStringLiteral("labels"), log, QStringLiteral("--sheet"),
                            QStringLiteral("L7160"), QStringLiteral("--pdf"), pdf} +
                extra);
        EXPECT_EQ(printed.code, 0) << printed.err.toStdString();
        const std::vector<PdfWord> words = pdfWords(pdf);
        return words.empty() ? 0.0 : words.front().top;
    };
    if (pdftotextAvailable()) {
        EXPECT_NEAR(
            firstWordTop({}) - firstWordTop({QStringLiteral("--offset-y"), QStringLiteral("0")}),
            1.5, 0.05);
        // --offset-x alone keeps the stored vertical offset.
        EXPECT_NEAR(
            firstWordTop({}) - firstWordTop({QStringLiteral("--offset-x"), QStringLiteral("0")}), 0,
            0.05);
    }
    const QString calibration = dir.filePath(QStringLiteral("calibration.pdf"));
    EXPECT_EQ(
        run({QStringLiteral("labels"), QStringLiteral("--calibration"), QStringLiteral("--sheet"),
             QStringLiteral("5160"), QStringLiteral("--pdf"), calibration})
            .code,
        0);
    EXPECT_TRUE(readFile(calibration).startsWith("%PDF"));
    // On a sheet whose first label is at the paper's corner, the title keeps clear of
    // the scales, and the stored offset (1.5 mm down) does not move the page.
    ASSERT_EQ(
        run({QStringLiteral("labels"), QStringLiteral("--calibration"), QStringLiteral("--sheet"),
             QStringLiteral("3474"), QStringLiteral("--pdf"), calibration})
            .code,
        0);
    if (pdftotextAvailable()) {
        const std::vector<PdfWord> words = pdfWords(calibration);
        const auto title = std::find_if(words.begin(), words.end(), [](const PdfWord& word) {
            return word.text == u"Planche";
        });
        ASSERT_NE(title, words.end());
        EXPECT_NEAR(title->left, 15.0, 0.05);
        EXPECT_NEAR(title->top, 13.0, 0.3);
        // Every line of the title starts there, none on the left scale.
        for (const char* first : {"Page", "Tracée", "Décalage"}) {
            const auto line = std::find_if(words.begin(), words.end(), [&](const PdfWord& word) {
                return word.text == QString::fromUtf8(first);
            });
            ASSERT_NE(line, words.end()) << first;
            EXPECT_NEAR(line->left, 15.0, 0.05) << first;
        }
    }
}
