<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Download</name>
    <message>
        <source>The server redirected %1 too many times, which is refused as a redirect loop.</source>
        <translation>服务器对 %1 重定向次数过多，视为重定向循环而拒绝。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to a Location that is not an address (“%2”), which is refused.</source>
        <translation>服务器从 %1 重定向到的 Location 不是地址（“%2”），已拒绝。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to %2 (“%3”), which is refused: an https address is never left for http.</source>
        <translation>服务器从 %1 重定向到 %2（“%3”），已拒绝：绝不会从 https 地址转到 http。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to a relative address (“%2”), which is refused: only http and https are fetched.</source>
        <translation>服务器从 %1 重定向到相对地址（“%2”），已拒绝：只获取 http 和 https 地址。</translation>
    </message>
    <message>
        <source>The server redirected from %1 to %2 (“%3”), which is refused: only http and https are fetched.</source>
        <translation>服务器从 %1 重定向到 %2（“%3”），已拒绝：只获取 http 和 https 地址。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>服务器返回了 HTTP 状态码 %1。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1 (%2).</source>
        <translation>服务器返回了 HTTP 状态码 %1（%2）。</translation>
    </message>
    <message>
        <source>The download was ended: the server&apos;s answer for %1 did not end its headers within %2.</source>
        <translation>下载已终止：服务器对%1的响应未在 %2 内发送完响应头。</translation>
    </message>
    <message>
        <source>The download timed out: nothing arrived for %1.</source>
        <translation>下载超时：%1 内未收到任何数据。</translation>
    </message>
    <message>
        <source>The server announced %1 for %2, more than its limit of %3.</source>
        <translation>服务器声明%2的大小为 %1，超过其上限 %3。</translation>
    </message>
    <message>
        <source>More than %1 arrived for %2, its limit.</source>
        <translation>收到的%2超过其上限 %1。</translation>
    </message>
</context>
<context>
    <name>DownloadLimits</name>
    <message>
        <source>the catalogue list</source>
        <translation>固件列表</translation>
    </message>
    <message>
        <source>the catalogue signature</source>
        <translation>固件列表签名</translation>
    </message>
    <message>
        <source>release notes</source>
        <translation>固件说明</translation>
    </message>
    <message>
        <source>a firmware image</source>
        <translation>固件映像</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1（%2 字节）</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
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
        <translation>下载超时：%1未能在 %2 内下载完成。</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>The address “%1” is relative and names no server to fetch it from.</source>
        <translation>地址“%1”是相对地址，没有指明从哪个服务器获取。</translation>
    </message>
    <message>
        <source>The address “%1” is not a web address; only http and https are fetched.</source>
        <translation>地址“%1”不是网址；只获取 http 和 https 地址。</translation>
    </message>
    <message>
        <source>The address “%1” names no server.</source>
        <translation>地址“%1”没有指明服务器。</translation>
    </message>
</context>
</TS>
