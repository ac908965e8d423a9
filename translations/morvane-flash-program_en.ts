<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>HelpText</name>
    <message>
        <source>Exit status:
  0    success
  1    usage
  2    catalogue or network failure (lint, sign: the list could not be read)
  3    device not found, or no permission
  4    transfer failed
  5    integrity or signature refused (lint, sign: the signature or a digest)
  6    lint, sign: the list has errors; sign: it would be dated backwards
  7    sign: minisign is missing or failed
  130  stopped with Ctrl-C (SIGINT); 143 with SIGTERM, 129 with SIGHUP
doctor gives the status of its first failing check.
</source>
        <translation>Exit status:
  0    success
  1    usage
  2    catalogue or network failure (lint, sign: the list could not be read)
  3    device not found, or no permission
  4    transfer failed
  5    integrity or signature refused (lint, sign: the signature or a digest)
  6    lint, sign: the list has errors; sign: it would be dated backwards
  7    sign: minisign is missing or failed
  130  stopped with Ctrl-C (SIGINT); 143 with SIGTERM, 129 with SIGHUP
doctor gives the status of its first failing check.
</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 or %2.</translation>
    </message>
    <message>
        <source>Flashes Morvane USB devices from the firmware catalogue, as the window does.</source>
        <translation>Flashes Morvane USB devices from the firmware catalogue, as the window does.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>With flash, --serial or --path chooses one of several devices, and
--all-devices flashes every attached device with those ids at once.
--bundle DIR reads everything from a folder that bundle create wrote,
checked as a download is, and nothing from the network.
Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and close the device.
&apos;morvane-flash COMMAND --help&apos; shows the help of one command.</source>
        <translation>With flash, --serial or --path chooses one of several devices, and
--all-devices flashes every attached device with those ids at once.
--bundle DIR reads everything from a folder that bundle create wrote,
checked as a download is, and nothing from the network.
Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and close the device.
&apos;morvane-flash COMMAND --help&apos; shows the help of one command.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between command names</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>MorvaneFlash</name>
    <message>
        <source>Try &apos;morvane-flash --help&apos;.</source>
        <translation>Try &apos;morvane-flash --help&apos;.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>unknown command &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>no command given.</translation>
    </message>
</context>
<context>
    <name>OptionParsing</name>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 does not take --%2.</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1.</source>
        <translation>wrong number of arguments for %1.</translation>
    </message>
    <message>
        <source>--catalogue needs an absolute address.</source>
        <translation>--catalogue needs an absolute address.</translation>
    </message>
    <message>
        <source>--bundle needs the name of a folder.</source>
        <translation>--bundle needs the name of a folder.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Shows the version, the build&apos;s catalogue address and its keys.</source>
        <translation>Shows the version, the build&apos;s catalogue address and its keys.</translation>
    </message>
    <message>
        <source>The list file&apos;s address instead of the build&apos;s (%1).</source>
        <translation>The list file&apos;s address instead of the build&apos;s (%1).</translation>
    </message>
    <message>
        <source>Reads the list, its signature, notes and images from this folder, made by bundle create, and nothing from the network.</source>
        <translation>Reads the list, its signature, notes and images from this folder, made by bundle create, and nothing from the network.</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>no catalogue key</source>
        <translation>no catalogue key</translation>
    </message>
    <message>
        <source>catalogue key %1</source>
        <translation>catalogue key %1</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (active)</translation>
    </message>
    <message>
        <source>%1 (standby)</source>
        <translation>%1 (standby)</translation>
    </message>
    <message>
        <source>catalogue keys %1</source>
        <translation>catalogue keys %1</translation>
    </message>
    <message>
        <source>catalogue key unusable: %1</source>
        <translation>catalogue key unusable: %1</translation>
    </message>
    <message>
        <source>catalogue %1</source>
        <translation>catalogue %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between key ids</comment>
        <translation>, </translation>
    </message>
</context>
</TS>
