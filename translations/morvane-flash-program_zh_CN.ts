<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>退出状态：
  0    成功
  1    用法错误
  2    固件列表或网络故障（lint、sign：无法读取列表）
  3    未找到设备，或没有权限
  4    传输失败
  5    完整性或签名被拒绝（lint、sign：签名或某个摘要）
  6    lint、sign：列表有错误；sign：签名日期将早于已有的列表
  7    sign：minisign 缺失或运行失败
  130  被 Ctrl-C（SIGINT）停止；SIGTERM 为 143，SIGHUP 为 129
doctor 返回第一项未通过的检查的状态。
</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 或 %2。</translation>
    </message>
    <message>
        <source>Flashes Morvane USB devices from the firmware catalogue, as the window does.</source>
        <translation>按固件列表刷写 Morvane USB 设备，与图形窗口的做法相同。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>With flash, --serial or --path chooses one of several devices, and
--all-devices flashes every attached device with those ids at once.
--bundle DIR reads everything from a folder that bundle create wrote,
checked as a download is, and nothing from the network.
Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and close the device.
&apos;morvane-flash COMMAND --help&apos; shows the help of one command.</source>
        <translation>使用 flash 时，--serial 或 --path 从多台设备中选出一台，
--all-devices 则同时刷写所有带这些 ID 的已连接设备。
--bundle DIR 从 bundle create 写出的文件夹读取全部内容，
与下载一样经过校验，不访问网络。
Ctrl-C、SIGTERM 和 SIGHUP 会在报告边界处停止传输并关闭设备。
“morvane-flash COMMAND --help”显示单个命令的帮助。</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数：</translation>
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
        <translation>请尝试“morvane-flash --help”。</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>未知命令“%1”。</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>未指定命令。</translation>
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
        <translation>%1 的参数个数不对。</translation>
    </message>
    <message>
        <source>--catalogue needs an absolute address.</source>
        <translation>--catalogue 需要一个绝对地址。</translation>
    </message>
    <message>
        <source>--bundle needs the name of a folder.</source>
        <translation>--bundle 需要一个文件夹名称。</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Shows this help.</source>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>Shows the version, the build&apos;s catalogue address and its keys.</source>
        <translation>显示版本、本构建的固件列表地址及其密钥。</translation>
    </message>
    <message>
        <source>The list file&apos;s address instead of the build&apos;s (%1).</source>
        <translation>使用此列表文件地址，而非本构建的地址（%1）。</translation>
    </message>
    <message>
        <source>Reads the list, its signature, notes and images from this folder, made by bundle create, and nothing from the network.</source>
        <translation>从 bundle create 生成的此文件夹读取列表、其签名、说明和固件映像，不访问网络。</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>no catalogue key</source>
        <translation>无固件列表密钥</translation>
    </message>
    <message>
        <source>catalogue key %1</source>
        <translation>固件列表密钥 %1</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1（当前）</translation>
    </message>
    <message>
        <source>%1 (standby)</source>
        <translation>%1（备用）</translation>
    </message>
    <message>
        <source>catalogue keys %1</source>
        <translation>固件列表密钥 %1</translation>
    </message>
    <message>
        <source>catalogue key unusable: %1</source>
        <translation>固件列表密钥不可用：%1</translation>
    </message>
    <message>
        <source>catalogue %1</source>
        <translation>固件列表 %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between key ids</comment>
        <translation>、</translation>
    </message>
</context>
</TS>
