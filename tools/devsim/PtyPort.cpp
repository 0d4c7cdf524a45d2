#include "PtyPort.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace quelta::devsim {
namespace {

constexpr int kSlavePollMs = 100;

} // namespace

PtyPort::PtyPort(QObject *parent) : QObject(parent)
{
    slavePoll_.setInterval(kSlavePollMs);
    connect(&slavePoll_, &QTimer::timeout, this, &PtyPort::pollForSlave);
}

PtyPort::~PtyPort()
{
    close();
}

bool PtyPort::open(QString &error)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0
        || fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
        error = QString::fromLocal8Bit(strerror(errno));
        close();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    termios raw{};
    tcgetattr(master_, &raw);
    cfmakeraw(&raw);
    tcsetattr(master_, TCSANOW, &raw);
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyPort::readAvailable);
    return true;
}

void PtyPort::close()
{
    slavePoll_.stop();
    delete notifier_;
    notifier_ = nullptr;
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
    connected_ = false;
}

qint64 PtyPort::write(QByteArrayView bytes)
{
    if (!connected_)
        return -1;
    const ssize_t written = ::write(master_, bytes.data(), static_cast<size_t>(bytes.size()));
    if (written >= 0)
        return written;
    if (errno == EAGAIN)
        return 0;
    setConnected(false);
    return -1;
}

void PtyPort::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count > 0) {
            emit received(QByteArray(buffer, static_cast<qsizetype>(count)));
            continue;
        }
        // EIO: the last holder of the slave closed it.
        if (count == 0 || errno != EAGAIN)
            setConnected(false);
        return;
    }
}

// While no slave is open the master reports a hang-up; it clears when the slave is opened again.
void PtyPort::pollForSlave()
{
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, 0) >= 0 && (fd.revents & POLLHUP) == 0)
        setConnected(true);
}

void PtyPort::setConnected(bool connected)
{
    if (connected == connected_ || master_ < 0)
        return;
    connected_ = connected;
    notifier_->setEnabled(connected);
    if (connected) {
        slavePoll_.stop();
        return;
    }
    // What was on its way to the old session is of no use to the next one.
    tcflush(master_, TCIOFLUSH);
    slavePoll_.start();
    emit disconnected();
}

} // namespace quelta::devsim
