#include "ui/console/TFInfo.h"

#include "core/session/DiagnosticConsole.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace quelta::ui {

QColor traceColour(TraceColour colour)
{
    switch (colour) {
    case TraceColour::Black:
        return QColor(0x00, 0x00, 0x00);
    case TraceColour::Blue:
        return QColor(0x00, 0x00, 0xFF);
    case TraceColour::Green:
        return QColor(0x00, 0x80, 0x00);
    case TraceColour::Red:
        return QColor(0xFF, 0x00, 0x00);
    case TraceColour::Magenta:
        return QColor(0xFF, 0x00, 0xFF);
    case TraceColour::DarkRed:
        return QColor(0x80, 0x00, 0x00);
    }
    return QColor(0x00, 0x00, 0x00);
}

TFInfo::TFInfo(DiagnosticConsole &console, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , console_(console)
    , trace_(console.trace())
{
    setObjectName(QStringLiteral("TFInfo"));
    resize(900, 600);

    BEnviarModul_ = button("BEnviarModul", &TFInfo::BEnviarModulClick);
    BEnviarQuelta_ = button("BEnviarQuelta", &TFInfo::BEnviarQueltaClick);
    EEnviarModul_ = new QLineEdit(this);
    EEnviarModul_->setObjectName(QStringLiteral("EEnviarModul"));
    EEnviarQuelta_ = new QLineEdit(this);
    EEnviarQuelta_->setObjectName(QStringLiteral("EEnviarQuelta"));
    BEsborrarREportSerie_ = button("BEsborrarREportSerie", &TFInfo::BEsborrarREportSerieClick);
    BPararREportSerie_ = button("BPararREportSerie", &TFInfo::BPararREportSerieClick);
    BInfo_ = button("BInfo", &TFInfo::BInfoClick);
    BGsm_ = button("BGsm", &TFInfo::BGsmClick);
    BUart_ = button("BUart", &TFInfo::BUartClick);
    BTest_ = button("BTest", &TFInfo::BTestClick);
    CBHexa_ = new QCheckBox(this);
    CBHexa_->setObjectName(QStringLiteral("CBHexa"));
    connect(CBHexa_, &QCheckBox::toggled, &console_, &DiagnosticConsole::CBHexaClick);

    REPortserie_ = new QPlainTextEdit(this);
    REPortserie_->setObjectName(QStringLiteral("REPortserie"));
    REPortserie_->setReadOnly(true);
    REPortserie_->setUndoRedoEnabled(false);
    REPortserie_->setLineWrapMode(QPlainTextEdit::NoWrap);
    REPortserie_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    REPortserie_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The edit keeps what the trace keeps, and drops its oldest lines as the trace does.
    REPortserie_->setMaximumBlockCount(int(trace_.capacity()));
    REPortserie_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto *top = new QGridLayout;
    top->addWidget(BEnviarModul_, 0, 0);
    top->addWidget(EEnviarModul_, 0, 1, 1, 3);
    top->addWidget(BEsborrarREportSerie_, 0, 4);
    top->addWidget(BPararREportSerie_, 0, 5);
    top->addWidget(CBHexa_, 0, 6);
    top->addWidget(BEnviarQuelta_, 1, 0);
    top->addWidget(EEnviarQuelta_, 1, 1, 1, 3);
    top->addWidget(BInfo_, 1, 4);
    top->addWidget(BGsm_, 1, 5);
    top->addWidget(BUart_, 1, 6);
    top->addWidget(BTest_, 1, 7);
    top->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(REPortserie_, 1);

    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushMs);
    connect(&flushTimer_, &QTimer::timeout, this, &TFInfo::flush);
    connect(&trace_, &DiagnosticTrace::lineAdded, this, &TFInfo::traceLineAdded);
    connect(&trace_, &DiagnosticTrace::cleared, this, &TFInfo::traceCleared);
    connect(&console_, &DiagnosticConsole::stateChanged, this, &TFInfo::paintState);

    retranslate();
    paintState();
}

QPushButton *TFInfo::button(const char *name, void (TFInfo::*clicked)())
{
    auto *b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, clicked);
    return b;
}

void TFInfo::retranslate()
{
    setWindowTitle(tr("Informació port sèrie i TCP"));
    BEnviarModul_->setText(tr("Enviar al GSM"));
    BEnviarQuelta_->setText(tr("Enviar al Quelta"));
    BEsborrarREportSerie_->setText(tr("Borrar"));
    BPararREportSerie_->setText(tr("Parar"));
    BInfo_->setText(tr("Info"));
    BGsm_->setText(tr("Gsm"));
    BUart_->setText(tr("Uart"));
    BTest_->setText(tr("Test"));
    CBHexa_->setText(tr("Hexa"));
}

// A toggle's state is its caption's colour: red is on.
void TFInfo::paintState()
{
    const auto paint = [](QPushButton *b, bool red) {
        QPalette palette = b->palette();
        palette.setColor(QPalette::ButtonText, red ? QColor(0xFF, 0x00, 0x00) : QPalette().color(QPalette::ButtonText));
        b->setPalette(palette);
    };
    paint(BPararREportSerie_, console_.pararRed());
    paint(BInfo_, console_.infoRed());
    paint(BGsm_, console_.gsmRed());
    paint(BUart_, console_.uartRed());
    {
        const QSignalBlocker quiet(CBHexa_);
        CBHexa_->setChecked(console_.hexa());
    }
    const bool enabled = console_.controlsEnabled();
    for (QWidget *w : {static_cast<QWidget *>(BEnviarModul_), static_cast<QWidget *>(BEnviarQuelta_),
                       static_cast<QWidget *>(EEnviarModul_), static_cast<QWidget *>(EEnviarQuelta_),
                       static_cast<QWidget *>(BInfo_), static_cast<QWidget *>(BGsm_), static_cast<QWidget *>(BUart_),
                       static_cast<QWidget *>(BTest_)})
        w->setEnabled(enabled);
}

void TFInfo::toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    show();
    raise();
    activateWindow();
}

bool TFInfo::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        console_.FormActivate();
    return QWidget::event(event);
}

void TFInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    flush();
}

void TFInfo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// One line costs a check here; the lines are laid out together when the timer runs out.
void TFInfo::traceLineAdded()
{
    if (isVisible() && !flushTimer_.isActive())
        flushTimer_.start();
}

void TFInfo::traceCleared()
{
    flushTimer_.stop();
    REPortserie_->clear();
    shown_ = trace_.nextSequence();
}

void TFInfo::flush()
{
    flushTimer_.stop();
    const quint64 next = trace_.nextSequence();
    const quint64 from = std::max(shown_, trace_.firstKept());
    if (from >= next)
        return;
    if (REPortserie_->maximumBlockCount() != int(trace_.capacity()))
        REPortserie_->setMaximumBlockCount(int(trace_.capacity()));
    QTextDocument *document = REPortserie_->document();
    // More new lines than the edit keeps: the old ones all go, and only the kept ones are laid out.
    if (next - from >= quint64(trace_.capacity()))
        REPortserie_->clear();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    bool first = document->isEmpty();
    // Lines of one colour go in as one insertion.
    QString run;
    TraceColour runColour = trace_.at(from).colour;
    const auto insertRun = [&] {
        QTextCharFormat format;
        format.setForeground(traceColour(runColour));
        cursor.insertText(run, format);
        run.clear();
    };
    for (quint64 s = from; s < next; ++s) {
        const TraceLine &line = trace_.at(s);
        if (line.colour != runColour) {
            insertRun();
            runColour = line.colour;
        }
        if (!first)
            run += QChar::ParagraphSeparator;
        first = false;
        run += line.text;
    }
    insertRun();
    cursor.endEditBlock();
    shown_ = next;
    QScrollBar *bar = REPortserie_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TFInfo::BEnviarModulClick()
{
    if (BEnviarModul_->isEnabled())
        console_.BEnviarModulClick(EEnviarModul_->text());
}

void TFInfo::BEnviarQueltaClick()
{
    if (BEnviarQuelta_->isEnabled())
        console_.BEnviarQueltaClick(EEnviarQuelta_->text());
}

void TFInfo::BEsborrarREportSerieClick()
{
    console_.BEsborrarREportSerieClick();
}

void TFInfo::BPararREportSerieClick()
{
    console_.BPararREportSerieClick();
}

void TFInfo::BInfoClick()
{
    console_.BInfoClick();
}

void TFInfo::BGsmClick()
{
    console_.BGsmClick();
}

void TFInfo::BUartClick()
{
    console_.BUartClick();
}

void TFInfo::BTestClick()
{
    console_.BTestClick();
}

} // namespace quelta::ui
