<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvane</source>
        <translation>Quorvane について</translation>
    </message>
    <message>
        <source>For more information, software updates and ordering </source>
        <translation>詳細情報・ソフトウェア更新・ご注文は </translation>
    </message>
    <message>
        <source>Quorvane Version %1</source>
        <translation>Quorvane バージョン %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>ファームウェア: %1</translation>
    </message>
    <message>
        <source>Operating System: %1</source>
        <translation>OS: %1</translation>
    </message>
    <message>
        <source>go to %1</source>
        <translation>%1 へ</translation>
    </message>
    <message>
        <source>Unknown OS</source>
        <translation>不明な OS</translation>
    </message>
</context>
<context>
    <name>BestLevelWindow</name>
    <message>
        <source>Find Best Level</source>
        <translation>最適レベルの検索</translation>
    </message>
    <message>
        <source>Let your modem program send a steady PSK idle into the chosen sound output,
then press Start. Quorvane steps the output&apos;s volume and measures each step.</source>
        <translation>モデムソフトから選択したサウンド出力へ PSK のアイドル信号を連続して送り、
[開始] を押してください。Quorvane は出力の音量を段階的に変え、各段階を測定します。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Use this level</source>
        <translation>このレベルを使う</translation>
    </message>
    <message>
        <source>Keep the old level</source>
        <translation>元のレベルのまま</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>%1 RF Monitoring on %2</source>
        <translation>%1 RF モニター (%2)</translation>
    </message>
</context>
<context>
    <name>EnvelopeChart</name>
    <message>
        <source>Envelope chart</source>
        <translation>エンベロープのグラフ</translation>
    </message>
    <message>
        <source>No frame yet</source>
        <translation>フレーム未受信</translation>
    </message>
</context>
<context>
    <name>GainDialog</name>
    <message>
        <source>Feedback gain</source>
        <translation>フィードバックゲイン</translation>
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
        <translation>自動レベル制御をオンにすると、Quorvane は
サウンドカードの音声レベルを調整し、
送信機がドライブ不足にも過変調にも
ならないようにします。

各調整の大きさは、RF 信号が理想的な
信号からどれだけ離れているかと、
ゲインによって決まります。ゲインとは、
RF が理想的な信号からずれている割合 (%) に
対する、音声レベルの変化の割合 (%) の
比です。

ゲインが高すぎると、音声レベルが大きく
上下に振れます。その場合は、調整が
「少しずつ」になるまで
ゲインを下げてください。</translation>
    </message>
    <message>
        <source>Gain: </source>
        <translation>ゲイン: </translation>
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
        <translation>ピーク出力 W</translation>
    </message>
    <message>
        <source>minutes before the last cycle</source>
        <translation>最終サイクルより前 (分)</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>10 min</source>
        <translation>10 分</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>セッション</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSV で保存...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Time span</source>
        <translation>表示期間</translation>
    </message>
    <message>
        <source>IMD and peak power over time</source>
        <translation>IMD とピーク出力の推移</translation>
    </message>
</context>
<context>
    <name>LevelSweep</name>
    <message>
        <source>No level met the target IMD</source>
        <translation>目標 IMD を満たすレベルはありません</translation>
    </message>
    <message>
        <source>Best level %1 %: %2 W at %3 dB</source>
        <translation>最適レベル %1 %: %2 W、%3 dB</translation>
    </message>
    <message>
        <source>Linear from %1 % to %2 %</source>
        <translation>%1 % から %2 % までリニア</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Com Port</source>
        <translation>COM ポート</translation>
    </message>
    <message>
        <source>PSK63</source>
        <translation>PSK63</translation>
    </message>
    <message>
        <source>Follow fldigi</source>
        <translation>fldigi に追従</translation>
    </message>
    <message>
        <source>Follow the rig (rigctld)</source>
        <translation>リグに追従 (rigctld)</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>更新間隔</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation>テキストモード</translation>
    </message>
    <message>
        <source>Automatic Level Control</source>
        <translation>自動レベル制御</translation>
    </message>
    <message>
        <source>Feedback gain</source>
        <translation>フィードバックゲイン</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>目標 IMD</translation>
    </message>
    <message>
        <source>Noise Threshold</source>
        <translation>ノイズしきい値</translation>
    </message>
    <message>
        <source>Find Best Level...</source>
        <translation>最適レベルの検索...</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>出力制限</translation>
    </message>
    <message>
        <source>Show Power</source>
        <translation>出力の表示</translation>
    </message>
    <message>
        <source>Set Sound Card</source>
        <translation>サウンドカードの設定</translation>
    </message>
    <message>
        <source>Test Sound Card</source>
        <translation>サウンドカードのテスト</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>履歴...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Color Code Help</source>
        <translation>カラーコードの説明(&amp;C)</translation>
    </message>
    <message>
        <source>Quorvane &amp;Exit</source>
        <translation>Quorvane 終了(&amp;E)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Not available on this Wayland desktop: only the desktop can keep a window on top. With Platform=xcb under [MISC] in quorvane.ini, Quorvane runs through XWayland and stays on top.</source>
        <translation>この Wayland デスクトップでは使えません: ウィンドウを常に手前に保てるのはデスクトップだけです。quorvane.ini の [MISC] に Platform=xcb を書くと、Quorvane は XWayland 経由で動き、常に手前に表示されます。</translation>
    </message>
    <message>
        <source>Could not create the log file %1.</source>
        <translation>ログファイル %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>Could not open serial ports %1.</source>
        <translation>シリアルポート %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>QUORVANE tray icon color codes</source>
        <translation>QUORVANE トレイアイコンの色の意味</translation>
    </message>
    <message>
        <source>White = No signal;Black = Underdriven (weak) signal;Blue  = Clean signal;Red   = Overmodulated signal (splatter)</source>
        <translation>白 = 信号なし;黒 = ドライブ不足 (弱い信号);青 = きれいな信号;赤 = 過変調 (スプラッタ)</translation>
    </message>
    <message>
        <source>Could not open the history file %1.</source>
        <translation>履歴ファイル %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>Stopped: the signal went away. The old level is back.</source>
        <translation>停止: 信号が途切れました。元のレベルに戻しました。</translation>
    </message>
    <message>
        <source>Cancelled. The old level is back.</source>
        <translation>キャンセルしました。元のレベルに戻しました。</translation>
    </message>
    <message>
        <source>Last time: %1</source>
        <translation>前回: %1</translation>
    </message>
    <message>
        <source>There is no sound output to sweep.</source>
        <translation>スイープするサウンド出力がありません。</translation>
    </message>
    <message>
        <source>Turn Text Mode off to sweep.</source>
        <translation>スイープするにはテキストモードをオフにしてください。</translation>
    </message>
    <message>
        <source>The meter is not connected.</source>
        <translation>メーターが接続されていません。</translation>
    </message>
    <message>
        <source>MQTT...</source>
        <translation>MQTT...</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>通知音</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>An exception was raised attempting to read from the com port.</source>
        <translation>COM ポートからの読み取り中に例外が発生しました。</translation>
    </message>
    <message>
        <source>KESTRAL.SYS lies beside the program, but 64-bit Windows cannot load this 32-bit driver. The port is opened directly, not shared.</source>
        <translation>プログラムと同じ場所に KESTRAL.SYS がありますが、64 ビット Windows ではこの 32 ビットドライバーを読み込めません。ポートは共有せずに直接開きます。</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
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
        <translation>測定値を MQTT で公開する(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Broker:</source>
        <translation>ブローカー(&amp;B):</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>ポート(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Topic:</source>
        <translation>トピック(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>パスワード(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Interval (ms):</source>
        <translation>間隔 (ms)(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Home Assistant discovery</source>
        <translation>Home Assistant の自動検出(&amp;H)</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>接続: %1</translation>
    </message>
</context>
<context>
    <name>MqttLink</name>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>connecting to %1</source>
        <translation>%1 に接続中</translation>
    </message>
    <message>
        <source>no answer from the broker</source>
        <translation>ブローカーから応答なし</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>%1 に接続済み</translation>
    </message>
    <message>
        <source>%1; retrying in %2 s</source>
        <translation>%1; %2 s 後に再試行</translation>
    </message>
</context>
<context>
    <name>NoiseThresholdDialog</name>
    <message>
        <source>Noise Threshold</source>
        <translation>ノイズしきい値</translation>
    </message>
    <message>
        <source>If your antenna is close to strong RF interference, the meter may pick up more than a few millivolts even when you are not transmitting, and Quorvane cannot tell that from a true PSK signal (on Field Day, for example).

This setting is the &quot;noise floor&quot; in millivolts: signals below it are not processed, and the status line shows &quot;NOISE&quot; instead.</source>
        <translation>アンテナの近くに強い RF 妨害源があると (フィールドデーなど)、送信していないときでもメーターが数ミリボルト以上を拾うことがあり、Quorvane はそれを本物の PSK 信号と区別できません。

この設定はミリボルト単位の「ノイズフロア」です: これより低い信号は処理せず、ステータス行には代わりに「ノイズ」と表示します。</translation>
    </message>
    <message>
        <source>Noise floor (in mV):</source>
        <translation>ノイズフロア (mV):</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Select your computer&apos;s COM port that is used to communicate with the Quorvane. This port can be the same port as what your PSK31 software, such as Digipan, uses to connect to the radio (but you will have to make up a special serial cable). However, this port cannot be shared with another program unrelated to PSK31 accessing the same port.</source>
        <translation>Quorvane との通信に使うコンピューターの COM ポートを選択してください。このポートは、Digipan などの PSK31 ソフトがリグとの接続に使うポートと同じでもかまいません (ただし専用のシリアルケーブルを自作する必要があります)。ただし、PSK31 と関係のない別のプログラムが同じポートを使う場合は共有できません。</translation>
    </message>
    <message>
        <source>NOTE: You can get around a com port conflict with another application by using a serial-to-USB adapter and driver available at %1.</source>
        <translation>注: 他のアプリケーションとの COM ポートの競合は、%1 で入手できるシリアル-USB 変換アダプターとドライバーで回避できます。</translation>
    </message>
    <message>
        <source>Select your computer&apos;s COM port that you wish to use to communicate with the Quorvane. This port cannot be shared with another program that accesses the same port. For example, if you are using Digipan to control your transmitter on COM Port 1, you cannot use COM Port1 to also connect to Quorvane.</source>
        <translation>Quorvane との通信に使うコンピューターの COM ポートを選択してください。このポートは、同じポートを使う他のプログラムとは共有できません。たとえば Digipan で COM ポート 1 から送信機を制御している場合、Quorvane の接続にも COM1 を使うことはできません。</translation>
    </message>
    <message>
        <source>NOTE: you can get around this requirement in one of two ways: 1) By running under Windows NT or Windows 2000, QUORVANE can share the same comport as your PSK31 software, or 2) by using the serial-to-USB adapter and driver available at %1.</source>
        <translation>注: この制限は次のどちらかの方法で回避できます: 1) Windows NT または Windows 2000 上では、QUORVANE は PSK31 ソフトと同じ COM ポートを共有できます。2) %1 で入手できるシリアル-USB 変換アダプターとドライバーを使います。</translation>
    </message>
    <message>
        <source>Select the serial port that talks to the Quorvane. Adapters are listed with what they are; one shown as New gets the next free COM number, tied to its /dev/serial/by-id/ name so that it is found again in any USB socket.</source>
        <translation>Quorvane と通信するシリアルポートを選択してください。アダプターはその種類とともに表示されます。「新規」と表示されたものには次の空き COM 番号が割り当てられ、/dev/serial/by-id/ の名前と結び付けられるので、どの USB ソケットに挿しても再び見つかります。</translation>
    </message>
    <message>
        <source>NOTE: opening a serial port needs membership in the dialout group (log in again after joining it). Sharing the port with another program is not available here: the meter needs a port of its own.</source>
        <translation>注: シリアルポートを開くには dialout グループに属している必要があります (追加後にログインし直してください)。ここでは他のプログラムとのポート共有はできません: メーターには専用のポートが必要です。</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>%1 を開けませんでした</translation>
    </message>
    <message>
        <source>Com Port Selection</source>
        <translation>COM ポートの選択</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>シリアルポート</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>%1: not present.</source>
        <translation>%1: 存在しません。</translation>
    </message>
    <message>
        <source>%1: not present (no device at%2).</source>
        <translation>%1: 存在しません (デバイスなし:%2)。</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1: 他のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>%1: no permission for%2, add your user to the %3 group: sudo usermod -aG %3 $USER, then log in again.</source>
        <translation>%1:%2 へのアクセス権がありません。ユーザーを %3 グループに追加し (sudo usermod -aG %3 $USER)、ログインし直してください。</translation>
    </message>
    <message>
        <source>%1: no permission for%2, ask the administrator for read and write access to it.</source>
        <translation>%1:%2 へのアクセス権がありません。管理者に読み書きの権限を依頼してください。</translation>
    </message>
    <message>
        <source>%1: %2 (error %3).</source>
        <translation>%1: %2 (エラー %3)。</translation>
    </message>
</context>
<context>
    <name>PowerLimitDialog</name>
    <message>
        <source>The power you specified exceeds the range of the ADC.;The maximum power consistent with the QRP/QRO jumper setting you specified and ADC range,;%1 watts, will be used instead.</source>
        <translation>指定した出力が ADC の範囲を超えています。;代わりに、指定した QRP/QRO ジャンパー設定と ADC の範囲で可能な最大出力;%1 W を使います。</translation>
    </message>
    <message>
        <source>Power specified exceeds range</source>
        <translation>指定した出力が範囲外です</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>出力制限</translation>
    </message>
    <message>
        <source>This setting lets you give the maximum power you want to transmit.

By default, Quorvane sets the sound card level for the highest power you can get without splatter. With the power limit enabled, Quorvane will not let your transmitter&apos;s power exceed the value you give below: whenever the peak signal goes above it, the sound card level is reduced, whatever the measured IMD.

Set the QRP/QRO buttons to match the jumper block on the meter&apos;s printed circuit board, so that Quorvane reads the peak voltage at the ADC input correctly.</source>
        <translation>この設定では、送信する最大出力を指定できます。

既定では、Quorvane はスプラッタを出さずに得られる最大の出力になるようにサウンドカードのレベルを設定します。出力制限を有効にすると、Quorvane は送信機の出力が下で指定した値を超えないようにします: ピーク信号がこれを超えるたびに、測定した IMD にかかわらずサウンドカードのレベルを下げます。

QRP/QRO ボタンはメーターのプリント基板上のジャンパーブロックに合わせてください。そうすると Quorvane は ADC 入力のピーク電圧を正しく読み取れます。</translation>
    </message>
    <message>
        <source>Enable Power Limit</source>
        <translation>出力制限を有効にする</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>QRP/QRO ジャンパーの設定は?</translation>
    </message>
    <message>
        <source>Power Limit (watts):</source>
        <translation>出力制限 (W):</translation>
    </message>
    <message>
        <source>Don&apos;t forget to set the power level on 
your transmitter to be at least what you 
specify here.</source>
        <translation>送信機の出力設定を、ここで指定する
値以上にしておくことを忘れないで
ください。</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Could not write the settings file %1.</source>
        <translation>設定ファイル %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>RefreshRateDialog</name>
    <message>
        <source>Every 0.5 seconds</source>
        <translation>0.5 秒ごと</translation>
    </message>
    <message>
        <source>Every second</source>
        <translation>1 秒ごと</translation>
    </message>
    <message>
        <source>Every 2 seconds</source>
        <translation>2 秒ごと</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>更新間隔</translation>
    </message>
    <message>
        <source>Quorvane monitors your transmitter&apos;s RF output at periodic intervals. You can select a sample rate of 2 times per second, once per second, or once every 2 seconds.</source>
        <translation>Quorvane は送信機の RF 出力を一定の間隔で監視します。サンプリングは毎秒 2 回、毎秒 1 回、2 秒に 1 回から選べます。</translation>
    </message>
    <message>
        <source>Refresh rate</source>
        <translation>更新間隔</translation>
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
        <translation>リグ ALC</translation>
    </message>
</context>
<context>
    <name>ShowPowerDialog</name>
    <message>
        <source>Show Power</source>
        <translation>出力の表示</translation>
    </message>
    <message>
        <source>Quorvane can compute the average RF power output of your PSK signal and show the estimate on the status line when you ask for it here. For an accurate report, tell Quorvane how the meter&apos;s QRP/QRO jumper block is set.</source>
        <translation>Quorvane は PSK 信号の平均 RF 出力を計算し、ここで指定すると推定値をステータス行に表示します。正確な値を得るには、メーターの QRP/QRO ジャンパーの設定を Quorvane に指定してください。</translation>
    </message>
    <message>
        <source>Enable the display of my estimated average PSK RF power</source>
        <translation>PSK の平均 RF 出力の推定値を表示する</translation>
    </message>
    <message>
        <source>How is your QRP/QRO jumper block set?</source>
        <translation>QRP/QRO ジャンパーの設定は?</translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Specified device identifier is out of range.</source>
        <translation>指定したデバイス ID が範囲外です。</translation>
    </message>
    <message>
        <source>Specified resource is already allocated.</source>
        <translation>指定したリソースはすでに割り当てられています。</translation>
    </message>
    <message>
        <source>The device handle is invalid.</source>
        <translation>デバイスハンドルが無効です。</translation>
    </message>
    <message>
        <source>No device driver is present.</source>
        <translation>デバイスドライバーがありません。</translation>
    </message>
    <message>
        <source>Unable to allocate or lock memory.</source>
        <translation>メモリを確保またはロックできません。</translation>
    </message>
    <message>
        <source>Function isn&apos;t supported.</source>
        <translation>この機能はサポートされていません。</translation>
    </message>
    <message>
        <source>Attempted to open with an unsupported waveform-audio format.</source>
        <translation>サポートされていない waveform オーディオ形式で開こうとしました。</translation>
    </message>
    <message>
        <source>Sound Card error</source>
        <translation>サウンドカードのエラー</translation>
    </message>
    <message>
        <source>A problem was encountered with the sound card:;;%1</source>
        <translation>サウンドカードで問題が発生しました:;;%1</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>サウンドカード</translation>
    </message>
    <message>
        <source>The sound output chosen for the level control is not connected:;;%1;;Until it is back at a later start, the level control moves no other output. &quot;Set Sound Card&quot; chooses another.</source>
        <translation>レベル制御用に選んだサウンド出力が接続されていません:;;%1;;次回以降の起動でこの出力が戻るまで、レベル制御はほかの出力を動かしません。別の出力は「サウンドカードの設定」で選べます。</translation>
    </message>
</context>
<context>
    <name>SoundCardDialog</name>
    <message>
        <source>Your computer has only one sound card:;;%1;;which is the device quorvane is using to control audio to your rig.</source>
        <translation>このコンピューターのサウンドカードは 1 つだけです:;;%1;;quorvane はこのデバイスでリグへの音声を制御しています。</translation>
    </message>
    <message>
        <source>Only one sound card</source>
        <translation>サウンドカードは 1 つだけ</translation>
    </message>
    <message>
        <source>Sound Card</source>
        <translation>サウンドカード</translation>
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
        <translation>ほとんどのコンピューターにはサウンドカードが
1 つあり、quorvane はそれを検出して
音声レベルの制御に使います。

ただし、コンピューターにサウンドカードが
複数ある場合は、リグへの音声に
使うサウンドカードを
選択できます。

リグへ音声信号を送る
サウンドカードを選択してください:</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>サウンドカード</translation>
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
        <translation>ピーク: %1V</translation>
    </message>
    <message>
        <source>%1W</source>
        <translation>%1W</translation>
    </message>
    <message>
        <source>LEVEL:%1%</source>
        <translation>レベル:%1%</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Status line</source>
        <translation>ステータス行</translation>
    </message>
    <message>
        <source>Signal status</source>
        <translation>信号の状態</translation>
    </message>
    <message>
        <source>Automatic level control</source>
        <translation>自動レベル制御</translation>
    </message>
    <message>
        <source>PSK mode and rig frequency</source>
        <translation>PSK モードとリグの周波数</translation>
    </message>
    <message>
        <source>RMS deviation from the ideal arch</source>
        <translation>理想的なアーチからの RMS 偏差</translation>
    </message>
    <message>
        <source>Intermodulation distortion</source>
        <translation>相互変調歪み</translation>
    </message>
    <message>
        <source>Sound card level</source>
        <translation>サウンドカードのレベル</translation>
    </message>
    <message>
        <source>Peak voltage</source>
        <translation>ピーク電圧</translation>
    </message>
    <message>
        <source>Estimated average power</source>
        <translation>推定平均出力</translation>
    </message>
    <message>
        <source>Rig meters</source>
        <translation>リグのメーター</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <source>AUTO</source>
        <translation>オート</translation>
    </message>
    <message>
        <source>NOT PSK</source>
        <translation>PSK 以外</translation>
    </message>
    <message>
        <source>FLDIGI?</source>
        <translation>FLDIGI?</translation>
    </message>
    <message>
        <source>NOT RESPONDING</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>PWR+</source>
        <translation>出力+</translation>
    </message>
    <message>
        <source>WEAK</source>
        <translation>弱い</translation>
    </message>
    <message>
        <source>SPLATTER</source>
        <translation>スプラッタ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>QUORVANE NOT RESPONDING</source>
        <translation>QUORVANE 応答なし</translation>
    </message>
    <message>
        <source>NO SIGNAL</source>
        <translation>信号なし</translation>
    </message>
    <message>
        <source>NOISE</source>
        <translation>ノイズ</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>OVER POWER</source>
        <translation>出力オーバー</translation>
    </message>
    <message>
        <source>SIGNAL OK</source>
        <translation>信号 OK</translation>
    </message>
    <message>
        <source>UNDERDRIVING</source>
        <translation>ドライブ不足</translation>
    </message>
    <message>
        <source>SPLATTER!</source>
        <translation>スプラッタ!</translation>
    </message>
    <message>
        <source>UNDECIDED</source>
        <translation>判定中</translation>
    </message>
    <message>
        <source>TEXT MODE</source>
        <translation>テキストモード</translation>
    </message>
    <message>
        <source>QUORVANE firmware not detected</source>
        <translation>QUORVANE ファームウェア未検出</translation>
    </message>
    <message>
        <source>Simulated Mode</source>
        <translation>シミュレーションモード</translation>
    </message>
    <message>
        <source>METER DISCONNECTED</source>
        <translation>メーター未接続</translation>
    </message>
    <message>
        <source>RIG?</source>
        <translation>リグ?</translation>
    </message>
    <message>
        <source>HIGH SWR</source>
        <translation>SWR 高</translation>
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
        <translation>2 トーン信号なし</translation>
    </message>
    <message>
        <source>Levels measured</source>
        <translation>測定したレベル</translation>
    </message>
    <message>
        <source>No levels measured yet</source>
        <translation>まだ測定したレベルはありません</translation>
    </message>
    <message>
        <source>1 level measured</source>
        <translation>1 レベルを測定</translation>
    </message>
    <message>
        <source>%1 levels measured, %2 % to %3 %</source>
        <translation>%1 レベルを測定 (%2 %～%3 %)</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>最後: %1</translation>
    </message>
    <message>
        <source>now at %1 %</source>
        <translation>現在 %1 %</translation>
    </message>
    <message>
        <source>best level %1</source>
        <translation>最適レベル %1</translation>
    </message>
    <message>
        <source>best level %1 %</source>
        <translation>最適レベル %1 %</translation>
    </message>
    <message>
        <source>target IMD %1 dB</source>
        <translation>目標 IMD %1 dB</translation>
    </message>
    <message>
        <source>IMD dB</source>
        <translation>IMD dB</translation>
    </message>
    <message>
        <source>sound output volume %</source>
        <translation>サウンド出力の音量 %</translation>
    </message>
    <message>
        <source>peak power W</source>
        <translation>ピーク出力 W</translation>
    </message>
    <message>
        <source>now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>best %1 %</source>
        <translation>最適 %1 %</translation>
    </message>
</context>
<context>
    <name>TargetImdDialog</name>
    <message>
        <source>Setting the Target IMD Value</source>
        <translation>目標 IMD 値の設定</translation>
    </message>
    <message>
        <source>Quorvane computes the IMD of your signal with each sample and uses it to reset the audio level of your sound card. By default, Quorvane keeps the IMD better than -22db.

Some targets may be impossible to meet, for instance -30db. Quorvane then keeps reducing the audio level slowly, and your RF power may end up much lower than you want. Experiment to find the target that suits your transmitter.</source>
        <translation>Quorvane はサンプルごとに信号の IMD を計算し、それを使ってサウンドカードの音声レベルを設定し直します。既定では、Quorvane は IMD を -22db より良く保ちます。

-30db など、達成できない目標もあります。その場合 Quorvane は音声レベルをゆっくり下げ続け、RF 出力が望むよりずっと低くなることがあります。いろいろ試して、送信機に合った目標を見つけてください。</translation>
    </message>
    <message>
        <source>Target IMD</source>
        <translation>目標 IMD</translation>
    </message>
</context>
<context>
    <name>TestSoundCardDialog</name>
    <message>
        <source>Testing Sound Card</source>
        <translation>サウンドカードのテスト</translation>
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
        <translation>下のスライダーで、Quorvane がサウンドカードの
音量を制御できるかどうかをテストします。

別のウィンドウで Windows のミキサーを
開いてください。下のスライダーを動かすと、
ミキサーウィンドウのスライダーも
それに合わせて動くはずです。

これで Quorvane がマスターと WAV の
音声設定を調整できることを確認できます。</translation>
    </message>
    <message>
        <source>Master:</source>
        <translation>マスター:</translation>
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
        <translation>データを受信していません。</translation>
    </message>
    <message>
        <source>Received bytes: %1</source>
        <translation>受信バイト数: %1</translation>
    </message>
    <message>
        <source>Minimum value: %1%2</source>
        <translation>最小値: %1%2</translation>
    </message>
    <message>
        <source>Maximum value: %1%2</source>
        <translation>最大値: %1%2</translation>
    </message>
    <message>
        <source>RMS Value:     %1 %2</source>
        <translation>RMS 値:     %1 %2</translation>
    </message>
</context>
</TS>
