#include "ui/status/DoorsView.h"

#include "ui/status/ClickableLabel.h"
#include "core/status/DoorsScreen.h"
#include "ui/status/StatusPainting.h"

#include <QLayout>

namespace quelta::ui {

DoorsView::DoorsView(DoorsScreen &doors, QWidget *parent)
    : QFrame(parent), doors_(doors)
{
    setObjectName(QStringLiteral("PEstatPortes"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedHeight(kHeight);
    for (int n = 1; n <= DoorsScreen::kDoors; ++n) {
        auto *picture = new ClickableLabel(this);
        picture->setObjectName(QStringLiteral("IPBoto%1").arg(n));
        picture->setCursor(Qt::PointingHandCursor);
        connect(picture, &ClickableLabel::clicked, this, [this, n] { doors_.IPBotoClick(n); });
        widgets_.at(static_cast<size_t>(n - 1)) = {picture,
                                                   panel(QStringLiteral("PBotoNom%1").arg(n), DoorsScreen::kNameRadius,
                                                         "#A6CAF0"),
                                                   panel(QStringLiteral("PBoto%1").arg(n), DoorsScreen::kStateRadius,
                                                         "#FFFFFF")};
        showDoor(n);
    }
    connect(&doors_, &DoorsScreen::doorChanged, this, &DoorsView::showDoor);
}

// The radius names the corner ellipse's size, as the region routines take it: half is the
// corner's radius.
QLabel *DoorsView::panel(const QString &name, int radius, const char *background)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel#%1 { background: %2; border: 1px solid #808080; border-radius: %3px; }")
                             .arg(name, QLatin1String(background))
                             .arg(radius / 2));
    return label;
}

void DoorsView::showDoor(int n)
{
    const Door &door = doors_.door(n);
    const DoorWidgets &w = widgets_.at(static_cast<size_t>(n - 1));
    w.picture->setPixmap(doorPicture(door.picture));
    w.picture->setGeometry(door.image);
    w.name->setText(door.name);
    w.name->setGeometry(door.namePanel);
    w.state->setText(door.state);
    w.state->setGeometry(door.statePanel);
    for (QWidget *widget : {static_cast<QWidget *>(w.picture), static_cast<QWidget *>(w.name),
                            static_cast<QWidget *>(w.state)})
        widget->setVisible(door.shown);
}

void DoorsView::setShown(bool shown)
{
    if (shown == isVisibleTo(parentWidget()))
        return;
    setVisible(shown);
    // The core keeps the first layout it makes: it must see the screen's width, not a width from
    // before the column was laid out again.
    if (shown && parentWidget()->layout())
        parentWidget()->layout()->activate();
    doors_.MostraPEstatPortes(shown, size());
}

// The doors are laid out once the screen has its width; the core keeps a layout once made.
void DoorsView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (isVisibleTo(parentWidget()))
        doors_.MostraPEstatPortes(true, size());
}

} // namespace quelta::ui
