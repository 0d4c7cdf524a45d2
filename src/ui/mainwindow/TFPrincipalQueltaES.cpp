#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "core/session/Shell.h"
#include "ui/cloud/DeviceDirectoryView.h"
#include "ui/cloud/TFAjuda.h"
#include "ui/cloud/TFRegistre.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/dialogs/BrokerSettingsDialog.h"
#include "ui/mainwindow/ClickGesture.h"
#include "ui/mainwindow/RemotePanel.h"
#include "ui/mainwindow/StatusLamp.h"
#include "ui/map/MapView.h"
#include "ui/pages/Colours.h"
#include "ui/pages/ContactListsView.h"
#include "ui/pages/ProgrammingView.h"
#include "ui/panels/PanelScreensView.h"
#include "ui/status/EventHistoryView.h"
#include "ui/status/LampPainter.h"
#include "ui/status/ServiceGestures.h"
#include "ui/status/StatusBarPanel.h"
#include "ui/status/StatusView.h"
#include "ui/update/UpdateView.h"
#include "ui/console/TFInfo.h"
#include "ui/dialogs/BidiSettingsDialog.h"
#include "ui/dialogs/FileDialogs.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kHintPauseMs = 250;
constexpr int kHintDurationMs = 10000;
constexpr QSize kBarButtonSize(84, 52);
// The smallest screen the tool is used on, 1280 by 800, holds the window with its frame and a
// taskbar.
constexpr QSize kMinimumSize(1200, 700);

// The application's hint pause; Qt reads it from the style of the hovered widget.
class HintStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return kHintPauseMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Hints are aqua and come up after a short pause, for the whole program.
void applyHintSettings()
{
    if (!dynamic_cast<HintStyle *>(QApplication::style()))
        QApplication::setStyle(new HintStyle(QApplication::style()->name()));
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

QLineEdit *lineEdit(const char *name, int width, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

TFPrincipalQueltaES::TFPrincipalQueltaES(Shell &shell, QWidget *parent)
    : QMainWindow(parent)
    , shell_(shell)
    , context_(shell.context())
    , device_(shell.device())
    , programming_(shell.programming())
    , screens_(shell.screens())
{
    buildWidgets();
    connectShell();
    // The service console lives for the whole run, hidden; the hidden gesture opens and closes it.
    TFInfo_ = new TFInfo(shell_.console(), this);
    connect(this, &TFPrincipalQueltaES::consoleToggleRequested, TFInfo_, &TFInfo::toggle);

    shell_.applyFormatSettings();
    applyHintSettings();
    shell_.ObtenirDadesPC();
    shell_.readSettings();
    shell_.chooseStartupLanguage();
    checkLanguageItem(context_.languages().Idioma());
    setWindowTitle(context_.Titol());
    if (!shell_.loadDictionaries())
        return;
    InicialitzaHint();
    shell_.Esborra_Camps();

    shell_.startLink();

    linkStrip_->setCurrentWidget(PUSB_);
    MIIComunicacioLocal_->setChecked(true);
    if (!device_.channel().serial().portName().isEmpty())
        refreshPortList();

    placeStatusBarItems();
    created_ = true;
}

// --- Building the form ---------------------------------------------------------------------------

void TFPrincipalQueltaES::buildWidgets()
{
    setObjectName(QStringLiteral("TFPrincipalQueltaES"));
    resize(1240, 740); // leaves a 1280 x 800 screen room for the title bar and the desktop's panels
    setMinimumSize(kMinimumSize);

    auto *central = new QWidget(this);
    auto *right = new QVBoxLayout;
    right->addWidget(buildLinkStrip());
    right->addWidget(buildViews(), 1);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildButtonBar());
    layout->addLayout(right, 1);
    setCentralWidget(central);

    buildStatusBar();
    buildMenus();
    retranslateUi();
    new LampPainter(screens_.blinkEngine(), *this, this);
    new ServiceGestures(screens_.serviceClicks(), *this, this);
}

QWidget *TFPrincipalQueltaES::buildButtonBar()
{
    PBotons_ = new QFrame(this);
    PBotons_->setObjectName(QStringLiteral("PBotons"));
    auto *bar = new QVBoxLayout(PBotons_);
    bar->setContentsMargins(4, 4, 4, 4);
    BBProg_ = addBarButton("BBProg", QT_TR_NOOP("Prog."), &TFPrincipalQueltaES::BBProgClick);
    BBBuscar_ = addBarButton("BBBuscar", QT_TR_NOOP("Buscar"), &TFPrincipalQueltaES::BBBuscarClick);
    BBMapa_ = addBarButton("BBMapa", QT_TR_NOOP("Mapa"), &TFPrincipalQueltaES::BBMapaClick);
    BBActualitzar_ = addBarButton("BBActualitzar", QT_TR_NOOP("Actual."), &TFPrincipalQueltaES::BBActualitzarClick);
    BBEvents_ = addBarButton("BBEvents", QT_TR_NOOP("Registro"), &TFPrincipalQueltaES::BBEventsClick);
    BBLlegirEstat_ = addBarButton("BBLlegirEstat", QT_TR_NOOP("Estado"), &TFPrincipalQueltaES::BBLlegirEstatClick);
    bar->addStretch(1);

    updateGesture_ = new ClickGesture(this);
    connect(updateGesture_, &ClickGesture::completed, this, &TFPrincipalQueltaES::firmwareUpdateViewRequested);
    connect(updateGesture_, &ClickGesture::completed, &shell_.update(), &update::UpdateSession::openFromServiceClicks);
    PBotons_->installEventFilter(this);
    // A right click on "Actual." does what its left click does.
    BBActualitzar_->installEventFilter(this);
    return PBotons_;
}

QToolButton *TFPrincipalQueltaES::addBarButton(const char *name, const char *source,
                                               void (TFPrincipalQueltaES::*handler)())
{
    auto *button = new QToolButton(PBotons_);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(kBarButtonSize);
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QToolButton::clicked, this, handler);
    registerCaption([button](const QString &text) { button->setText(text); }, source);
    PBotons_->layout()->addWidget(button);
    return button;
}

// Local mode shows the port selector, remote mode the remote-connection panel, in the same place.
QWidget *TFPrincipalQueltaES::buildLinkStrip()
{
    linkStrip_ = new QStackedWidget(this);
    linkStrip_->setFixedHeight(44);

    PUSB_ = new QFrame(linkStrip_);
    PUSB_->setObjectName(QStringLiteral("PUSB"));
    auto *portCaption = new QLabel(PUSB_);
    registerCaption([portCaption](const QString &text) { portCaption->setText(text); }, QT_TR_NOOP("Puerto USB"));
    CCBPort_ = new QComboBox(PUSB_);
    CCBPort_->setObjectName(QStringLiteral("CCBPort"));
    CCBPort_->setMinimumWidth(220);
    // Editable, so that a port the PC does not list (a pseudo-terminal path) can be typed.
    CCBPort_->setEditable(true);
    CCBPort_->setInsertPolicy(QComboBox::NoInsert);
    CCBPort_->installEventFilter(this);
    connect(CCBPort_, &QComboBox::textActivated, this, &TFPrincipalQueltaES::CCBPortChange);
    auto *usb = new QHBoxLayout(PUSB_);
    usb->addWidget(portCaption);
    usb->addWidget(CCBPort_);
    usb->addStretch(1);
    PRes_ = new QLabel(PUSB_);
    PRes_->setObjectName(QStringLiteral("PRes"));
    PRes_->hide();
    usb->addWidget(PRes_);

    PIP_ = new RemotePanel(device_, linkStrip_);
    PUSB_->setAutoFillBackground(true);
    linkStrip_->addWidget(PUSB_);
    linkStrip_->addWidget(PIP_);
    return linkStrip_;
}

// Placeholders that the status, programming and map screens fill, and the views of the others.
QWidget *TFPrincipalQueltaES::buildViews()
{
    views_ = new QStackedWidget(this);
    const auto page = [this](const char *name) {
        auto *widget = new QWidget(views_);
        widget->setObjectName(QLatin1String(name));
        views_->addWidget(widget);
        return widget;
    };
    PEstat_ = page("PEstat");
    PProgramacio_ = page("PProgramacio");
    PLlistatCircuits_ = new DeviceDirectoryView(views_);
    views_->addWidget(PLlistatCircuits_);
    PActualitzacions_ = new UpdateView(shell_.update(), views_);
    views_->addWidget(PActualitzacions_);
    PMapa_ = new MapView(shell_.map(), views_);
    views_->addWidget(PMapa_);
    PEvents_ = new EventHistoryView(screens_.history(), views_);
    views_->addWidget(PEvents_);

    programmingView_ = new ProgrammingView(programming_, context_.prompter(), PProgramacio_);
    new ContactListsView(shell_.contactLists(), *programmingView_);
    auto *programming = new QVBoxLayout(PProgramacio_);
    programming->setContentsMargins(0, 0, 0, 0);
    programming->addWidget(programmingView_);

    // Without a device the status view shows only its caption; the device's status screen replaces it.
    PEstatCaption_ = new QLabel(PEstat_);
    PEstatCaption_->setObjectName(QStringLiteral("PEstatCaption"));
    PEstatCaption_->setAlignment(Qt::AlignCenter);
    QFont captionFont = PEstatCaption_->font();
    captionFont.setPointSizeF(captionFont.pointSizeF() * 2);
    captionFont.setBold(true);
    PEstatCaption_->setFont(captionFont);
    deviceStatusPanels_ = new StatusView(screens_, PEstat_);
    deviceStatusPanels_->setObjectName(QStringLiteral("deviceStatusPanels"));
    // The fire panel's screen goes above the device's event log.
    if (auto *place = deviceStatusPanels_->findChild<QBoxLayout *>(QStringLiteral("panelScreensPlace")))
        place->addWidget(new PanelScreensView(shell_.panels()));
    auto *estat = new QVBoxLayout(PEstat_);
    estat->setContentsMargins(0, 0, 0, 0);
    estat->addWidget(PEstatCaption_);
    estat->addWidget(deviceStatusPanels_, 1);
    buildAccessCodePrompt();
    PEstat_->installEventFilter(this);
    return views_;
}

// The prompt lies over the status view rather than in its layout, so that it never takes the
// view's height nor is squeezed by it.
void TFPrincipalQueltaES::buildAccessCodePrompt()
{
    auto *frame = new QFrame(PEstat_);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setAutoFillBackground(true);
    PBloqueig_ = frame;
    PBloqueig_->setObjectName(QStringLiteral("PBloqueig"));
    PBloqueig_->setFixedWidth(460);
    auto *title = new QLabel(PBloqueig_);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    registerCaption([title](const QString &text) { title->setText(text); }, QT_TR_NOOP(" CODIGO DE PROGRAMACION"));
    auto *text = new QLabel(PBloqueig_);
    text->setWordWrap(true);
    registerCaption([text](const QString &caption) { text->setText(caption); },
                    QT_TR_NOOP("El circuito está protegido y no se puede acceder a su programación. Para desbloquear "
                               "entre el código de programación."));
    ECodiDesbloqueig_ = lineEdit("ECodiDesbloqueig", 200, PBloqueig_);
    ECodiDesbloqueig_->setEchoMode(QLineEdit::Password);
    auto *accept = new QPushButton(PBloqueig_);
    accept->setObjectName(QStringLiteral("BBDesbloqueigAcceptar"));
    registerCaption([accept](const QString &caption) { accept->setText(caption); }, QT_TR_NOOP("Entrar"));
    auto *cancel = new QPushButton(PBloqueig_);
    cancel->setObjectName(QStringLiteral("BBDesbloqueigCancellar"));
    registerCaption([cancel](const QString &caption) { cancel->setText(caption); }, QT_TR_NOOP("Cancelar"));
    connect(accept, &QPushButton::clicked, this, &TFPrincipalQueltaES::BBDesbloqueigAcceptarClick);
    connect(ECodiDesbloqueig_, &QLineEdit::returnPressed, this, &TFPrincipalQueltaES::BBDesbloqueigAcceptarClick);
    connect(cancel, &QPushButton::clicked, this, &TFPrincipalQueltaES::BBDesbloqueigCancellarClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(PBloqueig_);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(ECodiDesbloqueig_, 0, Qt::AlignCenter);
    layout->addLayout(buttons);
    PBloqueig_->hide();
}

// In the middle of the status view, as tall as its wrapped text needs.
void TFPrincipalQueltaES::placeAccessCodePrompt()
{
    QRect area(QPoint(), QSize(PBloqueig_->width(), PBloqueig_->heightForWidth(PBloqueig_->width())));
    area.moveCenter(PEstat_->rect().center());
    PBloqueig_->setGeometry(area);
}

// The panels are labels side by side from the left edge of one strip; the lamps and the progress
// bar lie over them at places computed from the widths of panels 0 and 1, which stay fixed. Panel
// 2 takes the rest of the strip, so that a fire panel's name is never cut.
void TFPrincipalQueltaES::buildStatusBar()
{
    SBEstat_ = new QStatusBar(this);
    SBEstat_->setObjectName(QStringLiteral("SBEstat"));
    SBEstat_->setSizeGripEnabled(false);
    SBEstat_->setFont(StatusBarPanel::panelFont(*SBEstat_));
    auto *strip = new QWidget(SBEstat_);
    strip->setFixedHeight(kStatusBarHeight);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto *panel = new StatusBarPanel(strip);
        panel->setObjectName(QStringLiteral("SBEstatPanel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        row->addWidget(panel);
        statusPanels_.at(i) = panel;
    }
    statusPanels_[0]->setFixedWidth(kPanelWidths[0]);
    statusPanels_[1]->setFixedWidth(kPanelWidths[1]);
    statusPanels_[2]->setMinimumWidth(kPanelWidths[2]);
    row->setStretch(2, 1);
    // Panel 2's picture and text start clear of the fire-panel lamps at its left.
    statusPanels_[2]->setIndent(StatusLamp::kSize + 30);
    SBEstat_->addWidget(strip, 1);
    setStatusBar(SBEstat_);

    PBEstat_ = new QProgressBar(strip);
    PBEstat_->setObjectName(QStringLiteral("PBEstat"));
    PBEstat_->setTextVisible(false);
    PBEstat_->hide();
    LEstat_ = new QLabel(PBEstat_);
    LEstat_->setObjectName(QStringLiteral("LEstat"));
    LEstat_->setAlignment(Qt::AlignCenter);
    LEstat_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&context_.statusBar(), &StatusBar::LEstatChanged, LEstat_, &QLabel::setText);

    const auto lamp = [strip](const char *name, const QColor &colour) {
        auto *widget = new StatusLamp(colour, strip);
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    ComLedRX_ = lamp("ComLedRX", Qt::green);
    ComLedTX_ = lamp("ComLedTX", Qt::red);
    ComLedRXAgui_ = lamp("ComLedRXAgui", Qt::green);
    ComLedTXAgui_ = lamp("ComLedTXAgui", Qt::red);
    // The fire-panel lamps appear with a panel link.
    ComLedRXAgui_->hide();
    ComLedTXAgui_->hide();
}

void TFPrincipalQueltaES::placeStatusBarItems()
{
    const int lampTop = (kStatusBarHeight - StatusLamp::kSize) / 2;
    const int rx = GetWidthText(statusPanels_[0]->drawnText(), SBEstat_->font()) + StatusLamp::kSize + 10;
    ComLedRX_->move(rx, lampTop);
    ComLedTX_->move(rx + 20, lampTop);
    const int panel2 = kPanelWidths[0] + kPanelWidths[1];
    ComLedRXAgui_->move(panel2 + 10, lampTop);
    ComLedTXAgui_->move(panel2 + 30, lampTop);

    PBEstat_->setGeometry(kPanelWidths[0] + 200, 3, kPanelWidths[1] - 200, kStatusBarHeight - 6);
    LEstat_->setGeometry(PBEstat_->rect());
}

void TFPrincipalQueltaES::buildMenus()
{
    QMenuBar *bar = menuBar();
    // The blank first item: a few spaces wide so that it can be clicked.
    QAction *consoleItem = bar->addAction(QStringLiteral("     "));
    consoleItem->setObjectName(QStringLiteral("consoleGestureItem"));
    consoleGesture_ = new ClickGesture(this);
    connect(consoleItem, &QAction::triggered, consoleGesture_, &ClickGesture::click);
    connect(consoleGesture_, &ClickGesture::completed, this, &TFPrincipalQueltaES::consoleToggleRequested);

    QMenu *sistema = addTopMenu("MISistema", QT_TR_NOOP("Sistema"));
    connect(addMenuItem(sistema, "MITancarSessio", QT_TR_NOOP("Cerrar sesión")), &QAction::triggered, this,
            &TFPrincipalQueltaES::MITancarSessioClick);
    connect(addMenuItem(sistema, "MISortir", QT_TR_NOOP("Salir")), &QAction::triggered, this, &QWidget::close);

    connect(addMenuItem(bar, "MIEstat", QT_TR_NOOP("Estado")), &QAction::triggered, this,
            &TFPrincipalQueltaES::BBLlegirEstatClick);

    // The transfer and template commands come with their engines.
    QMenu *programacio = addTopMenu("MIProgramacio", QT_TR_NOOP("Programación"));
    MIILlegir_ = addMenuItem(programacio, "MIILlegir", QT_TR_NOOP("Leer el circuito"));
    connect(MIILlegir_, &QAction::triggered, this, [this] { programming_.readEngine().BBLlegirClick(); });
    MIIGravar_ = addMenuItem(programacio, "MIIGravar", QT_TR_NOOP("Programar el circuito"));
    connect(MIIGravar_, &QAction::triggered, this, [this] { programming_.writeEngine().BBGravarClick(); });
    MIICrearplantilla_ = addMenuItem(programacio, "MIICrearplantilla", QT_TR_NOOP("Guardar plantilla"));
    connect(MIICrearplantilla_, &QAction::triggered, this, &TFPrincipalQueltaES::MIICrearplantillaClick);
    MIIImportarPlantilla_ = addMenuItem(programacio, "MIIImportarPlantilla", QT_TR_NOOP("Importar datos de plantilla"));
    connect(MIIImportarPlantilla_, &QAction::triggered, this, &TFPrincipalQueltaES::MIIImportarPlantillaClick);
    MIIDefecte_ = addMenuItem(programacio, "MIIDefecte", QT_TR_NOOP("Restaurar los valores de fábrica"));
    connect(MIIDefecte_, &QAction::triggered, this, [this] { programming_.MIIDefecteClick(); });

    MIBuscar_ = addMenuItem(bar, "MIBuscar", QT_TR_NOOP("Buscar"));
    connect(MIBuscar_, &QAction::triggered, this, &TFPrincipalQueltaES::BBBuscarClick);
    QAction *bidi = addMenuItem(bar, "MIBidi", QT_TR_NOOP("Bidi"));
    bidi->setVisible(false);
    connect(bidi, &QAction::triggered, this, [this] { BidiSettingsDialog::MIBidiClick(shell_.telecontrol(), this); });

    QMenu *comunicacio = addTopMenu("MIComunicacio", QT_TR_NOOP("Comunicación"));
    auto *modes = new QActionGroup(comunicacio);
    MIIComunicacioLocal_ = addMenuItem(comunicacio, "MIIComunicacioLocal", QT_TR_NOOP("Local"));
    connect(MIIComunicacioLocal_, &QAction::triggered, this, &TFPrincipalQueltaES::MIIComunicacioLocalClick);
    MIIComunicacioRemota_ = addMenuItem(comunicacio, "MIIComunicacioRemota", QT_TR_NOOP("Remota"));
    connect(MIIComunicacioRemota_, &QAction::triggered, this, &TFPrincipalQueltaES::MIIComunicacioRemotaClick);
    for (QAction *mode : {MIIComunicacioLocal_, MIIComunicacioRemota_}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }
    comunicacio->addSeparator();
    QAction *broker = addMenuItem(comunicacio, "MIIServidorMQTT", QT_TR_NOOP("Servidor MQTT..."));
    connect(broker, &QAction::triggered, this, &TFPrincipalQueltaES::MIIServidorMQTTClick);

    buildLanguageMenu(addTopMenu("MIIdioma", QT_TR_NOOP("Idioma")));

    QMenu *info = addTopMenu("MIInfo", QT_TR_NOOP("Info"));
    connect(addMenuItem(info, "MIIAcercaDe", QT_TR_NOOP("Acerca de")), &QAction::triggered, this,
            &TFPrincipalQueltaES::MIIAcercaDeClick);
}

// Each language is named in itself, so its caption is never translated.
void TFPrincipalQueltaES::buildLanguageMenu(QMenu *menu)
{
    languageItems_ = new QActionGroup(menu);
    languageItems_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const LanguageInfo &language : languageTable()) {
        auto *item = new QAction(QString::fromUtf8(language.caption), menu);
        item->setObjectName(QLatin1String(language.menuItem));
        item->setData(QLatin1String(language.storedName));
        item->setCheckable(true);
        languageItems_->addAction(item);
        menu->addAction(item);
        connect(item, &QAction::triggered, this, [this, &language] { LanguageClick(language); });
    }
}

QAction *TFPrincipalQueltaES::addMenuItem(QWidget *owner, const char *name, const char *source)
{
    auto *item = new QAction(owner);
    item->setObjectName(QLatin1String(name));
    owner->addAction(item);
    registerCaption([item](const QString &text) { item->setText(text); }, source);
    return item;
}

QMenu *TFPrincipalQueltaES::addTopMenu(const char *name, const char *source)
{
    QMenu *menu = menuBar()->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    registerCaption([menu](const QString &text) { menu->setTitle(text); }, source);
    return menu;
}

void TFPrincipalQueltaES::registerCaption(std::function<void(const QString &)> apply, const char *source)
{
    captions_.push_back({std::move(apply), source});
}

void TFPrincipalQueltaES::retranslateUi()
{
    for (const Caption &caption : captions_)
        caption.apply(tr(caption.source));
}

// Every control's explanation as its tooltip, in the language now chosen.
void TFPrincipalQueltaES::InicialitzaHint()
{
    programming_.hints().InicialitzaHint([this](const QString &name, const QString &hint) {
        if (auto *widget = findChild<QWidget *>(name)) {
            widget->setToolTip(QString(hint).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            widget->setToolTipDuration(kHintDurationMs);
        }
    });
}

void TFPrincipalQueltaES::connectShell()
{
    connect(&shell_, &Shell::windowTitleChanged, this, &QWidget::setWindowTitle);
    connect(&context_.views(), &ViewState::panelmostratChanged, this, &TFPrincipalQueltaES::bringToFront);
    connect(&shell_, &Shell::languageChanged, this, &TFPrincipalQueltaES::checkLanguageItem);
    connect(&shell_, &Shell::languageSwitched, this, &TFPrincipalQueltaES::showLanguageSwitched);
    connect(&device_, &DeviceSession::localLinkSelected, this, &TFPrincipalQueltaES::showLocalLink);
    connect(&device_, &DeviceSession::remoteSessionOpened, this, &TFPrincipalQueltaES::showRemoteSessionOpened);
    connect(&device_, &DeviceSession::remoteSessionLost, PIP_, &RemotePanel::showLost);
    connect(&programming_, &Programming::programmingViewShown, this, [this] { bringToFront(View::Programacio); });
    connect(&context_.views(), &ViewState::resultTextChanged, this, &TFPrincipalQueltaES::showResult);
    connect(&shell_.commands(), &CommandAvailability::changed, this, &TFPrincipalQueltaES::paintCommands);
    paintCommands(shell_.commands().controls());
    // The telecontrol settings concern the Aguilera panels only.
    connect(&shell_.panels(), &PanelScreens::screenChanged, this, [this] {
        if (auto *bidi = findChild<QAction *>(QStringLiteral("MIBidi")))
            bidi->setVisible(shell_.panels().bidiOffered());
    });

    const StatusBar &bar = context_.statusBar();
    connect(&bar, &StatusBar::panelChanged, this, &TFPrincipalQueltaES::showStatusPanel);
    connect(&screens_.statusScreen(), &StatusScreen::statusBarRedrawRequested, this,
            &TFPrincipalQueltaES::SBEstatDrawPanel);
    connect(&bar, &StatusBar::progressChanged, this, &TFPrincipalQueltaES::showProgress);
    connect(&context_.activity(), &TransferActivity::runningChanged, this, &TFPrincipalQueltaES::showBusy);
    connect(&shell_.update(), &update::UpdateSession::changed, this, &TFPrincipalQueltaES::showUpdateBusy);
    for (int i = 0; i < int(statusPanels_.size()); ++i)
        statusPanels_.at(static_cast<size_t>(i))->setText(bar.panel(i));
    SBEstatDrawPanel();

    const LinkSupervisor &supervisor = device_.supervisor();
    connect(&supervisor, &LinkSupervisor::connectionEstablished, this, &TFPrincipalQueltaES::showConnectionEstablished);
    connect(&supervisor, &LinkSupervisor::connectionEnded, this, &TFPrincipalQueltaES::showConnectionEnded);
    connect(&supervisor, &LinkSupervisor::statusScreenShown, this, &TFPrincipalQueltaES::showStatusScreen);
    connect(&supervisor, &LinkSupervisor::portListChanged, this, &TFPrincipalQueltaES::refreshPortList);
    connect(&supervisor, &LinkSupervisor::ledsTicked, this, &TFPrincipalQueltaES::paintLamps);
    connect(&device_.lock(), &ProgrammingLock::accessCodeRequested, this, &TFPrincipalQueltaES::showAccessCodePrompt);
    connectDirectory();
    // The event history is shown over the current view without changing it.
    connect(&screens_.history(), &EventHistoryScreen::shown, this, [this] { views_->setCurrentWidget(PEvents_); });
    connect(&shell_.snapshot(), &CloudSnapshot::shown, this, [this] { showStatusScreen(true); });
    // The map comes forward even over the event history, which leaves the view as it was.
    connect(&shell_.map(), &MapScreen::shown, this, [this] { bringToFront(View::Mapa); });
}

// The directory view reports the installer's searches, keys and double clicks to the core's
// directory and shows what it finds; the key panel brings the view forward.
void TFPrincipalQueltaES::connectDirectory()
{
    DeviceDirectory &directory = shell_.directory();
    connect(PLlistatCircuits_, &DeviceDirectoryView::searchRequested, &directory, &DeviceDirectory::BBLlistatBuscaClick);
    connect(PLlistatCircuits_, &DeviceDirectoryView::keyEntered, &directory,
            [this, &directory](const QString &key) { directory.BBAcceptarPasswordClick(PLlistatCircuits_->search(), key); });
    connect(PLlistatCircuits_, &DeviceDirectoryView::cellActivated, &directory, &DeviceDirectory::SGLListatCircuitsDblClick);
    connect(&directory, &DeviceDirectory::searchFilled, PLlistatCircuits_, &DeviceDirectoryView::fillSearch);
    connect(&directory, &DeviceDirectory::listed, this, [this](const QList<DirectoryEntry> &entries) {
        bringToFront(View::LlistaCircuits);
        PLlistatCircuits_->showEntries(entries);
    });
    connect(&directory, &DeviceDirectory::busyChanged, this, &TFPrincipalQueltaES::showBusy);
    connect(&context_.cloud(), &CloudAccess::sinInternet, PLlistatCircuits_, &DeviceDirectoryView::hideKeyPanel);
    connect(&directory, &DeviceDirectory::keyPanelShown, this, [this] {
        views_->setCurrentWidget(PLlistatCircuits_);
        PLlistatCircuits_->showKeyPanel();
    });
    connect(&directory, &DeviceDirectory::keyPanelHidden, PLlistatCircuits_, &DeviceDirectoryView::hideKeyPanel);
    connect(&directory, &DeviceDirectory::companyFocusRequested, PLlistatCircuits_, &DeviceDirectoryView::focusCompany);
    connect(&directory, &DeviceDirectory::installerFocusRequested, PLlistatCircuits_, &DeviceDirectoryView::focusInstaller);
    connect(&directory, &DeviceDirectory::keyFocusRequested, PLlistatCircuits_, &DeviceDirectoryView::focusKey);
}

// --- Core state on screen ------------------------------------------------------------------------

void TFPrincipalQueltaES::showStatusPanel(int index, const QString &text)
{
    statusPanels_.at(static_cast<size_t>(index))->setText(text);
    SBEstatDrawPanel();
    if (index == 0)
        placeStatusBarItems();
}

// The panels take the core's look: background, picture and text; panel 2 also shows or hides the
// fire-panel link lamps.
void TFPrincipalQueltaES::SBEstatDrawPanel()
{
    const StatusScreen &screen = screens_.statusScreen();
    for (int i = 0; i < int(statusPanels_.size()); ++i)
        statusPanels_.at(static_cast<size_t>(i))->setLook(screen.SBEstatDrawPanel(i));
    const bool panelLink = screen.SBEstatDrawPanel(2).panelLinkIndicators;
    ComLedRXAgui_->setVisible(panelLink);
    ComLedTXAgui_->setVisible(panelLink);
}

void TFPrincipalQueltaES::showProgress(bool visible, int percent)
{
    PBEstat_->setValue(percent);
    PBEstat_->setVisible(visible);
}

// Every busy source pushes the cursor and pops it again, so that it shows while any of them is busy.
void TFPrincipalQueltaES::showBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// The update session says only that something changed: the cursor follows its busy edges.
void TFPrincipalQueltaES::showUpdateBusy()
{
    const bool busy = shell_.update().busy();
    if (busy == updateBusy_)
        return;
    updateBusy_ = busy;
    showBusy(busy);
}

void TFPrincipalQueltaES::paintLamps()
{
    const LinkState &link = device_.link();
    ComLedRX_->setOn(link.tempsRX > 0);
    ComLedTX_->setOn(link.tempsTX > 0);
    ComLedRXAgui_->setOn(link.tempsRXAgui > 0);
    ComLedTXAgui_->setOn(link.tempsTXAgui > 0);
}

// The live link panel turns light blue; a remote session offers its "Desconectar" button.
void TFPrincipalQueltaES::showConnectionEstablished()
{
    const LinkState &link = device_.link();
    if (link.isRemote())
        PIP_->showLinked();
    else
        PUSB_->setPalette(QPalette(colours::kLightBlue));
    ComLedRX_->show();
    ComLedTX_->show();
    const bool panelLink = link.connex_Quelta_Agui == 1 || link.connex_Quelta_Agui == 2;
    ComLedRXAgui_->setVisible(panelLink);
    ComLedTXAgui_->setVisible(panelLink);
}

// The device's panels would show stale data: the status view says there is no device.
void TFPrincipalQueltaES::showConnectionEnded()
{
    PUSB_->setPalette(QPalette());
    showSinConexio();
}

// The core decides which commands are available; a control is found by its name.
void TFPrincipalQueltaES::paintCommands(const QStringList &controls)
{
    const CommandAvailability &commands = shell_.commands();
    for (const QString &name : controls) {
        const bool enabled = commands.isEnabled(name);
        if (auto *menu = findChild<QMenu *>(name))
            menu->menuAction()->setEnabled(enabled);
        else if (auto *action = findChild<QAction *>(name))
            action->setEnabled(enabled);
        else if (auto *widget = findChild<QWidget *>(name))
            widget->setEnabled(enabled);
    }
}

void TFPrincipalQueltaES::showStatusScreen(bool connected)
{
    if (connected) {
        PEstatCaption_->clear();
        PEstatCaption_->hide();
        deviceStatusPanels_->show();
    } else {
        showSinConexio();
    }
    views_->setCurrentWidget(PEstat_);
    BBLlegirEstat_->setFocus();
}

void TFPrincipalQueltaES::showLocalLink()
{
    MIIComunicacioLocal_->setChecked(true);
    linkStrip_->setCurrentWidget(PUSB_);
}

// --- Access code ---------------------------------------------------------------------------------

void TFPrincipalQueltaES::showAccessCodePrompt()
{
    views_->setCurrentWidget(PEstat_);
    ECodiDesbloqueig_->clear();
    placeAccessCodePrompt();
    PBloqueig_->show();
    PBloqueig_->raise();
    ECodiDesbloqueig_->setFocus();
}

void TFPrincipalQueltaES::BBDesbloqueigAcceptarClick()
{
    if (!device_.lock().BBDesbloqueigAcceptarClick(ECodiDesbloqueig_->text())) {
        ECodiDesbloqueig_->setFocus();
        return;
    }
    ECodiDesbloqueig_->clear();
    PBloqueig_->hide();
}

void TFPrincipalQueltaES::BBDesbloqueigCancellarClick()
{
    device_.lock().BBDesbloqueigCancellarClick();
    ECodiDesbloqueig_->clear();
    PBloqueig_->hide();
}

// --- Window events -------------------------------------------------------------------------------

// The first activation's work runs once the window is up, so that its dialogs have a window to
// stand over.
void TFPrincipalQueltaES::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (activationQueued_)
        return;
    activationQueued_ = true;
    QTimer::singleShot(0, this, &TFPrincipalQueltaES::FormActivate);
}

void TFPrincipalQueltaES::FormActivate()
{
    showSinConexio();
    const bool signedInOrOffline = shell_.FormActivate([this](const RegistrationStart &start) {
        TFRegistre window(shell_.registration(), start, this);
        return window.exec() == QDialog::Accepted;
    });
    if (!signedInOrOffline) {
        close();
        return;
    }
    BBLlegirEstat_->setFocus();
}

void TFPrincipalQueltaES::showSinConexio()
{
    deviceStatusPanels_->hide();
    PEstatCaption_->setText(tr("SIN   CONEXION"));
    PEstatCaption_->show();
    // A remote session being opened keeps its button.
    if (!device_.link().isRemote())
        PIP_->reset();
}

void TFPrincipalQueltaES::closeEvent(QCloseEvent *event)
{
    shell_.FormClose();
    QMainWindow::closeEvent(event);
}

void TFPrincipalQueltaES::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        placeStatusBarItems();
    }
    QMainWindow::changeEvent(event);
}

// The update-view gesture counts clicks on the bar itself, not on its buttons, and only while a
// device session is established.
bool TFPrincipalQueltaES::eventFilter(QObject *watched, QEvent *event)
{
    // Opening the port list shows the ports present now.
    if (watched == CCBPort_ && event->type() == QEvent::MouseButtonPress)
        refreshPortList();
    if (watched == PEstat_ && event->type() == QEvent::Resize)
        placeAccessCodePrompt();
    // A disabled button's events still pass here on their way to the bar.
    if (watched == BBActualitzar_ && BBActualitzar_->isEnabled() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        BBActualitzarClick();
    if (watched == PBotons_ && event->type() == QEvent::MouseButtonPress && device_.link().circuittrobat) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (!PBotons_->childAt(press->position().toPoint()))
            updateGesture_->click();
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Views ---------------------------------------------------------------------------------------

QWidget *TFPrincipalQueltaES::pageOf(View view) const
{
    switch (view) {
    case View::Estat: return PEstat_;
    case View::Programacio: return PProgramacio_;
    case View::LlistaCircuits: return PLlistatCircuits_;
    case View::Actualitzacions: return PActualitzacions_;
    case View::Mapa: return PMapa_;
    }
    return PEstat_;
}

void TFPrincipalQueltaES::bringToFront(View view)
{
    views_->setCurrentWidget(pageOf(view));
}

void TFPrincipalQueltaES::showView(View view)
{
    bringToFront(view);
    context_.views().setPanelmostrat(view);
}

// The core checks the lock and, when the view may be shown, asks for it (programmingViewShown).
void TFPrincipalQueltaES::BBProgClick()
{
    programming_.BBProgClick();
}

// The file dialogs are the commands' choosers; the core asks its own questions around them.
void TFPrincipalQueltaES::MIICrearplantillaClick()
{
    programming_.templates().MIICrearplantillaClick([this] {
        return saveFileName(this, QString(), tr("Plantilla") + QStringLiteral(" (*.pla)"));
    });
}

void TFPrincipalQueltaES::MIIImportarPlantillaClick()
{
    programming_.templates().MIIImportarPlantillaClick([this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), tr("Plantilla") + QStringLiteral(" (*.pla)"));
    });
}

// The result strip shows what the core last produced (a loaded template); empty, it goes away.
void TFPrincipalQueltaES::showResult(const QString &text)
{
    PRes_->setText(text);
    PRes_->setVisible(!text.isEmpty());
}

void TFPrincipalQueltaES::BBBuscarClick()
{
    shell_.directory().MIBuscarClick();
}

// The core checks the update, the lock, the internet and the position, then shows the marker.
void TFPrincipalQueltaES::BBMapaClick()
{
    shell_.map().BBMapaClick();
}

// The core checks the link and the lock, lists the versions and brings the view forward.
void TFPrincipalQueltaES::BBActualitzarClick()
{
    shell_.update().BBActualitzarClick();
}

void TFPrincipalQueltaES::BBEventsClick()
{
    screens_.history().BBEventsClick();
}

void TFPrincipalQueltaES::BBLlegirEstatClick()
{
    if (!device_.link().updateRunning())
        device_.supervisor().BBLlegirEstatClick();
}

// --- Link and menus ------------------------------------------------------------------------------

void TFPrincipalQueltaES::refreshPortList()
{
    const QString port = device_.channel().serial().portName();
    CCBPort_->clear();
    CCBPort_->addItems(SerialTransport::portList(port));
    CCBPort_->setCurrentText(port);
}

void TFPrincipalQueltaES::CCBPortChange(const QString &name)
{
    device_.CCBPortClick(name);
    device_.CCBPortChange();
}

void TFPrincipalQueltaES::MIIComunicacioLocalClick()
{
    device_.MIIComunicacioLocalClick();
}

// The remote panel comes forward, offering a session with the device last identified.
void TFPrincipalQueltaES::MIIComunicacioRemotaClick()
{
    linkStrip_->setCurrentWidget(PIP_);
    PIP_->offerConnection();
}

void TFPrincipalQueltaES::MIIServidorMQTTClick()
{
    BrokerSettingsDialog dialog(device_.broker(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    device_.storeBroker(dialog.broker());
    PIP_->showBroker(device_.broker());
}

void TFPrincipalQueltaES::showRemoteSessionOpened()
{
    linkStrip_->setCurrentWidget(PIP_);
    MIIComunicacioRemota_->setChecked(true);
    PIP_->showLinked();
}

void TFPrincipalQueltaES::MITancarSessioClick()
{
    shell_.MITancarSessioClick();
    close();
}

// Only during a remote session, and never while a firmware update runs.
void TFPrincipalQueltaES::MIIAcercaDeClick()
{
    if (device_.link().updateRunning() || device_.link().isLocal())
        return;
    TFAjuda about(shell_.aboutBox(), shell_.registration(), this);
    about.exec();
}

// The item is checked only when its language module loaded; otherwise the current one stays.
void TFPrincipalQueltaES::LanguageClick(const LanguageInfo &language)
{
    if (!shell_.SwitchLanguage(language))
        checkLanguageItem(context_.languages().Idioma());
}

// The hints again, now that the bindings are made, and the window without a device.
void TFPrincipalQueltaES::showLanguageSwitched()
{
    InicialitzaHint();
    showSinConexio();
    placeStatusBarItems();
}

void TFPrincipalQueltaES::checkLanguageItem(const QString &storedName)
{
    for (QAction *item : languageItems_->actions())
        item->setChecked(item->data().toString() == storedName);
}

} // namespace quelta::ui
