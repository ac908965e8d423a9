<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CatalogueChoice</name>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>This build trusts no catalogue key, and a bundle is believed only through the catalogue&apos;s signature: it neither makes nor reads bundles.</source>
        <translation>此版本不信任任何韌體列表金鑰，而離線包只能透過韌體列表的簽章來確認可信：因此它既不製作也不讀取離線包。</translation>
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
        <translation>韌體列表中沒有型號「%1」。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names %2 models when letter case is ignored: &quot;%3&quot;; name one as the catalogue writes it.</source>
        <translation>忽略大小寫時，「%1」對應 %2 個型號：「%3」；請依韌體列表中的寫法指定其中一個。</translation>
    </message>
    <message>
        <source>No version &quot;%1&quot; of %2 in the catalogue.</source>
        <translation>韌體列表中沒有 %2 的版本「%1」。</translation>
    </message>
    <message>
        <source>%1 %2 is on lines %3 of the catalogue, which differ; morvane-flash does not choose between them.</source>
        <translation>%1 %2 出現在韌體列表的第 %3 行，且內容不同；morvane-flash 不會在其中做選擇。</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>nothing was flashed</source>
        <translation>未燒錄任何裝置</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>Stopped: the download of %1 was abandoned; %2.</source>
        <translation>已停止：已放棄下載 %1；%2。</translation>
    </message>
</context>
</TS>
