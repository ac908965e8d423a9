<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CatalogueLint</name>
    <message>
        <source>looks like a heading; the updater takes it as a record</source>
        <translation>looks like a heading; the updater takes it as a record</translation>
    </message>
    <message>
        <source>the same record as line %1</source>
        <translation>the same record as line %1</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s); a record needs at least %1, separated by &quot;;&quot;</source>
        <translation>
            <numerusform>%n field; a record needs at least %1, separated by &quot;;&quot;</numerusform>
            <numerusform>%n fields; a record needs at least %1, separated by &quot;;&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is empty</translation>
    </message>
    <message>
        <source>%1 is not a valid URL: %2</source>
        <translation>%1 is not a valid URL: %2</translation>
    </message>
    <message>
        <source>%1 is empty: the window would offer it without a name</source>
        <translation>%1 is empty: the window would offer it without a name</translation>
    </message>
    <message>
        <source>%1 holds U+%2, which a terminal acts on: remove it</source>
        <translation>%1 holds U+%2, which a terminal acts on: remove it</translation>
    </message>
    <message>
        <source>%1 holds U+%2, which reorders the text shown around it: remove it</source>
        <translation>%1 holds U+%2, which reorders the text shown around it: remove it</translation>
    </message>
    <message>
        <source>%1 must begin with &quot;sha256:&quot; in lower case; the updater ignores it as written</source>
        <translation>%1 must begin with &quot;sha256:&quot; in lower case; the updater ignores it as written</translation>
    </message>
    <message>
        <source>model &quot;%1&quot; differs from &quot;%2&quot; (line %3) only in letter case or invisible characters; they are two models</source>
        <translation>model &quot;%1&quot; differs from &quot;%2&quot; (line %3) only in letter case or invisible characters; they are two models</translation>
    </message>
    <message>
        <source>the file begins with a byte-order mark; save it as UTF-8 without one</source>
        <translation>the file begins with a byte-order mark; save it as UTF-8 without one</translation>
    </message>
    <message>
        <source>byte 0x%1 at byte offset %2 is not UTF-8; the updater refuses the whole list</source>
        <translation>byte 0x%1 at byte offset %2 is not UTF-8; the updater refuses the whole list</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a finding, then what to do about it</comment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>DigestFilling</name>
    <message>
        <source>field %1 holds “%2”, which is no digest; empty it for sign to fill it in</source>
        <translation>field %1 holds “%2”, which is no digest; empty it for sign to fill it in</translation>
    </message>
    <message>
        <source>the image %1 is empty: the updater refuses it</source>
        <translation>the image %1 is empty: the updater refuses it</translation>
    </message>
    <message>
        <source>the image %1 does not match the digest given (%2): the updater refuses it. %3</source>
        <translation>the image %1 does not match the digest given (%2): the updater refuses it. %3</translation>
    </message>
    <message>
        <source>at %1</source>
        <comment>where the mirror would hold a file</comment>
        <translation>at %1</translation>
    </message>
    <message>
        <source>beside the list as %1</source>
        <translation>beside the list as %1</translation>
    </message>
    <message>
        <source> (%1 beside the list is not taken: other addresses of the list have that name)</source>
        <translation> (%1 beside the list is not taken: other addresses of the list have that name)</translation>
    </message>
    <message>
        <source>found here</source>
        <comment>the file is not found here</comment>
        <translation>found here</translation>
    </message>
    <message>
        <source> nor </source>
        <comment>between the places looked at</comment>
        <translation> nor </translation>
    </message>
    <message>
        <source>%1 is a link, or is reached through one; sign follows no links, so nothing outside %2 is read in its place</source>
        <translation>%1 is a link, or is reached through one; sign follows no links, so nothing outside %2 is read in its place</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 has %2 hard links: it can be changed through another name; its digest is of the file as it is now</source>
        <translation>%1 has %2 hard links: it can be changed through another name; its digest is of the file as it is now</translation>
    </message>
    <message>
        <source>the release notes %1 is not %2, nor can it be fetched: %3</source>
        <translation>the release notes %1 is not %2, nor can it be fetched: %3</translation>
    </message>
    <message>
        <source>the image %1 is not %2, nor can it be fetched: %3</source>
        <translation>the image %1 is not %2, nor can it be fetched: %3</translation>
    </message>
    <message>
        <source>the release notes %1 is not %2, and fetching it failed: %3</source>
        <translation>the release notes %1 is not %2, and fetching it failed: %3</translation>
    </message>
    <message>
        <source>the image %1 is not %2, and fetching it failed: %3</source>
        <translation>the image %1 is not %2, and fetching it failed: %3</translation>
    </message>
    <message>
        <source>the release notes %1</source>
        <translation>the release notes %1</translation>
    </message>
</context>
<context>
    <name>LintFetching</name>
    <message>
        <source>notes %1</source>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a download, then why it failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: HTTP %2</source>
        <translation>%1: HTTP %2</translation>
    </message>
    <message>
        <source>%1: fetched</source>
        <translation>%1: fetched</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1, not shown: %2</translation>
    </message>
    <message>
        <source>%1, decodes in no supported character set: the window shows %2</source>
        <translation>%1, decodes in no supported character set: the window shows %2</translation>
    </message>
    <message>
        <source>%1, empty: the window shows %2</source>
        <translation>%1, empty: the window shows %2</translation>
    </message>
    <message>
        <source>%1, decodes as %2</source>
        <translation>%1, decodes as %2</translation>
    </message>
    <message>
        <source>%1, empty: the updater refuses it</source>
        <translation>%1, empty: the updater refuses it</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <translation>
            <numerusform>%1, %n byte</numerusform>
            <numerusform>%1, %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, does not match its digest (%2): the updater refuses it. %3</source>
        <translation>%1, does not match its digest (%2): the updater refuses it. %3</translation>
    </message>
    <message>
        <source>%1, digest matches</source>
        <translation>%1, digest matches</translation>
    </message>
    <message>
        <source>the list was signed %1, before the list published at %2 (signed %3): every unit that took that one refuses it. Sign it again on a machine whose clock is right.</source>
        <translation>the list was signed %1, before the list published at %2 (signed %3): every unit that took that one refuses it. Sign it again on a machine whose clock is right.</translation>
    </message>
    <message>
        <source>the list was signed %1, before the newest list this computer took from %2 (signed %3): this computer refuses it, as every unit that took that list does. </source>
        <translation>the list was signed %1, before the newest list this computer took from %2 (signed %3): this computer refuses it, as every unit that took that list does. </translation>
    </message>
    <message>
        <source>the list was signed %1, ahead of this computer&apos;s clock (%2): units that take it refuse every later list until %1. Sign it again on a machine whose clock is right.</source>
        <translation>the list was signed %1, ahead of this computer&apos;s clock (%2): units that take it refuse every later list until %1. Sign it again on a machine whose clock is right.</translation>
    </message>
    <message>
        <source>the notes</source>
        <translation>the notes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where the notes were fetched, then a finding about them</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>LintReportText</name>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LintSource</name>
    <message>
        <source>Cannot read the list file %1: %2</source>
        <translation>Cannot read the list file %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the signature file %1: %2</source>
        <translation>Cannot read the signature file %1: %2</translation>
    </message>
</context>
<context>
    <name>ListSigning</name>
    <message>
        <source>morvane-flash: sign would date the list %1, not after %2 (signed %3): every unit that took that list would refuse this one. If this machine&apos;s clock is behind, set it right (timedatectl set-ntp true) and sign again; if %2 was signed with a fast clock, sign once its date has passed. Nothing was written.</source>
        <translation>morvane-flash: sign would date the list %1, not after %2 (signed %3): every unit that took that list would refuse this one. If this machine&apos;s clock is behind, set it right (timedatectl set-ntp true) and sign again; if %2 was signed with a fast clock, sign once its date has passed. Nothing was written.</translation>
    </message>
    <message>
        <source>Cannot read the signature file %1: %2</source>
        <translation>Cannot read the signature file %1: %2</translation>
    </message>
    <message>
        <source>morvane-flash: %1. %2 A list signed now would be dated wrong. Nothing was written.</source>
        <translation>morvane-flash: %1. %2 A list signed now would be dated wrong. Nothing was written.</translation>
    </message>
    <message>
        <source>not compared with the list published at %1: %2</source>
        <translation>not compared with the list published at %1: %2</translation>
    </message>
    <message>
        <source>the signature it replaces, %1</source>
        <translation>the signature it replaces, %1</translation>
    </message>
    <message>
        <source>the list published at %1</source>
        <translation>the list published at %1</translation>
    </message>
    <message>
        <source>morvane-flash: cannot use the secret key file %1: %2</source>
        <translation>morvane-flash: cannot use the secret key file %1: %2</translation>
    </message>
    <message>
        <source>morvane-flash: the secret key %1 is protected by a password, and standard input is no terminal to type it on: run sign on a terminal, or sign with a key made by minisign -G -W.</source>
        <translation>morvane-flash: the secret key %1 is protected by a password, and standard input is no terminal to type it on: run sign on a terminal, or sign with a key made by minisign -G -W.</translation>
    </message>
    <message>
        <source>morvane-flash: a key sealed with a password does not give its public key: name it with --public-key.</source>
        <translation>morvane-flash: a key sealed with a password does not give its public key: name it with --public-key.</translation>
    </message>
    <message>
        <source>Nothing was signed or written.</source>
        <translation>Nothing was signed or written.</translation>
    </message>
    <message>
        <source>the updater would refuse it: %1</source>
        <translation>the updater would refuse it: %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2 Nothing was changed.</source>
        <translation>Cannot write %1: %2 Nothing was changed.</translation>
    </message>
    <message>
        <source>Cannot write %1.minisig: %2 %3</source>
        <translation>Cannot write %1.minisig: %2 %3</translation>
    </message>
    <message>
        <source>The list is as it was.</source>
        <translation>The list is as it was.</translation>
    </message>
    <message>
        <source>The list was written but its signature not: sign it again.</source>
        <translation>The list was written but its signature not: sign it again.</translation>
    </message>
    <message>
        <source>this build trusts key %1, not key %2 that signed the list: units of this build will refuse it, and only a release that trusts key %2 takes it</source>
        <translation>this build trusts key %1, not key %2 that signed the list: units of this build will refuse it, and only a release that trusts key %2 takes it</translation>
    </message>
    <message>
        <source> or </source>
        <comment>between key ids</comment>
        <translation> or </translation>
    </message>
    <message>
        <source>signed with key %1, judged by key %2</source>
        <translation>signed with key %1, judged by key %2</translation>
    </message>
</context>
<context>
    <name>MinisignRunner</name>
    <message>
        <source>Stopped: minisign was ended; nothing was signed.</source>
        <translation>Stopped: minisign was ended; nothing was signed.</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>exit status %1</translation>
    </message>
    <message>
        <source>it ran past its deadline of %1 s and was ended</source>
        <translation>it ran past its deadline of %1 s and was ended</translation>
    </message>
    <message>
        <source>morvane-flash: minisign failed (%1); nothing was written.</source>
        <translation>morvane-flash: minisign failed (%1); nothing was written.</translation>
    </message>
    <message>
        <source>morvane-flash: minisign failed (%1): %2; nothing was written.</source>
        <translation>morvane-flash: minisign failed (%1): %2; nothing was written.</translation>
    </message>
    <message>
        <source>morvane-flash: minisign is not installed, or not on PATH (apt install minisign); nothing was written.</source>
        <translation>morvane-flash: minisign is not installed, or not on PATH (apt install minisign); nothing was written.</translation>
    </message>
    <message>
        <source>morvane-flash: cannot prepare the list for minisign: %1</source>
        <translation>morvane-flash: cannot prepare the list for minisign: %1</translation>
    </message>
    <message>
        <source>morvane-flash: minisign wrote no readable signature: %1; nothing was written.</source>
        <translation>morvane-flash: minisign wrote no readable signature: %1; nothing was written.</translation>
    </message>
</context>
<context>
    <name>PublicKeyChoice</name>
    <message>
        <source>morvane-flash: the public key is unusable. %1</source>
        <translation>morvane-flash: the public key is unusable. %1</translation>
    </message>
    <message>
        <source>morvane-flash: cannot read the public key file %1: %2</source>
        <translation>morvane-flash: cannot read the public key file %1: %2</translation>
    </message>
</context>
</TS>
