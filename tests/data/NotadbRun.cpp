#include "NotadbRun.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int kLongestRunMs = 120000;  // only a hung tool takes this long
}

NotadbRun notadb(const QStringList &args, const QByteArray &input, const QProcessEnvironment &env,
                 const std::function<void()> &inChild)
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.start(QStringLiteral(NOTADB_PATH), args);
    if (!p.waitForStarted())
        return {};
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(kLongestRunMs)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromUtf8(p.readAllStandardOutput()), QStringLiteral("(stopped: it did not end)")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

NotadbRun notadbOnTerminal(const QStringList &args, const QList<QPair<QString, QByteArray>> &promptsAndLines)
{
    QList<QByteArray> argv{QByteArrayLiteral(NOTADB_PATH)};
    for (const QString &a : args)
        argv << a.toLocal8Bit();
    std::vector<char *> pointers;
    for (QByteArray &a : argv)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);

    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0)
        return {};
    if (pid == 0) {
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }
    QByteArray shown;
    const QDeadlineTimer deadline(kLongestRunMs);
    // Reads what the terminal shows until `until` is in it, or the end.
    const auto readUntil = [&](const QByteArray &until) {
        while (until.isEmpty() || !shown.contains(until)) {
            pollfd p{terminal, POLLIN, 0};
            if (::poll(&p, 1, int(deadline.remainingTime())) <= 0)
                return false;
            char buffer[512];
            const ssize_t n = ::read(terminal, buffer, sizeof buffer);
            if (n <= 0)
                return until.isEmpty();  // the tool ended and closed the terminal
            shown.append(buffer, n);
        }
        return true;
    };
    for (const auto &[prompt, line] : promptsAndLines) {
        if (!readUntil(prompt.toUtf8()))
            break;
        ::write(terminal, line.constData(), size_t(line.size()));
    }
    if (!readUntil({}))
        ::kill(pid, SIGKILL);  // still waiting for something after its time
    ::close(terminal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(shown), QString()};
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentsOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
