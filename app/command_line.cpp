#include "app/command_line.h"

#include <sys/stat.h>
#include <QCoreApplication>

#include <memory>

#include "app/addresses_command.h"
#include "app/cards_command.h"
#include "app/labels_command.h"
#include "app/list_command.h"
#include "app/received_command.h"
#include "app/usage_text.h"
#include "files/native_file_name.h"

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

}  // namespace

namespace {

const QString kVersion = QStringLiteral("1.0.8");

std::unique_ptr<Command> commandNamed(const QString& name, std::FILE* out, std::FILE* err) {
    if (name == u"list") {
        return std::make_unique<ListCommand>(out, err);
    }
    if (name == u"labels") {
        return std::make_unique<LabelsCommand>(out, err);
    }
    if (name == u"cards") {
        return std::make_unique<CardsCommand>(out, err);
    }
    if (name == u"received") {
        return std::make_unique<ReceivedCommand>(out, err);
    }
    if (name == u"addresses") {
        return std::make_unique<AddressesCommand>(out, err);
    }
    return nullptr;
}

}  // namespace

bool CommandLine::isCommand(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return false;
    }
    const QString& first = arguments.first();
    if (commandNamed(first, nullptr, nullptr) != nullptr || first.startsWith(QLatin1Char('-'))) {
        return true;
    }
    // A log given alone (as a desktop launcher does) opens the windows; anything
    // else is a mistyped command.
    struct stat state {};
    return arguments.size() != 1 ||
           ::stat(NativeFileName::encode(first).constData(), &state) != 0 ||
           !S_ISREG(state.st_mode);
}

QString CommandLine::usage() {
    UsageText usage;
    usage.addLines({usageLine(QStringLiteral("[COMMAND ...]")),
                    UsageText::tr("Without a command the program opens its windows."),
                    {}});
    ListCommand::describe(usage);
    LabelsCommand::describe(usage);
    usage.addLines({QString(UsageText::kCommandIndent, QLatin1Char(' ')) +
                    UsageText::tr("labels and cards also take:")});
    for (const CommandOption& option : roundOptions(true)) {
        usage.addOption(option);
    }
    for (const QString& line : dumpHelp()) {
        usage.addOption(line, {});
    }
    LabelsCommand::describeOthers(usage);
    CardsCommand::describe(usage);
    ReceivedCommand::describe(usage);
    AddressesCommand::describe(usage);
    usage.addCommand(QStringLiteral("--help"), UsageText::tr("show this text"));
    usage.addCommand(QStringLiteral("--version"), UsageText::tr("show the version"));
    usage.addLines({{},
                    UsageText::tr("Exit codes: 0 done, 1 file unreadable, 2 wrong arguments, "
                                  "3 printing failed.")});
    return usage.text();
}

int CommandLine::show(const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), out_);
    return outputWritten() ? kOk : kPrintFailed;
}

int CommandLine::run(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first() == u"--help" || arguments.first() == u"-h") {
        return show(usage().toUtf8());
    }
    const QString& name = arguments.first();
    if (name == u"--version") {
        return show(kVersion.toUtf8() + '\n');
    }
    if (const std::unique_ptr<Command> command = commandNamed(name, out_, err_)) {
        return command->run(arguments.mid(1));
    }
    fail(kUsage, Text::tr("Commande inconnue : %1").arg(name));
    std::fputs(usage().toUtf8().constData(), err_);
    return kUsage;
}
