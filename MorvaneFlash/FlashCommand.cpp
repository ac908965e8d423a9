#include "Commands.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "ProgressDisplay.h"
#include "bootloader/BootloaderError.h"
#include "bootloader/HIDBootloader.h"
#include "bootloader/HidBackend.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/TransferStopped.h"
#include "bootloader/UsbIdentifier.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/FirmwareFileName.h"
#include "update/FirmwareStore.h"
#include "update/UpdateMessages.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <span>
#include <thread>

namespace {

struct Target
{
    QString product;
    QString version;
    QString vid;
    QString pid;
    std::optional<FirmwareItem> item; // absent for an image file
    QByteArray image;                 // the file's bytes for an image file
};

struct Outcome
{
    int status = exitSuccess;
    QString line;
    // The help line after an open this user is not allowed.
    std::optional<std::string> hint = {};
};

QString stoppedLine()
{
    return UpdateMessages::updateStopped() +
           QStringLiteral(" The transfer ended at a report boundary and the device was closed; "
                          "it may need a new update.");
}

Outcome outcomeOf(const BootloaderError &error)
{
    Outcome outcome{exitTransfer,
                    UpdateMessages::updateFailed(QString::fromStdString(error.errorDescription())),
                    openFailureHelp(error)};
    switch (error.kind()) {
    case BootloaderError::Kind::openFailed:
    case BootloaderError::Kind::deviceNotFound:
    case BootloaderError::Kind::invalidUSBIdentifier:
        outcome.status = exitDevice;
        break;
    default:
        break;
    }
    return outcome;
}

// Runs one transfer and turns its end into an outcome; never throws.
template <typename Transfer> Outcome runTransfer(Transfer &&transfer)
{
    try {
        transfer();
        return {exitSuccess, UpdateMessages::updateCompleted()};
    } catch (const BootloaderError &error) {
        return outcomeOf(error);
    } catch (const TransferStopped &) {
        return {exitInterrupted, stoppedLine()};
    } catch (const std::exception &error) {
        return {exitTransfer, UpdateMessages::updateFailed(QString::fromUtf8(error.what()))};
    }
}

void report(Console &console, const QString &label, const Outcome &outcome)
{
    const QString line =
        label.isEmpty() ? outcome.line : label + QStringLiteral(": ") + outcome.line;
    if (outcome.status == exitSuccess) {
        console.print(line);
    } else {
        console.printError(line);
    }
    if (outcome.hint) {
        console.printError(QString::fromStdString(*outcome.hint));
    }
}

ProgressDisplay::Mode progressMode(const Invocation &invocation, const Console &console)
{
    if (invocation.quiet) {
        return ProgressDisplay::Mode::quiet;
    }
    return console.isTerminal() ? ProgressDisplay::Mode::terminal : ProgressDisplay::Mode::plain;
}

// The version to flash: the one named, or the first listed as the window preselects.
int resolveCatalogueTarget(const Invocation &invocation, Environment &environment,
                           Downloader &downloader, Console &console, Target &target)
{
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, invocation.listURL, environment.catalogueKey, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const QString &model = invocation.arguments.at(0);
    const QList<FirmwareItem> versions = findModel(catalogue.items, model);
    if (versions.isEmpty()) {
        console.printError(QStringLiteral("No model \"%1\" in the catalogue.").arg(model));
        return exitUsage;
    }
    auto chosen = versions.begin();
    if (invocation.arguments.size() > 1) {
        const QString &version = invocation.arguments.at(1);
        chosen = std::find_if(versions.begin(), versions.end(),
                              [&version](const FirmwareItem &i) { return i.version == version; });
        if (chosen == versions.end()) {
            console.printError(QStringLiteral("No version \"%1\" of %2 in the catalogue.")
                                   .arg(version, versions.first().product));
            return exitUsage;
        }
    }
    target = {chosen->product, chosen->version, chosen->vid, chosen->pid, *chosen, {}};
    return exitSuccess;
}

int resolveFileTarget(const Invocation &invocation, Console &console, Target &target)
{
    QFile file(invocation.file);
    if (!file.open(QIODevice::ReadOnly)) {
        console.printError(QStringLiteral("Cannot read the firmware file %1: %2")
                               .arg(invocation.file, file.errorString()));
        return exitUsage;
    }
    target.image = file.readAll();
    // An empty image would be "flashed" without a byte reaching the device.
    if (target.image.isEmpty()) {
        console.printError(QStringLiteral("The firmware file %1 is empty.").arg(invocation.file));
        return exitUsage;
    }
    const QString ids = usbIds(*invocation.vid, *invocation.pid);
    target.product = ids;
    target.version = QFileInfo(invocation.file).fileName();
    target.vid = ids.left(4);
    target.pid = ids.mid(5);
    return exitSuccess;
}

// Downloads the image and keeps a copy where the window keeps its copies.
int downloadImage(Environment &environment, Downloader &downloader, Console &console, bool quiet,
                  Target &target)
{
    const Downloader::Answer answer = downloader.get(target.item->firmwareURL);
    if (answer.stopped) {
        return exitInterrupted;
    }
    if (!answer.result.succeeded()) {
        console.printError(UpdateMessages::downloadFailed(answer.result.errorDescription));
        return exitCatalogue;
    }
    target.image = *answer.result.body;
    const KeptFirmware kept =
        keepDownloadedFirmware(environment.firmwareFolder, *target.item, target.image);
    if (!kept.succeeded()) {
        console.printError(kept.failureLine);
        return kept.integrityFailure ? exitIntegrity : exitCatalogue;
    }
    if (!quiet) {
        console.print(UpdateMessages::firmwareDownloaded(
            firmwareDisplayName(QFileInfo(kept.filePath).fileName())));
    }
    return exitSuccess;
}

int flashOne(const Invocation &invocation, Environment &environment, Console &console,
             const Target &target, std::span<const uint8_t> image)
{
    HIDBootloader bootloader(environment.hid);
    ProgressDisplay display(console, progressMode(invocation, console), {QString()});
    const Outcome outcome = runTransfer([&] {
        bootloader.flash(
            image, target.vid.toStdString(), target.pid.toStdString(),
            [&display](int percent) { display.update(0, percent); }, environment.stop);
    });
    display.finish();
    report(console, QString(), outcome);
    return outcome.status;
}

// One transfer thread per device, all at once; each device's end is its own.
int flashAll(const Invocation &invocation, Environment &environment, Console &console,
             std::vector<std::unique_ptr<HidDevice>> devices, std::span<const uint8_t> image)
{
    HIDBootloader bootloader(environment.hid);
    QStringList labels;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const std::string path = devices[i]->path();
        labels.append(path.empty() ? QStringLiteral("device %1").arg(i + 1)
                                   : QString::fromStdString(path));
    }
    ProgressDisplay display(console, progressMode(invocation, console), labels);
    std::vector<Outcome> outcomes(devices.size());
    {
        std::vector<std::jthread> transfers;
        transfers.reserve(devices.size());
        for (std::size_t i = 0; i < devices.size(); ++i) {
            transfers.emplace_back([&, i] {
                outcomes[i] = runTransfer([&] {
                    bootloader.flashDevice(
                        *devices[i], image,
                        [&display, i](int percent) { display.update(i, percent); },
                        environment.stop);
                });
            });
        }
    }
    display.finish();
    int status = exitSuccess;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        report(console, labels.at(qsizetype(i)), outcomes[i]);
        status = std::max(status, outcomes[i].status);
    }
    return status;
}

} // namespace

int runFlash(const Invocation &invocation, Environment &environment, Console &console)
{
    Downloader downloader(environment.stop, console);
    Target target;
    const int resolved =
        invocation.file.isEmpty()
            ? resolveCatalogueTarget(invocation, environment, downloader, console, target)
            : resolveFileTarget(invocation, console, target);
    if (resolved != exitSuccess) {
        return resolved;
    }
    const bool quiet = invocation.quiet;
    if (!quiet) {
        console.print(UpdateMessages::preparingUpdate(target.product, target.version));
    }
    if (target.item) {
        // Refused before anything is downloaded, as the window refuses it.
        if (const std::optional<QString> refusal = flashRefusal(
                *target.item, catalogueTrustFromKey(environment.catalogueKey).keyBuiltIn)) {
            console.printError(UpdateMessages::updateFailed(*refusal));
            return exitIntegrity;
        }
    }

    const std::optional<int64_t> vendorID = parseUSBIdentifier(target.vid.toStdString());
    const std::optional<int64_t> productID = parseUSBIdentifier(target.pid.toStdString());
    std::vector<std::unique_ptr<HidDevice>> devices;
    if (vendorID && productID) {
        devices = environment.hid.devices(*vendorID, *productID);
    }
    if (devices.empty()) {
        console.printError(UpdateMessages::deviceAbsent(target.product));
        return exitDevice;
    }
    if (!quiet) {
        console.print(UpdateMessages::deviceFound(target.product));
    }
    if (target.item) {
        if (const int status = downloadImage(environment, downloader, console, quiet, target);
            status != exitSuccess) {
            return status;
        }
    }
    if (!quiet) {
        console.print(UpdateMessages::transferStarting());
    }
    const std::span<const uint8_t> image(
        reinterpret_cast<const uint8_t *>(target.image.constData()),
        std::size_t(target.image.size()));
    if (invocation.allDevices) {
        return flashAll(invocation, environment, console, std::move(devices), image);
    }
    // As in the window, the transfer finds the device again for itself.
    devices.clear();
    return flashOne(invocation, environment, console, target, image);
}
