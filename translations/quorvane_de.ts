<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvane</source>
        <translation>Über Quorvane</translation>
    </message>
    <message>
        <source>For more information, software updates and ordering </source>
        <translation>Weitere Infos, Software-Updates und Bestellung </translation>
    </message>
    <message>
        <source>Quorvane Version %1</source>
        <translation>Quorvane Version %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message>
        <source>Operating System: %1</source>
        <translation>Betriebssystem: %1</translation>
    </message>
    <message>
        <source>go to %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>Unknown OS</source>
        <translation>Unbekanntes System</translation>
    </message>
</context>
<context>
    <name>BestLevelWindow</name>
    <message>
        <source>Find Best Level</source>
        <translation>Beste Aussteuerung finden</translation>
    </message>
    <message>
        <source>Let your modem program send a steady PSK idle into the chosen sound output,
then press Start. Quorvane steps the output&apos;s volume and measures each step.</source>
        <translation>Lassen Sie Ihr Modemprogramm ein gleichmäßiges PSK-Idle auf den gewählten Audioausgang senden,
dann drücken Sie Start. Quorvane verstellt die Lautstärke stufenweise und misst jede Stufe.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Use this level</source>
        <translation>Diesen Pegel nehmen</translation>
    </message>
    <message>
        <source>Keep the old level</source>
        <translation>Alten Pegel behalten</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>%1 RF Monitoring on %2</source>
        <translation>%1 HF-Überwachung an %2</translation>
    </message>
</context>
<context>
    <name>EnvelopeChart</name>
    <message>
        <source>Envelope chart</source>
        <translation>Hüllkurvendiagramm</translation>
    </message>
    <message>
        <source>No frame yet</source>
        <translation>Noch kein Frame</translation>
    </message>
</context>
<context>
    <name>GainDialog</name>
    <message>
        <source>Feedback gain</source>
        <translation>Regelverstärkung</translation>
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
        <translation>Mit eingeschalteter ALC stellt Quorvane
den NF-Pegel Ihrer Soundkarte so ein,
dass Ihr Sender weder zu schwach
ausgesteuert noch übersteuert wird.

Die Größe jeder Korrektur hängt davon ab,
wie weit das HF-Signal vom idealen Signal
abweicht, und von der Verstärkung. Sie ist
das Verhältnis der prozentualen Änderung
des NF-Pegels zur prozentualen Abweichung
der HF vom idealen Signal.

Ist die Verstärkung zu hoch, schwankt der
NF-Pegel heftig auf und ab. Verringern Sie
dann die Verstärkung, bis die Korrekturen
in „kleinen Schritten“ kommen.</translation>
    </message>
    <message>
        <source>Gain: </source>
        <translation>Verstärkung: </translation>
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
        <translation>Spitzenleistung W</translation>
    </message>
    <message>
        <source>minutes before the last cycle</source>
        <translation>Minuten vor dem letzten Zyklus</translation>
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
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>IMD and peak power over time</source>
        <translation>IMD und Spitzenleistung im Zeitverlauf</translation>
    </message>
</context>
<context>
    <name>LevelSweep</name>
    <message>
        <source>No level met the target IMD</source>
        <translation>Kein Pegel erreichte die Ziel-IMD</translation>
    </message>
    <message>
        <source>Best level %1 %: %2 W at %3 dB</source>
        <translation>Bester Pegel %1 %: %2 W bei %3 dB</translation>
    </message>
    <message>
        <source>Linear from %1 % to %2 %</source>
        <translation>Linear von %1 % bis %2 %</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Com Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>PSK63</source>
        <translation>PSK63</translation>
    </message>
    <message>
        <source>Follow fldigi</source>
        <translation>fldigi folgen</translation>
    </message>
    <message>
        <source>Follow the rig (rigctld)</source>
        <translation>Dem TRX folgen (rigctld)</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Aktualisierungsrate</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Textmodus</translation>
    </message>
    <message>
        <source>Automatic Level Control</source>
        <translation>Automatische Aussteuerung (ALC)</translation>
    </message>
    <message>
        <source>Feedback gain</source>
        <translation>Regelverstärkung</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>Ziel-IMD</translation>
    </message>
    <message>
        <source>Noise Threshold</source>
        <translation>Rauschschwelle</translation>
    </message>
    <message>
        <source>Find Best Level...</source>
        <translation>Beste Aussteuerung finden...</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Leistungsgrenze</translation>
    </message>
    <message>
        <source>Show Power</source>
        <translation>Leistung anzeigen</translation>
    </message>
    <message>
        <source>Set Sound Card</source>
        <translation>Soundkarte wählen</translation>
    </message>
    <message>
        <source>Test Sound Card</source>
        <translation>Soundkarte testen</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;Color Code Help</source>
        <translation>&amp;Farbcode-Hilfe</translation>
    </message>
    <message>
        <source>Quorvane &amp;Exit</source>
        <translation>Quorvane &amp;beenden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Not available on this Wayland desktop: only the desktop can keep a window on top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through XWayland and stays on top.</source>
        <translation>Auf diesem Wayland-Desktop nicht verfügbar: Nur der Desktop kann ein Fenster im Vordergrund halten. Mit Platform=xcb unter [MISC] in quorvane.ini läuft Quorvane über XWayland und bleibt im Vordergrund.</translation>
    </message>
    <message>
        <source>Could not create the log file %1.</source>
        <translation>Die Protokolldatei %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Could not open serial ports %1.</source>
        <translation>Die seriellen Ports %1 konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>QUORVANE tray icon color codes</source>
        <translation>Farbcodes des QUORVANE-Tray-Symbols</translation>
    </message>
    <message>
        <source>White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;Red   = Overmodulated signal (splatter)</source>
        <translation>Weiß    = Kein Signal;Schwarz = Zu schwach ausgesteuert;Blau    = Sauberes Signal;Rot     = Übersteuert (Splatter)</translation>
    </message>
    <message>
        <source>Could not open the history file %1.</source>
        <translation>Die Verlaufsdatei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Stopped: the signal went away. The old level is back.</source>
        <translation>Angehalten: Das Signal ist weg. Der alte Pegel gilt wieder.</translation>
    </message>
    <message>
        <source>Cancelled. The old level is back.</source>
        <translation>Abgebrochen. Der alte Pegel gilt wieder.</translation>
    </message>
    <message>
        <source>Last time: %1</source>
        <translation>Zuletzt: %1</translation>
    </message>
    <message>
        <source>There is no sound output to sweep.</source>
        <translation>Kein Audioausgang zum Durchfahren vorhanden.</translation>
    </message>
    <message>
        <source>Turn Text Mode off to sweep.</source>
        <translation>Zum Durchfahren den Textmodus ausschalten.</translation>
    </message>
    <message>
        <source>The meter is not connected.</source>
        <translation>Das Messgerät ist nicht verbunden.</translation>
    </message>
    <message>
        <source>MQTT...</source>
        <translation>MQTT...</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>Tonsignale</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <source>An exception was raised attempting to read from the com port.</source>
        <translation>Beim Lesen vom COM-Port ist ein Ausnahmefehler aufgetreten.</translation>
    </message>
    <message>
        <source>KESTRAL.SYS lies beside the program, but 64-bit Windows cannot load this 32-bit driver. The port is opened directly, not shared.</source>
        <translation>KESTRAL.SYS liegt neben dem Programm, aber ein 64-Bit-Windows kann diesen 32-Bit-Treiber nicht laden. Der Port wird direkt geöffnet, nicht gemeinsam genutzt.</translation>
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
        <translation>Messwerte über MQTT &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Broker:</source>
        <translation>&amp;Broker:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>&amp;Topic:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Ben&amp;utzername:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Interval (ms):</source>
        <translation>&amp;Intervall (ms):</translation>
    </message>
    <message>
        <source>&amp;Home Assistant discovery</source>
        <translation>Erkennung durch &amp;Home Assistant</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Verbindung: %1</translation>
    </message>
</context>
<context>
    <name>MqttLink</name>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>verbinde mit %1</translation>
    </message>
    <message>
        <source>no answer from the broker</source>
        <translation>keine Antwort vom Broker</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>verbunden mit %1</translation>
    </message>
    <message>
        <source>%1; retrying in %2 s</source>
        <translation>%1; neuer Versuch in %2 s</translation>
    </message>
</context>
<context>
    <name>NoiseThresholdDialog</name>
    <message>
        <source>Noise Threshold</source>
        <translation>Rauschschwelle</translation>
    </message>
    <message>
        <source>If your antenna is close to strong RF interference, the meter may pick up more than a few millivolts even when you are not transmitting, and Quorvane cannot tell that from a true PSK signal (on Field Day, for example).

This setting is the &quot;noise floor&quot; in millivolts: signals below it are not processed, and the status line shows &quot;NOISE&quot; instead.</source>
        <translation>Steht Ihre Antenne nahe an starken HF-Störquellen, kann das Messgerät auch ohne Sendung mehr als ein paar Millivolt aufnehmen, und Quorvane kann das nicht von einem echten PSK-Signal unterscheiden (zum Beispiel am Field Day).

Diese Einstellung ist das „Grundrauschen“ in Millivolt: Signale darunter werden nicht verarbeitet, und die Statuszeile zeigt stattdessen „RAUSCHEN“.</translation>
    </message>
    <message>
        <source>Noise floor (in mV):</source>
        <translation>Grundrauschen (in mV):</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select your computer&apos;s COM port that is used to communicate with the Quorvane. This port can be the same port as what your PSK31 software, such as Digipan, uses to connect to the radio (but you will have to make up a special serial cable). However, this port cannot be shared with another program unrelated to PSK31 accessing the same port.</source>
        <translation>Wählen Sie den COM-Port Ihres Computers, über den mit dem Quorvane kommuniziert wird. Das kann derselbe Port sein, über den Ihre PSK31-Software, z. B. Digipan, das Funkgerät anspricht (dafür brauchen Sie allerdings ein spezielles serielles Kabel). Mit einem anderen Programm, das nichts mit PSK31 zu tun hat und auf denselben Port zugreift, lässt sich der Port jedoch nicht teilen.</translation>
    </message>
    <message>
        <source>NOTE: You can get around a com port conflict with another application by using a serial-to-USB adapter and driver available at %1.</source>
        <translation>HINWEIS: Einen COM-Port-Konflikt mit einer anderen Anwendung umgehen Sie mit einem Seriell-USB-Adapter samt Treiber, erhältlich unter %1.</translation>
    </message>
    <message>
        <source>Select your computer&apos;s COM port that you wish to use to communicate with the Quorvane. This port cannot be shared with another program that accesses the same port. For example, if you are using Digipan to control your transmitter on COM Port 1, you cannot use COM Port1 to also connect to Quorvane.</source>
        <translation>Wählen Sie den COM-Port Ihres Computers, über den Sie mit dem Quorvane kommunizieren möchten. Dieser Port lässt sich nicht mit einem anderen Programm teilen, das auf denselben Port zugreift. Steuern Sie z. B. Ihren Sender mit Digipan über COM-Port 1, können Sie COM-Port 1 nicht auch für Quorvane verwenden.</translation>
    </message>
    <message>
        <source>NOTE: you can get around this requirement in one of two ways: 1) By running under Windows NT or Windows 2000, QUORVANE can share the same comport as your PSK31 software, or 2) by using the serial-to-USB adapter and driver available at %1.</source>
        <translation>HINWEIS: Diese Einschränkung lässt sich auf zwei Arten umgehen: 1) Unter Windows NT oder Windows 2000 kann QUORVANE denselben COM-Port wie Ihre PSK31-Software nutzen, oder 2) mit dem Seriell-USB-Adapter samt Treiber, erhältlich unter %1.</translation>
    </message>
    <message>
        <source>Select the serial port that talks to the Quorvane. Adapters are listed with what they are; one shown as New gets the next free COM number, tied to its /dev/serial/by-id/ name so that it is found again in any USB socket.</source>
        <translation>Wählen Sie den seriellen Port, an dem das Quorvane hängt. Adapter werden mit ihrer Bezeichnung aufgeführt; einer, der als Neu angezeigt wird, erhält die nächste freie COM-Nummer, gebunden an seinen Namen unter /dev/serial/by-id/, damit er an jeder USB-Buchse wiedergefunden wird.</translation>
    </message>
    <message>
        <source>NOTE: opening a serial port needs membership in the dialout group (log in again after joining it). Sharing the port with another program is not available here: the meter needs a port of its own.</source>
        <translation>HINWEIS: Zum Öffnen eines seriellen Ports ist die Mitgliedschaft in der Gruppe dialout nötig (nach dem Beitritt neu anmelden). Den Port mit einem anderen Programm zu teilen ist hier nicht möglich: Das Messgerät braucht einen eigenen Port.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Com Port Selection</source>
        <translation>COM-Port-Auswahl</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serieller Port</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1: not present.</source>
        <translation>%1: nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1: not present (no device at%2).</source>
        <translation>%1: nicht vorhanden (kein Gerät an%2).</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1: von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, add your user to the %3 group: sudo usermod -aG %3 $USER, then log in again.</source>
        <translation>%1: keine Berechtigung für%2, fügen Sie Ihren Benutzer der Gruppe %3 hinzu: sudo usermod -aG %3 $USER, dann neu anmelden.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, ask the administrator for read and write access to it.</source>
        <translation>%1: keine Berechtigung für%2, bitten Sie den Administrator um Lese- und Schreibzugriff.</translation>
    </message>
    <message>
        <source>%1: %2 (error %3).</source>
        <translation>%1: %2 (Fehler %3).</translation>
    </message>
</context>
<context>
    <name>PowerLimitDialog</name>
    <message>
        <source>The power you specified exceeds the range of the ADC.;The maximum power consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 watts, will be used instead.</source>
        <translation>Die angegebene Leistung überschreitet den Bereich des ADC.;Stattdessen wird die höchste Leistung verwendet, die zur angegebenen QRP/QRO-Jumperstellung und zum ADC-Bereich passt:;%1 Watt.</translation>
    </message>
    <message>
        <source>Power specified exceeds range</source>
        <translation>Angegebene Leistung außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Leistungsgrenze</translation>
    </message>
    <message>
        <source>This setting lets you give the maximum power you want to transmit.

By default, Quorvane sets the sound card level for the highest power you can get without splatter. With the power limit enabled, Quorvane will not let your transmitter&apos;s power exceed the value you give below: whenever the peak signal goes above it, the sound card level is reduced, whatever the measured IMD.

Set the QRP/QRO buttons to match the jumper block on the meter&apos;s printed circuit board, so that Quorvane reads the peak voltage at the ADC input correctly.</source>
        <translation>Hier geben Sie die höchste Leistung an, mit der Sie senden wollen.

Standardmäßig stellt Quorvane den Soundkartenpegel auf die höchste Leistung ein, die ohne Splatter möglich ist. Mit eingeschalteter Leistungsgrenze lässt Quorvane die Leistung Ihres Senders nicht über den unten angegebenen Wert steigen: Sobald das Spitzensignal darüber liegt, wird der Soundkartenpegel verringert, unabhängig von der gemessenen IMD.

Stellen Sie die QRP/QRO-Schalter passend zum Jumperblock auf der Platine des Messgeräts ein, damit Quorvane die Spitzenspannung am ADC-Eingang richtig liest.</translation>
    </message>
    <message>
        <source>Enable Power Limit</source>
        <translation>Leistungsgrenze einschalten</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>Wie ist Ihr QRP/QRO-Jumperblock gesetzt?</translation>
    </message>
    <message>
        <source>Power Limit (watts):</source>
        <translation>Leistungsgrenze (Watt):</translation>
    </message>
    <message>
        <source>Don&apos;t forget to set the power level on 
your transmitter to be at least what you 
specify here.</source>
        <translation>Stellen Sie die Leistung Ihres Senders 
mindestens auf den hier angegebenen 
Wert ein.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Could not write the settings file %1.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>RefreshRateDialog</name>
    <message>
        <source>Every 0.5 seconds</source>
        <translation>Alle 0,5 Sekunden</translation>
    </message>
    <message>
        <source>Every second</source>
        <translation>Jede Sekunde</translation>
    </message>
    <message>
        <source>Every 2 seconds</source>
        <translation>Alle 2 Sekunden</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Aktualisierungsrate</translation>
    </message>
    <message>
        <source>Quorvane monitors your transmitter&apos;s RF output at periodic intervals. You can select a sample rate of 2 times per second, once per second, or once every 2 seconds.</source>
        <translation>Quorvane überwacht die HF-Ausgabe Ihres Senders in regelmäßigen Abständen. Sie können zweimal pro Sekunde, einmal pro Sekunde oder einmal alle 2 Sekunden messen lassen.</translation>
    </message>
    <message>
        <source>Refresh rate</source>
        <translation>Aktualisierungsrate</translation>
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
        <translation>TRX-ALC</translation>
    </message>
</context>
<context>
    <name>ShowPowerDialog</name>
    <message>
        <source>Show Power</source>
        <translation>Leistung anzeigen</translation>
    </message>
    <message>
        <source>Quorvane can compute the average RF power output of your PSK signal and show the estimate on the status line when you ask for it here. For an accurate report, tell Quorvane how the meter&apos;s QRP/QRO jumper block is set.</source>
        <translation>Quorvane kann die mittlere HF-Ausgangsleistung Ihres PSK-Signals berechnen und den Schätzwert in der Statuszeile anzeigen, wenn Sie das hier einschalten. Für einen genauen Wert teilen Sie Quorvane mit, wie der QRP/QRO-Jumperblock des Messgeräts gesetzt ist.</translation>
    </message>
    <message>
        <source>Enable the display of my estimated average PSK RF power</source>
        <translation>Geschätzte mittlere PSK-HF-Leistung anzeigen</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>Wie ist Ihr QRP/QRO-Jumperblock gesetzt?</translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Specified device identifier is out of range.</source>
        <translation>Die angegebene Gerätekennung liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>Specified resource is already allocated.</source>
        <translation>Die angegebene Ressource ist bereits belegt.</translation>
    </message>
    <message>
        <source>The device handle is invalid.</source>
        <translation>Das Geräte-Handle ist ungültig.</translation>
    </message>
    <message>
        <source>No device driver is present.</source>
        <translation>Kein Gerätetreiber vorhanden.</translation>
    </message>
    <message>
        <source>Unable to allocate or lock memory.</source>
        <translation>Speicher kann nicht belegt oder gesperrt werden.</translation>
    </message>
    <message>
        <source>Function isn&apos;t supported.</source>
        <translation>Funktion wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Attempted to open with an unsupported waveform-audio format.</source>
        <translation>Versuch, mit einem nicht unterstützten Waveform-Audioformat zu öffnen.</translation>
    </message>
    <message>
        <source>Sound Card error</source>
        <translation>Soundkartenfehler</translation>
    </message>
    <message>
        <source>A problem was encountered with the sound card:;;%1</source>
        <translation>Bei der Soundkarte ist ein Problem aufgetreten:;;%1</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Soundkarte</translation>
    </message>
    <message>
        <source>The sound output chosen for the level control is not connected:;;%1;;Until it is back at a later start, the level control moves no other output. &quot;Set Sound Card&quot; chooses another.</source>
        <translation>Der für die Pegelregelung gewählte Audioausgang ist nicht angeschlossen:;;%1;;Bis er bei einem späteren Start wieder da ist, verstellt die Pegelregelung keinen anderen Ausgang. Mit „Soundkarte wählen“ wählen Sie einen anderen.</translation>
    </message>
</context>
<context>
    <name>SoundCardDialog</name>
    <message>
        <source>Your computer has only one sound card:;;%1;;which is the device quorvane is using to control audio to your rig.</source>
        <translation>Ihr Computer hat nur eine Soundkarte:;;%1;;Über dieses Gerät steuert Quorvane das Audiosignal zu Ihrem Funkgerät.</translation>
    </message>
    <message>
        <source>Only one sound card</source>
        <translation>Nur eine Soundkarte</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Soundkarte</translation>
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
        <translation>Die meisten Computer haben eine 
Soundkarte, die Quorvane erkennt und 
zur Regelung des NF-Pegels nutzt.

Hat Ihr Computer jedoch mehrere 
Soundkarten, können Sie wählen, 
welche davon das Audiosignal für 
Ihr Funkgerät liefert.

Wählen Sie die Soundkarte, die das 
Audiosignal für Ihr Funkgerät liefert:</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Soundkarte</translation>
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
        <translation>SPITZE: %1V</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1W</translation>
    </message>
    <message>
        <source>LEVEL:%1%</source>
        <translation>PEGEL:%1%</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Signal status</source>
        <translation>Signalzustand</translation>
    </message>
    <message>
        <source>Automatic level control</source>
        <translation>Automatische Aussteuerung</translation>
    </message>
    <message>
        <source>PSK mode and rig frequency</source>
        <translation>PSK-Betriebsart und Frequenz des Transceivers</translation>
    </message>
    <message>
        <source>RMS deviation from the ideal arch</source>
        <translation>RMS-Abweichung vom idealen Bogen</translation>
    </message>
    <message>
        <source>Intermodulation distortion</source>
        <translation>Intermodulationsverzerrung</translation>
    </message>
    <message>
        <source>Sound card level</source>
        <translation>Pegel der Soundkarte</translation>
    </message>
    <message>
        <source>Peak voltage</source>
        <translation>Spitzenspannung</translation>
    </message>
    <message>
        <source>Estimated average power</source>
        <translation>Geschätzte mittlere Leistung</translation>
    </message>
    <message>
        <source>Rig meters</source>
        <translation>Anzeigen des Transceivers</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
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
        <translation>KEIN PSK</translation>
    </message>
    <message>
        <source>FLDIGI?</source>
        <translation>FLDIGI?</translation>
    </message>
    <message>
        <source>NOT RESPONDING</source>
        <translation>KEINE ANTWORT</translation>
    </message>
    <message>
        <source>PWR+</source>
        <translation>PWR+</translation>
    </message>
    <message>
        <source>WEAK</source>
        <translation>SCHWACH</translation>
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
        <translation>QUORVANE ANTWORTET NICHT</translation>
    </message>
    <message>
        <source>NO SIGNAL</source>
        <translation>KEIN SIGNAL</translation>
    </message>
    <message>
        <source>NOISE</source>
        <translation>RAUSCHEN</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATEN</translation>
    </message>
    <message>
        <source>OVER POWER</source>
        <translation>ZU VIEL LEISTUNG</translation>
    </message>
    <message>
        <source>SIGNAL OK</source>
        <translation>SIGNAL OK</translation>
    </message>
    <message>
        <source>UNDERDRIVING</source>
        <translation>UNTERSTEUERT</translation>
    </message>
    <message>
        <source>SPLATTER!</source>
        <translation>SPLATTER!</translation>
    </message>
    <message>
        <source>UNDECIDED</source>
        <translation>UNBESTIMMT</translation>
    </message>
    <message>
        <source>TEXT MODE</source>
        <translation>TEXTMODUS</translation>
    </message>
    <message>
        <source>QUORVANE firmware not detected</source>
        <translation>QUORVANE-Firmware nicht erkannt</translation>
    </message>
    <message>
        <source>Simulated Mode</source>
        <translation>Simulationsmodus</translation>
    </message>
    <message>
        <source>METER DISCONNECTED</source>
        <translation>MESSGERÄT GETRENNT</translation>
    </message>
    <message>
        <source>RIG?</source>
        <translation>TRX?</translation>
    </message>
    <message>
        <source>HIGH SWR</source>
        <translation>HOHES SWR</translation>
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
        <translation>%1 %: %2, </translation>
    </message>
    <message>
        <source>IMD %1 dB</source>
        <translation>IMD %1 dB</translation>
    </message>
    <message>
        <source>no two-tone signal</source>
        <translation>kein Zweitonsignal</translation>
    </message>
    <message>
        <source>Levels measured</source>
        <translation>Gemessene Pegel</translation>
    </message>
    <message>
        <source>No levels measured yet</source>
        <translation>Noch keine Pegel gemessen</translation>
    </message>
    <message>
        <source>1 level measured</source>
        <translation>1 Pegel gemessen</translation>
    </message>
    <message>
        <source>%1 levels measured, %2 % to %3 %</source>
        <translation>%1 Pegel gemessen, %2 % bis %3 %</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>bei %1</translation>
    </message>
    <message>
        <source>now at %1 %</source>
        <translation>jetzt bei %1 %</translation>
    </message>
    <message>
        <source>best level %1</source>
        <translation>bester Pegel %1</translation>
    </message>
    <message>
        <source>best level %1 %</source>
        <translation>bester Pegel %1 %</translation>
    </message>
    <message>
        <source>target IMD %1 dB</source>
        <translation>Ziel-IMD %1 dB</translation>
    </message>
    <message>
        <source>IMD dB</source>
        <translation>IMD dB</translation>
    </message>
    <message>
        <source>sound output volume %</source>
        <translation>Lautstärke Audioausgang %</translation>
    </message>
    <message>
        <source>peak power W</source>
        <translation>Spitzenleistung W</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>best %1 %</source>
        <translation>beste %1 %</translation>
    </message>
</context>
<context>
    <name>TargetImdDialog</name>
    <message>
        <source>Setting the Target IMD Value</source>
        <translation>Ziel-IMD einstellen</translation>
    </message>
    <message>
        <source>Quorvane computes the IMD of your signal with each sample and uses it to reset the audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.

Some targets may be impossible to meet, for instance -30db. Quorvane then keeps reducing the audio level slowly, and your RF power may end up much lower than you want. Experiment to find the target that suits your transmitter.</source>
        <translation>Quorvane berechnet bei jeder Messung die IMD Ihres Signals und stellt damit den NF-Pegel Ihrer Soundkarte nach. Standardmäßig hält Quorvane die IMD besser als -22 dB.

Manche Ziele sind nicht erreichbar, zum Beispiel -30 dB. Quorvane senkt dann den NF-Pegel langsam immer weiter ab, und Ihre HF-Leistung kann viel niedriger ausfallen als gewünscht. Probieren Sie aus, welches Ziel zu Ihrem Sender passt.</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>Ziel-IMD</translation>
    </message>
</context>
<context>
    <name>TestSoundCardDialog</name>
    <message>
        <source>Testing Sound Card</source>
        <translation>Soundkarte testen</translation>
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
        <translation>Prüfen Sie mit dem Schieberegler unten, ob 
Quorvane die Lautstärke Ihrer Soundkarte steuern kann. 

Öffnen Sie in einem eigenen Fenster den 
Mixer von Windows. Wenn Sie den Schieberegler 
unten bewegen, sollten sich die Regler im 
Mixer-Fenster entsprechend mitbewegen. 

Damit ist bestätigt, dass Quorvane die 
Master- und WAV-Lautstärke einstellen kann.</translation>
    </message>
    <message>
        <source>Master:</source>
        <translation>Master:</translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation>Wave:</translation>
    </message>
</context>
<context>
    <name>TextCycle</name>
    <message>
        <source>No data received.</source>
        <translation>Keine Daten empfangen.</translation>
    </message>
    <message>
        <source>Received bytes: %1</source>
        <translation>Empfangene Bytes: %1</translation>
    </message>
    <message>
        <source>Minimum value: %1%2</source>
        <translation>Minimalwert: %1%2</translation>
    </message>
    <message>
        <source>Maximum value: %1%2</source>
        <translation>Maximalwert: %1%2</translation>
    </message>
    <message>
        <source>RMS Value:     %1 %2</source>
        <translation>RMS-Wert:     %1 %2</translation>
    </message>
</context>
</TS>
