#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "commands/Commands.h"
#include "download/DownloadLimits.h"
#include "download/WebAddress.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/PublicKeyChoice.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "trust/MinisignSecretKey.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueReading.h"
#include "update/FolderFile.h"
#include "update/RegularFile.h"
#include "update/UpdateMessages.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

// The publisher's side of what the updater checks: every record bound to its image and notes
// by a digest, then a signature whose trusted comment carries the signing time and an expiry,
// made by the real minisign program. The result is judged by the updater's own verdict before
// anything is written, so that sign never publishes what an updater would refuse.

namespace {

using Severity = CatalogueFinding::Severity;

// A secret key file is two short lines.
constexpr qint64 maxSecretKeyBytes = 4096;
// minisign needs a moment without a password, and a person typing one needs longer.
constexpr int minisignMilliseconds = 60'000;
constexpr int passwordMilliseconds = 10 * 60'000;

struct Problem
{
    qsizetype line = 0;
    QString message;
    int status = exitListErrors;
};

// What one address of a record gives: its bytes, or why there are none.
struct Content
{
    std::optional<QByteArray> bytes;
    QString problem;
    int status = exitSuccess;
};

// Counts lines as editors do, as lint's findings do: LF, CR LF and CR each end one.
qsizetype lineNumberAt(QStringView text, qsizetype position, qsizetype &counted, qsizetype &number)
{
    for (; counted < position; ++counted) {
        const QChar c = text[counted];
        if (c == u'\n' ||
            (c == u'\r' && (counted + 1 >= text.size() || text[counted + 1] != u'\n'))) {
            ++number;
        }
    }
    return number;
}

class ListSigning
{
public:
    ListSigning(const QString &listPath, Downloader &downloader)
        : m_folder(QFileInfo(listPath).absoluteDir()), m_downloader(downloader)
    {
    }

    // The list with every missing digest filled in; the problems found on the way are kept.
    // Nothing when a stop request ended it.
    std::optional<QString> fillDigests(const QString &text)
    {
        QString filled;
        filled.reserve(text.size() + text.size() / 4);
        qsizetype counted = 0;
        qsizetype number = 1;
        qsizetype start = 0;
        while (start <= text.size()) {
            qsizetype end = start;
            while (end < text.size() && !isNewline(text[end].unicode())) {
                ++end;
            }
            const QStringView segment = QStringView(text).sliced(start, end - start);
            const std::optional<QString> line =
                fillLine(segment, lineNumberAt(text, start, counted, number));
            if (!line) {
                return std::nullopt;
            }
            filled += *line;
            if (end < text.size()) {
                filled += text[end];
            }
            start = end + 1;
        }
        return filled;
    }

    const QList<Problem> &problems() const { return m_problems; }
    int filledCount() const { return m_filled; }

private:
    // A record's line with its digests; any other line as it is, for the verdict to judge.
    std::optional<QString> fillLine(QStringView segment, qsizetype number)
    {
        const std::variant<FirmwareItem, LineRejection> parsed = parseFirmwareLine(segment);
        const FirmwareItem *item = std::get_if<FirmwareItem>(&parsed);
        if (!item) {
            return segment.toString();
        }
        QStringList fields = segment.toString().split(QLatin1Char(';'));
        for (const bool notes : {false, true}) {
            const qsizetype index = notes ? 8 : 7;
            const QString field = trimWhitespaceAndNewlines(fields.value(index));
            if (!field.isEmpty() && !field.startsWith(digestPrefix)) {
                addProblem(number, QStringLiteral(
                                       "field %1 holds \u201C%2\u201D, which is no digest; empty "
                                       "it for sign to fill it in")
                                       .arg(index + 1)
                                       .arg(field));
                continue;
            }
            const QUrl url = notes ? item->notesURL.toUrl() : item->firmwareURL.toUrl();
            const Content content = contentOf(url, notes);
            if (content.status == exitInterrupted) {
                return std::nullopt;
            }
            if (!content.bytes) {
                addProblem(number, content.problem, content.status);
                continue;
            }
            if (!notes && content.bytes->isEmpty()) {
                addProblem(number, QStringLiteral("the image %1 is empty: the updater refuses it")
                                       .arg(url.toString()));
                continue;
            }
            if (field.isEmpty()) {
                while (fields.size() <= index) {
                    fields.append(QString());
                }
                fields[index] =
                    digestPrefix.toString() + QString::fromLatin1(sha256Of(*content.bytes).toHex());
                ++m_filled;
                continue;
            }
            // A digest given is checked as the updater checks it: a wrong one is the
            // publisher's to see, never overwritten.
            FirmwareItem given = *item;
            (notes ? given.notesDigest : given.digest) = field;
            const ImageDigest digest = parseImageDigest(field);
            const bool malformed = digest.state == ImageDigest::State::malformed;
            std::optional<QString> refused;
            if (notes) {
                refused = notesRefusal(given, true, *content.bytes);
            } else if (malformed) {
                refused = flashRefusal(given, true);
            } else if (const QByteArray received = sha256Of(*content.bytes);
                       received != digest.sha256) {
                refused = QStringLiteral("the image %1 does not match the digest given "
                                         "(expected %2, received %3): the updater refuses it")
                              .arg(url.toString(), shortDigestText(digest.sha256),
                                   shortDigestText(received));
            }
            if (refused) {
                addProblem(number, *refused, malformed ? exitListErrors : exitIntegrity);
            }
        }
        return fields.join(QLatin1Char(';'));
    }

    // The file beside the list by the address's file name, else the address fetched.
    Content contentOf(const QUrl &url, bool notes)
    {
        const char *what = notes ? "release notes" : "image";
        const qint64 limit = notes ? maxNotesBytes : maxImageBytes;
        const QString name = url.fileName(QUrl::FullyDecoded);
        // A name that could reach outside the list's folder is never looked for there.
        const bool plainName = !name.isEmpty() && name != u"." && name != u".." &&
                               !name.contains(QLatin1Char('/')) &&
                               !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
        if (plainName) {
            const QFileInfo beside(m_folder.filePath(name));
            if (beside.isSymLink()) {
                return {std::nullopt,
                        QStringLiteral("%1 beside the list is a link; sign reads only the files "
                                       "in the list's own folder")
                            .arg(name),
                        exitCatalogue};
            }
            if (beside.exists()) {
                ReadFile read = readRegularFile(beside.filePath(), limit);
                if (!read.bytes) {
                    return {std::nullopt,
                            QStringLiteral("cannot read %1 beside the list: %2")
                                .arg(name, read.errorDescription),
                            exitCatalogue};
                }
                return {std::move(read.bytes), QString(), exitSuccess};
            }
        }
        const QString missing = QStringLiteral("the %1 %2 is not beside the list%3, ")
                                    .arg(QLatin1String(what), url.toString(),
                                         plainName ? QStringLiteral(" as ") + name : QString());
        if (const std::optional<QString> problem = webAddressProblem(url)) {
            return {std::nullopt, missing + QStringLiteral("nor can it be fetched: ") + *problem,
                    exitCatalogue};
        }
        Downloader::Answer answer =
            m_downloader.get(url, notes ? DownloadKind::notes : DownloadKind::image);
        if (answer.stopped) {
            return {std::nullopt, QString(), exitInterrupted};
        }
        if (!answer.result.succeeded()) {
            return {std::nullopt,
                    missing + QStringLiteral("and fetching it failed: ") +
                        answer.result.errorDescription,
                    exitCatalogue};
        }
        return {std::move(answer.result.body), QString(), exitSuccess};
    }

    void addProblem(qsizetype line, const QString &message, int status = exitListErrors)
    {
        m_problems.append({line, message, status});
    }

    QDir m_folder;
    Downloader &m_downloader;
    QList<Problem> m_problems;
    int m_filled = 0;
};

struct Signed
{
    std::optional<QByteArray> signature;
    int status = exitSuccess;
};

// The real minisign program signs `list` with the secret key. A key sealed with a password
// lets minisign ask for it on the terminal; it is never read here.
Signed runMinisign(const QByteArray &list, const QString &listName, const QString &secretKey,
                   const QByteArray &trustedComment, bool askPassword, Console &console)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("minisign"));
    if (program.isEmpty()) {
        console.printError(QStringLiteral("morvane-flash: minisign is not installed, or not on "
                                          "PATH (apt install minisign); nothing was written."));
        return {std::nullopt, exitSigningTool};
    }
    QTemporaryDir work;
    const QString message = work.filePath(listName);
    const SavedFile saved =
        work.isValid() ? saveInFolder(work.path(), listName, list) : SavedFile{};
    if (!saved.succeeded()) {
        console.printError(QStringLiteral("morvane-flash: cannot prepare the list for minisign: %1")
                               .arg(work.isValid() ? saved.errorDescription : work.errorString()));
        return {std::nullopt, exitCatalogue};
    }
    QProcess minisign;
    if (askPassword) {
        minisign.setProcessChannelMode(QProcess::ForwardedChannels);
        minisign.setInputChannelMode(QProcess::ForwardedInputChannel);
    }
    minisign.start(program,
                   {QStringLiteral("-S"), QStringLiteral("-s"), secretKey, QStringLiteral("-m"),
                    message, QStringLiteral("-x"), message + QStringLiteral(".minisig"),
                    QStringLiteral("-t"), QString::fromUtf8(trustedComment)});
    if (!askPassword) {
        minisign.closeWriteChannel();
    }
    const bool finished =
        minisign.waitForFinished(askPassword ? passwordMilliseconds : minisignMilliseconds);
    if (!finished || minisign.exitStatus() != QProcess::NormalExit || minisign.exitCode() != 0) {
        if (!finished) {
            minisign.kill();
            minisign.waitForFinished();
        }
        const QString said = QString::fromLocal8Bit(minisign.readAllStandardError()).trimmed();
        console.printError(
            QStringLiteral("morvane-flash: minisign failed (%1)%2; nothing was written.")
                .arg(finished ? QStringLiteral("exit status %1").arg(minisign.exitCode())
                              : minisign.errorString(),
                     said.isEmpty() ? QString() : QStringLiteral(": ") + said));
        return {std::nullopt, exitSigningTool};
    }
    ReadFile signature = readRegularFile(message + QStringLiteral(".minisig"), maxSignatureBytes);
    if (!signature.bytes) {
        console.printError(QStringLiteral("morvane-flash: minisign wrote no readable signature: "
                                          "%1; nothing was written.")
                               .arg(signature.errorDescription));
        return {std::nullopt, exitSigningTool};
    }
    return {std::move(signature.bytes), exitSuccess};
}

} // namespace

int runSign(const Invocation &invocation, Environment &environment, Console &console)
{
    const QString &listPath = invocation.arguments.at(0);
    const ReadFile keyFile = readRegularFile(invocation.secretKey, maxSecretKeyBytes);
    const ParsedMinisignSecretKey secret =
        keyFile.bytes ? parseMinisignSecretKey(*keyFile.bytes) : ParsedMinisignSecretKey{};
    if (!keyFile.bytes || !secret.error.isEmpty()) {
        console.printError(QStringLiteral("morvane-flash: cannot use the secret key file %1: %2")
                               .arg(invocation.secretKey,
                                    keyFile.bytes ? secret.error : keyFile.errorDescription));
        return exitUsage;
    }
    if (secret.passwordProtected && !environment.inIsTerminal) {
        console.printError(
            QStringLiteral("morvane-flash: the secret key %1 is protected by a password, and "
                           "standard input is no terminal to type it on: run sign on a terminal, "
                           "or sign with a key made by minisign -G -W.")
                .arg(invocation.secretKey));
        return exitUsage;
    }
    // Judged as an updater built with these keys would judge it: those named, else the
    // build's, else the secret key's own public half.
    KeyChoice keys = chooseKey(invocation.publicKey, environment.catalogueTrust, console);
    if (keys.status != exitSuccess) {
        return keys.status;
    }
    if (keys.keys.isEmpty() && secret.key) {
        keys.keys.append(secret.key->publicKey());
    }
    if (keys.keys.isEmpty()) {
        console.printError(QStringLiteral("morvane-flash: a key sealed with a password does not "
                                          "give its public key: name it with --public-key."));
        return exitUsage;
    }

    const ReadFile listFile = readRegularFile(listPath, maxListBytes);
    if (!listFile.bytes) {
        console.printError(QStringLiteral("Cannot read the list file %1: %2")
                               .arg(listPath, listFile.errorDescription));
        return exitCatalogue;
    }
    const std::optional<QString> text = decodeStrictUtf8(*listFile.bytes);
    if (!text) {
        console.printError(listPath + QStringLiteral(": error: ") +
                           UpdateMessages::catalogueUndecodable());
        return exitListErrors;
    }
    Downloader downloader(invocation, environment.stop, console);
    ListSigning signing(listPath, downloader);
    const std::optional<QString> filled = signing.fillDigests(*text);
    if (!filled) {
        return exitInterrupted;
    }
    if (!signing.problems().isEmpty()) {
        for (const Problem &problem : signing.problems()) {
            console.printError(QStringLiteral("%1:%2: error: %3")
                                   .arg(listPath)
                                   .arg(problem.line)
                                   .arg(problem.message));
        }
        console.printError(QStringLiteral("Nothing was signed or written."));
        return signing.problems().first().status;
    }

    const QByteArray list = *filled == *text ? *listFile.bytes : filled->toUtf8();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const qint64 expires = now + qint64(invocation.expiresDays) * 86'400;
    const QByteArray comment =
        "timestamp:" + QByteArray::number(now) + "\texpires:" + QByteArray::number(expires);
    const QString listName = QFileInfo(listPath).fileName();
    const Signed made = runMinisign(list, listName, invocation.secretKey, comment,
                                    secret.passwordProtected, console);
    if (!made.signature) {
        return made.status;
    }

    // The updater's verdict on what would be published, as on first use.
    const CatalogueReading reading = readCatalogue(list, CatalogueTrust{true, keys.keys, QString()},
                                                   {made.signature, {}}, std::nullopt, now);
    for (const CatalogueFinding &finding : reading.findings) {
        if (finding.severity == Severity::warning) {
            console.printError(listPath + QStringLiteral(": warning: ") + finding.message);
        }
    }
    if (!reading.items) {
        const bool signatureRefused =
            std::any_of(reading.findings.cbegin(), reading.findings.cend(),
                        [](const CatalogueFinding &f) { return f.severity == Severity::error; });
        console.printError(listPath + QStringLiteral(": error: the updater would refuse it: ") +
                           reading.failureLine);
        console.printError(QStringLiteral("Nothing was written."));
        return signatureRefused ? exitIntegrity : exitListErrors;
    }

    // The list first, then its signature; a signature that cannot follow puts the list back.
    const QString folder = QFileInfo(listPath).absolutePath();
    const bool changed = list != *listFile.bytes;
    if (changed) {
        if (const SavedFile saved = saveInFolder(folder, listName, list); !saved.succeeded()) {
            console.printError(QStringLiteral("Cannot write %1: %2 Nothing was changed.")
                                   .arg(listPath, saved.errorDescription));
            return exitCatalogue;
        }
    }
    const QString signatureName = listName + QStringLiteral(".minisig");
    if (const SavedFile saved = saveInFolder(folder, signatureName, *made.signature);
        !saved.succeeded()) {
        const bool restored =
            !changed || saveInFolder(folder, listName, *listFile.bytes).succeeded();
        console.printError(QStringLiteral("Cannot write %1.minisig: %2 %3")
                               .arg(listPath, saved.errorDescription,
                                    restored ? QStringLiteral("The list is as it was.")
                                             : QStringLiteral("The list was written but its "
                                                              "signature not: sign it again.")));
        return exitCatalogue;
    }
    console.print(QStringLiteral("Signed %1: %2 record(s), %3 digest(s) filled in; %4 is dated "
                                 "%5 and expires %6.")
                      .arg(listPath)
                      .arg(reading.items->size())
                      .arg(signing.filledCount())
                      .arg(signatureName, signatureDateText(now), signatureDateText(expires)));
    return exitSuccess;
}
