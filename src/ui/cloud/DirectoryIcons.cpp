#include "ui/cloud/DirectoryIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta::ui {
namespace {

const QColor kOn(0, 150, 60);
const QColor kOff(205, 30, 30);
const QColor kDisabled(140, 140, 140);
const QColor kCloud(90, 110, 140);

// A network plug seen from the front: its body, the latch and the contacts.
void drawPlug(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(18, 22, 64, 56), 6, 6);
    painter.drawRect(QRectF(38, 12, 24, 10));
    painter.setPen(QPen(colour, 5, Qt::SolidLine, Qt::FlatCap));
    for (int x = 32; x <= 68; x += 9)
        painter.drawLine(QPointF(x, 34), QPointF(x, 50));
}

// A mast with two waves on each side.
void drawMast(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(50, 40), QPointF(36, 88));
    painter.drawLine(QPointF(50, 40), QPointF(64, 88));
    painter.drawLine(QPointF(41, 70), QPointF(59, 70));
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(50, 36), 5, 5);
    painter.setBrush(Qt::NoBrush);
    for (int radius : {16, 28}) {
        const QRectF arc(50 - radius, 36 - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, -45 * 16, 90 * 16);
        painter.drawArc(arc, 135 * 16, 90 * 16);
    }
}

void drawCloudOff(QPainter &painter)
{
    // The puffs overlap: filled as one outline, not with holes where two of them cross.
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QRectF(10, 44, 34, 32));
    cloud.addEllipse(QRectF(28, 24, 44, 44));
    cloud.addEllipse(QRectF(56, 40, 34, 36));
    cloud.addRect(QRectF(27, 58, 46, 18));
    painter.setPen(QPen(kCloud, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kCloud.lighter(160));
    painter.drawPath(cloud.simplified());
    // The stroke through it, set off from the cloud by a white border.
    painter.setPen(QPen(Qt::white, 15, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 16), QPointF(80, 86));
    painter.setPen(QPen(kOff, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 16), QPointF(80, 86));
}

void drawBin(QPainter &painter)
{
    painter.setPen(QPen(kOff, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(20, 26), QPointF(80, 26));
    painter.drawLine(QPointF(40, 26), QPointF(43, 16));
    painter.drawLine(QPointF(43, 16), QPointF(57, 16));
    painter.drawLine(QPointF(57, 16), QPointF(60, 26));
    QPainterPath body;
    body.moveTo(26, 34);
    body.lineTo(32, 86);
    body.lineTo(68, 86);
    body.lineTo(74, 34);
    painter.drawPath(body);
    for (int x : {42, 50, 58})
        painter.drawLine(QPointF(x, 44), QPointF(x, 76));
}

void drawEye(QPainter &painter)
{
    const QColor ink(50, 70, 100);
    QPainterPath lids;
    lids.moveTo(8, 50);
    lids.quadTo(50, 6, 92, 50);
    lids.quadTo(50, 94, 8, 50);
    painter.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(lids);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(50, 50), 15, 15);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(45, 45), 4.5, 4.5);
}

void drawClose(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOff);
    painter.drawEllipse(QPointF(50, 50), 44, 44);
    painter.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(33, 33), QPointF(67, 67));
    painter.drawLine(QPointF(67, 33), QPointF(33, 67));
}

} // namespace

QPixmap directoryIcon(DirectoryIcon icon, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0); // every picture is drawn on a 100 by 100 grid
    switch (icon) {
    case DirectoryIcon::EthernetOn: drawPlug(painter, kOn); break;
    case DirectoryIcon::EthernetOff: drawPlug(painter, kOff); break;
    case DirectoryIcon::EthernetDisabled: drawPlug(painter, kDisabled); break;
    case DirectoryIcon::GprsOn: drawMast(painter, kOn); break;
    case DirectoryIcon::GprsOff: drawMast(painter, kOff); break;
    case DirectoryIcon::GprsDisabled: drawMast(painter, kDisabled); break;
    case DirectoryIcon::CloudOff: drawCloudOff(painter); break;
    case DirectoryIcon::Delete: drawBin(painter); break;
    case DirectoryIcon::ShowKey: drawEye(painter); break;
    case DirectoryIcon::Close: drawClose(painter); break;
    }
    return pixmap;
}

} // namespace quelta::ui
