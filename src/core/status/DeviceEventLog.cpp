#include "core/status/DeviceEventLog.h"

namespace quelta {

void DeviceEventLog::changed()
{
    if (following_)
        emit scrollToBottomRequested();
}

void DeviceEventLog::addLine(const QString &text, Colour colour)
{
    lines_.append({text, colour});
    emit lineAdded(lines_.last());
    changed();
}

bool DeviceEventLog::appendToLastLine(const QString &text)
{
    if (lines_.isEmpty())
        return false;
    lines_.last().text += text;
    emit lastLineChanged(lines_.last());
    changed();
    return true;
}

void DeviceEventLog::setWordWrap(bool wrap)
{
    if (wordWrap_ == wrap)
        return;
    wordWrap_ = wrap;
    emit appearanceChanged();
}

void DeviceEventLog::setFont(Colour font)
{
    font_ = font;
    emit appearanceChanged();
}

void DeviceEventLog::BParaClick()
{
    following_ = !following_;
    emit buttonsChanged();
    changed();
}

void DeviceEventLog::BTotClick()
{
    filtered_ = !filtered_;
    emit buttonsChanged();
}

void DeviceEventLog::BEsborraClick()
{
    lines_.clear();
    emit cleared();
}

void DeviceEventLog::toggleBTotVisible()
{
    allCodesButtonVisible_ = !allCodesButtonVisible_;
    emit buttonsChanged();
}

void DeviceEventLog::clear()
{
    BEsborraClick();
    setFont(colour::blue);
    following_ = true;
    filtered_ = true;
    emit buttonsChanged();
}

void DeviceEventLog::leaveSnapshot()
{
    if (font_ != colour::grayText)
        return;
    BEsborraClick();
    setFont(colour::blue);
}

} // namespace quelta
