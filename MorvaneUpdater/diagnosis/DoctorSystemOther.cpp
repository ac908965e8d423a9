#include "diagnosis/DoctorSystem.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DoctorSystemOther)
};

} // namespace

// Without udev and hidraw nodes there are no rules, daemon, node or seat of ours to look at;
// doctor says so for each.

std::optional<InstalledRules> installedUdevRules(const QString &)
{
    return std::nullopt;
}

std::optional<bool> udevDaemonRuns(bool)
{
    return std::nullopt;
}

std::optional<DeviceNodeFacts> deviceNodeFacts(const std::string &)
{
    return std::nullopt;
}

SessionFacts sessionFacts()
{
    return {std::nullopt, QString(), Texts::tr("this system has no logind")};
}
