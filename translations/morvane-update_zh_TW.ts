<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>UpdateMessages</name>
    <message>
        <source>读取固件列表失败：%1</source>
        <translation>讀取韌體列表失敗：%1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s address: %1</source>
        <translation>韌體列表的位址：%1</translation>
    </message>
    <message>
        <source>The device left the USB bus: it was unplugged, its cable is loose, or it restarted. Plug it in again and flash it again; a station flashing with --watch does so by itself.</source>
        <translation>裝置已離開 USB 匯流排：它被拔除、線材鬆脫或已重新啟動。請重新插入裝置並再次燒錄；使用 --watch 燒錄的工作站會自動這麼做。</translation>
    </message>
    <message>
        <source>读取固件列表失败：服务器返回内容无法解析</source>
        <translation>讀取韌體列表失敗：無法解析伺服器傳回的內容</translation>
    </message>
    <message>
        <source>The catalogue signature “%1” could not be read: %2</source>
        <translation>無法讀取韌體列表簽章「%1」：%2</translation>
    </message>
    <message>
        <source>The newest catalogue signing time taken on this computer (%1) lies ahead of its clock (%2): either this computer&apos;s clock is behind, or a list signed with a fast clock was taken earlier. The record stays, and lists signed before it are refused. </source>
        <translation>本機接受過的最新韌體列表簽署時間（%1）晚於本機時鐘（%2）：可能是本機時鐘慢了，也可能先前接受過一份以快時鐘簽署的列表。此紀錄保留，早於它簽署的列表會被拒絕。</translation>
    </message>
    <message>
        <source>The catalogue signing time an earlier version of the updater kept for key %1 (%2) lies ahead of this computer&apos;s clock (%3); that version did not bound it, so it is ignored.</source>
        <translation>舊版更新程式為金鑰 %1 保存的韌體列表簽署時間（%2）晚於本機時鐘（%3）；舊版未加以限制，因此忽略此時間。</translation>
    </message>
    <message>
        <source>The record of catalogue signing times cannot be kept: %1</source>
        <translation>無法保存韌體列表簽署時間紀錄：%1</translation>
    </message>
    <message>
        <source>The next list will be trusted as on first use.</source>
        <translation>下一份列表將以首次使用的方式信任。</translation>
    </message>
    <message>
        <source>The list signed %1 stays the newest taken, and lists signed before it are still refused.</source>
        <translation>%1 簽署的列表仍是接受過的最新列表，早於它簽署的列表仍會被拒絕。</translation>
    </message>
    <message>
        <source>正在读取固件说明...</source>
        <translation>正在讀取韌體說明...</translation>
    </message>
    <message>
        <source>固件说明读取失败：%1</source>
        <translation>韌體說明讀取失敗：%1</translation>
    </message>
    <message>
        <source>没有读取到固件说明。</source>
        <translation>沒有讀取到韌體說明。</translation>
    </message>
    <message>
        <source>Preparing to update %1 %2...</source>
        <translation>正在準備更新 %1 %2...</translation>
    </message>
    <message>
        <source>No %1 found. Please check the USB connection.</source>
        <translation>找不到 %1。請檢查 USB 連線。</translation>
    </message>
    <message>
        <source>%1 found.</source>
        <translation>已找到 %1。</translation>
    </message>
    <message>
        <source>Firmware download failed: %1</source>
        <translation>韌體下載失敗：%1</translation>
    </message>
    <message>
        <source>服务器没有返回固件数据</source>
        <translation>伺服器沒有傳回韌體資料</translation>
    </message>
    <message>
        <source>Firmware downloaded: %1</source>
        <translation>韌體已下載：%1</translation>
    </message>
    <message>
        <source>Starting firmware transfer...</source>
        <translation>正在開始傳輸韌體...</translation>
    </message>
    <message>
        <source>Update progress: %1%</source>
        <translation>更新進度：%1%</translation>
    </message>
    <message>
        <source>Update completed.</source>
        <translation>更新完成。</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>更新失敗：%1</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>另一個程式（處理程序 %1）</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>另一個程式</translation>
    </message>
    <message>
        <source>The device at %1 is in use by %2; nothing was sent to it.</source>
        <translation>%1 的裝置正被%2使用；未傳送任何資料給它。</translation>
    </message>
    <message>
        <source>Update stopped.</source>
        <translation>更新已停止。</translation>
    </message>
</context>
</TS>
