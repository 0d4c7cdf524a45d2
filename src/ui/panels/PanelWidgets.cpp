#include "ui/panels/PanelWidgets.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace quelta::ui {
namespace {

// The background role of the custom-drawn controls: no painter other than their own fills them.
constexpr QPalette::ColorRole kClearRole = QPalette::ToolTipBase;

// The corner ellipse's size halved, and never more than the shorter side allows.
qreal cornerOf(int radius, const QRectF &area)
{
    return qMin(radius / 2.0, qMin(area.width(), area.height()) / 2.0);
}

// A bevel's edge: the fill taken a third of the way to white or black, so that even a black or a
// white panel shows its edges.
QColor blend(const QColor &fill, const QColor &towards)
{
    const auto mix = [](int from, int to) { return from + (to - from) * 2 / 5; };
    return QColor(mix(fill.red(), towards.red()), mix(fill.green(), towards.green()), mix(fill.blue(), towards.blue()));
}

QPainterPath outline(const QRectF &area, int radius)
{
    QPainterPath path;
    const qreal corner = cornerOf(radius, area);
    if (corner > 0)
        path.addRoundedRect(area, corner, corner);
    else
        path.addRect(area);
    return path;
}

} // namespace

void keepBackgroundClear(QWidget &widget)
{
    if (widget.backgroundRole() == kClearRole && widget.palette().color(kClearRole).alpha() == 0)
        return;
    QPalette palette = widget.palette();
    palette.setColor(kClearRole, Qt::transparent);
    widget.setPalette(palette);
    widget.setBackgroundRole(kClearRole);
    // Without this the text would take the colour that goes with the background role.
    widget.setForegroundRole(QPalette::WindowText);
}

PanelBox::PanelBox(QWidget *parent) : QWidget(parent) {}

void PanelBox::setCaption(const QString &caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
}

void PanelBox::setCornerRadius(int radius)
{
    if (cornerRadius_ == radius)
        return;
    cornerRadius_ = radius;
    update();
}

void PanelBox::setBevel(Bevel bevel)
{
    bevel_ = bevel;
    update();
}

void PanelBox::setCaptionAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void PanelBox::setCaptionStyle(qreal scale, bool bold)
{
    captionScale_ = scale;
    captionBold_ = bold;
    update();
}

void PanelBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor fill = palette().color(QPalette::Window);
    const QPainterPath path = outline(area, cornerRadius_);
    painter.fillPath(path, fill);
    if (bevel_ != Bevel::None && fill.alpha() > 0) {
        const QColor lit = blend(fill, Qt::white);
        const QColor shade = blend(fill, Qt::black);
        const QColor light = bevel_ == Bevel::Raised ? lit : shade;
        const QColor dark = bevel_ == Bevel::Raised ? shade : lit;
        if (cornerOf(cornerRadius_, area) > 0) {
            painter.strokePath(path, QPen(dark, 1));
        } else {
            painter.setPen(QPen(light, 1));
            painter.drawLine(area.topLeft(), area.topRight());
            painter.drawLine(area.topLeft(), area.bottomLeft());
            painter.setPen(QPen(dark, 1));
            painter.drawLine(area.bottomLeft(), area.bottomRight());
            painter.drawLine(area.topRight(), area.bottomRight());
        }
    }
    if (caption_.isEmpty())
        return;
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * captionScale_);
    if (captionBold_)
        font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const int margin = 4 + int(cornerOf(cornerRadius_, area) / 3);
    painter.drawText(rect().adjusted(margin, 2, -margin, -2), int(alignment_) | Qt::TextWordWrap, caption_);
}

LampShape::LampShape(Form form, QWidget *parent) : QWidget(parent), form_(form)
{
    keepBackgroundClear(*this);
}

void LampShape::setCornerRadius(int radius)
{
    if (cornerRadius_ == radius)
        return;
    cornerRadius_ = radius;
    update();
}

// A round lamp has a dark rim and a glint, so that an unlit lamp still reads as a lamp.
void LampShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor fill = palette().color(QPalette::Window);
    painter.setPen(QPen(fill.darker(220), 1));
    painter.setBrush(fill);
    if (form_ == Form::Square) {
        painter.drawPath(outline(area, cornerRadius_));
        return;
    }
    painter.drawEllipse(area);
    QRadialGradient glint(area.center() - QPointF(area.width() / 5, area.height() / 5), area.width() / 2);
    glint.setColorAt(0, QColor(255, 255, 255, 170));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glint);
    painter.drawEllipse(area.adjusted(1, 1, -1, -1));
}

void LampShape::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        keepBackgroundClear(*this);
    QWidget::changeEvent(event);
}

} // namespace quelta::ui
