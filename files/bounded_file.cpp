#include "files/bounded_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoundedFile)
};

}  // namespace

namespace {

constexpr qint64 kPiece = 64 * 1024;

// Reads to the end, or fails at the first read error; more than `largest`
// bytes is a file that grew past its size while being read.
BoundedFile::Outcome readWhole(QFile& file, qint64 largest, QByteArray* bytes, QString* reason) {
    bytes->clear();
    bytes->reserve(static_cast<qsizetype>(std::min(file.size(), largest)));
    while (true) {
        const QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError) {
            *reason = file.errorString();
            bytes->clear();
            return BoundedFile::Outcome::Unreadable;
        }
        if (piece.isEmpty()) {
            return BoundedFile::Outcome::Read;
        }
        bytes->append(piece);
        if (bytes->size() > largest) {
            bytes->clear();
            return BoundedFile::Outcome::TooLarge;
        }
    }
}

}  // namespace

BoundedFile::Outcome BoundedFile::read(const QString& path, qint64 largest, QByteArray* bytes,
                                       QString* reason) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return Outcome::Missing;
    }
    if (!info.isFile()) {
        *reason = Text::tr("ce n'est pas un fichier ordinaire");
        return Outcome::NotRegular;
    }
    const auto tooLarge = [&] {
        *reason = Text::tr("il dépasse %1 Kio").arg(largest / 1024);
        return Outcome::TooLarge;
    };
    if (info.size() > largest) {
        return tooLarge();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return Outcome::Unreadable;
    }
    const Outcome outcome = readWhole(file, largest, bytes, reason);
    return outcome == Outcome::TooLarge ? tooLarge() : outcome;
}
