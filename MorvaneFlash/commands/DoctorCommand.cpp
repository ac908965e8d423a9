#include "commands/DoctorCommand.h"

#include "bootloader/DeviceWatcher.h"
#include "bootloader/HidBackend.h"
#include "commands/SharedOptions.h"
#include "diagnosis/DoctorChecks.h"
#include "diagnosis/DoctorNetworkChecks.h"
#include "diagnosis/DoctorSystem.h"
#include "diagnosis/NetworkFacts.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFetch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <chrono>
#include <functional>
#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DoctorCommand)
};

using Report = std::function<void(const DoctorCheck &)>;

// The catalogue's checks, the clock's and the proxy's, and what was read of the catalogue;
// nothing when the run was interrupted. It is taken as list takes it, so its signing time is
// kept as list would keep it.
std::optional<CatalogueReading> reportCatalogue(const DoctorOptions &options,
                                                Environment &environment, Console &console,
                                                const Report &report)
{
    Downloader downloader(options.bundle, environment.stop, console);
    DoctorSource source(downloader.source());
    const CatalogueTrust &trust = environment.catalogueTrust;
    std::optional<CatalogueReading> reading;
    {
        CatalogueFetch fetch(source, trust, AcceptedTimestamps(environment.firmwareFolder));
        reading = fetchCatalogue(downloader, fetch, options.listURL);
    }
    if (!reading) {
        return std::nullopt;
    }
    for (const DoctorCheck &check : catalogueChecks(
             options.listURL, trust.keyBuiltIn, source.listAnswer(), *reading, options.bundle)) {
        report(check);
    }
    report(clockCheck(source.listAnswer() ? source.listAnswer()->serverDate : QByteArray(),
                      QDateTime::currentSecsSinceEpoch(), options.bundle));
    report(options.bundle.isEmpty() ? judgeProxy(options.listURL)
                                    : proxyUnusedCheck(options.bundle));
    return reading;
}

// Each attached device of the catalogue's ids (`pairs`; nothing when they are not known).
void reportDevices(const std::optional<std::vector<IdPair>> &pairs, HidBackend &hid,
                   const Report &report)
{
    bool found = false;
    // Listed in the warning when none has the ids, so that a unit with other ids stands out.
    const std::vector<HidDeviceInfo> attached =
        pairs ? hid.attachedDevices() : std::vector<HidDeviceInfo>{};
    if (pairs) {
        for (const IdPair &pair : *pairs) {
            for (const HidDeviceInfo &info : attached) {
                if (carries(pair, info)) {
                    found = true;
                    report(deviceAccessCheck(info, pair.models, probeOpen(hid, info.path),
                                             deviceNodeFacts(info.path)));
                }
            }
        }
    }
    if (!found) {
        report(noDeviceCheck(pairs.has_value(), attached));
    }
}

int exitStatusOf(DoctorCheck::Area area)
{
    switch (area) {
    case DoctorCheck::Area::catalogue:
        return exitCatalogue;
    case DoctorCheck::Area::trust:
        return exitIntegrity;
    case DoctorCheck::Area::device:
        break;
    }
    return exitDevice;
}

// That of the first failing check's area, else success.
int doctorStatus(const QList<DoctorCheck> &checks)
{
    for (const DoctorCheck &check : checks) {
        if (check.verdict == DoctorCheck::Verdict::fail) {
            return exitStatusOf(check.area);
        }
    }
    return exitSuccess;
}

} // namespace

int runDoctor(const DoctorOptions &options, Environment &environment, Console &console)
{
    QList<DoctorCheck> checks;
    const Report report = [&](const DoctorCheck &check) {
        checks.append(check);
        if (options.json) {
            console.printJsonLine(doctorCheckJson(check));
        } else {
            console.print(doctorCheckText(check));
        }
    };

    // The catalogue first: its ids say which rule lines and which devices matter.
    const std::optional<CatalogueReading> reading =
        reportCatalogue(options, environment, console, report);
    if (!reading) {
        return exitInterrupted;
    }
    std::optional<std::vector<IdPair>> pairs;
    std::optional<std::vector<UsbIds>> ids;
    if (reading->items) {
        pairs = catalogueIds(*reading->items);
        ids.emplace();
        for (const IdPair &pair : *pairs) {
            ids->push_back(pair.ids);
        }
    }
    report(udevRuleCheck(installedUdevRules(options.root), ids));
    report(udevDaemonCheck(
        udevDaemonRuns(environment.hotplugMonitor && environment.hotplugMonitor())));
    reportDevices(pairs, environment.hid, report);
    report(sessionCheck(sessionFacts()));
    report(dataFolderCheck(dataFolderFacts(environment.firmwareFolder)));
    return doctorStatus(checks);
}

namespace {

std::optional<QString> readDoctorOptions(const CommandLine &line, DoctorOptions &options)
{
    options.json = line.isSet("json");
    if (line.isSet("root")) {
        options.root = line.value("root");
        if (options.root.isEmpty()) {
            return Texts::tr("--root needs a folder.");
        }
    }
    return std::nullopt;
}

CommandRun readDoctor(const CommandLine &line)
{
    auto options = optionsOf<DoctorOptions>(line);
    std::optional<QString> problem = readDoctorOptions(line, options);
    return commandRun(std::move(problem), std::move(options), runDoctor);
}

} // namespace

CommandDeclaration doctorCommand()
{
    return {
        .name = "doctor",
        .options = {jsonOption(),
                    {QStringLiteral("root"),
                     Texts::tr("doctor: reads the udev rules under this folder instead "
                               "of /, for tests."),
                     QStringLiteral("DIR"), Completion::folder}},
        .usage = {{"doctor [--json] [--root DIR]",
                   Texts::tr("checks what updating needs here: the udev rule,\ndevice access, the "
                             "catalogue, the clock, proxies\nand the data folder")}},
        .read = readDoctor};
}
