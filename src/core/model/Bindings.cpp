#include "core/model/Bindings.h"

#include "core/link/PanelType.h"

#include <QtGlobal>

#include <array>

namespace quelta {
namespace {

using K = FieldKind;
using P = ProgPage;

// In list order: the text fields, the check boxes, the check-list box and the time-zone list.
const std::array<FieldBinding, 83> kFields{{
    {"EProgEmpresa", K::Edit, P::ConfigHard, "idEmpres"},
    {"EProgInstal", K::Edit, P::ConfigHard, "idInstal"},
    {"EProgRef", K::Edit, P::ConfigHard, "idRefere"},
    {"EProgTel", K::Edit, P::ConfigHard, "gsNumTel"},
    {"EProgPassword", K::Edit, P::ConfigHard, "gsSmsPas"},
    {"EConfigADSLIP", K::Edit, P::ConfigHard, "noDhIpAd"},
    {"EConfigADSLGateway", K::Edit, P::ConfigHard, "noDhGate"},
    {"EConfigADSLSubMask", K::Edit, P::ConfigHard, "noDhMask"},
    {"EConfigADSLDNS", K::Edit, P::ConfigHard, "noDhPdns"},
    {"EConfigADSLDNS2", K::Edit, P::ConfigHard, "noDhSdns"},
    {"ECentral", K::Edit, P::ConfigHard, "comCiExt", 0, true},
    {"ECodiProg", K::Edit, P::ConfigHard, "codiProg"},
    {"EMAC", K::Edit, P::ConfigHard, "adsMacAd", 0, true},
    {"EPinSIM", K::Edit, P::ConfigHard, "gsPinSim"},
    {"EEMailSMTP", K::Edit, P::ConfigSoft, "smtpIpAd"},
    {"EEmailPort", K::Edit, P::ConfigSoft, "smtpPort"},
    {"EEMailUser", K::Edit, P::ConfigSoft, "smtpUser"},
    {"EEMailPassword", K::Edit, P::ConfigSoft, "smtpPass"},
    {"EEMailEnviarA", K::Edit, P::ConfigSoft, "mailFrom"},
    {"EEmailSubject", K::Edit, P::ConfigSoft, "mailSubj"},
    {"ETelSMS1", K::Edit, P::ConfigSoft, "BlDsSmsI", 0},
    {"ETelSMS2", K::Edit, P::ConfigSoft, "BlDsSmsI", 1},
    {"ETelSMS3", K::Edit, P::ConfigSoft, "BlDsSmsI", 2},
    {"ETelSMS4", K::Edit, P::ConfigSoft, "BlDsSmsI", 3},
    {"EEmail1", K::Edit, P::ConfigSoft, "BlDsEmaI", 0},
    {"EEmail2", K::Edit, P::ConfigSoft, "BlDsEmaI", 1},
    {"EEmail3", K::Edit, P::ConfigSoft, "BlDsEmaI", 2},
    {"EEmail4", K::Edit, P::ConfigSoft, "BlDsEmaI", 3},
    {"EIPCra11", K::Edit, P::ConfigSoft, "cra1IpAd", 0},
    {"EPortCRA11", K::Edit, P::ConfigSoft, "cra1Port", 0},
    {"EIPCra12", K::Edit, P::ConfigSoft, "cra1IpAd", 1},
    {"EPortCRA12", K::Edit, P::ConfigSoft, "cra1Port", 1},
    {"EIPCra21", K::Edit, P::ConfigSoft, "cra1IpAd", 2},
    {"EPortCRA21", K::Edit, P::ConfigSoft, "cra1Port", 2},
    {"EIPCra22", K::Edit, P::ConfigSoft, "cra1IpAd", 3},
    {"EPortCRA22", K::Edit, P::ConfigSoft, "cra1Port", 3},
    {"EAbonatCra11", K::Edit, P::ConfigSoft, "cra1Abon", 0},
    {"EAbonatCra12", K::Edit, P::ConfigSoft, "cra1Abon", 1},
    {"EAbonatCra21", K::Edit, P::ConfigSoft, "cra1Abon", 2},
    {"EAbonatCra22", K::Edit, P::ConfigSoft, "cra1Abon", 3},
    {"EPollingCRA1", K::Edit, P::ConfigSoft, "craTPoll"},
    {"EImportarFitxer", K::Edit, P::CentralAguilera, "BlAgFitx"},
    {"EBaudsAgui", K::Edit, P::CentralAguilera, "BlRsBauA"},
    {"EImportarFitxerBC600", K::Edit, P::CentralBC600, "BlBcFitx"},
    {"EBaudsBC600", K::Edit, P::CentralBC600, "BlRsBauB"},
    {"EAliesB1", K::Edit, P::Portes, "BlB1Alie"},
    {"EAliesB2", K::Edit, P::Portes, "BlB2Alie"},
    {"EAliesB3", K::Edit, P::Portes, "BlB3Alie"},
    {"EAliesB4", K::Edit, P::Portes, "BlB4Alie"},
    {"ETActivantB1", K::Edit, P::Portes, "BlB1Temp", 0, false, 0},
    {"ETActivatB1", K::Edit, P::Portes, "BlB1Temp", 0, false, 1},
    {"ETDesactivantB1", K::Edit, P::Portes, "BlB1Temp", 0, false, 2},
    {"ETActivantB2", K::Edit, P::Portes, "BlB2Temp", 0, false, 0},
    {"ETActivatB2", K::Edit, P::Portes, "BlB2Temp", 0, false, 1},
    {"ETDesactivantB2", K::Edit, P::Portes, "BlB2Temp", 0, false, 2},
    {"ETActivantB3", K::Edit, P::Portes, "BlB3Temp", 0, false, 0},
    {"ETActivatB3", K::Edit, P::Portes, "BlB3Temp", 0, false, 1},
    {"ETDesactivantB3", K::Edit, P::Portes, "BlB3Temp", 0, false, 2},
    {"ETActivantB4", K::Edit, P::Portes, "BlB4Temp", 0, false, 0},
    {"ETActivatB4", K::Edit, P::Portes, "BlB4Temp", 0, false, 1},
    {"ETDesactivantB4", K::Edit, P::Portes, "BlB4Temp", 0, false, 2},
    {"EAdrecaCofem", K::Edit, P::CentralCofem, "BlClAdre"},
    {"EBaudsCofem", K::Edit, P::CentralCofem, "BlRsBauC"},
    {"EImportarFitxerCofem", K::Edit, P::CentralCofem, "BlClFitx"},
    {"EBaudsUrano", K::Edit, P::CentralUrano, "BlRsBauU"},
    {"EImportarFitxerSyncro", K::Edit, P::CentralSyncro, "BlAvFitx"},
    {"EBaudsSyncro", K::Edit, P::CentralSyncro, "BlRsBauS"},
    {"EImportarFitxerAvenarBosch", K::Edit, P::CentralAvenarBosch, "BlAvFitx"},
    {"EBaudsAvenarBosch", K::Edit, P::CentralAvenarBosch, "BlRsBauA"},
    {"EBaudsSupra", K::Edit, P::CentralSupra, "BlRsBauS"},
    {"EImportarFitxerSupra", K::Edit, P::CentralSupra, "BlSuFitx"},
    {"EAdrecaZafir", K::Edit, P::CentralZafir, "BlZAAdre"},
    {"EBaudsZafir", K::Edit, P::CentralZafir, "BlRsBauZ"},
    {"EImportarFitxerZafir", K::Edit, P::CentralZafir, "BlZaFitx"},
    {"EBaudsAD300", K::Edit, P::CentralAD300, "BlRsBauD"},
    {"EImportarFitxerAD300", K::Edit, P::CentralAD300, "BlAdFitx"},
    {"EAdrAD300", K::Edit, P::CentralAD300, "BlAdAdre"},
    {"EBaudsID3000", K::Edit, P::CentralID3000, "BlRsBauI"},
    {"EImportarFitxerID3000", K::Edit, P::CentralID3000, "BlIDFitx"},
    {"CBConfigADSLDHCP", K::CheckBox, P::ConfigHard, "dhcpEnab"},
    {"CBHexaCra", K::CheckBox, P::ConfigSoft, "craHexad"},
    {"CLBPartsActives", K::CheckList, P::ConfigHard, "idFunAct"},
    {"CBHora", K::Combo, P::ConfigHard, "franjaUT"},
}};

#define G(text) QT_TRANSLATE_NOOP("Grids", text)

const std::vector<const char *> kMessageHeaders{G("App"), G("SMS"), G("EMail"), G("Código CID")};
const std::vector<const char *> kEventGridHeaders{G("N."), G("Tipo evento"), G("App"), G("SMS"),
                                                  G("EMail"), G("Código CID"), G("Texto del mensaje")};
const std::vector<const char *> kLabelledMessageHeaders{"", G("App"), G("SMS"), G("EMail"), G("Código CID"),
                                                        G("Texto del mensaje")};
const std::vector<const char *> kLabelledEventHeaders{"", G("Tipo evento"), G("App"), G("SMS"),
                                                      G("EMail"), G("Código CID"), G("Texto del mensaje")};

std::vector<const char *> messageHeaders(const char *text)
{
    std::vector<const char *> headers = kMessageHeaders;
    headers.push_back(text);
    return headers;
}

std::vector<const char *> alarmLevelHeaders()
{
    return {G("Alias"), G("N. Disp."), G("N. Rest."), G("T. Disp."), G("T. Rest."), G("NO")};
}

std::vector<int> allColumnsFrom(int first, int last)
{
    std::vector<int> columns;
    for (int c = first; c <= last; ++c)
        columns.push_back(c);
    return columns;
}

std::vector<const char *> outputInputHeaders()
{
    static const char *const inputs[] = {G("N."), "E1", "E2", "E3", "E4", "E5", "E6", "E7", "E8", "E9",
                                         "E10", "E11", "E12", "E13", "E14", "E15", "E16", G("Todas")};
    return {std::begin(inputs), std::end(inputs)};
}

const std::vector<const char *> kCofemLabels{
    G(" Alarma pulsador"), G(" Alarma detector"), G(" Avería línea Abierta"), G(" Avería línea Cruzada"),
    G(" Punto Anulado"), G(" Punto en pruebas"), G(" Alarma Pulsador Prueba"), G(" Alarma Detector Prueba"),
    G(" Relé Anulado"), G(" Relé Avería línea Abierta"), G(" Relé Avería línea Cruzada"), G(" Relé Avería 24V"),
    G(" Relé Prealarma"), G(" Relé Disparo"), G("Relé Aborto"), G(" Relé Sirena 1 avería línea Abierta"),
    G(" Relé Sirena 1 avería línea Cruzada"), G(" Relé Sirena 1 disparo"), G(" Relé Sirena 2 avería línea Abierta"),
    G(" Relé Sirena 2 avería línea Cruzada"), G(" Relé Sirena 2 disparo"), G(" Relé Avería General línea Abierta"),
    G(" Relé Avería General línea Cruzada"), G(" Relé Avería General disparo"), G(" Fuente aliment. Avería cargador"),
    G(" Fuente aliment. Avería batería descargada"), G(" Fuente aliment. Avería sin red"),
    G(" Fuente aliment. Avería 30V"), G(" Avería batería descargada")};

// Rows 1 and 17 are built from "Alarma" and " Desconexión" in upper case (see the model).
const std::vector<const char *> kAD300Labels{
    G("Alarma"), G("ACTIVACIÓN MANUAL DE EVACUACIÓN"), G("DISPARO DE SIRENAS MANUAL"), G("AVERIA EN LAZO"),
    G("AVERIA EN SIRENAS"), G("AVERIA DE ALIMENTACION"), G("AVERIA DERIV. A TIERRA"), G("AVERIA FUERA DE SERVICIO"),
    G("AVERIA DE SISTEMA"), G("AVERIA EN RS-485/232"), G("ELEMENTO NO RESPONDE"), G("RESPUESTA DOBLE"),
    G("TIPO CAMBIADO"), G("CORTE EN ..."), G("CRUCE EN ..."), G("ELEMENTO SUCIO"), G(" Desconexión")};

const std::vector<const char *> kZafirLabels{
    G("Alarma sensor"), G("Alarma técnica"), G("Alarma temperatura"), G("Alarma humo"),
    G("Alarma pulsador (Call Point)"), G("Alarma pulsador 'Doble'"), G("Alarma prueba incendio"),
    G("Alarma prueba no configurado"), G("Avería comunicación repetidora"), G("Avería comunicación central"),
    G("Avería comunicación controladora"), G("Avería comunicación Módulo 'Remote'"), G("Avería comunicación Módulo CID"),
    G("Avería comunicación Módulo Red2"), G("Avería cargador baterías"), G("Avería batería averiada"),
    G("Avería sin batería"), G("Avería batería descargada"), G("Avería batería sobrecargada"), G("Avería baja tensión"),
    G("Avería sobretensión"), G("Avería no alimentación"), G("Avería salida 30v"), G("Avería bucle cortocircuito"),
    G("Avería sensor"), G("Avería suciedad"), G("Avería bucle abierto"), G("Avería consumo bucle"),
    G("Avería punto no contesta"), G("Avería KMAY SUC"), G("Avería KMAY cortocircuito"),
    G("Avería KMAY circuito abierto"), G("Avería MSTAY cortocircuito"), G("Avería MSTAY circuito abierto"),
    G("Avería técnica"), G("Avería Relé linea abierta"), G("Avería Relé cortocircuito"), G("Avería Relé no activo"),
    G("Avería Relé 24V"), G(" Punto Anulado"), G(" Zona en pruebas")};

using S = Section;
using F = RowForm;
using L = RowLabels;

const std::vector<GridBinding> &grids()
{
    static const std::vector<GridBinding> table{
        {"SGOperadores", P::ConfigHard, S::None, false, "BlOpTelI", 0, 16, false,
         {G("   Operadora"), G("APN"), G("Usuario"), G("Password")}, {}, F::Plain, L::None, {}, false,
         "Esborra_operadores"},
        {"SGCra", P::ConfigSoft, S::None, false, "craOpcio", 0, 1, false, {G("App")}, {}, F::Plain, L::None, {},
         false, "Esborra_Cra"},
        {"SGEntrades", P::Usuari, S::Inputs, true, "BlEnOpsI", 0, 16, true,
         {G("N."), G("Alias"), G("Disp."), G("Rest."), G("NO")}, {4}, F::AliasLast, L::Numbered, {}, true,
         "Esborra_entrades"},
        {"SGEntradesOpc", P::Usuari, S::Inputs, true, "BlEnTxtI", 0, 16, false,
         messageHeaders(G("Mensaje disparo/mensaje restaura")), {}, F::Plain, L::None, {}, false, "Esborra_entrades"},
        {"SGSortides", P::Usuari, S::Outputs, true, "BlSoOpsI", 0, 4, true,
         {G("N."), G("Inicio"), G("Test"), G("Tamper"), G("Alim."), G("GSM"), G("ADSL"), G("CRA"), G("Servidor"),
          G("COM"), G("App")},
         allColumnsFrom(1, 10), F::Characters, L::Numbered, {}, true, "Esborra_sortides"},
        {"SGSortidesTemps", P::Usuari, S::Outputs, true, "BlSoTmpI", 0, 4, true,
         {G("N."), G("Alias"), G("Desac."), G("T.Act."), G("T.Des."), G("NO")}, {5}, F::AliasLast, L::Numbered, {},
         true, "Esborra_sortides"},
        {"SGSortidesEnt", P::Usuari, S::Outputs, true, "BlSoEntI", 0, 4, true, outputInputHeaders(),
         allColumnsFrom(1, 17), F::InputFlags, L::Numbered, {}, true, "Esborra_sortides"},
        {"SGSortidesOpc", P::Usuari, S::Outputs, true, "BlSoTxtI", 0, 4, false,
         {G("App"), G("SMS"), G("Email"), G("Código CID"), G("Mensaje activa/Mensaje desactiva")}, {}, F::Plain,
         L::None, {}, false, "Esborra_sortides"},
        {"SGInici", P::Usuari, S::System, true, "BlSiInic", 0, 1, false, messageHeaders(G("Texto del mensaje")), {},
         F::Plain, L::None, {}, false, "Esborra_Inici"},
        {"SGTest", P::Usuari, S::System, true, "BlSiOpsI", 0, 1, false, {G("Alias"), G("Tiempo"), G("Hora: (hh:mm)")}, {},
         F::AliasLast, L::None, {}, false, "Esborra_Test"},
        {"SGTamper", P::Usuari, S::System, true, "BlSiOpsI", 1, 1, false, alarmLevelHeaders(), {5}, F::AliasLast,
         L::None, {}, true, "Esborra_Tamper"},
        {"SGAlim", P::Usuari, S::System, true, "BlSiOpsI", 2, 1, false, alarmLevelHeaders(), {5}, F::AliasLast,
         L::None, {}, true, "Esborra_Alim"},
        {"SGTestOpc", P::Usuari, S::System, true, "BlSiTxtI", 0, 1, false, messageHeaders(G("Mensaje de test")), {},
         F::Plain, L::None, {}, false, "Esborra_Test"},
        {"SGTamperOpc", P::Usuari, S::System, true, "BlSiTxtI", 1, 1, false,
         {G("App"), G("SMS"), G("Email"), G("Código CID"), G("Mensaje disparo/mensaje restaura")}, {}, F::Plain,
         L::None, {}, false, "Esborra_Tamper"},
        {"SGAlimOpc", P::Usuari, S::System, true, "BlSiTxtI", 2, 1, false,
         {G("App"), G("SMS"), G("Email"), G("Código CID"), G("Mensaje disparo/mensaje restaura")}, {}, F::Plain,
         L::None, {}, false, "Esborra_Alim"},
        {"SGPerduaCOM", P::Usuari, S::System, true, "BlSiTxtI", 3, 5, true,
         {"", G("App"), G("SMS"), G("EMail"), G("Código CID"), G("Mensaje de fallo/Mensaje de recuperación")}, {},
         F::Plain, L::Listed,
         {G("Pérdida GSM"), G("Pérdida ADSL"), G("Pérdida CRA"), G("Pérdida Servidor"), G("Pérdida COM")}, false,
         "Esborra_PerduaCOM"},
        {"SGCentralAgui", P::CentralAguilera, S::None, true, "BlAgTxtI", 0, 9, true, kLabelledMessageHeaders, {},
         F::Plain, L::Listed,
         {G("Alarma"), G(" Avería"), G(" Desconexión"), G(" Prueba"), G(" Comunicación con la Central"),
          G(" Perdida tensión 230V"), G(" Fallo Alimentación principal"), G(" Batería baja"), G(" Fallo de tierra")},
         false, "Esborra_Central"},
        {"SGLlistatZonesAgui", P::CentralAguilera, S::None, false, "BlAgZonI", 0, 1023, true,
         {G("ZONA"), G("Código CID"), G("NOMBRE")}, {}, F::ZoneName, L::Numbered, {}, false, "Esborra_LlistatZones"},
        {"SGCentralBC600", P::CentralBC600, S::None, true, "BlBcTxtI", 0, 255, true, kEventGridHeaders, {},
         F::EventKind, L::Numbered, {}, false, "Esborra_BC600"},
        {"SGBCApp", P::CentralBC600, S::None, false, "BlBcOpci", 0, 1, false, {G("App")}, {}, F::Plain, L::None, {},
         false, "Esborra_BCApp"},
        {"SGBoto1", P::Portes, S::None, false, "BlB1FunI", 0, 4, true,
         {G("Sal."), G("Activ."), G("Entrada"), G("T.Ent"), G("T.Des.")}, {1}, F::Plain, L::Numbered, {}, true,
         "Esborra_BotonsPortes"},
        {"SGBoto2", P::Portes, S::None, false, "BlB2FunI", 0, 4, true,
         {G("Sal."), G("Activ."), G("Entrada"), G("T.Ent"), G("T.Des.")}, {1}, F::Plain, L::Numbered, {}, true,
         "Esborra_BotonsPortes"},
        {"SGBoto3", P::Portes, S::None, false, "BlB3FunI", 0, 4, true,
         {G("Sal."), G("Activ."), G("Entrada"), G("T.Ent"), G("T.Des.")}, {1}, F::Plain, L::Numbered, {}, true,
         "Esborra_BotonsPortes"},
        {"SGBoto4", P::Portes, S::None, false, "BlB4FunI", 0, 4, true,
         {G("Sal."), G("Activ."), G("Entrada"), G("T.Ent"), G("T.Des.")}, {1}, F::Plain, L::Numbered, {}, true,
         "Esborra_BotonsPortes"},
        {"SGCentralCofem", P::CentralCofem, S::None, true, "BlClTxtI", 0, 29, true, kLabelledMessageHeaders, {},
         F::Plain, L::Listed, kCofemLabels, false, "Esborra_CentralCofem"},
        {"SGCentralUrano", P::CentralUrano, S::None, true, "BlUrTxtI", 0, 9, true, kLabelledMessageHeaders, {},
         F::Plain, L::Listed,
         {G(" Alarma pulsador"), G(" Alarma detector"), G(" Fallo circuito abierto"), G(" Fallo cortocircuito"),
          G(" Zona anulada"), G(" Zona en pruebas"), G(" Avería cargador baterías"), G(" Avería fallo de baterías"),
          G(" Avería de la central fallo 220V")},
         false, "Esborra_CentralUrano"},
        {"SGCentralSyncro", P::CentralSyncro, S::None, true, "BlSyTxtI", 0, 255, true, kEventGridHeaders, {},
         F::EventKind, L::Numbered, {}, false, "Esborra_CentralSyncro"},
        {"SGCentralAvenarBosch", P::CentralAvenarBosch, S::None, true, "BlAvTxtI", 0, 255, true, kEventGridHeaders,
         {}, F::EventKind, L::Numbered, {}, false, "Esborra_CentralAvenarBosch"},
        {"SGCentralSupra", P::CentralSupra, S::None, true, "BlSuTxtI", 0, 43, true, kEventGridHeaders, {},
         F::EventKind, L::Numbered, {}, false, "Esborra_CentralSupra"},
        {"SGCentralZafir", P::CentralZafir, S::None, true, "BlZaTxtI", 0, 41, true, kLabelledEventHeaders, {},
         F::EventKind, L::Listed, kZafirLabels, false, "Esborra_CentralZafir"},
        {"SGCentralAD300", P::CentralAD300, S::None, true, "BlAdTxtI", 0, 17, true, kLabelledEventHeaders, {},
         F::EventKind, L::Listed, kAD300Labels, false, "Esborra_CentralAD300"},
        {"SGCentralID3000", P::CentralID3000, S::None, true, "BlIDTxtI", 0, 265, true, kEventGridHeaders, {},
         F::EventKind, L::Numbered, {}, false, "Esborra_CentralID3000"},
        {"SGEquipIndus", P::Industrial, S::None, true, "scTemTxt", 0, 1, true,
         {"", G("Alias"), G("App"), G("SMS"), G("EMail"), G("Tiempo"), G("Código CID"),
          G("Mensaje disparo/mensaje restaura")},
         {}, F::Plain, L::Listed, {G("Equipo")}, false, "Esborra_EquipIndus"},
    };
    return table;
}

#undef G

} // namespace

std::span<const FieldBinding> fieldBindings()
{
    return kFields;
}

std::span<const GridBinding> gridBindings()
{
    return grids();
}

const GridBinding *gridBinding(QStringView name)
{
    for (const GridBinding &binding : grids()) {
        if (name == QLatin1String(binding.name))
            return &binding;
    }
    return nullptr;
}

const char *pageTabName(ProgPage page)
{
    static const char *const names[kProgPageCount] = {
        "TSConfiguracio", "TSConfigSoft", "TSUsuari", "TSCentralAguilera", "TSCentralBC600",
        "TSIndustrial", "TSPortes", "TSCentralCofem", "TSCentralUrano", "TSCentralSyncro",
        "TSCentralAvenarBosch", "TSCentralAD300", "TSCentralSupra", "TSCentralZafir", "TSCentralID3000"};
    return names[static_cast<int>(page)];
}

const char *pagePanelName(ProgPage page)
{
    static const char *const names[kProgPageCount] = {
        "PConfig", "PConfigSoft", "PUsuari", "PCentralAguilera", "PCentralBC600", "PIndustrial", "PPortes",
        "PCentralCofem", "PCentralUrano", "PCentralSyncro", "PCentralAvenarBosch", "PCentralAD300",
        "PCentralSupra", "PCentralZafir", "PCentralID3000"};
    return names[static_cast<int>(page)];
}

std::optional<ProgPage> panelPageFor(const QString &central)
{
    // Industrial refrigeration has a programming tab but no panel screen.
    if (central.contains(QLatin1String("Fred")))
        return P::Industrial;
    const char *tab = panelType(central).programmingTab;
    for (int page = 0; tab && page < kProgPageCount; ++page) {
        if (qstrcmp(pageTabName(ProgPage(page)), tab) == 0)
            return ProgPage(page);
    }
    return std::nullopt;
}

} // namespace quelta
