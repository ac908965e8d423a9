#include "publish/LintSource.h"

#include "catalogue/ServerTextDecoder.h"
#include "download/DownloadLimits.h"
#include "download/WebAddress.h"
#include "frame/CatalogueChoice.h"
#include "frame/Console.h"
#include "frame/Downloader.h"
#include "trust/CatalogueSignature.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFetch.h"
#include "update/RegularFile.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LintSource)
};

// A list file and, with keys, the updater's verdict on the "<file>.minisig" beside it, both
// read bounded: a FIFO or a device there is refused unread.
LintSource readLintFile(const QString &argument, const QList<MinisignPublicKey> &keys,
                        Console &console)
{
    const ReadFile file = readRegularFile(argument, maxListBytes);
    if (!file.bytes) {
        console.printError(
            Texts::tr("Cannot read the list file %1: %2").arg(argument, file.errorDescription));
        return {{}, {}, false, exitCatalogue};
    }
    LintSource source{*file.bytes};
    if (!keys.isEmpty()) {
        const QString signaturePath = argument + QStringLiteral(".minisig");
        const ReadFile signatureFile = readRegularFile(signaturePath, maxSignatureBytes);
        SignatureText signature{signatureFile.bytes, QString()};
        if (!signatureFile.bytes) {
            signature.unreadable = Texts::tr("Cannot read the signature file %1: %2")
                                       .arg(signaturePath, signatureFile.errorDescription);
        }
        const SignatureVerdict verdict = judgeSignature(source.bytes, keys, signature, std::nullopt,
                                                        QDateTime::currentSecsSinceEpoch());
        source.signatureFindings = verdict.findings;
        source.refused = verdict.refusal.has_value();
        source.signedAt = verdict.timestamp;
    }
    return source;
}

} // namespace

LintSource readLintSource(const QString &argument, const QUrl &bundleListURL,
                          const QList<MinisignPublicKey> &keys, Downloader &downloader,
                          Console &console)
{
    const QUrl url = downloader.readsBundle() ? bundleListURL : QUrl(argument, QUrl::StrictMode);
    if (!downloader.readsBundle() && webAddressProblem(url).has_value()) {
        return readLintFile(argument, keys, console);
    }
    const CatalogueTrust trust{!keys.isEmpty(), keys, QString()};
    CatalogueFetch fetch(downloader.source(), trust, std::nullopt);
    const std::optional<CatalogueReading> reading = fetchCatalogue(downloader, fetch, url);
    if (!reading) {
        return {{}, {}, false, exitInterrupted};
    }
    if (!reading->list) {
        console.printError(reading->failureLine);
        return {{}, {}, false, exitCatalogue};
    }
    // The signature's verdict only: a record the updater refuses is lint's own finding.
    const bool signatureRefused =
        std::any_of(reading->findings.cbegin(), reading->findings.cend(), [](const LintFinding &f) {
            return f.severity == LintFinding::Severity::error;
        });
    return {*reading->list, reading->findings, signatureRefused, exitSuccess,
            reading->acceptedTimestamp};
}
