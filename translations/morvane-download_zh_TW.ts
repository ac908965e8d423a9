<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Download</name>
    <message>
        <source>The server redirected %1 too many times, which is refused as a redirect loop.</source>
        <translation>伺服器對 %1 重新導向次數過多，視為重新導向迴圈而拒絕。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to a Location that is not an address (“%2”), which is refused.</source>
        <translation>伺服器從 %1 重新導向到的 Location 不是位址（「%2」），已拒絕。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to %2 (“%3”), which is refused: an https address is never left for http.</source>
        <translation>伺服器從 %1 重新導向到 %2（「%3」），已拒絕：絕不會從 https 位址轉到 http。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to a relative address (“%2”), which is refused: only http and https are fetched.</source>
        <translation>伺服器從 %1 重新導向到相對位址（「%2」），已拒絕：只擷取 http 和 https 位址。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to %2 (“%3”), which is refused: only http and https are fetched.</source>
        <translation>伺服器從 %1 重新導向到 %2（「%3」），已拒絕：只擷取 http 和 https 位址。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>伺服器傳回了 HTTP 狀態碼 %1。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1 (%2).</source>
        <translation>伺服器傳回了 HTTP 狀態碼 %1（%2）。</translation>
    </message>
    <message>
        <source>The download was ended: the server&apos;s answer for %1 did not end its headers within %2.</source>
        <translation>下載已終止：伺服器對%1的回應未在 %2 內傳送完回應標頭。</translation>
    </message>
    <message>
        <source>The download timed out: nothing arrived for %1.</source>
        <translation>下載逾時：%1 內未收到任何資料。</translation>
    </message>
    <message>
        <source>The server announced %1 for %2, more than its limit of %3.</source>
        <translation>伺服器宣告%2的大小為 %1，超過其上限 %3。</translation>
    </message>
    <message>
        <source>More than %1 arrived for %2, its limit.</source>
        <translation>收到的%2超過其上限 %1。</translation>
    </message>
</context>
<context>
    <name>DownloadLimits</name>
    <message>
        <source>the catalogue list</source>
        <translation>韌體列表</translation>
    </message>
    <message>
        <source>the catalogue signature</source>
        <translation>韌體列表簽章</translation>
    </message>
    <message>
        <source>release notes</source>
        <translation>韌體說明</translation>
    </message>
    <message>
        <source>a firmware image</source>
        <translation>韌體映像</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1（%2 位元組）</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 位元組</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>The download timed out: %1 did not arrive within %2.</source>
        <translation>下載逾時：%1未能在 %2 內下載完成。</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>The address “%1” is relative and names no server to fetch it from.</source>
        <translation>位址「%1」是相對位址，沒有指明從哪個伺服器擷取。</translation>
    </message>
    <message>
        <source>The address “%1” is not a web address; only http and https are fetched.</source>
        <translation>位址「%1」不是網址；只擷取 http 和 https 位址。</translation>
    </message>
    <message>
        <source>The address “%1” names no server.</source>
        <translation>位址「%1」沒有指明伺服器。</translation>
    </message>
</context>
</TS>
