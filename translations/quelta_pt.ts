<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="es_ES">
<context>
    <name>Cloud</name>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erro de ligação ao servidor: <byte value="xd"/>Não foi possível resolver o nome do servidor ou o seu endereço<byte value="xd"/>Verifique a ligação à Internet</translation>
    </message>
    <message>
        <source>Sesión renovada</source>
        <translation>Sessão renovada</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor<byte value="xd"/></source>
        <translation>Erro de ligação ao servidor<byte value="xd"/></translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Resposta inválida do servidor</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erro de acesso à base de dados: </translation>
    </message>
    <message>
        <source>datos incompletos</source>
        <translation>dados incompletos</translation>
    </message>
    <message>
        <source>Versión no comprobada: </source>
        <translation>Versão não verificada: </translation>
    </message>
    <message>
        <source>Versión no válida en el servidor: </source>
        <translation>Versão inválida no servidor: </translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>Está disponível uma nova versão<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ruta no válida: </source>
        <translation>Caminho inválido: </translation>
    </message>
    <message>
        <source>Sin sesión iniciada</source>
        <translation>Nenhuma sessão iniciada</translation>
    </message>
    <message>
        <source>Registros de equipo no válidos, omitidos: </source>
        <translation>Registos de equipamento inválidos, ignorados: </translation>
    </message>
    <message>
        <source>El servidor no responde</source>
        <translation>O servidor não responde</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Referencia: </source>
        <translation>Referência: </translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Telefones</translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Botão</translation>
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
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMAÇÃO</translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceitar   </translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fechar   </translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sim    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Não    </translation>
    </message>
</context>
<context>
    <name>DirectoryEntries</name>
    <message>
        <source>Desactivado</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>No ADSL</source>
        <translation>Sem ADSL</translation>
    </message>
    <message>
        <source>No GPRS</source>
        <translation>Sem GPRS</translation>
    </message>
</context>
<context>
    <name>EventHistory</name>
    <message>
        <source>Abierta</source>
        <translation>Aberta</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordem de abrir</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordem de fechar</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>A abrir</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>A fechar</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Chamada recebida: a abrir a porta</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>Fora do horário permitido</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Número não autorizado</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Número não registado</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Ordem dada à Central</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Ordem dada às Saídas</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>Utilizador fora do horário permitido</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilizador não autorizado</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>Utilizador demasiado longe</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>Posição do utilizador desconhecida</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Posição do equipamento não registada</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Entrada não ativada</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Botão</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIÇÃO</translation>
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
        <translation>Texto da mensagem</translation>
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
        <translation>N. Rep.</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>T. Disp.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>T. Rep.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NA</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Alarme botoneira</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Alarme detetor</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Avaria linha Aberta</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Avaria linha em Curto-circuito</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Ponto Desativado</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Ponto em teste</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Alarme Botoneira Teste</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Alarme Detetor Teste</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relé Desativado</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relé Avaria linha Aberta</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relé Avaria linha em Curto-circuito</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relé Avaria 24V</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relé Pré-alarme</translation>
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
        <translation> Relé Sirene 1 avaria linha Aberta</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Relé Sirene 1 avaria linha em Curto-circuito</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Relé Sirene 1 disparo</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Relé Sirene 2 avaria linha Aberta</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Relé Sirene 2 avaria linha em Curto-circuito</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Relé Sirene 2 disparo</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> Relé Avaria Geral linha Aberta</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> Relé Avaria Geral linha em Curto-circuito</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> Relé Avaria Geral disparo</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Fonte alim. Avaria carregador</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Fonte alim. Avaria bateria descarregada</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Fonte alim. Avaria sem rede</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Fonte alim. Avaria 30V</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Avaria bateria descarregada</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ATIVAÇÃO MANUAL DE EVACUAÇÃO</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DISPARO MANUAL DE SIRENES</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>AVARIA NO LAÇO</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>AVARIA NAS SIRENES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>AVARIA DE ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>AVARIA FUGA À TERRA</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>AVARIA FORA DE SERVIÇO</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>AVARIA DE SISTEMA</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>AVARIA NA RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ELEMENTO NÃO RESPONDE</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RESPOSTA DUPLA</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TIPO ALTERADO</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>CORTE EM ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>CURTO-CIRCUITO EM ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ELEMENTO SUJO</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Desativação</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme sensor</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme técnico</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme temperatura</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme fumo</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme botoneira (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Alarme botoneira &apos;Dupla&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme teste incêndio</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme teste não configurado</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Avaria comunicação repetidor</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Avaria comunicação central</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Avaria comunicação controlador</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Avaria comunicação Módulo &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Avaria comunicação Módulo CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Avaria comunicação Módulo Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Avaria carregador baterias</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Avaria bateria danificada</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Avaria sem bateria</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Avaria bateria descarregada</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Avaria bateria sobrecarregada</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Avaria baixa tensão</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Avaria sobretensão</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Avaria sem alimentação</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Avaria saída 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Avaria laço curto-circuito</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Avaria sensor</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Avaria sujidade</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Avaria laço aberto</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Avaria consumo laço</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Avaria ponto não responde</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>Avaria KMAY SUC</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Avaria KMAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Avaria KMAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Avaria MSTAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Avaria MSTAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Avaria técnica</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Avaria Relé linha aberta</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Avaria Relé curto-circuito</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Avaria Relé não ativo</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Avaria Relé 24V</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zona em teste</translation>
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
        <translation>Utilizador</translation>
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
        <translation>Rep.</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Mensagem disparo/mensagem reposição</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
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
        <translation>Desat.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>T.At.</translation>
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
        <translation>Mensagem ativa/Mensagem desativa</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Hora: (hh:mm)</source>
        <translation>Hora: (hh:mm)</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Mensagem de teste</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Mensagem de falha/Mensagem de recuperação</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>Perda GSM</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>Perda ADSL</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>Perda CRA</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Perda Servidor</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>Perda COM</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avaria</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Teste</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Comunicação com a Central</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> Perda tensão 230V</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Falha Alimentação principal</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Bateria baixa</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Falha de terra</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Saí.</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Ativ.</translation>
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
        <translation> Falha circuito aberto</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Falha curto-circuito</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zona desativada</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Avaria carregador baterias</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Avaria falha de baterias</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Avaria da central falha 220V</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Fogo</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Fumo</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustão</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Detetor de fluxo (água)</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Calor</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Botoneira</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Detetor de conduta</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Detetor de alarme</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Identificación</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Configuración DHCP</source>
        <translation>Configuração DHCP</translation>
    </message>
    <message>
        <source>Configuración del software</source>
        <translation>Configuração do software</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Acessos</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Saídas</translation>
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
        <translation>Equipamento industrial</translation>
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
        <translation>Velocidade e paridade da comunicação RS232 com a central <byte value="xd"/>
Exemplo: 9600,N</translation>
    </message>
    <message>
        <source>Nombre del último fichero de eventos importado o exportado </source>
        <translation>Nome do último ficheiro de eventos importado ou exportado </translation>
    </message>
    <message>
        <source>Dirección del circuito como periférico de la central <byte value="xd"/>
Dos dígitos hexadecimales</source>
        <translation>Endereço do equipamento como periférico da central <byte value="xd"/>
Dois dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Avisos dos eventos da central: App, SMS, e-mail, código CID e texto da mensagem </translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Avisos dos eventos da central: tipo de evento, App, SMS, e-mail, código CID e texto da mensagem </translation>
    </message>
    <message>
        <source>Importa de un fichero los mensajes de los eventos de la central </source>
        <translation>Importa de um ficheiro as mensagens dos eventos da central </translation>
    </message>
    <message>
        <source>Exporta a un fichero los mensajes de los eventos de la central </source>
        <translation>Exporta para um ficheiro as mensagens dos eventos da central </translation>
    </message>
    <message>
        <source>Borra en el circuito los mensajes de los eventos de la central </source>
        <translation>Apaga no equipamento as mensagens dos eventos da central </translation>
    </message>
    <message>
        <source>Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de desactivación de la salida</source>
        <translation>Saída que é ativada, condição de entrada, tempo da entrada e tempo de desativação da saída</translation>
    </message>
    <message>
        <source>Nombre de la empresa instaladora <byte value="xd"/>
Normalmente coincidirá con el nombre de la empresa que se dado de alta en el programa</source>
        <translation>Nome da empresa instaladora <byte value="xd"/>
Normalmente coincide com o nome da empresa registada no programa</translation>
    </message>
    <message>
        <source>Nombre del instalador <byte value="xd"/>
Normalmente coincidirá con el nombre del instalador que se ha dado de alta en el programa</source>
        <translation>Nome do instalador <byte value="xd"/>
Normalmente coincide com o nome do instalador registado no programa</translation>
    </message>
    <message>
        <source>Nombre o código de referencia para esta instalación <byte value="xd"/>
Con esta referencia se puede acceder al circuito remotamente</source>
        <translation>Nome ou código de referência desta instalação <byte value="xd"/>
Com esta referência é possível aceder remotamente ao equipamento</translation>
    </message>
    <message>
        <source>Número de teléfono de la tarjeta SIM del circuito </source>
        <translation>Número de telefone do cartão SIM do equipamento </translation>
    </message>
    <message>
        <source>Contraseña para acceder al circuito por SMS </source>
        <translation>Palavra-passe para aceder ao equipamento por SMS </translation>
    </message>
    <message>
        <source>Código de acceso a la programación del circuito <byte value="xd"/>
Sin este código no se puede leer ni programar el circuito</source>
        <translation>Código de acesso à programação do equipamento <byte value="xd"/>
Sem este código não é possível ler nem programar o equipamento</translation>
    </message>
    <message>
        <source>PIN de la tarjeta SIM del circuito </source>
        <translation>PIN do cartão SIM do equipamento </translation>
    </message>
    <message>
        <source>Central de incendios conectada al puerto serie del circuito </source>
        <translation>Central de incêndio ligada à porta série do equipamento </translation>
    </message>
    <message>
        <source>Dirección MAC de la conexión ADSL del circuito <byte value="xd"/>
Solo lectura</source>
        <translation>Endereço MAC da ligação ADSL do equipamento <byte value="xd"/>
Apenas leitura</translation>
    </message>
    <message>
        <source>UTC, zona horaria de referencia </source>
        <translation>UTC, fuso horário de referência </translation>
    </message>
    <message>
        <source>Partes activas del circuito <byte value="xd"/>
GPRS, ADSL, COM y entradas/salidas</source>
        <translation>Partes ativas do equipamento <byte value="xd"/>
GPRS, ADSL, COM e entradas/saídas</translation>
    </message>
    <message>
        <source>DHCP activado: la red asigna la dirección IP del circuito <byte value="xd"/>
Desactivado, el circuito usa la dirección IP, la máscara, la puerta de enlace y los DNS fijos</source>
        <translation>DHCP ativado: a rede atribui o endereço IP do equipamento <byte value="xd"/>
Desativado: o equipamento usa o endereço IP, a máscara, o gateway e os DNS fixos</translation>
    </message>
    <message>
        <source>Dirección IP fija del circuito <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Endereço IP fixo do equipamento <byte value="xd"/>
Só é utilizado com o DHCP desativado</translation>
    </message>
    <message>
        <source>Máscara de subred de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Máscara de sub-rede da rede local <byte value="xd"/>
Só é utilizado com o DHCP desativado</translation>
    </message>
    <message>
        <source>Puerta de enlace de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Gateway da rede local <byte value="xd"/>
Só é utilizado com o DHCP desativado</translation>
    </message>
    <message>
        <source>Servidor DNS primario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Servidor DNS primário <byte value="xd"/>
Só é utilizado com o DHCP desativado</translation>
    </message>
    <message>
        <source>Servidor DNS secundario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Servidor DNS secundário <byte value="xd"/>
Só é utilizado com o DHCP desativado</translation>
    </message>
    <message>
        <source>Listado de las operadoras de GPRS <byte value="xd"/>
Ejemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR</source>
        <translation>Lista das operadoras GPRS <byte value="xd"/>
Exemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR</translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las operadoras de GPRS </source>
        <translation>Apaga no equipamento a lista das operadoras GPRS </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las operadoras de GPRS </source>
        <translation>Importa de um ficheiro a lista das operadoras GPRS </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las operadoras de GPRS </source>
        <translation>Exporta para um ficheiro a lista das operadoras GPRS </translation>
    </message>
    <message>
        <source>Servidor SMTP para el envío de e-mail <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Servidor SMTP para o envio de e-mails <byte value="xd"/>
Pode indicar-se o endereço IP ou o nome</translation>
    </message>
    <message>
        <source>Puerto del servidor SMTP </source>
        <translation>Porta do servidor SMTP </translation>
    </message>
    <message>
        <source>Usuario de la cuenta del servidor SMTP </source>
        <translation>Utilizador da conta do servidor SMTP </translation>
    </message>
    <message>
        <source>Contraseña de la cuenta del servidor SMTP </source>
        <translation>Palavra-passe da conta do servidor SMTP </translation>
    </message>
    <message>
        <source>Remitente de los e-mails que envía el circuito </source>
        <translation>Remetente dos e-mails enviados pelo equipamento </translation>
    </message>
    <message>
        <source>Asunto de los e-mails que envía el circuito </source>
        <translation>Assunto dos e-mails enviados pelo equipamento </translation>
    </message>
    <message>
        <source>Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Telefone 1 para onde enviar um SMS quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários números de telefone separados por ;</translation>
    </message>
    <message>
        <source>Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Telefone 2 para onde enviar um SMS quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários números de telefone separados por ;</translation>
    </message>
    <message>
        <source>Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Telefone 3 para onde enviar um SMS quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários números de telefone separados por ;</translation>
    </message>
    <message>
        <source>Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Telefone 4 para onde enviar um SMS quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários números de telefone separados por ;</translation>
    </message>
    <message>
        <source>Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Endereço 1 para onde enviar um e-mail quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários endereços separados por ;</translation>
    </message>
    <message>
        <source>Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Endereço 2 para onde enviar um e-mail quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários endereços separados por ;</translation>
    </message>
    <message>
        <source>Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Endereço 3 para onde enviar um e-mail quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários endereços separados por ;</translation>
    </message>
    <message>
        <source>Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Endereço 4 para onde enviar um e-mail quando uma entrada dispara ou é reposta <byte value="xd"/>
Pode conter vários endereços separados por ;</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Endereço da CRA 1.1 <byte value="xd"/>
Pode indicar-se o endereço IP ou o nome</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Endereço da CRA 1.2 <byte value="xd"/>
Pode indicar-se o endereço IP ou o nome</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Endereço da CRA 2.1 <byte value="xd"/>
Pode indicar-se o endereço IP ou o nome</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Endereço da CRA 2.2 <byte value="xd"/>
Pode indicar-se o endereço IP ou o nome</translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.1 </source>
        <translation>Porta da CRA 1.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.2 </source>
        <translation>Porta da CRA 1.2 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.1 </source>
        <translation>Porta da CRA 2.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.2 </source>
        <translation>Porta da CRA 2.2 </translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de assinante na CRA 1.1 <byte value="xd"/>
Até 6 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de assinante na CRA 1.2 <byte value="xd"/>
Até 6 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de assinante na CRA 2.1 <byte value="xd"/>
Até 6 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Número de assinante na CRA 2.2 <byte value="xd"/>
Até 6 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Periodo de polling con la CRA, en minutos </source>
        <translation>Período de polling com a CRA, em minutos </translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal <byte value="xd"/>
Sin marcar se envían en decimal</source>
        <translation>Códigos Contact ID em hexadecimal <byte value="xd"/>
Se não estiver assinalado, são enviados em decimal</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID que se envían a la CRA </source>
        <translation>Envio para a App dos códigos Contact ID enviados à CRA </translation>
    </message>
    <message>
        <source>Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas </source>
        <translation>Alias, atraso de disparo, atraso de reposição e contacto NA das entradas </translation>
    </message>
    <message>
        <source>Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Avisos das entradas: App, SMS, e-mail, código CID e mensagem de disparo/mensagem de reposição </translation>
    </message>
    <message>
        <source>Eventos del sistema que activan las salidas <byte value="xd"/>
Inicio, test, tamper, alimentación, pérdida de GSM, ADSL, CRA, servidor o COM y App</source>
        <translation>Eventos do sistema que ativam as saídas <byte value="xd"/>
Início, teste, tamper, alimentação, perda de GSM, ADSL, CRA, servidor ou COM e App</translation>
    </message>
    <message>
        <source>Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas </source>
        <translation>Alias, desativação, tempo de ativação, tempo de desativação e contacto NA das saídas </translation>
    </message>
    <message>
        <source>Entradas que activan las salidas </source>
        <translation>Entradas que ativam as saídas </translation>
    </message>
    <message>
        <source>Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación </source>
        <translation>Avisos das saídas: App, SMS, e-mail, código CID e mensagem de ativação/mensagem de desativação </translation>
    </message>
    <message>
        <source>Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Aviso de início do sistema: App, SMS, e-mail, código CID e texto da mensagem </translation>
    </message>
    <message>
        <source>Test periódico: alias, periodo del test y hora del test (hh:mm) </source>
        <translation>Teste periódico: alias, período do teste e hora do teste (hh:mm) </translation>
    </message>
    <message>
        <source>Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test </source>
        <translation>Aviso do teste periódico: App, SMS, e-mail, código CID e mensagem de teste </translation>
    </message>
    <message>
        <source>Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Tamper: alias, níveis de disparo e de reposição, tempos de disparo e de reposição e contacto NA </translation>
    </message>
    <message>
        <source>Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Avisos do tamper: App, SMS, e-mail, código CID e mensagem de disparo/mensagem de reposição </translation>
    </message>
    <message>
        <source>Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Alimentação: alias, níveis de disparo e de reposição, tempos de disparo e de reposição e contacto NA </translation>
    </message>
    <message>
        <source>Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Avisos da alimentação: App, SMS, e-mail, código CID e mensagem de disparo/mensagem de reposição </translation>
    </message>
    <message>
        <source>Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM <byte value="xd"/>
App, SMS, e-mail, código CID y mensaje de fallo/mensaje de recuperación</source>
        <translation>Avisos de perda de comunicação GSM, ADSL, CRA, servidor e COM <byte value="xd"/>
App, SMS, e-mail, código CID e mensagem de falha/mensagem de recuperação</translation>
    </message>
    <message>
        <source>Nombre del último fichero de zonas importado o exportado </source>
        <translation>Nome do último ficheiro de zonas importado ou exportado </translation>
    </message>
    <message>
        <source>Listado de las zonas de la central: código CID y nombre de cada zona </source>
        <translation>Lista das zonas da central: código CID e nome de cada zona </translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las zonas </source>
        <translation>Apaga no equipamento a lista das zonas </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las zonas </source>
        <translation>Importa de um ficheiro a lista das zonas </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las zonas </source>
        <translation>Exporta para um ficheiro a lista das zonas </translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID de los eventos de la central </source>
        <translation>Envio para a App dos códigos Contact ID dos eventos da central </translation>
    </message>
    <message>
        <source>Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Supervisão do equipamento: alias, App, SMS, e-mail, tempo, código CID e mensagem de disparo/mensagem de reposição </translation>
    </message>
    <message>
        <source>Nombre del botón 1 </source>
        <translation>Nome do botão 1 </translation>
    </message>
    <message>
        <source>Nombre del botón 2 </source>
        <translation>Nome do botão 2 </translation>
    </message>
    <message>
        <source>Nombre del botón 3 </source>
        <translation>Nome do botão 3 </translation>
    </message>
    <message>
        <source>Nombre del botón 4 </source>
        <translation>Nome do botão 4 </translation>
    </message>
    <message>
        <source>Tiempo activando del botón 1 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tempo de ativação do botão 1 <byte value="xd"/>
Tempo de abertura da porta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 1 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tempo ativo do botão 1 <byte value="xd"/>
Tempo durante o qual a porta permanece aberta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 1 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tempo de desativação do botão 1 <byte value="xd"/>
Tempo de fecho da porta</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 2 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tempo de ativação do botão 2 <byte value="xd"/>
Tempo de abertura da porta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 2 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tempo ativo do botão 2 <byte value="xd"/>
Tempo durante o qual a porta permanece aberta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 2 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tempo de desativação do botão 2 <byte value="xd"/>
Tempo de fecho da porta</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 3 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tempo de ativação do botão 3 <byte value="xd"/>
Tempo de abertura da porta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 3 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tempo ativo do botão 3 <byte value="xd"/>
Tempo durante o qual a porta permanece aberta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 3 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tempo de desativação do botão 3 <byte value="xd"/>
Tempo de fecho da porta</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 4 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Tempo de ativação do botão 4 <byte value="xd"/>
Tempo de abertura da porta</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 4 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Tempo ativo do botão 4 <byte value="xd"/>
Tempo durante o qual a porta permanece aberta</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 4 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Tempo de desativação do botão 4 <byte value="xd"/>
Tempo de fecho da porta</translation>
    </message>
    <message>
        <source>Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta </source>
        <translation>Telefones registados para o equipamento: nome, ativo e botão da porta </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los teléfonos del equipo </source>
        <translation>Carrega da nuvem a lista dos telefones do equipamento </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los teléfonos </source>
        <translation>Guarda na nuvem as alterações da lista dos telefones </translation>
    </message>
    <message>
        <source>Elimina los teléfonos marcados </source>
        <translation>Elimina os telefones assinalados </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de los teléfonos </source>
        <translation>Importa de um ficheiro a lista dos telefones </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de los teléfonos </source>
        <translation>Exporta para um ficheiro a lista dos telefones </translation>
    </message>
    <message>
        <source>Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar </source>
        <translation>Utilizadores da App que podem usar o equipamento: ativo e botões das portas que podem acionar </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los usuarios de la App del equipo </source>
        <translation>Carrega da nuvem a lista dos utilizadores da App do equipamento </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los usuarios </source>
        <translation>Guarda na nuvem as alterações da lista dos utilizadores </translation>
    </message>
    <message>
        <source>Elimina los usuarios marcados </source>
        <translation>Elimina os utilizadores assinalados </translation>
    </message>
    <message>
        <source>Lee del circuito los parámetros de la página activa </source>
        <translation>Lê do equipamento os parâmetros da página ativa </translation>
    </message>
    <message>
        <source>Graba los parámetros de la página activa modificados en el circuito </source>
        <translation>Grava no equipamento os parâmetros modificados da página ativa </translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>Porta USB</translation>
    </message>
    <message>
        <source>Puerto de comunicación de este programa con el circuito Quelta</source>
        <translation>Porta de comunicação deste programa com o equipamento Quelta</translation>
    </message>
    <message>
        <source>Programación del circuito</source>
        <translation>Programação do equipamento</translation>
    </message>
    <message>
        <source>Estado del circuito y de la central de incendios conectada</source>
        <translation>Estado do equipamento e da central de incêndio ligada</translation>
    </message>
    <message>
        <source>Busca los equipos en la nube por empresa, instalador y referencia</source>
        <translation>Procura os equipamentos na nuvem por empresa, instalador e referência</translation>
    </message>
    <message>
        <source>Posición del equipo en el mapa</source>
        <translation>Posição do equipamento no mapa</translation>
    </message>
    <message>
        <source>Actualización del firmware del circuito</source>
        <translation>Atualização do firmware do equipamento</translation>
    </message>
    <message>
        <source>Registro de eventos del equipo</source>
        <translation>Registo de eventos do equipamento</translation>
    </message>
    <message>
        <source>Conecta o desconecta la comunicación remota con el equipo</source>
        <translation>Liga ou desliga a comunicação remota com o equipamento</translation>
    </message>
    <message>
        <source>Reset del circuito</source>
        <translation>Reset do equipamento</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envio para a CRA</translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation>Procurar novas versões para atualizar</translation>
    </message>
    <message>
        <source>Parámetro : </source>
        <translation>Parâmetro : </translation>
    </message>
    <message>
        <source>a partir de </source>
        <translation>a partir de </translation>
    </message>
    <message>
        <source>Funcionamiento del botón </source>
        <translation>Funcionamento do botão </translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>No se ha podido guardar el archivo %1: %2</source>
        <translation>Não foi possível guardar o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>Libro de Excel (*.xlsx)</source>
        <translation>Livro do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>no se ha indicado ningún archivo</source>
        <translation>não foi indicado nenhum ficheiro</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Este endereço IP não é válido<byte value="xd"/>Introduza um endereço correto</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Este endereço de e-mail não é válido<byte value="xd"/>Introduza um endereço correto</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>Coordenadas del equipo</source>
        <translation>Coordenadas do equipamento</translation>
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
        <translation>Nova atualização</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Transferir agora</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>NamedStrings</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>Início do sistema</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>Foi gerado um Reset de software</translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation>Erro 0x01</translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation>Erro 0x02</translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation>Falha de hardware</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>A gravar os parâmetros na Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>A ler os parâmetros da Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Teste periódico</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Adicionado envio para a CRA: </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Adicionado envio para o servidor:</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>Adicionado envio de e-mail: </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>Adicionado envio de SMS: </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Erro ao atualizar a hora do servidor</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Hora do servidor atualizada</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Comando enviado</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM não inicializada</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM inicializada</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Envia hexadecimal por COM: </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Envia texto por COM: </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>Módulo GPRS não inicializado</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>Módulo GPRS inicializado</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>Liga-se o módulo GPRS</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>Desliga-se o módulo GPRS</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Envio por GPRS: </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING recebido</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Recebido por GPRS: </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS: Não é possível resolver o DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS: Socket aberto durante demasiado tempo</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS: Erro de socket</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Erro ao atualizar a hora do GPRS</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>Hora do GPRS atualizada</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>Módulo GPRS detetado</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>Falta o PIN</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>A procurar o SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM e PIN corretos</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>Módulo GPRS preparado</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>Ligação GPRS criada</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS: Envio para a CRA (eliminado): </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS: Envio para a CRA: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS: E-mail enviado: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS: E-mail enviado (eliminado):</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS: SMS enviado: </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS: SMS enviado (eliminado):</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS: SMS recebido</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS: Entrada em modo bidirecional com a Central</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS: Saída do modo bidirecional com a Central</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet desativada</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet ativada</translation>
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
        <translation>ADSL: Erro de negociação</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL: DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL: Resposta recebida da CRA: </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL: Socket aberto para a CRA</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL: Socket fechado para a CRA</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL: A resolver DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL: Envio para a CRA (eliminado): </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL: Envio para a CRA: </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL: Início da ligação ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL: Ligado à rede</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL: Ligado ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL: Subscrito no servidor</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL: Erro de ligação ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL: Erro de ligação à rede</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL: Erro de resposta do servidor</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL: Envio para o servidor</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL: Envio de e-mail (eliminado): </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL: Envio de e-mail: </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL: Entrada em modo bidirecional com a Central</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL: Saída do modo bidirecional com a Central</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>E/S não inicializadas</translation>
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
        <translation>Entrada reposta: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Saída disparada: </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Saída reposta: </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Perda de </translation>
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
        <translation>Alimentação recuperada</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Alimentação baixa</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Tamper reposto</translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>Não é permitido modificar a saída: </translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>Perdeu-se a comunicação com a Central</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>ERRO de checksum</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>A Central responde</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Dados recebidos: </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Envia comando à Central: </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Comando de telecomando: </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Perda de comunicação com a Central</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Recuperação da comunicação com a Central</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>ERRO de checksum</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Recebido da Central: </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Bidirecional recebido da Central: </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>entrada em Teste z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>fim de teste z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>entrada em Alarme z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>fim de alarme z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>entrada em Avaria z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>fim de avaria z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>entrada em Desativação z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>fim de desativação z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Falha de comunicação entre interface e Central</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Recuperação da comunicação entre interface e Central</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Envia comando de utilizador à Central</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Recebido da Central:</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>Sem comunicação com a Central</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Resposta da Central</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>ERRO de checksum</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Entrada em Alarme Detetor z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>Fim de alarme Detetor z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Entrada em Alarme Botoneira z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>Fim de alarme Botoneira z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Entrada em Avaria z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>Fim de avaria z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Entrada em Desativação z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>Fim de desativação z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Entrada em Teste z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>Fim de teste z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Entrada em Alarme em Teste z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>Fim de alarme em Teste z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>Falha 220V</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>220V recuperado</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Falha de bateria</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Bateria recuperada</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme sensor</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme técnico</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme temperatura</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme fumo</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme botoneira (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Alarme botoneira &apos;Dupla&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme teste incêndio</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme teste não configurado</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Avaria comunicação repetidor</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Avaria comunicação central</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Avaria comunicação controlador</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Avaria comunicação Módulo &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Avaria comunicação Módulo CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Avaria comunicação Módulo Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Avaria carregador baterias</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Avaria bateria danificada</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Avaria sem bateria</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Avaria bateria descarregada</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Avaria bateria sobrecarregada</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Avaria baixa tensão</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Avaria sobretensão</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Avaria sem alimentação</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Avaria saída 30v</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Avaria laço curto-circuito</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Avaria sensor</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Avaria sujidade</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Avaria laço aberto</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Avaria consumo laço</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Avaria ponto não responde</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>Avaria KMAY sujidade</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Avaria KMAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Avaria KMAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Avaria MSTAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Avaria MSTAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Avaria técnica</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Avaria Relé linha aberta</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Avaria Relé curto-circuito</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Avaria Relé não ativo</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Avaria Relé 24V</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zona desativada</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Ponto Desativado</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>AVARIA NO LAÇO</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>AVARIA NAS SIRENES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>AVARIA DE ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>AVARIA FUGA À TERRA</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>AVARIA FORA DE SERVIÇO</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>AVARIA DE SISTEMA</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>AVARIA EM RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ELEMENTO NÃO RESPONDE</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RESPOSTA DUPLA</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TIPO ALTERADO</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>CORTE EM ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>CURTO-CIRCUITO EM ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ELEMENTO SUJO</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
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
        <translation>Carregar tel.</translation>
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
        <translation>Carregar utilizador</translation>
    </message>
    <message>
        <source>Importar fichero</source>
        <translation>Importar ficheiro</translation>
    </message>
    <message>
        <source>Exportar fichero</source>
        <translation>Exportar ficheiro</translation>
    </message>
    <message>
        <source>Borrar eventos del equipo</source>
        <translation>Apagar eventos do equipamento</translation>
    </message>
    <message>
        <source>Borrar zonas del equipo</source>
        <translation>Apagar zonas do equipamento</translation>
    </message>
    <message>
        <source>Velocidad (baudios)</source>
        <translation>Velocidade (baud)</translation>
    </message>
    <message>
        <source>Fichero de eventos</source>
        <translation>Ficheiro de eventos</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Comunicación con la central</source>
        <translation>Comunicação com a central</translation>
    </message>
    <message>
        <source>Mensajes de la central</source>
        <translation>Mensagens da central</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>T. activando</source>
        <translation>T. a ativar</translation>
    </message>
    <message>
        <source>T. activado</source>
        <translation>T. ativado</translation>
    </message>
    <message>
        <source>T. desactivando</source>
        <translation>T. a desativar</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identificação</translation>
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
        <translation>Referência</translation>
    </message>
    <message>
        <source>Teléfono</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Contraseña SMS</source>
        <translation>Palavra-passe SMS</translation>
    </message>
    <message>
        <source>Código de programación</source>
        <translation>Código de programação</translation>
    </message>
    <message>
        <source>PIN de la SIM</source>
        <translation>PIN do SIM</translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Dirección MAC</source>
        <translation>Endereço MAC</translation>
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
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Máscara de subred</source>
        <translation>Máscara de sub-rede</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS primario</source>
        <translation>DNS primário</translation>
    </message>
    <message>
        <source>DNS secundario</source>
        <translation>DNS secundário</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Zona horaria</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation>Partes ativas</translation>
    </message>
    <message>
        <source>Operadores</source>
        <translation>Operadoras</translation>
    </message>
    <message>
        <source>Correo electrónico</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Servidor SMTP</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Remitente</source>
        <translation>Remetente</translation>
    </message>
    <message>
        <source>Asunto</source>
        <translation>Assunto</translation>
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
        <translation>Assinante</translation>
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
        <translation>Aplicação</translation>
    </message>
    <message>
        <source>Teléfonos SMS</source>
        <translation>Telefones SMS</translation>
    </message>
    <message>
        <source>Teléfono 1</source>
        <translation>Telefone 1</translation>
    </message>
    <message>
        <source>Teléfono 2</source>
        <translation>Telefone 2</translation>
    </message>
    <message>
        <source>Teléfono 3</source>
        <translation>Telefone 3</translation>
    </message>
    <message>
        <source>Teléfono 4</source>
        <translation>Telefone 4</translation>
    </message>
    <message>
        <source>Direcciones de correo</source>
        <translation>Endereços de correio</translation>
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
        <translation>CENTRAL DE INCÊNDIO AGUILERA</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Lista de zonas</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>CENTRAL DE INCÊNDIO BC600/216</translation>
    </message>
    <message>
        <source>EQUIPO INDUSTRIAL</source>
        <translation>EQUIPAMENTO INDUSTRIAL</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTROLO DE ACESSOS</translation>
    </message>
    <message>
        <source>Botón 1</source>
        <translation>Botão 1</translation>
    </message>
    <message>
        <source>Botón 2</source>
        <translation>Botão 2</translation>
    </message>
    <message>
        <source>Botón 3</source>
        <translation>Botão 3</translation>
    </message>
    <message>
        <source>Botón 4</source>
        <translation>Botão 4</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Telefones</translation>
    </message>
    <message>
        <source>Usuarios</source>
        <translation>Utilizadores</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>CENTRAL DE INCÊNDIO COFEM</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRAL DE INCÊNDIO URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRAL DE INCÊNDIO SYNCRO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BOSCH</source>
        <translation>CENTRAL DE INCÊNDIO BOSCH</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRAL DE INCÊNDIO AD300</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRAL DE INCÊNDIO SUPRA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>CENTRAL DE INCÊNDIO COFEM ZAFIR</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>CENTRAL DE INCÊNDIO ID3000</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Mensajes de las entradas</source>
        <translation>Mensagens das entradas</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <source>Temporización</source>
        <translation>Temporização</translation>
    </message>
    <message>
        <source>Salidas activadas por entradas</source>
        <translation>Saídas ativadas por entradas</translation>
    </message>
    <message>
        <source>Mensajes de las salidas</source>
        <translation>Mensagens das saídas</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Mensagem de teste</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Mensajes de tamper</source>
        <translation>Mensagens de tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentação</translation>
    </message>
    <message>
        <source>Mensajes de alimentación</source>
        <translation>Mensagens de alimentação</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Perdas de comunicação</translation>
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
        <translation>Acessos</translation>
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
        <translation>Ler</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRAL DE INCÊNDIO KOMTTECH</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SAÍDAS</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SISTEMA</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>ERRO / REPOSIÇÃO</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Modo pulsado</translation>
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
        <translation>ALARME</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>AVARIA</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>DESATIV.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TESTE</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILÊNCIO</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>REPOSIÇÃO</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>REARME</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  PROCESSO EM CURSO</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Aguarde um momento, por favor...</translation>
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
        <translation>SIRENES</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>RETARDO</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>DESATIVAÇÃO</translation>
    </message>
    <message>
        <source>RED 220 V</source>
        <translation>REDE 220 V</translation>
    </message>
    <message>
        <source>SILENCIO ZUMBADOR</source>
        <translation>SILÊNCIO BESOURO</translation>
    </message>
    <message>
        <source>SILENCIO SIRENAS</source>
        <translation>SILÊNCIO SIRENES</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS</source>
        <translation>DISPARO SIRENES</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>ATIVAR DESATIVAR</translation>
    </message>
    <message>
        <source>PRUEBA AVANCE</source>
        <translation>TESTE PASSO A PASSO</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Saídas ativadas</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Mensagens técnicas</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Avarias</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Desativações</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Testes</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>RESET ZUMBADOR</source>
        <translation>RESET BESOURO</translation>
    </message>
    <message>
        <source>SILENCIO EQUIPOS</source>
        <translation>SILÊNCIO EQUIPAMENTOS</translation>
    </message>
    <message>
        <source>RESET SIRENAS</source>
        <translation>RESET SIRENES</translation>
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
        <translation>CENTRAL DE INCÊNDIO K-CONECTA</translation>
    </message>
    <message>
        <source>BATERIA</source>
        <translation>BATERIA</translation>
    </message>
    <message>
        <source>AVERIA GENERAL</source>
        <translation>AVARIA GERAL</translation>
    </message>
    <message>
        <source>AVERIA ALIMENTACION</source>
        <translation>AVARIA ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>RELE SIRENAS</source>
        <translation>RELÉ SIRENES</translation>
    </message>
    <message>
        <source>RELE AVERIA</source>
        <translation>RELÉ AVARIA</translation>
    </message>
    <message>
        <source>AVERIA BATERIA</source>
        <translation>AVARIA BATERIA</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Silenciar besouro</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Silenciar sirenes</translation>
    </message>
    <message>
        <source>Rearme</source>
        <translation>Rearme</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM  ZAFIR</source>
        <translation>CENTRAL DE INCÊNDIO COFEM  ZAFIR</translation>
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
        <translation>CENTRAL DE INCÊNDIO</translation>
    </message>
    <message>
        <source>Esta central no envía su estado al equipo</source>
        <translation>Esta central não envia o seu estado ao equipamento</translation>
    </message>
    <message>
        <source>FUEGO</source>
        <translation>FOGO</translation>
    </message>
    <message>
        <source>SERVICIO</source>
        <translation>SERVIÇO</translation>
    </message>
    <message>
        <source>ZUMBADOR SILENCIADO</source>
        <translation>BESOURO SILENCIADO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRAL DE INCÊNDIO SYNCRO</translation>
    </message>
    <message>
        <source>ALARMA GENERAL</source>
        <translation>ALARME GERAL</translation>
    </message>
    <message>
        <source>RUTA DE FUEGO</source>
        <translation>TRANSMISSÃO FOGO</translation>
    </message>
    <message>
        <source>PREALARMA</source>
        <translation>PRÉ-ALARME</translation>
    </message>
    <message>
        <source>DESACTIVACION</source>
        <translation>DESATIVAÇÃO</translation>
    </message>
    <message>
        <source>ALIMENTACION</source>
        <translation>ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRAL DE INCÊNDIO AD300</translation>
    </message>
    <message>
        <source>ENTERADO</source>
        <translation>RECONHECER</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avaria</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Teste</translation>
    </message>
    <message>
        <source>FALLO SISTEMA</source>
        <translation>FALHA SISTEMA</translation>
    </message>
    <message>
        <source>ANULADO</source>
        <translation>DESATIVADO</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controlo</translation>
    </message>
    <message>
        <source>ZONAS ANULADAS</source>
        <translation>ZONAS DESATIVADAS</translation>
    </message>
    <message>
        <source>ZONAS EN PRUEBA</source>
        <translation>ZONAS EM TESTE</translation>
    </message>
    <message>
        <source>FALLO A TIERRA</source>
        <translation>FALHA À TERRA</translation>
    </message>
    <message>
        <source>FALLO ALIMENTACION</source>
        <translation>FALHA ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>FALLO SIRENAS</source>
        <translation>FALHA SIRENES</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRAL DE INCÊNDIO URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRAL DE INCÊNDIO KOMTTECH</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRAL DE INCÊNDIO SUPRA</translation>
    </message>
    <message>
        <source>SIRENAS SILENCIADAS</source>
        <translation>SIRENES SILENCIADAS</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ESTADO DE ALARME: </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONA EM ALARME</translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> ESTADO DE AVARIA: </translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONA EM AVARIA</translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> ESTADO DE DESATIVAÇÃO: </translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONA DESATIVADA</translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> ESTADO DE TESTE: </translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONA EM TESTE</translation>
    </message>
    <message>
        <source>Zona de sistema</source>
        <translation>Zona de sistema</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (TESTE)</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zonas</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>Nível utilizador</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Nível instalador</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>Este ficheiro já existe. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Erro ao guardar: </translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>Erro de ficheiro</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>Este ficheiro não é válido</translation>
    </message>
    <message>
        <source>Equipo no configurado</source>
        <translation>Equipamento não configurado</translation>
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
        <translation>Sensor Ótico (Fotoelétrico)</translation>
    </message>
    <message>
        <source>Pulsador Manual de Alarma (MCP)</source>
        <translation>Botoneira Manual de Alarme (MCP)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Módulo de Controlo de saída</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Módulo de Entrada</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Módulo de Sistemas de Sprinklers</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>Sensor VIEW</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Módulo CDI de Zonas Convencionais</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Saída de Sirene</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>Módulo AUXILIAR (sinal técnico)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Módulo Monitor de Zonas Convencionais (ZMX ou M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Sensor Multicritério</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Saídas ativadas</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Mensagens técnicas</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Avarias</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Desativações</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Testes</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FOGO: </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>EVACUAÇÃO: </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERTA: </translation>
    </message>
    <message>
        <source>PREALARMA: </source>
        <translation>PRÉ-ALARME: </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SEGURANÇA: </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>AVARIA: </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>DESATIVAÇÃO: </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>ALARME TÉCNICO: </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>MODO DE TESTE</translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>TESTE: </translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Curto-circuito no laço</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Circuito aberto no laço</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Avaria de saída supervisionada</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>zona desativada</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Modo de teste audível</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Verifique a ligação à Internet</translation>
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
        <translation>DESATIVAÇÃO ZONA</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avaria</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Teste</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIÇÃO</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Endereço lógico</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controlo</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRAL EM TELECOMANDO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>CENTRAL DE INCÊNDIO </translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Desativação</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMES                                     TIPO:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>DISPARO                                      RELÉ:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>AVARIAS                                      TIPO:</translation>
    </message>
    <message>
        <source>Avería Relé</source>
        <translation>Avaria Relé</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Avaria</translation>
    </message>
</context>
<context>
    <name>ParameterDictionary</name>
    <message>
        <source>No se encuentra el recurso %1</source>
        <translation>O recurso %1 não foi encontrado</translation>
    </message>
    <message>
        <source>No existe el texto &quot;%1&quot; de la información %2</source>
        <translation>Não existe o texto &quot;%1&quot; da informação %2</translation>
    </message>
</context>
<context>
    <name>SignIn</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERRO!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>E-mail não registado.<byte value="xd"/>Por favor, introduza os dados solicitados.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Por favor, siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation>E-mail não verificado.<byte value="xd"/>Por favor, siga as instruções recebidas no seu e-mail para efetuar a verificação<byte value="xd"/>E depois volte a premir &quot;Novo utilizador&quot;</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>Não pode aceder ao programa porque não é instalador</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>E-mail incorreto.<byte value="xd"/>Por favor, certifique-se de que introduz um e-mail válido.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Palavra-passe inválida.<byte value="xd"/>Por favor, introduza a palavra-passe correta.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Demasiadas tentativas falhadas.<byte value="xd"/>Aguarde um momento e volte a tentar.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>Não é possível aceder porque este utilizador está desativado</translation>
    </message>
    <message>
        <source>Error de acceso a RealTime DataBase</source>
        <translation>Erro de acesso à RealTime DataBase</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>ATENÇÃO!<byte value="xd"/>Foi enviada uma mensagem para </translation>
    </message>
    <message>
        <source> para su verificación<byte value="xd"/>Siga las instrucciones que se indican<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation> para verificação<byte value="xd"/>Siga as instruções indicadas<byte value="xd"/>E depois volte a premir &quot;Novo utilizador&quot;</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>ATENÇÃO!<byte value="xd"/>Para pedir a palavra-passe deve introduzir o e-mail<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>ERRO!<byte value="xd"/>Não foi possível enviar uma mensagem para </translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> para repor a palavra-passe</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erro de acesso à base de dados: </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>A empresa, o instalador ou a referência não coincidem com os deste utilizador.<byte value="xd"/>Por favor, introduza os dados corretos ou registe um novo utilizador</translation>
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
Já existe uma versão deste programa em execução <byte value="xd"/>
maximize-a a partir da barra de tarefas do Windows.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TimeZones</name>
    <message>
        <source>Hawaii</source>
        <translation>Havai</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alasca</translation>
    </message>
    <message>
        <source>Pacific Time (US &amp; Canada), Tijuana</source>
        <translation>Hora do Pacífico (EUA e Canadá), Tijuana</translation>
    </message>
    <message>
        <source>Mountain Time (US &amp; Canada), Chihuahua, Mazatlan</source>
        <translation>Hora das Montanhas (EUA e Canadá), Chihuahua, Mazatlán</translation>
    </message>
    <message>
        <source>Central Time (US &amp; Canada), Central America, Mexico City</source>
        <translation>Hora Central (EUA e Canadá), América Central, Cidade do México</translation>
    </message>
    <message>
        <source>Eastern Time (US &amp; Canada), Bogota, Lima, Quito</source>
        <translation>Hora do Leste (EUA e Canadá), Bogotá, Lima, Quito</translation>
    </message>
    <message>
        <source>Atlantic Time (Canada), Caracas, La Paz, Santiago</source>
        <translation>Hora do Atlântico (Canadá), Caracas, La Paz, Santiago</translation>
    </message>
    <message>
        <source>Brasilia, Buenos Aires, Montevideo, Greenland</source>
        <translation>Brasília, Buenos Aires, Montevideu, Gronelândia</translation>
    </message>
    <message>
        <source>Mid-Atlantic, Fernando de Noronha</source>
        <translation>Atlântico Médio, Fernando de Noronha</translation>
    </message>
    <message>
        <source>Azores, Cape Verde Is.</source>
        <translation>Açores, Ilhas de Cabo Verde</translation>
    </message>
    <message>
        <source>Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation>Dublin, Edimburgo, Lisboa, Londres, Reiquiavique, Casablanca</translation>
    </message>
    <message>
        <source>Amsterdam, Berlin, Brussels, Madrid, Paris, Belgrade, Budapest, West Central Africa</source>
        <translation>Amesterdão, Berlim, Bruxelas, Madrid, Paris, Belgrado, Budapeste, África Centro-Ocidental</translation>
    </message>
    <message>
        <source>Athens, Bucharest, Helsinki, Riga, Cairo, Jerusalem</source>
        <translation>Atenas, Bucareste, Helsínquia, Riga, Cairo, Jerusalém</translation>
    </message>
    <message>
        <source>Moscow, St. Petersburg, Istanbul, Riyadh, Nairobi</source>
        <translation>Moscovo, São Petersburgo, Istambul, Riade, Nairobi</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat, Baku, Tbilisi</source>
        <translation>Abu Dhabi, Mascate, Baku, Tbilissi</translation>
    </message>
    <message>
        <source>Islamabad, Karachi, Tashkent</source>
        <translation>Islamabade, Carachi, Tashkent</translation>
    </message>
    <message>
        <source>Astana, Dhaka, Omsk</source>
        <translation>Astana, Daca, Omsk</translation>
    </message>
    <message>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>Banguecoque, Hanói, Jacarta</translation>
    </message>
    <message>
        <source>Beijing, Hong Kong, Perth, Singapore, Taipei</source>
        <translation>Pequim, Hong Kong, Perth, Singapura, Taipé</translation>
    </message>
    <message>
        <source>Osaka, Sapporo, Tokyo, Seoul</source>
        <translation>Osaca, Sapporo, Tóquio, Seul</translation>
    </message>
    <message>
        <source>Brisbane, Canberra, Melbourne, Sydney, Vladivostok</source>
        <translation>Brisbane, Camberra, Melbourne, Sydney, Vladivostok</translation>
    </message>
    <message>
        <source>Magadan, Solomon Is., New Caledonia</source>
        <translation>Magadan, Ilhas Salomão, Nova Caledónia</translation>
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
        <translation>        Registado por: </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        sem internet</translation>
    </message>
</context>
<context>
    <name>quelta::AboutBox</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Verifique a ligação à internet</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>O campo Empresa não pode estar vazio</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>O campo Chave não pode estar vazio</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Chave demasiado curta. Mínimo 6 carateres</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>Esta empresa/instalador/referência não existe<byte value="xd"/>Não é possível guardar as alterações</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Chave errada<byte value="xd"/>Introduza a chave correta</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>As alterações foram guardadas corretamente</translation>
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
        <translation>DESATIVADO</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Último dado recebido: </translation>
    </message>
</context>
<context>
    <name>quelta::ContactLists</name>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erro de acesso à base de dados: </translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Importar a lista de operadoras</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Exportar a lista de operadoras</translation>
    </message>
    <message>
        <source>Listado de operadoras|*.txt</source>
        <translation>Lista de operadoras|*.txt</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Importar a lista de telefones</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Exportar a lista de telefones</translation>
    </message>
    <message>
        <source>Listado de teléfonos|*.txt</source>
        <translation>Lista de telefones|*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Serão apagadas todas as operadoras do equipamento<byte value="xd"/>
Tem a certeza?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>A apagar a lista de operadoras</translation>
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
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>La fila %1 tiene una coma o un salto de línea, que el fichero no puede guardar</source>
        <translation>A linha %1 tem uma vírgula ou uma quebra de linha, que o ficheiro não consegue guardar</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>Sem ligação à internet não é possível ler a lista de telefones</translation>
    </message>
    <message>
        <source>Número no válido: </source>
        <translation>Número inválido: </translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>Sem ligação à internet não é possível ler a lista de utilizadores</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>Este e-mail não existe</translation>
    </message>
</context>
<context>
    <name>quelta::DeviceDirectory</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Não há ligação à internet</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>Está ligado remotamente a um equipamento<byte value="xd"/>
Se pretender aceder a outros equipamentos, tem de fechar primeiro esta ligação</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Não pode existir uma referência sem instalador<byte value="xd"/>
Introduza um instalador ou apague a referência<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
A chave está incorreta.<byte value="xd"/>
Introduza a chave<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Chave demasiado curta. Mínimo 6 carateres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erro de ligação ao servidor: <byte value="xd"/>Não foi possível aceder à base de dados<byte value="xd"/>Verifique a ligação à internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
A chave introduzida não coincide com a registada<byte value="xd"/>
Introduza a chave correta</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>O campo Empresa não pode estar vazio</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Verifique a ligação à internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Os dados empresa/instalador/referência não existem na base de dados.<byte value="xd"/>
Pretende registá-los?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Não foi encontrado nenhum equipamento para esta empresa/instalador/referência<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Há um equipamento ligado à porta USB.<byte value="xd"/>
Desligue a porta USB antes de ligar pela internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>Este equipamento não está ligado por ADSL, mas está por GPRS<byte value="xd"/>
Se pretender aceder ao equipamento, faça duplo clique na célula de GPRS</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>Este equipamento não está ligado por GPRS, mas está por ADSL<byte value="xd"/>
Se pretender aceder ao equipamento, faça duplo clique na célula de ADSL</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>Tem a certeza de que pretende eliminar o equipamento </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
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
        <translation>Há um equipamento ligado à porta USB.<byte value="xd"/>
Desligue a porta USB antes de ligar pela internet</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>A ligar</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>A ligar ao equipamento</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>Não é possível abrir esta porta<byte value="xd"/>
Desligue o cabo e volte a ligá-lo</translation>
    </message>
</context>
<context>
    <name>quelta::DoorsScreen</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Verifique a ligação à internet</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilizador não autorizado</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Fechado</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>A fechar</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordem de abrir</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordem de fechar</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>A abrir</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Aberto</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>A aguardar ...</translation>
    </message>
</context>
<context>
    <name>quelta::EventHistoryScreen</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>REGISTO DE EVENTOS</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Não há ligação à internet</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Central em telecomando<byte value="xd"/>Não é possível aceder à programação</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Não há nenhum equipamento ligado</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>Sem ligação à internet não é possível ler o histórico</translation>
    </message>
    <message>
        <source>Identificador de equipo no válido: %1</source>
        <translation>Identificador de equipamento inválido: %1</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Erro de ligação ao servidor</translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Resposta inválida do servidor</translation>
    </message>
</context>
<context>
    <name>quelta::EventTextFiles</name>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Importar a lista de eventos</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Exportar a lista de eventos</translation>
    </message>
    <message>
        <source>Listado de eventos |*.txt</source>
        <translation>Lista de eventos |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Serão apagados todos os eventos programados do equipamento<byte value="xd"/>
Tem a certeza?</translation>
    </message>
</context>
<context>
    <name>quelta::LinkSupervisor</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	CONFLITO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este equipamento não pode ser lido com este programa<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> Não é possível aceder à porta :</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>Perdeu-se a comunicação com o equipamento Quelta</translation>
    </message>
</context>
<context>
    <name>quelta::MapScreen</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Sem ligação à internet</translation>
    </message>
    <message>
        <source>INFO GPS</source>
        <translation>INFO GPS</translation>
    </message>
    <message>
        <source>No se dispone de las coordenadas del equipo</source>
        <translation>As coordenadas do equipamento não estão disponíveis</translation>
    </message>
</context>
<context>
    <name>quelta::PanelOrders</name>
    <message>
        <source>Central no conectada</source>
        <translation>Central não ligada</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>A rearmar a Central a partir do PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Reposição da Central a partir do PC</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Silenciar besouro a partir do PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Reconhecido    </translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Silenciar sirene a partir do PC</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Reset à Central a partir do PC</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Disparo de sirene a partir do PC</translation>
    </message>
</context>
<context>
    <name>quelta::Programming</name>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>Os valores atuais serão apagados e serão repostos os valores de fábrica<byte value="xd"/>
<byte value="xd"/>
Concorda?</translation>
    </message>
</context>
<context>
    <name>quelta::ProgrammingLock</name>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Central em telecomando<byte value="xd"/>Não é possível aceder à programação</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código demasiado corto. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Código demasiado curto. Mínimo 6 carateres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
A verificar o código de acesso ... <byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>quelta::ReadEngine</name>
    <message>
        <source>Leyendo</source>
        <translation>A ler</translation>
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
        <translation>Utilizador</translation>
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
        <translation>Sessão terminada</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERRO!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Empresa não registada<byte value="xd"/>Introduza os dados em falta</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>O campo Correio eletrónico não pode estar vazio</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>O campo Palavra-passe não pode estar vazio</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Palavra-passe demasiado curta. Mínimo 6 carateres</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>O campo Empresa não pode estar vazio</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>O campo Chave não pode estar vazio</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Chave demasiado curta. Mínimo 6 carateres</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>Não pode existir uma referência sem instalador<byte value="xd"/>Introduza um instalador ou apague a referência</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>ERRO!<byte value="xd"/>Erro de ligação ao servidor: <byte value="xd"/>Verifique a ligação à internet</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en &quot;Nuevo usuario&quot;</source>
        <translation>ATENÇÃO!<byte value="xd"/>Utilizador não registado<byte value="xd"/> Se pretender registá-lo, clique em &quot;Novo utilizador&quot;</translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse &quot;Nuevo usuario&quot; para completar el registro</source>
        <translation>Faltam dados<byte value="xd"/>Clique em &quot;Novo utilizador&quot; para concluir o registo</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>ERRO!<byte value="xd"/>O campo Chave não coincide com o da base de dados<byte value="xd"/>Introduza a chave correta</translation>
    </message>
</context>
<context>
    <name>quelta::Shell</name>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>Está ligado remotamente a um equipamento<byte value="xd"/>
Feche esta ligação antes de mudar o idioma</translation>
    </message>
</context>
<context>
    <name>quelta::StatusFrameDecoder</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>Perdeu-se a comunicação com o equipamento Quelta</translation>
    </message>
    <message>
        <source>Cobertura:</source>
        <translation>Cobertura:</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>A ligar à BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Ligado à Central BC600</translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation> O estado da saída será alterado </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Alterar </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancelar </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Saída reposta: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Saída disparada: </translation>
    </message>
</context>
<context>
    <name>quelta::StatusScreen</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DESATIVADO</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>A procurar módulo</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>A procurar SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>A registar-se</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>LIGADO À REDE</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>LIGADO À INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>LIGADO À RECETORA</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SEM   LIGAÇÃO</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>SEM LIGAÇÃO À RECETORA</translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Central não programada</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>LIGADA</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NÃO DISPONÍVEL</translation>
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
        <translation>Referência: </translation>
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
        <translation>Data: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Hora: </translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS: Não disponível</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL : Não disponível</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>LIGADO</translation>
    </message>
</context>
<context>
    <name>quelta::TelecontrolRelay</name>
    <message>
        <source>La dirección no es una dirección IPv4</source>
        <translation>O endereço não é um endereço IPv4</translation>
    </message>
    <message>
        <source>El puerto no es válido</source>
        <translation>A porta não é válida</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Certifique-se de que o IP e a porta coincidem com os do programa AGE44</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>A porta não pode estar vazia<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Erro ao aceder ao IP da Central : <byte value="xd"/></translation>
    </message>
    <message>
        <source>Entrada en Central en Telecontrol</source>
        <translation>Entrada da Central em Telecomando</translation>
    </message>
    <message>
        <source>Salida de Central en Telecontrol</source>
        <translation>Saída da Central de Telecomando</translation>
    </message>
</context>
<context>
    <name>quelta::Templates</name>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>Ocorreu um erro ao carregar o modelo<byte value="xd"/>
<byte value="xd"/>
ERRO : </translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>Se pretender guardar um modelo com todos os campos, clique em [Tudo]<byte value="xd"/>
Se pretender guardar um modelo com os campos marcados, clique em [Vermelho]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>Este modelo já existe. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Modelo criado corretamente    </translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Modelo carregado    </translation>
    </message>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>Este modelo não é válido</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>O tipo de central do modelo e o do equipamento não coincidem</translation>
    </message>
</context>
<context>
    <name>quelta::WriteEngine</name>
    <message>
        <source>Programando</source>
        <translation>A programar</translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>A restaurar</translation>
    </message>
</context>
<context>
    <name>quelta::ZoneList</name>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Importar a lista de zonas</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Exportar a lista de zonas</translation>
    </message>
    <message>
        <source>Listado de zonas |*.txt</source>
        <translation>Lista de zonas |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Serão apagadas todas as zonas programadas do equipamento<byte value="xd"/>
Tem a certeza?</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Sair sem alterar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Porta</translation>
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
        <translation>OK</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Palavra-passe</translation>
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
        <translation>REFERÊNCIA: </translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>PROCURAR</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Duplo clique para aceder ao equipamento ou eliminá-lo</translation>
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
        <translation>Referência: </translation>
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
        <translation>INTRODUZA A CHAVE</translation>
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
        <translation>Exportar para Excel</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>A partir de: </translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Apagar a data</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventLogView</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>ESTADO GERAL</translation>
    </message>
</context>
<context>
    <name>quelta::ui::MapView</name>
    <message>
        <source>Mapa no disponible sin conexión a internet</source>
        <translation>Mapa indisponível sem ligação à internet</translation>
    </message>
</context>
<context>
    <name>quelta::ui::RemotePanel</name>
    <message>
        <source>Desconectar</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>COMUNICACION REMOTA</source>
        <translation>COMUNICAÇÃO REMOTA</translation>
    </message>
    <message>
        <source>Identificador del equipo</source>
        <translation>Identificador do equipamento</translation>
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
        <translation>SAÍDAS</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentação</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envio à CRA</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>ERRO INTERFACE</translation>
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
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Registrar</source>
        <translation>Registar</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Guardar alterações</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Software de programación</source>
        <translation>Software de programação</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Correo electrónico: </source>
        <translation>Correio eletrónico: </translation>
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
        <translation>Referência:</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Chave:</translation>
    </message>
    <message>
        <source>La clave de la empresa, instalador o referencia elegidos</source>
        <translation>A chave da empresa, instalador ou referência escolhidos</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver la clave</source>
        <translation>Manter premido para ver a chave</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este programa guarda el correo electrónico, el alias y los nombres de empresa, instalador y referencia del instalador. En este PC guarda además el correo electrónico y la contraseña, cifrados, en la configuración del usuario.&lt;/p&gt;&lt;p&gt;El directorio en la nube contiene los identificadores de los equipos, sus referencias y sus últimos estados, y un registro de las acciones realizadas con el correo electrónico del usuario que las hizo.&lt;/p&gt;&lt;p&gt;Estos datos se usan solo para dar acceso remoto a los equipos y su historial a la empresa del instalador. El responsable de los datos es la empresa que opera el servicio en la nube; el instalador puede pedirle el acceso a sus datos o que los borre.&lt;/p&gt;&lt;p&gt;&quot;Cerrar sesión&quot; borra de este PC la contraseña guardada.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Este programa guarda o correio eletrónico, o alias e os nomes da empresa, do instalador e da referência do instalador. Neste PC guarda também o correio eletrónico e a palavra-passe, cifrados, na configuração do utilizador.&lt;/p&gt;&lt;p&gt;O diretório na nuvem contém os identificadores dos equipamentos, as suas referências e os seus últimos estados, e um registo das ações realizadas com o correio eletrónico do utilizador que as efetuou.&lt;/p&gt;&lt;p&gt;Estes dados são utilizados apenas para dar à empresa do instalador acesso remoto aos equipamentos e ao seu histórico. O responsável pelos dados é a empresa que opera o serviço na nuvem; o instalador pode pedir-lhe o acesso aos seus dados ou que os apague.&lt;/p&gt;&lt;p&gt;&quot;Terminar sessão&quot; apaga deste PC a palavra-passe guardada.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFInfo</name>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Informação da porta série e TCP</translation>
    </message>
    <message>
        <source>Enviar al GSM</source>
        <translation>Enviar para o GSM</translation>
    </message>
    <message>
        <source>Enviar al Quelta</source>
        <translation>Enviar para o Quelta</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
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
        <translation>Teste</translation>
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
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>Atualiz.</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>Porta USB</translation>
    </message>
    <message>
        <source> CODIGO DE PROGRAMACION</source>
        <translation> CÓDIGO DE PROGRAMAÇÃO</translation>
    </message>
    <message>
        <source>El circuito está protegido y no se puede acceder a su programación. Para desbloquear entre el código de programación.</source>
        <translation>O equipamento está protegido e não é possível aceder à sua programação. Para desbloquear, introduza o código de programação.</translation>
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
        <translation>Terminar sessão</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Programación</source>
        <translation>Programação</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Ler o equipamento</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Programar o equipamento</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Guardar modelo</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Importar dados de modelo</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Restaurar os valores de fábrica</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>Comunicación</source>
        <translation>Comunicação</translation>
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
        <translation>SEM   LIGAÇÃO</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Modelo</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFRegistre</name>
    <message>
        <source>Para acceder remotamente al circuito es necesario tenerlo identificando con el nombre de empresa y el instalador correctos</source>
        <translation>Para aceder remotamente ao equipamento, é necessário que esteja identificado com o nome da empresa e do instalador corretos</translation>
    </message>
    <message>
        <source>Formulario de registro</source>
        <translation>Formulário de registo</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Introduzca el correo electrónico y la contraseña con los que se registró.
Si aún no tiene usuario, pulse &quot;Nuevo usuario&quot;.</source>
        <translation>Introduza o correio eletrónico e a palavra-passe com que se registou.
Se ainda não tem utilizador, clique em &quot;Novo utilizador&quot;.</translation>
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
        <translation>REFERÊNCIA: </translation>
    </message>
    <message>
        <source>CLAVE:</source>
        <translation>CHAVE:</translation>
    </message>
    <message>
        <source>ALIAS: </source>
        <translation>ALIAS: </translation>
    </message>
    <message>
        <source>CORREO ELECTRONICO:</source>
        <translation>CORREIO ELETRÓNICO:</translation>
    </message>
    <message>
        <source>CONTRASEÑA: </source>
        <translation>PALAVRA-PASSE: </translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>Esqueceu-se da palavra-passe?</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Novo utilizador</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Campos obrigatórios</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver el texto</source>
        <translation>Manter premido para ver o texto</translation>
    </message>
</context>
<context>
    <name>quelta::ui::UpdateView</name>
    <message>
        <source>Actualización del firmware</source>
        <translation>Atualização do firmware</translation>
    </message>
    <message>
        <source>Versión actual :</source>
        <translation>Versão atual :</translation>
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
        <translation>Versões a atualizar:</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSÃO</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIÇÃO</translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation>TRANSFERIR</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Terminar la actualización</source>
        <translation>Terminar a atualização</translation>
    </message>
</context>
<context>
    <name>quelta::update::UpdateSession</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Erro Time Out -&gt; trama: </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Erro no início da trama: </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Erro no final da trama: </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Erro CRC da trama: </translation>
    </message>
    <message>
        <source>VERSION : </source>
        <translation>VERSÃO : </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Não há ligação à internet</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Não há nenhum equipamento ligado</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>Os dados recebidos para a atualização estão incorretos</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>Não foi possível ligar à internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERRO NA ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> Não há nenhuma atualização nova</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>Não foi encontrada nenhuma atualização</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>Não foi possível estabelecer a comunicação com o servidor<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>Erro na ligação TCP: </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>Não foi possível estabelecer a comunicação com o servidor de atualizações<byte value="xd"/>
Verifique se a porta do PC está aberta para receber dados</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Erro de ligação ao servidor de atualizações: </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>A informação recebida do servidor de atualizações está incorreta<byte value="xd"/>
A ligação vai ser fechada</translation>
    </message>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Envio ... (Bloco </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> A iniciar a atualização ...</translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Pedido de bloco </translation>
    </message>
    <message>
        <source>Quelta actualizado a la versión </source>
        <translation>Quelta atualizado para a versão </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: FALLO DE CRC</source>
        <translation>ATUALIZAÇÃO DO QUELTA: FALHA DE CRC</translation>
    </message>
    <message>
        <source>El equipo ha terminado la actualización: </source>
        <translation>O equipamento terminou a atualização: </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: ERROR GRAVE</source>
        <translation>ATUALIZAÇÃO DO QUELTA: ERRO GRAVE</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>Perdeu-se a comunicação com o servidor de atualizações</translation>
    </message>
    <message>
        <source>Actualización interrumpida</source>
        <translation>Atualização interrompida</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones</source>
        <translation>Perdeu-se a comunicação entre o equipamento Quelta e o servidor de atualizações</translation>
    </message>
</context>
</TS>
