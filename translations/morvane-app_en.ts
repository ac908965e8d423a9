<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Model: %1
Version: %2
%3</source>
        <translation>Model: %1
Version: %2
%3</translation>
    </message>
    <message>
        <source>读取固件列表成功，共 %1 个型号，%2 个固件。</source>
        <translation>The firmware list was read: %1 model(s), %2 firmware version(s).</translation>
    </message>
    <message>
        <source>已选择型号：%1
请选择右侧固件版本。</source>
        <translation>Model chosen: %1
Please choose a firmware version on the right.</translation>
    </message>
</context>
<context>
    <name>CatalogueListModel</name>
    <message>
        <source>%1. %2</source>
        <extracomment>A device mark&apos;s description, then what the user may do about it.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>DeviceMark</name>
    <message>
        <source>Device attached</source>
        <translation>Device attached</translation>
    </message>
    <message>
        <source>%1 devices attached</source>
        <translation>%1 devices attached</translation>
    </message>
    <message>
        <source>Device attached, but this user may not open it</source>
        <translation>Device attached, but this user may not open it</translation>
    </message>
    <message>
        <source>%1 devices attached, %2 of them this user may not open</source>
        <translation>%1 devices attached, %2 of them this user may not open</translation>
    </message>
</context>
</TS>
