<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BundleCommand</name>
    <message>
        <source>Bundled %1 %2.</source>
        <translation>已將 %1 %2 放入離線包。</translation>
    </message>
    <message>
        <source>The bundle in %1 is not complete; it is not read until bundle create finishes.</source>
        <translation>%1 中的離線包不完整；在 bundle create 完成之前不會讀取它。</translation>
    </message>
    <message numerus="yes">
        <source>The bundle in %1 holds %n version(s) of %2.</source>
        <translation>
            <numerusform>%1 中的離線包包含 %2 的 %n 個版本。</numerusform>
        </translation>
    </message>
    <message>
        <source>bundle takes create DIR [MODEL [VERSION]]...</source>
        <translation>bundle 的用法為 create DIR [MODEL [VERSION]]...</translation>
    </message>
    <message>
        <source>keeps the signed list and the chosen versions&apos;
images and notes in DIR, for --bundle DIR
without a network (every version by default)</source>
        <translation>將已簽署的列表及所選版本的韌體映像與說明
保存到 DIR，供無網路時以 --bundle DIR 讀取
（預設包含所有版本）</translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <source>attached devices with the catalogue&apos;s ids (or these);
with --watch, their arrivals and departures</source>
        <translation>具備韌體列表中（或指定的）ID 的已連接裝置；
使用 --watch 時，回報裝置的接上與移除</translation>
    </message>
</context>
<context>
    <name>DoctorCommand</name>
    <message>
        <source>--root needs a folder.</source>
        <translation>--root 需要一個資料夾。</translation>
    </message>
    <message>
        <source>doctor: reads the udev rules under this folder instead of /, for tests.</source>
        <translation>doctor：從此資料夾而非 / 下讀取 udev 規則，供測試使用。</translation>
    </message>
    <message>
        <source>checks what updating needs here: the udev rule,
device access, the catalogue, the clock, proxies
and the data folder</source>
        <translation>檢查本機更新所需的條件：udev 規則、
裝置存取、韌體列表、時鐘、代理伺服器
以及存放資料的資料夾</translation>
    </message>
</context>
<context>
    <name>FlashCommand</name>
    <message>
        <source>To give up after %1 seconds of waiting, write --wait=%1: the seconds are joined by &quot;=&quot;.</source>
        <translation>如要在等待 %1 秒後放棄，請寫 --wait=%1：秒數以「=」連接。</translation>
    </message>
    <message>
        <source>morvane-flash: cannot open the log: %1</source>
        <translation>morvane-flash：無法開啟日誌檔：%1</translation>
    </message>
    <message>
        <source>--file needs the name of an image file.</source>
        <translation>--file 需要一個韌體映像檔名。</translation>
    </message>
    <message>
        <source>--sha256 takes 64 hexadecimal digits.</source>
        <translation>--sha256 需要 64 位十六進位數字。</translation>
    </message>
    <message>
        <source>--wait=SECONDS takes a number of seconds above 0.</source>
        <translation>--wait=SECONDS 需要大於 0 的秒數。</translation>
    </message>
    <message>
        <source>--settle takes a number of seconds, 0 or more.</source>
        <translation>--settle 需要秒數，0 或以上。</translation>
    </message>
    <message>
        <source>--drain-timeout takes a number of seconds, 0 or more.</source>
        <translation>--drain-timeout 需要秒數，0 或以上。</translation>
    </message>
    <message>
        <source>--log needs the name of a file.</source>
        <translation>--log 需要一個檔名。</translation>
    </message>
    <message>
        <source>--metrics needs a file name ending in .prom, as node_exporter reads them.</source>
        <translation>--metrics 需要以 .prom 結尾的檔名，node_exporter 只讀取這類檔案。</translation>
    </message>
    <message>
        <source>flash --file needs --vid and --pid, and they are used only with --file.</source>
        <translation>flash --file 需要 --vid 與 --pid，而這兩者只與 --file 一起使用。</translation>
    </message>
    <message>
        <source>flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.</source>
        <translation>flash 需要 MODEL [VERSION] 或 --file IMAGE --vid V --pid P 兩者之一。</translation>
    </message>
    <message>
        <source>--sha256 is used only with flash --file.</source>
        <translation>--sha256 只與 flash --file 一起使用。</translation>
    </message>
    <message>
        <source>flash --watch flashes every matching device as it arrives; it takes no --serial, --path, --wait or --all-devices.</source>
        <translation>flash --watch 會在每台符合的裝置接上時燒錄它；不接受 --serial、--path、--wait 或 --all-devices。</translation>
    </message>
    <message>
        <source>--settle is used only with flash --watch.</source>
        <translation>--settle 只與 flash --watch 一起使用。</translation>
    </message>
    <message>
        <source>--drain-timeout is used only with flash --watch.</source>
        <translation>--drain-timeout 只與 flash --watch 一起使用。</translation>
    </message>
    <message>
        <source>flash: the model&apos;s name is empty (is MODEL set in the station&apos;s settings?).</source>
        <translation>flash：型號名稱為空（工作站設定中是否設定了 MODEL？）。</translation>
    </message>
    <message>
        <source>--journal and --metrics are used only with flash --watch.</source>
        <translation>--journal 與 --metrics 只與 flash --watch 一起使用。</translation>
    </message>
    <message>
        <source>--journal: %1</source>
        <translation>--journal：%1</translation>
    </message>
    <message>
        <source>flash: adds KEY=VALUE (an operator, a lot) to every log line, journal entry and metric; repeatable.</source>
        <translation>flash：在每行日誌、每筆 journal 項目與每項指標中加入 KEY=VALUE（如操作員、批號）；可重複。</translation>
    </message>
    <message>
        <source>Flashes this image file instead of a download.</source>
        <translation>燒錄此韌體映像檔，而非下載的映像。</translation>
    </message>
    <message>
        <source>flash --file: the image&apos;s SHA-256, 64 hexadecimal digits; a file that does not match is not flashed. A build with a catalogue key needs it.</source>
        <translation>flash --file：映像的 SHA-256，64 位十六進位數字；不符的檔案不會被燒錄。帶有韌體列表金鑰的建置必須提供它。</translation>
    </message>
    <message>
        <source>Flashes every attached device with the ids, each on its own thread.</source>
        <translation>燒錄所有具備這些 ID 的已連接裝置，每台裝置使用各自的執行緒。</translation>
    </message>
    <message>
        <source>Flashes even on a battery below 10% (by default refused).</source>
        <translation>即使電池電量低於 10% 也燒錄（預設拒絕）。</translation>
    </message>
    <message>
        <source>Prints only the outcome.</source>
        <translation>只輸出結果。</translation>
    </message>
    <message>
        <source>flash: only the device with this serial number.</source>
        <translation>flash：僅限序號為此值的裝置。</translation>
    </message>
    <message>
        <source>flash: only the device at this path.</source>
        <translation>flash：僅限位於此路徑的裝置。</translation>
    </message>
    <message>
        <source>flash: waits for a matching device, downloading meanwhile; --wait=SECONDS gives up after that long.</source>
        <translation>flash：等待符合的裝置接上，同時進行下載；--wait=SECONDS 在等待這麼久後放棄。</translation>
    </message>
    <message>
        <source>flash: appends a JSON line for every device attempted to this file.</source>
        <translation>flash：每嘗試燒錄一台裝置，就在此檔案附加一行 JSON。</translation>
    </message>
    <message>
        <source>flash --watch: seconds a flashed device has to come back, by its serial number or port, to be known again (default 5).</source>
        <translation>flash --watch：燒錄後的裝置在多少秒內依序號或連接埠重新出現，仍被視為同一台裝置（預設 5）。</translation>
    </message>
    <message>
        <source>flash: names this bench in every log line, journal entry and metric.</source>
        <translation>flash：在每行日誌、每筆 journal 項目與每項指標中寫明此工作站的名稱。</translation>
    </message>
    <message>
        <source>flash --watch: sends each unit&apos;s record to the systemd journal.</source>
        <translation>flash --watch：將每台裝置的紀錄傳送到 systemd journal。</translation>
    </message>
    <message>
        <source>flash --watch: keeps this node_exporter textfile (*.prom) of the units&apos; counts.</source>
        <translation>flash --watch：在此 node_exporter 文字檔（*.prom）中維護裝置計數。</translation>
    </message>
    <message>
        <source>flash --watch: how long the first stop signal lets the units in transfer finish (default: until they have).</source>
        <translation>flash --watch：收到第一個停止訊號後，留給傳輸中的裝置完成傳輸的時間（預設：直到完成）。</translation>
    </message>
    <message>
        <source>downloads a version (the first listed by default)
and flashes it</source>
        <translation>下載一個版本（預設為列出的第一個）
並燒錄它</translation>
    </message>
    <message>
        <source>flashes an image file, checked against its digest</source>
        <translation>燒錄一個韌體映像檔，先依其摘要檢查</translation>
    </message>
    <message>
        <source>flashes each matching device as it is plugged in,
until stopped</source>
        <translation>在每台符合的裝置接上時燒錄它，
直到被停止</translation>
    </message>
</context>
<context>
    <name>LintCommand</name>
    <message>
        <source>not compared with the list published at %1: %2</source>
        <translation>未與發布在 %1 的列表比較：%2</translation>
    </message>
    <message>
        <source>no key is in use, so the signature was not checked: name one with --public-key</source>
        <translation>未使用任何金鑰，因此沒有檢查簽章：請以 --public-key 指定一個</translation>
    </message>
    <message>
        <source>the images and notes were not fetched, so their addresses and digests were not checked: add --fetch</source>
        <translation>沒有取得韌體映像與說明，因此沒有檢查它們的位址與摘要：請加上 --fetch</translation>
    </message>
    <message>
        <source>lint --bundle checks the bundle&apos;s list and takes no FILE|URL.</source>
        <translation>lint --bundle 檢查離線包本身的列表，不接受 FILE|URL。</translation>
    </message>
    <message>
        <source>lint takes FILE|URL, or --bundle DIR.</source>
        <translation>lint 需要 FILE|URL 或 --bundle DIR。</translation>
    </message>
    <message>
        <source>lint: also downloads every notes text and image and checks them.</source>
        <translation>lint：還會下載每份說明文字與韌體映像並檢查它們。</translation>
    </message>
    <message>
        <source>checks a list file for its publisher;
with --bundle, the bundle&apos;s own</source>
        <translation>為發布者檢查列表檔案；
使用 --bundle 時，檢查離線包本身的列表</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>the models and their versions, in catalogue order</source>
        <translation>各型號及其版本，依韌體列表中的順序</translation>
    </message>
    <message>
        <source>(not in the bundle)</source>
        <translation>（不在離線包中）</translation>
    </message>
</context>
<context>
    <name>NotesCommand</name>
    <message>
        <source>the release notes of a version</source>
        <translation>某個版本的韌體說明</translation>
    </message>
    <message>
        <source>The bundle %1 lacks the release notes of %2 %3 (not in the bundle). Make the bundle again with this version where the catalogue can be reached.</source>
        <translation>離線包 %1 缺少 %2 %3 的韌體說明（不在離線包中）。請在能存取韌體列表的地方重新製作包含此版本的離線包。</translation>
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
        <translation>金鑰 %1（由較早版本保存，適用於每個沒有自己紀錄的韌體列表）</translation>
    </message>
    <message>
        <source>%1 (its address was not kept)</source>
        <translation>%1（未保存其位址）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: signed %2, taken %3</source>
        <translation>%1：簽署於 %2，取得於 %3</translation>
    </message>
    <message>
        <source>%1: signed %2</source>
        <translation>%1：簽署於 %2</translation>
    </message>
    <message>
        <source>%1: signed %2, taken %3 with key %4</source>
        <translation>%1：簽署於 %2，取得於 %3，使用金鑰 %4</translation>
    </message>
    <message>
        <source>%1: signed %2 with key %3</source>
        <translation>%1：簽署於 %2，使用金鑰 %3</translation>
    </message>
    <message>
        <source>No catalogue signing time is recorded in %1: the next list of each catalogue is trusted as on first use.</source>
        <translation>%1 中沒有記錄任何韌體列表簽署時間：每個韌體列表的下一份列表都將依首次使用予以信任。</translation>
    </message>
    <message>
        <source>The newest catalogue signing times taken, kept in %1; a list signed before one of them is refused:</source>
        <translation>已取得的最新韌體列表簽署時間，保存在 %1；簽署早於其中任一時間的列表將被拒絕：</translation>
    </message>
    <message>
        <source>Forget %1? The next list from %2 is then trusted as on first use, whatever its date. [y/N]</source>
        <translation>要忘記%1嗎？之後來自 %2 的下一份列表無論日期為何，都將依首次使用予以信任。[y/N]</translation>
    </message>
    <message>
        <source>No signing time is recorded for %1: nothing to forget.</source>
        <translation>沒有為 %1 記錄簽署時間：沒有可忘記的內容。</translation>
    </message>
    <message>
        <source>morvane-flash: record --forget asks before it forgets, and standard input is no terminal: add --yes.</source>
        <translation>morvane-flash：record --forget 在忘記前會先詢問，而標準輸入不是終端機：請加上 --yes。</translation>
    </message>
    <message>
        <source>the list signed %1, the newest taken from %2</source>
        <translation>簽署於 %1 的列表（從 %2 取得的最新一份）</translation>
    </message>
    <message>
        <source>the unreadable record of %1</source>
        <translation>%1 的無法讀取的紀錄</translation>
    </message>
    <message>
        <source>Nothing was forgotten.</source>
        <translation>沒有忘記任何內容。</translation>
    </message>
    <message>
        <source>morvane-flash: the record of %1 could not be forgotten: %2</source>
        <translation>morvane-flash：無法忘記 %1 的紀錄：%2</translation>
    </message>
    <message>
        <source>Forgot %1 (removed %2): the next list from it is trusted as on first use.</source>
        <translation>已忘記 %1（已刪除 %2）：來自它的下一份列表將依首次使用予以信任。</translation>
    </message>
    <message>
        <source>record --json shows the records; it takes no --forget.</source>
        <translation>record --json 顯示紀錄；它不接受 --forget。</translation>
    </message>
    <message>
        <source>--yes is used only with record --forget.</source>
        <translation>--yes 只與 record --forget 一起使用。</translation>
    </message>
    <message>
        <source>record: removes the catalogue&apos;s record of signing times (the build&apos;s, or --catalogue&apos;s): its next list is trusted as on first use.</source>
        <translation>record：刪除韌體列表（本建置的，或 --catalogue 指定的）的簽署時間紀錄：其下一份列表將依首次使用予以信任。</translation>
    </message>
    <message>
        <source>record --forget: forgets without asking.</source>
        <translation>record --forget：不詢問，直接忘記。</translation>
    </message>
    <message>
        <source>the newest signing time taken per catalogue,
when and with which key</source>
        <translation>每個韌體列表已取得的最新簽署時間，
以及取得時間與所用金鑰</translation>
    </message>
    <message>
        <source>forgets the catalogue&apos;s record: its next
list is trusted as on first use</source>
        <translation>忘記該韌體列表的紀錄：其下一份
列表將依首次使用予以信任</translation>
    </message>
</context>
<context>
    <name>SharedOptions</name>
    <message>
        <source>Prints JSON.</source>
        <translation>輸出 JSON。</translation>
    </message>
    <message>
        <source>USB vendor id, hexadecimal.</source>
        <translation>USB 廠商 ID，十六進位。</translation>
    </message>
    <message>
        <source>USB product id, hexadecimal.</source>
        <translation>USB 產品 ID，十六進位。</translation>
    </message>
    <message>
        <source>devices: tells arrivals and departures until stopped. flash: flashes every matching device as it is plugged in, until stopped.</source>
        <translation>devices：回報裝置的接上與移除，直到被停止。flash：在每台符合的裝置接上時燒錄它，直到被停止。</translation>
    </message>
    <message>
        <source>flash, devices: only devices at a USB port this shell-style pattern matches, such as 1-1.*; repeatable.</source>
        <translation>flash、devices：僅限 USB 連接埠與此 shell 風格樣式相符的裝置，例如 1-1.*；可重複。</translation>
    </message>
    <message>
        <source>lint, sign: checks the list&apos;s signature with this minisign public key.</source>
        <translation>lint、sign：以此 minisign 公開金鑰檢查列表的簽章。</translation>
    </message>
    <message>
        <source>--vid and --pid go together.</source>
        <translation>--vid 與 --pid 必須同時使用。</translation>
    </message>
    <message>
        <source>--vid and --pid take 1 to 4 hexadecimal digits.</source>
        <translation>--vid 與 --pid 需要 1 到 4 位十六進位數字。</translation>
    </message>
    <message>
        <source>--port takes a pattern over the USB port path, such as 1-1.*.</source>
        <translation>--port 需要一個比對 USB 連接埠路徑的樣式，例如 1-1.*。</translation>
    </message>
</context>
<context>
    <name>SignCommand</name>
    <message>
        <source>Nothing was signed or written.</source>
        <translation>沒有簽署，也沒有寫入任何內容。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n 筆紀錄</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n digest(s) filled in</source>
        <translation>
            <numerusform>填入了 %n 個摘要</numerusform>
        </translation>
    </message>
    <message>
        <source>Signed %1: %2, %3; %4.minisig is dated %5 and expires %6; %7.</source>
        <translation>已簽署 %1：%2，%3；%4.minisig 的日期為 %5，於 %6 到期；%7。</translation>
    </message>
    <message>
        <source>Next: upload the list, its signature and the files it names, then check what was uploaded: morvane-flash lint URL --fetch</source>
        <translation>下一步：上傳列表、其簽章以及列表中指明的檔案，然後檢查上傳的內容：morvane-flash lint URL --fetch</translation>
    </message>
    <message>
        <source>Cannot read the list file %1: %2</source>
        <translation>無法讀取列表檔案 %1：%2</translation>
    </message>
    <message>
        <source>nothing was signed</source>
        <translation>沒有簽署任何內容</translation>
    </message>
    <message>
        <source>--root names the folder that mirrors the server; %1 is no folder.</source>
        <translation>--root 指明與伺服器內容對應的鏡像資料夾；%1 不是資料夾。</translation>
    </message>
    <message>
        <source>--expires takes a whole number of days from 1 to %1.</source>
        <translation>--expires 需要 1 到 %1 之間的整數天數。</translation>
    </message>
    <message>
        <source>sign needs --secret-key KEY, the minisign secret key file.</source>
        <translation>sign 需要 --secret-key KEY，即 minisign 私密金鑰檔。</translation>
    </message>
    <message>
        <source>sign: signs with this minisign secret key file.</source>
        <translation>sign：以此 minisign 私密金鑰檔簽署。</translation>
    </message>
    <message>
        <source>sign: the folder that mirrors the server, where an address&apos;s path is looked for (default: the parent of the list&apos;s folder).</source>
        <translation>sign：與伺服器內容對應的鏡像資料夾，在其中尋找位址的路徑（預設：列表所在資料夾的上層資料夾）。</translation>
    </message>
    <message>
        <source>sign: days until the signed list expires (default %1).</source>
        <translation>sign：簽署後的列表在多少天後到期（預設 %1）。</translation>
    </message>
    <message>
        <source>fills in a list&apos;s digests, signs it with
minisign, after the list it replaces and the one
published; writes nothing the updater refuses</source>
        <translation>填入列表的摘要，並在對照被取代的列表與
已發布的列表後以 minisign 簽署；
不寫出任何會被更新程式拒絕的內容</translation>
    </message>
</context>
</TS>
