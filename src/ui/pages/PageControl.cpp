#include "ui/pages/PageControl.h"

#include "ui/pages/Colours.h"

#include <QPainter>
#include <QTabBar>

namespace quelta::ui {
namespace {

class PageTabBar : public QTabBar
{
public:
    explicit PageTabBar(QWidget *parent)
        : QTabBar(parent)
    {
        setExpanding(false);
        setDrawBase(false);
    }

    void setTabHeight(int height)
    {
        tabHeight_ = height;
        updateGeometry();
    }

protected:
    QSize tabSizeHint(int) const override { return {PageControl::kTabWidth, tabHeight_}; }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int index = 0; index < count(); ++index) {
            if (!isTabVisible(index))
                continue;
            const QRect tab = tabRect(index).adjusted(0, 0, -1, -1);
            painter.fillRect(tab, index == currentIndex() ? colours::kLightBlue : colours::kLightGrey);
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(tab);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(tab, Qt::AlignCenter, tabText(index));
        }
    }

private:
    int tabHeight_ = 26;
};

} // namespace

PageControl::PageControl(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PCProgramacio"));
    setTabBar(new PageTabBar(this));
}

void PageControl::setTabHeight(int height)
{
    static_cast<PageTabBar *>(tabBar())->setTabHeight(height);
}

} // namespace quelta::ui
