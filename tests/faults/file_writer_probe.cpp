// Saves one of the files the windows write, as they save it, for the fault
// tests that run it under the write-fault shim:
//   file_writer_probe book|sheets|template|settings TARGET
// Exits 0 when saved, 1 with the program's message on standard error.
#include <QGuiApplication>
#include <cstdio>

#include "cards/qsl_template_file.h"
#include "labels/label_sheet.h"
#include "labels/sheet_table.h"
#include "mail/address_book.h"
#include "settings/settings_store.h"

namespace {

QString saveBook(const QString& target) {
    AddressBook book;
    book.put({QStringLiteral("F1AAA"), {QStringLiteral("Jean Dupont"), QStringLiteral("Paris")}});
    book.put({QStringLiteral("DL1BBB"), {QStringLiteral("Jürgen Müller"), QStringLiteral("Köln")}});
    book.put({QStringLiteral("G3CCC"), {QStringLiteral("A; \"quoted\" line")}});
    QString error;
    return book.save(target, &error) ? QString() : error;
}

QString saveSheets(const QString& target) {
    SheetTable table = SheetTable::load(target + QStringLiteral(".none"));
    table.put(*LabelSheet::fromListLine(QStringLiteral("Mine\tA4\t2x2\t10 10 90 130 100 140")));
    table.put(*LabelSheet::fromListLine(QStringLiteral("Autre\tA4\t3x8\t7 15 70 37 70 37")));
    return table.save(target);
}

QString saveTemplate(const QString& target) {
    QslTemplate model = QslTemplate::editorDefaults();
    model.text[0] = QStringLiteral("Carte de F9XQA, modèle à l'essai");
    return QslTemplateFile::save(model, target);
}

QString saveSettings(const QString& target) {
    SettingsStore store(target);
    store.write(QStringLiteral("Setup "), QStringLiteral("Indicatif"), QStringLiteral("F9XQA"));
    store.write(QStringLiteral("F9XQASetup "), QStringLiteral("Commune"), QStringLiteral("Brest"));
    return store.problemToReport();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    const QString kind = QString::fromUtf8(argv[1]);
    const QString target = QString::fromUtf8(argv[2]);
    const QString error = kind == u"book"       ? saveBook(target)
                          : kind == u"sheets"   ? saveSheets(target)
                          : kind == u"template" ? saveTemplate(target)
                                                : saveSettings(target);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}
