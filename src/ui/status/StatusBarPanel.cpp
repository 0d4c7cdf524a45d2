#include "ui/status/StatusBarPanel.h"

#include "ui/status/StatusPainting.h"

#include <QPainter>

#include <algorithm>

namespace quelta::ui {

StatusBarPanel::StatusBarPanel(QWidget *parent)
    : QLabel(parent)
    , background_(toQColor(colour::silver, *this))
{
}

QFont StatusBarPanel::panelFont(const QWidget &widget)
{
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSize(StatusScreen::statusBarFontSize(widget.logicalDpiY()));
    return font;
}

void StatusBarPanel::setLook(const StatusBarPanelLook &look)
{
    background_ = toQColor(look.background, *this);
    picture_ = look.picture;
    drawnText_ = look.text;
    update();
}

void StatusBarPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, background_);
    const QPoint origin = inside.topLeft() + QPoint(std::max(indent(), 0), 0);
    const QPixmap pixmap = imageListPicture(picture_, kPictureWidth);
    if (!pixmap.isNull())
        painter.drawPixmap(origin + kPictureAt, pixmap);
    const int textLeft = origin.x() + kPictureWidth + kTextGap;
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(textLeft, inside.top(), inside.right() - textLeft, inside.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, drawnText_);
}

} // namespace quelta::ui
