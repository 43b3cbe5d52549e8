#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "labels/label_fitting.h"
#include "log/adif_reader.h"
#include "mail/address_block.h"
#include "mail/address_book.h"
#include "mail/address_source.h"
#include "mail/envelope_format.h"
#include "mail/envelope_run.h"
#include "mail/log_addresses.h"
#include "mail/mailing_list.h"
#include "mail/sender_settings.h"
#include "printing/dump_surface.h"
#include "settings/settings_store.h"

namespace {

TEST(AddressSource, FindsTheStationACardGoesTo) {
    struct Case {
        const char* callsign;
        const char* via;
        const char* station;
        bool manager;
    };
    const Case cases[] = {
        {"ON4AAA", "", "ON4AAA", false},
        {"ea8/on4aaa", "", "ON4AAA", false},
        {"ON4AAA/EA8", "", "ON4AAA", false},
        {"F5ABC/P", "", "F5ABC", false},
        {"F5ABC/QRP", "", "F5ABC", false},
        {"K1ABC/4", "", "K1ABC", false},
        {"TM5ABC/M", "", "TM5ABC", false},
        {"3B8/DL1ABC/A", "", "DL1ABC", false},
        {"VP8XYZ", " m0oxo ", "M0OXO", true},
        {"EA8/ON4AAA/P", "EA5XX", "EA5XX", true},
        // Words in QSL_VIA are no manager: the station is its own recipient.
        {"SP7HKK", "BUREAU, LOTW. CLUBLOG", "SP7HKK", false},
        {"HB9TWY", "NO QSL CARD, SORRY", "HB9TWY", false},
        {"EA5ABC", "VIA EA5GL", "EA5GL", true},
        {"ON4XX", "QSL MANAGER IS ON7SS", "ON7SS", true},
        {"LY2AB", "QSL VIA LY5CA EQSL", "LY5CA", true},
        // The whole call, and the home call of a call worked abroad.
        {"PA75LIBERATION", "", "PA75LIBERATION", false},
        {"KH6/K1A", "", "K1A", false},
        {"EA8/N1A", "", "N1A", false},
        {"K1ABC/AM", "", "K1ABC", false},
    };
    for (const Case& c : cases) {
        const AddressSource::Recipient recipient =
            AddressSource::recipientOf(QString::fromLatin1(c.callsign), QString::fromLatin1(c.via));
        EXPECT_EQ(recipient.call, QString::fromLatin1(c.station)) << c.callsign;
        EXPECT_EQ(recipient.manager, c.manager) << c.callsign;
    }
}

TEST(AddressSource, TakesTheBookFirstThenTheLatestLogAddressOfTheStationsOwnQso) {
    AddressBook book;
    book.put({QStringLiteral("m0oxo"), {QStringLiteral("Charles Wilmott"), QStringLiteral("UK")}});
    AddressSource source(book);
    source.offerLogAddress(QStringLiteral("ON4AAA"), QStringLiteral("20240102 1200"),
                           QStringLiteral("Old Name\r\nOld street\r\nBelgium"));
    source.offerLogAddress(QStringLiteral("ON4AAA"), QStringLiteral("20250101 0900"),
                           QStringLiteral("Jean Dupont\nRue Neuve 1\n\n 1000 Bruxelles \nBelgium"));
    source.offerLogAddress(QStringLiteral("ON4AAA"), QStringLiteral("20230101 0900"),
                           QStringLiteral("Older\nstill"));
    source.offerLogAddress(QStringLiteral("M0OXO"), QStringLiteral("20250101 0900"),
                           QStringLiteral("His own QSO's address"));
    source.offerLogAddress(QStringLiteral("VP8XYZ"), QStringLiteral("20250101 0900"),
                           QStringLiteral("Station address"));

    EXPECT_EQ(*source.addressOf({QStringLiteral("ON4AAA"), false}),
              (QStringList{QStringLiteral("ON4AAA"), QStringLiteral("Jean Dupont"),
                           QStringLiteral("Rue Neuve 1"), QStringLiteral("1000 Bruxelles"),
                           QStringLiteral("Belgium")}));
    EXPECT_EQ(*source.addressOf({QStringLiteral("M0OXO"), true}),
              (QStringList{QStringLiteral("M0OXO"), QStringLiteral("Charles Wilmott"),
                           QStringLiteral("UK")}));
    // Without the book, a manager's address is the one of his own QSO, as a
    // station's; the log's address of VP8XYZ is its own, never its manager's.
    book.remove(QStringLiteral("M0OXO"));
    for (const bool manager : {true, false}) {
        EXPECT_EQ(source.addressOf({QStringLiteral("M0OXO"), manager}),
                  (QStringList{QStringLiteral("M0OXO"), QStringLiteral("His own QSO's address")}));
    }
    EXPECT_FALSE(source.addressOf({QStringLiteral("DL1ABC"), true}).has_value());
    EXPECT_FALSE(source.addressOf({QStringLiteral("DL1ABC"), false}).has_value());
}

TEST(AddressBook, KeepsEveryFieldThroughItsFileReadableByTheOperatorOnly) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("adresses.csv"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("F1OLD;Old\n");
    old.close();
    ::chmod(QFile::encodeName(path).constData(), 0644);

    AddressBook book;
    const std::vector<AddressEntry> entries{
        {QStringLiteral("ON4AAA"),
         {QStringLiteral("Jean; \"Jeannot\" Dupont"), QStringLiteral("Rue\nNeuve"),
          QStringLiteral("Bruxelles")}},
        {QStringLiteral("JA1XYZ"), {QStringLiteral("山田 太郎"), QStringLiteral("Tōkyō")}},
        {QStringLiteral("W1AW"), {}},
    };
    EXPECT_EQ(book.import(entries), 3);
    QString error;
    ASSERT_TRUE(book.save(path, &error)) << error.toStdString();
    struct stat state {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &state), 0);
    EXPECT_EQ(state.st_mode & 0777, 0600u);

    AddressBook again;
    ASSERT_TRUE(again.load(path, &error));
    EXPECT_EQ(again.entries(), entries);
    // The book before the save is kept beside it, as private as the book.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("adresses.csv"), QStringLiteral("adresses.csv.bak")}));
    QFile kept(AddressBook::backupPath(path));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "F1OLD;Old\n");
    ASSERT_EQ(::stat(QFile::encodeName(kept.fileName()).constData(), &state), 0);
    EXPECT_EQ(state.st_mode & 0777, 0600u);
}

// Books as other programs write them: Latin-1 read as logs are (not turned
// into U+FFFD for good at the next save), a spreadsheet's UTF-16 "Unicode
// text" decoded, UTF-16 without its mark refused rather than read as NULs, an
// unclosed quote said with its line and the lines after it read on their own.
TEST(AddressBook, ReadsEveryEncodingAndSaysAnUnclosedQuote) {
    struct Case {
        const char* name;
        QByteArray bytes;
        bool loads;
        QStringList calls;
        QString lastLineOfFirst;
        QString problem;
    };
    QByteArray utf16 = "\xFF\xFE";
    for (const QChar c : QStringLiteral("DL1ABC;Jürgen;Köln\r\nF1AAA;Paris\r\n")) {
        utf16 += static_cast<char>(c.unicode() & 0xFF);
        utf16 += static_cast<char>(c.unicode() >> 8);
    }
    const Case cases[] = {
        {"Latin-1",
         "DL1ABC;J\xFCrgen;K\xF6ln\n",
         true,
         {QStringLiteral("DL1ABC")},
         QStringLiteral("Köln"),
         {}},
        {"UTF-16 with its mark",
         utf16,
         true,
         {QStringLiteral("DL1ABC"), QStringLiteral("F1AAA")},
         QStringLiteral("Köln"),
         {}},
        {"UTF-16 without its mark", utf16.mid(2), false, {}, {}, QStringLiteral("nuls")},
        {"an unclosed quote",
         "F1AAA;\"Rue;Paris\nG3BBB;London\nJA1CCC;Tokyo\n",
         true,
         {QStringLiteral("F1AAA"), QStringLiteral("G3BBB"), QStringLiteral("JA1CCC")},
         QStringLiteral("Paris"),
         QStringLiteral("ligne 1 : guillemet non fermé")},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("adresses.csv"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        AddressBook book;
        QString error;
        ASSERT_EQ(book.load(path, &error), c.loads) << c.name;
        if (!c.loads) {
            EXPECT_TRUE(error.contains(c.problem)) << c.name << error.toStdString();
            continue;
        }
        QStringList calls;
        for (const AddressEntry& entry : book.entries()) {
            calls.append(entry.call);
        }
        EXPECT_EQ(calls, c.calls) << c.name;
        EXPECT_EQ(book.entries().front().lines.last(), c.lastLineOfFirst) << c.name;
        EXPECT_EQ(book.problems(), c.problem.isEmpty() ? QStringList() : QStringList{c.problem})
            << c.name;
    }
}

TEST(AddressBook, ReadsWhatASpreadsheetWritesAndKeepsTheLastOfACallGivenTwice) {
    const QByteArray csv =
        "\xEF\xBB\xBF"
        "on4aaa;Jean Dupont;\"Rue \"\"A\"\"; 1\";Bruxelles\r\n"
        "\r\n"
        ";no call\r\n"
        " ON4AAA ;Jean Dupont;Liège\r\n"
        "DL1ABC;\"Line\r\nbreak\"";
    const std::vector<AddressEntry> entries = AddressBook::parse(csv);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].call, QStringLiteral("ON4AAA"));
    EXPECT_EQ(entries[0].lines,
              (QStringList{QStringLiteral("Jean Dupont"), QStringLiteral("Liège")}));
    EXPECT_EQ(entries[1].lines, QStringList{QStringLiteral("Line\r\nbreak")});
    EXPECT_EQ(AddressBook::parse(AddressBook::format(entries)), entries);

    QTemporaryDir folder;
    AddressBook book;
    QString error;
    EXPECT_TRUE(book.load(folder.filePath(QStringLiteral("absent.csv")), &error));
    EXPECT_TRUE(book.entries().empty());
    EXPECT_FALSE(book.load(folder.path(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(AddressBlock, BreaksLongLinesAtSpacesShrinksAndReportsWhatCannotFit) {
    const QStringList address{QStringLiteral("ON4AAA"),
                              QStringLiteral("Jean-Baptiste Dupont de la Tour"),
                              QStringLiteral("Rue Neuve 1"), QStringLiteral("1000 Bruxelles")};
    const AddressBlock::Fitted roomy = AddressBlock::fit(address, QSizeF(90, 40), 12);
    EXPECT_TRUE(roomy.fits);
    EXPECT_EQ(roomy.size, 12.0f);
    EXPECT_EQ(roomy.lines, address);

    const QSizeF narrow(40, 30);
    const AddressBlock::Fitted broken = AddressBlock::fit(address, narrow, 12);
    ASSERT_TRUE(broken.fits);
    EXPECT_GE(broken.size, AddressBlock::kSmallestSize);
    EXPECT_GT(broken.lines.size(), address.size());
    EXPECT_EQ(broken.lines.join(QLatin1Char(' ')), address.join(QLatin1Char(' ')));
    for (const QString& line : broken.lines) {
        EXPECT_LE(LabelFitting::widthMillimetres(line, broken.size), narrow.width())
            << line.toStdString();
    }

    const AddressBlock::Fitted unbroken =
        AddressBlock::fit(address, narrow, 12, AddressBlock::Breaking::Never);
    EXPECT_FALSE(unbroken.fits);
    EXPECT_FALSE(AddressBlock::fit(address, QSizeF(90, 8), 12).fits);

    // East Asian characters count twice the width of a Latin one, so that a
    // line the fallback font draws wider is never taken to fit.
    EXPECT_DOUBLE_EQ(AddressBlock::widthMillimetres(QStringLiteral("東京都 1"), 10),
                     AddressBlock::widthMillimetres(QStringLiteral("ABCDEFGH"), 10));
    EXPECT_DOUBLE_EQ(AddressBlock::widthMillimetres(QStringLiteral("서울 𠀋"), 10),
                     AddressBlock::widthMillimetres(QStringLiteral("1234567"), 10));
    // Emoji too: 14 of them take 28 columns, not 14 (they ran onto the next label).
    EXPECT_DOUBLE_EQ(
        AddressBlock::widthMillimetres(QString(7, QChar(u'x')) + QStringLiteral("😀🚀"), 10),
        AddressBlock::widthMillimetres(QStringLiteral("12345678901"), 10));

    // A block exactly as high as its lines fits at that size, not one size down.
    const QStringList four{QStringLiteral("F1AAA"), QStringLiteral("Paul"), QStringLiteral("Rue 1"),
                           QStringLiteral("Paris")};
    for (const float size : {12.0f, 10.5f, 9.0f}) {
        const QSizeF exact(90, 4 * LabelFitting::lineAdvanceMillimetres(size));
        EXPECT_EQ(AddressBlock::fit(four, exact, size).size, size) << size;
    }
}

// Blocks shifted as far as the options allow keep to the envelope: each
// printed line stands on the paper, within the printer's reach, and a block
// left too small is said (the sender's refused, the recipient's too long),
// never cut.
TEST(EnvelopeRun, AShiftedBlockStaysOnThePaper) {
    const MailPiece piece{
        QStringLiteral("ON4AAA"),
        {QStringLiteral("ON4AAA"), QStringLiteral("Jean Dupont"), QStringLiteral("Rue Neuve 1"),
         QStringLiteral("1000 Bruxelles"), QStringLiteral("Belgium")}};
    const QStringList sender{QStringLiteral("F9XQA"), QStringLiteral("Paul Martin"),
                             QStringLiteral("75002 Paris")};
    for (const EnvelopeFormat& format : EnvelopeFormat::all()) {
        for (const QPointF shift : {QPointF(45, 45), QPointF(-45, -45), QPointF(45, -45)}) {
            char* text = nullptr;
            size_t size = 0;
            std::FILE* out = open_memstream(&text, &size);
            EnvelopeRun::Outcome outcome = EnvelopeRun::Outcome::Failed;
            QStringList unfit;
            {
                DumpSurface surface(out);
                EnvelopeRun run(format, surface);
                run.setShifts(shift, -shift);
                run.setSender(sender);
                outcome = run.run({piece});
                unfit = run.unfit();
            }
            std::fclose(out);
            const QByteArray dump(text, static_cast<qsizetype>(size));
            std::free(text);
            int printed = 0;
            for (const QByteArray& line : dump.split('\n')) {
                if (!line.startsWith("text ")) {
                    continue;
                }
                ++printed;
                const QList<QByteArray> fields = line.split(' ');
                const double x = fields[1].toDouble();
                const double y = fields[2].toDouble();
                EXPECT_TRUE(x >= 4 && y >= 4 && x <= format.width - 4 && y <= format.height - 4)
                    << format.name << " " << line.constData();
            }
            // Either both blocks whole, or the run says what did not fit.
            EXPECT_TRUE(printed == sender.size() + piece.lines.size() || !unfit.isEmpty() ||
                        outcome == EnvelopeRun::Outcome::Failed)
                << format.name << " " << shift.x() << " " << shift.y();
        }
    }
}

TEST(EnvelopeFormat, PlacesTheBlocksInsideEveryEnvelope) {
    ASSERT_EQ(EnvelopeFormat::all().size(), 5u);
    const std::pair<const char*, QSizeF> sizes[] = {{"DL", {220, 110}},
                                                    {"c6", {162, 114}},
                                                    {"C65", {229, 114}},
                                                    {"C5", {229, 162}},
                                                    {"US10", {241.3, 104.8}}};
    for (const auto& [name, size] : sizes) {
        const EnvelopeFormat* format = EnvelopeFormat::find(QString::fromLatin1(name));
        ASSERT_NE(format, nullptr) << name;
        EXPECT_EQ(format->size(), size) << name;
        const QRectF recipient = format->recipientBlock();
        EXPECT_NEAR(recipient.left(), size.width() * 0.45, 1e-9) << name;
        EXPECT_NEAR(recipient.top(), size.height() * 0.45, 1e-9) << name;
        EXPECT_LE(recipient.right(), size.width() - 15) << name;
        EXPECT_LE(recipient.bottom(), size.height() - 15) << name;
        const QRectF sender = format->senderBlock();
        EXPECT_EQ(sender.topLeft(), QPointF(10, 10)) << name;
        EXPECT_FALSE(sender.intersects(recipient)) << name;
        const QSizeF page = format->pageSize().size(QPageSize::Millimeter).transposed();
        EXPECT_NEAR(page.width(), size.width(), 0.5) << name;
        EXPECT_NEAR(page.height(), size.height(), 0.5) << name;
    }
    EXPECT_EQ(EnvelopeFormat::find(QStringLiteral("C4")), nullptr);
}

// Addresses in CR LF, LF and Latin-1, ADDRESS_INTL in UTF-8, portable calls,
// a manager with an entry in the book, a manager and a station without one.
TEST(MailingList, FindsEachRecipientsAddressOnceInPrintListOrder) {
    const QString log = QStringLiteral(QE_TEST_DATA_DIR "/mail/addresses.adi");
    AdifContents contents;
    QString error;
    ASSERT_TRUE(AdifReader::readFile(log, contents, &error)) << error.toStdString();
    QsoRecords qsos;
    for (int i = contents.log.count() - 1; i >= 0; --i) {
        qsos.push_back(&contents.log.at(i));
    }
    AddressBook book;
    book.put({QStringLiteral("M0OXO"), {QStringLiteral("Charles"), QStringLiteral("UK")}});
    AddressSource source(book);
    ASSERT_TRUE(LogAddresses::offer(
        log, qsos,
        {QStringLiteral("ON4AAA"), QStringLiteral("DL1ABC"), QStringLiteral("JA1XYZ"),
         QStringLiteral("VP8XYZ"), QStringLiteral("K1ZZ"), QStringLiteral("W1AW")},
        source, &error))
        << error.toStdString();
    const MailingList list = MailingList::of(qsos, source);
    EXPECT_EQ(list.missing, (QStringList{QStringLiteral("F6XYZ"), QStringLiteral("K1ZZ")}));
    ASSERT_EQ(list.pieces.size(), 4u);
    const std::vector<std::pair<QString, QStringList>> expected{
        {QStringLiteral("M0OXO"),
         {QStringLiteral("M0OXO"), QStringLiteral("Charles"), QStringLiteral("UK")}},
        {QStringLiteral("JA1XYZ"),
         {QStringLiteral("JA1XYZ"), QStringLiteral("山田 太郎"), QStringLiteral("東京都"),
          QStringLiteral("Japan")}},
        {QStringLiteral("DL1ABC"),
         {QStringLiteral("DL1ABC"), QStringLiteral("Jürgen Müller"),
          QStringLiteral("Hauptstraße 5"), QStringLiteral("10115 Berlin"),
          QStringLiteral("Germany")}},
        {QStringLiteral("ON4AAA"),
         {QStringLiteral("ON4AAA"), QStringLiteral("Jean Dupont"), QStringLiteral("Rue Neuve 1"),
          QStringLiteral("1000 Bruxelles"), QStringLiteral("Belgium")}},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list.pieces[i].call, expected[i].first);
        EXPECT_EQ(list.pieces[i].lines, expected[i].second) << expected[i].first.toStdString();
    }
}

// The log read a second time for its addresses reads each QSO's CALL as the
// reader did, in the shapes real logs give it: text after a value that fits
// its length (LoTW's "// comment"), a line break inside the value, a record
// with CALL twice (two QSOs), C1 controls, a no-break space, a typed tag, a
// name with a blank before it. A refusal here would stop every mailing.
TEST(LogAddresses, ReadsEachQsosCallAsTheReaderDid) {
    const struct {
        QByteArray record;
        QStringList calls;
        const char* address;  // of the first QSO
    } cases[] = {
        {"<CALL:5>KD4LV  // comment\r\n<QSO_DATE:8>20150310 // QSO Date\r\n"
         "<ADDRESS:13>1 Main St\r\nUSA\r\n<EOR>",
         {QStringLiteral("KD4LV")},
         "1 Main St\r\nUSA"},
        {"<CALL:4>F1\r\nAA X<ADDRESS:5>Paris<EOR>", {QStringLiteral("F1AA")}, "Paris"},
        {"<CALL:4>F1AA<ADDRESS:5>Paris<BAND:3>20M<CALL:4>F2BB<ADDRESS:4>Lyon<EOR>",
         {QStringLiteral("F1AA"), QStringLiteral("F2BB")},
         "Paris"},
        {"<CALL:6>F1\xC2\x9B"
         "AB<ADDRESS:5>Paris<EOR>",
         {QStringLiteral("F1 AB")},
         "Paris"},
        {"<CALL:5>F1\x9B"
         "AB<EOR>",
         {QStringLiteral("F1 AB")},
         ""},
        {"<CALL:6>F1AA\xC2\xA0<EOR>", {QStringLiteral("F1AA\u00A0")}, ""},
        {"<CALL:4:S>F1AA X<EOR>", {QStringLiteral("F1AA")}, ""},
        {"<ADDRESS:5>Paris< CALL:4>F9ZZ<CALL:4>F1AA<EOR>", {QStringLiteral("F1AA")}, "Paris"},
    };
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.adi"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.toStdString());
        QFile file(log);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<EOH>\n" + c.record + "\n");
        file.close();
        AdifContents contents;
        QString error;
        ASSERT_TRUE(AdifReader::readFile(log, contents, &error));
        AddressBook book;
        AddressSource source(book);
        QsoRecords qsos;
        QSet<QString> stations;
        QStringList calls;
        for (int i = 0; i < contents.log.count(); ++i) {
            const QsoRecord& qso = contents.log.at(i);
            qsos.push_back(&qso);
            stations.insert(source.stationOf(qso.text(QsoField::Callsign)));
            calls.append(qso.text(QsoField::Callsign));
            const QByteArray bytes = c.record.mid(qso.fileOffset() - 6, qso.fileLength());
            EXPECT_EQ(LogAddresses::inRecord(bytes).call, qso.text(QsoField::Callsign));
            if (i == 0) {
                EXPECT_EQ(LogAddresses::inRecord(bytes).address, QString::fromUtf8(c.address));
            }
        }
        EXPECT_EQ(calls, c.calls);
        // Bytes with CALL twice read as the reader reads them: the first
        // CALL's QSO, cut before the second.
        if (calls.size() == 2) {
            EXPECT_EQ(LogAddresses::inRecord(c.record).call, calls.first());
        }
        EXPECT_TRUE(LogAddresses::offer(log, qsos, stations, source, &error))
            << error.toStdString();
    }
}

TEST(MailingList, ALogChangedSinceItWasReadGivesNoWrongAddress) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.adi"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QE_TEST_DATA_DIR "/mail/addresses.adi"), log));
    AdifContents contents;
    QString error;
    ASSERT_TRUE(AdifReader::readFile(log, contents, &error));
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    file.seek(0);
    file.write(QByteArray(bytes).replace("CALL:6>ON4AAA", "CALL:6>ON4ZZZ"));
    file.close();
    AddressBook book;
    AddressSource source(book);
    EXPECT_FALSE(LogAddresses::offer(log, {&contents.log.at(0)}, {QStringLiteral("ON4AAA")}, source,
                                     &error));
    // Named: the QSO, where it lies and what its CALL reads now.
    EXPECT_EQ(error, QStringLiteral("Le fichier %1 a changé depuis sa lecture : le QSO avec ON4AAA "
                                    "(octet %2) y a maintenant pour CALL « ON4ZZZ ». Relisez-le.")
                         .arg(log)
                         .arg(contents.log.at(0).fileOffset()));
    // A log cut short since: the QSO it no longer holds.
    ASSERT_TRUE(file.resize(contents.log.at(0).fileOffset() + 3));
    EXPECT_FALSE(LogAddresses::offer(log, {&contents.log.at(0)}, {QStringLiteral("ON4AAA")}, source,
                                     &error));
    EXPECT_TRUE(error.contains(QStringLiteral("il finit avant le QSO avec ON4AAA")))
        << error.toStdString();
}

// Each station keeps its own sender's address (its lines, blank ones dropped)
// and shifts; a stored shift that is no number pair or would throw a block
// off the envelope reads as none, a count out of range as 0 or the largest.
TEST(SenderSettings, KeepsEachStationsValuesAndReadsWrongOnesAsNone) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Etiquette.ini")));
    SenderSettings sent;
    sent.address = {QStringLiteral("F9XQA"), QStringLiteral("Paul Martin"),
                    QStringLiteral("75002 Paris")};
    sent.returnLabels = 3;
    sent.recipientShift = {-2.5, 4};
    sent.senderShift = {1, 0.5};
    sent.save(store, QStringLiteral("F9XQA/P"));
    ASSERT_TRUE(store.sync());
    const SenderSettings read = SenderSettings::load(
        SettingsStore(dir.filePath(QStringLiteral("Etiquette.ini"))), QStringLiteral("F9XQA/P"));
    EXPECT_EQ(read.address, sent.address);
    EXPECT_EQ(read.returnLabels, 3);
    EXPECT_EQ(read.recipientShift, sent.recipientShift);
    EXPECT_EQ(read.senderShift, sent.senderShift);
    EXPECT_TRUE(SenderSettings::load(store, QStringLiteral("F9XQB")).address.isEmpty());

    const std::pair<const char*, QPointF> shifts[] = {
        {"1.5 -2", {1.5, -2}},
        {" 50  -50 ", {50, -50}},
        {"1,5 2", {}},
        {"51 0", {}},
        {"nan 0", {}},
        {"inf 1", {}},
        {"1", {}},
        {"1 2 3", {}},
    };
    for (const auto& [text, shift] : shifts) {
        EXPECT_EQ(SenderSettings::shiftFrom(QString::fromLatin1(text)), shift) << text;
    }
    for (const auto& [text, copies] :
         {std::pair<const char*, int>{"-4", 0}, {"5000", 1000}, {"x", 0}}) {
        store.write(QStringLiteral("F9XQBSetup "), QStringLiteral("Etiquettes expediteur"),
                    QString::fromLatin1(text));
        EXPECT_EQ(SenderSettings::load(store, QStringLiteral("F9XQB")).returnLabels, copies)
            << text;
    }
}

}  // namespace
