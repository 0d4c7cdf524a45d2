#pragma once

#include <QMap>
#include <QString>

namespace quelta::devsim {

// What the device says about itself in its version replies and status frames.
struct Identity
{
    QString firmware;
    QString identifier;
    QString hardware;
    QString parts; // GPRS, ADSL, COM, E/S: "0" marks a part that is not fitted
    QString imei;
    QString simNumber;
    QString gsmOperator;
    QString modem;
    QString modemVersion;
    QString position; // "latitude,longitude"
};

// Upper-case four-digit code -> value.
using ParameterMap = QMap<QString, QString>;

struct DeviceConfig
{
    Identity identity;
    int framePeriodMs = 1000;
    ParameterMap parameters;
    ParameterMap factory;
};

struct ConfigResult
{
    DeviceConfig config;
    QString error; // empty on success
};

// A device description in JSON (see README.md). "base" names another description, relative to
// this one's folder, whose content this one extends.
ConfigResult loadConfig(const QString &path);
ConfigResult parseConfig(const QByteArray &json, const QString &baseDir);
// The standard device: no fire panel, no access code.
ConfigResult builtInConfig();

} // namespace quelta::devsim
