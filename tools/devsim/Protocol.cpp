#include "Protocol.h"

#include "core/codecs/AnsiCodec.h"

namespace quelta::devsim {
namespace {

constexpr qsizetype kMaxLine = 4096;

QString reply(const QString &name, const QString &value)
{
    return u'+' + name + u':' + value;
}

// "Obrir2" -> 2
std::optional<int> doorNumber(const QString &body, QLatin1String verb)
{
    bool ok = false;
    const int door = body.startsWith(verb) ? QStringView(body).mid(verb.size()).toInt(&ok) : 0;
    return ok ? std::optional(door) : std::nullopt;
}

} // namespace

QList<QByteArray> Protocol::receive(QByteArrayView bytes)
{
    QList<QByteArray> lines;
    for (const char byte : bytes) {
        if (byte == '\n')
            continue;
        if (byte != '\r') {
            if (pending_.size() < kMaxLine)
                pending_.append(byte);
            continue;
        }
        const QString line = ansi::decode(std::exchange(pending_, {}));
        if (!line.startsWith(QLatin1String("qz+")))
            continue;
        for (const QString &text : execute(line.mid(3)))
            lines << ansi::encode(text) + '\r';
    }
    return lines;
}

QStringList Protocol::execute(const QString &body)
{
    const qsizetype equals = body.indexOf(u'=');
    const QString name = body.left(equals);
    const std::optional<QString> argument = equals < 0 ? std::nullopt : std::optional(body.mid(equals + 1));
    if (model_.faults.silences(name))
        return {};
    const Identity &id = model_.identity;
    if (body == QLatin1String("ver"))
        return {reply(body, QStringList{id.firmware, id.identifier, model_.store.value(codes::kPanelType)}.join(u','))};
    if (body == QLatin1String("vEr"))
        return {reply(body, QStringList{id.firmware, id.identifier, id.hardware, id.parts}.join(u','))};
    if (body == QLatin1String("inf")) {
        model_.streamOn = false;
        return {reply(body, QStringLiteral("Dis"))};
    }
    // The stream runs while locked too: the lock only guards the programming.
    if (body == QLatin1String("Inf") || body == QLatin1String("INf")) {
        model_.streamOn = true;
        return {reply(QStringLiteral("Inf"), model_.locked ? QStringLiteral("Protect") : QStringLiteral("Ena"))};
    }
    if (name == QLatin1String("cdp") && argument)
        return {accessCode(*argument)};
    if (name == QLatin1String("act") && argument) {
        updateOffer_ = *argument;
        return {};
    }
    if (runDeviceCommand(body))
        return {};
    if (const std::optional<Reference> reference = parseReference(name)) {
        if (model_.locked)
            return {reply(name, QStringLiteral("Protect"))};
        return parameterCommand(*reference, argument);
    }
    return {};
}

// Commands without an answer of their own: their effect shows in the status frames.
bool Protocol::runDeviceCommand(const QString &body)
{
    Simulation &simulation = model_.simulation;
    if (body == QLatin1String("cra"))
        simulation.testReport();
    else if (body == QLatin1String("rst"))
        restartRequested_ = true;
    else if (body.startsWith(QLatin1String("sor=")))
        simulation.setOutputs(QStringView(body).mid(4));
    else if (body.startsWith(QLatin1String("ord=")))
        simulation.panelOrder(body.mid(4));
    else if (const std::optional<int> door = doorNumber(body, QLatin1String("Obrir")))
        simulation.moveDoor(*door, true);
    else if (const std::optional<int> closing = doorNumber(body, QLatin1String("Tancar")))
        simulation.moveDoor(*closing, false);
    else
        return false;
    return true;
}

// "*" locks again; a wrong code locks too.
QString Protocol::accessCode(const QString &code)
{
    if (code == QLatin1String("*")) {
        model_.locked = model_.hasAccessCode();
        return reply(QStringLiteral("cdp"), QStringLiteral("Ok"));
    }
    model_.locked = model_.hasAccessCode() && code != model_.store.value(codes::kAccessCode);
    return reply(QStringLiteral("cdp"), model_.locked ? QStringLiteral("Protect") : QStringLiteral("Ok"));
}

std::optional<Protocol::Reference> Protocol::parseReference(const QString &text)
{
    if (text.size() != 4)
        return std::nullopt;
    qsizetype digits = 0;
    while (digits < 4 && codes::isHexDigit(text.at(digits)))
        ++digits;
    for (qsizetype i = digits; i < 4; ++i) {
        if (text.at(i) != u'x' && text.at(i) != u'X')
            return std::nullopt;
    }
    return Reference{text, text.left(digits).toUpper(), digits < 4};
}

QStringList Protocol::parameterCommand(const Reference &reference, const std::optional<QString> &value)
{
    const QString &name = reference.text;
    if (!reference.wildcard) {
        if (value)
            return {reply(name, write(reference, *value))};
        return {reply(name, known(reference.prefix) ? model_.store.value(reference.prefix) : QStringLiteral("NO_PAR"))};
    }
    if (!value)
        return blockRead(reference);
    if (*value != QLatin1String("0"))
        return {reply(name, QStringLiteral("NO_PAR"))};
    if (reference.prefix.isEmpty()) {
        model_.store.restoreFactory();
        return {reply(name, QStringLiteral("Initialized"))};
    }
    model_.store.clearCodesWithPrefix(reference.prefix);
    return {reply(name, QStringLiteral("Erased"))};
}

// Every code under the wildcard, ascending, then the end line "+<wildcard>:Ok".
QStringList Protocol::blockRead(const Reference &reference) const
{
    QStringList lines;
    for (const QString &code : model_.store.codesWithPrefix(reference.prefix)) {
        if (known(code))
            lines << reply(code, model_.store.value(code));
    }
    const int stopAfter = model_.faults.stopStreamAfter;
    if (stopAfter >= 0 && lines.size() >= stopAfter) {
        lines.resize(stopAfter);
        return lines;
    }
    lines << reply(reference.text, QStringLiteral("Ok"));
    return lines;
}

// The answer to a write: the value as stored, "errprg" or "NO_PAR".
QString Protocol::write(const Reference &reference, const QString &value)
{
    const QString &code = reference.prefix;
    if (!known(code))
        return QStringLiteral("NO_PAR");
    if (code == codes::kIdentifier || model_.faults.refusals.value(code) == QLatin1String("errprg"))
        return QStringLiteral("errprg");
    model_.store.setValue(code, value);
    return model_.store.value(code);
}

bool Protocol::known(const QString &code) const
{
    return model_.store.contains(code) && model_.faults.refusals.value(code) != QLatin1String("NO_PAR");
}

} // namespace quelta::devsim
