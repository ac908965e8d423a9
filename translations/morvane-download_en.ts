<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Download</name>
    <message>
        <source>The server redirected %1 too many times, which is refused as a redirect loop.</source>
        <translation>The server redirected %1 too many times, which is refused as a redirect loop.</translation>
    </message>
    <message>
        <source>The server redirected from %1 to a Location that is not an address (“%2”), which is refused.</source>
        <translation>The server redirected from %1 to a Location that is not an address (“%2”), which is refused.</translation>
    </message>
    <message>
        <source>The server redirected from %1 to %2 (“%3”), which is refused: an https address is never left for http.</source>
        <translation>The server redirected from %1 to %2 (“%3”), which is refused: an https address is never left for http.</translation>
    </message>
    <message>
        <source>The server redirected from %1 to a relative address (“%2”), which is refused: only http and https are fetched.</source>
        <translation>The server redirected from %1 to a relative address (“%2”), which is refused: only http and https are fetched.</translation>
    </message>
    <message>
        <source>The server redirected from %1 to %2 (“%3”), which is refused: only http and https are fetched.</source>
        <translation>The server redirected from %1 to %2 (“%3”), which is refused: only http and https are fetched.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>The server answered with HTTP status %1.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1 (%2).</source>
        <translation>The server answered with HTTP status %1 (%2).</translation>
    </message>
    <message>
        <source>The download was ended: the server&apos;s answer for %1 did not end its headers within %2.</source>
        <translation>The download was ended: the server&apos;s answer for %1 did not end its headers within %2.</translation>
    </message>
    <message>
        <source>The download timed out: nothing arrived for %1.</source>
        <translation>The download timed out: nothing arrived for %1.</translation>
    </message>
    <message>
        <source>The server announced %1 for %2, more than its limit of %3.</source>
        <translation>The server announced %1 for %2, more than its limit of %3.</translation>
    </message>
    <message>
        <source>More than %1 arrived for %2, its limit.</source>
        <translation>More than %1 arrived for %2, its limit.</translation>
    </message>
</context>
<context>
    <name>DownloadLimits</name>
    <message>
        <source>the catalogue list</source>
        <translation>the catalogue list</translation>
    </message>
    <message>
        <source>the catalogue signature</source>
        <translation>the catalogue signature</translation>
    </message>
    <message>
        <source>release notes</source>
        <translation>release notes</translation>
    </message>
    <message>
        <source>a firmware image</source>
        <translation>a firmware image</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>The download timed out: %1 did not arrive within %2.</source>
        <translation>The download timed out: %1 did not arrive within %2.</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>The address “%1” is relative and names no server to fetch it from.</source>
        <translation>The address “%1” is relative and names no server to fetch it from.</translation>
    </message>
    <message>
        <source>The address “%1” is not a web address; only http and https are fetched.</source>
        <translation>The address “%1” is not a web address; only http and https are fetched.</translation>
    </message>
    <message>
        <source>The address “%1” names no server.</source>
        <translation>The address “%1” names no server.</translation>
    </message>
</context>
</TS>
