<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AcceptedTimestamps</name>
    <message>
        <source>The record of catalogue signing times could not be locked (%1: %2); it is used unlocked.</source>
        <translation>無法鎖定韌體列表簽署時間紀錄（%1：%2）；將在未鎖定的情況下使用它。</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>無法建立資料夾</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>另一個程式正佔用它</translation>
    </message>
    <message>
        <source>The record of catalogue signing times %1 cannot be read: %2; the list is trusted as on first use.</source>
        <translation>無法讀取韌體列表簽署時間紀錄 %1：%2；此列表以首次使用的方式信任。</translation>
    </message>
    <message>
        <source>it does not hold a signing time</source>
        <translation>其中沒有簽署時間</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>無法刪除 %1：%2</translation>
    </message>
</context>
<context>
    <name>CatalogueReading</name>
    <message>
        <source>the signature holds for key %1</source>
        <translation>簽章對金鑰 %1 有效</translation>
    </message>
    <message>
        <source>the list expires %1, within 7 days: sign it again before then</source>
        <translation>列表將於 %1 到期，不到 7 天：請在此之前重新簽署</translation>
    </message>
    <message>
        <source>Line %1 of the signed catalogue is refused, and with it the list: %2.</source>
        <translation>已簽署韌體列表的第 %1 行被拒絕，整份列表也隨之被拒絕：%2。</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>The battery is at %1%, below %2%: connect the power supply, then update. Nothing was written.</source>
        <translation>電池電量為 %1%，低於 %2%：請連接電源後再更新。未寫入任何資料。</translation>
    </message>
    <message>
        <source>Writing firmware %1 into the device at %2; an interrupted update can leave it unusable.</source>
        <translation>正在將韌體 %1 寫入位於 %2 的裝置；中斷更新可能導致裝置無法使用。</translation>
    </message>
    <message>
        <source>(an image)</source>
        <translation>（一個韌體映像）</translation>
    </message>
</context>
<context>
    <name>FolderFile</name>
    <message>
        <source>No folder for application data is available.</source>
        <translation>沒有可用的應用程式資料資料夾。</translation>
    </message>
    <message>
        <source>“%1” is not a file name.</source>
        <translation>「%1」不是檔案名稱。</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Unable to open the folder %1: %2</source>
        <translation>無法開啟資料夾 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是資料夾，不是檔案。</translation>
    </message>
    <message>
        <source>Unable to write in the folder %1: %2</source>
        <translation>無法寫入資料夾 %1：%2</translation>
    </message>
    <message>
        <source>Unable to save %1: %2; the earlier file there is left as it was.</source>
        <translation>無法儲存 %1：%2；原有檔案保持不變。</translation>
    </message>
</context>
<context>
    <name>NextSteps</name>
    <message>
        <source>For a key rotation, sign with the new key and judge it by that key&apos;s public half: morvane-flash sign --public-key NEW.pub.</source>
        <translation>如需輪替金鑰，請以新金鑰簽署，並以該金鑰的公鑰檢驗：morvane-flash sign --public-key NEW.pub。</translation>
    </message>
    <message>
        <source>Its line ends were changed after it was signed (CR LF and LF), as an upload in text mode does: upload the list unchanged, as binary, or sign it again with morvane-flash sign.</source>
        <translation>簽署後其行尾被更改了（CR LF 與 LF），以文字模式上傳就會如此：請以二進位方式原樣上傳列表，或以 morvane-flash sign 重新簽署。</translation>
    </message>
    <message>
        <source>The list or its signature was changed after it was signed: sign it again with morvane-flash sign.</source>
        <translation>列表或其簽章在簽署後被更改了：請以 morvane-flash sign 重新簽署。</translation>
    </message>
    <message>
        <source>Sign it with morvane-flash sign, which writes the timestamp: and expires: the updater reads.</source>
        <translation>請以 morvane-flash sign 簽署，它會寫入更新程式讀取的 timestamp: 與 expires:。</translation>
    </message>
    <message>
        <source>Sign it again with morvane-flash sign.</source>
        <translation>請以 morvane-flash sign 重新簽署。</translation>
    </message>
    <message>
        <source>The list format has no comments: delete the line, or keep notes about the list elsewhere.</source>
        <translation>列表格式不支援註解：請刪除該行，或將關於列表的備註另行保存。</translation>
    </message>
    <message>
        <source>A &quot;;&quot; inside a field (in the copyright, say) shifts the fields after it: the format has no way to quote one, so write it otherwise.</source>
        <translation>欄位中的「;」（例如版權資訊中的）會使其後的欄位錯位：此格式無法跳脫它，請換一種寫法。</translation>
    </message>
    <message>
        <source>If the image was rebuilt, empty field 8 for morvane-flash sign to fill in its new digest.</source>
        <translation>如果韌體映像已重新建置，請清空第 8 個欄位，由 morvane-flash sign 填入新的摘要。</translation>
    </message>
    <message>
        <source>Write the whole address, with http:// or https:// and the server.</source>
        <translation>請寫出完整位址，包括 http:// 或 https:// 以及伺服器。</translation>
    </message>
    <message>
        <source>%1 are read as UTF-8 with NUL characters, as UTF-16 without a byte-order mark is: the window shows a box between letters; save them as UTF-8</source>
        <translation>%1 會被當作含 NUL 字元的 UTF-8 讀取（不帶位元組順序標記的 UTF-16 就會如此）：視窗會在字母之間顯示方框；請將其儲存為 UTF-8</translation>
    </message>
    <message>
        <source>%1 are not UTF-8 and will be read as %2: character sets are tried in a fixed order (UTF-8, GB18030, GBK, GB2312, Big5, UTF-16) and the first that takes every byte wins, so Big5 text is read as GB18030 and garbled; save them as UTF-8</source>
        <translation>%1 不是 UTF-8，將被當作 %2 讀取：字元集依固定順序嘗試（UTF-8、GB18030、GBK、GB2312、Big5、UTF-16），第一個能接受所有位元組的勝出，因此 Big5 文字會被當作 GB18030 讀取而成為亂碼；請將其儲存為 UTF-8</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder, not a regular file, so it is not read</source>
        <translation>它是資料夾，不是一般檔案，因此不讀取</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file, so it is not read</source>
        <translation>它是 FIFO，不是一般檔案，因此不讀取</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file, so it is not read</source>
        <translation>它是通訊端，不是一般檔案，因此不讀取</translation>
    </message>
    <message>
        <source>it is a device, not a regular file, so it is not read</source>
        <translation>它是裝置，不是一般檔案，因此不讀取</translation>
    </message>
    <message>
        <source>it has %1 bytes, more than the limit of %2 bytes</source>
        <translation>它有 %1 位元組，超過了 %2 位元組的上限</translation>
    </message>
    <message>
        <source>it grew past the limit of %1 bytes while it was read</source>
        <translation>它在讀取過程中增長，超過了 %1 位元組的上限</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>無法開啟其所在資料夾：%1</translation>
    </message>
    <message>
        <source>it is a link, which is not followed</source>
        <translation>它是連結，不會跟隨</translation>
    </message>
</context>
<context>
    <name>SignedListRules</name>
    <message>
        <source>the firmware address cannot be downloaded. %1</source>
        <translation>無法從韌體位址下載。%1</translation>
    </message>
    <message>
        <source>the release-notes address cannot be downloaded. %1</source>
        <translation>無法從韌體說明位址下載。%1</translation>
    </message>
    <message>
        <source>the ids &quot;%1&quot; and &quot;%2&quot; are not both hexadecimal numbers from 1 to ffff: no device matches them</source>
        <translation>ID「%1」與「%2」並非都是 1 到 ffff 之間的十六進位數：沒有裝置與之相符</translation>
    </message>
    <message>
        <source>version &quot;%1&quot; of model &quot;%2&quot; is also on line %3 with other fields; the updater cannot choose between them</source>
        <translation>型號「%2」的版本「%1」也出現在第 %3 行，但欄位不同；更新程式無法在兩者之間選擇</translation>
    </message>
    <message>
        <source>the line is not a record the updater can read</source>
        <translation>該行不是更新程式能讀取的紀錄</translation>
    </message>
    <message>
        <source>the line is not a record the updater can read. %1</source>
        <translation>該行不是更新程式能讀取的紀錄。%1</translation>
    </message>
    <message>
        <source>model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>vendor id</source>
        <translation>廠商 ID</translation>
    </message>
    <message>
        <source>product id</source>
        <translation>產品 ID</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>copyright</source>
        <translation>版權資訊</translation>
    </message>
    <message>
        <source>firmware URL</source>
        <translation>韌體位址</translation>
    </message>
    <message>
        <source>release-notes URL</source>
        <translation>韌體說明位址</translation>
    </message>
    <message>
        <source>digest</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>field %1 (%2)</source>
        <extracomment>A field of a catalogue line: its number, then its name.</extracomment>
        <translation>第 %1 個欄位（%2）</translation>
    </message>
    <message>
        <source>%1 cannot be downloaded. %2</source>
        <translation>無法下載%1。%2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a hexadecimal number (no &quot;0x&quot;, no blanks): the updater never finds a device for it</source>
        <translation>%1「%2」不是十六進位數（不帶「0x」，不含空白）：更新程式永遠找不到與之對應的裝置</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is outside 0 to ffff: no USB device carries it</source>
        <translation>%1「%2」超出 0 到 ffff 的範圍：沒有 USB 裝置使用它</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not 1 to 4 hexadecimal digits</source>
        <translation>%1「%2」不是 1 到 4 位十六進位數字</translation>
    </message>
</context>
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
