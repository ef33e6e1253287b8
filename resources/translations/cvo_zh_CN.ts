<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About CVO</source>
        <translation>关于 CVO</translation>
    </message>
    <message>
        <source>System Version

CVO Manager  : </source>
        <translation>系统版本

CVO Manager :  </translation>
    </message>
</context>
<context>
    <name>AdminWindow</name>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The folder is not writable.
Please specify another folder.</source>
        <translation>该文件夹不可写入。</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存错误</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>无法将设置保存到“%1”。</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>更改配置</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>必须重新启动应用程序才能使更改生效。
请单击 OK 退出应用程序。</translation>
    </message>
    <message>
        <source>Select CA File</source>
        <translation>选择 CA 文件</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>证书 (*.pem *.crt);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Choose plot color for channel %1</source>
        <translation>选择通道 %1 的曲线颜色</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>积分</translation>
    </message>
</context>
<context>
    <name>ChannelSettingsWidget</name>
    <message>
        <source>Monitoring Zone 1</source>
        <translation>监控区域 1</translation>
    </message>
    <message>
        <source>Monitoring Zone 2</source>
        <translation>监控区域 2</translation>
    </message>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>峰值时间监控</translation>
    </message>
    <message>
        <source>Integral Monitoring</source>
        <translation>积分监控</translation>
    </message>
    <message>
        <source>Integral to Peak Monitoring</source>
        <translation>至峰值积分监控</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>顶出监控</translation>
    </message>
    <message>
        <source>Point Monitoring</source>
        <translation>定点监控</translation>
    </message>
    <message>
        <source>Slope Monitoring</source>
        <translation>斜率监控</translation>
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
        <translation>保存的值超出允许范围，显示值已被限制。在您修改之前，原值保持不变。</translation>
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
        <translation>没有显示任何数据文件：不显示平均值和上下限。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>When the waveform monitoring please send monitoring waveform data.</source>
        <translation>进行波形监控时，请发送监控波形数据。</translation>
    </message>
    <message>
        <source>Open Wave Data File</source>
        <translation>打开数据文件</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVO 数据文件(*.csv)</translation>
    </message>
    <message>
        <source>Select Wave Data File</source>
        <translation>选择波形数据文件</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>打开错误</translation>
    </message>
    <message>
        <source>Too many files.
35 or less.</source>
        <translation>文件过多。
最多 35 个。</translation>
    </message>
    <message>
        <source>Reading Data File...</source>
        <translation>正在读取数据文件...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>无法打开文件。
请检查是否具有读取权限。</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>文件格式错误</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Data file.</source>
        <translation>文件“%1”不是 CVO 数据文件。
</translation>
    </message>
    <message>
        <source>Settings Mismatch Error</source>
        <translation>设置不一致错误</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; has different mold settings.</source>
        <translation>文件“%1”的设置不同。</translation>
    </message>
    <message>
        <source>Not the length of the first file (the statistics use the first file&apos;s length): %1</source>
        <translation>与第一个文件的长度不同（统计使用第一个文件的长度）：%1</translation>
    </message>
    <message>
        <source>Calculating average and standard deviation...</source>
        <translation>正在分析数据...</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存错误</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>无法写入文件。
请检查目录或文件的权限。</translation>
    </message>
    <message>
        <source>Save Monitoring Waveform File</source>
        <translation>保存监控波形文件</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to save.</source>
        <translation>请指定要保存的监控波形文件名。</translation>
    </message>
    <message>
        <source>CVO Monitoring Waveform File(*.wavcsv)</source>
        <translation>CVO 监控波形文件(*.wavcsv)</translation>
    </message>
    <message>
        <source>Monitoring waveform file has been successfully save.</source>
        <translation>监控波形文件已成功保存。</translation>
    </message>
    <message>
        <source>Save Average Data File</source>
        <translation>将平均值保存为数据文件</translation>
    </message>
    <message>
        <source>Specify a average file name to save.</source>
        <translation>请指定要保存的平均值文件名。</translation>
    </message>
    <message>
        <source>Open Monitoring Waveform File</source>
        <translation>打开监控波形文件</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to open.</source>
        <translation>请指定要打开的监控波形文件名。</translation>
    </message>
    <message>
        <source>Reading Monitoring Waveform File...</source>
        <translation>正在读取监控波形文件...</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Monitoring Waveform Data file.</source>
        <translation>文件“%1”不是 CVO 监控波形数据文件。</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>通信失败</translation>
    </message>
    <message>
        <source>Unable to connect to BU.
Please check the connection.</source>
        <translation>无法连接到设备。
请检查连接。</translation>
    </message>
    <message>
        <source>Sending Monitoring Waveform...</source>
        <translation>正在发送监控波形...</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>无法与设备通信。
请检查连接。</translation>
    </message>
    <message>
        <source>Send Monitoring Waveform</source>
        <translation>发送监控波形</translation>
    </message>
    <message>
        <source>No monitoring waveform covers the range of these channels, so they were not sent:
%1</source>
        <translation>以下通道的范围内没有监控波形，因此未发送：
%1</translation>
    </message>
    <message>
        <source>Monitoring waveform data has been successfully sent.</source>
        <translation>监控波形数据已成功发送。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>No data file is shown.</source>
        <translation>没有显示中的数据文件。</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWindow</name>
    <message>
        <source>Save Error</source>
        <translation>保存错误</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>无法将设置保存到“%1”。</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>No data folder to record into.</source>
        <translation>没有用于记录的数据文件夹。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Shot lost: the recorder fell behind.</source>
        <translation>模次丢失：记录处理跟不上。</translation>
    </message>
    <message>
        <source>Cannot record the shot.</source>
        <translation>无法记录该模次。</translation>
    </message>
    <message>
        <source>CVO Manager started.</source>
        <translation>CVO Manager 已启动。</translation>
    </message>
    <message>
        <source>System configuration modified.</source>
        <translation>系统配置已修改。</translation>
    </message>
    <message>
        <source>New file generated.</source>
        <translation>已生成新文件。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWindow</name>
    <message>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>Firmware File:</source>
        <translation>固件文件：</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>更新固件</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Firmware File(*.mot)</source>
        <translation>固件文件(*.mot)</translation>
    </message>
    <message>
        <source>Select Firmware File</source>
        <translation>选择固件文件</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>打开错误</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>无法打开文件。
请检查是否具有读取权限。</translation>
    </message>
    <message>
        <source>The file is larger than any firmware image (%1 MiB at most).</source>
        <translation>文件大小超过固件映像的上限（最大 %1 MiB）。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>文件格式错误</translation>
    </message>
    <message>
        <source>This is not a valid firmware file (Motorola S-records), so nothing was sent to BU.
%1</source>
        <translation>这不是有效的固件文件（Motorola S-record 格式），因此未向设备发送任何内容。
%1</translation>
    </message>
    <message>
        <source>Firmware update succeeded.</source>
        <translation>固件更新成功。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Firmware update failed.</source>
        <translation>固件更新失败。</translation>
    </message>
</context>
<context>
    <name>GLPlotArea</name>
    <message>
        <source>Time:%1s
</source>
        <translation>时间：%1s
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
        <translation>单通道缩放工具</translation>
    </message>
    <message>
        <source>All channel zoom tool</source>
        <translation>全通道缩放工具</translation>
    </message>
    <message>
        <source>Cursor tool</source>
        <translation>光标工具</translation>
    </message>
    <message>
        <source>Integral cursor tool</source>
        <translation>积分光标工具</translation>
    </message>
    <message>
        <source>Monitoring zone edit tool</source>
        <translation>监控区域编辑工具</translation>
    </message>
    <message>
        <source>Point monitoring edit tool</source>
        <translation>定点监控编辑工具</translation>
    </message>
    <message>
        <source>Range edit tool</source>
        <translation>范围编辑工具</translation>
    </message>
    <message>
        <source>Monitoring waveform edit tool</source>
        <translation>监控波形编辑工具</translation>
    </message>
    <message>
        <source>Zoom out to full scale</source>
        <translation>缩小至满量程</translation>
    </message>
    <message>
        <source>Zoom out horizontally to full scale</source>
        <translation>水平缩小至满量程</translation>
    </message>
    <message>
        <source>Zoom in current channel verticallly to fit</source>
        <translation>当前通道垂直缩放至适合</translation>
    </message>
    <message>
        <source>Zoom in all channel vertically to fit</source>
        <translation>全部通道垂直缩放至适合</translation>
    </message>
    <message>
        <source>Show/Hide Overwrite</source>
        <translation>显示/隐藏叠加曲线</translation>
    </message>
    <message>
        <source>Show/Hide Monitoring zone</source>
        <translation>显示/隐藏监控区域</translation>
    </message>
    <message>
        <source>Show/Hide Point monitoring zone</source>
        <translation>显示/隐藏定点监控区域</translation>
    </message>
    <message>
        <source>Show/Hide Reference waveform</source>
        <translation>显示/隐藏模板波形</translation>
    </message>
    <message>
        <source>Show/Hide monitoring waveform</source>
        <translation>显示/隐藏监控波形</translation>
    </message>
    <message>
        <source>PERIOD: %1s</source>
        <translation>时间跨度: %1s</translation>
    </message>
    <message>
        <source>  SAMPLING RATE: %1ms</source>
        <translation>  采样间隔: %1ms</translation>
    </message>
    <message>
        <source>  REFERENCE:N/A</source>
        <translation>  模板: 无</translation>
    </message>
    <message>
        <source>  REFERENCE:</source>
        <translation>  模板: </translation>
    </message>
    <message>
        <source>  MOLD:N/A</source>
        <translation>  设置: 无</translation>
    </message>
    <message>
        <source>  MOLD:</source>
        <translation>  设置: </translation>
    </message>
</context>
<context>
    <name>IOTestDialog</name>
    <message>
        <source>Communication Failure</source>
        <translation>通信失败</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>无法与设备通信。
请检查连接。</translation>
    </message>
</context>
<context>
    <name>LimitSuggestionDialog</name>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Reading the shot logs...</source>
        <translation>正在读取射出记录...</translation>
    </message>
    <message>
        <source>too few shots</source>
        <translation>射出数不足</translation>
    </message>
    <message>
        <source> (clipped to the settable range)</source>
        <translation> (已限制在可设定范围内)</translation>
    </message>
    <message>
        <source>Shots used: %1 OK shots of the current settings (%2).</source>
        <translation>使用的射出: 当前设定的 OK 射出 %1 次 (%2)。</translation>
    </message>
    <message>
        <source>Only %1 OK shots of the current settings in the shot logs: at least %2 are needed.</source>
        <translation>射出记录中当前设定的 OK 射出只有 %1 次: 至少需要 %2 次。</translation>
    </message>
    <message>
        <source>Fewer OK shots than asked for: %1 used.</source>
        <translation>OK 射出少于指定数: 使用了 %1 次。</translation>
    </message>
    <message>
        <source>%1 damaged lines skipped.</source>
        <translation>已跳过 %1 行损坏的数据。</translation>
    </message>
    <message>
        <source>No enabled item of this channel can be suggested.</source>
        <translation>此通道没有可建议的已启用项目。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Mmc</source>
        <translation>注塑机</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Destination folder is not writable.
Data will be saved to &quot;%1&quot;.</source>
        <translation>目标文件夹不可写入。
数据将保存到“%1”。</translation>
    </message>
    <message>
        <source>Destination folder is missing.
Data will be saved to &quot;%1&quot;.</source>
        <translation>目标文件夹不存在。
数据将保存到“%1”。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>WDT:%1</source>
        <translation>WDT:%1</translation>
    </message>
    <message>
        <source>BU Reset Detected</source>
        <translation>检测到设备复位</translation>
    </message>
    <message>
        <source>Configuration will be re-read from BU.</source>
        <translation>将从设备重新读取配置。</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>更改配置</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>必须重新启动应用程序才能使更改生效。
请单击 OK 退出应用程序。</translation>
    </message>
    <message>
        <source>Out of version</source>
        <translation>版本过旧</translation>
    </message>
    <message>
        <source>Please update the version of firmware application to the latest version.</source>
        <translation>请将固件程序更新到最新版本。</translation>
    </message>
    <message>
        <source>Please update the version of this measurement application to the latest version.</source>
        <translation>请将本测量软件更新到最新版本。</translation>
    </message>
    <message>
        <source>Can not connect to BU Control port</source>
        <translation>无法连接到设备的控制端口</translation>
    </message>
    <message>
        <source>Please check the connection and BU is powered up.
When BU is ready, please re-launch this application.
You can only use waveform editor function if BU is not ready.</source>
        <translation>请检查连接，并确认设备已通电。
设备就绪后，请重新启动本应用程序。</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>监控模式</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>维护模式</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>正在记录</translation>
    </message>
    <message>
        <source>Open Reference Wave Data File</source>
        <translation>打开模板文件</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVO 数据文件(*.csv)</translation>
    </message>
    <message>
        <source>USB Port Open Error</source>
        <translation>USB 端口打开错误</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check the connection.</source>
        <translation>无法打开 USB 端口。
请检查连接。</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>打开错误</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>无法打开模板文件。
请检查是否具有读取权限。</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>文件格式错误</translation>
    </message>
    <message>
        <source>This is not CVO Data file.
</source>
        <translation>该文件似乎不是 CVO 数据文件。</translation>
    </message>
    <message>
        <source>Save Stopped</source>
        <translation>空间不足：已停止保存</translation>
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
        <translation>正在发送设置...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>通信失败</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>无法与设备通信。
请检查连接。</translation>
    </message>
    <message>
        <source>BU Clock Sync</source>
        <translation>设备时钟同步</translation>
    </message>
    <message>
        <source>BU clock successfully synchronized.</source>
        <translation>设备时钟已成功与本电脑同步。</translation>
    </message>
    <message>
        <source>BU clock synchronization failed.</source>
        <translation>时钟同步失败。</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>MQTT (%1 queued)</source>
        <translation>MQTT (待发 %1)</translation>
    </message>
</context>
<context>
    <name>MoldConfigWindow</name>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
</context>
<context>
    <name>MoldFileController</name>
    <message>
        <source>Open Error</source>
        <translation>打开错误</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>无法打开文件。
请检查是否具有读取权限。</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>文件错误</translation>
    </message>
    <message>
        <source>This file does not seem to be valid.
</source>
        <translation>该文件似乎无效。
</translation>
    </message>
    <message>
        <source>This file seems to be corrupted.
</source>
        <translation>该文件似乎已损坏。
</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存错误</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>无法写入文件。
请检查目录或文件的权限。</translation>
    </message>
    <message>
        <source>Open Mold Configuration File</source>
        <translation>打开设置文件</translation>
    </message>
    <message>
        <source>Select Mold Configuration File</source>
        <translation>选择设置文件</translation>
    </message>
    <message>
        <source>Save Mold Configuration File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <source>Specify a file name to save.</source>
        <translation>请指定要保存的文件名。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Settings file name must be 16 characters or less.</source>
        <translation>设置文件名不得超过 16 个字符。</translation>
    </message>
    <message>
        <source>Mold Configuration File(*.xml)</source>
        <translation>设置文件(*.xml)</translation>
    </message>
</context>
<context>
    <name>MoldMachineSettingsDialog</name>
    <message>
        <source>Save Error</source>
        <translation>保存错误</translation>
    </message>
    <message>
        <source>Can not save the file.
%1</source>
        <translation>无法保存文件。
%1</translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message>
        <source>The publish queue &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开发送队列“%1”: %2</translation>
    </message>
    <message>
        <source>No answer from the broker</source>
        <translation>代理服务器没有响应</translation>
    </message>
    <message>
        <source>The broker closed the connection</source>
        <translation>代理服务器已关闭连接</translation>
    </message>
    <message>
        <source>The MQTT client could not be created</source>
        <translation>无法创建 MQTT 客户端</translation>
    </message>
    <message>
        <source>TLS cannot be set up with &quot;%1&quot;: %2</source>
        <translation>无法用“%1”设置 TLS: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2</source>
        <translation>正在连接 %1:%2</translation>
    </message>
    <message>
        <source>Broker %1:%2 not reachable: %3</source>
        <translation>无法连接代理服务器 %1:%2: %3</translation>
    </message>
    <message>
        <source>Connected to %1:%2</source>
        <translation>已连接 %1:%2</translation>
    </message>
    <message>
        <source>Broker %1:%2 refused the connection: %3</source>
        <translation>代理服务器 %1:%2 拒绝连接: %3</translation>
    </message>
</context>
<context>
    <name>PlotExport</name>
    <message>
        <source>The plot could not be written to &quot;%1&quot;.</source>
        <translation>无法将图表写入“%1”。</translation>
    </message>
</context>
<context>
    <name>PlotExportPrompt</name>
    <message>
        <source>Export Plot</source>
        <translation>导出图表</translation>
    </message>
    <message>
        <source>PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>PNG 图像 (*.png);;PDF 文档 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PressureSensorWidget</name>
    <message>
        <source>Channel Settings</source>
        <translation>通道与传感器设置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>通道名称</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>传感器灵敏度</translation>
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
        <translation>宽度[mm]</translation>
    </message>
    <message>
        <source>height[mm]</source>
        <translation>高度[mm]</translation>
    </message>
    <message>
        <source>Area[sqmm]</source>
        <translation>面积[sqmm]</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆形</translation>
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
        <translation>1:100MPa 传感器
2:200MPa 传感器
4:纽扣式传感器 50N
5:纽扣式传感器 200N
6:纽扣式传感器 1000N
7:纽扣式传感器（高温 200℃）50N
8:纽扣式传感器（高温 200℃）200N
9:纽扣式传感器（高温 200℃）1000N
A:纽扣式传感器（高温 200℃）4kN
B:纽扣式传感器（高温 200℃）16kN</translation>
    </message>
    <message>
        <source>SensorSpec</source>
        <translation>1:100MPa 传感器
2:200MPa 传感器
4:纽扣式传感器 50N
5:纽扣式传感器 200N
6:纽扣式传感器 1000N</translation>
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
        <translation>&lt;虚拟传感器&gt;</translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation>模块 %1</translation>
    </message>
</context>
<context>
    <name>SRecordCheck</name>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>Records follow the termination record.</source>
        <translation>结束记录之后仍有记录。</translation>
    </message>
    <message>
        <source>The file holds no data record (S1, S2 or S3).</source>
        <translation>文件中没有数据记录（S1、S2 或 S3）。</translation>
    </message>
    <message>
        <source>The file does not end with a termination record (S7, S8 or S9): it may be cut short.</source>
        <translation>文件未以结束记录（S7、S8 或 S9）结尾：文件可能不完整。</translation>
    </message>
    <message>
        <source>The line is longer than any S-record.</source>
        <translation>该行超过了 S-record 的最大长度。</translation>
    </message>
    <message>
        <source>The line is not an S-record.</source>
        <translation>该行不是 S-record。</translation>
    </message>
    <message>
        <source>S4 is a reserved record type.</source>
        <translation>S4 是保留的记录类型。</translation>
    </message>
    <message>
        <source>The byte count is not a hexadecimal number.</source>
        <translation>字节数不是十六进制数。</translation>
    </message>
    <message>
        <source>The byte count says %1 bytes, the line holds %2 characters after it.</source>
        <translation>字节数为 %1 字节，但该行其后有 %2 个字符。</translation>
    </message>
    <message>
        <source>The record is too short for its address and checksum.</source>
        <translation>记录太短，无法容纳地址和校验和。</translation>
    </message>
    <message>
        <source>The termination record carries data.</source>
        <translation>结束记录中含有数据。</translation>
    </message>
    <message>
        <source>The record holds a character that is not hexadecimal.</source>
        <translation>记录中含有非十六进制字符。</translation>
    </message>
    <message>
        <source>The checksum is %1, the record&apos;s bytes give %2.</source>
        <translation>校验和为 %1，但按记录字节计算为 %2。</translation>
    </message>
</context>
<context>
    <name>SlopeEditorWidget</name>
    <message>
        <source>Slope Monitoring</source>
        <translation>斜率监控</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
    </message>
</context>
<context>
    <name>SystemConfigReader</name>
    <message>
        <source>Reading Configuration from BU</source>
        <translation>正在从设备读取配置</translation>
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
        <translation>定点监控</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
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
        <translation>峰值时间监控</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
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
        <translation>射出 (由旧到新)</translation>
    </message>
</context>
<context>
    <name>TrendCsv</name>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
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
        <translation>峰值时间</translation>
    </message>
    <message>
        <source>Value at point</source>
        <translation>定点值</translation>
    </message>
    <message>
        <source>Peak over eject</source>
        <translation>顶出区间峰值</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>积分</translation>
    </message>
    <message>
        <source>Integral to peak</source>
        <translation>至峰值积分</translation>
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
        <translation>正在读取射出记录...</translation>
    </message>
    <message>
        <source>No shot log of the settings &quot;%1&quot; in %2.</source>
        <translation>%2 中没有设定“%1”的射出记录。</translation>
    </message>
    <message>
        <source>Skipped: %1 damaged lines, %2 shots without this channel.</source>
        <translation>已跳过: 损坏行 %1,无此通道的射出 %2。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>无法读取 %1。</translation>
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
        <translation>导出图表</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Export Values</source>
        <translation>导出数值</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1: %2</translation>
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
        <translation>标题</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
    </message>
</context>
<context>
    <name>ZoneEditorWidget</name>
    <message>
        <source>Monitoring Zone</source>
        <translation>监控区域</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>方式：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
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
        <translation>测量设备</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 地址：</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>注塑机串口</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>保存位置：</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Rotate Data File at</source>
        <translation>数据文件切换时间</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Savedata Type</source>
        <translation>保存数据类型</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Alarm Wave</source>
        <translation>报警波形</translation>
    </message>
    <message>
        <source>All Wave</source>
        <translation>全部波形</translation>
    </message>
    <message>
        <source>Publish Shot Results (MQTT)</source>
        <translation>发布注射结果 (MQTT)</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>代理服务器:</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Verify the broker&apos;s certificate</source>
        <translation>验证代理服务器的证书</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA 文件:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>用户:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码:</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>主题前缀:</translation>
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
        <translation>使用</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>不使用</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;未命名&gt;</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>灵敏度：</translation>
    </message>
    <message>
        <source>00000A</source>
        <translation>00000A</translation>
    </message>
    <message>
        <source>Apply to All Channels of the Module</source>
        <translation>应用到该模块的所有通道</translation>
    </message>
    <message>
        <source>zone1</source>
        <translation>区域 1</translation>
    </message>
    <message>
        <source>zone2</source>
        <translation>区域 2</translation>
    </message>
    <message>
        <source>tsec</source>
        <translation>定点监控</translation>
    </message>
    <message>
        <source>peaktime</source>
        <translation>峰值时间监控</translation>
    </message>
    <message>
        <source>peak integral</source>
        <translation>积分</translation>
    </message>
    <message>
        <source>interal</source>
        <translation>至峰值积分</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>顶出监控</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>斜率</translation>
    </message>
    <message>
        <source>Waveform Monitoring</source>
        <translation>波形监控</translation>
    </message>
    <message>
        <source>Monitor with reference waveform</source>
        <translation>使用模板波形监控</translation>
    </message>
    <message>
        <source>Edit Waveform</source>
        <translation>编辑波形</translation>
    </message>
    <message>
        <source>Suggest limits</source>
        <translation>建议界限值</translation>
    </message>
</context>
<context>
    <name>dataViewerWindow</name>
    <message>
        <source>Data Viewer/Reference Data Editor</source>
        <translation>数据查看/监控波形编辑</translation>
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
        <translation>文件列表</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Smoothing Level:</source>
        <translation>平滑等级：</translation>
    </message>
    <message>
        <source>Save Average as Reference</source>
        <translation>将平均值保存为模板</translation>
    </message>
    <message>
        <source>Monitoring Waveform Range</source>
        <translation>监控波形时间范围</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>起始：</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>结束：</translation>
    </message>
    <message>
        <source>Upper Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Sigma:</source>
        <translation>Sigma：</translation>
    </message>
    <message>
        <source>Minimum Offset:</source>
        <translation>最小偏移：</translation>
    </message>
    <message>
        <source>Time Allowance:</source>
        <translation>时间容差：</translation>
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
        <translation>最小偏移：</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>打开数据文件</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载监控波形</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存监控波形</translation>
    </message>
    <message>
        <source>Overwrite save</source>
        <translation>覆盖保存</translation>
    </message>
    <message>
        <source>Send to BU</source>
        <translation>发送到设备</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>导出图表</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
</context>
<context>
    <name>displaySettingsDialog</name>
    <message>
        <source>Display Settings</source>
        <translation>显示设置</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>叠加显示</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Clear overwrite when its count reaches max</source>
        <translation>叠加次数达到上限时清除全部叠加曲线</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度：</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Reference Waveform</source>
        <translation>模板波形</translation>
    </message>
    <message>
        <source>Peak Time Monitoring Range</source>
        <translation>峰值时间监控范围</translation>
    </message>
    <message>
        <source>Pressure Display</source>
        <translation>压力显示</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>满量程：</translation>
    </message>
</context>
<context>
    <name>ioTestDialog</name>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>BU Port Test</source>
        <translation>设备端口测试</translation>
    </message>
</context>
<context>
    <name>limitSuggestionDialog</name>
    <message>
        <source>Suggest Limits</source>
        <translation>建议界限值</translation>
    </message>
    <message>
        <source>Mean ± k σ, k:</source>
        <translation>平均 ± k σ,k:</translation>
    </message>
    <message>
        <source>Last OK shots, N:</source>
        <translation>最近 OK 射出数 N:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>建议</translation>
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
        <translation>Cavo 监控系统</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Shot#:</source>
        <translation>模次：</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
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
        <translation>监控模式</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>维护模式</translation>
    </message>
    <message>
        <source>ZERO RESET</source>
        <translation>零点复位</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>LOAD REFERENCE</source>
        <translation>加载模板</translation>
    </message>
    <message>
        <source>DATA VIEWER</source>
        <translation>波形编辑</translation>
    </message>
    <message>
        <source>ABORT SHOT</source>
        <translation>中止模次</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Debug2</source>
        <translation>调试2</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>磁盘空间</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Open Mold File...</source>
        <translation>打开设置文件...</translation>
    </message>
    <message>
        <source>Open Referece Data File...</source>
        <translation>加载模板...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>About CVO...</source>
        <translation>软件版本...</translation>
    </message>
    <message>
        <source>I/O Test...</source>
        <translation>I/O 测试...</translation>
    </message>
    <message>
        <source>Sync BU Clock</source>
        <translation>同步设备时钟</translation>
    </message>
    <message>
        <source>Synchronize BU clock with host</source>
        <translation>将设备时钟与本电脑同步</translation>
    </message>
    <message>
        <source>Display Settings...</source>
        <translation>显示设置...</translation>
    </message>
    <message>
        <source>Plot display settings</source>
        <translation>曲线显示设置</translation>
    </message>
    <message>
        <source>Administration...</source>
        <translation>管理...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>更新固件...</translation>
    </message>
    <message>
        <source>Update the firmware of the device</source>
        <translation>更新设备固件</translation>
    </message>
    <message>
        <source>Mold Machine...</source>
        <translation>注塑机设置...</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Set application interface language English</source>
        <translation>使用英语作为界面语言</translation>
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
        <translation>视图</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark (High Contrast)</source>
        <translation>深色（高对比度）</translation>
    </message>
    <message>
        <source>Dark high-contrast colours for dim halls</source>
        <translation>适合昏暗车间的高对比度深色配色</translation>
    </message>
    <message>
        <source>TRENDS</source>
        <translation>趋势</translation>
    </message>
    <message>
        <source>Export Plot...</source>
        <translation>导出图表...</translation>
    </message>
</context>
<context>
    <name>moduleSettingsWidget</name>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Module Name:</source>
        <translation>模块名称：</translation>
    </message>
    <message>
        <source>KRT24 Specific Configuration</source>
        <translation>KRT24 专用配置</translation>
    </message>
    <message>
        <source>Connect pseudo-resister to channel 4 &amp;&amp; 8</source>
        <translation>将虚拟传感器连接到通道 4 &amp;&amp; 8</translation>
    </message>
    <message>
        <source>Disable D/A Output</source>
        <translation>禁用 D/A 输出</translation>
    </message>
    <message>
        <source>ZRB Specific Configuration</source>
        <translation>ZRB 配置</translation>
    </message>
    <message>
        <source>Mold temperature compensation</source>
        <translation>模温补偿</translation>
    </message>
    <message>
        <source>celsius</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>ZRB-TC310 Alert Temperature:</source>
        <translation>ZRB-TC310 报警温度：</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>Read from BU</source>
        <translation>从设备读取</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>注塑机设置</translation>
    </message>
</context>
<context>
    <name>settingsChooserDialog</name>
    <message>
        <source>Choose Settings</source>
        <translation>选择设置</translation>
    </message>
    <message>
        <source>The settings of the equipment named below are different from the one saved on this PC.</source>
        <translation>以下名称的设置在设备与本电脑之间不一致。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Default_Settings.xml</translation>
    </message>
    <message>
        <source>Please choose either to overwrite the equipment with the settings on the PC, or to overwrite the file on the PC with the settings of the equipment.</source>
        <translation>请选择用哪一方的设置覆盖另一方。</translation>
    </message>
    <message>
        <source>Overwrite Equipment</source>
        <translation>覆盖设备</translation>
    </message>
    <message>
        <source>Overwrite File</source>
        <translation>覆盖文件</translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Measurement Settings</source>
        <translation>测量设置</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>时间跨度：</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>采样间隔：</translation>
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
        <translation>开始触发</translation>
    </message>
    <message>
        <source>Edge:</source>
        <translation>边沿：</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上升沿</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下降沿</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延迟：</translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation>报警设置</translation>
    </message>
    <message>
        <source>Use Alarm</source>
        <translation>使用报警</translation>
    </message>
    <message>
        <source>Clear By Trigger</source>
        <translation>触发清除</translation>
    </message>
    <message>
        <source>Clear Alarm By Timer</source>
        <translation>定时清除</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Alarm Out Port</source>
        <translation>报警输出端口</translation>
    </message>
    <message>
        <source>Watch1</source>
        <translation>区域 1</translation>
    </message>
    <message>
        <source>Alarm(OUT1)</source>
        <translation>OUT1 报警</translation>
    </message>
    <message>
        <source>External Control(OUT3)</source>
        <translation>OUT3 外部控制</translation>
    </message>
    <message>
        <source>Watch2</source>
        <translation>区域 2</translation>
    </message>
</context>
<context>
    <name>trendsWindow</name>
    <message>
        <source>Trends</source>
        <translation>趋势</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>通道:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>项目:</translation>
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
        <translation>重新加载</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>射出数:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>平均:</translation>
    </message>
    <message>
        <source>σ (sample):</source>
        <translation>σ (样本):</translation>
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
        <translation>导出 PNG...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
