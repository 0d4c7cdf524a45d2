#include "ui/panels/KeyPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta::ui {
namespace {

const QColor kInk(40, 40, 40);
const QColor kStrike(200, 0, 0);

void bell(QPainter &p, qreal s, const QColor &body)
{
    QPainterPath path;
    path.moveTo(s * 0.2, s * 0.72);
    path.cubicTo(s * 0.3, s * 0.62, s * 0.28, s * 0.2, s * 0.5, s * 0.18);
    path.cubicTo(s * 0.72, s * 0.2, s * 0.7, s * 0.62, s * 0.8, s * 0.72);
    path.closeSubpath();
    p.setPen(QPen(kInk, s / 24));
    p.setBrush(body);
    p.drawPath(path);
    p.drawEllipse(QPointF(s * 0.5, s * 0.8), s * 0.07, s * 0.07);
}

void strike(QPainter &p, qreal s)
{
    p.setPen(QPen(kStrike, s / 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.15, s * 0.85), QPointF(s * 0.85, s * 0.15));
}

void buzzer(QPainter &p, qreal s)
{
    p.setPen(QPen(kInk, s / 24));
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(s * 0.18, s * 0.38, s * 0.16, s * 0.24));
    p.drawPolygon(QPolygonF({QPointF(s * 0.34, s * 0.38), QPointF(s * 0.55, s * 0.2), QPointF(s * 0.55, s * 0.8),
                             QPointF(s * 0.34, s * 0.62)}));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(s * 0.5, s * 0.32, s * 0.2, s * 0.36), -50 * 16, 100 * 16);
    p.drawArc(QRectF(s * 0.5, s * 0.2, s * 0.34, s * 0.6), -50 * 16, 100 * 16);
}

void circularArrow(QPainter &p, qreal s)
{
    const QRectF ring(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
    p.setPen(QPen(QColor(0, 90, 170), s / 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(s * 0.36, s * 0.06), QPointF(s * 0.56, s * 0.2), QPointF(s * 0.36, s * 0.34)}));
}

void waves(QPainter &p, qreal s)
{
    p.setPen(QPen(kStrike, s / 16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const qreal radius : {0.4, 0.48}) {
        const QRectF ring(s * (0.5 - radius), s * (0.48 - radius), s * 2 * radius, s * 2 * radius);
        p.drawArc(ring, 145 * 16, 50 * 16);
        p.drawArc(ring, -15 * 16, 50 * 16);
    }
}

void toggle(QPainter &p, qreal s)
{
    p.setPen(QPen(kInk, s / 20));
    p.setBrush(QColor(230, 230, 230));
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.34, s * 0.76, s * 0.32), s * 0.16, s * 0.16);
    p.setBrush(QColor(0, 150, 0));
    p.drawEllipse(QPointF(s * 0.68, s * 0.5), s * 0.13, s * 0.13);
}

void step(QPainter &p, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(s * 0.2, s * 0.22), QPointF(s * 0.62, s * 0.5), QPointF(s * 0.2, s * 0.78)}));
    p.drawRect(QRectF(s * 0.66, s * 0.22, s * 0.12, s * 0.56));
}

void tick(QPainter &p, qreal s)
{
    p.setPen(QPen(QColor(0, 140, 0), s / 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(s * 0.2, s * 0.52), QPointF(s * 0.42, s * 0.74), QPointF(s * 0.8, s * 0.28)}));
}

} // namespace

QPixmap keyPicture(KeyPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Printed on a light disc, so that the symbol reads on a dark key as on a light one.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawEllipse(QRectF(0, 0, s, s).adjusted(0.5, 0.5, -0.5, -0.5));
    switch (picture) {
    case KeyPicture::SilenceBuzzer:
        buzzer(p, s);
        strike(p, s);
        break;
    case KeyPicture::SilenceSirens:
        bell(p, s, QColor(255, 200, 0));
        strike(p, s);
        break;
    case KeyPicture::Reset: circularArrow(p, s); break;
    case KeyPicture::FireSirens:
        bell(p, s, QColor(255, 80, 40));
        waves(p, s);
        break;
    case KeyPicture::Connect: toggle(p, s); break;
    case KeyPicture::StepTest: step(p, s); break;
    case KeyPicture::Acknowledge: tick(p, s); break;
    }
    return pixmap;
}

} // namespace quelta::ui
