<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About CVO</source>
        <translation>關於 CVO</translation>
    </message>
    <message>
        <source>System Version

CVO Manager  : </source>
        <translation>系統版本

CVO Manager  : </translation>
    </message>
</context>
<context>
    <name>AdminWindow</name>
    <message>
        <source>Select Folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The folder is not writable.
Please specify another folder.</source>
        <translation>此資料夾無法寫入。</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>儲存錯誤</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>無法將設定儲存至「%1」。</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>變更設定</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>必須重新啟動應用程式，變更才會生效。
按 OK 結束應用程式。</translation>
    </message>
    <message>
        <source>Select CA File</source>
        <translation>選擇 CA 檔案</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>憑證 (*.pem *.crt);;所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Choose plot color for channel %1</source>
        <translation>選擇通道 %1 的曲線顏色</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
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
        <translation>監控區間 1</translation>
    </message>
    <message>
        <source>Monitoring Zone 2</source>
        <translation>監控區間 2</translation>
    </message>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>峰值時間監控</translation>
    </message>
    <message>
        <source>Integral Monitoring</source>
        <translation>積分監控</translation>
    </message>
    <message>
        <source>Integral to Peak Monitoring</source>
        <translation>至峰值積分監控</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>頂出監控</translation>
    </message>
    <message>
        <source>Point Monitoring</source>
        <translation>定點監控</translation>
    </message>
    <message>
        <source>Slope Monitoring</source>
        <translation>斜率監控</translation>
    </message>
</context>
<context>
    <name>ChannelShotData</name>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;未命名&gt;</translation>
    </message>
</context>
<context>
    <name>CountSpinBox</name>
    <message>
        <source>The stored value is outside the allowed range and is shown limited. It is kept until you change it.</source>
        <translation>儲存的數值超出允許範圍，目前以限制後的值顯示。在您變更之前，原數值會保留。</translation>
    </message>
</context>
<context>
    <name>DataViewerWindow</name>
    <message>
        <source>%1: &lt;Untitled&gt;</source>
        <translation>%1: &lt;未命名&gt;</translation>
    </message>
    <message>
        <source>No data file is visible: no average and no limits are shown.</source>
        <translation>沒有顯示中的資料檔：不顯示平均值與上下限。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>When the waveform monitoring please send monitoring waveform data.</source>
        <translation>進行波形監控時，請傳送監控波形資料。</translation>
    </message>
    <message>
        <source>Open Wave Data File</source>
        <translation>開啟資料檔</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVO 資料檔(*.csv)</translation>
    </message>
    <message>
        <source>Select Wave Data File</source>
        <translation>選擇波形資料檔</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>開啟錯誤</translation>
    </message>
    <message>
        <source>Too many files.
35 or less.</source>
        <translation>檔案過多。
最多 35 個。</translation>
    </message>
    <message>
        <source>Reading Data File...</source>
        <translation>正在讀取資料檔...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>無法開啟檔案。
請確認是否有讀取權限。</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>檔案格式錯誤</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Data file.</source>
        <translation>檔案「%1」不是 CVO 資料檔。</translation>
    </message>
    <message>
        <source>Settings Mismatch Error</source>
        <translation>設定不一致錯誤</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; has different mold settings.</source>
        <translation>檔案「%1」的模具設定不同。</translation>
    </message>
    <message>
        <source>Not the length of the first file (the statistics use the first file&apos;s length): %1</source>
        <translation>長度與第一個檔案不同（統計以第一個檔案的長度為準）：%1</translation>
    </message>
    <message>
        <source>Calculating average and standard deviation...</source>
        <translation>正在分析資料...</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>儲存錯誤</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>無法寫入檔案。
請檢查資料夾或檔案的權限。</translation>
    </message>
    <message>
        <source>Save Monitoring Waveform File</source>
        <translation>儲存監控波形檔</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to save.</source>
        <translation>請指定要儲存的監控波形檔名。</translation>
    </message>
    <message>
        <source>CVO Monitoring Waveform File(*.wavcsv)</source>
        <translation>CVO 監控波形檔(*.wavcsv)</translation>
    </message>
    <message>
        <source>Monitoring waveform file has been successfully save.</source>
        <translation>監控波形檔已儲存完成。</translation>
    </message>
    <message>
        <source>Save Average Data File</source>
        <translation>將平均值存為資料檔</translation>
    </message>
    <message>
        <source>Specify a average file name to save.</source>
        <translation>請指定要儲存的平均值檔名。</translation>
    </message>
    <message>
        <source>Open Monitoring Waveform File</source>
        <translation>開啟監控波形檔</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to open.</source>
        <translation>請指定要開啟的監控波形檔名。</translation>
    </message>
    <message>
        <source>Reading Monitoring Waveform File...</source>
        <translation>正在讀取監控波形檔...</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Monitoring Waveform Data file.</source>
        <translation>檔案「%1」不是 CVO 監控波形資料檔。</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>通訊失敗</translation>
    </message>
    <message>
        <source>Unable to connect to BU.
Please check the connection.</source>
        <translation>無法連線至設備。
請檢查連線。</translation>
    </message>
    <message>
        <source>Sending Monitoring Waveform...</source>
        <translation>正在傳送監控波形...</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>無法與設備通訊。
請檢查連線。</translation>
    </message>
    <message>
        <source>Send Monitoring Waveform</source>
        <translation>傳送監控波形</translation>
    </message>
    <message>
        <source>No monitoring waveform covers the range of these channels, so they were not sent:
%1</source>
        <translation>下列通道的範圍沒有監控波形涵蓋，因此未傳送：
%1</translation>
    </message>
    <message>
        <source>Monitoring waveform data has been successfully sent.</source>
        <translation>監控波形資料已傳送完成。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>No data file is shown.</source>
        <translation>沒有顯示中的資料檔案。</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWindow</name>
    <message>
        <source>Save Error</source>
        <translation>儲存錯誤</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>無法將設定儲存至「%1」。</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>No data folder to record into.</source>
        <translation>沒有可寫入記錄的資料夾。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Shot lost: the recorder fell behind.</source>
        <translation>模次遺失：記錄處理跟不上。</translation>
    </message>
    <message>
        <source>Cannot record the shot.</source>
        <translation>無法記錄此模次。</translation>
    </message>
    <message>
        <source>CVO Manager started.</source>
        <translation>CVO Manager 已啟動。</translation>
    </message>
    <message>
        <source>System configuration modified.</source>
        <translation>系統設定已變更。</translation>
    </message>
    <message>
        <source>New file generated.</source>
        <translation>已建立新檔案。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWindow</name>
    <message>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>Firmware File:</source>
        <translation>韌體檔案：</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>更新韌體</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>開啟韌體檔案</translation>
    </message>
    <message>
        <source>Firmware File(*.mot)</source>
        <translation>韌體檔案(*.mot)</translation>
    </message>
    <message>
        <source>Select Firmware File</source>
        <translation>選擇韌體檔案</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>開啟錯誤</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>無法開啟檔案。
請確認是否有讀取權限。</translation>
    </message>
    <message>
        <source>The file is larger than any firmware image (%1 MiB at most).</source>
        <translation>檔案大小超過韌體映像上限（最多 %1 MiB）。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>檔案格式錯誤</translation>
    </message>
    <message>
        <source>This is not a valid firmware file (Motorola S-records), so nothing was sent to BU.
%1</source>
        <translation>這不是有效的韌體檔案（Motorola S-record），因此未傳送任何資料至設備。
%1</translation>
    </message>
    <message>
        <source>Firmware update succeeded.</source>
        <translation>韌體更新成功。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Firmware update failed.</source>
        <translation>韌體更新失敗。</translation>
    </message>
</context>
<context>
    <name>GLPlotArea</name>
    <message>
        <source>Time:%1s
</source>
        <translation>時間：%1s
</translation>
    </message>
</context>
<context>
    <name>GLPlotData</name>
    <message>
        <source>&lt;untitled&gt; : %1[%2]</source>
        <translation>&lt;未命名&gt; : %1[%2]</translation>
    </message>
</context>
<context>
    <name>GLPlotView</name>
    <message>
        <source>Hand tool</source>
        <translation>平移工具</translation>
    </message>
    <message>
        <source>Single channel zoom tool</source>
        <translation>單通道縮放工具</translation>
    </message>
    <message>
        <source>All channel zoom tool</source>
        <translation>全通道縮放工具</translation>
    </message>
    <message>
        <source>Cursor tool</source>
        <translation>游標工具</translation>
    </message>
    <message>
        <source>Integral cursor tool</source>
        <translation>積分游標工具</translation>
    </message>
    <message>
        <source>Monitoring zone edit tool</source>
        <translation>監控區間編輯工具</translation>
    </message>
    <message>
        <source>Point monitoring edit tool</source>
        <translation>定點監控編輯工具</translation>
    </message>
    <message>
        <source>Range edit tool</source>
        <translation>範圍編輯工具</translation>
    </message>
    <message>
        <source>Monitoring waveform edit tool</source>
        <translation>監控波形編輯工具</translation>
    </message>
    <message>
        <source>Zoom out to full scale</source>
        <translation>縮小至全範圍</translation>
    </message>
    <message>
        <source>Zoom out horizontally to full scale</source>
        <translation>水平縮小至全範圍</translation>
    </message>
    <message>
        <source>Zoom in current channel verticallly to fit</source>
        <translation>垂直放大目前通道至合適大小</translation>
    </message>
    <message>
        <source>Zoom in all channel vertically to fit</source>
        <translation>垂直放大所有通道至合適大小</translation>
    </message>
    <message>
        <source>Show/Hide Overwrite</source>
        <translation>顯示/隱藏疊圖</translation>
    </message>
    <message>
        <source>Show/Hide Monitoring zone</source>
        <translation>顯示/隱藏監控區間</translation>
    </message>
    <message>
        <source>Show/Hide Point monitoring zone</source>
        <translation>顯示/隱藏定點監控區間</translation>
    </message>
    <message>
        <source>Show/Hide Reference waveform</source>
        <translation>顯示/隱藏基準波形</translation>
    </message>
    <message>
        <source>Show/Hide monitoring waveform</source>
        <translation>顯示/隱藏監控波形</translation>
    </message>
    <message>
        <source>PERIOD: %1s</source>
        <translation>觀測時間：%1s</translation>
    </message>
    <message>
        <source>  SAMPLING RATE: %1ms</source>
        <translation>  取樣間隔：%1ms</translation>
    </message>
    <message>
        <source>  REFERENCE:N/A</source>
        <translation>  基準波形：N/A</translation>
    </message>
    <message>
        <source>  REFERENCE:</source>
        <translation>  基準波形：</translation>
    </message>
    <message>
        <source>  MOLD:N/A</source>
        <translation>  設定：N/A</translation>
    </message>
    <message>
        <source>  MOLD:</source>
        <translation>  設定：</translation>
    </message>
</context>
<context>
    <name>IOTestDialog</name>
    <message>
        <source>Communication Failure</source>
        <translation>通訊失敗</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>無法與設備通訊。
請檢查連線。</translation>
    </message>
</context>
<context>
    <name>LimitSuggestionDialog</name>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Reading the shot logs...</source>
        <translation>正在讀取射出記錄...</translation>
    </message>
    <message>
        <source>too few shots</source>
        <translation>射出數不足</translation>
    </message>
    <message>
        <source> (clipped to the settable range)</source>
        <translation> (已限制在可設定範圍內)</translation>
    </message>
    <message>
        <source>Shots used: %1 OK shots of the current settings (%2).</source>
        <translation>使用的射出: 目前設定的 OK 射出 %1 次 (%2)。</translation>
    </message>
    <message>
        <source>Only %1 OK shots of the current settings in the shot logs: at least %2 are needed.</source>
        <translation>射出記錄中目前設定的 OK 射出只有 %1 次: 至少需要 %2 次。</translation>
    </message>
    <message>
        <source>Fewer OK shots than asked for: %1 used.</source>
        <translation>OK 射出少於指定數: 使用了 %1 次。</translation>
    </message>
    <message>
        <source>%1 damaged lines skipped.</source>
        <translation>已略過 %1 行損壞的資料。</translation>
    </message>
    <message>
        <source>No enabled item of this channel can be suggested.</source>
        <translation>此通道沒有可建議的已啟用項目。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>確定要結束嗎？</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>資料</translation>
    </message>
    <message>
        <source>Mmc</source>
        <translation>成型機</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Destination folder is not writable.
Data will be saved to &quot;%1&quot;.</source>
        <translation>目的資料夾無法寫入。
資料將儲存至「%1」。</translation>
    </message>
    <message>
        <source>Destination folder is missing.
Data will be saved to &quot;%1&quot;.</source>
        <translation>找不到目的資料夾。
資料將儲存至「%1」。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>WDT:%1</source>
        <translation>WDT：%1</translation>
    </message>
    <message>
        <source>BU Reset Detected</source>
        <translation>偵測到設備重置</translation>
    </message>
    <message>
        <source>Configuration will be re-read from BU.</source>
        <translation>將從設備重新讀取設定。</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>變更設定</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>必須重新啟動應用程式，變更才會生效。
按 OK 結束應用程式。</translation>
    </message>
    <message>
        <source>Out of version</source>
        <translation>版本不符</translation>
    </message>
    <message>
        <source>Please update the version of firmware application to the latest version.</source>
        <translation>請將設備韌體更新至最新版本。</translation>
    </message>
    <message>
        <source>Please update the version of this measurement application to the latest version.</source>
        <translation>請將本量測軟體更新至最新版本。</translation>
    </message>
    <message>
        <source>Can not connect to BU Control port</source>
        <translation>無法連線至設備的控制埠</translation>
    </message>
    <message>
        <source>Please check the connection and BU is powered up.
When BU is ready, please re-launch this application.
You can only use waveform editor function if BU is not ready.</source>
        <translation>請確認連線正常且設備電源已開啟。
設備就緒後，請重新啟動本應用程式。</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>監控模式</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>維護模式</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>記錄中</translation>
    </message>
    <message>
        <source>Open Reference Wave Data File</source>
        <translation>開啟基準波形檔</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVO 資料檔(*.csv)</translation>
    </message>
    <message>
        <source>USB Port Open Error</source>
        <translation>USB 埠開啟錯誤</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check the connection.</source>
        <translation>無法開啟 USB 埠。
請檢查連線。</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>開啟錯誤</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>無法開啟基準波形檔。
請確認是否有讀取權限。</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>檔案格式錯誤</translation>
    </message>
    <message>
        <source>This is not CVO Data file.
</source>
        <translation>此檔案似乎不是 CVO 資料檔。
</translation>
    </message>
    <message>
        <source>Save Stopped</source>
        <translation>空間不足：停止儲存</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>偏低</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending Mold Configuration...</source>
        <translation>正在傳送設定...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>通訊失敗</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>無法與設備通訊。
請檢查連線。</translation>
    </message>
    <message>
        <source>BU Clock Sync</source>
        <translation>設備時鐘同步</translation>
    </message>
    <message>
        <source>BU clock successfully synchronized.</source>
        <translation>設備時鐘已與本電腦同步。</translation>
    </message>
    <message>
        <source>BU clock synchronization failed.</source>
        <translation>時鐘同步失敗。</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>MQTT (%1 queued)</source>
        <translation>MQTT (待傳 %1)</translation>
    </message>
</context>
<context>
    <name>MoldConfigWindow</name>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
</context>
<context>
    <name>MoldFileController</name>
    <message>
        <source>Open Error</source>
        <translation>開啟錯誤</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>無法開啟檔案。
請確認是否有讀取權限。</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>檔案錯誤</translation>
    </message>
    <message>
        <source>This file does not seem to be valid.
</source>
        <translation>此檔案似乎無效。
</translation>
    </message>
    <message>
        <source>This file seems to be corrupted.
</source>
        <translation>此檔案似乎已損毀。
</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>儲存錯誤</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>無法寫入檔案。
請檢查資料夾或檔案的權限。</translation>
    </message>
    <message>
        <source>Open Mold Configuration File</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <source>Select Mold Configuration File</source>
        <translation>選擇設定檔</translation>
    </message>
    <message>
        <source>Save Mold Configuration File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Specify a file name to save.</source>
        <translation>請指定要儲存的檔名。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Settings file name must be 16 characters or less.</source>
        <translation>設定檔名稱不可超過 16 個字元。</translation>
    </message>
    <message>
        <source>Mold Configuration File(*.xml)</source>
        <translation>設定檔(*.xml)</translation>
    </message>
</context>
<context>
    <name>MoldMachineSettingsDialog</name>
    <message>
        <source>Save Error</source>
        <translation>儲存錯誤</translation>
    </message>
    <message>
        <source>Can not save the file.
%1</source>
        <translation>無法儲存檔案。
%1</translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message>
        <source>The publish queue &quot;%1&quot; cannot be opened: %2</source>
        <translation>無法開啟傳送佇列「%1」: %2</translation>
    </message>
    <message>
        <source>No answer from the broker</source>
        <translation>代理伺服器沒有回應</translation>
    </message>
    <message>
        <source>The broker closed the connection</source>
        <translation>代理伺服器已關閉連線</translation>
    </message>
    <message>
        <source>The MQTT client could not be created</source>
        <translation>無法建立 MQTT 用戶端</translation>
    </message>
    <message>
        <source>TLS cannot be set up with &quot;%1&quot;: %2</source>
        <translation>無法以「%1」設定 TLS: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2</source>
        <translation>正在連線至 %1:%2</translation>
    </message>
    <message>
        <source>Broker %1:%2 not reachable: %3</source>
        <translation>無法連線至代理伺服器 %1:%2: %3</translation>
    </message>
    <message>
        <source>Connected to %1:%2</source>
        <translation>已連線至 %1:%2</translation>
    </message>
    <message>
        <source>Broker %1:%2 refused the connection: %3</source>
        <translation>代理伺服器 %1:%2 拒絕連線: %3</translation>
    </message>
</context>
<context>
    <name>PlotExport</name>
    <message>
        <source>The plot could not be written to &quot;%1&quot;.</source>
        <translation>無法將圖表寫入「%1」。</translation>
    </message>
</context>
<context>
    <name>PlotExportPrompt</name>
    <message>
        <source>Export Plot</source>
        <translation>匯出圖表</translation>
    </message>
    <message>
        <source>PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>PNG 影像 (*.png);;PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PressureSensorWidget</name>
    <message>
        <source>Channel Settings</source>
        <translation>通道與感測器設定</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>通道名稱</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>感測器靈敏度</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形狀</translation>
    </message>
    <message>
        <source>Radius[mm]</source>
        <translation>直徑[mm]</translation>
    </message>
    <message>
        <source>Width[mm]</source>
        <translation>寬度[mm]</translation>
    </message>
    <message>
        <source>height[mm]</source>
        <translation>高度[mm]</translation>
    </message>
    <message>
        <source>Area[sqmm]</source>
        <translation>面積[sqmm]</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>SensorSpecSensor200DegC</source>
        <translation>1:100MPa 感測器
2:200MPa 感測器
4:鈕扣式感測器 50N
5:鈕扣式感測器 200N
6:鈕扣式感測器 1000N
7:鈕扣式感測器 (高溫 200℃) 50N
8:鈕扣式感測器 (高溫 200℃) 200N
9:鈕扣式感測器 (高溫 200℃) 1000N
A:鈕扣式感測器 (高溫 200℃) 4kN
B:鈕扣式感測器 (高溫 200℃) 16kN</translation>
    </message>
    <message>
        <source>SensorSpec</source>
        <translation>1:100MPa 感測器
2:200MPa 感測器
4:鈕扣式感測器 50N
5:鈕扣式感測器 200N
6:鈕扣式感測器 1000N</translation>
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
        <translation>&lt;虛擬感測器&gt;</translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation>模組 %1</translation>
    </message>
</context>
<context>
    <name>SRecordCheck</name>
    <message>
        <source>The file is empty.</source>
        <translation>檔案是空的。</translation>
    </message>
    <message>
        <source>Records follow the termination record.</source>
        <translation>結束記錄之後仍有其他記錄。</translation>
    </message>
    <message>
        <source>The file holds no data record (S1, S2 or S3).</source>
        <translation>檔案中沒有資料記錄（S1、S2 或 S3）。</translation>
    </message>
    <message>
        <source>The file does not end with a termination record (S7, S8 or S9): it may be cut short.</source>
        <translation>檔案結尾沒有結束記錄（S7、S8 或 S9）：檔案可能不完整。</translation>
    </message>
    <message>
        <source>The line is longer than any S-record.</source>
        <translation>此行長度超過任何 S-record。</translation>
    </message>
    <message>
        <source>The line is not an S-record.</source>
        <translation>此行不是 S-record。</translation>
    </message>
    <message>
        <source>S4 is a reserved record type.</source>
        <translation>S4 是保留的記錄類型。</translation>
    </message>
    <message>
        <source>The byte count is not a hexadecimal number.</source>
        <translation>位元組數不是十六進位數字。</translation>
    </message>
    <message>
        <source>The byte count says %1 bytes, the line holds %2 characters after it.</source>
        <translation>位元組數為 %1 位元組，但其後有 %2 個字元。</translation>
    </message>
    <message>
        <source>The record is too short for its address and checksum.</source>
        <translation>記錄太短，無法容納位址與檢查碼。</translation>
    </message>
    <message>
        <source>The termination record carries data.</source>
        <translation>結束記錄中含有資料。</translation>
    </message>
    <message>
        <source>The record holds a character that is not hexadecimal.</source>
        <translation>記錄中含有非十六進位字元。</translation>
    </message>
    <message>
        <source>The checksum is %1, the record&apos;s bytes give %2.</source>
        <translation>檢查碼為 %1，但依記錄位元組計算為 %2。</translation>
    </message>
</context>
<context>
    <name>SlopeEditorWidget</name>
    <message>
        <source>Slope Monitoring</source>
        <translation>斜率監控</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>數值：</translation>
    </message>
</context>
<context>
    <name>SystemConfigReader</name>
    <message>
        <source>Reading Configuration from BU</source>
        <translation>正在從設備讀取設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TSecEditorWidget</name>
    <message>
        <source>Point Monitoring</source>
        <translation>定點監控</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>數值：</translation>
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
        <translation>峰值時間監控</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
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
        <translation>界限值</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Shot (oldest to newest)</source>
        <translation>射出 (由舊到新)</translation>
    </message>
</context>
<context>
    <name>TrendCsv</name>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
</context>
<context>
    <name>TrendItems</name>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
    </message>
    <message>
        <source>Time at peak</source>
        <translation>峰值時間</translation>
    </message>
    <message>
        <source>Value at point</source>
        <translation>定點值</translation>
    </message>
    <message>
        <source>Peak over eject</source>
        <translation>頂出區間峰值</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>積分</translation>
    </message>
    <message>
        <source>Integral to peak</source>
        <translation>至峰值積分</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>斜率</translation>
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
        <translation>正在讀取射出記錄...</translation>
    </message>
    <message>
        <source>No shot log of the settings &quot;%1&quot; in %2.</source>
        <translation>%2 中沒有設定「%1」的射出記錄。</translation>
    </message>
    <message>
        <source>Skipped: %1 damaged lines, %2 shots without this channel.</source>
        <translation>已略過: 損壞行 %1,無此通道的射出 %2。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>無法讀取 %1。</translation>
    </message>
    <message>
        <source>Shot %1, %2, %3</source>
        <translation>射出 %1,%2,%3</translation>
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
        <translation>匯出圖表</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 影像 (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>無法寫入 %1。</translation>
    </message>
    <message>
        <source>Export Values</source>
        <translation>匯出數值</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>無法寫入 %1: %2</translation>
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
        <translation>至</translation>
    </message>
</context>
<context>
    <name>ValueRangeEditorWidget</name>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>數值：</translation>
    </message>
</context>
<context>
    <name>ZoneEditorWidget</name>
    <message>
        <source>Monitoring Zone</source>
        <translation>監控區間</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>積分</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>方式：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>數值：</translation>
    </message>
</context>
<context>
    <name>adminWindow</name>
    <message>
        <source>Administration</source>
        <translation>系統管理</translation>
    </message>
    <message>
        <source>Measuring Equipment</source>
        <translation>量測設備</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 位址：</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>成型機序列埠</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>資料</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>儲存位置：</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Rotate Data File at</source>
        <translation>資料檔切換時刻</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Savedata Type</source>
        <translation>儲存資料類型</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日誌</translation>
    </message>
    <message>
        <source>Alarm Wave</source>
        <translation>警報波形</translation>
    </message>
    <message>
        <source>All Wave</source>
        <translation>全部波形</translation>
    </message>
    <message>
        <source>Publish Shot Results (MQTT)</source>
        <translation>發佈射出結果 (MQTT)</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>代理伺服器:</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Verify the broker&apos;s certificate</source>
        <translation>驗證代理伺服器的憑證</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA 檔案:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼:</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>主題前綴:</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>站名:</translation>
    </message>
</context>
<context>
    <name>channelSettingsWidget</name>
    <message>
        <source>In Use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>不使用</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;未命名&gt;</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>靈敏度：</translation>
    </message>
    <message>
        <source>00000A</source>
        <translation>00000A</translation>
    </message>
    <message>
        <source>Apply to All Channels of the Module</source>
        <translation>套用至本模組所有通道</translation>
    </message>
    <message>
        <source>zone1</source>
        <translation>區間 1</translation>
    </message>
    <message>
        <source>zone2</source>
        <translation>區間 2</translation>
    </message>
    <message>
        <source>tsec</source>
        <translation>定點監控</translation>
    </message>
    <message>
        <source>peaktime</source>
        <translation>峰值時間監控</translation>
    </message>
    <message>
        <source>peak integral</source>
        <translation>積分</translation>
    </message>
    <message>
        <source>interal</source>
        <translation>至峰值積分</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>頂出監控</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>斜率</translation>
    </message>
    <message>
        <source>Waveform Monitoring</source>
        <translation>波形監控</translation>
    </message>
    <message>
        <source>Monitor with reference waveform</source>
        <translation>以基準波形監控</translation>
    </message>
    <message>
        <source>Edit Waveform</source>
        <translation>編輯波形</translation>
    </message>
    <message>
        <source>Suggest limits</source>
        <translation>建議界限值</translation>
    </message>
</context>
<context>
    <name>dataViewerWindow</name>
    <message>
        <source>Data Viewer/Reference Data Editor</source>
        <translation>資料檢視/監控波形編輯</translation>
    </message>
    <message>
        <source> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</source>
        <translation> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>通道：</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>檔案清單</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Smoothing Level:</source>
        <translation>平滑化等級：</translation>
    </message>
    <message>
        <source>Save Average as Reference</source>
        <translation>將平均存為基準波形</translation>
    </message>
    <message>
        <source>Monitoring Waveform Range</source>
        <translation>監控波形時間範圍</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>從：</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>至：</translation>
    </message>
    <message>
        <source>Upper Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Sigma:</source>
        <translation>σ：</translation>
    </message>
    <message>
        <source>Minimum Offset:</source>
        <translation>最小偏移量：</translation>
    </message>
    <message>
        <source>Time Allowance:</source>
        <translation>時間容差：</translation>
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
        <translation>最小偏移量：</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>開啟資料檔</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入監控波形</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存監控波形</translation>
    </message>
    <message>
        <source>Overwrite save</source>
        <translation>覆蓋儲存</translation>
    </message>
    <message>
        <source>Send to BU</source>
        <translation>傳送至設備</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>匯出圖表</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
</context>
<context>
    <name>displaySettingsDialog</name>
    <message>
        <source>Display Settings</source>
        <translation>顯示設定</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>疊圖</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Clear overwrite when its count reaches max</source>
        <translation>疊圖次數達上限時全部清除</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度：</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>格線</translation>
    </message>
    <message>
        <source>Reference Waveform</source>
        <translation>基準波形</translation>
    </message>
    <message>
        <source>Peak Time Monitoring Range</source>
        <translation>峰值時間監控範圍</translation>
    </message>
    <message>
        <source>Pressure Display</source>
        <translation>壓力顯示</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>滿刻度：</translation>
    </message>
</context>
<context>
    <name>ioTestDialog</name>
    <message>
        <source>Input</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>BU Port Test</source>
        <translation>設備埠測試</translation>
    </message>
</context>
<context>
    <name>limitSuggestionDialog</name>
    <message>
        <source>Suggest Limits</source>
        <translation>建議界限值</translation>
    </message>
    <message>
        <source>Mean ± k σ, k:</source>
        <translation>平均 ± k σ,k:</translation>
    </message>
    <message>
        <source>Last OK shots, N:</source>
        <translation>最近 OK 射出數 N:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>目前</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>射出</translation>
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
        <translation>Cavo 監控系統</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>警報</translation>
    </message>
    <message>
        <source>Shot#:</source>
        <translation>模次：</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK shot:</source>
        <translation>OK 模次：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>NG shot:</source>
        <translation>NG 模次：</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>監控模式</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>維護模式</translation>
    </message>
    <message>
        <source>ZERO RESET</source>
        <translation>歸零</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>LOAD REFERENCE</source>
        <translation>載入基準波形</translation>
    </message>
    <message>
        <source>DATA VIEWER</source>
        <translation>波形編輯</translation>
    </message>
    <message>
        <source>ABORT SHOT</source>
        <translation>中止模次</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>除錯</translation>
    </message>
    <message>
        <source>Debug2</source>
        <translation>除錯2</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>磁碟空間</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Open Mold File...</source>
        <translation>開啟設定檔...</translation>
    </message>
    <message>
        <source>Open Referece Data File...</source>
        <translation>載入基準波形...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>About CVO...</source>
        <translation>軟體版本...</translation>
    </message>
    <message>
        <source>I/O Test...</source>
        <translation>I/O 測試...</translation>
    </message>
    <message>
        <source>Sync BU Clock</source>
        <translation>同步設備時鐘</translation>
    </message>
    <message>
        <source>Synchronize BU clock with host</source>
        <translation>將設備時鐘與本電腦同步</translation>
    </message>
    <message>
        <source>Display Settings...</source>
        <translation>顯示設定...</translation>
    </message>
    <message>
        <source>Plot display settings</source>
        <translation>波形圖顯示設定</translation>
    </message>
    <message>
        <source>Administration...</source>
        <translation>系統管理...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>更新韌體...</translation>
    </message>
    <message>
        <source>Update the firmware of the device</source>
        <translation>更新設備的韌體</translation>
    </message>
    <message>
        <source>Mold Machine...</source>
        <translation>成型機設定...</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Set application interface language English</source>
        <translation>使用英文作為介面語言</translation>
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
        <translation>檢視</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark (High Contrast)</source>
        <translation>深色（高對比）</translation>
    </message>
    <message>
        <source>Dark high-contrast colours for dim halls</source>
        <translation>適合昏暗廠房的高對比深色配色</translation>
    </message>
    <message>
        <source>TRENDS</source>
        <translation>趨勢</translation>
    </message>
    <message>
        <source>Export Plot...</source>
        <translation>匯出圖表...</translation>
    </message>
</context>
<context>
    <name>moduleSettingsWidget</name>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Module Name:</source>
        <translation>模組名稱：</translation>
    </message>
    <message>
        <source>KRT24 Specific Configuration</source>
        <translation>KRT24 專用設定</translation>
    </message>
    <message>
        <source>Connect pseudo-resister to channel 4 &amp;&amp; 8</source>
        <translation>通道 4 &amp;&amp; 8 連接虛擬感測器</translation>
    </message>
    <message>
        <source>Disable D/A Output</source>
        <translation>停用 D/A 輸出</translation>
    </message>
    <message>
        <source>ZRB Specific Configuration</source>
        <translation>ZRB 設定</translation>
    </message>
    <message>
        <source>Mold temperature compensation</source>
        <translation>模溫補償</translation>
    </message>
    <message>
        <source>celsius</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>ZRB-TC310 Alert Temperature:</source>
        <translation>ZRB-TC310 警報溫度：</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
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
        <translation>從設備讀取</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開啟...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存新檔...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>moldMachineSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>成型機設定</translation>
    </message>
</context>
<context>
    <name>settingsChooserDialog</name>
    <message>
        <source>Choose Settings</source>
        <translation>選擇設定</translation>
    </message>
    <message>
        <source>The settings of the equipment named below are different from the one saved on this PC.</source>
        <translation>以下名稱的設定在設備與本電腦之間不一致。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Default_Settings.xml</translation>
    </message>
    <message>
        <source>Please choose either to overwrite the equipment with the settings on the PC, or to overwrite the file on the PC with the settings of the equipment.</source>
        <translation>請選擇要以哪一方的設定覆寫另一方。</translation>
    </message>
    <message>
        <source>Overwrite Equipment</source>
        <translation>覆寫設備</translation>
    </message>
    <message>
        <source>Overwrite File</source>
        <translation>覆寫檔案</translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Measurement Settings</source>
        <translation>量測設定</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>觀測時間：</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>取樣間隔：</translation>
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
        <translation>啟動觸發</translation>
    </message>
    <message>
        <source>Edge:</source>
        <translation>觸發緣：</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上升</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下降</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延遲：</translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation>警報設定</translation>
    </message>
    <message>
        <source>Use Alarm</source>
        <translation>啟用警報</translation>
    </message>
    <message>
        <source>Clear By Trigger</source>
        <translation>觸發時清除</translation>
    </message>
    <message>
        <source>Clear Alarm By Timer</source>
        <translation>計時清除</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Alarm Out Port</source>
        <translation>警報輸出埠</translation>
    </message>
    <message>
        <source>Watch1</source>
        <translation>區間 1</translation>
    </message>
    <message>
        <source>Alarm(OUT1)</source>
        <translation>OUT1 警報</translation>
    </message>
    <message>
        <source>External Control(OUT3)</source>
        <translation>OUT3 外部控制</translation>
    </message>
    <message>
        <source>Watch2</source>
        <translation>區間 2</translation>
    </message>
</context>
<context>
    <name>trendsWindow</name>
    <message>
        <source>Trends</source>
        <translation>趨勢</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>通道:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>項目:</translation>
    </message>
    <message>
        <source>Last shots</source>
        <translation>最近射出</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新載入</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>射出數:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>平均:</translation>
    </message>
    <message>
        <source>σ (sample):</source>
        <translation>σ (樣本):</translation>
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
        <translation>匯出 PNG...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>匯出 CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
