<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CatalogueSignature</name>
    <message>
        <source>The catalogue signature is not valid. %1</source>
        <translation>固件列表签名无效。%1</translation>
    </message>
</context>
<context>
    <name>CatalogueTrust</name>
    <message>
        <source>The built-in catalogue key is unusable. %1</source>
        <translation>内置的固件列表密钥不可用。%1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s image digest for this version is malformed (“%1”); it must be sha256: followed by 64 hexadecimal digits.</source>
        <translation>固件列表中此版本的固件映像摘要格式错误（“%1”）；摘要必须是 sha256: 后跟 64 位十六进制数字。</translation>
    </message>
    <message>
        <source>The signed catalogue gives no image digest for this version, so its image cannot be checked.</source>
        <translation>已签名的固件列表没有给出此版本的固件映像摘要，因此无法校验其固件映像。</translation>
    </message>
    <message>
        <source>The release notes do not match the catalogue&apos;s digest (%1).</source>
        <translation>固件说明与固件列表中的摘要不符（%1）。</translation>
    </message>
    <message>
        <source>The catalogue&apos;s digest for these release notes is malformed (“%1”).</source>
        <translation>固件列表中此固件说明的摘要格式错误（“%1”）。</translation>
    </message>
    <message>
        <source>The signed catalogue gives no digest for these release notes, so they cannot be checked.</source>
        <translation>已签名的固件列表没有给出此固件说明的摘要，因此无法校验。</translation>
    </message>
</context>
<context>
    <name>ImageDigest</name>
    <message>
        <source>expected a malformed digest, received %1</source>
        <translation>预期的摘要格式错误，实际收到 %1</translation>
    </message>
    <message>
        <source>expected %1, received %2</source>
        <translation>预期 %1，实际收到 %2</translation>
    </message>
    <message>
        <source>The image does not match the catalogue&apos;s digest (%1); it was neither saved nor flashed.</source>
        <translation>固件映像与固件列表中的摘要不符（%1）；既未保存，也未刷写。</translation>
    </message>
</context>
<context>
    <name>MinisignKey</name>
    <message>
        <source>A minisign public key is one line of base64 text, optionally after its &quot;untrusted comment:&quot; line.</source>
        <translation>minisign 公钥是一行 base64 文本，前面可以带有其“untrusted comment:”行。</translation>
    </message>
    <message>
        <source>The public key is not valid minisign base64 text.</source>
        <translation>该公钥不是有效的 minisign base64 文本。</translation>
    </message>
    <message>
        <source>The public key is not an Ed25519 minisign key.</source>
        <translation>该公钥不是 Ed25519 minisign 密钥。</translation>
    </message>
    <message>
        <source>Two different keys have the key ID %1: a signature could not tell them apart.</source>
        <translation>两个不同的密钥具有相同的密钥 ID %1：签名无法区分它们。</translation>
    </message>
    <message>
        <source>No minisign public key is given.</source>
        <translation>未提供 minisign 公钥。</translation>
    </message>
</context>
<context>
    <name>MinisignSecretKey</name>
    <message>
        <source>it is not a minisign secret key (its second line is the key in base64, as minisign -G writes it)</source>
        <translation>它不是 minisign 私钥（私钥文件的第二行是 base64 格式的密钥，与 minisign -G 写入的格式相同）</translation>
    </message>
</context>
<context>
    <name>MinisignSignature</name>
    <message>
        <source>The signature file is malformed: it has fewer than four lines.</source>
        <translation>签名文件格式错误：不足四行。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its first line is not an untrusted comment.</source>
        <translation>签名文件格式错误：第一行不是不受信任注释（untrusted comment）。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its third line is not a trusted comment.</source>
        <translation>签名文件格式错误：第三行不是受信任注释（trusted comment）。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its signature line is not a minisign signature.</source>
        <translation>签名文件格式错误：签名行不是 minisign 签名。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its signature algorithm is not supported.</source>
        <translation>签名文件格式错误：不支持其签名算法。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its last line is not a minisign signature.</source>
        <translation>签名文件格式错误：最后一行不是 minisign 签名。</translation>
    </message>
</context>
<context>
    <name>MinisignVerification</name>
    <message>
        <source>The signature cannot be checked: libsodium failed to start.</source>
        <translation>无法校验签名：libsodium 启动失败。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>The signature was made with another key (key ID %1, expected %2). If the publisher has moved to a new key, a newer release of the updater, which trusts it, may be needed.</source>
        <translation>该签名由另一个密钥生成（密钥 ID %1，预期为 %2）。如果发布者已换用新密钥，可能需要信任该密钥的新版更新程序。</translation>
    </message>
    <message>
        <source>The signature does not match the signed file.</source>
        <translation>签名与所签名的文件不符。</translation>
    </message>
    <message>
        <source>The trusted comment of the signature has been altered.</source>
        <translation>签名的受信任注释已被篡改。</translation>
    </message>
</context>
<context>
    <name>SignatureDates</name>
    <message>
        <source>The catalogue was signed %1, before the list already accepted (signed %2), which lies ahead of this computer&apos;s clock (%3); an older list is refused. Either this computer&apos;s clock is behind, and should be set right, or a list signed with a fast clock was taken earlier. %4</source>
        <translation>固件列表签名于 %1，早于已接受的列表（签名于 %2），而后者晚于本机时钟（%3）；较旧的列表会被拒绝。要么本机时钟慢了，应予校正；要么之前接受过一份用快时钟签名的列表。%4</translation>
    </message>
    <message>
        <source>The catalogue was signed %1, before the list already accepted (signed %2); an older list is refused. %3</source>
        <translation>固件列表签名于 %1，早于已接受的列表（签名于 %2）；较旧的列表会被拒绝。%3</translation>
    </message>
    <message>
        <source>The catalogue signature&apos;s date “%1” is malformed: a date must be given once, as whole seconds since 1970 up to the year 9999.</source>
        <translation>固件列表签名中的日期“%1”格式错误：每个日期只能给出一次，且须为自 1970 年起的整秒数，最晚至 9999 年。</translation>
    </message>
    <message>
        <source>The catalogue signature carries no timestamp, so the list&apos;s age cannot be checked.</source>
        <translation>固件列表签名不含时间戳，因此无法检查列表的新旧。</translation>
    </message>
    <message>
        <source>The catalogue was signed %1, more than an hour after this computer&apos;s clock (%2); a list from the future is refused. Either this computer&apos;s clock is behind, and the list is taken once it is set right, or the list was signed on a machine whose clock is fast, and its publisher must sign it again: taken now, it would shut out every correct list signed before %1.</source>
        <translation>固件列表签名于 %1，比本机时钟（%2）晚一小时以上；来自未来的列表会被拒绝。要么本机时钟慢了，校正后即可接受该列表；要么该列表是在时钟偏快的机器上签名的，其发布者必须重新签名：若现在接受它，所有在 %1 之前签名的正确列表都将被拒绝。</translation>
    </message>
    <message>
        <source>The catalogue expired %1 (signed %2).</source>
        <translation>固件列表已于 %1 过期（签名于 %2）。</translation>
    </message>
    <message>
        <source>If the list already taken should not have been, remove its record with “morvane-flash record --forget”: the next list is then trusted as on first use.</source>
        <translation>如果已接受的列表本不应被接受，请用“morvane-flash record --forget”删除其记录：之后的下一份列表将按首次使用时的方式信任。</translation>
    </message>
</context>
</TS>
