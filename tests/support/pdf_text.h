#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

// The words of a PDF with their boxes, as poppler's pdftotext reads them
// (millimetres from the page's top-left corner).
struct PdfWord {
    int page;
    double left, top, right, bottom;
    QString text;
};

inline bool pdftotextAvailable() {
    QProcess probe;
    probe.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
    return probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit;
}

inline std::vector<PdfWord> pdfWords(const QString& pdf, int* pages = nullptr) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    constexpr double kMillimetresPerPoint = 25.4 / 72.0;
    std::vector<PdfWord> words;
    int page = -1;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("<page "))) {
            ++page;
            continue;
        }
        const QRegularExpressionMatch match = word.match(line);
        if (match.hasMatch()) {
            words.push_back({page, match.captured(1).toDouble() * kMillimetresPerPoint,
                             match.captured(2).toDouble() * kMillimetresPerPoint,
                             match.captured(3).toDouble() * kMillimetresPerPoint,
                             match.captured(4).toDouble() * kMillimetresPerPoint,
                             match.captured(5)});
        }
    }
    if (pages != nullptr) {
        *pages = page + 1;
    }
    return words;
}
