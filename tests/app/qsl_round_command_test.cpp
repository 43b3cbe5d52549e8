// The QSL round on the command line: bureau runs, marked copies, received
// cards, the run's files, and values that are not what they claim.
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

// A bureau run leaves out the QSOs the bureau cannot deliver and names them on
// standard error (they stay owed: the marked copy leaves them as they were),
// unless --keep-undeliverable; the count per bureau closes the run. Faults:
// refused QSOs printed or marked sent, a refusal that fails the run.
TEST(CommandLine, ABureauRunLeavesOutWhatTheBureauCannotDeliver) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString settingsFolder = QFileInfo(SettingsStore().fileName()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    ASSERT_TRUE(QFile::copy(testDataPath(QStringLiteral("round/cty.dat")),
                            settingsFolder + QStringLiteral("/cty.dat")));
    const QString log = testDataPath(QStringLiteral("round/bureau.adi"));
    const QString marked = dir.filePath(QStringLiteral("marked.adi"));
    const struct {
        QStringList options;
        int refused;  // QSOs named on standard error
    } cases[] = {
        {{QStringLiteral("--route"), QStringLiteral("bureau")}, 3},
        {{QStringLiteral("--sort"), QStringLiteral("bureau")}, 3},
        {{QStringLiteral("--sort"), QStringLiteral("bureau"),
          QStringLiteral("--keep-undeliverable")},
         0},
    };
    for (const auto& c : cases) {
        QFile::remove(marked);
        const Outcome outcome =
            run(QStringList{QStringLiteral("labels"), log, QStringLiteral("--dump"),
                            QStringLiteral("--mark-sent"), marked} +
                c.options);
        const QByteArray context = c.options.join(u' ').toUtf8();
        EXPECT_EQ(outcome.code, 0) << outcome.err.constData();
        EXPECT_EQ(outcome.err.contains("3 QSO laissés de côté"), c.refused > 0)
            << context.constData();
        for (const char* call : {"9N1AA ", "3W9XX ", "DL1ABC "}) {
            EXPECT_EQ(outcome.err.contains(call), c.refused > 0) << call << context.constData();
            EXPECT_EQ(outcome.out.contains(call), c.refused == 0) << call << context.constData();
        }
        EXPECT_TRUE(outcome.err.contains("QSO par bureau : ")) << outcome.err.constData();
        int sent = 0;
        for (const QByteArray& line : readFile(marked).split('\n')) {
            sent += line.contains("<QSL_SENT:1>Y") ? 1 : 0;
            if (c.refused > 0 && (line.contains("9N1AA") || line.contains("3W9XX"))) {
                EXPECT_FALSE(line.contains("<QSL_SENT:1>Y")) << line.constData();
            }
        }
        EXPECT_EQ(sent, 12 - c.refused) << context.constData();
    }
}

// The QSL round from a plain log: QSOs still owed, bureau order with a small
// country file, and the copy of the log marked as sent.
TEST(CommandLine, PicksSortsAndMarksTheQslRound) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString settingsFolder = QFileInfo(SettingsStore().fileName()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    ASSERT_TRUE(QFile::copy(testDataPath(QStringLiteral("round/cty.dat")),
                            settingsFolder + QStringLiteral("/cty.dat")));
    const QString log = testDataPath(QStringLiteral("round/round.adi"));

    // Y and I are left out; absent, empty, N, R and Q stay.
    EXPECT_EQ(run({QStringLiteral("list"), log}).out.count('\n'), 15);
    EXPECT_EQ(run({QStringLiteral("list"), log, QStringLiteral("--unsent")}).out.count('\n'), 13);

    const Outcome bureau =
        run({QStringLiteral("list"), log, QStringLiteral("--sort"), QStringLiteral("bureau")});
    EXPECT_EQ(bureau.code, 0);
    QStringList order;
    for (const QByteArray& line : bureau.out.split('\n')) {
        if (!line.isEmpty()) {
            order.append(QString::fromUtf8(line.left(line.indexOf(' '))).replace(u'\t', u' '));
        }
    }
    // Entities by prefix, the recipient (the manager, else the home call) next; a
    // guest under its home call's entity (ON), a maritime mobile under its home
    // call's (G, not in this file), so last with a callsign of no entity.
    EXPECT_EQ(order.join(u','),
              QStringLiteral("DL DL1ABC,DL DL1ABC,DL DL1ABC,DL DL1ABC,DL DL1ABC,DL DL1ABC,"
                             "DL DL1ABC,DL F5AAA,F F6XYZ,F W1AW,K K1JT/P,ON EA8/ON4AAA,"
                             "UA9 UA9ABC,- G3ZZZ/MM,- ZZ9ZZ"));

    const QString marked = dir.filePath(QStringLiteral("marked.adi"));
    const Outcome printed = run({QStringLiteral("labels"), log, QStringLiteral("--unsent"),
                                 QStringLiteral("--dump"), QStringLiteral("--mark-sent"), marked,
                                 QStringLiteral("--sent-via"), QStringLiteral("D")});
    EXPECT_EQ(printed.code, 0) << printed.err.constData();
    QFile original(log);
    QFile copy(marked);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    const QList<QByteArray> before = original.readAll().split('\n');
    const QList<QByteArray> after = copy.readAll().split('\n');
    ASSERT_EQ(before.size(), after.size());
    const QByteArray today =
        QDateTime::currentDateTimeUtc().date().toString(u"yyyyMMdd").toLatin1();
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] == after[i]) {
            continue;
        }
        ++changed;
        EXPECT_TRUE(
            after[i].contains("<QSL_SENT:1>Y <QSLSDATE:8>" + today + " <QSL_SENT_VIA:1>D") ||
            after[i].contains("<QSL_SENT:1>Y <QSLSDATE:8>" + today))
            << after[i].constData();
        // Outside the three fields every byte is the log's own.
        QByteArray rest = after[i];
        for (const QByteArray& field : {QByteArray("<QSL_SENT:1>Y "), "<QSLSDATE:8>" + today + ' ',
                                        QByteArray("<QSL_SENT_VIA:1>D ")}) {
            rest.replace(field, "");
        }
        QByteArray kept = before[i];
        for (const QByteArray& field :
             {QByteArray("<QSL_SENT:1>N "), QByteArray("<QSL_SENT:1>R "),
              QByteArray("<QSL_SENT:1>Q "), QByteArray("<QSL_SENT:1>n "),
              QByteArray("<QSL_SENT:0> "), QByteArray("<QSL_SDATE:8>20200101 "),
              QByteArray("<QSL_SENT_VIA:1>D ")}) {
            kept.replace(field, "");
        }
        EXPECT_EQ(rest, kept);
    }
    EXPECT_EQ(changed, 13);

    // The log itself is never replaced.
    const QByteArray logBytes = readFile(log);
    EXPECT_EQ(run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                   QStringLiteral("--mark-sent"), log})
                  .code,
              CommandLine::kUsage);
    EXPECT_EQ(readFile(log), logBytes);
}

// The marked copy may replace no file of the run, however it is named: each
// is refused before anything is printed, and every file stays as it was.
TEST(CommandLine, TheMarkedCopyReplacesNoFileOfTheRun) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString settingsFolder = QFileInfo(SettingsStore().fileName()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    const QString sheets = SheetTable::ownSheetsPath(SettingsStore().fileName());
    QFile sheetsFile(sheets);
    ASSERT_TRUE(sheetsFile.open(QIODevice::WriteOnly));
    sheetsFile.write("Mine\tA4\t2x2\t10 10 90 130 100 140\n");
    sheetsFile.close();
    const QString log = writeFile(dir, QStringLiteral("log.adi"), "<CALL:5>F1AAA<EOR>\n");
    const QString layout = dir.filePath(QStringLiteral("card.qsl"));
    ASSERT_EQ(QslTemplateFile::save(QslTemplate::editorDefaults(), layout), QString());
    const QString pdf = writeFile(dir, QStringLiteral("out.pdf"), "older");
    const QString newPdf = dir.filePath(QStringLiteral("new.pdf"));
    const QString hardLink = dir.filePath(QStringLiteral("hard.adi"));
    ASSERT_EQ(::link(log.toLocal8Bit().constData(), hardLink.toLocal8Bit().constData()), 0);
    const QString softLink = dir.filePath(QStringLiteral("soft.adi"));
    ASSERT_TRUE(QFile::link(log, softLink));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("sub"))));
    const QString roundabout = dir.filePath(QStringLiteral("sub/../log.adi"));
    const QString labels = QStringLiteral("labels");
    const QString cards = QStringLiteral("cards");
    const QString mark = QStringLiteral("--mark-sent");
    const QString dump = QStringLiteral("--dump");
    const QString toPdf = QStringLiteral("--pdf");
    std::map<QString, QByteArray> before;
    for (const QString& file : {log, layout, pdf, sheets}) {
        before[file] = readFile(file);
    }
    for (const QStringList& arguments : {
             QStringList{cards, log, layout, dump, mark, layout},
             QStringList{labels, log, toPdf, pdf, mark, pdf},
             QStringList{labels, log, toPdf, newPdf, mark, newPdf},
             QStringList{labels, log, dump, mark, hardLink},
             QStringList{labels, log, dump, mark, softLink},
             QStringList{labels, log, dump, mark, roundabout},
             QStringList{labels, log, dump, mark, sheets},
             QStringList{labels, log, dump, mark, SettingsStore().fileName()},
             QStringList{labels, log, dump, mark, dir.path()},
         }) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.code, CommandLine::kUsage) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(result.err).startsWith(QStringLiteral("--mark-sent : ")))
            << result.err.constData();
    }
    for (const auto& [file, bytes] : before) {
        EXPECT_EQ(readFile(file), bytes) << file.toStdString();
    }
    EXPECT_FALSE(QFile::exists(newPdf));
}

// A marked copy that passes the checks made before printing and then cannot
// be written (the file size limit reached) fails the command, after the printing.
TEST(CommandLine, AMarkedCopyThatFailsIsNoSuccess) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString log = writeFile(dir, QStringLiteral("log.adi"), "<CALL:5>F1AAA<EOR>\n");
    const QString layout = dir.filePath(QStringLiteral("card.qsl"));
    ASSERT_EQ(QslTemplateFile::save(QslTemplate::editorDefaults(), layout), QString());
    const QString copy = dir.filePath(QStringLiteral("copy.adi"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("labels"), log, QStringLiteral("--dump")},
          QStringList{QStringLiteral("cards"), log, layout, QStringLiteral("--dump")}}) {
        rlimit before{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        const rlimit eightBytes{8, before.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eightBytes), 0);
        const Outcome result = run(arguments + QStringList{QStringLiteral("--mark-sent"), copy});
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        EXPECT_EQ(result.code, CommandLine::kPrintFailed) << arguments.first().toStdString();
        EXPECT_FALSE(result.out.isEmpty());  // printed
        EXPECT_TRUE(QString::fromUtf8(result.err)
                        .contains(QStringLiteral("Impossible d'écrire le fichier %1").arg(copy)))
            << result.err.constData();
        EXPECT_FALSE(QFile::exists(copy));
    }
}

// Electronic confirmations in the round, one fault a check: an eQSL thanked
// for as a card, a LoTW-confirmed QSO kept by --unconfirmed, a paper card
// after an eQSL keeping the eQSL's route, M written in the copy.
TEST(CommandLine, TheRoundTellsElectronicConfirmationsFromCards) {
    QTemporaryDir dir;
    const QByteArray qso = "<QSO_DATE:8>20240301 <TIME_ON:4>1000 <BAND:3>20M <MODE:3>SSB ";
    const QString log = writeFile(
        dir, QStringLiteral("log.adi"),
        "<EOH>\n<CALL:5>F1AAA " + qso +
            "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>E <QSLRDATE:8>20240310 <LOTW_QSL_RCVD:1>Y <EOR>\n"
            "<CALL:5>F1BBB " +
            qso + "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>D <EOR>\n<CALL:5>F1CCC " + qso + "<EOR>\n");
    const Outcome unconfirmed = run({QStringLiteral("list"), log, QStringLiteral("--unconfirmed")});
    EXPECT_EQ(unconfirmed.code, 0);
    EXPECT_FALSE(unconfirmed.out.contains("F1AAA"));
    EXPECT_TRUE(unconfirmed.out.contains("F1BBB") && unconfirmed.out.contains("F1CCC"));

    const Outcome thanks = run({QStringLiteral("labels"), log, QStringLiteral("--qsl"),
                                QStringLiteral("auto"), QStringLiteral("--dump")});
    EXPECT_EQ(thanks.code, 0) << thanks.err.constData();
    EXPECT_EQ(thanks.out.count("pour la QSL"), 1) << thanks.out.constData();

    const QString copy = dir.filePath(QStringLiteral("recues.adi"));
    const QString bundle = writeFile(dir, QStringLiteral("bundle.txt"), "F1AAA\nF1CCC\n");
    ASSERT_EQ(run({QStringLiteral("received"), log, QStringLiteral("--calls"), bundle,
                   QStringLiteral("--via"), QStringLiteral("M"), QStringLiteral("--out"), copy})
                  .code,
              0);
    const QByteArray today =
        QDateTime::currentDateTimeUtc().date().toString(u"yyyyMMdd").toLatin1();
    const QByteArray marked = readFile(copy);
    EXPECT_TRUE(marked.contains("<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>B <QSLRDATE:8>" + today))
        << marked.constData();
    EXPECT_TRUE(marked.contains("<CALL:5>F1CCC " + qso + "<QSL_RCVD:1>Y <QSLRDATE:8>" + today +
                                " <QSL_RCVD_VIA:1>B <EOR>"))
        << marked.constData();
    EXPECT_FALSE(marked.contains("20240310"));
    EXPECT_FALSE(marked.contains("_VIA:1>M"));
}

// A bundle saved as "Unicode" text (UTF-16, no mark) matches as typed, and a
// control character of a line is not echoed to the terminal.
TEST(CommandLine, ReceivedReadsAUtf16BundleAndEchoesItCleaned) {
    QTemporaryDir dir;
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const QString bundle = writeFile(dir, QStringLiteral("bundle.txt"),
                                     utf16.encode(QStringLiteral("F1AAC\r\nF1\u001B[2JZZ\r\n")));
    const QString copy = dir.filePath(QStringLiteral("recues.adi"));
    const Outcome outcome =
        run({QStringLiteral("received"), testDataPath(QStringLiteral("answer/answer.adi")),
             QStringLiteral("--calls"), bundle, QStringLiteral("--out"), copy});
    EXPECT_EQ(outcome.code, 0) << outcome.err.constData();
    EXPECT_EQ(outcome.err,
              "Ligne 2 : aucun QSO ne correspond : F1 [2JZZ\n"
              "1 ligne trouvée, 1 sans QSO, 0 à plusieurs QSO\n");
    // F1AAC found: one more QSO received.
    EXPECT_EQ(
        readFile(copy).count("<QSL_RCVD:1>Y"),
        readFile(testDataPath(QStringLiteral("answer/answer.adi"))).count("<QSL_RCVD:1>Y") + 1);
}

// A bundle of cards received: the lines that find one QSO mark it received in
// the copy (a QSO received already keeps its date); the lines that find none
// or several are listed and mark nothing; outside the three fields the copy is
// the log byte for byte.
TEST(CommandLine, ReceivedMarksTheCardsOfABundle) {
    QTemporaryDir dir;
    const QString log = testDataPath(QStringLiteral("answer/answer.adi"));
    const QString copy = dir.filePath(QStringLiteral("recues.adi"));
    const Outcome outcome =
        run({QStringLiteral("received"), log, QStringLiteral("--calls"),
             testDataPath(QStringLiteral("answer/bundle.txt")), QStringLiteral("--via"),
             QStringLiteral("D"), QStringLiteral("--out"), copy});
    EXPECT_EQ(outcome.code, 0) << outcome.err.constData();
    EXPECT_EQ(QString::fromUtf8(outcome.err).split(u'\n', Qt::SkipEmptyParts),
              QStringList(
                  {QStringLiteral("Ligne 3 : 2 QSO correspondent, aucun n'est marqué : F1AAA"),
                   QStringLiteral("Ligne 6 : 2 QSO correspondent, aucun n'est marqué : F1AAH 40M"),
                   QStringLiteral("Ligne 9 : aucun QSO ne correspond : NOBODY"),
                   QStringLiteral("Ligne 10 : « extra » n'est ni une date (AAAAMMJJ, "
                                  "AAAA-MM-JJ, JJ/MM/AA) ni une bande (20M) : aucun QSO n'est "
                                  "cherché : F1AAK 20M extra"),
                   QStringLiteral("Ligne 11 : aucun QSO ne correspond : F1AAM 15M"),
                   QStringLiteral("5 lignes trouvées, 3 sans QSO, 2 à plusieurs QSO")}));
    const QByteArray today =
        QDateTime::currentDateTimeUtc().date().toString(u"yyyyMMdd").toLatin1();
    const QList<QByteArray> before = readFile(log).split('\n');
    const QList<QByteArray> after = readFile(copy).split('\n');
    ASSERT_EQ(before.size(), after.size());
    // Each marked record as the copy must hold it: a card already received on
    // paper keeps its route and date (the old QSL_RDATE under ADIF's name).
    const std::pair<QByteArray, QByteArray> changes[] = {
        {"<QSL_SENT:1>N <EOR>",
         "<QSL_SENT:1>N <QSL_RCVD:1>Y <QSLRDATE:8>" + today + " <QSL_RCVD_VIA:1>D <EOR>"},
        {"<QSL_RDATE:8>20240320", "<QSLRDATE:8>20240320"},
        {"<QSL_RCVD_VIA:1>B <EOR>", "<QSL_RCVD_VIA:1>B <QSLRDATE:8>" + today + " <EOR>"},
        {"<QSL_RCVD:1>v <QSL_RCVD_VIA:1>d <EOR>",
         "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>d <QSLRDATE:8>" + today + " <EOR>"},
        {"<RST_SENT:3>599 <EOR>",
         "<RST_SENT:3>599 <QSL_RCVD:1>Y <QSLRDATE:8>" + today + " <QSL_RCVD_VIA:1>D <EOR>"},
    };
    QStringList marked;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] == after[i]) {
            continue;
        }
        ASSERT_LT(static_cast<size_t>(marked.size()), std::size(changes)) << after[i].constData();
        const auto& [was, becomes] = changes[marked.size()];
        marked.append(QString::fromLatin1(after[i].mid(8, 5)) + QLatin1Char(' ') +
                      QString::fromLatin1(after[i].mid(26, 8)));
        EXPECT_EQ(after[i], QByteArray(before[i]).replace(was, becomes))
            << marked.last().toStdString();
    }
    EXPECT_EQ(marked,
              QStringList({QStringLiteral("F1AAC 20240303"), QStringLiteral("F1AAG 20240307"),
                           QStringLiteral("F1AAH 20240308"), QStringLiteral("F1AAI 20240309"),
                           QStringLiteral("F1AAA 20240402")}));

    // Wrong routes and missing options are refused, the log is never the copy.
    for (const QStringList& wrong : {QStringList{QStringLiteral("--via"), QStringLiteral("E")},
                                     QStringList{QStringLiteral("--out"), log}}) {
        QStringList arguments{QStringLiteral("received"), log, QStringLiteral("--calls"),
                              testDataPath(QStringLiteral("answer/bundle.txt"))};
        arguments += wrong;
        if (!wrong.contains(QStringLiteral("--out"))) {
            arguments << QStringLiteral("--out") << copy;
        }
        EXPECT_EQ(run(arguments).code, CommandLine::kUsage) << wrong.join(u' ').toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("received"), log, QStringLiteral("--out"), copy}).code,
              CommandLine::kUsage);
}

// Every output of every command is checked against the one list of the run's
// files: the settings file and the files kept beside it are files of the run
// as much as the log, the bundle and the template. Refused before anything is
// printed or read, with exit 2, every file as it was.
TEST(CommandLine, NoOutputReplacesAFileOfTheRun) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString settings = SettingsStore::userFileName();
    const QString folder = QFileInfo(settings).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString sheets = writeFile(dir, QStringLiteral("config/Quenor_Etiquettes/planches.txt"),
                                     "Mine\tA4\t2x2\t10 10 90 130 100 140\n");
    const QString book =
        writeFile(dir, QStringLiteral("config/Quenor_Etiquettes/adresses.csv"), "F1AAA;Paris\n");
    const QString countries =
        writeFile(dir, QStringLiteral("config/Quenor_Etiquettes/cty.dat"), "France: 14: 27:\n");
    writeFile(dir, QStringLiteral("config/Quenor_Etiquettes/Etiquette.ini"), "[General]\nx=1\n");
    ASSERT_EQ(sheets, RunFiles::sheetsFile(settings));
    const QString log = writeFile(dir, QStringLiteral("log.adi"), "<CALL:5>F1AAA<EOR>\n");
    const QString bundle = writeFile(dir, QStringLiteral("bundle.txt"), "F1AAA\n");
    const QString layout = dir.filePath(QStringLiteral("card.qsl"));
    ASSERT_EQ(QslTemplateFile::save(QslTemplate::editorDefaults(), layout), QString());
    const QString labels = QStringLiteral("labels");
    const QString toPdf = QStringLiteral("--pdf");
    const QString mark = QStringLiteral("--mark-sent");
    const QString dump = QStringLiteral("--dump");
    std::map<QString, QByteArray> before;
    for (const QString& file : {settings, sheets, book, countries, log, bundle, layout}) {
        before[file] = readFile(file);
    }
    struct Case {
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {{labels, log, toPdf, sheets}, "est le fichier lu"},
        {{labels, log, toPdf, settings}, "est le fichier lu"},
        {{labels, log, toPdf, countries}, "est le fichier lu"},
        {{labels, log, dump, mark, book}, "de cette impression"},
        {{labels, log, dump, mark, countries}, "de cette impression"},
        {{QStringLiteral("cards"), log, layout, toPdf, book}, "est le fichier lu"},
        {{QStringLiteral("cards"), log, layout, dump, mark, sheets}, "de cette impression"},
        {{QStringLiteral("addresses"), log, QStringLiteral("--envelope"), QStringLiteral("DL"),
          toPdf, book},
         "est le fichier lu"},
        {{QStringLiteral("addresses"), log, QStringLiteral("--envelope"), QStringLiteral("DL"),
          toPdf, settings},
         "est le fichier lu"},
        {{QStringLiteral("received"), log, QStringLiteral("--calls"), bundle,
          QStringLiteral("--out"), settings},
         "de cette impression"},
        {{QStringLiteral("received"), log, QStringLiteral("--calls"), bundle,
          QStringLiteral("--out"), bundle},
         "de cette impression"},
        {{QStringLiteral("received"), log, QStringLiteral("--calls"), bundle,
          QStringLiteral("--out"), sheets},
         "de cette impression"},
    };
    for (const Case& c : cases) {
        const std::string row = c.arguments.join(u' ').toStdString();
        const Outcome result = run(c.arguments);
        EXPECT_EQ(result.code, CommandLine::kUsage) << row;
        EXPECT_TRUE(result.out.isEmpty()) << row;
        EXPECT_TRUE(result.err.contains(c.says)) << row << result.err.constData();
        EXPECT_TRUE(QString::fromUtf8(result.err).contains(c.arguments.last())) << row;
    }
    for (const auto& [file, bytes] : before) {
        EXPECT_EQ(readFile(file), bytes) << file.toStdString();
    }
}

}  // namespace

namespace {

// The settings folder of a run, with the small country file of the round tests.
void useRoundCountryFile(const QTemporaryDir& dir) {
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QString settingsFolder = QFileInfo(SettingsStore().fileName()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    ASSERT_TRUE(QFile::copy(testDataPath(QStringLiteral("round/cty.dat")),
                            settingsFolder + QStringLiteral("/cty.dat")));
}

}  // namespace

// Values that are not what they claim, one fault a row: a QSO without CALL
// (listed as FXXXX) filed under France by the bureau order and sent with the
// French bureau's cards; a QSO_DATE from a converter printed as a date.
TEST(CommandLine, AQsoWithoutCallOrDateIsNamedNotFiled) {
    QTemporaryDir dir;
    useRoundCountryFile(dir);
    const QString log = writeFile(
        dir, QStringLiteral("log.adi"),
        "<EOH>\n<CALL:5>F1AAA<QSO_DATE:8>20240101<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW<EOR>\n"
        "<QSO_DATE:8>20240102<TIME_ON:4>1300<BAND:3>20M<MODE:2>CW<EOR>\n"
        "<CALL:5>F2BBB<QSO_DATE:8>N:/TI/CA<TIME_ON:4>1400<BAND:3>20M<MODE:2>CW<EOR>\n");
    const Outcome listed =
        run({QStringLiteral("list"), log, QStringLiteral("--sort"), QStringLiteral("bureau")});
    EXPECT_EQ(listed.code, CommandLine::kOk) << listed.err.constData();
    const QList<QByteArray> lines = listed.out.split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("F\tF1AAA ")) << lines[0].constData();
    EXPECT_TRUE(lines[1].startsWith("F\tF2BBB         01/01/20")) << lines[1].constData();
    EXPECT_TRUE(lines[2].startsWith("!-\tFXXXX ")) << lines[2].constData();
    EXPECT_TRUE(listed.err.contains("Date « N:/TI/CA » illisible")) << listed.err.constData();

    const Outcome printed = run({QStringLiteral("labels"), log, QStringLiteral("--dump"),
                                 QStringLiteral("--sort"), QStringLiteral("bureau")});
    EXPECT_EQ(printed.code, CommandLine::kOk) << printed.err.constData();
    EXPECT_TRUE(printed.err.contains(
        "FXXXX 02/01/24 14 Mhz : pas d'indicatif (CALL) dans le journal, aucune entité"))
        << printed.err.constData();
    EXPECT_TRUE(printed.err.contains("QSO par bureau : F 2\n")) << printed.err.constData();
    EXPECT_FALSE(printed.out.contains("FXXXX")) << printed.out.constData();
    EXPECT_TRUE(printed.out.contains("F2BBB")) << printed.out.constData();
}

// --sent-via M (a manager) is written B, the bureau the card goes through, as
// ADIF no longer has M written; the other methods as they are given.
TEST(CommandLine, TheSendingMethodIsWrittenAsAdifHasIt) {
    QTemporaryDir dir;
    useRoundCountryFile(dir);
    const QString log =
        writeFile(dir, QStringLiteral("log.adi"),
                  "<EOH>\n<CALL:5>F1AAA<QSO_DATE:8>20240101<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW"
                  "<QSL_SENT:1>N<QSL_SENT_VIA:1>D<EOR>\n");
    const QString copy = dir.filePath(QStringLiteral("copy.adi"));
    for (const auto& [given, written] :
         {std::pair<const char*, QByteArray>{"M", "B"}, {"D", "D"}, {"E", "E"}, {"B", "B"}}) {
        QFile::remove(copy);
        const Outcome outcome =
            run({QStringLiteral("labels"), log, QStringLiteral("--dump"), QStringLiteral("--route"),
                 QStringLiteral("direct"), QStringLiteral("--sent-via"), QString::fromLatin1(given),
                 QStringLiteral("--mark-sent"), copy});
        EXPECT_EQ(outcome.code, CommandLine::kOk) << given << outcome.err.constData();
        EXPECT_TRUE(
            readFile(copy).contains("<QSL_SENT:1>Y<QSL_SENT_VIA:1>" + written + "<QSLSDATE"))
            << given << readFile(copy).constData();
    }
}

// A confirmation download is not the operator's log: its QSL_RCVD is the
// service's, and a paper card marked there would be mixed with them.
TEST(CommandLine, ReceivedRefusesAConfirmationDownload) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.adi"));
    const QString bundle = writeFile(dir, QStringLiteral("bundle.txt"), "KD4LV\nM0OXO\n");
    for (const char* report :
         {"other_programs/lotw_report.adi", "other_programs/lotw_report_2015.adi"}) {
        const QString log = testDataPath(QString::fromLatin1(report));
        const Outcome outcome = run({QStringLiteral("received"), log, QStringLiteral("--calls"),
                                     bundle, QStringLiteral("--out"), copy});
        EXPECT_EQ(outcome.code, CommandLine::kUnreadable) << report;
        // The reader's own words on the report come first; the refusal closes the run.
        EXPECT_TRUE(QString::fromUtf8(outcome.err)
                        .endsWith(ConfirmationDownload::notTheLogMessage(
                                      ConfirmationDownload::Kind::LotwReport,
                                      NativeFileName::display(log)) +
                                  QLatin1Char('\n')))
            << report << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains("pas votre journal"));
        EXPECT_FALSE(QFile::exists(copy)) << report;
    }
}
