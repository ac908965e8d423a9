#include "update/CatalogueFetch.h"

#include "download/ContentSource.h"
#include "download/Fetch.h"
#include "trust/CatalogueSignature.h"
#include "trust/ImageDigest.h"
#include "trust/SignatureDates.h"
#include "update/UpdateMessages.h"

#include <QDateTime>

CatalogueFetch::CatalogueFetch(ContentSource &source, CatalogueTrust trust,
                               std::optional<AcceptedTimestamps> record, QObject *parent)
    : QObject(parent), m_source(source), m_trust(std::move(trust)), m_record(std::move(record))
{
}

CatalogueFetch::~CatalogueFetch()
{
    // Whoever listened is going away too.
    blockSignals(true);
}

void CatalogueFetch::fetchList(const QUrl &listURL)
{
    delete m_listFetch;
    if (m_trust.keyBuiltIn && m_trust.keys.isEmpty()) {
        CatalogueReading refused;
        refused.failureLine = UpdateMessages::catalogueFetchFailed(m_trust.keyError);
        refused.refusedByTrust = true;
        emit listFetched(refused);
        return;
    }
    m_pendingAddress = listURL;
    m_listFetch = m_source.fetch(listURL, DownloadKind::list, this);
    whenFetched(m_listFetch, this, [this, listURL](const DownloadResult &result) {
        if (!result.succeeded()) {
            m_pendingAddress.clear();
            CatalogueReading failed;
            failed.failureLine = UpdateMessages::catalogueFetchFailed(result.errorDescription);
            emit listFetched(failed);
            return;
        }
        if (!m_trust.keys.isEmpty()) {
            fetchSignature(listURL, *result.body);
        } else {
            decide(listURL, *result.body, {});
        }
    });
}

void CatalogueFetch::fetchSignature(const QUrl &listURL, const QByteArray &list)
{
    const QUrl signatureURL = catalogueSignatureURL(listURL);
    m_pendingAddress = signatureURL;
    m_listFetch = m_source.fetch(signatureURL, DownloadKind::signature, this);
    whenFetched(m_listFetch, this,
                [this, listURL, list, signatureURL](const DownloadResult &result) {
                    if (result.succeeded()) {
                        decide(listURL, list, {result.body, QString()});
                    } else {
                        decide(listURL, list,
                               {std::nullopt, UpdateMessages::signatureUnreadable(
                                                  signatureURL, result.errorDescription)});
                    }
                });
}

void CatalogueFetch::decide(const QUrl &listURL, const QByteArray &list,
                            const SignatureText &signature)
{
    m_pendingAddress.clear();
    emit listFetched(decideCatalogue(listURL, list, m_trust, signature,
                                     m_record ? &*m_record : nullptr,
                                     QDateTime::currentSecsSinceEpoch()));
}

CatalogueReading decideCatalogue(const QUrl &listURL, const QByteArray &list,
                                 const CatalogueTrust &trust, const SignatureText &signature,
                                 const AcceptedTimestamps *record, qint64 now)
{
    QStringList notices;
    const auto notice = [&notices](const QString &line) {
        if (!line.isEmpty()) {
            notices.append(line);
        }
    };
    // Read, compared and written under one lock: the window and the command line at once can
    // never lower the floor.
    AcceptedTimestamps::Locked locked;
    std::optional<qint64> newest;
    if (record != nullptr && !trust.keys.isEmpty()) {
        locked = record->lock();
        notice(locked.problem);
        const AcceptedTimestamps::Newest kept = record->newest(listURL, trust.keys, now);
        notice(kept.problem);
        notice(kept.ignored);
        if (kept.aheadOfClock) {
            notice(UpdateMessages::recordAheadOfClock(*kept.timestamp, now));
        }
        newest = kept.timestamp;
    }
    CatalogueReading reading = readCatalogue(list, trust, signature, newest, now);
    if (reading.items && reading.acceptedTimestamp && record != nullptr) {
        // Not kept is said, not silent.
        notice(record
                   ->accept(listURL, trust.keys,
                            {*reading.acceptedTimestamp, now, reading.acceptedKeyId})
                   .value_or(QString()));
    }
    reading.recordNotices = std::move(notices);
    reading.signature = signature.bytes;
    return reading;
}

bool CatalogueFetch::fetchNotes(const FirmwareItem &item)
{
    Fetch *fetch = m_source.fetch(item.notesURL, DownloadKind::notes, this,
                                  parseImageDigest(item.notesDigest).sha256);
    const bool pending = !fetch->isFinished();
    whenFetched(fetch, this, [this, item](const DownloadResult &result) {
        emit notesFetched(item, readNotes(item, m_trust.keyBuiltIn, result));
    });
    return pending;
}

void CatalogueFetch::abort(const QString &reason)
{
    for (Fetch *fetch : findChildren<Fetch *>(Qt::FindDirectChildrenOnly)) {
        fetch->abort(reason);
    }
}

QUrl CatalogueFetch::pendingListAddress() const
{
    return m_pendingAddress;
}
