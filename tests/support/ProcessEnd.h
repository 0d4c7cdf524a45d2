#pragma once

#include <QProcess>
#include <QString>

namespace quelta::test {

// Starts a helper program (its stderr goes to the test's) and returns the first line it prints,
// where our tools announce where they listen; an empty text when it did not start or said nothing.
inline QString startAndReadAnnouncement(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return {};
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(5000))
            return {};
    }
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

// Asks a helper process to end (SIGTERM, so it can clean up), and kills it when it does not.
inline void endProcess(QProcess &process, int graceMs = 3000)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(graceMs))
        process.kill();
    process.waitForFinished(graceMs);
}

} // namespace quelta::test
