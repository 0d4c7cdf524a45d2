#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

namespace quelta {
struct Gauge;
}

namespace quelta::ui {

// A gauge of the status screen: a bar 150 px wide with its restore and trigger markers under it
// and their labels beside them, and, for the power supply, the voltage reading on its right.
class GaugeView : public QWidget
{
    Q_OBJECT
public:
    struct Names
    {
        const char *gauge;
        const char *restoreMarker;
        const char *restoreLabel;
        const char *triggerMarker;
        const char *triggerLabel;
        const char *voltage; // nullptr: no reading
    };

    // Room on the bar's left for a label that lies before a marker near the start.
    static constexpr int kLeft = 34;
    static constexpr int kBarTop = 2;
    static constexpr int kBarHeight = 16;

    GaugeView(const Names &names, QWidget *parent = nullptr);

    void display(const Gauge &gauge, const QColor &labelColour);

private:
    QLabel *label(const char *name);
    QFrame *marker(const char *name);
    void place(QFrame *marker, QLabel *label, int position, int labelLeft, const QString &text, int line);

    QProgressBar *bar_;
    QFrame *restoreMarker_;
    QLabel *restoreLabel_;
    QFrame *triggerMarker_;
    QLabel *triggerLabel_;
    QLabel *voltage_ = nullptr;
};

} // namespace quelta::ui
