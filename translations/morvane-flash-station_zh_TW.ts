<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BenchLog</name>
    <message>
        <source>%1 is a symbolic link; the log is never written through one.</source>
        <translation>%1 是符號連結；記錄檔從不透過符號連結寫入。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是一般檔案。</translation>
    </message>
    <message>
        <source>the log is not open.</source>
        <translation>記錄檔未開啟。</translation>
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
        <translation>正在等待 %1：每台插入的裝置都會被燒錄。按 Ctrl-C 結束。</translation>
    </message>
    <message>
        <source>%1: back after its update; not flashed again.</source>
        <translation>%1：更新後重新連接；不再燒錄。</translation>
    </message>
    <message>
        <source>morvane-flash: the log could not be written, so no further unit is flashed: %1</source>
        <translation>morvane-flash：無法寫入記錄檔，因此不再燒錄更多裝置：%1</translation>
    </message>
    <message>
        <source>Watch ended: %1 flashed, %2 failed, %3 skipped, %4 stopped, in %5 s.</source>
        <translation>監看結束：已燒錄 %1 台，失敗 %2 台，略過 %3 台，停止 %4 台，耗時 %5 秒。</translation>
    </message>
    <message>
        <source>Warning: the catalogue&apos;s signature expires on %1, in %2 days: a station started after then refuses the list. Ask its publisher for a newly signed one.</source>
        <translation>警告：韌體列表的簽章將於 %1 到期，還剩 %2 天：此後啟動的工作站會拒絕該列表。請向其發布者索取重新簽署的列表。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace.</source>
        <translation>正在停止：不再接收新裝置；先等待傳輸中的裝置完成，依協定速度約需 %1。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace.</source>
        <translation>正在停止：不再接收新裝置；先等待傳輸中的 %1 台裝置完成，依協定速度約需 %2。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the unit in transfer finishes first, about %1 at the protocol&apos;s pace (at most %2 s).</source>
        <translation>正在停止：不再接收新裝置；先等待傳輸中的裝置完成，依協定速度約需 %1（最多 %2 秒）。</translation>
    </message>
    <message>
        <source>Stopping: no new unit is taken; the %1 units in transfer finish first, about %2 at the protocol&apos;s pace (at most %3 s).</source>
        <translation>正在停止：不再接收新裝置；先等待傳輸中的 %1 台裝置完成，依協定速度約需 %2（最多 %3 秒）。</translation>
    </message>
    <message>
        <source>A second Ctrl-C, SIGTERM or SIGHUP stops them at a report boundary.</source>
        <translation>再按一次 Ctrl-C，或收到 SIGTERM、SIGHUP，會在報告邊界處停止它們。</translation>
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
        <translation>此處沒有 systemd 日誌在監聽（缺少 %1）</translation>
    </message>
</context>
<context>
    <name>JournalSinkOther</name>
    <message>
        <source>the systemd journal is not available on this system.</source>
        <translation>此系統上沒有 systemd 日誌。</translation>
    </message>
</context>
<context>
    <name>MetricsClaimLinux</name>
    <message>
        <source>%1 is the metrics file of another running station; give each station a file of its own.</source>
        <translation>%1 是另一個正在執行的工作站的指標檔案；請為每個工作站指定各自的檔案。</translation>
    </message>
</context>
<context>
    <name>UnitRecordSinks</name>
    <message>
        <source>morvane-flash: --journal: %1; the units go on without it.</source>
        <translation>morvane-flash：--journal：%1；裝置燒錄將在沒有日誌的情況下繼續。</translation>
    </message>
    <message>
        <source>morvane-flash: --journal: an entry could not be sent (%1); the units go on without it.</source>
        <translation>morvane-flash：--journal：無法傳送日誌項目（%1）；裝置燒錄將在沒有日誌的情況下繼續。</translation>
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
        <translation>%1：已插入；正在燒錄 %2。</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>連接埠 %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序號 %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between a socket&apos;s port and serial</comment>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more in transfer</source>
        <translation>
            <numerusform>…另有 %n 台正在傳輸</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more failed</source>
        <translation>
            <numerusform>…另有 %n 台失敗</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a device: its progress, the time left</comment>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <source>%1 flashed, %2 failed, %3 skipped, %4 in progress; %5 flashed an hour</source>
        <translation>已燒錄 %1 台，失敗 %2 台，略過 %3 台，進行中 %4 台；每小時燒錄 %5 台</translation>
    </message>
</context>
</TS>
