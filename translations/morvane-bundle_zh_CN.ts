<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BundleLayout</name>
    <message>
        <source>%1 %2 cannot be bundled: its release-notes digest is malformed, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 无法放入离线包：其固件说明摘要格式错误，而离线包按摘要保存每个文件。</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its image digest is malformed, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 无法放入离线包：其固件映像摘要格式错误，而离线包按摘要保存每个文件。</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its list line gives no release-notes digest, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 无法放入离线包：其列表行没有给出固件说明摘要，而离线包按摘要保存每个文件。</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its list line gives no image digest, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 无法放入离线包：其列表行没有给出固件映像摘要，而离线包按摘要保存每个文件。</translation>
    </message>
    <message>
        <source>The bundle %1 cannot be read: %2: %3.</source>
        <translation>无法读取离线包 %1：%2：%3。</translation>
    </message>
    <message>
        <source>The bundle %1 names no catalogue address in %2.</source>
        <translation>离线包 %1 的 %2 中没有固件列表地址。</translation>
    </message>
</context>
<context>
    <name>BundleSource</name>
    <message>
        <source>The bundle %1 holds the catalogue %2, not %3.</source>
        <translation>离线包 %1 保存的是固件列表 %2，而不是 %3。</translation>
    </message>
    <message>
        <source>The bundle %1 keeps files by their digests, and the list gives none for %2 (%3).</source>
        <translation>离线包 %1 按摘要保存文件，而列表没有给出%2的摘要（%3）。</translation>
    </message>
    <message>
        <source>Not in the bundle %1: %2, file %3.</source>
        <translation>离线包 %1 中没有%2（文件 %3）。</translation>
    </message>
    <message>
        <source>The bundle&apos;s file %1 (%2) cannot be read: %3.</source>
        <translation>无法读取离线包中的文件 %1（%2）：%3。</translation>
    </message>
</context>
<context>
    <name>BundleWriter</name>
    <message>
        <source>The bundle could not be written: %1</source>
        <translation>无法写入离线包：%1</translation>
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
        <translation>Morvane 固件离线包
==================

此文件夹保存的是以下固件列表在 %2 时的固件：
  %1
供没有网络的计算机使用（THIS-FOLDER 为此文件夹，MODEL 为型号，VERSION 为版本）：

  morvane-flash --bundle THIS-FOLDER list
  morvane-flash --bundle THIS-FOLDER flash MODEL [VERSION]

这里的文件不会因为放在这里就被信任。列表 %3 只有在其发布者的签名 %4
像下载时一样校验通过后才会被接受；每个固件映像和固件说明文件只有与其
列表行给出的 SHA-256 摘要（也就是它的文件名）相符时才会被接受。被修改
或缺失的文件会被拒绝，绝不会被刷写。请完整复制整个文件夹。

包含的版本：
</translation>
    </message>
    <message>
        <source>  %1 %2, image %3
</source>
        <translation>  %1 %2，固件映像 %3
</translation>
    </message>
</context>
</TS>
