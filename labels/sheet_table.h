#pragma once

#include <QString>
#include <vector>

#include "labels/label_sheet.h"

struct LabelOptions;

// Every label sheet the program prints on: the five tuned sheets, the common
// sheets by their published names, and the operator's own sheets, kept in
// one file of the settings folder.
class SheetTable {
  public:
    // The tuned sheets (by number) then the presets.
    static const std::vector<LabelSheet>& builtIn();
    // The tuned sheet stored as `number` (1, 2, 3, 4 or 6); null for any other.
    static const LabelSheet* tuned(int number);

    SheetTable() = default;
    // The built-in sheets and the operator's sheets of `path`; a file that
    // cannot be read leaves only the built-in ones and a French `problem`.
    static SheetTable load(const QString& path, QString* problem = nullptr);
    // The file of the operator's sheets beside a settings file.
    static QString ownSheetsPath(const QString& settingsFile);

    // Built-in sheets first, then the operator's, in the order they were added.
    std::vector<LabelSheet> all() const;
    const std::vector<LabelSheet>& own() const { return own_; }
    const LabelSheet* find(const QString& name) const;
    // The sheet the options print on: their named sheet, or their tuned sheet.
    const LabelSheet* sheetFor(const LabelOptions& options) const;

    // Adds or replaces (`previousName`) one of the operator's sheets; a French
    // message naming the field when the sheet is refused.
    QString put(const LabelSheet& sheet, const QString& previousName = QString());
    void remove(const QString& name);
    // Writes the operator's sheets through a temporary file; a French message on failure.
    QString save(const QString& path) const;

  private:
    std::vector<LabelSheet> own_;
};
