#pragma once

#include <QString>
#include <QStringList>

namespace quelta {

class DiagnosticTrace;
class PanelDisplay;
class PanelEventLists;
class StatusScreen;
struct LinkState;

// The Aguilera AE/SA zone lists the screen's four buttons choose from.
enum class AguileraList { Alarma = 1, Avaria, Desconnexio, Prova };

// The panel-state routines: each turns the state text of its panel type (a status-frame section or
// the cloud snapshot) into the Tags of the screen's lamps, its counters, lists, captions and colours.
// A field that cannot be read leaves what it would have set as it was.
class PanelStates
{
public:
    PanelStates(PanelDisplay &display, PanelEventLists &events, StatusScreen &statusScreen, const LinkState &link,
                DiagnosticTrace &trace);

    void Info_Central_AESA(const QString &text);
    void Info_Central_AEC5(const QString &text);
    void Info_Central_BC600(const QString &text);
    void Info_Central_BC216(const QString &text);
    void Info_Central_Cofem(const QString &text);
    void Info_Central_Urano(const QString &text);
    void Info_Central_Komttech(const QString &text);
    void Info_Central_Supra(const QString &text);
    void Info_Central_Syncro(const QString &text);
    void Info_Central_AvenarBosch(const QString &text);
    void Info_Central_AD300(const QString &text);
    void Info_Central_CofemZafir(const QString &text);
    void Info_Central_ID3000(const QString &text);

    // The Aguilera list buttons: the memo shows the chosen list.
    void BBAguiAlarmaClick() { showAguileraList(AguileraList::Alarma); }
    void BbAguiAvariaClick() { showAguileraList(AguileraList::Avaria); }
    void BBAguiDesconnecClick() { showAguileraList(AguileraList::Desconnexio); }
    void BBAguiProvaClick() { showAguileraList(AguileraList::Prova); }
    AguileraList mostraAgui() const { return mostra_Agui_; }
    void showAguileraList(AguileraList list);
    // Counters, lists and the chosen list as they are without a panel.
    void resetAguilera();

private:
    // The lamps of one panel of the three-character zone layout: <alarmPrefix><n><alarmSuffix>...
    struct ZoneLamps
    {
        const char *alarmPrefix;
        const char *alarmSuffix;
        const char *faultPrefix;
        const char *faultSuffix;
        int annulledTag; // the fault lamp of an annulled zone
    };
    struct ZoneModes
    {
        bool annulled = false;
        bool test = false;
    };

    void bcState(const QString &text, bool bc216);
    ZoneModes threeCharacterZones(const QString &state, const ZoneLamps &lamps);
    void uranoFlags(const QString &state);
    void komttechFlags(const QString &state);
    void supraFlags(const QString &state);
    void aeC5PanelState(const QString &field);
    void aeC5Zones(const QString &field);
    void zafirEvents(const QString &field);

    PanelDisplay &display_;
    PanelEventLists &events_;
    StatusScreen &statusScreen_;
    const LinkState &link_;
    DiagnosticTrace &trace_;
    AguileraList mostra_Agui_ = AguileraList::Alarma;
};

} // namespace quelta
