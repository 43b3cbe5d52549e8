#include "log/sent_marker.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <vector>

namespace {

constexpr qint64 kCopyChunk = 1 << 20;

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Where a field's tag starts in a record and where its value ends; the value
// is as long as the tag says when that fits before the next tag, else it runs
// up to the next "<".
struct FieldSpan {
    qsizetype begin = -1;
    qsizetype end = -1;
};

// The printed records in the log's order, each once.
std::vector<const QsoRecord*> inFileOrder(const QsoRecords& printed) {
    std::vector<const QsoRecord*> records(printed.begin(), printed.end());
    std::sort(records.begin(), records.end(), [](const QsoRecord* a, const QsoRecord* b) {
        return a->fileOffset() < b->fileOffset();
    });
    records.erase(std::unique(records.begin(), records.end(),
                              [](const QsoRecord* a, const QsoRecord* b) {
                                  return a->fileOffset() == b->fileOffset();
                              }),
                  records.end());
    return records;
}

bool namesMatch(QByteArrayView tagName, QByteArrayView name) {
    return tagName.size() == name.size() &&
           std::equal(tagName.begin(), tagName.end(), name.begin(),
                      [](char a, char b) { return upper(a) == b; });
}

FieldSpan findField(const QByteArray& record, QByteArrayView name) {
    const QByteArrayView text(record);
    for (qsizetype at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        const qsizetype close = text.indexOf('>', at);
        if (close < 0) {
            break;
        }
        const QByteArrayView tag = text.sliced(at + 1, close - at - 1);
        const qsizetype colon = tag.indexOf(':');
        if (!namesMatch(colon < 0 ? tag : tag.first(colon), name)) {
            continue;
        }
        const qsizetype next = text.indexOf('<', close + 1);
        const qsizetype valueEnd = next < 0 ? text.size() : next;
        qsizetype length = -1;
        if (colon >= 0) {
            const QByteArrayView digits = tag.sliced(colon + 1);
            const qsizetype type = digits.indexOf(':');
            bool counted = false;
            const qsizetype given = (type < 0 ? digits : digits.first(type)).toLongLong(&counted);
            length = counted ? given : -1;
        }
        if (length >= 0 && close + 1 + length <= valueEnd) {
            return {at, close + 1 + length};
        }
        return {at, valueEnd};
    }
    return {};
}

QByteArray field(const QByteArray& name, const QByteArray& value) {
    return '<' + name + ':' + QByteArray::number(value.size()) + '>' + value;
}

// The start of the record's <EOR> (any case), or its end when it has none.
qsizetype endOfRecordTag(const QByteArray& record) {
    for (qsizetype at = record.lastIndexOf('<'); at >= 0;
         at = at > 0 ? record.lastIndexOf('<', at - 1) : -1) {
        if (record.size() - at >= 5 && upper(record[at + 1]) == 'E' &&
            upper(record[at + 2]) == 'O' && upper(record[at + 3]) == 'R' && record[at + 4] == '>') {
            return at;
        }
    }
    return record.size();
}

void setField(QByteArray& record, const QByteArray& name, const QByteArray& value) {
    const FieldSpan span = findField(record, name);
    const QByteArray text = field(name, value);
    if (span.begin >= 0) {
        record.replace(span.begin, span.end - span.begin, text);
        return;
    }
    record.insert(endOfRecordTag(record), text + ' ');
}

}  // namespace

bool SentMarker::isSendingMethod(const QString& via) {
    return via == u"B" || via == u"D" || via == u"E" || via == u"M";
}

QByteArray SentMarker::markedRecord(const QByteArray& record, const QByteArray& via,
                                    const QByteArray& date) {
    QByteArray marked = record;
    setField(marked, "QSL_SENT", "Y");
    setField(marked, "QSL_SDATE", date);
    setField(marked, "QSL_SENT_VIA", via);
    return marked;
}

bool SentMarker::writeCopy(const QString& logPath, const QString& copyPath,
                           const QsoRecords& printed, const QString& via, const QDate& date,
                           QString* error) {
    const auto fail = [&](const QString& text) {
        if (error != nullptr) {
            *error = text;
        }
        return false;
    };
    QFile log(logPath);
    if (!QFileInfo(logPath).isFile() || !log.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("Impossible de lire le fichier %1").arg(logPath));
    }
    const std::vector<const QsoRecord*> records = inFileOrder(printed);
    QSaveFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly)) {
        return fail(QStringLiteral("Impossible de créer le fichier %1 : %2")
                        .arg(copyPath, copy.errorString()));
    }
    const QByteArray viaBytes = via.toLatin1();
    const QByteArray dateBytes = date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    qint64 copied = 0;
    bool written = true;
    // Many small records: written in large blocks.
    QByteArray pending;
    const auto put = [&](QByteArrayView bytes) {
        pending.append(bytes);
        if (pending.size() >= kCopyChunk) {
            written = written && copy.write(pending) == pending.size();
            pending.clear();
        }
        return written;
    };
    const auto copyUpTo = [&](qint64 end) {
        while (written && copied < end) {
            const QByteArray chunk = log.read(std::min(kCopyChunk, end - copied));
            if (chunk.isEmpty()) {
                written = false;
                return false;
            }
            put(chunk);
            copied += chunk.size();
        }
        return written;
    };
    for (const QsoRecord* record : records) {
        if (record->fileLength() <= 0 || record->fileOffset() < copied) {
            continue;
        }
        if (!copyUpTo(record->fileOffset())) {
            break;
        }
        const QByteArray text = log.read(record->fileLength());
        if (text.size() != record->fileLength() || endOfRecordTag(text) != text.size() - 5) {
            // The log changed since it was read: nothing is written.
            copy.cancelWriting();
            return fail(QStringLiteral("Le fichier %1 a changé depuis sa lecture : relisez-le "
                                       "avant de marquer les QSO.")
                            .arg(logPath));
        }
        put(markedRecord(text, viaBytes, dateBytes));
        copied += text.size();
    }
    if (written) {
        copyUpTo(log.size());
        written = written && copy.write(pending) == pending.size();
    }
    if (!written || copied != log.size() || log.error() != QFileDevice::NoError) {
        copy.cancelWriting();
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : la copie marquée n'est "
                                   "pas enregistrée.")
                        .arg(copyPath));
    }
    if (!copy.flush() || !copy.commit()) {
        return fail(QStringLiteral("Impossible d'écrire le fichier %1 : %2")
                        .arg(copyPath, copy.errorString()));
    }
    return true;
}
