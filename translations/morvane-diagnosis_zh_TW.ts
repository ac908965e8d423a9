<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DoctorChecks</name>
    <message>
        <source>Make catalogue-reachable pass first.</source>
        <translation>請先讓 catalogue-reachable 檢查通過。</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <translation>未檢查：%1</translation>
    </message>
    <message>
        <source>%1 (to be made in %2)</source>
        <translation>%1（將在 %2 中建立）</translation>
    </message>
    <message>
        <source>%1: %2 is not a folder</source>
        <translation>%1：%2 不是資料夾</translation>
    </message>
    <message>
        <source>Move %1 out of the way.</source>
        <translation>請將 %1 移到別處。</translation>
    </message>
    <message>
        <source>%1 is not writable by this user</source>
        <translation>目前的使用者無法寫入 %1</translation>
    </message>
    <message>
        <source>Give this user write access to %1.</source>
        <translation>請授予目前的使用者對 %1 的寫入權限。</translation>
    </message>
    <message>
        <source>%1 has %2 free, less than the largest image (%3)</source>
        <translation>%1 的可用空間為 %2，小於最大的韌體映像（%3）</translation>
    </message>
    <message>
        <source>Free some room on that file system.</source>
        <translation>請在該檔案系統上釋出一些空間。</translation>
    </message>
    <message>
        <source>%1 is writable, with room for the largest image (%2)</source>
        <translation>%1 可寫入，空間足以容納最大的韌體映像（%2）</translation>
    </message>
    <message>
        <source>%1 serial %2</source>
        <translation>%1 序號 %2</translation>
    </message>
    <message>
        <source>its node is not looked at on this system</source>
        <translation>此系統上不檢查其裝置節點</translation>
    </message>
    <message>
        <source>node owner %1, group %2, mode %3, %4</source>
        <translation>裝置節點擁有者 %1，群組 %2，權限模式 %3，%4</translation>
    </message>
    <message>
        <source>no ACL entries</source>
        <translation>無 ACL 項目</translation>
    </message>
    <message>
        <source>ACL %1</source>
        <translation>ACL %1</translation>
    </message>
    <message>
        <source>%1, held open by %2</source>
        <translation>%1，正被 %2 開啟</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n processes could not be looked at)</source>
        <translation>
            <numerusform>%1（有 %n 個處理程序無法檢視）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: this user may not open it (%2); %3</source>
        <translation>%1：目前的使用者無權開啟此裝置（%2）；%3</translation>
    </message>
    <message>
        <source>Make the udev-rule, udev-daemon and seat-session checks pass, then unplug the device and plug it in again.</source>
        <translation>請先讓 udev-rule、udev-daemon 與 seat-session 檢查通過，然後拔除裝置並重新插入。</translation>
    </message>
    <message>
        <source>Unplug the device and plug it in again, then run doctor again.</source>
        <translation>請拔除裝置並重新插入，然後再次執行 doctor。</translation>
    </message>
    <message>
        <source>%1: this user may open it; %2</source>
        <translation>%1：目前的使用者可以開啟此裝置；%2</translation>
    </message>
    <message>
        <source>Close %1 before flashing: two programs talking to one bootloader spoil the update.</source>
        <translation>燒錄前請關閉 %1：兩個程式同時與同一個開機載入程式通訊會破壞更新。</translation>
    </message>
    <message>
        <source>%1:%2 at port %3 (%4 %5)</source>
        <translation>%1:%2，位於連接埠 %3（%4 %5）</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>no device with the catalogue&apos;s ids is attached; no HID device is seen at all</source>
        <translation>沒有連接任何具有韌體列表中 ID 的裝置；完全沒有偵測到 HID 裝置</translation>
    </message>
    <message>
        <source>no device with the catalogue&apos;s ids is attached; the HID devices seen: %1</source>
        <translation>沒有連接任何具有韌體列表中 ID 的裝置；偵測到的 HID 裝置：%1</translation>
    </message>
    <message>
        <source>Put the device in bootloader mode, connect it with a data cable (a charge-only cable carries no data) and try another USB port or hub; a device listed with other ids is not one the catalogue names.</source>
        <translation>請讓裝置進入開機載入程式模式，以資料傳輸線連接（僅充電線不傳輸資料），並換一個 USB 連接埠或集線器試試；列出的 ID 不同的裝置並非韌體列表所指定的裝置。</translation>
    </message>
    <message>
        <source>the catalogue&apos;s ids are not known</source>
        <translation>韌體列表中的 ID 不明</translation>
    </message>
    <message>
        <source>not known: %1</source>
        <translation>不明：%1</translation>
    </message>
    <message>
        <source>Nothing, while the devices may be opened: the rule&apos;s uaccess tag needs logind to tell the active session.</source>
        <translation>只要裝置可以開啟，就無需處理：規則的 uaccess 標籤需要 logind 告知目前作用中的工作階段。</translation>
    </message>
    <message>
        <source>this session has no seat (a remote login, say): the rule&apos;s uaccess tag gives access only at a seat</source>
        <translation>此工作階段沒有座席（例如遠端登入）：規則的 uaccess 標籤只在座席上授予存取權限</translation>
    </message>
    <message>
        <source>Run it from the seat&apos;s desktop, or grant access by a rule with GROUP= naming a group of this user.</source>
        <translation>請在座席的桌面上執行，或以一條用 GROUP= 指定目前使用者所屬群組的規則授予存取權限。</translation>
    </message>
    <message>
        <source>this session is not the active one on %1: the rule&apos;s uaccess tag gives access to the active one</source>
        <translation>此工作階段不是 %1 上作用中的工作階段：規則的 uaccess 標籤只對作用中的工作階段授予存取權限</translation>
    </message>
    <message>
        <source>Switch to this session at the seat, then plug the device in again.</source>
        <translation>請在座席上切換到此工作階段，然後重新插入裝置。</translation>
    </message>
    <message>
        <source>this session is the active one on %1</source>
        <translation>此工作階段是 %1 上作用中的工作階段</translation>
    </message>
    <message>
        <source>this system has no udev; devices are found by enumerating the bus once a second</source>
        <translation>此系統沒有 udev；每秒列舉一次匯流排以尋找裝置</translation>
    </message>
    <message>
        <source>udev runs: devices are heard of as they come and go</source>
        <translation>udev 正在執行：裝置插入與拔除時都會收到通知</translation>
    </message>
    <message>
        <source>no udev daemon answers (a container, say): devices are found by enumerating the bus once a second, and no rule runs when one is plugged in</source>
        <translation>沒有 udev 常駐程式回應（例如在容器中）：每秒列舉一次匯流排以尋找裝置，插入裝置時也不會執行任何規則</translation>
    </message>
    <message>
        <source>Where devices are plugged in, start systemd-udevd (systemctl start systemd-udevd); in a container, nothing to do.</source>
        <translation>在插入裝置的系統上啟動 systemd-udevd（systemctl start systemd-udevd）；在容器中則無需處理。</translation>
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
            <numerusform>%n 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n 小時</numerusform>
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
        <translation>請參閱 catalogue-signature。</translation>
    </message>
    <message>
        <source>the bundle in %1 holds the list of %2, %3; nothing is asked of the network</source>
        <translation>%1 中的離線包帶有 %2 的韌體列表（%3）；不存取網路</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 傳回了 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Check the network connection and the proxy check; if the address is wrong, give the right one with --catalogue.</source>
        <translation>請檢查網路連線以及 proxy 檢查的結果；若位址有誤，請以 --catalogue 指定正確的位址。</translation>
    </message>
    <message>
        <source>If this computer&apos;s clock is wrong (see the clock check), set it; otherwise the server offers a list older than one taken here, or one that has expired: tell the catalogue&apos;s publisher. If the list taken here should not have been, morvane-flash record shows it and morvane-flash record --forget removes it.</source>
        <translation>若本機時鐘有誤（見 clock 檢查），請校正；否則就是伺服器提供的列表比本機已接受的更舊，或已經過期：請告知韌體列表的發布者。若本機本不應接受先前那份列表，可用 morvane-flash record 檢視，用 morvane-flash record --forget 移除。</translation>
    </message>
    <message>
        <source>Tell the catalogue&apos;s publisher to sign the list again.</source>
        <translation>請讓韌體列表的發布者重新簽署該列表。</translation>
    </message>
    <message>
        <source>signed %1: not older than any list taken here, and not expired</source>
        <translation>簽署於 %1：不比本機接受過的任何列表舊，且未過期</translation>
    </message>
    <message>
        <source>not older than any list taken here, and not expired</source>
        <translation>不比本機接受過的任何列表舊，且未過期</translation>
    </message>
    <message>
        <source>See the data-folder check: the record of signing times is kept there.</source>
        <translation>請參閱 data-folder 檢查：簽署時間紀錄保存在該處。</translation>
    </message>
    <message>
        <source>this build has no catalogue key: the list is taken without a signature</source>
        <translation>此版本沒有韌體列表金鑰：接受列表時不驗證簽章</translation>
    </message>
    <message>
        <source>an unsigned list carries no dates</source>
        <translation>未簽署的列表不含日期</translation>
    </message>
    <message>
        <source>This build&apos;s catalogue key is unusable: install a correct build.</source>
        <translation>此版本的韌體列表金鑰無法使用：請安裝正確的版本。</translation>
    </message>
    <message>
        <source>no key to read them with</source>
        <translation>沒有可用來讀取日期的金鑰</translation>
    </message>
    <message>
        <source>the list did not arrive</source>
        <translation>未收到列表</translation>
    </message>
    <message>
        <source>Nothing is flashed from a list that fails this. Tell the catalogue&apos;s publisher; if this network changes what it serves (a captive portal, a proxy), try another.</source>
        <translation>未通過此項檢查的列表不會用於燒錄。請告知韌體列表的發布者；若目前的網路會竄改其提供的內容（例如強制入口網頁或代理伺服器），請換一個網路。</translation>
    </message>
    <message>
        <source>the signature does not hold</source>
        <translation>簽章無效</translation>
    </message>
    <message>
        <source>the list gives 1 version</source>
        <translation>列表中有 1 個版本</translation>
    </message>
    <message>
        <source>the list gives %1 versions</source>
        <translation>列表中有 %1 個版本</translation>
    </message>
    <message>
        <source>Tell the catalogue&apos;s publisher: morvane-flash lint names every line the updater refuses.</source>
        <translation>請告知韌體列表的發布者：morvane-flash lint 會列出更新程式拒絕的每一行。</translation>
    </message>
    <message>
        <source>the list was not taken</source>
        <translation>列表未被接受</translation>
    </message>
    <message>
        <source>Make the checks above pass first.</source>
        <translation>請先讓上方的檢查通過。</translation>
    </message>
    <message>
        <source>Set this computer&apos;s clock, preferably from the network (timedatectl set-ntp true).</source>
        <translation>請校正本機時鐘，最好透過網路同步（timedatectl set-ntp true）。</translation>
    </message>
    <message>
        <source>not known: the catalogue was read from the bundle in %1, with no server to compare against</source>
        <translation>不明：韌體列表讀取自 %1 中的離線包，沒有可供比對的伺服器</translation>
    </message>
    <message>
        <source>not known: the catalogue&apos;s server sent no Date header</source>
        <translation>不明：韌體列表的伺服器沒有傳送 Date 標頭</translation>
    </message>
    <message>
        <source>not known: the server&apos;s Date header (“%1”) is not an HTTP date</source>
        <translation>不明：伺服器的 Date 標頭（「%1」）不是 HTTP 日期</translation>
    </message>
    <message>
        <source>Make sure this computer sets its clock from the network (timedatectl status).</source>
        <translation>請確認本機透過網路校正時鐘（timedatectl status）。</translation>
    </message>
    <message>
        <source>this computer&apos;s clock agrees with the server&apos;s Date header to within %1 seconds</source>
        <translation>本機時鐘與伺服器的 Date 標頭相差不超過 %1 秒</translation>
    </message>
    <message>
        <source>this computer&apos;s clock is %1 ahead of the server&apos;s (%2)</source>
        <translation>本機時鐘比伺服器的時間（%2）快 %1</translation>
    </message>
    <message>
        <source>this computer&apos;s clock is %1 behind the server&apos;s (%2)</source>
        <translation>本機時鐘比伺服器的時間（%2）慢 %1</translation>
    </message>
    <message>
        <source>%1: lists may be refused as signed in the future, or expired ones taken</source>
        <translation>%1：列表可能因簽署時間在未來而遭拒絕，或已過期的列表反被接受</translation>
    </message>
    <message>
        <source>no proxy is set in the environment: the catalogue is fetched directly</source>
        <translation>環境變數中未設定代理伺服器：直接取得韌體列表</translation>
    </message>
    <message>
        <source>%1 exempts the catalogue&apos;s host: it is fetched directly</source>
        <translation>%1 將韌體列表的主機排除在代理伺服器之外：直接取得</translation>
    </message>
    <message>
        <source>%1 is set but empty</source>
        <translation>%1 已設定但為空</translation>
    </message>
    <message>
        <source>Unset %1, or set it to the proxy&apos;s address.</source>
        <translation>請取消設定 %1，或將其設為代理伺服器的位址。</translation>
    </message>
    <message>
        <source>%1 (“%2”) names no proxy host</source>
        <translation>%1（「%2」）沒有指定代理主機</translation>
    </message>
    <message>
        <source>Set %1 to the proxy&apos;s address, such as http://proxy.example:3128, or unset it.</source>
        <translation>請將 %1 設為代理伺服器的位址，例如 http://proxy.example:3128，或取消設定。</translation>
    </message>
    <message>
        <source>%1 names %2, which does not answer: %3</source>
        <translation>%1 指定的 %2 沒有回應：%3</translation>
    </message>
    <message>
        <source>Start the proxy, or correct or unset %1.</source>
        <translation>請啟動代理伺服器，或更正或取消設定 %1。</translation>
    </message>
    <message>
        <source>the catalogue is fetched through %1 (%2), which answers</source>
        <translation>透過 %1（%2）取得韌體列表，該代理伺服器有回應</translation>
    </message>
    <message>
        <source>not used: everything is read from the bundle in %1</source>
        <translation>未使用：所有內容皆讀取自 %1 中的離線包</translation>
    </message>
</context>
<context>
    <name>DoctorSystemLinux</name>
    <message>
        <source>user %1 %2</source>
        <translation>使用者 %1 %2</translation>
    </message>
    <message>
        <source>group %1 %2</source>
        <translation>群組 %1 %2</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1（處理程序 %2）</translation>
    </message>
    <message>
        <source>logind did not tell the session&apos;s %1 (%2)</source>
        <translation>logind 沒有告知工作階段的 %1 屬性（%2）</translation>
    </message>
    <message>
        <source>no system bus answers</source>
        <translation>系統匯流排沒有回應</translation>
    </message>
    <message>
        <source>logind does not tell this process&apos;s session (%1)</source>
        <translation>logind 沒有告知此處理程序所屬的工作階段（%1）</translation>
    </message>
    <message>
        <source>its node %1 cannot be looked at: %2</source>
        <translation>無法檢視其裝置節點 %1：%2</translation>
    </message>
</context>
<context>
    <name>DoctorSystemOther</name>
    <message>
        <source>this system has no logind</source>
        <translation>此系統沒有 logind</translation>
    </message>
</context>
<context>
    <name>NetworkFacts</name>
    <message>
        <source>no connection within %1</source>
        <translation>%1 內未能建立連線</translation>
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
        <translation>解決方法：%1</translation>
    </message>
</context>
<context>
    <name>UdevRule</name>
    <message>
        <source>then run “%1” or plug the device in again</source>
        <translation>然後執行「%1」或重新插入裝置</translation>
    </message>
    <message>
        <source>no %1 in %2</source>
        <translation>%2 中沒有 %1</translation>
    </message>
    <message>
        <source>Install the package built for this catalogue, or copy its %1 into /etc/udev/rules.d; %2.</source>
        <translation>請安裝為此韌體列表建置的套件，或將其中的 %1 複製到 /etc/udev/rules.d；%2。</translation>
    </message>
    <message>
        <source>%1 is installed; whether it covers the catalogue&apos;s ids is not known, since the catalogue did not come</source>
        <translation>%1 已安裝；由於未收到韌體列表，無法確定它是否涵蓋韌體列表中的 ID</translation>
    </message>
    <message>
        <source>%1 is a link to /dev/null, which masks the rule</source>
        <translation>%1 是指向 /dev/null 的連結，這會遮蔽該規則</translation>
    </message>
    <message>
        <source>Remove the link %1; %2.</source>
        <translation>請移除連結 %1；%2。</translation>
    </message>
    <message>
        <source>%1, and no rule there grants access to the catalogue&apos;s ids</source>
        <translation>%1，且該處沒有任何規則為韌體列表中的 ID 授予存取權限</translation>
    </message>
    <message>
        <source>%1 grants access to none of the catalogue&apos;s id pairs (%2)</source>
        <translation>%1 沒有為韌體列表中的任何 ID 組（%2）授予存取權限</translation>
    </message>
    <message>
        <source>the rules grant access to %1 but not to %2</source>
        <translation>規則為 %1 授予了存取權限，但沒有為 %2 授予</translation>
    </message>
    <message>
        <source>Install the package built for this catalogue, or add a line per missing pair to %1, such as %2; %3.</source>
        <translation>請安裝為此韌體列表建置的套件，或為每個缺少的 ID 組在 %1 中加入一行，例如 %2；%3。</translation>
    </message>
    <message>
        <source>%1; %2 masks the package&apos;s %3</source>
        <translation>%1；%2 遮蔽了套件的 %3</translation>
    </message>
    <message>
        <source>Move any lines of your own from %1 to %2 and remove %1, so that the package&apos;s %3 is read again; %4.</source>
        <translation>請將您自行加入的行從 %1 移到 %2，並移除 %1，讓套件的 %3 重新生效；%4。</translation>
    </message>
    <message>
        <source>this system has no udev</source>
        <translation>此系統沒有 udev</translation>
    </message>
    <message>
        <source>the catalogue names no device ids, so no rule is needed</source>
        <translation>韌體列表沒有指定任何裝置 ID，因此不需要規則</translation>
    </message>
    <message>
        <source>%1 grants access to every id pair of the catalogue (%2)</source>
        <translation>%1 為韌體列表中的所有 ID 組（%2）授予了存取權限</translation>
    </message>
</context>
</TS>
