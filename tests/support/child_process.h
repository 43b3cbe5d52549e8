#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdlib>

// Runs the program in a child process of its own and reports its exit code
// and peak memory, with its output thrown away.
struct ChildRun {
    int exitCode = -1;
    long peakKilobytes = 0;
    bool crashed = false;
};

inline ChildRun runChild(const QString& program, const QStringList& arguments) {
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
    ChildRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKilobytes = usage.ru_maxrss;
    run.crashed = WIFSIGNALED(status);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
