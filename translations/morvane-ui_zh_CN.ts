<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FullWidthButton</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Writes the chosen firmware version to the device</source>
        <translation>将所选固件版本写入设备</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Models</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Firmware versions</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Updater</source>
        <translation>更新程序</translation>
    </message>
    <message>
        <source>A firmware update is running. Stopping it now may leave the device needing a new update before it works again.

Stop the update and quit?</source>
        <translation>固件更新正在进行。现在停止可能导致设备需要重新更新才能再次正常工作。

要停止更新并退出吗？</translation>
    </message>
    <message>
        <source>Stop Update</source>
        <translation>停止更新</translation>
    </message>
    <message>
        <source>Keep Updating</source>
        <translation>继续更新</translation>
    </message>
    <message>
        <source>正在读取固件列表...</source>
        <translation>正在读取固件列表...</translation>
    </message>
</context>
<context>
    <name>RowDescriptionEvents</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A model&apos;s name, then what is attached of it.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>No device attached</source>
        <translation>未连接设备</translation>
    </message>
</context>
</TS>
