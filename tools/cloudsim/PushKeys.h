#pragma once

#include <QRandomGenerator>
#include <QString>

#include <array>

namespace quelta::cloudsim {

// The keys a POST creates, as the database makes them: 20 characters of a 64-character alphabet in
// ASCII order, 8 for the time in milliseconds and 12 random ones. Every key sorts after the one
// before it, within one millisecond (the random part counts up by one) and if the clock goes back
// (the last time is kept).
class PushKeyGenerator
{
public:
    PushKeyGenerator() : random_(QRandomGenerator::securelySeeded()) {}
    explicit PushKeyGenerator(quint32 seed) : random_(seed) {}

    QString next(qint64 nowMs);

    static constexpr char Alphabet[] = "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

private:
    static constexpr int RandomLength = 12;
    static constexpr int TimeLength = 8;

    void freshRandomPart();
    // False when every digit wrapped round.
    bool incrementRandomPart();

    QRandomGenerator random_;
    qint64 lastTime_ = -1;
    std::array<int, RandomLength> randomPart_{};
};

} // namespace quelta::cloudsim
