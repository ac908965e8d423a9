#include "commands/ListCommand.h"

#include "bundle/BundleLayout.h"
#include "catalogue/ModelIndex.h"
#include "commands/SharedOptions.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ListCommand)
};

// A digest as the list writes it; null when the record names none.
QJsonValue digestValue(const QString &digest)
{
    return digest.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(digest);
}

CommandRun readList(const CommandLine &line)
{
    auto options = optionsOf<ListOptions>(line);
    options.json = line.isSet("json");
    return commandRun(std::nullopt, std::move(options), runList);
}

} // namespace

CommandDeclaration listCommand()
{
    return {.name = "list",
            .options = {jsonOption()},
            .usage = {{"list [--json]",
                       Texts::tr("the models and their versions, in catalogue order")}},
            .read = readList};
}

int runList(const ListOptions &options, Environment &environment, Console &console)
{
    Downloader downloader(options.bundle, environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, options.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const ModelIndex index(catalogue.items);
    if (options.json) {
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
                if (!options.bundle.isEmpty()) {
                    QJsonObject version = versions.last().toObject();
                    version.insert(QStringLiteral("inBundle"),
                                   bundleHoldsFiles(options.bundle, item));
                    versions.replace(versions.size() - 1, version);
                }
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
            const bool lacking =
                !options.bundle.isEmpty() && !bundleHoldsFiles(options.bundle, item);
            console.print(
                QStringLiteral("  ") + item.version + QStringLiteral("  ") + item.vid +
                QLatin1Char(':') + item.pid + QStringLiteral("  ") + item.copyright +
                (lacking ? QStringLiteral("  ") + Texts::tr("(not in the bundle)") : QString()));
        }
    }
    return exitSuccess;
}
