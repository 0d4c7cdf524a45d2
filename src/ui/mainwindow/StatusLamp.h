#pragma once

#include <QColor>
#include <QWidget>

namespace quelta::ui {

// A small round link lamp of the status bar: lit in its colour, dark grey when off.
class StatusLamp : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSize = 16;

    StatusLamp(const QColor &litColour, QWidget *parent = nullptr);

    bool isOn() const { return on_; }
    void setOn(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor litColour_;
    bool on_ = false;
};

} // namespace quelta::ui
