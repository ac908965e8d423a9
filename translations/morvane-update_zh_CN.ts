<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>UpdateMessages</name>
    <message>
        <source>读取固件列表失败：%1</source>
        <translation>读取固件列表失败：%1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s address: %1</source>
        <translation>固件列表的地址：%1</translation>
    </message>
    <message>
        <source>The device left the USB bus: it was unplugged, its cable is loose, or it restarted. Plug it in again and flash it again; a station flashing with --watch does so by itself.</source>
        <translation>设备已离开 USB 总线：它被拔出、线缆松动或已重新启动。请重新插入设备并再次刷写；使用 --watch 刷写的工位会自动这样做。</translation>
    </message>
    <message>
        <source>读取固件列表失败：服务器返回内容无法解析</source>
        <translation>读取固件列表失败：服务器返回内容无法解析</translation>
    </message>
    <message>
        <source>The catalogue signature “%1” could not be read: %2</source>
        <translation>无法读取固件列表签名“%1”：%2</translation>
    </message>
    <message>
        <source>The newest catalogue signing time taken on this computer (%1) lies ahead of its clock (%2): either this computer&apos;s clock is behind, or a list signed with a fast clock was taken earlier. The record stays, and lists signed before it are refused. </source>
        <translation>本机接受过的最新固件列表签名时间（%1）晚于本机时钟（%2）：要么本机时钟慢了，要么之前接受过一份用快时钟签名的列表。该记录保留，早于它签名的列表会被拒绝。</translation>
    </message>
    <message>
        <source>The catalogue signing time an earlier version of the updater kept for key %1 (%2) lies ahead of this computer&apos;s clock (%3); that version did not bound it, so it is ignored.</source>
        <translation>旧版更新程序为密钥 %1 保存的固件列表签名时间（%2）晚于本机时钟（%3）；旧版未对其加以限制，因此忽略该时间。</translation>
    </message>
    <message>
        <source>The record of catalogue signing times cannot be kept: %1</source>
        <translation>无法保存固件列表签名时间记录：%1</translation>
    </message>
    <message>
        <source>The next list will be trusted as on first use.</source>
        <translation>下一份列表将按首次使用时的方式信任。</translation>
    </message>
    <message>
        <source>The list signed %1 stays the newest taken, and lists signed before it are still refused.</source>
        <translation>%1 签名的列表仍是接受过的最新列表，早于它签名的列表仍会被拒绝。</translation>
    </message>
    <message>
        <source>正在读取固件说明...</source>
        <translation>正在读取固件说明...</translation>
    </message>
    <message>
        <source>固件说明读取失败：%1</source>
        <translation>固件说明读取失败：%1</translation>
    </message>
    <message>
        <source>没有读取到固件说明。</source>
        <translation>没有读取到固件说明。</translation>
    </message>
    <message>
        <source>Preparing to update %1 %2...</source>
        <translation>正在准备更新 %1 %2...</translation>
    </message>
    <message>
        <source>No %1 found. Please check the USB connection.</source>
        <translation>未找到 %1。请检查 USB 连接。</translation>
    </message>
    <message>
        <source>%1 found.</source>
        <translation>已找到 %1。</translation>
    </message>
    <message>
        <source>Firmware download failed: %1</source>
        <translation>固件下载失败：%1</translation>
    </message>
    <message>
        <source>服务器没有返回固件数据</source>
        <translation>服务器没有返回固件数据</translation>
    </message>
    <message>
        <source>Firmware downloaded: %1</source>
        <translation>固件已下载：%1</translation>
    </message>
    <message>
        <source>Starting firmware transfer...</source>
        <translation>正在开始传输固件...</translation>
    </message>
    <message>
        <source>Update progress: %1%</source>
        <translation>更新进度：%1%</translation>
    </message>
    <message>
        <source>Update completed.</source>
        <translation>更新完成。</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>更新失败：%1</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>另一个程序（进程 %1）</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>另一个程序</translation>
    </message>
    <message>
        <source>The device at %1 is in use by %2; nothing was sent to it.</source>
        <translation>%1 处的设备正被%2使用；未向其发送任何数据。</translation>
    </message>
    <message>
        <source>Update stopped.</source>
        <translation>更新已停止。</translation>
    </message>
</context>
</TS>
