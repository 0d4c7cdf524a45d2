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

const std::vector<const char *> kMessageHeaders{QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"),
    QT_TRANSLATE_NOOP("Grids", "EMail"), QT_TRANSLATE_NOOP("Grids", "Código CID")};
const std::vector<const char *> kEventGridHeaders{QT_TRANSLATE_NOOP("Grids", "N."),
    QT_TRANSLATE_NOOP("Grids", "Tipo evento"), QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"),
    QT_TRANSLATE_NOOP("Grids", "EMail"), QT_TRANSLATE_NOOP("Grids", "Código CID"),
    QT_TRANSLATE_NOOP("Grids", "Texto del mensaje")};
const std::vector<const char *> kLabelledMessageHeaders{"", QT_TRANSLATE_NOOP("Grids", "App"),
    QT_TRANSLATE_NOOP("Grids", "SMS"), QT_TRANSLATE_NOOP("Grids", "EMail"), QT_TRANSLATE_NOOP("Grids", "Código CID"),
    QT_TRANSLATE_NOOP("Grids", "Texto del mensaje")};
const std::vector<const char *> kLabelledEventHeaders{"", QT_TRANSLATE_NOOP("Grids", "Tipo evento"),
    QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"), QT_TRANSLATE_NOOP("Grids", "EMail"),
    QT_TRANSLATE_NOOP("Grids", "Código CID"), QT_TRANSLATE_NOOP("Grids", "Texto del mensaje")};

std::vector<const char *> messageHeaders(const char *text)
{
    std::vector<const char *> headers = kMessageHeaders;
    headers.push_back(text);
    return headers;
}

std::vector<const char *> alarmLevelHeaders()
{
    return {QT_TRANSLATE_NOOP("Grids", "Alias"), QT_TRANSLATE_NOOP("Grids", "N. Disp."),
        QT_TRANSLATE_NOOP("Grids", "N. Rest."), QT_TRANSLATE_NOOP("Grids", "T. Disp."),
        QT_TRANSLATE_NOOP("Grids", "T. Rest."), QT_TRANSLATE_NOOP("Grids", "NO")};
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
    static const char *const inputs[] = {QT_TRANSLATE_NOOP("Grids", "N."), "E1", "E2", "E3", "E4", "E5", "E6", "E7",
        "E8", "E9", "E10", "E11", "E12", "E13", "E14", "E15", "E16", QT_TRANSLATE_NOOP("Grids", "Todas")};
    return {std::begin(inputs), std::end(inputs)};
}

const std::vector<const char *> kCofemLabels{QT_TRANSLATE_NOOP("Grids", " Alarma pulsador"),
    QT_TRANSLATE_NOOP("Grids", " Alarma detector"), QT_TRANSLATE_NOOP("Grids", " Avería línea Abierta"),
    QT_TRANSLATE_NOOP("Grids", " Avería línea Cruzada"), QT_TRANSLATE_NOOP("Grids", " Punto Anulado"),
    QT_TRANSLATE_NOOP("Grids", " Punto en pruebas"), QT_TRANSLATE_NOOP("Grids", " Alarma Pulsador Prueba"),
    QT_TRANSLATE_NOOP("Grids", " Alarma Detector Prueba"), QT_TRANSLATE_NOOP("Grids", " Relé Anulado"),
    QT_TRANSLATE_NOOP("Grids", " Relé Avería línea Abierta"), QT_TRANSLATE_NOOP("Grids", " Relé Avería línea Cruzada"),
    QT_TRANSLATE_NOOP("Grids", " Relé Avería 24V"), QT_TRANSLATE_NOOP("Grids", " Relé Prealarma"),
    QT_TRANSLATE_NOOP("Grids", " Relé Disparo"), QT_TRANSLATE_NOOP("Grids", "Relé Aborto"),
    QT_TRANSLATE_NOOP("Grids", " Relé Sirena 1 avería línea Abierta"),
    QT_TRANSLATE_NOOP("Grids", " Relé Sirena 1 avería línea Cruzada"),
    QT_TRANSLATE_NOOP("Grids", " Relé Sirena 1 disparo"),
    QT_TRANSLATE_NOOP("Grids", " Relé Sirena 2 avería línea Abierta"),
    QT_TRANSLATE_NOOP("Grids", " Relé Sirena 2 avería línea Cruzada"),
    QT_TRANSLATE_NOOP("Grids", " Relé Sirena 2 disparo"),
    QT_TRANSLATE_NOOP("Grids", " Relé Avería General línea Abierta"),
    QT_TRANSLATE_NOOP("Grids", " Relé Avería General línea Cruzada"),
    QT_TRANSLATE_NOOP("Grids", " Relé Avería General disparo"),
    QT_TRANSLATE_NOOP("Grids", " Fuente aliment. Avería cargador"),
    QT_TRANSLATE_NOOP("Grids", " Fuente aliment. Avería batería descargada"),
    QT_TRANSLATE_NOOP("Grids", " Fuente aliment. Avería sin red"),
    QT_TRANSLATE_NOOP("Grids", " Fuente aliment. Avería 30V"),
    QT_TRANSLATE_NOOP("Grids", " Avería batería descargada")};

// Rows 1 and 17 are built from "Alarma" and " Desconexión" in upper case (see the model).
const std::vector<const char *> kAD300Labels{QT_TRANSLATE_NOOP("Grids", "Alarma"),
    QT_TRANSLATE_NOOP("Grids", "ACTIVACIÓN MANUAL DE EVACUACIÓN"),
    QT_TRANSLATE_NOOP("Grids", "DISPARO DE SIRENAS MANUAL"), QT_TRANSLATE_NOOP("Grids", "AVERIA EN LAZO"),
    QT_TRANSLATE_NOOP("Grids", "AVERIA EN SIRENAS"), QT_TRANSLATE_NOOP("Grids", "AVERIA DE ALIMENTACION"),
    QT_TRANSLATE_NOOP("Grids", "AVERIA DERIV. A TIERRA"), QT_TRANSLATE_NOOP("Grids", "AVERIA FUERA DE SERVICIO"),
    QT_TRANSLATE_NOOP("Grids", "AVERIA DE SISTEMA"), QT_TRANSLATE_NOOP("Grids", "AVERIA EN RS-485/232"),
    QT_TRANSLATE_NOOP("Grids", "ELEMENTO NO RESPONDE"), QT_TRANSLATE_NOOP("Grids", "RESPUESTA DOBLE"),
    QT_TRANSLATE_NOOP("Grids", "TIPO CAMBIADO"), QT_TRANSLATE_NOOP("Grids", "CORTE EN ..."),
    QT_TRANSLATE_NOOP("Grids", "CRUCE EN ..."), QT_TRANSLATE_NOOP("Grids", "ELEMENTO SUCIO"),
    QT_TRANSLATE_NOOP("Grids", " Desconexión")};

const std::vector<const char *> kZafirLabels{QT_TRANSLATE_NOOP("Grids", "Alarma sensor"),
    QT_TRANSLATE_NOOP("Grids", "Alarma técnica"), QT_TRANSLATE_NOOP("Grids", "Alarma temperatura"),
    QT_TRANSLATE_NOOP("Grids", "Alarma humo"), QT_TRANSLATE_NOOP("Grids", "Alarma pulsador (Call Point)"),
    QT_TRANSLATE_NOOP("Grids", "Alarma pulsador 'Doble'"), QT_TRANSLATE_NOOP("Grids", "Alarma prueba incendio"),
    QT_TRANSLATE_NOOP("Grids", "Alarma prueba no configurado"),
    QT_TRANSLATE_NOOP("Grids", "Avería comunicación repetidora"),
    QT_TRANSLATE_NOOP("Grids", "Avería comunicación central"),
    QT_TRANSLATE_NOOP("Grids", "Avería comunicación controladora"),
    QT_TRANSLATE_NOOP("Grids", "Avería comunicación Módulo 'Remote'"),
    QT_TRANSLATE_NOOP("Grids", "Avería comunicación Módulo CID"),
    QT_TRANSLATE_NOOP("Grids", "Avería comunicación Módulo Red2"),
    QT_TRANSLATE_NOOP("Grids", "Avería cargador baterías"), QT_TRANSLATE_NOOP("Grids", "Avería batería averiada"),
    QT_TRANSLATE_NOOP("Grids", "Avería sin batería"), QT_TRANSLATE_NOOP("Grids", "Avería batería descargada"),
    QT_TRANSLATE_NOOP("Grids", "Avería batería sobrecargada"), QT_TRANSLATE_NOOP("Grids", "Avería baja tensión"),
    QT_TRANSLATE_NOOP("Grids", "Avería sobretensión"), QT_TRANSLATE_NOOP("Grids", "Avería no alimentación"),
    QT_TRANSLATE_NOOP("Grids", "Avería salida 30v"), QT_TRANSLATE_NOOP("Grids", "Avería bucle cortocircuito"),
    QT_TRANSLATE_NOOP("Grids", "Avería sensor"), QT_TRANSLATE_NOOP("Grids", "Avería suciedad"),
    QT_TRANSLATE_NOOP("Grids", "Avería bucle abierto"), QT_TRANSLATE_NOOP("Grids", "Avería consumo bucle"),
    QT_TRANSLATE_NOOP("Grids", "Avería punto no contesta"), QT_TRANSLATE_NOOP("Grids", "Avería KMAY SUC"),
    QT_TRANSLATE_NOOP("Grids", "Avería KMAY cortocircuito"), QT_TRANSLATE_NOOP("Grids", "Avería KMAY circuito abierto"),
    QT_TRANSLATE_NOOP("Grids", "Avería MSTAY cortocircuito"),
    QT_TRANSLATE_NOOP("Grids", "Avería MSTAY circuito abierto"), QT_TRANSLATE_NOOP("Grids", "Avería técnica"),
    QT_TRANSLATE_NOOP("Grids", "Avería Relé linea abierta"), QT_TRANSLATE_NOOP("Grids", "Avería Relé cortocircuito"),
    QT_TRANSLATE_NOOP("Grids", "Avería Relé no activo"), QT_TRANSLATE_NOOP("Grids", "Avería Relé 24V"),
    QT_TRANSLATE_NOOP("Grids", " Punto Anulado"), QT_TRANSLATE_NOOP("Grids", " Zona en pruebas")};

using S = Section;
using F = RowForm;
using L = RowLabels;

const std::vector<GridBinding> &grids()
{
    static const std::vector<GridBinding> table{
        {"SGOperadores", P::ConfigHard, S::None, false, "BlOpTelI", 0, 16, false,
            {QT_TRANSLATE_NOOP("Grids", "   Operadora"), QT_TRANSLATE_NOOP("Grids", "APN"),
                QT_TRANSLATE_NOOP("Grids", "Usuario"), QT_TRANSLATE_NOOP("Grids", "Password")},
            {}, F::Plain, L::None, {}, false, "Esborra_operadores"},
        {"SGCra", P::ConfigSoft, S::None, false, "craOpcio", 0, 1, false, {QT_TRANSLATE_NOOP("Grids", "App")}, {},
            F::Plain, L::None, {}, false, "Esborra_Cra"},
        {"SGEntrades", P::Usuari, S::Inputs, true, "BlEnOpsI", 0, 16, true,
            {QT_TRANSLATE_NOOP("Grids", "N."), QT_TRANSLATE_NOOP("Grids", "Alias"), QT_TRANSLATE_NOOP("Grids", "Disp."),
                QT_TRANSLATE_NOOP("Grids", "Rest."), QT_TRANSLATE_NOOP("Grids", "NO")},
            {4}, F::AliasLast, L::Numbered, {}, true, "Esborra_entrades"},
        {"SGEntradesOpc", P::Usuari, S::Inputs, true, "BlEnTxtI", 0, 16, false,
            messageHeaders(QT_TRANSLATE_NOOP("Grids", "Mensaje disparo/mensaje restaura")), {}, F::Plain, L::None, {},
            false, "Esborra_entrades"},
        {"SGSortides", P::Usuari, S::Outputs, true, "BlSoOpsI", 0, 4, true,
            {QT_TRANSLATE_NOOP("Grids", "N."), QT_TRANSLATE_NOOP("Grids", "Inicio"), QT_TRANSLATE_NOOP("Grids", "Test"),
                QT_TRANSLATE_NOOP("Grids", "Tamper"), QT_TRANSLATE_NOOP("Grids", "Alim."),
                QT_TRANSLATE_NOOP("Grids", "GSM"), QT_TRANSLATE_NOOP("Grids", "ADSL"),
                QT_TRANSLATE_NOOP("Grids", "CRA"), QT_TRANSLATE_NOOP("Grids", "Servidor"),
                QT_TRANSLATE_NOOP("Grids", "COM"), QT_TRANSLATE_NOOP("Grids", "App")},
            allColumnsFrom(1, 10), F::Characters, L::Numbered, {}, true, "Esborra_sortides"},
        {"SGSortidesTemps", P::Usuari, S::Outputs, true, "BlSoTmpI", 0, 4, true,
            {QT_TRANSLATE_NOOP("Grids", "N."), QT_TRANSLATE_NOOP("Grids", "Alias"),
                QT_TRANSLATE_NOOP("Grids", "Desac."), QT_TRANSLATE_NOOP("Grids", "T.Act."),
                QT_TRANSLATE_NOOP("Grids", "T.Des."), QT_TRANSLATE_NOOP("Grids", "NO")},
            {5}, F::AliasLast, L::Numbered, {}, true, "Esborra_sortides"},
        {"SGSortidesEnt", P::Usuari, S::Outputs, true, "BlSoEntI", 0, 4, true, outputInputHeaders(),
            allColumnsFrom(1, 17), F::InputFlags, L::Numbered, {}, true, "Esborra_sortides"},
        {"SGSortidesOpc", P::Usuari, S::Outputs, true, "BlSoTxtI", 0, 4, false,
            {QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"), QT_TRANSLATE_NOOP("Grids", "Email"),
                QT_TRANSLATE_NOOP("Grids", "Código CID"),
                QT_TRANSLATE_NOOP("Grids", "Mensaje activa/Mensaje desactiva")},
            {}, F::Plain, L::None, {}, false, "Esborra_sortides"},
        {"SGInici", P::Usuari, S::System, true, "BlSiInic", 0, 1, false,
            messageHeaders(QT_TRANSLATE_NOOP("Grids", "Texto del mensaje")), {}, F::Plain, L::None, {}, false,
            "Esborra_Inici"},
        {"SGTest", P::Usuari, S::System, true, "BlSiOpsI", 0, 1, false,
            {QT_TRANSLATE_NOOP("Grids", "Alias"), QT_TRANSLATE_NOOP("Grids", "Tiempo"),
                QT_TRANSLATE_NOOP("Grids", "Hora: (hh:mm)")},
            {}, F::AliasLast, L::None, {}, false, "Esborra_Test"},
        {"SGTamper", P::Usuari, S::System, true, "BlSiOpsI", 1, 1, false, alarmLevelHeaders(), {5}, F::AliasLast,
            L::None, {}, true, "Esborra_Tamper"},
        {"SGAlim", P::Usuari, S::System, true, "BlSiOpsI", 2, 1, false, alarmLevelHeaders(), {5}, F::AliasLast, L::None,
            {}, true, "Esborra_Alim"},
        {"SGTestOpc", P::Usuari, S::System, true, "BlSiTxtI", 0, 1, false,
            messageHeaders(QT_TRANSLATE_NOOP("Grids", "Mensaje de test")), {}, F::Plain, L::None, {}, false,
            "Esborra_Test"},
        {"SGTamperOpc", P::Usuari, S::System, true, "BlSiTxtI", 1, 1, false,
            {QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"), QT_TRANSLATE_NOOP("Grids", "Email"),
                QT_TRANSLATE_NOOP("Grids", "Código CID"),
                QT_TRANSLATE_NOOP("Grids", "Mensaje disparo/mensaje restaura")},
            {}, F::Plain, L::None, {}, false, "Esborra_Tamper"},
        {"SGAlimOpc", P::Usuari, S::System, true, "BlSiTxtI", 2, 1, false,
            {QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"), QT_TRANSLATE_NOOP("Grids", "Email"),
                QT_TRANSLATE_NOOP("Grids", "Código CID"),
                QT_TRANSLATE_NOOP("Grids", "Mensaje disparo/mensaje restaura")},
            {}, F::Plain, L::None, {}, false, "Esborra_Alim"},
        {"SGPerduaCOM", P::Usuari, S::System, true, "BlSiTxtI", 3, 5, true,
            {"", QT_TRANSLATE_NOOP("Grids", "App"), QT_TRANSLATE_NOOP("Grids", "SMS"),
                QT_TRANSLATE_NOOP("Grids", "EMail"), QT_TRANSLATE_NOOP("Grids", "Código CID"),
                QT_TRANSLATE_NOOP("Grids", "Mensaje de fallo/Mensaje de recuperación")},
            {}, F::Plain, L::Listed,
            {QT_TRANSLATE_NOOP("Grids", "Pérdida GSM"), QT_TRANSLATE_NOOP("Grids", "Pérdida ADSL"),
                QT_TRANSLATE_NOOP("Grids", "Pérdida CRA"), QT_TRANSLATE_NOOP("Grids", "Pérdida Servidor"),
                QT_TRANSLATE_NOOP("Grids", "Pérdida COM")},
            false, "Esborra_PerduaCOM"},
        {"SGCentralAgui", P::CentralAguilera, S::None, true, "BlAgTxtI", 0, 9, true, kLabelledMessageHeaders, {},
            F::Plain, L::Listed,
            {QT_TRANSLATE_NOOP("Grids", "Alarma"), QT_TRANSLATE_NOOP("Grids", " Avería"),
                QT_TRANSLATE_NOOP("Grids", " Desconexión"), QT_TRANSLATE_NOOP("Grids", " Prueba"),
                QT_TRANSLATE_NOOP("Grids", " Comunicación con la Central"),
                QT_TRANSLATE_NOOP("Grids", " Perdida tensión 230V"),
                QT_TRANSLATE_NOOP("Grids", " Fallo Alimentación principal"),
                QT_TRANSLATE_NOOP("Grids", " Batería baja"), QT_TRANSLATE_NOOP("Grids", " Fallo de tierra")},
            false, "Esborra_Central"},
        {"SGLlistatZonesAgui", P::CentralAguilera, S::None, false, "BlAgZonI", 0, 1023, true,
            {QT_TRANSLATE_NOOP("Grids", "ZONA"), QT_TRANSLATE_NOOP("Grids", "Código CID"),
                QT_TRANSLATE_NOOP("Grids", "NOMBRE")},
            {}, F::ZoneName, L::Numbered, {}, false, "Esborra_LlistatZones"},
        {"SGCentralBC600", P::CentralBC600, S::None, true, "BlBcTxtI", 0, 255, true, kEventGridHeaders, {},
            F::EventKind, L::Numbered, {}, false, "Esborra_BC600"},
        {"SGBCApp", P::CentralBC600, S::None, false, "BlBcOpci", 0, 1, false, {QT_TRANSLATE_NOOP("Grids", "App")}, {},
            F::Plain, L::None, {}, false, "Esborra_BCApp"},
        {"SGBoto1", P::Portes, S::None, false, "BlB1FunI", 0, 4, true,
            {QT_TRANSLATE_NOOP("Grids", "Sal."), QT_TRANSLATE_NOOP("Grids", "Activ."),
                QT_TRANSLATE_NOOP("Grids", "Entrada"), QT_TRANSLATE_NOOP("Grids", "T.Ent"),
                QT_TRANSLATE_NOOP("Grids", "T.Des.")},
            {1}, F::Plain, L::Numbered, {}, true, "Esborra_BotonsPortes"},
        {"SGBoto2", P::Portes, S::None, false, "BlB2FunI", 0, 4, true,
            {QT_TRANSLATE_NOOP("Grids", "Sal."), QT_TRANSLATE_NOOP("Grids", "Activ."),
                QT_TRANSLATE_NOOP("Grids", "Entrada"), QT_TRANSLATE_NOOP("Grids", "T.Ent"),
                QT_TRANSLATE_NOOP("Grids", "T.Des.")},
            {1}, F::Plain, L::Numbered, {}, true, "Esborra_BotonsPortes"},
        {"SGBoto3", P::Portes, S::None, false, "BlB3FunI", 0, 4, true,
            {QT_TRANSLATE_NOOP("Grids", "Sal."), QT_TRANSLATE_NOOP("Grids", "Activ."),
                QT_TRANSLATE_NOOP("Grids", "Entrada"), QT_TRANSLATE_NOOP("Grids", "T.Ent"),
                QT_TRANSLATE_NOOP("Grids", "T.Des.")},
            {1}, F::Plain, L::Numbered, {}, true, "Esborra_BotonsPortes"},
        {"SGBoto4", P::Portes, S::None, false, "BlB4FunI", 0, 4, true,
            {QT_TRANSLATE_NOOP("Grids", "Sal."), QT_TRANSLATE_NOOP("Grids", "Activ."),
                QT_TRANSLATE_NOOP("Grids", "Entrada"), QT_TRANSLATE_NOOP("Grids", "T.Ent"),
                QT_TRANSLATE_NOOP("Grids", "T.Des.")},
            {1}, F::Plain, L::Numbered, {}, true, "Esborra_BotonsPortes"},
        {"SGCentralCofem", P::CentralCofem, S::None, true, "BlClTxtI", 0, 29, true, kLabelledMessageHeaders, {},
            F::Plain, L::Listed, kCofemLabels, false, "Esborra_CentralCofem"},
        {"SGCentralUrano", P::CentralUrano, S::None, true, "BlUrTxtI", 0, 9, true, kLabelledMessageHeaders, {},
            F::Plain, L::Listed,
            {QT_TRANSLATE_NOOP("Grids", " Alarma pulsador"), QT_TRANSLATE_NOOP("Grids", " Alarma detector"),
                QT_TRANSLATE_NOOP("Grids", " Fallo circuito abierto"),
                QT_TRANSLATE_NOOP("Grids", " Fallo cortocircuito"), QT_TRANSLATE_NOOP("Grids", " Zona anulada"),
                QT_TRANSLATE_NOOP("Grids", " Zona en pruebas"), QT_TRANSLATE_NOOP("Grids", " Avería cargador baterías"),
                QT_TRANSLATE_NOOP("Grids", " Avería fallo de baterías"),
                QT_TRANSLATE_NOOP("Grids", " Avería de la central fallo 220V")},
            false, "Esborra_CentralUrano"},
        {"SGCentralSyncro", P::CentralSyncro, S::None, true, "BlSyTxtI", 0, 255, true, kEventGridHeaders, {},
            F::EventKind, L::Numbered, {}, false, "Esborra_CentralSyncro"},
        {"SGCentralAvenarBosch", P::CentralAvenarBosch, S::None, true, "BlAvTxtI", 0, 255, true, kEventGridHeaders, {},
            F::EventKind, L::Numbered, {}, false, "Esborra_CentralAvenarBosch"},
        {"SGCentralSupra", P::CentralSupra, S::None, true, "BlSuTxtI", 0, 43, true, kEventGridHeaders, {}, F::EventKind,
            L::Numbered, {}, false, "Esborra_CentralSupra"},
        {"SGCentralZafir", P::CentralZafir, S::None, true, "BlZaTxtI", 0, 41, true, kLabelledEventHeaders, {},
            F::EventKind, L::Listed, kZafirLabels, false, "Esborra_CentralZafir"},
        {"SGCentralAD300", P::CentralAD300, S::None, true, "BlAdTxtI", 0, 17, true, kLabelledEventHeaders, {},
            F::EventKind, L::Listed, kAD300Labels, false, "Esborra_CentralAD300"},
        {"SGCentralID3000", P::CentralID3000, S::None, true, "BlIDTxtI", 0, 265, true, kEventGridHeaders, {},
            F::EventKind, L::Numbered, {}, false, "Esborra_CentralID3000"},
        {"SGEquipIndus", P::Industrial, S::None, true, "scTemTxt", 0, 1, true,
            {"", QT_TRANSLATE_NOOP("Grids", "Alias"), QT_TRANSLATE_NOOP("Grids", "App"),
                QT_TRANSLATE_NOOP("Grids", "SMS"), QT_TRANSLATE_NOOP("Grids", "EMail"),
                QT_TRANSLATE_NOOP("Grids", "Tiempo"), QT_TRANSLATE_NOOP("Grids", "Código CID"),
                QT_TRANSLATE_NOOP("Grids", "Mensaje disparo/mensaje restaura")},
            {}, F::Plain, L::Listed, {QT_TRANSLATE_NOOP("Grids", "Equipo")}, false, "Esborra_EquipIndus"},
    };
    return table;
}

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
