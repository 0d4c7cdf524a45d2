#include "core/transfer/ReadEngine.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/StatusBar.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ProgrammingLock.h"
#include "core/model/ConfigurationModel.h"
#include "core/link/LinkSupervisor.h"
#include "core/link/EntryNumber.h"

namespace quelta {
namespace {

constexpr int kTries = 6;
constexpr int kReplyTimeoutMs = 3000;
const QString kStream = QStringLiteral("xxx");

// A reply line "+CODE:value": the code is characters 2 to 5 and the colon follows it.
bool isCodeLine(const QString &line)
{
    return line.startsWith(QLatin1Char('+')) && line.size() > 5 && line.at(5) == QLatin1Char(':');
}

// The last code of a whole-device stream, for its progress, by panel type.
int lastStreamCode(const QString &central)
{
    if (central.contains(QLatin1String("AE")))
        return 0x9600;
    if (central.contains(QLatin1String("BC")))
        return 0x9700;
    if (central.contains(QLatin1String("Puertas")))
        return 0x4000;
    return 0x8516;
}

// A grid in a sub-panel is read with the wildcard of its code's first digit; the Aguilera message
// grid and the industrial grid with that of their first two.
QString wildcardOf(const GridModel &grid)
{
    const QString code = QStringLiteral("%1").arg(grid.number(), 4, 10, QLatin1Char('0'));
    const bool twoDigits = grid.name() == QLatin1String("SGCentralAgui") || grid.name() == QLatin1String("SGEquipIndus");
    return twoDigits ? code.left(2) + QStringLiteral("xx") : code.left(1) + kStream;
}

} // namespace

ReadEngine::ReadEngine(const TransferContext &context, QObject *parent)
    : TransferEngine(context, parent)
{
    TimerLlegir.setObjectName(QStringLiteral("TimerLlegir"));
    connect(&TimerLlegir, &QTimer::timeout, this, &ReadEngine::TimerLlegirTimer);
    supervisor_.addTransferTimer(&TimerLlegir);
}

void ReadEngine::showReading()
{
    activity_.setRunning(true);
    statusBar_.setProgress(0);
    statusBar_.setPanel(1, tr("Leyendo"));
}

// --- Whole device ------------------------------------------------------------------------------

void ReadEngine::BBLlegirClick()
{
    if (!lock_.allowsProgramming())
        return;
    if (!views_.isShown(View::Programacio)) {
        views_.setPanelmostrat(View::Programacio);
        emit programmingViewRequested();
    }
    if (!link_.circuittrobat)
        return;
    link_.llegir = true;
    channel_.sendCommand(QStringLiteral("inf"));
    // The device needs a moment to stop its frames before the stream starts.
    delay(1000);
    showReading();
    model_.Esborra_param();
    link_.puntercamp = kStream;
    supervisor_.stopSupervision();
    if (link_.isLocal())
        link_.tempsllegir = 100;
    channel_.sendCommand(QStringLiteral("Xxxx"));
    link_.espero.clear();
    link_.vegades_espero = kTries;
    link_.StrCom.clear();
}

void ReadEngine::Llegir_pantalla(const QString &line)
{
    if (line.contains(QLatin1String("x:Ok"))) {
        endStream();
        return;
    }
    if (!isCodeLine(line))
        return;
    const QString code = line.mid(1, 4);
    statusBar_.setProgress(std::min(100, Hextoint(code) * 100 / lastStreamCode(link_.central)));
    const QString value = replyValue(line);
    link_.StrCom.clear();
    if (const std::optional<int> number = numeroEntrada(code, model_.isPageVisible(ProgPage::CentralAguilera)))
        model_.storeEntry(*number, value);
}

// The Aguilera page's message stream is followed by its zone list; every other stream ends the read.
void ReadEngine::endStream()
{
    link_.llegirpag = false;
    if (pagina_ == ProgPage::CentralAguilera) {
        link_.puntercamp = kStream;
        link_.StrCom.clear();
        pagina_.reset();
        request(QStringLiteral("9xxx"));
        return;
    }
    link_.tempsllegir = 0;
    link_.StrCom.clear();
    link_.espero.clear();
    model_.CampsPantallaCLWindow();
    link_.inf = true;
    link_.puntercamp.clear();
    progllegida_ = true;
    finishRead(1000);
}

// Every read ends the same way: the status bar quiet again, "vEr" to the device and the link back
// to supervision.
void ReadEngine::finishRead(int supervisionMs)
{
    statusBar_.setPanel(1, QString());
    statusBar_.hideProgress();
    activity_.setRunning(false);
    link_.llegir = false;
    channel_.sendCommand(QStringLiteral("vEr"));
    supervisor_.startSupervision(supervisionMs);
    TimerLlegir.stop();
    activePage_.reset();
    children_.clear();
    emit readFinished();
}

// The session ended under a read: it stops where it is, and the stream's wildcard no longer keeps
// supervision aside. Nothing is sent, and the read does not count as finished.
void ReadEngine::linkLost()
{
    TimerLlegir.stop();
    link_.llegir = false;
    link_.llegirpag = false;
    link_.puntercamp.clear();
    activePage_.reset();
    pagina_.reset();
    children_.clear();
}

// --- Operators ---------------------------------------------------------------------------------

void ReadEngine::Llegir_LlistaOper(const QString &line)
{
    GridModel *operators = model_.grid(u"SGOperadores");
    if (line.contains(QLatin1String("+85xx:Ok"))) {
        link_.llegirpag = false;
        link_.espero.clear();
        link_.tempsllegir = 0;
        operators->setTitles({tr("   Operadora: "), tr("APN"), tr("Usuario"), tr("Password")});
        ncomponent_ = 0;
        progllegida_ = true;
        finishRead(1000);
        return;
    }
    const qsizetype at = line.indexOf(QLatin1String("+85"));
    if (at < 0)
        return;
    showReading();
    statusBar_.setProgress(0);
    const int row = Hextoint(line.mid(at + 3, 2));
    if (row >= 1 && row <= operators->rows())
        operators->storeRow(row, replyValue(line.mid(at)).split(QLatin1Char(';')).mid(0, 4));
}

// --- Page ----------------------------------------------------------------------------------------

// Single controls first, then the grids placed on the page, then each sub-panel of grids.
void ReadEngine::buildChildren(ProgPage page)
{
    children_.clear();
    for (SingleField &field : model_.fields()) {
        if (field.binding->page == page)
            children_.push_back({&field, nullptr, {}});
    }
    for (const auto &grid : model_.grids()) {
        if (grid->binding().page == page && !grid->binding().inSubPanel)
            children_.push_back({nullptr, grid.get(), {}});
    }
    std::optional<Section> section;
    for (const auto &grid : model_.grids()) {
        if (grid->binding().page != page || !grid->binding().inSubPanel)
            continue;
        if (section != grid->binding().section || children_.back().subPanel.empty())
            children_.push_back({});
        section = grid->binding().section;
        children_.back().subPanel.push_back(grid.get());
    }
}

void ReadEngine::BBLlegirPagClick(ProgPage page)
{
    if (activity_.running() || !link_.circuittrobat)
        return;
    for (const char *readOnly : {"ECentral", "EMAC"}) {
        SingleField *field = model_.field(QString::fromLatin1(readOnly));
        field->enabled = false;
        emit model_.fieldChanged(*field);
    }
    model_.clearPage(page);
    activePage_ = page;
    pagina_ = page;
    buildChildren(page);
    showReading();
    link_.puntercamp.clear();
    link_.espero.clear();
    link_.vegades_espero = kTries;
    link_.StrCom.clear();
    ncomponent_ = 0;
    nsubcomponent_ = 0;
    trailingSent_ = false;
    link_.llegirpag = true;
    supervisor_.stopSupervision();
    TimerLlegir.start(10);
}

void ReadEngine::TimerLlegirTimer()
{
    trace_.Escriure_REPortserie(QStringLiteral("TimerLlegir  Strcom= ") + link_.StrCom);
    TimerLlegir.setInterval(kReplyTimeoutMs);
    if (!link_.StrCom.isEmpty() && !link_.StrCom.contains(QLatin1String("inf:Dis"))) {
        showProgress(static_cast<int>(ncomponent_), static_cast<int>(children_.size()));
        if (acceptsAnswer()) {
            storeAnswer(link_.StrCom.mid(6).section(QLatin1Char('\r'), 0, 0));
            ++ncomponent_;
            link_.vegades_espero = kTries;
            link_.StrCom.clear();
            TimerLlegir.setInterval(1);
        } else if (link_.vegades_espero > 0) {
            --link_.vegades_espero;
            link_.StrCom.clear();
            TimerLlegir.setInterval(100);
        }
    } else {
        if (!link_.espero.isEmpty() && link_.vegades_espero > 0)
            --link_.vegades_espero;
        if (link_.vegades_espero > 0 && !requestNextChild()) {
            if (needsTrailingRequest())
                sendTrailingRequest();
            else if (link_.puntercamp != kStream && !trailingSent_)
                finishPageRead();
        }
    }
    if (link_.vegades_espero == 0)
        abandonPageRead();
}

void ReadEngine::showProgress(int done, int total)
{
    const QString &central = link_.central;
    const int extra = central.contains(QLatin1String("AE")) ? 500
        : central.contains(QLatin1String("BC"))              ? 250
        : central.contains(QLatin1String("Puertas"))         ? 16
                                                             : 0;
    if (total + extra > 0)
        statusBar_.setProgress(std::min(100, done * 100 / (total + extra)));
}

// The answer names the code asked for; a wildcard request also takes a single code of its range.
bool ReadEngine::acceptsAnswer() const
{
    const QString &answer = link_.StrCom;
    if (!isCodeLine(answer))
        return false;
    if (answer.left(5) == link_.espero)
        return true;
    if (link_.espero.endsWith(kStream))
        return true;
    return link_.espero.endsWith(QLatin1String("xx")) && answer.at(1) == link_.espero.at(1);
}

void ReadEngine::storeAnswer(const QString &value)
{
    if (ncomponent_ >= children_.size())
        return;
    const PageChild &child = children_.at(ncomponent_);
    if (child.field) {
        model_.storeField(*child.field, value, CheckListRule::PageRead);
    } else if (child.grid) {
        model_.Llegir_StringGrid(*child.grid, value, child.grid->number());
    }
    if (model_.ncampsModificats() > 0)
        model_.setNcampsModificats(model_.ncampsModificats() - 1);
}

void ReadEngine::request(const QString &reference)
{
    link_.espero = QLatin1Char('+') + reference;
    channel_.sendCommand(reference);
}

// Sends the request of the next child that needs one; false when every child is done.
bool ReadEngine::requestNextChild()
{
    for (; ncomponent_ < children_.size(); ++ncomponent_) {
        const PageChild &child = children_.at(ncomponent_);
        if (child.field && child.field->number > 0) {
            request(child.field->code());
            return true;
        }
        // Grids placed on a page are read singly only where they hold one value.
        const bool singleGrid = activePage_ == ProgPage::ConfigSoft || activePage_ == ProgPage::CentralBC600
            || activePage_ == ProgPage::CentralAvenarBosch;
        if (child.grid && child.grid->number() > 0 && singleGrid) {
            request(QStringLiteral("%1").arg(child.grid->number(), 4, 10, QLatin1Char('0')));
            return true;
        }
        if (!child.subPanel.empty() && requestFromSubPanel(child))
            return true;
    }
    return false;
}

bool ReadEngine::requestFromSubPanel(const PageChild &child)
{
    for (; nsubcomponent_ < child.subPanel.size(); ++nsubcomponent_) {
        const GridModel *grid = child.subPanel.at(nsubcomponent_);
        if (grid->number() > 0 && link_.puntercamp != kStream) {
            request(wildcardOf(*grid));
            link_.puntercamp = kStream;
            return true;
        }
    }
    nsubcomponent_ = 0;
    return false;
}

bool ReadEngine::needsTrailingRequest() const
{
    return !trailingSent_ && link_.puntercamp != kStream
        && (pagina_ == ProgPage::ConfigHard || pagina_ == ProgPage::CentralAguilera || pagina_ == ProgPage::Portes);
}

// The blocks that end some pages: the operators, the Aguilera zones, the door buttons.
void ReadEngine::sendTrailingRequest()
{
    trailingSent_ = true;
    if (pagina_ == ProgPage::ConfigHard) {
        request(QStringLiteral("85xx"));
        return;
    }
    link_.puntercamp = kStream;
    if (pagina_ == ProgPage::CentralAguilera) {
        pagina_.reset();
        request(QStringLiteral("9xxx"));
    } else {
        request(QString::number(model_.grid(u"SGBoto1")->number()).left(2) + QStringLiteral("xx"));
    }
}

void ReadEngine::finishPageRead()
{
    model_.resetModifiedCount();
    link_.espero.clear();
    link_.vegades_espero = kTries;
    link_.StrCom.clear();
    ncomponent_ = 0;
    link_.llegirpag = false;
    progllegida_ = true;
    finishRead(3000);
}

// Six tries without the awaited answer: the page stays as far as it was read, and the read does not
// count as done, so entering the programming view reads the device again. The request is given up
// too: a late line of the operators block must not start showing a read again.
void ReadEngine::abandonPageRead()
{
    link_.vegades_espero = kTries;
    link_.espero.clear();
    link_.StrCom.clear();
    ncomponent_ = 0;
    nsubcomponent_ = 0;
    link_.llegirpag = false;
    link_.puntercamp.clear();
    finishRead(1000);
}

} // namespace quelta
