#include "commands/SignCommand.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "commands/SharedOptions.h"
#include "download/DownloadLimits.h"
#include "download/WebAddress.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/CatalogueLint.h"
#include "publish/DigestFilling.h"
#include "publish/LintReportText.h"
#include "publish/ListSigning.h"
#include "publish/MinisignRunner.h"
#include "publish/PublicKeyChoice.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "trust/MinisignSecretKey.h"
#include "trust/MinisignSignature.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueReading.h"
#include "update/FolderFile.h"
#include "update/LocalFileName.h"
#include "update/RegularFile.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <sys/stat.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SignCommand)
};

// Says lint's errors and warnings on the list under a key; status 6 when there are errors.
int refuseLintErrors(const QString &listPath, const QByteArray &list, Console &console)
{
    const LintReport report = lintCatalogue(list, true);
    for (const LintFinding &finding : report.findings) {
        if (finding.severity != LintFinding::Severity::note) {
            console.printError(lintFindingText(listPath, finding));
        }
    }
    if (report.count(LintFinding::Severity::error) == 0) {
        return exitSuccess;
    }
    console.printError(Texts::tr("Nothing was signed or written."));
    return exitListErrors;
}

} // namespace

namespace {

// Signs the list whose digests are filled in, judges it, writes it and says so; what a script
// reads of it goes into `summary`.
int signFilled(const SignOptions &options, Environment &environment, Console &console,
               const SigningKey &key, const QByteArray &original, const QByteArray &list,
               const SigningFloor &floor, qint64 now, QJsonObject &summary)
{
    const QString &listPath = options.arguments.at(0);
    const qint64 expires = now + qint64(options.expiresDays) * 86'400;
    const MinisignRun made = runMinisign(list, QFileInfo(listPath).fileName(), options.secretKey,
                                         signatureDatesComment(now, expires),
                                         key.secret.passwordProtected, environment.stop, console);
    if (!made.signature) {
        return made.status;
    }
    const SignedVerdict verdict =
        judgeSignedList(listPath, list, *made.signature, key.judgedBy, now, floor.newest, console);
    if (verdict.status != exitSuccess) {
        return verdict.status;
    }
    if (const int status = writeSignedList(listPath, original, list, *made.signature, console)) {
        return status;
    }
    if (const std::optional<QString> untrusted =
            untrustedByBuild(*made.signature, environment.catalogueTrust)) {
        console.printError(listPath + QStringLiteral(": warning: ") + *untrusted);
    }
    QJsonArray judgedBy;
    for (const MinisignPublicKey &judge : key.judgedBy) {
        judgedBy.append(minisignKeyIdText(judge.keyId));
    }
    const ParsedMinisignSignature parsed = parseMinisignSignature(*made.signature);
    summary.insert(QStringLiteral("records"), qint64(verdict.records));
    summary.insert(QStringLiteral("signedAt"),
                   QDateTime::fromSecsSinceEpoch(now, Qt::UTC).toString(Qt::ISODate));
    summary.insert(QStringLiteral("expires"),
                   QDateTime::fromSecsSinceEpoch(expires, Qt::UTC).toString(Qt::ISODate));
    summary.insert(QStringLiteral("keyId"),
                   parsed.signature ? minisignKeyIdText(parsed.signature->keyId) : QString());
    summary.insert(QStringLiteral("judgedBy"), judgedBy);
    if (options.json) {
        return exitSuccess;
    }
    const QString records = Texts::tr("%n record(s)", nullptr, int(verdict.records));
    const QString filled = Texts::tr("%n digest(s) filled in", nullptr,
                                     int(summary.value(QStringLiteral("filled")).toInteger()));
    console.print(Texts::tr("Signed %1: %2, %3; %4.minisig is dated %5 and expires %6; %7.")
                      .arg(listPath, records, filled, QFileInfo(listPath).fileName(),
                           signatureDateText(now), signatureDateText(expires),
                           signedKeysText(*made.signature, key.judgedBy)));
    console.print(Texts::tr("Next: upload the list, its signature and the files it names, "
                            "then check what was uploaded: morvane-flash lint URL --fetch"));
    return exitSuccess;
}

int signList(const SignOptions &options, Environment &environment, Console &console,
             QJsonObject &summary)
{
    const QString &listPath = options.arguments.at(0);
    const SigningKey key =
        readSigningKey(options.secretKey, options.publicKey, environment.catalogueTrust,
                       environment.inIsTerminal, console);
    if (key.status != exitSuccess) {
        return key.status;
    }
    const ReadFile listFile = readRegularFile(listPath, maxListBytes);
    if (!listFile.bytes) {
        console.printError(
            Texts::tr("Cannot read the list file %1: %2").arg(listPath, listFile.errorDescription));
        return exitCatalogue;
    }
    const std::optional<QString> text = decodeStrictUtf8(*listFile.bytes);
    if (!text) {
        console.printError(listPath + QStringLiteral(": error: ") +
                           UpdateMessages::catalogueUndecodable());
        return exitListErrors;
    }
    Downloader downloader(QString(), environment.stop, console);
    downloader.setNothingDone(Texts::tr("nothing was signed"));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const SigningFloor floor =
        checkSigningFloor(listPath, options.listURL, key.judgedBy, now, downloader, console);
    if (floor.status != exitSuccess) {
        return floor.status;
    }
    const FilledList filled = fillDigests(*text, listPath, options.root, downloader);
    if (!filled.text) {
        return exitInterrupted;
    }
    for (const SigningProblem &warning : filled.warnings) {
        console.printError(lintFindingText(
            listPath, {LintFinding::Severity::warning, warning.line, {}, warning.message}));
    }
    if (!filled.problems.isEmpty()) {
        return reportSigningProblems(listPath, filled.problems, console);
    }
    summary.insert(QStringLiteral("filled"), filled.filled);
    const QByteArray list = *filled.text == *text ? *listFile.bytes : filled.text->toUtf8();
    // lint's own rules, in its words: what a person would misread is never signed.
    if (const int status = refuseLintErrors(listPath, list, console)) {
        return status;
    }
    return signFilled(options, environment, console, key, *listFile.bytes, list, floor, now,
                      summary);
}

} // namespace

int runSign(const SignOptions &options, Environment &environment, Console &console)
{
    QJsonObject summary;
    const int status = signList(options, environment, console, summary);
    if (options.json) {
        summary.insert(QStringLiteral("list"), options.arguments.at(0));
        summary.insert(QStringLiteral("status"), status);
        console.printJsonLine(summary);
    }
    return status;
}

namespace {

// Ten years: a list signed to be taken longer would outlive any reason to hold it back.
constexpr int maxExpiresDays = 3650;

std::optional<QString> readSignOptions(const CommandLine &line, SignOptions &options)
{
    options.publicKey = line.value("public-key");
    options.secretKey = line.value("secret-key");
    options.root = line.value("root");
    options.json = line.isSet("json");
    struct stat root = {};
    if (line.isSet("root") &&
        (::stat(fileNameBytes(options.root).constData(), &root) != 0 || !S_ISDIR(root.st_mode))) {
        return Texts::tr("--root names the folder that mirrors the server; %1 is no folder.")
            .arg(options.root);
    }
    if (line.isSet("expires")) {
        bool ok = false;
        options.expiresDays = line.value("expires").toInt(&ok);
        if (!ok || options.expiresDays < 1 || options.expiresDays > maxExpiresDays) {
            return Texts::tr("--expires takes a whole number of days from 1 to %1.")
                .arg(maxExpiresDays);
        }
    }
    if (options.secretKey.isEmpty()) {
        return Texts::tr("sign needs --secret-key KEY, the minisign secret key file.");
    }
    return std::nullopt;
}

CommandRun readSign(const CommandLine &line)
{
    SignOptions options;
    options.arguments = line.common.arguments;
    options.listURL = line.common.listURL;
    std::optional<QString> problem = readSignOptions(line, options);
    return commandRun(std::move(problem), std::move(options), runSign);
}

} // namespace

CommandDeclaration signCommand()
{
    return {.name = "sign",
            .options = {jsonOption(),
                        publicKeyOption(),
                        {QStringLiteral("secret-key"),
                         Texts::tr("sign: signs with this minisign secret key file."),
                         QStringLiteral("KEY"), Completion::file},
                        {QStringLiteral("root"),
                         Texts::tr("sign: the folder that mirrors the server, where an "
                                   "address's path is looked for (default: the parent of "
                                   "the list's folder)."),
                         QStringLiteral("DIR"), Completion::folder},
                        {QStringLiteral("expires"),
                         Texts::tr("sign: days until the signed list expires (default %1).")
                             .arg(defaultExpiresDays),
                         QStringLiteral("DAYS")}},
            .minArguments = 1,
            .maxArguments = 1,
            .arguments = Completion::file,
            .usage = {{"sign FILE --secret-key KEY [--expires DAYS] [--public-key KEY]\n[--root "
                       "DIR] [--json]",
                       Texts::tr(
                           "fills in a list's digests, signs it with\nminisign, after the list it "
                           "replaces and the one\npublished; writes nothing the updater refuses")}},
            .takesBundle = false,
            .read = readSign};
}
