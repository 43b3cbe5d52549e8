#pragma once

#include <QByteArray>

// Files being written under a temporary name, removed when SIGINT or SIGTERM
// stops the program, and the words it says then on standard error. Safe to
// use from the signal handler: fixed buffers, no allocation there.
class PendingFiles {
  public:
    // Installs the handlers (for the command line): they remove the pending
    // files, write the text and exit with 128 + the signal's number.
    static void removeOnSignals();

    static void add(const QByteArray& path);
    // The file was removed, or renamed into place (`renamed`).
    static void forget(const QByteArray& path, bool renamed = false);

    // One line; by default "Impression interrompue : aucun fichier n'est écrit."
    // `onceRenamed`: the line said instead once a pending file was renamed
    // into place after this call (the file written, the program stopped then).
    static void setInterruptedText(const QByteArray& text,
                                   const QByteArray& onceRenamed = QByteArray());
};
