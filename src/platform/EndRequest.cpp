#include "platform/EndRequest.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// A signal handler may do next to nothing; it writes a byte that the event loop reads.
int g_fdSignal[2] = {-1, -1};

void NoteSignal(int)
{
    const int nSavedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t nWritten = write(g_fdSignal[0], &byte, 1);
    errno = nSavedErrno;
}

bool InstallHandlers()
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_fdSignal) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(nSignal, &action, nullptr);
    return true;
}

std::function<void()> g_fnEnd;

void TakeSignals()
{
    char bytes[16];
    while (read(g_fdSignal[1], bytes, sizeof bytes) > 0) {
    }
    if (g_fnEnd)
        g_fnEnd();
}

QSocketNotifier* WatchSignals()
{
    if (!InstallHandlers())
        return nullptr;
    auto* pNotifier =
        new QSocketNotifier(g_fdSignal[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(pNotifier, &QSocketNotifier::activated, TakeSignals);
    return pNotifier;
}

} // namespace

void OnEndRequest(std::function<void()> fnEnd)
{
    g_fnEnd = std::move(fnEnd);
    [[maybe_unused]] static const QSocketNotifier* const pWatcher = WatchSignals();
}
