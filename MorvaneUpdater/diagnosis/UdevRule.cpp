#include "diagnosis/UdevRule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UdevRule)
};

using Verdict = DoctorCheck::Verdict;

// The last step of every fix, after a semicolon.
QString reloadStep()
{
    return Texts::tr("then run \u201C%1\u201D or plug the device in again")
        .arg(QStringLiteral("sudo udevadm control --reload-rules && sudo udevadm trigger"));
}

QString idsList(const std::vector<UsbIds> &ids)
{
    QStringList texts;
    for (const UsbIds &pair : ids) {
        texts.append(QString::fromStdString(usbIdsText(pair)));
    }
    return texts.join(QStringLiteral(", "));
}

// One rule line's id pair, when it grants access to one.
std::optional<UsbIds> idsGrantedByLine(const QString &line)
{
    static const QRegularExpression assignment(
        QStringLiteral(R"re(([A-Za-z_]+)(?:\{([^}]*)\})?\s*(==|!=|\+=|-=|:=|=)\s*"([^"]*)")re"));
    bool hidraw = false;
    bool grants = false;
    QString vendor;
    QString product;
    for (const QRegularExpressionMatch &match : assignment.globalMatch(line)) {
        const QString key = match.captured(1);
        const QString attribute = match.captured(2);
        const QString op = match.captured(3);
        const QString value = match.captured(4);
        const bool assigns = op == u"=" || op == u":=";
        if (key == u"SUBSYSTEM" && op == u"==" && value == u"hidraw") {
            hidraw = true;
        } else if (key == u"ATTRS" && op == u"==" && attribute == u"idVendor") {
            vendor = value;
        } else if (key == u"ATTRS" && op == u"==" && attribute == u"idProduct") {
            product = value;
        } else if ((key == u"TAG" && (assigns || op == u"+=") && value == u"uaccess") ||
                   ((key == u"MODE" || key == u"GROUP") && assigns)) {
            grants = true;
        }
    }
    if (!hidraw || !grants) {
        return std::nullopt;
    }
    return usbIdsOf(vendor.toStdString(), product.toStdString());
}

// The package's file among those udev reads, and the one of its name that file hides.
struct PackageRule
{
    const RulesFile *file = nullptr;
    QString hides;
};

PackageRule packageRule(const InstalledRules &installed)
{
    const QString name = QLatin1String(udevRuleName);
    const auto named = [&](const QString &path) {
        return QFileInfo(path).fileName() == name;
    };
    PackageRule rule;
    const auto found = std::find_if(installed.files.begin(), installed.files.end(),
                                    [&](const RulesFile &file) { return named(file.path); });
    if (found != installed.files.end()) {
        rule.file = &*found;
    }
    const auto hidden = std::find_if(installed.hidden.begin(), installed.hidden.end(), named);
    if (hidden != installed.hidden.end()) {
        rule.hides = *hidden;
    }
    return rule;
}

// Which of the catalogue's pairs the rules grant, and the files that grant them.
struct Coverage
{
    std::vector<UsbIds> covered;
    std::vector<UsbIds> missing;
    QStringList granting;
};

Coverage coverageOf(const InstalledRules &installed, const std::vector<UsbIds> &ids)
{
    Coverage coverage;
    for (const UsbIds &pair : ids) {
        if (!isWatchable(pair)) {
            continue;
        }
        bool found = false;
        for (const RulesFile &file : installed.files) {
            const std::vector<UsbIds> granted = idsGrantedByRules(file.text);
            if (std::find(granted.begin(), granted.end(), pair) != granted.end()) {
                found = true;
                if (!coverage.granting.contains(file.path)) {
                    coverage.granting.append(file.path);
                }
            }
        }
        (found ? coverage.covered : coverage.missing).push_back(pair);
    }
    return coverage;
}

QString absentFinding(const InstalledRules &installed)
{
    return Texts::tr("no %1 in %2")
        .arg(QLatin1String(udevRuleName), installed.folders.join(QStringLiteral(", ")));
}

QString installFix()
{
    return Texts::tr("Install the package built for this catalogue, or copy its %1 into "
                     "/etc/udev/rules.d; %2.")
        .arg(QLatin1String(udevRuleName), reloadStep());
}

// Without the catalogue's ids only the rule's presence is judged.
DoctorCheck presenceCheck(DoctorCheck check, const InstalledRules &installed,
                          const PackageRule &rule)
{
    if (rule.file != nullptr) {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("%1 is installed; whether it covers the catalogue's "
                                  "ids is not known, since the catalogue did not come")
                            .arg(rule.file->path);
        check.fix = afterReachableFix();
    } else {
        check.verdict = Verdict::fail;
        check.finding = absentFinding(installed);
        check.fix = installFix();
    }
    return check;
}

// Some of the catalogue's pairs are granted to nobody.
DoctorCheck missingCheck(DoctorCheck check, const InstalledRules &installed,
                         const PackageRule &rule, const Coverage &coverage)
{
    check.verdict = Verdict::fail;
    const bool none = coverage.covered.empty();
    if (none && rule.file != nullptr && rule.file->masked) {
        check.finding =
            Texts::tr("%1 is a link to /dev/null, which masks the rule").arg(rule.file->path);
        check.fix = Texts::tr("Remove the link %1; %2.").arg(rule.file->path, reloadStep());
        return check;
    }
    if (none && rule.file == nullptr) {
        check.finding = Texts::tr("%1, and no rule there grants access to the catalogue's ids")
                            .arg(absentFinding(installed));
        check.fix = installFix();
        return check;
    }
    check.finding = none ? Texts::tr("%1 grants access to none of the catalogue's id pairs "
                                     "(%2)")
                               .arg(rule.file->path, idsList(coverage.missing))
                         : Texts::tr("the rules grant access to %1 but not to %2")
                               .arg(idsList(coverage.covered), idsList(coverage.missing));
    check.fix = Texts::tr("Install the package built for this catalogue, or add a line per "
                          "missing pair to %1, such as %2; %3.")
                    .arg(QLatin1String(localUdevRulePath), udevRuleLine(coverage.missing.front()),
                         reloadStep());
    return check;
}

// A file of the package's name in a folder udev reads first hides the package's own, so the
// package's lines, and those a later version adds, are not read: said whatever else is found.
DoctorCheck withMasking(DoctorCheck check, const PackageRule &rule)
{
    if (rule.file == nullptr || rule.file->masked || rule.hides.isEmpty()) {
        return check;
    }
    check.verdict = std::max(check.verdict, Verdict::warn);
    check.finding =
        Texts::tr("%1; %2 masks the package's %3").arg(check.finding, rule.file->path, rule.hides);
    check.fix =
        Texts::tr("Move any lines of your own from %1 to %2 and remove %1, so that "
                  "the package's %3 is read again; %4.")
            .arg(rule.file->path, QLatin1String(localUdevRulePath), rule.hides, reloadStep());
    return check;
}

} // namespace

QString udevRuleLine(UsbIds ids)
{
    return QStringLiteral(R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="%1", ATTRS{idProduct}=="%2", )"
                          R"(TAG+="uaccess", GROUP="morvane-bench", MODE="0660")")
        .arg(QString::fromStdString(usbIdText(ids.vendorID)).toLower(),
             QString::fromStdString(usbIdText(ids.productID)).toLower());
}

std::vector<UsbIds> idsGrantedByRules(QByteArrayView rules)
{
    QString text = QString::fromUtf8(rules);
    text.replace(QStringLiteral("\\\r\n"), QStringLiteral(" "));
    text.replace(QStringLiteral("\\\n"), QStringLiteral(" "));
    std::vector<UsbIds> granted;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const std::optional<UsbIds> ids = idsGrantedByLine(line);
        if (ids && std::find(granted.begin(), granted.end(), *ids) == granted.end()) {
            granted.push_back(*ids);
        }
    }
    return granted;
}

DoctorCheck udevRuleCheck(const std::optional<InstalledRules> &installed,
                          const std::optional<std::vector<UsbIds>> &ids)
{
    DoctorCheck check{QStringLiteral("udev-rule")};
    check.area = DoctorCheck::Area::device;
    if (!installed) {
        check.finding = notCheckedBecause(Texts::tr("this system has no udev"));
        return check;
    }
    const PackageRule rule = packageRule(*installed);
    if (!ids) {
        return withMasking(presenceCheck(check, *installed, rule), rule);
    }
    const Coverage coverage = coverageOf(*installed, *ids);
    if (!coverage.missing.empty()) {
        return withMasking(missingCheck(check, *installed, rule, coverage), rule);
    }
    check.finding =
        coverage.covered.empty()
            ? Texts::tr("the catalogue names no device ids, so no rule is needed")
            : Texts::tr("%1 grants access to every id pair of the catalogue (%2)")
                  .arg(coverage.granting.join(QStringLiteral(", ")), idsList(coverage.covered));
    return withMasking(check, rule);
}
