#pragma once

#include "core/status/StatusColours.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace quelta {

class StatusBar;
struct LinkState;

// One input or output box of the status screen.
struct IoBox
{
    QString caption;
    Colour background = colour::buttonFace;
    Colour text = colour::windowText;
};

// A rich-text box: its lines and the colour they are written in.
struct TextBox
{
    QStringList lines;
    Colour font = colour::blue;
};

// One of the three one-line link boxes (GPRS, ADSL, COM).
struct LinkBox
{
    QString line;
    Colour background = colour::window;
    Colour font = colour::blue;
    bool bold = false;
};

// A cover laid over the inputs or the outputs.
struct IoCover
{
    bool visible = false;
    QString text;
    Colour background = colour::buttonFace;
};

// A gauge with its two markers. Positions are pixels from the gauge's left edge.
struct Gauge
{
    int maximum = 0;
    int position = 0;
    Colour bar = colour::red;
    int restoreMarker = 0;
    int restoreLabelLeft = 0;
    QString restoreLabel;
    int triggerMarker = 0;
    int triggerLabelLeft = 0;
    QString triggerLabel;
    QString voltage; // the power gauge's reading; empty for the tamper gauge
};

// How a status-bar panel is drawn. picture is an index of the window's image list, -1 for none.
struct StatusBarPanelLook
{
    Colour background = colour::silver;
    int picture = -1;
    QString text;
    bool panelLinkIndicators = false; // the fire-panel link lamps beside the panel
    bool opensAguileraAlarms = false; // an Aguilera panel just lost: its alarm list is opened
};

enum class LinkBoxId { Gprs, Adsl, Com };
enum class TextBoxId { Empresa, Empresa2, Gsm };

// The device's own side of the status screen: input and output boxes with their covers, the link
// boxes, the tamper and power gauges, the identity and GSM texts, the date and time, and the
// device-to-panel link that the status bar shows. Status frames and the cloud snapshot fill it;
// the window paints it.
class StatusScreen : public QObject
{
    Q_OBJECT
public:
    static constexpr int kInputs = 16;
    static constexpr int kOutputs = 4;
    static constexpr int kGaugeWidth = 150;
    static constexpr int kCraGlyph = 26;   // the status screen's pictures of BBCRA and BBReset
    static constexpr int kResetGlyph = 25;
    static inline const QString kNoDate = QStringLiteral("Fecha:                     Hora: ");

    StatusScreen(LinkState &link, StatusBar &statusBar, QObject *parent = nullptr);

    // Boxes are numbered from 1, as EE1-EE16 and ES1-ES4.
    void Estat_Entrades(int input, QChar state);
    void Estat_Sortides(int output, QChar state);
    void setInputCaption(int input, const QString &caption);
    void setOutputCaption(int output, const QString &caption);
    const IoBox &input(int n) const { return inputs_.at(index(n)); }
    const IoBox &output(int n) const { return outputs_.at(index(n)); }
    // A red output box is an active output.
    bool outputActive(int n) const { return output(n).background == colour::red; }
    // The output's caption, or its number when it has none.
    QString outputName(int n) const;

    void PintaREEstatGPRS(const QString &state);
    void PintaREEstatADSL(const QString &state);
    void PintaREEstatCOM(const QString &state);
    void PintaREEstatES(const QString &state);
    const LinkBox &linkBox(LinkBoxId id) const { return linkBoxes_.at(static_cast<size_t>(id)); }
    const IoCover &PEntradesNoDisp() const { return inputCover_; }
    const IoCover &PSortidesNoDisp() const { return outputCover_; }
    bool PESActivadesVisible() const { return activitiesVisible_; }
    bool LEntradesVisible() const { return inputsLabelVisible_; }
    Colour ioLabelColour() const { return ioLabelColour_; }
    void setIoLabelColour(Colour colour);

    // Levels in the order level, restore level, trigger level.
    void Tamper(const QString &state, int level, int restore, int trigger);
    void Alimentacio(const QString &state, int level, int restore, int trigger);
    const Gauge &GTamper() const { return tamper_; }
    const Gauge &GAlimentacio() const { return power_; }
    // The gauges' labels are written in the GSM box's colour.
    Colour gaugeLabelColour() const { return textBox(TextBoxId::Gsm).font; }

    const TextBox &textBox(TextBoxId id) const { return textBoxes_.at(static_cast<size_t>(id)); }
    void setTextLines(TextBoxId id, const QStringList &lines, Colour font);
    // Sets one line, adding empty lines before it when the box is shorter.
    void setTextLine(TextBoxId id, int line, const QString &text);
    // "Identificador", "Firmware" and "Hardware" as the link state knows them.
    void writeDeviceIdentity();
    // The company box (and LRef), the identity box and the GSM box's first four lines.
    void showCompany(const QString &company, const QString &installer, const QString &reference, Colour font);
    void showIdentity(const QString &identifier, const QString &firmware, const QString &hardware, Colour font);
    void showGsmModule(const QString &model, const QString &version, const QString &carrier, const QString &imei,
                       const QString &sim, Colour font);

    // The reference label LRef, the map position ECoordenadesMapa and the date memo MDataHora.
    QString LRef() const { return reference_; }
    void setLRef(const QString &reference);
    QString ECoordenadesMapa() const { return position_; }
    void setECoordenadesMapa(const QString &position);
    QString MDataHora() const { return dateTime_; }
    void setDateTime(const QString &date, const QString &time);
    // The device's offset from UTC and its zone name.
    int zonaHoraria() const { return zonaHoraria_; }
    QString strZonaHoraria() const { return strZonaHoraria_; }
    void setZonaHoraria(int offset);

    bool commandGlyphsShown() const { return commandGlyphsShown_; }
    // A device answers: its commands are offered and the screen is live.
    void showCommandGlyphs();
    // The screen shows the device's last record in the cloud: greyed, without its commands and
    // without the log's follow and clear buttons, until the screen is opened again or a device
    // answers.
    bool cloudSnapshot() const { return cloudSnapshot_; }
    void showCloudSnapshot();
    // The status screen is opened: its texts and labels are blue again, and a snapshot's grey is gone.
    void showLive();
    // The heading LEstatQuelta ("ESTADO GENERAL"): grey over a snapshot, light blue when live.
    Colour LEstatQuelta() const { return cloudSnapshot_ ? colour::grey : colour::lightBlue; }
    bool REInterCentralVisible() const { return interCentralVisible_; }
    void setREInterCentralVisible(bool visible);
    // The panel interface's own report: REInterCentral shows "ERROR INTERFACE" or "INTERFACE OK".
    bool REInterCentralError() const { return interCentralError_; }
    void setInterCentral(bool error);
    // The BC600 screen's background, which the panel-link events test and set.
    Colour PEstatBC600() const { return bc600Screen_; }
    void setPEstatBC600(Colour colour);
    // False when the parts mask says the device has no COM port: no panel screen is shown.
    bool panelScreensAllowed() const { return panelScreensAllowed_; }

    // The device-to-panel link (connex_Quelta_Agui); a change redraws status panel 2.
    void setPanelLink(int state);
    void redrawStatusBar();
    StatusBarPanelLook SBEstatDrawPanel(int index) const;
    static int statusBarFontSize(int dpi);

    // A "0" in the four-character parts mask marks GPRS, ADSL, COM or E/S as not fitted.
    void applyPartsMask(const QString &mask);
    // Back to the state without a device.
    void clear();

signals:
    void inputChanged(int n);
    void outputChanged(int n);
    void linkBoxChanged(quelta::LinkBoxId id);
    void ioCoversChanged();
    void gaugesChanged();
    void textBoxChanged(quelta::TextBoxId id);
    void labelsChanged(); // LRef, MDataHora, ECoordenadesMapa, the I/O labels, glyphs, REInterCentral
    void PEstatBC600Changed();
    void panelScreensAllowedChanged(bool allowed);
    void statusBarRedrawRequested();
    void cloudSnapshotChanged(bool shown);
    void zoneChanged(const QString &strZonaHoraria);

private:
    static size_t index(int n) { return static_cast<size_t>(n - 1); }
    void paintLinkBox(LinkBoxId id, const QString &line, const Colour *background);
    void setCovers(bool activities, const IoCover &inputs, const IoCover &outputs);
    void setCloudSnapshot(bool shown);

    LinkState &link_;
    StatusBar &statusBar_;
    std::array<IoBox, kInputs> inputs_{};
    std::array<IoBox, kOutputs> outputs_{};
    std::array<LinkBox, 3> linkBoxes_{};
    std::array<TextBox, 3> textBoxes_{};
    IoCover inputCover_;
    IoCover outputCover_;
    bool activitiesVisible_ = true;
    bool inputsLabelVisible_ = true;
    Colour ioLabelColour_ = colour::blue;
    Gauge tamper_;
    Gauge power_;
    QString reference_;
    QString position_;
    QString dateTime_ = kNoDate;
    int zonaHoraria_ = 1;
    QString strZonaHoraria_;
    bool commandGlyphsShown_ = false;
    bool cloudSnapshot_ = false;
    bool interCentralVisible_ = false;
    bool interCentralError_ = true;
    Colour bc600Screen_ = colour::buttonFace;
    bool panelScreensAllowed_ = true;
};

// The gauges' arithmetic, all in whole numbers as the screen draws them.
Gauge tamperGauge(bool ok, int level, int restore, int trigger);
Gauge powerGauge(bool ok, int level, int restore, int trigger);
double powerVolts(int raw);

} // namespace quelta
