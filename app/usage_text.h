#pragma once

#include <QString>
#include <QStringList>

#include "app/command_option.h"

// The usage text, written from the commands' declarations: a command or an
// option at its indent, its help from the help column on; options without
// help of their own listed in runs, several to a line.
class UsageText {
  public:
    static constexpr int kCommandIndent = 2;
    static constexpr int kOptionIndent = 6;
    static constexpr int kHelpColumn = 23;

    // A command's synopsis, its help beside it when the synopsis leaves room,
    // else `gap` blanks after it, or below it when `gap` is 0.
    void addCommand(const QString& synopsis, const QStringList& help, int gap = 0);
    // An option with help of its own; a name wider than the column keeps `gap` blanks.
    void addOption(const CommandOption& option);
    void addOption(const QString& head, const QStringList& help, int gap = 3);
    // Options listed one after the other, lines wrapped before the run's width.
    void addRun(const QStringList& heads);
    // Lines as they are.
    void addLines(const QStringList& lines);

    const QString& text() const { return text_; }

  private:
    static constexpr int kRunWidth = 85;
    static constexpr int kRunGap = 3;

    void addEntry(QString line, const QStringList& help, int gap);

    QString text_;
};
