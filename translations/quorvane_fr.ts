<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvane</source>
        <translation>À propos de Quorvane</translation>
    </message>
    <message>
        <source>For more information, software updates and ordering </source>
        <translation>Informations, mises à jour et commandes </translation>
    </message>
    <message>
        <source>Quorvane Version %1</source>
        <translation>Quorvane version %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Firmware : %1</translation>
    </message>
    <message>
        <source>Operating System: %1</source>
        <translation>Système d&apos;exploitation : %1</translation>
    </message>
    <message>
        <source>go to %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Unknown OS</source>
        <translation>Système inconnu</translation>
    </message>
</context>
<context>
    <name>BestLevelWindow</name>
    <message>
        <source>Find Best Level</source>
        <translation>Trouver le meilleur niveau</translation>
    </message>
    <message>
        <source>Let your modem program send a steady PSK idle into the chosen sound output,
then press Start. Quorvane steps the output&apos;s volume and measures each step.</source>
        <translation>Faites émettre par votre logiciel modem un idle PSK continu sur la sortie son choisie,
puis appuyez sur Démarrer. Quorvane règle le volume de la sortie par paliers et mesure chacun.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Use this level</source>
        <translation>Utiliser ce niveau</translation>
    </message>
    <message>
        <source>Keep the old level</source>
        <translation>Garder l&apos;ancien niveau</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>%1 RF Monitoring on %2</source>
        <translation>%1 Surveillance HF sur %2</translation>
    </message>
</context>
<context>
    <name>EnvelopeChart</name>
    <message>
        <source>Envelope chart</source>
        <translation>Graphique de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>No frame yet</source>
        <translation>Pas encore de trame</translation>
    </message>
</context>
<context>
    <name>GainDialog</name>
    <message>
        <source>Feedback gain</source>
        <translation>Gain de régulation</translation>
    </message>
    <message>
        <source>With Automatic Level Control on, Quorvane
adjusts the audio level of your sound card
so that your transmitter is neither
underdriven nor overmodulated.

The size of each adjustment depends on how
far the RF signal is from a perfect signal
and on the gain. The gain is the ratio of
the percent change in audio level to the
percent by which the RF differs from a
perfect signal.

Too high a gain makes the audio level swing
wildly up and down. If it does, reduce the
gain until the adjustments come in
&quot;baby steps.&quot;</source>
        <translation>Avec l&apos;ALC activée, Quorvane ajuste le
niveau audio de votre carte son pour que
votre émetteur ne soit ni sous-excité
ni surmodulé.

L&apos;ampleur de chaque correction dépend de
l&apos;écart entre le signal HF et un signal
parfait, et du gain. Le gain est le rapport
entre la variation en pourcentage du niveau
audio et l&apos;écart en pourcentage entre la HF
et un signal parfait.

Un gain trop élevé fait osciller fortement
le niveau audio. Dans ce cas, réduisez le
gain jusqu&apos;à ce que les corrections se
fassent « à petits pas ».</translation>
    </message>
    <message>
        <source>Gain: </source>
        <translation>Gain : </translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>IMD dB</source>
        <translation>IMD dB</translation>
    </message>
    <message>
        <source>Peak power W</source>
        <translation>Puissance crête W</translation>
    </message>
    <message>
        <source>minutes before the last cycle</source>
        <translation>minutes avant le dernier cycle</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>IMD and peak power over time</source>
        <translation>IMD et puissance crête dans le temps</translation>
    </message>
</context>
<context>
    <name>LevelSweep</name>
    <message>
        <source>No level met the target IMD</source>
        <translation>Aucun niveau n&apos;a atteint l&apos;IMD visée</translation>
    </message>
    <message>
        <source>Best level %1 %: %2 W at %3 dB</source>
        <translation>Meilleur niveau %1 % : %2 W à %3 dB</translation>
    </message>
    <message>
        <source>Linear from %1 % to %2 %</source>
        <translation>Linéaire de %1 % à %2 %</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Com Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>PSK63</source>
        <translation>PSK63</translation>
    </message>
    <message>
        <source>Follow fldigi</source>
        <translation>Suivre fldigi</translation>
    </message>
    <message>
        <source>Follow the rig (rigctld)</source>
        <translation>Suivre le TRX (rigctld)</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Rafraîchissement</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Mode texte</translation>
    </message>
    <message>
        <source>Automatic Level Control</source>
        <translation>Contrôle automatique de niveau (ALC)</translation>
    </message>
    <message>
        <source>Feedback gain</source>
        <translation>Gain de régulation</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>IMD visée</translation>
    </message>
    <message>
        <source>Noise Threshold</source>
        <translation>Seuil de bruit</translation>
    </message>
    <message>
        <source>Find Best Level...</source>
        <translation>Trouver le meilleur niveau...</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Limite de puissance</translation>
    </message>
    <message>
        <source>Show Power</source>
        <translation>Afficher la puissance</translation>
    </message>
    <message>
        <source>Set Sound Card</source>
        <translation>Choisir la carte son</translation>
    </message>
    <message>
        <source>Test Sound Card</source>
        <translation>Tester la carte son</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Color Code Help</source>
        <translation>&amp;Codes couleur</translation>
    </message>
    <message>
        <source>Quorvane &amp;Exit</source>
        <translation>&amp;Quitter Quorvane</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Not available on this Wayland desktop: only the desktop can keep a window on top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through XWayland and stays on top.</source>
        <translation>Non disponible sur ce bureau Wayland : seul le bureau peut garder une fenêtre au premier plan. Avec Platform=xcb sous [MISC] dans quorvane.ini, Quorvane passe par XWayland et reste au premier plan.</translation>
    </message>
    <message>
        <source>Could not create the log file %1.</source>
        <translation>Impossible de créer le fichier journal %1.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Could not open serial ports %1.</source>
        <translation>Impossible d&apos;ouvrir les ports série %1.</translation>
    </message>
    <message>
        <source>QUORVANE tray icon color codes</source>
        <translation>Codes couleur de l&apos;icône QUORVANE</translation>
    </message>
    <message>
        <source>White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;Red   = Overmodulated signal (splatter)</source>
        <translation>Blanc = Pas de signal;Noir  = Signal sous-excité (faible);Bleu  = Signal propre;Rouge = Signal surmodulé (splatter)</translation>
    </message>
    <message>
        <source>Could not open the history file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;historique %1.</translation>
    </message>
    <message>
        <source>Stopped: the signal went away. The old level is back.</source>
        <translation>Arrêté : le signal a disparu. L&apos;ancien niveau est rétabli.</translation>
    </message>
    <message>
        <source>Cancelled. The old level is back.</source>
        <translation>Annulé. L&apos;ancien niveau est rétabli.</translation>
    </message>
    <message>
        <source>Last time: %1</source>
        <translation>Dernière fois : %1</translation>
    </message>
    <message>
        <source>There is no sound output to sweep.</source>
        <translation>Aucune sortie son à balayer.</translation>
    </message>
    <message>
        <source>Turn Text Mode off to sweep.</source>
        <translation>Désactivez le mode texte pour balayer.</translation>
    </message>
    <message>
        <source>The meter is not connected.</source>
        <translation>L&apos;appareil de mesure n&apos;est pas connecté.</translation>
    </message>
    <message>
        <source>MQTT...</source>
        <translation>MQTT...</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>Signaux sonores</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>An exception was raised attempting to read from the com port.</source>
        <translation>Une exception s&apos;est produite lors de la lecture du port COM.</translation>
    </message>
    <message>
        <source>KESTRAL.SYS lies beside the program, but 64-bit Windows cannot load this 32-bit driver. The port is opened directly, not shared.</source>
        <translation>KESTRAL.SYS se trouve à côté du programme, mais Windows 64 bits ne peut pas charger ce pilote 32 bits. Le port est ouvert directement, sans partage.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>MqttDialog</name>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>&amp;Publish the figures over MQTT</source>
        <translation>&amp;Publier les mesures via MQTT</translation>
    </message>
    <message>
        <source>&amp;Broker:</source>
        <translation>&amp;Broker :</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort :</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>&amp;Topic :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Interval (ms):</source>
        <translation>&amp;Intervalle (ms) :</translation>
    </message>
    <message>
        <source>&amp;Home Assistant discovery</source>
        <translation>Découverte &amp;Home Assistant</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Liaison : %1</translation>
    </message>
</context>
<context>
    <name>MqttLink</name>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>connexion à %1</translation>
    </message>
    <message>
        <source>no answer from the broker</source>
        <translation>pas de réponse du broker</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>connecté à %1</translation>
    </message>
    <message>
        <source>%1; retrying in %2 s</source>
        <translation>%1 ; nouvel essai dans %2 s</translation>
    </message>
</context>
<context>
    <name>NoiseThresholdDialog</name>
    <message>
        <source>Noise Threshold</source>
        <translation>Seuil de bruit</translation>
    </message>
    <message>
        <source>If your antenna is close to strong RF interference, the meter may pick up more than a few millivolts even when you are not transmitting, and Quorvane cannot tell that from a true PSK signal (on Field Day, for example).

This setting is the &quot;noise floor&quot; in millivolts: signals below it are not processed, and the status line shows &quot;NOISE&quot; instead.</source>
        <translation>Si votre antenne est proche de fortes perturbations HF, l&apos;appareil de mesure peut capter plus de quelques millivolts même quand vous n&apos;émettez pas, et Quorvane ne peut pas distinguer cela d&apos;un vrai signal PSK (lors du Field Day, par exemple).

Ce réglage est le « bruit de fond » en millivolts : les signaux en dessous ne sont pas traités, et la ligne d&apos;état affiche « BRUIT » à la place.</translation>
    </message>
    <message>
        <source>Noise floor (in mV):</source>
        <translation>Bruit de fond (en mV) :</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select your computer&apos;s COM port that is used to communicate with the Quorvane. This port can be the same port as what your PSK31 software, such as Digipan, uses to connect to the radio (but you will have to make up a special serial cable). However, this port cannot be shared with another program unrelated to PSK31 accessing the same port.</source>
        <translation>Sélectionnez le port COM de votre ordinateur qui sert à communiquer avec le Quorvane. Ce port peut être celui qu&apos;utilise votre logiciel PSK31, comme Digipan, pour piloter le poste (mais il vous faudra fabriquer un câble série spécial). En revanche, ce port ne peut pas être partagé avec un autre programme sans rapport avec PSK31 qui accède au même port.</translation>
    </message>
    <message>
        <source>NOTE: You can get around a com port conflict with another application by using a serial-to-USB adapter and driver available at %1.</source>
        <translation>REMARQUE : vous pouvez contourner un conflit de port COM avec une autre application à l&apos;aide d&apos;un adaptateur série-USB et de son pilote, disponibles sur %1.</translation>
    </message>
    <message>
        <source>Select your computer&apos;s COM port that you wish to use to communicate with the Quorvane. This port cannot be shared with another program that accesses the same port. For example, if you are using Digipan to control your transmitter on COM Port 1, you cannot use COM Port1 to also connect to Quorvane.</source>
        <translation>Sélectionnez le port COM de votre ordinateur que vous voulez utiliser pour communiquer avec le Quorvane. Ce port ne peut pas être partagé avec un autre programme qui accède au même port. Par exemple, si vous pilotez votre émetteur avec Digipan sur le port COM 1, vous ne pouvez pas utiliser aussi le port COM 1 pour Quorvane.</translation>
    </message>
    <message>
        <source>NOTE: you can get around this requirement in one of two ways: 1) By running under Windows NT or Windows 2000, QUORVANE can share the same comport as your PSK31 software, or 2) by using the serial-to-USB adapter and driver available at %1.</source>
        <translation>REMARQUE : vous pouvez contourner cette contrainte de deux façons : 1) sous Windows NT ou Windows 2000, QUORVANE peut partager le même port COM que votre logiciel PSK31, ou 2) avec l&apos;adaptateur série-USB et son pilote, disponibles sur %1.</translation>
    </message>
    <message>
        <source>Select the serial port that talks to the Quorvane. Adapters are listed with what they are; one shown as New gets the next free COM number, tied to its /dev/serial/by-id/ name so that it is found again in any USB socket.</source>
        <translation>Sélectionnez le port série relié au Quorvane. Les adaptateurs sont listés avec leur type ; celui marqué Nouveau reçoit le prochain numéro COM libre, lié à son nom /dev/serial/by-id/ pour être retrouvé sur n&apos;importe quelle prise USB.</translation>
    </message>
    <message>
        <source>NOTE: opening a serial port needs membership in the dialout group (log in again after joining it). Sharing the port with another program is not available here: the meter needs a port of its own.</source>
        <translation>REMARQUE : ouvrir un port série exige d&apos;appartenir au groupe dialout (reconnectez-vous après l&apos;avoir rejoint). Le partage du port avec un autre programme n&apos;est pas disponible ici : l&apos;appareil de mesure a besoin de son propre port.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Com Port Selection</source>
        <translation>Sélection du port COM</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Port série</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1: not present.</source>
        <translation>%1 : absent.</translation>
    </message>
    <message>
        <source>%1: not present (no device at%2).</source>
        <translation>%1 : absent (aucun périphérique sur%2).</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1 : utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, add your user to the %3 group: sudo usermod -aG %3 $USER, then log in again.</source>
        <translation>%1 : pas d&apos;autorisation pour%2, ajoutez votre utilisateur au groupe %3 : sudo usermod -aG %3 $USER, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, ask the administrator for read and write access to it.</source>
        <translation>%1 : pas d&apos;autorisation pour%2, demandez à l&apos;administrateur l&apos;accès en lecture et écriture.</translation>
    </message>
    <message>
        <source>%1: %2 (error %3).</source>
        <translation>%1 : %2 (erreur %3).</translation>
    </message>
</context>
<context>
    <name>PowerLimitDialog</name>
    <message>
        <source>The power you specified exceeds the range of the ADC.;The maximum power consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 watts, will be used instead.</source>
        <translation>La puissance indiquée dépasse la plage du CAN.;La puissance maximale compatible avec le cavalier QRP/QRO indiqué et la plage du CAN,;soit %1 watts, sera utilisée à la place.</translation>
    </message>
    <message>
        <source>Power specified exceeds range</source>
        <translation>Puissance indiquée hors plage</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Limite de puissance</translation>
    </message>
    <message>
        <source>This setting lets you give the maximum power you want to transmit.

By default, Quorvane sets the sound card level for the highest power you can get without splatter. With the power limit enabled, Quorvane will not let your transmitter&apos;s power exceed the value you give below: whenever the peak signal goes above it, the sound card level is reduced, whatever the measured IMD.

Set the QRP/QRO buttons to match the jumper block on the meter&apos;s printed circuit board, so that Quorvane reads the peak voltage at the ADC input correctly.</source>
        <translation>Ce réglage vous permet d&apos;indiquer la puissance maximale que vous voulez émettre.

Par défaut, Quorvane règle le niveau de la carte son pour la plus forte puissance possible sans splatter. Avec la limite de puissance activée, Quorvane ne laisse pas la puissance de votre émetteur dépasser la valeur indiquée ci-dessous : dès que le signal crête la dépasse, le niveau de la carte son est réduit, quelle que soit l&apos;IMD mesurée.

Placez les boutons QRP/QRO comme les cavaliers sur le circuit imprimé de l&apos;appareil de mesure, pour que Quorvane lise correctement la tension crête à l&apos;entrée du CAN.</translation>
    </message>
    <message>
        <source>Enable Power Limit</source>
        <translation>Activer la limite de puissance</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>Comment est placé votre cavalier QRP/QRO ?</translation>
    </message>
    <message>
        <source>Power Limit (watts):</source>
        <translation>Limite de puissance (watts) :</translation>
    </message>
    <message>
        <source>Don&apos;t forget to set the power level on 
your transmitter to be at least what you 
specify here.</source>
        <translation>N&apos;oubliez pas de régler la puissance de 
votre émetteur au moins à la valeur 
indiquée ici.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Could not write the settings file %1.</source>
        <translation>Impossible d&apos;écrire le fichier de réglages %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>RefreshRateDialog</name>
    <message>
        <source>Every 0.5 seconds</source>
        <translation>Toutes les 0,5 secondes</translation>
    </message>
    <message>
        <source>Every second</source>
        <translation>Chaque seconde</translation>
    </message>
    <message>
        <source>Every 2 seconds</source>
        <translation>Toutes les 2 secondes</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Rafraîchissement</translation>
    </message>
    <message>
        <source>Quorvane monitors your transmitter&apos;s RF output at periodic intervals. You can select a sample rate of 2 times per second, once per second, or once every 2 seconds.</source>
        <translation>Quorvane surveille la sortie HF de votre émetteur à intervalles réguliers. Vous pouvez choisir une mesure 2 fois par seconde, une fois par seconde ou une fois toutes les 2 secondes.</translation>
    </message>
    <message>
        <source>Refresh rate</source>
        <translation>Rafraîchissement</translation>
    </message>
</context>
<context>
    <name>RigMeters</name>
    <message>
        <source>ALC %1%</source>
        <translation>ALC %1%</translation>
    </message>
    <message>
        <source>SWR %1</source>
        <translation>SWR %1</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>PWR %1%</source>
        <translation>PWR %1%</translation>
    </message>
    <message>
        <source>RIG ALC</source>
        <translation>ALC TRX</translation>
    </message>
</context>
<context>
    <name>ShowPowerDialog</name>
    <message>
        <source>Show Power</source>
        <translation>Afficher la puissance</translation>
    </message>
    <message>
        <source>Quorvane can compute the average RF power output of your PSK signal and show the estimate on the status line when you ask for it here. For an accurate report, tell Quorvane how the meter&apos;s QRP/QRO jumper block is set.</source>
        <translation>Quorvane peut calculer la puissance HF moyenne de votre signal PSK et afficher l&apos;estimation sur la ligne d&apos;état si vous le demandez ici. Pour une valeur exacte, indiquez à Quorvane la position du cavalier QRP/QRO de l&apos;appareil de mesure.</translation>
    </message>
    <message>
        <source>Enable the display of my estimated average PSK RF power</source>
        <translation>Afficher ma puissance HF PSK moyenne estimée</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>Comment est placé votre cavalier QRP/QRO ?</translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Specified device identifier is out of range.</source>
        <translation>L&apos;identifiant de périphérique indiqué est hors plage.</translation>
    </message>
    <message>
        <source>Specified resource is already allocated.</source>
        <translation>La ressource indiquée est déjà allouée.</translation>
    </message>
    <message>
        <source>The device handle is invalid.</source>
        <translation>Le handle du périphérique est invalide.</translation>
    </message>
    <message>
        <source>No device driver is present.</source>
        <translation>Aucun pilote de périphérique présent.</translation>
    </message>
    <message>
        <source>Unable to allocate or lock memory.</source>
        <translation>Impossible d&apos;allouer ou de verrouiller la mémoire.</translation>
    </message>
    <message>
        <source>Function isn&apos;t supported.</source>
        <translation>Fonction non prise en charge.</translation>
    </message>
    <message>
        <source>Attempted to open with an unsupported waveform-audio format.</source>
        <translation>Tentative d&apos;ouverture avec un format audio waveform non pris en charge.</translation>
    </message>
    <message>
        <source>Sound Card error</source>
        <translation>Erreur de carte son</translation>
    </message>
    <message>
        <source>A problem was encountered with the sound card:;;%1</source>
        <translation>Un problème est survenu avec la carte son :;;%1</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Carte son</translation>
    </message>
    <message>
        <source>The sound output chosen for the level control is not connected:;;%1;;Until it is back at a later start, the level control moves no other output. &quot;Set Sound Card&quot; chooses another.</source>
        <translation>La sortie son choisie pour le contrôle de niveau n&apos;est pas connectée :;;%1;;Tant qu&apos;elle n&apos;est pas revenue à un prochain démarrage, le contrôle de niveau ne touche à aucune autre sortie. « Choisir la carte son » en choisit une autre.</translation>
    </message>
</context>
<context>
    <name>SoundCardDialog</name>
    <message>
        <source>Your computer has only one sound card:;;%1;;which is the device quorvane is using to control audio to your rig.</source>
        <translation>Votre ordinateur n&apos;a qu&apos;une carte son :;;%1;;c&apos;est par elle que Quorvane contrôle l&apos;audio envoyé à votre poste.</translation>
    </message>
    <message>
        <source>Only one sound card</source>
        <translation>Une seule carte son</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Carte son</translation>
    </message>
    <message>
        <source>Most computers have one sound card, 
which quorvane detects and uses to 
control the audio level.

However, if your computer has more 
than one sound card, you can select 
which sound card is being used to 
provide audio to your rig.

Select the sound card that is used to 
provide an audio signal to your rig:</source>
        <translation>La plupart des ordinateurs ont une carte 
son, que Quorvane détecte et utilise 
pour contrôler le niveau audio.

Toutefois, si votre ordinateur a plus 
d&apos;une carte son, vous pouvez choisir 
celle qui fournit l&apos;audio 
à votre poste.

Sélectionnez la carte son qui fournit 
le signal audio à votre poste :</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Carte son</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>RMS:%1%</source>
        <translation>RMS:%1%</translation>
    </message>
    <message>
        <source>IMD:%1db</source>
        <translation>IMD:%1dB</translation>
    </message>
    <message>
        <source>PEAK: %1V</source>
        <translation>CRÊTE: %1V</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1W</translation>
    </message>
    <message>
        <source>LEVEL:%1%</source>
        <translation>NIVEAU:%1%</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Status line</source>
        <translation>Ligne d&apos;état</translation>
    </message>
    <message>
        <source>Signal status</source>
        <translation>État du signal</translation>
    </message>
    <message>
        <source>Automatic level control</source>
        <translation>Contrôle automatique de niveau</translation>
    </message>
    <message>
        <source>PSK mode and rig frequency</source>
        <translation>Mode PSK et fréquence du transceiver</translation>
    </message>
    <message>
        <source>RMS deviation from the ideal arch</source>
        <translation>Écart RMS par rapport à l&apos;arche idéale</translation>
    </message>
    <message>
        <source>Intermodulation distortion</source>
        <translation>Distorsion d&apos;intermodulation</translation>
    </message>
    <message>
        <source>Sound card level</source>
        <translation>Niveau de la carte son</translation>
    </message>
    <message>
        <source>Peak voltage</source>
        <translation>Tension crête</translation>
    </message>
    <message>
        <source>Estimated average power</source>
        <translation>Puissance moyenne estimée</translation>
    </message>
    <message>
        <source>Rig meters</source>
        <translation>Mesures du transceiver</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>NOT PSK</source>
        <translation>PAS PSK</translation>
    </message>
    <message>
        <source>FLDIGI?</source>
        <translation>FLDIGI?</translation>
    </message>
    <message>
        <source>NOT RESPONDING</source>
        <translation>SANS RÉPONSE</translation>
    </message>
    <message>
        <source>PWR+</source>
        <translation>PWR+</translation>
    </message>
    <message>
        <source>WEAK</source>
        <translation>FAIBLE</translation>
    </message>
    <message>
        <source>SPLATTER</source>
        <translation>SPLATTER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QUORVANE NOT RESPONDING</source>
        <translation>QUORVANE NE RÉPOND PAS</translation>
    </message>
    <message>
        <source>NO SIGNAL</source>
        <translation>PAS DE SIGNAL</translation>
    </message>
    <message>
        <source>NOISE</source>
        <translation>BRUIT</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DONNÉES</translation>
    </message>
    <message>
        <source>OVER POWER</source>
        <translation>SURPUISSANCE</translation>
    </message>
    <message>
        <source>SIGNAL OK</source>
        <translation>SIGNAL OK</translation>
    </message>
    <message>
        <source>UNDERDRIVING</source>
        <translation>SOUS-EXCITÉ</translation>
    </message>
    <message>
        <source>SPLATTER!</source>
        <translation>SPLATTER!</translation>
    </message>
    <message>
        <source>UNDECIDED</source>
        <translation>INDÉTERMINÉ</translation>
    </message>
    <message>
        <source>TEXT MODE</source>
        <translation>MODE TEXTE</translation>
    </message>
    <message>
        <source>QUORVANE firmware not detected</source>
        <translation>Firmware QUORVANE non détecté</translation>
    </message>
    <message>
        <source>Simulated Mode</source>
        <translation>Mode simulé</translation>
    </message>
    <message>
        <source>METER DISCONNECTED</source>
        <translation>MESUREUR DÉCONNECTÉ</translation>
    </message>
    <message>
        <source>RIG?</source>
        <translation>TRX?</translation>
    </message>
    <message>
        <source>HIGH SWR</source>
        <translation>SWR ÉLEVÉ</translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>%1 W</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>%1 %: %2, </source>
        <translation>%1 % : %2, </translation>
    </message>
    <message>
        <source>IMD %1 dB</source>
        <translation>IMD %1 dB</translation>
    </message>
    <message>
        <source>no two-tone signal</source>
        <translation>pas de signal deux tons</translation>
    </message>
    <message>
        <source>Levels measured</source>
        <translation>Niveaux mesurés</translation>
    </message>
    <message>
        <source>No levels measured yet</source>
        <translation>Aucun niveau mesuré pour le moment</translation>
    </message>
    <message>
        <source>1 level measured</source>
        <translation>1 niveau mesuré</translation>
    </message>
    <message>
        <source>%1 levels measured, %2 % to %3 %</source>
        <translation>%1 niveaux mesurés, de %2 % à %3 %</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>now at %1 %</source>
        <translation>maintenant à %1 %</translation>
    </message>
    <message>
        <source>best level %1</source>
        <translation>meilleur niveau %1</translation>
    </message>
    <message>
        <source>best level %1 %</source>
        <translation>meilleur niveau %1 %</translation>
    </message>
    <message>
        <source>target IMD %1 dB</source>
        <translation>IMD visée %1 dB</translation>
    </message>
    <message>
        <source>IMD dB</source>
        <translation>IMD dB</translation>
    </message>
    <message>
        <source>sound output volume %</source>
        <translation>volume de la sortie son %</translation>
    </message>
    <message>
        <source>peak power W</source>
        <translation>puissance crête W</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>best %1 %</source>
        <translation>meilleur %1 %</translation>
    </message>
</context>
<context>
    <name>TargetImdDialog</name>
    <message>
        <source>Setting the Target IMD Value</source>
        <translation>Réglage de l&apos;IMD visée</translation>
    </message>
    <message>
        <source>Quorvane computes the IMD of your signal with each sample and uses it to reset the audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.

Some targets may be impossible to meet, for instance -30db. Quorvane then keeps reducing the audio level slowly, and your RF power may end up much lower than you want. Experiment to find the target that suits your transmitter.</source>
        <translation>Quorvane calcule l&apos;IMD de votre signal à chaque mesure et s&apos;en sert pour réajuster le niveau audio de votre carte son. Par défaut, Quorvane maintient l&apos;IMD meilleure que -22 dB.

Certains objectifs peuvent être impossibles à atteindre, par exemple -30 dB. Quorvane continue alors de baisser lentement le niveau audio, et votre puissance HF peut finir bien plus basse que souhaité. Faites des essais pour trouver l&apos;objectif adapté à votre émetteur.</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>IMD visée</translation>
    </message>
</context>
<context>
    <name>TestSoundCardDialog</name>
    <message>
        <source>Testing Sound Card</source>
        <translation>Test de la carte son</translation>
    </message>
    <message>
        <source>Use the slider below to test whether Quorvane 
can control the volumn level of your sourd card. 

In a separate window,  open the Window&apos;s 
mixer. When you move the slider below, you 
should observe that the sliders in the Mixer 
window move accordingly. 

This confirms that Quorvane can adjust the 
master and WAV audio settings.</source>
        <translation>Utilisez le curseur ci-dessous pour vérifier 
que Quorvane peut régler le volume de votre carte son. 

Dans une autre fenêtre, ouvrez le mélangeur 
de Windows. Quand vous déplacez le curseur, 
vous devriez voir les curseurs de la fenêtre 
du mélangeur bouger en conséquence. 

Cela confirme que Quorvane peut régler les 
niveaux audio Master et WAV.</translation>
    </message>
    <message>
        <source>Master:</source>
        <translation>Master :</translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation>Wave :</translation>
    </message>
</context>
<context>
    <name>TextCycle</name>
    <message>
        <source>No data received.</source>
        <translation>Aucune donnée reçue.</translation>
    </message>
    <message>
        <source>Received bytes: %1</source>
        <translation>Octets reçus : %1</translation>
    </message>
    <message>
        <source>Minimum value: %1%2</source>
        <translation>Valeur minimale : %1%2</translation>
    </message>
    <message>
        <source>Maximum value: %1%2</source>
        <translation>Valeur maximale : %1%2</translation>
    </message>
    <message>
        <source>RMS Value:     %1 %2</source>
        <translation>Valeur RMS :     %1 %2</translation>
    </message>
</context>
</TS>
