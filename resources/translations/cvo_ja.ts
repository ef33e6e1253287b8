<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About CVO</source>
        <translation>CVOについて</translation>
    </message>
    <message>
        <source>System Version

CVO Manager  : </source>
        <translation>システムバージョン

CVO Manager :  </translation>
    </message>
</context>
<context>
    <name>AdminWindow</name>
    <message>
        <source>Select Folder</source>
        <translation>フォルダ選択</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The folder is not writable.
Please specify another folder.</source>
        <translation>このフォルダには書き込めません。</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>設定を「%1」に保存できませんでした。</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>設定変更</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>変更を反映するにはアプリケーションの再起動が必要です。
OKをクリックするとアプリケーションを終了します。</translation>
    </message>
    <message>
        <source>Select CA File</source>
        <translation>CA ファイルを選択</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>証明書 (*.pem *.crt);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Choose plot color for channel %1</source>
        <translation>チャンネル%1のプロット色を選択</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>ピーク</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>積分</translation>
    </message>
</context>
<context>
    <name>ChannelSettingsWidget</name>
    <message>
        <source>Monitoring Zone 1</source>
        <translation>監視ゾーン1</translation>
    </message>
    <message>
        <source>Monitoring Zone 2</source>
        <translation>監視ゾーン2</translation>
    </message>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>ピーク到達時間監視</translation>
    </message>
    <message>
        <source>Integral Monitoring</source>
        <translation>積分監視</translation>
    </message>
    <message>
        <source>Integral to Peak Monitoring</source>
        <translation>ピークまでの積分監視</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>エジェクト監視</translation>
    </message>
    <message>
        <source>Point Monitoring</source>
        <translation>ポイント監視</translation>
    </message>
    <message>
        <source>Slope Monitoring</source>
        <translation>傾き監視</translation>
    </message>
</context>
<context>
    <name>ChannelShotData</name>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;無題&gt;</translation>
    </message>
</context>
<context>
    <name>CountSpinBox</name>
    <message>
        <source>The stored value is outside the allowed range and is shown limited. It is kept until you change it.</source>
        <translation>保存されている値は許容範囲外のため、範囲内に制限して表示しています。変更するまで元の値が保持されます。</translation>
    </message>
</context>
<context>
    <name>DataViewerWindow</name>
    <message>
        <source>%1: &lt;Untitled&gt;</source>
        <translation>%1: &lt;無題&gt;</translation>
    </message>
    <message>
        <source>No data file is visible: no average and no limits are shown.</source>
        <translation>表示中のデータファイルがありません。平均と上下限は表示されません。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>When the waveform monitoring please send monitoring waveform data.</source>
        <translation>波形監視を行う場合は監視波形データを送信してください。</translation>
    </message>
    <message>
        <source>Open Wave Data File</source>
        <translation>データファイルを開く</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVOデータファイル(*.csv)</translation>
    </message>
    <message>
        <source>Select Wave Data File</source>
        <translation>波形データファイルを選択</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>オープンエラー</translation>
    </message>
    <message>
        <source>Too many files.
35 or less.</source>
        <translation>ファイルが多すぎます。
35個以下にしてください。</translation>
    </message>
    <message>
        <source>Reading Data File...</source>
        <translation>データファイル読込中...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>ファイルを開けません。
読み取り権限を確認してください。</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>ファイル形式エラー</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Data file.</source>
        <translation>ファイル「%1」はCVOデータファイルではありません。
</translation>
    </message>
    <message>
        <source>Settings Mismatch Error</source>
        <translation>設定不一致エラー</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; has different mold settings.</source>
        <translation>ファイル「%1」は設定が異なります。</translation>
    </message>
    <message>
        <source>Not the length of the first file (the statistics use the first file&apos;s length): %1</source>
        <translation>最初のファイルと長さが異なります（統計には最初のファイルの長さを使用）: %1</translation>
    </message>
    <message>
        <source>Calculating average and standard deviation...</source>
        <translation>データ解析中...</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>ファイルに書き込めません。
フォルダまたはファイルの権限を確認してください。</translation>
    </message>
    <message>
        <source>Save Monitoring Waveform File</source>
        <translation>監視波形ファイルを保存</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to save.</source>
        <translation>保存する監視波形ファイル名を指定してください。</translation>
    </message>
    <message>
        <source>CVO Monitoring Waveform File(*.wavcsv)</source>
        <translation>CVO監視波形ファイル(*.wavcsv)</translation>
    </message>
    <message>
        <source>Monitoring waveform file has been successfully save.</source>
        <translation>監視波形ファイルを保存しました。</translation>
    </message>
    <message>
        <source>Save Average Data File</source>
        <translation>平均をデータファイルとして保存</translation>
    </message>
    <message>
        <source>Specify a average file name to save.</source>
        <translation>保存する平均ファイル名を指定してください。</translation>
    </message>
    <message>
        <source>Open Monitoring Waveform File</source>
        <translation>監視波形ファイルを開く</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to open.</source>
        <translation>開く監視波形ファイル名を指定してください。</translation>
    </message>
    <message>
        <source>Reading Monitoring Waveform File...</source>
        <translation>監視波形ファイル読込中...</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Monitoring Waveform Data file.</source>
        <translation>ファイル「%1」はCVO監視波形データファイルではありません。</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Unable to connect to BU.
Please check the connection.</source>
        <translation>装置に接続できません。
接続を確認してください。</translation>
    </message>
    <message>
        <source>Sending Monitoring Waveform...</source>
        <translation>監視波形送信中...</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>装置と通信できません。
接続を確認してください。</translation>
    </message>
    <message>
        <source>Send Monitoring Waveform</source>
        <translation>監視波形送信</translation>
    </message>
    <message>
        <source>No monitoring waveform covers the range of these channels, so they were not sent:
%1</source>
        <translation>次のチャンネルは範囲をカバーする監視波形がないため、送信しませんでした:
%1</translation>
    </message>
    <message>
        <source>Monitoring waveform data has been successfully sent.</source>
        <translation>監視波形データを送信しました。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV 出力</translation>
    </message>
    <message>
        <source>No data file is shown.</source>
        <translation>表示中のデータファイルがありません。</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWindow</name>
    <message>
        <source>Save Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>設定を「%1」に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>No data folder to record into.</source>
        <translation>記録先のデータフォルダがありません。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>フォルダ %1 を作成できません。</translation>
    </message>
    <message>
        <source>Shot lost: the recorder fell behind.</source>
        <translation>ショット欠落: 記録処理が追いつきませんでした。</translation>
    </message>
    <message>
        <source>Cannot record the shot.</source>
        <translation>ショットを記録できません。</translation>
    </message>
    <message>
        <source>CVO Manager started.</source>
        <translation>CVO Managerを起動しました。</translation>
    </message>
    <message>
        <source>System configuration modified.</source>
        <translation>システム設定を変更しました。</translation>
    </message>
    <message>
        <source>New file generated.</source>
        <translation>新しいファイルを作成しました。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWindow</name>
    <message>
        <source>Firmware Update</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Firmware File:</source>
        <translation>ファームウェアファイル:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>ファームウェアファイルを開く</translation>
    </message>
    <message>
        <source>Firmware File(*.mot)</source>
        <translation>ファームウェアファイル(*.mot)</translation>
    </message>
    <message>
        <source>Select Firmware File</source>
        <translation>ファームウェアファイルを選択</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>オープンエラー</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>ファイルを開けません。
読み取り権限を確認してください。</translation>
    </message>
    <message>
        <source>The file is larger than any firmware image (%1 MiB at most).</source>
        <translation>ファイルがファームウェアイメージの最大サイズ（%1 MiB）を超えています。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1行目: %2</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>ファイル形式エラー</translation>
    </message>
    <message>
        <source>This is not a valid firmware file (Motorola S-records), so nothing was sent to BU.
%1</source>
        <translation>有効なファームウェアファイル（Motorola Sレコード）ではないため、装置には何も送信していません。
%1</translation>
    </message>
    <message>
        <source>Firmware update succeeded.</source>
        <translation>ファームウェアの更新が完了しました。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Firmware update failed.</source>
        <translation>ファームウェアの更新に失敗しました。</translation>
    </message>
</context>
<context>
    <name>GLPlotArea</name>
    <message>
        <source>Time:%1s
</source>
        <translation>時間:%1s
</translation>
    </message>
</context>
<context>
    <name>GLPlotData</name>
    <message>
        <source>&lt;untitled&gt; : %1[%2]</source>
        <translation>&lt;無題&gt; : %1[%2]</translation>
    </message>
</context>
<context>
    <name>GLPlotView</name>
    <message>
        <source>Hand tool</source>
        <translation>ハンドツール</translation>
    </message>
    <message>
        <source>Single channel zoom tool</source>
        <translation>単一チャンネルズームツール</translation>
    </message>
    <message>
        <source>All channel zoom tool</source>
        <translation>全チャンネルズームツール</translation>
    </message>
    <message>
        <source>Cursor tool</source>
        <translation>カーソルツール</translation>
    </message>
    <message>
        <source>Integral cursor tool</source>
        <translation>積分カーソルツール</translation>
    </message>
    <message>
        <source>Monitoring zone edit tool</source>
        <translation>監視ゾーン編集ツール</translation>
    </message>
    <message>
        <source>Point monitoring edit tool</source>
        <translation>ポイント監視編集ツール</translation>
    </message>
    <message>
        <source>Range edit tool</source>
        <translation>範囲編集ツール</translation>
    </message>
    <message>
        <source>Monitoring waveform edit tool</source>
        <translation>監視波形編集ツール</translation>
    </message>
    <message>
        <source>Zoom out to full scale</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Zoom out horizontally to full scale</source>
        <translation>横軸を全体表示</translation>
    </message>
    <message>
        <source>Zoom in current channel verticallly to fit</source>
        <translation>現在のチャンネルを縦軸フィット</translation>
    </message>
    <message>
        <source>Zoom in all channel vertically to fit</source>
        <translation>全チャンネルを縦軸フィット</translation>
    </message>
    <message>
        <source>Show/Hide Overwrite</source>
        <translation>重ね描き 表示/非表示</translation>
    </message>
    <message>
        <source>Show/Hide Monitoring zone</source>
        <translation>監視ゾーン 表示/非表示</translation>
    </message>
    <message>
        <source>Show/Hide Point monitoring zone</source>
        <translation>ポイント監視ゾーン 表示/非表示</translation>
    </message>
    <message>
        <source>Show/Hide Reference waveform</source>
        <translation>基準波形 表示/非表示</translation>
    </message>
    <message>
        <source>Show/Hide monitoring waveform</source>
        <translation>監視波形 表示/非表示</translation>
    </message>
    <message>
        <source>PERIOD: %1s</source>
        <translation>計測時間: %1s</translation>
    </message>
    <message>
        <source>  SAMPLING RATE: %1ms</source>
        <translation>  サンプリング間隔: %1ms</translation>
    </message>
    <message>
        <source>  REFERENCE:N/A</source>
        <translation>  基準波形: N/A</translation>
    </message>
    <message>
        <source>  REFERENCE:</source>
        <translation>  基準波形: </translation>
    </message>
    <message>
        <source>  MOLD:N/A</source>
        <translation>  設定: N/A</translation>
    </message>
    <message>
        <source>  MOLD:</source>
        <translation>  設定: </translation>
    </message>
</context>
<context>
    <name>IOTestDialog</name>
    <message>
        <source>Communication Failure</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>装置と通信できません。
接続を確認してください。</translation>
    </message>
</context>
<context>
    <name>LimitSuggestionDialog</name>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Reading the shot logs...</source>
        <translation>ショットログを読み込んでいます...</translation>
    </message>
    <message>
        <source>too few shots</source>
        <translation>ショット数不足</translation>
    </message>
    <message>
        <source> (clipped to the settable range)</source>
        <translation> (設定可能範囲に制限)</translation>
    </message>
    <message>
        <source>Shots used: %1 OK shots of the current settings (%2).</source>
        <translation>使用したショット: 現在の設定のOKショット %1 件 (%2)。</translation>
    </message>
    <message>
        <source>Only %1 OK shots of the current settings in the shot logs: at least %2 are needed.</source>
        <translation>ショットログに現在の設定のOKショットが %1 件しかありません。%2 件以上必要です。</translation>
    </message>
    <message>
        <source>Fewer OK shots than asked for: %1 used.</source>
        <translation>OKショットが指定数より少ないため %1 件を使用しました。</translation>
    </message>
    <message>
        <source>%1 damaged lines skipped.</source>
        <translation>破損した %1 行をスキップしました。</translation>
    </message>
    <message>
        <source>No enabled item of this channel can be suggested.</source>
        <translation>このチャンネルには提案できる有効な項目がありません。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>終了しますか？</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Mmc</source>
        <translation>成形機</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Destination folder is not writable.
Data will be saved to &quot;%1&quot;.</source>
        <translation>保存先フォルダに書き込めません。
データは「%1」に保存されます。</translation>
    </message>
    <message>
        <source>Destination folder is missing.
Data will be saved to &quot;%1&quot;.</source>
        <translation>保存先フォルダがありません。
データは「%1」に保存されます。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>WDT:%1</source>
        <translation>WDT:%1</translation>
    </message>
    <message>
        <source>BU Reset Detected</source>
        <translation>装置リセット検出</translation>
    </message>
    <message>
        <source>Configuration will be re-read from BU.</source>
        <translation>装置から設定を再読込します。</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>設定変更</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>変更を反映するにはアプリケーションの再起動が必要です。
OKをクリックするとアプリケーションを終了します。</translation>
    </message>
    <message>
        <source>Out of version</source>
        <translation>バージョン不一致</translation>
    </message>
    <message>
        <source>Please update the version of firmware application to the latest version.</source>
        <translation>ファームウェアを最新バージョンに更新してください。</translation>
    </message>
    <message>
        <source>Please update the version of this measurement application to the latest version.</source>
        <translation>この計測アプリケーションを最新バージョンに更新してください。</translation>
    </message>
    <message>
        <source>Can not connect to BU Control port</source>
        <translation>装置の制御ポートに接続できません</translation>
    </message>
    <message>
        <source>Please check the connection and BU is powered up.
When BU is ready, please re-launch this application.
You can only use waveform editor function if BU is not ready.</source>
        <translation>接続と装置の電源が入っていることを確認してください。
装置の準備ができたら、このアプリケーションを再起動してください。</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>監視モード</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>メンテナンスモード</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>記録中</translation>
    </message>
    <message>
        <source>Open Reference Wave Data File</source>
        <translation>基準波形ファイルを開く</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVOデータファイル(*.csv)</translation>
    </message>
    <message>
        <source>USB Port Open Error</source>
        <translation>USBポートオープンエラー</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check the connection.</source>
        <translation>USBポートを開けません。
接続を確認してください。</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>オープンエラー</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>基準波形ファイルを開けません。
読み取り権限を確認してください。</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>ファイル形式エラー</translation>
    </message>
    <message>
        <source>This is not CVO Data file.
</source>
        <translation>このファイルはCVOデータファイルではないようです。</translation>
    </message>
    <message>
        <source>Save Stopped</source>
        <translation>容量不足: 保存停止</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>残量少</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending Mold Configuration...</source>
        <translation>設定送信中...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>装置と通信できません。
接続を確認してください。</translation>
    </message>
    <message>
        <source>BU Clock Sync</source>
        <translation>装置時計同期</translation>
    </message>
    <message>
        <source>BU clock successfully synchronized.</source>
        <translation>装置の時計をこのPCと同期しました。</translation>
    </message>
    <message>
        <source>BU clock synchronization failed.</source>
        <translation>時計の同期に失敗しました。</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>MQTT (%1 queued)</source>
        <translation>MQTT (未送信 %1)</translation>
    </message>
</context>
<context>
    <name>MoldConfigWindow</name>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
</context>
<context>
    <name>MoldFileController</name>
    <message>
        <source>Open Error</source>
        <translation>オープンエラー</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>ファイルを開けません。
読み取り権限を確認してください。</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>ファイルエラー</translation>
    </message>
    <message>
        <source>This file does not seem to be valid.
</source>
        <translation>このファイルは有効ではないようです。
</translation>
    </message>
    <message>
        <source>This file seems to be corrupted.
</source>
        <translation>このファイルは破損しているようです。
</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>ファイルに書き込めません。
フォルダまたはファイルの権限を確認してください。</translation>
    </message>
    <message>
        <source>Open Mold Configuration File</source>
        <translation>設定ファイルを開く</translation>
    </message>
    <message>
        <source>Select Mold Configuration File</source>
        <translation>設定ファイルを選択</translation>
    </message>
    <message>
        <source>Save Mold Configuration File</source>
        <translation>設定ファイルを保存</translation>
    </message>
    <message>
        <source>Specify a file name to save.</source>
        <translation>保存するファイル名を指定してください。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Settings file name must be 16 characters or less.</source>
        <translation>設定ファイル名は16文字以内にしてください。</translation>
    </message>
    <message>
        <source>Mold Configuration File(*.xml)</source>
        <translation>設定ファイル(*.xml)</translation>
    </message>
</context>
<context>
    <name>MoldMachineSettingsDialog</name>
    <message>
        <source>Save Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Can not save the file.
%1</source>
        <translation>ファイルを保存できません。
%1</translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message>
        <source>The publish queue &quot;%1&quot; cannot be opened: %2</source>
        <translation>送信キュー「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>No answer from the broker</source>
        <translation>ブローカーから応答がありません</translation>
    </message>
    <message>
        <source>The broker closed the connection</source>
        <translation>ブローカーが接続を切断しました</translation>
    </message>
    <message>
        <source>The MQTT client could not be created</source>
        <translation>MQTT クライアントを作成できません</translation>
    </message>
    <message>
        <source>TLS cannot be set up with &quot;%1&quot;: %2</source>
        <translation>「%1」で TLS を設定できません: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2</source>
        <translation>%1:%2 に接続中</translation>
    </message>
    <message>
        <source>Broker %1:%2 not reachable: %3</source>
        <translation>ブローカー %1:%2 に接続できません: %3</translation>
    </message>
    <message>
        <source>Connected to %1:%2</source>
        <translation>%1:%2 に接続しました</translation>
    </message>
    <message>
        <source>Broker %1:%2 refused the connection: %3</source>
        <translation>ブローカー %1:%2 が接続を拒否しました: %3</translation>
    </message>
</context>
<context>
    <name>PlotExport</name>
    <message>
        <source>The plot could not be written to &quot;%1&quot;.</source>
        <translation>グラフを「%1」に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>PlotExportPrompt</name>
    <message>
        <source>Export Plot</source>
        <translation>グラフ出力</translation>
    </message>
    <message>
        <source>PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>PNG 画像 (*.png);;PDF 文書 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PressureSensorWidget</name>
    <message>
        <source>Channel Settings</source>
        <translation>チャンネル・センサ設定</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>チャンネル名</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>センサ感度</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Radius[mm]</source>
        <translation>直径[mm]</translation>
    </message>
    <message>
        <source>Width[mm]</source>
        <translation>幅[mm]</translation>
    </message>
    <message>
        <source>height[mm]</source>
        <translation>高さ[mm]</translation>
    </message>
    <message>
        <source>Area[sqmm]</source>
        <translation>面積[sqmm]</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>SensorSpecSensor200DegC</source>
        <translation>1:100MPaセンサ
2:200MPaセンサ
4:ボタン型センサ 50N
5:ボタン型センサ 200N
6:ボタン型センサ 1000N
7:ボタン型センサ (高温200℃) 50N
8:ボタン型センサ (高温200℃) 200N
9:ボタン型センサ (高温200℃) 1000N
A:ボタン型センサ (高温200℃) 4kN
B:ボタン型センサ (高温200℃) 16kN</translation>
    </message>
    <message>
        <source>SensorSpec</source>
        <translation>1:100MPaセンサ
2:200MPaセンサ
4:ボタン型センサ 50N
5:ボタン型センサ 200N
6:ボタン型センサ 1000N</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>C</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>MPa</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Cs</source>
        <translation>℃s</translation>
    </message>
    <message>
        <source>MPas</source>
        <translation>MPas</translation>
    </message>
    <message>
        <source>Vs</source>
        <translation>Vs</translation>
    </message>
    <message>
        <source>&lt;Pseudo-resister&gt;</source>
        <translation>&lt;疑似センサ&gt;</translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation>モジュール %1</translation>
    </message>
</context>
<context>
    <name>SRecordCheck</name>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>Records follow the termination record.</source>
        <translation>終了レコードの後にレコードがあります。</translation>
    </message>
    <message>
        <source>The file holds no data record (S1, S2 or S3).</source>
        <translation>データレコード（S1、S2、S3）がありません。</translation>
    </message>
    <message>
        <source>The file does not end with a termination record (S7, S8 or S9): it may be cut short.</source>
        <translation>ファイルが終了レコード（S7、S8、S9）で終わっていません。途中で切れている可能性があります。</translation>
    </message>
    <message>
        <source>The line is longer than any S-record.</source>
        <translation>行がSレコードの最大長を超えています。</translation>
    </message>
    <message>
        <source>The line is not an S-record.</source>
        <translation>この行はSレコードではありません。</translation>
    </message>
    <message>
        <source>S4 is a reserved record type.</source>
        <translation>S4は予約済みのレコードタイプです。</translation>
    </message>
    <message>
        <source>The byte count is not a hexadecimal number.</source>
        <translation>バイト数が16進数ではありません。</translation>
    </message>
    <message>
        <source>The byte count says %1 bytes, the line holds %2 characters after it.</source>
        <translation>バイト数は%1バイトですが、その後に%2文字あります。</translation>
    </message>
    <message>
        <source>The record is too short for its address and checksum.</source>
        <translation>レコードがアドレスとチェックサムに対して短すぎます。</translation>
    </message>
    <message>
        <source>The termination record carries data.</source>
        <translation>終了レコードにデータが含まれています。</translation>
    </message>
    <message>
        <source>The record holds a character that is not hexadecimal.</source>
        <translation>レコードに16進数以外の文字が含まれています。</translation>
    </message>
    <message>
        <source>The checksum is %1, the record&apos;s bytes give %2.</source>
        <translation>チェックサムは%1ですが、レコードのバイトからの計算値は%2です。</translation>
    </message>
</context>
<context>
    <name>SlopeEditorWidget</name>
    <message>
        <source>Slope Monitoring</source>
        <translation>傾き監視</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>値:</translation>
    </message>
</context>
<context>
    <name>SystemConfigReader</name>
    <message>
        <source>Reading Configuration from BU</source>
        <translation>装置から設定を読込中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TSecEditorWidget</name>
    <message>
        <source>Point Monitoring</source>
        <translation>ポイント監視</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>値:</translation>
    </message>
</context>
<context>
    <name>TimeEditSpinBox</name>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>TimeRangeEditorWidget</name>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>ピーク到達時間監視</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NG</source>
        <translation>NG</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限界値</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Shot (oldest to newest)</source>
        <translation>ショット (古い順)</translation>
    </message>
</context>
<context>
    <name>TrendCsv</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
</context>
<context>
    <name>TrendItems</name>
    <message>
        <source>Peak</source>
        <translation>ピーク</translation>
    </message>
    <message>
        <source>Time at peak</source>
        <translation>ピーク時間</translation>
    </message>
    <message>
        <source>Value at point</source>
        <translation>ポイント値</translation>
    </message>
    <message>
        <source>Peak over eject</source>
        <translation>エジェクト区間ピーク</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>積分</translation>
    </message>
    <message>
        <source>Integral to peak</source>
        <translation>ピークまでの積分</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>傾き</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>TrendsWindow</name>
    <message>
        <source>CH%1: %2</source>
        <translation>CH%1: %2</translation>
    </message>
    <message>
        <source>Reading the shot logs...</source>
        <translation>ショットログを読み込んでいます...</translation>
    </message>
    <message>
        <source>No shot log of the settings &quot;%1&quot; in %2.</source>
        <translation>%2 に設定「%1」のショットログがありません。</translation>
    </message>
    <message>
        <source>Skipped: %1 damaged lines, %2 shots without this channel.</source>
        <translation>スキップ: 破損行 %1、このチャンネルのないショット %2。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 を読み込めません。</translation>
    </message>
    <message>
        <source>Shot %1, %2, %3</source>
        <translation>ショット %1、%2、%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NG</source>
        <translation>NG</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>グラフのエクスポート</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>Export Values</source>
        <translation>値のエクスポート</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>Value32EditSpinBox</name>
    <message>
        <source>MPa/S</source>
        <translation>MPa/S</translation>
    </message>
</context>
<context>
    <name>ValueEditorBase</name>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
</context>
<context>
    <name>ValueRangeEditorWidget</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>値:</translation>
    </message>
</context>
<context>
    <name>ZoneEditorWidget</name>
    <message>
        <source>Monitoring Zone</source>
        <translation>監視ゾーン</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>ピーク</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面積</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>方式:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>値:</translation>
    </message>
</context>
<context>
    <name>adminWindow</name>
    <message>
        <source>Administration</source>
        <translation>管理</translation>
    </message>
    <message>
        <source>Measuring Equipment</source>
        <translation>計測装置</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>成形機シリアルポート</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Rotate Data File at</source>
        <translation>データファイル切替</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Savedata Type</source>
        <translation>保存データ種別</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Alarm Wave</source>
        <translation>アラーム波形</translation>
    </message>
    <message>
        <source>All Wave</source>
        <translation>全波形</translation>
    </message>
    <message>
        <source>Publish Shot Results (MQTT)</source>
        <translation>ショット結果の配信 (MQTT)</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>ブローカー:</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Verify the broker&apos;s certificate</source>
        <translation>ブローカーの証明書を検証する</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA ファイル:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>ユーザー:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>トピック接頭辞:</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>ステーション:</translation>
    </message>
</context>
<context>
    <name>channelSettingsWidget</name>
    <message>
        <source>In Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;無題&gt;</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>感度:</translation>
    </message>
    <message>
        <source>00000A</source>
        <translation>00000A</translation>
    </message>
    <message>
        <source>Apply to All Channels of the Module</source>
        <translation>モジュールの全チャンネルに適用</translation>
    </message>
    <message>
        <source>zone1</source>
        <translation>ゾーン1</translation>
    </message>
    <message>
        <source>zone2</source>
        <translation>ゾーン2</translation>
    </message>
    <message>
        <source>tsec</source>
        <translation>ポイント監視</translation>
    </message>
    <message>
        <source>peaktime</source>
        <translation>ピーク到達時間監視</translation>
    </message>
    <message>
        <source>peak integral</source>
        <translation>積分</translation>
    </message>
    <message>
        <source>interal</source>
        <translation>ピークまでの積分</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>エジェクト監視</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>傾き</translation>
    </message>
    <message>
        <source>Waveform Monitoring</source>
        <translation>波形監視</translation>
    </message>
    <message>
        <source>Monitor with reference waveform</source>
        <translation>基準波形で監視</translation>
    </message>
    <message>
        <source>Edit Waveform</source>
        <translation>波形編集</translation>
    </message>
    <message>
        <source>Suggest limits</source>
        <translation>限界値の提案</translation>
    </message>
</context>
<context>
    <name>dataViewerWindow</name>
    <message>
        <source>Data Viewer/Reference Data Editor</source>
        <translation>データビューア/監視波形エディタ</translation>
    </message>
    <message>
        <source> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</source>
        <translation> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>ファイル一覧</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Smoothing Level:</source>
        <translation>平滑化レベル:</translation>
    </message>
    <message>
        <source>Save Average as Reference</source>
        <translation>平均を基準波形として保存</translation>
    </message>
    <message>
        <source>Monitoring Waveform Range</source>
        <translation>監視波形時間範囲</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>開始:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>終了:</translation>
    </message>
    <message>
        <source>Upper Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Sigma:</source>
        <translation>シグマ:</translation>
    </message>
    <message>
        <source>Minimum Offset:</source>
        <translation>最小オフセット:</translation>
    </message>
    <message>
        <source>Time Allowance:</source>
        <translation>時間許容幅:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Lower Limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Minimum Data Offset:</source>
        <translation>最小オフセット:</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>データファイルを開く</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>監視波形読込</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>監視波形保存</translation>
    </message>
    <message>
        <source>Overwrite save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Send to BU</source>
        <translation>装置へ送信</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>グラフ出力</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV 出力</translation>
    </message>
</context>
<context>
    <name>displaySettingsDialog</name>
    <message>
        <source>Display Settings</source>
        <translation>表示設定</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>重ね描き</translation>
    </message>
    <message>
        <source>times</source>
        <translation>回</translation>
    </message>
    <message>
        <source>Clear overwrite when its count reaches max</source>
        <translation>重ね描き回数が上限に達したらすべてクリア</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度:</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Reference Waveform</source>
        <translation>基準波形</translation>
    </message>
    <message>
        <source>Peak Time Monitoring Range</source>
        <translation>ピーク到達時間監視範囲</translation>
    </message>
    <message>
        <source>Pressure Display</source>
        <translation>圧力表示</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>フルスケール:</translation>
    </message>
</context>
<context>
    <name>ioTestDialog</name>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>BU Port Test</source>
        <translation>装置ポートテスト</translation>
    </message>
</context>
<context>
    <name>limitSuggestionDialog</name>
    <message>
        <source>Suggest Limits</source>
        <translation>限界値の提案</translation>
    </message>
    <message>
        <source>Mean ± k σ, k:</source>
        <translation>平均 ± k σ、k:</translation>
    </message>
    <message>
        <source>Last OK shots, N:</source>
        <translation>直近のOKショット数 N:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>提案</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>ショット</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>σ</source>
        <translation>σ</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Cavo Monitoring System</source>
        <translation>Cavo監視システム</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Shot#:</source>
        <translation>ショット数:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK shot:</source>
        <translation>OKショット:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>NG shot:</source>
        <translation>NGショット:</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>監視モード</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>メンテナンスモード</translation>
    </message>
    <message>
        <source>ZERO RESET</source>
        <translation>ゼロリセット</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>LOAD REFERENCE</source>
        <translation>基準波形読込</translation>
    </message>
    <message>
        <source>DATA VIEWER</source>
        <translation>波形エディタ</translation>
    </message>
    <message>
        <source>ABORT SHOT</source>
        <translation>ショット中止</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Debug2</source>
        <translation>デバッグ2</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>ディスク容量</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Open Mold File...</source>
        <translation>設定ファイルを開く...</translation>
    </message>
    <message>
        <source>Open Referece Data File...</source>
        <translation>基準波形読込...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>About CVO...</source>
        <translation>ソフトウェアバージョン...</translation>
    </message>
    <message>
        <source>I/O Test...</source>
        <translation>I/Oテスト...</translation>
    </message>
    <message>
        <source>Sync BU Clock</source>
        <translation>装置の時計を同期</translation>
    </message>
    <message>
        <source>Synchronize BU clock with host</source>
        <translation>装置の時計をこのPCと同期します</translation>
    </message>
    <message>
        <source>Display Settings...</source>
        <translation>表示設定...</translation>
    </message>
    <message>
        <source>Plot display settings</source>
        <translation>プロット表示設定</translation>
    </message>
    <message>
        <source>Administration...</source>
        <translation>管理...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>ファームウェア更新...</translation>
    </message>
    <message>
        <source>Update the firmware of the device</source>
        <translation>装置のファームウェアを更新します</translation>
    </message>
    <message>
        <source>Mold Machine...</source>
        <translation>成形機設定...</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Set application interface language English</source>
        <translation>表示言語を英語にします</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>中文 (繁體)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>中文 (简体)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark (High Contrast)</source>
        <translation>ダーク（高コントラスト）</translation>
    </message>
    <message>
        <source>Dark high-contrast colours for dim halls</source>
        <translation>暗い工場向けの高コントラスト配色</translation>
    </message>
    <message>
        <source>TRENDS</source>
        <translation>トレンド</translation>
    </message>
    <message>
        <source>Export Plot...</source>
        <translation>グラフ出力...</translation>
    </message>
</context>
<context>
    <name>moduleSettingsWidget</name>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Module Name:</source>
        <translation>モジュール名:</translation>
    </message>
    <message>
        <source>KRT24 Specific Configuration</source>
        <translation>KRT24固有設定</translation>
    </message>
    <message>
        <source>Connect pseudo-resister to channel 4 &amp;&amp; 8</source>
        <translation>疑似センサをチャンネル4 &amp;&amp; 8に接続</translation>
    </message>
    <message>
        <source>Disable D/A Output</source>
        <translation>D/A出力無効</translation>
    </message>
    <message>
        <source>ZRB Specific Configuration</source>
        <translation>ZRB設定</translation>
    </message>
    <message>
        <source>Mold temperature compensation</source>
        <translation>金型温度補正</translation>
    </message>
    <message>
        <source>celsius</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>ZRB-TC310 Alert Temperature:</source>
        <translation>ZRB-TC310警告温度:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
</context>
<context>
    <name>moldConfigWindow</name>
    <message>
        <source>Dialog</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Read from BU</source>
        <translation>装置から読込</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>moldMachineSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>成形機設定</translation>
    </message>
</context>
<context>
    <name>settingsChooserDialog</name>
    <message>
        <source>Choose Settings</source>
        <translation>設定の選択</translation>
    </message>
    <message>
        <source>The settings of the equipment named below are different from the one saved on this PC.</source>
        <translation>以下の名前で保存された設定が、装置とこのPCで異なります。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Default_Settings.xml</translation>
    </message>
    <message>
        <source>Please choose either to overwrite the equipment with the settings on the PC, or to overwrite the file on the PC with the settings of the equipment.</source>
        <translation>どちらの設定を上書きするか選択してください。</translation>
    </message>
    <message>
        <source>Overwrite Equipment</source>
        <translation>装置を上書き</translation>
    </message>
    <message>
        <source>Overwrite File</source>
        <translation>ファイルを上書き</translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Measurement Settings</source>
        <translation>計測設定</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>計測時間:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>サンプリング間隔:</translation>
    </message>
    <message>
        <source>1ms</source>
        <translation>1ms</translation>
    </message>
    <message>
        <source>5ms</source>
        <translation>5ms</translation>
    </message>
    <message>
        <source>10ms</source>
        <translation>10ms</translation>
    </message>
    <message>
        <source>20ms</source>
        <translation>20ms</translation>
    </message>
    <message>
        <source>Start Trigger</source>
        <translation>開始トリガ</translation>
    </message>
    <message>
        <source>Edge:</source>
        <translation>エッジ:</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>立上り</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>立下り</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>遅延:</translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation>アラーム設定</translation>
    </message>
    <message>
        <source>Use Alarm</source>
        <translation>アラーム使用</translation>
    </message>
    <message>
        <source>Clear By Trigger</source>
        <translation>トリガでクリア</translation>
    </message>
    <message>
        <source>Clear Alarm By Timer</source>
        <translation>タイマでクリア</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
    <message>
        <source>Alarm Out Port</source>
        <translation>アラーム出力ポート</translation>
    </message>
    <message>
        <source>Watch1</source>
        <translation>ゾーン1</translation>
    </message>
    <message>
        <source>Alarm(OUT1)</source>
        <translation>OUT1 アラーム</translation>
    </message>
    <message>
        <source>External Control(OUT3)</source>
        <translation>OUT3 外部制御</translation>
    </message>
    <message>
        <source>Watch2</source>
        <translation>ゾーン2</translation>
    </message>
</context>
<context>
    <name>trendsWindow</name>
    <message>
        <source>Trends</source>
        <translation>トレンド</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>項目:</translation>
    </message>
    <message>
        <source>Last shots</source>
        <translation>直近のショット</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>ショット数:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>平均:</translation>
    </message>
    <message>
        <source>σ (sample):</source>
        <translation>σ (標本):</translation>
    </message>
    <message>
        <source>Lower limit:</source>
        <translation>下限:</translation>
    </message>
    <message>
        <source>Upper limit:</source>
        <translation>上限:</translation>
    </message>
    <message>
        <source>Cp:</source>
        <translation>Cp:</translation>
    </message>
    <message>
        <source>Cpk:</source>
        <translation>Cpk:</translation>
    </message>
    <message>
        <source>Export PNG...</source>
        <translation>PNG エクスポート...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV エクスポート...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
