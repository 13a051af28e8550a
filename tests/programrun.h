// Running the real program, or a shell around it, from a test: its exit status, what
// it printed, and whether it was still up when the wait ran out (a window open).
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace programrun {

struct Run
{
    bool finished = false;   // false: still running after the wait, then killed
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Returns: the system environment with `changes` made: "NAME=value" sets, "NAME" removes.
inline QProcessEnvironment environmentWith(const QStringList &changes,
                                           QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
{
    for (const QString &change : changes) {
        const qsizetype equals = change.indexOf(QLatin1Char('='));
        if (equals < 0)
            environment.remove(change);
        else
            environment.insert(change.left(equals), change.mid(equals + 1));
    }
    return environment;
}

// Runs `program` with `arguments` and waits up to `waitMs`; `inChild` runs in the child
// just before the program starts (resource limits, signal dispositions).
inline Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
               int waitMs = 60000, const QString &workingDirectory = {}, std::function<void()> inChild = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(program, arguments);
    Run result;
    result.finished = process.waitForFinished(waitMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.status = process.exitStatus();
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// Runs `script` in /bin/sh with `zero` as $0 and `arguments` as $1 …; the shell lets a
// test hand over file names that are not UTF-8.
inline Run runShell(const QString &script, const QString &zero, const QStringList &arguments,
                    const QString &workingDirectory,
                    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    return run(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), script, zero} + arguments, environment,
               60000, workingDirectory);
}

// Returns: true when the started `process` is still up after `upMs`; it is then killed.
inline bool staysUp(QProcess &process, int upMs = 1500)
{
    if (!process.waitForStarted(10000))
        return false;
    const bool ended = process.waitForFinished(upMs);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    return !ended;
}

} // namespace programrun
