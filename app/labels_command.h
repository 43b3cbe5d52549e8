#pragma once

#include "app/command.h"

class LabelJob;
class SettingsStore;
class SheetTable;
class UsageText;
struct LabelOptions;
struct LabelSheet;

// "labels": the QSOs of a log on label sheets (--pdf, --printer or --dump),
// the sheets known (--list-sheets), or a sheet's calibration page
// (--calibration). Options not given take the station's stored value.
class LabelsCommand : public Command {
  public:
    using Command::Command;

    int run(const QStringList& arguments) override;

    // Every option of the command, the label option table's included.
    static CommandOptions options();
    static QString synopsis(const QString& optionsWord);
    static QString calibrationSynopsis();
    // The labels entry of the usage, with its options.
    static void describe(UsageText& usage);
    // The sheet list and the calibration page.
    static void describeOthers(UsageText& usage);

  private:
    // What the arguments gave, taken apart.
    struct Request {
        GivenOptions round;
        GivenOptions given;
        QStringList positional;
        bool calibration = false;
    };

    static QString takeApart(Request& request);
    int listSheets(const SheetTable& table, const Request& request);
    static QString usageProblem(const Request& request);
    // The options over the stored ones and the sheet; a French problem.
    static QString chooseOptions(const Request& request, const SheetTable& table,
                                 SettingsStore& store, LabelOptions& options,
                                 const LabelSheet** sheet);
    // --offset-x and --offset-y, checked, for the job.
    static QString setOffsets(const GivenOptions& given, LabelJob* job);
    // The files the marked copy may not replace: the log, the PDF, the sheets and the settings.
    int runJob(const Request& request, const QsoLog& log, LabelJob& job);
};
