#pragma once

#include "ShellHarness.h"
#include "SimulatedDevice.h"

#include <QTemporaryDir>
#include <QTest>

namespace quelta::test {

// Supervision runs ten times faster than on a real link: polls every 500 ms, the watchdog after 1 s.
inline constexpr int kTimeDivisor = 10;

// A shipped device description with some members changed, written into dir.
inline QString deviceVariant(const QTemporaryDir &dir, const QString &name, const QString &base, const QByteArray &members)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(R"({"base": ")" + SimulatedDevice::config(base).toUtf8() + "\", " + members + "}");
    return path;
}

// A simulated device and the tool on it, with the exchange between them: "> cmd" for a command sent, "< line" for a line received, "* start" where the test
// started a transfer and "* end" where the engine under test reported it over.
struct TransferSession
{
    SimulatedDevice device;
    ShellHarness harness;
    QStringList log;
    int supervisionMsAtEnd = -1; // TimerCircuit's interval as the transfer handed the link back

    // The shell on a freshly started device, its exchange logged; not yet activated.
    Shell &open(const QStringList &deviceOptions)
    {
        if (!device.start(deviceOptions))
            qFatal("quelta-devsim did not start");
        Shell &shell = harness.create(device.portPath(), kTimeDivisor);
        QObject::connect(&shell.device().channel(), &CommandChannel::sent, &shell, [this](const QString &text) {
            for (const QString &command : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
                if (command.startsWith(QLatin1String("qz+")))
                    log.append(QStringLiteral("> ") + command.mid(3));
            }
        });
        QObject::connect(&shell.device().dispatcher(), &ReplyDispatcher::lineReceived, &shell,
                         [this](const ReplyLine &line) { log.append(QStringLiteral("< ") + line.text.trimmed()); });
        return shell;
    }

    // The window's creation and first activation.
    void activate()
    {
        Shell &shell = *harness.shell;
        shell.loadDictionaries();
        shell.startLink();
        shell.FormActivate(test::noSignInWindow);
    }

    void markEnd()
    {
        const QTimer &timer = harness.shell->device().supervisor().TimerCircuit;
        log.append(QStringLiteral("* end"));
        supervisionMsAtEnd = timer.isActive() ? timer.interval() : -1;
    }

    qsizetype indexOf(const QString &entry) const { return log.indexOf(entry); }
    qsizetype count(const QString &prefix) const
    {
        return std::count_if(log.cbegin(), log.cend(), [&prefix](const QString &e) { return e.startsWith(prefix); });
    }

    // The commands sent between the start of the transfer and its end.
    QStringList sentDuringRun() const
    {
        QStringList sent;
        const qsizetype end = indexOf(QStringLiteral("* end"));
        for (qsizetype i = indexOf(QStringLiteral("* start")) + 1; i >= 1 && i < end; ++i) {
            if (log.at(i).startsWith(QLatin1String("> ")))
                sent.append(log.at(i).mid(2));
        }
        return sent;
    }
};

// Waits for a moment when nothing is on its way: supervision has settled into its polling, its
// last poll went out long enough ago to be answered and handled, and the next one is still far off.
// A transfer started then meets only its own replies.
inline void waitForQuietLink(const TransferSession &f, Shell &shell)
{
    const QTimer &timer = shell.device().supervisor().TimerCircuit;
    const qsizetype polls = f.count(QStringLiteral("< +ver:"));
    QTRY_VERIFY_WITH_TIMEOUT(f.count(QStringLiteral("< +ver:")) >= polls + 2 && timer.interval() == 5000 / kTimeDivisor
                                 && timer.remainingTime() > 200 && timer.remainingTime() < 5000 / kTimeDivisor - 70,
                             5000);
}

} // namespace quelta::test
