#pragma once

#include <QDate>
#include <QFile>
#include <QString>
#include <functional>
#include <string>

#include "log/adif_reader.h"
#include "log/marked_record.h"
#include "log/sent_marker.h"

// The marked copy of a log checked against the log: the copy is written, read
// back it gives the same rows and messages, the printed QSOs are sent and no
// other value changed, and every byte outside the printed records is the log's.
class MarkedCopyCheck {
  public:
    // The first difference found, or an empty text (also when the log cannot be read).
    static std::string problem(const QString& logPath, const QString& copyPath,
                               const std::function<bool(int)>& printed) {
        AdifContents log;
        LogFingerprint fingerprint;
        if (!AdifReader::readFile(logPath, log, nullptr, &fingerprint)) {
            return {};
        }
        if (const std::string difference = plainReadingProblem(logPath, log.log);
            !difference.empty()) {
            return difference;
        }
        QsoRecords records;
        for (int i = 0; i < log.log.count(); ++i) {
            if (printed(i)) {
                records.push_back(&log.log.at(i));
            }
        }
        QString error;
        if (SentMarker::writeCopy(logPath, fingerprint, copyPath, records, QStringLiteral("B"),
                                  QDate(2026, 12, 7), &error) != SentMarker::Result::Written) {
            return "not written: " + error.toStdString();
        }
        AdifContents copy;
        if (!AdifReader::readFile(copyPath, copy, nullptr)) {
            return "copy unreadable";
        }
        if (copy.log.count() != log.log.count() || copy.rows != log.rows) {
            return "other rows";
        }
        if (copy.messages != log.messages) {
            return "other messages";
        }
        for (int i = 0; i < log.log.count(); ++i) {
            const std::string difference = valueProblem(log.log.at(i), copy.log.at(i), printed(i));
            if (!difference.empty()) {
                return "QSO " + std::to_string(i + 1) + ": " + difference;
            }
        }
        return bytesProblem(logPath, copyPath, log.log, copy.log, printed);
    }

  private:
    // A record the reader read in one pass is marked the same whether the
    // marking is told so or not (and telling it of any other record is safe).
    static std::string plainReadingProblem(const QString& logPath, const QsoLog& log) {
        const QByteArray bytes = bytesOf(logPath);
        for (int i = 0; i < log.count(); ++i) {
            const QsoRecord& record = log.at(i);
            const QByteArray text = bytes.mid(record.fileOffset(), record.fileLength());
            for (const MarkedFields* fields : {&MarkedFields::sent(), &MarkedFields::received()}) {
                const QByteArray told = MarkedRecord::marked(text, "B", "20261207", *fields, true);
                if (record.readAsPlain() &&
                    told != MarkedRecord::marked(text, "B", "20261207", *fields, false)) {
                    return "QSO " + std::to_string(i + 1) + " marked otherwise when read as plain";
                }
            }
        }
        return {};
    }

    static std::string valueProblem(const QsoRecord& before, const QsoRecord& after, bool printed) {
        for (int field = kListedFieldCount; field < kQsoFieldCount; ++field) {
            const auto which = static_cast<QsoField>(field);
            const bool marked =
                printed && (which == QsoField::QslSent || which == QsoField::QslSentVia);
            const QByteArrayView expected = !marked                      ? before.value(which)
                                            : which == QsoField::QslSent ? "Y"
                                                                         : "B";
            if (after.value(which) != expected) {
                return "field " + std::to_string(field) + " is " +
                       after.value(which).toByteArray().toStdString();
            }
        }
        return {};
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static std::string bytesProblem(const QString& logPath, const QString& copyPath,
                                    const QsoLog& log, const QsoLog& copy,
                                    const std::function<bool(int)>& printed) {
        const QByteArray before = bytesOf(logPath);
        const QByteArray after = bytesOf(copyPath);
        qint64 beforeAt = 0;
        qint64 afterAt = 0;
        const auto gapProblem = [&](qint64 beforeEnd, qint64 afterEnd) {
            return before.mid(beforeAt, beforeEnd - beforeAt) !=
                   after.mid(afterAt, afterEnd - afterAt);
        };
        for (int i = 0; i < log.count(); ++i) {
            const QsoRecord& was = log.at(i);
            const QsoRecord& is = copy.at(i);
            if (gapProblem(was.fileOffset(), is.fileOffset())) {
                return "bytes changed before QSO " + std::to_string(i + 1);
            }
            const QByteArray wasText = before.mid(was.fileOffset(), was.fileLength());
            const QByteArray isText = after.mid(is.fileOffset(), is.fileLength());
            if (!printed(i) && wasText != isText) {
                return "QSO " + std::to_string(i + 1) + " changed, not printed";
            }
            beforeAt = was.fileOffset() + was.fileLength();
            afterAt = is.fileOffset() + is.fileLength();
        }
        return gapProblem(before.size(), after.size()) ? "bytes changed after the last QSO"
                                                       : std::string();
    }
};
