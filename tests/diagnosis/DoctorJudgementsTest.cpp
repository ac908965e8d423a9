#include "diagnosis/DoctorNetworkChecks.h"
#include "diagnosis/UdevRule.h"

#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

namespace {

using Verdict = DoctorCheck::Verdict;

const UsbIds ch{0x1a86, 0xe0a1};
const UsbIds k7{0x1209, 0x0001};
const QString packageRule = "/usr/lib/udev/rules.d/70-morvane-updater.rules";
const QString etcRule = "/etc/udev/rules.d/70-morvane-updater.rules";

// The catalogue's two pairs, one line continued.
const QByteArray goodRule = "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1a86\", "
                            "ATTRS{idProduct}==\"e0a1\", TAG+=\"uaccess\"\n"
                            "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1209\", \\\n"
                            "  ATTRS{idProduct}==\"0001\", TAG+=\"uaccess\"\n";
const QByteArray chRule = goodRule.left(goodRule.indexOf('\n') + 1);

InstalledRules rules(const QList<RulesFile> &files, const QStringList &hidden = {})
{
    return {
        {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"},
        files,
        hidden};
}

} // namespace

TEST(DoctorJudgements, TheRulesAreJudgedAgainstTheCataloguesIds)
{
    const std::vector<UsbIds> both{ch, k7};
    const struct
    {
        InstalledRules installed;
        std::optional<std::vector<UsbIds>> ids;
        Verdict verdict;
        QString finding;
        QString fix;
    } cases[] = {
        {rules({}), both, Verdict::fail,
         "no 70-morvane-updater.rules in /etc/udev/rules.d, /run/udev/rules.d, "
         "/usr/lib/udev/rules.d, /lib/udev/rules.d, and no rule there grants access",
         "or copy its 70-morvane-updater.rules into /etc/udev/rules.d; then run"},
        {rules({{packageRule, QByteArray(goodRule).replace("0001", "0002")}}), both, Verdict::fail,
         "the rules grant access to 1A86:E0A1 but not to 1209:0001",
         // A file of its own, with the package's group and mode.
         "add a line per missing pair to /etc/udev/rules.d/71-morvane-updater-local.rules, such "
         "as SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1209\", ATTRS{idProduct}==\"0001\", "
         "TAG+=\"uaccess\", GROUP=\"morvane-bench\", MODE=\"0660\"; then run"},
        {rules({{packageRule, QByteArray(goodRule).replace("TAG+", "ENV")}}), both, Verdict::fail,
         packageRule + " grants access to none of the catalogue's id pairs (1A86:E0A1, 1209:0001)",
         udevRuleLine(ch)},
        {rules(
             {{"/lib/udev/rules.d/99-local.rules", QByteArray(goodRule).replace("e0a1", "E0A1")}}),
         both, Verdict::ok,
         "/lib/udev/rules.d/99-local.rules grants access to every id pair of the catalogue", ""},
        // An /etc file of the package's name that masks the package's own is named.
        {rules({{etcRule, chRule}}, {packageRule}), both, Verdict::fail,
         "but not to 1209:0001; " + etcRule + " masks the package's " + packageRule,
         "Move any lines of your own from " + etcRule +
             " to /etc/udev/rules.d/71-morvane-updater-local.rules and remove " + etcRule},
        {rules({{etcRule, goodRule}}, {packageRule}), both, Verdict::warn,
         "every id pair of the catalogue (1A86:E0A1, 1209:0001); " + etcRule + " masks", "Move"},
        {rules({{etcRule, {}, true}}, {packageRule}), both, Verdict::fail,
         etcRule + " is a link to /dev/null, which masks the rule", "Remove the link " + etcRule},
        {rules({{packageRule, goodRule}}), std::nullopt, Verdict::warn,
         packageRule + " is installed; whether it covers", "Make catalogue-reachable pass first."},
        {rules({}), std::vector<UsbIds>{}, Verdict::ok, "the catalogue names no device ids", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.finding.toStdString());
        const DoctorCheck check = udevRuleCheck(c.installed, c.ids);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_TRUE(check.finding.contains(c.finding)) << check.finding.toStdString();
        EXPECT_TRUE(check.fix.contains(c.fix)) << check.fix.toStdString();
        EXPECT_EQ(check.fix.isEmpty(), c.fix.isEmpty());
    }
    EXPECT_EQ(udevRuleCheck(std::nullopt, both).finding, "not checked: this system has no udev");
}

// For every pair of the package's rule file, the line doctor advises is the file's own.
TEST(DoctorJudgements, TheSuggestedLineIsThePackagesOwn)
{
    QFile file(MORVANE_UDEV_RULES_FILE);
    if (!file.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this platform's build writes no udev rule";
    }
    int pairs = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const std::vector<UsbIds> granted = idsGrantedByRules(line);
        if (granted.empty()) {
            continue;
        }
        ++pairs;
        const DoctorCheck check =
            udevRuleCheck(rules({{packageRule, "# emptied\n"}}), std::vector{granted.front()});
        EXPECT_TRUE(check.fix.contains(", such as " + QString::fromUtf8(line) + "; "))
            << check.fix.toStdString();
    }
    EXPECT_GT(pairs, 0);
}

TEST(DoctorJudgements, TheClockIsJudgedByTheServersDate)
{
    const qint64 now = 784111777;
    const struct
    {
        QByteArray date;
        QString bundle;
        Verdict verdict;
        const char *finding;
    } cases[] = {
        {"Sun, 06 Nov 1994 10:49:37 GMT", {}, Verdict::fail, "2 hours behind the server's"},
        {"Sun, 06 Nov 1994 08:39:37 GMT", {}, Verdict::warn, "10 minutes ahead of the server's"},
        {"Sun, 06 Nov 1994 08:50:07 GMT", {}, Verdict::ok, "agrees with the server's Date"},
        {"Sunday, 06-Nov-94 08:49:37 GMT", {}, Verdict::warn, "is not an HTTP date"},
        {"", "/media/bundle", Verdict::warn, "read from the bundle in /media/bundle"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.finding);
        const DoctorCheck check = clockCheck(c.date, now, c.bundle);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_TRUE(check.finding.contains(c.finding)) << check.finding.toStdString();
        EXPECT_EQ(check.area, DoctorCheck::Area::trust);
    }
}

TEST(DoctorJudgements, TheProxyOfTheEnvironmentIsTheOneLibproxyTakes)
{
    const QUrl catalogue("https://firmware.example.com/product/MORVANE_LST.txt");
    const struct
    {
        QMap<QString, QString> environment;
        std::optional<QString> unreachable;
        Verdict verdict;
        const char *finding;
    } cases[] = {
        {{}, {}, Verdict::ok, "no proxy is set"},
        {{{"https_proxy", ""}, {"http_proxy", "http://p:1"}},
         {},
         Verdict::warn,
         "https_proxy is set but empty"},
        {{{"http_proxy", "p.example:3128"}},
         {},
         Verdict::ok,
         "through http://p.example:3128 (http_proxy)"},
        {{{"HTTPS_PROXY", "http://p"}},
         QString("Connection refused"),
         Verdict::fail,
         "HTTPS_PROXY names http://p:80, which does not answer: Connection refused"},
        {{{"https_proxy", "http://p"}, {"no_proxy", "localhost, .example.com"}},
         {},
         Verdict::ok,
         "no_proxy exempts"},
        {{{"https_proxy", "http://"}}, {}, Verdict::fail, "names no proxy host"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.finding);
        const ProxySetting setting =
            proxySetting(catalogue, [&](const char *name) -> std::optional<QString> {
                const auto found = c.environment.find(name);
                return found == c.environment.end() ? std::nullopt : std::optional(*found);
            });
        const DoctorCheck check = proxyCheck(setting, c.unreachable);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_TRUE(check.finding.contains(c.finding)) << check.finding.toStdString();
    }
}
