<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FullWidthButton</name>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Writes the chosen firmware version to the device</source>
        <translation>Writes the chosen firmware version to the device</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Models</source>
        <translation>Models</translation>
    </message>
    <message>
        <source>Firmware versions</source>
        <translation>Firmware versions</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Updater</source>
        <translation>Updater</translation>
    </message>
    <message>
        <source>A firmware update is running. Stopping it now may leave the device needing a new update before it works again.

Stop the update and quit?</source>
        <translation>A firmware update is running. Stopping it now may leave the device needing a new update before it works again.

Stop the update and quit?</translation>
    </message>
    <message>
        <source>Stop Update</source>
        <translation>Stop Update</translation>
    </message>
    <message>
        <source>Keep Updating</source>
        <translation>Keep Updating</translation>
    </message>
    <message>
        <source>正在读取固件列表...</source>
        <translation>Reading the firmware list...</translation>
    </message>
</context>
<context>
    <name>RowDescriptionEvents</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A model&apos;s name, then what is attached of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No device attached</source>
        <translation>No device attached</translation>
    </message>
</context>
</TS>
