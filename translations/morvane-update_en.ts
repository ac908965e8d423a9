<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>UpdateMessages</name>
    <message>
        <source>读取固件列表失败：%1</source>
        <translation>Failed to read the firmware list: %1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s address: %1</source>
        <translation>The catalogue&apos;s address: %1</translation>
    </message>
    <message>
        <source>The device left the USB bus: it was unplugged, its cable is loose, or it restarted. Plug it in again and flash it again; a station flashing with --watch does so by itself.</source>
        <translation>The device left the USB bus: it was unplugged, its cable is loose, or it restarted. Plug it in again and flash it again; a station flashing with --watch does so by itself.</translation>
    </message>
    <message>
        <source>读取固件列表失败：服务器返回内容无法解析</source>
        <translation>Failed to read the firmware list: the server&apos;s reply could not be read</translation>
    </message>
    <message>
        <source>The catalogue signature “%1” could not be read: %2</source>
        <translation>The catalogue signature “%1” could not be read: %2</translation>
    </message>
    <message>
        <source>The newest catalogue signing time taken on this computer (%1) lies ahead of its clock (%2): either this computer&apos;s clock is behind, or a list signed with a fast clock was taken earlier. The record stays, and lists signed before it are refused. </source>
        <translation>The newest catalogue signing time taken on this computer (%1) lies ahead of its clock (%2): either this computer&apos;s clock is behind, or a list signed with a fast clock was taken earlier. The record stays, and lists signed before it are refused. </translation>
    </message>
    <message>
        <source>The catalogue signing time an earlier version of the updater kept for key %1 (%2) lies ahead of this computer&apos;s clock (%3); that version did not bound it, so it is ignored.</source>
        <translation>The catalogue signing time an earlier version of the updater kept for key %1 (%2) lies ahead of this computer&apos;s clock (%3); that version did not bound it, so it is ignored.</translation>
    </message>
    <message>
        <source>The record of catalogue signing times cannot be kept: %1</source>
        <translation>The record of catalogue signing times cannot be kept: %1</translation>
    </message>
    <message>
        <source>The next list will be trusted as on first use.</source>
        <translation>The next list will be trusted as on first use.</translation>
    </message>
    <message>
        <source>The list signed %1 stays the newest taken, and lists signed before it are still refused.</source>
        <translation>The list signed %1 stays the newest taken, and lists signed before it are still refused.</translation>
    </message>
    <message>
        <source>正在读取固件说明...</source>
        <translation>Reading the firmware notes...</translation>
    </message>
    <message>
        <source>固件说明读取失败：%1</source>
        <translation>Failed to read the firmware notes: %1</translation>
    </message>
    <message>
        <source>没有读取到固件说明。</source>
        <translation>No firmware notes were received.</translation>
    </message>
    <message>
        <source>Preparing to update %1 %2...</source>
        <translation>Preparing to update %1 %2...</translation>
    </message>
    <message>
        <source>No %1 found. Please check the USB connection.</source>
        <translation>No %1 found. Please check the USB connection.</translation>
    </message>
    <message>
        <source>%1 found.</source>
        <translation>%1 found.</translation>
    </message>
    <message>
        <source>Firmware download failed: %1</source>
        <translation>Firmware download failed: %1</translation>
    </message>
    <message>
        <source>服务器没有返回固件数据</source>
        <translation>The server returned no firmware data</translation>
    </message>
    <message>
        <source>Firmware downloaded: %1</source>
        <translation>Firmware downloaded: %1</translation>
    </message>
    <message>
        <source>Starting firmware transfer...</source>
        <translation>Starting firmware transfer...</translation>
    </message>
    <message>
        <source>Update progress: %1%</source>
        <translation>Update progress: %1%</translation>
    </message>
    <message>
        <source>Update completed.</source>
        <translation>Update completed.</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Update failed: %1</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>another program (process %1)</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>another program</translation>
    </message>
    <message>
        <source>The device at %1 is in use by %2; nothing was sent to it.</source>
        <translation>The device at %1 is in use by %2; nothing was sent to it.</translation>
    </message>
    <message>
        <source>Update stopped.</source>
        <translation>Update stopped.</translation>
    </message>
</context>
</TS>
