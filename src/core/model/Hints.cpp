#include "core/model/Hints.h"

#include "core/model/ConfigurationModel.h"

#include <QCoreApplication>

#include <array>

namespace quelta {
namespace {

// What the last line of a bound control's hint shows.
enum class Parameter {
    Number,    // its binding number; "a partir de" it for a grid of several rows
    None,      // no parameter line (the read-only panel type shows only what is connected)
    DoorBlock, // the door grids: the button number leads the text, the block code ends it
};

// The section line and the explanation of a control; a control without a section shows the
// explanation alone. Explanations of bound controls end their first sentence with a blank, as
// template lines show it between braces.
struct HintText
{
    const char *control;
    const char *section;
    const char *explanation;
    Parameter parameter = Parameter::Number;
};

const char *const kIdentificacion = QT_TRANSLATE_NOOP("Hints", "Identificación");
const char *const kConfiguracion = QT_TRANSLATE_NOOP("Hints", "Configuración");
const char *const kDhcp = QT_TRANSLATE_NOOP("Hints", "Configuración DHCP");
const char *const kSoftware = QT_TRANSLATE_NOOP("Hints", "Configuración del software");
const char *const kAccesos = QT_TRANSLATE_NOOP("Hints", "Accesos");
const char *const kEntradas = QT_TRANSLATE_NOOP("Hints", "Entradas");
const char *const kSalidas = QT_TRANSLATE_NOOP("Hints", "Salidas");
const char *const kSistema = QT_TRANSLATE_NOOP("Hints", "Sistema");
const char *const kAguilera = QT_TRANSLATE_NOOP("Hints", "Central Aguilera");
const char *const kBC600 = QT_TRANSLATE_NOOP("Hints", "Central BC600/216");
const char *const kIndustrial = QT_TRANSLATE_NOOP("Hints", "Equipo industrial");
const char *const kCofem = QT_TRANSLATE_NOOP("Hints", "Central Cofem");
const char *const kUrano = QT_TRANSLATE_NOOP("Hints", "Central Urano");
const char *const kSyncro = QT_TRANSLATE_NOOP("Hints", "Central Syncro");
const char *const kBosch = QT_TRANSLATE_NOOP("Hints", "Central Bosch Avenar");
const char *const kAD300 = QT_TRANSLATE_NOOP("Hints", "Central AD300");
const char *const kSupra = QT_TRANSLATE_NOOP("Hints", "Central Supra");
const char *const kZafir = QT_TRANSLATE_NOOP("Hints", "Central Cofem Zafir");
const char *const kID3000 = QT_TRANSLATE_NOOP("Hints", "Central ID3000");

const char *const kBauds
    = QT_TRANSLATE_NOOP("Hints", "Velocidad y paridad de la comunicación RS232 con la central \r\nEjemplo: 9600,N");
const char *const kEventFile
    = QT_TRANSLATE_NOOP("Hints", "Nombre del último fichero de eventos importado o exportado ");
const char *const kAddress
    = QT_TRANSLATE_NOOP("Hints", "Dirección del circuito como periférico de la central \r\nDos dígitos hexadecimales");
const char *const kPanelMessages = QT_TRANSLATE_NOOP(
    "Hints", "Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje ");
const char *const kPanelEvents = QT_TRANSLATE_NOOP("Hints",
    "Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código "
    "CID y texto del mensaje ");
const char *const kImportEvents
    = QT_TRANSLATE_NOOP("Hints", "Importa de un fichero los mensajes de los eventos de la central ");
const char *const kExportEvents
    = QT_TRANSLATE_NOOP("Hints", "Exporta a un fichero los mensajes de los eventos de la central ");
const char *const kEraseEvents
    = QT_TRANSLATE_NOOP("Hints", "Borra en el circuito los mensajes de los eventos de la central ");
const char *const kDoorOutputs = QT_TRANSLATE_NOOP("Hints",
    "Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de "
    "desactivación de la salida");

const auto kHints = std::to_array<HintText>({
    // Config. hard
    {"EProgEmpresa", kIdentificacion,
        QT_TRANSLATE_NOOP("Hints",
            "Nombre de la empresa instaladora \r\nNormalmente coincidirá con el nombre de la empresa que se dado de "
            "alta "
            "en el programa")},
    {"EProgInstal", kIdentificacion,
        QT_TRANSLATE_NOOP("Hints",
            "Nombre del instalador \r\nNormalmente coincidirá con el nombre del instalador que se ha dado de alta en "
            "el programa")},
    {"EProgRef", kIdentificacion,
        QT_TRANSLATE_NOOP("Hints",
            "Nombre o código de referencia para esta instalación \r\nCon esta referencia se puede acceder al circuito "
            "remotamente")},
    {"EProgTel", kIdentificacion, QT_TRANSLATE_NOOP("Hints", "Número de teléfono de la tarjeta SIM del circuito ")},
    {"EProgPassword", kConfiguracion, QT_TRANSLATE_NOOP("Hints", "Contraseña para acceder al circuito por SMS ")},
    {"ECodiProg", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints",
            "Código de acceso a la programación del circuito \r\nSin este código no se puede leer ni programar el "
            "circuito")},
    {"EPinSIM", kConfiguracion, QT_TRANSLATE_NOOP("Hints", "PIN de la tarjeta SIM del circuito ")},
    {"ECentral", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Central de incendios conectada al puerto serie del circuito "), Parameter::None},
    {"EMAC", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Dirección MAC de la conexión ADSL del circuito \r\nSolo lectura")},
    {"CBHora", kConfiguracion, QT_TRANSLATE_NOOP("Hints", "UTC, zona horaria de referencia ")},
    {"CLBPartsActives", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Partes activas del circuito \r\nGPRS, ADSL, COM y entradas/salidas")},
    {"CBConfigADSLDHCP", kDhcp,
        QT_TRANSLATE_NOOP("Hints",
            "DHCP activado: la red asigna la dirección IP del circuito \r\nDesactivado, el circuito usa la dirección "
            "IP, "
            "la máscara, la puerta de enlace y los DNS fijos")},
    {"EConfigADSLIP", kDhcp,
        QT_TRANSLATE_NOOP("Hints", "Dirección IP fija del circuito \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLSubMask", kDhcp,
        QT_TRANSLATE_NOOP("Hints", "Máscara de subred de la red local \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLGateway", kDhcp,
        QT_TRANSLATE_NOOP("Hints", "Puerta de enlace de la red local \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLDNS", kDhcp,
        QT_TRANSLATE_NOOP("Hints", "Servidor DNS primario \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLDNS2", kDhcp,
        QT_TRANSLATE_NOOP("Hints", "Servidor DNS secundario \r\nSolo se usa con el DHCP desactivado")},
    {"SGOperadores", kConfiguracion,
        QT_TRANSLATE_NOOP(
            "Hints", "Listado de las operadoras de GPRS \r\nEjemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR")},
    {"BBEsborraOperadores", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Borra en el circuito el listado de las operadoras de GPRS ")},
    {"BBImportarOperadores", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Importa de un fichero el listado de las operadoras de GPRS ")},
    {"BBExportarOperadores", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Exporta a un fichero el listado de las operadoras de GPRS ")},

    // Config. soft
    {"EEMailSMTP", kSoftware,
        QT_TRANSLATE_NOOP(
            "Hints", "Servidor SMTP para el envío de e-mail \r\nPuede escribirse la dirección IP o el nombre")},
    {"EEmailPort", kSoftware, QT_TRANSLATE_NOOP("Hints", "Puerto del servidor SMTP ")},
    {"EEMailUser", kSoftware, QT_TRANSLATE_NOOP("Hints", "Usuario de la cuenta del servidor SMTP ")},
    {"EEMailPassword", kSoftware, QT_TRANSLATE_NOOP("Hints", "Contraseña de la cuenta del servidor SMTP ")},
    {"EEMailEnviarA", kSoftware, QT_TRANSLATE_NOOP("Hints", "Remitente de los e-mails que envía el circuito ")},
    {"EEmailSubject", kSoftware, QT_TRANSLATE_NOOP("Hints", "Asunto de los e-mails que envía el circuito ")},
    {"ETelSMS1", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
            "teléfono separados por ;")},
    {"ETelSMS2", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
            "teléfono separados por ;")},
    {"ETelSMS3", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
            "teléfono separados por ;")},
    {"ETelSMS4", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
            "teléfono separados por ;")},
    {"EEmail1", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias "
            "direcciones "
            "separadas por ;")},
    {"EEmail2", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias "
            "direcciones "
            "separadas por ;")},
    {"EEmail3", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias "
            "direcciones "
            "separadas por ;")},
    {"EEmail4", kSoftware,
        QT_TRANSLATE_NOOP("Hints",
            "Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias "
            "direcciones "
            "separadas por ;")},
    {"EIPCra11", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Dirección de la CRA 1.1 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EIPCra12", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Dirección de la CRA 1.2 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EIPCra21", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Dirección de la CRA 2.1 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EIPCra22", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Dirección de la CRA 2.2 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EPortCRA11", kSoftware, QT_TRANSLATE_NOOP("Hints", "Puerto de la CRA 1.1 ")},
    {"EPortCRA12", kSoftware, QT_TRANSLATE_NOOP("Hints", "Puerto de la CRA 1.2 ")},
    {"EPortCRA21", kSoftware, QT_TRANSLATE_NOOP("Hints", "Puerto de la CRA 2.1 ")},
    {"EPortCRA22", kSoftware, QT_TRANSLATE_NOOP("Hints", "Puerto de la CRA 2.2 ")},
    {"EAbonatCra11", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Número de abonado en la CRA 1.1 \r\nHasta 6 dígitos hexadecimales")},
    {"EAbonatCra12", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Número de abonado en la CRA 1.2 \r\nHasta 6 dígitos hexadecimales")},
    {"EAbonatCra21", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Número de abonado en la CRA 2.1 \r\nHasta 6 dígitos hexadecimales")},
    {"EAbonatCra22", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Número de abonado en la CRA 2.2 \r\nHasta 6 dígitos hexadecimales")},
    {"EPollingCRA1", kSoftware, QT_TRANSLATE_NOOP("Hints", "Periodo de polling con la CRA, en minutos ")},
    {"CBHexaCra", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Códigos Contact ID en hexadecimal \r\nSin marcar se envían en decimal")},
    {"SGCra", kSoftware,
        QT_TRANSLATE_NOOP("Hints", "Envío a la App de los códigos Contact ID que se envían a la CRA ")},

    // Usuario
    {"SGEntrades", kEntradas,
        QT_TRANSLATE_NOOP(
            "Hints", "Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas ")},
    {"SGEntradesOpc", kEntradas,
        QT_TRANSLATE_NOOP("Hints",
            "Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración ")},
    {"SGSortides", kSalidas,
        QT_TRANSLATE_NOOP("Hints",
            "Eventos del sistema que activan las salidas \r\nInicio, test, tamper, alimentación, pérdida de GSM, ADSL, "
            "CRA, servidor o COM y App")},
    {"SGSortidesTemps", kSalidas,
        QT_TRANSLATE_NOOP("Hints",
            "Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas ")},
    {"SGSortidesEnt", kSalidas, QT_TRANSLATE_NOOP("Hints", "Entradas que activan las salidas ")},
    {"SGSortidesOpc", kSalidas,
        QT_TRANSLATE_NOOP("Hints",
            "Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación ")},
    {"SGInici", kSistema,
        QT_TRANSLATE_NOOP("Hints", "Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje ")},
    {"SGTest", kSistema,
        QT_TRANSLATE_NOOP("Hints", "Test periódico: alias, periodo del test y hora del test (hh:mm) ")},
    {"SGTestOpc", kSistema,
        QT_TRANSLATE_NOOP("Hints", "Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test ")},
    {"SGTamper", kSistema,
        QT_TRANSLATE_NOOP("Hints",
            "Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto "
            "NO ")},
    {"SGTamperOpc", kSistema,
        QT_TRANSLATE_NOOP(
            "Hints", "Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración ")},
    {"SGAlim", kSistema,
        QT_TRANSLATE_NOOP("Hints",
            "Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y "
            "contacto NO ")},
    {"SGAlimOpc", kSistema,
        QT_TRANSLATE_NOOP("Hints",
            "Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración ")},
    {"SGPerduaCOM", kSistema,
        QT_TRANSLATE_NOOP("Hints",
            "Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM \r\nApp, SMS, e-mail, código CID y "
            "mensaje de fallo/mensaje de recuperación")},

    // Aguilera
    {"EBaudsAgui", kAguilera, kBauds},
    {"EImportarFitxer", kAguilera,
        QT_TRANSLATE_NOOP("Hints", "Nombre del último fichero de zonas importado o exportado ")},
    {"SGCentralAgui", kAguilera, kPanelMessages},
    {"SGLlistatZonesAgui", kAguilera,
        QT_TRANSLATE_NOOP("Hints", "Listado de las zonas de la central: código CID y nombre de cada zona ")},
    {"BBEsborraZones", kAguilera, QT_TRANSLATE_NOOP("Hints", "Borra en el circuito el listado de las zonas ")},
    {"BBImportarFitxer", kAguilera, QT_TRANSLATE_NOOP("Hints", "Importa de un fichero el listado de las zonas ")},
    {"BBExportarFitxer", kAguilera, QT_TRANSLATE_NOOP("Hints", "Exporta a un fichero el listado de las zonas ")},

    // BC600/216
    {"EBaudsBC600", kBC600, kBauds},
    {"EImportarFitxerBC600", kBC600, kEventFile},
    {"SGCentralBC600", kBC600, kPanelEvents},
    {"SGBCApp", kBC600,
        QT_TRANSLATE_NOOP("Hints", "Envío a la App de los códigos Contact ID de los eventos de la central ")},
    {"BBImportarFitxerBC600", kBC600, kImportEvents},
    {"BBExportarFitxerBC600", kBC600, kExportEvents},
    {"BBEsborraEventsBC600", kBC600, kEraseEvents},

    // Industrial
    {"SGEquipIndus", kIndustrial,
        QT_TRANSLATE_NOOP("Hints",
            "Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de "
            "restauración ")},

    // Accesos
    {"EAliesB1", kAccesos, QT_TRANSLATE_NOOP("Hints", "Nombre del botón 1 ")},
    {"EAliesB2", kAccesos, QT_TRANSLATE_NOOP("Hints", "Nombre del botón 2 ")},
    {"EAliesB3", kAccesos, QT_TRANSLATE_NOOP("Hints", "Nombre del botón 3 ")},
    {"EAliesB4", kAccesos, QT_TRANSLATE_NOOP("Hints", "Nombre del botón 4 ")},
    {"ETActivantB1", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activando del botón 1 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB1", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activado del botón 1 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB1", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo desactivando del botón 1 \r\nTiempo de cierre de la puerta")},
    {"ETActivantB2", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activando del botón 2 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB2", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activado del botón 2 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB2", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo desactivando del botón 2 \r\nTiempo de cierre de la puerta")},
    {"ETActivantB3", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activando del botón 3 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB3", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activado del botón 3 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB3", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo desactivando del botón 3 \r\nTiempo de cierre de la puerta")},
    {"ETActivantB4", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activando del botón 4 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB4", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo activado del botón 4 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB4", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Tiempo desactivando del botón 4 \r\nTiempo de cierre de la puerta")},
    {"SGBoto1", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGBoto2", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGBoto3", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGBoto4", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGTelefons", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta ")},
    {"BBLlegirTel", kAccesos, QT_TRANSLATE_NOOP("Hints", "Carga de la nube el listado de los teléfonos del equipo ")},
    {"BBGuardarTel", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Guarda en la nube los cambios del listado de los teléfonos ")},
    {"BBEliminarTel", kAccesos, QT_TRANSLATE_NOOP("Hints", "Elimina los teléfonos marcados ")},
    {"BBImportarTel", kAccesos, QT_TRANSLATE_NOOP("Hints", "Importa de un fichero el listado de los teléfonos ")},
    {"BBExportarTel", kAccesos, QT_TRANSLATE_NOOP("Hints", "Exporta a un fichero el listado de los teléfonos ")},
    {"SGUsuaris", kAccesos,
        QT_TRANSLATE_NOOP("Hints",
            "Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar ")},
    {"BBLlegirUsuaris", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Carga de la nube el listado de los usuarios de la App del equipo ")},
    {"BbGuardarUsuaris", kAccesos,
        QT_TRANSLATE_NOOP("Hints", "Guarda en la nube los cambios del listado de los usuarios ")},
    {"BBEliminarUsuaris", kAccesos, QT_TRANSLATE_NOOP("Hints", "Elimina los usuarios marcados ")},

    // Fire panels
    {"EAdrecaCofem", kCofem, kAddress},
    {"EBaudsCofem", kCofem, kBauds},
    {"EImportarFitxerCofem", kCofem, kEventFile},
    {"SGCentralCofem", kCofem, kPanelMessages},
    {"BBImportarFitxerCofem", kCofem, kImportEvents},
    {"BBExportarFitxerCofem", kCofem, kExportEvents},
    {"EBaudsUrano", kUrano, kBauds},
    {"SGCentralUrano", kUrano, kPanelMessages},
    {"EBaudsSyncro", kSyncro, kBauds},
    {"EImportarFitxerSyncro", kSyncro, kEventFile},
    {"SGCentralSyncro", kSyncro, kPanelEvents},
    {"BBImportarFitxerSyncro", kSyncro, kImportEvents},
    {"BBExportarFitxerSyncro", kSyncro, kExportEvents},
    {"BBEsborraEventsSyncro", kSyncro, kEraseEvents},
    {"EBaudsAvenarBosch", kBosch, kBauds},
    {"EImportarFitxerAvenarBosch", kBosch, kEventFile},
    {"SGCentralAvenarBosch", kBosch, kPanelEvents},
    {"BBImportarFitxerAvenarBosch", kBosch, kImportEvents},
    {"BBExportarFitxerAvenarBosch", kBosch, kExportEvents},
    {"BBEsborrarEventsAvenarBosch", kBosch, kEraseEvents},
    {"EAdrAD300", kAD300, kAddress},
    {"EBaudsAD300", kAD300, kBauds},
    {"EImportarFitxerAD300", kAD300, kEventFile},
    {"SGCentralAD300", kAD300, kPanelEvents},
    {"BBImportarFitxerAD300", kAD300, kImportEvents},
    {"BBExportarFitxerAD300", kAD300, kExportEvents},
    {"BBEsborrarFitxerAD300", kAD300, kEraseEvents},
    {"EBaudsSupra", kSupra, kBauds},
    {"EImportarFitxerSupra", kSupra, kEventFile},
    {"SGCentralSupra", kSupra, kPanelEvents},
    {"BBImportarFitxerSupra", kSupra, kImportEvents},
    {"BBExportarFitxerSupra", kSupra, kExportEvents},
    {"EAdrecaZafir", kZafir, kAddress},
    {"EBaudsZafir", kZafir, kBauds},
    {"EImportarFitxerZafir", kZafir, kEventFile},
    {"SGCentralZafir", kZafir, kPanelEvents},
    {"BBImportarZafir", kZafir, kImportEvents},
    {"BBExportarZafir", kZafir, kExportEvents},
    {"EBaudsID3000", kID3000, kBauds},
    {"EImportarFitxerID3000", kID3000, kEventFile},
    {"SGCentralID3000", kID3000, kPanelEvents},
    {"BBImportarFitxerID3000", kID3000, kImportEvents},
    {"BBExportarFitxerID3000", kID3000, kExportEvents},
    {"BBEsborrarEventsID3000", kID3000, kEraseEvents},

    // The programming view's own buttons
    {"BBLlegirPag", kConfiguracion, QT_TRANSLATE_NOOP("Hints", "Lee del circuito los parámetros de la página activa ")},
    {"BBGravarPag", kConfiguracion,
        QT_TRANSLATE_NOOP("Hints", "Graba los parámetros de la página activa modificados en el circuito ")},

    // The rest of the window
    {"CCBPort", QT_TRANSLATE_NOOP("Hints", "Puerto USB"),
        QT_TRANSLATE_NOOP("Hints", "Puerto de comunicación de este programa con el circuito Quelta")},
    {"BBProg", nullptr, QT_TRANSLATE_NOOP("Hints", "Programación del circuito")},
    {"BBLlegirEstat", nullptr,
        QT_TRANSLATE_NOOP("Hints", "Estado del circuito y de la central de incendios conectada")},
    {"BBBuscar", nullptr,
        QT_TRANSLATE_NOOP("Hints", "Busca los equipos en la nube por empresa, instalador y referencia")},
    {"BBMapa", nullptr, QT_TRANSLATE_NOOP("Hints", "Posición del equipo en el mapa")},
    {"BBActualitzar", nullptr, QT_TRANSLATE_NOOP("Hints", "Actualización del firmware del circuito")},
    {"BBEvents", nullptr, QT_TRANSLATE_NOOP("Hints", "Registro de eventos del equipo")},
    {"BBConnectarRemot", nullptr,
        QT_TRANSLATE_NOOP("Hints", "Conecta o desconecta la comunicación remota con el equipo")},
    {"BBReset", nullptr, QT_TRANSLATE_NOOP("Hints", "Reset del circuito")},
    {"BBCRA", nullptr, QT_TRANSLATE_NOOP("Hints", "Envío a la CRA")},
    {"BBuscarVersions", nullptr, QT_TRANSLATE_NOOP("Hints", "Buscar nuevas versiones a actualizar")},
});

QString translated(const char *text)
{
    return QCoreApplication::translate("Hints", text);
}

const HintText *hintText(const QString &controlName)
{
    for (const HintText &text : kHints) {
        if (controlName == QLatin1String(text.control))
            return &text;
    }
    return nullptr;
}

QString parameterLine(const QString &reference)
{
    return QStringLiteral("\r\n") + translated(QT_TRANSLATE_NOOP("Hints", "Parámetro : ")) + reference;
}

QString fromReference(const QString &start)
{
    return parameterLine(translated(QT_TRANSLATE_NOOP("Hints", "a partir de ")) + start);
}

// A door grid counts its rows after 40 in hexadecimal (4010, 4014, 4018, 401C); its binding number
// holds that count above 4000. The button number ends the grid's name.
QString doorHint(const HintText &text, const GridModel &grid)
{
    return translated(QT_TRANSLATE_NOOP("Hints", "Funcionamiento del botón ")) + grid.name().right(1)
        + QLatin1Char(' ') + translated(text.explanation)
        + fromReference(QStringLiteral("40") + QString::number(grid.number() - 4000, 16).toUpper());
}

QString gridHint(const HintText &text, const GridModel &grid)
{
    if (text.parameter == Parameter::DoorBlock)
        return doorHint(text, grid);
    const QString number = QString::number(grid.number());
    return translated(text.explanation) + (grid.rows() > 1 ? fromReference(number) : parameterLine(number));
}

QString fieldHint(const HintText &text, const SingleField &field)
{
    if (text.parameter == Parameter::None)
        return translated(text.explanation) + QStringLiteral("\r\n");
    return translated(text.explanation) + parameterLine(QString::number(field.number));
}

} // namespace

QString Hints::hint(const QString &controlName) const
{
    const HintText *text = hintText(controlName);
    if (!text)
        return {};
    QString body;
    if (const SingleField *field = model_.field(controlName))
        body = fieldHint(*text, *field);
    else if (const GridModel *grid = model_.grid(controlName))
        body = gridHint(*text, *grid);
    else
        body = translated(text->explanation);
    return text->section ? translated(text->section) + QStringLiteral("\r\n") + body : body;
}

QStringList Hints::controlNames()
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(kHints.size()));
    for (const HintText &text : kHints)
        names.append(QLatin1String(text.control));
    return names;
}

void Hints::InicialitzaHint(const Assign &assign) const
{
    for (const QString &name : controlNames())
        assign(name, hint(name));
}

} // namespace quelta
