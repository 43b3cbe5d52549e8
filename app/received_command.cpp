#include "app/received_command.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include "app/usage_text.h"
#include "files/native_file_name.h"
#include "files/pending_files.h"
#include "log/confirmation_download.h"
#include "log/qso_log.h"
#include "log/sent_marker.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReceivedCommand)
};

}  // namespace

namespace {

// A bundle file is a few thousand lines at most.
constexpr qint64 kLargestBundle = 16 * 1024 * 1024;

bool isReceivingRoute(const QString& via) {
    return via == u"B" || via == u"D" || via == u"M";
}

}  // namespace

CommandOptions ReceivedCommand::options() {
    using Stage = CommandOption::Stage;
    return {
        {QStringLiteral("calls"), QStringLiteral("FILE|-"),
         UsageText::tr("the bundle, one card a line: CALL [YYYYMMDD|DD/MM/YY] [BAND]"),
         Stage::Value, true},
        {QStringLiteral("via"), QStringLiteral("B|D|M"),
         UsageText::tr("the route the cards came by (B when not given; M, which\n"
                       "ADIF only reads, is written B)"),
         Stage::Value, true},
        {QStringLiteral("out"), QStringLiteral("COPY.adi"),
         UsageText::tr("the copy of the log with the QSOs found marked QSL_RCVD Y,\n"
                       "QSLRDATE today, QSL_RCVD_VIA (both kept where a card came before)"),
         Stage::Value, true},
    };
}

QString ReceivedCommand::synopsis() {
    return QStringLiteral("received LOG.adi --calls FILE|- [--via B|D|M] --out COPY.adi");
}

void ReceivedCommand::describe(UsageText& usage) {
    usage.addCommand(synopsis(),
                     UsageText::tr("mark the cards of a bundle as received; the lines that\n"
                                   "match no QSO or several are listed and mark nothing"));
    for (const CommandOption& option : options()) {
        usage.addOption(option);
    }
}

int ReceivedCommand::run(const QStringList& arguments) {
    QStringList positional = arguments;
    GivenOptions given;
    const CommandOptions declared = options();
    const QString problem =
        ArgumentParser(declared).take(CommandOption::Stage::Value, positional, given);
    if (!problem.isEmpty()) {
        return fail(kUsage, problem);
    }
    if (positional.size() != 1 || positional.first().startsWith(QStringLiteral("--")) ||
        !given.has(QStringLiteral("calls")) || !given.has(QStringLiteral("out"))) {
        return fail(kUsage, usageLine(synopsis()));
    }
    const QString via =
        given.has(QStringLiteral("via")) ? given.value(QStringLiteral("via")) : QStringLiteral("B");
    if (!isReceivingRoute(via)) {
        return fail(kUsage, Text::tr("--via : B, D ou M"));
    }
    const QString& logName = positional.first();
    const QString copy = given.value(QStringLiteral("out"));
    const QString calls = given.value(QStringLiteral("calls"));
    RunFiles files = runFiles({logName, calls != u"-" ? calls : QString()});
    if (const QString refused = files.copyProblem(copy); !refused.isEmpty()) {
        return fail(kUsage, refused);
    }
    PendingFiles::setInterruptedText(Text::tr("Marquage interrompu : la copie %1 n'est pas écrite.")
                                         .arg(NativeFileName::display(copy))
                                         .toUtf8(),
                                     Text::tr("Marquage interrompu : la copie %1 est écrite.")
                                         .arg(NativeFileName::display(copy))
                                         .toUtf8());
    QString bundle;
    if (!readBundle(calls, &bundle)) {
        return kUnreadable;
    }
    QsoLog log;
    if (!readLog(reachable(logName), log, true)) {
        return kUnreadable;
    }
    if (log.kindOfFile() != ConfirmationDownload::Kind::Log) {
        return fail(kUnreadable, ConfirmationDownload::notTheLogMessage(
                                     log.kindOfFile(), NativeFileName::display(logName)));
    }
    if (log.count() == 0) {
        return fail(kUnreadable, Text::tr("Aucun QSO dans le fichier %1").arg(logName));
    }
    const std::vector<CardBundle::Line> lines =
        CardBundle(QslRound::recordsOf(log, {})).match(bundle);
    tellLines(lines);
    QString error;
    const SentMarker::Result result = SentMarker::writeCopy(
        reachable(logName), log.fingerprint(), copy, CardBundle::found(lines), via,
        QDateTime::currentDateTimeUtc().date(), &error, MarkedFields::received());
    if (result == SentMarker::Result::Written) {
        return kOk;
    }
    return fail(result == SentMarker::Result::LogUnreadable ? kUnreadable : kPrintFailed, error);
}

bool ReceivedCommand::readBundle(const QString& name, QString* text) {
    QFile file;
    bool opened = false;
    if (name == u"-") {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(reachable(name));
        opened = file.open(QIODevice::ReadOnly);
    }
    QByteArray bytes;
    // Reads block until data comes (standard input is a pipe or a terminal); empty at the end.
    while (opened && bytes.size() <= kLargestBundle) {
        const QByteArray piece = file.read(1 << 16);
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (!opened || file.error() != QFileDevice::NoError) {
        fail(kUnreadable,
             Text::tr("Impossible de lire le fichier %1 : %2").arg(name, file.errorString()));
        return false;
    }
    if (bytes.size() > kLargestBundle) {
        fail(kUnreadable, Text::tr("Le fichier %1 dépasse 16 Mio : ce n'est pas une liste "
                                   "d'indicatifs.")
                              .arg(name));
        return false;
    }
    *text = CardBundle::decode(bytes);
    return true;
}

namespace {

// A bundle line as echoed on a terminal: its control characters as blanks.
QString printable(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

}  // namespace

void ReceivedCommand::tellLines(const std::vector<CardBundle::Line>& lines) {
    int found = 0;
    int unmatched = 0;
    int several = 0;
    for (const CardBundle::Line& line : lines) {
        switch (line.outcome) {
            case CardBundle::Outcome::Found:
                ++found;
                break;
            case CardBundle::Outcome::Several:
                ++several;
                writeLine(err_, Text::tr("Ligne %1 : %2 QSO correspondent, aucun n'est "
                                         "marqué : %3")
                                    .arg(line.number)
                                    .arg(line.qsos.size())
                                    .arg(printable(line.text))
                                    .toUtf8());
                break;
            case CardBundle::Outcome::Unreadable:
                ++unmatched;
                writeLine(err_, Text::tr("Ligne %1 : « %2 » n'est ni une date (AAAAMMJJ, "
                                         "AAAA-MM-JJ, JJ/MM/AA) ni une bande (20M) : aucun QSO "
                                         "n'est cherché : %3")
                                    .arg(line.number)
                                    .arg(printable(line.unread), printable(line.text))
                                    .toUtf8());
                break;
            case CardBundle::Outcome::NotFound:
                ++unmatched;
                writeLine(err_, Text::tr("Ligne %1 : aucun QSO ne correspond : %2")
                                    .arg(line.number)
                                    .arg(printable(line.text))
                                    .toUtf8());
                break;
        }
    }
    writeLine(err_, Text::tr("%n lignes trouvées, %1 sans QSO, %2 à plusieurs QSO", nullptr, found)
                        .arg(unmatched)
                        .arg(several)
                        .toUtf8());
}
