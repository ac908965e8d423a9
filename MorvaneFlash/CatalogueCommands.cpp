#include "Commands.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "trust/CatalogueSignature.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueReading.h"
#include "update/UpdateMessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A digest as the list writes it; null when the record names none.
QJsonValue digestValue(const QString &digest)
{
    return digest.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(digest);
}

} // namespace

LoadedCatalogue loadCatalogue(Downloader &downloader, const QUrl &listURL,
                              const Environment &environment, Console &console)
{
    const CatalogueTrust trust = catalogueTrustFromKey(environment.catalogueKey);
    if (trust.keyBuiltIn && !trust.key) {
        console.printError(UpdateMessages::catalogueFetchFailed(trust.keyError));
        return {{}, exitIntegrity};
    }
    const Downloader::Answer answer = downloader.get(listURL, DownloadKind::list);
    if (answer.stopped) {
        return {{}, exitInterrupted};
    }
    if (!answer.result.succeeded()) {
        console.printError(UpdateMessages::catalogueFetchFailed(answer.result.errorDescription));
        return {{}, exitCatalogue};
    }
    const QUrl signatureURL = catalogueSignatureURL(listURL);
    std::optional<Downloader::Answer> signature;
    if (trust.key) {
        signature = downloader.get(signatureURL, DownloadKind::signature);
        if (signature->stopped) {
            return {{}, exitInterrupted};
        }
    }
    CatalogueReading reading = readCatalogue(*answer.result.body, trust, signatureURL,
                                             signature ? &signature->result : nullptr,
                                             AcceptedTimestamps(environment.firmwareFolder));
    if (!reading.items) {
        console.printError(reading.failureLine);
        return {{}, reading.refusedByTrust ? exitIntegrity : exitCatalogue};
    }
    return {std::move(*reading.items), exitSuccess};
}

QList<FirmwareItem> findModel(const QList<FirmwareItem> &items, const QString &model)
{
    const ModelIndex index(items);
    for (const QString &product : index.products()) {
        if (sameProductName(product, model) ||
            sameProductName(displayProductName(product), model)) {
            QList<FirmwareItem> records;
            for (const qsizetype position : index.recordsOf(product)) {
                records.append(items.at(position));
            }
            return records;
        }
    }
    return {};
}

QString usbIds(int64_t vendorID, int64_t productID)
{
    const auto hex = [](int64_t id) {
        return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
    };
    return hex(vendorID) + QLatin1Char(':') + hex(productID);
}

int runList(const Invocation &invocation, Environment &environment, Console &console)
{
    Downloader downloader(environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, invocation.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const ModelIndex index(catalogue.items);
    if (invocation.json) {
        QJsonArray models;
        for (const QString &product : index.products()) {
            QJsonArray versions;
            for (const qsizetype position : index.recordsOf(product)) {
                const FirmwareItem &item = catalogue.items.at(position);
                versions.append(QJsonObject{
                    {QStringLiteral("version"), item.version},
                    {QStringLiteral("vid"), item.vid},
                    {QStringLiteral("pid"), item.pid},
                    {QStringLiteral("copyright"), item.copyright},
                    {QStringLiteral("firmwareURL"), item.firmwareURL.toString()},
                    {QStringLiteral("notesURL"), item.notesURL.toString()},
                    {QStringLiteral("digest"), digestValue(item.digest)},
                    {QStringLiteral("notesDigest"), digestValue(item.notesDigest)},
                });
            }
            models.append(QJsonObject{{QStringLiteral("model"), product},
                                      {QStringLiteral("versions"), versions}});
        }
        console.print(
            QString::fromUtf8(QJsonDocument(models).toJson(QJsonDocument::Indented)).trimmed());
        return exitSuccess;
    }
    for (const QString &product : index.products()) {
        console.print(product);
        for (const qsizetype position : index.recordsOf(product)) {
            const FirmwareItem &item = catalogue.items.at(position);
            console.print(QStringLiteral("  ") + item.version + QStringLiteral("  ") + item.vid +
                          QLatin1Char(':') + item.pid + QStringLiteral("  ") + item.copyright);
        }
    }
    return exitSuccess;
}

int runNotes(const Invocation &invocation, Environment &environment, Console &console)
{
    const QString &model = invocation.arguments.at(0);
    const QString &version = invocation.arguments.at(1);
    Downloader downloader(environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, invocation.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const QList<FirmwareItem> versions = findModel(catalogue.items, model);
    const auto item =
        std::find_if(versions.begin(), versions.end(),
                     [&version](const FirmwareItem &i) { return i.version == version; });
    if (item == versions.end()) {
        console.printError(versions.isEmpty()
                               ? QStringLiteral("No model \"%1\" in the catalogue.").arg(model)
                               : QStringLiteral("No version \"%1\" of %2 in the catalogue.")
                                     .arg(version, versions.first().product));
        return exitUsage;
    }
    const Downloader::Answer answer = downloader.get(item->notesURL, DownloadKind::notes);
    if (answer.stopped) {
        return exitInterrupted;
    }
    const NotesReading reading =
        readNotes(*item, catalogueTrustFromKey(environment.catalogueKey).keyBuiltIn, answer.result);
    if (!reading.notes) {
        console.printError(reading.failureLine);
        return reading.refusedByTrust ? exitIntegrity : exitCatalogue;
    }
    console.print(*reading.notes);
    return exitSuccess;
}
