#include "ui/mainwindow/ClickGesture.h"

namespace quelta::ui {

ClickGesture::ClickGesture(QObject *parent)
    : QObject(parent)
{
}

void ClickGesture::click()
{
    if (++clicks_ < kClicks)
        return;
    clicks_ = 0;
    emit completed();
}

} // namespace quelta::ui
