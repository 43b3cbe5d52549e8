#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>

#include "app/command_line.h"
#include "support/test_files.h"

namespace {

// Runs a command with its two streams captured in memory.
struct Outcome {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Outcome run(const QStringList& arguments) {
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

TEST(CommandLine, ListWritesRowsAndMessages) {
    QTemporaryDir dir;
    const QString path = writeFile(
        dir, QStringLiteral("log.adi"),
        "<EOH>\n<CALL:5>F9XQA<BAND:3>20M<EOR>\n" +
            QByteArray("<CALL:5>F9XQB<QSO_DATE:8>20090131<TIME_ON:4>0751<FREQ:5>7.050<EOR>\n"));
    const Outcome result = run({QStringLiteral("list"), path});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out,
              "F9XQA         01/01/200000:00  14 Mhz    XXX      XX                    \n"
              "F9XQB         31/01/09  07:51  7.0 Mhz   XXX      XX                    \n");
    EXPECT_EQ(QString::fromUtf8(result.err),
              QStringLiteral(
                  "Date absente, remplacée par 01/01/2000\nHeure absente, remplacée par 00:00\n"));
}

TEST(CommandLine, ReportsBadArgumentsAndUnreadableFiles) {
    EXPECT_EQ(run({QStringLiteral("--version")}).out, "1.0.8\n");
    EXPECT_TRUE(run({QStringLiteral("--help")}).out.contains("list LOG.adi"));
    EXPECT_EQ(run({QStringLiteral("list")}).code, CommandLine::kUsage);
    EXPECT_EQ(run({QStringLiteral("frobnicate")}).code, CommandLine::kUsage);
    const Outcome missing = run({QStringLiteral("list"), QStringLiteral("/nonexistent/log.adi")});
    EXPECT_EQ(missing.code, CommandLine::kUnreadable);
    EXPECT_TRUE(missing.err.contains("/nonexistent/log.adi"));
    EXPECT_EQ(missing.err.count('\n'), 1);
    EXPECT_TRUE(CommandLine::isCommand({QStringLiteral("list")}));
    EXPECT_FALSE(CommandLine::isCommand({}));
}

}  // namespace
