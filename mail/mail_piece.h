#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// One address to print: the recipient's call (for messages) and the lines of
// the block, the call first.
struct MailPiece {
    QString call;
    QStringList lines;
};

// Told how many sheets or envelopes went out after each one; false stops the run.
using MailProgress = std::function<bool(int piecesDone)>;
