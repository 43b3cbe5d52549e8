#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <vector>

// One option of a command, declared once: its name, the value it takes, its
// help in the usage, and when it is taken from the arguments.
struct CommandOption {
    enum class Stage {
        Round,  // taken first, wherever it stands (the QSL round's options)
        Flag,   // then the flags of the command
        Value,  // then "--name value" pairs, in order
    };

    QString name;   // without "--"
    QString value;  // the value's name in the usage; empty for a flag
    QString help;   // the usage's lines, "\n" between; empty for an option listed in a run
    Stage stage = Stage::Value;
    bool nonEmpty = false;  // an empty value is refused
    int gap = 3;            // blanks after a name wider than the help's column

    bool isFlag() const { return value.isEmpty(); }
    // "--name value", as the usage shows it.
    QString head() const;
};

using CommandOptions = std::vector<CommandOption>;

// What the arguments of one command gave.
struct GivenOptions {
    std::map<QString, QString> values;
    std::set<QString> flags;

    bool has(const QString& name) const { return values.count(name) + flags.count(name) > 0; }
    QString value(const QString& name) const {
        const auto found = values.find(name);
        return found == values.end() ? QString() : found->second;
    }
    bool empty() const { return values.empty() && flags.empty(); }
};

// The arguments of one command taken apart by its declared options: the
// round's options first, then the flags, then the pairs; the arguments that
// are no option stay, in order. An option given twice with two values is
// refused; a flag or a value given twice is taken once.
class ArgumentParser {
  public:
    explicit ArgumentParser(const CommandOptions& options) : options_(options) {}

    // Takes the options of `stage` out of `arguments`; a French problem, or empty.
    QString take(CommandOption::Stage stage, QStringList& arguments, GivenOptions& given) const;
    // Every stage; what is left are the positional arguments.
    QString takeAll(QStringList& arguments, GivenOptions& round, GivenOptions& given) const;

  private:
    const CommandOption* find(const QString& argument, CommandOption::Stage stage) const;
    QString takeRound(QStringList& arguments, GivenOptions& given) const;
    QString takeValues(QStringList& arguments, GivenOptions& given) const;

    const CommandOptions& options_;
};
