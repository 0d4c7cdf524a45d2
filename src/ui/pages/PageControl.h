#pragma once

#include <QTabWidget>

namespace quelta::ui {

// The page control PCProgramacio. Its tabs are drawn by the program (PCProgramacioDrawTab): all
// 140 px wide, light grey, the active one light blue, captions centred.
class PageControl : public QTabWidget
{
    Q_OBJECT
public:
    static constexpr int kTabWidth = 140;

    explicit PageControl(QWidget *parent = nullptr);

    void setTabHeight(int height);
};

} // namespace quelta::ui
