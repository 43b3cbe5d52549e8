#include "labels/sheet_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "files/bounded_file.h"
#include "files/replaced_file.h"
#include "files/run_files.h"
#include "labels/label_options.h"
#include "labels/sheet_profile.h"
#include "log/printable_text.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SheetTable)
};

}  // namespace

namespace {

// The texts of the tuned sheets' choices in the label options window.
struct TunedCaption {
    int number;
    const char* caption;
};

const TunedCaption kTunedCaptions[] = {
    {1, "AVERY L7162                 99.1 x 33.9     16 Etiquettes"},
    {2, "DECADRY OLW 4732       99.1 x 34     16 Etiquettes"},
    {3, "AVERY DP 167                  105 x 37      16 Etiquettes"},
    {4, "AVERY L7163                 99.1 x 38.1     14 Etiquettes"},
    {6, "DECADRY DLW 1799       105 x 35      16Etiquettes"},
};

const QString kBuiltInSheets = QStringLiteral(":/labels/built_in_sheets.txt");

// Calls `take` with each line of a sheets file that is not blank, and its number.
template <typename Take>
void forEachLine(const QByteArray& text, Take take) {
    int number = 0;
    for (QByteArrayView rest(text); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        ++number;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const QString decoded = QString::fromUtf8(line);
        if (!decoded.trimmed().isEmpty()) {
            take(decoded, number);
        }
    }
}

// A built-in sheet as the resource describes it, with its profile and caption when tuned.
LabelSheet builtInSheet(LabelSheet sheet) {
    sheet.builtIn = true;
    sheet.caption = sheet.description();
    for (const TunedCaption& tuned : kTunedCaptions) {
        if (sheet.name == QString::number(tuned.number)) {
            sheet.number = tuned.number;
            sheet.caption = QString::fromUtf8(tuned.caption);
            sheet.profile = SheetProfile::tuned(tuned.number);
        }
    }
    return sheet;
}

std::vector<LabelSheet> readBuiltIn() {
    QFile file(kBuiltInSheets);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("The built-in sheets are missing from the program's resources");
    }
    std::vector<LabelSheet> sheets;
    forEachLine(file.readAll(), [&sheets](const QString& line, int) {
        const std::optional<LabelSheet> sheet = LabelSheet::fromListLine(line);
        if (!sheet || !sheet->problem().isEmpty()) {
            qFatal("A built-in sheet is unsound: %s", qPrintable(line));
        }
        sheets.push_back(builtInSheet(*sheet));
    });
    return sheets;
}

QString folded(const QString& name) {
    return name.toCaseFolded();
}

// Calls `take` with every line of a file, blank ones too, without its LF.
template <typename Take>
void forEachFileLine(const QByteArray& text, Take take) {
    for (QByteArrayView rest(text); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        take((end < 0 ? rest : rest.first(end)).toByteArray());
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
}

QString decodedLine(QByteArray line) {
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    return QString::fromUtf8(line);
}

// The folded name a line of the file gives its sheet, as put() takes it.
QString sheetName(const QByteArray& line) {
    QString name = decodedLine(line).section(QLatin1Char('\t'), 0, 0);
    PrintableText::blankControls(name);
    return folded(name.trimmed());
}

// A line the load takes as a sheet (a comment or a refused sheet is none).
bool isSheet(const QByteArray& line) {
    const std::optional<LabelSheet> sheet = LabelSheet::fromListLine(decodedLine(line));
    return sheet && sheet->problem().isEmpty();
}

}  // namespace

const std::vector<LabelSheet>& SheetTable::builtIn() {
    static const std::vector<LabelSheet> sheets = readBuiltIn();
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
    return RunFiles::sheetsFile(settingsFile);
}

SheetTable SheetTable::load(const QString& path, QString* problem) {
    SheetTable table = read(path);
    if (problem != nullptr) {
        *problem = table.problem_;
    }
    return table;
}

QString SheetTable::refusal(const QString& name) const {
    return refusedByFoldedName_.value(folded(name));
}

QString SheetTable::unknown(const QString& name) const {
    const QString why = refusal(name);
    return why.isEmpty() ? Text::tr("planche inconnue %1").arg(name)
                         : Text::tr("planche inconnue %1 : elle est refusée dans %2, %3")
                               .arg(name, path_, why);
}

SheetTable SheetTable::read(const QString& path) {
    SheetTable table;
    table.path_ = path;
    QByteArray bytes;
    QString reason;
    const BoundedFile::Outcome outcome = BoundedFile::read(path, kLargestFile, &bytes, &reason);
    if (outcome == BoundedFile::Outcome::Missing) {
        return table;
    }
    if (outcome != BoundedFile::Outcome::Read) {
        table.problem_ = Text::tr(
                             "Le fichier des planches %1 ne peut pas être lu (%2) : seules les "
                             "planches fournies sont proposées.")
                             .arg(path, reason);
        return table;
    }
    return fromBytes(path, bytes);
}

SheetTable SheetTable::fromBytes(const QString& path, const QByteArray& bytes) {
    SheetTable table;
    table.path_ = path;
    QString first;
    const int skipped = table.putLines(bytes, &first);
    if (skipped > 0) {
        table.problem_ =
            Text::tr("%n planches illisibles ignorées dans %1 ; la première, %2", nullptr, skipped)
                .arg(path, first);
    }
    for (const LabelSheet& sheet : table.own_) {
        table.readLines_.insert(folded(sheet.name), sheet.listLine());
    }
    return table;
}

int SheetTable::putLines(const QByteArray& text, QString* firstProblem) {
    int skipped = 0;
    forEachLine(text, [&](const QString& line, int number) {
        const std::optional<LabelSheet> sheet = LabelSheet::fromListLine(line);
        const QString problem =
            sheet ? put(*sheet)
                  : Text::tr(
                        "n'est pas de la forme NOM, tab, PAPIER, tab, COLONNESxRANGÉES, tab, "
                        "six mesures en mm.");
        if (problem.isEmpty()) {
            return;
        }
        const QString where = Text::tr("ligne %1, %2").arg(number).arg(problem);
        refusedByFoldedName_.insert(folded(line.section(QLatin1Char('\t'), 0, 0).trimmed()), where);
        if (++skipped == 1) {
            *firstProblem = where;
        }
    });
    return skipped;
}

std::vector<LabelSheet> SheetTable::all() const {
    std::vector<LabelSheet> sheets = builtIn();
    sheets.insert(sheets.end(), own_.begin(), own_.end());
    return sheets;
}

const LabelSheet* SheetTable::builtInIgnoringCase(const QString& name) {
    for (const LabelSheet& sheet : builtIn()) {
        if (sheet.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &sheet;
        }
    }
    return nullptr;
}

const LabelSheet* SheetTable::ownIgnoringCase(const QString& name) const {
    const auto found = ownByFoldedName_.constFind(folded(name));
    return found == ownByFoldedName_.constEnd() ? nullptr : &own_[*found];
}

const LabelSheet* SheetTable::find(const QString& name) const {
    const LabelSheet* sheet = builtInIgnoringCase(name);
    if (sheet == nullptr) {
        sheet = ownIgnoringCase(name);
    }
    return sheet != nullptr && sheet->name == name ? sheet : nullptr;
}

const LabelSheet* SheetTable::sheetFor(const LabelOptions& options) const {
    return options.sheet.isEmpty() ? tuned(options.format) : find(options.sheet);
}

QString SheetTable::put(const LabelSheet& sheet, const QString& previousName) {
    QString name = sheet.name;
    PrintableText::blankControls(name);
    name = name.trimmed();
    if (name.isEmpty()) {
        return Text::tr("Nom : donnez un nom à la planche.");
    }
    if (const LabelSheet* given = builtInIgnoringCase(name)) {
        return Text::tr("Nom : %1 est une planche fournie ; copiez-la pour la modifier.")
            .arg(given->name);
    }
    const LabelSheet* existing = ownIgnoringCase(name);
    if (existing != nullptr && existing->name != previousName) {
        return Text::tr("Nom : une planche %1 existe déjà.").arg(existing->name);
    }
    const QString unsound = sheet.problem();
    if (!unsound.isEmpty()) {
        return unsound;
    }
    LabelSheet kept = sheet;
    kept.name = name;
    kept.caption = kept.description();
    kept.builtIn = false;
    kept.profile = nullptr;
    kept.number = 0;
    const LabelSheet* previous = previousName.isEmpty() ? nullptr : ownIgnoringCase(previousName);
    if (previous != nullptr && previous->name == previousName) {
        const auto index = static_cast<size_t>(previous - own_.data());
        ownByFoldedName_.remove(folded(previousName));
        ownByFoldedName_.insert(folded(name), index);
        own_[index] = kept;
        return {};
    }
    ownByFoldedName_.insert(folded(name), own_.size());
    own_.push_back(kept);
    return {};
}

void SheetTable::remove(const QString& name) {
    for (auto it = own_.begin(); it != own_.end(); ++it) {
        if (it->name == name) {
            own_.erase(it);
            reindex();
            return;
        }
    }
}

void SheetTable::reindex() {
    ownByFoldedName_.clear();
    for (size_t index = 0; index < own_.size(); ++index) {
        ownByFoldedName_.insert(folded(own_[index].name), index);
    }
}

QString SheetTable::backupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

QByteArray SheetTable::changed(const QByteArray& onDisk) const {
    QHash<QString, QString>
        lines;  // folded name -> the line to write, for each sheet added or changed
    for (const LabelSheet& sheet : own_) {
        const QString line = sheet.listLine();
        if (readLines_.value(folded(sheet.name)) != line) {
            lines.insert(folded(sheet.name), line);
        }
    }
    QByteArray bytes;
    forEachFileLine(onDisk, [&](const QByteArray& line) {
        const QString name = sheetName(line);
        const bool removed = !name.isEmpty() && readLines_.contains(name) &&
                             ownIgnoringCase(name) == nullptr && isSheet(line);
        if (lines.contains(name)) {
            bytes += lines.take(name).toUtf8() + (line.endsWith('\r') ? "\r\n" : "\n");
        } else if (!removed) {
            bytes += line + '\n';
        }
    });
    // What is new to the file, in the table's order.
    for (const LabelSheet& sheet : own_) {
        if (lines.contains(folded(sheet.name))) {
            bytes += lines.take(folded(sheet.name)).toUtf8() + '\n';
        }
    }
    return bytes;
}

QString SheetTable::save(const QString& path) {
    QByteArray onDisk;
    QString reason;
    const BoundedFile::Outcome outcome = BoundedFile::read(path, kLargestFile, &onDisk, &reason);
    if (outcome != BoundedFile::Outcome::Read && outcome != BoundedFile::Outcome::Missing) {
        return Text::tr(
                   "Le fichier des planches %1 ne peut pas être relu (%2) : les planches ne "
                   "sont pas modifiées.")
            .arg(path, reason);
    }
    const QByteArray bytes = changed(onDisk);
    QString problem;
    if (outcome == BoundedFile::Outcome::Read) {
        problem = ReplacedFile::replace(backupPath(path), onDisk);
    }
    if (problem.isEmpty()) {
        problem = ReplacedFile::replace(path, bytes);
    }
    if (!problem.isEmpty()) {
        return Text::tr("%1 ; les planches ne sont pas modifiées.").arg(problem);
    }
    *this = fromBytes(path, bytes);
    return {};
}
