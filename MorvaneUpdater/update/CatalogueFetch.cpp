#include "update/CatalogueFetch.h"

#include "download/ContentSource.h"
#include "download/Fetch.h"
#include "trust/CatalogueSignature.h"
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
    if (m_trust.keyBuiltIn && !m_trust.key) {
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
        if (m_trust.key) {
            fetchSignature(listURL, *result.body);
        } else {
            decide(*result.body, {});
        }
    });
}

void CatalogueFetch::fetchSignature(const QUrl &listURL, const QByteArray &list)
{
    const QUrl signatureURL = catalogueSignatureURL(listURL);
    m_pendingAddress = signatureURL;
    m_listFetch = m_source.fetch(signatureURL, DownloadKind::signature, this);
    whenFetched(m_listFetch, this, [this, list, signatureURL](const DownloadResult &result) {
        if (result.succeeded()) {
            decide(list, {result.body, QString()});
        } else {
            decide(list, {std::nullopt, UpdateMessages::signatureUnreadable(
                                            signatureURL, result.errorDescription)});
        }
    });
}

void CatalogueFetch::decide(const QByteArray &list, const SignatureText &signature)
{
    m_pendingAddress.clear();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    std::optional<qint64> newest =
        m_record && m_trust.key ? m_record->newest(m_trust.key->keyId) : std::nullopt;
    QStringList notices;
    const bool setAside = newest && recordLiesAhead(*newest, now);
    if (setAside) {
        notices.append(recordAheadDiscarded(*newest, now));
        newest.reset();
    }
    CatalogueReading reading = readCatalogue(list, m_trust, signature, newest, now);
    if (reading.items && reading.acceptedTimestamp && m_record) {
        // Not being able to keep it only means that the next list is trusted on first use.
        if (setAside) {
            m_record->replace(m_trust.key->keyId, *reading.acceptedTimestamp);
        } else {
            m_record->accept(m_trust.key->keyId, *reading.acceptedTimestamp);
        }
    }
    reading.recordNotices = std::move(notices);
    emit listFetched(reading);
}

bool CatalogueFetch::fetchNotes(const FirmwareItem &item)
{
    Fetch *fetch = m_source.fetch(item.notesURL, DownloadKind::notes, this);
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
