#include "app/usage_text.h"

namespace {

QString blanks(qsizetype count) {
    return QString(std::max<qsizetype>(count, 0), QLatin1Char(' '));
}

}  // namespace

void UsageText::addEntry(QString line, const QString& text, int gap) {
    const QStringList help = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    // The help starts at its column when the head leaves two blanks before it.
    const bool beside = !help.isEmpty() && line.size() + 2 <= kHelpColumn;
    qsizetype next = 0;
    if (beside) {
        line += blanks(kHelpColumn - line.size()) + help.value(0);
        next = 1;
    } else if (gap > 0 && !help.isEmpty()) {
        line += blanks(gap) + help.first();
        next = 1;
    }
    text_ += line + QLatin1Char('\n');
    for (qsizetype i = next; i < help.size(); ++i) {
        text_ += blanks(kHelpColumn) + help[i] + QLatin1Char('\n');
    }
}

void UsageText::addCommand(const QString& synopsis, const QString& help, int gap) {
    addEntry(blanks(kCommandIndent) + synopsis, help, gap);
}

void UsageText::addOption(const CommandOption& option) {
    addOption(option.head(), option.help, option.gap);
}

void UsageText::addOption(const QString& head, const QString& help, int gap) {
    addEntry(blanks(kOptionIndent) + head, help, gap);
}

void UsageText::addRun(const QStringList& heads) {
    QString line;
    int onLine = 0;
    for (const QString& head : heads) {
        if (onLine > 0 && line.size() + kRunGap + head.size() >= kRunWidth) {
            text_ += line + QLatin1Char('\n');
            onLine = 0;
        }
        if (onLine == 0) {
            line = blanks(kOptionIndent) + head;
        } else {
            // The second option of a line starts at the help column when it can.
            const qsizetype at = line.size() + kRunGap;
            line +=
                blanks((onLine == 1 ? std::max<qsizetype>(at, kHelpColumn) : at) - line.size()) +
                head;
        }
        ++onLine;
    }
    if (onLine > 0) {
        text_ += line + QLatin1Char('\n');
    }
}

void UsageText::addLines(const QStringList& lines) {
    for (const QString& line : lines) {
        text_ += line + QLatin1Char('\n');
    }
}
