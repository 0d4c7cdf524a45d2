#pragma once

#include "DeviceConfig.h"
#include "Protocol.h"

#include <QTest>

namespace quelta::devsim::test {

// A small device: a BC600 panel, three inputs, one input message, two operators.
inline DeviceConfig testDevice(const QString &accessCode = {})
{
    const QByteArray json = R"({
        "identity": {"firmware": "Quelta_v8.7.12", "identifier": "0123456789ABCDEF",
                     "hardware": "QZ20K3", "parts": "1110"},
        "panel": "BC600",
        "accessCode": ")" + accessCode.toUtf8() + R"(",
        "framePeriodMs": 50,
        "parameters": {"0102": "Acme", "0103": "P\u00e9rez", "3001+3": "0;0;0;Entrada {n}",
                       "3201": "1;0;0;;Disparo/Fin", "8501": "Movistar;movistar.es;;;", "8502": ""},
        "factory": {"0102": "F\u00e1brica"}
    })";
    const ConfigResult result = parseConfig(json, {});
    if (!result.error.isEmpty())
        qFatal("test device: %s", qPrintable(result.error));
    return result.config;
}

// Feeds the bytes one at a time, as a serial port may deliver them.
inline QList<QByteArray> sendBytewise(Protocol &protocol, const QByteArray &bytes)
{
    QList<QByteArray> replies;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        replies += protocol.receive(bytes.sliced(i, 1));
    return replies;
}

} // namespace quelta::devsim::test
