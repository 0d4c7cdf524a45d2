#include "ui/status/StatusView.h"

#include "core/session/StatusScreens.h"
#include "ui/status/ClickableLabel.h"
#include "ui/status/DoorsView.h"
#include "ui/status/EventLogView.h"
#include "ui/status/GaugeView.h"
#include "ui/status/StatusPainting.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kInputColumns = 4;
constexpr QSize kBoxSize(104, 24);
constexpr int kLinkBoxHeight = 22;
constexpr QSize kCommandIcon(16, 16);
const QColor kLiveBlue(125, 184, 255);

void setBold(QWidget &widget, bool bold)
{
    QFont font = widget.font();
    font.setBold(bold);
    widget.setFont(font);
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

QLabel *boxLabel(QLabel *box, const QString &name)
{
    box->setObjectName(name);
    box->setFixedSize(kBoxSize);
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return box;
}

} // namespace

StatusView::StatusView(StatusScreens &screens, QWidget *parent)
    : QWidget(parent), screens_(screens)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildLeftColumn());
    layout->addWidget(buildRightColumn(), 1);
    connectCore();
    retranslate();

    for (int n = 1; n <= StatusScreen::kInputs; ++n)
        showInput(n);
    for (int n = 1; n <= StatusScreen::kOutputs; ++n)
        showOutput(n);
    for (const LinkBoxId id : {LinkBoxId::Gprs, LinkBoxId::Adsl, LinkBoxId::Com})
        showLinkBox(id);
    for (const TextBoxId id : {TextBoxId::Empresa, TextBoxId::Empresa2, TextBoxId::Gsm})
        showTextBox(id);
    showCovers();
    showGauges();
    showLabels();
    showPanelScreen();
}

// --- Building ------------------------------------------------------------------------------------

QWidget *StatusView::buildLeftColumn()
{
    PEstatES_ = new QFrame(this);
    PEstatES_->setObjectName(QStringLiteral("PEstatES"));
    paintPanel(*PEstatES_, kLiveBlue, palette().color(QPalette::WindowText));

    textBoxes_[0] = textBox("REEmpresa", 3);
    textBoxes_[1] = textBox("REEmpresa2", 3);

    linkBoxes_[0] = linkBox("REGPRS");
    linkBoxes_[1] = linkBox("READSL");
    linkBoxes_[2] = linkBox("RECOM");
    textBoxes_[2] = textBox("REGSM", 5);

    REInterCentral_ = new QLabel(PEstatES_);
    REInterCentral_->setObjectName(QStringLiteral("REInterCentral"));
    REInterCentral_->setAlignment(Qt::AlignCenter);
    REInterCentral_->setFixedHeight(kLinkBoxHeight);
    setBold(*REInterCentral_, true);

    auto *column = new QVBoxLayout(PEstatES_);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    // The company's box above the identifier's, so that a long name and the sixteen-digit
    // identifier both show; the device commands sit beside the identifier.
    auto *device = new QHBoxLayout;
    device->addWidget(textBoxes_[1], 1);
    device->addWidget(buildCommands());
    column->addWidget(textBoxes_[0]);
    column->addLayout(device);
    column->addWidget(buildActivities());
    for (QLabel *box : linkBoxes_)
        column->addWidget(box);
    column->addWidget(textBoxes_[2]);
    column->addWidget(buildGauges());
    column->addWidget(REInterCentral_);
    column->addStretch(1);
    PEstatES_->setFixedWidth(kInputColumns * (kBoxSize.width() + 6) + 24);
    return PEstatES_;
}

// The boxes sit in PESActivades; the covers are its siblings so that they stay when it is hidden.
QWidget *StatusView::buildActivities()
{
    auto *area = new QWidget(PEstatES_);
    PESActivades_ = new QWidget(area);
    PESActivades_->setObjectName(QStringLiteral("PESActivades"));
    QSizePolicy keepSpace = PESActivades_->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    PESActivades_->setSizePolicy(keepSpace);
    PESActivades_->installEventFilter(this);

    LEntrades_ = new QLabel(PESActivades_);
    LEntrades_->setObjectName(QStringLiteral("LEntrades"));
    LEntrades_->setSizePolicy(keepSpace);
    LSortides_ = new QLabel(PESActivades_);
    LSortides_->setObjectName(QStringLiteral("LSortides"));
    for (QLabel *label : {LEntrades_, LSortides_})
        setBold(*label, true);

    inputsBlock_ = new QWidget(PESActivades_);
    auto *inputs = new QGridLayout(inputsBlock_);
    inputs->setContentsMargins(0, 0, 0, 0);
    inputs->setSpacing(4);
    for (int n = 1; n <= StatusScreen::kInputs; ++n) {
        auto *box = boxLabel(new QLabel(inputsBlock_), QStringLiteral("EE%1").arg(n));
        inputs->addWidget(box, (n - 1) / kInputColumns, (n - 1) % kInputColumns);
        inputs_.at(static_cast<size_t>(n - 1)) = box;
    }
    outputsBlock_ = new QWidget(PESActivades_);
    auto *outputs = new QHBoxLayout(outputsBlock_);
    outputs->setContentsMargins(0, 0, 0, 0);
    outputs->setSpacing(4);
    for (int n = 1; n <= StatusScreen::kOutputs; ++n) {
        auto *box = new ClickableLabel(outputsBlock_);
        boxLabel(box, QStringLiteral("ES%1").arg(n));
        box->setCursor(Qt::PointingHandCursor);
        connect(box, &ClickableLabel::clicked, this, [this, n] {
            PESActivades_->setFocus();
            screens_.decoder().ActivarSortidesClick(n);
        });
        outputs->addWidget(box);
        outputs_.at(static_cast<size_t>(n - 1)) = box;
    }
    outputs->addStretch(1);

    auto *layout = new QVBoxLayout(PESActivades_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(LEntrades_);
    layout->addWidget(inputsBlock_);
    layout->addWidget(LSortides_);
    layout->addWidget(outputsBlock_);
    PESActivades_->setFocusPolicy(Qt::ClickFocus);

    PEntradesNoDisp_ = cover("PEntradesNoDisp");
    PSortidesNoDisp_ = cover("PSortidesNoDisp");
    auto *areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->addWidget(PESActivades_);
    return area;
}

QWidget *StatusView::buildGauges()
{
    auto *gauges = new QWidget(PEstatES_);
    LTamper_ = new QLabel(gauges);
    LTamper_->setObjectName(QStringLiteral("LTamper"));
    LAlim_ = new QLabel(gauges);
    LAlim_->setObjectName(QStringLiteral("LAlim"));
    tamper_ = new GaugeView({"GTamper", "STamperRest", "LTamperRest", "STamperDisp", "LTamperDisp", nullptr}, gauges);
    power_ = new GaugeView({"GAlimentacio", "Srestbat", "LRestBat", "SFunbat", "LFunBat", "LVAlim"}, gauges);
    auto *layout = new QGridLayout(gauges);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(LTamper_, 0, 0, Qt::AlignTop);
    layout->addWidget(tamper_, 0, 1, Qt::AlignLeft);
    layout->addWidget(LAlim_, 1, 0, Qt::AlignTop);
    layout->addWidget(power_, 1, 1, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    return gauges;
}

QWidget *StatusView::buildCommands()
{
    auto *commands = new QWidget(PEstatES_);
    BBReset_ = commandButton("BBReset", StatusScreen::kResetGlyph, &StatusScreens::BBResetClick);
    BBCRA_ = commandButton("BBCRA", StatusScreen::kCraGlyph, &StatusScreens::BBCRAClick);
    auto *layout = new QVBoxLayout(commands);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(BBReset_);
    layout->addWidget(BBCRA_);
    return commands;
}

// A device command wears its glyph beside its caption; the commands are equally wide, and their
// place stays while they are hidden.
QToolButton *StatusView::commandButton(const char *name, int glyph, void (StatusScreens::*command)())
{
    auto *button = new QToolButton(PEstatES_);
    button->setObjectName(QLatin1String(name));
    button->setIcon(imageListPicture(glyph, kCommandIcon.width()));
    button->setIconSize(kCommandIcon);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QSizePolicy keepSpace(QSizePolicy::Expanding, QSizePolicy::Fixed);
    keepSpace.setRetainSizeWhenHidden(true);
    button->setSizePolicy(keepSpace);
    connect(button, &QToolButton::clicked, &screens_, command);
    return button;
}

QWidget *StatusView::buildRightColumn()
{
    PEstatES2_ = new QFrame(this);
    PEstatES2_->setObjectName(QStringLiteral("PEstatES2"));
    paintPanel(*PEstatES2_, palette().color(QPalette::Dark), palette().color(QPalette::WindowText));
    doors_ = new DoorsView(screens_.doors(), PEstatES2_);
    doors_->hide();
    eventLog_ = new EventLogView(screens_.eventLog(), screens_.statusScreen(), PEstatES2_);
    auto *column = new QVBoxLayout(PEstatES2_);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(doors_);
    // The fire panel's screen sits where the doors do; the window puts it in this place.
    auto *panelPlace = new QVBoxLayout;
    panelPlace->setObjectName(QStringLiteral("panelScreensPlace"));
    column->addLayout(panelPlace);
    column->addWidget(eventLog_, 1);
    return PEstatES2_;
}

QTextEdit *StatusView::textBox(const char *name, int lines)
{
    auto *box = new QTextEdit(PEstatES_);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabStopDistance(box->fontMetrics().horizontalAdvance(QStringLiteral("Identificador: ")) + 4);
    box->document()->setDocumentMargin(2);
    box->setFixedHeight(lines * box->fontMetrics().lineSpacing() + 2 * box->frameWidth() + 6);
    return box;
}

QLabel *StatusView::linkBox(const char *name)
{
    auto *box = new QLabel(PEstatES_);
    box->setObjectName(QLatin1String(name));
    box->setFixedHeight(kLinkBoxHeight);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return box;
}

QLabel *StatusView::cover(const char *name)
{
    auto *label = new QLabel(PESActivades_->parentWidget());
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBold(*label, true);
    label->hide();
    return label;
}

void StatusView::connectCore()
{
    const StatusScreen &screen = screens_.statusScreen();
    connect(&screen, &StatusScreen::inputChanged, this, &StatusView::showInput);
    connect(&screen, &StatusScreen::outputChanged, this, &StatusView::showOutput);
    connect(&screen, &StatusScreen::linkBoxChanged, this, &StatusView::showLinkBox);
    connect(&screen, &StatusScreen::ioCoversChanged, this, &StatusView::showCovers);
    connect(&screen, &StatusScreen::gaugesChanged, this, &StatusView::showGauges);
    connect(&screen, &StatusScreen::textBoxChanged, this, &StatusView::showTextBox);
    // The gauges' labels follow the GSM box's colour.
    connect(&screen, &StatusScreen::textBoxChanged, this, &StatusView::showGauges);
    connect(&screen, &StatusScreen::labelsChanged, this, &StatusView::showLabels);
    connect(&screens_, &StatusScreens::panelScreenChanged, this, &StatusView::showPanelScreen);
    connect(&screens_, &StatusScreens::connectionEstablished, this,
            [this] { eventLog_->setLogBackground(kLiveBlue); });
    connect(&screen, &StatusScreen::cloudSnapshotChanged, this, &StatusView::showSnapshotLook);
}

// A cloud snapshot's panel takes the grey-text colour behind its boxes, which keep their own.
void StatusView::showSnapshotLook(bool snapshot)
{
    QPalette palette = PEstatES_->palette();
    palette.setColor(QPalette::Window, snapshot ? toQColor(colour::grayText, *PEstatES_) : kLiveBlue);
    PEstatES_->setPalette(palette);
}

void StatusView::retranslate()
{
    LEntrades_->setText(tr("ENTRADAS"));
    LSortides_->setText(tr("SALIDAS"));
    LTamper_->setText(tr("Tamper"));
    LAlim_->setText(tr("Alimentación"));
    showLabels();
    BBReset_->setText(tr("Reset"));
    BBCRA_->setText(tr("Envío a la CRA"));
    eventLog_->retranslate();
}

void StatusView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool StatusView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PESActivades_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeCovers();
    return QWidget::eventFilter(watched, event);
}

// --- Painting the core's state -------------------------------------------------------------------

void StatusView::showInput(int n)
{
    const IoBox &box = screens_.statusScreen().input(n);
    QLabel *label = inputs_.at(static_cast<size_t>(n - 1));
    label->setText(box.caption);
    paintPanel(*label, toQColor(box.background, *label), toQColor(box.text, *label));
}

void StatusView::showOutput(int n)
{
    const IoBox &box = screens_.statusScreen().output(n);
    QLabel *label = outputs_.at(static_cast<size_t>(n - 1));
    label->setText(box.caption);
    paintPanel(*label, toQColor(box.background, *label), toQColor(box.text, *label));
}

void StatusView::showLinkBox(LinkBoxId id)
{
    const LinkBox &box = screens_.statusScreen().linkBox(id);
    QLabel *label = linkBoxes_.at(static_cast<size_t>(id));
    label->setText(box.line);
    setBold(*label, box.bold);
    paintPanel(*label, toQColor(box.background, *label), toQColor(box.font, *label));
}

void StatusView::showCovers()
{
    const StatusScreen &screen = screens_.statusScreen();
    PESActivades_->setVisible(screen.PESActivadesVisible());
    LEntrades_->setVisible(screen.LEntradesVisible());
    const std::pair<QLabel *, const IoCover *> covers[] = {{PEntradesNoDisp_, &screen.PEntradesNoDisp()},
                                                           {PSortidesNoDisp_, &screen.PSortidesNoDisp()}};
    for (const auto &[label, cover] : covers) {
        label->setText(cover->text);
        paintPanel(*label, toQColor(cover->background, *label), palette().color(QPalette::WindowText));
        label->setVisible(cover->visible);
        label->raise();
    }
    placeCovers();
}

// Each cover lies over its block and the label above it.
void StatusView::placeCovers()
{
    const auto span = [this](QWidget *label, QWidget *block) {
        const QPoint origin = PESActivades_->pos();
        return QRect(origin + label->pos(), origin + block->geometry().bottomRight());
    };
    PEntradesNoDisp_->setGeometry(span(LEntrades_, inputsBlock_));
    PSortidesNoDisp_->setGeometry(span(LSortides_, outputsBlock_));
}

void StatusView::showGauges()
{
    const StatusScreen &screen = screens_.statusScreen();
    const QColor labels = toQColor(screen.gaugeLabelColour(), *this);
    tamper_->display(screen.GTamper(), labels);
    power_->display(screen.GAlimentacio(), labels);
}

void StatusView::showTextBox(TextBoxId id)
{
    const TextBox &box = screens_.statusScreen().textBox(id);
    QTextEdit *edit = textBoxes_.at(static_cast<size_t>(id));
    edit->setPlainText(box.lines.join(QLatin1Char('\n')));
    setTextColour(*edit, toQColor(box.font, *edit));
}

void StatusView::showLabels()
{
    const StatusScreen &screen = screens_.statusScreen();
    const QColor io = toQColor(screen.ioLabelColour(), *this);
    for (QLabel *label : {LEntrades_, LSortides_, LTamper_, LAlim_})
        setTextColour(*label, io);
    REInterCentral_->setVisible(screen.REInterCentralVisible());
    const bool interfaceError = screen.REInterCentralError();
    REInterCentral_->setText(interfaceError ? tr("ERROR INTERFACE") : tr("INTERFACE OK"));
    paintPanel(*REInterCentral_, interfaceError ? Qt::red : QColor(Qt::green),
               palette().color(interfaceError ? QPalette::Window : QPalette::WindowText));
    // The commands come with the device's identity.
    BBReset_->setVisible(screen.commandGlyphsShown());
    BBCRA_->setVisible(screen.commandGlyphsShown());
}

// A door controller shows its doors over the event log; the other panel screens come later.
void StatusView::showPanelScreen()
{
    doors_->setShown(screens_.doorsShown());
}

} // namespace quelta::ui
