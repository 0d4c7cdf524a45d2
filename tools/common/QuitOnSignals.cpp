#include "QuitOnSignals.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quelta::tools {
namespace {

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};

// A signal handler may only write: the event loop reads the byte and quits.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}
#endif

} // namespace

void quitOnSignals(QCoreApplication &app)
{
#ifdef Q_OS_UNIX
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
#else
    Q_UNUSED(app);
#endif
}

} // namespace quelta::tools
