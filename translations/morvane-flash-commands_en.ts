<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BundleCommand</name>
    <message>
        <source>Bundled %1 %2.</source>
        <translation>Bundled %1 %2.</translation>
    </message>
    <message>
        <source>The bundle in %1 is not complete; it is not read until bundle create finishes.</source>
        <translation>The bundle in %1 is not complete; it is not read until bundle create finishes.</translation>
    </message>
    <message numerus="yes">
        <source>The bundle in %1 holds %n version(s) of %2.</source>
        <translation>
            <numerusform>The bundle in %1 holds %n version of %2.</numerusform>
            <numerusform>The bundle in %1 holds %n versions of %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>bundle takes create DIR [MODEL [VERSION]]...</source>
        <translation>bundle takes create DIR [MODEL [VERSION]]...</translation>
    </message>
    <message>
        <source>keeps the signed list and the chosen versions&apos;
images and notes in DIR, for --bundle DIR
without a network (every version by default)</source>
        <translation>keeps the signed list and the chosen versions&apos;
images and notes in DIR, for --bundle DIR
without a network (every version by default)</translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <source>attached devices with the catalogue&apos;s ids (or these);
with --watch, their arrivals and departures</source>
        <translation>attached devices with the catalogue&apos;s ids (or these);
with --watch, their arrivals and departures</translation>
    </message>
</context>
<context>
    <name>DoctorCommand</name>
    <message>
        <source>--root needs a folder.</source>
        <translation>--root needs a folder.</translation>
    </message>
    <message>
        <source>doctor: reads the udev rules under this folder instead of /, for tests.</source>
        <translation>doctor: reads the udev rules under this folder instead of /, for tests.</translation>
    </message>
    <message>
        <source>checks what updating needs here: the udev rule,
device access, the catalogue, the clock, proxies
and the data folder</source>
        <translation>checks what updating needs here: the udev rule,
device access, the catalogue, the clock, proxies
and the data folder</translation>
    </message>
</context>
<context>
    <name>FlashCommand</name>
    <message>
        <source>To give up after %1 seconds of waiting, write --wait=%1: the seconds are joined by &quot;=&quot;.</source>
        <translation>To give up after %1 seconds of waiting, write --wait=%1: the seconds are joined by &quot;=&quot;.</translation>
    </message>
    <message>
        <source>morvane-flash: cannot open the log: %1</source>
        <translation>morvane-flash: cannot open the log: %1</translation>
    </message>
    <message>
        <source>--file needs the name of an image file.</source>
        <translation>--file needs the name of an image file.</translation>
    </message>
    <message>
        <source>--sha256 takes 64 hexadecimal digits.</source>
        <translation>--sha256 takes 64 hexadecimal digits.</translation>
    </message>
    <message>
        <source>--wait=SECONDS takes a number of seconds above 0.</source>
        <translation>--wait=SECONDS takes a number of seconds above 0.</translation>
    </message>
    <message>
        <source>--settle takes a number of seconds, 0 or more.</source>
        <translation>--settle takes a number of seconds, 0 or more.</translation>
    </message>
    <message>
        <source>--drain-timeout takes a number of seconds, 0 or more.</source>
        <translation>--drain-timeout takes a number of seconds, 0 or more.</translation>
    </message>
    <message>
        <source>--log needs the name of a file.</source>
        <translation>--log needs the name of a file.</translation>
    </message>
    <message>
        <source>--metrics needs a file name ending in .prom, as node_exporter reads them.</source>
        <translation>--metrics needs a file name ending in .prom, as node_exporter reads them.</translation>
    </message>
    <message>
        <source>flash --file needs --vid and --pid, and they are used only with --file.</source>
        <translation>flash --file needs --vid and --pid, and they are used only with --file.</translation>
    </message>
    <message>
        <source>flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.</source>
        <translation>flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.</translation>
    </message>
    <message>
        <source>--sha256 is used only with flash --file.</source>
        <translation>--sha256 is used only with flash --file.</translation>
    </message>
    <message>
        <source>flash --watch flashes every matching device as it arrives; it takes no --serial, --path, --wait or --all-devices.</source>
        <translation>flash --watch flashes every matching device as it arrives; it takes no --serial, --path, --wait or --all-devices.</translation>
    </message>
    <message>
        <source>--settle is used only with flash --watch.</source>
        <translation>--settle is used only with flash --watch.</translation>
    </message>
    <message>
        <source>--drain-timeout is used only with flash --watch.</source>
        <translation>--drain-timeout is used only with flash --watch.</translation>
    </message>
    <message>
        <source>flash: the model&apos;s name is empty (is MODEL set in the station&apos;s settings?).</source>
        <translation>flash: the model&apos;s name is empty (is MODEL set in the station&apos;s settings?).</translation>
    </message>
    <message>
        <source>--journal and --metrics are used only with flash --watch.</source>
        <translation>--journal and --metrics are used only with flash --watch.</translation>
    </message>
    <message>
        <source>--journal: %1</source>
        <translation>--journal: %1</translation>
    </message>
    <message>
        <source>flash: adds KEY=VALUE (an operator, a lot) to every log line, journal entry and metric; repeatable.</source>
        <translation>flash: adds KEY=VALUE (an operator, a lot) to every log line, journal entry and metric; repeatable.</translation>
    </message>
    <message>
        <source>Flashes this image file instead of a download.</source>
        <translation>Flashes this image file instead of a download.</translation>
    </message>
    <message>
        <source>flash --file: the image&apos;s SHA-256, 64 hexadecimal digits; a file that does not match is not flashed. A build with a catalogue key needs it.</source>
        <translation>flash --file: the image&apos;s SHA-256, 64 hexadecimal digits; a file that does not match is not flashed. A build with a catalogue key needs it.</translation>
    </message>
    <message>
        <source>Flashes every attached device with the ids, each on its own thread.</source>
        <translation>Flashes every attached device with the ids, each on its own thread.</translation>
    </message>
    <message>
        <source>Flashes even on a battery below 10% (by default refused).</source>
        <translation>Flashes even on a battery below 10% (by default refused).</translation>
    </message>
    <message>
        <source>Prints only the outcome.</source>
        <translation>Prints only the outcome.</translation>
    </message>
    <message>
        <source>flash: only the device with this serial number.</source>
        <translation>flash: only the device with this serial number.</translation>
    </message>
    <message>
        <source>flash: only the device at this path.</source>
        <translation>flash: only the device at this path.</translation>
    </message>
    <message>
        <source>flash: waits for a matching device, downloading meanwhile; --wait=SECONDS gives up after that long.</source>
        <translation>flash: waits for a matching device, downloading meanwhile; --wait=SECONDS gives up after that long.</translation>
    </message>
    <message>
        <source>flash: appends a JSON line for every device attempted to this file.</source>
        <translation>flash: appends a JSON line for every device attempted to this file.</translation>
    </message>
    <message>
        <source>flash --watch: seconds a flashed device has to come back, by its serial number or port, to be known again (default 5).</source>
        <translation>flash --watch: seconds a flashed device has to come back, by its serial number or port, to be known again (default 5).</translation>
    </message>
    <message>
        <source>flash: names this bench in every log line, journal entry and metric.</source>
        <translation>flash: names this bench in every log line, journal entry and metric.</translation>
    </message>
    <message>
        <source>flash --watch: sends each unit&apos;s record to the systemd journal.</source>
        <translation>flash --watch: sends each unit&apos;s record to the systemd journal.</translation>
    </message>
    <message>
        <source>flash --watch: keeps this node_exporter textfile (*.prom) of the units&apos; counts.</source>
        <translation>flash --watch: keeps this node_exporter textfile (*.prom) of the units&apos; counts.</translation>
    </message>
    <message>
        <source>flash --watch: how long the first stop signal lets the units in transfer finish (default: until they have).</source>
        <translation>flash --watch: how long the first stop signal lets the units in transfer finish (default: until they have).</translation>
    </message>
    <message>
        <source>downloads a version (the first listed by default)
and flashes it</source>
        <translation>downloads a version (the first listed by default)
and flashes it</translation>
    </message>
    <message>
        <source>flashes an image file, checked against its digest</source>
        <translation>flashes an image file, checked against its digest</translation>
    </message>
    <message>
        <source>flashes each matching device as it is plugged in,
until stopped</source>
        <translation>flashes each matching device as it is plugged in,
until stopped</translation>
    </message>
</context>
<context>
    <name>LintCommand</name>
    <message>
        <source>not compared with the list published at %1: %2</source>
        <translation>not compared with the list published at %1: %2</translation>
    </message>
    <message>
        <source>no key is in use, so the signature was not checked: name one with --public-key</source>
        <translation>no key is in use, so the signature was not checked: name one with --public-key</translation>
    </message>
    <message>
        <source>the images and notes were not fetched, so their addresses and digests were not checked: add --fetch</source>
        <translation>the images and notes were not fetched, so their addresses and digests were not checked: add --fetch</translation>
    </message>
    <message>
        <source>lint --bundle checks the bundle&apos;s list and takes no FILE|URL.</source>
        <translation>lint --bundle checks the bundle&apos;s list and takes no FILE|URL.</translation>
    </message>
    <message>
        <source>lint takes FILE|URL, or --bundle DIR.</source>
        <translation>lint takes FILE|URL, or --bundle DIR.</translation>
    </message>
    <message>
        <source>lint: also downloads every notes text and image and checks them.</source>
        <translation>lint: also downloads every notes text and image and checks them.</translation>
    </message>
    <message>
        <source>checks a list file for its publisher;
with --bundle, the bundle&apos;s own</source>
        <translation>checks a list file for its publisher;
with --bundle, the bundle&apos;s own</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>the models and their versions, in catalogue order</source>
        <translation>the models and their versions, in catalogue order</translation>
    </message>
    <message>
        <source>(not in the bundle)</source>
        <translation>(not in the bundle)</translation>
    </message>
</context>
<context>
    <name>NotesCommand</name>
    <message>
        <source>the release notes of a version</source>
        <translation>the release notes of a version</translation>
    </message>
    <message>
        <source>The bundle %1 lacks the release notes of %2 %3 (not in the bundle). Make the bundle again with this version where the catalogue can be reached.</source>
        <translation>The bundle %1 lacks the release notes of %2 %3 (not in the bundle). Make the bundle again with this version where the catalogue can be reached.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Stopped.</translation>
    </message>
</context>
<context>
    <name>RecordCommand</name>
    <message>
        <source>key %1 (kept by an earlier version, for every catalogue without a record of its own)</source>
        <translation>key %1 (kept by an earlier version, for every catalogue without a record of its own)</translation>
    </message>
    <message>
        <source>%1 (its address was not kept)</source>
        <translation>%1 (its address was not kept)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: signed %2, taken %3</source>
        <translation>%1: signed %2, taken %3</translation>
    </message>
    <message>
        <source>%1: signed %2</source>
        <translation>%1: signed %2</translation>
    </message>
    <message>
        <source>%1: signed %2, taken %3 with key %4</source>
        <translation>%1: signed %2, taken %3 with key %4</translation>
    </message>
    <message>
        <source>%1: signed %2 with key %3</source>
        <translation>%1: signed %2 with key %3</translation>
    </message>
    <message>
        <source>No catalogue signing time is recorded in %1: the next list of each catalogue is trusted as on first use.</source>
        <translation>No catalogue signing time is recorded in %1: the next list of each catalogue is trusted as on first use.</translation>
    </message>
    <message>
        <source>The newest catalogue signing times taken, kept in %1; a list signed before one of them is refused:</source>
        <translation>The newest catalogue signing times taken, kept in %1; a list signed before one of them is refused:</translation>
    </message>
    <message>
        <source>Forget %1? The next list from %2 is then trusted as on first use, whatever its date. [y/N]</source>
        <translation>Forget %1? The next list from %2 is then trusted as on first use, whatever its date. [y/N]</translation>
    </message>
    <message>
        <source>No signing time is recorded for %1: nothing to forget.</source>
        <translation>No signing time is recorded for %1: nothing to forget.</translation>
    </message>
    <message>
        <source>morvane-flash: record --forget asks before it forgets, and standard input is no terminal: add --yes.</source>
        <translation>morvane-flash: record --forget asks before it forgets, and standard input is no terminal: add --yes.</translation>
    </message>
    <message>
        <source>the list signed %1, the newest taken from %2</source>
        <translation>the list signed %1, the newest taken from %2</translation>
    </message>
    <message>
        <source>the unreadable record of %1</source>
        <translation>the unreadable record of %1</translation>
    </message>
    <message>
        <source>Nothing was forgotten.</source>
        <translation>Nothing was forgotten.</translation>
    </message>
    <message>
        <source>morvane-flash: the record of %1 could not be forgotten: %2</source>
        <translation>morvane-flash: the record of %1 could not be forgotten: %2</translation>
    </message>
    <message>
        <source>Forgot %1 (removed %2): the next list from it is trusted as on first use.</source>
        <translation>Forgot %1 (removed %2): the next list from it is trusted as on first use.</translation>
    </message>
    <message>
        <source>record --json shows the records; it takes no --forget.</source>
        <translation>record --json shows the records; it takes no --forget.</translation>
    </message>
    <message>
        <source>--yes is used only with record --forget.</source>
        <translation>--yes is used only with record --forget.</translation>
    </message>
    <message>
        <source>record: removes the catalogue&apos;s record of signing times (the build&apos;s, or --catalogue&apos;s): its next list is trusted as on first use.</source>
        <translation>record: removes the catalogue&apos;s record of signing times (the build&apos;s, or --catalogue&apos;s): its next list is trusted as on first use.</translation>
    </message>
    <message>
        <source>record --forget: forgets without asking.</source>
        <translation>record --forget: forgets without asking.</translation>
    </message>
    <message>
        <source>the newest signing time taken per catalogue,
when and with which key</source>
        <translation>the newest signing time taken per catalogue,
when and with which key</translation>
    </message>
    <message>
        <source>forgets the catalogue&apos;s record: its next
list is trusted as on first use</source>
        <translation>forgets the catalogue&apos;s record: its next
list is trusted as on first use</translation>
    </message>
</context>
<context>
    <name>SharedOptions</name>
    <message>
        <source>Prints JSON.</source>
        <translation>Prints JSON.</translation>
    </message>
    <message>
        <source>USB vendor id, hexadecimal.</source>
        <translation>USB vendor id, hexadecimal.</translation>
    </message>
    <message>
        <source>USB product id, hexadecimal.</source>
        <translation>USB product id, hexadecimal.</translation>
    </message>
    <message>
        <source>devices: tells arrivals and departures until stopped. flash: flashes every matching device as it is plugged in, until stopped.</source>
        <translation>devices: tells arrivals and departures until stopped. flash: flashes every matching device as it is plugged in, until stopped.</translation>
    </message>
    <message>
        <source>flash, devices: only devices at a USB port this shell-style pattern matches, such as 1-1.*; repeatable.</source>
        <translation>flash, devices: only devices at a USB port this shell-style pattern matches, such as 1-1.*; repeatable.</translation>
    </message>
    <message>
        <source>lint, sign: checks the list&apos;s signature with this minisign public key.</source>
        <translation>lint, sign: checks the list&apos;s signature with this minisign public key.</translation>
    </message>
    <message>
        <source>--vid and --pid go together.</source>
        <translation>--vid and --pid go together.</translation>
    </message>
    <message>
        <source>--vid and --pid take 1 to 4 hexadecimal digits.</source>
        <translation>--vid and --pid take 1 to 4 hexadecimal digits.</translation>
    </message>
    <message>
        <source>--port takes a pattern over the USB port path, such as 1-1.*.</source>
        <translation>--port takes a pattern over the USB port path, such as 1-1.*.</translation>
    </message>
</context>
<context>
    <name>SignCommand</name>
    <message>
        <source>Nothing was signed or written.</source>
        <translation>Nothing was signed or written.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n digest(s) filled in</source>
        <translation>
            <numerusform>%n digest filled in</numerusform>
            <numerusform>%n digests filled in</numerusform>
        </translation>
    </message>
    <message>
        <source>Signed %1: %2, %3; %4.minisig is dated %5 and expires %6; %7.</source>
        <translation>Signed %1: %2, %3; %4.minisig is dated %5 and expires %6; %7.</translation>
    </message>
    <message>
        <source>Next: upload the list, its signature and the files it names, then check what was uploaded: morvane-flash lint URL --fetch</source>
        <translation>Next: upload the list, its signature and the files it names, then check what was uploaded: morvane-flash lint URL --fetch</translation>
    </message>
    <message>
        <source>Cannot read the list file %1: %2</source>
        <translation>Cannot read the list file %1: %2</translation>
    </message>
    <message>
        <source>nothing was signed</source>
        <translation>nothing was signed</translation>
    </message>
    <message>
        <source>--root names the folder that mirrors the server; %1 is no folder.</source>
        <translation>--root names the folder that mirrors the server; %1 is no folder.</translation>
    </message>
    <message>
        <source>--expires takes a whole number of days from 1 to %1.</source>
        <translation>--expires takes a whole number of days from 1 to %1.</translation>
    </message>
    <message>
        <source>sign needs --secret-key KEY, the minisign secret key file.</source>
        <translation>sign needs --secret-key KEY, the minisign secret key file.</translation>
    </message>
    <message>
        <source>sign: signs with this minisign secret key file.</source>
        <translation>sign: signs with this minisign secret key file.</translation>
    </message>
    <message>
        <source>sign: the folder that mirrors the server, where an address&apos;s path is looked for (default: the parent of the list&apos;s folder).</source>
        <translation>sign: the folder that mirrors the server, where an address&apos;s path is looked for (default: the parent of the list&apos;s folder).</translation>
    </message>
    <message>
        <source>sign: days until the signed list expires (default %1).</source>
        <translation>sign: days until the signed list expires (default %1).</translation>
    </message>
    <message>
        <source>fills in a list&apos;s digests, signs it with
minisign, after the list it replaces and the one
published; writes nothing the updater refuses</source>
        <translation>fills in a list&apos;s digests, signs it with
minisign, after the list it replaces and the one
published; writes nothing the updater refuses</translation>
    </message>
</context>
</TS>
