#pragma once

#include <QString>

class QIODevice;

#include "cards/qsl_template.h"

// The .qsl file of a layout: 24 lines, CR LF, Windows-1252. Lines 1 to 11
// hold the margins and the positions and sizes of the ten lines in zones of
// 14 columns, lines 12 to 21 the texts, lines 22 to 24 the join flags; the
// card's design (CardDesignFile) follows as "key = value" lines.
class QslTemplateFile {
  public:
    static constexpr int kLineCount = 24;
    static constexpr int kZoneWidth = 14;
    // No line of a template is longer; reading stops at a longer one.
    static constexpr int kLargestLine = 4096;
    // The "key = value" lines of the card's design that may follow line 24.
    static constexpr int kLargestDesignLines = 100;

    // Writes the layout; nothing is written (and an existing file is kept)
    // when a value does not fit its zone or the file cannot be written.
    // Returns a French message on failure, an empty text on success.
    static QString save(const QslTemplate& model, const QString& path);

    // Reads the file into `model`, field by field; the fields of missing lines
    // keep their values. A flag line other than 0 or 1 leaves its box as it is.
    // Returns false with a French message when the file cannot be read or is
    // not a regular file.
    static bool load(const QString& path, QslTemplate& model, QString* error,
                     int* linesRead = nullptr);

    // The first 24 lines of a file and its design lines at most, each of
    // kLargestLine bytes at most.
    static QByteArray readLines(QIODevice& device);

    // The same from the bytes of a file.
    static int read(const QByteArray& bytes, QslTemplate& model);

    // The lines as save writes them (24, then the design's), or an empty
    // list with `error` set.
    static QStringList lines(const QslTemplate& model, QString* error);
};
