<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BundleCommand</name>
    <message>
        <source>Bundled %1 %2.</source>
        <translation>已将 %1 %2 放入离线包。</translation>
    </message>
    <message>
        <source>The bundle in %1 is not complete; it is not read until bundle create finishes.</source>
        <translation>%1 中的离线包不完整；在 bundle create 完成之前不会读取它。</translation>
    </message>
    <message numerus="yes">
        <source>The bundle in %1 holds %n version(s) of %2.</source>
        <translation>
            <numerusform>%1 中的离线包包含 %2 的 %n 个版本。</numerusform>
        </translation>
    </message>
    <message>
        <source>bundle takes create DIR [MODEL [VERSION]]...</source>
        <translation>bundle 的用法为 create DIR [MODEL [VERSION]]...</translation>
    </message>
    <message>
        <source>keeps the signed list and the chosen versions&apos;
images and notes in DIR, for --bundle DIR
without a network (every version by default)</source>
        <translation>把已签名的列表及所选版本的固件映像和说明
保存到 DIR，供无网络时用 --bundle DIR 读取
（默认包含所有版本）</translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <source>attached devices with the catalogue&apos;s ids (or these);
with --watch, their arrivals and departures</source>
        <translation>带有固件列表中（或指定的）ID 的已连接设备；
使用 --watch 时，报告设备的接入与移除</translation>
    </message>
</context>
<context>
    <name>DoctorCommand</name>
    <message>
        <source>--root needs a folder.</source>
        <translation>--root 需要一个文件夹。</translation>
    </message>
    <message>
        <source>doctor: reads the udev rules under this folder instead of /, for tests.</source>
        <translation>doctor：从此文件夹而非 / 下读取 udev 规则，供测试使用。</translation>
    </message>
    <message>
        <source>checks what updating needs here: the udev rule,
device access, the catalogue, the clock, proxies
and the data folder</source>
        <translation>检查本机更新所需的条件：udev 规则、
设备访问、固件列表、时钟、代理
以及数据文件夹</translation>
    </message>
</context>
<context>
    <name>FlashCommand</name>
    <message>
        <source>To give up after %1 seconds of waiting, write --wait=%1: the seconds are joined by &quot;=&quot;.</source>
        <translation>如要在等待 %1 秒后放弃，请写 --wait=%1：秒数用“=”连接。</translation>
    </message>
    <message>
        <source>morvane-flash: cannot open the log: %1</source>
        <translation>morvane-flash：无法打开日志：%1</translation>
    </message>
    <message>
        <source>--file needs the name of an image file.</source>
        <translation>--file 需要一个固件映像文件名。</translation>
    </message>
    <message>
        <source>--sha256 takes 64 hexadecimal digits.</source>
        <translation>--sha256 需要 64 位十六进制数字。</translation>
    </message>
    <message>
        <source>--wait=SECONDS takes a number of seconds above 0.</source>
        <translation>--wait=SECONDS 需要大于 0 的秒数。</translation>
    </message>
    <message>
        <source>--settle takes a number of seconds, 0 or more.</source>
        <translation>--settle 需要秒数，0 或以上。</translation>
    </message>
    <message>
        <source>--drain-timeout takes a number of seconds, 0 or more.</source>
        <translation>--drain-timeout 需要秒数，0 或以上。</translation>
    </message>
    <message>
        <source>--log needs the name of a file.</source>
        <translation>--log 需要一个文件名。</translation>
    </message>
    <message>
        <source>--metrics needs a file name ending in .prom, as node_exporter reads them.</source>
        <translation>--metrics 需要以 .prom 结尾的文件名，node_exporter 只读取这类文件。</translation>
    </message>
    <message>
        <source>flash --file needs --vid and --pid, and they are used only with --file.</source>
        <translation>flash --file 需要 --vid 和 --pid，而这两者只与 --file 一起使用。</translation>
    </message>
    <message>
        <source>flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.</source>
        <translation>flash 需要 MODEL [VERSION] 或 --file IMAGE --vid V --pid P 二者之一。</translation>
    </message>
    <message>
        <source>--sha256 is used only with flash --file.</source>
        <translation>--sha256 只与 flash --file 一起使用。</translation>
    </message>
    <message>
        <source>flash --watch flashes every matching device as it arrives; it takes no --serial, --path, --wait or --all-devices.</source>
        <translation>flash --watch 会在每台匹配的设备接入时刷写它；不接受 --serial、--path、--wait 或 --all-devices。</translation>
    </message>
    <message>
        <source>--settle is used only with flash --watch.</source>
        <translation>--settle 只与 flash --watch 一起使用。</translation>
    </message>
    <message>
        <source>--drain-timeout is used only with flash --watch.</source>
        <translation>--drain-timeout 只与 flash --watch 一起使用。</translation>
    </message>
    <message>
        <source>flash: the model&apos;s name is empty (is MODEL set in the station&apos;s settings?).</source>
        <translation>flash：型号名称为空（工位设置中是否设置了 MODEL？）。</translation>
    </message>
    <message>
        <source>--journal and --metrics are used only with flash --watch.</source>
        <translation>--journal 和 --metrics 只与 flash --watch 一起使用。</translation>
    </message>
    <message>
        <source>--journal: %1</source>
        <translation>--journal：%1</translation>
    </message>
    <message>
        <source>flash: adds KEY=VALUE (an operator, a lot) to every log line, journal entry and metric; repeatable.</source>
        <translation>flash：在每行日志、每条 journal 条目和每项指标中加入 KEY=VALUE（如操作员、批次）；可重复。</translation>
    </message>
    <message>
        <source>Flashes this image file instead of a download.</source>
        <translation>刷写此固件映像文件，而不是下载的映像。</translation>
    </message>
    <message>
        <source>flash --file: the image&apos;s SHA-256, 64 hexadecimal digits; a file that does not match is not flashed. A build with a catalogue key needs it.</source>
        <translation>flash --file：映像的 SHA-256，64 位十六进制数字；不匹配的文件不会被刷写。带固件列表密钥的构建必须提供它。</translation>
    </message>
    <message>
        <source>Flashes every attached device with the ids, each on its own thread.</source>
        <translation>刷写所有带这些 ID 的已连接设备，每台设备使用各自的线程。</translation>
    </message>
    <message>
        <source>Flashes even on a battery below 10% (by default refused).</source>
        <translation>即使电池电量低于 10% 也刷写（默认拒绝）。</translation>
    </message>
    <message>
        <source>Prints only the outcome.</source>
        <translation>只输出结果。</translation>
    </message>
    <message>
        <source>flash: only the device with this serial number.</source>
        <translation>flash：仅限序列号为此值的设备。</translation>
    </message>
    <message>
        <source>flash: only the device at this path.</source>
        <translation>flash：仅限位于此路径的设备。</translation>
    </message>
    <message>
        <source>flash: waits for a matching device, downloading meanwhile; --wait=SECONDS gives up after that long.</source>
        <translation>flash：等待匹配的设备接入，同时进行下载；--wait=SECONDS 在等待这么久后放弃。</translation>
    </message>
    <message>
        <source>flash: appends a JSON line for every device attempted to this file.</source>
        <translation>flash：每尝试刷写一台设备，就向此文件追加一行 JSON。</translation>
    </message>
    <message>
        <source>flash --watch: seconds a flashed device has to come back, by its serial number or port, to be known again (default 5).</source>
        <translation>flash --watch：刷写后的设备在多少秒内按序列号或端口重新出现，仍被认作同一台设备（默认 5）。</translation>
    </message>
    <message>
        <source>flash: names this bench in every log line, journal entry and metric.</source>
        <translation>flash：在每行日志、每条 journal 条目和每项指标中写明此工位的名称。</translation>
    </message>
    <message>
        <source>flash --watch: sends each unit&apos;s record to the systemd journal.</source>
        <translation>flash --watch：把每台设备的记录发送到 systemd journal。</translation>
    </message>
    <message>
        <source>flash --watch: keeps this node_exporter textfile (*.prom) of the units&apos; counts.</source>
        <translation>flash --watch：在此 node_exporter 文本文件（*.prom）中维护设备计数。</translation>
    </message>
    <message>
        <source>flash --watch: how long the first stop signal lets the units in transfer finish (default: until they have).</source>
        <translation>flash --watch：收到第一个停止信号后，留给传输中的设备完成传输的时间（默认：直到完成）。</translation>
    </message>
    <message>
        <source>downloads a version (the first listed by default)
and flashes it</source>
        <translation>下载一个版本（默认为列出的第一个）
并刷写它</translation>
    </message>
    <message>
        <source>flashes an image file, checked against its digest</source>
        <translation>刷写一个固件映像文件，先按其摘要校验</translation>
    </message>
    <message>
        <source>flashes each matching device as it is plugged in,
until stopped</source>
        <translation>在每台匹配的设备接入时刷写它，
直到被停止</translation>
    </message>
</context>
<context>
    <name>LintCommand</name>
    <message>
        <source>not compared with the list published at %1: %2</source>
        <translation>未与发布在 %1 的列表比较：%2</translation>
    </message>
    <message>
        <source>no key is in use, so the signature was not checked: name one with --public-key</source>
        <translation>未使用任何密钥，因此没有检查签名：请用 --public-key 指定一个</translation>
    </message>
    <message>
        <source>the images and notes were not fetched, so their addresses and digests were not checked: add --fetch</source>
        <translation>没有获取固件映像和说明，因此没有检查它们的地址和摘要：请加上 --fetch</translation>
    </message>
    <message>
        <source>lint --bundle checks the bundle&apos;s list and takes no FILE|URL.</source>
        <translation>lint --bundle 检查离线包自带的列表，不接受 FILE|URL。</translation>
    </message>
    <message>
        <source>lint takes FILE|URL, or --bundle DIR.</source>
        <translation>lint 需要 FILE|URL 或 --bundle DIR。</translation>
    </message>
    <message>
        <source>lint: also downloads every notes text and image and checks them.</source>
        <translation>lint：还会下载每份说明文本和固件映像并检查它们。</translation>
    </message>
    <message>
        <source>checks a list file for its publisher;
with --bundle, the bundle&apos;s own</source>
        <translation>为发布者检查列表文件；
使用 --bundle 时，检查离线包自带的列表</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>the models and their versions, in catalogue order</source>
        <translation>各型号及其版本，按固件列表中的顺序</translation>
    </message>
    <message>
        <source>(not in the bundle)</source>
        <translation>（不在离线包中）</translation>
    </message>
</context>
<context>
    <name>NotesCommand</name>
    <message>
        <source>the release notes of a version</source>
        <translation>某个版本的固件说明</translation>
    </message>
    <message>
        <source>The bundle %1 lacks the release notes of %2 %3 (not in the bundle). Make the bundle again with this version where the catalogue can be reached.</source>
        <translation>离线包 %1 缺少 %2 %3 的固件说明（不在离线包中）。请在能访问固件列表的地方重新制作包含此版本的离线包。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
</context>
<context>
    <name>RecordCommand</name>
    <message>
        <source>key %1 (kept by an earlier version, for every catalogue without a record of its own)</source>
        <translation>密钥 %1（由较早版本保存，适用于每个没有自己记录的固件列表）</translation>
    </message>
    <message>
        <source>%1 (its address was not kept)</source>
        <translation>%1（未保存其地址）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: signed %2, taken %3</source>
        <translation>%1：签名于 %2，取得于 %3</translation>
    </message>
    <message>
        <source>%1: signed %2</source>
        <translation>%1：签名于 %2</translation>
    </message>
    <message>
        <source>%1: signed %2, taken %3 with key %4</source>
        <translation>%1：签名于 %2，取得于 %3，使用密钥 %4</translation>
    </message>
    <message>
        <source>%1: signed %2 with key %3</source>
        <translation>%1：签名于 %2，使用密钥 %3</translation>
    </message>
    <message>
        <source>No catalogue signing time is recorded in %1: the next list of each catalogue is trusted as on first use.</source>
        <translation>%1 中没有记录任何固件列表签名时间：每个固件列表的下一份列表都将按首次使用予以信任。</translation>
    </message>
    <message>
        <source>The newest catalogue signing times taken, kept in %1; a list signed before one of them is refused:</source>
        <translation>已取得的最新固件列表签名时间，保存在 %1；签名早于其中任一时间的列表将被拒绝：</translation>
    </message>
    <message>
        <source>Forget %1? The next list from %2 is then trusted as on first use, whatever its date. [y/N]</source>
        <translation>要忘记%1吗？之后来自 %2 的下一份列表无论日期如何，都将按首次使用予以信任。[y/N]</translation>
    </message>
    <message>
        <source>No signing time is recorded for %1: nothing to forget.</source>
        <translation>没有为 %1 记录签名时间：没有可忘记的内容。</translation>
    </message>
    <message>
        <source>morvane-flash: record --forget asks before it forgets, and standard input is no terminal: add --yes.</source>
        <translation>morvane-flash：record --forget 在忘记前会先询问，而标准输入不是终端：请加上 --yes。</translation>
    </message>
    <message>
        <source>the list signed %1, the newest taken from %2</source>
        <translation>签名于 %1 的列表（从 %2 取得的最新一份）</translation>
    </message>
    <message>
        <source>the unreadable record of %1</source>
        <translation>%1 的无法读取的记录</translation>
    </message>
    <message>
        <source>Nothing was forgotten.</source>
        <translation>没有忘记任何内容。</translation>
    </message>
    <message>
        <source>morvane-flash: the record of %1 could not be forgotten: %2</source>
        <translation>morvane-flash：无法忘记 %1 的记录：%2</translation>
    </message>
    <message>
        <source>Forgot %1 (removed %2): the next list from it is trusted as on first use.</source>
        <translation>已忘记 %1（已删除 %2）：来自它的下一份列表将按首次使用予以信任。</translation>
    </message>
    <message>
        <source>record --json shows the records; it takes no --forget.</source>
        <translation>record --json 显示记录；它不接受 --forget。</translation>
    </message>
    <message>
        <source>--yes is used only with record --forget.</source>
        <translation>--yes 只与 record --forget 一起使用。</translation>
    </message>
    <message>
        <source>record: removes the catalogue&apos;s record of signing times (the build&apos;s, or --catalogue&apos;s): its next list is trusted as on first use.</source>
        <translation>record：删除固件列表（本构建的，或 --catalogue 指定的）的签名时间记录：其下一份列表将按首次使用予以信任。</translation>
    </message>
    <message>
        <source>record --forget: forgets without asking.</source>
        <translation>record --forget：不询问，直接忘记。</translation>
    </message>
    <message>
        <source>the newest signing time taken per catalogue,
when and with which key</source>
        <translation>每个固件列表已取得的最新签名时间，
以及取得时间和所用密钥</translation>
    </message>
    <message>
        <source>forgets the catalogue&apos;s record: its next
list is trusted as on first use</source>
        <translation>忘记该固件列表的记录：其下一份
列表将按首次使用予以信任</translation>
    </message>
</context>
<context>
    <name>SharedOptions</name>
    <message>
        <source>Prints JSON.</source>
        <translation>输出 JSON。</translation>
    </message>
    <message>
        <source>USB vendor id, hexadecimal.</source>
        <translation>USB 厂商 ID，十六进制。</translation>
    </message>
    <message>
        <source>USB product id, hexadecimal.</source>
        <translation>USB 产品 ID，十六进制。</translation>
    </message>
    <message>
        <source>devices: tells arrivals and departures until stopped. flash: flashes every matching device as it is plugged in, until stopped.</source>
        <translation>devices：报告设备的接入与移除，直到被停止。flash：在每台匹配的设备接入时刷写它，直到被停止。</translation>
    </message>
    <message>
        <source>flash, devices: only devices at a USB port this shell-style pattern matches, such as 1-1.*; repeatable.</source>
        <translation>flash、devices：仅限 USB 端口与此 shell 风格模式匹配的设备，例如 1-1.*；可重复。</translation>
    </message>
    <message>
        <source>lint, sign: checks the list&apos;s signature with this minisign public key.</source>
        <translation>lint、sign：用此 minisign 公钥检查列表的签名。</translation>
    </message>
    <message>
        <source>--vid and --pid go together.</source>
        <translation>--vid 和 --pid 必须同时使用。</translation>
    </message>
    <message>
        <source>--vid and --pid take 1 to 4 hexadecimal digits.</source>
        <translation>--vid 和 --pid 需要 1 到 4 位十六进制数字。</translation>
    </message>
    <message>
        <source>--port takes a pattern over the USB port path, such as 1-1.*.</source>
        <translation>--port 需要一个匹配 USB 端口路径的模式，例如 1-1.*。</translation>
    </message>
</context>
<context>
    <name>SignCommand</name>
    <message>
        <source>Nothing was signed or written.</source>
        <translation>没有签名，也没有写入任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n digest(s) filled in</source>
        <translation>
            <numerusform>填入了 %n 个摘要</numerusform>
        </translation>
    </message>
    <message>
        <source>Signed %1: %2, %3; %4.minisig is dated %5 and expires %6; %7.</source>
        <translation>已签名 %1：%2，%3；%4.minisig 的日期为 %5，于 %6 过期；%7。</translation>
    </message>
    <message>
        <source>Next: upload the list, its signature and the files it names, then check what was uploaded: morvane-flash lint URL --fetch</source>
        <translation>下一步：上传列表、其签名以及列表中指明的文件，然后检查上传的内容：morvane-flash lint URL --fetch</translation>
    </message>
    <message>
        <source>Cannot read the list file %1: %2</source>
        <translation>无法读取列表文件 %1：%2</translation>
    </message>
    <message>
        <source>nothing was signed</source>
        <translation>没有签名任何内容</translation>
    </message>
    <message>
        <source>--root names the folder that mirrors the server; %1 is no folder.</source>
        <translation>--root 指明与服务器内容对应的镜像文件夹；%1 不是文件夹。</translation>
    </message>
    <message>
        <source>--expires takes a whole number of days from 1 to %1.</source>
        <translation>--expires 需要 1 到 %1 之间的整数天数。</translation>
    </message>
    <message>
        <source>sign needs --secret-key KEY, the minisign secret key file.</source>
        <translation>sign 需要 --secret-key KEY，即 minisign 私钥文件。</translation>
    </message>
    <message>
        <source>sign: signs with this minisign secret key file.</source>
        <translation>sign：用此 minisign 私钥文件签名。</translation>
    </message>
    <message>
        <source>sign: the folder that mirrors the server, where an address&apos;s path is looked for (default: the parent of the list&apos;s folder).</source>
        <translation>sign：与服务器内容对应的镜像文件夹，在其中查找地址的路径（默认：列表所在文件夹的上级文件夹）。</translation>
    </message>
    <message>
        <source>sign: days until the signed list expires (default %1).</source>
        <translation>sign：签名后的列表在多少天后过期（默认 %1）。</translation>
    </message>
    <message>
        <source>fills in a list&apos;s digests, signs it with
minisign, after the list it replaces and the one
published; writes nothing the updater refuses</source>
        <translation>填入列表的摘要，并在对照被替换的列表和
已发布的列表后用 minisign 签名；
不写出任何会被更新程序拒绝的内容</translation>
    </message>
</context>
</TS>
