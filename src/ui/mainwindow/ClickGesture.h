#pragma once

#include <QObject>

namespace quelta::ui {

// A hidden gesture: a run of clicks on one spot. The last click of the run completes it and the
// count starts again, so every further run completes it anew.
class ClickGesture : public QObject
{
    Q_OBJECT
public:
    static constexpr int kClicks = 11;

    explicit ClickGesture(QObject *parent = nullptr);

    void click();

signals:
    void completed();

private:
    int clicks_ = 0;
};

} // namespace quelta::ui
