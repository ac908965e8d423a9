<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DeviceListing</name>
    <message>
        <source>No device found.</source>
        <translation>找不到裝置。</translation>
    </message>
</context>
<context>
    <name>DeviceSelection</name>
    <message>
        <source>serial %1</source>
        <translation>序號 %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>連接埠 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a device&apos;s path, then its serial and port</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between a device&apos;s details</comment>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>%n devices match %1; choose one with --serial or --path, or flash them all with --all-devices:</source>
        <translation>
            <numerusform>有 %n 個裝置與 %1 相符；請用 --serial 或 --path 選擇其中一個，或用 --all-devices 全部燒錄：</numerusform>
        </translation>
    </message>
    <message>
        <source>No %1 attached has that serial number or path; this one is attached:</source>
        <translation>已連接的 %1 中沒有該序號或路徑的裝置；已連接的是這一台：</translation>
    </message>
    <message numerus="yes">
        <source>No %1 attached has that serial number or path; these %n are attached:</source>
        <translation>
            <numerusform>已連接的 %1 中沒有該序號或路徑的裝置；已連接的是這 %n 台：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>This build trusts a catalogue key, so an image file is flashed only with its digest: give --sha256 HEX.</source>
        <translation>此版本信任韌體列表金鑰，因此韌體映像檔案只有在提供其摘要時才會燒錄：請提供 --sha256 HEX。</translation>
    </message>
    <message>
        <source>Cannot read the firmware file %1: %2.</source>
        <translation>無法讀取韌體檔案 %1：%2。</translation>
    </message>
    <message>
        <source>The firmware file %1 does not match --sha256 (%2); nothing is flashed.</source>
        <translation>韌體檔案 %1 與 --sha256 不符（%2）；不會燒錄任何裝置。</translation>
    </message>
    <message>
        <source>The firmware file %1 is empty.</source>
        <translation>韌體檔案 %1 是空的。</translation>
    </message>
</context>
<context>
    <name>FlashRecord</name>
    <message>
        <source>Stopped: the download of %1 was abandoned; nothing was flashed.</source>
        <translation>已停止：已放棄下載 %1；未燒錄任何裝置。</translation>
    </message>
    <message>
        <source>The transfer ended at a report boundary and the device was closed; it may need a new update.</source>
        <translation>傳輸在報告邊界處結束，裝置已關閉；可能需要重新更新。</translation>
    </message>
    <message>
        <source>Stopped: nothing was flashed.</source>
        <translation>已停止：未燒錄任何裝置。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a device&apos;s label, then its line</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>Waiting up to %1 s for %2...</source>
        <translation>正在等待 %2，最多 %1 秒...</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>正在等待 %1...</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>裝置 %1</translation>
    </message>
    <message>
        <source>morvane-flash: the log could not be written: %1</source>
        <translation>morvane-flash：無法寫入記錄檔：%1</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a transfer still takes</comment>
        <translation>剩餘 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a device&apos;s label, then its progress</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Update progress: %1</source>
        <comment>a progress bar</comment>
        <translation>更新進度：%1</translation>
    </message>
</context>
<context>
    <name>SessionGuard</name>
    <message>
        <source>morvane-flash: nothing keeps this machine from sleeping or shutting down during the transfer (no login manager answered on the system bus).</source>
        <translation>morvane-flash：傳輸期間沒有任何機制阻止本機休眠或關機（系統匯流排上沒有登入管理員回應）。</translation>
    </message>
</context>
<context>
    <name>StationTags</name>
    <message>
        <source>--station takes a name without control characters.</source>
        <translation>--station 需要一個不含控制字元的名稱。</translation>
    </message>
    <message>
        <source>--label takes KEY=VALUE, KEY of letters, digits and _ (not starting with a digit): &quot;%1&quot;.</source>
        <translation>--label 的格式為 KEY=VALUE，KEY 由字母、數字和 _ 組成（不可以數字開頭）：「%1」。</translation>
    </message>
    <message>
        <source>--label %1: that name is the record&apos;s own; choose another.</source>
        <translation>--label %1：該名稱已由記錄本身使用；請另選一個。</translation>
    </message>
    <message>
        <source>--label %1: the key is longer than %2 characters, which the journal&apos;s field name %3%4 cannot hold.</source>
        <translation>--label %1：鍵長度超過 %2 個字元，日誌欄位名稱 %3%4 容納不下。</translation>
    </message>
    <message>
        <source>--label %1 is given twice.</source>
        <translation>--label %1 指定了兩次。</translation>
    </message>
    <message>
        <source>--label %1: the value has a control character.</source>
        <translation>--label %1：值中含有控制字元。</translation>
    </message>
</context>
</TS>
