#include "ui/status/EventLogView.h"

#include "core/status/DeviceEventLog.h"
#include "ui/status/StatusPainting.h"
#include "core/status/StatusScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr QSize kButtonIcon(20, 20);

// A log line stays one paragraph, so that the last one can be rewritten in place.
QString paragraph(const QString &text)
{
    QString single = text;
    single.replace(QLatin1Char('\n'), QChar::LineSeparator);
    single.remove(QLatin1Char('\r'));
    return single;
}

} // namespace

EventLogView::EventLogView(DeviceEventLog &log, StatusScreen &screen, QWidget *parent)
    : QFrame(parent), log_(log), screen_(screen)
{
    setObjectName(QStringLiteral("PEstatQuelta"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);

    LEstatQuelta_ = new QLabel(this);
    LEstatQuelta_->setObjectName(QStringLiteral("LEstatQuelta"));
    QFont headingFont = LEstatQuelta_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    LEstatQuelta_->setFont(headingFont);
    LEstatQuelta_->setAlignment(Qt::AlignCenter);

    MDataHora_ = new QPlainTextEdit(this);
    MDataHora_->setObjectName(QStringLiteral("MDataHora"));
    MDataHora_->setReadOnly(true);
    MDataHora_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MDataHora_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MDataHora_->setFixedHeight(MDataHora_->fontMetrics().height() + 12);

    REQuelta_ = new QTextEdit(this);
    REQuelta_->setObjectName(QStringLiteral("REQuelta"));
    REQuelta_->setReadOnly(true);
    REQuelta_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BPara_ = button("BPara");
    BTot_ = button("BTot");
    BEsborra_ = button("BEsborra");
    BEsborra_->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    connect(BPara_, &QToolButton::clicked, &log_, &DeviceEventLog::BParaClick);
    connect(BTot_, &QToolButton::clicked, &log_, &DeviceEventLog::BTotClick);
    connect(BEsborra_, &QToolButton::clicked, &log_, &DeviceEventLog::BEsborraClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QToolButton *b : {BTot_, BPara_, BEsborra_})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LEstatQuelta_);
    layout->addWidget(MDataHora_);
    layout->addWidget(REQuelta_, 1);
    layout->addLayout(buttons);

    connect(&log_, &DeviceEventLog::lineAdded, this, &EventLogView::appendLine);
    connect(&log_, &DeviceEventLog::lastLineChanged, this, &EventLogView::replaceLastLine);
    connect(&log_, &DeviceEventLog::cleared, REQuelta_, &QTextEdit::clear);
    connect(&log_, &DeviceEventLog::scrollToBottomRequested, this, &EventLogView::scrollToBottom);
    connect(&log_, &DeviceEventLog::buttonsChanged, this, &EventLogView::showButtons);
    connect(&log_, &DeviceEventLog::appearanceChanged, this, &EventLogView::showAppearance);
    connect(&screen_, &StatusScreen::labelsChanged, this,
            [this] { MDataHora_->setPlainText(screen_.MDataHora()); });
    connect(&screen_, &StatusScreen::cloudSnapshotChanged, this, &EventLogView::showSnapshot);

    retranslate();
    MDataHora_->setPlainText(screen_.MDataHora());
    showAppearance();
    showButtons();
    showSnapshot(screen_.cloudSnapshot());
    showAll();
}

QToolButton *EventLogView::button(const char *name)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setIconSize(kButtonIcon);
    b->setAutoRaise(false);
    return b;
}

void EventLogView::retranslate()
{
    LEstatQuelta_->setText(tr("ESTADO GENERAL"));
}

void EventLogView::setLogBackground(const QColor &colour)
{
    QPalette palette = REQuelta_->palette();
    palette.setColor(QPalette::Base, colour);
    REQuelta_->setPalette(palette);
}

void EventLogView::appendLine(const LogLine &line)
{
    QTextCursor cursor(REQuelta_->document());
    cursor.movePosition(QTextCursor::End);
    if (!REQuelta_->document()->isEmpty())
        cursor.insertBlock();
    QTextCharFormat format;
    format.setForeground(toQColor(line.colour, *REQuelta_));
    cursor.insertText(paragraph(line.text), format);
}

void EventLogView::replaceLastLine(const LogLine &line)
{
    QTextCursor cursor(REQuelta_->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(toQColor(line.colour, *REQuelta_));
    cursor.insertText(paragraph(line.text), format);
}

void EventLogView::showAll()
{
    REQuelta_->clear();
    for (const LogLine &line : log_.lines())
        appendLine(line);
}

void EventLogView::showAppearance()
{
    REQuelta_->setLineWrapMode(log_.wordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QPalette palette = REQuelta_->palette();
    palette.setColor(QPalette::Text, toQColor(log_.font(), *REQuelta_));
    REQuelta_->setPalette(palette);
}

void EventLogView::showButtons()
{
    BPara_->setIcon(imageListPicture(log_.BParaPicture(), kButtonIcon.width()));
    BTot_->setIcon(imageListPicture(log_.BTotPicture(), kButtonIcon.width()));
    BTot_->setVisible(log_.BTotVisible());
}

// A snapshot's log is a record, not a feed: it cannot be followed or cleared, and it lies on the
// window colour until a link colours it again.
void EventLogView::showSnapshot(bool snapshot)
{
    paintPanel(*LEstatQuelta_, palette().color(QPalette::Dark), toQColor(screen_.LEstatQuelta(), *LEstatQuelta_));
    BPara_->setVisible(!snapshot);
    BEsborra_->setVisible(!snapshot);
    if (snapshot)
        setLogBackground(toQColor(colour::window, *REQuelta_));
}

// While paused the view stays where the installer left it; the core asks only while following.
void EventLogView::scrollToBottom()
{
    QScrollBar *bar = REQuelta_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

} // namespace quelta::ui
