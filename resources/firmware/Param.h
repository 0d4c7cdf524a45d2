/*****************************************************************************
 * Param.h
 *
 * Quelta communicator: configuration parameter codes.
 *
 * Every configuration value is addressed by a four-digit hexadecimal code.
 * A block is written as a pair: the name ending in I holds the first code,
 * the name ending in F holds the first code plus the number of entries; the
 * entries of a block have consecutive codes.
 *
 * The desktop tool reads the codes from this file: keep one definition per
 * line, two blanks after #define, one blank before 0x and a TAB after a
 * single code.
 ****************************************************************************/

#ifndef __PARAM_H
#define __PARAM_H

/* --------------------------------------------------------------------------
 * Identification
 * ------------------------------------------------------------------------ */
#define  _uniXipID_ 0x0101		/* unique identifier of the microcontroller, read-only, 16 characters */
#define  _idEmpres_ 0x0102		/* installing company */
#define  _idInstal_ 0x0103		/* installer */
#define  _idRefere_ 0x0104		/* installation reference */
#define  _gsNumTel_ 0x0105		/* telephone number of the device */
#define  _idFunAct_ 0x0106		/* active parts GPRS, ADSL, COM, inputs/outputs: one flag each, "1" active */
#define  _gsSmsPas_ 0x0108		/* password for access by SMS */
#define  _actAutom_ 0x0110		/* automatic update "0"/"1", default 1 */
#define  _codiProg_ 0x0111		/* access code of the programming */
#define  _franjaUT_ 0x0120		/* time zone */

/* --------------------------------------------------------------------------
 * Ethernet (ADSL)
 * ------------------------------------------------------------------------ */
#define  _adsMacAd_ 0x0200		/* MAC address, read-only */
#define  _adsHosNa_ 0x0201		/* host name */
#define  _dhcpEnab_ 0x0211		/* DHCP enabled "1", static addressing "0" */
#define  _noDhIpAd_ 0x0212		/* static IP address */
#define  _noDhMask_ 0x0213		/* static network mask */
#define  _noDhGate_ 0x0214		/* static default gateway */
#define  _noDhPdns_ 0x0215		/* primary DNS server */
#define  _noDhSdns_ 0x0216		/* secondary DNS server */

/* --------------------------------------------------------------------------
 * MQTT server
 * ------------------------------------------------------------------------ */
#define  _mqttIpAd_ 0x0301		/* server address, IP or host name */
#define  _mqttPort_ 0x0302		/* server port */
#define  _mqttPoTc_ 0x0303		/* secondary server port, converted to MQTT */
#define  _mqttUser_ 0x0304		/* user name */
#define  _mqttPass_ 0x0305		/* password */
#define  _mqttKeAl_ 0x0306		/* keep-alive interval */

/* --------------------------------------------------------------------------
 * Alarm receiving centres (CRA)
 * ------------------------------------------------------------------------ */
#define  _craSport_ 0x1001		/* local UDP source port */
#define  _craTPoll_ 0x1010		/* polling period, minutes */
#define  _cra1IpAd_ 0x1101		/* address of centre 1, IP or host name */
#define  _cra2IpAd_ 0x1102		/* address of centre 2, IP or host name */
#define  _cra1Port_ 0x1111		/* port of centre 1 */
#define  _cra2Port_ 0x1112		/* port of centre 2 */
#define  _cra1Abon_ 0x1121		/* subscriber number at centre 1 */
#define  _cra2Abon_ 0x1122		/* subscriber number at centre 2 */
#define  _craOpcio_ 0x1131		/* app flags: Contact ID sent to the centre also goes to the app */
#define  _craHexad_ 0x1132		/* Contact ID codes decimal "0" or hexadecimal "1" */
#define  _BlBcOpci_ 0x1141		/* app flags: Contact ID of a panel event also goes to the app */

/* --------------------------------------------------------------------------
 * RS232 link to the fire panel
 * ------------------------------------------------------------------------ */
#define  _BlRsBauI_ 0x1500		/* baud rate and parity: baud,parity letter */
#define  _BlRsBauF_ 0x1500+4	/* end of block, 4 entries */
#define  _comCiExt_ 0x1590		/* fire panel connected to the RS232 port */

/* --------------------------------------------------------------------------
 * E-mail
 * ------------------------------------------------------------------------ */
#define  _smtpIpAd_ 0x2001		/* server address, IP or host name */
#define  _smtpPort_ 0x2002		/* server port */
#define  _smtpUser_ 0x2003		/* server user */
#define  _smtpPass_ 0x2004		/* server password */
#define  _mailFrom_ 0x2101		/* sender */
#define  _mailSubj_ 0x2102		/* subject */

/* --------------------------------------------------------------------------
 * Inputs
 * ------------------------------------------------------------------------ */
#define  _BlEnOpsI_ 0x3001		/* delays and alias: retardDisp;retardRest;entNO;AliesEntrada */
#define  _BlEnOpsF_ 0x3001+16   /* end of block, 16 entries */
#define  _BlEnTxtI_ 0x3201		/* notifications: Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlEnTxtF_ 0x3201+16	/* end of block, 16 entries */

/* --------------------------------------------------------------------------
 * Notification destinations
 * ------------------------------------------------------------------------ */
#define  _BlDsEmaI_ 0x3101		/* e-mail addresses separated by ";" */
#define  _BlDsEmaF_ 0x3101+4    /* end of block, 4 entries */
#define  _BlDsSmsI_ 0x3111		/* SMS telephone numbers separated by ";" */
#define  _BlDsSmsF_ 0x3111+4	/* end of block, 4 entries */

/* --------------------------------------------------------------------------
 * Outputs
 * ------------------------------------------------------------------------ */
#define  _BlSoOpsI_ 0x3301		/* alias and trigger options */
#define  _BlSoOpsF_ 0x3301+4	/* end of block, 4 entries */
#define  _BlSoEntI_ 0x3311		/* triggering by the inputs */
#define  _BlSoEntF_ 0x3311+4    /* end of block, 4 entries */
#define  _BlSoTmpI_ 0x3321		/* times */
#define  _BlSoTmpF_ 0x3321+4	/* end of block, 4 entries */
#define  _BlSoTxtI_ 0x3401		/* notifications: Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlSoTxtF_ 0x3401+4    /* end of block, 4 entries */

/* --------------------------------------------------------------------------
 * System
 * ------------------------------------------------------------------------ */
#define  _BlSiOpsI_ 0x3502		/* test: TempsMM;HH:MM;AliesTest - tamper, power: NivDisp;NivRes;TempsDis;TempsRest;NO;Alias */
#define  _BlSiOpsF_ 0x3502+2	/* end of block, 2 entries */
#define  _BlSiInic_ 0x3601		/* start-up notification: Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlSiTxtI_ 0x3602		/* test, tamper, power, COM lost, CRA lost, call: Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlSiTxtF_ 0x3602+5    /* end of block, 5 entries */

/* --------------------------------------------------------------------------
 * Door buttons
 * ------------------------------------------------------------------------ */
#define  _BlB1Alie_ 0x4001		/* alias of button 1 */
#define  _BlB2Alie_ 0x4002		/* alias of button 2 */
#define  _BlB3Alie_ 0x4003		/* alias of button 3 */
#define  _BlB4Alie_ 0x4004		/* alias of button 4 */
#define  _BlB1FunI_ 0x4010		/* button 1 per output: Sxactivada;Exdepen;TempsEnt;TempsDesact */
#define  _BlB1FunF_ 0x4010+4	/* end of block, 4 entries */
#define  _BlB2FunI_ 0x4014		/* button 2 per output: Sxactivada;Exdepen;TempsEnt;TempsDesact */
#define  _BlB2FunF_ 0x4014+4    /* end of block, 4 entries */
#define  _BlB3FunI_ 0x4018		/* button 3 per output: Sxactivada;Exdepen;TempsEnt;TempsDesact */
#define  _BlB3FunF_ 0x4018+4	/* end of block, 4 entries */
#define  _BlB4FunI_ 0x401C		/* button 4 per output: Sxactivada;Exdepen;TempsEnt;TempsDesact */
#define  _BlB4FunF_ 0x401C+4    /* end of block, 4 entries */
#define  _BlB1Temp_ 0x4040		/* button 1 opening, open and closing times separated by ";" */
#define  _BlB2Temp_ 0x4041		/* button 2 opening, open and closing times separated by ";" */
#define  _BlB3Temp_ 0x4042		/* button 3 opening, open and closing times separated by ";" */
#define  _BlB4Temp_ 0x4043		/* button 4 opening, open and closing times separated by ";" */

/* --------------------------------------------------------------------------
 * GPRS modem
 * ------------------------------------------------------------------------ */
#define  _gsPinSim_ 0x6600		/* PIN of the SIM card */

/* --------------------------------------------------------------------------
 * Freezer supervision
 * ------------------------------------------------------------------------ */
#define  _scTemOps_ 0x6855		/* initial time before loss of communication */
#define  _scTemTxt_ 0x6856		/* notifications: NotifApp;SMS;e-mails;TexteDisp/TexteRest */
#define  _scTemCid_ 0x6857		/* Contact ID on loss of communication */

/* --------------------------------------------------------------------------
 * Mobile operators
 * ------------------------------------------------------------------------ */
#define  _BlOpTelI_ 0x8501		/* Operador;APN;usuari;password */
#define  _BlOpTelF_ 0x8501+16   /* end of block, 16 entries */

/* --------------------------------------------------------------------------
 * Fire panel: Aguilera
 * ------------------------------------------------------------------------ */
#define  _BlAgFitx_ 0x9000		/* name of the zone file */
#define  _BlAgTxtI_ 0x9001		/* alarm, fault, disconnection, test: Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlAgTxtF_ 0x9001+4	/* end of block, 4 entries */
#define  _BlAgZonI_ 0x9101		/* zone list, zone text, up to 0x94FF */
#define  _BlAgZonF_ 0x9101+999  /* end of block, 999 entries */

/* --------------------------------------------------------------------------
 * Fire panels: shared codes, the device holds one panel configuration at a time
 * ------------------------------------------------------------------------ */
#define  _BlBcFitx_ 0x9500		/* BC600/BC216: event-text file name */
#define  _BlClFitx_ 0x9500		/* Cofem: event-text file name */
#define  _BlSyFitx_ 0x9500		/* Syncro: event-text file name */
#define  _BlAvFitx_ 0x9500		/* Avenar: event-text file name */
#define  _BlAdFitx_ 0x9500		/* AD300: event-text file name */
#define  _BlZaFitx_ 0x9500		/* Zafir: event-text file name */
#define  _BlSuFitx_ 0x9500		/* Supra: event-text file name */
#define  _BlIDFitx_ 0x9500		/* ID3000: event-text file name */
#define  _BlBcTxtI_ 0x9601		/* BC600/BC216 per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlBcTxtF_ 0x9601+254  /* end of block, 254 entries */
#define  _BlSyTxtI_ 0x9601		/* Syncro per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlSyTxtF_ 0x9601+254	/* end of block, 254 entries */
#define  _BlAvTxtI_ 0x9601		/* Avenar per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlAvTxtF_ 0x9601+254  /* end of block, 254 entries */
#define  _BlIDTxtI_ 0x9601		/* ID3000 per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlIDTxtF_ 0x9601+266	/* end of block, 266 entries */
#define  _BlClTxtI_ 0x9701		/* Cofem: call point alarm, detector alarm, fault, disconnection, test, panel link */
#define  _BlClTxtF_ 0x9701+29	/* end of block, 29 entries */
#define  _BlAdTxtI_ 0x9701		/* AD300 per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlAdTxtF_ 0x9701+254  /* end of block, 254 entries */
#define  _BlZaTxtI_ 0x9701		/* Zafir per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlZaTxtF_ 0x9701+254	/* end of block, 254 entries */
#define  _BlClAdre_ 0x9750		/* Cofem: address of the peripheral on the panel bus */
#define  _BlAdAdre_ 0x9750		/* AD300: address of the peripheral on the panel bus */
#define  _BlZaAdre_ 0x9750		/* Zafir: address of the peripheral on the panel bus */
#define  _BlUrTxtI_ 0x9761		/* Urano notifications: Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlUrTxtF_ 0x9761+15   /* end of block, 15 entries */
#define  _BlSuTxtI_ 0x9761		/* Supra per event kind: EventKind:Apps;SMS;e-mails;ContactId;TexteDisp/TexteRest */
#define  _BlSuTxtF_ 0x9761+64	/* end of block, 64 entries */

/* --------------------------------------------------------------------------
 * Fire panels: RS232 baud rate per panel, all on the code of BlRsBauI
 * ------------------------------------------------------------------------ */
#define  _BlRsBauI_ 0x1500		/* baud rate and parity: baud,parity letter */
#define  _BlRsBauF_ 0x1500+4    /* end of block, 4 entries */
#define  _BlRsBauA_ 0x1500		/* baud,parity letter */
#define  _BlRsBauB_ 0x1500		/* baud,parity letter */
#define  _BlRsBauC_ 0x1500		/* baud,parity letter */
#define  _BlRsBauU_ 0x1500		/* baud,parity letter */
#define  _BlRsBauS_ 0x1500		/* baud,parity letter */
#define  _BlRsBauD_ 0x1500		/* baud,parity letter */
#define  _BlRsBauZ_ 0x1500		/* baud,parity letter */

#endif /* __PARAM_H */
