#include "log/confirmation_download.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include "log/adif_framing.h"
#include "log/adif_tag_scanner.h"

namespace ConfirmationDownload {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfirmationDownload)
};

bool sameUpper(QByteArrayView text, QByteArrayView upperCase) {
    if (text.size() != upperCase.size()) {
        return false;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (adif::upper(text[i]) != adif::upper(upperCase[i])) {
            return false;
        }
    }
    return true;
}

// The value of the header's PROGRAMID field, blanks around it left out.
QByteArrayView programIdOf(QByteArrayView header) {
    adif::AdifTagScanner scanner(header);
    for (adif::AdifTag tag; scanner.next(&tag);) {
        if (tag.closed() && adif::sameName(tag.name, "PROGRAMID")) {
            return scanner.value(tag).trimmed();
        }
    }
    return {};
}

bool isYes(QByteArrayView value) {
    return value.size() == 1 && (value[0] == 'Y' || value[0] == 'V');
}

}  // namespace

Kind kindOf(QByteArrayView header) {
    const QByteArrayView program = programIdOf(header);
    if (sameUpper(program, "LOTW")) {
        return Kind::LotwReport;
    }
    if (sameUpper(program, "EQSL.CC DOWNLOADINBOX")) {
        return Kind::EqslInbox;
    }
    return Kind::Log;
}

Kind kindOfFile(const QString& path) {
    constexpr qint64 kReadHeader = 1 << 16;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || adif::startsWithUtf16Mark(file.peek(2))) {
        return Kind::Log;
    }
    const qint64 start = adif::recordsStart(file);
    if (start <= 0 || !file.seek(0)) {
        return Kind::Log;
    }
    return kindOf(file.read(std::min(start, kReadHeader)));
}

QString notTheLogMessage(Kind kind, const QString& fileName) {
    const QString service =
        kind == Kind::EqslInbox ? QStringLiteral("eQSL") : QStringLiteral("LoTW");
    return Text::tr(
               "Le fichier %1 est un relevé de confirmations %2, pas votre journal : ses QSL "
               "reçues sont celles du service. Marquez les cartes reçues dans votre journal ; "
               "rien n'est écrit.")
        .arg(fileName, service);
}

QString messageFor(Kind kind) {
    switch (kind) {
        case Kind::LotwReport:
            return Text::tr(
                "Relevé de confirmations LoTW : ses QSL reçues sont des confirmations "
                "électroniques (lues comme reçues par E), non des cartes.");
        case Kind::EqslInbox:
            return Text::tr(
                "Boîte de réception eQSL : ses QSL envoyées par E sont celles que les stations "
                "vous ont envoyées (lues comme reçues par E), non les vôtres.");
        case Kind::Log:
            break;
    }
    return {};
}

void readAsMeant(Kind kind, QsoValues& values) {
    if (kind == Kind::LotwReport) {
        if (!values[QsoField::QslRcvd].isEmpty()) {
            values[QsoField::QslRcvdVia] = "E";
        }
    } else if (kind == Kind::EqslInbox) {
        if (isYes(values[QsoField::QslSent])) {
            values[QsoField::QslRcvd] = "Y";
            values[QsoField::QslRcvdVia] = "E";
        }
        values[QsoField::QslSent] = {};
        values[QsoField::QslSentVia] = {};
    }
}

}  // namespace ConfirmationDownload
