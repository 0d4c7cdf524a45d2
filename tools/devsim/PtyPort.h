#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

namespace quelta::devsim {

// The master side of a pseudo-terminal. The tool opens the slave as its serial port, and may
// close and reopen it at any time: the master stays open and waits for the next opening.
class PtyPort : public QObject
{
    Q_OBJECT
public:
    explicit PtyPort(QObject *parent = nullptr);
    ~PtyPort() override;

    bool open(QString &error);
    void close();
    QString slavePath() const { return slavePath_; }
    // False while no program holds the slave open.
    bool isConnected() const { return connected_; }
    // Bytes accepted, or -1 when the slave is not open.
    qint64 write(QByteArrayView bytes);

signals:
    void received(const QByteArray &bytes);
    void disconnected();

private:
    void readAvailable();
    void pollForSlave();
    void setConnected(bool connected);

    int master_ = -1;
    QString slavePath_;
    QSocketNotifier *notifier_ = nullptr;
    QTimer slavePoll_;
    bool connected_ = true;
};

} // namespace quelta::devsim
