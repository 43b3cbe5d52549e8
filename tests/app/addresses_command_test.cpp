#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "app/command_line.h"
#include "labels/sheet_table.h"
#include "mail/address_book.h"
#include "mail/envelope_format.h"
#include "settings/settings_store.h"
#include "settings/stored_setting.h"
#include "support/command_run.h"
#include "support/pdf_text.h"
#include "support/test_files.h"

namespace {

// A dump cut into its pieces: the texts of each job, and the missing calls.
struct Dumped {
    std::vector<QStringList> jobs;
    QStringList missing;
};

Dumped parse(const QByteArray& dump) {
    Dumped dumped;
    QStringList job;
    for (const QByteArray& line : dump.split('\n')) {
        if (line.startsWith("text ")) {
            const qsizetype bar = line.indexOf('|');
            job.append(QString::fromUtf8(line.mid(bar + 1, line.size() - bar - 2)));
        } else if (line == "end") {
            dumped.jobs.push_back(job);
            job.clear();
        } else if (line.startsWith("missing ")) {
            dumped.missing.append(QString::fromUtf8(line.mid(8)));
        }
    }
    return dumped;
}

class AddressesCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
        SettingsStore store;
        store.write(StoredSettings::kCallsign, QStringLiteral("F9XQA"));
        store.write(StoredSettings::kSenderAddress,
                    QStringLiteral("F9XQA\nPaul Martin\n75002 Paris"), QStringLiteral("F9XQA"));
        store.sync();
        AddressBook book;
        book.put({QStringLiteral("M0OXO"), {QStringLiteral("Charles"), QStringLiteral("UK")}});
        // Beside the settings file the store uses: Qt keeps the first folder a
        // process gave its settings.
        QFile sheets(SheetTable::ownSheetsPath(store.fileName()));
        ASSERT_TRUE(sheets.open(QIODevice::WriteOnly));
        sheets.write("Quatre\tA4\t2x2\t10 10 90 60 95 65\nBad\tA4\t2x2\t10 10 190 60 95 65\n");
        sheets.close();
        QString error;
        ASSERT_TRUE(book.save(AddressBook::pathBeside(store.fileName()), &error))
            << error.toStdString();
    }

    Outcome addresses(const QStringList& options) const {
        return run(QStringList{QStringLiteral("addresses"), log_} + options);
    }

    QTemporaryDir dir_;
    const QString log_ = testDataPath(QStringLiteral("mail/addresses.adi"));
};

// Each recipient once, in print-list order (by call): the manager's address
// from the book, the log's latest address of a station worked portable, the
// UTF-8 ADDRESS_INTL before ADDRESS, Latin-1 decoded; the others missing.
TEST_F(AddressesCommand, DumpsOneAddressPerRecipientAndTheMissingOnes) {
    const QStringList dl1abc{QStringLiteral("DL1ABC"), QStringLiteral("Jürgen Müller"),
                             QStringLiteral("Hauptstraße 5"), QStringLiteral("10115 Berlin"),
                             QStringLiteral("Germany")};
    const QStringList on4aaa{QStringLiteral("ON4AAA"), QStringLiteral("Jean Dupont"),
                             QStringLiteral("Rue Neuve 1"), QStringLiteral("1000 Bruxelles"),
                             QStringLiteral("Belgium")};
    const QStringList ja1xyz{QStringLiteral("JA1XYZ"), QStringLiteral("山田 太郎"),
                             QStringLiteral("東京都"), QStringLiteral("Japan")};
    const QStringList m0oxo{QStringLiteral("M0OXO"), QStringLiteral("Charles"),
                            QStringLiteral("UK")};
    const QStringList sender{QStringLiteral("F9XQA"), QStringLiteral("Paul Martin"),
                             QStringLiteral("75002 Paris")};
    const QStringList missing{QStringLiteral("K1ZZ"), QStringLiteral("F6XYZ")};
    struct Case {
        QStringList options;
        std::vector<QStringList> jobs;
    };
    const Case cases[] = {
        {{QStringLiteral("--sheet"), QStringLiteral("L7160")}, {dl1abc + on4aaa + ja1xyz + m0oxo}},
        {{QStringLiteral("--sheet"), QStringLiteral("L7160"), QStringLiteral("--return-address"),
          QStringLiteral("2")},
         {dl1abc + on4aaa + ja1xyz + m0oxo + sender + sender}},
        // The operator's sheet of four labels: the return address starts a second sheet.
        {{QStringLiteral("--sheet"), QStringLiteral("Quatre"), QStringLiteral("--return-address"),
          QStringLiteral("1")},
         {}},
        {{QStringLiteral("--envelope"), QStringLiteral("DL")},
         {sender + dl1abc, sender + on4aaa, sender + ja1xyz, sender + m0oxo}},
        {{QStringLiteral("--envelope"), QStringLiteral("us10"), QStringLiteral("--sort"),
          QStringLiteral("call")},
         {sender + dl1abc, sender + on4aaa, sender + ja1xyz, sender + m0oxo}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = addresses(c.options + QStringList{QStringLiteral("--dump")});
        const std::string name = c.options.join(QLatin1Char(' ')).toStdString();
        ASSERT_EQ(outcome.code, 0) << name << ": " << outcome.err.toStdString();
        const Dumped dumped = parse(outcome.out);
        EXPECT_EQ(dumped.missing, missing) << name;
        if (c.jobs.empty()) {
            EXPECT_EQ(dumped.jobs.size(), 2u) << name;
            continue;
        }
        ASSERT_EQ(dumped.jobs.size(), c.jobs.size()) << name;
        for (size_t i = 0; i < c.jobs.size(); ++i) {
            EXPECT_EQ(dumped.jobs[i], c.jobs[i]) << name << " job " << i;
        }
    }
}

// Logs as loggers write them, one fault a recipient: QSL_VIA in words taken
// for a manager (SP7HKK's own address lost), a call cut to 12 characters
// (PA75LIBERATI, its address never found), the country prefix VP2V mailed in
// place of K5PI, a QSO without CALL listed as missing FXXXX, and a BOM or CR
// inside one CALL failing the whole run as a log changed since it was read.
TEST_F(AddressesCommand, MailsTheStationLoggersName) {
    QFile countries(QFileInfo(SettingsStore().fileName()).absolutePath() +
                    QStringLiteral("/cty.dat"));
    ASSERT_TRUE(countries.open(QIODevice::WriteOnly));
    countries.write("British Virgin Islands: 08: 11: NA: 18.42: 64.58: 4.0: VP2V:\n    VP2V;\n");
    countries.close();
    const Outcome outcome =
        run({QStringLiteral("addresses"), testDataPath(QStringLiteral("mail/loggers.adi")),
             QStringLiteral("--sheet"), QStringLiteral("L7160"), QStringLiteral("--sort"),
             QStringLiteral("call"), QStringLiteral("--dump")});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const Dumped dumped = parse(outcome.out);
    EXPECT_EQ(dumped.missing, (QStringList{QStringLiteral("EA5GL"), QStringLiteral("K5PI")}));
    ASSERT_EQ(dumped.jobs.size(), 1u);
    EXPECT_EQ(
        dumped.jobs[0],
        (QStringList{
            QStringLiteral("ON4BB"), QStringLiteral("Marc Peeters"), QStringLiteral("Belgium"),
            QStringLiteral("ON4CC"), QStringLiteral("Luc Janssens"), QStringLiteral("Belgium"),
            QStringLiteral("PA75LIBERATION"), QStringLiteral("Stichting Liberation"),
            QStringLiteral("Postbus 75"), QStringLiteral("Netherlands"), QStringLiteral("SP7HKK"),
            QStringLiteral("Jan Kowalski"), QStringLiteral("ul. Lipowa 3"),
            QStringLiteral("90-001 Lodz"), QStringLiteral("Poland")}));
}

// A LoTW report as LoTW wrote it in 2015, text after each CALL value: the
// log is read a second time for its addresses as the reader read it, and
// nothing is said to have changed.
TEST_F(AddressesCommand, ReadsALogWithTextAfterItsValues) {
    const Outcome outcome =
        run({QStringLiteral("addresses"),
             testDataPath(QStringLiteral("other_programs/lotw_report_2015.adi")),
             QStringLiteral("--envelope"), QStringLiteral("C6"), QStringLiteral("--dump")});
    EXPECT_EQ(outcome.code, CommandLine::kOk) << outcome.err.toStdString();
    EXPECT_FALSE(outcome.err.contains("a changé")) << outcome.err.toStdString();
    const Dumped dumped = parse(outcome.out);
    EXPECT_EQ(dumped.missing, (QStringList{QStringLiteral("JA1XYZ"), QStringLiteral("KD4LV")}));
    ASSERT_EQ(dumped.jobs.size(), 1u);
    EXPECT_TRUE(dumped.jobs[0].contains(QStringLiteral("Charles"))) << outcome.out.toStdString();
}

TEST_F(AddressesCommand, RefusesWrongArgumentsAndSaysWhenNoQsoHasAnAddress) {
    struct Case {
        QStringList arguments;
        int code;
        const char* error;
    };
    const QString plain = testDataPath(QStringLiteral("one_record_per_line.adi"));
    const Case cases[] = {
        {{QStringLiteral("--dump")}, CommandLine::kUsage, "Usage : quenor-etiquettes addresses"},
        {{QStringLiteral("--sheet"), QStringLiteral("L7160"), QStringLiteral("--envelope"),
          QStringLiteral("DL"), QStringLiteral("--dump")},
         CommandLine::kUsage,
         "Usage :"},
        {{QStringLiteral("--envelope"), QStringLiteral("C4"), QStringLiteral("--dump")},
         CommandLine::kUsage,
         "--envelope : DL, C6, C65, C5, US10"},
        {{QStringLiteral("--sheet"), QStringLiteral("NOPE"), QStringLiteral("--dump")},
         CommandLine::kUsage,
         "--sheet : planche inconnue NOPE"},
        // A sheet of planches.txt that was refused: the reason, not only "unknown".
        {{QStringLiteral("--sheet"), QStringLiteral("Bad"), QStringLiteral("--dump")},
         CommandLine::kUsage,
         "planche inconnue Bad : elle est refusée dans"},
        {{QStringLiteral("--sheet"), QStringLiteral("L7160"), QStringLiteral("--return-address"),
          QStringLiteral("-1"), QStringLiteral("--dump")},
         CommandLine::kUsage,
         "--return-address : un nombre de 0 à 1000 est attendu."},
        {{QStringLiteral("--envelope"), QStringLiteral("C5"), QStringLiteral("--pdf"), log_},
         CommandLine::kUsage,
         "est le fichier lu"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = addresses(c.arguments);
        EXPECT_EQ(outcome.code, c.code) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(outcome.err.contains(c.error)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty());
    }
    // The largest number of return-address labels is taken.
    const Outcome most = addresses({QStringLiteral("--sheet"), QStringLiteral("L7160"),
                                    QStringLiteral("--return-address"), QStringLiteral("1000"),
                                    QStringLiteral("--dump")});
    EXPECT_EQ(most.code, CommandLine::kOk) << most.err.toStdString();
    // Return-address labels without a sender's address stored: said, nothing printed.
    {
        SettingsStore store;
        store.write(StoredSettings::kSenderAddress, QString(), QStringLiteral("F9XQA"));
    }
    const Outcome noSender = addresses({QStringLiteral("--sheet"), QStringLiteral("L7160"),
                                        QStringLiteral("--return-address"), QStringLiteral("2"),
                                        QStringLiteral("--dump")});
    EXPECT_EQ(noSender.code, CommandLine::kUsage);
    EXPECT_TRUE(noSender.err.contains("aucune adresse de l'expéditeur"))
        << noSender.err.toStdString();
    EXPECT_TRUE(noSender.out.isEmpty());
    const Outcome none = run({QStringLiteral("addresses"), plain, QStringLiteral("--envelope"),
                              QStringLiteral("C6"), QStringLiteral("--dump")});
    EXPECT_EQ(none.code, CommandLine::kUnreadable);
    EXPECT_EQ(none.err, "Aucune adresse pour les QSO choisis\n");
    EXPECT_TRUE(none.out.startsWith("missing ")) << none.out.toStdString();
    EXPECT_FALSE(none.out.contains("end"));
    const QString pdf = dir_.filePath(QStringLiteral("none.pdf"));
    EXPECT_EQ(run({QStringLiteral("addresses"), plain, QStringLiteral("--sheet"),
                   QStringLiteral("L7160"), QStringLiteral("--pdf"), pdf})
                  .code,
              CommandLine::kUnreadable);
    EXPECT_FALSE(QFile::exists(pdf));
}

// Envelopes in landscape on their own page size, from the paper's edge, with
// the printer's calibration; every word in its block.
TEST_F(AddressesCommand, PrintsEnvelopesInLandscapeWithEveryWordInItsBlock) {
    if (!pdftotextAvailable()) {
        GTEST_SKIP() << "pdftotext missing";
    }
    const QString pdf = dir_.filePath(QStringLiteral("envelopes.pdf"));
    const Outcome outcome = addresses(
        {QStringLiteral("--envelope"), QStringLiteral("C5"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err, "Pas d'adresse pour : K1ZZ, F6XYZ\n");
    int pages = 0;
    const std::vector<PdfWord> words = pdfWords(pdf, &pages);
    EXPECT_EQ(pages, 4);
    const EnvelopeFormat& c5 = *EnvelopeFormat::find(QStringLiteral("C5"));
    for (const PdfWord& word : words) {
        const QRectF block =
            word.top < c5.height * 0.45 - 1 ? c5.senderBlock() : c5.recipientBlock();
        EXPECT_GE(word.left, block.left() - 0.5) << word.text.toStdString();
        EXPECT_LE(word.right, block.right() + 0.5) << word.text.toStdString();
        EXPECT_LE(word.bottom, block.bottom() + 0.5) << word.text.toStdString();
        EXPECT_LE(word.right, c5.width) << word.text.toStdString();
    }
}

// What the book could not take as a station, or gives twice, is said on
// standard error with its line, as the "Adresses" window says it; the run
// uses the last address of a call given twice.
TEST_F(AddressesCommand, SaysTheBooksProblemsOnStandardError) {
    const QString bookPath = AddressBook::pathBeside(SettingsStore().fileName());
    QFile book(bookPath);
    ASSERT_TRUE(book.open(QIODevice::WriteOnly | QIODevice::Truncate));
    book.write("# carnet\nM0OXO;Old;UK\n;Sans indicatif\nM0OXO;Charles;UK\n");
    book.close();
    const Outcome outcome =
        addresses({QStringLiteral("--sheet"), QStringLiteral("L7160"), QStringLiteral("--dump")});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QByteArray said = QStringLiteral(
                                "Le carnet d'adresses %1 est lu, sauf :\n"
                                "  ligne 3 : pas d'indicatif en tête, ligne gardée "
                                "telle quelle\n"
                                "  ligne 4 : M0OXO figure déjà ligne 2 ; l'adresse "
                                "de la ligne 4 est utilisée, les deux lignes sont "
                                "gardées\n")
                                .arg(bookPath)
                                .toUtf8();
    EXPECT_TRUE(outcome.err.contains(said)) << outcome.err.toStdString();
    const Dumped dumped = parse(outcome.out);
    ASSERT_EQ(dumped.jobs.size(), 1u);
    EXPECT_TRUE(dumped.jobs[0].contains(QStringLiteral("Charles")));
    EXPECT_FALSE(dumped.jobs[0].contains(QStringLiteral("Old")));
}

// An address that fits no label and no envelope is said as such: nothing is
// printed, and no output is taken for a full disk.
TEST_F(AddressesCommand, AnAddressThatFitsNowhereIsSaidTooLong) {
    AddressBook book;
    book.put({QStringLiteral("F1AAA"), {QString(400, QLatin1Char('X'))}});
    QString error;
    ASSERT_TRUE(book.save(AddressBook::pathBeside(SettingsStore().fileName()), &error));
    const QString log = writeFile(dir_, QStringLiteral("one.adi"),
                                  "<CALL:5>F1AAA<QSO_DATE:8>20240101<TIME_ON:4>1200<EOR>\n");
    const QString pdf = dir_.filePath(QStringLiteral("out.pdf"));
    for (const QStringList& output :
         {QStringList{QStringLiteral("--dump")}, QStringList{QStringLiteral("--pdf"), pdf}}) {
        for (const QStringList& target :
             {QStringList{QStringLiteral("--sheet"), QStringLiteral("L7160")},
              QStringList{QStringLiteral("--envelope"), QStringLiteral("DL")}}) {
            const QStringList arguments =
                QStringList{QStringLiteral("addresses"), log} + target + output;
            const Outcome outcome = run(arguments);
            const std::string row = arguments.join(u' ').toStdString();
            EXPECT_EQ(outcome.code, CommandLine::kUnreadable) << row;
            EXPECT_TRUE(outcome.err.contains("Adresse trop longue"))
                << row << outcome.err.constData();
            EXPECT_FALSE(outcome.err.contains("support plein")) << row;
            EXPECT_FALSE(outcome.err.contains("abîmé")) << row;
        }
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
