#include "labels/sheet_table.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "labels/label_options.h"
#include "labels/sheet_profile.h"

namespace {

// The published geometry of a sheet's labels, in millimetres.
void placeLabels(LabelSheet& sheet, double left, double top, double width, double height,
                 double across, double down) {
    sheet.left = left;
    sheet.top = top;
    sheet.width = width;
    sheet.height = height;
    sheet.across = across;
    sheet.down = down;
}

LabelSheet tunedSheet(int number, const char* caption, double left, double top, double width,
                      double height, double across, double down, int rows) {
    LabelSheet sheet;
    sheet.name = QString::number(number);
    sheet.caption = QString::fromUtf8(caption);
    sheet.number = number;
    sheet.columns = 2;
    sheet.rows = rows;
    placeLabels(sheet, left, top, width, height, across, down);
    sheet.profile = SheetProfile::tuned(number);
    return sheet;
}

LabelSheet preset(const char* name, const char* paper, int columns, int rows, double left,
                  double top, double width, double height, double across, double down) {
    LabelSheet sheet;
    sheet.name = QString::fromLatin1(name);
    sheet.paper = QString::fromLatin1(paper);
    sheet.caption =
        QStringLiteral("%1  %2 x %3  %4 étiquettes")
            .arg(sheet.name, LabelSheet::millimetres(width), LabelSheet::millimetres(height))
            .arg(columns * rows);
    sheet.columns = columns;
    sheet.rows = rows;
    placeLabels(sheet, left, top, width, height, across, down);
    return sheet;
}

std::vector<LabelSheet> makeBuiltIn() {
    return {
        tunedSheet(1, "AVERY L7162                 99.1 x 33.9     16 Etiquettes", 4.67, 13.02,
                   99.06, 33.87, 101.6, 33.87, 8),
        tunedSheet(2, "DECADRY OLW 4732       99.1 x 34     16 Etiquettes", 4.65, 12.5, 99.1, 34,
                   101.6, 34, 8),
        tunedSheet(3, "AVERY DP 167                  105 x 37      16 Etiquettes", 0, 0.5, 105, 37,
                   105, 37, 8),
        tunedSheet(4, "AVERY L7163                 99.1 x 38.1     14 Etiquettes", 4.67, 15.15,
                   99.06, 38.1, 101.6, 38.1, 7),
        tunedSheet(6, "DECADRY DLW 1799       105 x 35      16Etiquettes", 0, 8.5, 105, 35, 105, 35,
                   8),
        preset("L7160", "A4", 3, 7, 7.2, 15.15, 63.5, 38.1, 66.04, 38.1),
        preset("L7159", "A4", 3, 8, 6.46, 13.06, 64.0, 33.86, 66.54, 33.86),
        preset("3474", "A4", 3, 8, 0, 0, 70, 37, 70, 37),
        preset("3422", "A4", 3, 8, 0, 8.5, 70, 35, 70, 35),
        preset("5160", "Letter", 3, 10, 4.78, 12.7, 66.68, 25.4, 69.85, 25.4),
        preset("5163", "Letter", 2, 5, 3.96, 12.7, 101.6, 50.8, 106.36, 50.8),
    };
}

bool isNumber(const QString& name) {
    bool number = false;
    name.trimmed().toDouble(&number);
    return number;
}

}  // namespace

const std::vector<LabelSheet>& SheetTable::builtIn() {
    static const std::vector<LabelSheet> sheets = makeBuiltIn();
    return sheets;
}

const LabelSheet* SheetTable::tuned(int number) {
    for (const LabelSheet& sheet : builtIn()) {
        if (sheet.isTuned() && sheet.number == number) {
            return &sheet;
        }
    }
    return nullptr;
}

QString SheetTable::ownSheetsPath(const QString& settingsFile) {
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/planches.txt");
}

SheetTable SheetTable::load(const QString& path, QString* problem) {
    SheetTable table;
    QFile file(path);
    if (!file.exists()) {
        return table;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (problem != nullptr) {
            *problem = QStringLiteral("Le fichier des planches %1 ne peut pas être lu.").arg(path);
        }
        return table;
    }
    QTextStream in(&file);
    int skipped = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const std::optional<LabelSheet> sheet = LabelSheet::fromListLine(line);
        if (!sheet || !table.put(*sheet).isEmpty()) {
            ++skipped;
        }
    }
    if (skipped > 0 && problem != nullptr) {
        *problem =
            QStringLiteral("%1 planche(s) illisible(s) ignorée(s) dans %2.").arg(skipped).arg(path);
    }
    return table;
}

std::vector<LabelSheet> SheetTable::all() const {
    std::vector<LabelSheet> sheets = builtIn();
    sheets.insert(sheets.end(), own_.begin(), own_.end());
    return sheets;
}

const LabelSheet* SheetTable::find(const QString& name) const {
    for (const LabelSheet& sheet : builtIn()) {
        if (sheet.name == name) {
            return &sheet;
        }
    }
    for (const LabelSheet& sheet : own_) {
        if (sheet.name == name) {
            return &sheet;
        }
    }
    return nullptr;
}

const LabelSheet* SheetTable::sheetFor(const LabelOptions& options) const {
    return options.sheet.isEmpty() ? tuned(options.format) : find(options.sheet);
}

QString SheetTable::put(const LabelSheet& sheet, const QString& previousName) {
    const QString name = sheet.name.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('\t'))) {
        return QStringLiteral("Nom : donnez un nom à la planche.");
    }
    if (isNumber(name)) {
        return QStringLiteral("Nom : un nom de planche n'est pas un nombre.");
    }
    const LabelSheet* existing = find(name);
    if (existing != nullptr && existing->builtIn) {
        return QStringLiteral("Nom : %1 est une planche fournie ; copiez-la pour la modifier.")
            .arg(name);
    }
    if (existing != nullptr && name != previousName) {
        return QStringLiteral("Nom : une planche %1 existe déjà.").arg(name);
    }
    const QString unsound = sheet.problem();
    if (!unsound.isEmpty()) {
        return unsound;
    }
    LabelSheet kept = sheet;
    kept.name = name;
    kept.caption = name;
    kept.builtIn = false;
    kept.profile = nullptr;
    kept.number = 0;
    for (LabelSheet& own : own_) {
        if (own.name == previousName) {
            own = kept;
            return {};
        }
    }
    own_.push_back(kept);
    return {};
}

void SheetTable::remove(const QString& name) {
    for (auto it = own_.begin(); it != own_.end(); ++it) {
        if (it->name == name) {
            own_.erase(it);
            return;
        }
    }
}

QString SheetTable::save(const QString& path) const {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        QTextStream out(&file);
        for (const LabelSheet& sheet : own_) {
            out << sheet.listLine() << '\n';
        }
        out.flush();
        if (file.commit()) {
            return {};
        }
    }
    return QStringLiteral("Les planches n'ont pas pu être enregistrées dans %1.").arg(path);
}
