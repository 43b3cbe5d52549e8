#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

// A FILE* whose output ends up in memory.
class MemoryStream {
  public:
    MemoryStream() : file_(open_memstream(&buffer_, &size_)) {}
    ~MemoryStream() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        std::free(buffer_);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* file() { return file_; }
    QByteArray bytes() {
        std::fflush(file_);
        return QByteArray(buffer_, static_cast<qsizetype>(size_));
    }
    QStringList lines() {
        QStringList result = QString::fromUtf8(bytes()).split(QLatin1Char('\n'));
        if (!result.isEmpty() && result.last().isEmpty()) {
            result.removeLast();
        }
        return result;
    }

  private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};
