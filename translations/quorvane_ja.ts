<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information, software updates and ordering </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating System: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown OS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BestLevelWindow</name>
    <message>
        <source>Find Best Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let your modem program send a steady PSK idle into the chosen sound output,
then press Start. Quorvane steps the output&apos;s volume and measures each step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the old level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>%1 RF Monitoring on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GainDialog</name>
    <message>
        <source>Feedback gain</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>IMD dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak power W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes before the last cycle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelSweep</name>
    <message>
        <source>No level met the target IMD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best level %1 %: %2 W at %3 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear from %1 % to %2 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSK63</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow fldigi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the rig (rigctld)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Level Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Best Level...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Sound Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Sound Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color Code Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane &amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available on this Wayland desktop: only the desktop can keep a window on top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through XWayland and stays on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the log file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open serial ports %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVANE tray icon color codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;Red   = Overmodulated signal (splatter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the history file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the signal went away. The old level is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled. The old level is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no sound output to sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Text Mode off to sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An exception was raised attempting to read from the com port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KESTRAL.SYS lies beside the program, but 64-bit Windows cannot load this 32-bit driver. The port is opened directly, not shared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoiseThresholdDialog</name>
    <message>
        <source>Noise Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your antenna is close to strong RF interference, the meter may pick up more than a few millivolts even when you are not transmitting, and Quorvane cannot tell that from a true PSK signal (on Field Day, for example).

This setting is the &quot;noise floor&quot; in millivolts: signals below it are not processed, and the status line shows &quot;NOISE&quot; instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise floor (in mV):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select your computer&apos;s COM port that is used to communicate with the Quorvane. This port can be the same port as what your PSK31 software, such as Digipan, uses to connect to the radio (but you will have to make up a special serial cable). However, this port cannot be shared with another program unrelated to PSK31 accessing the same port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: You can get around a com port conflict with another application by using a serial-to-USB adapter and driver available at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your computer&apos;s COM port that you wish to use to communicate with the Quorvane. This port cannot be shared with another program that accesses the same port. For example, if you are using Digipan to control your transmitter on COM Port 1, you cannot use COM Port1 to also connect to Quorvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: you can get around this requirement in one of two ways: 1) By running under Windows NT or Windows 2000, QUORVANE can share the same comport as your PSK31 software, or 2) by using the serial-to-USB adapter and driver available at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the serial port that talks to the Quorvane. Adapters are listed with what they are; one shown as New gets the next free COM number, tied to its /dev/serial/by-id/ name so that it is found again in any USB socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: opening a serial port needs membership in the dialout group (log in again after joining it). Sharing the port with another program is not available here: the meter needs a port of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1: not present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not present (no device at%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no permission for%2, add your user to the %3 group: sudo usermod -aG %3 $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no permission for%2, ask the administrator for read and write access to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (error %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerLimitDialog</name>
    <message>
        <source>The power you specified exceeds the range of the ADC.;The maximum power consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 watts, will be used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power specified exceeds range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This setting lets you give the maximum power you want to transmit.

By default, Quorvane sets the sound card level for the highest power you can get without splatter. With the power limit enabled, Quorvane will not let your transmitter&apos;s power exceed the value you give below: whenever the peak signal goes above it, the sound card level is reduced, whatever the measured IMD.

Set the QRP/QRO buttons to match the jumper block on the meter&apos;s printed circuit board, so that Quorvane reads the peak voltage at the ADC input correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Power Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Limit (watts):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t forget to set the power level on 
your transmitter to be at least what you 
specify here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Could not write the settings file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefreshRateDialog</name>
    <message>
        <source>Every 0.5 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane monitors your transmitter&apos;s RF output at periodic intervals. You can select a sample rate of 2 times per second, once per second, or once every 2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigMeters</name>
    <message>
        <source>ALC %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWR %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIG ALC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowPowerDialog</name>
    <message>
        <source>Show Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane can compute the average RF power output of your PSK signal and show the estimate on the status line when you ask for it here. For an accurate report, tell Quorvane how the meter&apos;s QRP/QRO jumper block is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable the display of my estimated average PSK RF power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Specified device identifier is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified resource is already allocated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device handle is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device driver is present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to allocate or lock memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function isn&apos;t supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempted to open with an unsupported waveform-audio format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Card error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A problem was encountered with the sound card:;;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output chosen for the level control is not connected:;;%1;;Until it is back at a later start, the level control moves no other output. &quot;Set Sound Card&quot; chooses another.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundCardDialog</name>
    <message>
        <source>Your computer has only one sound card:;;%1;;which is the device quorvane is using to control audio to your rig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one sound card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>RMS:%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMD:%1db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEAK: %1V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEVEL:%1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT PSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLDIGI?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT RESPONDING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWR+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPLATTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVANE NOT RESPONDING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOISE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVER POWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGNAL OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNDERDRIVING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPLATTER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNDECIDED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUORVANE firmware not detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METER DISCONNECTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIG?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH SWR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>%1 W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %: %2, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMD %1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no two-tone signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No levels measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 level measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 levels measured, %2 % to %3 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now at %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best level %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target IMD %1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMD dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound output volume %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peak power W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best %1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TargetImdDialog</name>
    <message>
        <source>Setting the Target IMD Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane computes the IMD of your signal with each sample and uses it to reset the audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.

Some targets may be impossible to meet, for instance -30db. Quorvane then keeps reducing the audio level slowly, and your RF power may end up much lower than you want. Experiment to find the target that suits your transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestSoundCardDialog</name>
    <message>
        <source>Testing Sound Card</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextCycle</name>
    <message>
        <source>No data received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received bytes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum value: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum value: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RMS Value:     %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
