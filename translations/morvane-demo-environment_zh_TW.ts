<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DemoEnvironment</name>
    <message>
        <source>cannot make the simulated devices&apos; folder %1</source>
        <translation>無法建立模擬裝置的資料夾 %1</translation>
    </message>
</context>
<context>
    <name>DeviceControlWindow</name>
    <message>
        <source>Demo devices</source>
        <translation>示範裝置</translation>
    </message>
    <message>
        <source>Simulated devices (demo only).
Tick to plug one in, untick to unplug it.</source>
        <translation>模擬裝置（僅供示範）。
勾選即插入裝置，取消勾選即拔除裝置。</translation>
    </message>
</context>
<context>
    <name>FlashDemoMain</name>
    <message>
        <source>--demo-devices needs a plan</source>
        <translation>--demo-devices 需要一個裝置計畫</translation>
    </message>
    <message>
        <source>--demo-devices is given more than once</source>
        <translation>--demo-devices 被指定了不只一次</translation>
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
