#include "core/base/StatusBar.h"

namespace quelta {

void StatusBar::setPanel(int index, const QString &text)
{
    QString &panel = panels_.at(static_cast<size_t>(index));
    if (panel == text)
        return;
    panel = text;
    emit panelChanged(index, text);
}

void StatusBar::showLinkState(const QString &state)
{
    setPanel(0, state);
    setPanel(1, QString());
    setPanel(2, QString());
}

void StatusBar::setProgress(int percent)
{
    // Streams report progress per line: only a new figure is worth a repaint.
    if (progressVisible_ && progress_ == percent)
        return;
    progressVisible_ = true;
    progress_ = percent;
    emit progressChanged(true, percent);
}

void StatusBar::setLEstat(const QString &text)
{
    if (LEstat_ == text)
        return;
    LEstat_ = text;
    emit LEstatChanged(text);
}

void StatusBar::hideProgress()
{
    progressVisible_ = false;
    progress_ = 0;
    emit progressChanged(false, 0);
}

} // namespace quelta
