#include "flash/DeviceListing.h"

#include "bootloader/BootloaderError.h"
#include "bootloader/DeviceWatcher.h"
#include "bootloader/HidBackend.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/UsbIdentifier.h"
#include "flash/DeviceSelection.h"
#include "flash/FlashRecord.h"
#include "frame/Console.h"
#include "frame/Downloader.h"
#include "frame/Environment.h"
#include "frame/ExitStatus.h"
#include "update/UpdateTarget.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <utility>
#include <vector>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DeviceListing)
};

// A device's own text as one column: a tab or line end in it would forge another column or a
// line of its own for the scripts that read them.
QString column(const std::string &text)
{
    if (text.empty()) {
        return QStringLiteral("-");
    }
    return deviceString(text);
}

QString openError(int32_t code)
{
    return QString::fromStdString(BootloaderError::openFailed(code).errorDescription());
}

QJsonObject deviceJson(const QStringList &models, const AttachedDevice &device)
{
    QJsonObject entry = withDevice({{QStringLiteral("models"), QJsonArray::fromStringList(models)},
                                    {QStringLiteral("mayOpen"), device.mayOpen()}},
                                   device.info, DeviceFields::all);
    if (!device.mayOpen()) {
        entry.insert(QStringLiteral("error"), openError(device.openCode));
        if (const std::optional<std::string> hint = openPermissionHelp(device.openCode)) {
            entry.insert(QStringLiteral("hint"), QString::fromStdString(*hint));
        }
    }
    return entry;
}

// The listing's tab-separated line: the columns it always had first, access last. Scripts read
// it, so its words stay the same in every language.
QString deviceLine(const QStringList &models, const AttachedDevice &device)
{
    const HidDeviceInfo &info = device.info;
    const QString access = device.mayOpen()
                               ? QStringLiteral("may open")
                               : QStringLiteral("cannot open: ") + openError(device.openCode);
    return QStringList{models.isEmpty() ? QStringLiteral("-") : models.join(QStringLiteral(", ")),
                       QString::fromStdString(usbIdsText({info.vendorID, info.productID})),
                       column(info.path),
                       column(info.serialNumber),
                       column(info.usbPort),
                       column(info.manufacturer),
                       column(info.product),
                       access}
        .join(QLatin1Char('\t'));
}

// What to do about a device this user may not open, on the line after the device's.
void printHint(Console &console, const AttachedDevice &device)
{
    if (const std::optional<std::string> hint = openPermissionHelp(device.openCode)) {
        console.print(QStringLiteral("  ") + QString::fromStdString(*hint));
    }
}

void waitForStop(const std::stop_token &stop)
{
    std::mutex mutex;
    std::condition_variable_any stopped;
    std::unique_lock lock(mutex);
    stopped.wait(lock, stop, [] { return false; });
}

} // namespace

int listDevices(const std::vector<IdPair> &pairs, HidBackend &hid, Console &console, bool json,
                const QStringList &ports)
{
    std::vector<HidDeviceInfo> attached = hid.attachedDevices();
    std::erase_if(attached, [&](const HidDeviceInfo &info) { return !portMatches(ports, info); });
    QJsonArray entries;
    int found = 0;
    bool allOpen = true;
    for (const IdPair &pair : pairs) {
        for (const HidDeviceInfo &info : attached) {
            if (!carries(pair, info)) {
                continue;
            }
            ++found;
            const AttachedDevice device{info, probeOpen(hid, info.path)};
            allOpen = allOpen && device.mayOpen();
            if (json) {
                entries.append(deviceJson(pair.models, device));
            } else {
                console.print(deviceLine(pair.models, device));
                printHint(console, device);
            }
        }
    }
    if (json) {
        console.printJson(QJsonDocument(entries));
    } else if (found == 0) {
        console.printError(Texts::tr("No device found."));
    }
    return found > 0 && allOpen ? exitSuccess : exitDevice;
}

int watchDevices(const std::vector<IdPair> &pairs, Environment &environment, Console &console,
                 bool json, const QStringList &ports)
{
    std::vector<UsbIds> ids;
    for (const IdPair &pair : pairs) {
        if (isWatchable(pair.ids)) {
            ids.push_back(pair.ids);
        }
    }
    // Printed from the watcher's thread: it calls one change at a time, in the order they
    // happened, and the console keeps each line whole. The watcher goes before anything the
    // listener uses.
    const auto tell = [&](const DeviceWatcher::Change &change) {
        // Another station's ports are its own business, coming or going.
        if (!portMatches(ports, change.device.info)) {
            return;
        }
        const bool arrived = change.kind == DeviceWatcher::Change::Kind::arrived;
        const QString event = arrived ? QStringLiteral("arrived") : QStringLiteral("departed");
        const auto pair = std::find_if(pairs.begin(), pairs.end(), [&](const IdPair &p) {
            return carries(p, change.device.info);
        });
        const QStringList models = pair == pairs.end() ? QStringList() : pair->models;
        if (json) {
            QJsonObject entry = deviceJson(models, change.device);
            entry.insert(QStringLiteral("event"), event);
            entry.insert(QStringLiteral("time"),
                         QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
            console.printJsonLine(entry);
        } else {
            console.print(event + QLatin1Char('\t') + deviceLine(models, change.device));
            // A device that has gone needs no advice.
            if (arrived) {
                printHint(console, change.device);
            }
        }
    };
    DeviceWatcher watcher(
        environment.hid, environment.hotplugMonitor ? environment.hotplugMonitor() : nullptr, tell);
    watcher.watch(std::move(ids));
    waitForStop(environment.stop);
    return exitInterrupted;
}
