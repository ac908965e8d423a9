<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DemoEnvironment</name>
    <message>
        <source>cannot make the simulated devices&apos; folder %1</source>
        <translation>cannot make the simulated devices&apos; folder %1</translation>
    </message>
</context>
<context>
    <name>DeviceControlWindow</name>
    <message>
        <source>Demo devices</source>
        <translation>Demo devices</translation>
    </message>
    <message>
        <source>Simulated devices (demo only).
Tick to plug one in, untick to unplug it.</source>
        <translation>Simulated devices (demo only).
Tick to plug one in, untick to unplug it.</translation>
    </message>
</context>
<context>
    <name>FlashDemoMain</name>
    <message>
        <source>--demo-devices needs a plan</source>
        <translation>--demo-devices needs a plan</translation>
    </message>
    <message>
        <source>--demo-devices is given more than once</source>
        <translation>--demo-devices is given more than once</translation>
    </message>
    <message>
        <source>Usage: morvane-flash-demo [--demo-devices %1] COMMAND [ARGUMENTS]</source>
        <translation>Usage: morvane-flash-demo [--demo-devices %1] COMMAND [ARGUMENTS]</translation>
    </message>
</context>
<context>
    <name>UpdaterDemoMain</name>
    <message>
        <source>usage: morvane-updater-demo [--measure]</source>
        <translation>usage: morvane-updater-demo [--measure]</translation>
    </message>
</context>
</TS>
