// The .qsl reader on arbitrary bytes: no crash; what it reads saves and reads
// back the same, unless save refuses a value too long for its zone.
#include <QByteArray>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "cards/card_layout.h"
#include "cards/qsl_template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QslTemplate model = QslTemplate::editorDefaults();
    QslTemplateFile::read(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), model);
    QString problem;
    CardLayout::from(model, &problem);

    QString error;
    const QStringList lines = QslTemplateFile::lines(model, &error);
    if (lines.isEmpty()) {
        return 0;
    }
    QByteArray saved;
    for (const QString& line : lines) {
        saved += line.toLatin1() + "\r\n";
    }
    QslTemplate again = QslTemplate::editorDefaults();
    if (QslTemplateFile::read(saved, again) != QslTemplateFile::kLineCount) {
        std::abort();
    }
    return 0;
}
