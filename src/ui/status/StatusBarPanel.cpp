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

QPoint StatusBarPanel::origin() const
{
    return contentsRect().topLeft() + QPoint(std::max(indent(), 0), 0);
}

QRect StatusBarPanel::textRect() const
{
    const QRect inside = contentsRect();
    const int textLeft = origin().x() + kPictureWidth + kTextGap;
    return {textLeft, inside.top(), inside.right() + 1 - textLeft, inside.height()};
}

void StatusBarPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), background_);
    const QPixmap pixmap = imageListPicture(picture_, kPictureWidth);
    if (!pixmap.isNull())
        painter.drawPixmap(origin() + kPictureAt, pixmap);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, drawnText_);
}

} // namespace quelta::ui
