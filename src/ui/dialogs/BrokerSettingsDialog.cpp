#include "ui/dialogs/BrokerSettingsDialog.h"

#include "core/link/MqttClient.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quelta::ui {

BrokerSettingsDialog::BrokerSettingsDialog(const MqttSettings &broker, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFServidorMQTT"));
    setWindowTitle(tr("Servidor MQTT"));
    host_ = new QLineEdit(broker.host, this);
    host_->setObjectName(QStringLiteral("EServidorMQTT"));
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("EPortMQTT"));
    port_->setRange(1, 65535);
    port_->setValue(broker.port);
    user_ = new QLineEdit(broker.userName, this);
    user_->setObjectName(QStringLiteral("EUsuariMQTT"));
    password_ = new QLineEdit(broker.password, this);
    password_->setObjectName(QStringLiteral("EPasswordMQTT"));
    password_->setEchoMode(QLineEdit::Password);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // An empty address cannot be connected to.
    connect(host_, &QLineEdit::textChanged, this, [this, buttons](const QString &text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });

    auto *form = new QFormLayout(this);
    form->addRow(tr("Servidor"), host_);
    form->addRow(tr("Puerto"), port_);
    form->addRow(tr("Usuario"), user_);
    form->addRow(tr("Contraseña"), password_);
    form->addRow(buttons);
}

MqttSettings BrokerSettingsDialog::broker() const
{
    MqttSettings broker;
    broker.host = host_->text().trimmed();
    broker.port = port_->value();
    broker.userName = user_->text();
    broker.password = password_->text();
    return broker;
}

} // namespace quelta::ui
