<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es_ES">
<context>
    <name>Cloud</name>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Server connection error: <byte value="xd"/>The server name or address could not be resolved<byte value="xd"/>Please check the internet connection</translation>
    </message>
    <message>
        <source>Sesión renovada</source>
        <translation>Session renewed</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor<byte value="xd"/></source>
        <translation>Server connection error<byte value="xd"/></translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Invalid response from the server</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Database access error: </translation>
    </message>
    <message>
        <source>datos incompletos</source>
        <translation>incomplete data</translation>
    </message>
    <message>
        <source>Versión no comprobada: </source>
        <translation>Version not checked: </translation>
    </message>
    <message>
        <source>Versión no válida en el servidor: </source>
        <translation>Invalid version on the server: </translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>A new version is available<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ruta no válida: </source>
        <translation>Invalid path: </translation>
    </message>
    <message>
        <source>Sin sesión iniciada</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>Registros de equipo no válidos, omitidos: </source>
        <translation>Invalid device records, skipped: </translation>
    </message>
    <message>
        <source>El servidor no responde</source>
        <translation>The server is not responding</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Referencia: </source>
        <translation>Reference: </translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Phones</translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>WARNING!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    OK   </translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Close   </translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Yes    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    No    </translation>
    </message>
</context>
<context>
    <name>DirectoryEntries</name>
    <message>
        <source>Desactivado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>No ADSL</source>
        <translation>No ADSL</translation>
    </message>
    <message>
        <source>No GPRS</source>
        <translation>No GPRS</translation>
    </message>
</context>
<context>
    <name>EventHistory</name>
    <message>
        <source>Abierta</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Open command</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Close command</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Call received: opening door</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>Outside permitted hours</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Number not enabled</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Number not registered</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Command sent to the panel</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Command sent to the outputs</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>User outside permitted hours</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>User not enabled</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>User too far away</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>User position unknown</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Device position not registered</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Input not activated</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
</context>
<context>
    <name>Grids</name>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Código CID</source>
        <translation>CID code</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation>Event type</translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation>Act. Lvl</translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation>Rst. Lvl</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>Act. T.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>Rst. T.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>All</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Manual call point alarm</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Detector alarm</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Open-circuit line fault</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Short-circuit line fault</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point disabled</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Point in test</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Manual call point test alarm</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Detector test alarm</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relay disabled</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relay open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relay short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relay 24V fault</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relay pre-alarm</translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation> Relay activation</translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation>Relay abort</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation> Sounder 1 relay open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Sounder 1 relay short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Sounder 1 relay activation</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Sounder 2 relay open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Sounder 2 relay short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Sounder 2 relay activation</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> General fault relay open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> General fault relay short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> General fault relay activation</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Power supply charger fault</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Power supply discharged battery fault</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Power supply no mains fault</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Power supply 30V fault</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Discharged battery fault</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>MANUAL EVACUATION ACTIVATION</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>MANUAL SOUNDER ACTIVATION</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>LOOP FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>SOUNDER FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>POWER SUPPLY FAULT</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>EARTH FAULT</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>OUT OF SERVICE FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>SYSTEM FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>RS-485/232 FAULT</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>DEVICE NOT RESPONDING</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>DOUBLE RESPONSE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE CHANGED</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>OPEN CIRCUIT ON ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>SHORT CIRCUIT ON ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>DIRTY DEVICE</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Disablement</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Sensor alarm</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Technical alarm</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Temperature alarm</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Smoke alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Manual call point alarm (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Manual call point alarm &apos;Double&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Fire test alarm</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Test alarm, not configured</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Repeater communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Panel communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Controller communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>&apos;Remote&apos; module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>CID module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Red2 module communication fault</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Battery charger fault</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Faulty battery</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>No battery fault</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Discharged battery fault</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Overcharged battery fault</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Low voltage fault</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Overvoltage fault</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>No power supply fault</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>30V output fault</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Loop short-circuit fault</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Sensor fault</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Contamination fault</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Loop open-circuit fault</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Loop current consumption fault</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Point not responding fault</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>KMAY SUC fault</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>KMAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>KMAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>MSTAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>MSTAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Technical fault</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Relay open-circuit line fault</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Relay short-circuit fault</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Relay not active fault</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Relay 24V fault</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zone in test</translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation>   Operator</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation>Rest.</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Activation message/restore message</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alim.</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>ADSL</source>
        <translation>ADSL</translation>
    </message>
    <message>
        <source>CRA</source>
        <translation>ARC</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation>Deact.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>T.Act.</translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation>T.Deact.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation>Activation message/Deactivation message</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Hora: (hh:mm)</source>
        <translation>Time: (hh:mm)</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Test message</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Fault message/Recovery message</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>GSM loss</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>ADSL loss</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>ARC loss</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Server loss</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>COM loss</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Fault</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Test</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Communication with the panel</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> 230V mains loss</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Main power supply failure</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Low battery</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Earth fault</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Out.</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Activ.</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation>T.In</translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation> Open-circuit fault</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Short-circuit fault</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone disabled</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Battery charger fault</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Battery failure fault</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Panel fault: 220V failure</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Fire</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Smoke</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustion</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Water flow detector</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Heat</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Manual call point</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Duct detector</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Alarm detector</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Identificación</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Configuración DHCP</source>
        <translation>DHCP configuration</translation>
    </message>
    <message>
        <source>Configuración del software</source>
        <translation>Software configuration</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Central Aguilera</source>
        <translation>Aguilera panel</translation>
    </message>
    <message>
        <source>Central BC600/216</source>
        <translation>BC600/216 panel</translation>
    </message>
    <message>
        <source>Equipo industrial</source>
        <translation>Industrial device</translation>
    </message>
    <message>
        <source>Central Cofem</source>
        <translation>Cofem panel</translation>
    </message>
    <message>
        <source>Central Urano</source>
        <translation>Urano panel</translation>
    </message>
    <message>
        <source>Central Syncro</source>
        <translation>Syncro panel</translation>
    </message>
    <message>
        <source>Central Bosch Avenar</source>
        <translation>Bosch Avenar panel</translation>
    </message>
    <message>
        <source>Central AD300</source>
        <translation>AD300 panel</translation>
    </message>
    <message>
        <source>Central Supra</source>
        <translation>Supra panel</translation>
    </message>
    <message>
        <source>Central Cofem Zafir</source>
        <translation>Cofem Zafir panel</translation>
    </message>
    <message>
        <source>Central ID3000</source>
        <translation>ID3000 panel</translation>
    </message>
    <message>
        <source>Velocidad y paridad de la comunicación RS232 con la central <byte value="xd"/>
Ejemplo: 9600,N</source>
        <translation>Baud rate and parity of the RS232 link with the panel <byte value="xd"/>
Example: 9600,N</translation>
    </message>
    <message>
        <source>Nombre del último fichero de eventos importado o exportado </source>
        <translation>Name of the last event file imported or exported </translation>
    </message>
    <message>
        <source>Dirección del circuito como periférico de la central <byte value="xd"/>
Dos dígitos hexadecimales</source>
        <translation>Address of the device as a peripheral of the panel <byte value="xd"/>
Two hexadecimal digits</translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Notifications of panel events: App, SMS, e-mail, CID code and message text </translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Notifications of panel events: event type, App, SMS, e-mail, CID code and message text </translation>
    </message>
    <message>
        <source>Importa de un fichero los mensajes de los eventos de la central </source>
        <translation>Imports the panel event messages from a file </translation>
    </message>
    <message>
        <source>Exporta a un fichero los mensajes de los eventos de la central </source>
        <translation>Exports the panel event messages to a file </translation>
    </message>
    <message>
        <source>Borra en el circuito los mensajes de los eventos de la central </source>
        <translation>Deletes the panel event messages in the device </translation>
    </message>
    <message>
        <source>Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de desactivación de la salida</source>
        <translation>Output to be activated, input condition, input time and output deactivation time</translation>
    </message>
    <message>
        <source>Nombre de la empresa instaladora <byte value="xd"/>
Normalmente coincidirá con el nombre de la empresa que se dado de alta en el programa</source>
        <translation>Name of the installation company <byte value="xd"/>
Normally the same as the company name registered in the program</translation>
    </message>
    <message>
        <source>Nombre del instalador <byte value="xd"/>
Normalmente coincidirá con el nombre del instalador que se ha dado de alta en el programa</source>
        <translation>Name of the installer <byte value="xd"/>
Normally the same as the installer name registered in the program</translation>
    </message>
    <message>
        <source>Nombre o código de referencia para esta instalación <byte value="xd"/>
Con esta referencia se puede acceder al circuito remotamente</source>
        <translation>Name or reference code for this installation <byte value="xd"/>
This reference is used to access the device remotely</translation>
    </message>
    <message>
        <source>Número de teléfono de la tarjeta SIM del circuito </source>
        <translation>Phone number of the device&apos;s SIM card </translation>
    </message>
    <message>
        <source>Contraseña para acceder al circuito por SMS </source>
        <translation>Password for accessing the device by SMS </translation>
    </message>
    <message>
        <source>Código de acceso a la programación del circuito <byte value="xd"/>
Sin este código no se puede leer ni programar el circuito</source>
        <translation>Access code for programming the device <byte value="xd"/>
Without this code the device cannot be read or programmed</translation>
    </message>
    <message>
        <source>PIN de la tarjeta SIM del circuito </source>
        <translation>PIN of the device&apos;s SIM card </translation>
    </message>
    <message>
        <source>Central de incendios conectada al puerto serie del circuito </source>
        <translation>Fire panel connected to the device&apos;s serial port </translation>
    </message>
    <message>
        <source>Dirección MAC de la conexión ADSL del circuito <byte value="xd"/>
Solo lectura</source>
        <translation>MAC address of the device&apos;s ADSL connection <byte value="xd"/>
Read only</translation>
    </message>
    <message>
        <source>UTC, zona horaria de referencia </source>
        <translation>UTC, reference time zone </translation>
    </message>
    <message>
        <source>Partes activas del circuito <byte value="xd"/>
GPRS, ADSL, COM y entradas/salidas</source>
        <translation>Active parts of the device <byte value="xd"/>
GPRS, ADSL, COM and inputs/outputs</translation>
    </message>
    <message>
        <source>DHCP activado: la red asigna la dirección IP del circuito <byte value="xd"/>
Desactivado, el circuito usa la dirección IP, la máscara, la puerta de enlace y los DNS fijos</source>
        <translation>DHCP enabled: the network assigns the device&apos;s IP address <byte value="xd"/>
Disabled: the device uses the fixed IP address, subnet mask, gateway and DNS servers</translation>
    </message>
    <message>
        <source>Dirección IP fija del circuito <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Fixed IP address of the device <byte value="xd"/>
Only used with DHCP disabled</translation>
    </message>
    <message>
        <source>Máscara de subred de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Subnet mask of the local network <byte value="xd"/>
Only used with DHCP disabled</translation>
    </message>
    <message>
        <source>Puerta de enlace de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Gateway of the local network <byte value="xd"/>
Only used with DHCP disabled</translation>
    </message>
    <message>
        <source>Servidor DNS primario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Primary DNS server <byte value="xd"/>
Only used with DHCP disabled</translation>
    </message>
    <message>
        <source>Servidor DNS secundario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Secondary DNS server <byte value="xd"/>
Only used with DHCP disabled</translation>
    </message>
    <message>
        <source>Listado de las operadoras de GPRS <byte value="xd"/>
Ejemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR</source>
        <translation>List of GPRS operators <byte value="xd"/>
Example: Movistar,movistar.es,MOVISTAR,MOVISTAR</translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las operadoras de GPRS </source>
        <translation>Deletes the list of GPRS operators in the device </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las operadoras de GPRS </source>
        <translation>Imports the list of GPRS operators from a file </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las operadoras de GPRS </source>
        <translation>Exports the list of GPRS operators to a file </translation>
    </message>
    <message>
        <source>Servidor SMTP para el envío de e-mail <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>SMTP server for sending e-mail <byte value="xd"/>
Enter the IP address or the name</translation>
    </message>
    <message>
        <source>Puerto del servidor SMTP </source>
        <translation>SMTP server port </translation>
    </message>
    <message>
        <source>Usuario de la cuenta del servidor SMTP </source>
        <translation>SMTP server account user name </translation>
    </message>
    <message>
        <source>Contraseña de la cuenta del servidor SMTP </source>
        <translation>SMTP server account password </translation>
    </message>
    <message>
        <source>Remitente de los e-mails que envía el circuito </source>
        <translation>Sender of the e-mails sent by the device </translation>
    </message>
    <message>
        <source>Asunto de los e-mails que envía el circuito </source>
        <translation>Subject of the e-mails sent by the device </translation>
    </message>
    <message>
        <source>Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Phone 1 to receive an SMS when an input is activated or restored <byte value="xd"/>
May contain several phone numbers separated by ;</translation>
    </message>
    <message>
        <source>Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Phone 2 to receive an SMS when an input is activated or restored <byte value="xd"/>
May contain several phone numbers separated by ;</translation>
    </message>
    <message>
        <source>Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Phone 3 to receive an SMS when an input is activated or restored <byte value="xd"/>
May contain several phone numbers separated by ;</translation>
    </message>
    <message>
        <source>Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Phone 4 to receive an SMS when an input is activated or restored <byte value="xd"/>
May contain several phone numbers separated by ;</translation>
    </message>
    <message>
        <source>Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Address 1 to receive an e-mail when an input is activated or restored <byte value="xd"/>
May contain several addresses separated by ;</translation>
    </message>
    <message>
        <source>Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Address 2 to receive an e-mail when an input is activated or restored <byte value="xd"/>
May contain several addresses separated by ;</translation>
    </message>
    <message>
        <source>Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Address 3 to receive an e-mail when an input is activated or restored <byte value="xd"/>
May contain several addresses separated by ;</translation>
    </message>
    <message>
        <source>Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Address 4 to receive an e-mail when an input is activated or restored <byte value="xd"/>
May contain several addresses separated by ;</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Address of ARC 1.1 <byte value="xd"/>
Enter the IP address or the name</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Address of ARC 1.2 <byte value="xd"/>
Enter the IP address or the name</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Address of ARC 2.1 <byte value="xd"/>
Enter the IP address or the name</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Address of ARC 2.2 <byte value="xd"/>
Enter the IP address or the name</translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.1 </source>
        <translation>Port of ARC 1.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.2 </source>
        <translation>Port of ARC 1.2 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.1 </source>
        <translation>Port of ARC 2.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.2 </source>
        <translation>Port of ARC 2.2 </translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Account number at ARC 1.1 <byte value="xd"/>
Up to 6 hexadecimal digits</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Account number at ARC 1.2 <byte value="xd"/>
Up to 6 hexadecimal digits</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Account number at ARC 2.1 <byte value="xd"/>
Up to 6 hexadecimal digits</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Account number at ARC 2.2 <byte value="xd"/>
Up to 6 hexadecimal digits</translation>
    </message>
    <message>
        <source>Periodo de polling con la CRA, en minutos </source>
        <translation>Polling period with the ARC, in minutes </translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal <byte value="xd"/>
Sin marcar se envían en decimal</source>
        <translation>Contact ID codes in hexadecimal <byte value="xd"/>
When unticked, they are sent in decimal</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID que se envían a la CRA </source>
        <translation>Sends to the App the Contact ID codes that are sent to the ARC </translation>
    </message>
    <message>
        <source>Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas </source>
        <translation>Alias, activation delay, restore delay and NO contact of the inputs </translation>
    </message>
    <message>
        <source>Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Input notifications: App, SMS, e-mail, CID code and activation message/restore message </translation>
    </message>
    <message>
        <source>Eventos del sistema que activan las salidas <byte value="xd"/>
Inicio, test, tamper, alimentación, pérdida de GSM, ADSL, CRA, servidor o COM y App</source>
        <translation>System events that activate the outputs <byte value="xd"/>
Start-up, test, tamper, power supply, loss of GSM, ADSL, ARC, server or COM, and App</translation>
    </message>
    <message>
        <source>Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas </source>
        <translation>Alias, disabled, activation time, deactivation time and NO contact of the outputs </translation>
    </message>
    <message>
        <source>Entradas que activan las salidas </source>
        <translation>Inputs that activate the outputs </translation>
    </message>
    <message>
        <source>Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación </source>
        <translation>Output notifications: App, SMS, e-mail, CID code and activation message/deactivation message </translation>
    </message>
    <message>
        <source>Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>System start-up notification: App, SMS, e-mail, CID code and message text </translation>
    </message>
    <message>
        <source>Test periódico: alias, periodo del test y hora del test (hh:mm) </source>
        <translation>Periodic test: alias, test period and test time (hh:mm) </translation>
    </message>
    <message>
        <source>Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test </source>
        <translation>Periodic test notification: App, SMS, e-mail, CID code and test message </translation>
    </message>
    <message>
        <source>Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Tamper: alias, activation and restore levels, activation and restore times, and NO contact </translation>
    </message>
    <message>
        <source>Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Tamper notifications: App, SMS, e-mail, CID code and activation message/restore message </translation>
    </message>
    <message>
        <source>Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Power supply: alias, activation and restore levels, activation and restore times, and NO contact </translation>
    </message>
    <message>
        <source>Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Power supply notifications: App, SMS, e-mail, CID code and activation message/restore message </translation>
    </message>
    <message>
        <source>Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM <byte value="xd"/>
App, SMS, e-mail, código CID y mensaje de fallo/mensaje de recuperación</source>
        <translation>Notifications of loss of GSM, ADSL, ARC, server and COM communication <byte value="xd"/>
App, SMS, e-mail, CID code and failure message/recovery message</translation>
    </message>
    <message>
        <source>Nombre del último fichero de zonas importado o exportado </source>
        <translation>Name of the last zone file imported or exported </translation>
    </message>
    <message>
        <source>Listado de las zonas de la central: código CID y nombre de cada zona </source>
        <translation>List of the panel zones: CID code and name of each zone </translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las zonas </source>
        <translation>Deletes the zone list in the device </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las zonas </source>
        <translation>Imports the zone list from a file </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las zonas </source>
        <translation>Exports the zone list to a file </translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID de los eventos de la central </source>
        <translation>Sends to the App the Contact ID codes of the panel events </translation>
    </message>
    <message>
        <source>Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Device supervision: alias, App, SMS, e-mail, time, CID code and activation message/restore message </translation>
    </message>
    <message>
        <source>Nombre del botón 1 </source>
        <translation>Name of button 1 </translation>
    </message>
    <message>
        <source>Nombre del botón 2 </source>
        <translation>Name of button 2 </translation>
    </message>
    <message>
        <source>Nombre del botón 3 </source>
        <translation>Name of button 3 </translation>
    </message>
    <message>
        <source>Nombre del botón 4 </source>
        <translation>Name of button 4 </translation>
    </message>
    <message>
        <source>Tiempo activando del botón 1 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Button 1 activating time <byte value="xd"/>
Time the door takes to open</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 1 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Button 1 activated time <byte value="xd"/>
Time the door stays open</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 1 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Button 1 deactivating time <byte value="xd"/>
Time the door takes to close</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 2 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Button 2 activating time <byte value="xd"/>
Time the door takes to open</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 2 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Button 2 activated time <byte value="xd"/>
Time the door stays open</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 2 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Button 2 deactivating time <byte value="xd"/>
Time the door takes to close</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 3 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Button 3 activating time <byte value="xd"/>
Time the door takes to open</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 3 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Button 3 activated time <byte value="xd"/>
Time the door stays open</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 3 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Button 3 deactivating time <byte value="xd"/>
Time the door takes to close</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 4 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Button 4 activating time <byte value="xd"/>
Time the door takes to open</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 4 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Button 4 activated time <byte value="xd"/>
Time the door stays open</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 4 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Button 4 deactivating time <byte value="xd"/>
Time the door takes to close</translation>
    </message>
    <message>
        <source>Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta </source>
        <translation>Phone numbers registered for the device: name, enabled and door button </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los teléfonos del equipo </source>
        <translation>Loads the device&apos;s phone list from the cloud </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los teléfonos </source>
        <translation>Saves the changes to the phone list in the cloud </translation>
    </message>
    <message>
        <source>Elimina los teléfonos marcados </source>
        <translation>Deletes the selected phone numbers </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de los teléfonos </source>
        <translation>Imports the phone list from a file </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de los teléfonos </source>
        <translation>Exports the phone list to a file </translation>
    </message>
    <message>
        <source>Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar </source>
        <translation>App users who can use the device: enabled and the door buttons they can operate </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los usuarios de la App del equipo </source>
        <translation>Loads the device&apos;s App user list from the cloud </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los usuarios </source>
        <translation>Saves the changes to the user list in the cloud </translation>
    </message>
    <message>
        <source>Elimina los usuarios marcados </source>
        <translation>Deletes the selected users </translation>
    </message>
    <message>
        <source>Lee del circuito los parámetros de la página activa </source>
        <translation>Reads the parameters of the active page from the device </translation>
    </message>
    <message>
        <source>Graba los parámetros de la página activa modificados en el circuito </source>
        <translation>Writes the modified parameters of the active page to the device </translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>USB port</translation>
    </message>
    <message>
        <source>Puerto de comunicación de este programa con el circuito Quelta</source>
        <translation>Port used by this program to communicate with the Quelta device</translation>
    </message>
    <message>
        <source>Programación del circuito</source>
        <translation>Device programming</translation>
    </message>
    <message>
        <source>Estado del circuito y de la central de incendios conectada</source>
        <translation>Status of the device and of the connected fire panel</translation>
    </message>
    <message>
        <source>Busca los equipos en la nube por empresa, instalador y referencia</source>
        <translation>Searches for devices in the cloud by company, installer and reference</translation>
    </message>
    <message>
        <source>Posición del equipo en el mapa</source>
        <translation>Device position on the map</translation>
    </message>
    <message>
        <source>Actualización del firmware del circuito</source>
        <translation>Device firmware update</translation>
    </message>
    <message>
        <source>Registro de eventos del equipo</source>
        <translation>Device event log</translation>
    </message>
    <message>
        <source>Conecta o desconecta la comunicación remota con el equipo</source>
        <translation>Connects or disconnects remote communication with the device</translation>
    </message>
    <message>
        <source>Reset del circuito</source>
        <translation>Device Reset</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Send to ARC</translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation>Check for new versions to update</translation>
    </message>
    <message>
        <source>Parámetro : </source>
        <translation>Parameter: </translation>
    </message>
    <message>
        <source>a partir de </source>
        <translation>starting at </translation>
    </message>
    <message>
        <source>Funcionamiento del botón </source>
        <translation>Operation of button </translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>No se ha podido guardar el archivo %1: %2</source>
        <translation>Could not save the file %1: %2</translation>
    </message>
    <message>
        <source>Libro de Excel (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>no se ha indicado ningún archivo</source>
        <translation>no file has been specified</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>This IP address is not valid<byte value="xd"/>Please enter a correct address</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>This e-mail address is not valid<byte value="xd"/>Please enter a correct address</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>Coordenadas del equipo</source>
        <translation>Device coordinates</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nueva actualización</source>
        <translation>New update</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Download now</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>NamedStrings</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>System start-up</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>A software Reset has occurred</translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation>Error 0x01</translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation>Error 0x02</translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation>Hardware failure</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>Writing the parameters to Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>Reading the parameters from Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Periodic test</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Transmission to ARC queued: </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Transmission to server queued:</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>E-mail transmission queued: </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>SMS transmission queued: </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Error updating the time from the server</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Time updated from the server</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Command sent</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM not initialised</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM initialised</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Sending hex via COM: </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Sending string via COM: </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>GPRS module not initialised</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>GPRS module initialised</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>GPRS module switched on</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>GPRS module switched off</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Sent via GPRS: </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING received</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Received via GPRS: </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS: Cannot resolve DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS: Socket open for too long</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS: Socket error</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Error updating the time from GPRS</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>Time updated from GPRS</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>GPRS module detected</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>PIN missing</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>Searching for SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM and PIN correct</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>GPRS module ready</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>GPRS connection established</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS: Sent to ARC (deleted): </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS: Sent to ARC: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS: E-mail sent: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS: E-mail sent (deleted):</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS: SMS sent: </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS: SMS sent (deleted):</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS: SMS received</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS: Two-way mode with the panel started</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS: Two-way mode with the panel ended</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet disabled</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet enabled</translation>
    </message>
    <message>
        <source>ADSL: LinkDown</source>
        <translation>ADSL: LinkDown</translation>
    </message>
    <message>
        <source>ADSL: LinkUp</source>
        <translation>ADSL: LinkUp</translation>
    </message>
    <message>
        <source>ADSL: 10 MBit/Full</source>
        <translation>ADSL: 10 MBit/Full</translation>
    </message>
    <message>
        <source>ADSL: Error de negociación</source>
        <translation>ADSL: Negotiation error</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL: DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL: Response received from ARC: </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL: Socket opened to ARC</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL: Socket to ARC closed</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL: Resolving DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL: Sent to ARC (deleted): </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL: Sent to ARC: </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL: Starting connection to the server</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL: Connected to the network</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL: Connected to the server</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL: Subscribed to the server</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL: Server connection error</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL: Network connection error</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL: Server response error</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL: Sent to the server</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL: E-mail sent (deleted): </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL: E-mail sent: </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL: Two-way mode with the panel started</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL: Two-way mode with the panel ended</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>I/O not initialised</translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation>I/O initialised</translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation>Input activated: </translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation>Input restored: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Output activated: </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Output restored: </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Loss of </translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation>Restored </translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation>Tamper activated</translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation>Power supply restored</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Low power supply</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Tamper restored</translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>Output change not allowed: </translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>Communication with the panel lost</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>Panel responding</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Data received: </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Sending command to the panel: </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Remote control command: </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Loss of communication with the panel</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Communication with the panel restored</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Received from the panel: </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Two-way data received from the panel: </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>start of Test z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>end of test z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>start of Alarm z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>end of alarm z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>start of Fault z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>end of fault z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>start of Disablement z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>end of disablement z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Communication failure between interface and panel</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Communication restored between interface and panel</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Sending user command to the panel</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Received from panel:</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>No communication with the panel</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Panel response</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Start of Detector Alarm z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>End of Detector alarm z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Start of Manual Call Point Alarm z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>End of Manual Call Point alarm z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Start of Fault z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>End of fault z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Start of Disablement z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>End of disablement z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Start of Test z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>End of test z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Start of Alarm in Test z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>End of alarm in Test z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>220V mains failure</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>220V mains restored</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Battery failure</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Battery restored</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Sensor alarm</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Technical alarm</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Heat alarm</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Smoke alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Manual call point alarm (MCP)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Manual call point alarm &apos;Double&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Fire test alarm</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Test alarm, not configured</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Repeater communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Panel communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Controller communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>&apos;Remote&apos; module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>CID module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Red2 module communication fault</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Battery charger fault</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Faulty battery</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Battery missing fault</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Battery discharged fault</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Battery overcharged fault</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Low voltage fault</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Overvoltage fault</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>No power supply fault</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>30V output fault</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Loop short-circuit fault</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Sensor fault</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dirty sensor fault</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Loop open-circuit fault</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Loop current fault</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Point not responding fault</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>KMAY SUC fault</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>KMAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>KMAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>MSTAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>MSTAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Technical fault</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Relay open-line fault</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Relay short-circuit fault</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Relay not active fault</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Relay 24V fault</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone disabled</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point Disabled</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>LOOP FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>SOUNDER FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>POWER SUPPLY FAULT</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>EARTH FAULT</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>OUT OF SERVICE FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>SYSTEM FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>RS-485/232 FAULT</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>DEVICE NOT RESPONDING</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>DOUBLE RESPONSE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE CHANGED</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>OPEN CIRCUIT IN ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>SHORT CIRCUIT IN ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>DIRTY DEVICE</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Cargar tel.</source>
        <translation>Load tel.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Cargar usuario</source>
        <translation>Load user</translation>
    </message>
    <message>
        <source>Importar fichero</source>
        <translation>Import file</translation>
    </message>
    <message>
        <source>Exportar fichero</source>
        <translation>Export file</translation>
    </message>
    <message>
        <source>Borrar eventos del equipo</source>
        <translation>Delete events from device</translation>
    </message>
    <message>
        <source>Borrar zonas del equipo</source>
        <translation>Delete zones from device</translation>
    </message>
    <message>
        <source>Velocidad (baudios)</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Fichero de eventos</source>
        <translation>Event file</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Comunicación con la central</source>
        <translation>Communication with the panel</translation>
    </message>
    <message>
        <source>Mensajes de la central</source>
        <translation>Panel messages</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>T. activando</source>
        <translation>T. activating</translation>
    </message>
    <message>
        <source>T. activado</source>
        <translation>T. activated</translation>
    </message>
    <message>
        <source>T. desactivando</source>
        <translation>T. deactivating</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Empresa</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Teléfono</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Contraseña SMS</source>
        <translation>SMS password</translation>
    </message>
    <message>
        <source>Código de programación</source>
        <translation>Programming code</translation>
    </message>
    <message>
        <source>PIN de la SIM</source>
        <translation>SIM PIN</translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Dirección MAC</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>ADSL</source>
        <translation>ADSL</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Dirección IP</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Máscara de subred</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS primario</source>
        <translation>Primary DNS</translation>
    </message>
    <message>
        <source>DNS secundario</source>
        <translation>Secondary DNS</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Zona horaria</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation>Active parts</translation>
    </message>
    <message>
        <source>Operadores</source>
        <translation>Operators</translation>
    </message>
    <message>
        <source>Correo electrónico</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Servidor SMTP</source>
        <translation>SMTP server</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remitente</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Asunto</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>CRA</source>
        <translation>ARC</translation>
    </message>
    <message>
        <source>IP CRA 1.1</source>
        <translation>ARC 1.1 IP</translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>IP CRA 1.2</source>
        <translation>ARC 1.2 IP</translation>
    </message>
    <message>
        <source>IP CRA 2.1</source>
        <translation>ARC 2.1 IP</translation>
    </message>
    <message>
        <source>IP CRA 2.2</source>
        <translation>ARC 2.2 IP</translation>
    </message>
    <message>
        <source>Polling (s)</source>
        <translation>Polling (s)</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Aplicación</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Teléfonos SMS</source>
        <translation>SMS telephones</translation>
    </message>
    <message>
        <source>Teléfono 1</source>
        <translation>Telephone 1</translation>
    </message>
    <message>
        <source>Teléfono 2</source>
        <translation>Telephone 2</translation>
    </message>
    <message>
        <source>Teléfono 3</source>
        <translation>Telephone 3</translation>
    </message>
    <message>
        <source>Teléfono 4</source>
        <translation>Telephone 4</translation>
    </message>
    <message>
        <source>Direcciones de correo</source>
        <translation>E-mail addresses</translation>
    </message>
    <message>
        <source>E-mail 1</source>
        <translation>E-mail 1</translation>
    </message>
    <message>
        <source>E-mail 2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>E-mail 3</source>
        <translation>E-mail 3</translation>
    </message>
    <message>
        <source>E-mail 4</source>
        <translation>E-mail 4</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA</source>
        <translation>AGUILERA FIRE PANEL</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Zone list</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>BC600/216 FIRE PANEL</translation>
    </message>
    <message>
        <source>EQUIPO INDUSTRIAL</source>
        <translation>INDUSTRIAL DEVICE</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>ACCESS CONTROL</translation>
    </message>
    <message>
        <source>Botón 1</source>
        <translation>Button 1</translation>
    </message>
    <message>
        <source>Botón 2</source>
        <translation>Button 2</translation>
    </message>
    <message>
        <source>Botón 3</source>
        <translation>Button 3</translation>
    </message>
    <message>
        <source>Botón 4</source>
        <translation>Button 4</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Telephones</translation>
    </message>
    <message>
        <source>Usuarios</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>COFEM FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>URANO FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>SYNCRO FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BOSCH</source>
        <translation>BOSCH FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>AD300 FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>SUPRA FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>COFEM ZAFIR FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>ID3000 FIRE PANEL</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Mensajes de las entradas</source>
        <translation>Input messages</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Temporización</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>Salidas activadas por entradas</source>
        <translation>Outputs activated by inputs</translation>
    </message>
    <message>
        <source>Mensajes de las salidas</source>
        <translation>Output messages</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Test message</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Mensajes de tamper</source>
        <translation>Tamper messages</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Power supply</translation>
    </message>
    <message>
        <source>Mensajes de alimentación</source>
        <translation>Power supply messages</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Communication losses</translation>
    </message>
    <message>
        <source>Config. hard</source>
        <translation>HW config.</translation>
    </message>
    <message>
        <source>Config. soft</source>
        <translation>SW config.</translation>
    </message>
    <message>
        <source>Aguilera</source>
        <translation>Aguilera</translation>
    </message>
    <message>
        <source>BC600/216</source>
        <translation>BC600/216</translation>
    </message>
    <message>
        <source>Industrial</source>
        <translation>Industrial</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Cofem</source>
        <translation>Cofem</translation>
    </message>
    <message>
        <source>Urano</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Syncro</source>
        <translation>Syncro</translation>
    </message>
    <message>
        <source>Bosch</source>
        <translation>Bosch</translation>
    </message>
    <message>
        <source>AD300</source>
        <translation>AD300</translation>
    </message>
    <message>
        <source>Supra</source>
        <translation>Supra</translation>
    </message>
    <message>
        <source>Cofem Zafir</source>
        <translation>Cofem Zafir</translation>
    </message>
    <message>
        <source>ID3000</source>
        <translation>ID3000</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>KOMTTECH FIRE PANEL</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>INPUTS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>OUTPUTS</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SYSTEM</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>ERROR / RESTORE</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Pulse mode</translation>
    </message>
</context>
<context>
    <name>PanelScreens</name>
    <message>
        <source>CENTRAL AGUILERA   AE/SA - AGE</source>
        <translation>AGUILERA PANEL   AE/SA - AGE</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>FAULT</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>DISABL.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILENCE</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>RESTORE</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  PROCESS IN PROGRESS</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Please wait a moment ...</translation>
    </message>
    <message>
        <source>ZONAS</source>
        <translation>ZONES</translation>
    </message>
    <message>
        <source>ESTADO</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>SIRENAS</source>
        <translation>SOUNDERS</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>DISABLEMENT</translation>
    </message>
    <message>
        <source>RED 220 V</source>
        <translation>MAINS 220 V</translation>
    </message>
    <message>
        <source>SILENCIO ZUMBADOR</source>
        <translation>SILENCE BUZZER</translation>
    </message>
    <message>
        <source>SILENCIO SIRENAS</source>
        <translation>SILENCE SOUNDERS</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS</source>
        <translation>ACTIVATE SOUNDERS</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>ENABLE DISABLE</translation>
    </message>
    <message>
        <source>PRUEBA AVANCE</source>
        <translation>STEP TEST</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Activated outputs</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Technical messages</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Disablements</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>RESET ZUMBADOR</source>
        <translation>RESET BUZZER</translation>
    </message>
    <message>
        <source>SILENCIO EQUIPOS</source>
        <translation>SILENCE DEVICES</translation>
    </message>
    <message>
        <source>RESET SIRENAS</source>
        <translation>RESET SOUNDERS</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>K-CONECTA</source>
        <translation>K-CONECTA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS K-CONECTA</source>
        <translation>K-CONECTA FIRE PANEL</translation>
    </message>
    <message>
        <source>BATERIA</source>
        <translation>BATTERY</translation>
    </message>
    <message>
        <source>AVERIA GENERAL</source>
        <translation>GENERAL FAULT</translation>
    </message>
    <message>
        <source>AVERIA ALIMENTACION</source>
        <translation>POWER SUPPLY FAULT</translation>
    </message>
    <message>
        <source>RELE SIRENAS</source>
        <translation>SOUNDER RELAY</translation>
    </message>
    <message>
        <source>RELE AVERIA</source>
        <translation>FAULT RELAY</translation>
    </message>
    <message>
        <source>AVERIA BATERIA</source>
        <translation>BATTERY FAULT</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Silence buzzer</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Silence sounders</translation>
    </message>
    <message>
        <source>Rearme</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM  ZAFIR</source>
        <translation>COFEM ZAFIR FIRE PANEL</translation>
    </message>
    <message>
        <source>DISPARO</source>
        <translation>ACTIVATION</translation>
    </message>
    <message>
        <source>SILENCIAR</source>
        <translation>SILENCE</translation>
    </message>
    <message>
        <source>DETNOV</source>
        <translation>DETNOV</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS</source>
        <translation>FIRE PANEL</translation>
    </message>
    <message>
        <source>Esta central no envía su estado al equipo</source>
        <translation>This panel does not send its status to the device</translation>
    </message>
    <message>
        <source>FUEGO</source>
        <translation>FIRE</translation>
    </message>
    <message>
        <source>SERVICIO</source>
        <translation>IN SERVICE</translation>
    </message>
    <message>
        <source>ZUMBADOR SILENCIADO</source>
        <translation>BUZZER SILENCED</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>SYNCRO FIRE PANEL</translation>
    </message>
    <message>
        <source>ALARMA GENERAL</source>
        <translation>GENERAL ALARM</translation>
    </message>
    <message>
        <source>RUTA DE FUEGO</source>
        <translation>FIRE ROUTING</translation>
    </message>
    <message>
        <source>PREALARMA</source>
        <translation>PRE-ALARM</translation>
    </message>
    <message>
        <source>DESACTIVACION</source>
        <translation>DISABLEMENT</translation>
    </message>
    <message>
        <source>ALIMENTACION</source>
        <translation>POWER SUPPLY</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>AD300 FIRE PANEL</translation>
    </message>
    <message>
        <source>ENTERADO</source>
        <translation>ACKNOWLEDGE</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Fault</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Test</translation>
    </message>
    <message>
        <source>FALLO SISTEMA</source>
        <translation>SYSTEM FAULT</translation>
    </message>
    <message>
        <source>ANULADO</source>
        <translation>DISABLED</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>ZONAS ANULADAS</source>
        <translation>DISABLED ZONES</translation>
    </message>
    <message>
        <source>ZONAS EN PRUEBA</source>
        <translation>ZONES IN TEST</translation>
    </message>
    <message>
        <source>FALLO A TIERRA</source>
        <translation>EARTH FAULT</translation>
    </message>
    <message>
        <source>FALLO ALIMENTACION</source>
        <translation>POWER SUPPLY FAULT</translation>
    </message>
    <message>
        <source>FALLO SIRENAS</source>
        <translation>SOUNDER FAULT</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>URANO FIRE PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>KOMTTECH FIRE PANEL</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>SUPRA FIRE PANEL</translation>
    </message>
    <message>
        <source>SIRENAS SILENCIADAS</source>
        <translation>SOUNDERS SILENCED</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ALARM STATUS: </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONE IN ALARM</translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> FAULT STATUS: </translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONE IN FAULT</translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> DISABLEMENT STATUS: </translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONE DISABLED</translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> TEST STATUS: </translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONE IN TEST</translation>
    </message>
    <message>
        <source>Zona de sistema</source>
        <translation>System zone</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (TEST)</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zones</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>User level</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Installer level</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>This file already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Error saving: </translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>This file is not valid</translation>
    </message>
    <message>
        <source>Equipo no configurado</source>
        <translation>Device not configured</translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation>Heat sensor</translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation>Ionisation sensor</translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation>Optical sensor (photoelectric)</translation>
    </message>
    <message>
        <source>Pulsador Manual de Alarma (MCP)</source>
        <translation>Manual call point (MCP)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Output control module</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Input module</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Sprinkler system module</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>VIEW sensor</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Conventional zone CDI module</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Sounder output</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>AUXILIARY module (technical signal)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Conventional zone monitor module (ZMX or M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Multi-criteria sensor</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Activated outputs</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Technical messages</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Disablements</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FIRE: </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>EVACUATION: </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERT: </translation>
    </message>
    <message>
        <source>PREALARMA: </source>
        <translation>PRE-ALARM: </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SECURITY: </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>FAULT: </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>DISABLEMENT: </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>TECHNICAL ALARM: </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>TEST MODE</translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>TEST: </translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Short circuit on loop</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Open circuit on loop</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Monitored output fault</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>zone disabled</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Audible test mode</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Please check the internet connection</translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation>Event: </translation>
    </message>
    <message>
        <source> de </source>
        <translation> of </translation>
    </message>
    <message>
        <source>DESCONEXION ZONA</source>
        <translation>ZONE DISABLEMENT</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Fault</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Test</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Logical address</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>PANEL UNDER REMOTE CONTROL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>FIRE PANEL </translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Disablement</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMS                                      TYPE:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>ACTIVATION                                  RELAY:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>FAULTS                                       TYPE:</translation>
    </message>
    <message>
        <source>Avería Relé</source>
        <translation>Relay fault</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Fault</translation>
    </message>
</context>
<context>
    <name>ParameterDictionary</name>
    <message>
        <source>No se encuentra el recurso %1</source>
        <translation>Resource %1 not found</translation>
    </message>
    <message>
        <source>No existe el texto &quot;%1&quot; de la información %2</source>
        <translation>The text &quot;%1&quot; of information %2 does not exist</translation>
    </message>
</context>
<context>
    <name>SignIn</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERROR!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>E-mail address not registered.<byte value="xd"/>Please enter the requested details.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Por favor, siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation>E-mail address not verified.<byte value="xd"/>Please follow the instructions sent to your e-mail to complete the verification<byte value="xd"/>Then press &quot;New user&quot; again</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>You cannot access the program because you are not an installer</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>Incorrect e-mail address.<byte value="xd"/>Please make sure you enter a valid e-mail address.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Invalid password.<byte value="xd"/>Please enter the correct password.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Too many failed attempts.<byte value="xd"/>Please wait a moment and try again.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>Access is not possible because this user has been disabled</translation>
    </message>
    <message>
        <source>Error de acceso a RealTime DataBase</source>
        <translation>Error accessing the RealTime DataBase</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>WARNING!<byte value="xd"/>A message has been sent to </translation>
    </message>
    <message>
        <source> para su verificación<byte value="xd"/>Siga las instrucciones que se indican<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation> for verification<byte value="xd"/>Follow the instructions given<byte value="xd"/>Then press &quot;New user&quot; again</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>WARNING!<byte value="xd"/>To request the password you must enter the e-mail address<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>ERROR!<byte value="xd"/>A message could not be sent to </translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> to reset the password</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Database access error: </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>The company, installer or reference does not match those of this user.<byte value="xd"/>Please enter the correct details or register a new user</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quelta Z20K3 CLOUD<byte value="xd"/>
<byte value="xd"/>
Ya hay una versión de este programa ejecutándose <byte value="xd"/>
maximícelo desde la barra de tareas de Windows.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Quelta Z20K3 CLOUD<byte value="xd"/>
<byte value="xd"/>
Another instance of this program is already running <byte value="xd"/>
please maximise it from the Windows taskbar.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TimeZones</name>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific Time (US &amp; Canada), Tijuana</source>
        <translation>Pacific Time (US &amp; Canada), Tijuana</translation>
    </message>
    <message>
        <source>Mountain Time (US &amp; Canada), Chihuahua, Mazatlan</source>
        <translation>Mountain Time (US &amp; Canada), Chihuahua, Mazatlan</translation>
    </message>
    <message>
        <source>Central Time (US &amp; Canada), Central America, Mexico City</source>
        <translation>Central Time (US &amp; Canada), Central America, Mexico City</translation>
    </message>
    <message>
        <source>Eastern Time (US &amp; Canada), Bogota, Lima, Quito</source>
        <translation>Eastern Time (US &amp; Canada), Bogota, Lima, Quito</translation>
    </message>
    <message>
        <source>Atlantic Time (Canada), Caracas, La Paz, Santiago</source>
        <translation>Atlantic Time (Canada), Caracas, La Paz, Santiago</translation>
    </message>
    <message>
        <source>Brasilia, Buenos Aires, Montevideo, Greenland</source>
        <translation>Brasilia, Buenos Aires, Montevideo, Greenland</translation>
    </message>
    <message>
        <source>Mid-Atlantic, Fernando de Noronha</source>
        <translation>Mid-Atlantic, Fernando de Noronha</translation>
    </message>
    <message>
        <source>Azores, Cape Verde Is.</source>
        <translation>Azores, Cape Verde Is.</translation>
    </message>
    <message>
        <source>Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation>Dublin, Edinburgh, Lisbon, London, Reykjavik, Casablanca</translation>
    </message>
    <message>
        <source>Amsterdam, Berlin, Brussels, Madrid, Paris, Belgrade, Budapest, West Central Africa</source>
        <translation>Amsterdam, Berlin, Brussels, Madrid, Paris, Belgrade, Budapest, West Central Africa</translation>
    </message>
    <message>
        <source>Athens, Bucharest, Helsinki, Riga, Cairo, Jerusalem</source>
        <translation>Athens, Bucharest, Helsinki, Riga, Cairo, Jerusalem</translation>
    </message>
    <message>
        <source>Moscow, St. Petersburg, Istanbul, Riyadh, Nairobi</source>
        <translation>Moscow, St. Petersburg, Istanbul, Riyadh, Nairobi</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat, Baku, Tbilisi</source>
        <translation>Abu Dhabi, Muscat, Baku, Tbilisi</translation>
    </message>
    <message>
        <source>Islamabad, Karachi, Tashkent</source>
        <translation>Islamabad, Karachi, Tashkent</translation>
    </message>
    <message>
        <source>Astana, Dhaka, Omsk</source>
        <translation>Astana, Dhaka, Omsk</translation>
    </message>
    <message>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>Bangkok, Hanoi, Jakarta</translation>
    </message>
    <message>
        <source>Beijing, Hong Kong, Perth, Singapore, Taipei</source>
        <translation>Beijing, Hong Kong, Perth, Singapore, Taipei</translation>
    </message>
    <message>
        <source>Osaka, Sapporo, Tokyo, Seoul</source>
        <translation>Osaka, Sapporo, Tokyo, Seoul</translation>
    </message>
    <message>
        <source>Brisbane, Canberra, Melbourne, Sydney, Vladivostok</source>
        <translation>Brisbane, Canberra, Melbourne, Sydney, Vladivostok</translation>
    </message>
    <message>
        <source>Magadan, Solomon Is., New Caledonia</source>
        <translation>Magadan, Solomon Is., New Caledonia</translation>
    </message>
    <message>
        <source>Auckland, Wellington, Fiji</source>
        <translation>Auckland, Wellington, Fiji</translation>
    </message>
    <message>
        <source>Nuku alofa, Samoa</source>
        <translation>Nuku&apos;alofa, Samoa</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>        Registrado por: </source>
        <translation>        Registered by: </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        no internet</translation>
    </message>
</context>
<context>
    <name>quelta::AboutBox</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Check the internet connection</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>The Company field cannot be empty</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>The Key field cannot be empty</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Key too short. Minimum 6 characters</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>This company/installer/reference does not exist<byte value="xd"/>The changes cannot be saved</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Incorrect key<byte value="xd"/>Please enter the correct key</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>The changes have been saved successfully</translation>
    </message>
</context>
<context>
    <name>quelta::CloudSnapshot</name>
    <message>
        <source>Cobertura:</source>
        <translation>Signal:</translation>
    </message>
    <message>
        <source>DESACTIVADO</source>
        <translation>DISABLED</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Last data received: </translation>
    </message>
</context>
<context>
    <name>quelta::ContactLists</name>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Database access error: </translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Import the operator list</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Export the operator list</translation>
    </message>
    <message>
        <source>Listado de operadoras|*.txt</source>
        <translation>Operator list|*.txt</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Import the telephone list</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Export the telephone list</translation>
    </message>
    <message>
        <source>Listado de teléfonos|*.txt</source>
        <translation>Telephone list|*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>All operators will be deleted from the device<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>Deleting the operator list</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operator: </translation>
    </message>
    <message>
        <source>  APN</source>
        <translation>  APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>La fila %1 tiene una coma o un salto de línea, que el fichero no puede guardar</source>
        <translation>Row %1 contains a comma or a line break, which the file cannot store</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>The telephone list cannot be read without an internet connection</translation>
    </message>
    <message>
        <source>Número no válido: </source>
        <translation>Invalid number: </translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>The user list cannot be read without an internet connection</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>This e-mail address does not exist</translation>
    </message>
</context>
<context>
    <name>quelta::DeviceDirectory</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No internet connection</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>You are remotely connected to a device<byte value="xd"/>
To access other devices, you must first close this connection</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
There cannot be a reference without an installer<byte value="xd"/>
Please enter an installer or delete the reference<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The key is incorrect.<byte value="xd"/>
Please enter the key<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Key too short. Minimum 6 characters<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Server connection error: <byte value="xd"/>Could not access the database<byte value="xd"/>Check the internet connection</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
The key entered does not match the registered one<byte value="xd"/>
Please enter the correct key</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>The Company field cannot be empty</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Check the internet connection</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The company/installer/reference data do not exist in the database.<byte value="xd"/>
Do you want to register them?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
No device found for this company/installer/reference<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>A device is connected to the USB port.<byte value="xd"/>
Disconnect the USB port before connecting over the internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>This device is not connected via ADSL but is connected via GPRS<byte value="xd"/>
To access the device, double-click the GPRS cell</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>This device is not connected via GPRS but is connected via ADSL<byte value="xd"/>
To access the device, double-click the ADSL cell</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>Are you sure you want to delete the device </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancel </translation>
    </message>
</context>
<context>
    <name>quelta::DeviceSession</name>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>A device is connected to the USB port.<byte value="xd"/>
Disconnect the USB port before connecting over the internet</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>Connecting to the device</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>This port cannot be opened<byte value="xd"/>
Unplug the cable and plug it in again</translation>
    </message>
</context>
<context>
    <name>quelta::DoorsScreen</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Check the internet connection</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>User not enabled</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Open command</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Close command</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>Waiting ...</translation>
    </message>
</context>
<context>
    <name>quelta::EventHistoryScreen</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>EVENT LOG</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No internet connection</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Panel under remote control<byte value="xd"/>The programming cannot be accessed</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No device connected</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>The history cannot be read without an internet connection</translation>
    </message>
    <message>
        <source>Identificador de equipo no válido: %1</source>
        <translation>Invalid device identifier: %1</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Server connection error</translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Invalid response from the server</translation>
    </message>
</context>
<context>
    <name>quelta::EventTextFiles</name>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Import the event list</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Export the event list</translation>
    </message>
    <message>
        <source>Listado de eventos |*.txt</source>
        <translation>Event list |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>All programmed events will be deleted from the device<byte value="xd"/>
Are you sure?</translation>
    </message>
</context>
<context>
    <name>quelta::LinkSupervisor</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	HARDWARE CONFLICT<byte value="xd"/>
<byte value="xd"/>
This device cannot be read with this program<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> Cannot access the port:</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>Communication with the Quelta device has been interrupted</translation>
    </message>
</context>
<context>
    <name>quelta::MapScreen</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No internet connection</translation>
    </message>
    <message>
        <source>INFO GPS</source>
        <translation>GPS INFO</translation>
    </message>
    <message>
        <source>No se dispone de las coordenadas del equipo</source>
        <translation>The device&apos;s coordinates are not available</translation>
    </message>
</context>
<context>
    <name>quelta::PanelOrders</name>
    <message>
        <source>Central no conectada</source>
        <translation>Panel not connected</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>Rearming the panel from the PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Panel restore from the PC</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Silence buzzer from the PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Acknowledged    </translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Silence sounder from the PC</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Panel reset from the PC</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Sounder activation from the PC</translation>
    </message>
</context>
<context>
    <name>quelta::Programming</name>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>The current values will be erased and the factory values restored<byte value="xd"/>
<byte value="xd"/>
Do you agree?</translation>
    </message>
</context>
<context>
    <name>quelta::ProgrammingLock</name>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Panel under remote control<byte value="xd"/>The programming cannot be accessed</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código demasiado corto. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Code too short. Minimum 6 characters<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Checking the access code ... <byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>quelta::ReadEngine</name>
    <message>
        <source>Leyendo</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operator: </translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>quelta::Registration</name>
    <message>
        <source>Sesión cerrada</source>
        <translation>Session closed</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERROR!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Company not registered<byte value="xd"/>Please enter the missing data</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>The E-mail field cannot be empty</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>The Password field cannot be empty</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Password too short. Minimum 6 characters</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>The Company field cannot be empty</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>The Key field cannot be empty</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Key too short. Minimum 6 characters</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>There cannot be a reference without an installer<byte value="xd"/>Please enter an installer or delete the reference</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>ERROR!<byte value="xd"/>Server connection error: <byte value="xd"/>Check the internet connection</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en &quot;Nuevo usuario&quot;</source>
        <translation>WARNING!<byte value="xd"/>User not registered<byte value="xd"/> To register, click &quot;New user&quot;</translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse &quot;Nuevo usuario&quot; para completar el registro</source>
        <translation>Missing data<byte value="xd"/>Click &quot;New user&quot; to complete the registration</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>ERROR!<byte value="xd"/>The Key field does not match the one in the database<byte value="xd"/>Please enter the correct key</translation>
    </message>
</context>
<context>
    <name>quelta::Shell</name>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>You are connected remotely to a device<byte value="xd"/>
Close this connection before changing the language</translation>
    </message>
</context>
<context>
    <name>quelta::StatusFrameDecoder</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>Communication with the Quelta device has been interrupted</translation>
    </message>
    <message>
        <source>Cobertura:</source>
        <translation>Signal:</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>Connecting to BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Connected to the BC600 panel</translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation> This will change the state of output </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Change </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancel </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Output restored: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Output activated: </translation>
    </message>
</context>
<context>
    <name>quelta::StatusScreen</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DISABLED</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>Searching for module</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>Searching for SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>Registering</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>CONNECTED TO THE NETWORK</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>CONNECTED TO THE INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>CONNECTED TO ARC</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>NO   CONNECTION</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>NO CONNECTION TO ARC</translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Panel not programmed</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>disconnected</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>CONNECTED</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NOT AVAILABLE</translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation>Company: </translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installer: </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Reference: </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identifier: </translation>
    </message>
    <message>
        <source>Firmware: </source>
        <translation>Firmware: </translation>
    </message>
    <message>
        <source>Hardware: </source>
        <translation>Hardware: </translation>
    </message>
    <message>
        <source>Módulo GSM:  </source>
        <translation>GSM module:  </translation>
    </message>
    <message>
        <source>ver.</source>
        <translation>ver.</translation>
    </message>
    <message>
        <source>Operadora: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Imei: </source>
        <translation>IMEI: </translation>
    </message>
    <message>
        <source>SIM: </source>
        <translation>SIM: </translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS: Not available</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL: Not available</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>CONNECTED</translation>
    </message>
</context>
<context>
    <name>quelta::TelecontrolRelay</name>
    <message>
        <source>La dirección no es una dirección IPv4</source>
        <translation>The address is not an IPv4 address</translation>
    </message>
    <message>
        <source>El puerto no es válido</source>
        <translation>The port is not valid</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Make sure the IP and port match those of the AGE44 program</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>The port cannot be empty<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Error accessing the panel IP: <byte value="xd"/></translation>
    </message>
    <message>
        <source>Entrada en Central en Telecontrol</source>
        <translation>Panel entered remote control</translation>
    </message>
    <message>
        <source>Salida de Central en Telecontrol</source>
        <translation>Panel left remote control</translation>
    </message>
</context>
<context>
    <name>quelta::Templates</name>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>An error occurred while loading the template<byte value="xd"/>
<byte value="xd"/>
ERROR: </translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>To save a template with all fields, click [All]<byte value="xd"/>
To save a template with the marked fields, click [Red]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>This template already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Template created successfully    </translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Template loaded    </translation>
    </message>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>This template is not valid</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>The panel type of the template and of the device do not match</translation>
    </message>
</context>
<context>
    <name>quelta::WriteEngine</name>
    <message>
        <source>Programando</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>Restoring</translation>
    </message>
</context>
<context>
    <name>quelta::ZoneList</name>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Import the zone list</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Export the zone list</translation>
    </message>
    <message>
        <source>Listado de zonas |*.txt</source>
        <translation>Zone list |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>All programmed zones will be deleted from the device<byte value="xd"/>
Are you sure?</translation>
    </message>
</context>
<context>
    <name>quelta::ui::BidiSettingsDialog</name>
    <message>
        <source>Bidi</source>
        <translation>Two-way</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Exit without changes</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>quelta::ui::BrokerSettingsDialog</name>
    <message>
        <source>Servidor MQTT</source>
        <translation>MQTT server</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>quelta::ui::DeviceDirectoryView</name>
    <message>
        <source>EMPRESA: </source>
        <translation>COMPANY: </translation>
    </message>
    <message>
        <source>INSTALADOR: </source>
        <translation>INSTALLER: </translation>
    </message>
    <message>
        <source>REFERENCIA: </source>
        <translation>REFERENCE: </translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>SEARCH</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Double-click to access or delete the device</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installer: </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Reference: </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identifier: </translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>INTRODUZCA LA CLAVE</source>
        <translation>ENTER THE KEY</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventHistoryView</name>
    <message>
        <source>Exportar a Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>From: </translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Clear the date</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventLogView</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>GENERAL STATUS</translation>
    </message>
</context>
<context>
    <name>quelta::ui::MapView</name>
    <message>
        <source>Mapa no disponible sin conexión a internet</source>
        <translation>Map not available without an internet connection</translation>
    </message>
</context>
<context>
    <name>quelta::ui::RemotePanel</name>
    <message>
        <source>Desconectar</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>COMUNICACION REMOTA</source>
        <translation>REMOTE COMMUNICATION</translation>
    </message>
    <message>
        <source>Identificador del equipo</source>
        <translation>Device identifier</translation>
    </message>
</context>
<context>
    <name>quelta::ui::StatusView</name>
    <message>
        <source>ENTRADAS</source>
        <translation>INPUTS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>OUTPUTS</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Power supply</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Send to ARC</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>INTERFACE ERROR</translation>
    </message>
    <message>
        <source>INTERFACE OK</source>
        <translation>INTERFACE OK</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFAjuda</name>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Privacidad</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Registrar</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Software de programación</source>
        <translation>Programming software</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Correo electrónico: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>Alias: </source>
        <translation>Alias: </translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installer: </translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>La clave de la empresa, instalador o referencia elegidos</source>
        <translation>The key of the chosen company, installer or reference</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver la clave</source>
        <translation>Hold down to show the key</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este programa guarda el correo electrónico, el alias y los nombres de empresa, instalador y referencia del instalador. En este PC guarda además el correo electrónico y la contraseña, cifrados, en la configuración del usuario.&lt;/p&gt;&lt;p&gt;El directorio en la nube contiene los identificadores de los equipos, sus referencias y sus últimos estados, y un registro de las acciones realizadas con el correo electrónico del usuario que las hizo.&lt;/p&gt;&lt;p&gt;Estos datos se usan solo para dar acceso remoto a los equipos y su historial a la empresa del instalador. El responsable de los datos es la empresa que opera el servicio en la nube; el instalador puede pedirle el acceso a sus datos o que los borre.&lt;/p&gt;&lt;p&gt;&quot;Cerrar sesión&quot; borra de este PC la contraseña guardada.&lt;/p&gt;</source>
        <translation>&lt;p&gt;This program stores the e-mail address, the alias and the names of the installer&apos;s company, installer and reference. On this PC it also stores the e-mail address and the password, encrypted, in the user settings.&lt;/p&gt;&lt;p&gt;The cloud directory contains the device identifiers, their references and their latest states, and a log of the actions performed, with the e-mail address of the user who performed them.&lt;/p&gt;&lt;p&gt;These data are used only to give the installer&apos;s company remote access to the devices and their history. The data controller is the company that operates the cloud service; the installer can ask it for access to their data or for their deletion.&lt;/p&gt;&lt;p&gt;&quot;Log out&quot; deletes the saved password from this PC.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFInfo</name>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Serial port and TCP information</translation>
    </message>
    <message>
        <source>Enviar al GSM</source>
        <translation>Send to GSM</translation>
    </message>
    <message>
        <source>Enviar al Quelta</source>
        <translation>Send to Quelta</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Gsm</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Uart</source>
        <translation>UART</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Hexa</source>
        <translation>Hex</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFPrincipalQueltaES</name>
    <message>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>USB port</translation>
    </message>
    <message>
        <source> CODIGO DE PROGRAMACION</source>
        <translation> PROGRAMMING CODE</translation>
    </message>
    <message>
        <source>El circuito está protegido y no se puede acceder a su programación. Para desbloquear entre el código de programación.</source>
        <translation>The device is protected and its programming cannot be accessed. To unlock it, enter the programming code.</translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Programación</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Read the device</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Program the device</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Save template</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Import template data</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Two-way</translation>
    </message>
    <message>
        <source>Comunicación</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Remota</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Servidor MQTT...</source>
        <translation>MQTT server...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>NO   CONNECTION</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Template</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFRegistre</name>
    <message>
        <source>Para acceder remotamente al circuito es necesario tenerlo identificando con el nombre de empresa y el instalador correctos</source>
        <translation>To access the device remotely, it must be identified with the correct company name and installer</translation>
    </message>
    <message>
        <source>Formulario de registro</source>
        <translation>Registration form</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Introduzca el correo electrónico y la contraseña con los que se registró.
Si aún no tiene usuario, pulse &quot;Nuevo usuario&quot;.</source>
        <translation>Enter the e-mail address and password you registered with.
If you do not have a user yet, click &quot;New user&quot;.</translation>
    </message>
    <message>
        <source>EMPRESA: </source>
        <translation>COMPANY: </translation>
    </message>
    <message>
        <source>INSTALADOR: </source>
        <translation>INSTALLER: </translation>
    </message>
    <message>
        <source>REFERENCIA: </source>
        <translation>REFERENCE: </translation>
    </message>
    <message>
        <source>CLAVE:</source>
        <translation>KEY:</translation>
    </message>
    <message>
        <source>ALIAS: </source>
        <translation>ALIAS: </translation>
    </message>
    <message>
        <source>CORREO ELECTRONICO:</source>
        <translation>E-MAIL:</translation>
    </message>
    <message>
        <source>CONTRASEÑA: </source>
        <translation>PASSWORD: </translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>Forgotten your password?</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>New user</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Mandatory fields</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver el texto</source>
        <translation>Hold down to show the text</translation>
    </message>
</context>
<context>
    <name>quelta::ui::UpdateView</name>
    <message>
        <source>Actualización del firmware</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Versión actual :</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>FirmWare:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>HardWare:</source>
        <translation>Hardware:</translation>
    </message>
    <message>
        <source>Versiones a actualizar:</source>
        <translation>Versions available:</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation>DOWNLOAD</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Terminar la actualización</source>
        <translation>Finish the update</translation>
    </message>
</context>
<context>
    <name>quelta::update::UpdateSession</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>UPDATE</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Time-out error -&gt; frame: </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Frame start error: </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Frame end error: </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Frame CRC error: </translation>
    </message>
    <message>
        <source>VERSION : </source>
        <translation>VERSION: </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No internet connection</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No device connected</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>The data received for the update are incorrect</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>Could not connect to the internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>UPDATE ERROR</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> No new update available</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>No update found</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>Could not establish communication with the server<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>TCP connection error: </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>Could not establish communication with the update server<byte value="xd"/>
Check that the PC port is open to receive data</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Update server connection error: </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>The information received from the update server is incorrect<byte value="xd"/>
Closing the connection</translation>
    </message>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Sending ... (Block </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> Starting the update ...</translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Requesting block </translation>
    </message>
    <message>
        <source>Quelta actualizado a la versión </source>
        <translation>Quelta updated to version </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: FALLO DE CRC</source>
        <translation>QUELTA UPDATE: CRC FAILURE</translation>
    </message>
    <message>
        <source>El equipo ha terminado la actualización: </source>
        <translation>The device has finished the update: </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: ERROR GRAVE</source>
        <translation>QUELTA UPDATE: SERIOUS ERROR</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>Communication with the update server has been lost</translation>
    </message>
    <message>
        <source>Actualización interrumpida</source>
        <translation>Update interrupted</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones</source>
        <translation>Communication between the Quelta device and the update server has been interrupted</translation>
    </message>
</context>
</TS>
