#include "Device.h"

#include "StatusFrames.h"
#include "core/codecs/AnsiCodec.h"

namespace quelta::devsim {

Device::Device(const DeviceConfig &config, const FaultPlan &faults, quint32 seed, QObject *parent)
    : QObject(parent), model_(config, faults, seed), protocol_(model_), lineFaults_(faults)
{
    clock_.start();
    ticker_.setInterval(model_.framePeriodMs);
    connect(&ticker_, &QTimer::timeout, this, &Device::tick);
    ticker_.start();
    delayTimer_.setSingleShot(true);
    connect(&delayTimer_, &QTimer::timeout, this, &Device::releaseDelayedReplies);
}

void Device::receive(QByteArrayView bytes)
{
    if (restarting_)
        return;
    const bool wasStreaming = model_.streamOn;
    sendReplies(protocol_.receive(bytes));
    if (protocol_.takeRestartRequest()) {
        beginRestart();
        return;
    }
    if (model_.streamOn && !wasStreaming) {
        sendIdentity();
        sendFrame(statusFrame(model_.simulation, model_.store, model_.identity));
    }
    sendEvents();
}

// No panel is simulated on its serial side yet: it sends every byte back.
QByteArray Device::passToPanel(QByteArrayView bytes) const
{
    if (restarting_)
        return {};
    return bytes.toByteArray();
}

void Device::tick()
{
    if (restarting_)
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
    restarting_ = true;
    protocol_.reset();
    model_.locked = model_.hasAccessCode();
    QTimer::singleShot(kRestartSilenceMs, this, &Device::endRestart);
}

void Device::endRestart()
{
    restarting_ = false;
    model_.simulation.restart();
    sendEvents();
}

} // namespace quelta::devsim
