#pragma once

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

// Runs the program in a child process of its own and reports its exit code
// and peak memory, with its output thrown away.
struct ChildRun {
    int exitCode = -1;
    long peakKilobytes = 0;
    bool crashed = false;
    int signalSent = 0;  // the signal sent by signalWhen, 0 when the run ended first
    bool hung = false;   // killed after ChildOptions::giveUpSeconds
};

struct ChildOptions {
    QString standardOutput = QStringLiteral("/dev/null");
    QString standardError = QStringLiteral("/dev/null");
    QStringList environment;  // NAME=VALUE added to the program's
    // Sends `signal` once `signalWhen` holds while the program runs.
    std::function<bool()> signalWhen;
    int signal = 0;
    int giveUpSeconds = 300;  // a program that hangs is killed, not waited on forever
    // Run as user nobody when the tests run as root: an ordinary user, for whom
    // access() says what the file's mode says.
    bool ordinaryUser = false;
};

constexpr uid_t kNobody = 65534;

inline ChildRun runChild(const QString& program, const QStringList& arguments,
                         const ChildOptions& options = {}) {
    QList<QByteArray> storage;
    storage.append(program.toLocal8Bit());
    for (const QString& argument : arguments) {
        storage.append(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& item : storage) {
        argv.push_back(item.data());
    }
    argv.push_back(nullptr);
    QList<QByteArray> variables;
    for (const QString& variable : options.environment) {
        variables.append(variable.toLocal8Bit());
    }
    const QByteArray out = options.standardOutput.toLocal8Bit();
    const QByteArray err = options.standardError.toLocal8Bit();
    ChildRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        for (QByteArray& variable : variables) {
            putenv(variable.data());
        }
        freopen(out.constData(), "w", stdout);
        freopen(err.constData(), "w", stderr);
        if (options.ordinaryUser && getuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(126);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    const auto start = std::chrono::steady_clock::now();
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (options.signalWhen && run.signalSent == 0 && options.signalWhen()) {
            kill(pid, options.signal);
            run.signalSent = options.signal;
        }
        if (std::chrono::steady_clock::now() - start >
            std::chrono::seconds(options.giveUpSeconds)) {
            kill(pid, SIGKILL);
            run.hung = true;
            wait4(pid, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(options.signalWhen ? 1 : 10));
    }
    run.peakKilobytes = usage.ru_maxrss;
    run.crashed = WIFSIGNALED(status) && !run.hung;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
