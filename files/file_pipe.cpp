#include "files/file_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>

#include "files/replaced_file.h"

namespace {

constexpr int kPipeBytes = 1 << 20;

void closeOnce(int& descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
}

}  // namespace

FilePipe::FilePipe(ReplacedFile& file) : file_(file) {
    int data[2];
    int stop[2];
    if (!file_.isOpen() || ::pipe2(data, O_CLOEXEC) != 0) {
        return;
    }
    if (::pipe2(stop, O_CLOEXEC) != 0) {
        ::close(data[0]);
        ::close(data[1]);
        return;
    }
    read_ = data[0];
    write_ = data[1];
    stopRead_ = stop[0];
    stopWrite_ = stop[1];
    // Fewer, larger pieces; a system that refuses keeps its usual size.
    ::fcntl(write_, F_SETPIPE_SZ, kPipeBytes);
    thread_ = std::thread([this] { carry(); });
}

FilePipe::~FilePipe() {
    finish();
    closeOnce(read_);
    closeOnce(stopRead_);
}

QString FilePipe::path() const {
    return write_ < 0 ? QString() : QStringLiteral("/proc/self/fd/%1").arg(write_);
}

bool FilePipe::finish() {
    if (thread_.joinable()) {
        closeOnce(write_);
        // The writer may still hold the pipe (a document never ended): the
        // thread takes what is there and stops.
        const char stop = 's';
        while (::write(stopWrite_, &stop, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
        closeOnce(stopWrite_);
    }
    return ended_;
}

// Carries the pipe's bytes into the file until the writer closed it, or until
// asked to stop with nothing left to read. A failed write is the file's
// reason(); the rest is read and dropped so that the writer is never stopped.
void FilePipe::carry() {
    QByteArray piece(kPipeBytes, Qt::Uninitialized);
    pollfd watched[2] = {{read_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
    while (true) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if ((watched[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            const ssize_t size = ::read(read_, piece.data(), static_cast<size_t>(piece.size()));
            if (size < 0 && errno == EINTR) {
                continue;
            }
            if (size <= 0) {
                ended_ = size == 0;
                return;
            }
            file_.write(QByteArrayView(piece.constData(), size));
        } else if (watched[1].revents != 0) {
            return;
        }
    }
}
