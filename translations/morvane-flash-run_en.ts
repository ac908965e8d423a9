<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceListing</name>
    <message>
        <source>No device found.</source>
        <translation>No device found.</translation>
    </message>
</context>
<context>
    <name>DeviceSelection</name>
    <message>
        <source>serial %1</source>
        <translation>serial %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device&apos;s path, then its serial and port</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between a device&apos;s details</comment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n devices match %1; choose one with --serial or --path, or flash them all with --all-devices:</source>
        <translation>
            <numerusform>%n device matches %1; choose one with --serial or --path, or flash them all with --all-devices:</numerusform>
            <numerusform>%n devices match %1; choose one with --serial or --path, or flash them all with --all-devices:</numerusform>
        </translation>
    </message>
    <message>
        <source>No %1 attached has that serial number or path; this one is attached:</source>
        <translation>No %1 attached has that serial number or path; this one is attached:</translation>
    </message>
    <message numerus="yes">
        <source>No %1 attached has that serial number or path; these %n are attached:</source>
        <translation>
            <numerusform>No %1 attached has that serial number or path; this %n is attached:</numerusform>
            <numerusform>No %1 attached has that serial number or path; these %n are attached:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>This build trusts a catalogue key, so an image file is flashed only with its digest: give --sha256 HEX.</source>
        <translation>This build trusts a catalogue key, so an image file is flashed only with its digest: give --sha256 HEX.</translation>
    </message>
    <message>
        <source>Cannot read the firmware file %1: %2.</source>
        <translation>Cannot read the firmware file %1: %2.</translation>
    </message>
    <message>
        <source>The firmware file %1 does not match --sha256 (%2); nothing is flashed.</source>
        <translation>The firmware file %1 does not match --sha256 (%2); nothing is flashed.</translation>
    </message>
    <message>
        <source>The firmware file %1 is empty.</source>
        <translation>The firmware file %1 is empty.</translation>
    </message>
</context>
<context>
    <name>FlashRecord</name>
    <message>
        <source>Stopped: the download of %1 was abandoned; nothing was flashed.</source>
        <translation>Stopped: the download of %1 was abandoned; nothing was flashed.</translation>
    </message>
    <message>
        <source>The transfer ended at a report boundary and the device was closed; it may need a new update.</source>
        <translation>The transfer ended at a report boundary and the device was closed; it may need a new update.</translation>
    </message>
    <message>
        <source>Stopped: nothing was flashed.</source>
        <translation>Stopped: nothing was flashed.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a device&apos;s label, then its line</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>Waiting up to %1 s for %2...</source>
        <translation>Waiting up to %1 s for %2...</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Waiting for %1...</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>device %1</translation>
    </message>
    <message>
        <source>morvane-flash: the log could not be written: %1</source>
        <translation>morvane-flash: the log could not be written: %1</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a transfer still takes</comment>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a device&apos;s label, then its progress</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Update progress: %1</source>
        <comment>a progress bar</comment>
        <translation>Update progress: %1</translation>
    </message>
</context>
<context>
    <name>SessionGuard</name>
    <message>
        <source>morvane-flash: nothing keeps this machine from sleeping or shutting down during the transfer (no login manager answered on the system bus).</source>
        <translation>morvane-flash: nothing keeps this machine from sleeping or shutting down during the transfer (no login manager answered on the system bus).</translation>
    </message>
</context>
<context>
    <name>StationTags</name>
    <message>
        <source>--station takes a name without control characters.</source>
        <translation>--station takes a name without control characters.</translation>
    </message>
    <message>
        <source>--label takes KEY=VALUE, KEY of letters, digits and _ (not starting with a digit): &quot;%1&quot;.</source>
        <translation>--label takes KEY=VALUE, KEY of letters, digits and _ (not starting with a digit): &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--label %1: that name is the record&apos;s own; choose another.</source>
        <translation>--label %1: that name is the record&apos;s own; choose another.</translation>
    </message>
    <message>
        <source>--label %1: the key is longer than %2 characters, which the journal&apos;s field name %3%4 cannot hold.</source>
        <translation>--label %1: the key is longer than %2 characters, which the journal&apos;s field name %3%4 cannot hold.</translation>
    </message>
    <message>
        <source>--label %1 is given twice.</source>
        <translation>--label %1 is given twice.</translation>
    </message>
    <message>
        <source>--label %1: the value has a control character.</source>
        <translation>--label %1: the value has a control character.</translation>
    </message>
</context>
</TS>
