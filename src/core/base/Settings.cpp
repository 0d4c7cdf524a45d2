#include "core/base/Settings.h"

#include "core/base/Version.h"
#include "core/codecs/StringCipher.h"

namespace quelta {
namespace {

constexpr const char *kBrokerHost = "BrokerHost";
constexpr const char *kBrokerPort = "BrokerPort";
constexpr const char *kBrokerUser = "BrokerUser";
constexpr const char *kBrokerPassword = "BrokerPassword";
constexpr const char *kUpdateServer = "UpdateServer";
constexpr const char *kUpdateKey = "UpdateKey";

} // namespace

const QString AppSettings::kClau = QStringLiteral("58391746WXJ2857k");

std::unique_ptr<QSettings> AppSettings::openPlatformStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + kSettingsKeyName,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kSettingsKeyName);
#endif
}

QString AppSettings::defaultTitle()
{
    return QStringLiteral("KVP - Software de programación Ver. ") + kProgramVersion;
}

AppSettings::AppSettings(std::unique_ptr<QSettings> store)
    : store_(std::move(store))
{
}

// The title is the first value read: when a stored title does not decrypt, the whole key is taken
// to be in plain text.
bool AppSettings::detectPlainText() const
{
    const QString stored = store_->value(QStringLiteral("REG1")).toString();
    return !stored.isEmpty() && DesencriptarCadenaAes(stored, kClau).isEmpty()
        && stored != EncriptarCadenaAes(QString(), kClau);
}

QString AppSettings::readValue(const QString &name, const QString &defaultValue) const
{
    if (plainText_)
        return store_->value(name, defaultValue).toString();
    return DesencriptarCadenaAes(store_->value(name, EncriptarCadenaAes(defaultValue, kClau)).toString(), kClau);
}

bool AppSettings::LLegirConfigInicial(const QString &defaultTelecontrolIp)
{
    store_->sync();
    plainText_ = detectPlainText();
    // Whatever title was stored, the current version's title replaces it on the next save.
    values_.titol = defaultTitle();
    values_.email = readValue(QStringLiteral("REG3"), QString());
    values_.password = readValue(QStringLiteral("REG4"), QString());
    values_.idUsuari = readValue(QStringLiteral("REG5"), QString());
    values_.port = readValue(QStringLiteral("REG2"), QString());
    values_.ipTelecontrol = readValue(QStringLiteral("REG6"), defaultTelecontrolIp);
    values_.portTelecontrol = readValue(QStringLiteral("REG7"), QStringLiteral("2021"));
    values_.idioma = readValue(QStringLiteral("REG8"), QStringLiteral("SPANISH"));
    readServers();
    if (values_.port.isEmpty()) {
        values_.port = QStringLiteral("COM1");
        return false;
    }
    return true;
}

void AppSettings::GuardarConfigInicial()
{
    const QString ordered[] = {values_.titol, values_.port, values_.email, values_.password,
                               values_.idUsuari, values_.ipTelecontrol, values_.portTelecontrol, values_.idioma};
    int number = 1;
    for (const QString &value : ordered)
        store_->setValue(QStringLiteral("REG%1").arg(number++), EncriptarCadenaAes(value, kClau));
    const std::pair<const char *, QString> broker[] = {{kBrokerHost, values_.brokerHost},
                                                       {kBrokerPort, QString::number(values_.brokerPort)},
                                                       {kBrokerUser, values_.brokerUser},
                                                       {kBrokerPassword, values_.brokerPassword},
                                                       {kUpdateServer, values_.updateServer},
                                                       {kUpdateKey, values_.updateKey}};
    for (const auto &[name, value] : broker)
        store_->setValue(QLatin1String(name), EncriptarCadenaAes(value, kClau));
    store_->sync();
}

void AppSettings::readServers()
{
    values_.brokerHost = readValue(QLatin1String(kBrokerHost), QStringLiteral("localhost"));
    bool valid = false;
    const int port = readValue(QLatin1String(kBrokerPort), QStringLiteral("1883")).toInt(&valid);
    values_.brokerPort = valid && port > 0 && port < 65536 ? port : 1883;
    values_.brokerUser = readValue(QLatin1String(kBrokerUser), QString());
    values_.brokerPassword = readValue(QLatin1String(kBrokerPassword), QString());
    values_.updateServer = readValue(QLatin1String(kUpdateServer), QString());
    values_.updateKey = readValue(QLatin1String(kUpdateKey), QString());
}

} // namespace quelta
