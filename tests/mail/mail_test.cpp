#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include "support/qso_rows.h"

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
        // A manager behind punctuation; a call that names no station.
        {"ON4XYZ", "DIRECT.VIA ON4CHK", "ON4CHK", true},
        {"IZ1ABC", "VIA IZ2KXC-DIRECT-BUREAU", "IZ2KXC", true},
        {"/P", "", "", false},
        {"/QRP", "", "", false},
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

QString writeBook(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = folder.filePath(QStringLiteral("adresses.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
    }
    return path;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Books as people, editors and spreadsheets write them. Each line decoded on
// its own (a UTF-8 book with one Latin-1 line is not read as Latin-1 whole),
// Windows-1252 where a line is not UTF-8 (’ € œ and the no-break space, not
// C1 controls); a quote opens a quoted field only at the field's start; a lone
// CR is a character of its field. A call given twice uses its last address
// and says so; comments, blank lines and lines without a call are kept. A
// save (here after adding one station) writes UTF-8, in the file's own line
// ends, every line it did not change as it was read.
TEST(AddressBook, ReadsBooksAsPeopleWriteThemAndWritesBackWhatItDidNotChange) {
    QByteArray utf16 = "\xFF\xFE";
    for (const QChar c : QStringLiteral("DL1ABC;Jürgen;Köln\r\nF1AAA;Paris\r\n")) {
        utf16 += static_cast<char>(c.unicode() & 0xFF);
        utf16 += static_cast<char>(c.unicode() >> 8);
    }
    const auto station = [](const char* call, std::initializer_list<const char*> lines) {
        AddressEntry entry{QString::fromUtf8(call), {}};
        for (const char* line : lines) {
            entry.lines.append(QString::fromUtf8(line));
        }
        return entry;
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        std::vector<AddressEntry> entries;
        QStringList problems;
        QByteArray saved;  // after the station F9ZZZ is added
    };
    const Case cases[] = {
        {"UTF-8 with one Latin-1 line",
         "DL1ABC;J\xC3\xBCrgen M\xC3\xBCller;K\xC3\xB6ln\n"
         "ON4AAA;Ren\xE9 Lef\xE8vre;Li\xE8ge\n",
         {station("DL1ABC", {"Jürgen Müller", "Köln"}),
          station("ON4AAA", {"René Lefèvre", "Liège"})},
         {},
         "DL1ABC;Jürgen Müller;Köln\nON4AAA;René Lefèvre;Liège\nF9ZZZ;Lyon\n"},
        {"Windows-1252 from a spreadsheet",
         "G3ABC;Sean O\x92"
         "Brien;Flat 2\xA0"
         "B;\x80 5 paid\r\n"
         "F5XYZ;Au c\x9Cur de ville;75001\xA0Paris\r\n",
         {station("G3ABC", {"Sean O’Brien", "Flat 2\u00A0B", "€ 5 paid"}),
          station("F5XYZ", {"Au cœur de ville", "75001\u00A0Paris"})},
         {},
         "G3ABC;Sean O’Brien;Flat 2\u00A0B;€ 5 paid\r\n"
         "F5XYZ;Au cœur de ville;75001\u00A0Paris\r\nF9ZZZ;Lyon\r\n"},
        {"quotes inside fields",
         "F1AAA;Villa \"Mimosa;Nice\nF2BBB;Le \"Chalet\" bleu;Annecy\n"
         "F3CCC; \"Rue \"\"A\"\"; 1\" ;Lyon\nF4DDD;\"Les Pins\" Sud;Hy\xE8res\n",
         {station("F1AAA", {"Villa \"Mimosa", "Nice"}),
          station("F2BBB", {"Le \"Chalet\" bleu", "Annecy"}),
          station("F3CCC", {"Rue \"A\"; 1", "Lyon"}),
          station("F4DDD", {"\"Les Pins\" Sud", "Hyères"})},
         {},
         "F1AAA;Villa \"Mimosa;Nice\nF2BBB;Le \"Chalet\" bleu;Annecy\n"
         "F3CCC; \"Rue \"\"A\"\"; 1\" ;Lyon\nF4DDD;\"Les Pins\" Sud;Hyères\nF9ZZZ;Lyon\n"},
        {"a quote never closed",
         "F1AAA;\"Rue;Paris\nG3BBB;\"London\" W1;UK\nJA1CCC;Tokyo\n",
         {station("F1AAA", {"\"Rue", "Paris"}), station("G3BBB", {"\"London\" W1", "UK"}),
          station("JA1CCC", {"Tokyo"})},
         {QStringLiteral("ligne 1 : guillemet non fermé")},
         "F1AAA;\"Rue;Paris\nG3BBB;\"London\" W1;UK\nJA1CCC;Tokyo\nF9ZZZ;Lyon\n"},
        {"a call given twice",
         "ON4AAA;Old street;Bruxelles\nF1AAA;Paris\n on4aaa ;New street;Li\xC3\xA8ge\n",
         {station("ON4AAA", {"New street", "Liège"}), station("F1AAA", {"Paris"})},
         {QStringLiteral("ligne 3 : ON4AAA figure déjà ligne 1 ; l'adresse de la ligne 3 est "
                         "utilisée, les deux lignes sont gardées")},
         "ON4AAA;Old street;Bruxelles\nF1AAA;Paris\n on4aaa ;New street;Liège\nF9ZZZ;Lyon\n"},
        {"comments and lines without a call",
         "# Carnet de F9XQA ; \"mis \xE0 jour\"\n\nF1AAA;Paris\n;Jean sans indicatif;Lyon\n"
         "Jean Dupont;Rue Neuve\n;;;\n  # F2BBB;Nice\n",
         {station("F1AAA", {"Paris"})},
         {QStringLiteral("ligne 4 : pas d'indicatif en tête, ligne gardée telle quelle"),
          QStringLiteral("ligne 5 : pas d'indicatif en tête, ligne gardée telle quelle")},
         "# Carnet de F9XQA ; \"mis à jour\"\n\nF1AAA;Paris\n;Jean sans indicatif;Lyon\n"
         "Jean Dupont;Rue Neuve\n;;;\n  # F2BBB;Nice\nF9ZZZ;Lyon\n"},
        {"a lone carriage return in a field",
         "F1AAA;Rue\rNeuve;Paris\r\nF2BBB;Lyon\r\n",
         {station("F1AAA", {"Rue\rNeuve", "Paris"}), station("F2BBB", {"Lyon"})},
         {},
         "F1AAA;Rue\rNeuve;Paris\r\nF2BBB;Lyon\r\nF9ZZZ;Lyon\r\n"},
        {"a quoted line break, after a byte order mark",
         "\xEF\xBB\xBF"
         "DL1ABC;\"Line\r\nbreak\"\r\n\r\nF1AAA;Paris",
         {station("DL1ABC", {"Line\r\nbreak"}), station("F1AAA", {"Paris"})},
         {},
         "DL1ABC;\"Line\r\nbreak\"\r\n\r\nF1AAA;Paris\r\nF9ZZZ;Lyon\r\n"},
        {"UTF-16 with its mark",
         utf16,
         {station("DL1ABC", {"Jürgen", "Köln"}), station("F1AAA", {"Paris"})},
         {},
         "DL1ABC;Jürgen;Köln\r\nF1AAA;Paris\r\nF9ZZZ;Lyon\r\n"},
        {"lines ended by CR alone",
         "F1AAA;Paris\rG3BBB;London\r",
         {station("F1AAA", {"Paris"}), station("G3BBB", {"London"})},
         {},
         "F1AAA;Paris\rG3BBB;London\rF9ZZZ;Lyon\r"},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QString path = writeBook(folder, c.bytes);
        AddressBook book;
        QString error;
        ASSERT_TRUE(book.load(path, &error)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(book.entries(), c.entries) << c.name;
        EXPECT_EQ(book.problems(), c.problems) << c.name;
        book.put({QStringLiteral("F9ZZZ"), {QStringLiteral("Lyon")}});
        ASSERT_TRUE(book.save(path, &error)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(readBytes(path), c.saved) << c.name;
        EXPECT_EQ(readBytes(AddressBook::backupPath(path)), c.bytes) << c.name;
        AddressBook again;
        ASSERT_TRUE(again.load(path, &error)) << c.name;
        std::vector<AddressEntry> expected = c.entries;
        expected.push_back({QStringLiteral("F9ZZZ"), {QStringLiteral("Lyon")}});
        EXPECT_EQ(again.entries(), expected) << c.name;
    }

    // UTF-16 without its mark is refused rather than read as NULs; a folder
    // is no book; a missing book is an empty one.
    QTemporaryDir folder;
    AddressBook book;
    QString error;
    EXPECT_FALSE(book.load(writeBook(folder, utf16.mid(2)), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("nuls"))) << error.toStdString();
    EXPECT_FALSE(book.load(folder.path(), &error));
    EXPECT_TRUE(book.load(folder.filePath(QStringLiteral("absent.csv")), &error));
    EXPECT_TRUE(book.entries().empty());
}

// What the program changes is written anew, the rest as it was: a change of
// a call given twice changes the line used; a deletion removes every line of
// the call. An edit by another program is seen even with the same size and
// the same time.
TEST(AddressBook, ChangesOnlyWhatItIsToldAndSeesAnEditOfTheSameSize) {
    QTemporaryDir folder;
    const QString path = writeBook(folder,
                                   "# mes stations\nON4AAA;Old;Bruxelles\nF1AAA;Paris\n"
                                   "ON4AAA;New;Li\xE8ge\nG3BBB;London\n");
    AddressBook book;
    QString error;
    ASSERT_TRUE(book.load(path, &error));
    EXPECT_FALSE(book.changedSinceRead(path));
    book.put({QStringLiteral("on4aaa"), {QStringLiteral("Rue; 2"), QStringLiteral("Namur")}});
    ASSERT_TRUE(book.remove(QStringLiteral("f1aaa")));
    ASSERT_TRUE(book.save(path, &error)) << error.toStdString();
    EXPECT_EQ(readBytes(path),
              "# mes stations\nON4AAA;Old;Bruxelles\nON4AAA;\"Rue; 2\";Namur\nG3BBB;London\n");
    EXPECT_FALSE(book.changedSinceRead(path));
    ASSERT_TRUE(book.remove(QStringLiteral("ON4AAA")));
    ASSERT_TRUE(book.save(path, &error));
    EXPECT_EQ(readBytes(path), "# mes stations\nG3BBB;London\n");

    // An editor changes London to Londen and puts the file's time back.
    const QDateTime time = QFileInfo(path).lastModified();
    QFile editor(path);
    ASSERT_TRUE(editor.open(QIODevice::ReadWrite));
    editor.write("# mes stations\nG3BBB;Londen\n");
    ASSERT_TRUE(editor.flush());
    editor.setFileTime(time, QFileDevice::FileModificationTime);
    editor.close();
    ASSERT_EQ(QFileInfo(path).lastModified(), time);
    EXPECT_TRUE(book.changedSinceRead(path));
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

// Fault: a sender's block pushed off the envelope by its shift said to be
// too long ("raccourcissez ses lignes"), the shift never named.
TEST(EnvelopeRun, NamesTheShiftThatPushesTheSendersBlockOff) {
    const MailPiece piece{QStringLiteral("ON4AAA"),
                          {QStringLiteral("ON4AAA"), QStringLiteral("Jean Dupont")}};
    const QStringList shortSender{QStringLiteral("F9XQA"), QStringLiteral("75002 Paris")};
    const QStringList longSender{QStringLiteral("F9XQA"),
                                 QStringLiteral("Paul Martin, 12 rue de la Grande Chaumière, "
                                                "Appartement 7, Bâtiment B, 75006 Paris, France")};
    const struct {
        QPointF shift;
        const QStringList& sender;
        const char* said;  // empty: both blocks print
    } cases[] = {
        {QPointF(0, 0), shortSender, ""},
        {QPointF(-50, -50), shortSender,
         "L'adresse de l'expéditeur ne tient pas sur l'enveloppe DL avec son décalage "
         "(« Décalage expéditeur » : -50,00 ; -50,00 mm)"},
        {QPointF(0, -50), shortSender, "(« Décalage expéditeur » : 0,00 ; -50,00 mm)"},
        {QPointF(0, 0), longSender, "raccourcissez ses lignes"},
        {QPointF(-50, 0), longSender, "raccourcissez ses lignes"},
    };
    const EnvelopeFormat& format = *EnvelopeFormat::find(QStringLiteral("DL"));
    for (const auto& c : cases) {
        std::FILE* out = std::fopen("/dev/null", "w");
        ASSERT_NE(out, nullptr);
        EnvelopeRun::Outcome outcome = EnvelopeRun::Outcome::Failed;
        QString error;
        {
            DumpSurface surface(out);
            EnvelopeRun run(format, surface);
            run.setShifts({}, c.shift);
            run.setSender(c.sender);
            outcome = run.run({piece});
            error = run.error();
        }
        std::fclose(out);
        const QString said = QString::fromUtf8(c.said);
        EXPECT_EQ(outcome,
                  said.isEmpty() ? EnvelopeRun::Outcome::Completed : EnvelopeRun::Outcome::Failed)
            << c.shift.x() << " " << c.shift.y();
        EXPECT_TRUE(error.contains(said)) << error.toStdString();
        EXPECT_EQ(error.contains(QStringLiteral("Décalage")), said.contains(u"Décalage"))
            << error.toStdString();
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

// Faults: a call that is only a suffix ("/P") mailed to "P" (the address of
// a station P guessed), or left out without a word.
TEST(MailingList, NamesTheCallsThatNameNoStation) {
    AddressBook book;
    book.put({QStringLiteral("P"), {QStringLiteral("Someone else")}});
    book.put({QStringLiteral("ON4AAA"), {QStringLiteral("Jean Dupont")}});
    const AddressSource source(book);
    const MailingList list = MailingList::of(
        {testQso("/P"), testQso("ON4AAA/P"), testQso("/QRP"), testQso("/P")}, source);
    ASSERT_EQ(list.pieces.size(), 1u);
    EXPECT_EQ(list.pieces[0].call, QStringLiteral("ON4AAA"));
    EXPECT_TRUE(list.missing.isEmpty());
    EXPECT_EQ(list.withoutStation, (QStringList{QStringLiteral("/P"), QStringLiteral("/QRP")}));
    EXPECT_EQ(MailingList::withoutStationText(list.withoutStation),
              QStringLiteral(
                  "Pas de destinataire pour : /P, /QRP (l'indicatif ne nomme aucune station)"));
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
