#include "app/command_line.h"

#include "startup/adif_reader.h"

namespace {

// Writes rows and messages out as the reader finds them.
class StreamSink : public AdifSink {
  public:
    StreamSink(std::FILE* rows, std::FILE* messages) : rows_(rows), messages_(messages) {}

    void row(QByteArray text) override {
        text.append('\n');
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), rows_);
    }
    void message(const QString& text) override {
        const QByteArray line = text.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), messages_);
    }

  private:
    std::FILE* rows_;
    std::FILE* messages_;
};

const QString kVersion = QStringLiteral("1.0.8");

}  // namespace

bool CommandLine::isCommand(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return false;
    }
    const QString& first = arguments.first();
    return first == u"list" || first == u"labels" || first == u"cards" || first == u"--help" ||
           first == u"-h" || first == u"--version";
}

QString CommandLine::usage() {
    return QStringLiteral(
        "Usage: quenor-etiquettes [COMMAND ...]\n"
        "Without a command the program opens its windows.\n"
        "\n"
        "  list LOG.adi         write every QSO list row of the log, one per line\n"
        "  --help               show this text\n"
        "  --version            show the version\n"
        "\n"
        "Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, 3 printing failed.\n");
}

void CommandLine::writeLine(std::FILE* stream, const QByteArray& line) {
    const QByteArray text = line + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
}

int CommandLine::fail(int code, const QString& text) {
    writeLine(err_, text.toUtf8());
    return code;
}

int CommandLine::run(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first() == u"--help" || arguments.first() == u"-h") {
        std::fputs(usage().toUtf8().constData(), out_);
        return kOk;
    }
    const QString command = arguments.first();
    if (command == u"--version") {
        writeLine(out_, kVersion.toUtf8());
        return kOk;
    }
    if (command == u"list") {
        return list(arguments.mid(1));
    }
    return fail(kUsage, QStringLiteral("Commande inconnue : %1 (voir --help)").arg(command));
}

int CommandLine::list(const QStringList& arguments) {
    if (arguments.size() != 1) {
        return fail(kUsage, QStringLiteral("Usage: quenor-etiquettes list LOG.adi"));
    }
    StreamSink sink(out_, err_);
    QString error;
    if (!AdifReader::readFile(arguments.first(), sink, &error)) {
        return fail(kUnreadable, error);
    }
    std::fflush(out_);
    return kOk;
}
