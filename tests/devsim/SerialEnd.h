#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace quelta::test {

// The tool's end of the simulated device: the slave of its pseudo-terminal.
class SerialEnd
{
public:
    explicit SerialEnd(const QString &path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        if (fd_ < 0)
            return;
        termios raw{};
        tcgetattr(fd_, &raw);
        cfmakeraw(&raw);
        tcsetattr(fd_, TCSANOW, &raw);
    }
    ~SerialEnd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SerialEnd(const SerialEnd &) = delete;
    SerialEnd &operator=(const SerialEnd &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void write(const QByteArray &bytes) const
    {
        [[maybe_unused]] const ssize_t written = ::write(fd_, bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    // The first line that starts with `prefix`, its CR included; else everything received.
    QByteArray readUntilLine(const QByteArray &prefix, int timeoutMs) const
    {
        QByteArray received;
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            pollfd fd{fd_, POLLIN, 0};
            if (poll(&fd, 1, 50) <= 0)
                continue;
            char buffer[512];
            const ssize_t count = ::read(fd_, buffer, sizeof buffer);
            if (count > 0)
                received.append(buffer, static_cast<qsizetype>(count));
            const qsizetype start = received.indexOf(prefix);
            const qsizetype end = start < 0 ? -1 : received.indexOf('\r', start);
            if (end >= 0)
                return received.mid(start, end - start + 1);
        }
        return received;
    }

private:
    int fd_;
};

} // namespace quelta::test
