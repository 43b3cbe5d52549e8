#include "mail/log_addresses.h"

#include <unistd.h>
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "log/adif_joined_text.h"
#include "log/adif_tag_scanner.h"
#include "log/adif_values.h"
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
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    return AdifValues::keptText(value);
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
    // Tags and values found as the reader finds them, in the text it reads;
    // an address keeps its own bytes, line breaks included.
    const AdifJoinedText joined(record);
    const QByteArrayView text = joined.text();
    const auto ownBytes = [&](const adif::AdifTag& tag, QByteArrayView value) {
        const qsizetype begin = joined.rawIndex(tag.close + 1);
        return record.sliced(begin,
                             joined.rawEnd(value.data() - text.data() + value.size()) - begin);
    };
    Found found;
    QByteArrayView address;
    QByteArrayView international;
    QString date;
    QString time;
    bool called = false;
    adif::AdifTagScanner scanner(text);
    for (adif::AdifTag tag; scanner.next(&tag);) {
        if (!tag.closed()) {
            continue;
        }
        const QByteArrayView value = scanner.value(tag);
        if (adif::sameName(tag.name, "ADDRESS")) {
            address = ownBytes(tag, value);
        } else if (adif::sameName(tag.name, "ADDRESS_INTL")) {
            international = ownBytes(tag, value);
        } else if (adif::sameName(tag.name, "QSO_DATE")) {
            date = decoded(value).trimmed();
        } else if (adif::sameName(tag.name, "TIME_ON")) {
            time = decoded(value).trimmed();
        } else if (adif::sameName(tag.name, "CALL") && !called) {
            called = true;
            found.call = asTheReaderCleans(decoded(value));
        }
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
        if (record.isEmpty()) {
            *error = Text::tr(
                         "Le fichier %1 a changé depuis sa lecture : il finit avant le QSO "
                         "avec %2 (octet %3). Relisez-le.")
                         .arg(logPath, qso->text(QsoField::Callsign))
                         .arg(qso->fileOffset());
            return false;
        }
        if (found.call != qso->text(QsoField::Callsign)) {
            *error = Text::tr(
                         "Le fichier %1 a changé depuis sa lecture : le QSO avec %2 (octet "
                         "%3) y a maintenant pour CALL « %4 ». Relisez-le.")
                         .arg(logPath, qso->text(QsoField::Callsign))
                         .arg(qso->fileOffset())
                         .arg(found.call);
            return false;
        }
        source.offerLogAddress(source.stationOf(found.call), found.when, found.address);
    }
    return true;
}

}  // namespace LogAddresses
