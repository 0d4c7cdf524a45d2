#include "core/panels/PanelOrders.h"

#include "core/base/Prompter.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/status/StatusCloud.h"

#include <QHash>

namespace quelta {
namespace {

const QString kHistoryCode = QStringLiteral("77000");
constexpr int kDialogSeconds = 5;
constexpr qint64 kRearmGuardMs = 3000;

using Handler = void (PanelOrders::*)();

// Every control of the panel screens that sends an order, and its handler.
const QHash<QString, Handler> &handlers()
{
    static const QHash<QString, Handler> table = [] {
        QHash<QString, Handler> h;
        const auto add = [&h](std::initializer_list<const char *> controls, Handler handler) {
            for (const char *control : controls)
                h.insert(QLatin1String(control), handler);
        };
        add({"SBRearme", "PBC600Rearme", "IBC600Rearme", "PBC216Rearme", "IBC216Rearme", "PUranoRearme", "PAD300Rearme",
             "PSyncroRepo", "PSupraRearme", "PKomttechRearme", "IKomttechRearme", "BBCofemReset"},
            &PanelOrders::SBRearmeClick);
        add({"SBReposicio"}, &PanelOrders::SBReposicioClick);
        add({"SBSilenci", "PBC600ResetZumb", "IBC600ResetZum", "PBC216ResetZumb", "IBC216ResetZumb", "PUranoSilZum",
             "PAD300Botons", "PSupraSilenzum", "PZumbador", "LKomttechSIlenci", "IKomttechSilenci",
             "BBCofemSilenciarZumbador", "Label121", "Label138", "Label139"},
            &PanelOrders::SBSilenciClick);
        add({"PAD300SilenciarZum"}, &PanelOrders::PAD300SilenciarZumClick);
        add({"PSirenes", "PSyncroAlarma", "PSupraSilenSir", "BBCofemSilenciarSirena", "Image3", "Image17", "Image18"},
            &PanelOrders::PSirenesClick);
        add({"IBC600Equips"}, &PanelOrders::IBC600EquipsClick);
        add({"PBC216Reset", "IBC216Reset"}, &PanelOrders::IBC216ResetClick);
        add({"SCofemZafirSilenciar", "SSilenciarID3000"}, &PanelOrders::SCofemZafirSilenciarMouseDown);
        add({"PReset", "PCofemZafirReset", "PCofemZafirSilenciar", "Label193", "Image6"}, &PanelOrders::PResetClick);
        add({"SCofemZafirReset", "SRearmeID3000", "Shape39"}, &PanelOrders::SCofemZafirResetMouseDown);
        add({"PDisparSirenes", "Image7"}, &PanelOrders::PDisparSirenesClick);
        add({"PConnectar", "Image4"}, &PanelOrders::PConnectarClick);
        add({"PProva", "Image5"}, &PanelOrders::PProvaClick);
        return h;
    }();
    return table;
}

} // namespace

PanelOrders::PanelOrders(LinkState &link, CommandChannel &channel, Prompter &prompter, StatusCloud &cloud,
                         std::function<bool()> live, QObject *parent)
    : QObject(parent), link_(link), channel_(channel), prompter_(prompter), cloud_(cloud), live_(std::move(live))
{
}

bool PanelOrders::handles(const QString &control) const
{
    return handlers().contains(control);
}

bool PanelOrders::click(const QString &control)
{
    const Handler handler = handlers().value(control);
    if (!handler)
        return false;
    (this->*handler)();
    return true;
}

bool PanelOrders::byOrderName(const QString &name)
{
    static const QHash<QString, Handler> byName = {
        {QStringLiteral("Rearme"), &PanelOrders::SBRearmeClick},     {QStringLiteral("Repos"), &PanelOrders::SBReposicioClick},
        {QStringLiteral("Silenbuz"), &PanelOrders::SBSilenciClick},  {QStringLiteral("Silensir"), &PanelOrders::PSirenesClick},
        {QStringLiteral("Reset"), &PanelOrders::PResetClick},        {QStringLiteral("Sirena"), &PanelOrders::PDisparSirenesClick},
        {QStringLiteral("Connex"), &PanelOrders::PConnectarClick},   {QStringLiteral("Test"), &PanelOrders::PProvaClick},
    };
    const Handler handler = byName.value(name);
    if (!handler)
        return false;
    (this->*handler)();
    return true;
}

void PanelOrders::refuse()
{
    const QString text = tr("Central no conectada");
    DialogRequest warning = dialog::warning(text, kDialogSeconds);
    warning.caption.prepend(QStringLiteral("  "));
    prompter_.ElMeuMessageDlg(warning);
    emit refused(text);
}

// Locally the framed command on the port; remotely "{#order}" on the status topic.
void PanelOrders::send(const QString &order)
{
    if (link_.isLocal())
        channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("ord=") + order));
    else if (link_.isRemote())
        channel_.sendRaw(QStringLiteral("{#") + order + QLatin1Char('}'), RemoteTopic::Sts);
    else
        return;
    emit sent(order);
}

void PanelOrders::order(const QString &order, const QString &text)
{
    if (!live_()) {
        refuse();
        return;
    }
    send(order);
    if (text.isEmpty())
        return;
    cloud_.ActualitzaEventsRTDB(link_.identConnectar, text, kHistoryCode);
    prompter_.ElMeuMessageDlg({QStringLiteral("  "), text, DialogType::Information, {DialogResult::Ok}, {}, kDialogSeconds});
    emit shown(text);
}

// A second press within three seconds is refused; otherwise the order goes only to a live panel.
void PanelOrders::SBRearmeClick()
{
    const bool repeated = tempsRearme_.isValid() && tempsRearme_.elapsed() < kRearmGuardMs;
    tempsRearme_.start();
    if (repeated) {
        refuse();
        return;
    }
    if (live_())
        order(QStringLiteral("Rearme"), tr("Rearmando la Central desde PC"));
}

void PanelOrders::SBReposicioClick()
{
    order(QStringLiteral("Repos"), tr("Reposición de la Central desde PC"));
}

void PanelOrders::SBSilenciClick()
{
    order(QStringLiteral("Silenbuz"), tr("Silenciar zumbador desde PC"));
}

void PanelOrders::PAD300SilenciarZumClick()
{
    order(QStringLiteral("Silenbuz"), tr("    Enterado    "));
}

void PanelOrders::PSirenesClick()
{
    order(QStringLiteral("Silensir"), tr("Silenciar sirena desde PC"));
}

void PanelOrders::IBC600EquipsClick()
{
    PSirenesClick();
}

void PanelOrders::IBC216ResetClick()
{
    PSirenesClick();
}

void PanelOrders::SCofemZafirSilenciarMouseDown()
{
    PSirenesClick();
}

void PanelOrders::PResetClick()
{
    order(QStringLiteral("Reset"), tr("Reset a la Central desde PC"));
}

void PanelOrders::SCofemZafirResetMouseDown()
{
    order(QStringLiteral("Rearme"), tr("Reset a la Central desde PC"));
}

void PanelOrders::PDisparSirenesClick()
{
    order(QStringLiteral("Sirena"), tr("Disparo sirena desde PC"));
}

void PanelOrders::PConnectarClick()
{
    order(QStringLiteral("Connex"), QString());
}

// The test order is only sent to a live panel, and silently dropped otherwise.
void PanelOrders::PProvaClick()
{
    if (live_())
        send(QStringLiteral("Test"));
}

} // namespace quelta
