#include "CatalogueServer.h"
#include "DemoEnvironment.h"
#include "DevicePlan.h"
#include "PlannedDevices.h"
#include "SimulatedHidBackend.h"
#include "bundle/BundleLayout.h"
#include "frame/ExitStatus.h"
#include "language/Translations.h"
#include "program/ConsoleProgram.h"

#include <QCoreApplication>
#include <QUrl>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FlashDemoMain)
};

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
                taken.problem = Texts::tr("--demo-devices needs a plan").toStdString();
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
            taken.problem = Texts::tr("--demo-devices is given more than once").toStdString();
            break;
        }
        taken.plan = plan;
    }
    return taken;
}

// The folder --bundle names, read as morvane-flash reads its options (--bundle DIR or
// --bundle=DIR, up to a "--"); nothing without one.
std::optional<QString> bundleOption(const QStringList &arguments)
{
    const QString option = QStringLiteral("--bundle");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            break;
        }
        if (argument == option && i + 1 < arguments.size()) {
            return arguments.at(i + 1);
        }
        if (argument.startsWith(option + QLatin1Char('='))) {
            return argument.mid(option.size() + 1);
        }
    }
    return std::nullopt;
}

// The catalogue's address: the served one, or with a bundle the one it was made from, since
// each run serves the catalogue at a port of its own. A bundle that names none is refused by
// the command itself, whatever address it is asked for.
QUrl catalogueAddress(const CatalogueServer *server, const std::optional<QString> &bundle)
{
    const QString path = QStringLiteral("/product/MORVANE_LST.txt");
    if (server != nullptr) {
        return QUrl(QString::fromStdString(server->url(path.toStdString())));
    }
    return readBundleAddress(*bundle).listURL.value_or(
        QUrl(QStringLiteral("http://127.0.0.1") + path));
}

int usageError(const std::string &problem)
{
    const QString usage =
        Texts::tr("Usage: morvane-flash-demo [--demo-devices %1] COMMAND [ARGUMENTS]")
            .arg(QString::fromUtf8(devicePlanSyntax.data(), qsizetype(devicePlanSyntax.size())));
    std::fprintf(stderr, "morvane-flash-demo: %s\n%s\n", problem.c_str(),
                 usage.toUtf8().constData());
    return exitUsage;
}

} // namespace

// morvane-flash on the demo's stand-ins, for trying the command line without hardware and
// for tests that run it as a program: the sample catalogue served from 127.0.0.1 and signed
// with the demo key, which only this build trusts, and simulated devices, the window demo's
// own or those --demo-devices plans. With --bundle no catalogue is served: everything comes from
// the bundle, and the demo runs where there is no network at all.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Translations translations;
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

    const std::optional<QString> bundle = bundleOption(arguments.forwarded);
    std::optional<CatalogueServer> server;
    SimulatedHidBackend hid;
    std::vector<DemoDevice> demoDevices;
    std::optional<PlannedDevices> plannedDevices;
    try {
        if (!bundle) {
            publishDemoCatalogue(server.emplace());
        }
        if (plan) {
            plannedDevices.emplace(hid, plan->entries, demoNodeFolder());
        } else {
            demoDevices = attachDemoDevices(hid, demoNodeFolder());
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "morvane-flash-demo: %s\n", error.what());
        return exitCatalogue;
    }
    endProgram(runOnConsole(arguments.forwarded, hid,
                            catalogueAddress(server ? &*server : nullptr, bundle),
                            demoCatalogueKey(), [&hid] { return hid.hotplugMonitor(); }));
}
