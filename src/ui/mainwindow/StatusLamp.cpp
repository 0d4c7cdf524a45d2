#include "ui/mainwindow/StatusLamp.h"

#include <QPainter>

namespace quelta::ui {

StatusLamp::StatusLamp(const QColor &litColour, QWidget *parent)
    : QWidget(parent)
    , litColour_(litColour)
{
    setFixedSize(kSize, kSize);
}

void StatusLamp::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    update();
}

void StatusLamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(on_ ? litColour_ : QColor(90, 90, 90));
    painter.drawEllipse(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

} // namespace quelta::ui
