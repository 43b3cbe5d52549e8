#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <memory>

#include "files/stream_hash.h"
#include "log/adif_reader.h"
#include "log/marked_record.h"
#include "log/sent_marker.h"
#include "support/marked_copy_check.h"
#include "support/test_files.h"

namespace {

const QDate kDay(2026, 12, 7);
const QByteArray kMarks = "<QSL_SENT:1>Y <QSLSDATE:8>20261207 <QSL_SENT_VIA:1>B ";

struct ReadLog {
    AdifContents contents;
    LogFingerprint fingerprint;
    bool read = false;
};

std::unique_ptr<ReadLog> readLog(const QString& path) {
    auto log = std::make_unique<ReadLog>();
    QString error;
    log->read = AdifReader::readFile(path, log->contents, &error, &log->fingerprint);
    return log;
}

QsoRecords recordsOf(const ReadLog& log, const std::vector<int>& indexes) {
    QsoRecords records;
    for (const int index : indexes) {
        records.push_back(&log.contents.log.at(index));
    }
    return records;
}

std::vector<int> everyQso(const ReadLog& log) {
    std::vector<int> all;
    for (int i = 0; i < log.contents.log.count(); ++i) {
        all.push_back(i);
    }
    return all;
}

// The copy read back gives the log's rows and messages; the printed QSOs are
// sent (Y, by B), every other value is the log's.
void expectSameReading(const ReadLog& log, const ReadLog& copy, const std::vector<int>& printed,
                       const std::string& shape) {
    ASSERT_EQ(copy.contents.log.count(), log.contents.log.count()) << shape;
    EXPECT_EQ(copy.contents.rows, log.contents.rows) << shape;
    EXPECT_EQ(copy.contents.messages, log.contents.messages) << shape;
    for (int i = 0; i < log.contents.log.count(); ++i) {
        const QsoRecord& before = log.contents.log.at(i);
        const QsoRecord& after = copy.contents.log.at(i);
        const bool marked = std::find(printed.begin(), printed.end(), i) != printed.end();
        for (int field = kListedFieldCount; field < kQsoFieldCount; ++field) {
            const auto which = static_cast<QsoField>(field);
            if (marked && which == QsoField::QslSent) {
                EXPECT_EQ(after.value(which), "Y") << shape << " QSO " << i;
            } else if (marked && which == QsoField::QslSentVia) {
                EXPECT_EQ(after.value(which), "B") << shape << " QSO " << i;
            } else {
                EXPECT_EQ(after.value(which), before.value(which)) << shape << " QSO " << i;
            }
        }
    }
}

QByteArray utf16(const QByteArray& utf8, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(QString::fromUtf8(utf8));
}

struct Shape {
    const char* name;
    QByteArray log;
    std::vector<int> printed;  // empty: every QSO
    QByteArray copy;
};

// Each shape of record the reader accepts, marked in a copy: the bytes the
// copy must hold, and the copy read back as the log was.
TEST(SentMarker, MarksEveryRecordShapeTheReaderAccepts) {
    const QByteArray call = "<CALL:5>F1AAA<BAND:3>20M";
    const std::vector<Shape> shapes = {
        {"a plain record", "<EOH>\n" + call + "<EOR>\n", {}, "<EOH>\n" + call + kMarks + "<EOR>\n"},
        {"only the printed one",
         call + "<EOR>\n<CALL:5>F2BBB<EOR>\n",
         {1},
         call + "<EOR>\n<CALL:5>F2BBB" + kMarks + "<EOR>\n"},
        {"the last record without <EOR>",
         "<EOH>" + call + "<EOR>" + call + "<MODE:2>CW\n",
         {},
         "<EOH>" + call + kMarks + "<EOR>" + call + "<MODE:2>CW " + kMarks.trimmed() + "\n"},
        {"a record cut before a repeated CALL",
         call + "<CALL:5>F2BBB<EOR>",
         {},
         call + ' ' + kMarks.trimmed() + "<CALL:5>F2BBB" + kMarks + "<EOR>"},
        {"an <EOR> broken by a line", call + "<E\r\nOR>\r\n", {}, call + kMarks + "<E\r\nOR>\r\n"},
        {"a blank inside < EOR> (no end for the reader)",
         call + "< EOR> <MODE:2>CW<EOR>",
         {},
         call + "< EOR> <MODE:2>CW" + kMarks + "<EOR>"},
        {"a tag without its >",
         call + "<QSL_SENT:1 Y <EOR><CALL:5>F2BBB<EOR>",
         {0},
         call + "<QSL_SENT:1>Y " + kMarks.mid(14) + "<EOR><CALL:5>F2BBB<EOR>"},
        {"repeated fields keep one, the new value",
         call + "<QSL_SENT:1>N <qsl_sent:1>R <QSLSDATE:8>20200101<QSL_SENT_VIA:1>D<EOR>",
         {},
         call + "<QSL_SENT:1>Y  <QSLSDATE:8>20261207<QSL_SENT_VIA:1>B<EOR>"},
        {"a length past any number",
         call + "<QSL_SENT:9223372036854775807>N <EOR>",
         {},
         call + "<QSL_SENT:1>Y " + kMarks.mid(14) + "<EOR>"},
        {"repeated fields last in a record without <EOR>",
         call + "<QSL_SENT:1>N <MODE:2>CW <QSLSDATE:8>20200101\r\n<QSLSDATE:8>20200102 "
                "<QSL_SENT:1>R\n",
         {},
         call + "<QSL_SENT:1>Y <MODE:2>CW <QSLSDATE:8>20261207 <QSL_SENT_VIA:1>B\n"},
        {"a value longer than its length",
         call + "<QSL_SENT:1>NN<QSLSDATE:8>\r\n20200101 <EOR>",
         {},
         call + "<QSL_SENT:1>Y<QSLSDATE:8>20261207 <QSL_SENT_VIA:1>B <EOR>"},
        {"a repeated field followed by text",
         call + "<MODE:4>CW<QSL_SENT:1>N<QSL_SENT:1>R junk<EOR>",
         {},
         call + "<MODE:4>CW<QSL_SENT:1>Y" + kMarks.mid(14) + "<EOR>"},
        {"an open tag and an unfinished < at the end of the log",
         "<CALL:5 F1AAA <MODE",
         {},
         "<CALL:5 F1AAA >" + kMarks + "<MODE"},
        {"a record cut before a CALL without its >",
         call + "<CALL:4 F9ZZ<QSL_VIA:3>ABC<EOR>",
         {},
         call + ' ' + kMarks.trimmed() + "<CALL:4 F9ZZ<QSL_VIA:3>ABC" + kMarks + "<EOR>"},
        {"a marked field read through by a CALL without its > (renamed, not moved)",
         call + "<CALL:4 F9ZZ<QSL_SENT:1>N<EOR>",
         {1},
         call + "<CALL:4 F9ZZ<APP_QUENOR_OLD_QSL_SENT:1>N" + kMarks + "<EOR>"},
        {"another tag without its > (nothing moved)",
         call + "<MODE:2 CW<QSL_SENT:1>N<EOR>",
         {},
         "<CALL:5>F1AAA" + kMarks + "<BAND:3>20M<MODE:2 CW<QSL_SENT:1>N<EOR>"},
    };
    QTemporaryDir dir;
    for (const Shape& shape : shapes) {
        const QString path = writeFile(dir, QStringLiteral("log.adi"), shape.log);
        const auto log = readLog(path);
        ASSERT_TRUE(log->read) << shape.name;
        const std::vector<int> printed = shape.printed.empty() ? everyQso(*log) : shape.printed;
        const QString copyPath = dir.filePath(QStringLiteral("copy.adi"));
        QString error;
        ASSERT_EQ(SentMarker::writeCopy(path, log->fingerprint, copyPath, recordsOf(*log, printed),
                                        QStringLiteral("B"), kDay, &error),
                  SentMarker::Result::Written)
            << shape.name << ": " << error.toStdString();
        EXPECT_EQ(readFile(copyPath), shape.copy) << shape.name;
        expectSameReading(*log, *readLog(copyPath), printed, shape.name);
    }
}

struct Marking {
    const char* fault;  // what a wrong copy would do
    const MarkedFields& fields;
    const char* via;
    QByteArray record;
    QByteArray copy;
};

// Dates under ADIF's own names, the receipt's route and date kept together,
// and M written as the bureau: the copy of each record, one fault a row.
TEST(SentMarker, WritesWhatLoggersReadBack) {
    const QByteArray call = "<CALL:5>F1AAA<BAND:3>20M";
    const MarkedFields& sent = MarkedFields::sent();
    const MarkedFields& received = MarkedFields::received();
    const std::vector<Marking> rows = {
        {"a sent date under a name loggers drop", sent, "D", call + "<EOR>",
         call + "<QSL_SENT:1>Y <QSLSDATE:8>20261207 <QSL_SENT_VIA:1>D <EOR>"},
        {"the old sent date left beside the new one", sent, "B",
         call + "<QSL_SDATE:8>20200101 <QSL_SENT:1>N<EOR>",
         call + "<QSLSDATE:8>20261207 <QSL_SENT:1>Y<QSL_SENT_VIA:1>B <EOR>"},
        {"M, which ADIF only reads, written", sent, "M", call + "<EOR>",
         call + "<QSL_SENT:1>Y <QSLSDATE:8>20261207 <QSL_SENT_VIA:1>B <EOR>"},
        {"a received date under a name loggers drop", received, "D",
         call + "<QSLRDATE:8>20200101 <QSL_RDATE:8>20200101 <QSL_RCVD:1>N<EOR>",
         call + "<QSLRDATE:8>20261207  <QSL_RCVD:1>Y<QSL_RCVD_VIA:1>D <EOR>"},
        {"a paper receipt's date lost with its old name", received, "B",
         call + "<QSL_RCVD:1>Y <QSL_RDATE:8>20240320 <QSL_RCVD_VIA:1>D<EOR>",
         call + "<QSL_RCVD:1>Y <QSLRDATE:8>20240320 <QSL_RCVD_VIA:1>D<EOR>"},
        {"a direct card answered by bureau", received, "B",
         call + "<QSL_RCVD:1>V <QSL_RCVD_VIA:1>d <QSLRDATE:8>20240320<EOR>",
         call + "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>d <QSLRDATE:8>20240320<EOR>"},
        {"a card on paper without a route given one", received, "B",
         call + "<QSL_RCVD:1>Y <QSLRDATE:8>20240320<EOR>",
         call + "<QSL_RCVD:1>Y <QSLRDATE:8>20240320<EOR>"},
        {"a paper card after an eQSL dated on the eQSL's day", received, "B",
         call + "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>E <QSLRDATE:8>20240320<EOR>",
         call + "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>B <QSLRDATE:8>20261207<EOR>"},
        {"today's date put before the old one of a received record with an open tag", received, "B",
         call + "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>D <QSLRDATE:8>20240320 <MODE:2 CW<EOR>",
         "<CALL:5>F1AAA<QSL_RCVD:1>Y <QSLRDATE:8>20240320 <QSL_RCVD_VIA:1>D <BAND:3>20M"
         "<QSL_RCVD:1>Y <QSL_RCVD_VIA:1>D <QSLRDATE:8>20240320 <MODE:2 CW<EOR>"},
    };
    QTemporaryDir dir;
    for (const Marking& row : rows) {
        const QString path = writeFile(dir, QStringLiteral("log.adi"), row.record);
        const auto log = readLog(path);
        ASSERT_TRUE(log->read) << row.fault;
        const QString copyPath = dir.filePath(QStringLiteral("copy.adi"));
        QString error;
        ASSERT_EQ(SentMarker::writeCopy(path, log->fingerprint, copyPath, recordsOf(*log, {0}),
                                        QString::fromLatin1(row.via), kDay, &error, row.fields),
                  SentMarker::Result::Written)
            << row.fault;
        EXPECT_EQ(readFile(copyPath).toStdString(), row.copy.toStdString()) << row.fault;
    }
}

// Logs written by other programs and the marked copy's fuzzing seeds, two
// QSOs of three marked: each copy reads back as its log, outside the marks.
TEST(SentMarker, LogsOfOtherProgramsReadBackAsTheyWere) {
    QTemporaryDir dir;
    QStringList logs;
    for (const QString& folder :
         {QStringLiteral("."), QStringLiteral("other_programs"), QStringLiteral("round"),
          QStringLiteral("../fuzz/corpus/sent_marker")}) {
        const QDir files(testDataPath(folder), QStringLiteral("*.adi"));
        for (const QString& name : files.entryList(QDir::Files)) {
            logs.append(files.filePath(name));
        }
    }
    ASSERT_GE(logs.size(), 30);
    for (const QString& log : logs) {
        EXPECT_EQ(MarkedCopyCheck::problem(log, dir.filePath(QStringLiteral("copy.adi")),
                                           [](int qso) { return qso % 3 != 2; }),
                  std::string())
            << log.toStdString();
    }
}

// The log's fingerprint: the same however the bytes come, and another for any
// byte changed, at the ends, around the stripes of 64 bytes and the blocks of 16.
TEST(StreamHash, AnyByteChangedChangesItHoweverTheBytesCome) {
    for (const qsizetype size : {1, 7, 63, 64, 65, 1023, 1024, 1025, 4099}) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>((i * 7919 + size) % 251);
        }
        StreamHash whole;
        whole.add(bytes);
        StreamHash pieces;
        for (qsizetype at = 0, step = 1; at < size; at += step, step = step % 97 + 13) {
            pieces.add(QByteArrayView(bytes).sliced(at, std::min(step, size - at)));
        }
        EXPECT_EQ(pieces.value(), whole.value()) << size;
        EXPECT_EQ(pieces.size(), size);
        for (const qsizetype at : {qsizetype(0), size / 2, size - 1, qsizetype(63), qsizetype(64),
                                   qsizetype(1023), qsizetype(1024)}) {
            if (at >= size) {
                continue;
            }
            QByteArray changed = bytes;
            changed[at] = static_cast<char>(changed[at] ^ 1);
            StreamHash other;
            other.add(changed);
            EXPECT_NE(other.value(), whole.value()) << size << " at " << at;
        }
        StreamHash longer = whole;
        longer.add(QByteArray(1, '\0'));
        EXPECT_NE(longer.value(), whole.value()) << size;
    }
}

// A print list sorted otherwise (here: backwards, some QSOs twice) marks the
// same copy as the list in file order, over a log of several megabytes.
// (Two records carry notes longer than the pieces the log is read by.)
TEST(SentMarker, MarksTheSameWhateverThePrintListsOrder) {
    QTemporaryDir dir;
    QByteArray text = "<ADIF_VER:5>3.1.4 <EOH>\n";
    QByteArray expected = text;
    std::vector<int> printed;
    for (int i = 0; i < 40000; ++i) {
        const bool marked = printed.empty() || printed.back() + 1 + printed.back() % 3 == i;
        const QByteArray notes = i == 10000 || i == 25000
                                     ? "<NOTES:1500000>" + QByteArray(1500000, 'n') + ' '
                                     : QByteArray();
        const QByteArray record = "<CALL:6>F" + QByteArray::number(100000 + i).right(5) +
                                  " <QSO_DATE:8>20240131 <TIME_ON:4>0751 <BAND:3>40M " + notes +
                                  "<MODE:3>SSB <QSL_SENT:1>";
        text += record + "N <EOR>\n";
        expected += record + (marked ? "Y " + kMarks.mid(14) + "<EOR>\n" : "N <EOR>\n");
        if (marked) {
            printed.push_back(i);
        }
    }
    const QString path = writeFile(dir, QStringLiteral("log.adi"), text);
    const auto log = readLog(path);
    ASSERT_TRUE(log->read);
    std::vector<int> backwards(printed.rbegin(), printed.rend());
    backwards.insert(backwards.end(), printed.begin(), printed.begin() + 100);
    QString error;
    for (const auto& [name, order] :
         {std::pair{"inOrder.adi", printed}, {"backwards.adi", backwards}}) {
        ASSERT_EQ(
            SentMarker::writeCopy(path, log->fingerprint, dir.filePath(QString::fromUtf8(name)),
                                  recordsOf(*log, order), QStringLiteral("B"), kDay, &error),
            SentMarker::Result::Written)
            << error.toStdString();
    }
    const QByteArray copy = readFile(dir.filePath(QStringLiteral("inOrder.adi")));
    EXPECT_EQ(copy.count("<QSL_SENT:1>Y"), static_cast<qsizetype>(printed.size()));
    EXPECT_TRUE(copy == expected);
    EXPECT_TRUE(copy == readFile(dir.filePath(QStringLiteral("backwards.adi"))));
}

// Every QSO of the real logs marked received, then sent: loggers find each
// date under its ADIF name, and none under the names earlier versions wrote.
TEST(SentMarker, CopiesOfRealLogsCarryOnlyAdifsDateNames) {
    QTemporaryDir dir;
    for (const QString& folder : {QStringLiteral("other_programs"), QStringLiteral("round"),
                                  QStringLiteral("answer"), QStringLiteral("mail")}) {
        const QDir files(testDataPath(folder), QStringLiteral("*.adi"));
        for (const QString& name : files.entryList(QDir::Files)) {
            QString path = files.filePath(name);
            if (readFile(path).startsWith("\xFF\xFE")) {
                continue;  // UTF-16: marked alike, its bytes are not searched here
            }
            for (const MarkedFields* fields : {&MarkedFields::received(), &MarkedFields::sent()}) {
                const auto log = readLog(path);
                const QString copy =
                    dir.filePath(name + QString::number(fields->keepReceiptOnPaper));
                QString error;
                ASSERT_EQ(SentMarker::writeCopy(path, log->fingerprint, copy,
                                                recordsOf(*log, everyQso(*log)),
                                                QStringLiteral("B"), kDay, &error, *fields),
                          SentMarker::Result::Written)
                    << name.toStdString() << error.toStdString();
                path = copy;
            }
            const QByteArray marked = readFile(path).toUpper();
            const int qsos = readLog(path)->contents.log.count();
            EXPECT_FALSE(marked.contains("<QSL_SDATE") || marked.contains("<QSL_RDATE"))
                << name.toStdString();
            EXPECT_GE(marked.count("<QSLSDATE:8>"), qsos) << name.toStdString();
            EXPECT_GE(marked.count("<QSLRDATE:8>"), qsos) << name.toStdString();
        }
    }
}

// A UTF-16 log is marked in UTF-16, its byte order mark kept, its accents as they
// were; a U+FEFF right after the mark is text, not a second mark, and an odd last
// byte stays after the records.
TEST(SentMarker, MarksAUtf16LogInUtf16) {
    const QByteArray text =
        "<EOH>\n<CALL:5>F1AAA<NAME:6>Jérôme<BAND:3>20M<EOR>\n<CALL:5>F2BBB"
        "<QSL_SENT:1>N<EOR>\n";
    const QByteArray marked = "<EOH>\n<CALL:5>F1AAA<NAME:6>Jérôme<BAND:3>20M" + kMarks +
                              "<EOR>\n<CALL:5>F2BBB<QSL_SENT:1>Y" + kMarks.mid(14) + "<EOR>\n";
    const QByteArray zeroWidth = "\xEF\xBB\xBF";
    const struct {
        QByteArray before;
        QByteArray after;
    } shapes[] = {{"", ""}, {zeroWidth, ""}, {zeroWidth + zeroWidth, "\x01"}};
    QTemporaryDir dir;
    for (const auto& shape : shapes) {
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            const QString path = writeFile(dir, QStringLiteral("log.adi"),
                                           utf16(shape.before + text, encoding) + shape.after);
            const auto log = readLog(path);
            ASSERT_TRUE(log->read);
            const QString copyPath = dir.filePath(QStringLiteral("copy.adi"));
            QString error;
            ASSERT_EQ(SentMarker::writeCopy(path, log->fingerprint, copyPath,
                                            recordsOf(*log, everyQso(*log)), QStringLiteral("B"),
                                            kDay, &error),
                      SentMarker::Result::Written)
                << error.toStdString();
            EXPECT_EQ(readFile(copyPath), utf16(shape.before + marked, encoding) + shape.after)
                << shape.before.size() << shape.after.size();
            expectSameReading(*log, *readLog(copyPath), everyQso(*log), "UTF-16");
        }
    }
}

// A log that is no longer the one read gets no copy: not when a QSO was taken
// out and the records moved up (the same size, the old time put back), nor
// when it grew or was only touched; and a file that cannot be read is a read error.
TEST(SentMarker, WritesNothingFromALogThatChangedSinceItWasRead) {
    QByteArray original = "<EOH>\n";
    for (int i = 0; i < 4; ++i) {
        original += "<CALL:5>F1AA" + QByteArray::number(i) + "<BAND:3>20M<EOR>\n";
    }
    const auto firstTakenOut = [](QByteArray bytes) {
        const qsizetype first = bytes.indexOf("<CALL");
        const qsizetype second = bytes.indexOf("<CALL", first + 1);
        bytes.remove(first, second - first);
        return bytes + QByteArray(second - first, ' ');
    };
    struct Change {
        const char* name;
        QByteArray now;
        bool keepTime;
    };
    const std::vector<Change> changes = {
        {"the first QSO taken out", firstTakenOut(original), true},
        {"a QSO added", original + "<CALL:5>F9ZZZ<EOR>\n", true},
        {"the same bytes written again", original, false},
    };
    QTemporaryDir dir;
    for (const Change& change : changes) {
        const QString path = writeFile(dir, QStringLiteral("log.adi"), original);
        const auto log = readLog(path);
        struct stat before {};
        ASSERT_EQ(::stat(path.toLocal8Bit().constData(), &before), 0);
        QThread::msleep(change.keepTime ? 0 : 20);
        writeFile(dir, QStringLiteral("log.adi"), change.now);
        if (change.keepTime) {
            const struct timespec times[2] = {before.st_atim, before.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.toLocal8Bit().constData(), times, 0), 0);
        }
        const QString copyPath = writeFile(dir, QStringLiteral("copy.adi"), "older");
        QString error;
        EXPECT_EQ(SentMarker::writeCopy(path, log->fingerprint, copyPath, recordsOf(*log, {1, 2}),
                                        QStringLiteral("B"), kDay, &error),
                  SentMarker::Result::LogChanged)
            << change.name;
        EXPECT_TRUE(
            error.startsWith(QStringLiteral("Le fichier %1 a changé depuis sa lecture").arg(path)))
            << error.toStdString();
        EXPECT_EQ(readFile(copyPath), "older") << change.name;
        EXPECT_EQ(
            QDir(dir.path()).entryList({QStringLiteral("*.part")}, QDir::Hidden | QDir::Files),
            QStringList());
    }
    const QString path = writeFile(dir, QStringLiteral("log.adi"), original);
    const auto log = readLog(path);
    QFile::remove(path);
    QString error;
    EXPECT_EQ(SentMarker::writeCopy(path, log->fingerprint, dir.filePath(QStringLiteral("c.adi")),
                                    recordsOf(*log, {0}), QStringLiteral("B"), kDay, &error),
              SentMarker::Result::LogUnreadable);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Impossible de lire le fichier %1 : ").arg(path)))
        << error.toStdString();
}

// A new copy is as private as the log; a replaced file keeps its own mode.
TEST(SentMarker, CopiesTakeTheLogsModeAndReplacedFilesKeepTheirs) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("log.adi"), "<CALL:5>F1AAA<EOR>\n");
    ::chmod(path.toLocal8Bit().constData(), 0600);
    const auto log = readLog(path);
    const auto modeOf = [](const QString& file) {
        struct stat state {};
        ::stat(file.toLocal8Bit().constData(), &state);
        return state.st_mode & 07777;
    };
    const QString fresh = dir.filePath(QStringLiteral("new.adi"));
    const QString existing = writeFile(dir, QStringLiteral("old.adi"), "older");
    ::chmod(existing.toLocal8Bit().constData(), 0640);
    for (const QString& copy : {fresh, existing}) {
        ASSERT_EQ(SentMarker::writeCopy(path, log->fingerprint, copy, recordsOf(*log, {0}),
                                        QStringLiteral("B"), kDay, nullptr),
                  SentMarker::Result::Written);
    }
    EXPECT_EQ(modeOf(fresh), 0600U);
    EXPECT_EQ(modeOf(existing), 0640U);
    EXPECT_EQ(readFile(existing), "<CALL:5>F1AAA" + kMarks + "<EOR>\n");
}

}  // namespace

namespace {

// A record the reader read in one pass is marked by looking only at its tags
// that start with Q: the same copy as the tag-by-tag marking, wherever those
// tags (in any case) and line breaks fall against the sixteen-byte blocks
// the look goes by, and for the received fields as for the sent ones.
TEST(SentMarker, MarksARecordReadInOnePassAsTagByTag) {
    const std::vector<std::pair<const char*, QByteArray>> tails = {
        {"upper case", "<QSL_SENT:1>N <QSL_SENT_VIA:1>D<EOR>"},
        {"lower case", "<qsl_sent:1>N<qslsdate:8>20200101<eor>"},
        {"received", "<QSL_RCVD:1>Y <qsl_rcvd_via:1>B <QSL_RDATE:8>20200101 <EOR>"},
        {"no Q tag", "<MODE:2>CW<EOR>"},
        {"a Q tag last", "<QSO_DATE:8>20200101<Qsl_Sent:1>R<EOR>"},
        {"a line break read through", "<QSLSDATE:3>ab\nc d<QSL_SENT:1>N<EOR>"},
        {"a carriage return between tags", "<QSL_SENT:1>N\r<QSL_RCVD:1>N<EOR>"},
        {"a line break before the <EOR>", "<QSL_SENT:1>N\n<EOR>"},
    };
    QTemporaryDir dir;
    int plainRecords = 0;
    for (const auto& [name, tail] : tails) {
        for (int pad = 0; pad <= 17; ++pad) {
            const QByteArray record = "<CALL:5>F1AAA <COMMENT:" + QByteArray::number(pad) + '>' +
                                      QByteArray(pad, 'c') + ' ' + tail;
            const QString path = writeFile(dir, QStringLiteral("log.adi"), record + '\n');
            const auto log = readLog(path);
            ASSERT_EQ(log->contents.log.count(), 1) << name;
            const bool plain = log->contents.log.at(0).readAsPlain();
            plainRecords += plain ? 1 : 0;
            for (const MarkedFields* fields : {&MarkedFields::sent(), &MarkedFields::received()}) {
                EXPECT_EQ(MarkedRecord::marked(record, "B", "20261207", *fields, plain),
                          MarkedRecord::marked(record, "B", "20261207", *fields))
                    << name << ", " << pad << " bytes of comment";
            }
        }
    }
    EXPECT_EQ(plainRecords, static_cast<int>(tails.size()) * 18);
}

// Marking cards received: a QSO received already (Y, V) keeps the date it was
// received on; one only requested (R) or not received (N) takes today's.
// The field names are the marking's own, whatever they are called.
TEST(ReceivedMarking, OnlyAQsoReceivedAlreadyKeepsItsDate) {
    const MarkedFields& fields = MarkedFields::received();
    const auto field = [](QByteArrayView name, QByteArrayView value) {
        return "<" + name.toByteArray() + ":" + QByteArray::number(value.size()) + ">" +
               value.toByteArray();
    };
    struct Case {
        QByteArrayView status;
        QByteArrayView dateAfter;
    };
    for (const Case& c : {Case{"Y", "20200101"}, Case{"V", "20200101"}, Case{"R", "20991231"},
                          Case{"N", "20991231"}}) {
        const QByteArray record = "<CALL:5>F1AAA" + field(fields.names[0], c.status) +
                                  field(fields.names[1], "20200101") + "<EOR>";
        const QByteArray marked = MarkedRecord::marked(record, "B", "20991231", fields);
        EXPECT_TRUE(marked.contains(field(fields.names[1], c.dateAfter)))
            << c.status.data() << ": " << marked.constData();
        EXPECT_EQ(marked.count(field(fields.names[1], "").left(fields.names[1].size() + 1)), 1)
            << marked.constData();
    }
}

}  // namespace
