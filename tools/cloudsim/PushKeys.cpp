#include "PushKeys.h"

#include <algorithm>

namespace quelta::cloudsim {

QString PushKeyGenerator::next(qint64 nowMs)
{
    qint64 time = std::max(nowMs, lastTime_);
    if (time != lastTime_)
        freshRandomPart();
    else if (!incrementRandomPart())
        ++time;
    lastTime_ = time;

    QString key(TimeLength + RandomLength, u'-');
    for (int i = TimeLength - 1; i >= 0; --i) {
        key[i] = QLatin1Char(Alphabet[time % 64]);
        time /= 64;
    }
    for (int i = 0; i < RandomLength; ++i)
        key[TimeLength + i] = QLatin1Char(Alphabet[randomPart_[static_cast<size_t>(i)]]);
    return key;
}

void PushKeyGenerator::freshRandomPart()
{
    for (int &digit : randomPart_)
        digit = static_cast<int>(random_.bounded(64u));
}

bool PushKeyGenerator::incrementRandomPart()
{
    for (auto digit = randomPart_.rbegin(); digit != randomPart_.rend(); ++digit) {
        if (*digit < 63) {
            ++*digit;
            return true;
        }
        *digit = 0;
    }
    return false;
}

} // namespace quelta::cloudsim
