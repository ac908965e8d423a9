#include "Commands.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "bootloader/BootloaderError.h"
#include "bootloader/HidBackend.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/UsbIdentifier.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <utility>
#include <vector>

namespace {

struct IdPair
{
    int64_t vendorID;
    int64_t productID;
    QStringList models;
};

// The distinct id pairs of the catalogue in order of first appearance, each with its models.
std::vector<IdPair> catalogueIds(const QList<FirmwareItem> &items)
{
    std::vector<IdPair> pairs;
    for (const FirmwareItem &item : items) {
        const std::optional<int64_t> vendorID = parseUSBIdentifier(item.vid.toStdString());
        const std::optional<int64_t> productID = parseUSBIdentifier(item.pid.toStdString());
        if (!vendorID || !productID) {
            continue;
        }
        auto pair = std::find_if(pairs.begin(), pairs.end(), [&](const IdPair &p) {
            return p.vendorID == *vendorID && p.productID == *productID;
        });
        if (pair == pairs.end()) {
            pairs.push_back({*vendorID, *productID, {}});
            pair = pairs.end() - 1;
        }
        if (!pair->models.contains(item.product)) {
            pair->models.append(item.product);
        }
    }
    return pairs;
}

} // namespace

int runDevices(const Invocation &invocation, Environment &environment, Console &console)
{
    std::vector<IdPair> pairs;
    if (invocation.vid) {
        pairs.push_back({*invocation.vid, *invocation.pid, {}});
    } else {
        Downloader downloader(environment.stop, console);
        const LoadedCatalogue catalogue =
            loadCatalogue(downloader, invocation.listURL, environment, console);
        if (catalogue.status != exitSuccess) {
            return catalogue.status;
        }
        pairs = catalogueIds(catalogue.items);
    }

    QJsonArray json;
    int found = 0;
    bool allOpen = true;
    for (const IdPair &pair : pairs) {
        for (const std::unique_ptr<HidDevice> &device :
             environment.hid.devices(pair.vendorID, pair.productID)) {
            ++found;
            // Opening and closing at once is how this user's access is known for sure.
            const int32_t code = device->open();
            device->close();
            allOpen = allOpen && code == 0;
            const QString ids = usbIds(pair.vendorID, pair.productID);
            const QString path = QString::fromStdString(device->path());
            const QString openError =
                code == 0
                    ? QString()
                    : QString::fromStdString(BootloaderError::openFailed(code).errorDescription());
            if (invocation.json) {
                QJsonObject entry{
                    {QStringLiteral("models"), QJsonArray::fromStringList(pair.models)},
                    {QStringLiteral("vid"), ids.left(4)},
                    {QStringLiteral("pid"), ids.mid(5)},
                    {QStringLiteral("path"), path},
                    {QStringLiteral("mayOpen"), code == 0}};
                if (code != 0) {
                    entry.insert(QStringLiteral("error"), openError);
                    if (const std::optional<std::string> hint = openPermissionHelp(code)) {
                        entry.insert(QStringLiteral("hint"), QString::fromStdString(*hint));
                    }
                }
                json.append(entry);
                continue;
            }
            const QString model = pair.models.isEmpty() ? QStringLiteral("-")
                                                        : pair.models.join(QStringLiteral(", "));
            const QString access = code == 0 ? QStringLiteral("may open")
                                             : QStringLiteral("cannot open: ") + openError;
            console.print(model + QLatin1Char('\t') + ids + QLatin1Char('\t') + path +
                          QLatin1Char('\t') + access);
            if (const std::optional<std::string> hint = openPermissionHelp(code)) {
                console.print(QStringLiteral("  ") + QString::fromStdString(*hint));
            }
        }
    }
    if (invocation.json) {
        console.printJson(QJsonDocument(json));
    } else if (found == 0) {
        console.printError(QStringLiteral("No device found."));
    }
    return found > 0 && allOpen ? exitSuccess : exitDevice;
}
