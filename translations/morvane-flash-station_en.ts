<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BenchLog</name>
    <message>
        <source>%1 is a symbolic link; the log is never written through one.</source>
        <translation>%1 is a symbolic link; the log is never written through one.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 is not a regular file.</translation>
    </message>
    <message>
        <source>the log is not open.</source>
        <translation>the log is not open.</translation>
    </message>
</context>
<context>
    <name>FlashWatch</name>
    <message>
        <source>morvane-flash: --metrics: %1</source>
        <translation>morvane-flash: --metrics: %1</translation>
    </message>
    <message>
        <source>Watching for %1: each one plugged in is flashed. Ctrl-C ends.</source>
        <translation>Watching for %1: each one plugged in is flashed. Ctrl-C ends.</translation>
    </message>
    <message>
        <source>%1: back after its update; not flashed again.</source>
        <translation>%1: back after its update; not flashed again.</translation>
    </message>
    <message>
        <source>morvane-flash: the log could not be written, so no further unit is flashed: %1</source>
        <translation>morvane-flash: the log could not be written, so no further unit is flashed: %1</translation>
    </message>
    <message>
        <source>Watch ended: %1 flashed, %2 failed, %3 skipped, %4 stopped, in %5 s.</source>
        <translation>Watch ended: %1 flashed, %2 failed, %3 skipped, %4 stopped, in %5 s.</translation>
    </message>
    <message>
        <source>Warning: the catalogue&apos;s signature expires on %1, in %2 days: a station started after then refuses the list. Ask its publisher for a newly signed one.</source>
        <translation>Warning: the catalogue&apos;s signature expires on %1, in %2 days: a station started after then refuses the list. Ask its publisher for a newly signed one.</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace.</source>
        <translation>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace.</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace.</source>
        <translation>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace.</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace (at most %2 s).</source>
        <translation>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace (at most %2 s).</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace (at most %3 s).</source>
        <translation>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace (at most %3 s).</translation>
    </message>
    <message>
        <source>A second Ctrl-C, SIGTERM or SIGHUP stops them at a report boundary.</source>
        <translation>A second Ctrl-C, SIGTERM or SIGHUP stops them at a report boundary.</translation>
    </message>
</context>
<context>
    <name>JournalRecord</name>
    <message>
        <source>%1: %2</source>
        <comment>a device, then its outcome</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>JournalSinkLinux</name>
    <message>
        <source>no systemd journal listens here (%1 is missing)</source>
        <translation>no systemd journal listens here (%1 is missing)</translation>
    </message>
</context>
<context>
    <name>JournalSinkOther</name>
    <message>
        <source>the systemd journal is not available on this system.</source>
        <translation>the systemd journal is not available on this system.</translation>
    </message>
</context>
<context>
    <name>MetricsClaimLinux</name>
    <message>
        <source>%1 is the metrics file of another running station; give each station a file of its own.</source>
        <translation>%1 is the metrics file of another running station; give each station a file of its own.</translation>
    </message>
</context>
<context>
    <name>UnitRecordSinks</name>
    <message>
        <source>morvane-flash: --journal: %1; the units go on without it.</source>
        <translation>morvane-flash: --journal: %1; the units go on without it.</translation>
    </message>
    <message>
        <source>morvane-flash: --journal: an entry could not be sent (%1); the units go on without it.</source>
        <translation>morvane-flash: --journal: an entry could not be sent (%1); the units go on without it.</translation>
    </message>
    <message>
        <source>morvane-flash: --metrics: %1</source>
        <translation>morvane-flash: --metrics: %1</translation>
    </message>
</context>
<context>
    <name>WatchDisplay</name>
    <message>
        <source>%1: plugged in; flashing %2.</source>
        <translation>%1: plugged in; flashing %2.</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serial %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between a socket&apos;s port and serial</comment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more in transfer</source>
        <translation>
            <numerusform>…and %n more in transfer</numerusform>
            <numerusform>…and %n more in transfer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more failed</source>
        <translation>
            <numerusform>…and %n more failed</numerusform>
            <numerusform>…and %n more failed</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a device: its progress, the time left</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1 flashed, %2 failed, %3 skipped, %4 in progress; %5 flashed an hour</source>
        <translation>%1 flashed, %2 failed, %3 skipped, %4 in progress; %5 flashed an hour</translation>
    </message>
</context>
</TS>
