#include "CatalogueServer.h"
#include "ConsoleProgram.h"
#include "DemoEnvironment.h"
#include "DevicePlan.h"
#include "ExitStatus.h"
#include "PlannedDevices.h"
#include "SimulatedHidBackend.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

const QString planOption = QStringLiteral("--demo-devices");

struct DemoArguments
{
    // The program name and everything but the plan option, in their order.
    QStringList forwarded;
    std::optional<QString> plan;
    std::string problem;
};

// The plan option is the demo's own, so it may stand anywhere, as --demo-devices PLAN or
// --demo-devices=PLAN, up to a "--": after that every word is the command's.
DemoArguments takePlanOption(const QStringList &arguments)
{
    DemoArguments taken;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            taken.forwarded += arguments.mid(i);
            break;
        }
        std::optional<QString> plan;
        if (argument == planOption) {
            if (++i == arguments.size()) {
                taken.problem = "--demo-devices needs a plan";
                break;
            }
            plan = arguments.at(i);
        } else if (argument.startsWith(planOption + QLatin1Char('='))) {
            plan = argument.mid(planOption.size() + 1);
        } else {
            taken.forwarded << argument;
            continue;
        }
        if (taken.plan) {
            taken.problem = "--demo-devices is given more than once";
            break;
        }
        taken.plan = plan;
    }
    return taken;
}

int usageError(const std::string &problem)
{
    std::fprintf(stderr,
                 "morvane-flash-demo: %s\n"
                 "Usage: morvane-flash-demo [--demo-devices %.*s] COMMAND [ARGUMENTS]\n",
                 problem.c_str(), int(devicePlanSyntax.size()), devicePlanSyntax.data());
    return exitUsage;
}

} // namespace

// morvane-flash on the demo's stand-ins, for trying the command line without hardware and
// for tests that run it as a program: the sample catalogue served from 127.0.0.1 and signed
// with the demo key, which only this build trusts, and simulated devices, the window demo's
// own or those --demo-devices plans.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const DemoArguments arguments = takePlanOption(QCoreApplication::arguments());
    if (!arguments.problem.empty()) {
        return usageError(arguments.problem);
    }
    std::optional<DevicePlan> plan;
    if (arguments.plan) {
        plan = parseDevicePlan(arguments.plan->toStdString());
        if (!plan->error.empty()) {
            return usageError(plan->error);
        }
    }

    CatalogueServer server;
    SimulatedHidBackend hid;
    // Stand-in nodes, so that doctor has each device's node to look at.
    const QTemporaryDir nodes;
    std::vector<DemoDevice> demoDevices;
    std::optional<PlannedDevices> plannedDevices;
    try {
        publishDemoCatalogue(server);
        if (plan) {
            plannedDevices.emplace(hid, plan->entries, nodes.path().toStdString());
        } else {
            demoDevices = attachDemoDevices(hid, nodes.path().toStdString());
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "morvane-flash-demo: %s\n", error.what());
        return exitCatalogue;
    }
    return runOnConsole(arguments.forwarded, hid,
                        QUrl(QString::fromStdString(server.url("/product/MORVANE_LST.txt"))),
                        demoCatalogueKey(), [&hid] { return hid.hotplugMonitor(); });
}
