#include "catalogue/ServerTextDecoder.h"
#include "commands/Commands.h"
#include "download/DownloadLimits.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/DigestFilling.h"
#include "publish/ListSigning.h"
#include "publish/MinisignRunner.h"
#include "trust/SignatureDates.h"
#include "update/RegularFile.h"
#include "update/UpdateMessages.h"

#include <QDateTime>
#include <QFileInfo>

int runSign(const Invocation &invocation, Environment &environment, Console &console)
{
    const QString &listPath = invocation.arguments.at(0);
    const SigningKey key =
        readSigningKey(invocation.secretKey, invocation.publicKey, environment.catalogueTrust,
                       environment.inIsTerminal, console);
    if (key.status != exitSuccess) {
        return key.status;
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
    const FilledList filled = fillDigests(*text, listPath, downloader);
    if (!filled.text) {
        return exitInterrupted;
    }
    if (!filled.problems.isEmpty()) {
        return reportSigningProblems(listPath, filled.problems, console);
    }

    const QByteArray list = *filled.text == *text ? *listFile.bytes : filled.text->toUtf8();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const qint64 expires = now + qint64(invocation.expiresDays) * 86'400;
    const MinisignRun made =
        runMinisign(list, QFileInfo(listPath).fileName(), invocation.secretKey,
                    signatureDatesComment(now, expires), key.secret.passwordProtected, console);
    if (!made.signature) {
        return made.status;
    }
    const SignedVerdict verdict =
        judgeSignedList(listPath, list, *made.signature, key.judgedBy, now, std::nullopt, console);
    if (verdict.status != exitSuccess) {
        return verdict.status;
    }
    if (const int status =
            writeSignedList(listPath, *listFile.bytes, list, *made.signature, console)) {
        return status;
    }
    console.print(QStringLiteral("Signed %1: %2 record(s), %3 digest(s) filled in; %4.minisig is "
                                 "dated %5 and expires %6.")
                      .arg(listPath)
                      .arg(verdict.records)
                      .arg(filled.filled)
                      .arg(QFileInfo(listPath).fileName(), signatureDateText(now),
                           signatureDateText(expires)));
    return exitSuccess;
}
