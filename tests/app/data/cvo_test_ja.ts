<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>mainWindow</name>
    <message>
        <source>DATA VIEWER</source>
        <translation>波形エディタ</translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Period:</source>
        <translation>測定時間:</translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Peak</source>
        <translation>ピーク</translation>
    </message>
</context>
<context>
    <name>ZoneEditorWidget</name>
    <message>
        <source>Time:</source>
        <translation>時間:</translation>
    </message>
</context>
</TS>
