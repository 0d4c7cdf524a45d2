#pragma once

#include <QLabel>

namespace quelta::ui {

// A panel or picture of the status screen that answers a left click.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace quelta::ui
