#include "core/status/StatusScreen.h"

#include "core/base/StatusBar.h"
#include "core/link/LinkState.h"
#include "core/status/TimeZoneNames.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quelta {
namespace {

struct LinkStateLook
{
    Colour background;
    QString text;
};

std::optional<int> parseState(const QString &state)
{
    bool ok = false;
    const int value = state.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<LinkStateLook> gprsLook(int state)
{
    switch (state) {
    case 0: return LinkStateLook{colour::silver, StatusScreen::tr("DESACTIVADO")};
    case 1: return LinkStateLook{colour::red, StatusScreen::tr("Buscando módulo")};
    case 2: return LinkStateLook{colour::red, StatusScreen::tr("Buscando SIM")};
    case 3: return LinkStateLook{colour::orange, StatusScreen::tr("Registrándose")};
    case 4: return LinkStateLook{colour::orange, StatusScreen::tr("CONECTADO A LA RED")};
    case 5: return LinkStateLook{colour::green, StatusScreen::tr("CONECTADO A INTERNET")};
    case 6: return LinkStateLook{colour::lime, StatusScreen::tr("CONECTADO A RECEPTORA")};
    default: return std::nullopt;
    }
}

std::optional<LinkStateLook> adslLook(int state)
{
    switch (state) {
    case 0: return LinkStateLook{colour::silver, StatusScreen::tr("DESACTIVADO")};
    case 1:
    case 2:
    case 3: return LinkStateLook{colour::red, StatusScreen::tr("SIN   CONEXION")};
    case 4: return LinkStateLook{colour::orange, StatusScreen::tr("SIN CONEXIÓN A RECEPTORA")};
    case 5: return LinkStateLook{colour::green, StatusScreen::tr("CONECTADO A INTERNET")};
    case 6: return LinkStateLook{colour::lime, StatusScreen::tr("CONECTADO A RECEPTORA")};
    default: return std::nullopt;
    }
}

// The text follows the box: blue on the window colour, bold black on silver, black on lime,
// white on anything else.
void applyFontRule(LinkBox &box)
{
    box.bold = box.background == colour::silver;
    if (box.background == colour::window)
        box.font = colour::blue;
    else if (box.background == colour::silver || box.background == colour::lime)
        box.font = colour::black;
    else
        box.font = colour::white;
}

// The status-bar text of a panel link, by the panel type; the rows are tested in order.
QString panelLinkText(const QString &central)
{
    const auto has = [&central](const char *text) { return central.contains(QLatin1String(text)); };
    const bool cofem = has("Cofem") && !has("Cofem-A");
    const char *name = nullptr;
    if (has("BC600"))
        name = "BC600";
    else if (has("BC216"))
        name = "BC216";
    else if (has("AE/SA") || has("AGE") || has("AE/C5"))
        name = "Aguilera";
    else if (cofem)
        name = has("CLVR") ? "CLVR" : "K-CONECTA";
    else {
        for (const char *type : {"Urano", "Syncro", "Bosch", "Supra", "Cofem-A", "Komttech", "AD300", "ID3000"}) {
            if (has(type)) {
                name = type;
                break;
            }
        }
    }
    return name ? QStringLiteral("  Quelta            ") + QLatin1String(name) : QStringLiteral("  ");
}

QString percentOf(int value, int full)
{
    return QString::number(value * 100 / full) + QLatin1Char('%');
}

// The device measures its levels in one byte; a frame that says more is taken at the top.
int byteLevel(int value)
{
    constexpr int kTop = 255;
    return std::clamp(value, 0, kTop);
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

double powerVolts(int raw)
{
    return raw * 0.1186 + 0.4;
}

Gauge tamperGauge(bool ok, int level, int restore, int trigger)
{
    constexpr int full = 255;
    Gauge gauge;
    gauge.maximum = full;
    gauge.position = std::clamp(level, 0, full);
    gauge.bar = ok ? colour::lime : colour::red;
    gauge.restoreMarker = restore * StatusScreen::kGaugeWidth / full;
    gauge.restoreLabelLeft = gauge.restoreMarker - 10;
    gauge.restoreLabel = percentOf(restore, full);
    gauge.triggerMarker = trigger * StatusScreen::kGaugeWidth / full;
    gauge.triggerLabelLeft = gauge.triggerMarker - 10;
    gauge.triggerLabel = percentOf(trigger, full);
    return gauge;
}

Gauge powerGauge(bool ok, int level, int restore, int trigger)
{
    constexpr int full = 30;
    const double volts = powerVolts(level);
    const double restoreVolts = powerVolts(restore);
    const double triggerVolts = powerVolts(trigger);
    Gauge gauge;
    gauge.maximum = full;
    gauge.position = std::clamp(int(std::lround(volts)), 0, full);
    gauge.bar = ok ? colour::lime : colour::red;
    gauge.voltage = QString::number(volts, 'g', 3) + QStringLiteral(" V");
    gauge.restoreMarker = int(std::lround(restoreVolts)) * StatusScreen::kGaugeWidth / full;
    gauge.restoreLabelLeft = gauge.restoreMarker - 30;
    gauge.restoreLabel = QStringLiteral("I: ") + oneDecimal(restoreVolts) + QLatin1Char('V');
    gauge.triggerMarker = int(std::lround(triggerVolts)) * StatusScreen::kGaugeWidth / full;
    gauge.triggerLabelLeft = gauge.triggerMarker - 10;
    gauge.triggerLabel = QStringLiteral("B: ") + oneDecimal(triggerVolts) + QLatin1Char('V');
    return gauge;
}

StatusScreen::StatusScreen(LinkState &link, StatusBar &statusBar, QObject *parent)
    : QObject(parent), link_(link), statusBar_(statusBar), strZonaHoraria_(TexteZonaHoraria(zonaHoraria_))
{
    clear();
}

void StatusScreen::Estat_Entrades(int input, QChar state)
{
    IoBox &box = inputs_.at(index(input));
    if (state == u'0' || state == u'1') {
        box.background = state == u'1' ? colour::red : colour::green;
        box.text = colour::white;
    } else {
        // No state: the box keeps its last state, faded.
        if (box.background == colour::red)
            box.background = colour::paleRed;
        else if (box.background == colour::green)
            box.background = colour::paleGreen;
        box.text = colour::windowText;
    }
    emit inputChanged(input);
}

void StatusScreen::Estat_Sortides(int output, QChar state)
{
    IoBox &box = outputs_.at(index(output));
    if (state == u'0' || state == u'1') {
        box.background = state == u'1' ? colour::red : colour::green;
        box.text = colour::white;
    } else {
        box.background = colour::inactiveCaption;
        box.text = colour::windowText;
    }
    emit outputChanged(output);
}

void StatusScreen::setInputCaption(int input, const QString &caption)
{
    inputs_.at(index(input)).caption = caption;
    emit inputChanged(input);
}

void StatusScreen::setOutputCaption(int output, const QString &caption)
{
    outputs_.at(index(output)).caption = caption;
    emit outputChanged(output);
}

QString StatusScreen::outputName(int n) const
{
    const QString caption = output(n).caption;
    return caption.isEmpty() ? QString::number(n) : caption;
}

void StatusScreen::paintLinkBox(LinkBoxId id, const QString &line, const Colour *background)
{
    LinkBox &box = linkBoxes_.at(static_cast<size_t>(id));
    if (background)
        box.background = *background;
    box.line = line;
    applyFontRule(box);
    emit linkBoxChanged(id);
}

void StatusScreen::PintaREEstatGPRS(const QString &state)
{
    const std::optional<int> value = parseState(state);
    const std::optional<LinkStateLook> look = value ? gprsLook(*value) : std::nullopt;
    paintLinkBox(LinkBoxId::Gprs, QStringLiteral(" GPRS: ") + (look ? look->text : QString()),
                 look ? &look->background : nullptr);
}

void StatusScreen::PintaREEstatADSL(const QString &state)
{
    const std::optional<int> value = parseState(state);
    const std::optional<LinkStateLook> look = value ? adslLook(*value) : std::nullopt;
    paintLinkBox(LinkBoxId::Adsl, QStringLiteral(" ADSL: ") + (look ? look->text : QString()),
                 look ? &look->background : nullptr);
}

void StatusScreen::PintaREEstatCOM(const QString &state)
{
    const QString prefix = QStringLiteral(" COM: ");
    const std::optional<int> value = parseState(state);
    if (!value) {
        paintLinkBox(LinkBoxId::Com, prefix, nullptr);
        return;
    }
    const QString panel = link_.central.toUpper() + QLatin1Char(' ');
    switch (*value) {
    case 0:
    case 1:
        paintLinkBox(LinkBoxId::Com, prefix + (*value == 0 ? tr("DESACTIVADO") : tr("Central no programada")),
                     &colour::silver);
        setREInterCentralVisible(false);
        link_.connex_Quelta_Agui = 0;
        break;
    case 2:
        paintLinkBox(LinkBoxId::Com, prefix + panel + tr("desconectado"), &colour::red);
        setREInterCentralVisible(false);
        link_.connex_Quelta_Agui = 1;
        break;
    case 3:
        paintLinkBox(LinkBoxId::Com, prefix + panel + tr("CONECTADA"), &colour::lime);
        link_.connex_Quelta_Agui = 2;
        link_.tempsRXAgui = 8;
        link_.tempsTXAgui = 8;
        break;
    default:
        paintLinkBox(LinkBoxId::Com, prefix, nullptr);
        break;
    }
    statusBar_.setPanel(2, QString());
    redrawStatusBar();
}

void StatusScreen::setCovers(bool activities, const IoCover &inputs, const IoCover &outputs)
{
    activitiesVisible_ = activities;
    inputCover_ = inputs;
    outputCover_ = outputs;
    emit ioCoversChanged();
}

void StatusScreen::PintaREEstatES(const QString &state)
{
    const IoCover hidden{false, inputCover_.text, inputCover_.background};
    if (state.isEmpty()) {
        setCovers(activitiesVisible_, hidden, {false, outputCover_.text, outputCover_.background});
        return;
    }
    switch (state.at(0).unicode()) {
    case u'0':
        setCovers(activitiesVisible_, {true, tr("DESACTIVADO"), colour::silver},
                  {true, tr("DESACTIVADO"), outputCover_.background});
        break;
    case u'1': {
        // With a fire panel connected the inputs belong to the panel: they are covered, unlabelled.
        const bool panelOwnsInputs = !link_.central.isEmpty() && link_.central != QLatin1String("Puertas");
        inputsLabelVisible_ = !panelOwnsInputs;
        setCovers(true, panelOwnsInputs ? IoCover{true, QString(), colour::paleBlue} : hidden,
                  {false, outputCover_.text, outputCover_.background});
        break;
    }
    case u'F':
        setCovers(false, {true, tr("NO DISPONIBLE"), inputCover_.background},
                  {true, tr("NO DISPONIBLE"), outputCover_.background});
        break;
    default:
        break;
    }
}

void StatusScreen::setIoLabelColour(Colour colour)
{
    ioLabelColour_ = colour;
    emit labelsChanged();
}

void StatusScreen::Tamper(const QString &state, int level, int restore, int trigger)
{
    tamper_ = tamperGauge(state == QLatin1String("1"), byteLevel(level), byteLevel(restore), byteLevel(trigger));
    emit gaugesChanged();
}

void StatusScreen::Alimentacio(const QString &state, int level, int restore, int trigger)
{
    power_ = powerGauge(state == QLatin1String("1"), byteLevel(level), byteLevel(restore), byteLevel(trigger));
    emit gaugesChanged();
}

void StatusScreen::setTextLines(TextBoxId id, const QStringList &lines, Colour font)
{
    textBoxes_.at(static_cast<size_t>(id)) = {lines, font};
    emit textBoxChanged(id);
}

void StatusScreen::setTextLine(TextBoxId id, int line, const QString &text)
{
    QStringList &lines = textBoxes_.at(static_cast<size_t>(id)).lines;
    while (lines.size() <= line)
        lines.append(QString());
    lines[line] = text;
    emit textBoxChanged(id);
}

void StatusScreen::writeDeviceIdentity()
{
    showIdentity(link_.identConnectar, link_.firmware, link_.hardware, colour::blue);
}

void StatusScreen::showCompany(const QString &company, const QString &installer, const QString &reference, Colour font)
{
    setTextLines(TextBoxId::Empresa,
                 {tr("Empresa: ") + QLatin1Char('\t') + company, tr("Instalador: ") + QLatin1Char('\t') + installer,
                  tr("Referencia: ") + QLatin1Char('\t') + reference},
                 font);
    setLRef(reference);
}

void StatusScreen::showIdentity(const QString &identifier, const QString &firmware, const QString &hardware, Colour font)
{
    setTextLines(TextBoxId::Empresa2,
                 {tr("Identificador: ") + QLatin1Char('\t') + identifier, tr("Firmware: ") + QLatin1Char('\t') + firmware,
                  tr("Hardware: ") + QLatin1Char('\t') + hardware},
                 font);
}

// The coverage line below them stays.
void StatusScreen::showGsmModule(const QString &model, const QString &version, const QString &carrier,
                                 const QString &imei, const QString &sim, Colour font)
{
    QStringList lines = textBox(TextBoxId::Gsm).lines;
    lines.resize(std::max<qsizetype>(lines.size(), 5));
    lines[0] = tr("Módulo GSM:  ") + model + (model.isEmpty() ? QString() : QStringLiteral("  ") + tr("ver.") + version);
    lines[1] = QStringLiteral("   ") + tr("Operadora: ") + QLatin1Char('\t') + carrier;
    lines[2] = QStringLiteral("   ") + tr("Imei: ") + QLatin1Char('\t') + imei;
    lines[3] = QStringLiteral("   ") + tr("SIM: ") + QLatin1Char('\t') + sim;
    setTextLines(TextBoxId::Gsm, lines, font);
}

void StatusScreen::setLRef(const QString &reference)
{
    reference_ = reference;
    emit labelsChanged();
}

void StatusScreen::setECoordenadesMapa(const QString &position)
{
    position_ = position;
    emit labelsChanged();
}

void StatusScreen::setDateTime(const QString &date, const QString &time)
{
    dateTime_ = tr("Fecha: ") + date + QStringLiteral("     ") + tr("Hora: ") + time;
    emit labelsChanged();
}

void StatusScreen::setZonaHoraria(int offset)
{
    zonaHoraria_ = offset;
    const QString zone = TexteZonaHoraria(offset);
    if (zone == strZonaHoraria_)
        return;
    strZonaHoraria_ = zone;
    emit zoneChanged(zone);
}

void StatusScreen::showCommandGlyphs()
{
    commandGlyphsShown_ = true;
    setCloudSnapshot(false);
    emit labelsChanged();
}

void StatusScreen::showCloudSnapshot()
{
    commandGlyphsShown_ = false;
    setCloudSnapshot(true);
    setIoLabelColour(colour::grey);
}

void StatusScreen::showLive()
{
    setCloudSnapshot(false);
    for (const TextBoxId id : {TextBoxId::Empresa, TextBoxId::Empresa2, TextBoxId::Gsm})
        setTextLines(id, textBox(id).lines, colour::blue);
    setIoLabelColour(colour::blue);
}

void StatusScreen::setCloudSnapshot(bool shown)
{
    if (cloudSnapshot_ == shown)
        return;
    cloudSnapshot_ = shown;
    emit cloudSnapshotChanged(shown);
}

void StatusScreen::setREInterCentralVisible(bool visible)
{
    interCentralVisible_ = visible;
    emit labelsChanged();
}

void StatusScreen::setInterCentral(bool error)
{
    interCentralError_ = error;
    setREInterCentralVisible(true);
}

void StatusScreen::setPEstatBC600(Colour colour)
{
    bc600Screen_ = colour;
    emit PEstatBC600Changed();
}

void StatusScreen::setPanelLink(int state)
{
    link_.connex_Quelta_Agui = state;
    redrawStatusBar();
}

void StatusScreen::redrawStatusBar()
{
    emit statusBarRedrawRequested();
}

StatusBarPanelLook StatusScreen::SBEstatDrawPanel(int index) const
{
    StatusBarPanelLook look;
    if (index == 0) {
        // The link state is kept in the program's own words and shown in the installer's.
        const QString state = statusBar_.panel(0);
        const bool connected = state == StatusBar::kConectat;
        look.text = connected ? tr("CONECTADO") : state == StatusBar::kSinConexio ? tr("SIN   CONEXION") : state;
        look.background = connected ? colour::lime : colour::silver;
        look.picture = connected ? 19 : 20;
        return look;
    }
    if (index == 1) {
        look.text = statusBar_.panel(1);
        return look;
    }
    const int state = link_.connex_Quelta_Agui;
    if (state != 1 && state != 2) {
        look.text = QStringLiteral("  ");
        return look;
    }
    look.background = state == 1 ? colour::orange : colour::olive;
    look.picture = state == 1 ? 3 : 4;
    look.text = panelLinkText(link_.central);
    look.panelLinkIndicators = true;
    look.opensAguileraAlarms = state == 1
        && (link_.central.contains(QLatin1String("AE/SA")) || link_.central.contains(QLatin1String("AGE")));
    return look;
}

int StatusScreen::statusBarFontSize(int dpi)
{
    switch (dpi) {
    case 96: return 11;
    case 120: return 10;
    case 168: return 8;
    default: return 9;
    }
}

void StatusScreen::applyPartsMask(const QString &mask)
{
    if (mask.size() != 4)
        return;
    if (mask.at(0) == u'0')
        paintLinkBox(LinkBoxId::Gprs, tr("GPRS: No disponible"), &colour::silver);
    if (mask.at(1) == u'0')
        paintLinkBox(LinkBoxId::Adsl, tr("ADSL : No disponible"), &colour::silver);
    const bool comFitted = mask.at(2) != u'0';
    if (comFitted != panelScreensAllowed_) {
        panelScreensAllowed_ = comFitted;
        emit panelScreensAllowedChanged(comFitted);
    }
    if (mask.at(3) == u'0')
        setCovers(false, {true, tr("NO DISPONIBLE"), inputCover_.background},
                  {true, tr("NO DISPONIBLE"), outputCover_.background});
}

void StatusScreen::clear()
{
    for (int n = 1; n <= kInputs; ++n) {
        inputs_.at(index(n)) = IoBox{};
        emit inputChanged(n);
    }
    for (int n = 1; n <= kOutputs; ++n) {
        outputs_.at(index(n)) = IoBox{};
        emit outputChanged(n);
    }
    for (const LinkBoxId id : {LinkBoxId::Gprs, LinkBoxId::Adsl, LinkBoxId::Com}) {
        linkBoxes_.at(static_cast<size_t>(id)) = LinkBox{};
        emit linkBoxChanged(id);
    }
    for (const TextBoxId id : {TextBoxId::Empresa, TextBoxId::Empresa2, TextBoxId::Gsm})
        setTextLines(id, {}, textBox(id).font);
    inputsLabelVisible_ = true;
    setCovers(false, {}, {});
    Tamper(QStringLiteral("0"), 0, 60, 190);
    Alimentacio(QStringLiteral("0"), 0, 80, 200);
    reference_.clear();
    position_.clear();
    dateTime_ = kNoDate;
    commandGlyphsShown_ = false;
    setCloudSnapshot(false);
    interCentralVisible_ = false;
    emit labelsChanged();
    setPEstatBC600(colour::buttonFace);
    if (!panelScreensAllowed_) {
        panelScreensAllowed_ = true;
        emit panelScreensAllowedChanged(true);
    }
    setPanelLink(0);
}

} // namespace quelta
