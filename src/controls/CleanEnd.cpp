#include "controls/CleanEnd.h"

#include "data/Connection.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace cleanend {
namespace {
constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
// How often the journal is folded: soon after a store, and free when
// nothing was stored (the fold then finds nothing to copy).
constexpr int kFoldIntervalMs = 2000;

// The handler only writes the signal's number into this pipe; the event
// loop reads it and does the rest, where anything may be done.
int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const int saved = errno;
    const char number = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &number, 1);
    errno = saved;
}

void handleSignals(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kEndSignals)
        sigaction(s, &action, nullptr);
}

void endOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        qWarning("No clean end on signals: %s", strerror(errno));
        return;
    }
    auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char number = 0;
        if (::read(signalPipe[1], &number, 1) != 1)
            return;
        notifier->setEnabled(false);
        handleSignals(SIG_DFL);  // a second signal does not wait for the clean end
        QCoreApplication::exit(128 + number);
    });
    handleSignals(onSignal);
}

void foldWhenIdle()
{
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(kFoldIntervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, [] { connection::foldJournals(); });
    timer->start();
}
} // namespace

void install()
{
    endOnSignals();
    foldWhenIdle();
}
} // namespace cleanend
