#include "publish/LintFetching.h"

#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "download/WebAddress.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueReading.h"
#include "update/NextSteps.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LintFetching)
};

using Severity = LintFinding::Severity;

// "notes <address>: HTTP 200" for what arrived; a failure's description says the status itself.
QString fetchedText(bool notes, const QUrl &url, const Downloader::Answer &answer)
{
    const QString place = notes ? Texts::tr("notes %1").arg(url.toString())
                                : Texts::tr("image %1").arg(url.toString());
    if (!answer.result.succeeded()) {
        return Texts::tr("%1: %2", "a download, then why it failed")
            .arg(place, answer.result.errorDescription);
    }
    return answer.status != 0 ? Texts::tr("%1: HTTP %2").arg(place, QString::number(answer.status))
                              : Texts::tr("%1: fetched").arg(place);
}

// `refused` is set when the notes do not match the record's digest, or have none under a key.
LintFinding notesFinding(const LintedRecord &record, bool keyed, const QString &where,
                         const Downloader::Answer &answer, bool &refused)
{
    const QString kind = QStringLiteral("fetch-notes");
    const qsizetype line = record.line;
    if (!answer.result.succeeded()) {
        return {Severity::error, line, kind, where};
    }
    if (const std::optional<QString> refusal =
            notesRefusal(record.item, keyed, *answer.result.body)) {
        // A malformed digest is the list's own error; any other refusal is the updater's.
        const bool malformed =
            parseImageDigest(record.item.notesDigest).state == ImageDigest::State::malformed;
        refused = refused || !malformed;
        return {Severity::error, line, QStringLiteral("notes-digest"),
                Texts::tr("%1, not shown: %2").arg(where, *refusal)};
    }
    if (const std::optional<QString> warning =
            notesCharsetWarning(*answer.result.body, Texts::tr("the notes"))) {
        return {Severity::warning, line, QStringLiteral("notes-charset"),
                Texts::tr("%1: %2", "where the notes were fetched, then a finding about them")
                    .arg(where, *warning)};
    }
    const auto decoded = decodeServerTextWithCharset(*answer.result.body);
    if (!decoded) {
        return {Severity::warning, line, kind,
                Texts::tr("%1, decodes in no supported character set: the window shows %2")
                    .arg(where, UpdateMessages::noNotes())};
    }
    if (trimWhitespaceAndNewlines(decoded->text).isEmpty()) {
        return {Severity::warning, line, kind,
                Texts::tr("%1, empty: the window shows %2").arg(where, UpdateMessages::noNotes())};
    }
    return {Severity::note, line, kind,
            Texts::tr("%1, decodes as %2").arg(where, QLatin1String(decoded->charset))};
}

// `refused` is set when the image does not match the record's digest.
LintFinding imageFinding(qsizetype line, const QString &where, const Downloader::Answer &answer,
                         const QString &digestText, bool &refused)
{
    const QString kind = QStringLiteral("fetch-image");
    if (!answer.result.succeeded()) {
        return {Severity::error, line, kind, where};
    }
    const QByteArray &image = *answer.result.body;
    if (image.isEmpty()) {
        return {Severity::error, line, kind,
                Texts::tr("%1, empty: the updater refuses it").arg(where)};
    }
    const QString message = Texts::tr("%1, %n bytes", nullptr, int(image.size())).arg(where);
    const ImageDigest digest = parseImageDigest(digestText);
    if (imageDigestMismatch(digest, image)) {
        refused = true;
        const std::optional<QByteArray> expected =
            digest.state == ImageDigest::State::valid ? std::optional(digest.sha256) : std::nullopt;
        return {Severity::error, line, QStringLiteral("image-digest"),
                Texts::tr("%1, does not match its digest (%2): the updater refuses it. %3")
                    .arg(message, digestMismatchText(expected, sha256Of(image)),
                         rebuiltImageNextStep().chopped(1))};
    }
    return {Severity::note, line, kind,
            digest.state == ImageDigest::State::valid ? Texts::tr("%1, digest matches").arg(message)
                                                      : message};
}

} // namespace

int addFetchFindings(LintOutcome &outcome, bool keyed, Downloader &downloader)
{
    QList<LintFinding> &findings = outcome.report.findings;
    QSet<QString> fetched;
    for (const LintedRecord &record : outcome.report.records) {
        const FirmwareItem &item = record.item;
        for (const bool notes : {true, false}) {
            const QUrl url = notes ? item.notesURL.toUrl() : item.firmwareURL.toUrl();
            if (webAddressProblem(url).has_value() || fetched.contains(url.toString())) {
                continue;
            }
            fetched.insert(url.toString());
            const Downloader::Answer answer =
                downloader.get(url, notes ? DownloadKind::notes : DownloadKind::image,
                               parseImageDigest(notes ? item.notesDigest : item.digest).sha256);
            if (answer.stopped) {
                return exitInterrupted;
            }
            const QString where = fetchedText(notes, url, answer);
            findings.append(
                notes ? notesFinding(record, keyed, where, answer, outcome.refused)
                      : imageFinding(record.line, where, answer, item.digest, outcome.refused));
        }
    }
    // Stable: within a line, the file's own findings come before what the downloads found.
    std::stable_sort(findings.begin(), findings.end(),
                     [](const LintFinding &a, const LintFinding &b) { return a.line < b.line; });
    return exitSuccess;
}

int lintStatus(const LintOutcome &outcome)
{
    if (outcome.refused) {
        return exitIntegrity;
    }
    return outcome.report.count(Severity::error) > 0 ? exitListErrors : exitSuccess;
}

QList<LintFinding> signingTimeFindings(qint64 signedAt, const EarlierLists &earlier, qint64 now)
{
    const QString kind = QLatin1String(FindingKind::signatureDates);
    const QString address = earlier.address.toDisplayString();
    QList<LintFinding> findings;
    if (earlier.published && signedAt < *earlier.published) {
        findings.append(
            {Severity::error, 0, kind,
             Texts::tr("the list was signed %1, before the list published at %2 (signed "
                       "%3): every unit that took that one refuses it. Sign it again on a "
                       "machine whose clock is right.")
                 .arg(signatureDateText(signedAt), address,
                      signatureDateText(*earlier.published))});
    }
    if (earlier.recorded && signedAt < *earlier.recorded) {
        findings.append(
            {Severity::error, 0, kind,
             Texts::tr("the list was signed %1, before the newest list this computer took "
                       "from %2 (signed %3): this computer refuses it, as every unit that "
                       "took that list does. ")
                     .arg(signatureDateText(signedAt), address,
                          signatureDateText(*earlier.recorded)) +
                 forgetRecordAdvice()});
    }
    if (signedAt > now) {
        findings.append({Severity::warning, 0, kind,
                         Texts::tr("the list was signed %1, ahead of this computer's clock "
                                   "(%2): units that take it refuse every later list until "
                                   "%1. Sign it again on a machine whose clock is right.")
                             .arg(signatureDateText(signedAt), signatureDateText(now))});
    }
    return findings;
}
