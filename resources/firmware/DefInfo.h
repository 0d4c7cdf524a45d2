/*****************************************************************************
 * DefInfo.h
 *
 * Quelta communicator: information messages written to the trace port.
 *
 * Each message goes out as "{#" + four-digit code + ":" + text + "}" and a
 * carriage return: 8xxx are events, 9xxx raw traces. The desktop tool shows
 * its own translation of txt_* by name, so keep one message per line and
 * the name between the code and the format.
 ****************************************************************************/

#ifndef __DEFINFO_H
#define __DEFINFO_H

/* --------------------------------------------------------------------------
 * Message texts
 * ------------------------------------------------------------------------ */
#define txt_HarIniSys				"System start"
#define txt_HarGenRst				"Software reset generated"
#define txt_HarHanErr1				"Error 0x01"
#define txt_HarHanErr2				"Error 0x02"
#define txt_HarFault				"Hardware fault"
#define txt_FlashWrite				"Writing parameters to Flash"
#define txt_FlashRead				"Reading parameters from Flash"
#define txt_EnvTest					"Periodic test"
#define txt_EnvAddCra				"Queued for receiving centre: "
#define txt_EnvAddMqtt				"Queued for server:"
#define txt_EnvAddEma				"Queued e-mail: "
#define txt_EnvAddSms				"Queued SMS: "
#define txt_EnvMqTimEr				"Server time update failed"
#define txt_EnvMqTimOk				"Server time updated"
#define txt_EnvMqComOk				"Command sent"
#define txt_ComUni					"COM not initialised"
#define txt_ComIni					"COM initialised"
#define txt_ComSeHex				"COM send hex: "
#define txt_ComSeStr				"COM send string: "
#define txt_GprsUni					"GPRS module not initialised"
#define txt_GprsOn					"GPRS module power on"
#define txt_GprsOff					"GPRS module power off"
#define txt_GprsSendBy				"GPRS send: "
#define txt_GprsRecStr				"SRING received"
#define txt_GprsRecBuf				"GPRS received: "
#define txt_GprsNotDns				"GPRS: cannot resolve DNS"
#define txt_GprsTimOut				"GPRS: socket open too long"
#define txt_GprsOppErr				"GPRS: socket error"
#define txt_GprsTimErr				"GPRS time update failed"
#define txt_GprsTimUpd				"GPRS time updated"
#define txt_GprsModDet				"GPRS module detected"
#define txt_GprsMisPin				"PIN missing"
#define txt_GprsLooSim				"Looking for SIM"
#define txt_GprsSimRdy				"SIM and PIN OK"
#define txt_GprsReady				"GPRS module ready"
#define txt_GprsConn				"GPRS connection up"
#define txt_GprsSenCraClr			"GPRS: sent to receiving centre (cleared): "
#define txt_GprsSenCra				"GPRS: sent to receiving centre: "
#define txt_GprsEmaSe				"GPRS: e-mail sent: "
#define txt_GprsEmaSeClr			"GPRS: e-mail sent (cleared):"
#define txt_GprsSmsSe				"GPRS: SMS sent: "
#define txt_GprsSmsSeClr			"GPRS: SMS sent (cleared):"
#define txt_GprsSmsRec				"GPRS: SMS received"
#define txt_GprsMqSetBidi			"GPRS: panel bidirectional mode on"
#define txt_GprsMqOutBidi			"GPRS: panel bidirectional mode off"
#define txt_EthNetUni				"Ethernet disabled"
#define txt_EthNetIni				"Ethernet enabled"
#define txt_EthLinDow				"ADSL: LinkDown"
#define txt_EthLinUp				"ADSL: LinkUp"
#define txt_EthLinMbFu				"ADSL: 10 MBit/Full"
#define txt_EthLinNegErr			"ADSL: negotiation error"
#define txt_EthNetDhcp				"ADSL: DhcpAddress"
#define txt_EthRecUdp				"ADSL: reply from receiving centre: "
#define txt_EthOpSock				"ADSL: socket to receiving centre open"
#define txt_EthCloSock				"ADSL: socket to receiving centre closed"
#define txt_EthNotDns				"ADSL: resolving DNS..."
#define txt_EthSenCraClr			"ADSL: sent to receiving centre (cleared): "
#define txt_EthSenCra				"ADSL: sent to receiving centre: "
#define txt_EthMqBegin				"ADSL: connecting to server"
#define txt_EthMqConect				"ADSL: network connected"
#define txt_EthMqClCone				"ADSL: server connected"
#define txt_EthMqSubSs				"ADSL: subscribed to server"
#define txt_EthMqSubSc				"ADSL: subscribed to server"
#define txt_EthMqClErr				"ADSL: server connection error"
#define txt_EthMqNetErr				"ADSL: network connection error"
#define txt_EthMqYieErr				"ADSL: server reply error"
#define txt_EthMqSenPub				"ADSL: published to server"
#define txt_EthSenEmaClr			"ADSL: e-mail sent (cleared): "
#define txt_EthSenEma				"ADSL: e-mail sent: "
#define txt_EthMqSetBidi			"ADSL: panel bidirectional mode on"
#define txt_EthMqOutBidi			"ADSL: panel bidirectional mode off"
#define txt_EsUni					"I/O not initialised"
#define txt_EsIni					"I/O initialised"
#define txt_EsEntDisp				"Input triggered: "
#define txt_EsEntRest				"Input restored: "
#define txt_EsSorDisp				"Output triggered: "
#define txt_EsSorRest				"Output restored: "
#define txt_SorNoper				"Output may not be changed: "
#define txt_EsSistDisp				"Loss of "
#define txt_EsSistRest				"Recovered "
#define txt_EsTampDisp				"Tamper triggered"
#define txt_EsTampRest				"Tamper restored"
#define txt_EsAlimDisp				"Low power supply"
#define txt_EsAlimRest				"Power supply recovered"
#define txt_AgComand				"Command to panel: "
#define txt_AgTeleco				"Telecontrol command: "
#define txt_AgLost					"Panel communication lost"
#define txt_AgAnswer				"Panel communication recovered"
#define txt_AgPerCent				"Interface to panel communication fault"
#define txt_AgRecCent				"Interface to panel communication recovered"
#define txt_AgCheErr				"Checksum ERROR"
#define txt_AgReciv					"Received from panel: "
#define txt_AgRecivBidi				"Bidirectional received from panel: "
#define txt_AgPasoPrueb				"test on z."
#define txt_AgFinPrueb				"test off z."
#define txt_AgPasoAlarm				"alarm on z."
#define txt_AgFinAlarm				"alarm off z."
#define txt_AgPasoAver				"fault on z."
#define txt_AgFinAver				"fault off z."
#define txt_AgPasoDesc				"disconnection on z."
#define txt_AgFinDesc				"disconnection off z."
#define txt_BcLost					"Panel communication lost"
#define txt_BcCheErr				"Checksum ERROR"
#define txt_BcAnswer				"Panel answers"
#define txt_CoComand				"User command sent to panel"
#define txt_CoLost					"No communication with panel"
#define txt_CoAnswer				"Panel answer"
#define txt_CoCheErr				"Checksum ERROR"
#define txt_CoPasoAlaDet			"Detector alarm on z."
#define txt_CoFinAlaDet				"Detector alarm off z."
#define txt_CoPasoAlaPu				"Call point alarm on z."
#define txt_CoFinAlaPu				"Call point alarm off z."
#define txt_CoPasoAver				"Fault on z."
#define txt_CoFinAver				"Fault off z."
#define txt_CoPasoDesc				"Disconnection on z."
#define txt_CoFinDesc				"Disconnection off z."
#define txt_CoPasoPrueb				"Test on z."
#define txt_CoFinPrueb				"Test off z."
#define txt_CoPasoPruebAla			"Test alarm on z."
#define txt_CoFinPruebAla			"Test alarm off z."
#define txt_CoDisp220				"Mains 220V fault"
#define txt_CoRest220				"Mains 220V recovered"
#define txt_CoDispBat				"Battery fault"
#define txt_CoRestBat				"Battery recovered"

/* --------------------------------------------------------------------------
 * Information: System and hardware
 * ------------------------------------------------------------------------ */
#define infoTxt_HarIniSys			"{#8001:"txt_HarIniSys"}\r"
#define infoTxt_HarGenRst			"{#8100:"txt_HarGenRst"}\r"
#define infoTxt_HarHanErr1			"{#8102:"txt_HarHanErr1"}\r"
#define infoTxt_HarHanErr2			"{#8103:"txt_HarHanErr2"}\r"
#define infoTxt_HarFault			"{#8104:"txt_HarFault"}\r"

/* --------------------------------------------------------------------------
 * Information: Parameter memory
 * ------------------------------------------------------------------------ */
#define infoTxt_FlashWrite			"{#8111:"txt_FlashWrite"}\r"
#define infoTxt_FlashRead			"{#8112:"txt_FlashRead"}\r"

/* --------------------------------------------------------------------------
 * Information: Message queue
 * ------------------------------------------------------------------------ */
#define infoTxt_EnvTest				"{#8209:"txt_EnvTest"}\r"
#define infoTxt_EnvAddCra			"{#8210:"txt_EnvAddCra"%s}\r", pcTxt
#define infoTxt_EnvAddMqtt			"{#8220:"txt_EnvAddMqtt"%s}\r", pcTxt
#define infoTxt_EnvAddEma			"{#8230:"txt_EnvAddEma"%s}\r", pcTxt
#define infoTxt_EnvAddSms			"{#8240:"txt_EnvAddSms"%s}\r", pcTxt
#define infoTxt_EnvMqTimEr			"{#8260:"txt_EnvMqTimEr"}\r"
#define infoTxt_EnvMqTimOk			"{#8261:"txt_EnvMqTimOk"}\r"
#define infoTxt_EnvMqComOk			"{#8262:"txt_EnvMqComOk"}\r"

/* --------------------------------------------------------------------------
 * Information: Fire panel serial port
 * ------------------------------------------------------------------------ */
#define infoTxt_ComUni				"{#8300:"txt_ComUni"}\r"
#define infoTxt_ComIni				"{#8301:"txt_ComIni"}\r"
#define infoTxt_ComSeHex			"{#9311:"txt_ComSeHex"%s}\r", pcTxt
#define infoTxt_ComSeStr			"{#9312:"txt_ComSeStr"%s}\r", pcTxt

/* --------------------------------------------------------------------------
 * Information: GPRS modem
 * ------------------------------------------------------------------------ */
#define infoTxt_GprsUni				"{#8400:"txt_GprsUni"}\r"
#define infoTxt_GprsUni2			"{#8410:"txt_GprsUni"}\r"
#define infoTxt_GprsOn				"{#8401:"txt_GprsOn"}\r"
#define infoTxt_GprsOff				"{#8402:"txt_GprsOff"}\r"
#define infoTxt_GprsSendBy			"{#9461:"txt_GprsSendBy"%s}\r", pcTxt
#define infoTxt_GprsRecStr			"{#9462:"txt_GprsRecStr"}\r"
#define infoTxt_GprsRecBuf			"{#9464:"txt_GprsRecBuf"%s}\r", pcTxt
#define infoTxt_GprsNotDns			"{#8411:"txt_GprsNotDns"}\r"
#define infoTxt_GprsTimOut			"{#8412:"txt_GprsTimOut"}\r"
#define infoTxt_GprsOppErr			"{#8415:"txt_GprsOppErr"}\r"
#define infoTxt_GprsTimErr			"{#8413:"txt_GprsTimErr"}\r"
#define infoTxt_GprsTimUpd			"{#8414:"txt_GprsTimUpd"}\r"
#define infoTxt_GprsModDet			"{#8420:"txt_GprsModDet"}\r"
#define infoTxt_GprsMisPin			"{#8421:"txt_GprsMisPin"}\r"
#define infoTxt_GprsLooSim			"{#8422:"txt_GprsLooSim"}\r"
#define infoTxt_GprsSimRdy			"{#8423:"txt_GprsSimRdy"}\r"
#define infoTxt_GprsReady			"{#8424:"txt_GprsReady"}\r"
#define infoTxt_GprsConn			"{#8425:"txt_GprsConn"}\r"
#define infoTxt_GprsSenCraClr		"{#8526:"txt_GprsSenCraClr"%s}\r", pcTxt
#define infoTxt_GprsSenCra			"{#8465:"txt_GprsSenCra"%s}\r", pcTxt
#define infoTxt_GprsSenCra2			"{#8466:"txt_GprsSenCra"%s}\r", pcTxt
#define infoTxt_GprsEmaSe			"{#8441:"txt_GprsEmaSe"%s}\r", pcTxt
#define infoTxt_GprsEmaSe2			"{#8442:"txt_GprsEmaSe"%s}\r", pcTxt
#define infoTxt_GprsEmaSeClr		"{#8451:"txt_GprsEmaSeClr"%s}\r", pcTxt
#define infoTxt_GprsSmsSe			"{#8455:"txt_GprsSmsSe"%s}\r", pcTxt
#define infoTxt_GprsSmsSe2			"{#8452:"txt_GprsSmsSe"%s}\r", pcTxt
#define infoTxt_GprsSmsSeClr		"{#8456:"txt_GprsSmsSeClr"%s}\r", pcTxt
#define infoTxt_GprsSmsRec			"{#8483:"txt_GprsSmsRec"}\r"
#define infoTxt_GprsMqSetBidi		"{#8490:"txt_GprsMqSetBidi"}\r"
#define infoTxt_GprsMqOutBidi		"{#8491:"txt_GprsMqOutBidi"}\r"

/* --------------------------------------------------------------------------
 * Information: Ethernet (ADSL)
 * ------------------------------------------------------------------------ */
#define infoTxt_EthNetUni			"{#8500:"txt_EthNetUni"}\r"
#define infoTxt_EthNetIni			"{#8510:"txt_EthNetIni"}\r"
#define infoTxt_EthLinDow			"{#8511:"txt_EthLinDow"}\r"
#define infoTxt_EthLinUp			"{#8512:"txt_EthLinUp"}\r"
#define infoTxt_EthLinMbFu			"{#8514:"txt_EthLinMbFu"}\r"
#define infoTxt_EthLinNegErr		"{#8515:"txt_EthLinNegErr"}\r"
#define infoTxt_EthNetDhcp			"{#8521:"txt_EthNetDhcp"}\r"
#define infoTxt_EthRecUdp			"{#9522:"txt_EthRecUdp"%s}\r", pcTxt
#define infoTxt_EthOpSock			"{#8523:"txt_EthOpSock"}\r"
#define infoTxt_EthCloSock			"{#8524:"txt_EthCloSock"}\r"
#define infoTxt_EthNotDns			"{#8525:"txt_EthNotDns"}\r"
#define infoTxt_EthSenCraClr		"{#8526:"txt_EthSenCraClr"%s}\r", pcTxt
#define infoTxt_EthSenCra			"{#8527:"txt_EthSenCra"%s}\r", pcTxt
#define infoTxt_EthSenCra2			"{#8528:"txt_EthSenCra"%s}\r", pcTxt
#define infoTxt_EthMqBegin			"{#8533:"txt_EthMqBegin"}\r"
#define infoTxt_EthMqConect			"{#8534:"txt_EthMqConect"}\r"
#define infoTxt_EthMqClCone			"{#8535:"txt_EthMqClCone"}\r"
#define infoTxt_EthMqSubSs			"{#8536:"txt_EthMqSubSs"}\r"
#define infoTxt_EthMqSubSc			"{#8537:"txt_EthMqSubSc"}\r"
#define infoTxt_EthMqClErr			"{#8538:"txt_EthMqClErr"}\r"
#define infoTxt_EthMqNetErr			"{#8539:"txt_EthMqNetErr"}\r"
#define infoTxt_EthMqYieErr			"{#8541:"txt_EthMqYieErr"}\r"
#define infoTxt_EthMqSenPub			"{#9542:"txt_EthMqSenPub"}\r"
#define infoTxt_EthSenEmaClr		"{#8551:"txt_EthSenEmaClr"%s}\r", pcTxt
#define infoTxt_EthSenEma			"{#8552:"txt_EthSenEma"%s}\r", pcTxt
#define infoTxt_EthSenEma2			"{#8553:"txt_EthSenEma"%s}\r", pcTxt
#define infoTxt_EthMqSetBidi		"{#8570:"txt_EthMqSetBidi"}\r"
#define infoTxt_EthMqOutBidi		"{#8571:"txt_EthMqOutBidi"}\r"

/* --------------------------------------------------------------------------
 * Information: Inputs and outputs
 * ------------------------------------------------------------------------ */
#define infoTxt_EsUni				"{#8600:"txt_EsUni"}\r"
#define infoTxt_EsIni				"{#8601:"txt_EsIni"}\r"
#define infoTxt_EsEntDisp			"{#8611:"txt_EsEntDisp"%s}\r", pcTxt
#define infoTxt_EsEntRest			"{#8612:"txt_EsEntRest"%s}\r", pcTxt
#define infoTxt_EsSorDisp			"{#8623:"txt_EsSorDisp"%s}\r", pcTxt
#define infoTxt_EsSorRest			"{#8624:"txt_EsSorRest"%s}\r", pcTxt
#define infoTxt_SorNoper			"{#8625:"txt_SorNoper"%s}\r", pcTxt
#define infoTxt_EsSistDisp			"{#8638:"txt_EsSistDisp"%s}\r", pcTxt
#define infoTxt_EsSistRest			"{#8639:"txt_EsSistRest"%s}\r", pcTxt
#define infoTxt_EsTampDisp			"{#8641:"txt_EsTampDisp"}\r"
#define infoTxt_EsTampRest			"{#8642:"txt_EsTampRest"}\r"
#define infoTxt_EsAlimDisp			"{#8643:"txt_EsAlimDisp"}\r"
#define infoTxt_EsAlimRest			"{#8644:"txt_EsAlimRest"}\r"

/* --------------------------------------------------------------------------
 * Information: Aguilera panel link
 * ------------------------------------------------------------------------ */
#define infoTxt_AgComand			"{#8761:"txt_AgComand"%s}\r", pcTxt
#define infoTxt_AgTeleco			"{#9771:"txt_AgTeleco"%s}\r", pcTxt
#define infoTxt_AgLost				"{#8781:"txt_AgLost"}\r"
#define infoTxt_AgAnswer			"{#8782:"txt_AgAnswer"}\r"
#define infoTxt_AgPerCent			"{#8785:"txt_AgPerCent"}\r"
#define infoTxt_AgRecCent			"{#8786:"txt_AgRecCent"}\r"
#define infoTxt_AgCheErr			"{#8783:"txt_AgCheErr"}\r"
#define infoTxt_AgReciv				"{#9721:"txt_AgReciv"%s}\r", pcTxt
#define infoTxt_AgRecivBidi			"{#9722:"txt_AgRecivBidi"%s}\r", pcTxt
#define infoTxt_AgPasoPrueb			"{#8791:"txt_AgPasoPrueb"%d}\r", nZona
#define infoTxt_AgFinPrueb			"{#8792:"txt_AgFinPrueb"%d}\r", nZona
#define infoTxt_AgPasoAlarm			"{#8793:"txt_AgPasoAlarm"%d}\r", nZona
#define infoTxt_AgFinAlarm			"{#8794:"txt_AgFinAlarm"%d}\r", nZona
#define infoTxt_AgPasoAver			"{#8795:"txt_AgPasoAver"%d}\r", nZona
#define infoTxt_AgFinAver			"{#8796:"txt_AgFinAver"%d}\r", nZona
#define infoTxt_AgPasoDesc			"{#8797:"txt_AgPasoDesc"%d}\r", nZona
#define infoTxt_AgFinDesc			"{#8798:"txt_AgFinDesc"%d}\r", nZona

/* --------------------------------------------------------------------------
 * Information: BC600/BC216 panel link
 * ------------------------------------------------------------------------ */
#define infoTxt_BcLost				"{#8912:"txt_BcLost"}\r"
#define infoTxt_BcCheErr			"{#8922:"txt_BcCheErr"}\r"
#define infoTxt_BcAnswer			"{#8791:"txt_BcAnswer"}\r"

/* --------------------------------------------------------------------------
 * Information: Cofem panel link
 * ------------------------------------------------------------------------ */
#define infoTxt_CoComand			"{#8861:"txt_CoComand"}\r"
#define infoTxt_CoLost				"{#8885:"txt_CoLost"}\r"
#define infoTxt_CoAnswer			"{#8886:"txt_CoAnswer"}\r"
#define infoTxt_CoCheErr			"{#8822:"txt_CoCheErr"}\r"
#define infoTxt_CoPasoAlaDet		"{#8893:"txt_CoPasoAlaDet"%d}\r", nZona
#define infoTxt_CoFinAlaDet			"{#8894:"txt_CoFinAlaDet"%d}\r", nZona
#define infoTxt_CoPasoAlaPu			"{#8873:"txt_CoPasoAlaPu"%d}\r", nZona
#define infoTxt_CoFinAlaPu			"{#8874:"txt_CoFinAlaPu"%d}\r", nZona
#define infoTxt_CoPasoAver			"{#8895:"txt_CoPasoAver"%d}\r", nZona
#define infoTxt_CoFinAver			"{#8896:"txt_CoFinAver"%d}\r", nZona
#define infoTxt_CoPasoDesc			"{#8897:"txt_CoPasoDesc"%d}\r", nZona
#define infoTxt_CoFinDesc			"{#8898:"txt_CoFinDesc"%d}\r", nZona
#define infoTxt_CoPasoPrueb			"{#8891:"txt_CoPasoPrueb"%d}\r", nZona
#define infoTxt_CoFinPrueb			"{#8892:"txt_CoFinPrueb"%d}\r", nZona
#define infoTxt_CoPasoPruebAla		"{#8871:"txt_CoPasoPruebAla"%d}\r", nZona
#define infoTxt_CoFinPruebAla		"{#8872:"txt_CoFinPruebAla"%d}\r", nZona
#define infoTxt_CoDisp220			"{#8875:"txt_CoDisp220"}\r"
#define infoTxt_CoRest220			"{#8876:"txt_CoRest220"}\r"
#define infoTxt_CoDispBat			"{#8877:"txt_CoDispBat"}\r"
#define infoTxt_CoRestBat			"{#8878:"txt_CoRestBat"}\r"

#endif /* __DEFINFO_H */
