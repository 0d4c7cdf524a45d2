#include "core/session/Programming.h"

#include "core/base/Prompter.h"
#include "core/session/DeviceSession.h"
#include "core/session/ProgramContext.h"

namespace quelta {

Programming::Programming(ProgramContext &context, DeviceSession &device, QObject *parent)
    : QObject(parent)
    , context_(context)
    , link_(device.link())
    , lock_(device.lock())
    , supervisor_(device.supervisor())
    , model_(device.link(), context.activity())
    , readEngine_(transferContext(context, device))
    , writeEngine_(transferContext(context, device))
    , templates_(model_, device.link(), context.activity(), context.views(), device.lock(), context.prompter())
    , eventTexts_(model_, device.link(), device.channel(), context.prompter())
    , zoneList_(model_, device.link(), device.channel(), context.prompter())
{
    templates_.setHintSource([this](const QString &name) { return hints_.hint(name); });
    connectEngines(device);
}

// Called while constructing: the model and everything it names are built before the engines.
TransferContext Programming::transferContext(ProgramContext &context, DeviceSession &device)
{
    return {device.link(),       device.channel(), context.statusBar(), context.activity(), context.views(),
            device.supervisor(), model_,           device.lock(),       context.trace()};
}

void Programming::connectEngines(DeviceSession &device)
{
    ReplyDispatcher &dispatcher = device.dispatcher();
    connect(&dispatcher, &ReplyDispatcher::wildcardLine, &readEngine_, &ReadEngine::Llegir_pantalla);
    connect(&dispatcher, &ReplyDispatcher::operatorsLine, &readEngine_, &ReadEngine::Llegir_LlistaOper);
    connect(&dispatcher, &ReplyDispatcher::wakeReadEngine, &readEngine_, [this] { readEngine_.TimerLlegir.start(1); });
    connect(&dispatcher, &ReplyDispatcher::factoryValuesRestored, &readEngine_, &ReadEngine::BBLlegirClick);
    connect(&readEngine_, &ReadEngine::programmingViewRequested, this, &Programming::BBProgClick);
    connect(&dispatcher, &ReplyDispatcher::wakeWriteEngine, &writeEngine_, &WriteEngine::wake);
    // An erase or a factory restore ends a write run; the restore's full read follows.
    connect(&dispatcher, &ReplyDispatcher::writeRunEnded, &writeEngine_, &WriteEngine::deviceEndedRun);
    connect(&writeEngine_, &WriteEngine::panelTypeWritten, &readEngine_, &ReadEngine::clearProgllegida);
    connect(&writeEngine_, &WriteEngine::programmingViewRequested, this, &Programming::programmingViewShown);
    connect(&templates_, &Templates::programmingViewRequested, this, &Programming::programmingViewShown);
    connect(&supervisor_, &LinkSupervisor::streamStopped, this, &Programming::startWaitingPageWrite);
    connect(&supervisor_, &LinkSupervisor::connectionEnded, &readEngine_, &ReadEngine::linkLost);
    connect(&supervisor_, &LinkSupervisor::connectionEnded, &writeEngine_, &WriteEngine::linkLost);
    connect(&context_.activity(), &TransferActivity::runningChanged, this, &Programming::markingChanged);
    connect(&supervisor_, &LinkSupervisor::connectionEstablished, this, &Programming::markingChanged);
    connect(&supervisor_, &LinkSupervisor::connectionEnded, this, &Programming::markingChanged);
}

void Programming::clear()
{
    model_.resetModifiedCount();
    readEngine_.clearProgllegida();
    model_.Esborra_param();
    emit cleared();
}

void Programming::showAccount(const QString &company, const QString &installer)
{
    model_.editField(*model_.field(u"EProgEmpresa"), company);
    model_.editField(*model_.field(u"EProgInstal"), installer);
}

void Programming::BBProgClick()
{
    if (!lock_.allowsProgramming())
        return;
    showPanelPages();
    ViewState &views = context_.views();
    views.setResultText(QString());
    const bool linkUp = link_.comunicacioLocal ? link_.isLocal() : link_.isRemote();
    if (!linkUp || views.isShown(View::Programacio))
        return;
    views.setPanelmostrat(View::Programacio);
    if (link_.isLocal())
        supervisor_.TimerCircuit.start();
    const SingleField *company = model_.field(u"EProgEmpresa");
    if (!readEngine_.progllegida() || company->value.isEmpty())
        readEngine_.BBLlegirClick();
}

// Pages 0 to 2 and the connected panel's page, nothing selected in their grids.
void Programming::showPanelPages()
{
    model_.setVisiblePanelPage(link_.circuittrobat ? panelPageFor(link_.central) : std::nullopt);
    emit programmingViewShown();
}

// The stream stopped in the programming view: with no run holding the link and no read waiting,
// the changes of the page on top are written.
void Programming::startWaitingPageWrite()
{
    if (writeEngine_.running() || writeEngine_.camp_final() != 0 || link_.llegir || link_.llegirpag)
        return;
    writeEngine_.BBGravarPagClick(model_.activePage());
}

void Programming::MIIDefecteClick()
{
    if (!lock_.allowsProgramming())
        return;
    Prompter &prompter = context_.prompter();
    if (!context_.views().isShown(View::Programacio)) {
        context_.views().setPanelmostrat(View::Programacio);
        showPanelPages();
    }
    const DialogResult answer = prompter.ElMeuMessageDlg(dialog::confirmation(
        tr("Se borrarán los valores actuales y se restaurarán los valores de fábrica\r\n\r\n¿Está  usted de acuerdo?")));
    if (answer != DialogResult::No)
        writeEngine_.GravarperDefecte();
}

} // namespace quelta
