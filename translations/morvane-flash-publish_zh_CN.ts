<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CatalogueLint</name>
    <message>
        <source>looks like a heading; the updater takes it as a record</source>
        <translation>看起来像标题行；更新程序会把它当作一条记录</translation>
    </message>
    <message>
        <source>the same record as line %1</source>
        <translation>与第 %1 行的记录相同</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s); a record needs at least %1, separated by &quot;;&quot;</source>
        <translation>
            <numerusform>%n 个字段；一条记录至少需要 %1 个，以“;”分隔</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 为空</translation>
    </message>
    <message>
        <source>%1 is not a valid URL: %2</source>
        <translation>%1 不是有效的 URL：%2</translation>
    </message>
    <message>
        <source>%1 is empty: the window would offer it without a name</source>
        <translation>%1 为空：窗口会在没有名称的情况下提供它</translation>
    </message>
    <message>
        <source>%1 holds U+%2, which a terminal acts on: remove it</source>
        <translation>%1 含有 U+%2，终端会对它作出反应：请删除</translation>
    </message>
    <message>
        <source>%1 holds U+%2, which reorders the text shown around it: remove it</source>
        <translation>%1 含有 U+%2，它会打乱周围文字的显示顺序：请删除</translation>
    </message>
    <message>
        <source>%1 must begin with &quot;sha256:&quot; in lower case; the updater ignores it as written</source>
        <translation>%1 必须以小写的“sha256:”开头；按现在的写法，更新程序会忽略它</translation>
    </message>
    <message>
        <source>model &quot;%1&quot; differs from &quot;%2&quot; (line %3) only in letter case or invisible characters; they are two models</source>
        <translation>型号“%1”与“%2”（第 %3 行）仅在大小写或不可见字符上不同；它们是两个型号</translation>
    </message>
    <message>
        <source>the file begins with a byte-order mark; save it as UTF-8 without one</source>
        <translation>文件以字节顺序标记（BOM）开头；请保存为不带 BOM 的 UTF-8</translation>
    </message>
    <message>
        <source>byte 0x%1 at byte offset %2 is not UTF-8; the updater refuses the whole list</source>
        <translation>字节偏移 %2 处的字节 0x%1 不是 UTF-8；更新程序会拒绝整个列表</translation>
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
        <translation>第 %1 个字段的内容“%2”不是摘要；请清空它，由 sign 来填写</translation>
    </message>
    <message>
        <source>the image %1 is empty: the updater refuses it</source>
        <translation>固件映像 %1 为空：更新程序会拒绝它</translation>
    </message>
    <message>
        <source>the image %1 does not match the digest given (%2): the updater refuses it. %3</source>
        <translation>固件映像 %1 与给出的摘要不符（%2）：更新程序会拒绝它。%3</translation>
    </message>
    <message>
        <source>at %1</source>
        <comment>where the mirror would hold a file</comment>
        <translation>在 %1</translation>
    </message>
    <message>
        <source>beside the list as %1</source>
        <translation>在列表旁名为 %1</translation>
    </message>
    <message>
        <source> (%1 beside the list is not taken: other addresses of the list have that name)</source>
        <translation>（未采用列表旁的 %1：列表中的其他地址也使用这个名称）</translation>
    </message>
    <message>
        <source>found here</source>
        <comment>the file is not found here</comment>
        <translation>在本地</translation>
    </message>
    <message>
        <source> nor </source>
        <comment>between the places looked at</comment>
        <translation>，也不</translation>
    </message>
    <message>
        <source>%1 is a link, or is reached through one; sign follows no links, so nothing outside %2 is read in its place</source>
        <translation>%1 是链接，或需经由链接才能到达；sign 不跟随任何链接，因此不会读取 %2 以外的任何内容来代替它</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 has %2 hard links: it can be changed through another name; its digest is of the file as it is now</source>
        <translation>%1 有 %2 个硬链接：可能通过其他名称被修改；其摘要按文件当前的内容计算</translation>
    </message>
    <message>
        <source>the release notes %1 is not %2, nor can it be fetched: %3</source>
        <translation>固件说明 %1 不%2，也无法获取：%3</translation>
    </message>
    <message>
        <source>the image %1 is not %2, nor can it be fetched: %3</source>
        <translation>固件映像 %1 不%2，也无法获取：%3</translation>
    </message>
    <message>
        <source>the release notes %1 is not %2, and fetching it failed: %3</source>
        <translation>固件说明 %1 不%2，而且获取失败：%3</translation>
    </message>
    <message>
        <source>the image %1 is not %2, and fetching it failed: %3</source>
        <translation>固件映像 %1 不%2，而且获取失败：%3</translation>
    </message>
    <message>
        <source>the release notes %1</source>
        <translation>固件说明 %1</translation>
    </message>
</context>
<context>
    <name>LintFetching</name>
    <message>
        <source>notes %1</source>
        <translation>说明 %1</translation>
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
        <translation>%1：已获取</translation>
    </message>
    <message>
        <source>%1, not shown: %2</source>
        <translation>%1，不会显示：%2</translation>
    </message>
    <message>
        <source>%1, decodes in no supported character set: the window shows %2</source>
        <translation>%1，无法以任何支持的字符集解码：窗口显示“%2”</translation>
    </message>
    <message>
        <source>%1, empty: the window shows %2</source>
        <translation>%1，内容为空：窗口显示“%2”</translation>
    </message>
    <message>
        <source>%1, decodes as %2</source>
        <translation>%1，解码为 %2</translation>
    </message>
    <message>
        <source>%1, empty: the updater refuses it</source>
        <translation>%1，内容为空：更新程序会拒绝它</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <translation>
            <numerusform>%1，%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, does not match its digest (%2): the updater refuses it. %3</source>
        <translation>%1，与其摘要不符（%2）：更新程序会拒绝它。%3</translation>
    </message>
    <message>
        <source>%1, digest matches</source>
        <translation>%1，摘要相符</translation>
    </message>
    <message>
        <source>the list was signed %1, before the list published at %2 (signed %3): every unit that took that one refuses it. Sign it again on a machine whose clock is right.</source>
        <translation>该列表的签名时间为 %1，早于 %2 处已发布的列表（签名于 %3）：所有接受过那份列表的设备都会拒绝它。请在时钟准确的计算机上重新签名。</translation>
    </message>
    <message>
        <source>the list was signed %1, before the newest list this computer took from %2 (signed %3): this computer refuses it, as every unit that took that list does. </source>
        <translation>该列表的签名时间为 %1，早于本机从 %2 接受过的最新列表（签名于 %3）：本机会拒绝它，所有接受过那份列表的设备也都会拒绝。</translation>
    </message>
    <message>
        <source>the list was signed %1, ahead of this computer&apos;s clock (%2): units that take it refuse every later list until %1. Sign it again on a machine whose clock is right.</source>
        <translation>该列表的签名时间为 %1，晚于本机时钟（%2）：接受它的设备在 %1 之前会拒绝之后的每一份列表。请在时钟准确的计算机上重新签名。</translation>
    </message>
    <message>
        <source>the notes</source>
        <translation>说明</translation>
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
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LintSource</name>
    <message>
        <source>Cannot read the list file %1: %2</source>
        <translation>无法读取列表文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the signature file %1: %2</source>
        <translation>无法读取签名文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>ListSigning</name>
    <message>
        <source>morvane-flash: sign would date the list %1, not after %2 (signed %3): every unit that took that list would refuse this one. If this machine&apos;s clock is behind, set it right (timedatectl set-ntp true) and sign again; if %2 was signed with a fast clock, sign once its date has passed. Nothing was written.</source>
        <translation>morvane-flash：sign 会把列表的签名时间记为 %1，并不晚于%2（签名于 %3）：所有接受过那份列表的设备都会拒绝这一份。如果本机时钟慢了，请校准（timedatectl set-ntp true）后重新签名；如果%2是用快时钟签名的，请等到其日期过后再签名。未写入任何内容。</translation>
    </message>
    <message>
        <source>Cannot read the signature file %1: %2</source>
        <translation>无法读取签名文件 %1：%2</translation>
    </message>
    <message>
        <source>morvane-flash: %1. %2 A list signed now would be dated wrong. Nothing was written.</source>
        <translation>morvane-flash：%1。%2 现在签名的列表日期会出错。未写入任何内容。</translation>
    </message>
    <message>
        <source>not compared with the list published at %1: %2</source>
        <translation>未与 %1 处已发布的列表比较：%2</translation>
    </message>
    <message>
        <source>the signature it replaces, %1</source>
        <translation>它所替换的签名 %1</translation>
    </message>
    <message>
        <source>the list published at %1</source>
        <translation>%1 处已发布的列表</translation>
    </message>
    <message>
        <source>morvane-flash: cannot use the secret key file %1: %2</source>
        <translation>morvane-flash：无法使用私钥文件 %1：%2</translation>
    </message>
    <message>
        <source>morvane-flash: the secret key %1 is protected by a password, and standard input is no terminal to type it on: run sign on a terminal, or sign with a key made by minisign -G -W.</source>
        <translation>morvane-flash：私钥 %1 受密码保护，而标准输入不是终端，无法输入密码：请在终端中运行 sign，或使用 minisign -G -W 生成的密钥签名。</translation>
    </message>
    <message>
        <source>morvane-flash: a key sealed with a password does not give its public key: name it with --public-key.</source>
        <translation>morvane-flash：受密码保护的密钥无法提供其公钥：请用 --public-key 指定。</translation>
    </message>
    <message>
        <source>Nothing was signed or written.</source>
        <translation>未签名，也未写入任何内容。</translation>
    </message>
    <message>
        <source>the updater would refuse it: %1</source>
        <translation>更新程序会拒绝它：%1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2 Nothing was changed.</source>
        <translation>无法写入 %1：%2 未做任何更改。</translation>
    </message>
    <message>
        <source>Cannot write %1.minisig: %2 %3</source>
        <translation>无法写入 %1.minisig：%2 %3</translation>
    </message>
    <message>
        <source>The list is as it was.</source>
        <translation>列表保持原样。</translation>
    </message>
    <message>
        <source>The list was written but its signature not: sign it again.</source>
        <translation>列表已写入，但其签名没有写入：请重新签名。</translation>
    </message>
    <message>
        <source>this build trusts key %1, not key %2 that signed the list: units of this build will refuse it, and only a release that trusts key %2 takes it</source>
        <translation>此版本信任密钥 %1，而不是签署该列表的密钥 %2：此版本的设备会拒绝它，只有信任密钥 %2 的版本才会接受它</translation>
    </message>
    <message>
        <source> or </source>
        <comment>between key ids</comment>
        <translation> 或 </translation>
    </message>
    <message>
        <source>signed with key %1, judged by key %2</source>
        <translation>以密钥 %1 签名，以密钥 %2 验证</translation>
    </message>
</context>
<context>
    <name>MinisignRunner</name>
    <message>
        <source>Stopped: minisign was ended; nothing was signed.</source>
        <translation>已停止：minisign 已被终止；未签名任何内容。</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>退出状态 %1</translation>
    </message>
    <message>
        <source>it ran past its deadline of %1 s and was ended</source>
        <translation>超过了 %1 秒的时限，已被终止</translation>
    </message>
    <message>
        <source>morvane-flash: minisign failed (%1); nothing was written.</source>
        <translation>morvane-flash：minisign 失败（%1）；未写入任何内容。</translation>
    </message>
    <message>
        <source>morvane-flash: minisign failed (%1): %2; nothing was written.</source>
        <translation>morvane-flash：minisign 失败（%1）：%2；未写入任何内容。</translation>
    </message>
    <message>
        <source>morvane-flash: minisign is not installed, or not on PATH (apt install minisign); nothing was written.</source>
        <translation>morvane-flash：minisign 未安装，或不在 PATH 中（apt install minisign）；未写入任何内容。</translation>
    </message>
    <message>
        <source>morvane-flash: cannot prepare the list for minisign: %1</source>
        <translation>morvane-flash：无法为 minisign 准备列表：%1</translation>
    </message>
    <message>
        <source>morvane-flash: minisign wrote no readable signature: %1; nothing was written.</source>
        <translation>morvane-flash：minisign 没有写出可读取的签名：%1；未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>PublicKeyChoice</name>
    <message>
        <source>morvane-flash: the public key is unusable. %1</source>
        <translation>morvane-flash：公钥无法使用。%1</translation>
    </message>
    <message>
        <source>morvane-flash: cannot read the public key file %1: %2</source>
        <translation>morvane-flash：无法读取公钥文件 %1：%2</translation>
    </message>
</context>
</TS>
