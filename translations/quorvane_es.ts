<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvane</source>
        <translation>Acerca de Quorvane</translation>
    </message>
    <message>
        <source>For more information, software updates and ordering </source>
        <translation>Para más información, actualizaciones y pedidos </translation>
    </message>
    <message>
        <source>Quorvane Version %1</source>
        <translation>Quorvane versión %1</translation>
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
        <translation>visite %1</translation>
    </message>
    <message>
        <source>Unknown OS</source>
        <translation>SO desconocido</translation>
    </message>
</context>
<context>
    <name>BestLevelWindow</name>
    <message>
        <source>Find Best Level</source>
        <translation>Buscar el mejor nivel</translation>
    </message>
    <message>
        <source>Let your modem program send a steady PSK idle into the chosen sound output,
then press Start. Quorvane steps the output&apos;s volume and measures each step.</source>
        <translation>Haga que su programa de módem envíe un idle PSK continuo a la salida de sonido elegida
y pulse Iniciar. Quorvane varía el volumen de la salida por pasos y mide cada paso.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Use this level</source>
        <translation>Usar este nivel</translation>
    </message>
    <message>
        <source>Keep the old level</source>
        <translation>Mantener el nivel anterior</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>%1 RF Monitoring on %2</source>
        <translation>%1 Monitor de RF en %2</translation>
    </message>
</context>
<context>
    <name>EnvelopeChart</name>
    <message>
        <source>Envelope chart</source>
        <translation>Gráfico de la envolvente</translation>
    </message>
    <message>
        <source>No frame yet</source>
        <translation>Aún no hay trama</translation>
    </message>
</context>
<context>
    <name>GainDialog</name>
    <message>
        <source>Feedback gain</source>
        <translation>Ganancia de realimentación</translation>
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
        <translation>Con el control automático de nivel activado,
Quorvane ajusta el nivel de audio de su tarjeta
de sonido para que su transmisor no quede
ni subexcitado ni sobremodulado.

El tamaño de cada ajuste depende de cuánto
se aleja la señal de RF de una señal perfecta
y de la ganancia. La ganancia es la relación
entre el cambio porcentual del nivel de audio
y el porcentaje en que la RF difiere de una
señal perfecta.

Una ganancia demasiado alta hace que el nivel
de audio oscile bruscamente arriba y abajo.
En ese caso, reduzca la ganancia hasta que
los ajustes sean &quot;pasitos&quot;.</translation>
    </message>
    <message>
        <source>Gain: </source>
        <translation>Ganancia: </translation>
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
        <translation>Potencia de pico W</translation>
    </message>
    <message>
        <source>minutes before the last cycle</source>
        <translation>minutos antes del último ciclo</translation>
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
        <translation>Sesión</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>Intervalo de tiempo</translation>
    </message>
    <message>
        <source>IMD and peak power over time</source>
        <translation>IMD y potencia de pico en el tiempo</translation>
    </message>
</context>
<context>
    <name>LevelSweep</name>
    <message>
        <source>No level met the target IMD</source>
        <translation>Ningún nivel alcanzó la IMD objetivo</translation>
    </message>
    <message>
        <source>Best level %1 %: %2 W at %3 dB</source>
        <translation>Mejor nivel %1 %: %2 W a %3 dB</translation>
    </message>
    <message>
        <source>Linear from %1 % to %2 %</source>
        <translation>Lineal de %1 % a %2 %</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Com Port</source>
        <translation>Puerto COM</translation>
    </message>
    <message>
        <source>PSK63</source>
        <translation>PSK63</translation>
    </message>
    <message>
        <source>Follow fldigi</source>
        <translation>Seguir a fldigi</translation>
    </message>
    <message>
        <source>Follow the rig (rigctld)</source>
        <translation>Seguir al equipo (rigctld)</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Tasa de refresco</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>Modo texto</translation>
    </message>
    <message>
        <source>Automatic Level Control</source>
        <translation>Control automático de nivel</translation>
    </message>
    <message>
        <source>Feedback gain</source>
        <translation>Ganancia de realimentación</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>IMD objetivo</translation>
    </message>
    <message>
        <source>Noise Threshold</source>
        <translation>Umbral de ruido</translation>
    </message>
    <message>
        <source>Find Best Level...</source>
        <translation>Buscar el mejor nivel...</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Límite de potencia</translation>
    </message>
    <message>
        <source>Show Power</source>
        <translation>Mostrar potencia</translation>
    </message>
    <message>
        <source>Set Sound Card</source>
        <translation>Elegir tarjeta de sonido</translation>
    </message>
    <message>
        <source>Test Sound Card</source>
        <translation>Probar tarjeta de sonido</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Color Code Help</source>
        <translation>Ayuda del código de &amp;colores</translation>
    </message>
    <message>
        <source>Quorvane &amp;Exit</source>
        <translation>&amp;Salir de Quorvane</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Not available on this Wayland desktop: only the desktop can keep a window on top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through XWayland and stays on top.</source>
        <translation>No disponible en este escritorio Wayland: solo el escritorio puede mantener una ventana siempre visible. Con Platform=xcb en [MISC] de quorvane.ini, Quorvane funciona a través de XWayland y queda siempre visible.</translation>
    </message>
    <message>
        <source>Could not create the log file %1.</source>
        <translation>No se pudo crear el archivo de registro %1.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Could not open serial ports %1.</source>
        <translation>No se pudieron abrir los puertos serie %1.</translation>
    </message>
    <message>
        <source>QUORVANE tray icon color codes</source>
        <translation>Colores del icono de QUORVANE en la bandeja</translation>
    </message>
    <message>
        <source>White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;Red   = Overmodulated signal (splatter)</source>
        <translation>Blanco = Sin señal;Negro  = Señal subexcitada (débil);Azul   = Señal limpia;Rojo   = Señal sobremodulada (splatter)</translation>
    </message>
    <message>
        <source>Could not open the history file %1.</source>
        <translation>No se pudo abrir el archivo de historial %1.</translation>
    </message>
    <message>
        <source>Stopped: the signal went away. The old level is back.</source>
        <translation>Detenido: la señal desapareció. Se ha restaurado el nivel anterior.</translation>
    </message>
    <message>
        <source>Cancelled. The old level is back.</source>
        <translation>Cancelado. Se ha restaurado el nivel anterior.</translation>
    </message>
    <message>
        <source>Last time: %1</source>
        <translation>La última vez: %1</translation>
    </message>
    <message>
        <source>There is no sound output to sweep.</source>
        <translation>No hay ninguna salida de sonido que barrer.</translation>
    </message>
    <message>
        <source>Turn Text Mode off to sweep.</source>
        <translation>Desactive el modo texto para hacer el barrido.</translation>
    </message>
    <message>
        <source>The meter is not connected.</source>
        <translation>El medidor no está conectado.</translation>
    </message>
    <message>
        <source>MQTT...</source>
        <translation>MQTT...</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>Avisos sonoros</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>An exception was raised attempting to read from the com port.</source>
        <translation>Se produjo una excepción al intentar leer del puerto COM.</translation>
    </message>
    <message>
        <source>KESTRAL.SYS lies beside the program, but 64-bit Windows cannot load this 32-bit driver. The port is opened directly, not shared.</source>
        <translation>KESTRAL.SYS está junto al programa, pero Windows de 64 bits no puede cargar este controlador de 32 bits. El puerto se abre directamente, sin compartir.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>&amp;Publicar las medidas por MQTT</translation>
    </message>
    <message>
        <source>&amp;Broker:</source>
        <translation>&amp;Broker:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>Pue&amp;rto:</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>&amp;Tema:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Interval (ms):</source>
        <translation>&amp;Intervalo (ms):</translation>
    </message>
    <message>
        <source>&amp;Home Assistant discovery</source>
        <translation>Descubrimiento de &amp;Home Assistant</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Enlace: %1</translation>
    </message>
</context>
<context>
    <name>MqttLink</name>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>conectando con %1</translation>
    </message>
    <message>
        <source>no answer from the broker</source>
        <translation>sin respuesta del broker</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>conectado a %1</translation>
    </message>
    <message>
        <source>%1; retrying in %2 s</source>
        <translation>%1; reintento en %2 s</translation>
    </message>
</context>
<context>
    <name>NoiseThresholdDialog</name>
    <message>
        <source>Noise Threshold</source>
        <translation>Umbral de ruido</translation>
    </message>
    <message>
        <source>If your antenna is close to strong RF interference, the meter may pick up more than a few millivolts even when you are not transmitting, and Quorvane cannot tell that from a true PSK signal (on Field Day, for example).

This setting is the &quot;noise floor&quot; in millivolts: signals below it are not processed, and the status line shows &quot;NOISE&quot; instead.</source>
        <translation>Si su antena está cerca de una fuerte interferencia de RF, el medidor puede captar más de unos pocos milivoltios aunque no esté transmitiendo, y Quorvane no puede distinguirlo de una señal PSK real (en un Field Day, por ejemplo).

Este ajuste es el &quot;ruido de fondo&quot; en milivoltios: las señales por debajo de él no se procesan y la línea de estado muestra &quot;RUIDO&quot; en su lugar.</translation>
    </message>
    <message>
        <source>Noise floor (in mV):</source>
        <translation>Ruido de fondo (en mV):</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select your computer&apos;s COM port that is used to communicate with the Quorvane. This port can be the same port as what your PSK31 software, such as Digipan, uses to connect to the radio (but you will have to make up a special serial cable). However, this port cannot be shared with another program unrelated to PSK31 accessing the same port.</source>
        <translation>Seleccione el puerto COM de su ordenador que se usa para comunicarse con el Quorvane. Puede ser el mismo puerto que usa su programa de PSK31, como Digipan, para conectarse a la radio (pero tendrá que hacerse un cable serie especial). Sin embargo, este puerto no puede compartirse con otro programa ajeno a PSK31 que acceda al mismo puerto.</translation>
    </message>
    <message>
        <source>NOTE: You can get around a com port conflict with another application by using a serial-to-USB adapter and driver available at %1.</source>
        <translation>NOTA: puede evitar un conflicto de puerto COM con otra aplicación usando un adaptador serie-USB y el controlador disponibles en %1.</translation>
    </message>
    <message>
        <source>Select your computer&apos;s COM port that you wish to use to communicate with the Quorvane. This port cannot be shared with another program that accesses the same port. For example, if you are using Digipan to control your transmitter on COM Port 1, you cannot use COM Port1 to also connect to Quorvane.</source>
        <translation>Seleccione el puerto COM de su ordenador que desea usar para comunicarse con el Quorvane. Este puerto no puede compartirse con otro programa que acceda al mismo puerto. Por ejemplo, si usa Digipan para controlar su transmisor en el puerto COM 1, no puede usar también el COM 1 para conectarse a Quorvane.</translation>
    </message>
    <message>
        <source>NOTE: you can get around this requirement in one of two ways: 1) By running under Windows NT or Windows 2000, QUORVANE can share the same comport as your PSK31 software, or 2) by using the serial-to-USB adapter and driver available at %1.</source>
        <translation>NOTA: puede evitar esta limitación de dos maneras: 1) con Windows NT o Windows 2000, QUORVANE puede compartir el puerto COM de su programa de PSK31, o 2) usando el adaptador serie-USB y el controlador disponibles en %1.</translation>
    </message>
    <message>
        <source>Select the serial port that talks to the Quorvane. Adapters are listed with what they are; one shown as New gets the next free COM number, tied to its /dev/serial/by-id/ name so that it is found again in any USB socket.</source>
        <translation>Seleccione el puerto serie que se comunica con el Quorvane. Los adaptadores aparecen con su descripción; uno marcado como Nuevo recibe el siguiente número COM libre, ligado a su nombre en /dev/serial/by-id/, para que se encuentre de nuevo en cualquier conector USB.</translation>
    </message>
    <message>
        <source>NOTE: opening a serial port needs membership in the dialout group (log in again after joining it). Sharing the port with another program is not available here: the meter needs a port of its own.</source>
        <translation>NOTA: para abrir un puerto serie hay que pertenecer al grupo dialout (vuelva a iniciar sesión tras unirse a él). Aquí no se puede compartir el puerto con otro programa: el medidor necesita un puerto propio.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>No se pudo abrir %1</translation>
    </message>
    <message>
        <source>Com Port Selection</source>
        <translation>Selección del puerto COM</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1: not present.</source>
        <translation>%1: no está presente.</translation>
    </message>
    <message>
        <source>%1: not present (no device at%2).</source>
        <translation>%1: no está presente (ningún dispositivo en%2).</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1: en uso por otro programa.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, add your user to the %3 group: sudo usermod -aG %3 $USER, then log in again.</source>
        <translation>%1: sin permiso para%2, añada su usuario al grupo %3: sudo usermod -aG %3 $USER y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1: no permission for%2, ask the administrator for read and write access to it.</source>
        <translation>%1: sin permiso para%2, pida al administrador acceso de lectura y escritura.</translation>
    </message>
    <message>
        <source>%1: %2 (error %3).</source>
        <translation>%1: %2 (error %3).</translation>
    </message>
</context>
<context>
    <name>PowerLimitDialog</name>
    <message>
        <source>The power you specified exceeds the range of the ADC.;The maximum power consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 watts, will be used instead.</source>
        <translation>La potencia indicada supera el rango del ADC.;En su lugar se usará la potencia máxima compatible con el puente QRP/QRO indicado y el rango del ADC:;%1 vatios.</translation>
    </message>
    <message>
        <source>Power specified exceeds range</source>
        <translation>La potencia indicada excede el rango</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Límite de potencia</translation>
    </message>
    <message>
        <source>This setting lets you give the maximum power you want to transmit.

By default, Quorvane sets the sound card level for the highest power you can get without splatter. With the power limit enabled, Quorvane will not let your transmitter&apos;s power exceed the value you give below: whenever the peak signal goes above it, the sound card level is reduced, whatever the measured IMD.

Set the QRP/QRO buttons to match the jumper block on the meter&apos;s printed circuit board, so that Quorvane reads the peak voltage at the ADC input correctly.</source>
        <translation>Este ajuste le permite indicar la potencia máxima que desea transmitir.

Por defecto, Quorvane ajusta el nivel de la tarjeta de sonido para obtener la máxima potencia sin splatter. Con el límite de potencia activado, Quorvane no deja que la potencia de su transmisor supere el valor que indique abajo: cuando el pico de la señal lo supera, se reduce el nivel de la tarjeta de sonido, sea cual sea la IMD medida.

Ponga los botones QRP/QRO según los puentes de la placa de circuito impreso del medidor, para que Quorvane lea bien la tensión de pico en la entrada del ADC.</translation>
    </message>
    <message>
        <source>Enable Power Limit</source>
        <translation>Activar límite de potencia</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>¿Cómo están sus puentes QRP/QRO?</translation>
    </message>
    <message>
        <source>Power Limit (watts):</source>
        <translation>Límite de potencia (vatios):</translation>
    </message>
    <message>
        <source>Don&apos;t forget to set the power level on 
your transmitter to be at least what you 
specify here.</source>
        <translation>No olvide ajustar la potencia de su 
transmisor como mínimo al valor que 
indica aquí.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Could not write the settings file %1.</source>
        <translation>No se pudo escribir el archivo de configuración %1.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>RefreshRateDialog</name>
    <message>
        <source>Every 0.5 seconds</source>
        <translation>Cada medio segundo</translation>
    </message>
    <message>
        <source>Every second</source>
        <translation>Cada segundo</translation>
    </message>
    <message>
        <source>Every 2 seconds</source>
        <translation>Cada 2 segundos</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>Tasa de refresco</translation>
    </message>
    <message>
        <source>Quorvane monitors your transmitter&apos;s RF output at periodic intervals. You can select a sample rate of 2 times per second, once per second, or once every 2 seconds.</source>
        <translation>Quorvane supervisa la salida de RF de su transmisor a intervalos regulares. Puede elegir muestrear 2 veces por segundo, una vez por segundo o una vez cada 2 segundos.</translation>
    </message>
    <message>
        <source>Refresh rate</source>
        <translation>Tasa de refresco</translation>
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
        <translation>POT %1%</translation>
    </message>
    <message>
        <source>RIG ALC</source>
        <translation>ALC EQUIPO</translation>
    </message>
</context>
<context>
    <name>ShowPowerDialog</name>
    <message>
        <source>Show Power</source>
        <translation>Mostrar potencia</translation>
    </message>
    <message>
        <source>Quorvane can compute the average RF power output of your PSK signal and show the estimate on the status line when you ask for it here. For an accurate report, tell Quorvane how the meter&apos;s QRP/QRO jumper block is set.</source>
        <translation>Quorvane puede calcular la potencia media de RF de su señal PSK y mostrar la estimación en la línea de estado si lo pide aquí. Para un resultado preciso, indique a Quorvane cómo están los puentes QRP/QRO del medidor.</translation>
    </message>
    <message>
        <source>Enable the display of my estimated average PSK RF power</source>
        <translation>Mostrar mi potencia media de RF estimada en PSK</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>¿Cómo están sus puentes QRP/QRO?</translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Specified device identifier is out of range.</source>
        <translation>El identificador de dispositivo indicado está fuera de rango.</translation>
    </message>
    <message>
        <source>Specified resource is already allocated.</source>
        <translation>El recurso indicado ya está asignado.</translation>
    </message>
    <message>
        <source>The device handle is invalid.</source>
        <translation>El manejador del dispositivo no es válido.</translation>
    </message>
    <message>
        <source>No device driver is present.</source>
        <translation>No hay ningún controlador de dispositivo.</translation>
    </message>
    <message>
        <source>Unable to allocate or lock memory.</source>
        <translation>No se puede asignar o bloquear la memoria.</translation>
    </message>
    <message>
        <source>Function isn&apos;t supported.</source>
        <translation>Función no admitida.</translation>
    </message>
    <message>
        <source>Attempted to open with an unsupported waveform-audio format.</source>
        <translation>Se intentó abrir con un formato de audio waveform no admitido.</translation>
    </message>
    <message>
        <source>Sound Card error</source>
        <translation>Error de la tarjeta de sonido</translation>
    </message>
    <message>
        <source>A problem was encountered with the sound card:;;%1</source>
        <translation>Hubo un problema con la tarjeta de sonido:;;%1</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Tarjeta de sonido</translation>
    </message>
    <message>
        <source>The sound output chosen for the level control is not connected:;;%1;;Until it is back at a later start, the level control moves no other output. &quot;Set Sound Card&quot; chooses another.</source>
        <translation>La salida de sonido elegida para el control de nivel no está conectada:;;%1;;Hasta que vuelva en un inicio posterior, el control de nivel no mueve ninguna otra salida. Con &quot;Elegir tarjeta de sonido&quot; se elige otra.</translation>
    </message>
</context>
<context>
    <name>SoundCardDialog</name>
    <message>
        <source>Your computer has only one sound card:;;%1;;which is the device quorvane is using to control audio to your rig.</source>
        <translation>Su ordenador solo tiene una tarjeta de sonido:;;%1;;que es el dispositivo que quorvane usa para controlar el audio hacia su equipo.</translation>
    </message>
    <message>
        <source>Only one sound card</source>
        <translation>Solo una tarjeta de sonido</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>Tarjeta de sonido</translation>
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
        <translation>La mayoría de los ordenadores tienen una 
tarjeta de sonido, que quorvane detecta 
y usa para controlar el nivel de audio.

Sin embargo, si su ordenador tiene más 
de una tarjeta de sonido, puede elegir 
qué tarjeta de sonido se usa para 
enviar el audio a su equipo.

Elija la tarjeta de sonido que envía 
la señal de audio a su equipo:</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Tarjeta de sonido</translation>
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
        <translation>IMD:%1db</translation>
    </message>
    <message>
        <source>PEAK: %1V</source>
        <translation>PICO: %1V</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1W</translation>
    </message>
    <message>
        <source>LEVEL:%1%</source>
        <translation>NIVEL:%1%</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>Signal status</source>
        <translation>Estado de la señal</translation>
    </message>
    <message>
        <source>Automatic level control</source>
        <translation>Control automático de nivel</translation>
    </message>
    <message>
        <source>PSK mode and rig frequency</source>
        <translation>Modo PSK y frecuencia del equipo</translation>
    </message>
    <message>
        <source>RMS deviation from the ideal arch</source>
        <translation>Desviación RMS respecto al arco ideal</translation>
    </message>
    <message>
        <source>Intermodulation distortion</source>
        <translation>Distorsión de intermodulación</translation>
    </message>
    <message>
        <source>Sound card level</source>
        <translation>Nivel de la tarjeta de sonido</translation>
    </message>
    <message>
        <source>Peak voltage</source>
        <translation>Tensión de pico</translation>
    </message>
    <message>
        <source>Estimated average power</source>
        <translation>Potencia media estimada</translation>
    </message>
    <message>
        <source>Rig meters</source>
        <translation>Medidores del equipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>NO PSK</translation>
    </message>
    <message>
        <source>FLDIGI?</source>
        <translation>¿FLDIGI?</translation>
    </message>
    <message>
        <source>NOT RESPONDING</source>
        <translation>NO RESPONDE</translation>
    </message>
    <message>
        <source>PWR+</source>
        <translation>POT+</translation>
    </message>
    <message>
        <source>WEAK</source>
        <translation>DÉBIL</translation>
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
        <translation>QUORVANE NO RESPONDE</translation>
    </message>
    <message>
        <source>NO SIGNAL</source>
        <translation>SIN SEÑAL</translation>
    </message>
    <message>
        <source>NOISE</source>
        <translation>RUIDO</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATOS</translation>
    </message>
    <message>
        <source>OVER POWER</source>
        <translation>SOBREPOTENCIA</translation>
    </message>
    <message>
        <source>SIGNAL OK</source>
        <translation>SEÑAL OK</translation>
    </message>
    <message>
        <source>UNDERDRIVING</source>
        <translation>EXCITACIÓN BAJA</translation>
    </message>
    <message>
        <source>SPLATTER!</source>
        <translation>¡SPLATTER!</translation>
    </message>
    <message>
        <source>UNDECIDED</source>
        <translation>INDECISO</translation>
    </message>
    <message>
        <source>TEXT MODE</source>
        <translation>MODO TEXTO</translation>
    </message>
    <message>
        <source>QUORVANE firmware not detected</source>
        <translation>Firmware de QUORVANE no detectado</translation>
    </message>
    <message>
        <source>Simulated Mode</source>
        <translation>Modo simulado</translation>
    </message>
    <message>
        <source>METER DISCONNECTED</source>
        <translation>MEDIDOR DESCONECTADO</translation>
    </message>
    <message>
        <source>RIG?</source>
        <translation>¿EQUIPO?</translation>
    </message>
    <message>
        <source>HIGH SWR</source>
        <translation>SWR ALTA</translation>
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
        <translation>sin señal de dos tonos</translation>
    </message>
    <message>
        <source>Levels measured</source>
        <translation>Niveles medidos</translation>
    </message>
    <message>
        <source>No levels measured yet</source>
        <translation>Aún no hay niveles medidos</translation>
    </message>
    <message>
        <source>1 level measured</source>
        <translation>1 nivel medido</translation>
    </message>
    <message>
        <source>%1 levels measured, %2 % to %3 %</source>
        <translation>%1 niveles medidos, de %2 % a %3 %</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>now at %1 %</source>
        <translation>ahora en %1 %</translation>
    </message>
    <message>
        <source>best level %1</source>
        <translation>mejor nivel %1</translation>
    </message>
    <message>
        <source>best level %1 %</source>
        <translation>mejor nivel %1 %</translation>
    </message>
    <message>
        <source>target IMD %1 dB</source>
        <translation>IMD objetivo %1 dB</translation>
    </message>
    <message>
        <source>IMD dB</source>
        <translation>IMD dB</translation>
    </message>
    <message>
        <source>sound output volume %</source>
        <translation>volumen de la salida de sonido %</translation>
    </message>
    <message>
        <source>peak power W</source>
        <translation>potencia de pico W</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>best %1 %</source>
        <translation>mejor %1 %</translation>
    </message>
</context>
<context>
    <name>TargetImdDialog</name>
    <message>
        <source>Setting the Target IMD Value</source>
        <translation>Ajuste del valor de IMD objetivo</translation>
    </message>
    <message>
        <source>Quorvane computes the IMD of your signal with each sample and uses it to reset the audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.

Some targets may be impossible to meet, for instance -30db. Quorvane then keeps reducing the audio level slowly, and your RF power may end up much lower than you want. Experiment to find the target that suits your transmitter.</source>
        <translation>Quorvane calcula la IMD de su señal en cada muestra y la usa para reajustar el nivel de audio de su tarjeta de sonido. Por defecto, Quorvane mantiene la IMD mejor que -22db.

Algunos objetivos pueden ser imposibles de alcanzar, por ejemplo -30db. Entonces Quorvane sigue bajando el nivel de audio lentamente, y su potencia de RF puede acabar mucho más baja de lo que desea. Experimente hasta dar con el objetivo adecuado para su transmisor.</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>IMD objetivo</translation>
    </message>
</context>
<context>
    <name>TestSoundCardDialog</name>
    <message>
        <source>Testing Sound Card</source>
        <translation>Prueba de la tarjeta de sonido</translation>
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
        <translation>Use el deslizador de abajo para comprobar si 
Quorvane controla el volumen de su tarjeta de sonido. 

En otra ventana, abra el mezclador de 
Windows. Al mover el deslizador de abajo, 
debería ver que los deslizadores de la ventana 
del mezclador se mueven en consecuencia. 

Esto confirma que Quorvane puede ajustar el 
audio maestro y WAV.</translation>
    </message>
    <message>
        <source>Master:</source>
        <translation>Maestro:</translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation>Onda:</translation>
    </message>
</context>
<context>
    <name>TextCycle</name>
    <message>
        <source>No data received.</source>
        <translation>No se recibieron datos.</translation>
    </message>
    <message>
        <source>Received bytes: %1</source>
        <translation>Bytes recibidos: %1</translation>
    </message>
    <message>
        <source>Minimum value: %1%2</source>
        <translation>Valor mínimo: %1%2</translation>
    </message>
    <message>
        <source>Maximum value: %1%2</source>
        <translation>Valor máximo: %1%2</translation>
    </message>
    <message>
        <source>RMS Value:     %1 %2</source>
        <translation>Valor RMS:     %1 %2</translation>
    </message>
</context>
</TS>
