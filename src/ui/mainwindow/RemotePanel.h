#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quelta {
class DeviceSession;
struct MqttSettings;
} // namespace quelta

namespace quelta::ui {

// The remote link's strip (PIP): the broker the session goes through, the device to reach, and
// the button that opens or ends the session. Grey while no session stands, light blue while one
// does.
class RemotePanel : public QFrame
{
    Q_OBJECT
public:
    RemotePanel(DeviceSession &device, QWidget *parent);

    // "Conectar" is offered for the device last identified, unless another one was typed.
    void offerConnection();
    // The session stands: light blue, "Desconectar".
    void showLinked();
    // The broker connection was lost: grey, and the button waits hidden.
    void showLost();
    // No session: the panel's own colour, the button hidden.
    void reset();
    void showBroker(const MqttSettings &broker);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void setColour(const QColor &colour);
    void showButton(bool linked);

    DeviceSession &device_;
    QLabel *caption_ = nullptr;
    QLineEdit *EIPRemot_ = nullptr;
    QLineEdit *EPortRemot_ = nullptr;
    QLineEdit *EIdentRemot_ = nullptr;
    QPushButton *BBConnectarRemot_ = nullptr;
    bool linked_ = false;
};

} // namespace quelta::ui
