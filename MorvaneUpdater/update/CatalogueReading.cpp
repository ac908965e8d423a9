#include "update/CatalogueReading.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "trust/CatalogueSignature.h"
#include "trust/SignatureDates.h"
#include "update/NextSteps.h"
#include "update/SignedListRules.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueReading)
};

using Severity = CatalogueFinding::Severity;

// A list about to expire is still taken; its publisher is told to sign it again in time.
constexpr qint64 expirySoonSeconds = 7 * 24 * 3600;

// A finding that ends a sentence of its own, inside one that ends after it; in Chinese it
// ends with an ideographic full stop.
QString withoutFinalStop(QString message)
{
    if (message.endsWith(QLatin1Char('.')) || message.endsWith(QChar(0x3002))) {
        message.chop(1);
    }
    return message;
}

} // namespace

SignatureVerdict judgeSignature(const QByteArray &list, const QList<MinisignPublicKey> &keys,
                                const SignatureText &signature,
                                std::optional<qint64> newestAccepted, qint64 now)
{
    const QString signatureKind = QLatin1String(FindingKind::signature);
    if (!signature.bytes) {
        return {{{Severity::error, 0, signatureKind, signature.unreadable}},
                signature.unreadable,
                std::nullopt};
    }
    const CatalogueSignatureCheck check = checkCatalogueSignature(list, *signature.bytes, keys);
    if (check.problem) {
        const QString refusal =
            *check.problem + QLatin1Char(' ') + signatureNextStep(list, *signature.bytes, keys);
        return {{{Severity::error, 0, signatureKind, refusal}}, refusal, std::nullopt};
    }
    SignatureVerdict verdict;
    verdict.findings.append(
        {Severity::note, 0, signatureKind,
         Texts::tr("the signature holds for key %1").arg(minisignKeyIdText(check.keyId))});
    const QString datesKind = QLatin1String(FindingKind::signatureDates);
    const SignatureDates dates = parseSignatureDates(check.trustedComment);
    if (std::optional<QString> problem = signatureDatesProblem(dates, newestAccepted, now)) {
        // A list older than one taken, or signed ahead of the clock, says its own way on.
        const bool expired = dates.expires && *dates.expires <= now;
        if (!dates.timestamp || !dates.malformedToken.isEmpty() || expired) {
            *problem += QLatin1Char(' ') + signatureDatesNextStep(dates);
        }
        verdict.findings.append({Severity::error, 0, datesKind, *problem});
        verdict.refusal = problem;
        return verdict;
    }
    if (dates.expires && *dates.expires - now <= expirySoonSeconds) {
        verdict.findings.append(
            {Severity::warning, 0, datesKind,
             Texts::tr("the list expires %1, within 7 days: sign it again before then")
                 .arg(signatureDateText(*dates.expires))});
    }
    verdict.timestamp = dates.timestamp;
    verdict.keyId = minisignKeyIdText(check.keyId);
    return verdict;
}

CatalogueReading readCatalogue(const QByteArray &list, const CatalogueTrust &trust,
                               const SignatureText &signature, std::optional<qint64> newestAccepted,
                               qint64 now)
{
    CatalogueReading reading;
    reading.list = list;
    const bool keyed = !trust.keys.isEmpty();
    if (keyed) {
        SignatureVerdict verdict = judgeSignature(list, trust.keys, signature, newestAccepted, now);
        reading.findings = std::move(verdict.findings);
        if (verdict.refusal) {
            reading.failureLine = UpdateMessages::catalogueFetchFailed(*verdict.refusal);
            reading.refusedByTrust = true;
            return reading;
        }
        reading.acceptedTimestamp = verdict.timestamp;
        reading.acceptedKeyId = verdict.keyId;
    }
    const std::optional<QString> text = decodeStrictUtf8(list);
    if (!text) {
        reading.failureLine = UpdateMessages::catalogueUndecodable();
        reading.acceptedTimestamp.reset();
        return reading;
    }
    qsizetype skipped = 0;
    QList<FirmwareItem> items = parseFirmwareList(*text, &skipped);
    if (keyed && signedListMayBreakRules(items, skipped)) {
        if (const QList<CatalogueFinding> problems = signedListProblems(*text);
            !problems.isEmpty()) {
            reading.failureLine = UpdateMessages::catalogueFetchFailed(
                Texts::tr("Line %1 of the signed catalogue is refused, and with it the list: "
                          "%2.")
                    .arg(problems.first().line)
                    .arg(withoutFinalStop(problems.first().message)));
            reading.refusedByTrust = true;
            reading.acceptedTimestamp.reset();
            return reading;
        }
    }
    reading.items = std::move(items);
    return reading;
}

NotesReading readNotes(const FirmwareItem &item, bool keyBuiltIn, const DownloadResult &download)
{
    if (!download.succeeded()) {
        return {std::nullopt, UpdateMessages::notesFetchFailed(download.errorDescription)};
    }
    if (const std::optional<QString> refusal = notesRefusal(item, keyBuiltIn, *download.body)) {
        return {std::nullopt, UpdateMessages::notesFetchFailed(*refusal), true};
    }
    const std::optional<QString> notes = decodeServerText(*download.body);
    const QString trimmed = notes ? trimWhitespaceAndNewlines(*notes) : QString();
    if (trimmed.isEmpty()) {
        return {std::nullopt, UpdateMessages::noNotes()};
    }
    return {trimmed, QString()};
}
