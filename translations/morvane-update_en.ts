<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AcceptedTimestamps</name>
    <message>
        <source>The record of catalogue signing times could not be locked (%1: %2); it is used unlocked.</source>
        <translation>The record of catalogue signing times could not be locked (%1: %2); it is used unlocked.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>the folder cannot be made</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>another program holds it</translation>
    </message>
    <message>
        <source>The record of catalogue signing times %1 cannot be read: %2; the list is trusted as on first use.</source>
        <translation>The record of catalogue signing times %1 cannot be read: %2; the list is trusted as on first use.</translation>
    </message>
    <message>
        <source>it does not hold a signing time</source>
        <translation>it does not hold a signing time</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 cannot be removed: %2</translation>
    </message>
</context>
<context>
    <name>CatalogueReading</name>
    <message>
        <source>the signature holds for key %1</source>
        <translation>the signature holds for key %1</translation>
    </message>
    <message>
        <source>the list expires %1, within 7 days: sign it again before then</source>
        <translation>the list expires %1, within 7 days: sign it again before then</translation>
    </message>
    <message>
        <source>Line %1 of the signed catalogue is refused, and with it the list: %2.</source>
        <translation>Line %1 of the signed catalogue is refused, and with it the list: %2.</translation>
    </message>
</context>
<context>
    <name>DeviceTransfers</name>
    <message>
        <source>The battery is at %1%, below %2%: connect the power supply, then update. Nothing was written.</source>
        <translation>The battery is at %1%, below %2%: connect the power supply, then update. Nothing was written.</translation>
    </message>
    <message>
        <source>Writing firmware %1 into the device at %2; an interrupted update can leave it unusable.</source>
        <translation>Writing firmware %1 into the device at %2; an interrupted update can leave it unusable.</translation>
    </message>
    <message>
        <source>(an image)</source>
        <translation>(an image)</translation>
    </message>
</context>
<context>
    <name>FolderFile</name>
    <message>
        <source>No folder for application data is available.</source>
        <translation>No folder for application data is available.</translation>
    </message>
    <message>
        <source>“%1” is not a file name.</source>
        <translation>“%1” is not a file name.</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>Unable to create the folder %1.</translation>
    </message>
    <message>
        <source>Unable to open the folder %1: %2</source>
        <translation>Unable to open the folder %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>Unable to write in the folder %1: %2</source>
        <translation>Unable to write in the folder %1: %2</translation>
    </message>
    <message>
        <source>Unable to save %1: %2; the earlier file there is left as it was.</source>
        <translation>Unable to save %1: %2; the earlier file there is left as it was.</translation>
    </message>
</context>
<context>
    <name>NextSteps</name>
    <message>
        <source>For a key rotation, sign with the new key and judge it by that key&apos;s public half: morvane-flash sign --public-key NEW.pub.</source>
        <translation>For a key rotation, sign with the new key and judge it by that key&apos;s public half: morvane-flash sign --public-key NEW.pub.</translation>
    </message>
    <message>
        <source>Its line ends were changed after it was signed (CR LF and LF), as an upload in text mode does: upload the list unchanged, as binary, or sign it again with morvane-flash sign.</source>
        <translation>Its line ends were changed after it was signed (CR LF and LF), as an upload in text mode does: upload the list unchanged, as binary, or sign it again with morvane-flash sign.</translation>
    </message>
    <message>
        <source>The list or its signature was changed after it was signed: sign it again with morvane-flash sign.</source>
        <translation>The list or its signature was changed after it was signed: sign it again with morvane-flash sign.</translation>
    </message>
    <message>
        <source>Sign it with morvane-flash sign, which writes the timestamp: and expires: the updater reads.</source>
        <translation>Sign it with morvane-flash sign, which writes the timestamp: and expires: the updater reads.</translation>
    </message>
    <message>
        <source>Sign it again with morvane-flash sign.</source>
        <translation>Sign it again with morvane-flash sign.</translation>
    </message>
    <message>
        <source>The list format has no comments: delete the line, or keep notes about the list elsewhere.</source>
        <translation>The list format has no comments: delete the line, or keep notes about the list elsewhere.</translation>
    </message>
    <message>
        <source>A &quot;;&quot; inside a field (in the copyright, say) shifts the fields after it: the format has no way to quote one, so write it otherwise.</source>
        <translation>A &quot;;&quot; inside a field (in the copyright, say) shifts the fields after it: the format has no way to quote one, so write it otherwise.</translation>
    </message>
    <message>
        <source>If the image was rebuilt, empty field 8 for morvane-flash sign to fill in its new digest.</source>
        <translation>If the image was rebuilt, empty field 8 for morvane-flash sign to fill in its new digest.</translation>
    </message>
    <message>
        <source>Write the whole address, with http:// or https:// and the server.</source>
        <translation>Write the whole address, with http:// or https:// and the server.</translation>
    </message>
    <message>
        <source>%1 are read as UTF-8 with NUL characters, as UTF-16 without a byte-order mark is: the window shows a box between letters; save them as UTF-8</source>
        <translation>%1 are read as UTF-8 with NUL characters, as UTF-16 without a byte-order mark is: the window shows a box between letters; save them as UTF-8</translation>
    </message>
    <message>
        <source>%1 are not UTF-8 and will be read as %2: character sets are tried in a fixed order (UTF-8, GB18030, GBK, GB2312, Big5, UTF-16) and the first that takes every byte wins, so Big5 text is read as GB18030 and garbled; save them as UTF-8</source>
        <translation>%1 are not UTF-8 and will be read as %2: character sets are tried in a fixed order (UTF-8, GB18030, GBK, GB2312, Big5, UTF-16) and the first that takes every byte wins, so Big5 text is read as GB18030 and garbled; save them as UTF-8</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder, not a regular file, so it is not read</source>
        <translation>it is a folder, not a regular file, so it is not read</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file, so it is not read</source>
        <translation>it is a FIFO, not a regular file, so it is not read</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file, so it is not read</source>
        <translation>it is a socket, not a regular file, so it is not read</translation>
    </message>
    <message>
        <source>it is a device, not a regular file, so it is not read</source>
        <translation>it is a device, not a regular file, so it is not read</translation>
    </message>
    <message>
        <source>it has %1 bytes, more than the limit of %2 bytes</source>
        <translation>it has %1 bytes, more than the limit of %2 bytes</translation>
    </message>
    <message>
        <source>it grew past the limit of %1 bytes while it was read</source>
        <translation>it grew past the limit of %1 bytes while it was read</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>its folder cannot be opened: %1</translation>
    </message>
    <message>
        <source>it is a link, which is not followed</source>
        <translation>it is a link, which is not followed</translation>
    </message>
</context>
<context>
    <name>SignedListRules</name>
    <message>
        <source>the firmware address cannot be downloaded. %1</source>
        <translation>the firmware address cannot be downloaded. %1</translation>
    </message>
    <message>
        <source>the release-notes address cannot be downloaded. %1</source>
        <translation>the release-notes address cannot be downloaded. %1</translation>
    </message>
    <message>
        <source>the ids &quot;%1&quot; and &quot;%2&quot; are not both hexadecimal numbers from 1 to ffff: no device matches them</source>
        <translation>the ids &quot;%1&quot; and &quot;%2&quot; are not both hexadecimal numbers from 1 to ffff: no device matches them</translation>
    </message>
    <message>
        <source>version &quot;%1&quot; of model &quot;%2&quot; is also on line %3 with other fields; the updater cannot choose between them</source>
        <translation>version &quot;%1&quot; of model &quot;%2&quot; is also on line %3 with other fields; the updater cannot choose between them</translation>
    </message>
    <message>
        <source>the line is not a record the updater can read</source>
        <translation>the line is not a record the updater can read</translation>
    </message>
    <message>
        <source>the line is not a record the updater can read. %1</source>
        <translation>the line is not a record the updater can read. %1</translation>
    </message>
    <message>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <source>vendor id</source>
        <translation>vendor id</translation>
    </message>
    <message>
        <source>product id</source>
        <translation>product id</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>copyright</source>
        <translation>copyright</translation>
    </message>
    <message>
        <source>firmware URL</source>
        <translation>firmware URL</translation>
    </message>
    <message>
        <source>release-notes URL</source>
        <translation>release-notes URL</translation>
    </message>
    <message>
        <source>digest</source>
        <translation>digest</translation>
    </message>
    <message>
        <source>field %1 (%2)</source>
        <extracomment>A field of a catalogue line: its number, then its name.</extracomment>
        <translation>field %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be downloaded. %2</source>
        <translation>%1 cannot be downloaded. %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a hexadecimal number (no &quot;0x&quot;, no blanks): the updater never finds a device for it</source>
        <translation>%1 &quot;%2&quot; is not a hexadecimal number (no &quot;0x&quot;, no blanks): the updater never finds a device for it</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is outside 0 to ffff: no USB device carries it</source>
        <translation>%1 &quot;%2&quot; is outside 0 to ffff: no USB device carries it</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not 1 to 4 hexadecimal digits</source>
        <translation>%1 &quot;%2&quot; is not 1 to 4 hexadecimal digits</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>读取固件列表失败：%1</source>
        <translation>Failed to read the firmware list: %1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s address: %1</source>
        <translation>The catalogue&apos;s address: %1</translation>
    </message>
    <message>
        <source>The device left the USB bus: it was unplugged, its cable is loose, or it restarted. Plug it in again and flash it again; a station flashing with --watch does so by itself.</source>
        <translation>The device left the USB bus: it was unplugged, its cable is loose, or it restarted. Plug it in again and flash it again; a station flashing with --watch does so by itself.</translation>
    </message>
    <message>
        <source>读取固件列表失败：服务器返回内容无法解析</source>
        <translation>Failed to read the firmware list: the server&apos;s reply could not be read</translation>
    </message>
    <message>
        <source>The catalogue signature “%1” could not be read: %2</source>
        <translation>The catalogue signature “%1” could not be read: %2</translation>
    </message>
    <message>
        <source>The newest catalogue signing time taken on this computer (%1) lies ahead of its clock (%2): either this computer&apos;s clock is behind, or a list signed with a fast clock was taken earlier. The record stays, and lists signed before it are refused. </source>
        <translation>The newest catalogue signing time taken on this computer (%1) lies ahead of its clock (%2): either this computer&apos;s clock is behind, or a list signed with a fast clock was taken earlier. The record stays, and lists signed before it are refused. </translation>
    </message>
    <message>
        <source>The catalogue signing time an earlier version of the updater kept for key %1 (%2) lies ahead of this computer&apos;s clock (%3); that version did not bound it, so it is ignored.</source>
        <translation>The catalogue signing time an earlier version of the updater kept for key %1 (%2) lies ahead of this computer&apos;s clock (%3); that version did not bound it, so it is ignored.</translation>
    </message>
    <message>
        <source>The record of catalogue signing times cannot be kept: %1</source>
        <translation>The record of catalogue signing times cannot be kept: %1</translation>
    </message>
    <message>
        <source>The next list will be trusted as on first use.</source>
        <translation>The next list will be trusted as on first use.</translation>
    </message>
    <message>
        <source>The list signed %1 stays the newest taken, and lists signed before it are still refused.</source>
        <translation>The list signed %1 stays the newest taken, and lists signed before it are still refused.</translation>
    </message>
    <message>
        <source>正在读取固件说明...</source>
        <translation>Reading the firmware notes...</translation>
    </message>
    <message>
        <source>固件说明读取失败：%1</source>
        <translation>Failed to read the firmware notes: %1</translation>
    </message>
    <message>
        <source>没有读取到固件说明。</source>
        <translation>No firmware notes were received.</translation>
    </message>
    <message>
        <source>Preparing to update %1 %2...</source>
        <translation>Preparing to update %1 %2...</translation>
    </message>
    <message>
        <source>No %1 found. Please check the USB connection.</source>
        <translation>No %1 found. Please check the USB connection.</translation>
    </message>
    <message>
        <source>%1 found.</source>
        <translation>%1 found.</translation>
    </message>
    <message>
        <source>Firmware download failed: %1</source>
        <translation>Firmware download failed: %1</translation>
    </message>
    <message>
        <source>服务器没有返回固件数据</source>
        <translation>The server returned no firmware data</translation>
    </message>
    <message>
        <source>Firmware downloaded: %1</source>
        <translation>Firmware downloaded: %1</translation>
    </message>
    <message>
        <source>Starting firmware transfer...</source>
        <translation>Starting firmware transfer...</translation>
    </message>
    <message>
        <source>Update progress: %1%</source>
        <translation>Update progress: %1%</translation>
    </message>
    <message>
        <source>Update completed.</source>
        <translation>Update completed.</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Update failed: %1</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>another program (process %1)</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>another program</translation>
    </message>
    <message>
        <source>The device at %1 is in use by %2; nothing was sent to it.</source>
        <translation>The device at %1 is in use by %2; nothing was sent to it.</translation>
    </message>
    <message>
        <source>Update stopped.</source>
        <translation>Update stopped.</translation>
    </message>
</context>
</TS>
