<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CatalogueSignature</name>
    <message>
        <source>The catalogue signature is not valid. %1</source>
        <translation>韌體列表簽章無效。%1</translation>
    </message>
</context>
<context>
    <name>CatalogueTrust</name>
    <message>
        <source>The built-in catalogue key is unusable. %1</source>
        <translation>內建的韌體列表金鑰無法使用。%1</translation>
    </message>
    <message>
        <source>The catalogue&apos;s image digest for this version is malformed (“%1”); it must be sha256: followed by 64 hexadecimal digits.</source>
        <translation>韌體列表中此版本的韌體映像摘要格式錯誤（「%1」）；摘要必須是 sha256: 後接 64 位十六進位數字。</translation>
    </message>
    <message>
        <source>The signed catalogue gives no image digest for this version, so its image cannot be checked.</source>
        <translation>已簽署的韌體列表沒有提供此版本的韌體映像摘要，因此無法驗證其韌體映像。</translation>
    </message>
    <message>
        <source>The release notes do not match the catalogue&apos;s digest (%1).</source>
        <translation>韌體說明與韌體列表中的摘要不符（%1）。</translation>
    </message>
    <message>
        <source>The catalogue&apos;s digest for these release notes is malformed (“%1”).</source>
        <translation>韌體列表中此韌體說明的摘要格式錯誤（「%1」）。</translation>
    </message>
    <message>
        <source>The signed catalogue gives no digest for these release notes, so they cannot be checked.</source>
        <translation>已簽署的韌體列表沒有提供此韌體說明的摘要，因此無法驗證。</translation>
    </message>
</context>
<context>
    <name>ImageDigest</name>
    <message>
        <source>expected a malformed digest, received %1</source>
        <translation>預期的摘要格式錯誤，實際收到 %1</translation>
    </message>
    <message>
        <source>expected %1, received %2</source>
        <translation>預期 %1，實際收到 %2</translation>
    </message>
    <message>
        <source>The image does not match the catalogue&apos;s digest (%1); it was neither saved nor flashed.</source>
        <translation>韌體映像與韌體列表中的摘要不符（%1）；既未儲存，也未燒錄。</translation>
    </message>
</context>
<context>
    <name>MinisignKey</name>
    <message>
        <source>A minisign public key is one line of base64 text, optionally after its &quot;untrusted comment:&quot; line.</source>
        <translation>minisign 公開金鑰是一行 base64 文字，前面可以帶有其「untrusted comment:」行。</translation>
    </message>
    <message>
        <source>The public key is not valid minisign base64 text.</source>
        <translation>此公開金鑰不是有效的 minisign base64 文字。</translation>
    </message>
    <message>
        <source>The public key is not an Ed25519 minisign key.</source>
        <translation>此公開金鑰不是 Ed25519 minisign 金鑰。</translation>
    </message>
    <message>
        <source>Two different keys have the key ID %1: a signature could not tell them apart.</source>
        <translation>兩個不同的金鑰具有相同的金鑰 ID %1：簽章無法區分它們。</translation>
    </message>
    <message>
        <source>No minisign public key is given.</source>
        <translation>未提供 minisign 公開金鑰。</translation>
    </message>
</context>
<context>
    <name>MinisignSecretKey</name>
    <message>
        <source>it is not a minisign secret key (its second line is the key in base64, as minisign -G writes it)</source>
        <translation>它不是 minisign 私密金鑰（私密金鑰檔案的第二行是 base64 格式的金鑰，與 minisign -G 寫入的格式相同）</translation>
    </message>
</context>
<context>
    <name>MinisignSignature</name>
    <message>
        <source>The signature file is malformed: it has fewer than four lines.</source>
        <translation>簽章檔案格式錯誤：不足四行。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its first line is not an untrusted comment.</source>
        <translation>簽章檔案格式錯誤：第一行不是不受信任註解（untrusted comment）。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its third line is not a trusted comment.</source>
        <translation>簽章檔案格式錯誤：第三行不是受信任註解（trusted comment）。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its signature line is not a minisign signature.</source>
        <translation>簽章檔案格式錯誤：簽章行不是 minisign 簽章。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its signature algorithm is not supported.</source>
        <translation>簽章檔案格式錯誤：不支援其簽章演算法。</translation>
    </message>
    <message>
        <source>The signature file is malformed: its last line is not a minisign signature.</source>
        <translation>簽章檔案格式錯誤：最後一行不是 minisign 簽章。</translation>
    </message>
</context>
<context>
    <name>MinisignVerification</name>
    <message>
        <source>The signature cannot be checked: libsodium failed to start.</source>
        <translation>無法驗證簽章：libsodium 啟動失敗。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>The signature was made with another key (key ID %1, expected %2). If the publisher has moved to a new key, a newer release of the updater, which trusts it, may be needed.</source>
        <translation>此簽章由另一個金鑰產生（金鑰 ID %1，預期為 %2）。如果發布者已改用新金鑰，可能需要信任該金鑰的新版更新程式。</translation>
    </message>
    <message>
        <source>The signature does not match the signed file.</source>
        <translation>簽章與所簽署的檔案不符。</translation>
    </message>
    <message>
        <source>The trusted comment of the signature has been altered.</source>
        <translation>簽章的受信任註解已遭竄改。</translation>
    </message>
</context>
<context>
    <name>SignatureDates</name>
    <message>
        <source>The catalogue was signed %1, before the list already accepted (signed %2), which lies ahead of this computer&apos;s clock (%3); an older list is refused. Either this computer&apos;s clock is behind, and should be set right, or a list signed with a fast clock was taken earlier. %4</source>
        <translation>韌體列表簽署於 %1，早於已接受的列表（簽署於 %2），而後者晚於本機時鐘（%3）；較舊的列表會被拒絕。可能是本機時鐘慢了，應予校正；也可能先前接受過一份以快時鐘簽署的列表。%4</translation>
    </message>
    <message>
        <source>The catalogue was signed %1, before the list already accepted (signed %2); an older list is refused. %3</source>
        <translation>韌體列表簽署於 %1，早於已接受的列表（簽署於 %2）；較舊的列表會被拒絕。%3</translation>
    </message>
    <message>
        <source>The catalogue signature&apos;s date “%1” is malformed: a date must be given once, as whole seconds since 1970 up to the year 9999.</source>
        <translation>韌體列表簽章中的日期「%1」格式錯誤：每個日期只能給出一次，且須為自 1970 年起的整秒數，最晚至 9999 年。</translation>
    </message>
    <message>
        <source>The catalogue signature carries no timestamp, so the list&apos;s age cannot be checked.</source>
        <translation>韌體列表簽章不含時間戳記，因此無法檢查列表的新舊。</translation>
    </message>
    <message>
        <source>The catalogue was signed %1, more than an hour after this computer&apos;s clock (%2); a list from the future is refused. Either this computer&apos;s clock is behind, and the list is taken once it is set right, or the list was signed on a machine whose clock is fast, and its publisher must sign it again: taken now, it would shut out every correct list signed before %1.</source>
        <translation>韌體列表簽署於 %1，比本機時鐘（%2）晚一小時以上；來自未來的列表會被拒絕。可能是本機時鐘慢了，校正後即可接受此列表；也可能此列表是在時鐘偏快的機器上簽署的，其發布者必須重新簽署：若現在接受它，所有在 %1 之前簽署的正確列表都將被拒絕。</translation>
    </message>
    <message>
        <source>The catalogue expired %1 (signed %2).</source>
        <translation>韌體列表已於 %1 過期（簽署於 %2）。</translation>
    </message>
    <message>
        <source>If the list already taken should not have been, remove its record with “morvane-flash record --forget”: the next list is then trusted as on first use.</source>
        <translation>如果已接受的列表本不應被接受，請用「morvane-flash record --forget」刪除其紀錄：之後的下一份列表將以首次使用的方式信任。</translation>
    </message>
</context>
</TS>
