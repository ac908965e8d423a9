<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BenchLog</name>
    <message>
        <source>%1 is a symbolic link; the log is never written through one.</source>
        <translation>%1 是符号链接；日志从不通过符号链接写入。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>the log is not open.</source>
        <translation>日志未打开。</translation>
    </message>
</context>
<context>
    <name>FlashWatch</name>
    <message>
        <source>morvane-flash: --metrics: %1</source>
        <translation>morvane-flash：--metrics：%1</translation>
    </message>
    <message>
        <source>Watching for %1: each one plugged in is flashed. Ctrl-C ends.</source>
        <translation>正在等待 %1：每台插入的设备都会被刷写。按 Ctrl-C 结束。</translation>
    </message>
    <message>
        <source>%1: back after its update; not flashed again.</source>
        <translation>%1：更新后重新连接；不再刷写。</translation>
    </message>
    <message>
        <source>morvane-flash: the log could not be written, so no further unit is flashed: %1</source>
        <translation>morvane-flash：无法写入日志，因此不再刷写更多设备：%1</translation>
    </message>
    <message>
        <source>Watch ended: %1 flashed, %2 failed, %3 skipped, %4 stopped, in %5 s.</source>
        <translation>监视结束：已刷写 %1 台，失败 %2 台，跳过 %3 台，停止 %4 台，用时 %5 秒。</translation>
    </message>
    <message>
        <source>Warning: the catalogue&apos;s signature expires on %1, in %2 days: a station started after then refuses the list. Ask its publisher for a newly signed one.</source>
        <translation>警告：固件列表的签名将于 %1 过期，还剩 %2 天：此后启动的工位会拒绝该列表。请向其发布者索取重新签名的列表。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace.</source>
        <translation>正在停止：不再接收新设备；先等待传输中的设备完成，按协议速度约需 %1。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace.</source>
        <translation>正在停止：不再接收新设备；先等待传输中的 %1 台设备完成，按协议速度约需 %2。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace (at most %2 s).</source>
        <translation>正在停止：不再接收新设备；先等待传输中的设备完成，按协议速度约需 %1（最多 %2 秒）。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace (at most %3 s).</source>
        <translation>正在停止：不再接收新设备；先等待传输中的 %1 台设备完成，按协议速度约需 %2（最多 %3 秒）。</translation>
    </message>
    <message>
        <source>A second Ctrl-C, SIGTERM or SIGHUP stops them at a report boundary.</source>
        <translation>再按一次 Ctrl-C，或收到 SIGTERM、SIGHUP，会在报告边界处停止它们。</translation>
    </message>
</context>
<context>
    <name>JournalRecord</name>
    <message>
        <source>%1: %2</source>
        <comment>a device, then its outcome</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>JournalSinkLinux</name>
    <message>
        <source>no systemd journal listens here (%1 is missing)</source>
        <translation>此处没有 systemd 日志在监听（缺少 %1）</translation>
    </message>
</context>
<context>
    <name>JournalSinkOther</name>
    <message>
        <source>the systemd journal is not available on this system.</source>
        <translation>此系统上没有 systemd 日志。</translation>
    </message>
</context>
<context>
    <name>MetricsClaimLinux</name>
    <message>
        <source>%1 is the metrics file of another running station; give each station a file of its own.</source>
        <translation>%1 是另一个正在运行的工位的指标文件；请为每个工位指定各自的文件。</translation>
    </message>
</context>
<context>
    <name>UnitRecordSinks</name>
    <message>
        <source>morvane-flash: --journal: %1; the units go on without it.</source>
        <translation>morvane-flash：--journal：%1；设备刷写将在没有日志的情况下继续。</translation>
    </message>
    <message>
        <source>morvane-flash: --journal: an entry could not be sent (%1); the units go on without it.</source>
        <translation>morvane-flash：--journal：无法发送日志条目（%1）；设备刷写将在没有日志的情况下继续。</translation>
    </message>
    <message>
        <source>morvane-flash: --metrics: %1</source>
        <translation>morvane-flash：--metrics：%1</translation>
    </message>
</context>
<context>
    <name>WatchDisplay</name>
    <message>
        <source>%1: plugged in; flashing %2.</source>
        <translation>%1：已插入；正在刷写 %2。</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>端口 %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between a socket&apos;s port and serial</comment>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more in transfer</source>
        <translation>
            <numerusform>…另有 %n 台正在传输</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more failed</source>
        <translation>
            <numerusform>…另有 %n 台失败</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a device: its progress, the time left</comment>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <source>%1 flashed, %2 failed, %3 skipped, %4 in progress; %5 flashed an hour</source>
        <translation>已刷写 %1 台，失败 %2 台，跳过 %3 台，进行中 %4 台；每小时刷写 %5 台</translation>
    </message>
</context>
</TS>
