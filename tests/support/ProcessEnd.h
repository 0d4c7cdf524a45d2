#pragma once

#include <QProcess>

namespace quelta::test {

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
