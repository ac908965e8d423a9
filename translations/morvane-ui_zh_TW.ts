<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FullWidthButton</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Writes the chosen firmware version to the device</source>
        <translation>將所選韌體版本寫入裝置</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Models</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Firmware versions</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Updater</source>
        <translation>更新程式</translation>
    </message>
    <message>
        <source>A firmware update is running. Stopping it now may leave the device needing a new update before it works again.

Stop the update and quit?</source>
        <translation>韌體更新正在進行。現在停止可能導致裝置需要重新更新才能再次正常運作。

要停止更新並結束嗎？</translation>
    </message>
    <message>
        <source>Stop Update</source>
        <translation>停止更新</translation>
    </message>
    <message>
        <source>Keep Updating</source>
        <translation>繼續更新</translation>
    </message>
    <message>
        <source>正在读取固件列表...</source>
        <translation>正在讀取韌體列表...</translation>
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
        <translation>未連接裝置</translation>
    </message>
</context>
</TS>
