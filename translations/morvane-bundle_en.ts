<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BundleLayout</name>
    <message>
        <source>%1 %2 cannot be bundled: its release-notes digest is malformed, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 cannot be bundled: its release-notes digest is malformed, and a bundle keeps every file under its digest.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its image digest is malformed, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 cannot be bundled: its image digest is malformed, and a bundle keeps every file under its digest.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its list line gives no release-notes digest, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 cannot be bundled: its list line gives no release-notes digest, and a bundle keeps every file under its digest.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be bundled: its list line gives no image digest, and a bundle keeps every file under its digest.</source>
        <translation>%1 %2 cannot be bundled: its list line gives no image digest, and a bundle keeps every file under its digest.</translation>
    </message>
    <message>
        <source>The bundle %1 cannot be read: %2: %3.</source>
        <translation>The bundle %1 cannot be read: %2: %3.</translation>
    </message>
    <message>
        <source>The bundle %1 names no catalogue address in %2.</source>
        <translation>The bundle %1 names no catalogue address in %2.</translation>
    </message>
</context>
<context>
    <name>BundleSource</name>
    <message>
        <source>The bundle %1 holds the catalogue %2, not %3.</source>
        <translation>The bundle %1 holds the catalogue %2, not %3.</translation>
    </message>
    <message>
        <source>The bundle %1 keeps files by their digests, and the list gives none for %2 (%3).</source>
        <translation>The bundle %1 keeps files by their digests, and the list gives none for %2 (%3).</translation>
    </message>
    <message>
        <source>Not in the bundle %1: %2, file %3.</source>
        <translation>Not in the bundle %1: %2, file %3.</translation>
    </message>
    <message>
        <source>The bundle&apos;s file %1 (%2) cannot be read: %3.</source>
        <translation>The bundle&apos;s file %1 (%2) cannot be read: %3.</translation>
    </message>
</context>
<context>
    <name>BundleWriter</name>
    <message>
        <source>The bundle could not be written: %1</source>
        <translation>The bundle could not be written: %1</translation>
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
        <translation>Morvane firmware bundle
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
</translation>
    </message>
    <message>
        <source>  %1 %2, image %3
</source>
        <translation>  %1 %2, image %3
</translation>
    </message>
</context>
</TS>
