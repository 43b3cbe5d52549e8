#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "app/command_option.h"

// The usage text, written from the commands' declarations: a command or an
// option at its indent, its help from the help column on; options without
// help of their own listed in runs, several to a line. Its texts are English
// in the code and translated in a context of their own, "Usage": a help is one
// text with "\n" between its lines, and a translation keeps to the width the
// English takes.
class UsageText {
    Q_DECLARE_TR_FUNCTIONS(Usage)

  public:
    static constexpr int kCommandIndent = 2;
    static constexpr int kOptionIndent = 6;
    static constexpr int kHelpColumn = 23;

    // A command's synopsis, its help beside it when the synopsis leaves room,
    // else `gap` blanks after it, or below it when `gap` is 0.
    void addCommand(const QString& synopsis, const QString& help, int gap = 0);
    // An option with help of its own; a name wider than the column keeps `gap` blanks.
    void addOption(const CommandOption& option);
    void addOption(const QString& head, const QString& help, int gap = 3);
    // Options listed one after the other, lines wrapped before the run's width.
    void addRun(const QStringList& heads);
    // Lines as they are.
    void addLines(const QStringList& lines);

    const QString& text() const { return text_; }

  private:
    static constexpr int kRunWidth = 85;
    static constexpr int kRunGap = 3;

    void addEntry(QString line, const QString& help, int gap);

    QString text_;
};
