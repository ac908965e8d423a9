#pragma once

#include "trust/MinisignKey.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The newest signing time accepted for each catalogue key, kept in the per-user data folder,
// so that the window and the command line alike refuse a list older than either has taken.
// A missing or unreadable record means trust on first use again.
class AcceptedTimestamps
{
public:
    explicit AcceptedTimestamps(QString folder) : m_folder(std::move(folder)) {}

    std::optional<qint64> newest(const MinisignKeyId &keyId) const;
    // Keeps `timestamp` unless a newer one is kept already; false when it cannot be written.
    bool accept(const MinisignKeyId &keyId, qint64 timestamp) const;
    // Keeps `timestamp` over whatever is kept, for a record that was set aside.
    bool replace(const MinisignKeyId &keyId, qint64 timestamp) const;

private:
    // Hidden: no image is ever saved under a name that starts with a dot.
    QString fileName(const MinisignKeyId &keyId) const;

    QString m_folder;
};
