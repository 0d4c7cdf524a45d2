#pragma once

#include <QObject>

class QWidget;

namespace quelta {
class BlinkEngine;
struct LampLook;
} // namespace quelta

namespace quelta::ui {

// Paints the blink engine's lamps on the widgets of the same name under a root widget: a shape
// takes the lamp's colour, a zone number its caption and weight, a zone picture its picture. A
// lamp with no widget (its panel screen is not built) is passed over.
class LampPainter : public QObject
{
    Q_OBJECT
public:
    LampPainter(BlinkEngine &engine, QWidget &root, QObject *parent = nullptr);

private:
    void paint(const QString &lamp, const LampLook &look);

    QWidget &root_;
};

} // namespace quelta::ui
