#pragma once

#include <QComboBox>

namespace quelta::ui {

// The device's time zone, CBHora: 24 whole-hour zones from UTC-10 to UTC+13, its position being
// the offset plus 10. The long item texts wrap in the open list, each item as tall as its text.
class TimeZoneList : public QComboBox
{
    Q_OBJECT
public:
    explicit TimeZoneList(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void changeEvent(QEvent *event) override;
};

} // namespace quelta::ui
