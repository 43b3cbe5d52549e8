#pragma once

#include <QByteArray>
#include <QString>

// A small file of the settings folder read whole (the operator's sheets, a
// country file): only a regular file, never a FIFO or a device that would
// block or never end, and only up to a size, so that a wrong file cannot
// take the program's memory.
class BoundedFile {
  public:
    enum class Outcome { Read, Missing, NotRegular, TooLarge, Unreadable };

    // The file's bytes, or why they were not read: a French reason in `reason`
    // for every outcome but Read and Missing.
    static Outcome read(const QString& path, qint64 largest, QByteArray* bytes, QString* reason);
};
