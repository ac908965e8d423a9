<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DoctorChecks</name>
    <message>
        <source>Make catalogue-reachable pass first.</source>
        <translation>请先让 catalogue-reachable 检查通过。</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <translation>未检查：%1</translation>
    </message>
    <message>
        <source>%1 (to be made in %2)</source>
        <translation>%1（将在 %2 中创建）</translation>
    </message>
    <message>
        <source>%1: %2 is not a folder</source>
        <translation>%1：%2 不是文件夹</translation>
    </message>
    <message>
        <source>Move %1 out of the way.</source>
        <translation>请将 %1 移到别处。</translation>
    </message>
    <message>
        <source>%1 is not writable by this user</source>
        <translation>当前用户无法写入 %1</translation>
    </message>
    <message>
        <source>Give this user write access to %1.</source>
        <translation>请授予当前用户对 %1 的写入权限。</translation>
    </message>
    <message>
        <source>%1 has %2 free, less than the largest image (%3)</source>
        <translation>%1 的可用空间为 %2，小于最大的固件映像（%3）</translation>
    </message>
    <message>
        <source>Free some room on that file system.</source>
        <translation>请在该文件系统上腾出一些空间。</translation>
    </message>
    <message>
        <source>%1 is writable, with room for the largest image (%2)</source>
        <translation>%1 可写入，空间足以容纳最大的固件映像（%2）</translation>
    </message>
    <message>
        <source>%1 serial %2</source>
        <translation>%1 序列号 %2</translation>
    </message>
    <message>
        <source>its node is not looked at on this system</source>
        <translation>此系统上不检查其设备节点</translation>
    </message>
    <message>
        <source>node owner %1, group %2, mode %3, %4</source>
        <translation>设备节点所有者 %1，组 %2，权限模式 %3，%4</translation>
    </message>
    <message>
        <source>no ACL entries</source>
        <translation>无 ACL 条目</translation>
    </message>
    <message>
        <source>ACL %1</source>
        <translation>ACL %1</translation>
    </message>
    <message>
        <source>%1, held open by %2</source>
        <translation>%1，正被 %2 打开</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n processes could not be looked at)</source>
        <translation>
            <numerusform>%1（有 %n 个进程无法查看）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: this user may not open it (%2); %3</source>
        <translation>%1：当前用户无权打开该设备（%2）；%3</translation>
    </message>
    <message>
        <source>Make the udev-rule, udev-daemon and seat-session checks pass, then unplug the device and plug it in again.</source>
        <translation>请先让 udev-rule、udev-daemon 和 seat-session 检查通过，然后拔出设备并重新插入。</translation>
    </message>
    <message>
        <source>Unplug the device and plug it in again, then run doctor again.</source>
        <translation>请拔出设备并重新插入，然后再次运行 doctor。</translation>
    </message>
    <message>
        <source>%1: this user may open it; %2</source>
        <translation>%1：当前用户可以打开该设备；%2</translation>
    </message>
    <message>
        <source>Close %1 before flashing: two programs talking to one bootloader spoil the update.</source>
        <translation>刷写前请关闭 %1：两个程序同时与同一个引导程序通信会破坏更新。</translation>
    </message>
    <message>
        <source>%1:%2 at port %3 (%4 %5)</source>
        <translation>%1:%2，位于端口 %3（%4 %5）</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>no device with the catalogue&apos;s ids is attached; no HID device is seen at all</source>
        <translation>没有连接任何具有固件列表中 ID 的设备；完全没有发现 HID 设备</translation>
    </message>
    <message>
        <source>no device with the catalogue&apos;s ids is attached; the HID devices seen: %1</source>
        <translation>没有连接任何具有固件列表中 ID 的设备；发现的 HID 设备：%1</translation>
    </message>
    <message>
        <source>Put the device in bootloader mode, connect it with a data cable (a charge-only cable carries no data) and try another USB port or hub; a device listed with other ids is not one the catalogue names.</source>
        <translation>请让设备进入引导程序模式，用数据线连接（仅充电线不传输数据），并换一个 USB 端口或集线器试试；列出的 ID 不同的设备并不是固件列表中指定的设备。</translation>
    </message>
    <message>
        <source>the catalogue&apos;s ids are not known</source>
        <translation>固件列表中的 ID 未知</translation>
    </message>
    <message>
        <source>not known: %1</source>
        <translation>未知：%1</translation>
    </message>
    <message>
        <source>Nothing, while the devices may be opened: the rule&apos;s uaccess tag needs logind to tell the active session.</source>
        <translation>只要设备可以打开，就无需处理：规则的 uaccess 标签需要 logind 告知当前的活动会话。</translation>
    </message>
    <message>
        <source>this session has no seat (a remote login, say): the rule&apos;s uaccess tag gives access only at a seat</source>
        <translation>此会话没有席位（例如远程登录）：规则的 uaccess 标签只在席位上授予访问权限</translation>
    </message>
    <message>
        <source>Run it from the seat&apos;s desktop, or grant access by a rule with GROUP= naming a group of this user.</source>
        <translation>请在席位的桌面上运行，或用一条以 GROUP= 指定当前用户所属组的规则授予访问权限。</translation>
    </message>
    <message>
        <source>this session is not the active one on %1: the rule&apos;s uaccess tag gives access to the active one</source>
        <translation>此会话不是 %1 上的活动会话：规则的 uaccess 标签只向活动会话授予访问权限</translation>
    </message>
    <message>
        <source>Switch to this session at the seat, then plug the device in again.</source>
        <translation>请在席位上切换到此会话，然后重新插入设备。</translation>
    </message>
    <message>
        <source>this session is the active one on %1</source>
        <translation>此会话是 %1 上的活动会话</translation>
    </message>
    <message>
        <source>this system has no udev; devices are found by enumerating the bus once a second</source>
        <translation>此系统没有 udev；每秒枚举一次总线来发现设备</translation>
    </message>
    <message>
        <source>udev runs: devices are heard of as they come and go</source>
        <translation>udev 正在运行：设备插入和拔出时都会收到通知</translation>
    </message>
    <message>
        <source>no udev daemon answers (a container, say): devices are found by enumerating the bus once a second, and no rule runs when one is plugged in</source>
        <translation>没有 udev 守护进程响应（例如在容器中）：每秒枚举一次总线来发现设备，插入设备时也不会执行任何规则</translation>
    </message>
    <message>
        <source>Where devices are plugged in, start systemd-udevd (systemctl start systemd-udevd); in a container, nothing to do.</source>
        <translation>在插入设备的系统上启动 systemd-udevd（systemctl start systemd-udevd）；在容器中则无需处理。</translation>
    </message>
</context>
<context>
    <name>DoctorNetworkChecks</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>See catalogue-signature.</source>
        <translation>参见 catalogue-signature。</translation>
    </message>
    <message>
        <source>the bundle in %1 holds the list of %2, %3; nothing is asked of the network</source>
        <translation>%1 中的离线包带有 %2 的固件列表（%3）；不访问网络</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 返回了 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Check the network connection and the proxy check; if the address is wrong, give the right one with --catalogue.</source>
        <translation>请检查网络连接以及 proxy 检查的结果；如果地址有误，请用 --catalogue 指定正确的地址。</translation>
    </message>
    <message>
        <source>If this computer&apos;s clock is wrong (see the clock check), set it; otherwise the server offers a list older than one taken here, or one that has expired: tell the catalogue&apos;s publisher. If the list taken here should not have been, morvane-flash record shows it and morvane-flash record --forget removes it.</source>
        <translation>如果本机时钟有误（见 clock 检查），请校正；否则就是服务器提供的列表比本机已接受的更旧，或者已经过期：请告知固件列表的发布者。如果本机本不应接受之前那份列表，可用 morvane-flash record 查看，用 morvane-flash record --forget 删除。</translation>
    </message>
    <message>
        <source>Tell the catalogue&apos;s publisher to sign the list again.</source>
        <translation>请让固件列表的发布者重新签名该列表。</translation>
    </message>
    <message>
        <source>signed %1: not older than any list taken here, and not expired</source>
        <translation>签名于 %1：不比本机接受过的任何列表旧，且未过期</translation>
    </message>
    <message>
        <source>not older than any list taken here, and not expired</source>
        <translation>不比本机接受过的任何列表旧，且未过期</translation>
    </message>
    <message>
        <source>See the data-folder check: the record of signing times is kept there.</source>
        <translation>参见 data-folder 检查：签名时间记录保存在那里。</translation>
    </message>
    <message>
        <source>this build has no catalogue key: the list is taken without a signature</source>
        <translation>此版本没有固件列表密钥：接受列表时不验证签名</translation>
    </message>
    <message>
        <source>an unsigned list carries no dates</source>
        <translation>未签名的列表不带日期</translation>
    </message>
    <message>
        <source>This build&apos;s catalogue key is unusable: install a correct build.</source>
        <translation>此版本的固件列表密钥不可用：请安装正确的版本。</translation>
    </message>
    <message>
        <source>no key to read them with</source>
        <translation>没有可用于读取日期的密钥</translation>
    </message>
    <message>
        <source>the list did not arrive</source>
        <translation>未收到列表</translation>
    </message>
    <message>
        <source>Nothing is flashed from a list that fails this. Tell the catalogue&apos;s publisher; if this network changes what it serves (a captive portal, a proxy), try another.</source>
        <translation>未通过此项检查的列表不会用于刷写。请告知固件列表的发布者；如果当前网络会篡改其提供的内容（例如强制门户或代理），请换一个网络。</translation>
    </message>
    <message>
        <source>the signature does not hold</source>
        <translation>签名无效</translation>
    </message>
    <message>
        <source>the list gives 1 version</source>
        <translation>列表中有 1 个版本</translation>
    </message>
    <message>
        <source>the list gives %1 versions</source>
        <translation>列表中有 %1 个版本</translation>
    </message>
    <message>
        <source>Tell the catalogue&apos;s publisher: morvane-flash lint names every line the updater refuses.</source>
        <translation>请告知固件列表的发布者：morvane-flash lint 会列出更新程序拒绝的每一行。</translation>
    </message>
    <message>
        <source>the list was not taken</source>
        <translation>列表未被接受</translation>
    </message>
    <message>
        <source>Make the checks above pass first.</source>
        <translation>请先让上面的检查通过。</translation>
    </message>
    <message>
        <source>Set this computer&apos;s clock, preferably from the network (timedatectl set-ntp true).</source>
        <translation>请校正本机时钟，最好通过网络同步（timedatectl set-ntp true）。</translation>
    </message>
    <message>
        <source>not known: the catalogue was read from the bundle in %1, with no server to compare against</source>
        <translation>未知：固件列表读取自 %1 中的离线包，没有可供比对的服务器</translation>
    </message>
    <message>
        <source>not known: the catalogue&apos;s server sent no Date header</source>
        <translation>未知：固件列表的服务器没有发送 Date 头</translation>
    </message>
    <message>
        <source>not known: the server&apos;s Date header (“%1”) is not an HTTP date</source>
        <translation>未知：服务器的 Date 头（“%1”）不是 HTTP 日期</translation>
    </message>
    <message>
        <source>Make sure this computer sets its clock from the network (timedatectl status).</source>
        <translation>请确保本机通过网络校正时钟（timedatectl status）。</translation>
    </message>
    <message>
        <source>this computer&apos;s clock agrees with the server&apos;s Date header to within %1 seconds</source>
        <translation>本机时钟与服务器的 Date 头相差不超过 %1 秒</translation>
    </message>
    <message>
        <source>this computer&apos;s clock is %1 ahead of the server&apos;s (%2)</source>
        <translation>本机时钟比服务器的时间（%2）快 %1</translation>
    </message>
    <message>
        <source>this computer&apos;s clock is %1 behind the server&apos;s (%2)</source>
        <translation>本机时钟比服务器的时间（%2）慢 %1</translation>
    </message>
    <message>
        <source>%1: lists may be refused as signed in the future, or expired ones taken</source>
        <translation>%1：列表可能因签名时间在未来而被拒绝，或者已过期的列表反被接受</translation>
    </message>
    <message>
        <source>no proxy is set in the environment: the catalogue is fetched directly</source>
        <translation>环境变量中未设置代理：直接获取固件列表</translation>
    </message>
    <message>
        <source>%1 exempts the catalogue&apos;s host: it is fetched directly</source>
        <translation>%1 将固件列表的主机排除在代理之外：直接获取</translation>
    </message>
    <message>
        <source>%1 is set but empty</source>
        <translation>%1 已设置但为空</translation>
    </message>
    <message>
        <source>Unset %1, or set it to the proxy&apos;s address.</source>
        <translation>请取消设置 %1，或将其设为代理的地址。</translation>
    </message>
    <message>
        <source>%1 (“%2”) names no proxy host</source>
        <translation>%1（“%2”）没有指定代理主机</translation>
    </message>
    <message>
        <source>Set %1 to the proxy&apos;s address, such as http://proxy.example:3128, or unset it.</source>
        <translation>请将 %1 设为代理的地址，例如 http://proxy.example:3128，或取消设置。</translation>
    </message>
    <message>
        <source>%1 names %2, which does not answer: %3</source>
        <translation>%1 指定的 %2 没有响应：%3</translation>
    </message>
    <message>
        <source>Start the proxy, or correct or unset %1.</source>
        <translation>请启动代理，或者更正或取消设置 %1。</translation>
    </message>
    <message>
        <source>the catalogue is fetched through %1 (%2), which answers</source>
        <translation>通过 %1（%2）获取固件列表，该代理有响应</translation>
    </message>
    <message>
        <source>not used: everything is read from the bundle in %1</source>
        <translation>未使用：所有内容均读取自 %1 中的离线包</translation>
    </message>
</context>
<context>
    <name>DoctorSystemLinux</name>
    <message>
        <source>user %1 %2</source>
        <translation>用户 %1 %2</translation>
    </message>
    <message>
        <source>group %1 %2</source>
        <translation>组 %1 %2</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>logind did not tell the session&apos;s %1 (%2)</source>
        <translation>logind 没有告知会话的 %1 属性（%2）</translation>
    </message>
    <message>
        <source>no system bus answers</source>
        <translation>系统总线没有响应</translation>
    </message>
    <message>
        <source>logind does not tell this process&apos;s session (%1)</source>
        <translation>logind 没有告知此进程所属的会话（%1）</translation>
    </message>
    <message>
        <source>its node %1 cannot be looked at: %2</source>
        <translation>无法查看其设备节点 %1：%2</translation>
    </message>
</context>
<context>
    <name>DoctorSystemOther</name>
    <message>
        <source>this system has no logind</source>
        <translation>此系统没有 logind</translation>
    </message>
</context>
<context>
    <name>NetworkFacts</name>
    <message>
        <source>no connection within %1</source>
        <translation>%1 内未能建立连接</translation>
    </message>
</context>
<context>
    <name>PermissionFindings</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1（%2）：%3</translation>
    </message>
    <message>
        <source>fix: %1</source>
        <translation>解决方法：%1</translation>
    </message>
</context>
<context>
    <name>UdevRule</name>
    <message>
        <source>then run “%1” or plug the device in again</source>
        <translation>然后运行“%1”或重新插入设备</translation>
    </message>
    <message>
        <source>no %1 in %2</source>
        <translation>%2 中没有 %1</translation>
    </message>
    <message>
        <source>Install the package built for this catalogue, or copy its %1 into /etc/udev/rules.d; %2.</source>
        <translation>请安装为此固件列表构建的软件包，或将其中的 %1 复制到 /etc/udev/rules.d；%2。</translation>
    </message>
    <message>
        <source>%1 is installed; whether it covers the catalogue&apos;s ids is not known, since the catalogue did not come</source>
        <translation>%1 已安装；由于未收到固件列表，无法确定它是否涵盖固件列表中的 ID</translation>
    </message>
    <message>
        <source>%1 is a link to /dev/null, which masks the rule</source>
        <translation>%1 是指向 /dev/null 的链接，这会屏蔽该规则</translation>
    </message>
    <message>
        <source>Remove the link %1; %2.</source>
        <translation>请删除链接 %1；%2。</translation>
    </message>
    <message>
        <source>%1, and no rule there grants access to the catalogue&apos;s ids</source>
        <translation>%1，且那里没有任何规则为固件列表中的 ID 授予访问权限</translation>
    </message>
    <message>
        <source>%1 grants access to none of the catalogue&apos;s id pairs (%2)</source>
        <translation>%1 没有为固件列表中的任何 ID 对（%2）授予访问权限</translation>
    </message>
    <message>
        <source>the rules grant access to %1 but not to %2</source>
        <translation>规则为 %1 授予了访问权限，但没有为 %2 授予</translation>
    </message>
    <message>
        <source>Install the package built for this catalogue, or add a line per missing pair to %1, such as %2; %3.</source>
        <translation>请安装为此固件列表构建的软件包，或为每个缺少的 ID 对在 %1 中添加一行，例如 %2；%3。</translation>
    </message>
    <message>
        <source>%1; %2 masks the package&apos;s %3</source>
        <translation>%1；%2 屏蔽了软件包的 %3</translation>
    </message>
    <message>
        <source>Move any lines of your own from %1 to %2 and remove %1, so that the package&apos;s %3 is read again; %4.</source>
        <translation>请将您自己添加的行从 %1 移到 %2，并删除 %1，使软件包的 %3 重新生效；%4。</translation>
    </message>
    <message>
        <source>this system has no udev</source>
        <translation>此系统没有 udev</translation>
    </message>
    <message>
        <source>the catalogue names no device ids, so no rule is needed</source>
        <translation>固件列表没有指定任何设备 ID，因此不需要规则</translation>
    </message>
    <message>
        <source>%1 grants access to every id pair of the catalogue (%2)</source>
        <translation>%1 为固件列表中的所有 ID 对（%2）授予了访问权限</translation>
    </message>
</context>
</TS>
