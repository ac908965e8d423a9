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
// A record that cannot be read or kept is said, and the list is then trusted as on first use.
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
    };
    // Before the record was kept by address it was kept by key: a catalogue with no record of
    // its own takes the newest of those older ones of `keys` as its floor, which is never
    // lower than its own would be.
    Newest newest(const QUrl &catalogue, const QList<MinisignPublicKey> &keys) const;
    // Keeps `timestamp` unless a newer one is kept already; why not, when it cannot be.
    std::optional<QString> accept(const QUrl &catalogue, const QList<MinisignPublicKey> &keys,
                                  qint64 timestamp) const;
    // Keeps `timestamp` over whatever is kept, for a record that was set aside.
    std::optional<QString> replace(const QUrl &catalogue, qint64 timestamp) const;

private:
    Newest read(const QString &fileName) const;
    std::optional<qint64> newestByKey(const QList<MinisignPublicKey> &keys) const;

    QString m_folder;
};
