#include "printing/pdf_output.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QList>
#include <algorithm>
#include <cerrno>

#include "files/pending_files.h"
#include "files/run_files.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PdfOutput)
};

}  // namespace

namespace {

QByteArray readAt(int descriptor, qint64 offset, qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    const ssize_t read =
        ::pread(descriptor, bytes.data(), static_cast<size_t>(size), static_cast<off_t>(offset));
    bytes.resize(read < 0 ? 0 : read);
    return bytes;
}

// The offset given after the last "startxref", or -1.
qint64 crossReferenceOffset(const QByteArray& tail) {
    const qsizetype start = tail.lastIndexOf("startxref");
    if (start < 0 || !tail.trimmed().endsWith("%%EOF")) {
        return -1;
    }
    const QByteArray number = tail.mid(start + 9).trimmed().split('\n').value(0).trimmed();
    bool ok = false;
    const qint64 offset = number.toLongLong(&ok);
    return ok && offset > 0 ? offset : -1;
}

// Each object in use ("n" entries of 20 bytes) begins where the table says.
bool objectsStandWhereTheTableSays(int descriptor, qint64 tableOffset, qint64 fileSize) {
    const QByteArray head = readAt(descriptor, tableOffset, 64);
    const QList<QByteArray> lines = head.split('\n');
    if (lines.size() < 3 || lines[0].trimmed() != "xref") {
        return false;
    }
    const QList<QByteArray> range = lines[1].trimmed().split(' ');
    bool ok = false;
    const qint64 count = range.value(1).toLongLong(&ok);
    if (range.size() != 2 || !ok || count <= 0 || count > fileSize / 20) {
        return false;
    }
    const qint64 first = range[0].toLongLong(&ok);
    const qint64 entriesAt = tableOffset + lines[0].size() + 1 + lines[1].size() + 1;
    const QByteArray entries = readAt(descriptor, entriesAt, count * 20);
    if (!ok || entries.size() != count * 20) {
        return false;
    }
    for (qint64 i = 0; i < count; ++i) {
        const QByteArray entry = entries.mid(i * 20, 20);
        if (entry.at(17) != 'n') {
            continue;
        }
        const qint64 offset = entry.left(10).toLongLong(&ok);
        const QByteArray object = QByteArray::number(first + i) + ' ';
        if (!ok || !readAt(descriptor, offset, object.size()).startsWith(object)) {
            return false;
        }
    }
    return true;
}

}  // namespace

PdfOutput::PdfOutput(const QString& target) : file_(target), pipe_(file_) {
    if (!file_.isOpen()) {
        error_ = file_.error();
    } else if (pipe_.path().isEmpty()) {
        file_.abandon(errno);
        error_ = file_.error();
    }
}

bool PdfOutput::isWholePdf(int descriptor) {
    struct stat state {};
    if (::fstat(descriptor, &state) != 0 || state.st_size < 32) {
        return false;
    }
    const qint64 tailSize = std::min<qint64>(state.st_size, 1024);
    const qint64 table =
        crossReferenceOffset(readAt(descriptor, state.st_size - tailSize, tailSize));
    return table > 0 && objectsStandWhereTheTableSays(descriptor, table, state.st_size);
}

QString PdfOutput::failed() {
    return Text::tr("%1 ; il n'est pas modifié.").arg(file_.error());
}

bool PdfOutput::commit() {
    // A writer still holding the pipe never ended its document.
    if (!pipe_.finish()) {
        file_.abandon();
        error_ = failed();
        return false;
    }
    if (file_.commit(&PdfOutput::isWholePdf)) {
        return true;
    }
    error_ = failed();
    return false;
}

void PdfOutput::abandon() {
    pipe_.finish();
    file_.abandon();
    error_ = failed();
}

QString PdfOutput::targetProblem(const QString& target, const QStringList& inputs) {
    return RunFiles::pdfProblemAmong(target, inputs);
}

void PdfOutput::removeOnSignals() {
    PendingFiles::removeOnSignals();
}
