#include <gtest/gtest.h>

#include <QHashFunctions>
#include <memory>
#include <vector>

#include "log/adif_reader.h"
#include "log/qso_log.h"
#include "selection/qso_selection.h"

namespace {

// Keeps the QSOs of a reading, as the selection window does.
struct LogOnly : AdifSink {
    std::shared_ptr<QsoLog> log = std::make_shared<QsoLog>();
    void record(const QsoValues& values) override { log->add(values); }
    void message(const AdifMessage&) override {}
};

QByteArray qso(const char* callsign, const char* band = "40M", const char* more = "") {
    return QByteArray("<CALL:5>") + callsign +
           "<QSO_DATE:8>20090101<TIME_ON:4>0751<BAND:" + QByteArray::number(qstrlen(band)) + '>' +
           band + more + "<EOR>\n";
}

// One reading of the log: its text, and the QSOs of it then moved to the
// print list (indexes in the file).
struct Reading {
    QByteArray text;
    std::vector<int> picks;
    // The bytes the reading's fingerprint is taken of, when not its text: a
    // fingerprint that meets another file's.
    QByteArray fingerprinted = {};
};

struct RereadCase {
    const char* name;
    std::vector<Reading> readings;
    std::vector<int> offered;  // indexes in the last reading's file
};

class QsoSelectionRereadTest : public ::testing::TestWithParam<RereadCase> {
  protected:
    // The window's reading: the fingerprint of the bytes read goes with the log.
    std::shared_ptr<const QsoLog> show(const QByteArray& text, const QByteArray& fingerprinted) {
        LogOnly sink;
        AdifReader::parse(text, sink);
        const QByteArray& bytes = fingerprinted.isEmpty() ? text : fingerprinted;
        LogFingerprint fingerprint;
        fingerprint.taken = true;
        fingerprint.size = bytes.size();
        fingerprint.hash = qHash(bytes);
        sink.log->setFingerprint(fingerprint);
        selection.showLog(sink.log);
        return sink.log;
    }

    void pickFromFile(const QsoLog& log, int fileIndex) {
        for (int i = 0; i < selection.qsoList().count(); ++i) {
            if (&selection.qsoList().record(i) == &log.at(fileIndex)) {
                selection.pick(i);
                return;
            }
        }
        ADD_FAILURE() << "QSO " << fileIndex << " is not offered";
    }

    std::vector<int> offeredIndexes(const QsoLog& log) const {
        std::vector<int> indexes;
        for (int i = 0; i < selection.qsoList().count(); ++i) {
            const QsoRecord* offered = &selection.qsoList().record(i);
            for (int at = 0; at < log.count(); ++at) {
                if (&log.at(at) == offered) {
                    indexes.push_back(at);
                }
            }
        }
        return indexes;
    }

    QsoSelection selection;
};

// Faults: a QSO taken as picked when one of its values differs, shown or not;
// the values compared one after another without their bounds; a QSO taken for
// a picked one because their hashes meet; every copy of a QSO the log holds
// twice hidden when one was picked, or the later one; a copy found at its place
// in the unchanged file taken again by another picked QSO; a QSO at the same
// place of a file read as the same but with another record length taken as
// the picked one.
TEST_P(QsoSelectionRereadTest, OffersAgainExactlyTheQsosNotPicked) {
    const RereadCase& test = GetParam();
    std::shared_ptr<const QsoLog> log;
    for (const Reading& reading : test.readings) {
        log = show(reading.text, reading.fingerprinted);
        for (const int pick : reading.picks) {
            pickFromFile(*log, pick);
        }
    }
    EXPECT_EQ(offeredIndexes(*log), test.offered);
}

const QByteArray kHeader = "<EOH>\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, QsoSelectionRereadTest,
    ::testing::Values(
        RereadCase{"UnchangedFileByPlace",
                   {{kHeader + qso("F9XQA") + qso("F9XQB"), {1}},
                    {kHeader + qso("F9XQA") + qso("F9XQB"), {}}},
                   {0}},
        RereadCase{"TwinOnAnotherBandStaysOffered",
                   {{kHeader + qso("F9XQA") + qso("F9XQA", "20M"), {0}},
                    {kHeader + qso("F9XQZ") + qso("F9XQA", "20M") + qso("F9XQA"), {}}},
                   {0, 1}},
        RereadCase{
            "TwinWithTheCardReceivedStaysOffered",
            {{kHeader + qso("F9XQA"), {0}}, {kHeader + qso("F9XQA", "40M", "<QSL_RCVD:1>Y"), {}}},
            {0}},
        RereadCase{"ValueMovedToTheNeighbouringFieldStaysOffered",
                   {{kHeader + qso("F9XQA", "40M", "<QSL_VIA:6>F9XQCY"), {0}},
                    {kHeader + qso("F9XQA", "40M", "<QSL_VIA:5>F9XQC<QSL_SENT:1>Y") +
                         qso("F9XQA", "40M", "<QSL_VIA:6>F9XQCY"),
                     {}}},
                   {0}},
        // FCMIG and FFZHM: two QSOs whose values give the same hash (another
        // pair is to be found for these two rows should the hash change).
        RereadCase{"QsoOfTheSameHashStaysOffered",
                   {{kHeader + qso("FCMIG"), {0}}, {kHeader + qso("FFZHM"), {}}},
                   {0}},
        RereadCase{"QsoOfTheSameHashBeforeThePickedOneStaysOffered",
                   {{kHeader + qso("FCMIG"), {0}}, {kHeader + qso("FFZHM") + qso("FCMIG"), {}}},
                   {0}},
        RereadCase{"OneCopyOfTwoPickedOffersTheLaterCopy",
                   {{kHeader + qso("F9XQA") + qso("F9XQA"), {0}},
                    {kHeader + qso("F9XQZ") + qso("F9XQA") + qso("F9XQA"), {}}},
                   {0, 2}},
        RereadCase{"BothCopiesPicked",
                   {{kHeader + qso("F9XQA") + qso("F9XQA"), {0, 1}},
                    {kHeader + qso("F9XQZ") + qso("F9XQA") + qso("F9XQA"), {}}},
                   {0}},
        RereadCase{"TwoCopiesOfThreePickedInALogOfFour",
                   {{kHeader + qso("F9XQA") + qso("F9XQA") + qso("F9XQA"), {0, 2}},
                    {kHeader + qso("F9XQA") + qso("F9XQA") + qso("F9XQA") + qso("F9XQA"), {}}},
                   {2, 3}},
        RereadCase{"PickedQsoGoneFromTheChangedFile",
                   {{kHeader + qso("F9XQA") + qso("F9XQB"), {0, 1}},
                    {kHeader + qso("F9XQB") + qso("F9XQC"), {}}},
                   {1}},
        RereadCase{"AnotherRecordAtTheSamePlaceStaysOffered",
                   {{kHeader + qso("F9XQA") + qso("F9XQB"), {1}},
                    {kHeader + qso("F9XQA") + qso("F9XQB", "2M") + " ",
                     {},
                     kHeader + qso("F9XQA") + qso("F9XQB")}},
                   {0, 1}},
        RereadCase{"CopyFoundByPlaceIsNotTakenAgainByValues",
                   {{kHeader + qso("F9XQA"), {0}},
                    {kHeader + qso("F9XQA") + qso("F9XQZ") + qso("F9XQA"), {2}},
                    {kHeader + qso("F9XQA") + qso("F9XQZ") + qso("F9XQA"), {}}},
                   {1}}),
    [](const ::testing::TestParamInfo<RereadCase>& test) { return std::string(test.param.name); });

}  // namespace
