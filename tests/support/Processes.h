// SPDX-License-Identifier: MIT
// What the settings and lock tests share: files, programs run to their end
// (under strace when asked) with a hang guard, a private /run for the
// program's lock, and a second account. Linux only.
#pragma once

#include "Patience.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace dicemere::test {

inline QByteArray Slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool Spit(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline bool IsRoot() { return ::geteuid() == 0; }

// An account that is not the one the tests run as, with no entry in the
// user database (so no home of its own).
inline constexpr uid_t kOtherAccount = 54321;

struct Run {
    bool finished = false; // ended by itself (not killed, no hang)
    int exitCode = -1;
    QByteArray out;
};

// Runs a program to its end in a session of its own, so that everything it
// started can be ended; with strace options, under strace. The bound only
// catches a hang.
inline Run RunProgram(const QString& program, const QStringList& args,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                      const QStringList& strace = {}) {
    QProcess p;
    QProcessEnvironment environment = env;
    // LeakSanitizer cannot work under ptrace (sanitizer builds only).
    if (!strace.isEmpty())
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    p.setProcessEnvironment(environment);
    p.setChildProcessModifier([] { ::setsid(); });
    if (strace.isEmpty())
        p.start(program, args);
    else
        p.start(QStringLiteral("strace"), strace + QStringList{program} + args);
    Run run;
    if (!p.waitForStarted())
        return run;
    if (!p.waitForFinished(kHangGuardMs)) {
        ::kill(-static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished();
        return run;
    }
    run.finished = p.exitStatus() == QProcess::NormalExit;
    run.exitCode = p.exitCode();
    run.out = p.readAllStandardOutput();
    return run;
}

inline bool HaveStrace() {
    return RunProgram(QStringLiteral("strace"), {QStringLiteral("-V")}).exitCode == 0;
}

// Runs a shell script in a mount namespace of its own, where /run (and with
// privateTmp /tmp too) is a fresh, empty tmpfs holding only the runtime
// folder /run/user/<uid> of the given accounts: the program's lock there is
// seen by nothing outside, and nothing is left behind. "$1" is the first
// of args. Root only: elsewhere the test skips.
inline Run Isolated(const QString& script, const QStringList& args = {},
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                    bool privateTmp = false, const QList<uid_t>& runtimeFor = {0}) {
    QString setup = QStringLiteral("mount -t tmpfs -o mode=755 none /run || exit 99\n");
    if (privateTmp)
        setup += QStringLiteral("mount -t tmpfs -o mode=1777 none /tmp || exit 99\n");
    for (const uid_t uid : runtimeFor)
        setup +=
            QStringLiteral("mkdir -p -m 700 /run/user/%1 && chown %1:%1 /run/user/%1\n").arg(uid);
    // The programs run as other accounts too, which may not reach the build folder (a clone
    // in /root): each is copied into the fresh /run, where every account may run it.
    setup += QStringLiteral("i=0; for a do i=$((i + 1)); if [ -f \"$a\" ] && [ -x \"$a\" ]; then "
                            "mkdir -p /run/programs/$i && cp \"$a\" /run/programs/$i/ && "
                            "a=/run/programs/$i/${a##*/}; fi; set -- \"$@\" \"$a\"; shift; done\n");
    return RunProgram(QStringLiteral("unshare"),
                      QStringList{QStringLiteral("--mount"), QStringLiteral("--propagation"),
                                  QStringLiteral("private"), QStringLiteral("sh"),
                                  QStringLiteral("-c"), setup + script, QStringLiteral("sh")} +
                          args,
                      env);
}

// The words of a script that runs the rest of its line as the given account.
inline QString As(uid_t uid) {
    return QStringLiteral("setpriv --reuid=%1 --regid=%1 --clear-groups ").arg(uid);
}

// An environment with Qt offscreen and the program saying when it painted.
inline QProcessEnvironment ProgramEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DICEMERE_FIRST_PAINT_PROBE"), QStringLiteral("1"));
    return env;
}

} // namespace dicemere::test
