#pragma once

#include <QObject>

class QWidget;

namespace quelta {
class ServiceClicks;
}

namespace quelta::ui {

// The hidden service gestures: clicks on the labels LEstatQuelta, LMac, LCentral and
// LFranjaHoraria go to the core, which counts them; a field it unlocks becomes editable here and
// takes the focus. Labels not built (yet) are passed over.
class ServiceGestures : public QObject
{
    Q_OBJECT
public:
    ServiceGestures(ServiceClicks &clicks, QWidget &root, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unlockField(const QString &name);

    ServiceClicks &clicks_;
    QWidget &root_;
};

} // namespace quelta::ui
