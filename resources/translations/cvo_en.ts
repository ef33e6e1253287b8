<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>System Version

CVO Manager  : </source>
        <translation>System Version

CVO Manager :  </translation>
    </message>
</context>
<context>
    <name>AdminWindow</name>
    <message>
        <source>The folder is not writable.
Please specify another folder.</source>
        <translation>The folder is not writable.</translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Choose plot color for channel %1</source>
        <translation>Chosse plot color for channel %1</translation>
    </message>
</context>
<context>
    <name>ChannelSettingsWidget</name>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>Time to Peak Monitoring</translation>
    </message>
</context>
<context>
    <name>DataViewerWindow</name>
    <message>
        <source>Calculating average and standard deviation...</source>
        <translation>Analyzing Data...</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>Can not write to the file.
Please check the permission of the directory or the file.</translation>
    </message>
    <message>
        <source>File "%1" is not a CVO Data file.</source>
        <translation>File "%1" is not a CVO Data file.
</translation>
    </message>
    <message>
        <source>Open Wave Data File</source>
        <translation>Open Data File</translation>
    </message>
    <message>
        <source>Save Average Data File</source>
        <translation>Save Average as Data File</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>Unable to communicate with the equipment.
Please check the connection.</translation>
    </message>
    <message>
        <source>Unable to connect to BU.
Please check the connection.</source>
        <translation>Unable to connect to an equipment.
Please check the connection.</translation>
    </message>
    <message>
        <source>When the waveform monitoring please send monitoring waveform data.</source>
        <translation>waveform monitoring please send monitoring waveform data.</translation>
    </message>
</context>
<context>
    <name>GLPlotView</name>
    <message>
        <source>  MOLD:</source>
        <translation>  SETTINGS: </translation>
    </message>
    <message>
        <source>  MOLD:N/A</source>
        <translation>  SETTINGS: N/A</translation>
    </message>
    <message>
        <source>  REFERENCE:</source>
        <translation>  TEMPLATE: </translation>
    </message>
    <message>
        <source>  REFERENCE:N/A</source>
        <translation>  TEMPLATE: N/A</translation>
    </message>
    <message>
        <source>  SAMPLING RATE: %1ms</source>
        <translation>  INTERVAL: %1ms</translation>
    </message>
    <message>
        <source>All channel zoom tool</source>
        <translation>All Channel Zoom Tool</translation>
    </message>
    <message>
        <source>C</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>Cs</source>
        <translation>℃s</translation>
    </message>
    <message>
        <source>Cursor tool</source>
        <translation>Cursor Tool</translation>
    </message>
    <message>
        <source>Hand tool</source>
        <translation>Hand Tool</translation>
    </message>
    <message>
        <source>Integral cursor tool</source>
        <translation>Integral Cursor Tool</translation>
    </message>
    <message>
        <source>Monitoring waveform edit tool</source>
        <translation>Monitoring Waveform Edit Tool</translation>
    </message>
    <message>
        <source>Monitoring zone edit tool</source>
        <translation>Monitoring Zone Edit Tool</translation>
    </message>
    <message>
        <source>PERIOD: %1s</source>
        <translation>SPAN: %1s</translation>
    </message>
    <message>
        <source>Point monitoring edit tool</source>
        <translation>Point Monitoring Edit Tool</translation>
    </message>
    <message>
        <source>Range edit tool</source>
        <translation>Range Edit Tool</translation>
    </message>
    <message>
        <source>Show/Hide Monitoring zone</source>
        <translation>Show/Hide Monitoring Zone</translation>
    </message>
    <message>
        <source>Show/Hide Point monitoring zone</source>
        <translation>Show/Hide Point Monitoring Zone</translation>
    </message>
    <message>
        <source>Show/Hide Reference waveform</source>
        <translation>Show/Hide Template Waveform</translation>
    </message>
    <message>
        <source>Show/Hide monitoring waveform</source>
        <translation>Show/Hide Monitoring Waveform</translation>
    </message>
    <message>
        <source>Single channel zoom tool</source>
        <translation>Single Channel Zoom Tool</translation>
    </message>
    <message>
        <source>Zoom in all channel vertically to fit</source>
        <translation>Zoom In All Channel Vertically to Fit</translation>
    </message>
    <message>
        <source>Zoom in current channel verticallly to fit</source>
        <translation>Zoom In Current Channel Vertically to Fit</translation>
    </message>
    <message>
        <source>Zoom out horizontally to full scale</source>
        <translation>Zoom Out Horizontally to Full Scale</translation>
    </message>
    <message>
        <source>Zoom out to full scale</source>
        <translation>Zoom Out to Full Scale</translation>
    </message>
</context>
<context>
    <name>IOTestDialog</name>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>Unable to commnunicate with the equipment.
Please check the connection.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Are you sure you wait to quit?</translation>
    </message>
    <message>
        <source>Can not connect to BU Control port</source>
        <translation>Can not connect to control port of the equipment</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check the connection.</source>
        <translation>Can not open the usb port.
Please check the connection.</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>Can not open the template file.
Please check whether you have permission to read.</translation>
    </message>
    <message>
        <source>Configuration will be re-read from BU.</source>
        <translation>Configuration will be re-read from the equipment.</translation>
    </message>
    <message>
        <source>BU Clock Sync</source>
        <translation>Equipment Clock Sync</translation>
    </message>
    <message>
        <source>BU Reset Detected</source>
        <translation>Equipment Reset Detected</translation>
    </message>
    <message>
        <source>BU clock successfully synchronized.</source>
        <translation>The clock in the equipment successfully synchronized with this PC.</translation>
    </message>
    <message>
        <source>BU clock synchronization failed.</source>
        <translation>Clock synchronization failed.</translation>
    </message>
    <message>
        <source>Open Reference Wave Data File</source>
        <translation>Open Template File</translation>
    </message>
    <message>
        <source>Please check the connection and BU is powered up.
When BU is ready, please re-launch this application.
You can only use waveform editor function if BU is not ready.</source>
        <translation>Please check the connection and an equipment is powered up.
When the equipment is ready, please re-launch this application.</translation>
    </message>
    <message>
        <source>Save Stopped</source>
        <translation>Scarce : Save Stopped</translation>
    </message>
    <message>
        <source>Select Reference Wave Data File</source>
        <translation>Select Template File</translation>
    </message>
    <message>
        <source>Sending Mold Configuration...</source>
        <translation>Sending Settings...</translation>
    </message>
    <message>
        <source>This is not CVO Data file.
</source>
        <translation>This file does not seem to be a CVO Data file.</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>Unable to communicate with the equipment.
Please check the connection.</translation>
    </message>
</context>
<context>
    <name>MoldFileController</name>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>Can not write to the file.
Please check the permission of the directory or the file.</translation>
    </message>
    <message>
        <source>Mold Configuration File(*.xml)</source>
        <translation>Settings File(*.xml)</translation>
    </message>
    <message>
        <source>Open Mold Configuration File</source>
        <translation>Open Settings File</translation>
    </message>
    <message>
        <source>Save Mold Configuration File</source>
        <translation>Save Settings File</translation>
    </message>
    <message>
        <source>Select Mold Configuration File</source>
        <translation>Select Settings File</translation>
    </message>
    <message>
        <source>Specify a file name to save.</source>
        <translation>Specfiy a file name to save.</translation>
    </message>
</context>
<context>
    <name>PressureSensorWidget</name>
    <message>
        <source>Channel Settings</source>
        <translation>Channel and Sensor Settings</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Channel Name</translation>
    </message>
    <message>
        <source>Radius[mm]</source>
        <translation>Diameter[mm]</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensor Sensitivity</translation>
    </message>
    <message>
        <source>SensorSpec</source>
        <translation>1:100MPa Sensor
2:200MPa Sensor
4:Button Type Sensor 50N
5:Button Type Sensor 200N
6:Button Type Sensor 1000N</translation>
    </message>
    <message>
        <source>SensorSpecSensor200DegC</source>
        <translation>1:100MPa Sensor
2:200MPa Sensor
4:Button Type Sensor 50N
5:Button Type Sensor 200N
6:Button Type Sensor 1000N
7:Button Type Sensor (High Temp 200℃) 50N
8:Button Type Sensor (High Temp 200℃) 200N
9:Button Type Sensor (High Temp 200℃) 1000N
A:Button Type Sensor (High Temp 200℃) 4kN
B:Button Type Sensor (High Temp 200℃) 16kN</translation>
    </message>
    <message>
        <source>height[mm]</source>
        <translation>Height[mm]</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&lt;Pseudo-resister&gt;</source>
        <translation>&lt;Pseudo-Sensor&gt;</translation>
    </message>
    <message>
        <source>C</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>Cs</source>
        <translation>℃s</translation>
    </message>
</context>
<context>
    <name>SystemConfigReader</name>
    <message>
        <source>Reading Configuration from BU</source>
        <translation>Reading Configuration from the equipment</translation>
    </message>
</context>
<context>
    <name>adminWindow</name>
    <message>
        <source>Serial Port</source>
        <translation>Mold Machine Serial Port</translation>
    </message>
</context>
<context>
    <name>channelSettingsWidget</name>
    <message>
        <source>interal</source>
        <translation>Integral to Peak</translation>
    </message>
    <message>
        <source>peak integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>peaktime</source>
        <translation>Peak Time Monitoring</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>tsec</source>
        <translation>Point Monitoring</translation>
    </message>
    <message>
        <source>zone1</source>
        <translation>Zone 1</translation>
    </message>
    <message>
        <source>zone2</source>
        <translation>Zone 2</translation>
    </message>
</context>
<context>
    <name>dataViewerWindow</name>
    <message>
        <source>Data Viewer/Reference Data Editor</source>
        <translation>Data Viewer/Monitoring Waveform Editor</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load Monitoring Waveform</translation>
    </message>
    <message>
        <source>Minimum Data Offset:</source>
        <translation>Minimum Offset:</translation>
    </message>
    <message>
        <source>Monitoring Waveform Range</source>
        <translation>Monitoring Waveform Time Range</translation>
    </message>
    <message>
        <source>Overwrite save</source>
        <translation>Overwrite Save</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save Monitoring Waveform</translation>
    </message>
    <message>
        <source>Save Average as Reference</source>
        <translation>Save Average as Template</translation>
    </message>
    <message>
        <source>Send to BU</source>
        <translation>Send to Equipment</translation>
    </message>
</context>
<context>
    <name>displaySettingsDialog</name>
    <message>
        <source>Clear overwrite when its count reaches max</source>
        <translation>Clear all overwrite plots when its count reaches maximum</translation>
    </message>
    <message>
        <source>Peak Time Monitoring Range</source>
        <translation>Time to Peak Monitoring Range</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Full Scale:</translation>
    </message>
    <message>
        <source>Reference Waveform</source>
        <translation>Template Waveform</translation>
    </message>
</context>
<context>
    <name>ioTestDialog</name>
    <message>
        <source>IN 3
Cancel Alarm</source>
        <translation>IN 3
Reserved</translation>
    </message>
    <message>
        <source>IN 4
Enable Alarm</source>
        <translation>IN 4
Reserved</translation>
    </message>
    <message>
        <source>BU Port Test</source>
        <translation>Equipment Port Test</translation>
    </message>
    <message>
        <source>OUT 5
Module Power</source>
        <translation>OUT 5
Reserved</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>About CVO...</source>
        <translation>Software Version...</translation>
    </message>
    <message>
        <source>DATA VIEWER</source>
        <translation>WAVEFORM EDITOR</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>Update Firmware...</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>LOAD REFERENCE</source>
        <translation>LOAD TEMPLATE</translation>
    </message>
    <message>
        <source>Mold Machine...</source>
        <translation>Mold Machine Settings...</translation>
    </message>
    <message>
        <source>Open Mold File...</source>
        <translation>Open Settings File...</translation>
    </message>
    <message>
        <source>Open Referece Data File...</source>
        <translation>Load Template...</translation>
    </message>
    <message>
        <source>Set application interface language English</source>
        <translation>Use English as interface language</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>中文 (简体)</translation>
    </message>
    <message>
        <source>Sync BU Clock</source>
        <translation>Sync Clock in Equipment</translation>
    </message>
    <message>
        <source>Synchronize BU clock with host</source>
        <translation>Synchronize clock in the equipment with this PC</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>中文 (繁體)</translation>
    </message>
</context>
<context>
    <name>moduleSettingsWidget</name>
    <message>
        <source>Connect pseudo-resister to channel 4 &amp;&amp; 8</source>
        <translation>Connect pseudo-sensor to channel 4 &amp;&amp; 8</translation>
    </message>
    <message>
        <source>ZRB Specific Configuration</source>
        <translation>ZRB Configuration</translation>
    </message>
    <message>
        <source>Mold temperature compensation</source>
        <translation>Mold Temperature Compensation</translation>
    </message>
    <message>
        <source>celsius</source>
        <translation>℃</translation>
    </message>
</context>
<context>
    <name>moldConfigWindow</name>
    <message>
        <source>Dialog</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Read from BU</source>
        <translation>Read from Equipment</translation>
    </message>
</context>
<context>
    <name>moldMachineSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Mold Machine Settings</translation>
    </message>
</context>
<context>
    <name>settingsChooserDialog</name>
    <message>
        <source>Please choose either to overwrite the equipment with the settings on the PC, or to overwrite the file on the PC with the settings of the equipment.</source>
        <translation>Please choose which settings should be overwritten by the other.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Default_Settings.xml</translation>
    </message>
    <message>
        <source>The settings of the equipment named below are different from the one saved on this PC.</source>
        <translation>The settings saved as the name below are different between the equipment and this PC.</translation>
    </message>
</context>
<context>
    <name>slopeEditWidget</name>
    <message>
        <source>GroupBox</source>
        <translation>Slope Monitoring</translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Alarm(OUT1)</source>
        <translation>OUT1 Alarm</translation>
    </message>
    <message>
        <source>Clear Alarm By Timer</source>
        <translation>Clear By Timer</translation>
    </message>
    <message>
        <source>External Control(OUT3)</source>
        <translation>OUT3 Ext.Control</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Time span:</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>Sampling Interval:</translation>
    </message>
    <message>
        <source>Watch1</source>
        <translation>Zone 1</translation>
    </message>
    <message>
        <source>Watch2</source>
        <translation>Zone 2</translation>
    </message>
</context>
<context>
    <name>tSecEditWidget</name>
    <message>
        <source>GroupBox</source>
        <translation>Point Monitoring</translation>
    </message>
</context>
<context>
    <name>timeRangeEditWidget</name>
    <message>
        <source>GroupBox</source>
        <translation>Peak Time Monitoring</translation>
    </message>
</context>
</TS>
