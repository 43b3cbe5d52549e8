#include "mail/log_addresses.h"

#include <unistd.h>
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "log/adif_text.h"
#include "mail/address_source.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LogAddresses)
};

}  // namespace

namespace LogAddresses {
namespace {

QString decoded(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// A value as the reader keeps it: line breaks and byte order marks left out,
// other control characters as blanks, trimmed, upper case.
QString asTheReaderCleans(QString value) {
    value.remove(QChar(0xFEFF));
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    for (QChar& c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QLatin1Char(' ');
        }
    }
    return value.trimmed().toUpper();
}

struct Tag {
    QByteArray name;
    QByteArrayView value;
    qsizetype end = -1;  // where the text after the value starts; -1: no tag
};

// The tag starting at `at` ("<NAME:LENGTH[:TYPE]>VALUE"), its value the
// length it announces where that fits, else the text up to the next tag.
Tag tagAt(QByteArrayView text, qsizetype at) {
    Tag tag;
    const qsizetype close = text.indexOf('>', at);
    const qsizetype next = text.indexOf('<', at + 1);
    if (close < 0 || (next >= 0 && next < close)) {
        return tag;
    }
    const QByteArrayView inside = text.sliced(at + 1, close - at - 1);
    const qsizetype colon = inside.indexOf(':');
    tag.name = inside.first(colon < 0 ? inside.size() : colon).toByteArray().trimmed().toUpper();
    qint64 length = 0;
    for (qsizetype i = colon + 1; colon >= 0 && i < inside.size() && inside[i] != ':'; ++i) {
        if (inside[i] < '0' || inside[i] > '9' || length > text.size()) {
            length = -1;
            break;
        }
        length = length * 10 + (inside[i] - '0');
    }
    const qsizetype start = close + 1;
    const qsizetype toNextTag =
        (text.indexOf('<', start) < 0 ? text.size() : text.indexOf('<', start));
    qsizetype end = length >= 0 && start + length <= toNextTag ? start + length : toNextTag;
    const QByteArrayView rest = text.sliced(end, toNextTag - end);
    if (!rest.trimmed().isEmpty()) {
        end = toNextTag;
    }
    tag.value = text.sliced(start, end - start);
    tag.end = end;
    return tag;
}

// The record's bytes as they stand in the file now, empty when the file is
// shorter now; a read error is one (the system's reason in `reason`), never
// taken for a record that changed.
bool recordBytes(QFile& file, const QsoRecord& qso, bool utf16, bool bigEndian, QByteArray* text,
                 QString* reason) {
    QByteArray bytes(qso.fileLength(), Qt::Uninitialized);
    const int descriptor = file.handle();
    qsizetype got = 0;
    if (::lseek(descriptor, static_cast<off_t>(qso.fileOffset()), SEEK_SET) < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    while (got < bytes.size()) {
        const ssize_t read =
            ::read(descriptor, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            *reason = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        if (read == 0) {
            break;
        }
        got += read;
    }
    if (got < bytes.size()) {
        text->clear();  // the file is shorter now
        return true;
    }
    *text = utf16 ? adif::utf16AsUtf8(bytes, !bigEndian) : bytes;
    return true;
}

}  // namespace

Found inRecord(QByteArrayView record) {
    Found found;
    QByteArrayView address;
    QByteArrayView international;
    QString date;
    QString time;
    for (qsizetype at = record.indexOf('<'); at >= 0 && at < record.size();) {
        const Tag tag = tagAt(record, at);
        if (tag.end < 0) {
            at = record.indexOf('<', at + 1);
            continue;
        }
        if (tag.name == "ADDRESS") {
            address = tag.value;
        } else if (tag.name == "ADDRESS_INTL") {
            international = tag.value;
        } else if (tag.name == "QSO_DATE") {
            date = decoded(tag.value).trimmed();
        } else if (tag.name == "TIME_ON") {
            time = decoded(tag.value).trimmed();
        } else if (tag.name == "CALL" && found.call.isEmpty()) {
            found.call = asTheReaderCleans(decoded(tag.value));
        }
        at = record.indexOf('<', tag.end);
    }
    found.address = decoded(international.trimmed().isEmpty() ? address : international);
    found.when = date + QLatin1Char(' ') + time;
    return found;
}

bool offer(const QString& logPath, const QsoRecords& qsos, const QSet<QString>& stations,
           AddressSource& source, QString* error) {
    QFile file(logPath);
    if (!QFileInfo(logPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = Text::tr("Impossible de lire le fichier %1 : %2").arg(logPath, file.errorString());
        return false;
    }
    const QByteArray mark = file.read(2);
    const bool utf16 = mark == "\xFF\xFE" || mark == "\xFE\xFF";
    QsoRecords wanted;
    for (const QsoRecord* qso : qsos) {
        const QString station = source.stationOf(qso->text(QsoField::Callsign));
        if (stations.contains(station)) {
            wanted.push_back(qso);
        }
    }
    std::sort(wanted.begin(), wanted.end(), [](const QsoRecord* a, const QsoRecord* b) {
        return a->fileOffset() < b->fileOffset();
    });
    for (const QsoRecord* qso : wanted) {
        QByteArray record;
        QString reason;
        if (!recordBytes(file, *qso, utf16, mark == "\xFE\xFF", &record, &reason)) {
            *error = Text::tr("Impossible de lire le fichier %1 : %2").arg(logPath, reason);
            return false;
        }
        const Found found = inRecord(record);
        if (!record.isEmpty() && found.call.isEmpty()) {
            continue;
        }
        if (record.isEmpty() || found.call != qso->text(QsoField::Callsign)) {
            *error =
                Text::tr("Le fichier %1 a changé depuis sa lecture : relisez-le.").arg(logPath);
            return false;
        }
        source.offerLogAddress(source.stationOf(found.call), found.when, found.address);
    }
    return true;
}

}  // namespace LogAddresses
