#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "labels/label_sheet.h"

struct LabelOptions;

// Every label sheet the program prints on: the five tuned sheets, the common
// sheets by their published names, and the operator's own sheets, kept in
// one file of the settings folder. The built-in sheets' geometry ships in the
// same text form as the operator's file (the resource built_in_sheets.txt).
class SheetTable {
  public:
    // The largest file of the operator's sheets read: about 15,000 sheets.
    static constexpr qint64 kLargestFile = 1024 * 1024;

    // The tuned sheets (by number) then the presets.
    static const std::vector<LabelSheet>& builtIn();
    // The tuned sheet stored as `number` (1, 2, 3, 4 or 6); null for any other.
    static const LabelSheet* tuned(int number);

    SheetTable() = default;
    // The built-in sheets and the operator's sheets of `path`. A file that
    // cannot be read (not a regular file, over kLargestFile, a read error)
    // leaves only the built-in ones; sheets of the file that break the rules
    // are left out. Either gives one French `problem`.
    // The table keeps that problem too (problem()), and why each refused
    // sheet was refused (refusal()).
    static SheetTable load(const QString& path, QString* problem = nullptr);
    // The file of the operator's sheets beside a settings file.
    static QString ownSheetsPath(const QString& settingsFile);

    // Why the file was not read whole; empty when it was (or is missing).
    const QString& problem() const { return problem_; }
    // Why the file's sheet of that name (whatever its case) was left out; empty when it was not.
    QString refusal(const QString& name) const;
    // "planche inconnue NAME", with the reason a sheet of that name was refused.
    QString unknown(const QString& name) const;

    // Built-in sheets first, then the operator's, in the order they were added.
    std::vector<LabelSheet> all() const;
    const std::vector<LabelSheet>& own() const { return own_; }
    const LabelSheet* find(const QString& name) const;
    // The sheet the options print on: their named sheet, or their tuned sheet.
    const LabelSheet* sheetFor(const LabelOptions& options) const;

    // Adds or replaces (`previousName`) one of the operator's sheets; a French
    // message naming the field when the sheet is refused. Names are unique
    // whatever their case; control characters in a name become spaces.
    QString put(const LabelSheet& sheet, const QString& previousName = QString());
    void remove(const QString& name);
    // Applies what changed here since the load (sheets added, changed,
    // removed) to the file as it is now, so that another writer's sheets
    // stay; every other line (a comment, a refused sheet) is kept as it is.
    // The older file is kept as PATH.bak; the file is written through a
    // temporary file. The table then holds the file as written. A French
    // message on failure, the table and the file unchanged.
    QString save(const QString& path);
    static QString backupPath(const QString& path);

  private:
    static SheetTable read(const QString& path);
    static SheetTable fromBytes(const QString& path, const QByteArray& bytes);
    // The file's bytes with this table's changes applied.
    QByteArray changed(const QByteArray& onDisk) const;
    // Adds the sheets of the file's lines; the number left out and the first reason.
    int putLines(const QByteArray& text, QString* firstProblem);
    // The operator's sheet of that name whatever its case; null for none.
    const LabelSheet* ownIgnoringCase(const QString& name) const;
    static const LabelSheet* builtInIgnoringCase(const QString& name);
    void reindex();

    std::vector<LabelSheet> own_;
    QHash<QString, size_t> ownByFoldedName_;
    QString path_;
    QString problem_;
    QHash<QString, QString> refusedByFoldedName_;
    QHash<QString, QString> readLines_;  // folded name -> the sheet's line as read or written
};
