<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvane</source>
        <translation>Informazioni su Quorvane</translation>
    </message>
    <message>
        <source>For more information, software updates and ordering </source>
        <translation>Informazioni, aggiornamenti e ordini </translation>
    </message>
    <message>
        <source>Quorvane Version %1</source>
        <translation>Quorvane versione %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Firmware: %1</translation>
    </message>
    <message>
        <source>Operating System: %1</source>
        <translation>Sistema operativo: %1</translation>
    </message>
    <message>
        <source>go to %1</source>
        <translation>su %1</translation>
    </message>
    <message>
        <source>Unknown OS</source>
        <translation>Sistema sconosciuto</translation>
    </message>
</context>
<context>
    <name>BestLevelWindow</name>
    <message>
        <source>Find Best Level</source>
        <translation>Trova il livello migliore</translation>
    </message>
    <message>
        <source>Let your modem program send a steady PSK idle into the chosen sound output,
then press Start. Quorvane steps the output&apos;s volume and measures each step.</source>
        <translation>Fai trasmettere al tuo programma modem un idle PSK costante sull&apos;uscita audio scelta,
poi premi Avvia. Quorvane varia a passi il volume dell&apos;uscita e misura ogni passo.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Use this level</source>
        <translation>Usa questo livello</translation>
    </message>
    <message>
        <source>Keep the old level</source>
        <translation>Mantieni il livello precedente</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>%1 RF Monitoring on %2</source>
        <translation>%1 Monitoraggio RF su %2</translation>
    </message>
</context>
<context>
    <name>EnvelopeChart</name>
    <message>
        <source>Envelope chart</source>
        <translation>Grafico dell&apos;inviluppo</translation>
    </message>
    <message>
        <source>No frame yet</source>
        <translation>Ancora nessun frame</translation>
    </message>
</context>
<context>
    <name>GainDialog</name>
    <message>
        <source>Feedback gain</source>
        <translation>Guadagno di regolazione</translation>
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
        <translation>Con l&apos;ALC attivo, Quorvane regola il
livello audio della scheda audio in modo
che il trasmettitore non sia né
sottopilotato né sovramodulato.

L&apos;entità di ogni correzione dipende da
quanto il segnale RF si scosta da un
segnale perfetto e dal guadagno. Il guadagno
è il rapporto tra la variazione percentuale
del livello audio e lo scostamento
percentuale della RF dal segnale perfetto.

Un guadagno troppo alto fa oscillare
bruscamente il livello audio. In tal caso
riduci il guadagno finché le correzioni
avvengono «a piccoli passi».</translation>
    </message>
    <message>
        <source>Gain: </source>
        <translation>Guadagno: </translation>
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
        <translation>Potenza di picco W</translation>
    </message>
    <message>
        <source>minutes before the last cycle</source>
        <translation>minuti prima dell&apos;ultimo ciclo</translation>
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
        <translation>Sessione</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Intervallo di tempo</translation>
    </message>
    <message>
        <source>IMD and peak power over time</source>
        <translation>IMD e potenza di picco nel tempo</translation>
    </message>
</context>
<context>
    <name>LevelSweep</name>
    <message>
        <source>No level met the target IMD</source>
        <translation>Nessun livello ha raggiunto l&apos;IMD obiettivo</translation>
    </message>
    <message>
        <source>Best level %1 %: %2 W at %3 dB</source>
        <translation>Livello migliore %1 %: %2 W a %3 dB</translation>
    </message>
    <message>
        <source>Linear from %1 % to %2 %</source>
        <translation>Lineare da %1 % a %2 %</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Com Port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>PSK63</source>
        <translation>PSK63</translation>
    </message>
    <message>
        <source>Follow fldigi</source>
        <translation>Segui fldigi</translation>
    </message>
    <message>
        <source>Follow the rig (rigctld)</source>
        <translation>Segui l&apos;RTX (rigctld)</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Frequenza di aggiornamento</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Modalità testo</translation>
    </message>
    <message>
        <source>Automatic Level Control</source>
        <translation>Controllo automatico di livello (ALC)</translation>
    </message>
    <message>
        <source>Feedback gain</source>
        <translation>Guadagno di regolazione</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>IMD obiettivo</translation>
    </message>
    <message>
        <source>Noise Threshold</source>
        <translation>Soglia di rumore</translation>
    </message>
    <message>
        <source>Find Best Level...</source>
        <translation>Trova il livello migliore...</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Limite di potenza</translation>
    </message>
    <message>
        <source>Show Power</source>
        <translation>Mostra potenza</translation>
    </message>
    <message>
        <source>Set Sound Card</source>
        <translation>Scegli scheda audio</translation>
    </message>
    <message>
        <source>Test Sound Card</source>
        <translation>Prova scheda audio</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Cronologia...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Color Code Help</source>
        <translation>&amp;Guida codici colore</translation>
    </message>
    <message>
        <source>Quorvane &amp;Exit</source>
        <translation>&amp;Esci da Quorvane</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Not available on this Wayland desktop: only the desktop can keep a window on top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through XWayland and stays on top.</source>
        <translation>Non disponibile su questo desktop Wayland: solo il desktop può tenere una finestra in primo piano. Con Platform=xcb sotto [MISC] in quorvane.ini, Quorvane passa per XWayland e resta in primo piano.</translation>
    </message>
    <message>
        <source>Could not create the log file %1.</source>
        <translation>Impossibile creare il file di log %1.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Could not open serial ports %1.</source>
        <translation>Impossibile aprire le porte seriali %1.</translation>
    </message>
    <message>
        <source>QUORVANE tray icon color codes</source>
        <translation>Codici colore dell&apos;icona QUORVANE</translation>
    </message>
    <message>
        <source>White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;Red   = Overmodulated signal (splatter)</source>
        <translation>Bianco = Nessun segnale;Nero   = Segnale sottopilotato (debole);Blu    = Segnale pulito;Rosso  = Segnale sovramodulato (splatter)</translation>
    </message>
    <message>
        <source>Could not open the history file %1.</source>
        <translation>Impossibile aprire il file della cronologia %1.</translation>
    </message>
    <message>
        <source>Stopped: the signal went away. The old level is back.</source>
        <translation>Interrotto: il segnale è sparito. Ripristinato il livello precedente.</translation>
    </message>
    <message>
        <source>Cancelled. The old level is back.</source>
        <translation>Annullato. Ripristinato il livello precedente.</translation>
    </message>
    <message>
        <source>Last time: %1</source>
        <translation>Ultima volta: %1</translation>
    </message>
    <message>
        <source>There is no sound output to sweep.</source>
        <translation>Nessuna uscita audio su cui fare la scansione.</translation>
    </message>
    <message>
        <source>Turn Text Mode off to sweep.</source>
        <translation>Disattiva la modalità testo per la scansione.</translation>
    </message>
    <message>
        <source>The meter is not connected.</source>
        <translation>Il misuratore non è collegato.</translation>
    </message>
    <message>
        <source>MQTT...</source>
        <translation>MQTT...</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>Segnali acustici</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>An exception was raised attempting to read from the com port.</source>
        <translation>Si è verificata un&apos;eccezione durante la lettura dalla porta COM.</translation>
    </message>
    <message>
        <source>KESTRAL.SYS lies beside the program, but 64-bit Windows cannot load this 32-bit driver. The port is opened directly, not shared.</source>
        <translation>KESTRAL.SYS si trova accanto al programma, ma Windows a 64 bit non può caricare questo driver a 32 bit. La porta viene aperta direttamente, senza condivisione.</translation>
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
        <translation>&amp;Pubblica le misure via MQTT</translation>
    </message>
    <message>
        <source>&amp;Broker:</source>
        <translation>&amp;Broker:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;orta:</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>&amp;Topic:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>&amp;Interval (ms):</source>
        <translation>&amp;Intervallo (ms):</translation>
    </message>
    <message>
        <source>&amp;Home Assistant discovery</source>
        <translation>Rilevamento &amp;Home Assistant</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Collegamento: %1</translation>
    </message>
</context>
<context>
    <name>MqttLink</name>
    <message>
        <source>off</source>
        <translation>disattivato</translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>connessione a %1</translation>
    </message>
    <message>
        <source>no answer from the broker</source>
        <translation>nessuna risposta dal broker</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>connesso a %1</translation>
    </message>
    <message>
        <source>%1; retrying in %2 s</source>
        <translation>%1; nuovo tentativo tra %2 s</translation>
    </message>
</context>
<context>
    <name>NoiseThresholdDialog</name>
    <message>
        <source>Noise Threshold</source>
        <translation>Soglia di rumore</translation>
    </message>
    <message>
        <source>If your antenna is close to strong RF interference, the meter may pick up more than a few millivolts even when you are not transmitting, and Quorvane cannot tell that from a true PSK signal (on Field Day, for example).

This setting is the &quot;noise floor&quot; in millivolts: signals below it are not processed, and the status line shows &quot;NOISE&quot; instead.</source>
        <translation>Se l&apos;antenna è vicina a forti disturbi RF, il misuratore può rilevare più di qualche millivolt anche quando non trasmetti, e Quorvane non può distinguerli da un vero segnale PSK (per esempio al Field Day).

Questa impostazione è il «rumore di fondo» in millivolt: i segnali al di sotto non vengono elaborati e la riga di stato mostra invece «RUMORE».</translation>
    </message>
    <message>
        <source>Noise floor (in mV):</source>
        <translation>Rumore di fondo (in mV):</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select your computer&apos;s COM port that is used to communicate with the Quorvane. This port can be the same port as what your PSK31 software, such as Digipan, uses to connect to the radio (but you will have to make up a special serial cable). However, this port cannot be shared with another program unrelated to PSK31 accessing the same port.</source>
        <translation>Seleziona la porta COM del computer usata per comunicare con il Quorvane. Può essere la stessa porta che il tuo software PSK31, come Digipan, usa per collegarsi alla radio (ma dovrai realizzare un cavo seriale apposito). Questa porta però non può essere condivisa con un altro programma, estraneo al PSK31, che accede alla stessa porta.</translation>
    </message>
    <message>
        <source>NOTE: You can get around a com port conflict with another application by using a serial-to-USB adapter and driver available at %1.</source>
        <translation>NOTA: puoi aggirare un conflitto sulla porta COM con un&apos;altra applicazione usando un adattatore seriale-USB e il relativo driver, disponibili su %1.</translation>
    </message>
    <message>
        <source>Select your computer&apos;s COM port that you wish to use to communicate with the Quorvane. This port cannot be shared with another program that accesses the same port. For example, if you are using Digipan to control your transmitter on COM Port 1, you cannot use COM Port1 to also connect to Quorvane.</source>
        <translation>Seleziona la porta COM del computer che vuoi usare per comunicare con il Quorvane. Questa porta non può essere condivisa con un altro programma che accede alla stessa porta. Per esempio, se usi Digipan per controllare il trasmettitore sulla porta COM 1, non puoi usare la COM 1 anche per collegarti al Quorvane.</translation>
    </message>
    <message>
        <source>NOTE: you can get around this requirement in one of two ways: 1) By running under Windows NT or Windows 2000, QUORVANE can share the same comport as your PSK31 software, or 2) by using the serial-to-USB adapter and driver available at %1.</source>
        <translation>NOTA: puoi aggirare questo vincolo in due modi: 1) con Windows NT o Windows 2000, QUORVANE può condividere la stessa porta COM del tuo software PSK31, oppure 2) usando l&apos;adattatore seriale-USB e il relativo driver, disponibili su %1.</translation>
    </message>
    <message>
        <source>Select the serial port that talks to the Quorvane. Adapters are listed with what they are; one shown as New gets the next free COM number, tied to its /dev/serial/by-id/ name so that it is found again in any USB socket.</source>
        <translation>Seleziona la porta seriale collegata al Quorvane. Gli adattatori sono elencati con il loro tipo; quello indicato come Nuovo riceve il primo numero COM libero, legato al suo nome in /dev/serial/by-id/ così da essere ritrovato su qualsiasi presa USB.</translation>
    </message>
    <message>
        <source>NOTE: opening a serial port needs membership in the dialout group (log in again after joining it). Sharing the port with another program is not available here: the meter needs a port of its own.</source>
        <translation>NOTA: per aprire una porta seriale bisogna far parte del gruppo dialout (dopo l&apos;aggiunta al gruppo, accedi di nuovo). Qui non è possibile condividere la porta con un altro programma: il misuratore ha bisogno di una porta tutta sua.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>Com Port Selection</source>
        <translation>Selezione porta COM</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Porta seriale</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1: not present.</source>
        <translation>%1: non presente.</translation>
    </message>
    <message>
        <source>%1: not present (no device at%2).</source>
        <translation>%1: non presente (nessun dispositivo su%2).</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1: in uso da un altro programma.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, add your user to the %3 group: sudo usermod -aG %3 $USER, then log in again.</source>
        <translation>%1: nessun permesso per%2, aggiungi il tuo utente al gruppo %3: sudo usermod -aG %3 $USER, poi accedi di nuovo.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, ask the administrator for read and write access to it.</source>
        <translation>%1: nessun permesso per%2, chiedi all&apos;amministratore l&apos;accesso in lettura e scrittura.</translation>
    </message>
    <message>
        <source>%1: %2 (error %3).</source>
        <translation>%1: %2 (errore %3).</translation>
    </message>
</context>
<context>
    <name>PowerLimitDialog</name>
    <message>
        <source>The power you specified exceeds the range of the ADC.;The maximum power consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 watts, will be used instead.</source>
        <translation>La potenza indicata supera la portata dell&apos;ADC.;Verrà usata invece la potenza massima compatibile con i ponticelli QRP/QRO indicati e la portata dell&apos;ADC,;cioè %1 watt.</translation>
    </message>
    <message>
        <source>Power specified exceeds range</source>
        <translation>Potenza indicata fuori portata</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Limite di potenza</translation>
    </message>
    <message>
        <source>This setting lets you give the maximum power you want to transmit.

By default, Quorvane sets the sound card level for the highest power you can get without splatter. With the power limit enabled, Quorvane will not let your transmitter&apos;s power exceed the value you give below: whenever the peak signal goes above it, the sound card level is reduced, whatever the measured IMD.

Set the QRP/QRO buttons to match the jumper block on the meter&apos;s printed circuit board, so that Quorvane reads the peak voltage at the ADC input correctly.</source>
        <translation>Questa impostazione ti permette di indicare la potenza massima che vuoi trasmettere.

Per impostazione predefinita, Quorvane regola il livello della scheda audio per la massima potenza ottenibile senza splatter. Con il limite di potenza attivo, Quorvane non lascia che la potenza del trasmettitore superi il valore indicato qui sotto: ogni volta che il segnale di picco lo supera, il livello della scheda audio viene ridotto, qualunque sia l&apos;IMD misurata.

Imposta i pulsanti QRP/QRO come i ponticelli sul circuito stampato del misuratore, così Quorvane legge correttamente la tensione di picco all&apos;ingresso dell&apos;ADC.</translation>
    </message>
    <message>
        <source>Enable Power Limit</source>
        <translation>Attiva limite di potenza</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>Come sono impostati i ponticelli QRP/QRO?</translation>
    </message>
    <message>
        <source>Power Limit (watts):</source>
        <translation>Limite di potenza (watt):</translation>
    </message>
    <message>
        <source>Don&apos;t forget to set the power level on 
your transmitter to be at least what you 
specify here.</source>
        <translation>Ricorda di impostare la potenza del 
trasmettitore almeno al valore 
indicato qui.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Could not write the settings file %1.</source>
        <translation>Impossibile scrivere il file delle impostazioni %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>RefreshRateDialog</name>
    <message>
        <source>Every 0.5 seconds</source>
        <translation>Ogni 0,5 secondi</translation>
    </message>
    <message>
        <source>Every second</source>
        <translation>Ogni secondo</translation>
    </message>
    <message>
        <source>Every 2 seconds</source>
        <translation>Ogni 2 secondi</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Frequenza di aggiornamento</translation>
    </message>
    <message>
        <source>Quorvane monitors your transmitter&apos;s RF output at periodic intervals. You can select a sample rate of 2 times per second, once per second, or once every 2 seconds.</source>
        <translation>Quorvane controlla l&apos;uscita RF del trasmettitore a intervalli regolari. Puoi scegliere una misura 2 volte al secondo, una volta al secondo o una volta ogni 2 secondi.</translation>
    </message>
    <message>
        <source>Refresh rate</source>
        <translation>Frequenza di aggiornamento</translation>
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
        <translation>ALC RTX</translation>
    </message>
</context>
<context>
    <name>ShowPowerDialog</name>
    <message>
        <source>Show Power</source>
        <translation>Mostra potenza</translation>
    </message>
    <message>
        <source>Quorvane can compute the average RF power output of your PSK signal and show the estimate on the status line when you ask for it here. For an accurate report, tell Quorvane how the meter&apos;s QRP/QRO jumper block is set.</source>
        <translation>Quorvane può calcolare la potenza RF media del tuo segnale PSK e mostrarne la stima sulla riga di stato, se lo chiedi qui. Per un valore preciso, indica a Quorvane come sono impostati i ponticelli QRP/QRO del misuratore.</translation>
    </message>
    <message>
        <source>Enable the display of my estimated average PSK RF power</source>
        <translation>Mostra la potenza RF PSK media stimata</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>Come sono impostati i ponticelli QRP/QRO?</translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Specified device identifier is out of range.</source>
        <translation>L&apos;identificativo del dispositivo indicato è fuori intervallo.</translation>
    </message>
    <message>
        <source>Specified resource is already allocated.</source>
        <translation>La risorsa indicata è già allocata.</translation>
    </message>
    <message>
        <source>The device handle is invalid.</source>
        <translation>L&apos;handle del dispositivo non è valido.</translation>
    </message>
    <message>
        <source>No device driver is present.</source>
        <translation>Nessun driver del dispositivo presente.</translation>
    </message>
    <message>
        <source>Unable to allocate or lock memory.</source>
        <translation>Impossibile allocare o bloccare la memoria.</translation>
    </message>
    <message>
        <source>Function isn&apos;t supported.</source>
        <translation>Funzione non supportata.</translation>
    </message>
    <message>
        <source>Attempted to open with an unsupported waveform-audio format.</source>
        <translation>Tentativo di apertura con un formato audio waveform non supportato.</translation>
    </message>
    <message>
        <source>Sound Card error</source>
        <translation>Errore della scheda audio</translation>
    </message>
    <message>
        <source>A problem was encountered with the sound card:;;%1</source>
        <translation>Si è verificato un problema con la scheda audio:;;%1</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Scheda audio</translation>
    </message>
    <message>
        <source>The sound output chosen for the level control is not connected:;;%1;;Until it is back at a later start, the level control moves no other output. &quot;Set Sound Card&quot; chooses another.</source>
        <translation>L&apos;uscita audio scelta per il controllo di livello non è collegata:;;%1;;Finché non torna a un avvio successivo, il controllo di livello non agisce su nessun&apos;altra uscita. «Scegli scheda audio» ne sceglie un&apos;altra.</translation>
    </message>
</context>
<context>
    <name>SoundCardDialog</name>
    <message>
        <source>Your computer has only one sound card:;;%1;;which is the device quorvane is using to control audio to your rig.</source>
        <translation>Il computer ha una sola scheda audio:;;%1;;è il dispositivo con cui Quorvane controlla l&apos;audio verso la radio.</translation>
    </message>
    <message>
        <source>Only one sound card</source>
        <translation>Una sola scheda audio</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Scheda audio</translation>
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
        <translation>La maggior parte dei computer ha una 
scheda audio, che Quorvane rileva e usa 
per controllare il livello audio.

Se però il computer ha più di una 
scheda audio, puoi scegliere quale 
scheda audio fornisce l&apos;audio 
alla radio.

Seleziona la scheda audio che fornisce 
il segnale audio alla radio:</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Scheda audio</translation>
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
        <translation>PICCO: %1V</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1W</translation>
    </message>
    <message>
        <source>LEVEL:%1%</source>
        <translation>LIVELLO:%1%</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Status line</source>
        <translation>Riga di stato</translation>
    </message>
    <message>
        <source>Signal status</source>
        <translation>Stato del segnale</translation>
    </message>
    <message>
        <source>Automatic level control</source>
        <translation>Controllo automatico di livello</translation>
    </message>
    <message>
        <source>PSK mode and rig frequency</source>
        <translation>Modo PSK e frequenza del ricetrasmettitore</translation>
    </message>
    <message>
        <source>RMS deviation from the ideal arch</source>
        <translation>Scarto RMS dall&apos;arco ideale</translation>
    </message>
    <message>
        <source>Intermodulation distortion</source>
        <translation>Distorsione di intermodulazione</translation>
    </message>
    <message>
        <source>Sound card level</source>
        <translation>Livello della scheda audio</translation>
    </message>
    <message>
        <source>Peak voltage</source>
        <translation>Tensione di picco</translation>
    </message>
    <message>
        <source>Estimated average power</source>
        <translation>Potenza media stimata</translation>
    </message>
    <message>
        <source>Rig meters</source>
        <translation>Strumenti del ricetrasmettitore</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
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
        <translation>NON PSK</translation>
    </message>
    <message>
        <source>FLDIGI?</source>
        <translation>FLDIGI?</translation>
    </message>
    <message>
        <source>NOT RESPONDING</source>
        <translation>NON RISPONDE</translation>
    </message>
    <message>
        <source>PWR+</source>
        <translation>PWR+</translation>
    </message>
    <message>
        <source>WEAK</source>
        <translation>DEBOLE</translation>
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
        <translation>QUORVANE NON RISPONDE</translation>
    </message>
    <message>
        <source>NO SIGNAL</source>
        <translation>NESSUN SEGNALE</translation>
    </message>
    <message>
        <source>NOISE</source>
        <translation>RUMORE</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATI</translation>
    </message>
    <message>
        <source>OVER POWER</source>
        <translation>TROPPA POTENZA</translation>
    </message>
    <message>
        <source>SIGNAL OK</source>
        <translation>SEGNALE OK</translation>
    </message>
    <message>
        <source>UNDERDRIVING</source>
        <translation>SOTTOPILOTATO</translation>
    </message>
    <message>
        <source>SPLATTER!</source>
        <translation>SPLATTER!</translation>
    </message>
    <message>
        <source>UNDECIDED</source>
        <translation>INCERTO</translation>
    </message>
    <message>
        <source>TEXT MODE</source>
        <translation>MODO TESTO</translation>
    </message>
    <message>
        <source>QUORVANE firmware not detected</source>
        <translation>Firmware QUORVANE non rilevato</translation>
    </message>
    <message>
        <source>Simulated Mode</source>
        <translation>Modalità simulata</translation>
    </message>
    <message>
        <source>METER DISCONNECTED</source>
        <translation>MISURATORE SCOLLEGATO</translation>
    </message>
    <message>
        <source>RIG?</source>
        <translation>RTX?</translation>
    </message>
    <message>
        <source>HIGH SWR</source>
        <translation>SWR ALTO</translation>
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
        <translation>nessun segnale a due toni</translation>
    </message>
    <message>
        <source>Levels measured</source>
        <translation>Livelli misurati</translation>
    </message>
    <message>
        <source>No levels measured yet</source>
        <translation>Nessun livello ancora misurato</translation>
    </message>
    <message>
        <source>1 level measured</source>
        <translation>1 livello misurato</translation>
    </message>
    <message>
        <source>%1 levels measured, %2 % to %3 %</source>
        <translation>%1 livelli misurati, da %2 % a %3 %</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>now at %1 %</source>
        <translation>ora a %1 %</translation>
    </message>
    <message>
        <source>best level %1</source>
        <translation>livello migliore %1</translation>
    </message>
    <message>
        <source>best level %1 %</source>
        <translation>livello migliore %1 %</translation>
    </message>
    <message>
        <source>target IMD %1 dB</source>
        <translation>IMD obiettivo %1 dB</translation>
    </message>
    <message>
        <source>IMD dB</source>
        <translation>IMD dB</translation>
    </message>
    <message>
        <source>sound output volume %</source>
        <translation>volume uscita audio %</translation>
    </message>
    <message>
        <source>peak power W</source>
        <translation>potenza di picco W</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>best %1 %</source>
        <translation>migliore %1 %</translation>
    </message>
</context>
<context>
    <name>TargetImdDialog</name>
    <message>
        <source>Setting the Target IMD Value</source>
        <translation>Impostazione dell&apos;IMD obiettivo</translation>
    </message>
    <message>
        <source>Quorvane computes the IMD of your signal with each sample and uses it to reset the audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.

Some targets may be impossible to meet, for instance -30db. Quorvane then keeps reducing the audio level slowly, and your RF power may end up much lower than you want. Experiment to find the target that suits your transmitter.</source>
        <translation>Quorvane calcola l&apos;IMD del segnale a ogni misura e la usa per regolare il livello audio della scheda audio. Per impostazione predefinita, Quorvane mantiene l&apos;IMD migliore di -22 dB.

Alcuni obiettivi possono essere irraggiungibili, per esempio -30 dB. Quorvane allora continua a ridurre lentamente il livello audio e la potenza RF può risultare molto più bassa del voluto. Fai delle prove per trovare l&apos;obiettivo adatto al tuo trasmettitore.</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>IMD obiettivo</translation>
    </message>
</context>
<context>
    <name>TestSoundCardDialog</name>
    <message>
        <source>Testing Sound Card</source>
        <translation>Prova della scheda audio</translation>
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
        <translation>Usa il cursore qui sotto per verificare se Quorvane 
può controllare il volume della scheda audio. 

In una finestra separata, apri il mixer 
di Windows. Quando sposti il cursore qui sotto, 
dovresti vedere i cursori della finestra 
del mixer muoversi di conseguenza. 

Questo conferma che Quorvane può regolare 
i livelli audio Master e WAV.</translation>
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
        <translation>Nessun dato ricevuto.</translation>
    </message>
    <message>
        <source>Received bytes: %1</source>
        <translation>Byte ricevuti: %1</translation>
    </message>
    <message>
        <source>Minimum value: %1%2</source>
        <translation>Valore minimo: %1%2</translation>
    </message>
    <message>
        <source>Maximum value: %1%2</source>
        <translation>Valore massimo: %1%2</translation>
    </message>
    <message>
        <source>RMS Value:     %1 %2</source>
        <translation>Valore RMS:     %1 %2</translation>
    </message>
</context>
</TS>
