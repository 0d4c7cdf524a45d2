#pragma once

#include "core/link/PanelType.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelEventLists.h"
#include "core/panels/CloudPanelEventSource.h"
#include "core/panels/PanelLayout.h"
#include "core/panels/PanelOrders.h"
#include "core/panels/PanelStates.h"
#include "core/status/PanelSections.h"

#include <QObject>

namespace quelta {

class DeviceSession;
class ProgramContext;
class StatusScreens;

// The fire panel beside the device: the screen of its type, its state and event sections routed to
// the routines of that type, the orders sent to it, with the event lists it keeps in the cloud.
class PanelScreens : public QObject, public PanelSections
{
    Q_OBJECT
public:
    PanelScreens(ProgramContext &context, DeviceSession &device, StatusScreens &screens, QObject *parent = nullptr);

    PanelDisplay &display() { return display_; }
    const PanelDisplay &display() const { return display_; }
    PanelOrders &orders() { return orders_; }
    PanelEventLists &eventLists() { return eventLists_; }

    // The panel of the current type, or none while the device has no COM port.
    const PanelType &type() const;
    // The screen above the device's own state: the panel's, or "PEstatQuelta" alone.
    QString shownScreen() const { return type().screen; }
    // The "Bidi" menu item (the telecontrol settings) is offered for the Aguilera panels only.
    bool bidiOffered() const { return isAguilera(type().family); }
    // The panel link is up and the screen shows live data, not a cloud snapshot.
    bool live() const;
    void setCloudSnapshot(bool snapshot);

    // A click (or a mouse press) on a control of a panel screen: an order, an event-list selector,
    // a counter panel or an Aguilera list button. False when the control does nothing.
    bool controlClicked(const QString &control);
    bool isClickable(const QString &control) const;

    // Inicialitza_PEstat: every panel screen back to its state without a device.
    void clear();

    void panelState(QChar kind, const QString &payload) override;
    void panelEvent(QChar kind, const QString &payload) override;

signals:
    // Another screen is shown, or the shown one was laid out afresh.
    void screenChanged();

private:
    void layOutScreen();
    void followPanelLink();
    // The gate follows the panel link; true when it changed.
    bool updateGate();

    DeviceSession &device_;
    StatusScreens &screens_;
    CloudPanelEventSource cloudSource_;
    PanelDisplay display_;
    PanelEventLists eventLists_;
    PanelStates states_;
    PanelLayout layout_;
    PanelOrders orders_;
    bool snapshot_ = false;
};

} // namespace quelta
