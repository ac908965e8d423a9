<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BundleLayout</name>
    <message>
        <source>%1 %2 cannot be bundled: its release-notes digest is malformed, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 無法放入離線包：其韌體說明摘要格式錯誤，而離線包依摘要保存每個檔案。</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its image digest is malformed, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 無法放入離線包：其韌體映像摘要格式錯誤，而離線包依摘要保存每個檔案。</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its list line gives no release-notes digest, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 無法放入離線包：其列表行沒有提供韌體說明摘要，而離線包依摘要保存每個檔案。</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its list line gives no image digest, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 無法放入離線包：其列表行沒有提供韌體映像摘要，而離線包依摘要保存每個檔案。</translation>
    </message>
    <message>
        <source>The bundle %1 cannot be read: %2: %3.</source>
        <translation>無法讀取離線包 %1：%2：%3。</translation>
    </message>
    <message>
        <source>The bundle %1 names no catalogue address in %2.</source>
        <translation>離線包 %1 的 %2 中沒有韌體列表位址。</translation>
    </message>
</context>
<context>
    <name>BundleSource</name>
    <message>
        <source>The bundle %1 holds the catalogue %2, not %3.</source>
        <translation>離線包 %1 保存的是韌體列表 %2，而不是 %3。</translation>
    </message>
    <message>
        <source>The bundle %1 keeps files by their digests, and the list gives none for %2 (%3).</source>
        <translation>離線包 %1 依摘要保存檔案，而列表沒有提供%2的摘要（%3）。</translation>
    </message>
    <message>
        <source>Not in the bundle %1: %2, file %3.</source>
        <translation>離線包 %1 中沒有%2（檔案 %3）。</translation>
    </message>
    <message>
        <source>The bundle&apos;s file %1 (%2) cannot be read: %3.</source>
        <translation>無法讀取離線包中的檔案 %1（%2）：%3。</translation>
    </message>
</context>
<context>
    <name>BundleWriter</name>
    <message>
        <source>The bundle could not be written: %1</source>
        <translation>無法寫入離線包：%1</translation>
    </message>
    <message>
        <source>Morvane firmware bundle
=======================

This folder holds firmware from the catalogue at
  %1
as it was on %2, for computers without a network:

  morvane-flash --bundle THIS-FOLDER list
  morvane-flash --bundle THIS-FOLDER flash MODEL [VERSION]

Nothing here is trusted for being here. The list, %3, is taken only
with its publisher&apos;s signature, %4, checked as a download
is, and every image and release-notes file only when it matches the
SHA-256 digest its list line gives, which is also its name. A changed or
missing file is refused, never flashed. Copy the folder whole.

Versions held:
</source>
        <translation>Morvane 韌體離線包
==================

此資料夾保存的是以下韌體列表在 %2 時的韌體：
  %1
供沒有網路的電腦使用（THIS-FOLDER 為此資料夾，MODEL 為型號，VERSION 為版本）：

  morvane-flash --bundle THIS-FOLDER list
  morvane-flash --bundle THIS-FOLDER flash MODEL [VERSION]

這裡的檔案不會因為放在這裡就被信任。列表 %3 只有在其發布者的簽章 %4
像下載時一樣驗證通過後才會被接受；每個韌體映像和韌體說明檔案只有與其
列表行提供的 SHA-256 摘要（也就是它的檔名）相符時才會被接受。被修改
或缺少的檔案會被拒絕，絕不會被燒錄。請完整複製整個資料夾。

包含的版本：
</translation>
    </message>
    <message>
        <source>  %1 %2, image %3
</source>
        <translation>  %1 %2，韌體映像 %3
</translation>
    </message>
</context>
</TS>
