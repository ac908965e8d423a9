#include "commands/RecordCommand.h"

#include "commands/SharedOptions.h"
#include "frame/ExitStatus.h"
#include "trust/SignatureDates.h"
#include "update/AcceptedTimestamps.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RecordCommand)
};

using Record = AcceptedTimestamps::Record;

// "https://…/MORVANE_LST.txt: signed 2026-12-08 10:00:00 UTC, taken 2026-12-08 10:05:12 UTC
// with key 1A2B3C4D5E6F7A8B"
QString recordText(const Record &record)
{
    const QString text = !record.legacyKeyId.isEmpty()
                             ? Texts::tr("key %1 (kept by an earlier version, for every "
                                         "catalogue without a record of its own)")
                                   .arg(record.legacyKeyId)
                         : record.catalogue.isEmpty()
                             ? Texts::tr("%1 (its address was not kept)").arg(record.fileName)
                             : record.catalogue.toDisplayString();
    if (!record.timestamp) {
        return Texts::tr("%1: %2").arg(text, record.problem);
    }
    const QString signedAt = signatureDateText(*record.timestamp);
    const QString takenAt = record.takenAt ? signatureDateText(*record.takenAt) : QString();
    if (record.keyId.isEmpty()) {
        return record.takenAt ? Texts::tr("%1: signed %2, taken %3").arg(text, signedAt, takenAt)
                              : Texts::tr("%1: signed %2").arg(text, signedAt);
    }
    return record.takenAt
               ? Texts::tr("%1: signed %2, taken %3 with key %4")
                     .arg(text, signedAt, takenAt, record.keyId)
               : Texts::tr("%1: signed %2 with key %3").arg(text, signedAt, record.keyId);
}

QJsonObject recordJson(const Record &record)
{
    QJsonObject object{{QStringLiteral("file"), record.fileName}};
    if (!record.catalogue.isEmpty()) {
        object.insert(QStringLiteral("catalogue"), record.catalogue.toString());
    }
    if (!record.legacyKeyId.isEmpty()) {
        object.insert(QStringLiteral("legacyKeyId"), record.legacyKeyId);
    }
    if (record.timestamp) {
        object.insert(QStringLiteral("signed"), *record.timestamp);
    } else {
        object.insert(QStringLiteral("problem"), record.problem);
    }
    if (record.takenAt) {
        object.insert(QStringLiteral("taken"), *record.takenAt);
    }
    if (!record.keyId.isEmpty()) {
        object.insert(QStringLiteral("keyId"), record.keyId);
    }
    return object;
}

int showRecords(const RecordOptions &options, const Environment &environment, Console &console)
{
    const QString folder = QDir::toNativeSeparators(environment.firmwareFolder);
    const QList<Record> records = AcceptedTimestamps(environment.firmwareFolder).records();
    if (options.json) {
        QJsonArray array;
        for (const Record &record : records) {
            array.append(recordJson(record));
        }
        console.printJson(QJsonDocument(
            QJsonObject{{QStringLiteral("folder"), folder}, {QStringLiteral("records"), array}}));
        return exitSuccess;
    }
    if (records.isEmpty()) {
        console.print(Texts::tr("No catalogue signing time is recorded in %1: the next list "
                                "of each catalogue is trusted as on first use.")
                          .arg(folder));
        return exitSuccess;
    }
    console.print(Texts::tr("The newest catalogue signing times taken, kept in %1; a list "
                            "signed before one of them is refused:")
                      .arg(folder));
    for (const Record &record : records) {
        console.print(QStringLiteral("  ") + recordText(record));
    }
    return exitSuccess;
}

// A person's yes on the terminal, or --yes; anything else keeps the record.
bool forgetAgreed(const RecordOptions &options, const Environment &environment, const QString &what,
                  Console &console)
{
    if (options.yes) {
        return true;
    }
    console.print(Texts::tr("Forget %1? The next list from %2 is then trusted as on first "
                            "use, whatever its date. [y/N]")
                      .arg(what, options.listURL.toDisplayString()));
    const std::optional<QString> answer =
        environment.readAnswer ? environment.readAnswer() : std::nullopt;
    const QString word = answer.value_or(QString()).trimmed().toLower();
    return word == QLatin1String("y") || word == QLatin1String("yes");
}

int forgetRecord(const RecordOptions &options, Environment &environment, Console &console)
{
    const AcceptedTimestamps timestamps(environment.firmwareFolder);
    const QList<MinisignPublicKey> &keys = environment.catalogueTrust.keys;
    const AcceptedTimestamps::Newest kept =
        timestamps.newest(options.listURL, keys, QDateTime::currentSecsSinceEpoch());
    const QString address = options.listURL.toDisplayString();
    if (!kept.timestamp && kept.problem.isEmpty()) {
        console.print(
            Texts::tr("No signing time is recorded for %1: nothing to forget.").arg(address));
        return exitSuccess;
    }
    if (!options.yes && !environment.inIsTerminal) {
        console.printError(Texts::tr("morvane-flash: record --forget asks before it forgets, "
                                     "and standard input is no terminal: add --yes."));
        return exitUsage;
    }
    const QString what = kept.timestamp ? Texts::tr("the list signed %1, the newest taken "
                                                    "from %2")
                                              .arg(signatureDateText(*kept.timestamp), address)
                                        : Texts::tr("the unreadable record of %1").arg(address);
    if (!forgetAgreed(options, environment, what, console)) {
        console.print(Texts::tr("Nothing was forgotten."));
        return exitSuccess;
    }
    const AcceptedTimestamps::Forgotten forgotten = timestamps.forget(options.listURL, keys);
    if (!forgotten.problem.isEmpty()) {
        console.printError(Texts::tr("morvane-flash: the record of %1 could not be "
                                     "forgotten: %2")
                               .arg(address, forgotten.problem));
        return exitCatalogue;
    }
    console.print(Texts::tr("Forgot %1 (removed %2): the next list from it is trusted as on "
                            "first use.")
                      .arg(address, forgotten.removed.join(QStringLiteral(", "))));
    return exitSuccess;
}

std::optional<QString> readRecordOptions(const CommandLine &line, RecordOptions &options)
{
    options.json = line.isSet("json");
    options.forget = line.isSet("forget");
    options.yes = line.isSet("yes");
    if (options.forget && options.json) {
        return Texts::tr("record --json shows the records; it takes no --forget.");
    }
    if (options.yes && !options.forget) {
        return Texts::tr("--yes is used only with record --forget.");
    }
    return std::nullopt;
}

CommandRun readRecord(const CommandLine &line)
{
    auto options = optionsOf<RecordOptions>(line);
    std::optional<QString> problem = readRecordOptions(line, options);
    return commandRun(std::move(problem), std::move(options), runRecord);
}

} // namespace

int runRecord(const RecordOptions &options, Environment &environment, Console &console)
{
    return options.forget ? forgetRecord(options, environment, console)
                          : showRecords(options, environment, console);
}

CommandDeclaration recordCommand()
{
    return {
        .name = "record",
        .options = {jsonOption(),
                    {QStringLiteral("forget"),
                     Texts::tr("record: removes the catalogue's record of signing times "
                               "(the build's, or --catalogue's): its next list is "
                               "trusted as on first use.")},
                    {QStringLiteral("yes"), Texts::tr("record --forget: forgets without asking.")}},
        .usage =
            {{"record [--json]",
              Texts::tr("the newest signing time taken per catalogue,\nwhen and with which key")},
             {"record --forget [--yes]",
              Texts::tr("forgets the catalogue's record: its next\nlist is trusted as on first "
                        "use")}},
        .takesBundle = false,
        .read = readRecord};
}
