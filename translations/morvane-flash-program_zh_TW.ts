<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>HelpText</name>
    <message>
        <source>Exit status:
  0    success
  1    usage
  2    catalogue or network failure (lint, sign: the list could not be read)
  3    device not found, or no permission
  4    transfer failed
  5    integrity or signature refused (lint, sign: the signature or a digest)
  6    lint, sign: the list has errors; sign: it would be dated backwards
  7    sign: minisign is missing or failed
  130  stopped with Ctrl-C (SIGINT); 143 with SIGTERM, 129 with SIGHUP
doctor gives the status of its first failing check.
</source>
        <translation>結束狀態：
  0    成功
  1    用法錯誤
  2    韌體列表或網路故障（lint、sign：無法讀取列表）
  3    找不到裝置，或沒有權限
  4    傳輸失敗
  5    完整性或簽章遭拒（lint、sign：簽章或某個摘要）
  6    lint、sign：列表有錯誤；sign：簽署日期將早於既有的列表
  7    sign：minisign 不存在或執行失敗
  130  被 Ctrl-C（SIGINT）停止；SIGTERM 為 143，SIGHUP 為 129
doctor 回傳第一項未通過之檢查的狀態。
</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 或 %2。</translation>
    </message>
    <message>
        <source>Flashes Morvane USB devices from the firmware catalogue, as the window does.</source>
        <translation>依韌體列表燒錄 Morvane USB 裝置，與圖形視窗的做法相同。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>指令：</translation>
    </message>
    <message>
        <source>With flash, --serial or --path chooses one of several devices, and
--all-devices flashes every attached device with those ids at once.
--bundle DIR reads everything from a folder that bundle create wrote,
checked as a download is, and nothing from the network.
Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and close the device.
&apos;morvane-flash COMMAND --help&apos; shows the help of one command.</source>
        <translation>使用 flash 時，--serial 或 --path 從多台裝置中選出一台，
--all-devices 則同時燒錄所有具備這些 ID 的已連接裝置。
--bundle DIR 從 bundle create 寫出的資料夾讀取全部內容，
與下載一樣經過檢查，不存取網路。
Ctrl-C、SIGTERM 與 SIGHUP 會在報告邊界處停止傳輸並關閉裝置。
「morvane-flash COMMAND --help」顯示單一指令的說明。</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引數：</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between command names</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>MorvaneFlash</name>
    <message>
        <source>Try &apos;morvane-flash --help&apos;.</source>
        <translation>請嘗試「morvane-flash --help」。</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>未知的指令「%1」。</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>未指定指令。</translation>
    </message>
</context>
<context>
    <name>OptionParsing</name>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 不接受 --%2。</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1.</source>
        <translation>%1 的引數個數不正確。</translation>
    </message>
    <message>
        <source>--catalogue needs an absolute address.</source>
        <translation>--catalogue 需要一個絕對位址。</translation>
    </message>
    <message>
        <source>--bundle needs the name of a folder.</source>
        <translation>--bundle 需要一個資料夾名稱。</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>顯示本說明。</translation>
    </message>
    <message>
        <source>Shows the version, the build&apos;s catalogue address and its keys.</source>
        <translation>顯示版本、本建置的韌體列表位址及其金鑰。</translation>
    </message>
    <message>
        <source>The list file&apos;s address instead of the build&apos;s (%1).</source>
        <translation>使用此列表檔案位址，而非本建置的位址（%1）。</translation>
    </message>
    <message>
        <source>Reads the list, its signature, notes and images from this folder, made by bundle create, and nothing from the network.</source>
        <translation>從 bundle create 產生的此資料夾讀取列表、其簽章、說明與韌體映像，不存取網路。</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>no catalogue key</source>
        <translation>無韌體列表金鑰</translation>
    </message>
    <message>
        <source>catalogue key %1</source>
        <translation>韌體列表金鑰 %1</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1（目前）</translation>
    </message>
    <message>
        <source>%1 (standby)</source>
        <translation>%1（備用）</translation>
    </message>
    <message>
        <source>catalogue keys %1</source>
        <translation>韌體列表金鑰 %1</translation>
    </message>
    <message>
        <source>catalogue key unusable: %1</source>
        <translation>韌體列表金鑰無法使用：%1</translation>
    </message>
    <message>
        <source>catalogue %1</source>
        <translation>韌體列表 %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between key ids</comment>
        <translation>、</translation>
    </message>
</context>
</TS>
