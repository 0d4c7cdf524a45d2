#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace quelta {
struct MqttSettings;
}

namespace quelta::ui {

// The MQTT broker of remote sessions: its address, port and the account the program signs in with.
class BrokerSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    BrokerSettingsDialog(const MqttSettings &broker, QWidget *parent);

    // The endpoint and account as edited; the client identifier is left to the caller.
    MqttSettings broker() const;

private:
    QLineEdit *host_ = nullptr;
    QSpinBox *port_ = nullptr;
    QLineEdit *user_ = nullptr;
    QLineEdit *password_ = nullptr;
};

} // namespace quelta::ui
