#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace quelta {

// The installer's eight settings, REG1 to REG8, and the broker of remote sessions.
struct ConfigInicial
{
    QString titol;           // REG1 window title
    QString port;            // REG2 serial port of the local link
    QString email;           // REG3 cloud user's e-mail
    QString password;        // REG4 cloud user's password
    QString idUsuari;        // REG5 cloud user's identifier, also the MQTT client identifier
    QString ipTelecontrol;   // REG6 address the panel telecontrol server listens on
    QString portTelecontrol; // REG7 its TCP port
    QString idioma;          // REG8 "SPANISH", "ENGLISH", "FRANCAIS" or "PORTUGUES"

    // The MQTT broker of remote sessions, stored beside the eight values, encrypted as they are.
    QString brokerHost;
    int brokerPort = 1883;
    QString brokerUser;
    QString brokerPassword;

    // The firmware-update server ("HOST:PORT") and its key; empty: the ones built into the program.
    QString updateServer;
    QString updateKey;
};

// The settings store: one key under the current user (a per-user file outside Windows) whose
// values are all kept encrypted with the fixed settings key. Values an earlier version stored in
// plain text are still read, and are written back encrypted.
class AppSettings
{
public:
    static const QString kClau;

    // The store of this platform: the registry key on Windows, a per-user file elsewhere.
    static std::unique_ptr<QSettings> openPlatformStore();
    static QString defaultTitle();

    explicit AppSettings(std::unique_ptr<QSettings> store);

    // Reads every value with its default. False when no port name was stored: REG2 is then set to
    // "COM1" and the caller saves and reads again, so a first run writes all eight values.
    bool LLegirConfigInicial(const QString &defaultTelecontrolIp);
    // Writes REG1 to REG8 and the broker encrypted; write errors are ignored.
    void GuardarConfigInicial();

    ConfigInicial &values() { return values_; }
    const ConfigInicial &values() const { return values_; }
    bool storedInPlainText() const { return plainText_; }

private:
    bool detectPlainText() const;
    QString readValue(const QString &name, const QString &defaultValue) const;
    void readServers();

    std::unique_ptr<QSettings> store_;
    ConfigInicial values_;
    bool plainText_ = false;
};

} // namespace quelta
