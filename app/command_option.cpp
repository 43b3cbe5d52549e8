#include "app/command_option.h"

#include <QCoreApplication>

namespace {

// The texts of this file, in the language chosen.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandOption)
};

// Keeps the value of `option`; an option given twice with two values is
// refused rather than one value silently taken over the other.
QString keep(const CommandOption& option, const QString& value, GivenOptions& given) {
    const auto [kept, added] = given.values.emplace(option.name, value);
    if (!added && kept->second != value) {
        return Text::tr("--%1 est donnée deux fois, avec « %2 » puis « %3 » : gardez-en une.")
            .arg(option.name, kept->second, value);
    }
    return {};
}

}  // namespace

QString CommandOption::head() const {
    return isFlag() ? QStringLiteral("--") + name : QStringLiteral("--%1 %2").arg(name, value);
}

const CommandOption* ArgumentParser::find(const QString& argument,
                                          CommandOption::Stage stage) const {
    if (!argument.startsWith(QStringLiteral("--"))) {
        return nullptr;
    }
    for (const CommandOption& option : options_) {
        if (option.stage == stage && argument.mid(2) == option.name) {
            return &option;
        }
    }
    return nullptr;
}

QString ArgumentParser::take(CommandOption::Stage stage, QStringList& arguments,
                             GivenOptions& given) const {
    switch (stage) {
        case CommandOption::Stage::Round:
            return takeRound(arguments, given);
        case CommandOption::Stage::Flag:
            arguments.removeIf([&](const QString& argument) {
                const CommandOption* flag = find(argument, stage);
                if (flag != nullptr) {
                    given.flags.insert(flag->name);
                }
                return flag != nullptr;
            });
            return {};
        case CommandOption::Stage::Value:
            break;
    }
    return takeValues(arguments, given);
}

QString ArgumentParser::takeAll(QStringList& arguments, GivenOptions& round,
                                GivenOptions& given) const {
    QString problem = take(CommandOption::Stage::Round, arguments, round);
    if (problem.isEmpty()) {
        problem = take(CommandOption::Stage::Flag, arguments, given);
    }
    if (problem.isEmpty()) {
        problem = take(CommandOption::Stage::Value, arguments, given);
    }
    return problem;
}

// The round's options may stand anywhere; their values are never empty.
QString ArgumentParser::takeRound(QStringList& arguments, GivenOptions& given) const {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const CommandOption* option = find(arguments[i], CommandOption::Stage::Round);
        if (option == nullptr) {
            rest.append(arguments[i]);
        } else if (option->isFlag()) {
            given.flags.insert(option->name);
        } else if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            return Text::tr("Valeur manquante après %1").arg(arguments[i]);
        } else if (const QString twice = keep(*option, arguments[++i], given); !twice.isEmpty()) {
            return twice;
        }
    }
    arguments = rest;
    return {};
}

// Every other "--" argument must be a declared "--name value" pair.
QString ArgumentParser::takeValues(QStringList& arguments, GivenOptions& given) const {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            rest.append(argument);
            continue;
        }
        const CommandOption* option = find(argument, CommandOption::Stage::Value);
        if (option == nullptr) {
            return Text::tr("Option inconnue : %1").arg(argument);
        }
        if (i + 1 >= arguments.size()) {
            return Text::tr("Valeur manquante après %1").arg(argument);
        }
        const QString& value = arguments[++i];
        if (value.isEmpty() && option->nonEmpty) {
            return Text::tr("Valeur vide après %1").arg(argument);
        }
        if (const QString twice = keep(*option, value, given); !twice.isEmpty()) {
            return twice;
        }
    }
    arguments = rest;
    return {};
}
