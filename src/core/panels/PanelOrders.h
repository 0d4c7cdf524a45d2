#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

namespace quelta {

class CommandChannel;
class Prompter;
class StatusCloud;
struct LinkState;

// The orders the installer sends to the fire panel from its screen. The device relays each one;
// the order's text is added to the device's cloud history and shown.
class PanelOrders : public QObject
{
    Q_OBJECT
public:
    // live tells whether the panel is connected and its screen shows live data.
    PanelOrders(LinkState &link, CommandChannel &channel, Prompter &prompter, StatusCloud &cloud,
                std::function<bool()> live, QObject *parent = nullptr);

    void SBRearmeClick();
    void SBReposicioClick();
    void SBSilenciClick();
    void PAD300SilenciarZumClick();
    void PSirenesClick();
    void IBC600EquipsClick();
    void IBC216ResetClick();
    void SCofemZafirSilenciarMouseDown();
    void PResetClick();
    void SCofemZafirResetMouseDown();
    void PDisparSirenesClick();
    void PConnectarClick();
    void PProvaClick();

    // The handler of a control of the panel screens; false when the control sends no order.
    bool click(const QString &control);
    bool handles(const QString &control) const;
    // The handler of an order by its name ("Rearme", "Silenbuz"...), as quelta-cli names it.
    bool byOrderName(const QString &order);

signals:
    // An order went to the device.
    void sent(const QString &order);
    // The text an order shows once sent.
    void shown(const QString &text);
    // The order was refused: the panel is not connected.
    void refused(const QString &text);

private:
    void order(const QString &order, const QString &text);
    void refuse();
    void send(const QString &order);

    LinkState &link_;
    CommandChannel &channel_;
    Prompter &prompter_;
    StatusCloud &cloud_;
    std::function<bool()> live_;
    QElapsedTimer tempsRearme_;
};

} // namespace quelta
