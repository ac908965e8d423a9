<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AcceptedTimestamps</name>
    <message>
        <source>The record of catalogue signing times could not be locked (%1: %2); it is used unlocked.</source>
        <translation>无法锁定固件列表签名时间记录（%1：%2）；将在未锁定的情况下使用它。</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>另一个程序占用着它</translation>
    </message>
    <message>
        <source>The record of catalogue signing times %1 cannot be read: %2; the list is trusted as on first use.</source>
        <translation>无法读取固件列表签名时间记录 %1：%2；该列表按首次使用时的方式信任。</translation>
    </message>
    <message>
        <source>it does not hold a signing time</source>
        <translation>其中没有签名时间</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
</context>
<context>
    <name>CatalogueReading</name>
    <message>
        <source>the signature holds for key %1</source>
        <translation>签名对密钥 %1 有效</translation>
    </message>
    <message>
        <source>the list expires %1, within 7 days: sign it again before then</source>
        <translation>列表将于 %1 过期，不到 7 天：请在此之前重新签名</translation>
    </message>
    <message>
        <source>Line %1 of the signed catalogue is refused, and with it the list: %2.</source>
        <translation>已签名固件列表的第 %1 行被拒绝，整个列表也随之被拒绝：%2。</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>The battery is at %1%, below %2%: connect the power supply, then update. Nothing was written.</source>
        <translation>电池电量为 %1%，低于 %2%：请连接电源后再更新。未写入任何数据。</translation>
    </message>
    <message>
        <source>Writing firmware %1 into the device at %2; an interrupted update can leave it unusable.</source>
        <translation>正在将固件 %1 写入位于 %2 的设备；中断更新可能导致设备无法使用。</translation>
    </message>
    <message>
        <source>(an image)</source>
        <translation>（一个固件映像）</translation>
    </message>
</context>
<context>
    <name>FolderFile</name>
    <message>
        <source>No folder for application data is available.</source>
        <translation>没有可用的应用程序数据文件夹。</translation>
    </message>
    <message>
        <source>“%1” is not a file name.</source>
        <translation>“%1”不是文件名。</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Unable to open the folder %1: %2</source>
        <translation>无法打开文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>Unable to write in the folder %1: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Unable to save %1: %2; the earlier file there is left as it was.</source>
        <translation>无法保存 %1：%2；原有文件保持不变。</translation>
    </message>
</context>
<context>
    <name>NextSteps</name>
    <message>
        <source>For a key rotation, sign with the new key and judge it by that key&apos;s public half: morvane-flash sign --public-key NEW.pub.</source>
        <translation>如需轮换密钥，请用新密钥签名，并用该密钥的公钥检验：morvane-flash sign --public-key NEW.pub。</translation>
    </message>
    <message>
        <source>Its line ends were changed after it was signed (CR LF and LF), as an upload in text mode does: upload the list unchanged, as binary, or sign it again with morvane-flash sign.</source>
        <translation>签名后其行尾被改动了（CR LF 与 LF），以文本模式上传就会这样：请以二进制方式原样上传列表，或用 morvane-flash sign 重新签名。</translation>
    </message>
    <message>
        <source>The list or its signature was changed after it was signed: sign it again with morvane-flash sign.</source>
        <translation>列表或其签名在签名后被改动了：请用 morvane-flash sign 重新签名。</translation>
    </message>
    <message>
        <source>Sign it with morvane-flash sign, which writes the timestamp: and expires: the updater reads.</source>
        <translation>请用 morvane-flash sign 签名，它会写入更新程序读取的 timestamp: 和 expires:。</translation>
    </message>
    <message>
        <source>Sign it again with morvane-flash sign.</source>
        <translation>请用 morvane-flash sign 重新签名。</translation>
    </message>
    <message>
        <source>The list format has no comments: delete the line, or keep notes about the list elsewhere.</source>
        <translation>列表格式不支持注释：请删除该行，或将关于列表的备注另行保存。</translation>
    </message>
    <message>
        <source>A &quot;;&quot; inside a field (in the copyright, say) shifts the fields after it: the format has no way to quote one, so write it otherwise.</source>
        <translation>字段中的“;”（例如版权信息中的）会使其后的字段错位：该格式无法转义它，请换一种写法。</translation>
    </message>
    <message>
        <source>If the image was rebuilt, empty field 8 for morvane-flash sign to fill in its new digest.</source>
        <translation>如果固件映像已重新构建，请清空第 8 个字段，由 morvane-flash sign 填入新的摘要。</translation>
    </message>
    <message>
        <source>Write the whole address, with http:// or https:// and the server.</source>
        <translation>请写出完整地址，包括 http:// 或 https:// 以及服务器。</translation>
    </message>
    <message>
        <source>%1 are read as UTF-8 with NUL characters, as UTF-16 without a byte-order mark is: the window shows a box between letters; save them as UTF-8</source>
        <translation>%1 会被当作含 NUL 字符的 UTF-8 读取（不带字节顺序标记的 UTF-16 就会如此）：窗口会在字母之间显示方框；请将其保存为 UTF-8</translation>
    </message>
    <message>
        <source>%1 are not UTF-8 and will be read as %2: character sets are tried in a fixed order (UTF-8, GB18030, GBK, GB2312, Big5, UTF-16) and the first that takes every byte wins, so Big5 text is read as GB18030 and garbled; save them as UTF-8</source>
        <translation>%1 不是 UTF-8，将被当作 %2 读取：字符集按固定顺序尝试（UTF-8、GB18030、GBK、GB2312、Big5、UTF-16），第一个能接受所有字节的胜出，因此 Big5 文本会被当作 GB18030 读取而成为乱码；请将其保存为 UTF-8</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder, not a regular file, so it is not read</source>
        <translation>它是文件夹，不是普通文件，因此不读取</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file, so it is not read</source>
        <translation>它是 FIFO，不是普通文件，因此不读取</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file, so it is not read</source>
        <translation>它是套接字，不是普通文件，因此不读取</translation>
    </message>
    <message>
        <source>it is a device, not a regular file, so it is not read</source>
        <translation>它是设备，不是普通文件，因此不读取</translation>
    </message>
    <message>
        <source>it has %1 bytes, more than the limit of %2 bytes</source>
        <translation>它有 %1 字节，超过了 %2 字节的上限</translation>
    </message>
    <message>
        <source>it grew past the limit of %1 bytes while it was read</source>
        <translation>它在读取过程中增长，超过了 %1 字节的上限</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>无法打开其所在文件夹：%1</translation>
    </message>
    <message>
        <source>it is a link, which is not followed</source>
        <translation>它是链接，不会跟随</translation>
    </message>
</context>
<context>
    <name>SignedListRules</name>
    <message>
        <source>the firmware address cannot be downloaded. %1</source>
        <translation>无法从固件地址下载。%1</translation>
    </message>
    <message>
        <source>the release-notes address cannot be downloaded. %1</source>
        <translation>无法从固件说明地址下载。%1</translation>
    </message>
    <message>
        <source>the ids &quot;%1&quot; and &quot;%2&quot; are not both hexadecimal numbers from 1 to ffff: no device matches them</source>
        <translation>ID “%1”和“%2”并非都是 1 到 ffff 之间的十六进制数：没有设备与之匹配</translation>
    </message>
    <message>
        <source>version &quot;%1&quot; of model &quot;%2&quot; is also on line %3 with other fields; the updater cannot choose between them</source>
        <translation>型号“%2”的版本“%1”也出现在第 %3 行，但字段不同；更新程序无法在两者之间选择</translation>
    </message>
    <message>
        <source>the line is not a record the updater can read</source>
        <translation>该行不是更新程序能读取的记录</translation>
    </message>
    <message>
        <source>the line is not a record the updater can read. %1</source>
        <translation>该行不是更新程序能读取的记录。%1</translation>
    </message>
    <message>
        <source>model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>vendor id</source>
        <translation>厂商 ID</translation>
    </message>
    <message>
        <source>product id</source>
        <translation>产品 ID</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>copyright</source>
        <translation>版权信息</translation>
    </message>
    <message>
        <source>firmware URL</source>
        <translation>固件地址</translation>
    </message>
    <message>
        <source>release-notes URL</source>
        <translation>固件说明地址</translation>
    </message>
    <message>
        <source>digest</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>field %1 (%2)</source>
        <extracomment>A field of a catalogue line: its number, then its name.</extracomment>
        <translation>第 %1 个字段（%2）</translation>
    </message>
    <message>
        <source>%1 cannot be downloaded. %2</source>
        <translation>无法下载%1。%2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a hexadecimal number (no &quot;0x&quot;, no blanks): the updater never finds a device for it</source>
        <translation>%1“%2”不是十六进制数（不带“0x”，不含空白）：更新程序永远找不到与之对应的设备</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is outside 0 to ffff: no USB device carries it</source>
        <translation>%1“%2”超出 0 到 ffff 的范围：没有 USB 设备使用它</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not 1 to 4 hexadecimal digits</source>
        <translation>%1“%2”不是 1 到 4 位十六进制数字</translation>
    </message>
</context>
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
