#include "files/pending_files.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace {

constexpr int kSlots = 4;
constexpr size_t kPathBytes = 4096;

char pendingPaths[kSlots][kPathBytes];
volatile std::sig_atomic_t pending[kSlots] = {};

const char kNothingWritten[] = "Impression interrompue : aucun fichier n'est écrit.\n";
char interruptedText[1024];
volatile std::sig_atomic_t interruptedSize = 0;

void removePendingAndExit(int signalNumber) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (pending[slot] != 0) {
            ::unlink(pendingPaths[slot]);
        }
    }
    const char* text = interruptedSize > 0 ? interruptedText : kNothingWritten;
    const size_t size =
        interruptedSize > 0 ? static_cast<size_t>(interruptedSize) : sizeof kNothingWritten - 1;
    const ssize_t ignored = ::write(STDERR_FILENO, text, size);
    static_cast<void>(ignored);
    ::_exit(128 + signalNumber);
}

}  // namespace

void PendingFiles::removeOnSignals() {
    struct sigaction action {};
    action.sa_handler = removePendingAndExit;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void PendingFiles::add(const QByteArray& path) {
    if (static_cast<size_t>(path.size()) >= kPathBytes) {
        return;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (pending[slot] == 0) {
            std::memcpy(pendingPaths[slot], path.constData(), static_cast<size_t>(path.size()) + 1);
            pending[slot] = 1;
            return;
        }
    }
}

void PendingFiles::forget(const QByteArray& path) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (pending[slot] != 0 && path == pendingPaths[slot]) {
            pending[slot] = 0;
        }
    }
}

void PendingFiles::setInterruptedText(const QByteArray& text) {
    interruptedSize = 0;
    const QByteArray line = text + '\n';
    if (static_cast<size_t>(line.size()) <= sizeof interruptedText) {
        std::memcpy(interruptedText, line.constData(), static_cast<size_t>(line.size()));
        interruptedSize = static_cast<std::sig_atomic_t>(line.size());
    }
}
