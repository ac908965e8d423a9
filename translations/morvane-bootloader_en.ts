<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BootloaderError</name>
    <message>
        <source>Invalid USB identifier.</source>
        <translation>Invalid USB identifier.</translation>
    </message>
    <message>
        <source>Device not found.</source>
        <translation>Device not found.</translation>
    </message>
    <message>
        <source>Timed out waiting for bootloader response.</source>
        <translation>Timed out waiting for bootloader response.</translation>
    </message>
    <message>
        <source>Invalid firmware version.</source>
        <translation>Invalid firmware version.</translation>
    </message>
    <message>
        <source>Unable to open HID device. IOKit code: %1.</source>
        <translation>Unable to open HID device. IOKit code: %1.</translation>
    </message>
    <message>
        <source>Unable to write HID report. IOKit code: %1.</source>
        <translation>Unable to write HID report. IOKit code: %1.</translation>
    </message>
    <message>
        <source>Unable to read HID report. IOKit code: %1.</source>
        <translation>Unable to read HID report. IOKit code: %1.</translation>
    </message>
    <message>
        <source>Unexpected HID response length: %1.</source>
        <translation>Unexpected HID response length: %1.</translation>
    </message>
    <message>
        <source>Unexpected bootloader response: %1.</source>
        <translation>Unexpected bootloader response: %1.</translation>
    </message>
</context>
<context>
    <name>OpenPermissionHelp</name>
    <message>
        <source>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way (man morvane-flash, section PERMISSIONS).</source>
        <translation>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way (man morvane-flash, section PERMISSIONS).</translation>
    </message>
    <message>
        <source>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way.</source>
        <translation>No permission to open the device: the udev rule 70-morvane-updater.rules that the package installs grants it once the device is unplugged and plugged in again; morvane-flash doctor tells what stands in the way.</translation>
    </message>
</context>
</TS>
