#include "ui/status/StatusPainting.h"

#include "core/status/StatusScreen.h"
#include "ui/pages/Colours.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

namespace quelta::ui {
namespace {

// Windows' grey text, which the palette of other platforms does not carry.
const QColor kGrayText(109, 109, 109);

QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A link plug: two prongs into a body, whole when connected, with a gap when not.
void drawPlug(QPainter &p, int s, const QColor &colour, bool joined)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    const int gap = joined ? 0 : s / 6;
    p.drawRoundedRect(QRectF(s * 0.05, s * 0.3, s * 0.4 - gap, s * 0.4), 2, 2);
    p.drawRoundedRect(QRectF(s * 0.55 + gap, s * 0.3, s * 0.4 - gap, s * 0.4), 2, 2);
    p.drawLine(QPointF(s * 0.45 - gap, s * 0.42), QPointF(s * 0.55 + gap, s * 0.42));
    p.drawLine(QPointF(s * 0.45 - gap, s * 0.58), QPointF(s * 0.55 + gap, s * 0.58));
}

void drawFunnel(QPainter &p, int s)
{
    QPainterPath path;
    path.moveTo(s * 0.1, s * 0.15);
    path.lineTo(s * 0.9, s * 0.15);
    path.lineTo(s * 0.58, s * 0.55);
    path.lineTo(s * 0.58, s * 0.9);
    path.lineTo(s * 0.42, s * 0.8);
    path.lineTo(s * 0.42, s * 0.55);
    path.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 102, 204));
    p.drawPath(path);
}

void drawList(QPainter &p, int s)
{
    p.setPen(QPen(QColor(0, 102, 204), qMax(1, s / 8)));
    for (int row = 1; row <= 4; ++row)
        p.drawLine(QPointF(s * 0.15, s * row * 0.2), QPointF(s * 0.85, s * row * 0.2));
}

void drawFollow(QPainter &p, int s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawPolygon(QPolygonF({QPointF(s * 0.2, s * 0.15), QPointF(s * 0.8, s * 0.15), QPointF(s * 0.5, s * 0.65)}));
    p.drawRect(QRectF(s * 0.2, s * 0.75, s * 0.6, s * 0.12));
}

void drawPause(QPainter &p, int s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawRect(QRectF(s * 0.22, s * 0.15, s * 0.2, s * 0.7));
    p.drawRect(QRectF(s * 0.58, s * 0.15, s * 0.2, s * 0.7));
}

// A restart: an almost closed circle with the arrow head at its open end.
void drawRestart(QPainter &p, int s)
{
    const QColor green(0, 128, 0);
    p.setPen(QPen(green, qMax(2, s / 8), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(s * 0.18, s * 0.18, s * 0.64, s * 0.64);
    p.drawArc(circle, 100 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF({QPointF(s * 0.38, s * 0.02), QPointF(s * 0.62, s * 0.18), QPointF(s * 0.38, s * 0.34)}));
}

// A report to the receiving centre: a mast sending waves.
void drawTransmit(QPainter &p, int s)
{
    const QColor blue(0, 102, 204);
    p.setPen(QPen(blue, qMax(2, s / 10), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(s * 0.5, s * 0.45), QPointF(s * 0.3, s * 0.95));
    p.drawLine(QPointF(s * 0.5, s * 0.45), QPointF(s * 0.7, s * 0.95));
    for (const double r : {0.18, 0.34}) {
        const QRectF wave(s * (0.5 - r), s * (0.4 - r), s * 2 * r, s * 2 * r);
        p.drawArc(wave, 30 * 16, 120 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(QPointF(s * 0.5, s * 0.42), s * 0.08, s * 0.08);
}

void drawDoor(QPainter &p, bool open, const QColor &frame)
{
    p.setPen(QPen(frame, 4));
    p.setBrush(QColor(240, 240, 240));
    p.drawRect(30, 10, 60, 100);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 95, 45));
    if (open)
        p.drawPolygon(QPolygon({QPoint(30, 10), QPoint(52, 22), QPoint(52, 104), QPoint(30, 110)}));
    else
        p.drawRect(34, 14, 52, 92);
    p.setBrush(QColor(230, 200, 60));
    p.drawEllipse(open ? QPoint(46, 62) : QPoint(78, 62), 3, 3);
}

void drawArrow(QPainter &p, bool opening)
{
    p.setPen(QPen(QColor(0, 102, 204), 4));
    const int y = 116 - 6;
    p.drawLine(20, y, 100, y);
    const int tip = opening ? 20 : 100;
    const int back = opening ? 30 : 90;
    p.drawLine(tip, y, back, y - 6);
    p.drawLine(tip, y, back, y + 6);
}

} // namespace

// System colours come from the widget class's own palette, not from the widget's, which the
// status screen repaints.
QColor toQColor(Colour colour, const QWidget &widget)
{
    const QPalette palette = QApplication::palette(&widget);
    switch (colour.system) {
    case SystemColour::None: return QColor::fromRgba(colour.rgb);
    case SystemColour::Window: return palette.color(QPalette::Base);
    case SystemColour::WindowText: return palette.color(QPalette::WindowText);
    case SystemColour::ButtonFace: return palette.color(QPalette::Button);
    case SystemColour::ButtonShadow: return palette.color(QPalette::Dark);
    case SystemColour::InactiveCaption: return colours::kInactiveCaption;
    case SystemColour::GrayText: return kGrayText;
    case SystemColour::HotLight: return colours::kHotLight;
    case SystemColour::DarkShadow: return palette.color(QPalette::Shadow);
    }
    return {};
}

void paintPanel(QWidget &widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QPixmap imageListPicture(int index, int size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 3: drawPlug(p, size, QColor(255, 128, 0), false); break;
    case 4: drawPlug(p, size, QColor(0, 200, 0), true); break;
    case 6: drawPause(p, size); break;
    case 9: drawList(p, size); break;
    case 10: drawFunnel(p, size); break;
    case 13: drawFollow(p, size); break;
    case 19: drawPlug(p, size, QColor(0, 160, 0), true); break;
    case 20: drawPlug(p, size, QColor(128, 128, 128), false); break;
    case StatusScreen::kResetGlyph: drawRestart(p, size); break;
    case StatusScreen::kCraGlyph: drawTransmit(p, size); break;
    default: return {};
    }
    return pixmap;
}

QPixmap doorPicture(int index)
{
    QPixmap pixmap = blank(120);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: drawDoor(p, false, QColor(0, 128, 0)); break;
    case 1: drawDoor(p, false, QColor(255, 128, 0)); drawArrow(p, false); break;
    case 2: drawDoor(p, true, QColor(0, 128, 0)); break;
    case 3: drawDoor(p, true, QColor(255, 128, 0)); drawArrow(p, true); break;
    case 4: drawDoor(p, false, QColor(128, 128, 128)); break;
    case 5:
        drawDoor(p, false, QColor(200, 0, 0));
        p.setPen(QPen(QColor(200, 0, 0), 6));
        p.drawLine(20, 20, 100, 100);
        break;
    default: return {};
    }
    return pixmap;
}

} // namespace quelta::ui
