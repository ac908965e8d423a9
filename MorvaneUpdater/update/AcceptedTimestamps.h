#pragma once

#include "trust/MinisignKey.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <memory>
#include <optional>

// The newest signing time accepted for each catalogue, by its address, kept in the per-user
// data folder, so that the window and the command line alike refuse a list older than either
// has taken. Channels signed with one key keep a floor each, and a new key keeps the floor.
// The floor is never lowered by the clock: only a person removes it (forget). A record that
// cannot be read is said, and the list is then trusted as on first use.
class AcceptedTimestamps
{
public:
    explicit AcceptedTimestamps(QString folder) : m_folder(std::move(folder)) {}

    // Held while the record is read, compared and written, so that another process doing the
    // same can never lower it. Released when destroyed.
    class Lock;
    struct Locked
    {
        std::shared_ptr<Lock> lock;
        // Why there is none: the record is then used unlocked.
        QString problem;
    };
    Locked lock() const;

    struct Newest
    {
        std::optional<qint64> timestamp;
        // Why the record could not be read, when it is there; empty when absent or read.
        QString problem;
        // The catalogue's own record lies beyond the skew ahead of `now`. It stays the floor.
        bool aheadOfClock = false;
        // Why an earlier version's record by key was ignored; empty when none was.
        QString ignored = {};
    };
    // Before the record was kept by address it was kept by key: a catalogue with no record of
    // its own takes the newest of those older ones of `keys` as its floor, which is never
    // lower than its own would be. Those were never bounded by the clock, so one that lies
    // beyond the skew ahead of `now` is ignored, and that is said.
    Newest newest(const QUrl &catalogue, const QList<MinisignPublicKey> &keys, qint64 now) const;

    // A list just taken: its signing time, when (`now`) and under which key.
    struct Taken
    {
        qint64 timestamp = 0;
        qint64 now = 0;
        QString keyId;
    };
    // Keeps the signing time unless a newer one is kept already; why not, when it cannot be.
    std::optional<QString> accept(const QUrl &catalogue, const QList<MinisignPublicKey> &keys,
                                  const Taken &taken) const;

    // One record in the folder, for a person to see.
    struct Record
    {
        QString fileName;
        // The catalogue's address; empty for a record kept before addresses were, or by key.
        QUrl catalogue;
        // Set for a record an earlier version kept by key: the key's id.
        QString legacyKeyId;
        std::optional<qint64> timestamp;
        // Why the signing time could not be read.
        QString problem;
        // When the list was taken and with which key; unknown for older records.
        std::optional<qint64> takenAt;
        QString keyId;
    };
    // Every record, those by address first, each group by file name.
    QList<Record> records() const;

    struct Forgotten
    {
        // The records removed: the catalogue's own and its keys' records by key.
        QStringList removed;
        QString problem;
    };
    // Removes the catalogue's record under the lock, with the earlier versions' records by any
    // of `keys`, which would otherwise stand in for it: its next list is trusted as on first
    // use. Never done by the updater itself; a person asks for it.
    Forgotten forget(const QUrl &catalogue, const QList<MinisignPublicKey> &keys) const;

private:
    Newest read(const QString &fileName) const;
    std::optional<qint64> newestByKey(const QList<MinisignPublicKey> &keys, qint64 now,
                                      QString *ignored) const;
    Record recordOf(const QString &fileName) const;

    QString m_folder;
};
