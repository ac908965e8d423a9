#include "frame/CatalogueChoice.h"

#include "catalogue/ModelIndex.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueSignature.h"
#include "trust/CatalogueTrust.h"
#include "trust/MinisignSignature.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueFetch.h"
#include "update/SignedListRules.h"
#include "update/UpdateMessages.h"
#include "update/UpdateTarget.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueChoice)
};

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
            fetch.abort(Texts::tr("Stopped."));
        });
    if (stopped) {
        downloader.sayAbandoned(abandoned);
        return std::nullopt;
    }
    return reading;
}

std::optional<qint64> listExpiresOf(const std::optional<QByteArray> &signature)
{
    if (!signature) {
        return std::nullopt;
    }
    const ParsedMinisignSignature parsed = parseMinisignSignature(*signature);
    return parsed.signature ? parseSignatureDates(parsed.signature->trustedComment).expires
                            : std::nullopt;
}

bool mayUseBundles(const Environment &environment, Console &console)
{
    if (environment.catalogueTrust.keyBuiltIn) {
        return true;
    }
    console.printError(Texts::tr("This build trusts no catalogue key, and a bundle is believed "
                                 "only through the catalogue's signature: it neither makes nor "
                                 "reads bundles."));
    return false;
}

LoadedCatalogue loadCatalogue(Downloader &downloader, const QUrl &listURL,
                              const Environment &environment, Console &console)
{
    if (downloader.readsBundle() && !mayUseBundles(environment, console)) {
        return {{}, exitIntegrity};
    }
    CatalogueFetch fetch(downloader.source(), environment.catalogueTrust,
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
    const ModelIndex index(items);
    std::vector<IdPair> pairs;
    for (const CarriedIds &carried : index.carriedIds()) {
        pairs.push_back({carried.ids, carried.models});
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
    return Texts::tr("%1 and %2", "the last two of a list of line numbers")
        .arg(numbers.join(Texts::tr(", ", "between line numbers")), last);
}

// The list's lines that hold a record of this product and version, in the one walk's numbers,
// which lint's are too.
QList<qsizetype> linesOf(const QByteArray &list, const FirmwareItem &item)
{
    QList<qsizetype> lines;
    if (const std::optional<QString> text = decodeStrictUtf8(list)) {
        walkList(*text, [&](const ListEntry &entry) {
            if (entry.item && sameProductName(entry.item->product, item.product) &&
                canonicallyEqual(entry.item->version, item.version)) {
                lines.append(entry.line);
            }
        });
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
        console.printError(Texts::tr("No model \"%1\" in the catalogue.").arg(model));
        return std::nullopt;
    }
    if (matches.size() > 1) {
        console.printError(Texts::tr("\"%1\" names %2 models when letter case is ignored: "
                                     "\"%3\"; name one as the catalogue writes it.")
                               .arg(model, QString::number(matches.size()),
                                    matches.join(QStringLiteral("\", \""))));
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
            Texts::tr("No version \"%1\" of %2 in the catalogue.").arg(*version, *product));
        return {std::nullopt, exitUsage};
    }
    const FirmwareItem &first = records.first();
    if (version && std::any_of(records.begin(), records.end(),
                               [&first](const FirmwareItem &item) { return item != first; })) {
        console.printError(
            Texts::tr("%1 %2 is on lines %3 of the catalogue, which differ; "
                      "morvane-flash does not choose between them.")
                .arg(first.product, first.version, lineList(linesOf(catalogue.list, first))));
        return {std::nullopt, exitCatalogue};
    }
    return {first, exitSuccess};
}

std::optional<QList<FirmwareItem>> chosenVersions(const LoadedCatalogue &catalogue,
                                                  const QStringList &words, int &status,
                                                  Console &console)
{
    if (words.isEmpty()) {
        QList<FirmwareItem> all;
        for (const FirmwareItem &item : catalogue.items) {
            if (!all.contains(item)) {
                all.append(item);
            }
        }
        return all;
    }
    const ModelIndex index(catalogue.items);
    QList<FirmwareItem> chosen;
    const auto choose = [&chosen](const FirmwareItem &item) {
        if (!chosen.contains(item)) {
            chosen.append(item);
        }
    };
    for (qsizetype i = 0; i < words.size(); ++i) {
        const std::optional<QString> product = chooseModel(catalogue, words.at(i), console);
        if (!product) {
            status = exitUsage;
            return std::nullopt;
        }
        QList<FirmwareItem> records;
        for (const qsizetype position : index.recordsOf(*product)) {
            records.append(catalogue.items.at(position));
        }
        const bool versionNamed =
            i + 1 < words.size() &&
            std::any_of(records.cbegin(), records.cend(), [&](const FirmwareItem &item) {
                return canonicallyEqual(item.version, words.at(i + 1));
            });
        if (!versionNamed) {
            std::for_each(records.cbegin(), records.cend(), choose);
            continue;
        }
        // Differing records of one version are refused here as everywhere else.
        const ChosenVersion version =
            chooseVersion(catalogue, words.at(i), words.at(i + 1), console);
        ++i;
        if (!version.item) {
            status = version.status;
            return std::nullopt;
        }
        choose(*version.item);
    }
    return chosen;
}
