<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DoctorChecks</name>
    <message>
        <source>Make catalogue-reachable pass first.</source>
        <translation>Make catalogue-reachable pass first.</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <translation>not checked: %1</translation>
    </message>
    <message>
        <source>%1 (to be made in %2)</source>
        <translation>%1 (to be made in %2)</translation>
    </message>
    <message>
        <source>%1: %2 is not a folder</source>
        <translation>%1: %2 is not a folder</translation>
    </message>
    <message>
        <source>Move %1 out of the way.</source>
        <translation>Move %1 out of the way.</translation>
    </message>
    <message>
        <source>%1 is not writable by this user</source>
        <translation>%1 is not writable by this user</translation>
    </message>
    <message>
        <source>Give this user write access to %1.</source>
        <translation>Give this user write access to %1.</translation>
    </message>
    <message>
        <source>%1 has %2 free, less than the largest image (%3)</source>
        <translation>%1 has %2 free, less than the largest image (%3)</translation>
    </message>
    <message>
        <source>Free some room on that file system.</source>
        <translation>Free some room on that file system.</translation>
    </message>
    <message>
        <source>%1 is writable, with room for the largest image (%2)</source>
        <translation>%1 is writable, with room for the largest image (%2)</translation>
    </message>
    <message>
        <source>%1 serial %2</source>
        <translation>%1 serial %2</translation>
    </message>
    <message>
        <source>its node is not looked at on this system</source>
        <translation>its node is not looked at on this system</translation>
    </message>
    <message>
        <source>node owner %1, group %2, mode %3, %4</source>
        <translation>node owner %1, group %2, mode %3, %4</translation>
    </message>
    <message>
        <source>no ACL entries</source>
        <translation>no ACL entries</translation>
    </message>
    <message>
        <source>ACL %1</source>
        <translation>ACL %1</translation>
    </message>
    <message>
        <source>%1, held open by %2</source>
        <translation>%1, held open by %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n processes could not be looked at)</source>
        <translation>
            <numerusform>%1 (%n process could not be looked at)</numerusform>
            <numerusform>%1 (%n processes could not be looked at)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: this user may not open it (%2); %3</source>
        <translation>%1: this user may not open it (%2); %3</translation>
    </message>
    <message>
        <source>Make the udev-rule, udev-daemon and seat-session checks pass, then unplug the device and plug it in again.</source>
        <translation>Make the udev-rule, udev-daemon and seat-session checks pass, then unplug the device and plug it in again.</translation>
    </message>
    <message>
        <source>Unplug the device and plug it in again, then run doctor again.</source>
        <translation>Unplug the device and plug it in again, then run doctor again.</translation>
    </message>
    <message>
        <source>%1: this user may open it; %2</source>
        <translation>%1: this user may open it; %2</translation>
    </message>
    <message>
        <source>Close %1 before flashing: two programs talking to one bootloader spoil the update.</source>
        <translation>Close %1 before flashing: two programs talking to one bootloader spoil the update.</translation>
    </message>
    <message>
        <source>%1:%2 at port %3 (%4 %5)</source>
        <translation>%1:%2 at port %3 (%4 %5)</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>no device with the catalogue&apos;s ids is attached; no HID device is seen at all</source>
        <translation>no device with the catalogue&apos;s ids is attached; no HID device is seen at all</translation>
    </message>
    <message>
        <source>no device with the catalogue&apos;s ids is attached; the HID devices seen: %1</source>
        <translation>no device with the catalogue&apos;s ids is attached; the HID devices seen: %1</translation>
    </message>
    <message>
        <source>Put the device in bootloader mode, connect it with a data cable (a charge-only cable carries no data) and try another USB port or hub; a device listed with other ids is not one the catalogue names.</source>
        <translation>Put the device in bootloader mode, connect it with a data cable (a charge-only cable carries no data) and try another USB port or hub; a device listed with other ids is not one the catalogue names.</translation>
    </message>
    <message>
        <source>the catalogue&apos;s ids are not known</source>
        <translation>the catalogue&apos;s ids are not known</translation>
    </message>
    <message>
        <source>not known: %1</source>
        <translation>not known: %1</translation>
    </message>
    <message>
        <source>Nothing, while the devices may be opened: the rule&apos;s uaccess tag needs logind to tell the active session.</source>
        <translation>Nothing, while the devices may be opened: the rule&apos;s uaccess tag needs logind to tell the active session.</translation>
    </message>
    <message>
        <source>this session has no seat (a remote login, say): the rule&apos;s uaccess tag gives access only at a seat</source>
        <translation>this session has no seat (a remote login, say): the rule&apos;s uaccess tag gives access only at a seat</translation>
    </message>
    <message>
        <source>Run it from the seat&apos;s desktop, or grant access by a rule with GROUP= naming a group of this user.</source>
        <translation>Run it from the seat&apos;s desktop, or grant access by a rule with GROUP= naming a group of this user.</translation>
    </message>
    <message>
        <source>this session is not the active one on %1: the rule&apos;s uaccess tag gives access to the active one</source>
        <translation>this session is not the active one on %1: the rule&apos;s uaccess tag gives access to the active one</translation>
    </message>
    <message>
        <source>Switch to this session at the seat, then plug the device in again.</source>
        <translation>Switch to this session at the seat, then plug the device in again.</translation>
    </message>
    <message>
        <source>this session is the active one on %1</source>
        <translation>this session is the active one on %1</translation>
    </message>
    <message>
        <source>this system has no udev; devices are found by enumerating the bus once a second</source>
        <translation>this system has no udev; devices are found by enumerating the bus once a second</translation>
    </message>
    <message>
        <source>udev runs: devices are heard of as they come and go</source>
        <translation>udev runs: devices are heard of as they come and go</translation>
    </message>
    <message>
        <source>no udev daemon answers (a container, say): devices are found by enumerating the bus once a second, and no rule runs when one is plugged in</source>
        <translation>no udev daemon answers (a container, say): devices are found by enumerating the bus once a second, and no rule runs when one is plugged in</translation>
    </message>
    <message>
        <source>Where devices are plugged in, start systemd-udevd (systemctl start systemd-udevd); in a container, nothing to do.</source>
        <translation>Where devices are plugged in, start systemd-udevd (systemctl start systemd-udevd); in a container, nothing to do.</translation>
    </message>
</context>
<context>
    <name>DoctorNetworkChecks</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
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
        <source>%n hours</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>See catalogue-signature.</source>
        <translation>See catalogue-signature.</translation>
    </message>
    <message>
        <source>the bundle in %1 holds the list of %2, %3; nothing is asked of the network</source>
        <translation>the bundle in %1 holds the list of %2, %3; nothing is asked of the network</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 answered with %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Check the network connection and the proxy check; if the address is wrong, give the right one with --catalogue.</source>
        <translation>Check the network connection and the proxy check; if the address is wrong, give the right one with --catalogue.</translation>
    </message>
    <message>
        <source>If this computer&apos;s clock is wrong (see the clock check), set it; otherwise the server offers a list older than one taken here, or one that has expired: tell the catalogue&apos;s publisher. If the list taken here should not have been, morvane-flash record shows it and morvane-flash record --forget removes it.</source>
        <translation>If this computer&apos;s clock is wrong (see the clock check), set it; otherwise the server offers a list older than one taken here, or one that has expired: tell the catalogue&apos;s publisher. If the list taken here should not have been, morvane-flash record shows it and morvane-flash record --forget removes it.</translation>
    </message>
    <message>
        <source>Tell the catalogue&apos;s publisher to sign the list again.</source>
        <translation>Tell the catalogue&apos;s publisher to sign the list again.</translation>
    </message>
    <message>
        <source>signed %1: not older than any list taken here, and not expired</source>
        <translation>signed %1: not older than any list taken here, and not expired</translation>
    </message>
    <message>
        <source>not older than any list taken here, and not expired</source>
        <translation>not older than any list taken here, and not expired</translation>
    </message>
    <message>
        <source>See the data-folder check: the record of signing times is kept there.</source>
        <translation>See the data-folder check: the record of signing times is kept there.</translation>
    </message>
    <message>
        <source>this build has no catalogue key: the list is taken without a signature</source>
        <translation>this build has no catalogue key: the list is taken without a signature</translation>
    </message>
    <message>
        <source>an unsigned list carries no dates</source>
        <translation>an unsigned list carries no dates</translation>
    </message>
    <message>
        <source>This build&apos;s catalogue key is unusable: install a correct build.</source>
        <translation>This build&apos;s catalogue key is unusable: install a correct build.</translation>
    </message>
    <message>
        <source>no key to read them with</source>
        <translation>no key to read them with</translation>
    </message>
    <message>
        <source>the list did not arrive</source>
        <translation>the list did not arrive</translation>
    </message>
    <message>
        <source>Nothing is flashed from a list that fails this. Tell the catalogue&apos;s publisher; if this network changes what it serves (a captive portal, a proxy), try another.</source>
        <translation>Nothing is flashed from a list that fails this. Tell the catalogue&apos;s publisher; if this network changes what it serves (a captive portal, a proxy), try another.</translation>
    </message>
    <message>
        <source>the signature does not hold</source>
        <translation>the signature does not hold</translation>
    </message>
    <message>
        <source>the list gives 1 version</source>
        <translation>the list gives 1 version</translation>
    </message>
    <message>
        <source>the list gives %1 versions</source>
        <translation>the list gives %1 versions</translation>
    </message>
    <message>
        <source>Tell the catalogue&apos;s publisher: morvane-flash lint names every line the updater refuses.</source>
        <translation>Tell the catalogue&apos;s publisher: morvane-flash lint names every line the updater refuses.</translation>
    </message>
    <message>
        <source>the list was not taken</source>
        <translation>the list was not taken</translation>
    </message>
    <message>
        <source>Make the checks above pass first.</source>
        <translation>Make the checks above pass first.</translation>
    </message>
    <message>
        <source>Set this computer&apos;s clock, preferably from the network (timedatectl set-ntp true).</source>
        <translation>Set this computer&apos;s clock, preferably from the network (timedatectl set-ntp true).</translation>
    </message>
    <message>
        <source>not known: the catalogue was read from the bundle in %1, with no server to compare against</source>
        <translation>not known: the catalogue was read from the bundle in %1, with no server to compare against</translation>
    </message>
    <message>
        <source>not known: the catalogue&apos;s server sent no Date header</source>
        <translation>not known: the catalogue&apos;s server sent no Date header</translation>
    </message>
    <message>
        <source>not known: the server&apos;s Date header (“%1”) is not an HTTP date</source>
        <translation>not known: the server&apos;s Date header (“%1”) is not an HTTP date</translation>
    </message>
    <message>
        <source>Make sure this computer sets its clock from the network (timedatectl status).</source>
        <translation>Make sure this computer sets its clock from the network (timedatectl status).</translation>
    </message>
    <message>
        <source>this computer&apos;s clock agrees with the server&apos;s Date header to within %1 seconds</source>
        <translation>this computer&apos;s clock agrees with the server&apos;s Date header to within %1 seconds</translation>
    </message>
    <message>
        <source>this computer&apos;s clock is %1 ahead of the server&apos;s (%2)</source>
        <translation>this computer&apos;s clock is %1 ahead of the server&apos;s (%2)</translation>
    </message>
    <message>
        <source>this computer&apos;s clock is %1 behind the server&apos;s (%2)</source>
        <translation>this computer&apos;s clock is %1 behind the server&apos;s (%2)</translation>
    </message>
    <message>
        <source>%1: lists may be refused as signed in the future, or expired ones taken</source>
        <translation>%1: lists may be refused as signed in the future, or expired ones taken</translation>
    </message>
    <message>
        <source>no proxy is set in the environment: the catalogue is fetched directly</source>
        <translation>no proxy is set in the environment: the catalogue is fetched directly</translation>
    </message>
    <message>
        <source>%1 exempts the catalogue&apos;s host: it is fetched directly</source>
        <translation>%1 exempts the catalogue&apos;s host: it is fetched directly</translation>
    </message>
    <message>
        <source>%1 is set but empty</source>
        <translation>%1 is set but empty</translation>
    </message>
    <message>
        <source>Unset %1, or set it to the proxy&apos;s address.</source>
        <translation>Unset %1, or set it to the proxy&apos;s address.</translation>
    </message>
    <message>
        <source>%1 (“%2”) names no proxy host</source>
        <translation>%1 (“%2”) names no proxy host</translation>
    </message>
    <message>
        <source>Set %1 to the proxy&apos;s address, such as http://proxy.example:3128, or unset it.</source>
        <translation>Set %1 to the proxy&apos;s address, such as http://proxy.example:3128, or unset it.</translation>
    </message>
    <message>
        <source>%1 names %2, which does not answer: %3</source>
        <translation>%1 names %2, which does not answer: %3</translation>
    </message>
    <message>
        <source>Start the proxy, or correct or unset %1.</source>
        <translation>Start the proxy, or correct or unset %1.</translation>
    </message>
    <message>
        <source>the catalogue is fetched through %1 (%2), which answers</source>
        <translation>the catalogue is fetched through %1 (%2), which answers</translation>
    </message>
    <message>
        <source>not used: everything is read from the bundle in %1</source>
        <translation>not used: everything is read from the bundle in %1</translation>
    </message>
</context>
<context>
    <name>DoctorSystemLinux</name>
    <message>
        <source>user %1 %2</source>
        <translation>user %1 %2</translation>
    </message>
    <message>
        <source>group %1 %2</source>
        <translation>group %1 %2</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>logind did not tell the session&apos;s %1 (%2)</source>
        <translation>logind did not tell the session&apos;s %1 (%2)</translation>
    </message>
    <message>
        <source>no system bus answers</source>
        <translation>no system bus answers</translation>
    </message>
    <message>
        <source>logind does not tell this process&apos;s session (%1)</source>
        <translation>logind does not tell this process&apos;s session (%1)</translation>
    </message>
    <message>
        <source>its node %1 cannot be looked at: %2</source>
        <translation>its node %1 cannot be looked at: %2</translation>
    </message>
</context>
<context>
    <name>DoctorSystemOther</name>
    <message>
        <source>this system has no logind</source>
        <translation>this system has no logind</translation>
    </message>
</context>
<context>
    <name>NetworkFacts</name>
    <message>
        <source>no connection within %1</source>
        <translation>no connection within %1</translation>
    </message>
</context>
<context>
    <name>PermissionFindings</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>fix: %1</source>
        <translation>fix: %1</translation>
    </message>
</context>
<context>
    <name>UdevRule</name>
    <message>
        <source>then run “%1” or plug the device in again</source>
        <translation>then run “%1” or plug the device in again</translation>
    </message>
    <message>
        <source>no %1 in %2</source>
        <translation>no %1 in %2</translation>
    </message>
    <message>
        <source>Install the package built for this catalogue, or copy its %1 into /etc/udev/rules.d; %2.</source>
        <translation>Install the package built for this catalogue, or copy its %1 into /etc/udev/rules.d; %2.</translation>
    </message>
    <message>
        <source>%1 is installed; whether it covers the catalogue&apos;s ids is not known, since the catalogue did not come</source>
        <translation>%1 is installed; whether it covers the catalogue&apos;s ids is not known, since the catalogue did not come</translation>
    </message>
    <message>
        <source>%1 is a link to /dev/null, which masks the rule</source>
        <translation>%1 is a link to /dev/null, which masks the rule</translation>
    </message>
    <message>
        <source>Remove the link %1; %2.</source>
        <translation>Remove the link %1; %2.</translation>
    </message>
    <message>
        <source>%1, and no rule there grants access to the catalogue&apos;s ids</source>
        <translation>%1, and no rule there grants access to the catalogue&apos;s ids</translation>
    </message>
    <message>
        <source>%1 grants access to none of the catalogue&apos;s id pairs (%2)</source>
        <translation>%1 grants access to none of the catalogue&apos;s id pairs (%2)</translation>
    </message>
    <message>
        <source>the rules grant access to %1 but not to %2</source>
        <translation>the rules grant access to %1 but not to %2</translation>
    </message>
    <message>
        <source>Install the package built for this catalogue, or add a line per missing pair to %1, such as %2; %3.</source>
        <translation>Install the package built for this catalogue, or add a line per missing pair to %1, such as %2; %3.</translation>
    </message>
    <message>
        <source>%1; %2 masks the package&apos;s %3</source>
        <translation>%1; %2 masks the package&apos;s %3</translation>
    </message>
    <message>
        <source>Move any lines of your own from %1 to %2 and remove %1, so that the package&apos;s %3 is read again; %4.</source>
        <translation>Move any lines of your own from %1 to %2 and remove %1, so that the package&apos;s %3 is read again; %4.</translation>
    </message>
    <message>
        <source>this system has no udev</source>
        <translation>this system has no udev</translation>
    </message>
    <message>
        <source>the catalogue names no device ids, so no rule is needed</source>
        <translation>the catalogue names no device ids, so no rule is needed</translation>
    </message>
    <message>
        <source>%1 grants access to every id pair of the catalogue (%2)</source>
        <translation>%1 grants access to every id pair of the catalogue (%2)</translation>
    </message>
</context>
</TS>
