#include "log/confirmation_download.h"

#include <QCoreApplication>

#include "log/adif_text.h"

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
    static constexpr QByteArrayView kTag = "<PROGRAMID:";
    for (qsizetype at = header.indexOf('<'); at >= 0; at = header.indexOf('<', at + 1)) {
        if (header.size() - at < kTag.size() || !sameUpper(header.sliced(at, kTag.size()), kTag)) {
            continue;
        }
        const qsizetype close = header.indexOf('>', at);
        if (close < 0) {
            return {};
        }
        qsizetype length = 0;
        for (qsizetype i = at + kTag.size(); i < close && header[i] >= '0' && header[i] <= '9';
             ++i) {
            length = std::min<qsizetype>(length * 10 + (header[i] - '0'), header.size());
        }
        return header.sliced(close + 1)
            .first(std::min(length, header.size() - close - 1))
            .trimmed();
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
