#include "PseudoTerminal.h"

#include <QDeadlineTimer>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace quelta::test {

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    termios raw{};
    tcgetattr(master_, &raw);
    cfmakeraw(&raw);
    tcsetattr(master_, TCSANOW, &raw);
}

PseudoTerminal::~PseudoTerminal()
{
    if (master_ >= 0)
        close(master_);
}

QByteArray PseudoTerminal::readFor(int milliseconds)
{
    QByteArray received;
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        pollfd fd{master_, POLLIN, 0};
        const int waitMs = received.isEmpty() ? static_cast<int>(deadline.remainingTime()) : 50;
        if (poll(&fd, 1, waitMs) <= 0) {
            if (!received.isEmpty())
                break;
            continue;
        }
        char buffer[512];
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count <= 0)
            break;
        received.append(buffer, static_cast<qsizetype>(count));
    }
    return received;
}

void PseudoTerminal::write(const QByteArray &bytes)
{
    const ssize_t written = ::write(master_, bytes.constData(), static_cast<size_t>(bytes.size()));
    Q_UNUSED(written);
}

} // namespace quelta::test
