<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CatalogueLint</name>
    <message>
        <source>looks like a heading; the updater takes it as a record</source>
        <translation>看起來像標題列；更新程式會把它當作一筆記錄</translation>
    </message>
    <message>
        <source>the same record as line %1</source>
        <translation>與第 %1 行的記錄相同</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s); a record needs at least %1, separated by &quot;;&quot;</source>
        <translation>
            <numerusform>%n 個欄位；一筆記錄至少需要 %1 個，以「;」分隔</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 是空的</translation>
    </message>
    <message>
        <source>%1 is not a valid URL: %2</source>
        <translation>%1 不是有效的 URL：%2</translation>
    </message>
    <message>
        <source>%1 is empty: the window would offer it without a name</source>
        <translation>%1 是空的：視窗會在沒有名稱的情況下提供它</translation>
    </message>
    <message>
        <source>%1 holds U+%2, which a terminal acts on: remove it</source>
        <translation>%1 含有 U+%2，終端機會對它作出反應：請刪除</translation>
    </message>
    <message>
        <source>%1 holds U+%2, which reorders the text shown around it: remove it</source>
        <translation>%1 含有 U+%2，它會打亂周圍文字的顯示順序：請刪除</translation>
    </message>
    <message>
        <source>%1 must begin with &quot;sha256:&quot; in lower case; the updater ignores it as written</source>
        <translation>%1 必須以小寫的「sha256:」開頭；依目前的寫法，更新程式會忽略它</translation>
    </message>
    <message>
        <source>model &quot;%1&quot; differs from &quot;%2&quot; (line %3) only in letter case or invisible characters; they are two models</source>
        <translation>型號「%1」與「%2」（第 %3 行）僅在大小寫或不可見字元上不同；它們是兩個型號</translation>
    </message>
    <message>
        <source>the file begins with a byte-order mark; save it as UTF-8 without one</source>
        <translation>檔案以位元組順序標記（BOM）開頭；請儲存為不含 BOM 的 UTF-8</translation>
    </message>
    <message>
        <source>byte 0x%1 at byte offset %2 is not UTF-8; the updater refuses the whole list</source>
        <translation>位元組偏移 %2 處的位元組 0x%1 不是 UTF-8；更新程式會拒絕整份列表</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a finding, then what to do about it</comment>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>DigestFilling</name>
    <message>
        <source>field %1 holds “%2”, which is no digest; empty it for sign to fill it in</source>
        <translation>第 %1 個欄位的內容「%2」不是摘要；請清空它，由 sign 來填寫</translation>
    </message>
    <message>
        <source>the image %1 is empty: the updater refuses it</source>
        <translation>韌體映像 %1 是空的：更新程式會拒絕它</translation>
    </message>
    <message>
        <source>the image %1 does not match the digest given (%2): the updater refuses it. %3</source>
        <translation>韌體映像 %1 與提供的摘要不符（%2）：更新程式會拒絕它。%3</translation>
    </message>
    <message>
        <source>at %1</source>
        <comment>where the mirror would hold a file</comment>
        <translation>在 %1</translation>
    </message>
    <message>
        <source>beside the list as %1</source>
        <translation>在列表旁名為 %1</translation>
    </message>
    <message>
        <source> (%1 beside the list is not taken: other addresses of the list have that name)</source>
        <translation>（未採用列表旁的 %1：列表中的其他位址也使用這個名稱）</translation>
    </message>
    <message>
        <source>found here</source>
        <comment>the file is not found here</comment>
        <translation>在本機</translation>
    </message>
    <message>
        <source> nor </source>
        <comment>between the places looked at</comment>
        <translation>，也不</translation>
    </message>
    <message>
        <source>%1 is a link, or is reached through one; sign follows no links, so nothing outside %2 is read in its place</source>
        <translation>%1 是連結，或需經由連結才能到達；sign 不追蹤任何連結，因此不會讀取 %2 以外的任何內容來代替它</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 has %2 hard links: it can be changed through another name; its digest is of the file as it is now</source>
        <translation>%1 有 %2 個硬連結：可能透過其他名稱被修改；其摘要依檔案目前的內容計算</translation>
    </message>
    <message>
        <source>the release notes %1 is not %2, nor can it be fetched: %3</source>
        <translation>韌體說明 %1 不%2，也無法取得：%3</translation>
    </message>
    <message>
        <source>the image %1 is not %2, nor can it be fetched: %3</source>
        <translation>韌體映像 %1 不%2，也無法取得：%3</translation>
    </message>
    <message>
        <source>the release notes %1 is not %2, and fetching it failed: %3</source>
        <translation>韌體說明 %1 不%2，而且取得失敗：%3</translation>
    </message>
    <message>
        <source>the image %1 is not %2, and fetching it failed: %3</source>
        <translation>韌體映像 %1 不%2，而且取得失敗：%3</translation>
    </message>
    <message>
        <source>the release notes %1</source>
        <translation>韌體說明 %1</translation>
    </message>
</context>
<context>
    <name>LintFetching</name>
    <message>
        <source>notes %1</source>
        <translation>說明 %1</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>映像 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a download, then why it failed</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: HTTP %2</source>
        <translation>%1：HTTP %2</translation>
    </message>
    <message>
        <source>%1: fetched</source>
        <translation>%1：已取得</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1，不會顯示：%2</translation>
    </message>
    <message>
        <source>%1, decodes in no supported character set: the window shows %2</source>
        <translation>%1，無法以任何支援的字元集解碼：視窗顯示「%2」</translation>
    </message>
    <message>
        <source>%1, empty: the window shows %2</source>
        <translation>%1，內容是空的：視窗顯示「%2」</translation>
    </message>
    <message>
        <source>%1, decodes as %2</source>
        <translation>%1，解碼為 %2</translation>
    </message>
    <message>
        <source>%1, empty: the updater refuses it</source>
        <translation>%1，內容是空的：更新程式會拒絕它</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <translation>
            <numerusform>%1，%n 位元組</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, does not match its digest (%2): the updater refuses it. %3</source>
        <translation>%1，與其摘要不符（%2）：更新程式會拒絕它。%3</translation>
    </message>
    <message>
        <source>%1, digest matches</source>
        <translation>%1，摘要相符</translation>
    </message>
    <message>
        <source>the list was signed %1, before the list published at %2 (signed %3): every unit that took that one refuses it. Sign it again on a machine whose clock is right.</source>
        <translation>該列表的簽署時間為 %1，早於 %2 處已發布的列表（簽署於 %3）：所有接受過那份列表的裝置都會拒絕它。請在時鐘準確的電腦上重新簽署。</translation>
    </message>
    <message>
        <source>the list was signed %1, before the newest list this computer took from %2 (signed %3): this computer refuses it, as every unit that took that list does. </source>
        <translation>該列表的簽署時間為 %1，早於本機從 %2 接受過的最新列表（簽署於 %3）：本機會拒絕它，所有接受過那份列表的裝置也都會拒絕。</translation>
    </message>
    <message>
        <source>the list was signed %1, ahead of this computer&apos;s clock (%2): units that take it refuse every later list until %1. Sign it again on a machine whose clock is right.</source>
        <translation>該列表的簽署時間為 %1，晚於本機時鐘（%2）：接受它的裝置在 %1 之前會拒絕之後的每一份列表。請在時鐘準確的電腦上重新簽署。</translation>
    </message>
    <message>
        <source>the notes</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>where the notes were fetched, then a finding about them</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>LintReportText</name>
    <message>
        <source>, </source>
        <comment>between the counts of the summary</comment>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n 筆記錄</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n 個錯誤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n 個警告</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LintSource</name>
    <message>
        <source>Cannot read the list file %1: %2</source>
        <translation>無法讀取列表檔案 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the signature file %1: %2</source>
        <translation>無法讀取簽章檔案 %1：%2</translation>
    </message>
</context>
<context>
    <name>ListSigning</name>
    <message>
        <source>morvane-flash: sign would date the list %1, not after %2 (signed %3): every unit that took that list would refuse this one. If this machine&apos;s clock is behind, set it right (timedatectl set-ntp true) and sign again; if %2 was signed with a fast clock, sign once its date has passed. Nothing was written.</source>
        <translation>morvane-flash：sign 會把列表的簽署時間記為 %1，並不晚於%2（簽署於 %3）：所有接受過那份列表的裝置都會拒絕這一份。如果本機時鐘慢了，請校正（timedatectl set-ntp true）後重新簽署；如果%2是用快時鐘簽署的，請等到其日期過後再簽署。未寫入任何內容。</translation>
    </message>
    <message>
        <source>Cannot read the signature file %1: %2</source>
        <translation>無法讀取簽章檔案 %1：%2</translation>
    </message>
    <message>
        <source>morvane-flash: %1. %2 A list signed now would be dated wrong. Nothing was written.</source>
        <translation>morvane-flash：%1。%2 現在簽署的列表日期會出錯。未寫入任何內容。</translation>
    </message>
    <message>
        <source>not compared with the list published at %1: %2</source>
        <translation>未與 %1 處已發布的列表比較：%2</translation>
    </message>
    <message>
        <source>the signature it replaces, %1</source>
        <translation>它所取代的簽章 %1</translation>
    </message>
    <message>
        <source>the list published at %1</source>
        <translation>%1 處已發布的列表</translation>
    </message>
    <message>
        <source>morvane-flash: cannot use the secret key file %1: %2</source>
        <translation>morvane-flash：無法使用私密金鑰檔案 %1：%2</translation>
    </message>
    <message>
        <source>morvane-flash: the secret key %1 is protected by a password, and standard input is no terminal to type it on: run sign on a terminal, or sign with a key made by minisign -G -W.</source>
        <translation>morvane-flash：私密金鑰 %1 受密碼保護，而標準輸入不是終端機，無法輸入密碼：請在終端機中執行 sign，或使用 minisign -G -W 產生的金鑰簽署。</translation>
    </message>
    <message>
        <source>morvane-flash: a key sealed with a password does not give its public key: name it with --public-key.</source>
        <translation>morvane-flash：受密碼保護的金鑰無法提供其公開金鑰：請用 --public-key 指定。</translation>
    </message>
    <message>
        <source>Nothing was signed or written.</source>
        <translation>未簽署，也未寫入任何內容。</translation>
    </message>
    <message>
        <source>the updater would refuse it: %1</source>
        <translation>更新程式會拒絕它：%1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未寫入任何內容。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2 Nothing was changed.</source>
        <translation>無法寫入 %1：%2 未做任何變更。</translation>
    </message>
    <message>
        <source>Cannot write %1.minisig: %2 %3</source>
        <translation>無法寫入 %1.minisig：%2 %3</translation>
    </message>
    <message>
        <source>The list is as it was.</source>
        <translation>列表維持原狀。</translation>
    </message>
    <message>
        <source>The list was written but its signature not: sign it again.</source>
        <translation>列表已寫入，但其簽章沒有寫入：請重新簽署。</translation>
    </message>
    <message>
        <source>this build trusts key %1, not key %2 that signed the list: units of this build will refuse it, and only a release that trusts key %2 takes it</source>
        <translation>此版本信任金鑰 %1，而不是簽署該列表的金鑰 %2：此版本的裝置會拒絕它，只有信任金鑰 %2 的版本才會接受它</translation>
    </message>
    <message>
        <source> or </source>
        <comment>between key ids</comment>
        <translation> 或 </translation>
    </message>
    <message>
        <source>signed with key %1, judged by key %2</source>
        <translation>以金鑰 %1 簽署，以金鑰 %2 驗證</translation>
    </message>
</context>
<context>
    <name>MinisignRunner</name>
    <message>
        <source>Stopped: minisign was ended; nothing was signed.</source>
        <translation>已停止：minisign 已被終止；未簽署任何內容。</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>結束狀態 %1</translation>
    </message>
    <message>
        <source>it ran past its deadline of %1 s and was ended</source>
        <translation>超過了 %1 秒的時限，已被終止</translation>
    </message>
    <message>
        <source>morvane-flash: minisign failed (%1); nothing was written.</source>
        <translation>morvane-flash：minisign 失敗（%1）；未寫入任何內容。</translation>
    </message>
    <message>
        <source>morvane-flash: minisign failed (%1): %2; nothing was written.</source>
        <translation>morvane-flash：minisign 失敗（%1）：%2；未寫入任何內容。</translation>
    </message>
    <message>
        <source>morvane-flash: minisign is not installed, or not on PATH (apt install minisign); nothing was written.</source>
        <translation>morvane-flash：minisign 未安裝，或不在 PATH 中（apt install minisign）；未寫入任何內容。</translation>
    </message>
    <message>
        <source>morvane-flash: cannot prepare the list for minisign: %1</source>
        <translation>morvane-flash：無法為 minisign 準備列表：%1</translation>
    </message>
    <message>
        <source>morvane-flash: minisign wrote no readable signature: %1; nothing was written.</source>
        <translation>morvane-flash：minisign 沒有寫出可讀取的簽章：%1；未寫入任何內容。</translation>
    </message>
</context>
<context>
    <name>PublicKeyChoice</name>
    <message>
        <source>morvane-flash: the public key is unusable. %1</source>
        <translation>morvane-flash：公開金鑰無法使用。%1</translation>
    </message>
    <message>
        <source>morvane-flash: cannot read the public key file %1: %2</source>
        <translation>morvane-flash：無法讀取公開金鑰檔案 %1：%2</translation>
    </message>
</context>
</TS>
