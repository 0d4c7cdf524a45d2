<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="es_ES">
<context>
    <name>Cloud</name>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erreur de connexion au serveur : <byte value="xd"/>Impossible de résoudre le nom ou l&apos;adresse du serveur<byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>Sesión renovada</source>
        <translation>Session renouvelée</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor<byte value="xd"/></source>
        <translation>Erreur de connexion au serveur<byte value="xd"/></translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Réponse du serveur non valide</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erreur d&apos;accès à la base de données : </translation>
    </message>
    <message>
        <source>datos incompletos</source>
        <translation>données incomplètes</translation>
    </message>
    <message>
        <source>Versión no comprobada: </source>
        <translation>Version non vérifiée : </translation>
    </message>
    <message>
        <source>Versión no válida en el servidor: </source>
        <translation>Version non valide sur le serveur : </translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>Une nouvelle version est disponible<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ruta no válida: </source>
        <translation>Chemin non valide : </translation>
    </message>
    <message>
        <source>Sin sesión iniciada</source>
        <translation>Aucune session ouverte</translation>
    </message>
    <message>
        <source>Registros de equipo no válidos, omitidos: </source>
        <translation>Enregistrements d&apos;appareils non valides, ignorés : </translation>
    </message>
    <message>
        <source>El servidor no responde</source>
        <translation>Le serveur ne répond pas</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Referencia: </source>
        <translation>Référence : </translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Téléphones</translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Bouton</translation>
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
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
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
        <translation>    Fermer   </translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Oui    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Non    </translation>
    </message>
</context>
<context>
    <name>DirectoryEntries</name>
    <message>
        <source>Desactivado</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>No ADSL</source>
        <translation>Sans ADSL</translation>
    </message>
    <message>
        <source>No GPRS</source>
        <translation>Sans GPRS</translation>
    </message>
</context>
<context>
    <name>EventHistory</name>
    <message>
        <source>Abierta</source>
        <translation>Ouverte</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Fermée</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordre d&apos;ouverture</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordre de fermeture</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Ouverture en cours</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Fermeture en cours</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Appel reçu : ouverture de la porte</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>En dehors des horaires autorisés</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Numéro non autorisé</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Numéro non enregistré</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Ordre envoyé à la centrale</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Ordre envoyé aux sorties</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>Utilisateur en dehors des horaires autorisés</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilisateur non autorisé</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>Utilisateur trop éloigné</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>Position de l&apos;utilisateur inconnue</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Position de l&apos;appareil non enregistrée</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Entrée non activée</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Référence</translation>
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
        <translation>Code CID</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation>Type événement</translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation>Texte du message</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation>N. décl.</translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation>N. rét.</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>T. décl.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>T. rét.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Alarme déclencheur manuel</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Alarme détecteur</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Dérangement ligne Ouverte</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Dérangement ligne en Court-circuit</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point Hors service</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Point en essai</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Alarme Déclencheur manuel Essai</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Alarme Détecteur Essai</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relais Hors service</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relais Dérangement ligne Ouverte</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relais Dérangement ligne en Court-circuit</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relais Dérangement 24V</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relais Préalarme</translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation> Relais Déclenchement</translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation>Relais Annulation</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation> Relais Sirène 1 dérangement ligne Ouverte</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Relais Sirène 1 dérangement ligne en Court-circuit</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Relais Sirène 1 déclenchement</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Relais Sirène 2 dérangement ligne Ouverte</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Relais Sirène 2 dérangement ligne en Court-circuit</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Relais Sirène 2 déclenchement</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> Relais Dérangement Général ligne Ouverte</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> Relais Dérangement Général ligne en Court-circuit</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> Relais Dérangement Général déclenchement</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Source alim. Dérangement chargeur</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Source alim. Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Source alim. Dérangement absence secteur</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Source alim. Dérangement 30V</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ACTIVATION MANUELLE DE L&apos;ÉVACUATION</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DÉCLENCHEMENT MANUEL DES SIRÈNES</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>DÉRANGEMENT BOUCLE</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>DÉRANGEMENT SIRÈNES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>DÉRANGEMENT ALIMENTATION</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>DÉRANGEMENT DÉFAUT À LA TERRE</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>DÉRANGEMENT HORS SERVICE</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>DÉRANGEMENT SYSTÈME</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>DÉRANGEMENT RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ÉLÉMENT NE RÉPOND PAS</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RÉPONSE DOUBLE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE MODIFIÉ</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>COUPURE SUR ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>COURT-CIRCUIT SUR ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ÉLÉMENT ENCRASSÉ</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Mise hors service</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme capteur</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme technique</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme température</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme fumée</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme déclencheur manuel (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Alarme déclencheur manuel &apos;Double&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme essai incendie</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme essai non configuré</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Dérangement communication répéteur</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Dérangement communication centrale</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Dérangement communication contrôleur</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Dérangement communication Module &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Dérangement communication Module CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Dérangement communication Module Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Dérangement chargeur batteries</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Dérangement batterie défectueuse</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Dérangement absence batterie</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Dérangement batterie surchargée</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Dérangement tension basse</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Dérangement surtension</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Dérangement absence alimentation</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Dérangement sortie 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Dérangement boucle court-circuit</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Dérangement capteur</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dérangement encrassement</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Dérangement boucle ouverte</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Dérangement consommation boucle</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Dérangement point ne répond pas</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>Dérangement KMAY encrassé</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Dérangement KMAY court-circuit</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Dérangement KMAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Dérangement MSTAY court-circuit</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Dérangement MSTAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Dérangement technique</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Dérangement Relais ligne ouverte</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Dérangement Relais court-circuit</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Dérangement Relais non activé</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Dérangement Relais 24V</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zone en essai</translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation>   Opérateur</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation>Décl.</translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation>Rét.</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Message déclenchement/message rétablissement</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Démar.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Autopr.</translation>
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
        <translation>Télésurv.</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation>Désac.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>T.Act.</translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation>T.Dés.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation>Message activation/Message désactivation</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Hora: (hh:mm)</source>
        <translation>Heure : (hh:mm)</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Message de test</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Message de défaut/Message de rétablissement</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>Perte GSM</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>Perte ADSL</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>Perte télésurv.</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Perte serveur</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>Perte COM</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Dérangement</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Essai</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Communication avec la Centrale</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> Perte tension 230V</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Défaut Alimentation principale</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Batterie faible</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Défaut de terre</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Sort.</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Activ.</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation>T.Ent</translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation> Défaut circuit ouvert</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Défaut court-circuit</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone hors service</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Dérangement chargeur batteries</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Dérangement défaut batteries</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Dérangement centrale défaut 220V</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Feu</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Fumée</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustion</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Détecteur de débit (eau)</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Chaleur</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Déclencheur manuel</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Détecteur de gaine</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Détecteur d&apos;alarme</translation>
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
        <translation>Configuration DHCP</translation>
    </message>
    <message>
        <source>Configuración del software</source>
        <translation>Configuration du logiciel</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Accès</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Central Aguilera</source>
        <translation>Centrale Aguilera</translation>
    </message>
    <message>
        <source>Central BC600/216</source>
        <translation>Centrale BC600/216</translation>
    </message>
    <message>
        <source>Equipo industrial</source>
        <translation>Équipement industriel</translation>
    </message>
    <message>
        <source>Central Cofem</source>
        <translation>Centrale Cofem</translation>
    </message>
    <message>
        <source>Central Urano</source>
        <translation>Centrale Urano</translation>
    </message>
    <message>
        <source>Central Syncro</source>
        <translation>Centrale Syncro</translation>
    </message>
    <message>
        <source>Central Bosch Avenar</source>
        <translation>Centrale Bosch Avenar</translation>
    </message>
    <message>
        <source>Central AD300</source>
        <translation>Centrale AD300</translation>
    </message>
    <message>
        <source>Central Supra</source>
        <translation>Centrale Supra</translation>
    </message>
    <message>
        <source>Central Cofem Zafir</source>
        <translation>Centrale Cofem Zafir</translation>
    </message>
    <message>
        <source>Central ID3000</source>
        <translation>Centrale ID3000</translation>
    </message>
    <message>
        <source>Velocidad y paridad de la comunicación RS232 con la central <byte value="xd"/>
Ejemplo: 9600,N</source>
        <translation>Vitesse et parité de la communication RS232 avec la centrale <byte value="xd"/>
Exemple : 9600,N</translation>
    </message>
    <message>
        <source>Nombre del último fichero de eventos importado o exportado </source>
        <translation>Nom du dernier fichier d&apos;événements importé ou exporté </translation>
    </message>
    <message>
        <source>Dirección del circuito como periférico de la central <byte value="xd"/>
Dos dígitos hexadecimales</source>
        <translation>Adresse du transmetteur en tant que périphérique de la centrale <byte value="xd"/>
Deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Notifications des événements de la centrale : App, SMS, e-mail, code CID et texte du message </translation>
    </message>
    <message>
        <source>Avisos de los eventos de la central: tipo de evento, App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Notifications des événements de la centrale : type d&apos;événement, App, SMS, e-mail, code CID et texte du message </translation>
    </message>
    <message>
        <source>Importa de un fichero los mensajes de los eventos de la central </source>
        <translation>Importe depuis un fichier les messages des événements de la centrale </translation>
    </message>
    <message>
        <source>Exporta a un fichero los mensajes de los eventos de la central </source>
        <translation>Exporte vers un fichier les messages des événements de la centrale </translation>
    </message>
    <message>
        <source>Borra en el circuito los mensajes de los eventos de la central </source>
        <translation>Efface dans le transmetteur les messages des événements de la centrale </translation>
    </message>
    <message>
        <source>Salida que se activa, condición de entrada, tiempo de la entrada y tiempo de desactivación de la salida</source>
        <translation>Sortie activée, condition d&apos;entrée, temporisation de l&apos;entrée et temporisation de désactivation de la sortie</translation>
    </message>
    <message>
        <source>Nombre de la empresa instaladora <byte value="xd"/>
Normalmente coincidirá con el nombre de la empresa que se dado de alta en el programa</source>
        <translation>Nom de la société d&apos;installation <byte value="xd"/>
Correspond normalement au nom de la société enregistrée dans le logiciel</translation>
    </message>
    <message>
        <source>Nombre del instalador <byte value="xd"/>
Normalmente coincidirá con el nombre del instalador que se ha dado de alta en el programa</source>
        <translation>Nom de l&apos;installateur <byte value="xd"/>
Correspond normalement au nom de l&apos;installateur enregistré dans le logiciel</translation>
    </message>
    <message>
        <source>Nombre o código de referencia para esta instalación <byte value="xd"/>
Con esta referencia se puede acceder al circuito remotamente</source>
        <translation>Nom ou code de référence de cette installation <byte value="xd"/>
Cette référence permet d&apos;accéder au transmetteur à distance</translation>
    </message>
    <message>
        <source>Número de teléfono de la tarjeta SIM del circuito </source>
        <translation>Numéro de téléphone de la carte SIM du transmetteur </translation>
    </message>
    <message>
        <source>Contraseña para acceder al circuito por SMS </source>
        <translation>Mot de passe d&apos;accès au transmetteur par SMS </translation>
    </message>
    <message>
        <source>Código de acceso a la programación del circuito <byte value="xd"/>
Sin este código no se puede leer ni programar el circuito</source>
        <translation>Code d&apos;accès à la programmation du transmetteur <byte value="xd"/>
Sans ce code, il est impossible de lire ou de programmer le transmetteur</translation>
    </message>
    <message>
        <source>PIN de la tarjeta SIM del circuito </source>
        <translation>PIN de la carte SIM du transmetteur </translation>
    </message>
    <message>
        <source>Central de incendios conectada al puerto serie del circuito </source>
        <translation>Centrale incendie raccordée au port série du transmetteur </translation>
    </message>
    <message>
        <source>Dirección MAC de la conexión ADSL del circuito <byte value="xd"/>
Solo lectura</source>
        <translation>Adresse MAC de la connexion ADSL du transmetteur <byte value="xd"/>
Lecture seule</translation>
    </message>
    <message>
        <source>UTC, zona horaria de referencia </source>
        <translation>UTC, fuseau horaire de référence </translation>
    </message>
    <message>
        <source>Partes activas del circuito <byte value="xd"/>
GPRS, ADSL, COM y entradas/salidas</source>
        <translation>Parties actives du transmetteur <byte value="xd"/>
GPRS, ADSL, COM et entrées/sorties</translation>
    </message>
    <message>
        <source>DHCP activado: la red asigna la dirección IP del circuito <byte value="xd"/>
Desactivado, el circuito usa la dirección IP, la máscara, la puerta de enlace y los DNS fijos</source>
        <translation>DHCP activé : le réseau attribue l&apos;adresse IP du transmetteur <byte value="xd"/>
Désactivé : le transmetteur utilise l&apos;adresse IP, le masque, la passerelle et les DNS fixes</translation>
    </message>
    <message>
        <source>Dirección IP fija del circuito <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Adresse IP fixe du transmetteur <byte value="xd"/>
Utilisée uniquement lorsque le DHCP est désactivé</translation>
    </message>
    <message>
        <source>Máscara de subred de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Masque de sous-réseau du réseau local <byte value="xd"/>
Utilisé uniquement lorsque le DHCP est désactivé</translation>
    </message>
    <message>
        <source>Puerta de enlace de la red local <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Passerelle du réseau local <byte value="xd"/>
Utilisée uniquement lorsque le DHCP est désactivé</translation>
    </message>
    <message>
        <source>Servidor DNS primario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Serveur DNS primaire <byte value="xd"/>
Utilisé uniquement lorsque le DHCP est désactivé</translation>
    </message>
    <message>
        <source>Servidor DNS secundario <byte value="xd"/>
Solo se usa con el DHCP desactivado</source>
        <translation>Serveur DNS secondaire <byte value="xd"/>
Utilisé uniquement lorsque le DHCP est désactivé</translation>
    </message>
    <message>
        <source>Listado de las operadoras de GPRS <byte value="xd"/>
Ejemplo: Movistar,movistar.es,MOVISTAR,MOVISTAR</source>
        <translation>Liste des opérateurs GPRS <byte value="xd"/>
Exemple : Movistar,movistar.es,MOVISTAR,MOVISTAR</translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las operadoras de GPRS </source>
        <translation>Efface dans le transmetteur la liste des opérateurs GPRS </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las operadoras de GPRS </source>
        <translation>Importe depuis un fichier la liste des opérateurs GPRS </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las operadoras de GPRS </source>
        <translation>Exporte vers un fichier la liste des opérateurs GPRS </translation>
    </message>
    <message>
        <source>Servidor SMTP para el envío de e-mail <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Serveur SMTP pour l&apos;envoi des e-mails <byte value="xd"/>
Vous pouvez saisir l&apos;adresse IP ou le nom</translation>
    </message>
    <message>
        <source>Puerto del servidor SMTP </source>
        <translation>Port du serveur SMTP </translation>
    </message>
    <message>
        <source>Usuario de la cuenta del servidor SMTP </source>
        <translation>Utilisateur du compte du serveur SMTP </translation>
    </message>
    <message>
        <source>Contraseña de la cuenta del servidor SMTP </source>
        <translation>Mot de passe du compte du serveur SMTP </translation>
    </message>
    <message>
        <source>Remitente de los e-mails que envía el circuito </source>
        <translation>Expéditeur des e-mails envoyés par le transmetteur </translation>
    </message>
    <message>
        <source>Asunto de los e-mails que envía el circuito </source>
        <translation>Objet des e-mails envoyés par le transmetteur </translation>
    </message>
    <message>
        <source>Teléfono 1 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Téléphone 1 destinataire d&apos;un SMS lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs numéros de téléphone séparés par ;</translation>
    </message>
    <message>
        <source>Teléfono 2 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Téléphone 2 destinataire d&apos;un SMS lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs numéros de téléphone séparés par ;</translation>
    </message>
    <message>
        <source>Teléfono 3 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Téléphone 3 destinataire d&apos;un SMS lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs numéros de téléphone séparés par ;</translation>
    </message>
    <message>
        <source>Teléfono 4 a enviar un SMS cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varios números de teléfono separados por ;</source>
        <translation>Téléphone 4 destinataire d&apos;un SMS lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs numéros de téléphone séparés par ;</translation>
    </message>
    <message>
        <source>Dirección 1 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Adresse 1 destinataire d&apos;un e-mail lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs adresses séparées par ;</translation>
    </message>
    <message>
        <source>Dirección 2 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Adresse 2 destinataire d&apos;un e-mail lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs adresses séparées par ;</translation>
    </message>
    <message>
        <source>Dirección 3 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Adresse 3 destinataire d&apos;un e-mail lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs adresses séparées par ;</translation>
    </message>
    <message>
        <source>Dirección 4 a enviar un e-mail cuando se dispara o restaura una entrada <byte value="xd"/>
Puede tener varias direcciones separadas por ;</source>
        <translation>Adresse 4 destinataire d&apos;un e-mail lors du déclenchement ou du rétablissement d&apos;une entrée <byte value="xd"/>
Peut contenir plusieurs adresses séparées par ;</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Adresse du centre de télésurveillance 1.1 <byte value="xd"/>
Vous pouvez saisir l&apos;adresse IP ou le nom</translation>
    </message>
    <message>
        <source>Dirección de la CRA 1.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Adresse du centre de télésurveillance 1.2 <byte value="xd"/>
Vous pouvez saisir l&apos;adresse IP ou le nom</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.1 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Adresse du centre de télésurveillance 2.1 <byte value="xd"/>
Vous pouvez saisir l&apos;adresse IP ou le nom</translation>
    </message>
    <message>
        <source>Dirección de la CRA 2.2 <byte value="xd"/>
Puede escribirse la dirección IP o el nombre</source>
        <translation>Adresse du centre de télésurveillance 2.2 <byte value="xd"/>
Vous pouvez saisir l&apos;adresse IP ou le nom</translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.1 </source>
        <translation>Port du centre de télésurveillance 1.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 1.2 </source>
        <translation>Port du centre de télésurveillance 1.2 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.1 </source>
        <translation>Port du centre de télésurveillance 2.1 </translation>
    </message>
    <message>
        <source>Puerto de la CRA 2.2 </source>
        <translation>Port du centre de télésurveillance 2.2 </translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Numéro d&apos;abonné auprès du centre de télésurveillance 1.1 <byte value="xd"/>
Jusqu&apos;à 6 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 1.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Numéro d&apos;abonné auprès du centre de télésurveillance 1.2 <byte value="xd"/>
Jusqu&apos;à 6 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.1 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Numéro d&apos;abonné auprès du centre de télésurveillance 2.1 <byte value="xd"/>
Jusqu&apos;à 6 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Número de abonado en la CRA 2.2 <byte value="xd"/>
Hasta 6 dígitos hexadecimales</source>
        <translation>Numéro d&apos;abonné auprès du centre de télésurveillance 2.2 <byte value="xd"/>
Jusqu&apos;à 6 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>Periodo de polling con la CRA, en minutos </source>
        <translation>Période de polling avec le centre de télésurveillance, en minutes </translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal <byte value="xd"/>
Sin marcar se envían en decimal</source>
        <translation>Codes Contact ID en hexadécimal <byte value="xd"/>
Case non cochée : ils sont envoyés en décimal</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID que se envían a la CRA </source>
        <translation>Envoi à l&apos;App des codes Contact ID transmis au centre de télésurveillance </translation>
    </message>
    <message>
        <source>Alias, retardo de disparo, retardo de restauración y contacto NO de las entradas </source>
        <translation>Alias, retard de déclenchement, retard de rétablissement et contact NO des entrées </translation>
    </message>
    <message>
        <source>Avisos de las entradas: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Notifications des entrées : App, SMS, e-mail, code CID et message de déclenchement/message de rétablissement </translation>
    </message>
    <message>
        <source>Eventos del sistema que activan las salidas <byte value="xd"/>
Inicio, test, tamper, alimentación, pérdida de GSM, ADSL, CRA, servidor o COM y App</source>
        <translation>Événements système qui activent les sorties <byte value="xd"/>
Démarrage, test, autoprotection, alimentation, perte GSM, ADSL, centre de télésurveillance, serveur ou COM, et App</translation>
    </message>
    <message>
        <source>Alias, desactivación, tiempo de activación, tiempo de desactivación y contacto NO de las salidas </source>
        <translation>Alias, désactivation, temps d&apos;activation, temps de désactivation et contact NO des sorties </translation>
    </message>
    <message>
        <source>Entradas que activan las salidas </source>
        <translation>Entrées qui activent les sorties </translation>
    </message>
    <message>
        <source>Avisos de las salidas: App, SMS, e-mail, código CID y mensaje de activación/mensaje de desactivación </source>
        <translation>Notifications des sorties : App, SMS, e-mail, code CID et message d&apos;activation/message de désactivation </translation>
    </message>
    <message>
        <source>Aviso de inicio del sistema: App, SMS, e-mail, código CID y texto del mensaje </source>
        <translation>Notification de démarrage du système : App, SMS, e-mail, code CID et texte du message </translation>
    </message>
    <message>
        <source>Test periódico: alias, periodo del test y hora del test (hh:mm) </source>
        <translation>Test périodique : alias, période du test et heure du test (hh:mm) </translation>
    </message>
    <message>
        <source>Aviso del test periódico: App, SMS, e-mail, código CID y mensaje de test </source>
        <translation>Notification du test périodique : App, SMS, e-mail, code CID et message de test </translation>
    </message>
    <message>
        <source>Tamper: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Autoprotection : alias, seuils de déclenchement et de rétablissement, temps de déclenchement et de rétablissement, et contact NO </translation>
    </message>
    <message>
        <source>Avisos del tamper: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Notifications de l&apos;autoprotection : App, SMS, e-mail, code CID et message de déclenchement/message de rétablissement </translation>
    </message>
    <message>
        <source>Alimentación: alias, niveles de disparo y de restauración, tiempos de disparo y de restauración y contacto NO </source>
        <translation>Alimentation : alias, seuils de déclenchement et de rétablissement, temps de déclenchement et de rétablissement, et contact NO </translation>
    </message>
    <message>
        <source>Avisos de la alimentación: App, SMS, e-mail, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Notifications de l&apos;alimentation : App, SMS, e-mail, code CID et message de déclenchement/message de rétablissement </translation>
    </message>
    <message>
        <source>Avisos de pérdida de comunicación GSM, ADSL, CRA, servidor y COM <byte value="xd"/>
App, SMS, e-mail, código CID y mensaje de fallo/mensaje de recuperación</source>
        <translation>Notifications de perte de communication GSM, ADSL, centre de télésurveillance, serveur et COM <byte value="xd"/>
App, SMS, e-mail, code CID et message de défaut/message de rétablissement</translation>
    </message>
    <message>
        <source>Nombre del último fichero de zonas importado o exportado </source>
        <translation>Nom du dernier fichier de zones importé ou exporté </translation>
    </message>
    <message>
        <source>Listado de las zonas de la central: código CID y nombre de cada zona </source>
        <translation>Liste des zones de la centrale : code CID et nom de chaque zone </translation>
    </message>
    <message>
        <source>Borra en el circuito el listado de las zonas </source>
        <translation>Efface dans le transmetteur la liste des zones </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de las zonas </source>
        <translation>Importe depuis un fichier la liste des zones </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de las zonas </source>
        <translation>Exporte vers un fichier la liste des zones </translation>
    </message>
    <message>
        <source>Envío a la App de los códigos Contact ID de los eventos de la central </source>
        <translation>Envoi à l&apos;App des codes Contact ID des événements de la centrale </translation>
    </message>
    <message>
        <source>Supervisión del equipo: alias, App, SMS, e-mail, tiempo, código CID y mensaje de disparo/mensaje de restauración </source>
        <translation>Supervision de l&apos;appareil : alias, App, SMS, e-mail, temps, code CID et message de déclenchement/message de rétablissement </translation>
    </message>
    <message>
        <source>Nombre del botón 1 </source>
        <translation>Nom du bouton 1 </translation>
    </message>
    <message>
        <source>Nombre del botón 2 </source>
        <translation>Nom du bouton 2 </translation>
    </message>
    <message>
        <source>Nombre del botón 3 </source>
        <translation>Nom du bouton 3 </translation>
    </message>
    <message>
        <source>Nombre del botón 4 </source>
        <translation>Nom du bouton 4 </translation>
    </message>
    <message>
        <source>Tiempo activando del botón 1 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Temps en activation du bouton 1 <byte value="xd"/>
Durée de la manœuvre d&apos;ouverture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 1 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Temps activé du bouton 1 <byte value="xd"/>
Durée pendant laquelle la porte reste ouverte</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 1 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Temps en désactivation du bouton 1 <byte value="xd"/>
Durée de la manœuvre de fermeture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 2 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Temps en activation du bouton 2 <byte value="xd"/>
Durée de la manœuvre d&apos;ouverture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 2 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Temps activé du bouton 2 <byte value="xd"/>
Durée pendant laquelle la porte reste ouverte</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 2 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Temps en désactivation du bouton 2 <byte value="xd"/>
Durée de la manœuvre de fermeture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 3 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Temps en activation du bouton 3 <byte value="xd"/>
Durée de la manœuvre d&apos;ouverture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 3 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Temps activé du bouton 3 <byte value="xd"/>
Durée pendant laquelle la porte reste ouverte</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 3 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Temps en désactivation du bouton 3 <byte value="xd"/>
Durée de la manœuvre de fermeture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activando del botón 4 <byte value="xd"/>
Tiempo de apertura de la puerta</source>
        <translation>Temps en activation du bouton 4 <byte value="xd"/>
Durée de la manœuvre d&apos;ouverture de la porte</translation>
    </message>
    <message>
        <source>Tiempo activado del botón 4 <byte value="xd"/>
Tiempo que la puerta permanece abierta</source>
        <translation>Temps activé du bouton 4 <byte value="xd"/>
Durée pendant laquelle la porte reste ouverte</translation>
    </message>
    <message>
        <source>Tiempo desactivando del botón 4 <byte value="xd"/>
Tiempo de cierre de la puerta</source>
        <translation>Temps en désactivation du bouton 4 <byte value="xd"/>
Durée de la manœuvre de fermeture de la porte</translation>
    </message>
    <message>
        <source>Teléfonos registrados para el equipo: nombre, habilitado y botón de la puerta </source>
        <translation>Téléphones enregistrés pour l&apos;appareil : nom, autorisé et bouton de la porte </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los teléfonos del equipo </source>
        <translation>Charge depuis le cloud la liste des téléphones de l&apos;appareil </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los teléfonos </source>
        <translation>Enregistre dans le cloud les modifications de la liste des téléphones </translation>
    </message>
    <message>
        <source>Elimina los teléfonos marcados </source>
        <translation>Supprime les téléphones cochés </translation>
    </message>
    <message>
        <source>Importa de un fichero el listado de los teléfonos </source>
        <translation>Importe depuis un fichier la liste des téléphones </translation>
    </message>
    <message>
        <source>Exporta a un fichero el listado de los teléfonos </source>
        <translation>Exporte vers un fichier la liste des téléphones </translation>
    </message>
    <message>
        <source>Usuarios de la App que pueden usar el equipo: habilitado y botones de las puertas que pueden accionar </source>
        <translation>Utilisateurs de l&apos;App autorisés à utiliser l&apos;appareil : autorisé et boutons des portes qu&apos;ils peuvent commander </translation>
    </message>
    <message>
        <source>Carga de la nube el listado de los usuarios de la App del equipo </source>
        <translation>Charge depuis le cloud la liste des utilisateurs de l&apos;App de l&apos;appareil </translation>
    </message>
    <message>
        <source>Guarda en la nube los cambios del listado de los usuarios </source>
        <translation>Enregistre dans le cloud les modifications de la liste des utilisateurs </translation>
    </message>
    <message>
        <source>Elimina los usuarios marcados </source>
        <translation>Supprime les utilisateurs cochés </translation>
    </message>
    <message>
        <source>Lee del circuito los parámetros de la página activa </source>
        <translation>Lit dans le transmetteur les paramètres de la page active </translation>
    </message>
    <message>
        <source>Graba los parámetros de la página activa modificados en el circuito </source>
        <translation>Écrit dans le transmetteur les paramètres modifiés de la page active </translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>Port USB</translation>
    </message>
    <message>
        <source>Puerto de comunicación de este programa con el circuito Quelta</source>
        <translation>Port de communication entre ce logiciel et le transmetteur Quelta</translation>
    </message>
    <message>
        <source>Programación del circuito</source>
        <translation>Programmation du transmetteur</translation>
    </message>
    <message>
        <source>Estado del circuito y de la central de incendios conectada</source>
        <translation>État du transmetteur et de la centrale incendie raccordée</translation>
    </message>
    <message>
        <source>Busca los equipos en la nube por empresa, instalador y referencia</source>
        <translation>Recherche les appareils dans le cloud par société, installateur et référence</translation>
    </message>
    <message>
        <source>Posición del equipo en el mapa</source>
        <translation>Position de l&apos;appareil sur la carte</translation>
    </message>
    <message>
        <source>Actualización del firmware del circuito</source>
        <translation>Mise à jour du firmware du transmetteur</translation>
    </message>
    <message>
        <source>Registro de eventos del equipo</source>
        <translation>Journal des événements de l&apos;appareil</translation>
    </message>
    <message>
        <source>Conecta o desconecta la comunicación remota con el equipo</source>
        <translation>Connecte ou déconnecte la communication à distance avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Reset del circuito</source>
        <translation>Reset du transmetteur</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envoi au centre de télésurveillance</translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation>Rechercher les nouvelles versions disponibles</translation>
    </message>
    <message>
        <source>Parámetro : </source>
        <translation>Paramètre : </translation>
    </message>
    <message>
        <source>a partir de </source>
        <translation>à partir de </translation>
    </message>
    <message>
        <source>Funcionamiento del botón </source>
        <translation>Fonctionnement du bouton </translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>No se ha podido guardar el archivo %1: %2</source>
        <translation>Impossible d&apos;enregistrer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Libro de Excel (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>no se ha indicado ningún archivo</source>
        <translation>aucun fichier n&apos;a été indiqué</translation>
    </message>
</context>
<context>
    <name>InputRules</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Cette adresse IP n&apos;est pas valide<byte value="xd"/>Veuillez saisir une adresse correcte</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Cette adresse e-mail n&apos;est pas valide<byte value="xd"/>Veuillez saisir une adresse correcte</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>Coordenadas del equipo</source>
        <translation>Coordonnées du transmetteur</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Nueva actualización</source>
        <translation>Nouvelle mise à jour</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Télécharger maintenant</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>NamedStrings</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>Démarrage du système</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>Un Reset logiciel a été généré</translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation>Erreur 0x01</translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation>Erreur 0x02</translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation>Défaut matériel</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>Écriture des paramètres dans la Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>Lecture des paramètres dans la Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Test périodique</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Ajout d&apos;un envoi au centre de télésurveillance : </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Ajout d&apos;un envoi au serveur :</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>Ajout d&apos;un envoi d&apos;e-mail : </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>Ajout d&apos;un envoi de SMS : </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Erreur de mise à l&apos;heure par le serveur</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Heure du serveur mise à jour</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Commande envoyée</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM non initialisé</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM initialisé</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Envoi hexa par COM : </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Envoi texte par COM : </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>Module GPRS non initialisé</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>Module GPRS initialisé</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>Mise sous tension du module GPRS</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>Mise hors tension du module GPRS</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Envoi par GPRS : </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING reçu</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Reçu par GPRS : </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS : impossible de résoudre le DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS : socket ouvert trop longtemps</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS : erreur de socket</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Erreur de mise à l&apos;heure par le GPRS</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>Heure GPRS mise à jour</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>Module GPRS détecté</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>PIN manquant</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>Recherche de la SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM et PIN corrects</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>Module GPRS prêt</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>Connexion GPRS établie</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS : envoi au centre de télésurveillance (effacé) : </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS : envoi au centre de télésurveillance : </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS : e-mail envoyé : </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS : e-mail envoyé (effacé) :</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS : SMS envoyé : </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS : SMS envoyé (effacé) :</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS : SMS reçu</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS : entrée en mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS : sortie du mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet désactivé</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet activé</translation>
    </message>
    <message>
        <source>ADSL: LinkDown</source>
        <translation>ADSL : LinkDown</translation>
    </message>
    <message>
        <source>ADSL: LinkUp</source>
        <translation>ADSL : LinkUp</translation>
    </message>
    <message>
        <source>ADSL: 10 MBit/Full</source>
        <translation>ADSL : 10 MBit/Full</translation>
    </message>
    <message>
        <source>ADSL: Error de negociación</source>
        <translation>ADSL : erreur de négociation</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL : DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL : réponse reçue du centre de télésurveillance : </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL : socket ouvert vers le centre de télésurveillance</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL : socket fermé vers le centre de télésurveillance</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL : résolution DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL : envoi au centre de télésurveillance (effacé) : </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL : envoi au centre de télésurveillance : </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL : début de la connexion au serveur</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL : connecté au réseau</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL : connecté au serveur</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL : abonné au serveur</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL : erreur de connexion au serveur</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL : erreur de connexion au réseau</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL : erreur de réponse du serveur</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL : envoi au serveur</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL : envoi d&apos;e-mail (effacé) : </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL : envoi d&apos;e-mail : </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL : entrée en mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL : sortie du mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>E/S non initialisées</translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation>E/S initialisées</translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation>Entrée déclenchée : </translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation>Entrée rétablie : </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Sortie déclenchée : </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Sortie rétablie : </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Perte </translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation>Rétablissement </translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation>Autoprotection déclenchée</translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation>Alimentation rétablie</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Alimentation faible</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Autoprotection rétablie</translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>Modification de la sortie non autorisée : </translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>La communication avec la centrale a été perdue</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>ERREUR de checksum</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>La centrale répond</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Données reçues : </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Envoi d&apos;une commande à la centrale : </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Commande de télécommande : </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Perte de communication avec la centrale</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Rétablissement de la communication avec la centrale</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>ERREUR de checksum</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Reçu de la centrale : </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Message bidirectionnel reçu de la centrale : </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>passage en essai z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>fin d&apos;essai z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>passage en alarme z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>fin d&apos;alarme z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>passage en dérangement z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>fin de dérangement z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>mise hors service z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>fin de mise hors service z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Défaut de communication entre l&apos;interface et la centrale</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Rétablissement de la communication entre l&apos;interface et la centrale</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Envoi d&apos;une commande utilisateur à la centrale</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Reçu de la centrale :</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>Pas de communication avec la centrale</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Réponse de la centrale</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>ERREUR checksum</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Passage en alarme détecteur z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>Fin d&apos;alarme détecteur z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Passage en alarme déclencheur manuel z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>Fin d&apos;alarme déclencheur manuel z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Passage en dérangement z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>Fin de dérangement z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Mise hors service z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>Fin de mise hors service z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Passage en essai z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>Fin d&apos;essai z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Passage en alarme en essai z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>Fin d&apos;alarme en essai z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>Défaut 220V</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>Rétablissement 220V</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Défaut batterie</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Rétablissement batterie</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme détecteur</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme technique</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme température</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme fumée</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme déclencheur manuel (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador &apos;Doble&apos;</source>
        <translation>Alarme déclencheur manuel &apos;Double&apos;</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme essai incendie</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme essai non configuré</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Dérangement communication répéteur</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Dérangement communication centrale</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Dérangement communication contrôleur</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Dérangement communication module &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Dérangement communication module CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Dérangement communication module Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Dérangement chargeur de batteries</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Dérangement batterie défectueuse</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Dérangement absence de batterie</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Dérangement batterie surchargée</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Dérangement sous-tension</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Dérangement surtension</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Dérangement absence d&apos;alimentation</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Dérangement sortie 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Dérangement boucle en court-circuit</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Dérangement détecteur</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dérangement encrassement</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Dérangement boucle ouverte</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Dérangement consommation boucle</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Dérangement point ne répond pas</translation>
    </message>
    <message>
        <source>Avería KMAY SUC</source>
        <translation>Dérangement KMAY SUC</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Dérangement KMAY court-circuit</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Dérangement KMAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Dérangement MSTAY court-circuit</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Dérangement MSTAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Dérangement technique</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Dérangement relais ligne ouverte</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Dérangement relais court-circuit</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Dérangement relais non actif</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Dérangement relais 24V</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone hors service</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point hors service</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>DÉRANGEMENT BOUCLE</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>DÉRANGEMENT SIRÈNES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>DÉRANGEMENT ALIMENTATION</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>DÉRANGEMENT DÉFAUT TERRE</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>DÉRANGEMENT HORS SERVICE</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>DÉRANGEMENT SYSTÈME</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>DÉRANGEMENT RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ÉLÉMENT NE RÉPOND PAS</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RÉPONSE DOUBLE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE MODIFIÉ</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>COUPURE EN ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>COURT-CIRCUIT EN ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ÉLÉMENT ENCRASSÉ</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Cargar tel.</source>
        <translation>Charger tél.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cargar usuario</source>
        <translation>Charger utilisateur</translation>
    </message>
    <message>
        <source>Importar fichero</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Exportar fichero</source>
        <translation>Exporter un fichier</translation>
    </message>
    <message>
        <source>Borrar eventos del equipo</source>
        <translation>Effacer les événements du transmetteur</translation>
    </message>
    <message>
        <source>Borrar zonas del equipo</source>
        <translation>Effacer les zones du transmetteur</translation>
    </message>
    <message>
        <source>Velocidad (baudios)</source>
        <translation>Vitesse (bauds)</translation>
    </message>
    <message>
        <source>Fichero de eventos</source>
        <translation>Fichier d&apos;événements</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Comunicación con la central</source>
        <translation>Communication avec la centrale</translation>
    </message>
    <message>
        <source>Mensajes de la central</source>
        <translation>Messages de la centrale</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>T. activando</source>
        <translation>T. activation</translation>
    </message>
    <message>
        <source>T. activado</source>
        <translation>T. activé</translation>
    </message>
    <message>
        <source>T. desactivando</source>
        <translation>T. désactivation</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Empresa</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Teléfono</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Contraseña SMS</source>
        <translation>Mot de passe SMS</translation>
    </message>
    <message>
        <source>Código de programación</source>
        <translation>Code de programmation</translation>
    </message>
    <message>
        <source>PIN de la SIM</source>
        <translation>PIN de la SIM</translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Dirección MAC</source>
        <translation>Adresse MAC</translation>
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
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Máscara de subred</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>DNS primario</source>
        <translation>DNS primaire</translation>
    </message>
    <message>
        <source>DNS secundario</source>
        <translation>DNS secondaire</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Zona horaria</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation>Fonctions actives</translation>
    </message>
    <message>
        <source>Operadores</source>
        <translation>Opérateurs</translation>
    </message>
    <message>
        <source>Correo electrónico</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Servidor SMTP</source>
        <translation>Serveur SMTP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remitente</source>
        <translation>Expéditeur</translation>
    </message>
    <message>
        <source>Asunto</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>CRA</source>
        <translation>Centre de télésurveillance</translation>
    </message>
    <message>
        <source>IP CRA 1.1</source>
        <translation>IP télésurv. 1.1</translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation>Abonné</translation>
    </message>
    <message>
        <source>IP CRA 1.2</source>
        <translation>IP télésurv. 1.2</translation>
    </message>
    <message>
        <source>IP CRA 2.1</source>
        <translation>IP télésurv. 2.1</translation>
    </message>
    <message>
        <source>IP CRA 2.2</source>
        <translation>IP télésurv. 2.2</translation>
    </message>
    <message>
        <source>Polling (s)</source>
        <translation>Polling (s)</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Aplicación</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Teléfonos SMS</source>
        <translation>Téléphones SMS</translation>
    </message>
    <message>
        <source>Teléfono 1</source>
        <translation>Téléphone 1</translation>
    </message>
    <message>
        <source>Teléfono 2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Teléfono 3</source>
        <translation>Téléphone 3</translation>
    </message>
    <message>
        <source>Teléfono 4</source>
        <translation>Téléphone 4</translation>
    </message>
    <message>
        <source>Direcciones de correo</source>
        <translation>Adresses e-mail</translation>
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
        <translation>CENTRALE INCENDIE AGUILERA</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Liste des zones</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>CENTRALE INCENDIE BC600/216</translation>
    </message>
    <message>
        <source>EQUIPO INDUSTRIAL</source>
        <translation>ÉQUIPEMENT INDUSTRIEL</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTRÔLE D&apos;ACCÈS</translation>
    </message>
    <message>
        <source>Botón 1</source>
        <translation>Bouton 1</translation>
    </message>
    <message>
        <source>Botón 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Botón 3</source>
        <translation>Bouton 3</translation>
    </message>
    <message>
        <source>Botón 4</source>
        <translation>Bouton 4</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Téléphones</translation>
    </message>
    <message>
        <source>Usuarios</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>CENTRALE INCENDIE COFEM</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRALE INCENDIE URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRALE INCENDIE SYNCRO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BOSCH</source>
        <translation>CENTRALE INCENDIE BOSCH</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRALE INCENDIE AD300</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRALE INCENDIE SUPRA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>CENTRALE INCENDIE COFEM ZAFIR</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>CENTRALE INCENDIE ID3000</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Mensajes de las entradas</source>
        <translation>Messages des entrées</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Temporización</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <source>Salidas activadas por entradas</source>
        <translation>Sorties activées par les entrées</translation>
    </message>
    <message>
        <source>Mensajes de las salidas</source>
        <translation>Messages des sorties</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Message de test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Autoprotection</translation>
    </message>
    <message>
        <source>Mensajes de tamper</source>
        <translation>Messages d&apos;autoprotection</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Mensajes de alimentación</source>
        <translation>Messages d&apos;alimentation</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Pertes de communication</translation>
    </message>
    <message>
        <source>Config. hard</source>
        <translation>Config. matérielle</translation>
    </message>
    <message>
        <source>Config. soft</source>
        <translation>Config. logicielle</translation>
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
        <translation>Industriel</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Accès</translation>
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
        <translation>Lire</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRALE INCENDIE KOMTTECH</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRÉES</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SORTIES</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SYSTÈME</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>DÉFAUT / RÉTABLISSEMENT</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Mode impulsionnel</translation>
    </message>
</context>
<context>
    <name>PanelScreens</name>
    <message>
        <source>CENTRAL AGUILERA   AE/SA - AGE</source>
        <translation>CENTRALE AGUILERA   AE/SA - AGE</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARME</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>DÉRANG.</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>HORS SERV.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>ESSAI</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILENCE</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>RESTAURATION</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>RÉARMEMENT</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  OPÉRATION EN COURS</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Veuillez patienter un instant ...</translation>
    </message>
    <message>
        <source>ZONAS</source>
        <translation>ZONES</translation>
    </message>
    <message>
        <source>ESTADO</source>
        <translation>ÉTAT</translation>
    </message>
    <message>
        <source>SIRENAS</source>
        <translation>SIRÈNES</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>TEMPORISATION</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>HORS SERVICE</translation>
    </message>
    <message>
        <source>RED 220 V</source>
        <translation>SECTEUR 220 V</translation>
    </message>
    <message>
        <source>SILENCIO ZUMBADOR</source>
        <translation>ARRÊT BUZZER</translation>
    </message>
    <message>
        <source>SILENCIO SIRENAS</source>
        <translation>ARRÊT SIRÈNES</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS</source>
        <translation>DÉCLENCHEMENT SIRÈNES</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>EN SERVICE HORS SERVICE</translation>
    </message>
    <message>
        <source>PRUEBA AVANCE</source>
        <translation>ESSAI AVANCE</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Sorties activées</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Messages techniques</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Dérangements</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Mises hors service</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Essais</translation>
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
        <translation>SILENCE ÉQUIPEMENTS</translation>
    </message>
    <message>
        <source>RESET SIRENAS</source>
        <translation>RESET SIRÈNES</translation>
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
        <translation>CENTRALE INCENDIE K-CONECTA</translation>
    </message>
    <message>
        <source>BATERIA</source>
        <translation>BATTERIE</translation>
    </message>
    <message>
        <source>AVERIA GENERAL</source>
        <translation>DÉRANGEMENT GÉNÉRAL</translation>
    </message>
    <message>
        <source>AVERIA ALIMENTACION</source>
        <translation>DÉRANGEMENT ALIMENTATION</translation>
    </message>
    <message>
        <source>RELE SIRENAS</source>
        <translation>RELAIS SIRÈNES</translation>
    </message>
    <message>
        <source>RELE AVERIA</source>
        <translation>RELAIS DÉRANGEMENT</translation>
    </message>
    <message>
        <source>AVERIA BATERIA</source>
        <translation>DÉRANGEMENT BATTERIE</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Arrêt buzzer</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Arrêt sirènes</translation>
    </message>
    <message>
        <source>Rearme</source>
        <translation>Réarmement</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM  ZAFIR</source>
        <translation>CENTRALE INCENDIE COFEM  ZAFIR</translation>
    </message>
    <message>
        <source>DISPARO</source>
        <translation>DÉCLENCHEMENT</translation>
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
        <translation>CENTRALE INCENDIE</translation>
    </message>
    <message>
        <source>Esta central no envía su estado al equipo</source>
        <translation>Cette centrale n&apos;envoie pas son état au transmetteur</translation>
    </message>
    <message>
        <source>FUEGO</source>
        <translation>FEU</translation>
    </message>
    <message>
        <source>SERVICIO</source>
        <translation>EN SERVICE</translation>
    </message>
    <message>
        <source>ZUMBADOR SILENCIADO</source>
        <translation>BUZZER ARRÊTÉ</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRALE INCENDIE SYNCRO</translation>
    </message>
    <message>
        <source>ALARMA GENERAL</source>
        <translation>ALARME GÉNÉRALE</translation>
    </message>
    <message>
        <source>RUTA DE FUEGO</source>
        <translation>TRANSMISSION FEU</translation>
    </message>
    <message>
        <source>PREALARMA</source>
        <translation>PRÉALARME</translation>
    </message>
    <message>
        <source>DESACTIVACION</source>
        <translation>MISE HORS SERVICE</translation>
    </message>
    <message>
        <source>ALIMENTACION</source>
        <translation>ALIMENTATION</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRALE INCENDIE AD300</translation>
    </message>
    <message>
        <source>ENTERADO</source>
        <translation>ACQUIT</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Dérangement</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Essai</translation>
    </message>
    <message>
        <source>FALLO SISTEMA</source>
        <translation>DÉFAUT SYSTÈME</translation>
    </message>
    <message>
        <source>ANULADO</source>
        <translation>HORS SERVICE</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>ZONAS ANULADAS</source>
        <translation>ZONES HORS SERVICE</translation>
    </message>
    <message>
        <source>ZONAS EN PRUEBA</source>
        <translation>ZONES EN ESSAI</translation>
    </message>
    <message>
        <source>FALLO A TIERRA</source>
        <translation>DÉFAUT DE TERRE</translation>
    </message>
    <message>
        <source>FALLO ALIMENTACION</source>
        <translation>DÉFAUT ALIMENTATION</translation>
    </message>
    <message>
        <source>FALLO SIRENAS</source>
        <translation>DÉFAUT SIRÈNES</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRALE INCENDIE URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRALE INCENDIE KOMTTECH</translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation>HORS LIGNE</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRALE INCENDIE SUPRA</translation>
    </message>
    <message>
        <source>SIRENAS SILENCIADAS</source>
        <translation>SIRÈNES ARRÊTÉES</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ÉTAT D&apos;ALARME : </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONE EN ALARME</translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> ÉTAT DE DÉRANGEMENT : </translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONE EN DÉRANGEMENT</translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> ÉTAT HORS SERVICE : </translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONE HORS SERVICE</translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> ÉTAT D&apos;ESSAI : </translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONE EN ESSAI</translation>
    </message>
    <message>
        <source>Zona de sistema</source>
        <translation>Zone système</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (ESSAI)</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zones</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>Niveau utilisateur</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Niveau installateur</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>Ce fichier existe déjà, voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Erreur lors de l&apos;enregistrement : </translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>Ce fichier n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Equipo no configurado</source>
        <translation>Élément non configuré</translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation>Détecteur Thermique</translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation>Détecteur Ionique</translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation>Détecteur Optique (Photoélectrique)</translation>
    </message>
    <message>
        <source>Pulsador Manual de Alarma (MCP)</source>
        <translation>Déclencheur Manuel d&apos;Alarme (MCP)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Module de Commande de sortie</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Module d&apos;Entrée</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Module de Systèmes Sprinkler</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>Détecteur VIEW</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Module CDI de Zones Conventionnelles</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Sortie Sirène</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>Module AUXILIAIRE (signal technique)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Module de Surveillance de Zones Conventionnelles (ZMX ou M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Détecteur Multicritère</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Salidas activadas</source>
        <translation>Sorties activées</translation>
    </message>
    <message>
        <source>Mensajes técnicos</source>
        <translation>Messages techniques</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Dérangements</translation>
    </message>
    <message>
        <source>Desconexiones</source>
        <translation>Mises hors service</translation>
    </message>
    <message>
        <source>Pruebas</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FEU : </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>ÉVACUATION : </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERTE : </translation>
    </message>
    <message>
        <source>PREALARMA: </source>
        <translation>PRÉALARME : </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SÉCURITÉ : </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>DÉRANGEMENT : </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>MISE HORS SERVICE : </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>ALARME TECHNIQUE : </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>MODE ESSAI</translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>ESSAI : </translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Court-circuit sur la boucle</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Circuit ouvert sur la boucle</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Dérangement de sortie surveillée</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>zone hors service</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Mode essai sonore</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation>Événement : </translation>
    </message>
    <message>
        <source> de </source>
        <translation> sur </translation>
    </message>
    <message>
        <source>DESCONEXION ZONA</source>
        <translation>ZONE HORS SERVICE</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Dérangement</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Essai</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Adresse logique</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRALE EN TÉLÉCOMMANDE</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>CENTRALE INCENDIE </translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Mise hors service</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMES                                     TYPE:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>DÉCLENCHEMENT                              RELAIS:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>DÉRANGEMENTS                                 TYPE:</translation>
    </message>
    <message>
        <source>Avería Relé</source>
        <translation>Dérangement relais</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Dérangement</translation>
    </message>
</context>
<context>
    <name>ParameterDictionary</name>
    <message>
        <source>No se encuentra el recurso %1</source>
        <translation>Ressource %1 introuvable</translation>
    </message>
    <message>
        <source>No existe el texto &quot;%1&quot; de la información %2</source>
        <translation>Le texte &quot;%1&quot; de l&apos;information %2 n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>SignIn</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERREUR !<byte value="xd"/></translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>Adresse e-mail non enregistrée.<byte value="xd"/>Veuillez saisir les informations demandées.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Por favor, siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation>Adresse e-mail non vérifiée.<byte value="xd"/>Veuillez suivre les instructions reçues par e-mail pour effectuer la vérification<byte value="xd"/>Puis cliquez de nouveau sur « Nouvel utilisateur »</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>Vous ne pouvez pas accéder au logiciel car vous n&apos;êtes pas installateur</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>Adresse e-mail incorrecte.<byte value="xd"/>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Mot de passe non valide.<byte value="xd"/>Veuillez saisir le mot de passe correct.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Trop de tentatives infructueuses.<byte value="xd"/>Patientez quelques instants et réessayez.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>Accès impossible : cet utilisateur est désactivé</translation>
    </message>
    <message>
        <source>Error de acceso a RealTime DataBase</source>
        <translation>Erreur d&apos;accès à la RealTime DataBase</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>ATTENTION !<byte value="xd"/>Un message a été envoyé à </translation>
    </message>
    <message>
        <source> para su verificación<byte value="xd"/>Siga las instrucciones que se indican<byte value="xd"/>Y después vuelva a pulsar &quot;Nuevo Usuario&quot;</source>
        <translation> pour vérification<byte value="xd"/>Suivez les instructions indiquées<byte value="xd"/>Puis cliquez de nouveau sur « Nouvel utilisateur »</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>ATTENTION !<byte value="xd"/>Pour demander le mot de passe, vous devez saisir l&apos;adresse e-mail<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>ERREUR !<byte value="xd"/>Impossible d&apos;envoyer un message à </translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> pour réinitialiser le mot de passe</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erreur d&apos;accès à la base de données : </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>La société, l&apos;installateur ou la référence ne correspondent pas à ceux de cet utilisateur.<byte value="xd"/>Veuillez saisir les informations correctes ou enregistrer un nouvel utilisateur</translation>
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
Une instance de ce programme est déjà en cours d&apos;exécution <byte value="xd"/>
agrandissez-la depuis la barre des tâches de Windows.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TimeZones</name>
    <message>
        <source>Hawaii</source>
        <translation>Hawaï</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific Time (US &amp; Canada), Tijuana</source>
        <translation>Heure du Pacifique (États-Unis et Canada), Tijuana</translation>
    </message>
    <message>
        <source>Mountain Time (US &amp; Canada), Chihuahua, Mazatlan</source>
        <translation>Heure des Rocheuses (États-Unis et Canada), Chihuahua, Mazatlán</translation>
    </message>
    <message>
        <source>Central Time (US &amp; Canada), Central America, Mexico City</source>
        <translation>Heure du Centre (États-Unis et Canada), Amérique centrale, Mexico</translation>
    </message>
    <message>
        <source>Eastern Time (US &amp; Canada), Bogota, Lima, Quito</source>
        <translation>Heure de l&apos;Est (États-Unis et Canada), Bogota, Lima, Quito</translation>
    </message>
    <message>
        <source>Atlantic Time (Canada), Caracas, La Paz, Santiago</source>
        <translation>Heure de l&apos;Atlantique (Canada), Caracas, La Paz, Santiago</translation>
    </message>
    <message>
        <source>Brasilia, Buenos Aires, Montevideo, Greenland</source>
        <translation>Brasilia, Buenos Aires, Montevideo, Groenland</translation>
    </message>
    <message>
        <source>Mid-Atlantic, Fernando de Noronha</source>
        <translation>Centre-Atlantique, Fernando de Noronha</translation>
    </message>
    <message>
        <source>Azores, Cape Verde Is.</source>
        <translation>Açores, Îles du Cap-Vert</translation>
    </message>
    <message>
        <source>Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation>Dublin, Édimbourg, Lisbonne, Londres, Reykjavik, Casablanca</translation>
    </message>
    <message>
        <source>Amsterdam, Berlin, Brussels, Madrid, Paris, Belgrade, Budapest, West Central Africa</source>
        <translation>Amsterdam, Berlin, Bruxelles, Madrid, Paris, Belgrade, Budapest, Afrique centrale de l&apos;Ouest</translation>
    </message>
    <message>
        <source>Athens, Bucharest, Helsinki, Riga, Cairo, Jerusalem</source>
        <translation>Athènes, Bucarest, Helsinki, Riga, Le Caire, Jérusalem</translation>
    </message>
    <message>
        <source>Moscow, St. Petersburg, Istanbul, Riyadh, Nairobi</source>
        <translation>Moscou, Saint-Pétersbourg, Istanbul, Riyad, Nairobi</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat, Baku, Tbilisi</source>
        <translation>Abou Dabi, Mascate, Bakou, Tbilissi</translation>
    </message>
    <message>
        <source>Islamabad, Karachi, Tashkent</source>
        <translation>Islamabad, Karachi, Tachkent</translation>
    </message>
    <message>
        <source>Astana, Dhaka, Omsk</source>
        <translation>Astana, Dacca, Omsk</translation>
    </message>
    <message>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>Bangkok, Hanoï, Jakarta</translation>
    </message>
    <message>
        <source>Beijing, Hong Kong, Perth, Singapore, Taipei</source>
        <translation>Pékin, Hong Kong, Perth, Singapour, Taipei</translation>
    </message>
    <message>
        <source>Osaka, Sapporo, Tokyo, Seoul</source>
        <translation>Osaka, Sapporo, Tokyo, Séoul</translation>
    </message>
    <message>
        <source>Brisbane, Canberra, Melbourne, Sydney, Vladivostok</source>
        <translation>Brisbane, Canberra, Melbourne, Sydney, Vladivostok</translation>
    </message>
    <message>
        <source>Magadan, Solomon Is., New Caledonia</source>
        <translation>Magadan, Îles Salomon, Nouvelle-Calédonie</translation>
    </message>
    <message>
        <source>Auckland, Wellington, Fiji</source>
        <translation>Auckland, Wellington, Fidji</translation>
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
        <translation>        Enregistré par : </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        sans internet</translation>
    </message>
</context>
<context>
    <name>quelta::AboutBox</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>Le champ Société ne peut pas être vide</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>Le champ Clé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Clé trop courte. Minimum 6 caractères</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>Cette société/installateur/référence n&apos;existe pas<byte value="xd"/>Impossible d&apos;enregistrer les modifications</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Clé erronée<byte value="xd"/>Veuillez saisir la clé correcte</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>Les modifications ont été enregistrées avec succès</translation>
    </message>
</context>
<context>
    <name>quelta::CloudSnapshot</name>
    <message>
        <source>Cobertura:</source>
        <translation>Couverture :</translation>
    </message>
    <message>
        <source>DESACTIVADO</source>
        <translation>DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Dernière donnée reçue : </translation>
    </message>
</context>
<context>
    <name>quelta::ContactLists</name>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erreur d&apos;accès à la base de données : </translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Importer la liste des opérateurs</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Exporter la liste des opérateurs</translation>
    </message>
    <message>
        <source>Listado de operadoras|*.txt</source>
        <translation>Liste des opérateurs|*.txt</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Importer la liste des téléphones</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Exporter la liste des téléphones</translation>
    </message>
    <message>
        <source>Listado de teléfonos|*.txt</source>
        <translation>Liste des téléphones|*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Tous les opérateurs du transmetteur seront effacés<byte value="xd"/>
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>Effacement de la liste des opérateurs</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Opérateur : </translation>
    </message>
    <message>
        <source>  APN</source>
        <translation>  APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>La fila %1 tiene una coma o un salto de línea, que el fichero no puede guardar</source>
        <translation>La ligne %1 contient une virgule ou un saut de ligne, que le fichier ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>Sans connexion Internet, impossible de lire la liste des téléphones</translation>
    </message>
    <message>
        <source>Número no válido: </source>
        <translation>Numéro non valide : </translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>Sans connexion Internet, impossible de lire la liste des utilisateurs</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>Cet e-mail n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>quelta::DeviceDirectory</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>Vous êtes connecté à distance à un transmetteur<byte value="xd"/>
Pour accéder à d&apos;autres transmetteurs, vous devez d&apos;abord fermer cette connexion</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Une référence ne peut pas exister sans installateur<byte value="xd"/>
Veuillez saisir un installateur ou effacer la référence<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
La clé est incorrecte.<byte value="xd"/>
Veuillez saisir la clé<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Clé trop courte. Minimum 6 caractères<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erreur de connexion au serveur : <byte value="xd"/>Impossible d&apos;accéder à la base de données<byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
La clé saisie ne correspond pas à la clé enregistrée<byte value="xd"/>
Veuillez saisir la clé correcte</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>Le champ Société ne peut pas être vide</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Les données société/installateur/référence n&apos;existent pas dans la base de données.<byte value="xd"/>
Voulez-vous les créer ?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Aucun transmetteur trouvé pour cette société/installateur/référence<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Un transmetteur est connecté au port USB.<byte value="xd"/>
Déconnectez le port USB avant de vous connecter par Internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>Ce transmetteur n&apos;est pas connecté par ADSL mais il l&apos;est par GPRS<byte value="xd"/>
Pour accéder au transmetteur, double-cliquez sur la case GPRS</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>Ce transmetteur n&apos;est pas connecté par GPRS mais il l&apos;est par ADSL<byte value="xd"/>
Pour accéder au transmetteur, double-cliquez sur la case ADSL</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>Voulez-vous vraiment supprimer le transmetteur </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Annuler </translation>
    </message>
</context>
<context>
    <name>quelta::DeviceSession</name>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Un transmetteur est connecté au port USB.<byte value="xd"/>
Déconnectez le port USB avant de vous connecter par Internet</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>Connexion au transmetteur</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>Impossible d&apos;ouvrir ce port<byte value="xd"/>
Débranchez le câble et rebranchez-le</translation>
    </message>
</context>
<context>
    <name>quelta::DoorsScreen</name>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilisateur non autorisé</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Fermé</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordre d&apos;ouverture</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordre de fermeture</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>En attente ...</translation>
    </message>
</context>
<context>
    <name>quelta::EventHistoryScreen</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>JOURNAL DES ÉVÉNEMENTS</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Centrale en télécommande<byte value="xd"/>Impossible d&apos;accéder à la programmation</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Aucun transmetteur connecté</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>Sans connexion Internet, impossible de lire l&apos;historique</translation>
    </message>
    <message>
        <source>Identificador de equipo no válido: %1</source>
        <translation>Identifiant de transmetteur non valide : %1</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Erreur de connexion au serveur</translation>
    </message>
    <message>
        <source>Respuesta no válida del servidor</source>
        <translation>Réponse non valide du serveur</translation>
    </message>
</context>
<context>
    <name>quelta::EventTextFiles</name>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Importer la liste des événements</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Exporter la liste des événements</translation>
    </message>
    <message>
        <source>Listado de eventos |*.txt</source>
        <translation>Liste des événements |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Tous les événements programmés du transmetteur seront effacés<byte value="xd"/>
Êtes-vous sûr ?</translation>
    </message>
</context>
<context>
    <name>quelta::LinkSupervisor</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	CONFLIT MATÉRIEL<byte value="xd"/>
<byte value="xd"/>
Ce transmetteur ne peut pas être lu avec ce programme<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> Impossible d&apos;accéder au port :</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>La communication avec le transmetteur Quelta a été interrompue</translation>
    </message>
</context>
<context>
    <name>quelta::MapScreen</name>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion à internet</translation>
    </message>
    <message>
        <source>INFO GPS</source>
        <translation>INFO GPS</translation>
    </message>
    <message>
        <source>No se dispone de las coordenadas del equipo</source>
        <translation>Les coordonnées du transmetteur ne sont pas disponibles</translation>
    </message>
</context>
<context>
    <name>quelta::PanelOrders</name>
    <message>
        <source>Central no conectada</source>
        <translation>Centrale non connectée</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>Réarmement de la centrale depuis le PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Remise en état de la centrale depuis le PC</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Arrêt du signal sonore depuis le PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Acquitté    </translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Arrêt de la sirène depuis le PC</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Reset de la centrale depuis le PC</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Déclenchement de la sirène depuis le PC</translation>
    </message>
</context>
<context>
    <name>quelta::Programming</name>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>Les valeurs actuelles seront effacées et les valeurs d&apos;usine seront restaurées<byte value="xd"/>
<byte value="xd"/>
Êtes-vous d&apos;accord ?</translation>
    </message>
</context>
<context>
    <name>quelta::ProgrammingLock</name>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Centrale en télécommande<byte value="xd"/>Impossible d&apos;accéder à la programmation</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código demasiado corto. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Code trop court. Minimum 6 caractères<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Vérification du code d&apos;accès ... <byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>quelta::ReadEngine</name>
    <message>
        <source>Leyendo</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Opérateur : </translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>quelta::Registration</name>
    <message>
        <source>Sesión cerrada</source>
        <translation>Session fermée</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERREUR !<byte value="xd"/></translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Société non enregistrée<byte value="xd"/>Veuillez saisir les données manquantes</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>Le champ E-mail ne peut pas être vide</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>Le champ Mot de passe ne peut pas être vide</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Mot de passe trop court. Minimum 6 caractères</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>Le champ Société ne peut pas être vide</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>Le champ Clé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Clé trop courte. Minimum 6 caractères</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>Une référence ne peut pas exister sans installateur<byte value="xd"/>Veuillez saisir un installateur ou effacer la référence</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>ERREUR !<byte value="xd"/>Erreur de connexion au serveur : <byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en &quot;Nuevo usuario&quot;</source>
        <translation>ATTENTION !<byte value="xd"/>Utilisateur non enregistré<byte value="xd"/> Pour l&apos;enregistrer, cliquez sur &quot;Nouvel utilisateur&quot;</translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse &quot;Nuevo usuario&quot; para completar el registro</source>
        <translation>Données manquantes<byte value="xd"/>Cliquez sur &quot;Nouvel utilisateur&quot; pour terminer l&apos;inscription</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>ERREUR !<byte value="xd"/>Le champ Clé ne correspond pas à celui de la base de données<byte value="xd"/>Veuillez saisir la clé correcte</translation>
    </message>
</context>
<context>
    <name>quelta::Shell</name>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>Vous êtes connecté à distance à un transmetteur<byte value="xd"/>
Fermez cette connexion avant de changer de langue</translation>
    </message>
</context>
<context>
    <name>quelta::StatusFrameDecoder</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Quelta</source>
        <translation>La communication avec le transmetteur Quelta a été interrompue</translation>
    </message>
    <message>
        <source>Cobertura:</source>
        <translation>Couverture :</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>Connexion à la BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Connecté à la centrale BC600</translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation> L&apos;état de la sortie va être modifié </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Modifier </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Annuler </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Sortie rétablie : </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Sortie déclenchée : </translation>
    </message>
</context>
<context>
    <name>quelta::StatusScreen</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>Recherche du module</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>Recherche de la SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>Enregistrement réseau</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>CONNECTÉ AU RÉSEAU</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>CONNECTÉ À INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>CONNECTÉ À LA TÉLÉSURVEILLANCE</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SANS   CONNEXION</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>NON CONNECTÉ À LA TÉLÉSURVEILLANCE</translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Centrale non programmée</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>déconnecté</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>CONNECTÉE</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NON DISPONIBLE</translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation>Société : </translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installateur : </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Référence : </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identifiant : </translation>
    </message>
    <message>
        <source>Firmware: </source>
        <translation>Firmware : </translation>
    </message>
    <message>
        <source>Hardware: </source>
        <translation>Hardware : </translation>
    </message>
    <message>
        <source>Módulo GSM:  </source>
        <translation>Module GSM :  </translation>
    </message>
    <message>
        <source>ver.</source>
        <translation>ver.</translation>
    </message>
    <message>
        <source>Operadora: </source>
        <translation>Opérateur : </translation>
    </message>
    <message>
        <source>Imei: </source>
        <translation>IMEI : </translation>
    </message>
    <message>
        <source>SIM: </source>
        <translation>SIM : </translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Heure : </translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS : non disponible</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL : non disponible</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>CONNECTÉ</translation>
    </message>
</context>
<context>
    <name>quelta::TelecontrolRelay</name>
    <message>
        <source>La dirección no es una dirección IPv4</source>
        <translation>L&apos;adresse n&apos;est pas une adresse IPv4</translation>
    </message>
    <message>
        <source>El puerto no es válido</source>
        <translation>Le port n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Vérifiez que l&apos;IP et le port correspondent à ceux du programme AGE44</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>Le port ne peut pas être vide<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Erreur d&apos;accès à l&apos;IP de la centrale : <byte value="xd"/></translation>
    </message>
    <message>
        <source>Entrada en Central en Telecontrol</source>
        <translation>Passage de la centrale en télécommande</translation>
    </message>
    <message>
        <source>Salida de Central en Telecontrol</source>
        <translation>Sortie de la centrale du mode télécommande</translation>
    </message>
</context>
<context>
    <name>quelta::Templates</name>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>Une erreur s&apos;est produite lors du chargement du modèle<byte value="xd"/>
<byte value="xd"/>
ERREUR : </translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>Pour enregistrer un modèle avec tous les champs, cliquez sur [Tout]<byte value="xd"/>
Pour enregistrer un modèle avec les champs marqués, cliquez sur [Rouge]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>Ce modèle existe déjà, voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Modèle créé avec succès    </translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Modèle chargé    </translation>
    </message>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>Ce modèle n&apos;est pas correct</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>Le type de centrale du modèle ne correspond pas à celui du transmetteur</translation>
    </message>
</context>
<context>
    <name>quelta::WriteEngine</name>
    <message>
        <source>Programando</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>Restauration</translation>
    </message>
</context>
<context>
    <name>quelta::ZoneList</name>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Importer la liste des zones</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Exporter la liste des zones</translation>
    </message>
    <message>
        <source>Listado de zonas |*.txt</source>
        <translation>Liste des zones |*.txt</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Toutes les zones programmées du transmetteur seront effacées<byte value="xd"/>
Êtes-vous sûr ?</translation>
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
        <translation>Valider</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Quitter sans modifier</translation>
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
        <translation>Serveur MQTT</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>quelta::ui::DeviceDirectoryView</name>
    <message>
        <source>EMPRESA: </source>
        <translation>SOCIÉTÉ : </translation>
    </message>
    <message>
        <source>INSTALADOR: </source>
        <translation>INSTALLATEUR : </translation>
    </message>
    <message>
        <source>REFERENCIA: </source>
        <translation>RÉFÉRENCE : </translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>RECHERCHER</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Double-cliquez pour accéder au transmetteur ou le supprimer</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installateur : </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Référence : </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identifiant : </translation>
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
        <translation>SAISISSEZ LA CLÉ</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>VALIDER</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventHistoryView</name>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>À partir du : </translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Effacer la date</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>quelta::ui::EventLogView</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>ÉTAT GÉNÉRAL</translation>
    </message>
</context>
<context>
    <name>quelta::ui::MapView</name>
    <message>
        <source>Mapa no disponible sin conexión a internet</source>
        <translation>Carte indisponible sans connexion à internet</translation>
    </message>
</context>
<context>
    <name>quelta::ui::RemotePanel</name>
    <message>
        <source>Desconectar</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>COMUNICACION REMOTA</source>
        <translation>COMMUNICATION À DISTANCE</translation>
    </message>
    <message>
        <source>Identificador del equipo</source>
        <translation>Identifiant du transmetteur</translation>
    </message>
</context>
<context>
    <name>quelta::ui::StatusView</name>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRÉES</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SORTIES</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Autoprotection</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envoi au centre de télésurveillance</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>ERREUR INTERFACE</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Privacidad</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Registrar</source>
        <translation>S&apos;inscrire</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Software de programación</source>
        <translation>Logiciel de programmation</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Correo electrónico: </source>
        <translation>E-mail : </translation>
    </message>
    <message>
        <source>Alias: </source>
        <translation>Alias : </translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installateur : </translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Référence :</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Clé :</translation>
    </message>
    <message>
        <source>La clave de la empresa, instalador o referencia elegidos</source>
        <translation>La clé de la société, de l&apos;installateur ou de la référence choisis</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver la clave</source>
        <translation>Maintenir appuyé pour afficher la clé</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>&lt;p&gt;Este programa guarda el correo electrónico, el alias y los nombres de empresa, instalador y referencia del instalador. En este PC guarda además el correo electrónico y la contraseña, cifrados, en la configuración del usuario.&lt;/p&gt;&lt;p&gt;El directorio en la nube contiene los identificadores de los equipos, sus referencias y sus últimos estados, y un registro de las acciones realizadas con el correo electrónico del usuario que las hizo.&lt;/p&gt;&lt;p&gt;Estos datos se usan solo para dar acceso remoto a los equipos y su historial a la empresa del instalador. El responsable de los datos es la empresa que opera el servicio en la nube; el instalador puede pedirle el acceso a sus datos o que los borre.&lt;/p&gt;&lt;p&gt;&quot;Cerrar sesión&quot; borra de este PC la contraseña guardada.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ce programme enregistre l&apos;adresse e-mail, l&apos;alias et les noms de société, d&apos;installateur et de référence de l&apos;installateur. Sur ce PC, il enregistre en outre l&apos;adresse e-mail et le mot de passe, chiffrés, dans la configuration de l&apos;utilisateur.&lt;/p&gt;&lt;p&gt;L&apos;annuaire dans le cloud contient les identifiants des transmetteurs, leurs références et leurs derniers états, ainsi qu&apos;un journal des actions effectuées, avec l&apos;adresse e-mail de l&apos;utilisateur qui les a réalisées.&lt;/p&gt;&lt;p&gt;Ces données servent uniquement à donner à la société de l&apos;installateur un accès à distance aux transmetteurs et à leur historique. Le responsable du traitement des données est la société qui exploite le service cloud ; l&apos;installateur peut lui demander l&apos;accès à ses données ou leur effacement.&lt;/p&gt;&lt;p&gt;« Fermer la session » efface de ce PC le mot de passe enregistré.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFInfo</name>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Informations port série et TCP</translation>
    </message>
    <message>
        <source>Enviar al GSM</source>
        <translation>Envoyer au GSM</translation>
    </message>
    <message>
        <source>Enviar al Quelta</source>
        <translation>Envoyer au Quelta</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Arrêter</translation>
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
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Puerto USB</source>
        <translation>Port USB</translation>
    </message>
    <message>
        <source> CODIGO DE PROGRAMACION</source>
        <translation> CODE DE PROGRAMMATION</translation>
    </message>
    <message>
        <source>El circuito está protegido y no se puede acceder a su programación. Para desbloquear entre el código de programación.</source>
        <translation>Le transmetteur est protégé et sa programmation n&apos;est pas accessible. Pour le déverrouiller, saisissez le code de programmation.</translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation>Entrer</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Programación</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Lire le transmetteur</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Programmer le transmetteur</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Importer les données d&apos;un modèle</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Restaurer les valeurs d&apos;usine</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>Comunicación</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Remota</source>
        <translation>À distance</translation>
    </message>
    <message>
        <source>Servidor MQTT...</source>
        <translation>Serveur MQTT...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SANS   CONNEXION</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Modèle</translation>
    </message>
</context>
<context>
    <name>quelta::ui::TFRegistre</name>
    <message>
        <source>Para acceder remotamente al circuito es necesario tenerlo identificando con el nombre de empresa y el instalador correctos</source>
        <translation>Pour accéder à distance au transmetteur, il doit être identifié avec le nom de société et l&apos;installateur corrects</translation>
    </message>
    <message>
        <source>Formulario de registro</source>
        <translation>Formulaire d&apos;inscription</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Ouvrir une session</translation>
    </message>
    <message>
        <source>Introduzca el correo electrónico y la contraseña con los que se registró.
Si aún no tiene usuario, pulse &quot;Nuevo usuario&quot;.</source>
        <translation>Saisissez l&apos;adresse e-mail et le mot de passe utilisés lors de votre inscription.
Si vous n&apos;avez pas encore de compte, cliquez sur &quot;Nouvel utilisateur&quot;.</translation>
    </message>
    <message>
        <source>EMPRESA: </source>
        <translation>SOCIÉTÉ : </translation>
    </message>
    <message>
        <source>INSTALADOR: </source>
        <translation>INSTALLATEUR : </translation>
    </message>
    <message>
        <source>REFERENCIA: </source>
        <translation>RÉFÉRENCE : </translation>
    </message>
    <message>
        <source>CLAVE:</source>
        <translation>CLÉ :</translation>
    </message>
    <message>
        <source>ALIAS: </source>
        <translation>ALIAS : </translation>
    </message>
    <message>
        <source>CORREO ELECTRONICO:</source>
        <translation>ADRESSE E-MAIL :</translation>
    </message>
    <message>
        <source>CONTRASEÑA: </source>
        <translation>MOT DE PASSE : </translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Champs obligatoires</translation>
    </message>
    <message>
        <source>Mantener pulsado para ver el texto</source>
        <translation>Maintenir appuyé pour afficher le texte</translation>
    </message>
</context>
<context>
    <name>quelta::ui::UpdateView</name>
    <message>
        <source>Actualización del firmware</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Versión actual :</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>FirmWare:</source>
        <translation>Firmware :</translation>
    </message>
    <message>
        <source>HardWare:</source>
        <translation>Hardware :</translation>
    </message>
    <message>
        <source>Versiones a actualizar:</source>
        <translation>Versions à installer :</translation>
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
        <translation>TÉLÉCHARGER</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Terminar la actualización</source>
        <translation>Terminer la mise à jour</translation>
    </message>
</context>
<context>
    <name>quelta::update::UpdateSession</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>MISE À JOUR</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Erreur Time Out -&gt; trame : </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Erreur au début de la trame : </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Erreur à la fin de la trame : </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Erreur CRC de la trame : </translation>
    </message>
    <message>
        <source>VERSION : </source>
        <translation>VERSION : </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Aucun transmetteur connecté</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>Les données reçues pour la mise à jour sont incorrectes</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>Impossible de se connecter à Internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERREUR DE MISE À JOUR</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> Aucune nouvelle mise à jour</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>Aucune mise à jour trouvée</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>Impossible d&apos;établir la communication avec le serveur<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>Erreur de connexion TCP : </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>Impossible d&apos;établir la communication avec le serveur de mises à jour<byte value="xd"/>
Vérifiez que le port du PC est ouvert pour recevoir des données</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Erreur de connexion au serveur de mises à jour : </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>Les informations reçues du serveur de mises à jour sont incorrectes<byte value="xd"/>
La connexion va être fermée</translation>
    </message>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Envoi ... (Bloc </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> Démarrage de la mise à jour ...</translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Demande bloc </translation>
    </message>
    <message>
        <source>Quelta actualizado a la versión </source>
        <translation>Quelta mis à jour vers la version </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: FALLO DE CRC</source>
        <translation>MISE À JOUR DU QUELTA : ÉCHEC CRC</translation>
    </message>
    <message>
        <source>El equipo ha terminado la actualización: </source>
        <translation>Le transmetteur a terminé la mise à jour : </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL QUELTA: ERROR GRAVE</source>
        <translation>MISE À JOUR DU QUELTA : ERREUR GRAVE</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>La communication avec le serveur de mises à jour a été perdue</translation>
    </message>
    <message>
        <source>Actualización interrumpida</source>
        <translation>Mise à jour interrompue</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones</source>
        <translation>La communication entre le transmetteur Quelta et le serveur de mises à jour a été interrompue</translation>
    </message>
</context>
</TS>
