<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CatalogueSignature</name>
    <message>
        <source>The catalogue signature is not valid. %1</source>
        <translation>The catalogue signature is not valid. %1</translation>
    </message>
</context>
<context>
    <name>CatalogueTrust</name>
    <message>
        <source>The built-in catalogue key is unusable. %1</source>
        <translation>The built-in catalogue key is unusable. %1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s image digest for this version is malformed (“%1”); it must be sha256: followed by 64 hexadecimal digits.</source>
        <translation>The catalogue&apos;s image digest for this version is malformed (“%1”); it must be sha256: followed by 64 hexadecimal digits.</translation>
    </message>
    <message>
        <source>The signed catalogue gives no image digest for this version, so its image cannot be checked.</source>
        <translation>The signed catalogue gives no image digest for this version, so its image cannot be checked.</translation>
    </message>
    <message>
        <source>The release notes do not match the catalogue&apos;s digest (%1).</source>
        <translation>The release notes do not match the catalogue&apos;s digest (%1).</translation>
    </message>
    <message>
        <source>The catalogue&apos;s digest for these release notes is malformed (“%1”).</source>
        <translation>The catalogue&apos;s digest for these release notes is malformed (“%1”).</translation>
    </message>
    <message>
        <source>The signed catalogue gives no digest for these release notes, so they cannot be checked.</source>
        <translation>The signed catalogue gives no digest for these release notes, so they cannot be checked.</translation>
    </message>
</context>
<context>
    <name>ImageDigest</name>
    <message>
        <source>expected a malformed digest, received %1</source>
        <translation>expected a malformed digest, received %1</translation>
    </message>
    <message>
        <source>expected %1, received %2</source>
        <translation>expected %1, received %2</translation>
    </message>
    <message>
        <source>The image does not match the catalogue&apos;s digest (%1); it was neither saved nor flashed.</source>
        <translation>The image does not match the catalogue&apos;s digest (%1); it was neither saved nor flashed.</translation>
    </message>
</context>
<context>
    <name>MinisignKey</name>
    <message>
        <source>A minisign public key is one line of base64 text, optionally after its &quot;untrusted comment:&quot; line.</source>
        <translation>A minisign public key is one line of base64 text, optionally after its &quot;untrusted comment:&quot; line.</translation>
    </message>
    <message>
        <source>The public key is not valid minisign base64 text.</source>
        <translation>The public key is not valid minisign base64 text.</translation>
    </message>
    <message>
        <source>The public key is not an Ed25519 minisign key.</source>
        <translation>The public key is not an Ed25519 minisign key.</translation>
    </message>
    <message>
        <source>Two different keys have the key ID %1: a signature could not tell them apart.</source>
        <translation>Two different keys have the key ID %1: a signature could not tell them apart.</translation>
    </message>
    <message>
        <source>No minisign public key is given.</source>
        <translation>No minisign public key is given.</translation>
    </message>
</context>
<context>
    <name>MinisignSecretKey</name>
    <message>
        <source>it is not a minisign secret key (its second line is the key in base64, as minisign -G writes it)</source>
        <translation>it is not a minisign secret key (its second line is the key in base64, as minisign -G writes it)</translation>
    </message>
</context>
<context>
    <name>MinisignSignature</name>
    <message>
        <source>The signature file is malformed: it has fewer than four lines.</source>
        <translation>The signature file is malformed: it has fewer than four lines.</translation>
    </message>
    <message>
        <source>The signature file is malformed: its first line is not an untrusted comment.</source>
        <translation>The signature file is malformed: its first line is not an untrusted comment.</translation>
    </message>
    <message>
        <source>The signature file is malformed: its third line is not a trusted comment.</source>
        <translation>The signature file is malformed: its third line is not a trusted comment.</translation>
    </message>
    <message>
        <source>The signature file is malformed: its signature line is not a minisign signature.</source>
        <translation>The signature file is malformed: its signature line is not a minisign signature.</translation>
    </message>
    <message>
        <source>The signature file is malformed: its signature algorithm is not supported.</source>
        <translation>The signature file is malformed: its signature algorithm is not supported.</translation>
    </message>
    <message>
        <source>The signature file is malformed: its last line is not a minisign signature.</source>
        <translation>The signature file is malformed: its last line is not a minisign signature.</translation>
    </message>
</context>
<context>
    <name>MinisignVerification</name>
    <message>
        <source>The signature cannot be checked: libsodium failed to start.</source>
        <translation>The signature cannot be checked: libsodium failed to start.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>The signature was made with another key (key ID %1, expected %2). If the publisher has moved to a new key, a newer release of the updater, which trusts it, may be needed.</source>
        <translation>The signature was made with another key (key ID %1, expected %2). If the publisher has moved to a new key, a newer release of the updater, which trusts it, may be needed.</translation>
    </message>
    <message>
        <source>The signature does not match the signed file.</source>
        <translation>The signature does not match the signed file.</translation>
    </message>
    <message>
        <source>The trusted comment of the signature has been altered.</source>
        <translation>The trusted comment of the signature has been altered.</translation>
    </message>
</context>
<context>
    <name>SignatureDates</name>
    <message>
        <source>The catalogue was signed %1, before the list already accepted (signed %2), which lies ahead of this computer&apos;s clock (%3); an older list is refused. Either this computer&apos;s clock is behind, and should be set right, or a list signed with a fast clock was taken earlier. %4</source>
        <translation>The catalogue was signed %1, before the list already accepted (signed %2), which lies ahead of this computer&apos;s clock (%3); an older list is refused. Either this computer&apos;s clock is behind, and should be set right, or a list signed with a fast clock was taken earlier. %4</translation>
    </message>
    <message>
        <source>The catalogue was signed %1, before the list already accepted (signed %2); an older list is refused. %3</source>
        <translation>The catalogue was signed %1, before the list already accepted (signed %2); an older list is refused. %3</translation>
    </message>
    <message>
        <source>The catalogue signature&apos;s date “%1” is malformed: a date must be given once, as whole seconds since 1970 up to the year 9999.</source>
        <translation>The catalogue signature&apos;s date “%1” is malformed: a date must be given once, as whole seconds since 1970 up to the year 9999.</translation>
    </message>
    <message>
        <source>The catalogue signature carries no timestamp, so the list&apos;s age cannot be checked.</source>
        <translation>The catalogue signature carries no timestamp, so the list&apos;s age cannot be checked.</translation>
    </message>
    <message>
        <source>The catalogue was signed %1, more than an hour after this computer&apos;s clock (%2); a list from the future is refused. Either this computer&apos;s clock is behind, and the list is taken once it is set right, or the list was signed on a machine whose clock is fast, and its publisher must sign it again: taken now, it would shut out every correct list signed before %1.</source>
        <translation>The catalogue was signed %1, more than an hour after this computer&apos;s clock (%2); a list from the future is refused. Either this computer&apos;s clock is behind, and the list is taken once it is set right, or the list was signed on a machine whose clock is fast, and its publisher must sign it again: taken now, it would shut out every correct list signed before %1.</translation>
    </message>
    <message>
        <source>The catalogue expired %1 (signed %2).</source>
        <translation>The catalogue expired %1 (signed %2).</translation>
    </message>
    <message>
        <source>If the list already taken should not have been, remove its record with “morvane-flash record --forget”: the next list is then trusted as on first use.</source>
        <translation>If the list already taken should not have been, remove its record with “morvane-flash record --forget”: the next list is then trusted as on first use.</translation>
    </message>
</context>
</TS>
