#pragma once

#include "ui/panels/PanelControls.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace quelta {
class PanelScreens;
}

namespace quelta::ui {

class PanelBox;

// The fire panel's screen above the device's own state: the fronts of all fourteen panel types,
// of which only the one the core names is shown (none for the device alone or a door controller).
// Every control is painted in the look the panel routines give it; a click on a control that acts
// (an order, a list selector, a counter) goes to the core, or a press for the keys that act on
// being pressed. Lamps of the blink engine are painted by the window's lamp painter.
class PanelScreensView : public QWidget
{
    Q_OBJECT
public:
    explicit PanelScreensView(PanelScreens &panels, QWidget *parent = nullptr);

    // A screen by its name (PEstatAgui...), or null.
    QWidget *screen(const QString &name) const;
    QStringList screenNames() const { return screens_.keys(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectControls(QWidget &screen);
    void showScreen();
    void showControl(const QString &name);
    void showInnerPanels(const QString &screen);
    void showAll();
    void click(const QString &control);
    // The control a press on this widget is for: itself or the nearest control under it that acts.
    QWidget *clickTarget(QWidget *widget) const;

    PanelScreens &panels_;
    PanelControls controls_;
    QHash<QString, PanelBox *> screens_;
    QPointer<QWidget> pressed_;
};

} // namespace quelta::ui
