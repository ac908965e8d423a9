<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BootloaderError</name>
    <message>
        <source>Invalid USB identifier.</source>
        <translation>无效的 USB 标识符。</translation>
    </message>
    <message>
        <source>Device not found.</source>
        <translation>未找到设备。</translation>
    </message>
    <message>
        <source>Timed out waiting for bootloader response.</source>
        <translation>等待引导程序响应超时。</translation>
    </message>
    <message>
        <source>Invalid firmware version.</source>
        <translation>无效的固件版本。</translation>
    </message>
    <message>
        <source>Unable to open HID device. IOKit code: %1.</source>
        <translation>无法打开 HID 设备。IOKit 代码：%1。</translation>
    </message>
    <message>
        <source>Unable to write HID report. IOKit code: %1.</source>
        <translation>无法写入 HID 报告。IOKit 代码：%1。</translation>
    </message>
    <message>
        <source>Unable to read HID report. IOKit code: %1.</source>
        <translation>无法读取 HID 报告。IOKit 代码：%1。</translation>
    </message>
    <message>
        <source>Unexpected HID response length: %1.</source>
        <translation>意外的 HID 响应长度：%1。</translation>
    </message>
    <message>
        <source>Unexpected bootloader response: %1.</source>
        <translation>意外的引导程序响应：%1。</translation>
    </message>
</context>
<context>
    <name>OpenPermissionHelp</name>
    <message>
        <source>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way (man morvane-flash, section PERMISSIONS).</source>
        <translation>没有打开设备的权限：软件包安装的 udev 规则 70-morvane-updater.rules 会在设备拔出并重新插入后授予该权限；morvane-flash doctor 会指出问题所在（man morvane-flash，PERMISSIONS 一节）。</translation>
    </message>
    <message>
        <source>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way.</source>
        <translation>没有打开设备的权限：软件包安装的 udev 规则 70-morvane-updater.rules 会在设备拔出并重新插入后授予该权限；morvane-flash doctor 会指出问题所在。</translation>
    </message>
</context>
</TS>
