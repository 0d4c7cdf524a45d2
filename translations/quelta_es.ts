<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es_ES">
<context>
    <name>Cloud</name>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source>Sesión renovada</source>
        <translation>Sesión renovada</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor<byte value="xd"/></source>
        <translation>Error de conexión con el servidor<byte value="xd"/></translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Respuesta no válida del servidor</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Error de acceso a la base de datos: </translation>
    </message>
    <message>
        <source>datos incompletos</source>
        <translation>datos incompletos</translation>
    </message>
    <message>
        <source>Versión no comprobada: </source>
        <translation>Versión no comprobada: </translation>
    </message>
    <message>
        <source>Versión no válida en el servidor: </source>
        <translation>Versión no válida en el servidor: </translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>Hay una nueva versión disponible<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ruta no válida: </source>
        <translation>Ruta no válida: </translation>
    </message>
    <message>
        <source>Sin sesión iniciada</source>
        <translation>Sin sesión iniciada</translation>
    </message>
    <message>
        <source>Registros de equipo no válidos, omitidos: </source>
        <translation>Registros de equipo no válidos, omitidos: </translation>
    </message>
    <message>
        <source>El servidor no responde</source>
        <translation>El servidor no responde</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Referencia: </source>
        <translation>Referencia: </translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Teléfonos</translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Habilita</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
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
        <translation>¡ ATENCIÓN !</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMACION</translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceptar   </translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Cerrar   </translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sí    </translation>
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
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Conectado</translation>
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
        <translation>Abierta</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Cerrada</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Orden de abrir</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Orden de cerrar</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Abriendo</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Cerrando</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Llamada recibida: abriendo puerta</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>Fuera del horario permitido</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Número no habilitado</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Número no registrado</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Orden dada a la Central</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Orden dada a las Salidas</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>Usuario fuera del horario permitido</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Usuario no habilitado</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>Usuario demasiado lejos</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>Posición del usuario desconocida</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Posición del equipo no registrada</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Entrada no activada</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPCION</translation>
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
        <translation>EMail</translation>
    </message>
    <message>
        <source>Código CID</source>
        <translation>Código CID</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation>Tipo evento</translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation>Texto del mensaje</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation>N. Disp.</translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation>N. Rest.</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>T. Disp.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>T. Rest.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Alarma pulsador</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Alarma detector</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Avería línea Abierta</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Avería línea Cruzada</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Punto Anulado</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Punto en pruebas</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Alarma Pulsador Prueba</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Alarma Detector Prueba</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relé Anulado</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relé Avería línea Abierta</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relé Avería línea Cruzada</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relé Avería 24V</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relé Prealarma</translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation> Relé Disparo</translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation>Relé Aborto</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation> Relé Sirena 1 avería línea Abierta</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Relé Sirena 1 avería línea Cruzada</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Relé Sirena 1 disparo</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Relé Sirena 2 avería línea Abierta</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Relé Sirena 2 avería línea Cruzada</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Relé Sirena 2 disparo</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> Relé Avería General línea Abierta</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> Relé Avería General línea Cruzada</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> Relé Avería General disparo</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Fuente aliment. Avería cargador</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Fuente aliment. Avería batería descargada</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Fuente aliment. Avería sin red</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Fuente aliment. Avería 30V</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Avería batería descargada</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ACTIVACIÓN MANUAL DE EVACUACIÓN</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DISPARO DE SIRENAS MANUAL</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>AVERIA EN LAZO</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>AVERIA EN SIRENAS</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>AVERIA DE ALIMENTACION</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>AVERIA DERIV. A TIERRA</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>AVERIA FUERA DE SERVICIO</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>AVERIA DE SISTEMA</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>AVERIA EN RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ELEMENTO NO RESPONDE</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RESPUESTA DOBLE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TIPO CAMBIADO</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>CORTE EN ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>CRUCE EN ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ELEMENTO SUCIO</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Desconexión</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarma sensor</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarma técnica</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarma temperatura</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarma humo</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarma pulsador (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Alarma pulsador &apos;Doble&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarma prueba incendio</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarma prueba no configurado</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Avería comunicación repetidora</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Avería comunicación central</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Avería comunicación controladora</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Avería comunicación Módulo &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Avería comunicación Módulo CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Avería comunicación Módulo Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Avería cargador baterías</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Avería batería averiada</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Avería sin batería</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Avería batería descargada</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Avería batería sobrecargada</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Avería baja tensión</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Avería sobretensión</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Avería no alimentación</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Avería salida 30v</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Avería bucle cortocircuito</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Avería sensor</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Avería suciedad</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Avería bucle abierto</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Avería consumo bucle</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Avería punto no contesta</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>Avería KMAY SUC</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Avería KMAY cortocircuito</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Avería KMAY circuito abierto</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Avería MSTAY cortocircuito</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Avería MSTAY circuito abierto</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Avería técnica</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Avería Relé linea abierta</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Avería Relé cortocircuito</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Avería Relé no activo</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Avería Relé 24V</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zona en pruebas</translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation>   Operadora</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation>Rest.</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Mensaje disparo/mensaje restaura</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Inicio</translation>
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
        <translation>Alim.</translation>
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
        <translation>CRA</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation>Desac.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>T.Act.</translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation>T.Des.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation>Mensaje activa/Mensaje desactiva</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Hora: (hh:mm)</source>
        <translation>Hora: (hh:mm)</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Mensaje de test</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Mensaje de fallo/Mensaje de recuperación</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>Pérdida GSM</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>Pérdida ADSL</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>Pérdida CRA</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Pérdida Servidor</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>Pérdida COM</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avería</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Prueba</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Comunicación con la Central</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> Perdida tensión 230V</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Fallo Alimentación principal</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Batería baja</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Fallo de tierra</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Sal.</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Activ.</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation>T.Ent</translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation> Fallo circuito abierto</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Fallo cortocircuito</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zona anulada</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Avería cargador baterías</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Avería fallo de baterías</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Avería de la central fallo 220V</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Fuego</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Humo</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustión</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Detector de flujo (agua)</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Calor</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Pulsador</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Detector de conducto</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Detector de alarma</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Identificación</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Configuración DHCP</source>
        <translation>Configuración DHCP</translation>
    </message>
    <message>
        <source>Configuración del software</source>
        <translation>Configuración del software</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Accesos</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Central Aguilera</source>
        <translation>Central Aguilera</translation>
    </message>
    <message>
        <source>Central BC600/216</source>
        <translation>Central BC600/216</translation>
    </message>
    <message>
        <source>Equipo industrial</source>
        <translation>Equipo industrial</translation>
    </message>
    <message>
        <source>Central Cofem</source>
        <translation>Central Cofem</translation>
    </message>
    <message>
        <source>Central Urano</source>
        <translation>Central Urano</translation>
    </message>
    <message>
        <source>Central Syncro</source>
        <translation>Central Syncro</translation>
    </message>
    <message>
        <source>Central Bosch Avenar</source>
        <translation>Central Bosch Avenar</translation>
    </message>
    <message>
        <source>Central AD300</source>
        <translation>Central AD300</translation>
    </message>
    <message>
        <source>Central Supra</source>
        <translation>Central Supra</translation>
    </message>
    <message>
        <source>Central Cofem Zafir</source>
        <translation>Central Cofem Zafir</translation>
    </message>
    <message>
        <source>Central ID3000</source>
        <translation>Central ID3000</translation>
    </message>
    <message>
        <source>Velocidad y paridad de la comunicación RS232 con la central <byte value="xd"/>
Ejemplo: 9600,N</source>
        <translation>Velocidad y paridad de la comunicación RS232 con la central <byte value="xd"/>
Ejemplo: 9600,N</translation>
    </message>
    <message>
        <source>Nombre del último fichero de eventos importado o exportado </source>
        <translation>Nombre del último fichero de eventos importado o exportado </translation>
    </message>
    <message>
        <source>Dirección del circuito como periférico de la central <byte value="xd"/>
Dos dígitos hexadecimales</source>
        <translation>Dirección del circuito como periférico de la central <byte value="xd"/>
Dos dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje </translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código CID y texto del mensaje </translation>
    </message>
    <message>
        <source>Importa de un fichero los mensajes de los eventos de la central </source>
        <translation>Importa de un fichero los mensajes de los eventos de la central </translation>
    </message>
    <message>
        <source>Exporta a un fichero los mensajes de los eventos de la central </source>
        <translation>Exporta a un fichero los mensajes de los eventos de la central </translation>
    </message>
    <message>
        <source>Borra en el circuito los mensajes de los eventos de la central </source>
        <translation>Borra en el circuito los mensajes de los eventos de la central </translation>
    </message>
    <message>
        <source>Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de desactivación de la salida</source>
        <translation>Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de desactivación de la salida</translation>
    </message>
    <message>
        <source>Nombre de la empresa instaladora <byte value="xd"/>
Normalmente coincidirá con el nombre de la empresa que se dado de alta en el programa</source>
        <translation>Nombre de la empresa instaladora <byte value="xd"/>
Normalmente coincidirá con el nombre de la empresa que se dado de alta en el programa</translation>
    </message>
    <message>
        <source>Nombre del instalador <byte value="xd"/>
Normalmente coincidirá con el nombre del instalador que se ha dado de alta en el programa</source>
        <translation>Nombre del instalador <byte value="xd"/>
Normalmente coincidirá con el nombre del instalador que se ha dado de alta en el programa</translation>
    </message>
    <message>
        <source>Nombre o código de referencia para esta instalación <byte value="xd"/>
Con esta referencia se puede acceder al circuito remotamente</source>
        <translation>Nombre o código de referencia para esta instalación <byte value="xd"/>
Con esta referencia se puede acceder al circuito remotamente</translation>
    </message>
    <message>
        <source>Número de teléfono de la tarjeta SIM del circuito </source>
        <translation>Número de teléfono de la tarjeta SIM del circuito </translation>
    </message>
    <message>
        <source>Contraseña para acceder al circuito por SMS </source>
        <translation>Contraseña para acceder al circuito por SMS </translation>
    </message>
    <message>
        <source>Código de acceso a la programación del circuito <byte value="xd"/>
Sin este código no se puede leer ni programar el circuito</source>
        <translation>Código de acceso a la programación del circuito <byte value="xd"/>
Sin este código no se puede leer ni programar el circuito</translation>
    </message>
    <message>
        <source>PIN de la tarjeta SIM del circuito </source>
        <translation>PIN de la tarjeta SIM del circuito </translation>
    </message>
    <message>
        <source>Central de incendios conectada al puerto serie del circuito </source>
        <translation>Central de incendios conectada al puerto serie del circuito </translation>
    </message>
    <message>
        <source>Dirección MAC de la conexión ADSL del circuito <byte value="xd"/>
Solo lectura</source>
        <translation>Dirección MAC de la conexión ADSL del circuito <byte value="xd"/>
Solo lectura</translation>
    </message>
    <message>
        <source>UTC, zona horaria de referencia </source>
        <translation>UTC, zona horaria de referencia </translation>
    </message>
    <message>
        <source>Partes activas del circuito <byte value="xd"/>
GPRS, ADSL, COM y entradas/salidas</source>
        <translation>Partes activas del circuito <byte value="xd"/>
GPRS, ADSL, COM y entradas/salidas</translation>
    </message>
    <message>
        <source>DHCP activado: la red asigna la dirección IP del circuito <byte value="xd"/>
Desactivado, el circuito usa la dirección IP, la máscara, la puerta de enlace y los DNS fijos</source>
        <translation>DHCP activado: la red asigna la dirección IP del circuito <byte value="xd"/>
Desactivado, el circuito usa la dirección IP, la máscara, la puerta de enlace y los DNS fijos</translation>
    </message>
    <message>
        <source>Dirección IP fija del circuito <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Dirección IP fija del circuito <byte value="xd"/>
Solo se usa con el DHCP desactivado</translation>
    </message>
    <message>
        <source>Máscara de subred de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Máscara de subred de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</translation>
    </message>
    <message>
        <source>Puerta de enlace de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Puerta de enlace de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</translation>
    </message>
    <message>
        <source>Servidor DNS primario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Servidor DNS primario <byte value="xd"/>
Solo se usa con el DHCP desactivado</translation>
    </message>
    <message>
        <source>Servidor DNS secundario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Servidor DNS secundario <byte value="xd"/>
Solo se usa con el DHCP desactivado</translation>
    </message>
    <message>
        <source>Listado de las operadoras de GPRS <byte value="xd"/>
Ejemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR</source>
        <translation>Listado de las operadoras de GPRS <byte value="xd"/>
Ejemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR</translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las operadoras de GPRS </source>
        <translation>Borra en el circuito el listado de las operadoras de GPRS </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las operadoras de GPRS </source>
        <translation>Importa de un fichero el listado de las operadoras de GPRS </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las operadoras de GPRS </source>
        <translation>Exporta a un fichero el listado de las operadoras de GPRS </translation>
    </message>
    <message>
        <source>Servidor SMTP para el envío de e-mail <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Servidor SMTP para el envío de e-mail <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</translation>
    </message>
    <message>
        <source>Puerto del servidor SMTP </source>
        <translation>Puerto del servidor SMTP </translation>
    </message>
    <message>
        <source>Usuario de la cuenta del servidor SMTP </source>
        <translation>Usuario de la cuenta del servidor SMTP </translation>
    </message>
    <message>
        <source>Contraseña de la cuenta del servidor SMTP </source>
        <translation>Contraseña de la cuenta del servidor SMTP </translation>
    </message>
    <message>
        <source>Remitente de los e-mails que envía el circuito </source>
        <translation>Remitente de los e-mails que envía el circuito </translation>
    </message>
    <message>
        <source>Asunto de los e-mails que envía el circuito </source>
        <translation>Asunto de los e-mails que envía el circuito </translation>
    </message>
    <message>
        <source>Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</translation>
    </message>
    <message>
        <source>Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</translation>
    </message>
    <message>
        <source>Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</translation>
    </message>
    <message>
        <source>Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</translation>
    </message>
    <message>
        <source>Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</translation>
    </message>
    <message>
        <source>Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</translation>
    </message>
    <message>
        <source>Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</translation>
    </message>
    <message>
        <source>Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Dirección de la CRA 1.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Dirección de la CRA 1.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Dirección de la CRA 2.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Dirección de la CRA 2.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.1 </source>
        <translation>Puerto de la CRA 1.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.2 </source>
        <translation>Puerto de la CRA 1.2 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.1 </source>
        <translation>Puerto de la CRA 2.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.2 </source>
        <translation>Puerto de la CRA 2.2 </translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de abonado en la CRA 1.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de abonado en la CRA 1.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de abonado en la CRA 2.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de abonado en la CRA 2.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Periodo de polling con la CRA, en minutos </source>
        <translation>Periodo de polling con la CRA, en minutos </translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal <byte value="xd"/>
Sin marcar se envían en decimal</source>
        <translation>Códigos Contact ID en hexadecimal <byte value="xd"/>
Sin marcar se envían en decimal</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID que se envían a la CRA </source>
        <translation>Envío a la App de los códigos Contact ID que se envían a la CRA </translation>
    </message>
    <message>
        <source>Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas </source>
        <translation>Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas </translation>
    </message>
    <message>
        <source>Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </translation>
    </message>
    <message>
        <source>Eventos del sistema que activan las salidas <byte value="xd"/>
Inicio, test, tamper, alimentación, pérdida de GSM, ADSL, CRA, servidor o COM y App</source>
        <translation>Eventos del sistema que activan las salidas <byte value="xd"/>
Inicio, test, tamper, alimentación, pérdida de GSM, ADSL, CRA, servidor o COM y App</translation>
    </message>
    <message>
        <source>Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas </source>
        <translation>Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas </translation>
    </message>
    <message>
        <source>Entradas que activan las salidas </source>
        <translation>Entradas que activan las salidas </translation>
    </message>
    <message>
        <source>Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación </source>
        <translation>Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación </translation>
    </message>
    <message>
        <source>Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje </translation>
    </message>
    <message>
        <source>Test periódico: alias, periodo del test y hora del test (hh:mm) </source>
        <translation>Test periódico: alias, periodo del test y hora del test (hh:mm) </translation>
    </message>
    <message>
        <source>Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test </source>
        <translation>Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test </translation>
    </message>
    <message>
        <source>Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </translation>
    </message>
    <message>
        <source>Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </translation>
    </message>
    <message>
        <source>Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </translation>
    </message>
    <message>
        <source>Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </translation>
    </message>
    <message>
        <source>Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM <byte value="xd"/>
App, SMS, e-mail, código CID y mensaje de fallo/mensaje de recuperación</source>
        <translation>Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM <byte value="xd"/>
App, SMS, e-mail, código CID y mensaje de fallo/mensaje de recuperación</translation>
    </message>
    <message>
        <source>Nombre del último fichero de zonas importado o exportado </source>
        <translation>Nombre del último fichero de zonas importado o exportado </translation>
    </message>
    <message>
        <source>Listado de las zonas de la central: código CID y nombre de cada zona </source>
        <translation>Listado de las zonas de la central: código CID y nombre de cada zona </translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las zonas </source>
        <translation>Borra en el circuito el listado de las zonas </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las zonas </source>
        <translation>Importa de un fichero el listado de las zonas </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las zonas </source>
        <translation>Exporta a un fichero el listado de las zonas </translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID de los eventos de la central </source>
        <translation>Envío a la App de los códigos Contact ID de los eventos de la central </translation>
    </message>
    <message>
        <source>Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de restauración </translation>
    </message>
    <message>
        <source>Nombre del botón 1 </source>
        <translation>Nombre del botón 1 </translation>
    </message>
    <message>
        <source>Nombre del botón 2 </source>
        <translation>Nombre del botón 2 </translation>
    </message>
    <message>
        <source>Nombre del botón 3 </source>
        <translation>Nombre del botón 3 </translation>
    </message>
    <message>
        <source>Nombre del botón 4 </source>
        <translation>Nombre del botón 4 </translation>
    </message>
    <message>
        <source>Tiempo activando del botón 1 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tiempo activando del botón 1 <byte value="xd"/>
Tiempo de apertura de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 1 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tiempo activado del botón 1 <byte value="xd"/>
Tiempo que la puerta permanece abierta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 1 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tiempo desactivando del botón 1 <byte value="xd"/>
Tiempo de cierre de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 2 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tiempo activando del botón 2 <byte value="xd"/>
Tiempo de apertura de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 2 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tiempo activado del botón 2 <byte value="xd"/>
Tiempo que la puerta permanece abierta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 2 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tiempo desactivando del botón 2 <byte value="xd"/>
Tiempo de cierre de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 3 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tiempo activando del botón 3 <byte value="xd"/>
Tiempo de apertura de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 3 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tiempo activado del botón 3 <byte value="xd"/>
Tiempo que la puerta permanece abierta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 3 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tiempo desactivando del botón 3 <byte value="xd"/>
Tiempo de cierre de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 4 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tiempo activando del botón 4 <byte value="xd"/>
Tiempo de apertura de la puerta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 4 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tiempo activado del botón 4 <byte value="xd"/>
Tiempo que la puerta permanece abierta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 4 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tiempo desactivando del botón 4 <byte value="xd"/>
Tiempo de cierre de la puerta</translation>
    </message>
    <message>
        <source>Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta </source>
        <translation>Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los teléfonos del equipo </source>
        <translation>Carga de la nube el listado de los teléfonos del equipo </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los teléfonos </source>
        <translation>Guarda en la nube los cambios del listado de los teléfonos </translation>
    </message>
    <message>
        <source>Elimina los teléfonos marcados </source>
        <translation>Elimina los teléfonos marcados </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de los teléfonos </source>
        <translation>Importa de un fichero el listado de los teléfonos </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de los teléfonos </source>
        <translation>Exporta a un fichero el listado de los teléfonos </translation>
    </message>
    <message>
        <source>Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar </source>
        <translation>Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los usuarios de la App del equipo </source>
        <translation>Carga de la nube el listado de los usuarios de la App del equipo </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los usuarios </source>
        <translation>Guarda en la nube los cambios del listado de los usuarios </translation>
    </message>
    <message>
        <source>Elimina los usuarios marcados </source>
        <translation>Elimina los usuarios marcados </translation>
    </message>
    <message>
        <source>Lee del circuito los parámetros de la página activa </source>
        <translation>Lee del circuito los parámetros de la página activa </translation>
    </message>
    <message>
        <source>Graba los parámetros de la página activa modificados en el circuito </source>
        <translation>Graba los parámetros de la página activa modificados en el circuito </translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>Puerto USB</translation>
    </message>
    <message>
        <source>Puerto de comunicación de este programa con el circuito Quelta</source>
        <translation>Puerto de comunicación de este programa con el circuito Quelta</translation>
    </message>
    <message>
        <source>Programación del circuito</source>
        <translation>Programación del circuito</translation>
    </message>
    <message>
        <source>Estado del circuito y de la central de incendios conectada</source>
        <translation>Estado del circuito y de la central de incendios conectada</translation>
    </message>
    <message>
        <source>Busca los equipos en la nube por empresa, instalador y referencia</source>
        <translation>Busca los equipos en la nube por empresa, instalador y referencia</translation>
    </message>
    <message>
        <source>Posición del equipo en el mapa</source>
        <translation>Posición del equipo en el mapa</translation>
    </message>
    <message>
        <source>Actualización del firmware del circuito</source>
        <translation>Actualización del firmware del circuito</translation>
    </message>
    <message>
        <source>Registro de eventos del equipo</source>
        <translation>Registro de eventos del equipo</translation>
    </message>
    <message>
        <source>Conecta o desconecta la comunicación remota con el equipo</source>
        <translation>Conecta o desconecta la comunicación remota con el equipo</translation>
    </message>
    <message>
        <source>Reset del circuito</source>
        <translation>Reset del circuito</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envío a la CRA</translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation>Buscar nuevas versiones a actualizar</translation>
    </message>
    <message>
        <source>Parámetro : </source>
        <translation>Parámetro : </translation>
    </message>
    <message>
        <source>a partir de </source>
        <translation>a partir de </translation>
    </message>
    <message>
        <source>Funcionamiento del botón </source>
        <translation>Funcionamiento del botón </translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>No se ha podido guardar el archivo %1: %2</source>
        <translation>No se ha podido guardar el archivo %1: %2</translation>
    </message>
    <message>
        <source>Libro de Excel (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>no se ha indicado ningún archivo</source>
        <translation>no se ha indicado ningún archivo</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>Coordenadas del equipo</source>
        <translation>Coordenadas del equipo</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Nueva actualización</source>
        <translation>Nueva actualización</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Descargar ahora</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>NamedStrings</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>Inicio del sistema</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>Se ha generado un Reset de soft</translation>
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
        <translation>Fallo de hard</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>Grabando los parámetros en la Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>Leyendo los parámetros de la Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Test periódico</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Se añade envio a la CRA: </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Se añade envio al servidor:</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>Se añade envio de e-mail: </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>Se añade envio de SMS: </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Error al actualizar el tiempo del servidor</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Tiempo del servidor actualizado</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Comando enviado</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM no inicializado</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM inicializado</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Envia Hexa por COM: </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Envia String por COM: </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>Módulo GPRS no inicializado</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>Módulo GPRS inicializado</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>Se enciende el módulo GPRS</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>Se apaga el módulo GPRS</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Envío por GPRS: </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING recibido</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Recibido por GPRS: </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS: No se puede resolver el DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS: Socket abierto demasiado tiempo</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS: Error de socket</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Error al actualizar el tiempo del GPRS</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>Tiempo del GPRS actualizado</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>Módulo GPRS detectado</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>Falta el PIN</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>Buscando la SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM y PIN correctos</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>Módulo GPRS preparado</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>Conexión GPRS creada</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS: Envío a la CRA (borrado): </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS: Envío a la CRA: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS: E-mail enviado: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS: E-mail enviado (borrado):</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS: SMS enviado: </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS: SMS enviado (borrado):</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS: SMS recibido</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS: Entrada en bidireccional con la Central</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS: Salida de bidireccional con la Central</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet desactivado</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet activado</translation>
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
        <translation>ADSL: Error de negociación</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL: DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL: Respuesta recibida de la CRA: </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL: Socket abierto a la CRA</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL: Socket cerrado a la CRA</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL: Resolviendo DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL: Envío a la CRA (borrado): </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL: Envío a la CRA: </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL: Inicio de la conexión con el servidor</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL: Conectado a la red</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL: Conectado al servidor</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL: Suscrito al servidor</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL: Error de conexión con el servidor</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL: Error de conexión a la red</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL: Error de respuesta del servidor</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL: Envío al servidor</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL: Envío de e-mail (borrado): </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL: Envío de e-mail: </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL: Entrada en bidireccional con la Central</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL: Salida de bidireccional con la Central</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>E/S no inicializadas</translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation>E/S inicializadas</translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation>Entrada disparada: </translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation>Entrada restaurada: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Salida disparada: </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Salida restaurada: </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Pérdida de </translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation>Recuperado </translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation>Tamper disparado</translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation>Alimentación recuperada</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Alimentación baja</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Tamper restaurado</translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>No se permite modificar la salida: </translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>Se ha perdido la comuniación con la Central</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>ERROR de Checksum</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>La Central responde</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Datos recibidos: </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Envia comando a la Central: </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Comando de Telecontrol: </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Pérdida de comunicación con la Central</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Recuperación de comunicación con la Central</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>ERROR de cheksum</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Recibido de la Central: </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Bireccional recibido de la Central: </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>paso a Pruebas z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>fin de pruebas z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>paso a Alarma z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>fin de alarma z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>paso a Averia z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>fin de averia z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>paso a Desconexion z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>fin de desconexion z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Fallo de comunicación entre interface y Central</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Recuperación de comunicación entre interface y Central</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Envía comando de usuario a la Central</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Recibido de Central:</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>Sin comunicación con la Central</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Respuesta Central</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Paso a Alarma Detector z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>Fin de alarma Detector z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Paso a Alarma Pulsador z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>Fin de alarma Pulsador z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Paso a Averia z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>Fin de averia z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Paso a Desconexion z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>Fin de desconexion z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Paso a Pruebas z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>Fin de pruebas z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Paso a Alarma en Pruebas z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>Fin de alarma en Pruebas z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>Fallo 220V</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>Recuperado 220V</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Fallo Bateria</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Recuperado Bateria</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarma sensor</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarma técnica</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarma temperatura</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarma humo</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarma pulsador (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Alarma pulsador &apos;Doble&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarma prueba incendio</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarma prueba no configurado</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Avería comunicación repetidora</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Avería comunicación central</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Avería comunicación controladora</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Avería comunicación Módulo &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Avería comunicación Módulo CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Avería comunicación Módulo Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Avería cargador baterías</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Avería batería averiada</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Avería sin batería</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Avería batería descargada</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Avería batería sobrecargada</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Avería baja tensión</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Avería sobretensión</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Avería no alimentación</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Avería salida 30v</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Avería bucle cortocircuito</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Avería sensor</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Avería suciedad</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Avería bucle abierto</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Avería consumo bucle</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Avería punto no contesta</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>Avería KMAY SUC</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Avería KMAY cortocircuito</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Avería KMAY circuito abierto</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Avería MSTAY cortocircuito</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Avería MSTAY circuito abierto</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Avería técnica</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Avería Relé linea abierta</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Avería Relé cortocircuito</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Avería Relé no activo</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Avería Relé 24V</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zona anulada</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Punto Anulado</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>AVERIA EN LAZO</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>AVERIA EN SIRENAS</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>AVERIA DE ALIMENTACION</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>AVERIA DERIV. A TIERRA</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>AVERIA FUERA DE SERVICIO</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>AVERIA DE SISTEMA</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>AVERIA EN RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ELEMENTO NO RESPONDE</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RESPUESTA DOBLE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TIPO CAMBIADO</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>CORTE EN ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>CRUCE EN ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ELEMENTO SUCIO</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Borrar</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Cargar tel.</source>
        <translation>Cargar tel.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cargar usuario</source>
        <translation>Cargar usuario</translation>
    </message>
    <message>
        <source>Importar fichero</source>
        <translation>Importar fichero</translation>
    </message>
    <message>
        <source>Exportar fichero</source>
        <translation>Exportar fichero</translation>
    </message>
    <message>
        <source>Borrar eventos del equipo</source>
        <translation>Borrar eventos del equipo</translation>
    </message>
    <message>
        <source>Borrar zonas del equipo</source>
        <translation>Borrar zonas del equipo</translation>
    </message>
    <message>
        <source>Velocidad (baudios)</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Fichero de eventos</source>
        <translation>Fichero de eventos</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Comunicación con la central</source>
        <translation>Comunicación con la central</translation>
    </message>
    <message>
        <source>Mensajes de la central</source>
        <translation>Mensajes de la central</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>T. activando</source>
        <translation>T. activando</translation>
    </message>
    <message>
        <source>T. activado</source>
        <translation>T. activado</translation>
    </message>
    <message>
        <source>T. desactivando</source>
        <translation>T. desactivando</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Empresa</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Teléfono</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Contraseña SMS</source>
        <translation>Contraseña SMS</translation>
    </message>
    <message>
        <source>Código de programación</source>
        <translation>Código de programación</translation>
    </message>
    <message>
        <source>PIN de la SIM</source>
        <translation>PIN de la SIM</translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Dirección MAC</source>
        <translation>Dirección MAC</translation>
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
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Máscara de subred</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>DNS primario</source>
        <translation>DNS primario</translation>
    </message>
    <message>
        <source>DNS secundario</source>
        <translation>DNS secundario</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Zona horaria</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation>Partes activas</translation>
    </message>
    <message>
        <source>Operadores</source>
        <translation>Operadores</translation>
    </message>
    <message>
        <source>Correo electrónico</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Servidor SMTP</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remitente</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Asunto</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>CRA</source>
        <translation>CRA</translation>
    </message>
    <message>
        <source>IP CRA 1.1</source>
        <translation>IP CRA 1.1</translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation>Abonado</translation>
    </message>
    <message>
        <source>IP CRA 1.2</source>
        <translation>IP CRA 1.2</translation>
    </message>
    <message>
        <source>IP CRA 2.1</source>
        <translation>IP CRA 2.1</translation>
    </message>
    <message>
        <source>IP CRA 2.2</source>
        <translation>IP CRA 2.2</translation>
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
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Teléfonos SMS</source>
        <translation>Teléfonos SMS</translation>
    </message>
    <message>
        <source>Teléfono 1</source>
        <translation>Teléfono 1</translation>
    </message>
    <message>
        <source>Teléfono 2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>Teléfono 3</source>
        <translation>Teléfono 3</translation>
    </message>
    <message>
        <source>Teléfono 4</source>
        <translation>Teléfono 4</translation>
    </message>
    <message>
        <source>Direcciones de correo</source>
        <translation>Direcciones de correo</translation>
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
        <translation>CENTRAL DE INCENDIOS AGUILERA</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Listado de zonas</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>CENTRAL DE INCENDIOS BC600/216</translation>
    </message>
    <message>
        <source>EQUIPO INDUSTRIAL</source>
        <translation>EQUIPO INDUSTRIAL</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTROL DE ACCESOS</translation>
    </message>
    <message>
        <source>Botón 1</source>
        <translation>Botón 1</translation>
    </message>
    <message>
        <source>Botón 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Botón 3</source>
        <translation>Botón 3</translation>
    </message>
    <message>
        <source>Botón 4</source>
        <translation>Botón 4</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Teléfonos</translation>
    </message>
    <message>
        <source>Usuarios</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>CENTRAL DE INCENDIOS COFEM</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRAL DE INCENDIOS URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRAL DE INCENDIOS SYNCRO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BOSCH</source>
        <translation>CENTRAL DE INCENDIOS BOSCH</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRAL DE INCENDIOS AD300</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRAL DE INCENDIOS SUPRA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>CENTRAL DE INCENDIOS COFEM ZAFIR</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>CENTRAL DE INCENDIOS ID3000</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Mensajes de las entradas</source>
        <translation>Mensajes de las entradas</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Temporización</source>
        <translation>Temporización</translation>
    </message>
    <message>
        <source>Salidas activadas por entradas</source>
        <translation>Salidas activadas por entradas</translation>
    </message>
    <message>
        <source>Mensajes de las salidas</source>
        <translation>Mensajes de las salidas</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Mensaje de test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Mensajes de tamper</source>
        <translation>Mensajes de tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Mensajes de alimentación</source>
        <translation>Mensajes de alimentación</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Pérdidas de comunicación</translation>
    </message>
    <message>
        <source>Config. hard</source>
        <translation>Config. hard</translation>
    </message>
    <message>
        <source>Config. soft</source>
        <translation>Config. soft</translation>
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
        <translation>Accesos</translation>
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
        <translation>Leer</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRAL DE INCENDIOS KOMTTECH</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SALIDAS</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SISTEMA</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>ERROR / RESTAURACIÓN</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Modo pulsante</translation>
    </message>
</context>
<context>
    <name>PanelScreens</name>
    <message>
        <source>CENTRAL AGUILERA   AE/SA - AGE</source>
        <translation>CENTRAL AGUILERA   AE/SA - AGE</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARMA</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>AVERIA</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>DESCONEC.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>PRUEBA</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILENCIO</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>REPOSICION</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>REARME</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  PROCESO EN CURSO</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Espere un momento, por favor ...</translation>
    </message>
    <message>
        <source>ZONAS</source>
        <translation>ZONAS</translation>
    </message>
    <message>
        <source>ESTADO</source>
        <translation>ESTADO</translation>
    </message>
    <message>
        <source>SIRENAS</source>
        <translation>SIRENAS</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>RETARDO</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>DESCONEXION</translation>
    </message>
    <message>
        <source>RED 220 V</source>
        <translation>RED 220 V</translation>
    </message>
    <message>
        <source>SILENCIO ZUMBADOR</source>
        <translation>SILENCIO ZUMBADOR</translation>
    </message>
    <message>
        <source>SILENCIO SIRENAS</source>
        <translation>SILENCIO SIRENAS</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS</source>
        <translation>DISPARO SIRENAS</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>CONECTAR DESCONECTAR</translation>
    </message>
    <message>
        <source>PRUEBA AVANCE</source>
        <translation>PRUEBA AVANCE</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Salidas activadas</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Mensajes técnicos</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Desconexiones</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>RESET ZUMBADOR</source>
        <translation>RESET ZUMBADOR</translation>
    </message>
    <message>
        <source>SILENCIO EQUIPOS</source>
        <translation>SILENCIO EQUIPOS</translation>
    </message>
    <message>
        <source>RESET SIRENAS</source>
        <translation>RESET SIRENAS</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>K-CONECTA</source>
        <translation>K-CONECTA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS K-CONECTA</source>
        <translation>CENTRAL DE INCENDIOS K-CONECTA</translation>
    </message>
    <message>
        <source>BATERIA</source>
        <translation>BATERIA</translation>
    </message>
    <message>
        <source>AVERIA GENERAL</source>
        <translation>AVERIA GENERAL</translation>
    </message>
    <message>
        <source>AVERIA ALIMENTACION</source>
        <translation>AVERIA ALIMENTACION</translation>
    </message>
    <message>
        <source>RELE SIRENAS</source>
        <translation>RELE SIRENAS</translation>
    </message>
    <message>
        <source>RELE AVERIA</source>
        <translation>RELE AVERIA</translation>
    </message>
    <message>
        <source>AVERIA BATERIA</source>
        <translation>AVERIA BATERIA</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Silenciar zumbador</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Silenciar sirenas</translation>
    </message>
    <message>
        <source>Rearme</source>
        <translation>Rearme</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM  ZAFIR</source>
        <translation>CENTRAL DE INCENDIOS COFEM  ZAFIR</translation>
    </message>
    <message>
        <source>DISPARO</source>
        <translation>DISPARO</translation>
    </message>
    <message>
        <source>SILENCIAR</source>
        <translation>SILENCIAR</translation>
    </message>
    <message>
        <source>DETNOV</source>
        <translation>DETNOV</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS</source>
        <translation>CENTRAL DE INCENDIOS</translation>
    </message>
    <message>
        <source>Esta central no envía su estado al equipo</source>
        <translation>Esta central no envía su estado al equipo</translation>
    </message>
    <message>
        <source>FUEGO</source>
        <translation>FUEGO</translation>
    </message>
    <message>
        <source>SERVICIO</source>
        <translation>SERVICIO</translation>
    </message>
    <message>
        <source>ZUMBADOR SILENCIADO</source>
        <translation>ZUMBADOR SILENCIADO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRAL DE INCENDIOS SYNCRO</translation>
    </message>
    <message>
        <source>ALARMA GENERAL</source>
        <translation>ALARMA GENERAL</translation>
    </message>
    <message>
        <source>RUTA DE FUEGO</source>
        <translation>RUTA DE FUEGO</translation>
    </message>
    <message>
        <source>PREALARMA</source>
        <translation>PREALARMA</translation>
    </message>
    <message>
        <source>DESACTIVACION</source>
        <translation>DESACTIVACION</translation>
    </message>
    <message>
        <source>ALIMENTACION</source>
        <translation>ALIMENTACION</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRAL DE INCENDIOS AD300</translation>
    </message>
    <message>
        <source>ENTERADO</source>
        <translation>ENTERADO</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avería</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Anulado</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Prueba</translation>
    </message>
    <message>
        <source>FALLO SISTEMA</source>
        <translation>FALLO SISTEMA</translation>
    </message>
    <message>
        <source>ANULADO</source>
        <translation>ANULADO</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>ZONAS ANULADAS</source>
        <translation>ZONAS ANULADAS</translation>
    </message>
    <message>
        <source>ZONAS EN PRUEBA</source>
        <translation>ZONAS EN PRUEBA</translation>
    </message>
    <message>
        <source>FALLO A TIERRA</source>
        <translation>FALLO A TIERRA</translation>
    </message>
    <message>
        <source>FALLO ALIMENTACION</source>
        <translation>FALLO ALIMENTACION</translation>
    </message>
    <message>
        <source>FALLO SIRENAS</source>
        <translation>FALLO SIRENAS</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRAL DE INCENDIOS URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRAL DE INCENDIOS KOMTTECH</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRAL DE INCENDIOS SUPRA</translation>
    </message>
    <message>
        <source>SIRENAS SILENCIADAS</source>
        <translation>SIRENAS SILENCIADAS</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ESTADO DE ALARMA: </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONA EN ALARMA</translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> ESTADO DE AVERIA: </translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONA EN AVERIA</translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> ESTADO DE DESCONEXION: </translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONA DESCONECTADA</translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> ESTADO DE PRUEBAS: </translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONA EN PRUEBA</translation>
    </message>
    <message>
        <source>Zona de sistema</source>
        <translation>Zona de sistema</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (PRUEBAS)</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zonas</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>Nivel usuario</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Nivel instalador</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>Este fichero ya existe, ¿desea sobreescribirlo?</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Error al guardar : </translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>Fichero error</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>Este fichero no es correcto</translation>
    </message>
    <message>
        <source>Equipo no configurado</source>
        <translation>Equipo no configurado</translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation>Sensor Térmico</translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation>Sensor Iónico</translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation>Sensor Óptico (Fotoeléctrico)</translation>
    </message>
    <message>
        <source>Pulsador Manual de Alarma (MCP)</source>
        <translation>Pulsador Manual de Alarma (MCP)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Módulo de Control salida</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Módulo de Entrada</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Módulo de Sistemas de Sprinkler</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>Sensor VIEW</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Módulo CDI de Zonas Convencionales</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Salida de Sirena</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>Módulo AUXILIAR (señal técnica)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Módulo Monitor de Zonas Convencionales (ZMX o M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Sensor Multicriterio</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Salidas activadas</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Mensajes técnicos</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Desconexiones</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FUEGO: </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>EVACUACIÓN: </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERTA: </translation>
    </message>
    <message>
        <source>PREALARMA: </source>
        <translation>PREALARMA: </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SEGURIDAD: </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>AVERÍA: </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>DESACTIVACIÓN: </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>ALARMA TÉCNICA: </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>MODO DE PRUEBA</translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>PRUEBA: </translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Corto circuito en lazo</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Circuito abierto en lazo</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Avería de salida supervisada</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>desactivado zona</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Modo de prueba audible</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation>Evento: </translation>
    </message>
    <message>
        <source> de </source>
        <translation> de </translation>
    </message>
    <message>
        <source>DESCONEXION ZONA</source>
        <translation>DESCONEXION ZONA</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avería</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Anulado</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Prueba</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPCION</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Dirección lógica</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRAL EN TELECONTROL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>CENTRAL DE INCENDIOS </translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Desconexión</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMAS                                     TIPO:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>DISPARO                                      RELE:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>AVERIAS                                      TIPO:</translation>
    </message>
    <message>
        <source>Avería Relé</source>
        <translation>Avería Relé</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Avería</translation>
    </message>
</context>
<context>
    <name>ParameterDictionary</name>
    <message>
        <source>No se encuentra el recurso %1</source>
        <translation>No se encuentra el recurso %1</translation>
    </message>
    <message>
        <source>No existe el texto &quot;%1&quot; de la información %2</source>
        <translation>No existe el texto &quot;%1&quot; de la información %2</translation>
    </message>
</context>
<context>
    <name>SignIn</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>¡ ERROR !<byte value="xd"/></translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Por favor, siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation>Correo electrónico no verificado.<byte value="xd"/>Por favor, siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>No puede acceder al programa porque no es instalador</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>No se puede acceder ya que este usuario está inhabilitado</translation>
    </message>
    <message>
        <source>Error de acceso a RealTime DataBase</source>
        <translation>Error de acceso a RealTime DataBase</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </translation>
    </message>
    <message>
        <source> para su verificación<byte value="xd"/>Siga las instrucciones que se indican<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation> para su verificación<byte value="xd"/>Siga las instrucciones que se indican<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> para restablecer la contraseña</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Error de acceso a la base de datos: </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</translation>
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
Ya hay una versión de este programa ejecutándose <byte value="xd"/>
maximícelo desde la barra de tareas de Windows.<byte value="xd"/>
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
        <translation>Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</translation>
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
        <translation>Nuku alofa, Samoa</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>        Registrado por: </source>
        <translation>        Registrado por: </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        sin internet</translation>
    </message>
</context>
<context>
    <name>quelta::AboutBox</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>El campo Empresa no puede estar vacío</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>El campo Clave no puede estar vacío</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Clave demasiado corta. Mínimo 6 caracteres</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>Los cambios realizados se han guardado correctamente</translation>
    </message>
</context>
<context>
    <name>quelta::CloudSnapshot</name>
    <message>
        <source>Cobertura:</source>
        <translation>Cobertura:</translation>
    </message>
    <message>
        <source>DESACTIVADO</source>
        <translation>DESACTIVADO</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Último dato recibido: </translation>
    </message>
</context>
<context>
    <name>quelta::ContactLists</name>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Error de acceso a la base de datos: </translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Importar el listado de operadoras</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Exportar el listado de operadoras</translation>
    </message>
    <message>
        <source>Listado de operadoras|*.txt</source>
        <translation>Listado de operadoras|*.txt</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Importar el listado de teléfonos</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Exportar el listado de teléfonos</translation>
    </message>
    <message>
        <source>Listado de teléfonos|*.txt</source>
        <translation>Listado de teléfonos|*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>Borrando el listado de operadoras</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operadora: </translation>
    </message>
    <message>
        <source>  APN</source>
        <translation>  APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>La fila %1 tiene una coma o un salto de línea, que el fichero no puede guardar</source>
        <translation>La fila %1 tiene una coma o un salto de línea, que el fichero no puede guardar</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>Sin conexión a internet no se puede leer el listado de teléfonos</translation>
    </message>
    <message>
        <source>Número no válido: </source>
        <translation>Número no válido: </translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>Sin conexión a internet no se puede leer el listado de usuarios</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>Este email no existe</translation>
    </message>
</context>
<context>
    <name>quelta::DeviceDirectory</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No hay conexión a internet</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>El campo Empresa no puede estar vacío</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>¿Está seguro que quiere eliminar el equipo </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancelar </translation>
    </message>
</context>
<context>
    <name>quelta::DeviceSession</name>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>Conectando con el circuito</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</translation>
    </message>
</context>
<context>
    <name>quelta::DoorsScreen</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Usuario no habilitado</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Cerrando</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Orden de abrir</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Orden de cerrar</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Abriendo</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>Esperando ...</translation>
    </message>
</context>
<context>
    <name>quelta::EventHistoryScreen</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>REGISTRO DE EVENTOS</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No hay conexión a internet</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No hay ningún equipo conectado</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>Sin conexión a internet no se puede leer el histórico</translation>
    </message>
    <message>
        <source>Identificador de equipo no válido: %1</source>
        <translation>Identificador de equipo no válido: %1</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Error de conexión con el servidor</translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Respuesta no válida del servidor</translation>
    </message>
</context>
<context>
    <name>quelta::EventTextFiles</name>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Importar el listado de eventos</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Exportar el listado de eventos</translation>
    </message>
    <message>
        <source>Listado de eventos |*.txt</source>
        <translation>Listado de eventos |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>quelta::LinkSupervisor</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> No se puede acceder al puerto :</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>Se ha cortado la comunicación con el equipo Quelta</translation>
    </message>
</context>
<context>
    <name>quelta::MapScreen</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No hay conexión a internet</translation>
    </message>
    <message>
        <source>INFO GPS</source>
        <translation>INFO GPS</translation>
    </message>
    <message>
        <source>No se dispone de las coordenadas del equipo</source>
        <translation>No se dispone de las coordenadas del equipo</translation>
    </message>
</context>
<context>
    <name>quelta::PanelOrders</name>
    <message>
        <source>Central no conectada</source>
        <translation>Central no conectada</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>Rearmando la Central desde PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Reposición de la Central desde PC</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Silenciar zumbador desde PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Enterado    </translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Silenciar sirena desde PC</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Reset a la Central desde PC</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Disparo sirena desde PC</translation>
    </message>
</context>
<context>
    <name>quelta::Programming</name>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</translation>
    </message>
</context>
<context>
    <name>quelta::ProgrammingLock</name>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código demasiado corto. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Código demasiado corto. Mínimo 6 caracteres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>quelta::ReadEngine</name>
    <message>
        <source>Leyendo</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operadora: </translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
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
        <translation>Sesión cerrada</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>¡ ERROR !<byte value="xd"/></translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>El campo Correo electrónico no puede estar vacío</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>El campo Contraseña no puede estar vacío</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Contraseña demasiado corta. Mínimo 6 caracteres</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>El campo Empresa no puede estar vacío</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>El campo Clave no puede estar vacío</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Clave demasiado corta. Mínimo 6 caracteres</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en &quot;Nuevo usuario&quot;</source>
        <translation>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en &quot;Nuevo usuario&quot;</translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse &quot;Nuevo usuario&quot; para completar el registro</source>
        <translation>Faltan datos<byte value="xd"/>Pulse &quot;Nuevo usuario&quot; para completar el registro</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</translation>
    </message>
</context>
<context>
    <name>quelta::Shell</name>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</translation>
    </message>
</context>
<context>
    <name>quelta::StatusFrameDecoder</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>Se ha cortado la comunicación con el equipo Quelta</translation>
    </message>
    <message>
        <source>Cobertura:</source>
        <translation>Cobertura:</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>Conectando con BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Conectado a la Central BC600</translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation> Se cambiará el estado de la salida </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Cambiar </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancelar </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Salida restaurada: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Salida disparada: </translation>
    </message>
</context>
<context>
    <name>quelta::StatusScreen</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DESACTIVADO</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>Buscando módulo</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>Buscando SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>Registrándose</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>CONECTADO A LA RED</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>CONECTADO A INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>CONECTADO A RECEPTORA</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SIN   CONEXION</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>SIN CONEXIÓN A RECEPTORA</translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Central no programada</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>CONECTADA</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NO DISPONIBLE</translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Instalador: </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Referencia: </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identificador: </translation>
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
        <translation>Módulo GSM:  </translation>
    </message>
    <message>
        <source>ver.</source>
        <translation>ver.</translation>
    </message>
    <message>
        <source>Operadora: </source>
        <translation>Operadora: </translation>
    </message>
    <message>
        <source>Imei: </source>
        <translation>Imei: </translation>
    </message>
    <message>
        <source>SIM: </source>
        <translation>SIM: </translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Hora: </translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS: No disponible</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL : No disponible</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>CONECTADO</translation>
    </message>
</context>
<context>
    <name>quelta::TelecontrolRelay</name>
    <message>
        <source>La dirección no es una dirección IPv4</source>
        <translation>La dirección no es una dirección IPv4</translation>
    </message>
    <message>
        <source>El puerto no es válido</source>
        <translation>El puerto no es válido</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>El puerto no puede estar vacío<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Error al acceder a la IP de la Central : <byte value="xd"/></translation>
    </message>
    <message>
        <source>Entrada en Central en Telecontrol</source>
        <translation>Entrada en Central en Telecontrol</translation>
    </message>
    <message>
        <source>Salida de Central en Telecontrol</source>
        <translation>Salida de Central en Telecontrol</translation>
    </message>
</context>
<context>
    <name>quelta::Templates</name>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>Esta plantilla ya existe, ¿desea sobreescribirla?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Plantilla creada correctamente    </translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Plantilla cargada    </translation>
    </message>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>Esta plantilla no es correcta</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>El tipo de central de la plantilla y del equipo no coinciden</translation>
    </message>
</context>
<context>
    <name>quelta::WriteEngine</name>
    <message>
        <source>Programando</source>
        <translation>Programando</translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>Restaurando</translation>
    </message>
</context>
<context>
    <name>quelta::ZoneList</name>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Importar el listado de zonas</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Exportar el listado de zonas</translation>
    </message>
    <message>
        <source>Listado de zonas |*.txt</source>
        <translation>Listado de zonas |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>quelta::ui::BidiSettingsDialog</name>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Salir sin cambiar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Puerto</translation>
    </message>
</context>
<context>
    <name>quelta::ui::BrokerSettingsDialog</name>
    <message>
        <source>Servidor MQTT</source>
        <translation>Servidor MQTT</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>quelta::ui::DeviceDirectoryView</name>
    <message>
        <source>EMPRESA: </source>
        <translation>EMPRESA: </translation>
    </message>
    <message>
        <source>INSTALADOR: </source>
        <translation>INSTALADOR: </translation>
    </message>
    <message>
        <source>REFERENCIA: </source>
        <translation>REFERENCIA: </translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>BUSCAR</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Doble click para acceder al equipo o eliminarlo</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Instalador: </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Referencia: </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identificador: </translation>
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
        <translation>INTRODUZCA LA CLAVE</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>ACEPTAR</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventHistoryView</name>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exportar a Excel</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>A partir de: </translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Borrar la fecha</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventLogView</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>ESTADO GENERAL</translation>
    </message>
</context>
<context>
    <name>quelta::ui::MapView</name>
    <message>
        <source>Mapa no disponible sin conexión a internet</source>
        <translation>Mapa no disponible sin conexión a internet</translation>
    </message>
</context>
<context>
    <name>quelta::ui::RemotePanel</name>
    <message>
        <source>Desconectar</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>COMUNICACION REMOTA</source>
        <translation>COMUNICACION REMOTA</translation>
    </message>
    <message>
        <source>Identificador del equipo</source>
        <translation>Identificador del equipo</translation>
    </message>
</context>
<context>
    <name>quelta::ui::StatusView</name>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SALIDAS</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envío a la CRA</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>ERROR INTERFACE</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Privacidad</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Registrar</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Software de programación</source>
        <translation>Software de programación</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Correo electrónico: </source>
        <translation>Correo electrónico: </translation>
    </message>
    <message>
        <source>Alias: </source>
        <translation>Alias: </translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Instalador: </translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Referencia:</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Clave:</translation>
    </message>
    <message>
        <source>La clave de la empresa, instalador o referencia elegidos</source>
        <translation>La clave de la empresa, instalador o referencia elegidos</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver la clave</source>
        <translation>Mantener pulsado para ver la clave</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este programa guarda el correo electrónico, el alias y los nombres de empresa, instalador y referencia del instalador. En este PC guarda además el correo electrónico y la contraseña, cifrados, en la configuración del usuario.&lt;/p&gt;&lt;p&gt;El directorio en la nube contiene los identificadores de los equipos, sus referencias y sus últimos estados, y un registro de las acciones realizadas con el correo electrónico del usuario que las hizo.&lt;/p&gt;&lt;p&gt;Estos datos se usan solo para dar acceso remoto a los equipos y su historial a la empresa del instalador. El responsable de los datos es la empresa que opera el servicio en la nube; el instalador puede pedirle el acceso a sus datos o que los borre.&lt;/p&gt;&lt;p&gt;&quot;Cerrar sesión&quot; borra de este PC la contraseña guardada.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Este programa guarda el correo electrónico, el alias y los nombres de empresa, instalador y referencia del instalador. En este PC guarda además el correo electrónico y la contraseña, cifrados, en la configuración del usuario.&lt;/p&gt;&lt;p&gt;El directorio en la nube contiene los identificadores de los equipos, sus referencias y sus últimos estados, y un registro de las acciones realizadas con el correo electrónico del usuario que las hizo.&lt;/p&gt;&lt;p&gt;Estos datos se usan solo para dar acceso remoto a los equipos y su historial a la empresa del instalador. El responsable de los datos es la empresa que opera el servicio en la nube; el instalador puede pedirle el acceso a sus datos o que los borre.&lt;/p&gt;&lt;p&gt;&quot;Cerrar sesión&quot; borra de este PC la contraseña guardada.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFInfo</name>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Informació port sèrie i TCP</translation>
    </message>
    <message>
        <source>Enviar al GSM</source>
        <translation>Enviar al GSM</translation>
    </message>
    <message>
        <source>Enviar al Quelta</source>
        <translation>Enviar al Quelta</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Gsm</source>
        <translation>Gsm</translation>
    </message>
    <message>
        <source>Uart</source>
        <translation>Uart</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Hexa</source>
        <translation>Hexa</translation>
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
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>Actual.</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>Puerto USB</translation>
    </message>
    <message>
        <source> CODIGO DE PROGRAMACION</source>
        <translation> CODIGO DE PROGRAMACION</translation>
    </message>
    <message>
        <source>El circuito está protegido y no se puede acceder a su programación. Para desbloquear entre el código de programación.</source>
        <translation>El circuito está protegido y no se puede acceder a su programación. Para desbloquear entre el código de programación.</translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Programación</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Leer el circuito</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Programar el circuito</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Guardar plantilla</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Importar datos de plantilla</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Restaurar los valores de fábrica</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>Comunicación</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Remota</source>
        <translation>Remota</translation>
    </message>
    <message>
        <source>Servidor MQTT...</source>
        <translation>Servidor MQTT...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SIN   CONEXION</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Plantilla</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFRegistre</name>
    <message>
        <source>Para acceder remotamente al circuito es necesario tenerlo identificando con el nombre de empresa y el instalador correctos</source>
        <translation>Para acceder remotamente al circuito es necesario tenerlo identificando con el nombre de empresa y el instalador correctos</translation>
    </message>
    <message>
        <source>Formulario de registro</source>
        <translation>Formulario de registro</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Introduzca el correo electrónico y la contraseña con los que se registró.
Si aún no tiene usuario, pulse &quot;Nuevo usuario&quot;.</source>
        <translation>Introduzca el correo electrónico y la contraseña con los que se registró.
Si aún no tiene usuario, pulse &quot;Nuevo usuario&quot;.</translation>
    </message>
    <message>
        <source>EMPRESA: </source>
        <translation>EMPRESA: </translation>
    </message>
    <message>
        <source>INSTALADOR: </source>
        <translation>INSTALADOR: </translation>
    </message>
    <message>
        <source>REFERENCIA: </source>
        <translation>REFERENCIA: </translation>
    </message>
    <message>
        <source>CLAVE:</source>
        <translation>CLAVE:</translation>
    </message>
    <message>
        <source>ALIAS: </source>
        <translation>ALIAS: </translation>
    </message>
    <message>
        <source>CORREO ELECTRONICO:</source>
        <translation>CORREO ELECTRONICO:</translation>
    </message>
    <message>
        <source>CONTRASEÑA: </source>
        <translation>CONTRASEÑA: </translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>¿Olvidó la contraseña?</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Nuevo usuario</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Campos obligatorios</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver el texto</source>
        <translation>Mantener pulsado para ver el texto</translation>
    </message>
</context>
<context>
    <name>quelta::ui::UpdateView</name>
    <message>
        <source>Actualización del firmware</source>
        <translation>Actualización del firmware</translation>
    </message>
    <message>
        <source>Versión actual :</source>
        <translation>Versión actual :</translation>
    </message>
    <message>
        <source>FirmWare:</source>
        <translation>FirmWare:</translation>
    </message>
    <message>
        <source>HardWare:</source>
        <translation>HardWare:</translation>
    </message>
    <message>
        <source>Versiones a actualizar:</source>
        <translation>Versiones a actualizar:</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPCION</translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation>DESCARGAR</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Terminar la actualización</source>
        <translation>Terminar la actualización</translation>
    </message>
</context>
<context>
    <name>quelta::update::UpdateSession</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>ACTUALIZACION</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Error Time Out -&gt; trama: </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Error en el inicio de la trama: </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Error al final de la trama: </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Error CRC de la trama: </translation>
    </message>
    <message>
        <source>VERSION : </source>
        <translation>VERSION : </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No hay conexión a internet</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No hay ningún equipo conectado</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>Los datos recibidos para la actualización son incorrectos</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>No se ha podido conectar a internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERROR EN LA ACTUALIZACION</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> No hay una nueva actualización</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>No se ha encontrado ninguna actualización</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>Error en la conexión TCP: </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Error de conexión con el servidor de actualizaciones: </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</translation>
    </message>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Envío ... (Bloque </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> Iniciando la actualización ...</translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Petición bloque </translation>
    </message>
    <message>
        <source>Quelta actualizado a la versión </source>
        <translation>Quelta actualizado a la versión </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: FALLO DE CRC</source>
        <translation>ACTUALIZACION DEL QUELTA: FALLO DE CRC</translation>
    </message>
    <message>
        <source>El equipo ha terminado la actualización: </source>
        <translation>El equipo ha terminado la actualización: </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: ERROR GRAVE</source>
        <translation>ACTUALIZACION DEL QUELTA: ERROR GRAVE</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>Se ha perdido la comunicación con el servidor de Actualizaciones</translation>
    </message>
    <message>
        <source>Actualización interrumpida</source>
        <translation>Actualización interrumpida</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones</source>
        <translation>Se ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones</translation>
    </message>
</context>
</TS>
