#include "diagnosis/PermissionFindings.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PermissionFindings)
};

} // namespace

QList<DoctorCheck> permissionChecks(const PermissionFacts &facts, const QString &model)
{
    QList<DoctorCheck> checks{udevRuleCheck(facts.rules, std::vector<UsbIds>{facts.ids})};
    for (const UnopenedDevice &device : facts.devices) {
        checks.append(deviceAccessCheck(device.info, {model}, device.openCode, device.node));
    }
    checks.append(sessionCheck(facts.session));
    return checks;
}

QString permissionFindingsText(const QList<DoctorCheck> &checks)
{
    QStringList lines;
    for (const DoctorCheck &check : checks) {
        lines.append(
            Texts::tr("%1 (%2): %3").arg(check.id, verdictName(check.verdict), check.finding));
        if (!check.fix.isEmpty()) {
            lines.append(QStringLiteral("  ") + Texts::tr("fix: %1").arg(check.fix));
        }
    }
    return lines.join(QLatin1Char('\n'));
}
