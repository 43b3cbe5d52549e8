#include "files/run_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "files/native_file_name.h"
#include "files/replaced_file.h"
#include "settings/program_language.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunFiles)
};

QStringList& givenCatalogueFolders() {
    static QStringList folders;
    return folders;
}

QString unwritable(const QString& output, int cause) {
    return Text::tr("Impossible d'écrire le fichier %1 : %2 ; rien n'est écrit.")
        .arg(NativeFileName::display(output), QString::fromLocal8Bit(std::strerror(cause)));
}

}  // namespace

QString RunFiles::sheetsFile(const QString& settingsFile) {
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/planches.txt");
}

QString RunFiles::addressBook(const QString& settingsFile) {
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("adresses.csv"));
}

QString RunFiles::noBureauFile(const QString& settingsFile) {
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("sans_bureau.txt"));
}

QString RunFiles::translationsFolder(const QString& settingsFile) {
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("translations"));
}

QStringList RunFiles::countryFiles(const QString& settingsFolder) {
    return {QDir(settingsFolder).filePath(QStringLiteral("cty.dat")),
            QStringLiteral("/usr/share/hamradio-files/cty.dat")};
}

QStringList RunFiles::settingsFolderFiles(const QString& settingsFile) {
    // The book and the sheets keep their older selves as NAME.bak.
    const QString backup = QStringLiteral(".bak");
    return QStringList{settingsFile,
                       sheetsFile(settingsFile),
                       sheetsFile(settingsFile) + backup,
                       addressBook(settingsFile),
                       addressBook(settingsFile) + backup,
                       noBureauFile(settingsFile),
                       countryFiles(QFileInfo(settingsFile).absolutePath()).first()} +
           catalogues(translationsFolder(settingsFile));
}

QStringList RunFiles::catalogues(const QString& folder) {
    const QDir dir(folder);
    QStringList files;
    for (const QString& code : ProgramLanguage::codes()) {
        files.append(dir.filePath(QStringLiteral("quenor_%1.qm").arg(code)));
    }
    const QStringList present =
        dir.entryList({QStringLiteral("*.qm")}, QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& name : present) {
        if (!files.contains(dir.filePath(name))) {
            files.append(dir.filePath(name));
        }
    }
    return files;
}

void RunFiles::setCatalogueFolders(const QStringList& folders) {
    givenCatalogueFolders() = folders;
}

RunFiles::RunFiles(const QString& settingsFile)
    : files_(settingsFolderFiles(settingsFile) +
             countryFiles(QFileInfo(settingsFile).absolutePath())) {
    for (const QString& folder : givenCatalogueFolders()) {
        files_ += catalogues(folder);
    }
}

void RunFiles::addRead(const QString& path) {
    if (!path.isEmpty()) {
        files_.append(path);
    }
}

bool RunFiles::sameFile(const QString& a, const QString& b) {
    const QByteArray first = NativeFileName::encode(a);
    const QByteArray second = NativeFileName::encode(b);
    struct stat one {};
    struct stat other {};
    if (::stat(first.constData(), &one) == 0 && ::stat(second.constData(), &other) == 0 &&
        one.st_dev == other.st_dev && one.st_ino == other.st_ino) {
        return true;
    }
    return ReplacedFile::resolvedPath(first) == ReplacedFile::resolvedPath(second);
}

QString RunFiles::sameAsOneOf(const QString& output, const QStringList& files) {
    for (const QString& file : files) {
        if (!file.isEmpty() && sameFile(output, file)) {
            return file;
        }
    }
    return {};
}

bool RunFiles::isSpecial(const QString& path) {
    struct stat state {};
    return ::stat(NativeFileName::encode(path).constData(), &state) == 0 && !S_ISREG(state.st_mode);
}

int RunFiles::writeRefusal(const QString& output) {
    const QByteArray target = ReplacedFile::resolvedPath(NativeFileName::encode(output));
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray name = target.mid(slash + 1);
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : target.left(std::max<qsizetype>(slash, 1));
    struct stat state {};
    if (::stat(folder.constData(), &state) != 0) {
        return errno;
    }
    if (!S_ISDIR(state.st_mode)) {
        return ENOTDIR;
    }
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (name.size() > (longest > 0 ? longest : NAME_MAX) || target.size() >= PATH_MAX) {
        return ENAMETOOLONG;
    }
    // The new file is made in the folder; an existing one must be writable too.
    if (::access(folder.constData(), W_OK | X_OK) != 0) {
        return errno;
    }
    if (::access(target.constData(), W_OK) != 0 && errno != ENOENT) {
        return errno;
    }
    return name.isEmpty() ? EISDIR : 0;
}

QString RunFiles::pdfProblemAmong(const QString& output, const QStringList& files) {
    if (const QString same = sameAsOneOf(output, files); !same.isEmpty()) {
        return Text::tr("Le fichier de sortie %1 est le fichier lu %2 : rien n'est écrit.")
            .arg(NativeFileName::display(output), NativeFileName::display(same));
    }
    if (isSpecial(output)) {
        return Text::tr(
                   "Le fichier de sortie %1 n'est pas un fichier ordinaire : rien n'est écrit.")
            .arg(NativeFileName::display(output));
    }
    if (const int cause = writeRefusal(output); cause != 0) {
        return unwritable(output, cause);
    }
    return {};
}

QString RunFiles::copyProblemAmong(const QString& output, const QStringList& files) {
    if (const QString same = sameAsOneOf(output, files); !same.isEmpty()) {
        return Text::tr(
                   "%1 est le fichier %2 de cette impression : rien n'est écrit, "
                   "donnez un autre nom à la copie marquée.")
            .arg(NativeFileName::display(output), NativeFileName::display(same));
    }
    if (isSpecial(output)) {
        return Text::tr(
                   "%1 ne peut pas être remplacé (le journal lui-même "
                   "ou un fichier spécial) ; donnez un autre nom.")
            .arg(NativeFileName::display(output));
    }
    if (const int cause = writeRefusal(output); cause != 0) {
        return unwritable(output, cause);
    }
    return {};
}

QString RunFiles::pdfProblem(const QString& output) {
    const QString problem = pdfProblemAmong(output, files_);
    if (problem.isEmpty()) {
        files_.append(output);
    }
    return problem;
}

QString RunFiles::copyProblem(const QString& output, const QString& replaceable) {
    QStringList others = files_;
    if (!replaceable.isEmpty()) {
        others.removeIf([&](const QString& file) { return sameFile(file, replaceable); });
    }
    const QString problem = copyProblemAmong(output, others);
    if (problem.isEmpty()) {
        files_.append(output);
    }
    return problem;
}
