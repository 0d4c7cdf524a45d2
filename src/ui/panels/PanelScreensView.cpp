#include "ui/panels/PanelScreensView.h"

#include "core/session/PanelScreens.h"
#include "ui/panels/PanelFronts.h"
#include "ui/panels/ScreenBuilder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QSet>

namespace quelta::ui {
namespace {

// The keys that act as soon as they are pressed rather than when they are let go.
const QSet<QString> kPressKeys = {QStringLiteral("SCofemZafirSilenciar"), QStringLiteral("SSilenciarID3000"),
                                  QStringLiteral("SCofemZafirReset"), QStringLiteral("SRearmeID3000"),
                                  QStringLiteral("Shape39")};

} // namespace

PanelScreensView::PanelScreensView(PanelScreens &panels, QWidget *parent) : QWidget(parent), panels_(panels)
{
    setObjectName(QStringLiteral("PanelScreensView"));
    setFixedHeight(ScreenBuilder::kScreenSize.height());
    setMinimumWidth(ScreenBuilder::kScreenSize.width());

    ScreenBuilder builder(controls_, *this);
    buildAguileraScreens(builder);
    buildBcScreens(builder);
    buildCofemScreens(builder);
    buildZoneScreens(builder);
    buildEventScreens(builder);
    buildDetnovScreen(builder);
    controls_.recordLaidOut();

    for (PanelBox *screen : findChildren<PanelBox *>(QString(), Qt::FindDirectChildrenOnly)) {
        screens_.insert(screen->objectName(), screen);
        connectControls(*screen);
    }

    const PanelDisplay &display = panels_.display();
    connect(&display, &PanelDisplay::controlChanged, this, &PanelScreensView::showControl);
    connect(&display, &PanelDisplay::innerLookChanged, this, &PanelScreensView::showInnerPanels);
    connect(&display, &PanelDisplay::displayReset, this, &PanelScreensView::showAll);
    connect(&panels_, &PanelScreens::screenChanged, this, &PanelScreensView::showScreen);
    showAll();
    showScreen();
}

QWidget *PanelScreensView::screen(const QString &name) const
{
    return screens_.value(name);
}

// Buttons report their own clicks; every other control's presses pass through the filter.
void PanelScreensView::connectControls(QWidget &screen)
{
    for (QWidget *widget : screen.findChildren<QWidget *>()) {
        if (panels_.isClickable(widget->objectName()))
            widget->setCursor(Qt::PointingHandCursor);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            connect(button, &QAbstractButton::clicked, this, [this, button] { click(button->objectName()); });
        else
            widget->installEventFilter(this);
    }
}

void PanelScreensView::showScreen()
{
    const QString shown = panels_.shownScreen();
    for (auto it = screens_.cbegin(); it != screens_.cend(); ++it)
        it.value()->setVisible(it.key() == shown);
    setVisible(screens_.contains(shown));
}

void PanelScreensView::showControl(const QString &name)
{
    const PanelControl *control = controls_.find(name);
    if (!control)
        return;
    const PanelDisplay &display = panels_.display();
    controls_.show(name, display.control(name), display.innerLook(control->screen->objectName()));
}

void PanelScreensView::showInnerPanels(const QString &screen)
{
    if (const QWidget *front = screens_.value(screen)) {
        for (const QString &name : controls_.innerPanels(*front))
            showControl(name);
    }
}

// Every control in its laid-out look and what the display now holds for it. The lamps are left to
// the lamp painter, which knows their blinking.
void PanelScreensView::showAll()
{
    for (const QString &name : controls_.names()) {
        if (!controls_.find(name)->lamp)
            showControl(name);
    }
}

void PanelScreensView::click(const QString &control)
{
    if (panels_.isClickable(control))
        panels_.controlClicked(control);
}

QWidget *PanelScreensView::clickTarget(QWidget *widget) const
{
    for (QWidget *at = widget; at && screens_.value(at->objectName()) != at; at = at->parentWidget()) {
        if (!at->objectName().isEmpty() && panels_.isClickable(at->objectName()))
            return at;
    }
    return nullptr;
}

// A press finds the control it is for; a key that acts on being pressed acts now, any other
// control when the button is let go over it.
bool PanelScreensView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (type == QEvent::MouseButtonPress) {
        pressed_ = clickTarget(qobject_cast<QWidget *>(watched));
        if (!pressed_)
            return false;
        if (kPressKeys.contains(pressed_->objectName())) {
            const QString control = pressed_->objectName();
            pressed_ = nullptr;
            click(control);
        }
        return true;
    }
    QWidget *target = pressed_.data();
    pressed_ = nullptr;
    if (!target)
        return false;
    if (target->rect().contains(target->mapFromGlobal(mouse->globalPosition().toPoint())))
        click(target->objectName());
    return true;
}

void PanelScreensView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        controls_.retranslate();
        showAll();
    }
    QWidget::changeEvent(event);
}

void PanelScreensView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int left = qMax(0, (width() - ScreenBuilder::kScreenSize.width()) / 2);
    for (PanelBox *screen : std::as_const(screens_))
        screen->move(left, 0);
}

} // namespace quelta::ui
