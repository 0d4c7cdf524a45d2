#include "core/model/Hints.h"

#include "core/model/ConfigurationModel.h"

#include <QCoreApplication>

#include <array>

namespace quelta {
namespace {

#define H(text) QT_TRANSLATE_NOOP("Hints", text)

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

const char *const kIdentificacion = H("Identificación");
const char *const kConfiguracion = H("Configuración");
const char *const kDhcp = H("Configuración DHCP");
const char *const kSoftware = H("Configuración del software");
const char *const kAccesos = H("Accesos");
const char *const kEntradas = H("Entradas");
const char *const kSalidas = H("Salidas");
const char *const kSistema = H("Sistema");
const char *const kAguilera = H("Central Aguilera");
const char *const kBC600 = H("Central BC600/216");
const char *const kIndustrial = H("Equipo industrial");
const char *const kCofem = H("Central Cofem");
const char *const kUrano = H("Central Urano");
const char *const kSyncro = H("Central Syncro");
const char *const kBosch = H("Central Bosch Avenar");
const char *const kAD300 = H("Central AD300");
const char *const kSupra = H("Central Supra");
const char *const kZafir = H("Central Cofem Zafir");
const char *const kID3000 = H("Central ID3000");

const char *const kBauds = H("Velocidad y paridad de la comunicación RS232 con la central \r\nEjemplo: 9600,N");
const char *const kEventFile = H("Nombre del último fichero de eventos importado o exportado ");
const char *const kAddress = H("Dirección del circuito como periférico de la central \r\nDos dígitos hexadecimales");
const char *const kPanelMessages =
    H("Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje ");
const char *const kPanelEvents = H("Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código "
                                   "CID y texto del mensaje ");
const char *const kImportEvents = H("Importa de un fichero los mensajes de los eventos de la central ");
const char *const kExportEvents = H("Exporta a un fichero los mensajes de los eventos de la central ");
const char *const kEraseEvents = H("Borra en el circuito los mensajes de los eventos de la central ");
const char *const kDoorOutputs = H("Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de "
                                   "desactivación de la salida");

const auto kHints = std::to_array<HintText>({
    // Config. hard
    {"EProgEmpresa", kIdentificacion,
     H("Nombre de la empresa instaladora \r\nNormalmente coincidirá con el nombre de la empresa que se dado de alta "
       "en el programa")},
    {"EProgInstal", kIdentificacion,
     H("Nombre del instalador \r\nNormalmente coincidirá con el nombre del instalador que se ha dado de alta en "
       "el programa")},
    {"EProgRef", kIdentificacion,
     H("Nombre o código de referencia para esta instalación \r\nCon esta referencia se puede acceder al circuito "
       "remotamente")},
    {"EProgTel", kIdentificacion, H("Número de teléfono de la tarjeta SIM del circuito ")},
    {"EProgPassword", kConfiguracion, H("Contraseña para acceder al circuito por SMS ")},
    {"ECodiProg", kConfiguracion,
     H("Código de acceso a la programación del circuito \r\nSin este código no se puede leer ni programar el "
       "circuito")},
    {"EPinSIM", kConfiguracion, H("PIN de la tarjeta SIM del circuito ")},
    {"ECentral", kConfiguracion, H("Central de incendios conectada al puerto serie del circuito "), Parameter::None},
    {"EMAC", kConfiguracion, H("Dirección MAC de la conexión ADSL del circuito \r\nSolo lectura")},
    {"CBHora", kConfiguracion, H("UTC, zona horaria de referencia ")},
    {"CLBPartsActives", kConfiguracion, H("Partes activas del circuito \r\nGPRS, ADSL, COM y entradas/salidas")},
    {"CBConfigADSLDHCP", kDhcp,
     H("DHCP activado: la red asigna la dirección IP del circuito \r\nDesactivado, el circuito usa la dirección IP, "
       "la máscara, la puerta de enlace y los DNS fijos")},
    {"EConfigADSLIP", kDhcp, H("Dirección IP fija del circuito \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLSubMask", kDhcp, H("Máscara de subred de la red local \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLGateway", kDhcp, H("Puerta de enlace de la red local \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLDNS", kDhcp, H("Servidor DNS primario \r\nSolo se usa con el DHCP desactivado")},
    {"EConfigADSLDNS2", kDhcp, H("Servidor DNS secundario \r\nSolo se usa con el DHCP desactivado")},
    {"SGOperadores", kConfiguracion,
     H("Listado de las operadoras de GPRS \r\nEjemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR")},
    {"BBEsborraOperadores", kConfiguracion, H("Borra en el circuito el listado de las operadoras de GPRS ")},
    {"BBImportarOperadores", kConfiguracion, H("Importa de un fichero el listado de las operadoras de GPRS ")},
    {"BBExportarOperadores", kConfiguracion, H("Exporta a un fichero el listado de las operadoras de GPRS ")},

    // Config. soft
    {"EEMailSMTP", kSoftware,
     H("Servidor SMTP para el envío de e-mail \r\nPuede escribirse la dirección IP o el nombre")},
    {"EEmailPort", kSoftware, H("Puerto del servidor SMTP ")},
    {"EEMailUser", kSoftware, H("Usuario de la cuenta del servidor SMTP ")},
    {"EEMailPassword", kSoftware, H("Contraseña de la cuenta del servidor SMTP ")},
    {"EEMailEnviarA", kSoftware, H("Remitente de los e-mails que envía el circuito ")},
    {"EEmailSubject", kSoftware, H("Asunto de los e-mails que envía el circuito ")},
    {"ETelSMS1", kSoftware,
     H("Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
       "teléfono separados por ;")},
    {"ETelSMS2", kSoftware,
     H("Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
       "teléfono separados por ;")},
    {"ETelSMS3", kSoftware,
     H("Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
       "teléfono separados por ;")},
    {"ETelSMS4", kSoftware,
     H("Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada \r\nPuede tener varios números de "
       "teléfono separados por ;")},
    {"EEmail1", kSoftware,
     H("Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias direcciones "
       "separadas por ;")},
    {"EEmail2", kSoftware,
     H("Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias direcciones "
       "separadas por ;")},
    {"EEmail3", kSoftware,
     H("Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias direcciones "
       "separadas por ;")},
    {"EEmail4", kSoftware,
     H("Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada \r\nPuede tener varias direcciones "
       "separadas por ;")},
    {"EIPCra11", kSoftware, H("Dirección de la CRA 1.1 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EIPCra12", kSoftware, H("Dirección de la CRA 1.2 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EIPCra21", kSoftware, H("Dirección de la CRA 2.1 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EIPCra22", kSoftware, H("Dirección de la CRA 2.2 \r\nPuede escribirse la dirección IP o el nombre")},
    {"EPortCRA11", kSoftware, H("Puerto de la CRA 1.1 ")},
    {"EPortCRA12", kSoftware, H("Puerto de la CRA 1.2 ")},
    {"EPortCRA21", kSoftware, H("Puerto de la CRA 2.1 ")},
    {"EPortCRA22", kSoftware, H("Puerto de la CRA 2.2 ")},
    {"EAbonatCra11", kSoftware, H("Número de abonado en la CRA 1.1 \r\nHasta 6 dígitos hexadecimales")},
    {"EAbonatCra12", kSoftware, H("Número de abonado en la CRA 1.2 \r\nHasta 6 dígitos hexadecimales")},
    {"EAbonatCra21", kSoftware, H("Número de abonado en la CRA 2.1 \r\nHasta 6 dígitos hexadecimales")},
    {"EAbonatCra22", kSoftware, H("Número de abonado en la CRA 2.2 \r\nHasta 6 dígitos hexadecimales")},
    {"EPollingCRA1", kSoftware, H("Periodo de polling con la CRA, en minutos ")},
    {"CBHexaCra", kSoftware, H("Códigos Contact ID en hexadecimal \r\nSin marcar se envían en decimal")},
    {"SGCra", kSoftware, H("Envío a la App de los códigos Contact ID que se envían a la CRA ")},

    // Usuario
    {"SGEntrades", kEntradas,
     H("Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas ")},
    {"SGEntradesOpc", kEntradas,
     H("Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración ")},
    {"SGSortides", kSalidas,
     H("Eventos del sistema que activan las salidas \r\nInicio, test, tamper, alimentación, pérdida de GSM, ADSL, "
       "CRA, servidor o COM y App")},
    {"SGSortidesTemps", kSalidas,
     H("Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas ")},
    {"SGSortidesEnt", kSalidas, H("Entradas que activan las salidas ")},
    {"SGSortidesOpc", kSalidas,
     H("Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación ")},
    {"SGInici", kSistema, H("Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje ")},
    {"SGTest", kSistema, H("Test periódico: alias, periodo del test y hora del test (hh:mm) ")},
    {"SGTestOpc", kSistema, H("Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test ")},
    {"SGTamper", kSistema,
     H("Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO ")},
    {"SGTamperOpc", kSistema,
     H("Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración ")},
    {"SGAlim", kSistema,
     H("Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y "
       "contacto NO ")},
    {"SGAlimOpc", kSistema,
     H("Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración ")},
    {"SGPerduaCOM", kSistema,
     H("Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM \r\nApp, SMS, e-mail, código CID y "
       "mensaje de fallo/mensaje de recuperación")},

    // Aguilera
    {"EBaudsAgui", kAguilera, kBauds},
    {"EImportarFitxer", kAguilera, H("Nombre del último fichero de zonas importado o exportado ")},
    {"SGCentralAgui", kAguilera, kPanelMessages},
    {"SGLlistatZonesAgui", kAguilera, H("Listado de las zonas de la central: código CID y nombre de cada zona ")},
    {"BBEsborraZones", kAguilera, H("Borra en el circuito el listado de las zonas ")},
    {"BBImportarFitxer", kAguilera, H("Importa de un fichero el listado de las zonas ")},
    {"BBExportarFitxer", kAguilera, H("Exporta a un fichero el listado de las zonas ")},

    // BC600/216
    {"EBaudsBC600", kBC600, kBauds},
    {"EImportarFitxerBC600", kBC600, kEventFile},
    {"SGCentralBC600", kBC600, kPanelEvents},
    {"SGBCApp", kBC600, H("Envío a la App de los códigos Contact ID de los eventos de la central ")},
    {"BBImportarFitxerBC600", kBC600, kImportEvents},
    {"BBExportarFitxerBC600", kBC600, kExportEvents},
    {"BBEsborraEventsBC600", kBC600, kEraseEvents},

    // Industrial
    {"SGEquipIndus", kIndustrial,
     H("Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de "
       "restauración ")},

    // Accesos
    {"EAliesB1", kAccesos, H("Nombre del botón 1 ")},
    {"EAliesB2", kAccesos, H("Nombre del botón 2 ")},
    {"EAliesB3", kAccesos, H("Nombre del botón 3 ")},
    {"EAliesB4", kAccesos, H("Nombre del botón 4 ")},
    {"ETActivantB1", kAccesos, H("Tiempo activando del botón 1 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB1", kAccesos, H("Tiempo activado del botón 1 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB1", kAccesos, H("Tiempo desactivando del botón 1 \r\nTiempo de cierre de la puerta")},
    {"ETActivantB2", kAccesos, H("Tiempo activando del botón 2 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB2", kAccesos, H("Tiempo activado del botón 2 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB2", kAccesos, H("Tiempo desactivando del botón 2 \r\nTiempo de cierre de la puerta")},
    {"ETActivantB3", kAccesos, H("Tiempo activando del botón 3 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB3", kAccesos, H("Tiempo activado del botón 3 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB3", kAccesos, H("Tiempo desactivando del botón 3 \r\nTiempo de cierre de la puerta")},
    {"ETActivantB4", kAccesos, H("Tiempo activando del botón 4 \r\nTiempo de apertura de la puerta")},
    {"ETActivatB4", kAccesos, H("Tiempo activado del botón 4 \r\nTiempo que la puerta permanece abierta")},
    {"ETDesactivantB4", kAccesos, H("Tiempo desactivando del botón 4 \r\nTiempo de cierre de la puerta")},
    {"SGBoto1", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGBoto2", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGBoto3", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGBoto4", kAccesos, kDoorOutputs, Parameter::DoorBlock},
    {"SGTelefons", kAccesos, H("Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta ")},
    {"BBLlegirTel", kAccesos, H("Carga de la nube el listado de los teléfonos del equipo ")},
    {"BBGuardarTel", kAccesos, H("Guarda en la nube los cambios del listado de los teléfonos ")},
    {"BBEliminarTel", kAccesos, H("Elimina los teléfonos marcados ")},
    {"BBImportarTel", kAccesos, H("Importa de un fichero el listado de los teléfonos ")},
    {"BBExportarTel", kAccesos, H("Exporta a un fichero el listado de los teléfonos ")},
    {"SGUsuaris", kAccesos,
     H("Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar ")},
    {"BBLlegirUsuaris", kAccesos, H("Carga de la nube el listado de los usuarios de la App del equipo ")},
    {"BbGuardarUsuaris", kAccesos, H("Guarda en la nube los cambios del listado de los usuarios ")},
    {"BBEliminarUsuaris", kAccesos, H("Elimina los usuarios marcados ")},

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
    {"BBLlegirPag", kConfiguracion, H("Lee del circuito los parámetros de la página activa ")},
    {"BBGravarPag", kConfiguracion, H("Graba los parámetros de la página activa modificados en el circuito ")},

    // The rest of the window
    {"CCBPort", H("Puerto USB"), H("Puerto de comunicación de este programa con el circuito Quelta")},
    {"BBProg", nullptr, H("Programación del circuito")},
    {"BBLlegirEstat", nullptr, H("Estado del circuito y de la central de incendios conectada")},
    {"BBBuscar", nullptr, H("Busca los equipos en la nube por empresa, instalador y referencia")},
    {"BBMapa", nullptr, H("Posición del equipo en el mapa")},
    {"BBActualitzar", nullptr, H("Actualización del firmware del circuito")},
    {"BBEvents", nullptr, H("Registro de eventos del equipo")},
    {"BBConnectarRemot", nullptr, H("Conecta o desconecta la comunicación remota con el equipo")},
    {"BBReset", nullptr, H("Reset del circuito")},
    {"BBCRA", nullptr, H("Envío a la CRA")},
    {"BBuscarVersions", nullptr, H("Buscar nuevas versiones a actualizar")},
});

#undef H

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
