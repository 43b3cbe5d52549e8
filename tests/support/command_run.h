#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"

// What a command gave: its exit code and its two streams, captured in memory.
struct Outcome {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

inline Outcome run(const QStringList& arguments) {
    char* outText = nullptr;
    char* errText = nullptr;
    size_t outSize = 0;
    size_t errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    Outcome result;
    result.code = CommandLine(out, err).run(arguments);
    std::fclose(out);
    std::fclose(err);
    result.out = QByteArray(outText, static_cast<qsizetype>(outSize));
    result.err = QByteArray(errText, static_cast<qsizetype>(errSize));
    std::free(outText);
    std::free(errText);
    return result;
}
