#pragma once

#include <QString>

namespace quelta {

// The variables through which senders and the reply dispatcher share the one link, and the
// identity of the device at its other end. One instance lives for the whole run.
struct LinkState
{
    QString connex_remota;   // empty: local serial link; "MQTT": remote; anything else drops commands
    bool connexADSL = true;  // the remote session goes through the device's ADSL path, not GPRS
    QString espero;          // prefix of the awaited reply, such as "+ver"; empty when none is awaited
    QString StrCom;          // the reply line handed to the consumer of the current request
    int vegades_espero = 0;  // tries left for the current request
    int tempsllegir = 0;     // link watchdog, 100 ms ticks
    bool circuit = false;        // the device answered its identification request
    bool circuittrobat = false;  // a device session is established ("CONECTADO")
    bool inf = true;             // the device's status and information frames are on
    bool protegit = false;       // the device refuses programming until its access code is given
    QString puntercamp;          // "xxx" while a wildcard read streams its answers
    int tempsRX = 0;             // receive lamp ring-down, 100 ms ticks
    int tempsTX = 0;             // transmit lamp ring-down, 100 ms ticks
    int tempsRXAgui = 0;         // the same for the fire-panel link lamps
    int tempsTXAgui = 0;
    int tempsActu = 0;           // firmware-update watchdog, 100 ms ticks; above 0 while blocks flow
    bool updateConnection = false; // the update server's connection is open (the busy cursor shows)
    int connex_Quelta_Agui = 0;  // device-to-panel link: 0 none, 1 panel disconnected, 2 connected
    bool llegir = false;         // a full read waits for the stream to stop
    bool llegirpag = false;      // a page read waits for the stream to stop, or runs
    bool bidiCentral = false;    // the fire panel is under telecontrol: its programming is out of reach

    QString firmware;
    QString hardware;
    QString identConnectar;  // device identifier
    QString imei;            // IMEI of the device's GSM module
    QString refmap;          // installation reference, the title of the map marker
    QString central;         // fire-panel type text
    QString PartsActives;    // availability of the device's parts

    bool comunicacioLocal = true; // the "Local" menu item is ticked
    bool plantillaImportada = false; // the editors hold an imported template, not yet written

    bool isLocal() const { return connex_remota.isEmpty(); }
    bool isRemote() const { return connex_remota == QLatin1String("MQTT"); }
    // From the update server's connection until the update ends, everything else waits.
    bool updateRunning() const { return updateConnection || tempsActu > 0; }
};

} // namespace quelta
