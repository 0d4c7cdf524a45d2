#include "Device.h"

#include "StatusFrames.h"
#include "core/codecs/AnsiCodec.h"

namespace quelta::devsim {

Device::Device(const DeviceConfig &config, const FaultPlan &faults, quint32 seed, QObject *parent)
    : QObject(parent), model_(config, faults, seed), protocol_(model_), lineFaults_(faults), update_(model_.faults)
{
    connect(&update_, &UpdateReceiver::lineReady, this, [this](const QByteArray &line) { send(line, LineKind::Reply); });
    connect(&update_, &UpdateReceiver::finished, this, &Device::updateFinished);
    clock_.start();
    ticker_.setInterval(model_.framePeriodMs);
    connect(&ticker_, &QTimer::timeout, this, &Device::tick);
    ticker_.start();
    delayTimer_.setSingleShot(true);
    connect(&delayTimer_, &QTimer::timeout, this, &Device::releaseDelayedReplies);
}

void Device::setUpdateTiming(const UpdateTiming &timing)
{
    update_.setTiming({timing.inboundBytesPerSecond, timing.abandonMs});
    rebootMs_ = timing.rebootMs;
}

void Device::receive(QByteArrayView bytes)
{
    const QByteArrayView rest = interpretUntilUpdate(bytes);
    if (!restarting_)
        update_.receiveBytes(rest);
}

// What follows the command that starts an update in the same message is dropped: frames come as
// messages of their own.
void Device::receiveCommands(QByteArrayView bytes)
{
    if (update_.isActive()) {
        qWarning("quelta-devsim: commands are not heard during an update: %s", bytes.toByteArray().simplified().constData());
        return;
    }
    interpretUntilUpdate(bytes);
}

void Device::receiveFrame(const QByteArray &frame)
{
    if (!restarting_)
        update_.receiveFrame(frame);
}

// Command lines up to the one that starts an update; what follows it is returned.
QByteArrayView Device::interpretUntilUpdate(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && !restarting_ && !update_.isActive()) {
        const qsizetype end = bytes.indexOf('\r');
        const qsizetype length = end < 0 ? bytes.size() : end + 1;
        interpret(bytes.first(length));
        bytes = bytes.sliced(length);
    }
    return restarting_ ? QByteArrayView() : bytes;
}

void Device::interpret(QByteArrayView line)
{
    const bool wasStreaming = model_.streamOn;
    sendReplies(protocol_.receive(line));
    if (protocol_.takeRestartRequest()) {
        beginRestart();
        return;
    }
    if (const std::optional<QString> offer = protocol_.takeUpdateOffer()) {
        startUpdate(*offer);
        return;
    }
    if (model_.streamOn && !wasStreaming) {
        sendIdentity();
        sendFrame(statusFrame(model_.simulation, model_.store, model_.identity));
    }
    sendEvents();
}

void Device::startUpdate(const QString &offerText)
{
    const std::optional<UpdateOffer> offer = UpdateOffer::parse(offerText);
    if (!offer) {
        qWarning("quelta-devsim: ignored a malformed update offer: qz+act=%s", qPrintable(offerText));
        return;
    }
    update_.start(*offer);
}

// After the last answer the device restarts into the new firmware, or the old one when the image
// was bad.
void Device::updateFinished(bool imageGood, const QString &version)
{
    if (imageGood)
        model_.identity.firmware = version;
    emit rebooting();
    goQuiet(rebootMs_, [this] {
        endRestart();
        emit rebooted();
    });
}

// No panel is simulated on its serial side yet: it sends every byte back.
QByteArray Device::passToPanel(QByteArrayView bytes) const
{
    if (restarting_)
        return {};
    return bytes.toByteArray();
}

// While it takes an update the link carries the transfer only.
void Device::tick()
{
    if (restarting_ || update_.isActive())
        return;
    model_.simulation.tick();
    sendEvents();
    if (!model_.streamOn)
        return;
    if (++ticks_ % kIdentityEvery == 0)
        sendIdentity();
    sendFrame(statusFrame(model_.simulation, model_.store, model_.identity));
}

void Device::sendReplies(const QList<QByteArray> &replies)
{
    if (replies.isEmpty())
        return;
    if (model_.faults.slowMs == 0) {
        for (const QByteArray &line : replies)
            send(line, LineKind::Reply);
        return;
    }
    delayed_.append({clock_.elapsed() + model_.faults.slowMs, replies});
    if (!delayTimer_.isActive())
        delayTimer_.start(model_.faults.slowMs);
}

void Device::releaseDelayedReplies()
{
    while (!delayed_.isEmpty() && delayed_.first().first <= clock_.elapsed()) {
        for (const QByteArray &line : delayed_.takeFirst().second)
            send(line, LineKind::Reply);
    }
    if (!delayed_.isEmpty())
        delayTimer_.start(static_cast<int>(delayed_.first().first - clock_.elapsed()));
}

// Events are spontaneous frames: with the stream off they are lost, as on the real device.
void Device::sendEvents()
{
    for (const QString &section : model_.simulation.takeEvents()) {
        if (model_.streamOn)
            sendFrame(eventFrame(section));
    }
}

void Device::sendIdentity()
{
    sendFrame(identityFrame(model_.simulation, model_.store, model_.identity));
    if (model_.simulation.panelView().panel.family() != PanelFamily::Doors)
        return;
    for (int door = 1; door <= 4; ++door)
        sendFrame(eventFrame(model_.simulation.doorWord(door)));
}

void Device::sendFrame(const QString &frame)
{
    send(ansi::encode(frame) + '\r', LineKind::Frame);
}

void Device::send(const QByteArray &line, LineKind kind)
{
    if (const std::optional<QByteArray> sent = lineFaults_.apply(line))
        emit lineReady(*sent, kind);
}

void Device::beginRestart()
{
    if (model_.streamOn)
        sendFrame(eventFrame(QStringLiteral("8100:Software reset generated")));
    goQuiet(kRestartSilenceMs, [this] { endRestart(); });
}

// Hears nothing and says nothing for the time, then runs `then`.
void Device::goQuiet(int silenceMs, std::function<void()> then)
{
    restarting_ = true;
    protocol_.reset();
    model_.locked = model_.hasAccessCode();
    QTimer::singleShot(silenceMs, this, std::move(then));
}

void Device::endRestart()
{
    restarting_ = false;
    model_.simulation.restart();
    sendEvents();
}

} // namespace quelta::devsim
