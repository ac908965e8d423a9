<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DeviceListing</name>
    <message>
        <source>No device found.</source>
        <translation>未找到设备。</translation>
    </message>
</context>
<context>
    <name>DeviceSelection</name>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>端口 %1</translation>
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
            <numerusform>有 %n 个设备与 %1 匹配；请用 --serial 或 --path 选择其中一个，或用 --all-devices 全部刷写：</numerusform>
        </translation>
    </message>
    <message>
        <source>No %1 attached has that serial number or path; this one is attached:</source>
        <translation>已连接的 %1 中没有该序列号或路径的设备；已连接的是这一台：</translation>
    </message>
    <message numerus="yes">
        <source>No %1 attached has that serial number or path; these %n are attached:</source>
        <translation>
            <numerusform>已连接的 %1 中没有该序列号或路径的设备；已连接的是这 %n 台：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>This build trusts a catalogue key, so an image file is flashed only with its digest: give --sha256 HEX.</source>
        <translation>此版本信任固件列表密钥，因此固件映像文件只有在给出其摘要时才会刷写：请提供 --sha256 HEX。</translation>
    </message>
    <message>
        <source>Cannot read the firmware file %1: %2.</source>
        <translation>无法读取固件文件 %1：%2。</translation>
    </message>
    <message>
        <source>The firmware file %1 does not match --sha256 (%2); nothing is flashed.</source>
        <translation>固件文件 %1 与 --sha256 不符（%2）；不会刷写任何设备。</translation>
    </message>
    <message>
        <source>The firmware file %1 is empty.</source>
        <translation>固件文件 %1 为空。</translation>
    </message>
</context>
<context>
    <name>FlashRecord</name>
    <message>
        <source>Stopped: the download of %1 was abandoned; nothing was flashed.</source>
        <translation>已停止：已放弃下载 %1；未刷写任何设备。</translation>
    </message>
    <message>
        <source>The transfer ended at a report boundary and the device was closed; it may need a new update.</source>
        <translation>传输在报告边界处结束，设备已关闭；可能需要重新更新。</translation>
    </message>
    <message>
        <source>Stopped: nothing was flashed.</source>
        <translation>已停止：未刷写任何设备。</translation>
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
        <translation>设备 %1</translation>
    </message>
    <message>
        <source>morvane-flash: the log could not be written: %1</source>
        <translation>morvane-flash：无法写入日志：%1</translation>
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
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a device&apos;s label, then its progress</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Update progress: %1</source>
        <comment>a progress bar</comment>
        <translation>更新进度：%1</translation>
    </message>
</context>
<context>
    <name>SessionGuard</name>
    <message>
        <source>morvane-flash: nothing keeps this machine from sleeping or shutting down during the transfer (no login manager answered on the system bus).</source>
        <translation>morvane-flash：传输期间没有任何机制阻止本机休眠或关机（系统总线上没有登录管理器应答）。</translation>
    </message>
</context>
<context>
    <name>StationTags</name>
    <message>
        <source>--station takes a name without control characters.</source>
        <translation>--station 需要一个不含控制字符的名称。</translation>
    </message>
    <message>
        <source>--label takes KEY=VALUE, KEY of letters, digits and _ (not starting with a digit): &quot;%1&quot;.</source>
        <translation>--label 的格式为 KEY=VALUE，KEY 由字母、数字和 _ 组成（不能以数字开头）：“%1”。</translation>
    </message>
    <message>
        <source>--label %1: that name is the record&apos;s own; choose another.</source>
        <translation>--label %1：该名称已被记录自身使用；请另选一个。</translation>
    </message>
    <message>
        <source>--label %1: the key is longer than %2 characters, which the journal&apos;s field name %3%4 cannot hold.</source>
        <translation>--label %1：键长度超过 %2 个字符，日志字段名 %3%4 容纳不下。</translation>
    </message>
    <message>
        <source>--label %1 is given twice.</source>
        <translation>--label %1 指定了两次。</translation>
    </message>
    <message>
        <source>--label %1: the value has a control character.</source>
        <translation>--label %1：值中含有控制字符。</translation>
    </message>
</context>
</TS>
