#include "ui/status/LampPainter.h"

#include "core/status/BlinkEngine.h"
#include "ui/status/StatusPainting.h"

#include <QLabel>
#include <QPainter>

namespace quelta::ui {
namespace {

// The zone pictures: a detector, a call point.
QPixmap zonePicture(LampPicture picture, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (picture == LampPicture::None)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    const QRectF area = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    if (picture == LampPicture::Detector) {
        painter.setBrush(Qt::white);
        painter.drawEllipse(area);
        painter.setBrush(Qt::red);
        painter.drawEllipse(area.center(), area.width() / 6, area.height() / 6);
    } else {
        painter.setBrush(Qt::red);
        painter.drawRect(area);
        painter.setBrush(Qt::white);
        painter.drawRect(area.adjusted(area.width() / 4, area.height() / 4, -area.width() / 4, -area.height() / 4));
    }
    return pixmap;
}

} // namespace

LampPainter::LampPainter(BlinkEngine &engine, QWidget &root, QObject *parent)
    : QObject(parent), root_(root)
{
    connect(&engine, &BlinkEngine::lampChanged, this, &LampPainter::paint);
}

void LampPainter::paint(const QString &lamp, const LampLook &look)
{
    auto *widget = root_.findChild<QWidget *>(lamp);
    if (!widget)
        return;
    widget->setVisible(look.visible);
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && look.picture != LampPicture::None) {
        label->setPixmap(zonePicture(look.picture, label->size()));
        return;
    }
    if (label && !look.caption.isEmpty()) {
        QFont font = label->font();
        font.setBold(look.bold);
        label->setFont(font);
        label->setText(look.caption);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(look.colour, *label));
        label->setPalette(palette);
        return;
    }
    paintPanel(*widget, toQColor(look.colour, *widget), widget->palette().color(QPalette::WindowText));
}

} // namespace quelta::ui
