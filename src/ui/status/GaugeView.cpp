#include "ui/status/GaugeView.h"

#include "ui/status/StatusPainting.h"
#include "core/status/StatusScreen.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

namespace quelta::ui {
namespace {

constexpr int kMarkerWidth = 3;
constexpr int kMarkerHeight = 8;
constexpr int kLabelTop = kMarkerHeight + GaugeView::kBarTop + GaugeView::kBarHeight;
constexpr int kVoltageWidth = 60;

} // namespace

GaugeView::GaugeView(const Names &names, QWidget *parent)
    : QWidget(parent)
{
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QLatin1String(names.gauge));
    bar_->setTextVisible(false);
    bar_->setGeometry(kLeft, kBarTop, StatusScreen::kGaugeWidth, kBarHeight);
    restoreMarker_ = marker(names.restoreMarker);
    restoreLabel_ = label(names.restoreLabel);
    triggerMarker_ = marker(names.triggerMarker);
    triggerLabel_ = label(names.triggerLabel);
    int width = kLeft + StatusScreen::kGaugeWidth + 30;
    if (names.voltage) {
        voltage_ = label(names.voltage);
        voltage_->setGeometry(kLeft + StatusScreen::kGaugeWidth + 8, kBarTop, kVoltageWidth, kBarHeight);
        width += kVoltageWidth;
    }
    setFixedSize(width, kLabelTop + 2 * fontMetrics().height() + 2);
}

QLabel *GaugeView::label(const char *name)
{
    auto *widget = new QLabel(this);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QFrame *GaugeView::marker(const char *name)
{
    auto *shape = new QFrame(this);
    shape->setObjectName(QLatin1String(name));
    shape->resize(kMarkerWidth, kMarkerHeight);
    paintPanel(*shape, Qt::black, Qt::black);
    return shape;
}

// Positions are pixels from the bar's left edge; the marker is centred on its position. The
// labels take a line each, since close levels would write one over the other.
void GaugeView::place(QFrame *marker, QLabel *label, int position, int labelLeft, const QString &text, int line)
{
    marker->move(kLeft + position - kMarkerWidth / 2, kBarTop + kBarHeight);
    label->setText(text);
    label->adjustSize();
    label->move(kLeft + labelLeft, kLabelTop + line * fontMetrics().height());
}

void GaugeView::display(const Gauge &gauge, const QColor &labelColour)
{
    bar_->setRange(0, gauge.maximum);
    bar_->setValue(gauge.position);
    QPalette palette = bar_->palette();
    palette.setColor(QPalette::Highlight, toQColor(gauge.bar, *this));
    bar_->setPalette(palette);
    place(triggerMarker_, triggerLabel_, gauge.triggerMarker, gauge.triggerLabelLeft, gauge.triggerLabel, 0);
    place(restoreMarker_, restoreLabel_, gauge.restoreMarker, gauge.restoreLabelLeft, gauge.restoreLabel, 1);
    QList<QLabel *> labels{restoreLabel_, triggerLabel_};
    if (voltage_) {
        voltage_->setText(gauge.voltage);
        labels.append(voltage_);
    }
    for (QLabel *label : labels) {
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, labelColour);
        label->setPalette(text);
    }
}

} // namespace quelta::ui
