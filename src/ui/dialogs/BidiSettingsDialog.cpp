#include "ui/dialogs/BidiSettingsDialog.h"

#include "core/session/Telecontrol.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace quelta::ui {

BidiSettingsDialog::BidiSettingsDialog(Telecontrol &telecontrol, QWidget *parent)
    : QDialog(parent)
    , telecontrol_(telecontrol)
{
    setObjectName(QStringLiteral("PBidi"));
    setWindowTitle(tr("Bidi"));
    ip_ = new QLineEdit(telecontrol.relay().BidiIP(), this);
    ip_->setObjectName(QStringLiteral("EBidiIP"));
    port_ = new QLineEdit(telecontrol.relay().BidiPort(), this);
    port_->setObjectName(QStringLiteral("EBidiPort"));

    auto *accept = new QPushButton(tr("Aceptar"), this);
    accept->setObjectName(QStringLiteral("BBidiAcceptar"));
    accept->setDefault(true);
    auto *leave = new QPushButton(tr("Salir sin cambiar"), this);
    leave->setObjectName(QStringLiteral("BBidiSortir"));
    connect(accept, &QPushButton::clicked, this, &BidiSettingsDialog::BBidiAcceptarClick);
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(leave);
    auto *form = new QFormLayout(this);
    form->addRow(tr("IP"), ip_);
    form->addRow(tr("Puerto"), port_);
    form->addRow(buttons);
}

void BidiSettingsDialog::MIBidiClick(Telecontrol &telecontrol, QWidget *parent)
{
    if (!telecontrol.MIBidiClick())
        return;
    BidiSettingsDialog dialog(telecontrol, parent);
    dialog.exec();
}

void BidiSettingsDialog::BBidiAcceptarClick()
{
    if (telecontrol_.BBidiAcceptarClick(ip_->text(), port_->text()))
        accept();
    else
        port_->setFocus();
}

} // namespace quelta::ui
