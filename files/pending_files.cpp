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
char renamedText[1024];
volatile std::sig_atomic_t renamedSize = 0;
volatile std::sig_atomic_t renamedSince = 0;

void removePendingAndExit(int signalNumber) {
    bool renamed = renamedSince != 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (pending[slot] != 0) {
            // Gone already: renamed into place, its slot not yet given back.
            renamed = renamed || ::access(pendingPaths[slot], F_OK) != 0;
            ::unlink(pendingPaths[slot]);
        }
    }
    const bool sayRenamed = renamed && renamedSize > 0;
    const char* text = sayRenamed            ? renamedText
                       : interruptedSize > 0 ? interruptedText
                                             : kNothingWritten;
    const size_t size = sayRenamed            ? static_cast<size_t>(renamedSize)
                        : interruptedSize > 0 ? static_cast<size_t>(interruptedSize)
                                              : sizeof kNothingWritten - 1;
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

void PendingFiles::forget(const QByteArray& path, bool renamed) {
    if (renamed) {
        renamedSince = 1;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (pending[slot] != 0 && path == pendingPaths[slot]) {
            pending[slot] = 0;
        }
    }
}

namespace {

void keepLine(const QByteArray& text, char* buffer, size_t room, volatile std::sig_atomic_t& size) {
    size = 0;
    const QByteArray line = text + '\n';
    if (!text.isEmpty() && static_cast<size_t>(line.size()) <= room) {
        std::memcpy(buffer, line.constData(), static_cast<size_t>(line.size()));
        size = static_cast<std::sig_atomic_t>(line.size());
    }
}

}  // namespace

void PendingFiles::setInterruptedText(const QByteArray& text, const QByteArray& onceRenamed) {
    keepLine(text, interruptedText, sizeof interruptedText, interruptedSize);
    keepLine(onceRenamed, renamedText, sizeof renamedText, renamedSize);
    renamedSince = 0;
}
