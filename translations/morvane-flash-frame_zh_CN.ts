<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CatalogueChoice</name>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>This build trusts no catalogue key, and a bundle is believed only through the catalogue&apos;s signature: it neither makes nor reads bundles.</source>
        <translation>此版本不信任任何固件列表密钥，而离线包只能通过固件列表的签名来确认可信：因此它既不制作也不读取离线包。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list of line numbers</comment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between line numbers</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>No model &quot;%1&quot; in the catalogue.</source>
        <translation>固件列表中没有型号“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names %2 models when letter case is ignored: &quot;%3&quot;; name one as the catalogue writes it.</source>
        <translation>忽略大小写时，“%1”对应 %2 个型号：“%3”；请按固件列表中的写法指定其中一个。</translation>
    </message>
    <message>
        <source>No version &quot;%1&quot; of %2 in the catalogue.</source>
        <translation>固件列表中没有 %2 的版本“%1”。</translation>
    </message>
    <message>
        <source>%1 %2 is on lines %3 of the catalogue, which differ; morvane-flash does not choose between them.</source>
        <translation>%1 %2 出现在固件列表的第 %3 行，且内容不同；morvane-flash 不会在其中做选择。</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>nothing was flashed</source>
        <translation>未刷写任何设备</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>Stopped: the download of %1 was abandoned; %2.</source>
        <translation>已停止：已放弃下载 %1；%2。</translation>
    </message>
</context>
</TS>
