#include "core/transfer/WriteEngine.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/StatusBar.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ProgrammingLock.h"
#include "core/link/ReplyDispatcher.h"
#include "core/model/ConfigurationModel.h"
#include "core/link/LinkSupervisor.h"
#include "core/link/EntryNumber.h"
#include "core/transfer/RowValues.h"

namespace quelta {
namespace {

constexpr int kStartMs = 100;
constexpr int kReplyTimeoutMs = 2000;
constexpr int kAfterEchoMs = 10;
constexpr int kClearWaitMs = 300;
const QString kRestoreCode = QStringLiteral("xxxx");
const QString kPanelTypeCode = QStringLiteral("1590");

// The event or zone list of a page, and the blocks that empty it on the device.
struct PageList
{
    ProgPage page;
    const char16_t *grid;
    QStringList blocks;
};

const std::vector<PageList> &pageLists()
{
    static const std::vector<PageList> lists{
        {ProgPage::CentralAguilera, u"SGLlistatZonesAgui", {QStringLiteral("91xx"), QStringLiteral("92xx"), QStringLiteral("93xx"), QStringLiteral("94xx")}},
        {ProgPage::CentralBC600, u"SGCentralBC600", {QStringLiteral("96xx")}},
        {ProgPage::CentralCofem, u"SGCentralCofem", {QStringLiteral("970x"), QStringLiteral("971x")}},
        {ProgPage::CentralUrano, u"SGCentralUrano", {QStringLiteral("976x")}},
        {ProgPage::CentralSyncro, u"SGCentralSyncro", {QStringLiteral("96xx")}},
        {ProgPage::CentralAvenarBosch, u"SGCentralAvenarBosch", {QStringLiteral("96xx")}},
        {ProgPage::CentralAD300, u"SGCentralAD300", {QStringLiteral("97xx")}},
        {ProgPage::CentralSupra, u"SGCentralSupra", {QStringLiteral("97xx")}},
        {ProgPage::CentralZafir, u"SGCentralZafir", {QStringLiteral("97xx")}},
        {ProgPage::CentralID3000, u"SGCentralID3000", {QStringLiteral("96xx")}},
    };
    return lists;
}

// Whether a code falls in a block reference such as "96xx" or "970x".
bool inBlock(const QString &code, const QString &block)
{
    const qsizetype digits = block.indexOf(QLatin1Char('x'));
    return code.size() == block.size() && code.left(digits).compare(block.left(digits), Qt::CaseInsensitive) == 0;
}

bool isRefusal(const QString &echo)
{
    return echo == QLatin1String("errprg") || echo == QLatin1String("NO_PAR");
}

} // namespace

WriteEngine::WriteEngine(const TransferContext &context, QObject *parent)
    : TransferEngine(context, parent)
{
    TimerGravar.setObjectName(QStringLiteral("TimerGravar"));
    connect(&TimerGravar, &QTimer::timeout, this, &WriteEngine::TimerGravarTimer);
    supervisor_.addTransferTimer(&TimerGravar);
    for (SingleField &field : model_.fields()) {
        switch (field.binding->kind) {
        case FieldKind::Edit: edits_.push_back(&field); break;
        case FieldKind::Combo: combos_.push_back(&field); break;
        case FieldKind::CheckList: checkLists_.push_back(&field); break;
        case FieldKind::CheckBox: checkBoxes_.push_back(&field); break;
        }
    }
    for (const auto &grid : model_.grids())
        grids_.push_back(grid.get());
}

// --- Starting --------------------------------------------------------------------------------------

void WriteEngine::resetRun(Kind kind)
{
    supervisor_.stopSupervision();
    link_.espero.clear();
    link_.StrCom.clear();
    link_.vegades_espero = kTries;
    vegades_no_gravat_ = kRewrites;
    punteri_ = 0;
    punterfila_ = 1;
    kind_ = kind;
    link_.puntercamp = kind == Kind::Restore ? kRestoreCode : QStringLiteral("edit");
    pagina_.reset();
    rewriteGrid_ = nullptr;
    camp_inici_ = 0;
    camp_final_ = kFullRangeEnd;
    ncampsGravats_ = 0;
    esborra_zones_ = false;
    ownEraseAnswers_ = 0;
}

void WriteEngine::showWriting(const QString &activity)
{
    activity_.setRunning(true);
    statusBar_.setPanel(1, activity);
    statusBar_.setProgress(0);
    statusBar_.setLEstat(QString());
    TimerGravar.start(kStartMs);
}

void WriteEngine::BBGravarClick()
{
    if (activity_.running())
        return;
    if (!lock_.allowsProgramming())
        return;
    if (!views_.isShown(View::Programacio)) {
        views_.setPanelmostrat(View::Programacio);
        emit programmingViewRequested();
    }
    resetRun(Kind::Edit);
    channel_.sendCommand(QStringLiteral("inf"));
    showWriting(tr("Programando"));
    emit transferControlsEnabled(false);
    for (const char *readOnly : {"ECentral", "EMAC"}) {
        if (SingleField *field = model_.field(QString::fromLatin1(readOnly))) {
            field->enabled = false;
            emit model_.fieldChanged(*field);
        }
    }
}

void WriteEngine::BBGravarPagClick(ProgPage page)
{
    if (!link_.circuittrobat)
        return;
    resetRun(Kind::Edit);
    camp_final_ = 0;
    link_.llegir = false;
    link_.llegirpag = false;
    pagina_ = page;
    for (const PageList &list : pageLists()) {
        GridModel *grid = model_.grid(list.grid);
        if (list.page != page || !grid || !isGridRed(*grid))
            continue;
        clearBlocks(*grid, list.blocks, link_.isLocal());
        // The list is empty on the device now: it is written back in this run.
        rewriteGrid_ = grid;
    }
    showWriting(tr("Programando"));
}

void WriteEngine::GravarperDefecte()
{
    resetRun(Kind::Restore);
    channel_.sendCommand(QStringLiteral("inf"));
    showWriting(tr("Restaurando"));
}

void WriteEngine::writeGridRange(int first, int last, const QString &activity)
{
    resetRun(Kind::StringGrid);
    link_.puntercamp = QStringLiteral("StringGrid");
    camp_inici_ = first;
    camp_final_ = last;
    showWriting(activity);
}

// Empties the blocks of a list on the device. The rows they held are then empty there, so the
// list's shadow says so too: every row that is not empty in the grid is written back, not only the
// rows the installer changed.
void WriteEngine::clearBlocks(GridModel &grid, const QStringList &references, bool waitBetween)
{
    for (const QString &reference : references) {
        channel_.sendCommand(reference + QStringLiteral("=0"));
        const QString answer = QLatin1Char('+') + reference + QStringLiteral(":Erased\r");
        const ReplyPath path = link_.isLocal() ? ReplyPath::Serial : ReplyPath::Remote;
        if (classifyReply(answer, link_, path) == ReplyKind::Erased)
            ++ownEraseAnswers_;
        if (waitBetween)
            delay(kClearWaitMs);
    }
    const int first = grid.binding().fixedColumn ? 1 : 0;
    for (int row = 1; row <= grid.rows(); ++row) {
        const QString code = rowWrite(grid, row).code;
        const bool cleared = std::any_of(references.cbegin(), references.cend(),
                                         [&code](const QString &block) { return inBlock(code, block); });
        if (!cleared)
            continue;
        for (int column = first; column < grid.columns(); ++column)
            grid.setShadow(row, column, grid.isFlagColumn(column) ? QStringLiteral("0") : QString());
    }
}

// --- The tick ------------------------------------------------------------------------------------

void WriteEngine::wake()
{
    if (TimerGravar.isActive())
        TimerGravar.start(1);
}

void WriteEngine::deviceEndedRun()
{
    if (ownEraseAnswers_ > 0) {
        --ownEraseAnswers_;
        return;
    }
    camp_final_ = 0;
    TimerGravar.stop();
}

void WriteEngine::TimerGravarTimer()
{
    trace_.Escriure_REPortserie(QStringLiteral("TimerGravar  Strcom= ") + link_.StrCom);
    TimerGravar.setInterval(kReplyTimeoutMs);
    if (!link_.StrCom.isEmpty() && !link_.StrCom.contains(QLatin1String("inf:"))) {
        replyStep();
        link_.StrCom.clear();
        if (TimerGravar.isActive())
            TimerGravar.setInterval(kAfterEchoMs);
    } else {
        const Kind before = kind_;
        sendStep();
        // A switch to the next kind goes on at once, without spending a try.
        if (kind_ != before && kind_ != Kind::Final)
            return;
    }
    if (!TimerGravar.isActive())
        return;
    if (link_.vegades_espero <= 0) {
        abandonRun();
        return;
    }
    if (vegades_no_gravat_ <= 0) {
        vegades_no_gravat_ = kRewrites;
        link_.vegades_espero = kTries;
        link_.espero.clear();
        // A grid row is passed over alone; a control with all its kind's next items.
        if (kind_ == Kind::StringGrid)
            ++punterfila_;
        else
            ++punteri_;
    }
}

const std::vector<SingleField *> &WriteEngine::itemsOf(Kind kind) const
{
    switch (kind) {
    case Kind::ComboBox: return combos_;
    case Kind::CheckListBox: return checkLists_;
    case Kind::CheckBox: return checkBoxes_;
    default: return edits_;
    }
}

bool WriteEngine::maySend(const SingleField &field) const
{
    if (pagina_)
        return field.binding->page == *pagina_;
    return camp_inici_ < field.number && field.number < camp_final_;
}

bool WriteEngine::gridInRange(const GridModel &grid) const
{
    return &grid == rewriteGrid_ || (camp_inici_ < grid.number() && grid.number() < camp_final_);
}

bool WriteEngine::isGridRed(const GridModel &grid) const
{
    for (int row = 1; row <= grid.rows(); ++row) {
        if (rowDue(grid, row))
            return true;
    }
    return false;
}

// The value a control is sent with, and its echo compared to.
QString WriteEngine::valueOf(const SingleField &field)
{
    switch (field.binding->kind) {
    case FieldKind::Edit: {
        if (field.binding->part < 0)
            return field.value;
        // A door's three times travel together under one code.
        QStringList parts(3);
        for (const SingleField *door : edits_) {
            if (door->number == field.number && door->binding->part >= 0 && door->binding->part < 3)
                parts[door->binding->part] = door->value;
        }
        return parts.join(QLatin1Char(';'));
    }
    case FieldKind::Combo: {
        // The list position stands for a UTC offset: the device takes its sign and hours.
        bool ok = false;
        const int position = field.value.toInt(&ok);
        return ok ? QString::asprintf("%+03d", position - 10) : QString();
    }
    case FieldKind::CheckList: return field.value;
    case FieldKind::CheckBox: return field.value == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    }
    return field.value;
}

void WriteEngine::send(const QString &code, const QString &value)
{
    link_.espero = QLatin1Char('+') + code;
    channel_.sendCommand(code + QLatin1Char('=') + value);
}

void WriteEngine::sendStep()
{
    if (!link_.espero.isEmpty() && link_.vegades_espero > 0) {
        --link_.vegades_espero;
        // The last try has gone unanswered: nothing more is sent, the run is given up.
        if (link_.vegades_espero == 0)
            return;
    }
    switch (kind_) {
    case Kind::Restore:
        link_.espero = QLatin1Char('+') + kRestoreCode;
        channel_.sendCommand(QStringLiteral("Xxxx=0"));
        return;
    case Kind::Edit:
    case Kind::ComboBox:
    case Kind::CheckListBox:
    case Kind::CheckBox: {
        const std::vector<SingleField *> &items = itemsOf(kind_);
        for (; punteri_ < items.size(); ++punteri_) {
            SingleField &field = *items.at(punteri_);
            if (field.state != FieldState::Modified || !maySend(field))
                continue;
            if (field.code() == kPanelTypeCode)
                emit panelTypeWritten();
            send(field.code(), valueOf(field));
            return;
        }
        nextKind();
        return;
    }
    case Kind::StringGrid: {
        const TGravaSG row = Grava_StringGrid();
        if (row.camp_trobat) {
            send(row.camp, row.valor);
            return;
        }
        kind_ = Kind::Final;
        link_.puntercamp = QStringLiteral("final");
        punteri_ = 1;
        punterfila_ = 0;
        link_.espero.clear();
        link_.vegades_espero = kTries;
        vegades_no_gravat_ = kRewrites;
        finishRun();
        return;
    }
    case Kind::Final:
        finishRun();
        return;
    }
}

void WriteEngine::nextKind()
{
    static const char *const names[] = {"edit", "ComboBox", "CheckListBox", "CheckBox", "StringGrid"};
    kind_ = static_cast<Kind>(static_cast<int>(kind_) + 1);
    link_.puntercamp = QString::fromLatin1(names[static_cast<int>(kind_)]);
    punteri_ = 0;
    punterfila_ = 1;
    link_.espero.clear();
    link_.vegades_espero = kTries;
    vegades_no_gravat_ = kRewrites;
    TimerGravar.setInterval(1);
}

WriteEngine::TGravaSG WriteEngine::Grava_StringGrid()
{
    for (; punteri_ < grids_.size(); ++punteri_, punterfila_ = 1) {
        GridModel &grid = *grids_.at(punteri_);
        if (!gridInRange(grid))
            continue;
        for (punterfila_ = std::max(1, punterfila_); punterfila_ <= grid.rows(); ++punterfila_) {
            if (!rowDue(grid, punterfila_))
                continue;
            if (punterfila_ == 1 && !esborra_zones_ && !pagina_) {
                const QString name = grid.name();
                if (name == QLatin1String("SGCentralBC600") || name == QLatin1String("SGCentralSyncro")
                    || name == QLatin1String("SGCentralAvenarBosch")) {
                    link_.llegirpag = false;
                    esborra_zones_ = true;
                    clearBlocks(grid, {QStringLiteral("96xx")}, link_.isLocal());
                } else if (name == QLatin1String("SGLlistatZonesAgui")) {
                    link_.llegirpag = false;
                    esborra_zones_ = true;
                    clearBlocks(grid, {QStringLiteral("91xx"), QStringLiteral("92xx"), QStringLiteral("93xx"), QStringLiteral("94xx")}, link_.isLocal());
                }
            }
            const RowWrite row = rowWrite(grid, punterfila_);
            return {true, row.code, row.value};
        }
    }
    return {};
}

// --- Echoes --------------------------------------------------------------------------------------

void WriteEngine::replyStep()
{
    if (kind_ == Kind::StringGrid) {
        if (punteri_ < grids_.size())
            replyForGridRow(*grids_.at(punteri_));
        return;
    }
    const std::vector<SingleField *> &items = itemsOf(kind_);
    if (kind_ == Kind::Restore || kind_ == Kind::Final || punteri_ >= items.size()) {
        --link_.vegades_espero;
        return;
    }
    replyForField(*items.at(punteri_));
}

void WriteEngine::replyForField(SingleField &field)
{
    const QString &line = link_.StrCom;
    if (!line.contains(QLatin1Char('+') + field.code() + QLatin1Char(':'))) {
        --link_.vegades_espero;
        return;
    }
    const QString echo = replyValue(line);
    if (isRefusal(echo)) {
        model_.refuseField(field);
        ++punteri_;
        finishItem();
        return;
    }
    if (echo == valueOf(field)) {
        field.state = FieldState::Read;
        emit model_.fieldChanged(field);
        ++punteri_;
        finishItem();
        return;
    }
    --vegades_no_gravat_;
}

void WriteEngine::replyForGridRow(GridModel &grid)
{
    const QString &line = link_.StrCom;
    const QString code = rowWrite(grid, punterfila_).code;
    if (!line.contains(QLatin1Char('+') + code + QLatin1Char(':'))) {
        --link_.vegades_espero;
        return;
    }
    const QString echo = replyValue(line);
    if (isRefusal(echo)) {
        // The device does not take this list: its other rows are not tried.
        ++punteri_;
        punterfila_ = 1;
        finishItem();
        return;
    }
    if (Verifica_StringGrid(grid, echo, punterfila_)) {
        model_.Llegir_StringGrid(grid, echo, grid.number() + punterfila_ - 1);
        if (++punterfila_ > grid.rows()) {
            punterfila_ = 1;
            ++punteri_;
        }
        finishItem();
        return;
    }
    // The echo arriving has given the tries back, so a row that never verifies would be sent for
    // ever: it is sent again a limited number of times, as a control is, and then left due.
    --vegades_no_gravat_;
}

void WriteEngine::finishItem()
{
    link_.vegades_espero = kTries;
    vegades_no_gravat_ = kRewrites;
    link_.espero.clear();
    ++ncampsGravats_;
    const int total = model_.ncampsModificats();
    const int percent = total < 1 ? 0 : std::min(100, ncampsGravats_ * 100 / total);
    statusBar_.setProgress(percent);
    statusBar_.setLEstat(QString::number(percent) + QLatin1Char('%'));
}

// --- The end -------------------------------------------------------------------------------------

void WriteEngine::finishRun()
{
    model_.resetModifiedCount();
    ncampsGravats_ = 0;
    handBack(2000);
}

// No echo after every try: the run stops where it is, without a message. What was confirmed stays
// confirmed; everything else stays marked.
void WriteEngine::abandonRun()
{
    link_.llegirpag = false;
    handBack(1000);
}

void WriteEngine::handBack(int supervisionMs)
{
    stopRun();
    link_.espero = QStringLiteral("+ver");
    link_.vegades_espero = kTries;
    channel_.sendCommand(QStringLiteral("vEr"));
    supervisor_.startSupervision(supervisionMs);
    emit writeFinished();
}

void WriteEngine::stopRun()
{
    TimerGravar.stop();
    activity_.setRunning(false);
    statusBar_.setPanel(1, QString());
    statusBar_.hideProgress();
    pagina_.reset();
    rewriteGrid_ = nullptr;
    if (SingleField *field = model_.field(u"EMAC")) {
        field->enabled = true;
        emit model_.fieldChanged(*field);
    }
    emit transferControlsEnabled(true);
}

// The session ended under a run: it stops where it is. Supervision is already looking for the
// device again, so nothing is sent and the run does not count as finished.
void WriteEngine::linkLost()
{
    if (running())
        stopRun();
}

} // namespace quelta
