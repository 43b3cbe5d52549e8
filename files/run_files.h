#pragma once

#include <QString>
#include <QStringList>

// The files one run reads or writes: every file the program keeps in the
// settings folder (read by this run or not), the log, a bundle, a template and
// its picture, the translation catalogues, and every output. An output
// replaces none of them, nor a file this user may not write: each command and
// window builds the list once and asks it before anything is printed. Names
// may carry bytes that are not UTF-8 (NativeFileName).
class RunFiles {
  public:
    static QString sheetsFile(const QString& settingsFile);
    static QString addressBook(const QString& settingsFile);
    static QString noBureauFile(const QString& settingsFile);
    // Where the operator's own catalogues (quenor_CODE.qm) are looked for.
    static QString translationsFolder(const QString& settingsFile);
    // The country file beside the settings first, then the system's.
    static QStringList countryFiles(const QString& settingsFolder);
    // Every file the program reads or keeps in the settings folder: the
    // settings, the sheets, the address book and its backup, the no-bureau
    // list, the country file and the catalogues of translations/.
    static QStringList settingsFolderFiles(const QString& settingsFile);
    // The catalogues a folder of translations holds or may hold: quenor_CODE.qm
    // for every language, and any other .qm there.
    static QStringList catalogues(const QString& folder);
    // The folders of catalogues given when the program started (--translations):
    // their catalogues are files of every run of this process.
    static void setCatalogueFolders(const QStringList& folders);

    explicit RunFiles(const QString& settingsFile);
    // A file the run reads: the log, a bundle, a template, a picture.
    void addRead(const QString& path);
    const QStringList& files() const { return files_; }

    // Why the PDF `output` must not be written; empty when it may. An output
    // that may be written counts as a file of the run from then on.
    QString pdfProblem(const QString& output);
    // The same for a marked copy; it may replace `replaceable` (the log
    // itself, once the operator said so) and no other file of the run.
    QString copyProblem(const QString& output, const QString& replaceable = QString());

    // The checks themselves, against a list of files.
    static QString pdfProblemAmong(const QString& output, const QStringList& files);
    static QString copyProblemAmong(const QString& output, const QStringList& files);

    // The same file (links followed), or the same path once resolved.
    static bool sameFile(const QString& a, const QString& b);
    // The first of `files` that is `output`; empty when none is.
    static QString sameAsOneOf(const QString& output, const QStringList& files);
    // It exists and is not a regular file (a folder, a device, a FIFO).
    static bool isSpecial(const QString& path);
    // Why this user could not write `output` where it is, as errno: its folder
    // missing or no folder, a name too long for it, the folder or an existing
    // file that may not be written (access(), as cp asks). 0 when it can.
    static int writeRefusal(const QString& output);

  private:
    QStringList files_;
};
