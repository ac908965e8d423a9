<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Model: %1
Version: %2
%3</source>
        <translation>型號：%1
版本：%2
%3</translation>
    </message>
    <message>
        <source>读取固件列表成功，共 %1 个型号，%2 个固件。</source>
        <translation>讀取韌體列表成功，共 %1 個型號，%2 個韌體。</translation>
    </message>
    <message>
        <source>已选择型号：%1
请选择右侧固件版本。</source>
        <translation>已選擇型號：%1
請選擇右側的韌體版本。</translation>
    </message>
</context>
<context>
    <name>CatalogueListModel</name>
    <message>
        <source>%1. %2</source>
        <extracomment>A device mark&apos;s description, then what the user may do about it.</extracomment>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>DeviceMark</name>
    <message>
        <source>Device attached</source>
        <translation>已連接裝置</translation>
    </message>
    <message>
        <source>%1 devices attached</source>
        <translation>已連接 %1 台裝置</translation>
    </message>
    <message>
        <source>Device attached, but this user may not open it</source>
        <translation>已連接裝置，但目前使用者無權開啟它</translation>
    </message>
    <message>
        <source>%1 devices attached, %2 of them this user may not open</source>
        <translation>已連接 %1 台裝置，其中 %2 台目前使用者無權開啟</translation>
    </message>
</context>
</TS>
