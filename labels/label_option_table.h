#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "labels/label_options.h"
#include "settings/stored_setting.h"

// One per-station label option, described once for the settings store, the
// command line and the label options window.
struct LabelOptionField {
    const StoredSetting* setting;  // its key in the station's section, and its absent text
    const char* commandLine;       // the command line's option, without "--"
    const char* control;           // the objectName of the window's control (or group)
    // The option's stored text.
    QString (*stored)(const LabelOptions& options);
    // Sets the option from a stored text; a text that names no choice gives
    // the window's initial choice.
    void (*restore)(LabelOptions& options, const QString& stored);
    // Sets the option from a text typed in the window's box or given on the
    // command line; null for an option chosen among words.
    void (*setText)(LabelOptions& options, const QString& typed);
    // The command line's words and the stored texts they stand for.
    std::vector<std::pair<const char*, const char*>> words;
    const char*
        wrongWord;  // the message for a word that is not one of them (context LabelOptionTable)
    // A command-line flag without a value, which sets the stored text "True".
    bool flag = false;
    // Written only once it is on or has been stored: the settings files of
    // stations that never used it stay as they were.
    bool writtenOnceUsed = false;

    // Sets the option from a command-line value; false (options unchanged) for a wrong word.
    bool applyCommandLine(LabelOptions& options, const QString& value) const;
};

// The thirteen options in the order the print start writes them, then the
// options written once used.
const std::vector<LabelOptionField>& labelOptionTable();
