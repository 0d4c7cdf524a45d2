#include "ui/status/ClickableLabel.h"

#include <QMouseEvent>

namespace quelta::ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace quelta::ui
