<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BootloaderError</name>
    <message>
        <source>Invalid USB identifier.</source>
        <translation>無效的 USB 識別碼。</translation>
    </message>
    <message>
        <source>Device not found.</source>
        <translation>找不到裝置。</translation>
    </message>
    <message>
        <source>Timed out waiting for bootloader response.</source>
        <translation>等待開機載入程式回應逾時。</translation>
    </message>
    <message>
        <source>Invalid firmware version.</source>
        <translation>無效的韌體版本。</translation>
    </message>
    <message>
        <source>Unable to open HID device. IOKit code: %1.</source>
        <translation>無法開啟 HID 裝置。IOKit 代碼：%1。</translation>
    </message>
    <message>
        <source>Unable to write HID report. IOKit code: %1.</source>
        <translation>無法寫入 HID 報告。IOKit 代碼：%1。</translation>
    </message>
    <message>
        <source>Unable to read HID report. IOKit code: %1.</source>
        <translation>無法讀取 HID 報告。IOKit 代碼：%1。</translation>
    </message>
    <message>
        <source>Unexpected HID response length: %1.</source>
        <translation>非預期的 HID 回應長度：%1。</translation>
    </message>
    <message>
        <source>Unexpected bootloader response: %1.</source>
        <translation>非預期的開機載入程式回應：%1。</translation>
    </message>
</context>
<context>
    <name>OpenPermissionHelp</name>
    <message>
        <source>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way (man morvane-flash, section PERMISSIONS).</source>
        <translation>沒有開啟裝置的權限：套件安裝的 udev 規則 70-morvane-updater.rules 會在裝置拔除並重新插入後授予此權限；morvane-flash doctor 會指出問題所在（man morvane-flash，PERMISSIONS 一節）。</translation>
    </message>
    <message>
        <source>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way.</source>
        <translation>沒有開啟裝置的權限：套件安裝的 udev 規則 70-morvane-updater.rules 會在裝置拔除並重新插入後授予此權限；morvane-flash doctor 會指出問題所在。</translation>
    </message>
</context>
</TS>
