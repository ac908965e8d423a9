#include "catalogue/ModelIndex.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "commands/CatalogueChoice.h"
#include "commands/Commands.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/CatalogueLint.h"
#include "trust/CatalogueSignature.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFetch.h"
#include "update/UpdateMessages.h"
#include "update/UpdateTarget.h"

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

std::optional<CatalogueReading> fetchCatalogue(Downloader &downloader, CatalogueFetch &fetch,
                                               const QUrl &listURL)
{
    std::optional<CatalogueReading> reading;
    QObject::connect(&fetch, &CatalogueFetch::listFetched,
                     [&reading](const CatalogueReading &fetched) { reading = fetched; });
    fetch.fetchList(listURL);
    QUrl abandoned;
    const bool stopped = downloader.waitUntil(
        &fetch, &CatalogueFetch::listFetched, [&reading] { return reading.has_value(); },
        [&] {
            abandoned = fetch.pendingListAddress();
            fetch.abort(QStringLiteral("Stopped."));
        });
    if (stopped) {
        downloader.sayAbandoned(abandoned);
        return std::nullopt;
    }
    return reading;
}

bool mayUseBundles(const Environment &environment, Console &console)
{
    if (catalogueTrustFromKey(environment.catalogueKey).keyBuiltIn) {
        return true;
    }
    console.printError(QStringLiteral("This build trusts no catalogue key, and a bundle is "
                                      "believed only through the catalogue's signature: it "
                                      "neither makes nor reads bundles."));
    return false;
}

LoadedCatalogue loadCatalogue(Downloader &downloader, const QUrl &listURL,
                              const Environment &environment, Console &console)
{
    if (downloader.readsBundle() && !mayUseBundles(environment, console)) {
        return {{}, exitIntegrity};
    }
    CatalogueFetch fetch(downloader.source(), catalogueTrustFromKey(environment.catalogueKey),
                         AcceptedTimestamps(environment.firmwareFolder));
    std::optional<CatalogueReading> reading = fetchCatalogue(downloader, fetch, listURL);
    if (!reading) {
        return {{}, exitInterrupted};
    }
    for (const QString &notice : reading->recordNotices) {
        console.printError(notice);
    }
    if (!reading->items) {
        console.printError(reading->failureLine);
        if (!reading->refusedByTrust && !downloader.readsBundle()) {
            console.printError(UpdateMessages::catalogueAddress(listURL));
        }
        return {{}, reading->refusedByTrust ? exitIntegrity : exitCatalogue};
    }
    return {std::move(*reading->items), exitSuccess, *reading->list, reading->signature};
}

std::vector<IdPair> catalogueIds(const QList<FirmwareItem> &items)
{
    std::vector<IdPair> pairs;
    for (const FirmwareItem &item : items) {
        const std::optional<UsbIds> ids = usbIdsOf(item);
        if (!ids) {
            continue;
        }
        auto pair = std::find_if(pairs.begin(), pairs.end(),
                                 [&](const IdPair &p) { return p.ids == *ids; });
        if (pair == pairs.end()) {
            pairs.push_back({*ids, {}});
            pair = pairs.end() - 1;
        }
        if (!pair->models.contains(item.product)) {
            pair->models.append(item.product);
        }
    }
    return pairs;
}

bool carries(const IdPair &pair, const HidDeviceInfo &info)
{
    return pair.ids == UsbIds{info.vendorID, info.productID};
}

namespace {

// The names the model list may be asked by: the full name and the one without the maker word.
template <typename Same> bool namesProduct(const QString &product, const QString &model, Same same)
{
    return same(product, model) || same(displayProductName(product), model);
}

bool sameIgnoringCase(const QString &lhs, const QString &rhs)
{
    return canonicalForm(lhs).toCaseFolded() == canonicalForm(rhs).toCaseFolded();
}

// "1", "1 and 3", "1, 3 and 5"
QString lineList(const QList<qsizetype> &lines)
{
    QStringList numbers;
    for (const qsizetype line : lines) {
        numbers.append(QString::number(line));
    }
    if (numbers.size() < 2) {
        return numbers.join(QString());
    }
    const QString last = numbers.takeLast();
    return numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// The list's lines that hold a record of this product and version, counted as lint counts them.
QList<qsizetype> linesOf(const QByteArray &list, const FirmwareItem &item)
{
    QList<qsizetype> lines;
    for (const LintedRecord &record : lintCatalogue(list, false).records) {
        if (sameProductName(record.item.product, item.product) &&
            canonicallyEqual(record.item.version, item.version)) {
            lines.append(record.line);
        }
    }
    return lines;
}

} // namespace

std::optional<QString> chooseModel(const LoadedCatalogue &catalogue, const QString &model,
                                   Console &console)
{
    const ModelIndex index(catalogue.items);
    QStringList matches;
    for (const QString &product : index.products()) {
        if (namesProduct(product, model, sameProductName)) {
            matches = {product};
            break;
        }
        if (namesProduct(product, model, sameIgnoringCase)) {
            matches.append(product);
        }
    }
    if (matches.isEmpty()) {
        console.printError(QStringLiteral("No model \"%1\" in the catalogue.").arg(model));
        return std::nullopt;
    }
    if (matches.size() > 1) {
        console.printError(QStringLiteral("\"%1\" names %2 models when letter case is ignored: "
                                          "\"%3\"; name one as the catalogue writes it.")
                               .arg(model)
                               .arg(matches.size())
                               .arg(matches.join(QStringLiteral("\", \""))));
        return std::nullopt;
    }
    return matches.first();
}

ChosenVersion chooseVersion(const LoadedCatalogue &catalogue, const QString &model,
                            const std::optional<QString> &version, Console &console)
{
    const std::optional<QString> product = chooseModel(catalogue, model, console);
    if (!product) {
        return {std::nullopt, exitUsage};
    }
    const ModelIndex index(catalogue.items);
    QList<FirmwareItem> records;
    for (const qsizetype position : index.recordsOf(*product)) {
        const FirmwareItem &item = catalogue.items.at(position);
        if (!version || canonicallyEqual(item.version, *version)) {
            records.append(item);
        }
    }
    if (records.isEmpty()) {
        console.printError(
            QStringLiteral("No version \"%1\" of %2 in the catalogue.").arg(*version, *product));
        return {std::nullopt, exitUsage};
    }
    const FirmwareItem &first = records.first();
    if (version && std::any_of(records.begin(), records.end(),
                               [&first](const FirmwareItem &item) { return item != first; })) {
        console.printError(
            QStringLiteral("%1 %2 is on lines %3 of the catalogue, which differ; "
                           "morvane-flash does not choose between them.")
                .arg(first.product, first.version, lineList(linesOf(catalogue.list, first))));
        return {std::nullopt, exitCatalogue};
    }
    return {first, exitSuccess};
}

int runList(const Invocation &invocation, Environment &environment, Console &console)
{
    Downloader downloader(invocation, environment.stop, console);
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
        console.printJson(QJsonDocument(models));
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
    Downloader downloader(invocation, environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, invocation.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const ChosenVersion chosen = chooseVersion(catalogue, model, version, console);
    if (!chosen.item) {
        return chosen.status;
    }
    CatalogueFetch fetch(downloader.source(), catalogueTrustFromKey(environment.catalogueKey),
                         std::nullopt);
    std::optional<NotesReading> reading;
    QObject::connect(
        &fetch, &CatalogueFetch::notesFetched,
        [&reading](const FirmwareItem &, const NotesReading &fetched) { reading = fetched; });
    fetch.fetchNotes(*chosen.item);
    if (downloader.waitUntil(
            &fetch, &CatalogueFetch::notesFetched, [&reading] { return reading.has_value(); },
            [&fetch] { fetch.abort(QStringLiteral("Stopped.")); })) {
        downloader.sayAbandoned(chosen.item->notesURL);
        return exitInterrupted;
    }
    if (!reading->notes) {
        console.printError(reading->failureLine);
        return reading->refusedByTrust ? exitIntegrity : exitCatalogue;
    }
    console.print(*reading->notes);
    return exitSuccess;
}
