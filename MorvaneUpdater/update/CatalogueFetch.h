#pragma once

#include "catalogue/FirmwareItem.h"
#include "trust/CatalogueTrust.h"
#include "update/AcceptedTimestamps.h"
#include "update/CatalogueReading.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <optional>

class ContentSource;

// The decision on a list and its signature as fetched from `listURL`, at `now` (seconds since
// 1970): the record's floor read, the list judged (readCatalogue), and its signing time kept
// when it is taken, all under the record's lock. Without a record (lint) every list is judged
// as on first use. What became of the record is in the reading's notices.
CatalogueReading decideCatalogue(const QUrl &listURL, const QByteArray &list,
                                 const CatalogueTrust &trust, const SignatureText &signature,
                                 const AcceptedTimestamps *record, qint64 now);
class Fetch;

// The one road to a catalogue, for the window, every command and lint: the list from its
// source, its signature when a key is in use, the decision to take it (readCatalogue), the
// newest signing time kept, and each version's release notes. It reports on the thread it
// lives on; a fetch that is decided before any request (no usable key, not a web address)
// reports before the call returns.
class CatalogueFetch final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CatalogueFetch)

public:
    // `record` keeps the newest signing time taken, per catalogue address; without one (lint) every
    // list is judged as on first use and nothing is kept.
    CatalogueFetch(ContentSource &source, CatalogueTrust trust,
                   std::optional<AcceptedTimestamps> record, QObject *parent = nullptr);
    ~CatalogueFetch() override;

    const CatalogueTrust &trust() const { return m_trust; }

    // Ends with listFetched. One list at a time: a second call while one is under way
    // abandons the first, which then reports nothing.
    void fetchList(const QUrl &listURL);
    // Ends with notesFetched; any number may be under way. True while it is, false when
    // it has been answered already.
    bool fetchNotes(const FirmwareItem &item);
    // Abandons every fetch under way with `reason`; each reports it as its failure.
    void abort(const QString &reason);
    // The address of the list's or its signature's fetch under way; empty when none.
    QUrl pendingListAddress() const;

signals:
    void listFetched(const CatalogueReading &reading);
    void notesFetched(const FirmwareItem &item, const NotesReading &reading);

private:
    void fetchSignature(const QUrl &listURL, const QByteArray &list);
    void decide(const QUrl &listURL, const QByteArray &list, const SignatureText &signature);

    ContentSource &m_source;
    const CatalogueTrust m_trust;
    const std::optional<AcceptedTimestamps> m_record;
    QPointer<Fetch> m_listFetch;
    QUrl m_pendingAddress;
};
