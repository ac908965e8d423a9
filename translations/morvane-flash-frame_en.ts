<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CatalogueChoice</name>
    <message>
        <source>Stopped.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>This build trusts no catalogue key, and a bundle is believed only through the catalogue&apos;s signature: it neither makes nor reads bundles.</source>
        <translation>This build trusts no catalogue key, and a bundle is believed only through the catalogue&apos;s signature: it neither makes nor reads bundles.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list of line numbers</comment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between line numbers</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>No model &quot;%1&quot; in the catalogue.</source>
        <translation>No model &quot;%1&quot; in the catalogue.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names %2 models when letter case is ignored: &quot;%3&quot;; name one as the catalogue writes it.</source>
        <translation>&quot;%1&quot; names %2 models when letter case is ignored: &quot;%3&quot;; name one as the catalogue writes it.</translation>
    </message>
    <message>
        <source>No version &quot;%1&quot; of %2 in the catalogue.</source>
        <translation>No version &quot;%1&quot; of %2 in the catalogue.</translation>
    </message>
    <message>
        <source>%1 %2 is on lines %3 of the catalogue, which differ; morvane-flash does not choose between them.</source>
        <translation>%1 %2 is on lines %3 of the catalogue, which differ; morvane-flash does not choose between them.</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>nothing was flashed</source>
        <translation>nothing was flashed</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>Stopped: the download of %1 was abandoned; %2.</source>
        <translation>Stopped: the download of %1 was abandoned; %2.</translation>
    </message>
</context>
</TS>
