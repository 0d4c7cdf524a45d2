#pragma once

#include <QUrl>

namespace quelta {

// Whether this PC can reach the internet; the cloud functions depend on it.
class InternetCheck
{
public:
    virtual ~InternetCheck() = default;
    virtual bool isOnline() = 0;
};

// Online when the system does not report the network as down and the probe address answers.
// QUELTA_INTERNET_PROBE in the environment replaces the probe address.
class ProbeInternetCheck : public InternetCheck
{
public:
    explicit ProbeInternetCheck(QUrl probe = configuredProbe(), int timeoutMs = 4000);

    bool isOnline() override;

    static QUrl configuredProbe();

private:
    QUrl probe_;
    int timeoutMs_;
};

} // namespace quelta
