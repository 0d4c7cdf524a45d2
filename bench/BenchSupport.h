#pragma once

#include "SimulatedDevice.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QList>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>

namespace quelta::bench {

inline constexpr double kWireBytesPerSecond = 11520.0; // 115200 baud, 8N1

inline void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Runs the event loop until the condition holds or the time is up. A loop of its own, not
// QTest::qWaitFor, whose pauses between passes would hold back a stream of broker messages.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(5);
    if (!done())
        loop.exec();
    return done();
}

// The AE/SA device with its 1023 zones, paced as a real link.
inline bool startAesaDevice(test::SimulatedDevice &device)
{
    if (device.start({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("aesa.json"))}))
        return true;
    say(QStringLiteral("quelta-devsim did not start"));
    return false;
}

// One line of the stream: "+CODE:value" with a four-digit hexadecimal code.
struct StreamLine
{
    QByteArray code;
    QByteArray value;
};

inline bool isHexCode(QByteArrayView code)
{
    return code.size() == 4
        && std::all_of(code.begin(), code.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// The bytes of the stream's lines (terminators included) among everything received after "Xxxx"
// went out; other replies (the answer to "inf", the tool's polls) are not part of it.
inline qsizetype streamBytes(const QByteArray &received, QList<StreamLine> &lines)
{
    qsizetype bytes = 0;
    for (const QByteArray &piece : received.split('\r')) {
        const qsizetype plus = piece.indexOf('+');
        if (plus < 0)
            continue;
        const QByteArray line = piece.mid(plus);
        if (line.startsWith("+Xxxx:Ok")) {
            bytes += line.size() + 1;
            break;
        }
        if (line.size() > 5 && line.at(5) == ':' && isHexCode(QByteArrayView(line).sliced(1, 4))) {
            bytes += line.size() + 1;
            lines.append({line.mid(1, 4), line.mid(6)});
        }
    }
    return bytes;
}

} // namespace quelta::bench
