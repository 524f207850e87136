#include "PasswordInput.h"

#include <QByteArray>

#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace notadb {
namespace {
// The terminal's settings while echo is off, put back if a signal ends the
// program meanwhile (Ctrl+C at the prompt must not leave a silent terminal).
int g_terminal = -1;
termios g_saved{};

void restoreAndRaise(int signal)
{
    if (g_terminal >= 0)
        ::tcsetattr(g_terminal, TCSAFLUSH, &g_saved);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// One line from `fd` without its line end; nothing at the end of the input
// before any character or line feed.
std::optional<QByteArray> readLine(int fd)
{
    QByteArray line;
    char c;
    bool any = false;
    while (true) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        any = true;
        if (c == '\n')
            break;
        line += c;
    }
    if (!any)
        return std::nullopt;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

void write(int fd, const QByteArray &text)
{
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.constData() + done, size_t(text.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += n;
    }
}

// Asks on the terminal `fd` with its echo off; the prompt is written once the
// echo is off, so nothing typed after it shows.
std::optional<QByteArray> askQuietly(int fd, const QByteArray &prompt)
{
    termios quiet{};
    if (::tcgetattr(fd, &g_saved) != 0)
        return std::nullopt;
    quiet = g_saved;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    quiet.c_lflag |= ECHONL;  // the line feed still shows
    g_terminal = fd;
    struct sigaction restore {};
    restore.sa_handler = restoreAndRaise;
    sigemptyset(&restore.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        ::sigaction(s, &restore, nullptr);
    ::tcsetattr(fd, TCSAFLUSH, &quiet);
    write(fd, prompt);
    const std::optional<QByteArray> line = readLine(fd);
    ::tcsetattr(fd, TCSAFLUSH, &g_saved);
    g_terminal = -1;
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        ::signal(s, SIG_DFL);
    return line;
}
} // namespace

std::optional<QString> readPassword(const QString &user, QString &problem)
{
    if (!::isatty(STDIN_FILENO)) {
        const std::optional<QByteArray> line = readLine(STDIN_FILENO);
        if (!line) {
            problem = QStringLiteral("kata sandi tidak diberikan: berikan satu baris di masukan standar, atau --password PASS");
            return std::nullopt;
        }
        return QString::fromUtf8(*line);
    }
    // The terminal the program was started from, also when its output goes elsewhere.
    int terminal = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    const bool opened = terminal >= 0;
    if (!opened)
        terminal = STDIN_FILENO;
    const std::optional<QByteArray> first = askQuietly(terminal, "Kata sandi untuk " + user.toUtf8() + ": ");
    std::optional<QByteArray> second;
    if (first && !first->isEmpty())
        second = askQuietly(terminal, "Ulangi kata sandi: ");
    if (opened)
        ::close(terminal);
    if (!first) {
        problem = QStringLiteral("kata sandi tidak diberikan");
        return std::nullopt;
    }
    if (first->isEmpty())
        return QString();  // refused as empty by the caller
    if (!second || *second != *first) {
        problem = QStringLiteral("kedua kata sandi berbeda");
        return std::nullopt;
    }
    return QString::fromUtf8(*first);
}
} // namespace notadb
