#include "commands/BundleCommand.h"

#include "bundle/BundleLayout.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/UnicodeText.h"
#include "commands/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/FirmwareStore.h"
#include "update/FolderFile.h"
#include "update/UpdateMessages.h"

#include <QDateTime>
#include <QSet>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

// The versions the words after DIR choose, each once, in the order named: every version of the
// catalogue without words; after a model's name, the version named next when the model has
// one by that name, else every version of the model. Nothing when a word names no model.
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

// For whoever finds the folder: what it is, how it is used, and why a changed file does no harm.
// Its catalogue text is made terminal-safe, since it may well be printed with cat.
QByteArray readme(const QUrl &listURL, const QList<FirmwareItem> &bundled)
{
    QString text =
        QStringLiteral("Morvane firmware bundle\n"
                       "=======================\n"
                       "\n"
                       "This folder holds firmware from the catalogue at\n"
                       "  %1\n"
                       "as it was on %2, for computers without a network:\n"
                       "\n"
                       "  morvane-flash --bundle THIS-FOLDER list\n"
                       "  morvane-flash --bundle THIS-FOLDER flash MODEL [VERSION]\n"
                       "\n"
                       "Nothing here is trusted for being here. The list, %3, is taken only\n"
                       "with its publisher's signature, %4, checked as a download\n"
                       "is, and every image and release-notes file only when it matches the\n"
                       "SHA-256 digest its list line gives, which is also its name. A changed or\n"
                       "missing file is refused, never flashed. Copy the folder whole.\n"
                       "\n"
                       "Versions held:\n")
            .arg(listURL.toDisplayString(), QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
                 bundleListName, bundleSignatureName);
    for (const FirmwareItem &item : bundled) {
        text += QStringLiteral("  %1 %2, image %3\n")
                    .arg(item.product, item.version,
                         bundleContentName(parseImageDigest(item.digest).sha256));
    }
    return terminalSafe(text).toUtf8();
}

// Keeps `bytes` under `name` in the bundle's folder, the one safe way; false when that failed,
// which has been said.
bool keep(const QString &folder, const QString &name, const QByteArray &bytes, Console &console)
{
    const SavedFile saved = saveInFolder(folder, name, bytes);
    if (!saved.succeeded()) {
        console.printError(QStringLiteral("The bundle could not be written: ") +
                           saved.errorDescription);
    }
    return saved.succeeded();
}

// Fetches and checks one file of `item`, and keeps it under its digest. The exit status; a
// failure has been said.
int bundleFile(const FirmwareItem &item, DownloadKind kind, const QString &folder,
               Downloader &downloader, Console &console)
{
    const bool image = kind == DownloadKind::image;
    const QByteArray sha256 = parseImageDigest(image ? item.digest : item.notesDigest).sha256;
    const QUrl url = image ? item.firmwareURL.toUrl() : item.notesURL.toUrl();
    const Downloader::Answer answer = downloader.get(url, kind, sha256);
    if (answer.stopped) {
        return exitInterrupted;
    }
    const auto failed = [&](const QString &description) {
        return image ? UpdateMessages::downloadFailed(description)
                     : UpdateMessages::notesFetchFailed(description);
    };
    if (!answer.result.succeeded()) {
        console.printError(failed(answer.result.errorDescription));
        return exitCatalogue;
    }
    const QByteArray &body = *answer.result.body;
    // What the updater would refuse is not bundled: a bundle is read as the catalogue is.
    if (image) {
        if (const std::optional<KeptFirmware> refused = fetchedImageRefusal(item, body)) {
            console.printError(refused->failureLine);
            return refused->integrityFailure ? exitIntegrity : exitCatalogue;
        }
    } else if (const std::optional<QString> refused = notesRefusal(item, true, body)) {
        console.printError(failed(*refused));
        return exitIntegrity;
    }
    return keep(folder, bundleContentName(sha256), body, console) ? exitSuccess : exitUsage;
}

} // namespace

int runBundle(const BundleOptions &options, Environment &environment, Console &console)
{
    const QString &folder = options.arguments.at(1);
    if (!mayUseBundles(environment, console)) {
        return exitIntegrity;
    }
    Downloader downloader(options.bundle, environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, options.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    int status = exitSuccess;
    const std::optional<QList<FirmwareItem>> chosen =
        chosenVersions(catalogue, options.arguments.mid(2), status, console);
    if (!chosen) {
        return status;
    }
    // Every version that cannot be bundled is named before anything is fetched or written.
    for (const FirmwareItem &item : *chosen) {
        if (const std::optional<QString> refusal = bundleRefusal(item)) {
            console.printError(*refusal);
            status = exitIntegrity;
        }
    }
    if (status != exitSuccess) {
        return status;
    }

    // Each address is fetched and checked once for each digest it is given: two versions with one
    // digest still have their own images checked, as the updater checks each version's.
    QSet<std::pair<QString, QByteArray>> kept;
    const auto unfinished = [&](int failure) {
        console.printError(QStringLiteral("The bundle in %1 is not complete; it is not read until "
                                          "bundle create finishes.")
                               .arg(folder));
        return failure;
    };
    // The address goes first and comes back last: a bundle left half-written, even over an
    // older one, names no catalogue, so that no mix of old and new files is ever read as one.
    if (!keep(folder, bundleAddressName, QByteArray(), console)) {
        return unfinished(exitUsage);
    }
    for (const FirmwareItem &item : *chosen) {
        for (const DownloadKind kind : {DownloadKind::image, DownloadKind::notes}) {
            const bool image = kind == DownloadKind::image;
            const std::pair<QString, QByteArray> file = {
                (image ? item.firmwareURL : item.notesURL).toString(),
                parseImageDigest(image ? item.digest : item.notesDigest).sha256};
            if (kept.contains(file)) {
                continue;
            }
            if (const int failure = bundleFile(item, kind, folder, downloader, console)) {
                return unfinished(failure);
            }
            kept.insert(file);
        }
        console.print(QStringLiteral("Bundled %1 %2.").arg(item.product, item.version));
    }

    QList<std::pair<QString, QByteArray>> files;
    if (catalogue.signature) {
        files.append({bundleSignatureName, *catalogue.signature});
    }
    files.append({bundleListName, catalogue.list});
    files.append({bundleAddressName, bundleAddressText(options.listURL)});
    files.append({bundleReadmeName, readme(options.listURL, *chosen)});
    for (const auto &[name, bytes] : files) {
        if (!keep(folder, name, bytes, console)) {
            return unfinished(exitUsage);
        }
    }
    console.print(QStringLiteral("The bundle in %1 holds %2 version(s) of %3.")
                      .arg(folder)
                      .arg(chosen->size())
                      .arg(options.listURL.toDisplayString()));
    return exitSuccess;
}

namespace {

CommandRun readBundle(const CommandLine &line)
{
    auto options = optionsOf<BundleOptions>(line);
    std::optional<QString> problem;
    if (options.arguments.first() != QLatin1String("create")) {
        problem = QStringLiteral("bundle takes create DIR [MODEL [VERSION]]...");
    }
    return commandRun(std::move(problem), std::move(options), runBundle);
}

} // namespace

CommandDeclaration bundleCommand()
{
    return {.name = "bundle",
            .minArguments = 2,
            .maxArguments = std::numeric_limits<qsizetype>::max(),
            .actions = {QStringLiteral("create")},
            .arguments = Completion::folder,
            .usage = {{"bundle create DIR [MODEL [VERSION]]...",
                       "keeps the signed list and the chosen versions'\nimages and notes in DIR, "
                       "for --bundle DIR\nwithout a network (every version by default)"}},
            .read = readBundle};
}
