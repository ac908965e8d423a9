<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DemoEnvironment</name>
    <message>
        <source>cannot make the simulated devices&apos; folder %1</source>
        <translation>无法创建模拟设备的文件夹 %1</translation>
    </message>
</context>
<context>
    <name>DeviceControlWindow</name>
    <message>
        <source>Demo devices</source>
        <translation>演示设备</translation>
    </message>
    <message>
        <source>Simulated devices (demo only).
Tick to plug one in, untick to unplug it.</source>
        <translation>模拟设备（仅用于演示）。
勾选即插入设备，取消勾选即拔出设备。</translation>
    </message>
</context>
<context>
    <name>FlashDemoMain</name>
    <message>
        <source>--demo-devices needs a plan</source>
        <translation>--demo-devices 需要一个设备计划</translation>
    </message>
    <message>
        <source>--demo-devices is given more than once</source>
        <translation>--demo-devices 被指定了不止一次</translation>
    </message>
    <message>
        <source>Usage: morvane-flash-demo [--demo-devices %1] COMMAND [ARGUMENTS]</source>
        <translation>用法：morvane-flash-demo [--demo-devices %1] COMMAND [ARGUMENTS]</translation>
    </message>
</context>
<context>
    <name>UpdaterDemoMain</name>
    <message>
        <source>usage: morvane-updater-demo [--measure]</source>
        <translation>用法：morvane-updater-demo [--measure]</translation>
    </message>
</context>
</TS>
