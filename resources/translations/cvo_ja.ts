<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About CVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Version

CVO Manager  : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdminWindow</name>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder is not writable.
Please specify another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Choose plot color for channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integral</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelSettingsWidget</name>
    <message>
        <source>Monitoring Zone 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring Zone 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak Time Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integral Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integral to Peak Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelShotData</name>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountSpinBox</name>
    <message>
        <source>The stored value is outside the allowed range and is shown limited. It is kept until you change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataViewerWindow</name>
    <message>
        <source>%1: &lt;Untitled&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data file is visible: no average and no limits are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the waveform monitoring please send monitoring waveform data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Wave Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Wave Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many files.
35 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Data File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Mismatch Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; has different mold settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not the length of the first file (the statistics use the first file&apos;s length): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating average and standard deviation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Monitoring Waveform File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVO Monitoring Waveform File(*.wavcsv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring waveform file has been successfully save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Average Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify a average file name to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Monitoring Waveform File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Monitoring Waveform File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Monitoring Waveform Data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to BU.
Please check the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Monitoring Waveform...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Monitoring Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No monitoring waveform covers the range of these channels, so they were not sent:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring waveform data has been successfully sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWindow</name>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>No data folder to record into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot lost: the recorder fell behind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record the shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVO Manager started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System configuration modified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWindow</name>
    <message>
        <source>Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware File(*.mot)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Firmware File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than any firmware image (%1 MiB at most).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a valid firmware file (Motorola S-records), so nothing was sent to BU.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update succeeded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLPlotArea</name>
    <message>
        <source>Time:%1s
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLPlotData</name>
    <message>
        <source>&lt;untitled&gt; : %1[%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLPlotView</name>
    <message>
        <source>Hand tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single channel zoom tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All channel zoom tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integral cursor tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring zone edit tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point monitoring edit tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range edit tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring waveform edit tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out to full scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out horizontally to full scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in current channel verticallly to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in all channel vertically to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide Monitoring zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide Point monitoring zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide Reference waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide monitoring waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERIOD: %1s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  SAMPLING RATE: %1ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  REFERENCE:N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  REFERENCE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  MOLD:N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  MOLD:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IOTestDialog</name>
    <message>
        <source>Communication Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mmc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination folder is not writable.
Data will be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination folder is missing.
Data will be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WDT:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BU Reset Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration will be re-read from BU.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please update the version of firmware application to the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please update the version of this measurement application to the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not connect to BU Control port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check the connection and BU is powered up.
When BU is ready, please re-launch this application.
You can only use waveform editor function if BU is not ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Reference Wave Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Port Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open the file.
Please check the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not CVO Data file.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Mold Configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BU Clock Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BU clock successfully synchronized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BU clock synchronization failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoldConfigWindow</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoldFileController</name>
    <message>
        <source>Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file does not seem to be valid.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file seems to be corrupted.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Mold Configuration File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Mold Configuration File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Mold Configuration File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify a file name to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file name must be 16 characters or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mold Configuration File(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoldMachineSettingsDialog</name>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not save the file.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PressureSensorWidget</name>
    <message>
        <source>Channel Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius[mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width[mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height[mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area[sqmm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SensorSpecSensor200DegC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SensorSpec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Pseudo-resister&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SRecordCheck</name>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records follow the termination record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no data record (S1, S2 or S3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not end with a termination record (S7, S8 or S9): it may be cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is longer than any S-record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line is not an S-record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S4 is a reserved record type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The byte count is not a hexadecimal number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The byte count says %1 bytes, the line holds %2 characters after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record is too short for its address and checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The termination record carries data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record holds a character that is not hexadecimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checksum is %1, the record&apos;s bytes give %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlopeEditorWidget</name>
    <message>
        <source>Slope Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemConfigReader</name>
    <message>
        <source>Reading Configuration from BU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSecEditorWidget</name>
    <message>
        <source>Point Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeEditSpinBox</name>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeRangeEditorWidget</name>
    <message>
        <source>Peak Time Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Value32EditSpinBox</name>
    <message>
        <source>MPa/S</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValueEditorBase</name>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValueRangeEditorWidget</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneEditorWidget</name>
    <message>
        <source>Monitoring Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>adminWindow</name>
    <message>
        <source>Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring Equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Data File at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savedata Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Wave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>channelSettingsWidget</name>
    <message>
        <source>In Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00000A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to All Channels of the Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zone1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zone2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tsec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peaktime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peak integral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor with reference waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Waveform</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dataViewerWindow</name>
    <message>
        <source>Data Viewer/Reference Data Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Average as Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring Waveform Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Allowance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Data Offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to BU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>displaySettingsDialog</name>
    <message>
        <source>Display Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear overwrite when its count reaches max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak Time Monitoring Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ioTestDialog</name>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BU Port Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Cavo Monitoring System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot#:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK shot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NG shot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZERO RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAD REFERENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA VIEWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABORT SHOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Mold File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Referece Data File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About CVO...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O Test...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync BU Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronize BU clock with host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot display settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the firmware of the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mold Machine...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set application interface language English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>moduleSettingsWidget</name>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KRT24 Specific Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect pseudo-resister to channel 4 &amp;&amp; 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable D/A Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZRB Specific Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mold temperature compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZRB-TC310 Alert Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>moldConfigWindow</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from BU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>moldMachineSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>settingsChooserDialog</name>
    <message>
        <source>Choose Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings of the equipment named below are different from the one saved on this PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose either to overwrite the equipment with the settings on the PC, or to overwrite the file on the PC with the settings of the equipment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite Equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Measurement Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear By Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Alarm By Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Out Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm(OUT1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Control(OUT3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
