#include "core/base/NamedStrings.h"

#include <QCoreApplication>

#include <array>

namespace quelta {
namespace {

struct NamedString
{
    const char *name;
    const char *source;
};

// lupdate collects the Spanish texts from here; the language modules carry their translations.
constexpr auto kNamedStrings = std::to_array<NamedString>({
    // Device start and faults
    {"txt_HarIniSys", QT_TRANSLATE_NOOP("NamedStrings", "Inicio del sistema")},
    {"txt_HarGenRst", QT_TRANSLATE_NOOP("NamedStrings", "Se ha generado un Reset de soft")},
    {"txt_HarHanErr1", QT_TRANSLATE_NOOP("NamedStrings", "Error 0x01")},
    {"txt_HarHanErr2", QT_TRANSLATE_NOOP("NamedStrings", "Error 0x02")},
    {"txt_HarFault", QT_TRANSLATE_NOOP("NamedStrings", "Fallo de hard")},
    // Parameter memory
    {"txt_FlashWrite", QT_TRANSLATE_NOOP("NamedStrings", "Grabando los parámetros en la Flash")},
    {"txt_FlashRead", QT_TRANSLATE_NOOP("NamedStrings", "Leyendo los parámetros de la Flash")},
    // Message queue
    {"txt_EnvTest", QT_TRANSLATE_NOOP("NamedStrings", "Test periódico")},
    {"txt_EnvAddCra", QT_TRANSLATE_NOOP("NamedStrings", "Se añade envio a la CRA: ")},
    {"txt_EnvAddMqtt", QT_TRANSLATE_NOOP("NamedStrings", "Se añade envio al servidor:")},
    {"txt_EnvAddEma", QT_TRANSLATE_NOOP("NamedStrings", "Se añade envio de e-mail: ")},
    {"txt_EnvAddSms", QT_TRANSLATE_NOOP("NamedStrings", "Se añade envio de SMS: ")},
    {"txt_EnvMqTimEr", QT_TRANSLATE_NOOP("NamedStrings", "Error al actualizar el tiempo del servidor")},
    {"txt_EnvMqTimOk", QT_TRANSLATE_NOOP("NamedStrings", "Tiempo del servidor actualizado")},
    {"txt_EnvMqComOk", QT_TRANSLATE_NOOP("NamedStrings", "Comando enviado")},
    // Panel serial port
    {"txt_ComUni", QT_TRANSLATE_NOOP("NamedStrings", "COM no inicializado")},
    {"txt_ComIni", QT_TRANSLATE_NOOP("NamedStrings", "COM inicializado")},
    {"txt_ComSeHex", QT_TRANSLATE_NOOP("NamedStrings", "Envia Hexa por COM: ")},
    {"txt_ComSeStr", QT_TRANSLATE_NOOP("NamedStrings", "Envia String por COM: ")},
    // GPRS modem
    {"txt_GprsUni", QT_TRANSLATE_NOOP("NamedStrings", "Módulo GPRS no inicializado")},
    {"txt_GprsIni", QT_TRANSLATE_NOOP("NamedStrings", "Módulo GPRS inicializado")},
    {"txt_GprsOn", QT_TRANSLATE_NOOP("NamedStrings", "Se enciende el módulo GPRS")},
    {"txt_GprsOff", QT_TRANSLATE_NOOP("NamedStrings", "Se apaga el módulo GPRS")},
    {"txt_GprsSendBy", QT_TRANSLATE_NOOP("NamedStrings", "Envío por GPRS: ")},
    {"txt_GprsRecStr", QT_TRANSLATE_NOOP("NamedStrings", "SRING recibido")},
    {"txt_GprsRecBuf", QT_TRANSLATE_NOOP("NamedStrings", "Recibido por GPRS: ")},
    {"txt_GprsNotDns", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: No se puede resolver el DNS")},
    {"txt_GprsTimOut", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: Socket abierto demasiado tiempo")},
    {"txt_GprsOppErr", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: Error de socket")},
    {"txt_GprsTimErr", QT_TRANSLATE_NOOP("NamedStrings", "Error al actualizar el tiempo del GPRS")},
    {"txt_GprsTimUpd", QT_TRANSLATE_NOOP("NamedStrings", "Tiempo del GPRS actualizado")},
    {"txt_GprsModDet", QT_TRANSLATE_NOOP("NamedStrings", "Módulo GPRS detectado")},
    {"txt_GprsMisPin", QT_TRANSLATE_NOOP("NamedStrings", "Falta el PIN")},
    {"txt_GprsLooSim", QT_TRANSLATE_NOOP("NamedStrings", "Buscando la SIM")},
    {"txt_GprsSimRdy", QT_TRANSLATE_NOOP("NamedStrings", "SIM y PIN correctos")},
    {"txt_GprsReady", QT_TRANSLATE_NOOP("NamedStrings", "Módulo GPRS preparado")},
    {"txt_GprsConn", QT_TRANSLATE_NOOP("NamedStrings", "Conexión GPRS creada")},
    {"txt_GprsSenCraClr", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: Envío a la CRA (borrado): ")},
    {"txt_GprsSenCra", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: Envío a la CRA: ")},
    {"txt_GprsEmaSe", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: E-mail enviado: ")},
    {"txt_GprsEmaSeClr", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: E-mail enviado (borrado):")},
    {"txt_GprsSmsSe", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: SMS enviado: ")},
    {"txt_GprsSmsSeClr", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: SMS enviado (borrado):")},
    {"txt_GprsSmsRec", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: SMS recibido")},
    {"txt_GprsMqSetBidi", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: Entrada en bidireccional con la Central")},
    {"txt_GprsMqOutBidi", QT_TRANSLATE_NOOP("NamedStrings", "GPRS: Salida de bidireccional con la Central")},
    // Ethernet (ADSL)
    {"txt_EthNetUni", QT_TRANSLATE_NOOP("NamedStrings", "Ethernet desactivado")},
    {"txt_EthNetIni", QT_TRANSLATE_NOOP("NamedStrings", "Ethernet activado")},
    {"txt_EthLinDow", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: LinkDown")},
    {"txt_EthLinUp", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: LinkUp")},
    {"txt_EthLinMbFu", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: 10 MBit/Full")},
    {"txt_EthLinNegErr", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Error de negociación")},
    {"txt_EthNetDhcp", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: DhcpAddress")},
    {"txt_EthRecUdp", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Respuesta recibida de la CRA: ")},
    {"txt_EthOpSock", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Socket abierto a la CRA")},
    {"txt_EthCloSock", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Socket cerrado a la CRA")},
    {"txt_EthNotDns", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Resolviendo DNS...")},
    {"txt_EthSenCraClr", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Envío a la CRA (borrado): ")},
    {"txt_EthSenCra", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Envío a la CRA: ")},
    {"txt_EthMqBegin", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Inicio de la conexión con el servidor")},
    {"txt_EthMqConect", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Conectado a la red")},
    {"txt_EthMqClCone", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Conectado al servidor")},
    {"txt_EthMqSubSs", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Suscrito al servidor")},
    {"txt_EthMqSubSc", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Suscrito al servidor")},
    {"txt_EthMqClErr", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Error de conexión con el servidor")},
    {"txt_EthMqNetErr", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Error de conexión a la red")},
    {"txt_EthMqYieErr", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Error de respuesta del servidor")},
    {"txt_EthMqSenPub", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Envío al servidor")},
    {"txt_EthSenEmaClr", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Envío de e-mail (borrado): ")},
    {"txt_EthSenEma", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Envío de e-mail: ")},
    {"txt_EthMqSetBidi", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Entrada en bidireccional con la Central")},
    {"txt_EthMqOutBidi", QT_TRANSLATE_NOOP("NamedStrings", "ADSL: Salida de bidireccional con la Central")},
    // Inputs and outputs
    {"txt_EsUni", QT_TRANSLATE_NOOP("NamedStrings", "E/S no inicializadas")},
    {"txt_EsIni", QT_TRANSLATE_NOOP("NamedStrings", "E/S inicializadas")},
    {"txt_EsEntDisp", QT_TRANSLATE_NOOP("NamedStrings", "Entrada disparada: ")},
    {"txt_EsEntRest", QT_TRANSLATE_NOOP("NamedStrings", "Entrada restaurada: ")},
    {"txt_EsSorDisp", QT_TRANSLATE_NOOP("NamedStrings", "Salida disparada: ")},
    {"txt_EsSorRest", QT_TRANSLATE_NOOP("NamedStrings", "Salida restaurada: ")},
    {"txt_EsSistDisp", QT_TRANSLATE_NOOP("NamedStrings", "Pérdida de ")},
    {"txt_EsSistRest", QT_TRANSLATE_NOOP("NamedStrings", "Recuperado ")},
    {"txt_EsTampDisp", QT_TRANSLATE_NOOP("NamedStrings", "Tamper disparado")},
    {"txt_EsAlimRest", QT_TRANSLATE_NOOP("NamedStrings", "Alimentación recuperada")},
    {"txt_EsAlimDisp", QT_TRANSLATE_NOOP("NamedStrings", "Alimentación baja")},
    {"txt_EsTampRest", QT_TRANSLATE_NOOP("NamedStrings", "Tamper restaurado")},
    // Outputs
    {"txt_SorNoper", QT_TRANSLATE_NOOP("NamedStrings", "No se permite modificar la salida: ")},
    // BC600/BC216 panel link
    {"txt_BcLost", QT_TRANSLATE_NOOP("NamedStrings", "Se ha perdido la comuniación con la Central")},
    {"txt_BcCheErr", QT_TRANSLATE_NOOP("NamedStrings", "ERROR de Checksum")},
    {"txt_BcAnswer", QT_TRANSLATE_NOOP("NamedStrings", "La Central responde")},
    {"txt_BcDataRec", QT_TRANSLATE_NOOP("NamedStrings", "Datos recibidos: ")},
    // Aguilera panel link
    {"txt_AgComand", QT_TRANSLATE_NOOP("NamedStrings", "Envia comando a la Central: ")},
    {"txt_AgTeleco", QT_TRANSLATE_NOOP("NamedStrings", "Comando de Telecontrol: ")},
    {"txt_AgLost", QT_TRANSLATE_NOOP("NamedStrings", "Pérdida de comunicación con la Central")},
    {"txt_AgAnswer", QT_TRANSLATE_NOOP("NamedStrings", "Recuperación de comunicación con la Central")},
    {"txt_AgCheErr", QT_TRANSLATE_NOOP("NamedStrings", "ERROR de cheksum")},
    {"txt_AgReciv", QT_TRANSLATE_NOOP("NamedStrings", "Recibido de la Central: ")},
    {"txt_AgRecivBidi", QT_TRANSLATE_NOOP("NamedStrings", "Bireccional recibido de la Central: ")},
    {"txt_AgPasoPrueb", QT_TRANSLATE_NOOP("NamedStrings", "paso a Pruebas z.")},
    {"txt_AgFinPrueb", QT_TRANSLATE_NOOP("NamedStrings", "fin de pruebas z.")},
    {"txt_AgPasoAlarm", QT_TRANSLATE_NOOP("NamedStrings", "paso a Alarma z.")},
    {"txt_AgFinAlarm", QT_TRANSLATE_NOOP("NamedStrings", "fin de alarma z.")},
    {"txt_AgPasoAver", QT_TRANSLATE_NOOP("NamedStrings", "paso a Averia z.")},
    {"txt_AgFinAver", QT_TRANSLATE_NOOP("NamedStrings", "fin de averia z.")},
    {"txt_AgPasoDesc", QT_TRANSLATE_NOOP("NamedStrings", "paso a Desconexion z.")},
    {"txt_AgFinDesc", QT_TRANSLATE_NOOP("NamedStrings", "fin de desconexion z.")},
    {"txt_AgPerCent", QT_TRANSLATE_NOOP("NamedStrings", "Fallo de comunicación entre interface y Central")},
    {"txt_AgRecCent", QT_TRANSLATE_NOOP("NamedStrings", "Recuperación de comunicación entre interface y Central")},
    // Cofem panel link
    {"txt_CoComand", QT_TRANSLATE_NOOP("NamedStrings", "Envía comando de usuario a la Central")},
    {"txt_CoReciv", QT_TRANSLATE_NOOP("NamedStrings", "Recibido de Central:")},
    {"txt_CoLost", QT_TRANSLATE_NOOP("NamedStrings", "Sin comunicación con la Central")},
    {"txt_CoAnswer", QT_TRANSLATE_NOOP("NamedStrings", "Respuesta Central")},
    {"txt_CoCheErr", QT_TRANSLATE_NOOP("NamedStrings", "Checksum ERROR")},
    {"txt_CoPasoAlaDet", QT_TRANSLATE_NOOP("NamedStrings", "Paso a Alarma Detector z.")},
    {"txt_CoFinAlaDet", QT_TRANSLATE_NOOP("NamedStrings", "Fin de alarma Detector z.")},
    {"txt_CoPasoAlaPu", QT_TRANSLATE_NOOP("NamedStrings", "Paso a Alarma Pulsador z.")},
    {"txt_CoFinAlaPu", QT_TRANSLATE_NOOP("NamedStrings", "Fin de alarma Pulsador z.")},
    {"txt_CoPasoAver", QT_TRANSLATE_NOOP("NamedStrings", "Paso a Averia z.")},
    {"txt_CoFinAver", QT_TRANSLATE_NOOP("NamedStrings", "Fin de averia z.")},
    {"txt_CoPasoDesc", QT_TRANSLATE_NOOP("NamedStrings", "Paso a Desconexion z.")},
    {"txt_CoFinDesc", QT_TRANSLATE_NOOP("NamedStrings", "Fin de desconexion z.")},
    {"txt_CoPasoPrueb", QT_TRANSLATE_NOOP("NamedStrings", "Paso a Pruebas z.")},
    {"txt_CoFinPrueb", QT_TRANSLATE_NOOP("NamedStrings", "Fin de pruebas z.")},
    {"txt_CoPasoPruebAla", QT_TRANSLATE_NOOP("NamedStrings", "Paso a Alarma en Pruebas z.")},
    {"txt_CoFinPruebAla", QT_TRANSLATE_NOOP("NamedStrings", "Fin de alarma en Pruebas z.")},
    {"txt_CoDisp220", QT_TRANSLATE_NOOP("NamedStrings", "Fallo 220V")},
    {"txt_CoRest220", QT_TRANSLATE_NOOP("NamedStrings", "Recuperado 220V")},
    {"txt_CoDispBat", QT_TRANSLATE_NOOP("NamedStrings", "Fallo Bateria")},
    {"txt_CoRestBat", QT_TRANSLATE_NOOP("NamedStrings", "Recuperado Bateria")},
    // Cofem Zafir panel: zone and fault texts
    {"rsZAlarmaSensor", QT_TRANSLATE_NOOP("NamedStrings", "Alarma sensor")},
    {"rsZAlarmaTec", QT_TRANSLATE_NOOP("NamedStrings", "Alarma técnica")},
    {"rsZAlarmaTemp", QT_TRANSLATE_NOOP("NamedStrings", "Alarma temperatura")},
    {"rsZAlarmaFum", QT_TRANSLATE_NOOP("NamedStrings", "Alarma humo")},
    {"rsZAlarmaPol", QT_TRANSLATE_NOOP("NamedStrings", "Alarma pulsador (Call Point)")},
    {"rsZAlarmaPol2", QT_TRANSLATE_NOOP("NamedStrings", "Alarma pulsador 'Doble'")},
    {"rsZAlarmaProvaInc", QT_TRANSLATE_NOOP("NamedStrings", "Alarma prueba incendio")},
    {"rsZAlarmaProvaNoConf", QT_TRANSLATE_NOOP("NamedStrings", "Alarma prueba no configurado")},
    {"rsZAvComRepe", QT_TRANSLATE_NOOP("NamedStrings", "Avería comunicación repetidora")},
    {"rsZAvComCentral", QT_TRANSLATE_NOOP("NamedStrings", "Avería comunicación central")},
    {"rsZAvComCont", QT_TRANSLATE_NOOP("NamedStrings", "Avería comunicación controladora")},
    {"rsZAvComModulRemot", QT_TRANSLATE_NOOP("NamedStrings", "Avería comunicación Módulo 'Remote'")},
    {"rsZAvComModul", QT_TRANSLATE_NOOP("NamedStrings", "Avería comunicación Módulo CID")},
    {"rsZAvComModulXarxa", QT_TRANSLATE_NOOP("NamedStrings", "Avería comunicación Módulo Red2")},
    {"rsZAvCarBat", QT_TRANSLATE_NOOP("NamedStrings", "Avería cargador baterías")},
    {"rsZAvBatAv", QT_TRANSLATE_NOOP("NamedStrings", "Avería batería averiada")},
    {"rsZAvBat", QT_TRANSLATE_NOOP("NamedStrings", "Avería sin batería")},
    {"rsZAvBatDes", QT_TRANSLATE_NOOP("NamedStrings", "Avería batería descargada")},
    {"rsZAvBatSobre", QT_TRANSLATE_NOOP("NamedStrings", "Avería batería sobrecargada")},
    {"rsZAvBaixaTen", QT_TRANSLATE_NOOP("NamedStrings", "Avería baja tensión")},
    {"rsZAvSobreTen", QT_TRANSLATE_NOOP("NamedStrings", "Avería sobretensión")},
    {"rsZAvNoAlim", QT_TRANSLATE_NOOP("NamedStrings", "Avería no alimentación")},
    {"rsZAvSort30V", QT_TRANSLATE_NOOP("NamedStrings", "Avería salida 30v")},
    {"rsZAvCurtcircuit", QT_TRANSLATE_NOOP("NamedStrings", "Avería bucle cortocircuito")},
    {"rsZAvSensor", QT_TRANSLATE_NOOP("NamedStrings", "Avería sensor")},
    {"rsZAvBrut", QT_TRANSLATE_NOOP("NamedStrings", "Avería suciedad")},
    {"rsZAvBucleObert", QT_TRANSLATE_NOOP("NamedStrings", "Avería bucle abierto")},
    {"rsZAvConsumBucle", QT_TRANSLATE_NOOP("NamedStrings", "Avería consumo bucle")},
    {"rsZAvPuntNo", QT_TRANSLATE_NOOP("NamedStrings", "Avería punto no contesta")},
    {"rsZAvKMAYSUC", QT_TRANSLATE_NOOP("NamedStrings", "Avería KMAY SUC")},
    {"rsZAvKMAYCurt", QT_TRANSLATE_NOOP("NamedStrings", "Avería KMAY cortocircuito")},
    {"rsZAvKMAYObert", QT_TRANSLATE_NOOP("NamedStrings", "Avería KMAY circuito abierto")},
    {"rsZAMSTAYCurt", QT_TRANSLATE_NOOP("NamedStrings", "Avería MSTAY cortocircuito")},
    {"rsZAvMSTAYObert", QT_TRANSLATE_NOOP("NamedStrings", "Avería MSTAY circuito abierto")},
    {"rsZAvTec", QT_TRANSLATE_NOOP("NamedStrings", "Avería técnica")},
    {"rsZAvReleObert", QT_TRANSLATE_NOOP("NamedStrings", "Avería Relé linea abierta")},
    {"rsZAvReleCurt", QT_TRANSLATE_NOOP("NamedStrings", "Avería Relé cortocircuito")},
    {"rsZAvReleNoActiu", QT_TRANSLATE_NOOP("NamedStrings", "Avería Relé no activo")},
    {"rsZAvRele24V", QT_TRANSLATE_NOOP("NamedStrings", "Avería Relé 24V")},
    {"rsZonaAnul", QT_TRANSLATE_NOOP("NamedStrings", " Zona anulada")},
    // Disabled point
    {"rsPuntAnullat", QT_TRANSLATE_NOOP("NamedStrings", " Punto Anulado")},
    // AD300 panel
    {"rsADLlac", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA EN LAZO")},
    {"rsADSir", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA EN SIRENAS")},
    {"rsADAlim", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA DE ALIMENTACION")},
    {"rsADTerra", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA DERIV. A TIERRA")},
    {"rsADFora", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA FUERA DE SERVICIO")},
    {"rsADSistema", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA DE SISTEMA")},
    {"rsAD232", QT_TRANSLATE_NOOP("NamedStrings", "AVERIA EN RS-485/232")},
    {"rsADNoRespon", QT_TRANSLATE_NOOP("NamedStrings", "ELEMENTO NO RESPONDE")},
    {"rsADDoble", QT_TRANSLATE_NOOP("NamedStrings", "RESPUESTA DOBLE")},
    {"rsADTipus", QT_TRANSLATE_NOOP("NamedStrings", "TIPO CAMBIADO")},
    {"rsADTall", QT_TRANSLATE_NOOP("NamedStrings", "CORTE EN ...")},
    {"rsADCreu", QT_TRANSLATE_NOOP("NamedStrings", "CRUCE EN ...")},
    {"rsADBrut", QT_TRANSLATE_NOOP("NamedStrings", "ELEMENTO SUCIO")},
});

} // namespace

NamedStrings::NamedStrings()
{
    CreaTaulaResourceString();
}

void NamedStrings::CreaTaulaResourceString()
{
    namedResources_.clear();
    namedResources_.reserve(static_cast<qsizetype>(kNamedStrings.size()));
    for (const NamedString &entry : kNamedStrings)
        namedResources_.insert(QString::fromLatin1(entry.name), entry.source);
}

std::optional<QString> NamedStrings::GetNamedResourceString(QStringView name) const
{
    const auto it = namedResources_.constFind(name.toString());
    if (it == namedResources_.cend())
        return std::nullopt;
    // Translated at every lookup, so a language switch takes effect without rebuilding.
    return QCoreApplication::translate("NamedStrings", it.value());
}

} // namespace quelta
