#include "ui/status/ServiceGestures.h"

#include "core/status/ServiceClicks.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace quelta::ui {
namespace {

struct Gesture
{
    const char *label;
    void (ServiceClicks::*click)();
};

constexpr Gesture kGestures[] = {
    {"LEstatQuelta", &ServiceClicks::LEstatQueltaClick},
    {"LMac", &ServiceClicks::LMacClick},
    {"LCentral", &ServiceClicks::LCentralClick},
    {"LFranjaHoraria", &ServiceClicks::LCentralClick},
};

} // namespace

ServiceGestures::ServiceGestures(ServiceClicks &clicks, QWidget &root, QObject *parent)
    : QObject(parent), clicks_(clicks), root_(root)
{
    for (const Gesture &gesture : kGestures) {
        if (auto *label = root_.findChild<QWidget *>(QLatin1String(gesture.label)))
            label->installEventFilter(this);
    }
    connect(&clicks_, &ServiceClicks::fieldUnlocked, this, &ServiceGestures::unlockField);
}

bool ServiceGestures::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (const Gesture &gesture : kGestures) {
            if (watched->objectName() == QLatin1String(gesture.label))
                (clicks_.*gesture.click)();
        }
    }
    return QObject::eventFilter(watched, event);
}

void ServiceGestures::unlockField(const QString &name)
{
    auto *field = root_.findChild<QLineEdit *>(name);
    if (!field)
        return;
    field->setReadOnly(false);
    field->setEnabled(true);
    field->setFocus();
}

} // namespace quelta::ui
