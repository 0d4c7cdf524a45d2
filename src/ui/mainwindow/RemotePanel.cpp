#include "ui/mainwindow/RemotePanel.h"

#include "core/session/DeviceSession.h"
#include "ui/pages/Colours.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quelta::ui {
namespace {

QLineEdit *lineEdit(const char *name, int width, bool readOnly, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(width);
    edit->setReadOnly(readOnly);
    return edit;
}

} // namespace

RemotePanel::RemotePanel(DeviceSession &device, QWidget *parent)
    : QFrame(parent), device_(device)
{
    setObjectName(QStringLiteral("PIP"));
    setAutoFillBackground(true);
    caption_ = new QLabel(this);
    EIPRemot_ = lineEdit("EIPRemot", 160, true, this);
    EPortRemot_ = lineEdit("EPortRemot", 70, true, this);
    EIdentRemot_ = lineEdit("EIdentRemot", 170, false, this);
    BBConnectarRemot_ = new QPushButton(this);
    BBConnectarRemot_->setObjectName(QStringLiteral("BBConnectarRemot"));
    connect(BBConnectarRemot_, &QPushButton::clicked, this,
            [this] { device_.BBConnectarRemotClick(EIdentRemot_->text()); });
    connect(EIdentRemot_, &QLineEdit::returnPressed, BBConnectarRemot_, &QPushButton::click);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(EIPRemot_);
    layout->addWidget(EPortRemot_);
    layout->addWidget(EIdentRemot_);
    layout->addWidget(BBConnectarRemot_);
    layout->addStretch(1);
    retranslateUi();
    reset();
}

void RemotePanel::offerConnection()
{
    if (EIdentRemot_->text().trimmed().isEmpty())
        EIdentRemot_->setText(device_.link().identConnectar);
    showBroker(device_.broker());
    showButton(device_.mqtt().state() == Transport::State::Open);
    EIdentRemot_->setFocus();
}

void RemotePanel::showLinked()
{
    setColour(colours::kLightBlue);
    EIdentRemot_->setText(device_.link().identConnectar);
    showButton(true);
}

void RemotePanel::showLost()
{
    setColour(colours::kLightGrey);
    showButton(false);
    BBConnectarRemot_->hide();
}

void RemotePanel::reset()
{
    setPalette(QPalette());
    showButton(false);
    BBConnectarRemot_->hide();
}

void RemotePanel::showBroker(const MqttSettings &broker)
{
    EIPRemot_->setText(broker.host);
    EPortRemot_->setText(QString::number(broker.port));
}

void RemotePanel::showButton(bool linked)
{
    linked_ = linked;
    BBConnectarRemot_->setText(linked ? tr("Desconectar") : tr("Conectar"));
    BBConnectarRemot_->show();
}

void RemotePanel::setColour(const QColor &colour)
{
    QPalette palette;
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void RemotePanel::retranslateUi()
{
    caption_->setText(tr("COMUNICACION REMOTA"));
    EIdentRemot_->setPlaceholderText(tr("Identificador del equipo"));
    BBConnectarRemot_->setText(linked_ ? tr("Desconectar") : tr("Conectar"));
}

void RemotePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

} // namespace quelta::ui
